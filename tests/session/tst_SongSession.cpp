#include "session/SongSession.h"
#include "support/FakePlayer.h"
#include "support/Files.h"
#include "support/Rows.h"
#include "support/TestSession.h"
#include "support/TestWindow.h"

#include "storage/Database.h"
#include "storage/DatabaseSchema.h"
#include "storage/LyricsXml.h"

#include <QDir>
#include <QTest>
#include <QXmlStreamReader>

#include <functional>

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
    QString SaveTimedLyrics(const QString& song, const std::vector<SheetRow>& rows,
                            bool milliseconds) override {
        m_log.writes
            << QStringLiteral("SYLT %1 rows%2").arg(rows.size()).arg(milliseconds ? ", ms" : "");
        return "Wrote the rows into " + QFileInfo(song).fileName();
    }

private:
    TagLog& m_log;
};

// Each row's Secs, precise time and timed words: "1|1234|one@1234,two@1500".
QStringList timesOf(const LyricSheet& sheet) {
    QStringList rows;
    for (const SheetRow& row : sheet.rows()) {
        QStringList words;
        for (const WordTime& w : row.words)
            if (w.ms >= 0)
                words << row.lyric.mid(w.start, w.length) + u'@' + QString::number(w.ms);
        rows << QStringList{row.secs, QString::number(row.markMs), words.join(u',')}.join(u'|');
    }
    return rows;
}

struct Session {
    Session()
        : session(
              &player, [this] { return std::make_unique<CountingTag>(tag); }, dir.path(),
              dir.filePath("settings.ini")) {}
    QString path(const QString& name) const { return dir.filePath(name); }
    SongSession& wordMarking() {
        session.readSettings(path("settings.ini"));
        session.toggleWordMode();
        return session;
    }
    void load(const QStringList& lyricAndSecs) { loadSheet(session.sheet(), lyricAndSecs); }
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
        QTEST(sheetRows(s.session.sheet()), "sheet");
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
        const QString song = s.path("R&B <\"live\"> 'take' %1 %2 – 日本.mp3");
        s.session.open(song);
        s.load({"& < > \" ' ]]> &amp;|1", "<LINE>|", "one\r\ntwo\rthree\nfour|", "  \tspaced  |"});
        const QStringList saved = sheetRows(s.session.sheet());
        QCOMPARE(s.session.saveLyricsFile(), QString());
        QCOMPARE(s.session.savedSummary(),
                 "Saved R&B <\"live\"> 'take' %1 %2 – 日本.xml: 4 lines, 1 marked");
        QXmlStreamReader xml(readFile(s.session.besideSong(SongSession::Beside::LyricsFile)));
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.attributes().value("Filename").toString(), song);

        s.load({"something else|1"});
        QCOMPARE(s.session.open(song).note, QString());
        QCOMPARE(sheetRows(s.session.sheet()), saved);
        QVERIFY(s.session.sheet().canUndo());
        s.session.sheet().undo();
        QCOMPARE(sheetRows(s.session.sheet()), QStringList{"1|something else|0:01|1"});
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
        textRow("LRC in, no stamps", "Song.mp3|read, words|%1 holds no time stamps, so it is no "
                                     "LRC file; the sheet was left as it was.");
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
        const QString lrc = writeFile(s.path("Empty.lrc"),
                                      what.endsWith("words") ? "just words\n" : "[ar:nobody]\n");
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
            else if (what.startsWith("read"))
                s.session.readLrc(lrc);
            else
                noPlayer.player();
        });
        QCOMPARE(failure, message.replace("%1", lrc).replace("%2", songLrc));
        QCOMPARE(sheetRows(s.session.sheet()), QStringList{"1|unmarked||"});
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
        s.load({"one|1", "two|"});
        QCOMPARE(s.session.writeLrc(), "Wrote " + s.path("Song.lrc") + ": 1 timed line of 2.");
        s.load({"one|1", "two|", "three|3"});
        s.session.writeLrc();
        const auto sylt = s.session.syncedLyricsSave();
        const auto uslt = s.session.tagLyricsSave("words");
        QCOMPARE(s.tag.writes, QStringList());
        QCOMPARE(sylt(), "Wrote the rows into Song.mp3");
        QCOMPARE(uslt(), "Saved 1 line of lyrics into the ID3v2 tag (USLT) of Song.mp3.");
        QCOMPARE(s.tag.writes, QStringList({"SYLT 3 rows", "USLT words"}));

        QCOMPARE(s.session.lrcToRead(), s.path("Song.lrc"));
        s.load({});
        QCOMPARE(s.session.readLrc(s.path("Song.lrc")),
                 "Read 3 lines from Song.lrc; Save writes them to the lyrics file.");
        QCOMPARE(sheetRows(s.session.sheet()),
                 QStringList({"1|one|0:01|1", "2|two||", "3|three|0:03|3"}));
    }

    // Word marks, nudges and a shift of a selection, each one step that undo and redo take
    // back and do again with the times to the millisecond.
    void wordMarksNudgesAndShiftsAreUndoSteps() {
        Session s;
        s.load({"one two|", "|", "three|", "four|9"});
        SongSession& session = s.wordMarking();
        QVERIFY(session.keepsPreciseTimes());
        session.sheet().setSelected(1);
        const std::vector<std::pair<std::function<void()>, QStringList>> steps = {
            {[&] { QCOMPARE(markAt(session, s.player, 1234), QString()); },
             {"1|1234|one@1234", "|-1|", "|-1|", "9|-1|"}},
            {[&] { QCOMPARE(markAt(session, s.player, 1500), QString()); },
             {"1|1234|one@1234,two@1500", "|-1|", "|-1|", "9|-1|"}},
            {[&] {
                 QCOMPARE(markAt(session, s.player, 2990), QString());
             }, // the blank row is passed over
             {"1|1234|one@1234,two@1500", "|-1|", "2|2990|three@2990", "9|-1|"}},
            {[&] {
                 QVERIFY(session.nudge({1, 3}, -1, 100).moved);
             },
             {"1|1334|one@1334,two@1600", "|-1|", "3|3090|three@3090", "9|-1|"}},
            {[&] { QCOMPARE(session.nudge({1}, 1, -10).replayFromMs, 90); },
             {"1|1334|one@1334,two@1590", "|-1|", "3|3090|three@3090", "9|-1|"}},
            {[&] {
                 QCOMPARE(session.nudge({1}, 0, -1400).status,
                          "Word \u201Cone\u201D of line 1 moved -1.4 s to 0:00.00.");
             },
             {"0|0|one@0,two@1590", "|-1|", "3|3090|three@3090", "9|-1|"}},
            {[&] {
                 QCOMPARE(session.shift({4, 3, 2}, "0.5"), QString());
             },
             {"0|0|one@0,two@1590", "|-1|", "3.5|3590|three@3590", "9.5|-1|"}},
        };
        std::vector<QStringList> states{timesOf(session.sheet())};
        for (const auto& [step, after] : steps) {
            step();
            QCOMPARE(timesOf(session.sheet()), after);
            states.push_back(after);
        }
        for (auto state = states.rbegin() + 1; state != states.rend(); ++state) {
            QVERIFY(!session.sheet().undo().isEmpty());
            QCOMPARE(timesOf(session.sheet()), *state);
        }
        while (!session.sheet().redo().isEmpty()) {
        }
        QCOMPARE(timesOf(session.sheet()), states.back());
        QCOMPARE(session.nudge({2}, -1, 10).status, "The selected lines have no time to nudge.");
        QCOMPARE(session.nudge({3}, 0, 10).status,
                 "Word \u201Cthree\u201D of line 3 moved +0.01 s to 0:03.60.");
        QCOMPARE(session.nudge({1, 3}, -1, 10).status, "Lines 1 and 3 moved +0.01 s.");
        QCOMPARE(session.nudge({3}, -1, -10).status, "Line 3 moved -0.01 s to 0:03.60.");
    }

    // A lyrics file longer than the sheet opens with the precise times of an LRC of the lines
    // the sheet keeps, as velmora-lyrics exports them.
    void aLongFilesPreciseTimesComeFromAnLrcOfItsFirstLines() {
        Session s;
        const QString song = s.path("Song.mp3");
        QStringList rows;
        QString lrc;
        for (int i = 0; i < LyricSheet::kMaxRows + 2; ++i) {
            rows << QString("%1|line %2").arg(i / 100).arg(i);
            if (i < LyricSheet::kMaxRows)
                lrc += QString("[%1:%2.%3]line %4\n")
                           .arg(i / 6000, 2, 10, QChar('0'))
                           .arg(i / 100 % 60, 2, 10, QChar('0'))
                           .arg(i % 100 * 10, 3, 10, QChar('0'))
                           .arg(i);
        }
        writeFile(s.path("Song.xml"), lyricsFileOf(song, rows));
        writeFile(s.path("Song.lrc"), lrc.toUtf8());
        QStringList notes;
        const QObject listening;
        QObject::connect(&s.session, &SongSession::statusNote, &listening,
                         [&notes](const QString& note) { notes << note; });
        s.session.open(song);
        QCOMPARE(notes, QStringList{});
        QCOMPARE(s.session.sheet().rows().size(), std::size_t(LyricSheet::kMaxRows));
        QCOMPARE(s.session.sheet().rows().back().markMs, qint64{327660});
    }

    // Kept precise times and word times come back to the millisecond after Save and a reopen,
    // while Song.xml holds what it held before, in whole seconds.
    void preciseTimesSurviveSaveAndReopen() {
        Session s;
        const QString song = s.path("Song.mp3");
        s.session.open(song);
        s.load({"la la|", "end|"});
        s.session.sheet().setSelected(1);
        QCOMPARE(markAt(s.session, s.player, 12480), QString());
        QCOMPARE(markAt(s.session, s.player, 13020), QString());
        QCOMPARE(s.session.saveLyricsFile(), QString());
        const QByteArray xml = readFile(s.path("Song.xml"));
        QVERIFY(!QFile::exists(s.path("Song.lrc"))); // off, and no word: Song.xml alone
        s.wordMarking().sheet().setMarkCursor(1, 0);
        s.session.sheet().setSelected(1);
        QCOMPARE(markAt(s.session, s.player, 12480), QString());
        QCOMPARE(markAt(s.session, s.player, 12991), QString());
        QCOMPARE(markAt(s.session, s.player, 13020), QString());
        const QStringList marked = timesOf(s.session.sheet());
        QCOMPARE(s.session.saveLyricsFile(), QString());
        QCOMPARE(readFile(s.path("Song.xml")), xml);
        QCOMPARE(readFile(s.path("Song.lrc")), "[by:Velmora Versetta]\n"
                                               "[00:12.480]<00:12.480>la <00:12.991>la\n"
                                               "[00:13.020]<00:13.020>end\n");
        s.session.open(s.path("Other.mp3"));
        SongSession again(&s.player, nullptr, s.dir.path(), QString());
        again.readSettings(s.path("settings.ini"));
        QVERIFY(again.keepsPreciseTimes());
        again.open(song);
        QCOMPARE(timesOf(again.sheet()), marked);
        QCOMPARE(again.writeLrc(), "Wrote " + s.path("Song.lrc") + ": 2 timed lines of 2.");
        QCOMPARE(readFile(s.path("Song.lrc")).count("<"), 3);
        // A Song.lrc that cannot be written leaves the saved Song.xml and says so.
        QVERIFY(QFile::setPermissions(s.path("Song.lrc"), QFile::ReadOwner));
        QCOMPARE(failureOf([&] { again.saveLyricsFile(); }),
                 "Saved Song.xml, but not its precise times: Cannot save the lyrics to " +
                     s.path("Song.lrc") +
                     ": the file is read-only; the file there before is "
                     "unchanged");
        QCOMPARE(readFile(s.path("Song.lrc")).count("<"), 3);
    }

    // A Song.lrc that does not go with Song.xml gives no times; the status line says why.
    void aDisagreeingLrcIsIgnoredWithANote_data() {
        QTest::addColumn<QByteArray>("lrc");
        QTest::addColumn<QString>("note"); // "" for taken
        const QString not_ = "Song.lrc was not used for precise times: ";
        QTest::newRow("agrees, with words")
            << QByteArray("[00:01.23]<00:01.23>one <00:02.00>two\nthree") << "";
        QTest::newRow("agrees, rounded up to the next second")
            << QByteArray("[ti:x]\n[00:02.00]one two\nthree") << "";
        QTest::newRow("other words")
            << QByteArray("[00:01.50]one too\nthree")
            << not_ + "it does not match the lyrics file (line 1 has other "
                      "words).";
        QTest::newRow("another second")
            << QByteArray("[00:02.50]one two\nthree")
            << not_ + "it does not match the lyrics file (line 1 is at 0:02.50, not in second 1 "
                      "of the lyrics file).";
        QTest::newRow("a line more") << QByteArray("[00:01.50]one two\nthree\nfour")
                                     << not_ + "it does not match the lyrics file (it has 3 lines, "
                                               "the lyrics file 2).";
        QTest::newRow("a folder") << QByteArray() << not_ + "%1 is a folder, not a text file.";
    }
    void aDisagreeingLrcIsIgnoredWithANote() {
        QFETCH(QByteArray, lrc);
        QFETCH(QString, note);
        Session s;
        writeFile(s.path("Song.xml"), lyricsFileOf(s.path("Song.mp3"), {"1|one two", "|three"}));
        if (lrc.isEmpty())
            QVERIFY(QDir(s.dir.path()).mkdir("Song.lrc"));
        else
            writeFile(s.path("Song.lrc"), lrc);
        QStringList notes;
        connect(&s.session, &SongSession::statusNote, this, [&](const QString& n) { notes << n; });
        s.session.open(s.path("Song.mp3"));
        QCOMPARE(notes.join(""), note.replace("%1", s.path("Song.lrc")));
        const QString taken = lrc.contains("<") ? "1|1230|one@1230,two@2000" : "1|1999|";
        QCOMPARE(timesOf(s.session.sheet()).first(), note.isEmpty() ? taken : "1|-1|");
        if (lrc.isEmpty())
            return;
        // Written over, an LRC the sheet took needs no copy; one it left aside is kept.
        const QString wrote = s.session.writeLrc();
        QCOMPARE(QFile::exists(s.path("Song.lrc.bak")), !note.isEmpty());
        if (!note.isEmpty()) {
            QCOMPARE(readFile(s.path("Song.lrc.bak")), lrc);
            QVERIFY2(wrote.endsWith(" The sheet does not hold all of Song.lrc, so the file there "
                                    "before is kept as Song.lrc.bak."),
                     qPrintable(wrote));
        }
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
