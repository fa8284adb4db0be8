// Songs of every bad shape, opened and given lyrics through the real window and the real tag
// component: opening always ends in a defined sheet, and a refused save leaves every byte.

#include "badinput/BadInput.h"

#include "sources/SongFiles.h"

#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <sys/stat.h>

using namespace badinput;

namespace {

QByteArray taggedTone(const QList<QByteArray>& frames, int major = 3) {
    return songs::tag(major, frames) + songs::toneBytes();
}

// A tag whose header claims more bytes than the whole file has.
QByteArray oversizedTag() {
    QByteArray bytes = taggedTone({songs::lyricsFrame(3, songs::Latin1, "old words")});
    bytes.replace(6, 4, songs::sizeBytes(0x0FFFFFF0, true));
    return bytes;
}

// A lyrics frame whose size field runs past the end of the tag.
QByteArray frameLongerThanItsTag() {
    QByteArray frame = songs::lyricsFrame(3, songs::Latin1, "old words");
    frame.replace(4, 4, songs::sizeBytes(5000, false));
    return songs::tag(3, {frame}) + songs::toneBytes();
}

// A version 2.2 frame: three-letter id, three-byte size, no flags.
QByteArray frame22(const char* id, const QByteArray& payload) {
    return id + songs::sizeBytes(quint32(payload.size()), false).right(3) + payload;
}

} // namespace

class BadSongsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(!songs::toneBytes().isEmpty()); }

    void songsOfEveryShape_data() {
        QTest::addColumn<QString>("kind"); // how Song.mp3 is made
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("lyricsRead");  // what opening finds in the tag
        QTest::addColumn<QString>("saveRefusal"); // "" when the save must succeed
        const QByteArray tone = songs::toneBytes();
        const QByteArray lyrics = songs::lyricsFrame(3, songs::Latin1, "old words");
        QTest::newRow("zero bytes")
            << "file" << QByteArray() << QString() << "it is not an MP3 file";
        QTest::newRow("a tag and nothing else") << "file" << songs::tag(3, {lyrics}) << "old words"
                                                << "it is not an MP3 file";
        QTest::newRow("truncated audio") << "file" << tone.left(tone.size() / 3) << QString() << "";
        QTest::newRow("truncated in the tag") << "file" << taggedTone({lyrics}).left(30) << "old w"
                                              << "its ID3v2 tag is damaged";
        QTest::newRow("random bytes")
            << "file" << randomBytes(3, 65536) << QString() << "it is not an MP3 file";
        QTest::newRow("tag size past the end of the file")
            << "file" << oversizedTag() << "old words"
            << "its ID3v2 tag is damaged";
        QTest::newRow("frame size past the end of the tag")
            << "file" << frameLongerThanItsTag() << QString() << "";
        QTest::newRow("frame of garbage id")
            << "file" << taggedTone({songs::frame(3, "@#!?", "junk"), lyrics}) << QString()
            << "frames that could not be kept as they are (@#!?)";
        QTest::newRow("lyrics frame of unknown encoding")
            << "file" << taggedTone({songs::frame(3, "USLT", "\x09engx\0words")}) << QString()
            << "";
        QTest::newRow("tag of version 5") << "file" << taggedTone({lyrics}, 5) << "old words"
                                          << "unknown version";
        QTest::newRow("random bytes after a good tag")
            << "file" << songs::tag(3, {lyrics}) + randomBytes(4, 65536) << "old words"
            << "it is not an MP3 file";
        QTest::newRow("folder named like a song")
            << "folder" << QByteArray() << QString() << "it is a folder, not a song";
        QTest::newRow("link to nothing")
            << "dangling" << QByteArray() << QString() << "there is no such file";
        QTest::newRow("unreadable")
            << "unreadable" << taggedTone({lyrics}) << QString() << "Cannot read the tag of";
        QTest::newRow("read-only") << "read-only" << taggedTone({lyrics}) << "old words"
                                   << "the file is read-only";
        QTest::newRow("a named pipe")
            << "pipe" << QByteArray() << QString() << "it is a named pipe, not a song";
        // TagLib drops date, time and volume frames when it writes 2.2 as 2.4.
        QTest::newRow("2.2 tag with date, time and volume frames")
            << "file"
            << songs::tag(2, {frame22("TT2", QByteArray("\0Title", 6)),
                              frame22("TDA", QByteArray("\0"
                                                        "0304",
                                                        5)),
                              frame22("TIM", QByteArray("\0"
                                                        "1200",
                                                        5)),
                              frame22("RVA", QByteArray("\x03\x10\0\0\0\0", 6)),
                              frame22("ULT", QByteArray("\0eng\0old words", 14))}) +
                   tone
            << "old words"
            << "frames that could not be kept as they are (TDA, TIM, RVA)";
        QTest::newRow("2.3 title with the grouping-identity flag")
            << "file" << taggedTone({QByteArray("TIT2\0\0\0\x07\0\x20\x01\0Title", 17), lyrics})
            << "old words"
            << "frames that could not be kept as they are (TIT2)";
        QTest::newRow("a copy left by a killed save")
            << "stale copy" << taggedTone({lyrics}) << "old words"
            << "";
    }
    void songsOfEveryShape() {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        if (kind == QLatin1String("unreadable") && rerunUnprivileged())
            return;
        QTemporaryDir dir;
        const QString song = dir.filePath(QStringLiteral("Song.mp3"));
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Song.mp3")));
        else if (kind == QLatin1String("dangling"))
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone.mp3")), song));
        else if (kind == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(song).constData(), 0600), 0);
        else
            QVERIFY(!writeFile(song, bytes).isNull());
        if (kind == QLatin1String("unreadable")) {
            QFile::setPermissions(song, QFile::WriteOwner);
            if (QFile(song).open(QIODevice::ReadOnly))
                QSKIP("this user reads files without read permission");
        } else if (kind == QLatin1String("read-only")) {
            QFile::setPermissions(song, QFile::ReadOwner | QFile::ReadGroup);
        }
        const QStringList filesBefore = filesIn(dir.path());
        if (kind == QLatin1String("stale copy")) // removed by the next save of the song
            QVERIFY(!writeFile(dir.filePath(QStringLiteral(".Song.mp3.k1lLed")), bytes).isNull());

        TestWindow w;
        w.openAnswers << song;
        w->ui.cmdOpen->click();
        QFETCH(QString, lyricsRead);
        if (lyricsRead.isEmpty()) {
            QCOMPARE(w.sheet(), QStringList{QStringLiteral("|No Lyrics Found||")});
            QCOMPARE(w->ui.lblStatus->text(), QStringLiteral(" No Lyrics Found For  -  ") + song);
        } else {
            QCOMPARE(w->ui.txtAddLyrics->toPlainText(), lyricsRead);
            QCOMPARE(w->ui.lblStatus->text(), QString());
        }

        w->ui.cmdAddLyrics->click();
        w->ui.txtAddLyrics->setPlainText(QStringLiteral("new words"));
        w->ui.cmdSaveUnsynch->click();
        QFETCH(QString, saveRefusal);
        if (saveRefusal.isEmpty()) {
            QCOMPARE(w->ui.lblStatus->text(), QString());
            QCOMPARE(w->GetLyrics(song), QStringLiteral("new words"));
            // The audio after the tag is the audio before it.
            const QByteArray saved = readFile(song);
            QCOMPARE(saved.mid(songs::tagLength(saved)), bytes.mid(songs::tagLength(bytes)));
        } else {
            const QString status = w->ui.lblStatus->text();
            QVERIFY2(status.contains(song) && status.contains(saveRefusal), qPrintable(status));
            QVERIFY(!w->ui.picUnsynch->isHidden()); // the panel stays for another try
            if (kind == QLatin1String("unreadable"))
                QFile::setPermissions(song, QFile::ReadOwner | QFile::WriteOwner);
            if (kind != QLatin1String("folder") && kind != QLatin1String("dangling") &&
                kind != QLatin1String("pipe"))
                QCOMPARE(readFile(song), bytes);
        }
        QCOMPARE(filesIn(dir.path()), filesBefore); // no temporary copy left behind

        // The song still opens to a defined sheet after the attempt.
        w.openAnswers << song;
        w->ui.cmdOpen->click();
        QVERIFY(w->sheet().count() >= 1);
    }
};

QTEST_MAIN(BadSongsTest)
#include "tst_BadSongs.moc"
