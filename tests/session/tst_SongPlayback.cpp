#include "storage/DatabaseSchema.h"
#include "support/Files.h"
#include "support/TestSession.h"
#include "support/TestWindow.h"

#include <QTest>

// The song as it plays, without a window: what Play, Stop, seeking, the speed, Mark Line, the
// reaction delay, the replay and the display tick do to the player and the sheet.
namespace {

struct Playing : TestSession {
    explicit Playing(const QStringList& lyricAndSecs, std::int32_t lengthMs = 20000) {
        player.lengthMs = lengthMs;
        CreateJukeboxDatabase(session.databasePath());
        session.choose(path("Don't.mp3")); // the lookup's quoting must hold
        load(lyricAndSecs);
        session.saveLyricsFile();
        playback.play();
    }
    void load(const QStringList& lyricAndSecs) { loadSheet(sheet, lyricAndSecs); }
    QStringList rows() const { return sheetRows(sheet); }
    QString tickAt(int ms) { // "row lyric time", what the window would show
        player.positionMs = ms;
        const SongPlayback::Shown shown = playback.tick();
        return shown.atStart
                   ? "start"
                   : QStringLiteral("%1 %2 %3").arg(shown.row).arg(shown.lyric, shown.timeText);
    }
};

} // namespace

class SongPlaybackTest : public QObject {
    Q_OBJECT
private slots:
    // Play loads the song from Stop only; Stop puts the mark cursor back at the top; seeks stay
    // within the song, and only while it plays or is paused.
    void playPauseStop() {
        Playing p({"one|", "two|"});
        QCOMPARE(p.player.loadedPath, p.session.songPath());
        p.playback.pause();
        QVERIFY(!p.player.playing && p.playback.isPlaying());
        QVERIFY(!p.playback.play()); // resumed, not loaded again
        p.sheet.setMarkCursor(2, 1);
        QCOMPARE(p.playback.stop(), QString());
        QVERIFY(!p.playback.isPlaying());
        QCOMPARE(p.sheet.currentLine() + p.sheet.lineOffset(), 0);
        QVERIFY(p.playback.play());
        QCOMPARE(p.player.count("LoadSong"), 2);
        QCOMPARE(p.player.count("PlaySong"), 3);
        for (const auto& [fromMs, deltaMs, toMs] : {std::tuple{10500, -3000, 7500},
                                                    {1000, -3000, 0},
                                                    {19000, 3000, 20000}}) { // within the song
            p.player.positionMs = fromMs;
            QCOMPARE(p.playback.seekBy(deltaMs), QString());
            QCOMPARE(p.player.positionMs, toMs);
        }
        p.playback.stop();
        QCOMPARE(p.playback.seekBy(1000), "Seeking works while a song is playing or paused.");
    }

    // Mark Line stamps the selected row less the reaction delay (scaled by the speed) and
    // walks to the next row with words; the exports' exact mark has the delay taken off too.
    void marks_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("delayMs"); // asked for; kept within 0 and 1000
        QTest::addColumn<double>("speed");
        QTest::addColumn<QList<int>>("marks"); // positions in ms
        QTest::addColumn<QStringList>("sheet");
        QTest::addColumn<QString>("cursor"); // selected, currentLine, markMs of row 1
        const QStringList three = {"one|", "two|", "three|"};
        QTest::newRow("0 s and 83 s")
            << three << 0 << 1.0 << QList{0, 83400}
            << QStringList{"1|one||0", "2|two|1:23|83", "3|three||"} << "3 3 0";
        QTest::newRow("last row twice")
            << three.mid(0, 2) << 0 << 1.0 << QList{1000, 2000, 3000}
            << QStringList{"1|one|0:01|1", "2|two|0:03|3"} << "2 4 1000";
        QTest::newRow("only blanks after")
            << QStringList{"one|", "|", "|"} << 0 << 1.0 << QList{4000}
            << QStringList{"1|one|0:04|4", "2|||", "3|||"} << "3 4 4000";
        QTest::newRow("empty sheet")
            << QStringList{} << 0 << 1.0 << QList{5000} << QStringList{} << "0 0 -";
        QTest::newRow("past the largest mark: refused")
            << three.mid(0, 1) << 0 << 1.0 << QList{32768000, 32767000}
            << QStringList{"1|one|9:06:07|32767"} << "1 2 32767000";
        const QStringList one = three.mid(0, 1);
        QTest::newRow("250 ms across a second")
            << one << 250 << 1.0 << QList{12100} << QStringList{"1|one|0:11|11"} << "1 2 11850";
        QTest::newRow("half speed takes half")
            << one << 250 << 0.5 << QList{12200} << QStringList{"1|one|0:12|12"} << "1 2 12075";
        QTest::newRow("never before the start")
            << one << 250 << 1.0 << QList{100} << QStringList{"1|one||0"} << "1 2 0";
        QTest::newRow("at most a second")
            << one << 1500 << 1.0 << QList{12100} << QStringList{"1|one|0:11|11"} << "1 2 11100";
    }
    void marks() {
        QFETCH(QStringList, rows);
        QFETCH(int, delayMs);
        QFETCH(double, speed);
        QFETCH(QList<int>, marks);
        Playing p(rows);
        p.playback.stepReactionDelay(delayMs);
        p.sheet.setSelected(rows.isEmpty() ? 0 : 1);
        p.sheet.setMarkCursor(0, 0);
        p.player.speed = speed;
        for (const int ms : marks) {
            p.player.positionMs = ms;
            const QString refused = p.playback.markSelected();
            QCOMPARE(refused.isEmpty(), ms <= 32767999);
        }
        QTEST(p.rows(), "sheet");
        QTEST(QStringLiteral("%1 %2 %3")
                  .arg(p.sheet.selected())
                  .arg(p.sheet.currentLine())
                  .arg(p.sheet.count() ? QString::number(p.sheet.rows().front().markMs) : "-"),
              "cursor");
        // The delay is kept for the next run.
        QCOMPARE(SongPlayback(p.session, p.dir.filePath("settings.ini")).reactionDelayMs(),
                 std::min(delayMs, 1000));
    }

    void speedStepsBetweenItsBounds() {
        Playing p({"one|5"});
        QStringList said;
        for (const int tenths : {-1, -1, -1, -1, -1, -1, 0, 1, 1, 1, 1, 1, 1, -1})
            said << p.playback.stepSpeed(tenths);
        QCOMPARE(said.mid(4, 4), QStringList({"Speed 0.5×", "Speed 0.5× is the slowest.",
                                              "Normal speed.", "Speed 1.1×"}));
        QCOMPARE(said.mid(12), QStringList({"Speed 1.5× is the fastest.", "Speed 1.4×"}));
        p.playback.stop(); // the player keeps the speed
        p.playback.play();
        QCOMPARE(p.player.speed, 1.4);
    }

    // The replayed line plays from 2 s before its time and stays the mark cursor, which the
    // tick leaves alone until Stop.
    void replayHoldsTheLine() {
        Playing p({"one|5", "two|10", "three|15"});
        p.playback.replay(2);
        QCOMPARE(p.player.calls.last(), "SeekPositionMs 8000");
        QCOMPARE(p.sheet.selected(), 2);
        QCOMPARE(p.tickAt(15000), "0  0:15 / 0:20");
        p.player.positionMs = 9400;
        p.playback.markSelected();
        QCOMPARE(p.rows().mid(1), QStringList({"2|two|0:09|9", "3|three|0:15|15"}));
        QCOMPARE(p.sheet.selected(), 3);
        QVERIFY(!p.playback.replayTime(4));
        p.load({"unmarked|"});
        QVERIFY(!p.playback.replayTime(1));
    }

    // The tick previews the line of the current second from the saved file; it selects a line
    // when the song reaches it, so a paused user's selection stays until a seek or a resume.
    void tickShowsTheLineReached() {
        Playing p({"zero|0", "one|2", "|", "three|5", "four|5", "|6", "six|7"}, 216400);
        QCOMPARE(p.tickAt(900), "start");
        QCOMPARE(p.tickAt(2500), "2 one 0:02 / 3:36");
        QCOMPARE(p.tickAt(3100), "0  0:03 / 3:36");      // nothing stamped at 3
        QCOMPARE(p.tickAt(5000), "4 three 0:05 / 3:36"); // the first of two
        QCOMPARE(p.tickAt(6000), "0  0:06 / 3:36");      // an empty lyric moves the cursor only
        QCOMPARE(p.sheet.currentLine(), 6);
        QCOMPARE(p.tickAt(7000), "7 six 0:07 / 3:36");
        p.playback.pause();
        QCOMPARE(p.tickAt(7000), "0  0:07 / 3:36"); // the user's selection is left alone
        p.playback.seekTo(7); // a seek shows the position's line again, and so does a resume
        QCOMPARE(p.tickAt(7000), "7 six 0:07 / 3:36");
        p.playback.play();
        QCOMPARE(p.tickAt(7000), "7 six 0:07 / 3:36");
        QCOMPARE(p.tickAt(65300), "0  1:05 / 3:36");
    }

    // Mark Line presses on known clicks; the median lateness becomes the delay.
    void tapAlongMeasuresTheDelay_data() {
        QTest::addColumn<QList<int>>("lateness");
        QTest::addColumn<int>("delay");
        QTest::newRow("median of eight") << QList<int>{150, 170, 190, 210, 230, 180, 200, 900}
                                         << 190; // the last came too late to count
        QTest::newRow("too few: unchanged") << QList<int>{150, 170} << 0;
    }
    void tapAlongMeasuresTheDelay() {
        QFETCH(QList<int>, lateness);
        Playing p({"one|5"});
        p.playback.stop();
        p.player.speed = 0.7;
        p.playback.startTapAlong();
        QVERIFY(readFile(p.player.loadedPath).startsWith("RIFF"));
        QCOMPARE(p.player.speed, 1.0);
        const int clicks[] = {1000, 2300, 3200, 4800, 5600, 7100, 8400, 9200};
        for (int i = 0; i < lateness.size(); ++i) {
            p.player.positionMs = clicks[i] + lateness[i];
            p.playback.takeTap();
        }
        p.playback.stop();
        QVERIFY(!p.playback.tapAlongRunning());
        QTEST(p.playback.reactionDelayMs(), "delay");
        QCOMPARE(p.player.speed, 0.7);
        QCOMPARE(p.rows(), QStringList({"1|one|0:05|5"})); // no line was marked
    }
};

QTEST_MAIN(SongPlaybackTest)
#include "tst_SongPlayback.moc"
