#include "session/SongSession.h"
#include "support/FakePlayer.h"
#include "support/Files.h"
#include "support/Rows.h"
#include "support/TestWindow.h"

#include "storage/Database.h"
#include "storage/DatabaseSchema.h"
#include "storage/LyricsXml.h"

#include <QDir>
#include <QTest>
#include <QXmlStreamReader>

#include <sys/stat.h>

// The song session without a window: what opening reads, what saving and the exports write,
// and what they refuse, with a tag component that counts its reads.
namespace {

struct TagLog {
    QString uslt; // what the tag holds
    int loads = 0;
    QStringList writes; // "USLT text" or "SYLT n lines"
};

class CountingTag final : public TagComponent {
public:
    explicit CountingTag(TagLog& log) : m_log(log) {}
    void LoadTag(const QString&, bool) override { ++m_log.loads; }
    QString GetFrameText(const QString&) override { return m_log.uslt; }
    void SetFrameText(const QString& id, const QString& text) override {
        m_log.writes << id + u' ' + text;
    }
    void SaveTag(const QString&) override {}
    QString SaveSyncedLyrics(const QString&, const std::vector<SyncedLine>& lines) override {
        m_log.writes << QStringLiteral("SYLT %1 lines").arg(lines.size());
        return {};
    }

private:
    TagLog& m_log;
};

QStringList rowsOf(const LyricSheet& sheet) {
    QStringList rows;
    for (const SheetRow& row : sheet.rows())
        rows << QStringList{row.number, row.lyric, row.time, row.secs}.join(u'|');
    return rows;
}

struct Session {
    Session()
        : session(
              &player, [this] { return std::make_unique<CountingTag>(tag); }, dir.path(),
              dir.filePath("settings.ini")) {}
    QString path(const QString& name) const { return dir.filePath(name); }
    void load(const QStringList& lyricAndSecs) {
        std::vector<SheetRow> rows;
        for (const QString& entry : lyricAndSecs) {
            const QString secs = entry.section(u'|', 1);
            rows.push_back({QString::number(rows.size() + 1), entry.section(u'|', 0, 0),
                            secs.isEmpty() ? QString() : "0:0" + secs, secs});
        }
        session.sheet().load(rows, "Load Lyrics");
    }
    QTemporaryDir dir;
    TagLog tag;
    FakePlayer player;
    SongSession session;
};

} // namespace

class SongSessionTest : public QObject {
    Q_OBJECT
private slots:
    // The lyrics file first, then the tag's lyrics, then nothing; the tag is read once.
    void opensFromTheFirstSourceWithLyrics_data() {
        QTest::addColumn<QByteArray>("xml"); // "" for no file
        QTest::addColumn<QString>("uslt");
        QTest::addColumn<QStringList>("sheet");
        QTest::addColumn<QString>("note");
        QTest::newRow("lyrics file and tag")
            << QByteArray("<S><L><LINE><TimeMarker>5</TimeMarker><LyricLine>filed</LyricLine>"
                          "</LINE></L></S>")
            << " tagged " << QStringList{"1|filed|0:05|5"} << "";
        QTest::newRow("damaged lyrics file")
            << QByteArray("<S><L><LINE><LyricLine>a</LyricLine>") << "" << QStringList{}
            << "Song.xml is damaged at line 1, column 36 (Premature end of document.); no lines "
               "could be read from it";
        QTest::newRow("tag only") << QByteArray() << " one\ntwo "
                                  << QStringList{"1|one||", "2|two||"} << "";
        QTest::newRow("blanks in the tag") << QByteArray() << "   " << QStringList{"1|||"} << "";
        QTest::newRow("nothing") << QByteArray() << "" << QStringList{"|No Lyrics Found||"} << "";
    }
    void opensFromTheFirstSourceWithLyrics() {
        QFETCH(QByteArray, xml);
        QFETCH(QString, uslt);
        Session s;
        s.tag.uslt = uslt;
        if (!xml.isEmpty())
            writeFile(s.path("Song.xml"), xml);
        writeFile(s.path("Song.lrc"), "[00:01.00]x\n");
        QStringList shown;
        connect(&s.session, &SongSession::songOpened, this, [&](const QString& p) { shown << p; });
        const SongSession::Opened opened = s.session.open(s.path("Song.mp3"));
        QCOMPARE(shown, QStringList{s.path("Song.mp3")});
        QTEST(rowsOf(s.session.sheet()), "sheet");
        QTEST(opened.note, "note");
        QCOMPARE(int(opened.source), xml.isEmpty() ? (uslt.isEmpty() ? 2 : 1) : 0);
        QCOMPARE(s.session.tagLyrics(), uslt.trimmed());
        QCOMPARE(s.session.lrcOffer().isEmpty(), !xml.isEmpty());
        QCOMPARE(s.tag.loads, 1);
    }

    // Saved, the sheet comes back when the song is opened again; that load can be undone, and
    // another song starts a history of its own.
    void savedSheetsComeBackWithTheirHistory() {
        Session s;
        const QString song = s.path("R&B <\"live\"> 'take' – 日本.mp3");
        s.session.open(song);
        s.load({"& < > \" ' ]]> &amp;|1", "<LINE>|", "one\r\ntwo\rthree\nfour|", "  \tspaced  |"});
        const QStringList saved = rowsOf(s.session.sheet());
        QCOMPARE(s.session.saveLyricsFile(), QString());
        QXmlStreamReader xml(readFile(s.session.besideSong(SongSession::Beside::LyricsFile)));
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.attributes().value("Filename").toString(), song);

        s.load({"something else|1"});
        QCOMPARE(s.session.open(song).note, QString());
        QCOMPARE(rowsOf(s.session.sheet()), saved);
        QVERIFY(s.session.sheet().canUndo());
        s.session.sheet().undo();
        QCOMPARE(rowsOf(s.session.sheet()), QStringList{"1|something else|0:01|1"});
        s.session.open(s.path("Other.mp3"));
        QVERIFY(!s.session.sheet().canUndo());
    }

    // Each save and export refuses with the words the status line shows.
    void refusals_data() {
        textColumns({"song", "what", "message"}); // song "" for none open
        textRow("save, no song", "|save|Open a song before saving its lyrics");
        textRow("save, short name", "a.b|save|Cannot save: the song's name \"a.b\" is too short "
                                    "to name a lyrics file beside it");
        textRow("LRC, no song", "|lrc|Open a song before writing an LRC file.");
        textRow("LRC, no marks",
                "Song.mp3|lrc|No line is marked yet, so Song.lrc was not written.");
        textRow("SYLT, no marks",
                "Song.mp3|sylt|No line is marked yet, so the tag of Song.mp3 was not changed.");
        textRow("USLT, no song", "|uslt|Open a song before saving its lyrics.");
        textRow("Ctrl+I, no LRC", "Song.mp3|ctrl+i|There is no Song.lrc beside the song.");
        textRow("Ctrl+I, lyrics file",
                "Song.mp3|ctrl+i, xml|Song.mp3 has a lyrics file already (Song.xml); drop "
                "Song.lrc on the window to replace the sheet with it.");
        // What stands where the LRC file would be is named, as the command-line tool does.
        textRow("Ctrl+I, pipe",
                "Song.mp3|ctrl+i, pipe|Cannot read %2: not a regular file (a named pipe)");
        textRow("Ctrl+I, folder", "Song.mp3|ctrl+i, folder|%2 is a folder, not a text file.");
        textRow("Ctrl+I, dangling link",
                "Song.mp3|ctrl+i, link|Cannot read %2: not a regular file (a link to nothing)");
        textRow("LRC in, no lines",
                "Song.mp3|read|%1 holds no lyrics lines; the sheet was left as it was.");
        textRow("no player", "|play|No audio player is available.");
    }
    void refusals() {
        QFETCH(QString, song);
        QFETCH(QString, what);
        QFETCH(QString, message);
        Session s;
        SongSession noPlayer(nullptr, nullptr, s.dir.path(), QString());
        if (!song.isEmpty())
            s.session.choose(s.path(song));
        s.load({"unmarked|"});
        const QString songLrc = s.path("Song.lrc");
        if (what.endsWith("xml"))
            writeFile(s.path("Song.xml"), "<S/>");
        else if (what.endsWith("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(songLrc).constData(), 0600), 0);
        else if (what.endsWith("folder"))
            QVERIFY(QDir(s.dir.path()).mkdir("Song.lrc"));
        else if (what.endsWith("link"))
            QVERIFY(QFile::link(s.path("gone.lrc"), songLrc));
        const QString lrc = writeFile(s.path("Empty.lrc"), "[ar:nobody]\n");
        const QString failure = failureOf([&] {
            if (what == "save")
                s.session.saveLyricsFile();
            else if (what == "lrc")
                s.session.writeLrc();
            else if (what == "sylt")
                s.session.syncedLyricsSave();
            else if (what == "uslt")
                s.session.tagLyricsSave("words");
            else if (what.startsWith("ctrl+i"))
                s.session.readLrc(s.session.lrcToRead());
            else if (what == "read")
                s.session.readLrc(lrc);
            else
                noPlayer.player();
        });
        QCOMPARE(failure, message.replace("%1", lrc).replace("%2", songLrc));
        QCOMPARE(rowsOf(s.session.sheet()), QStringList{"1|unmarked||"});
        QCOMPARE(s.tag.writes, QStringList());
        QCOMPARE(QFile::exists(songLrc), what.endsWith("pipe") || what.endsWith("folder"));
    }

    // The exports write the marked lines; the tag's work is handed out to run elsewhere.
    void exportsWriteTheMarkedLines() {
        Session s;
        s.session.open(s.path("Song.mp3"));
        s.load({"one|1", "two|", "three|3"});
        QCOMPARE(s.session.writeLrc(), "Wrote " + s.path("Song.lrc") + ": 2 timed lines of 3.");
        QCOMPARE(readFile(s.path("Song.lrc")),
                 QByteArray("[by:Velmora Versetta]\n[00:01.00]one\ntwo\n[00:03.00]three\n"));
        const auto sylt = s.session.syncedLyricsSave();
        const auto uslt = s.session.tagLyricsSave("words");
        QCOMPARE(s.tag.writes, QStringList());
        QCOMPARE(sylt(), "Wrote 2 timed lines into the tag of Song.mp3 (SYLT).");
        QCOMPARE(uslt(), QString());
        QCOMPARE(s.tag.writes, QStringList({"SYLT 2 lines", "USLT words"}));

        QCOMPARE(s.session.lrcToRead(), s.path("Song.lrc"));
        s.load({});
        QCOMPARE(s.session.readLrc(s.path("Song.lrc")),
                 "Read 3 lines from Song.lrc; Save writes them to the lyrics file.");
        QCOMPARE(rowsOf(s.session.sheet()),
                 QStringList({"1|one|0:01|1", "2|two||", "3|three|0:03|3"}));
    }

    // Play fills the preview from the saved file, not the sheet; the tick finds its lines.
    void thePreviewFollowsTheSavedFile() {
        Session s;
        CreateJukeboxDatabase(s.session.databasePath());
        s.session.open(s.path("Song.mp3"));
        s.load({"saved|4"});
        s.session.saveLyricsFile();
        s.load({"edited|8"});
        s.session.fillPreview();
        QCOMPARE(lyricsTable(s.session.databasePath()),
                 QStringList{"1|" + s.path("Song.mp3") + "|4|saved"});
        QCOMPARE(s.session.lyricAt(4).value_or(PreviewRow{}).lyric, "saved");
        QVERIFY(!s.session.lyricAt(8));
        s.session.open(s.path("Never saved.mp3"));
        s.session.fillPreview();
        QCOMPARE(lyricsTable(s.session.databasePath()), QStringList());
    }
};

QTEST_MAIN(SongSessionTest)
#include "tst_SongSession.moc"
