#include "support/TestWindow.h"

#include "controls/SongSlider.h"
#include "sheet/TimeText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <cmath>

// Play, pause, stop, the end of a song and seeking, on the fake player.
class TransportTest : public QObject {
    Q_OBJECT

    // The window every Stop and every end of a song must leave.
    static void verifyIdle(TestWindow& w, const QString& time) {
        QVERIFY(!w.playing());
        QCOMPARE(w.ui.cmdPlay->text(), QStringLiteral("Play"));
        QCOMPARE(w.ui.lblTime->text(), time);
        QCOMPARE(w.ui.sldSong->Value(), w.ui.sldSong->Min());
        QCOMPARE(w.ui.lblCurrentLyric->text(), QString());
        QCOMPARE(w.session().sheet().selected(), w.session().sheet().count() > 0 ? 1 : 0);
        QCOMPARE(w.session().sheet().currentLine() + w.session().sheet().lineOffset(), 0);
        QVERIFY(!w.ui.cmdMark->isEnabled() && !w.ui.cmdLineUp->isEnabled());
        QVERIFY(w.ui.cmdInsert->isEnabled() && w.ui.cmdSave->isEnabled() &&
                w.ui.txtAdjustAll->isEnabled());
    }

private slots:
    // The caption follows Play and Pause; the lyric label is cleared when the song plays.
    void playPauseCaptionsAndTheLyricLabel() {
        TestWindow w;
        w.createDatabase();
        w.setSheet({"one", "two"});
        w.ui.lblCurrentLyric->setText(QStringLiteral("old"));
        w.ui.cmdPlay->click();
        QCOMPARE(w.ui.cmdPlay->text() + w.ui.lblCurrentLyric->text(), QStringLiteral("Pause"));
        QCOMPARE(w.session().sheet().selected(), 1);
        w.ui.lblCurrentLyric->setText(QStringLiteral("shown"));
        w.ui.cmdPlay->click(); // pause keeps the label
        QVERIFY(!w.player->playing && w.playing());
        QCOMPARE(w.ui.cmdPlay->text() + w.ui.lblCurrentLyric->text(), QStringLiteral("Playshown"));
        w.ui.cmdPlay->click();
        QCOMPARE(w.ui.lblCurrentLyric->text(), QString());
    }

    void stopAndEndOfSongLeaveTheSameWindow_data() {
        QTest::addColumn<bool>("natural");
        QTest::addColumn<int>("lengthMs");
        QTest::addColumn<QString>("time");
        QTest::newRow("stop, 3500 ms is 4 s") << false << 3500 << "0:00 / 0:04";
        QTest::newRow("end, 3500 ms is 4 s") << true << 3500 << "0:00 / 0:04";
        QTest::newRow("end, over an hour") << true << 3725400 << "0:00 / 1:02:05";
    }
    void stopAndEndOfSongLeaveTheSameWindow() {
        QFETCH(bool, natural);
        QFETCH(int, lengthMs);
        QFETCH(QString, time);
        TestWindow w;
        w.createDatabase();
        w.open(QStringLiteral("/music/a.mp3"));
        w.setSheet({"one", "two", "three"});
        w.ui.cmdPlay->click();
        w.player->lengthMs = lengthMs;
        w.ui.sldSong->setMax(lengthMs / 1000.0);
        w.ui.sldSong->setValue(2);
        w.select(3);
        w.session().sheet().setMarkCursor(2, 1);
        w.ui.lblCurrentLyric->setText(QStringLiteral("three"));
        natural ? w.player->endSong() : w.ui.cmdStop->click();
        QCOMPARE(w.player->count("StopSong"), 1);
        verifyIdle(w, time);
        w.ui.cmdPlay->click(); // the next Play loads the song again
        QCOMPARE(w.player->count("LoadSong"), 2);
    }

    void onlyTheUsersSliderMovesSeekEvenWhenIdle() {
        TestWindow w;
        w.createDatabase();
        w.ui.sldSong->setMax(100);
        w.ui.sldSong->simulateUserMove(42.5);
        w.ui.sldSong->simulateUserMove(43.5);
        w.ui.sldSong->setValue(10); // the program's own write seeks nothing
        QTest::keyClick(w.ui.sldSong->findChild<QSlider*>(), Qt::Key_PageUp);
        QCOMPARE(w.player->calls,
                 QStringList({"SeekPosition 42", "SeekPosition 44", "SeekPosition 15"}));
    }

    // A click on the groove puts the playhead where the click is, as on the waveform drawn
    // there, and seeks once; it does not page toward it.
    void aClickOnTheSliderSeeksWhereItIs_data() {
        QTest::addColumn<double>("share"); // of the groove's width, from its left end
        QTest::addColumn<double>("second");
        QTest::newRow("the middle") << 0.5 << 10.0;
        QTest::newRow("the right end") << 1.0 << 20.0;
    }
    void aClickOnTheSliderSeeksWhereItIs() {
        QFETCH(double, share);
        QFETCH(double, second);
        TestWindow w;
        w.createDatabase();
        QVERIFY(w.shown());
        w.ui.sldSong->setMax(20);
        auto* groove = w.ui.sldSong->findChild<QSlider*>();
        const int x = std::min(int(share * groove->width()), groove->width() - 1);
        QTest::mouseClick(groove, Qt::LeftButton, {}, QPoint(x, groove->height() / 2));
        QVERIFY2(std::abs(w.ui.sldSong->Value() - second) < 0.6,
                 qPrintable(QString::number(w.ui.sldSong->Value())));
        QCOMPARE(
            w.player->calls,
            QStringList({"SeekPosition " + QString::number(RoundHalfEven(w.ui.sldSong->Value()))}));
    }

    // The player never goes on with a song the sheet no longer shows: opening another one
    // stops it, so Play loads the new song and Mark Line stamps its positions.
    void openingAnotherSongStopsTheOneBefore_data() {
        QTest::addColumn<bool>("paused");
        QTest::newRow("paused") << true;
        QTest::newRow("playing") << false;
    }
    void openingAnotherSongStopsTheOneBefore() {
        QFETCH(bool, paused);
        TestWindow w;
        w.createDatabase();
        w.open(QStringLiteral("/music/a.mp3"));
        w.ui.cmdPlay->click();
        if (paused)
            w.ui.cmdPlay->click();
        w.player->lengthMs = 156000;
        w.tickAt(42000);
        w.open(QStringLiteral("/music/b.mp3"));
        QCOMPARE(w.player->count("StopSong"), 1);
        QVERIFY(!w.playing() && !w.ui.cmdMark->isEnabled());
        QCOMPARE(w.ui.cmdPlay->text(), QStringLiteral("Play"));
        // Nothing of a's length is left: the slider spans b's waveform until b plays.
        QCOMPARE(w.ui.lblTime->text(), QStringLiteral("0:00 / 0:00"));
        QCOMPARE(w.ui.sldSong->Max(), 0.0);
        w.ui.cmdPlay->click();
        QCOMPARE(w.player->loadedPath, QStringLiteral("/music/b.mp3"));
    }

    // The X server repeats a held key as a release and a press with one timestamp; on a busy
    // machine they reach the window apart and Qt does not flag them as a repeat. The key still
    // marks one line, and taps a tenth of a second apart mark one each.
    void aHeldKeyMarksOnceHoweverItsRepeatsArrive_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("pressAfterReleaseMs"); // 0: the repeat's press
        QTest::addColumn<int>("marked");
        QTest::newRow("Return held") << int(Qt::Key_Return) << 0 << 1;
        QTest::newRow("Space held") << int(Qt::Key_Space) << 0 << 1;
        QTest::newRow("Return tapped") << int(Qt::Key_Return) << 100 << 6;
        QTest::newRow("Space tapped") << int(Qt::Key_Space) << 100 << 6;
    }
    void aHeldKeyMarksOnceHoweverItsRepeatsArrive() {
        QFETCH(int, key);
        QFETCH(int, pressAfterReleaseMs);
        TestWindow w;
        w.createDatabase();
        w.setSheet(QStringList(8, QStringLiteral("line")));
        QVERIFY(w.shownActive());
        QTest::mouseClick(w.ui.cmdPlay, Qt::LeftButton);
        const auto send = [&](QEvent::Type type, ulong time) {
            QKeyEvent event(type, key, Qt::NoModifier,
                            key == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r"));
            event.setTimestamp(time);
            QApplication::sendEvent(w.ui.cmdMark, &event);
        };
        send(QEvent::KeyPress, 1000);
        for (ulong at = 1500; at < 2500; at += 200) {
            send(QEvent::KeyRelease, at);
            send(QEvent::KeyPress, at + ulong(pressAfterReleaseMs));
        }
        send(QEvent::KeyRelease, 2600);
        int marked = 0;
        for (int row = 1; row <= w.session().sheet().count(); ++row)
            marked += !w.session().sheet().cell(row, LyricSheet::ColSecs).isEmpty();
        QTEST(marked, "marked");
    }

    // Mark Line's keys mark while it has the focus; after the end of the song or Stop the focus
    // is on Play: the next Space plays again instead of clearing every mark.
    void theFocusIsOnPlayAfterwards_data() {
        QTest::addColumn<bool>("natural");
        QTest::newRow("end of the song") << true;
        QTest::newRow("Stop clicked") << false;
    }
    void theFocusIsOnPlayAfterwards() {
        QFETCH(bool, natural);
        TestWindow w;
        w.createDatabase();
        w.setSheet({"one", "two", "three"});
        QVERIFY(w.shownActive());
        w.ui.cmdPlay->setFocus();
        QTest::keyClick(w.ui.cmdPlay, Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), w.ui.cmdMark);
        // The mark is taken as Space goes down, not as it comes up a moment later.
        w.player->positionMs = 2000;
        QTest::keyPress(w.ui.cmdMark, Qt::Key_Space);
        w.player->positionMs = 3000;
        QTest::keyRelease(w.ui.cmdMark, Qt::Key_Space);
        w.player->positionMs = 4000;
        QTest::keyClick(w.ui.cmdMark, Qt::Key_Return);
        w.ui.cmdPlay->click(); // paused: Mark Line is disabled and no key reaches it
        QTest::keyClick(w.ui.cmdMark, Qt::Key_Space);
        w.ui.cmdPlay->click();
        natural ? w.player->endSong() : QTest::mouseClick(w.ui.cmdStop, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), w.ui.cmdPlay);
        // The arrows go through the lines, and never walk the focus onto Clear All.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(w.session().sheet().selected(), 3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(w.session().sheet().selected(), 2);
        QCOMPARE(QApplication::focusWidget(), w.ui.cmdPlay);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(w.playing());
        QCOMPARE(w.sheet(), QStringList({"1|one|0:02|2", "2|two|0:04|4", "3|three||"}));
    }
};

QTEST_MAIN(TransportTest)
#include "tst_Transport.moc"
