// Songs of every bad shape, opened and given lyrics through the real window and the real tag
// component: opening always ends in a defined sheet, and a refused save leaves every byte.

#include "badinput/BadInput.h"

#include "sources/SongFiles.h"
#include "support/Rows.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <sys/resource.h>
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

// Two seconds of FLAC with "old words" in its LYRICS comment, as ffmpeg writes it.
QByteArray flacWithLyrics() {
    QTemporaryDir dir;
    const QString flac = dir.filePath("tone.flac");
    QProcess::execute("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=d=2", "-metadata",
                                 "LYRICS=old words", flac});
    return readFile(flac);
}

// Every frame but the lyrics as mutagen reads the MP3's tag (2.2 and 2.3 frames as 2.4 ones).
QString mutagenFrames(const QString& song) {
    QProcess mutagen;
    mutagen.start("/usr/bin/python3", {"-c",
                                       "import sys, mutagen.id3\n"
                                       "try: t = mutagen.id3.ID3(sys.argv[1])\n"
                                       "except mutagen.id3.ID3NoHeaderError: sys.exit()\n"
                                       "except Exception as e: sys.exit(print(type(e).__name__))\n"
                                       "for f in sorted(t.values(), key=lambda f: f.HashKey):\n"
                                       "    if f.FrameID != 'USLT': print(f.HashKey, f.pprint())",
                                       song});
    mutagen.waitForFinished(-1);
    return QString::fromUtf8(mutagen.readAllStandardOutput());
}

// The first bytes of the file at path: enough for its tag's header.
QByteArray readHead(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(10) : QByteArray();
}

} // namespace

class BadSongsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(!songs::toneBytes().isEmpty()); }

    void songsOfEveryShape_data() {
        QTest::addColumn<QByteArray>("bytes");
        // How Song.mp3 is made, what opening finds in the tag, "" when the save must succeed.
        textColumns({"kind", "lyricsRead", "saveRefusal"});
        const QByteArray tone = songs::toneBytes();
        const QByteArray lyrics = songs::lyricsFrame(3, songs::Latin1, "old words");
        const QByteArray tagged = taggedTone({lyrics});
        textRow("zero bytes", "file||it is not an MP3 file", QByteArray());
        textRow("a tag and nothing else", "file|old words|it is not an MP3 file",
                songs::tag(3, {lyrics}));
        textRow("truncated audio", "file||", tone.left(tone.size() / 3));
        textRow("truncated in the tag", "file|old w|its ID3v2 tag is damaged", tagged.left(30));
        textRow("random bytes", "file||it is not an MP3 file", randomBytes(3, 65536));
        textRow("tag size past the end of the file", "file|old words|its ID3v2 tag is damaged",
                oversizedTag());
        textRow("frame size past the end of the tag", "file||", frameLongerThanItsTag());
        // Every frame the save does not own stays byte for byte, whatever a reader makes of it.
        textRow("frame of garbage id", "file||",
                taggedTone({songs::frame(3, "@#!?", "junk"), lyrics}));
        textRow("lyrics frame of unknown encoding", "file||",
                taggedTone({songs::frame(3, "USLT", "\x09engx\0words")}));
        textRow("tag of version 5", "file|old words|unknown version", taggedTone({lyrics}, 5));
        // What follows a tag stays as it stands: the tag is saved.
        textRow("random bytes after a good tag", "file|old words|",
                songs::tag(3, {lyrics}) + randomBytes(4, 65536));
        textRow("folder named like a song", "folder||it is a folder, not a song", QByteArray());
        textRow("link to nothing", "dangling||there is no such file", QByteArray());
        textRow("unreadable", "unreadable||Cannot read the tag of", tagged);
        textRow("read-only", "read-only|old words|the file is read-only", tagged);
        textRow("a named pipe", "pipe||it is a named pipe, not a song", QByteArray());
        // Carried into 2.3 frame by frame (TagLib dropped these writing 2.2 as 2.4).
        textRow("2.2 tag with date, time and volume frames", "file|old words|",
                songs::tag(2, {frame22("TT2", QByteArray("\0Title", 6)),
                               frame22("TDA", QByteArray("\0000304", 5)),
                               frame22("TIM", QByteArray("\0001200", 5)),
                               frame22("RVA", QByteArray("\x03\x10\0\0\0\0", 6)),
                               frame22("ULT", QByteArray("\0eng\0old words", 14))}) +
                    tone);
        // TagLib cut the first to one byte and wrote the second as "(3)(40)", which readers show
        // as Dance and Alt. Rock: both stay byte for byte.
        textRow("2.3 title with the grouping-identity flag", "file|old words|",
                taggedTone({QByteArray("TIT2\0\0\0\x07\0\x20\x01\0Title", 17), lyrics}));
        textRow("2.3 genre the rewrite would rename", "file|old words|",
                taggedTone({songs::textFrame(3, "TCON", "(3)Alternative Rock"), lyrics}));
        textRow("a copy left by a killed save", "stale copy|old words|", tagged);
        // Other formats: the kind names the song after a blank.
        const QByteArray flac = flacWithLyrics();
        textRow("FLAC cut in its audio", "file Song.flac|old words|", flac.left(flac.size() / 2));
        textRow("FLAC cut in its metadata", "file Song.flac||its FLAC metadata is cut short",
                flac.left(60));
        textRow("an MP3 named .flac", "file Song.flac||it is not a FLAC file", tagged);
        textRow("read-only FLAC", "read-only Song.flac|old words|the file is read-only", flac);
    }
    void songsOfEveryShape() {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        if (kind == QLatin1String("unreadable") && rerunUnprivileged())
            return;
        QTemporaryDir dir;
        const QString song = dir.filePath(
            kind.section(' ', 1).isEmpty() ? QStringLiteral("Song.mp3") : kind.section(' ', 1));
        kind = kind.section(' ', 0, 0);
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
        w.ui.cmdOpen->click();
        QFETCH(QString, lyricsRead);
        if (lyricsRead.isEmpty()) {
            QCOMPARE(w.sheet(), QStringList{QStringLiteral("|No Lyrics Found||")});
            QCOMPARE(w.ui.lblStatus->text(), QStringLiteral(" No Lyrics Found For  -  ") + song);
        } else {
            QCOMPARE(w.ui.txtAddLyrics->toPlainText(), lyricsRead);
            QCOMPARE(w.ui.lblStatus->text(), QString());
        }

        w.ui.cmdAddLyrics->click();
        w.ui.txtAddLyrics->setPlainText(QStringLiteral("new words"));
        w.ui.cmdSaveUnsynch->click();
        QFETCH(QString, saveRefusal);
        if (saveRefusal.isEmpty()) {
            const QString status = w.ui.lblStatus->text();
            QVERIFY2(status.startsWith("Saved 1 line of lyrics into the ") &&
                         status.endsWith(" of " + QFileInfo(song).fileName() + "."),
                     qPrintable(status));
            QCOMPARE(tagLyrics(song), QStringLiteral("new words"));
            // The audio after the tag is the audio before it, and mutagen reads every other
            // frame as before.
            const QByteArray saved = readFile(song);
            if (song.endsWith(".mp3")) {
                QCOMPARE(saved.mid(songs::tagLength(saved)), bytes.mid(songs::tagLength(bytes)));
                const QTemporaryDir elsewhere;
                QCOMPARE(mutagenFrames(song),
                         mutagenFrames(writeFile(elsewhere.filePath("before.mp3"), bytes)));
            } else
                QCOMPARE(saved.right(bytes.size() / 2), bytes.right(bytes.size() / 2));
        } else {
            const QString status = w.ui.lblStatus->text();
            QVERIFY2(status.contains(song) && status.contains(saveRefusal), qPrintable(status));
            QVERIFY(!w.ui.picUnsynch->isHidden()); // the panel stays for another try
            if (kind == QLatin1String("unreadable"))
                QFile::setPermissions(song, QFile::ReadOwner | QFile::WriteOwner);
            if (kind != QLatin1String("folder") && kind != QLatin1String("dangling") &&
                kind != QLatin1String("pipe"))
                QCOMPARE(readFile(song), bytes);
        }
        QCOMPARE(filesIn(dir.path()), filesBefore); // no temporary copy left behind

        // The song still opens to a defined sheet after the attempt.
        w.openAnswers << song;
        w.ui.cmdOpen->click();
        QVERIFY(w.session().sheet().count() >= 1);
        // Play names what stands there instead of waiting on a pipe's writer for ever.
        if (kind == QLatin1String("folder") || kind == QLatin1String("dangling") ||
            kind == QLatin1String("pipe")) {
            w.ui.cmdPlay->click();
            const QString status = w.ui.lblStatus->text();
            QVERIFY2(status.startsWith("Cannot play Song.mp3: it is ") &&
                         status.endsWith(", not a song file."),
                     qPrintable(status));
            QVERIFY(!w.playing());
            QCOMPARE(w.ui.cmdPlay->text(), "Play");
        }
    }

    // A song of hundreds of megabytes is copied and checked piece by piece: the save holds its
    // tag, never its audio, and the window goes on painting and running its timers meanwhile,
    // with the status line saying what happens and a drop turned away until the save is over.
    // In a child process, whose peak memory is the save's.
    void aHugeSongIsSavedInPieces() {
        if (!inChild()) {
            rerunInChild({});
            return;
        }
        QTemporaryDir dir;
        const QString song = dir.filePath(QStringLiteral("Song.mp3"));
        const QByteArray tagged = taggedTone({songs::lyricsFrame(3, songs::Latin1, "old")});
        constexpr qint64 kSize = qint64{200} << 20; // a tail of zeros, which take no disk
        QFile file(song);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(tagged) == tagged.size() &&
                file.resize(kSize));
        file.close();
        TestWindow w;
        w.showSong(dir.path() + QLatin1Char('/'), QStringLiteral("Song.mp3"));
        w.ui.cmdAddLyrics->click();
        w.ui.txtAddLyrics->setPlainText(QStringLiteral("new words"));
        QString during;
        bool dropTaken = true;
        QTimer::singleShot(0, &*w, [&] {
            during = w.ui.lblStatus->text();
            QMimeData dragged;
            dragged.setUrls({QUrl::fromLocalFile(dir.filePath(QStringLiteral("Other.mp3")))});
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, {});
            QCoreApplication::sendEvent(w.ui.txtFileName, &drop);
            dropTaken = drop.isAccepted();
        });
        w.ui.cmdSaveUnsynch->click();
#ifndef __SANITIZE_ADDRESS__ // its shadow memory and quarantine are no measure of ours
        rusage usage{};
        QCOMPARE(::getrusage(RUSAGE_SELF, &usage), 0);
        const qint64 peakMb = usage.ru_maxrss / 1024;
        QVERIFY2(peakMb < kSize / 2 / (1 << 20) + 100, qPrintable(QString::number(peakMb)));
#endif
        QCOMPARE(during, QStringLiteral("Saving the lyrics into Song.mp3\u2026"));
        QVERIFY(!dropTaken);
        QCOMPARE(w.ui.songFileBox->text(), QStringLiteral("Song.mp3"));
        QCOMPARE(w.ui.lblStatus->text(),
                 "Saved 1 line of lyrics into the ID3v2 tag (USLT) of Song.mp3.");
        QCOMPARE(tagLyrics(song), QStringLiteral("new words"));
        QCOMPARE(QFileInfo(song).size() - songs::tagLength(readHead(song)),
                 kSize - songs::tagLength(tagged));
    }
};

QTEST_MAIN(BadSongsTest)
#include "tst_BadSongs.moc"
