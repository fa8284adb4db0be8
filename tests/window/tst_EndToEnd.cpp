#include "controls/WordStrip.h"
#include "playback/MpvPlayer.h"
#include "sources/TagLibComponent.h"
#include "support/Files.h"
#include "support/Rows.h"
#include "support/TestWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// A song synchronized from start to finish on the real player, tag component, lyrics file
// and database: open, play, mark, stop, save, play again and watch the preview.
class EndToEndTest : public QObject {
    Q_OBJECT

    static void waitForSecond(frmSychLyrics& w, int second) {
        QVERIFY(QTest::qWaitFor([&] { return FindControls(w).mp3Player->GetPosition() >= second; },
                                8000));
    }

    // The window on the real player and tag component, opened on a copy of the test tone at
    // song (a name in the program folder, or a path) whose tag holds lyrics, with the jukebox
    // database in the program folder.
    struct RealWindow {
        RealWindow(QString song, const QString& lyrics) {
            song = QFileInfo(song).isAbsolute() ? song : program.filePath(song);
            const QString tone = QStringLiteral(VELMORA_TEST_DATA "/tone-3s.mp3");
            if (song.endsWith(".mp3"))
                QFile::copy(tone, song);
            else // another format, as ffmpeg encodes the tone
                QProcess::execute("ffmpeg", {"-v", "error", "-i", tone, song});
            QFile::setPermissions(song, QFile::ReadOwner | QFile::WriteOwner);
            TagLibComponent tag;
            tag.LoadTag(song, true);
            tag.SetFrameText(QStringLiteral("USLT"), lyrics);
            tag.SaveTag(song);
            window = realWindow(program.path(), song);
        }
        struct Parts {
            frmSychLyrics& w;
            WindowControls ui;
            SongSession& session;
        };
        Parts parts() const {
            return {*window, FindControls(*window), *window->findChild<SongSession*>()};
        }
        QTemporaryDir program;
        std::unique_ptr<frmSychLyrics> window;
    };

private slots:
    void initTestCase() { qputenv("VELMORA_AUDIO_OUTPUT", "null"); }

    void playsPausesSeeksAndEnds() {
        MpvPlayer player;
        player.InitPlayer(1, 0);
        player.StartupSetting(1);
        QSignalSpy ended(&player, &Mp3Player::SongEnded);

        player.LoadSong(QStringLiteral(VELMORA_TEST_DATA "/tone-3s.mp3"));
        QVERIFY(QTest::qWaitFor([&] { return player.GetSongLength() > 0; }, 5000));
        QVERIFY(qAbs(player.GetSongLength() - 3000) < 150);
        QCOMPARE(player.GetPosition(), 0); // loaded paused

        player.PlaySong();
        QVERIFY(QTest::qWaitFor([&] { return player.GetPosition() >= 1; }, 5000));
        QCOMPARE(player.GetPositionMinutes(), 0);
        QCOMPARE(player.GetPositionSeconds(), player.GetPosition());

        player.PauseSong();
        const std::int32_t paused = player.GetPosition();
        QTest::qWait(400);
        QCOMPARE(player.GetPosition(), paused);

        player.SeekPosition(2);
        QCOMPARE(player.GetPosition(), 2);
        QVERIFY(ended.isEmpty());

        player.PlaySong();
        QTest::qWait(300);
        QCOMPARE(player.GetPosition(), 2); // resumed from the seek target
        QVERIFY(ended.wait(5000));
        QCOMPARE(ended.size(), 1);
        QVERIFY(qAbs(player.GetSongLength() - 3000) < 150); // mpv has unloaded it: still known
    }

    void earlyCallsStopAndBadPathsRaiseNoEnd() {
        MpvPlayer player;
        QSignalSpy ended(&player, &Mp3Player::SongEnded);
        const QString tone = QStringLiteral(VELMORA_TEST_DATA "/tone-3s.mp3");
        for (const QString& song : {tone, QStringLiteral("/no/such/song.mp3")}) {
            player.LoadSong(song); // before InitPlayer, then a missing file: nothing plays
            player.PlaySong();
            player.SeekPosition(1);
            QTest::qWait(300);
            QCOMPARE(player.GetSongLength() + player.GetPosition(), 0);
            player.InitPlayer(1, 0);
        }
        player.LoadSong(tone);
        player.PlaySong();
        QVERIFY(QTest::qWaitFor([&] { return player.GetSongLength() > 0; }, 5000));
        player.StopSong();
        QTest::qWait(300);
        QCOMPARE(player.GetSongLength(), 0);
        QVERIFY(ended.isEmpty());
        player.SeekPosition(1); // nothing loaded: ignored, no failure
    }

    // At half speed the song takes twice as long, and every mark still records the song's own
    // position; the player keeps the speed for the next song.
    void marksAtHalfSpeedRecordTheSongPosition() {
        const RealWindow real("Tone.mp3", QStringLiteral("First\nSecond"));
        auto [w, ui, session] = real.parts();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(ui.cmdPlay, Qt::LeftButton);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(ui.lblStatus->text(), QStringLiteral("Speed 0.5×"));
        waitForSecond(w, 1);
        const std::int32_t at = ui.mp3Player->GetPosition();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY2(clock.elapsed() >= 1500, "at half speed a second of the song takes two");
        QCOMPARE(session.sheet().cell(1, LyricSheet::ColSecs), QString::number(at));
        QCOMPARE(session.sheet().cell(1, LyricSheet::ColTime), QStringLiteral("0:01"));
        ui.cmdStop->click();
        QTest::mouseClick(ui.cmdPlay, Qt::LeftButton); // loads the song again
        QCOMPARE(ui.mp3Player->Speed(), 0.5);
        QVERIFY(QTest::qWaitFor([&] { return ui.mp3Player->GetPositionMs() > 0; }, 5000));
        QCOMPARE(ui.lblStatus->text(), QStringLiteral("Speed 0.5×"));
    }

    // libmpv starts beside the window: a Play click that comes first waits for it and plays.
    void playClickedBeforeThePlayerHasStartedPlays() {
        const RealWindow real("Tone.mp3", QStringLiteral("First"));
        auto [w, ui, session] = real.parts();
        QTest::mouseClick(ui.cmdPlay, Qt::LeftButton);
        QCOMPARE(ui.cmdPlay->text(), QStringLiteral("Pause"));
        QVERIFY(QTest::qWaitFor([&] { return ui.lblTime->text() == "0:01 / 0:03"; }, 8000));
    }

    // Another song opened while one is paused: Play plays the new one, not the rest of the old.
    void playAfterOpeningAnotherSongPlaysIt() {
        const RealWindow real("A.mp3", QStringLiteral("First"));
        auto [w, ui, session] = real.parts();
        const QByteArray tone = readFile(QStringLiteral(VELMORA_TEST_DATA "/tone-3s.mp3"));
        const QString half = writeFile(real.program.filePath(QStringLiteral("B.mp3")),
                                       tone.left(tone.size() / 2)); // 1.5 s
        ui.cmdPlay->click();
        waitForSecond(w, 1);
        ui.cmdPlay->click(); // paused
        dropFile(w, half);
        ui.cmdPlay->click();
        // The old song's length may still be reported for a moment while the new one loads.
        const auto length = [&] { return ui.mp3Player->GetSongLength(); };
        QVERIFY2(QTest::qWaitFor([&] { return std::abs(length() - 1500) < 150; }, 8000),
                 qPrintable(QString::number(length())));
    }

    // Or the window goes on handling events while libmpv starts and wakes it: mpv's first
    // wake-up reaches the window's thread before anything waits for the start (the case
    // scripts/tsan.sh watches), and Play then plays.
    void playClickedAfterThePlayerHasStartedPlays() {
        const RealWindow real("Tone.mp3", QStringLiteral("First"));
        auto [w, ui, session] = real.parts();
        QTest::qWait(1500); // the paint, then the start beside the window
        QTest::mouseClick(ui.cmdPlay, Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return ui.lblTime->text() == "0:01 / 0:03"; }, 8000));
    }

    // From Stop, a nudge plays the line from 1.5 s before its new time, not from the song's
    // start: the seek sent while the song loads is kept until it has loaded.
    void aNudgeFromStopReplaysFromBeforeTheLine() {
        const RealWindow real("Tone.mp3", QStringLiteral("First"));
        auto [w, ui, session] = real.parts();
        loadSheet(session.sheet(), {"First|0", "Second|2.9"});
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QRect second = ui.lvLyrics->visualRect(session.sheet().index(1, 1));
        QTest::mouseClick(ui.lvLyrics->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(session.sheet().selected(), 2);
        QElapsedTimer sincePress;
        sincePress.start();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(ui.lblStatus->text(), QStringLiteral("Line 2 moved +0.1 s to 0:03.00."));
        // Played from 0:00 the song could never be further in than the time since the press.
        const auto position = [&] { return ui.mp3Player->GetPositionMs(); };
        QVERIFY(QTest::qWaitFor([&] { return position() > 300; }, 8000));
        QVERIFY2(position() - sincePress.elapsed() > 500,
                 qPrintable(QStringLiteral("at %1 ms, %2 ms after the press")
                                .arg(position())
                                .arg(sincePress.elapsed())));
    }

    // From Stop, a click in the word strip plays from the time under it, not from 0:00: the
    // seek right after the load is made once the song has loaded.
    void aClickInTheWordStripFromStopPlaysFromThere() {
        const RealWindow real("Tone.mp3", QStringLiteral("First word\nSecond"));
        auto [w, ui, session] = real.parts();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        SheetRow first{"1", "First word", "0:00", "0", 200, WordsOf("First word")};
        first.words[0].ms = 200;
        first.words[1].ms = 2000;
        session.sheet().load({first, {"2", "Second", "", ""}}, "Load Lyrics");
        const QModelIndex row = session.sheet().index(0, LyricSheet::ColLyric);
        QTest::mouseClick(ui.lvLyrics->viewport(), Qt::LeftButton, {},
                          ui.lvLyrics->visualRect(row).center());
        QVERIFY(ui.wordStrip->isVisible());
        QCOMPARE(ui.cmdPlay->text(), QStringLiteral("Play"));
        QTest::mouseClick(ui.wordStrip, Qt::LeftButton, {},
                          QPoint(ui.wordStrip->xOfWord(1) + 1, 45));
        QVERIFY(QTest::qWaitFor([&] { return ui.mp3Player->GetPositionMs() > 0; }, 8000));
        QVERIFY2(ui.mp3Player->GetPositionMs() >= 1900,
                 qPrintable(QString::number(ui.mp3Player->GetPositionMs())));
    }

    // mpv lands a seek a moment after it is asked for and reports the old position until then:
    // a tick in between found the line the song had left, and a press right after Ctrl+Right
    // stamped that line instead of the one the song comes to next.
    void aPressRightAfterASeekStampsTheNextLineFromThere() {
        QTemporaryDir music;
        const QString song = music.filePath(QStringLiteral("Long Tone.mp3"));
        QCOMPARE(QProcess::execute("ffmpeg", {"-v", "error", "-f", "lavfi", "-i",
                                              "sine=frequency=440:duration=12", song}),
                 0);
        QVERIFY(!writeFile(music.filePath(QStringLiteral("Long Tone.xml")),
                           lyricsFileOf(song, {"1|One", "3|Two", "6|Three", "9|Four"}))
                     .isNull());
        QTemporaryDir program;
        const std::unique_ptr<frmSychLyrics> w = realWindow(program.path(), song);
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        const WindowControls ui = FindControls(*w);
        SongSession& session = *w->findChild<SongSession*>();
        ui.cmdPlay->click();
        waitForSecond(*w, 1);
        QTRY_COMPARE(session.sheet().selected(), 1); // the tick found One
        QTest::qWait(300);
        QCOMPARE(QApplication::focusWidget(), ui.cmdMark);
        press(Qt::Key_Right, Qt::ControlModifier); // 4.3 s: after Two's 3 s
        press(Qt::Key_Space);
        QCOMPARE(session.sheet().cell(1, LyricSheet::ColSecs), QStringLiteral("1"));
        QCOMPARE(session.sheet().cell(3, LyricSheet::ColTime), QStringLiteral("0:04"));
        QCOMPARE(session.sheet().selected(), 4);
    }

    void synchronizesASong_data() {
        textColumns(
            {"song", "lyricsFile"}); // the lyrics file: the song's name less four characters
        textRow("MP3", "Tone Song.mp3|Tone Song.xml");
        textRow("FLAC", "Tone Song.flac|Tone Song..xml");
        textRow("Opus", "Tone Song.opus|Tone Song..xml");
    }
    void synchronizesASong() {
        QFETCH(QString, song);
        QFETCH(QString, lyricsFile);
        QTemporaryDir music;
        const RealWindow real(music.filePath(song), "First\r\n\r\nSecond\r\nThird");
        auto [w, ui, session] = real.parts();
        QCOMPARE(session.sheet().count(), 4); // three lines and the blank between the first two

        ui.cmdPlay->click();
        ui.cmdMark->click(); // at 0:00
        waitForSecond(w, 1);
        ui.cmdMark->click(); // the blank row is passed over: this stamps "Second"
        waitForSecond(w, 2);
        ui.cmdMark->click();
        ui.cmdStop->click();
        QCOMPARE(ui.lblTime->text(), QStringLiteral("0:00 / 0:03"));
        QCOMPARE(session.sheet().cell(1, LyricSheet::ColSecs), QStringLiteral("0"));
        QCOMPARE(session.sheet().cell(3, LyricSheet::ColSecs) +
                     session.sheet().cell(4, LyricSheet::ColTime),
                 QStringLiteral("10:02"));

        ui.cmdSave->click();
        QCOMPARE(ui.lblStatus->text(),
                 QStringLiteral("Saved %1: 4 lines, 3 marked").arg(lyricsFile));
        const QByteArray saved = readFile(music.filePath(lyricsFile));
        QVERIFY(saved.contains("<TimeMarker>1</TimeMarker>\r\n    <LyricLine>Second</LyricLine>"));

        // Play again: the tick finds each stamped line at its second, through the database.
        ui.cmdPlay->click();
        QCOMPARE(lyricsTable(session.databasePath()).size(), 3);
        for (const auto& [row, lyric] : {std::pair{3, "Second"}, {4, "Third"}}) {
            QVERIFY(QTest::qWaitFor([&] { return ui.lblCurrentLyric->text() == lyric; }, 8000));
            QCOMPARE(session.sheet().selected(), row);
        }
        // The song ends by itself and the window goes back to idle.
        QVERIFY(QTest::qWaitFor([&] { return !session.playback().isPlaying(); }, 8000));
        QCOMPARE(ui.cmdPlay->text(), QStringLiteral("Play"));
        QCOMPARE(session.sheet().selected(), 1);
        QCOMPARE(ui.lblTime->text(), QStringLiteral("0:00 / 0:03")); // as after Stop
    }
};

QTEST_MAIN(EndToEndTest)
#include "tst_EndToEnd.moc"
