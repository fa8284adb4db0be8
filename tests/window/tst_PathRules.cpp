#include "sheet/TimeText.h"
#include "support/Rows.h"
#include "window/PathRules.h"

#include <QFile>
#include <QTemporaryDir>

class PathRulesTest : public QObject {
    Q_OBJECT
private slots:
    void splitsAtTheLastSeparator_data() {
        textColumns({"path", "separator", "folder", "file"});
        textRow("backslash", "C:\\Music\\Song.mp3|\\|C:\\Music\\|Song.mp3");
        textRow("slash", "/home/a/Song.mp3|/|/home/a/|Song.mp3");
        textRow("no separator", "Song.mp3|/||Song.mp3");
        textRow("the other separator is a character", "C:/Music/Song.mp3|\\||C:/Music/Song.mp3");
        textRow("ends with a separator", "/music/|/|/music/|");
        textRow("empty", "|/||");
    }
    void splitsAtTheLastSeparator() {
        QFETCH(QString, path);
        QFETCH(QString, separator);
        const SongLocation location = SplitSongPath(path, separator.at(0));
        QTEST(location.folder, "folder");
        QTEST(location.file, "file");
    }

    void qualifiesPaths() {
        QCOMPARE(QualifyPath(QStringLiteral("C:\\Music"), u'\\'), QStringLiteral("C:\\Music\\"));
        QCOMPARE(QualifyPath(QStringLiteral("/music/"), u'/'), QStringLiteral("/music/"));
        QCOMPARE(QualifyPath(QString(), u'\\'), QStringLiteral("\\"));
    }

    void namesTheLyricsFileByDroppingFourCharacters() {
        for (const auto& [song, xml] : {std::pair{"C:\\Music\\Song.mp3", "C:\\Music\\Song.xml"},
                                        {"/m/Song.mpeg", "/m/Song..xml"},
                                        {"a.mp", ".xml"},
                                        {"abc", ""}})
            QCOMPARE(SynchLyricsFileName(QString::fromLatin1(song)), QLatin1String(xml));
    }

    void fileExistsOnlyForReadableFiles() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("a.xml"));
        QVERIFY(!FileExists(file));
        QVERIFY(QFile(file).open(QIODevice::WriteOnly));
        QVERIFY(FileExists(file)); // empty files count: contents are not looked at
        QVERIFY(!FileExists(dir.path()));
        QVERIFY(!FileExists('"' + file + '"'));
    }

    void formatsTimeTextAndRoundsHalfToEven() {
        // "seconds=text" and "value=rounded"
        for (const QString& c : QStringLiteral("0=;-1=;7=0:07;59=0:59;60=1:00;3599=59:59;"
                                               "3600=1:00:00;3725=1:02:05;32767=9:06:07")
                                    .split(u';'))
            QCOMPARE(SecondsToTime(c.section(u'=', 0, 0).toInt()), c.section(u'=', 1));
        for (const QString& c : QStringLiteral("2.5=2;3.5=4;-2.5=-2;2.4999=2;2.5001=3").split(u';'))
            QCOMPARE(RoundHalfEven(c.section(u'=', 0, 0).toDouble()),
                     std::int64_t(c.section(u'=', 1).toLongLong()));
        QCOMPARE(RoundHalfEven(1e300), std::numeric_limits<std::int64_t>::max());
        QCOMPARE(RoundHalfEven(std::nan("")), 0);
    }
};

QTEST_APPLESS_MAIN(PathRulesTest)
#include "tst_PathRules.moc"
