#include "../sources/SongFiles.h"
#include "sources/SyncedTag.h"
#include "storage/Lrc.h"
#include "storage/LyricsXml.h"
#include "support/Files.h"
#include "support/Rows.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

// velmora-lyrics as a script runs it: in a pipe, over a folder with good and damaged files.
namespace {

struct Run {
    int exitCode = -1;
    QStringList out;
    QStringList err;
};

// in: the working folder; as root the tool then runs as nobody, for whom permissions hold.
// memoryLimit, when given, bounds the tool's address space (in MB) where a sanitizer does not
// need terabytes of it.
Run lyricsTool(const QStringList& arguments, const QString& in = QString(),
               [[maybe_unused]] int memoryLimit = 0) {
    QStringList command{QStringLiteral(VELMORA_LYRICS_TOOL)};
#ifndef __SANITIZE_ADDRESS__
    if (memoryLimit > 0)
        command = QStringList{"prlimit", QStringLiteral("--as=%1").arg(memoryLimit * 1024 * 1024)} +
                  command;
#endif
    if (!in.isEmpty() && ::getuid() == 0)
        command =
            QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"} + command;
    QProcess process;
    process.setWorkingDirectory(in);
    process.start(command.first(), command.mid(1) + arguments);
    process.waitForFinished(-1);
    const auto lines = [](const QByteArray& bytes) {
        return QString::fromUtf8(bytes).split(u'\n', Qt::SkipEmptyParts);
    };
    return {process.exitCode(), lines(process.readAllStandardOutput()),
            lines(process.readAllStandardError())};
}

} // namespace

class LyricsToolTest : public QObject {
    Q_OBJECT
private slots:
    void exitCodes_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("help") << QStringList{"--help"} << 0;
        QTest::newRow("no command") << QStringList{} << 2;
        QTest::newRow("unknown command") << QStringList{"frob", "."} << 2;
        QTest::newRow("no path") << QStringList{"check"} << 2;
        QTest::newRow("bad --jobs") << QStringList{"check", "--jobs", "0", "."} << 2;
        QTest::newRow("a path that names nothing") << QStringList{"check", "/no/such/song"} << 1;
        // An option another command takes would otherwise pass for having done something.
        QTest::newRow("check --write") << QStringList{"check", "--write", "."} << 2;
        QTest::newRow("export-lrc --force") << QStringList{"export-lrc", "--force", "."} << 2;
        QTest::newRow("suggest --no-timing") << QStringList{"suggest", "--no-timing", "."} << 2;
        QTest::newRow("a path after --") << QStringList{"check", "--", "--write"} << 1;
    }
    void exitCodes() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        const Run run = lyricsTool(arguments);
        QCOMPARE(run.exitCode, exitCode);
        if (arguments.size() > 1 && arguments.at(1) == QLatin1String("--write"))
            QCOMPARE(run.err.value(0),
                     QStringLiteral("velmora-lyrics: --write works only with suggest."));
    }

    void keepsGoingPastDamagedFiles() {
        QTemporaryDir folder;
        QDir(folder.path()).mkdir("sub");
        const QString good = writeFile(folder.filePath("sub/Good.mp3"), songs::toneBytes());
        writeFile(folder.filePath("sub/Good.xml"),
                  lyricsFileOf(good, {"1|one", "|two", "2.5|three"}));
        writeFile(folder.filePath("Bad.mp3"), QByteArray(4000, 'x'));
        writeFile(folder.filePath("Bad.xml"), lyricsFileOf("Bad.mp3", {"1|one"}));
        writeFile(folder.filePath("Cut.mp3"), songs::toneBytes());
        writeFile(folder.filePath("Cut.xml"), "<SynchronizedLyrics><LYRICS><LINE>");
        // Every other format, by its name: an MP3 named .flac is a damaged FLAC file.
        writeFile(folder.filePath("Fake.flac"), songs::toneBytes());
        for (const char* name : {"Flac.flac", "Song.m4a", "Song.ogg", "Song.opus", "Song.wav"})
            QCOMPARE(QProcess::execute("ffmpeg",
                                       {"-v", "error", "-i", good, folder.filePath("sub/") + name}),
                     0);
        const QString flac = folder.filePath("sub/Flac.flac");
        writeFile(folder.filePath("sub/Flac..xml"), lyricsFileOf(flac, {"1|one", "2.5|two"}));

        const Run embed = lyricsTool({"embed-sylt", "--jobs", "2", folder.path()});
        QCOMPARE(embed.exitCode, 1);
        QStringList failures = embed.err; // in the order the songs finished
        failures.sort();
        QCOMPARE(failures.size(), 2);
        QVERIFY2(failures[1].contains("Bad.mp3: it is not an MP3 file."), qPrintable(failures[1]));
        QVERIFY2(failures[0].contains("Cut.mp3: Cut.xml is damaged at line 1"),
                 qPrintable(failures[0]));
        QCOMPARE(embed.out.last(), "embed-sylt: 9 songs, 2 done, 5 skipped, 2 failed in " +
                                       embed.out.last().section(' ', -2));
        QCOMPARE(ReadSyncedLyrics(good).size(), 2u);

        QCOMPARE(lyricsTool({"export-lrc", good}).exitCode, 0);
        QCOMPARE(readFile(folder.filePath("sub/Good.lrc")),
                 "[length:00:03]\n[by:Velmora Versetta]\n[00:01.00]one\ntwo\n[00:02.50]three\n");

        // One job: each job loads its own speech model for the marks' timing, and the peak
        // memory checked below is the largest of every child this test has run.
        const Run check = lyricsTool({"check", "--jobs", "1", folder.path()});
        QCOMPARE(check.exitCode, 1);
        const QString sub = folder.filePath("sub/");
        QCOMPARE(check.out.mid(0, 10),
                 QStringList({"XML      USLT     SYLT     LRC      SONG",
                              "yes      damaged  damaged  -        " + folder.filePath("Bad.mp3"),
                              "damaged  -        -        -        " + folder.filePath("Cut.mp3"),
                              "-        damaged  damaged  -        " + folder.filePath("Fake.flac"),
                              "yes      yes      yes      -        " + flac,
                              "yes      yes      yes      yes      " + good,
                              "-        -        -        -        " + sub + "Song.m4a",
                              "-        -        -        -        " + sub + "Song.ogg",
                              "-        -        -        -        " + sub + "Song.opus",
                              "-        -        -        -        " + sub + "Song.wav"}));
        QVERIFY2(check.err.contains(folder.filePath("Fake.flac") + ": it is not a FLAC file."),
                 qPrintable(check.err.join('\n')));
    }

    // Whatever keeps a song from being reached is named, and the run ends in 1; a lyrics file
    // that would expand to gigabytes is refused before it is expanded.
    void namesWhatItCannotReach_data() {
        // check's arguments (split at blanks); a line on stderr holds the error, a line of the
        // table matches the row.
        textColumns({"arguments", "error", "row"});
        textRow("folder that cannot be read",
                "check locked-in|locked-in/locked: the folder could not be read (Permission "
                "denied), so its songs were skipped|/locked-in/Good.mp3$");
        textRow("name that is not UTF-8", "check latin1|latin1/Caf\\xE9.mp3: the name is not "
                                          "UTF-8, so the song was skipped|/latin1/Good.mp3$");
        textRow("empty folder", "check empty|empty: no songs (*.mp3 *.flac *.ogg *.oga *.opus "
                                "*.m4a *.wav *.wave) in this folder|");
        textRow("paths after --",
                "check -- -Dash.mp3 --help|--help: no such file or folder|/-Dash.mp3$");
        textRow("an entity referenced 200 000 times",
                "check flood/Song.mp3|(its document type declares entities, which a lyrics file "
                "never does)|^damaged .*/flood/Song.mp3$");
    }
    void namesWhatItCannotReach() {
        QTemporaryDir dir;
        QDir folder(dir.path());
        for (const char* sub : {"locked-in/locked", "latin1", "empty", "flood"})
            QVERIFY(folder.mkpath(sub));
        for (const char* song : {"locked-in/Good.mp3", "locked-in/locked/Song.mp3",
                                 "latin1/Good.mp3", "-Dash.mp3", "flood/Song.mp3"})
            writeFile(folder.filePath(song), songs::toneBytes());
        const QByteArray latin1 = QFile::encodeName(folder.filePath("latin1")) + "/Caf\xE9.mp3";
        const int file = ::open(latin1.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        QVERIFY(file >= 0 && ::close(file) == 0);
        // 600 KB that a reader expanding every reference would turn into 800 M characters.
        writeFile(folder.filePath("flood/Song.xml"),
                  "<?xml version=\"1.0\"?><!DOCTYPE S [<!ENTITY e \"" + QByteArray(4000, 'x') +
                      "\">]><S><L><LINE><LyricLine>" + QByteArray("&e;").repeated(200000) +
                      "</LyricLine></LINE></L></S>");
        const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        QVERIFY(QFile::setPermissions(dir.path(), all | QFile::ReadOther | QFile::ExeOther));
        QVERIFY(QFile::setPermissions(folder.filePath("locked-in/locked"), {}));

        QFETCH(QString, arguments);
        const Run run = lyricsTool(arguments.split(u' '), dir.path());
        QFile::setPermissions(folder.filePath("locked-in/locked"), all);
        // Qt cannot name it in a UTF-8 locale, so the folder would outlive the test.
        ::unlink(latin1.constData());
        QCOMPARE(run.exitCode, 1);
        QFETCH(QString, error);
        QVERIFY2(run.err.filter(error).size() == 1, qPrintable(run.err.join(u'\n')));
        QFETCH(QString, row);
        QVERIFY2(row.isEmpty() || run.out.filter(QRegularExpression(row)).size() == 1,
                 qPrintable(run.out.join(u'\n')));
#ifndef __SANITIZE_ADDRESS__ // its shadow memory and quarantine are no measure of ours
        rusage usage{};
        QCOMPARE(::getrusage(RUSAGE_CHILDREN, &usage), 0);
        QVERIFY2(usage.ru_maxrss < 100 * 1024, qPrintable(QString::number(usage.ru_maxrss)));
#endif
    }

    void importKeepsALyricsFileUnlessForced() {
        QTemporaryDir folder;
        const QString song = writeFile(folder.filePath("Song.mp3"), songs::toneBytes());
        const QString xml = writeFile(folder.filePath("Song.xml"), "mine");
        writeFile(folder.filePath("Song.lrc"), "[00:02.99][00:00.50]a\n[00:01.00]b");
        QCOMPARE(lyricsTool({"import-lrc", song}).exitCode, 0);
        QCOMPARE(readFile(xml), "mine");
        QCOMPARE(lyricsTool({"import-lrc", "--force", song}).exitCode, 0);
        QCOMPARE(readFile(xml), lyricsFileOf(song, {"0|a", "1|b", "2|a"}));
    }

    // Word times travel: import-lrc leaves them in Song.lrc beside the lyrics file it writes,
    // embed-sylt gives each timed word its own SYLT entry (as mutagen reads them; a line feed
    // starts each line), and
    // export-lrc writes them again. A name that looks like a message's place holders stays
    // as it is in every message.
    void carriesWordTimes() {
        QTemporaryDir folder;
        const QString song = writeFile(folder.filePath("Song %1 %2.mp3"), songs::toneBytes());
        const QString lrc = writeFile(folder.filePath("Song %1 %2.lrc"),
                                      "[00:01.00] <00:01.00> Hel<00:01.25>lo world <00:02.00>\n"
                                      "[00:02.50]plain\n");
        QCOMPARE(lyricsTool({"import-lrc", song}).out.value(0),
                 song + ": wrote Song %1 %2.xml (2 lines); its word times stay in Song %1 %2.lrc "
                        "beside it");
        QCOMPARE(lyricsTool({"embed-sylt", song}).out.value(0),
                 song + ": wrote 2 timed lines and words into the tag of Song %1 %2.mp3 (SYLT)");
        QProcess mutagen;
        mutagen.start("/usr/bin/python3", {"-c",
                                           "import sys, mutagen.id3\n"
                                           "for f in mutagen.id3.ID3(sys.argv[1]).getall('SYLT'):\n"
                                           "    print(';'.join('%s@%d' % t for t in f.text))",
                                           song});
        QVERIFY(mutagen.waitForFinished(-1));
        QCOMPARE(mutagen.readAllStandardOutput(), "\nHel@1000;lo world@1250;\nplain@2500\n");
        QCOMPARE(lyricsTool({"export-lrc", song}).out.value(0),
                 song + ": wrote Song %1 %2.lrc (2 timed lines)");
        QCOMPARE(readFile(lrc), "[length:00:03]\n[by:Velmora Versetta]\n"
                                "[00:01.00]<00:01.00>Hel<00:01.25>lo world<00:02.00>\n"
                                "[00:02.50]plain\n");
    }

    // A lyrics file past the window's 32767 lines is exported as the window shows it: an LRC
    // of more would be one the program refuses to read back.
    void exportsNoMoreLinesThanTheWindowShows() {
        QTemporaryDir folder;
        const QString song = writeFile(folder.filePath("Song.mp3"), songs::toneBytes());
        QStringList rows;
        for (int i = 0; i < 32769; ++i)
            rows << QString("%1|line %2").arg(i / 100).arg(i);
        writeFile(folder.filePath("Song.xml"), lyricsFileOf(song, rows));
        const QString cut = "; Song.xml holds 32769 lines; the first 32767 taken, as the window "
                            "shows them";
        QCOMPARE(lyricsTool({"export-lrc", song}).out.value(0),
                 song + ": wrote Song.lrc (32767 timed lines)" + cut);
        const LrcContent back = ReadLrc(QString::fromUtf8(readFile(folder.filePath("Song.lrc"))));
        QVERIFY(!back.tooLong);
        QCOMPARE(back.lines.size(), 32767U);
        QCOMPARE(back.lines.back().text, "line 32766");
        QCOMPARE(lyricsTool({"export-srt", song}).out.value(0),
                 song + ": wrote Song.srt (32767 lines)" + cut);
    }

    // Only a file with time stamps counts as LRC; one with more lines than a lyrics file is
    // refused before it takes the machine's memory (the old reading took about 1 GB; the
    // aligner's libraries take a good part of 512 MB of address space at start).
    void checkAndImportJudgeTheLrcFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        textColumns({"cell", "fault"});
        const QString noStamps = "damaged|Song.lrc holds no time stamps, so it is no LRC file";
        const QString tooLong = "damaged|Song.lrc holds more lines than a lyrics file's 32767";
        textRow("timed", "yes|", QByteArray("[00:01.00]a\n"));
        textRow("words only", noStamps, QByteArray("just words\n[Chorus]\n"));
        textRow("binary", noStamps, QByteArray("\x89PNG\r\n\x1a\n\x01\x02\xff\xfe[\x03"));
        textRow("four million lines", tooLong, QByteArray("a\n").repeated(4000000));
        textRow("a million stamps on one line", tooLong, QByteArray("[0:00]").repeated(1000000));
    }
    void checkAndImportJudgeTheLrcFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, cell);
        QFETCH(QString, fault);
        QTemporaryDir folder;
        const QString song = writeFile(folder.filePath("Song.mp3"), songs::toneBytes());
        writeFile(folder.filePath("Song.lrc"), bytes);
        const Run check = lyricsTool({"check", song}, {}, 512);
        QCOMPARE(check.out.value(1), "-        -        -        " + cell.leftJustified(9) + song);
        QCOMPARE(check.err.join('\n'), fault.isEmpty() ? fault : song + ": " + fault);
        if (fault.isEmpty())
            return;
        // import-lrc reads no lines out of what check calls damaged, even over a lyrics file.
        const QByteArray xml = "<?xml version=\"1.0\"?><LYRICS/>";
        writeFile(folder.filePath("Song.xml"), xml);
        const Run import = lyricsTool({"import-lrc", "--force", "--jobs", "1", song}, {}, 512);
        QCOMPARE(import.exitCode, 1);
        QCOMPARE(import.err, QStringList{song + ": " + fault});
        QCOMPARE(readFile(folder.filePath("Song.xml")), xml);
    }

    // Under a memory limit (ulimit -v) the analysis either runs or says there is not enough
    // memory: the speech recogniser, which ends the process when an allocation fails, is never
    // reached without room. From too little to start the model to enough for the whole song.
    void suggestUnderAMemoryLimitEndsCleanly() {
#ifdef __SANITIZE_ADDRESS__
        QSKIP("a sanitizer's shadow memory takes terabytes of address space");
#endif
        QTemporaryDir folder;
        const QString song = writeFile(folder.filePath("Song.mp3"), songs::toneBytes());
        writeFile(folder.filePath("Song.xml"),
                  lyricsFileOf(song, {"|over the water", "|under the bridge"}));
        const QString noRoom = song + ": not enough memory to work on this song";
        int worked = 0;
        for (int limit = 320; limit <= 1200 && worked == 0; limit += 40) {
            const Run run = lyricsTool({"suggest", song}, {}, limit);
            const QString at = QStringLiteral("%1 MB: ").arg(limit) + run.err.join('\n');
            QVERIFY2(run.exitCode == 0 || run.exitCode == 1, qPrintable(at));
            if (run.exitCode == 1)
                QVERIFY2(run.err.contains(noRoom), qPrintable(at));
            else
                worked = limit;
        }
        QVERIFY2(worked > 0, "the tool never had room enough");
        QCOMPARE(lyricsTool({"suggest", song}, {}, worked).out.size(), 2);
    }
};

QTEST_MAIN(LyricsToolTest)
#include "tst_LyricsTool.moc"
