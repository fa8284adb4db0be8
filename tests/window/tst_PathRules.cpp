#include "sheet/TimeText.h"
#include "window/PathRules.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class PathRulesTest : public QObject {
    Q_OBJECT
private slots:
    void splitsAtTheLastSeparator_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");
        QTest::newRow("backslash") << "C:\\Music\\Song.mp3"
                                   << "\\"
                                   << "C:\\Music\\"
                                   << "Song.mp3";
        QTest::newRow("slash") << "/home/a/Music/Song.mp3"
                               << "/"
                               << "/home/a/Music/"
                               << "Song.mp3";
        QTest::newRow("blanks kept") << "D:\\My Music\\A Song.mp3"
                                     << "\\"
                                     << "D:\\My Music\\"
                                     << "A Song.mp3";
        QTest::newRow("quotes kept") << "\"/m/a.mp3\""
                                     << "/"
                                     << "\"/m/"
                                     << "a.mp3\"";
        QTest::newRow("no separator") << "Song.mp3"
                                      << "/"
                                      << ""
                                      << "Song.mp3";
        QTest::newRow("other separator is a character") << "C:/Music/Song.mp3"
                                                        << "\\"
                                                        << ""
                                                        << "C:/Music/Song.mp3";
        QTest::newRow("ends with separator") << "/music/"
                                             << "/"
                                             << "/music/"
                                             << "";
        QTest::newRow("empty") << ""
                               << "/"
                               << ""
                               << "";
    }
    void splitsAtTheLastSeparator() {
        QFETCH(QString, path);
        QFETCH(QString, separator);
        const SongLocation location = SplitSongPath(path, separator.at(0));
        QTEST(location.folder, "folder");
        QTEST(location.file, "file");
        QCOMPARE(location.folder + location.file, path);
    }

    void qualifiesPaths() {
        QCOMPARE(QualifyPath(QStringLiteral("C:\\Music"), u'\\'), QStringLiteral("C:\\Music\\"));
        QCOMPARE(QualifyPath(QStringLiteral("C:\\Music\\"), u'\\'), QStringLiteral("C:\\Music\\"));
        QCOMPARE(QualifyPath(QStringLiteral("/music"), u'/'), QStringLiteral("/music/"));
        QCOMPARE(QualifyPath(QStringLiteral("/music/"), u'/'), QStringLiteral("/music/"));
        QCOMPARE(QualifyPath(QString(), u'/'), QStringLiteral("/"));
        QCOMPARE(QualifyPath(QString(), u'\\'), QStringLiteral("\\"));
    }

    void namesTheLyricsFileByDroppingFourCharacters() {
        QCOMPARE(SynchLyricsFileName(QStringLiteral("C:\\Music\\Song.mp3")),
                 QStringLiteral("C:\\Music\\Song.xml"));
        QCOMPARE(SynchLyricsFileName(QStringLiteral("/m/Song.mpeg")),
                 QStringLiteral("/m/Song..xml"));
        QCOMPARE(SynchLyricsFileName(QStringLiteral("/m/Song")), QStringLiteral("/m/.xml"));
        QCOMPARE(SynchLyricsFileName(QStringLiteral("a.mp")), QStringLiteral(".xml"));
        QCOMPARE(SynchLyricsFileName(QStringLiteral("abc")), QString());
        QCOMPARE(SynchLyricsFileName(QString()), QString());
    }

    void fileExistsOnlyForReadableFiles() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("a.xml"));
        QVERIFY(!FileExists(file));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(FileExists(file)); // empty files count: contents are not looked at
        QVERIFY(!FileExists(dir.path()));
        QVERIFY(!FileExists(QString()));
        QVERIFY(!FileExists(QStringLiteral("\"") + file + QStringLiteral("\"")));
    }

    void formatsTimeText_data() {
        QTest::addColumn<int>("secs");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << "";
        QTest::newRow("negative") << -1 << "";
        QTest::newRow("1") << 1 << "0:01";
        QTest::newRow("7") << 7 << "0:07";
        QTest::newRow("59") << 59 << "0:59";
        QTest::newRow("60") << 60 << "1:00";
        QTest::newRow("61") << 61 << "1:01";
        QTest::newRow("599") << 599 << "9:59";
        QTest::newRow("600") << 600 << "10:00";
        QTest::newRow("3599") << 3599 << "59:59";
        QTest::newRow("an hour") << 3600 << "1:00:00";
        QTest::newRow("hour and a bit") << 3725 << "1:02:05";
        QTest::newRow("largest mark") << 32767 << "9:06:07";
    }
    void formatsTimeText() {
        QFETCH(int, secs);
        QTEST(SecondsToTime(secs), "text");
    }

    void roundsHalfToEven() {
        QCOMPARE(RoundHalfEven(2.5), 2);
        QCOMPARE(RoundHalfEven(3.5), 4);
        QCOMPARE(RoundHalfEven(12.5), 12);
        QCOMPARE(RoundHalfEven(13.5), 14);
        QCOMPARE(RoundHalfEven(-2.5), -2);
        QCOMPARE(RoundHalfEven(2.4999), 2);
        QCOMPARE(RoundHalfEven(2.5001), 3);
        QCOMPARE(RoundHalfEven(1e300), std::numeric_limits<std::int64_t>::max());
        QCOMPARE(RoundHalfEven(std::nan("")), 0);
    }
};

QTEST_APPLESS_MAIN(PathRulesTest)
#include "tst_PathRules.moc"
