// Timed lyrics written into the tags of every format by Ctrl+Shift+E (the session) and read back
// by other programs: the lyrics field of FLAC, Ogg, Opus, M4A and WAV by mutagen and FFmpeg, an
// MP3's SYLT frame by mutagen and kid3-cli; then the song opened again without a lyrics file.

#include "session/SongSession.h"
#include "sources/SyncedTag.h"
#include "sources/TagLibComponent.h"
#include "storage/Lrc.h"
#include "support/Files.h"
#include "support/TestWindow.h"

#include "SongFiles.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Four lines, the first and third marked; with words, those two timed word by word.
const QString kLines = "[00:01.28]Over the water\nunder the hill\n[00:03.00]far away\nhome again\n";
const QString kWords = "[00:01.28]<00:01.28>Over <00:01.60>the <00:02.00>water\nunder the hill\n"
                       "[00:03.00]<00:03.00>far <00:03.40>away\nhome again\n";

std::vector<SheetRow> rowsOf(const QString& lrc) {
    return SheetRowsFromLrc(ReadLrc(lrc).lines);
}

std::unique_ptr<SongSession> sessionOn(const QString& song) {
    auto session = std::make_unique<SongSession>(
        nullptr, [] { return std::make_unique<TagLibComponent>(); }, QString(), QString());
    session->open(song);
    return session;
}

using songs::run;

// The lyrics field as mutagen reads it.
const char* const kMutagenLyrics = R"(import sys, mutagen
f = mutagen.File(sys.argv[1])
for k in f.tags.keys():
    if k.lower() in ('lyrics', '\xa9lyr') or k.startswith('USLT'):
        v = f.tags[k]
        sys.stdout.write(v.text if hasattr(v, 'text') else v[0]))";

// The SYLT entries as mutagen reads them, one "time|text" a line, line feeds shown as \n.
const char* const kMutagenSylt = R"(import sys, mutagen.id3
for f in mutagen.id3.ID3(sys.argv[1]).getall('SYLT'):
    for text, time in f.text:
        print('%d|%s' % (time, text.replace('\n', '\\n'))))";

} // namespace

class TimedTagsTest : public QObject {
    Q_OBJECT
private slots:
    // Every line reaches the field, unmarked ones plain, words as word stamps on their line;
    // opened again, the stamps are marks and the header no line.
    void everyLineReachesTheLyricsField_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("lrc");
        for (const char* format : {"flac", "ogg", "opus", "m4a", "wav"}) {
            QTest::addRow("%s, lines", format) << QString(format) << kLines;
            QTest::addRow("%s, words", format) << QString(format) << kWords;
        }
    }
    void everyLineReachesTheLyricsField() {
        QFETCH(QString, format);
        QFETCH(QString, lrc);
        QTemporaryDir dir;
        const QString song = songs::formatSong(dir.filePath("Song." + format));
        QVERIFY(!song.isEmpty());
        {
            const auto session = sessionOn(song);
            session->sheet().load(rowsOf(lrc), "Load Lyrics");
            QVERIFY2(session->syncedLyricsSave()().startsWith("Wrote 4 lines, 2 of them timed"),
                     qPrintable(song));
        }
        const QString field = run("/usr/bin/python3", {"-c", kMutagenLyrics, song});
        QCOMPARE(field, "[by:Velmora Versetta]\n" + lrc.chopped(1));
        // FFmpeg shows a WAV's ID3 chunk only when it has no INFO list, which ffmpeg wrote here.
        const QString probed = run("ffprobe", {"-v", "quiet", "-show_entries",
                                               "format_tags:stream_tags", "-of", "json", song});
        QVERIFY2(format == "wav" || probed.contains("\\nunder the hill\\n[00:03.00]"),
                 qPrintable(probed));

        const auto reopened = sessionOn(song);
        QCOMPARE(sheetRows(reopened->sheet()),
                 QStringList({"1|Over the water|0:01|1", "2|under the hill||", "3|far away|0:03|3",
                              "4|home again||"}));
        QCOMPARE(reopened->sheet().rows()[0].markMs, 1280);
        QCOMPARE(reopened->sheet().rows()[0].words.size(), lrc == kWords ? 3u : 0u);
    }

    // An MP3's SYLT frame: each line's first entry starts with a line feed, so readers that
    // take the entries for text (kid3-cli) show lines, not words; read back as lines.
    void syltEntriesMarkWhereLinesStart() {
        QTemporaryDir dir;
        const QString song = songs::formatSong(dir.filePath("Song.mp3"));
        {
            const auto session = sessionOn(song);
            session->sheet().load(rowsOf(kWords), "Load Lyrics");
            QCOMPARE(session->syncedLyricsSave()(),
                     "Wrote 2 timed lines and words into the tag of Song.mp3 (SYLT).");
        }
        QCOMPARE(run("/usr/bin/python3", {"-c", kMutagenSylt, song}),
                 "1280|\\nOver\n1600| the\n2000| water\n3000|\\nfar\n3400| away\n");
        if (QFile::exists("/usr/bin/kid3-cli")) {
            QProcess kid3;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("HOME", dir.path()); // kid3 keeps its settings there
            kid3.setProcessEnvironment(environment);
            kid3.start(
                "kid3-cli",
                {"-c", "get \"Synchronized Lyrics:" + dir.filePath("kid3.lrc") + "\"", song});
            QVERIFY(kid3.waitForFinished(60000));
            QCOMPARE(QString::fromUtf8(readFile(dir.filePath("kid3.lrc"))).remove('\r'),
                     "[00:01.28]Over <00:01.60>the <00:02.00>water\n"
                     "[00:03.00]far <00:03.40>away\n");
        }
        QStringList lines;
        for (const SyncedLine& line : ReadSyncedLyrics(song))
            lines << QString::number(line.ms) + '|' + line.text;
        QCOMPARE(lines, QStringList({"1280|Over the water", "3000|far away"}));
    }

    // Syllables of a word are SYLT entries of their own, without a blank before them: mutagen
    // reads them so, and the frame reads back with the same word and syllable times.
    void syllablesAreEntriesOfTheirOwn() {
        QTemporaryDir dir;
        const QString song = songs::formatSong(dir.filePath("Song.mp3"));
        const std::vector<SheetRow> rows =
            rowsOf("[00:01.28]<00:01.28>O<00:01.40>ver <00:01.60>the <00:02.00>wa<00:02.30>ter\n"
                   "[00:03.00]far away\n");
        QCOMPARE(rows[0].words.size(), 5u);
        {
            const auto session = sessionOn(song);
            session->sheet().load(rows, "Load Lyrics");
            QCOMPARE(session->syncedLyricsSave()(),
                     "Wrote 2 timed lines and words into the tag of Song.mp3 (SYLT).");
        }
        QCOMPARE(run("/usr/bin/python3", {"-c", kMutagenSylt, song}),
                 "1280|\\nO\n1400|ver\n1600| the\n2000| wa\n2300|ter\n3000|\\nfar away\n");
        const std::vector<SyncedLine> read = ReadSyncedLyrics(song);
        QCOMPARE(read.size(), 2u);
        QCOMPARE(read[0].text, "Over the water");
        QCOMPARE(read[0].words, rows[0].words);
        QVERIFY(read[1].words.empty());
    }

    // A SYLT frame of one entry per line, as other writers leave it: each entry a line.
    void syltWithoutLineFeedsIsALineAnEntry() {
        QTemporaryDir dir;
        const QString song = songs::formatSong(dir.filePath("Song.mp3"));
        QCOMPARE(run("/usr/bin/python3",
                     {"-c",
                      "import sys; from mutagen.id3 import ID3, SYLT; t = ID3(); "
                      "t.add(SYLT(encoding=3, lang='XXX', format=2, type=1, desc='', "
                      "text=[('Over the water', 1280), ('far away', 3000)])); t.save(sys.argv[1])",
                      song}),
                 QString());
        QStringList lines;
        for (const SyncedLine& line : ReadSyncedLyrics(song))
            lines << QString::number(line.ms) + '|' + line.text;
        QCOMPARE(lines, QStringList({"1280|Over the water", "3000|far away"}));
    }
};

QTEST_MAIN(TimedTagsTest)
#include "tst_TimedTags.moc"
