#include "support/TestWindow.h"

#include "window/SongSlider.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

// Play, pause, stop, the end of a song and seeking, on the fake player.
class TransportTest : public QObject {
    Q_OBJECT

    // The window every Stop and every end of a song must leave.
    static void verifyIdle(TestWindow& w, const QString& time) {
        QVERIFY(!w->isPlaying);
        QCOMPARE(w->cmdPlay->text(), QStringLiteral("Play"));
        QCOMPARE(w->lblTime->text(), time);
        QCOMPARE(w->sldSong->Value(), w->sldSong->Min());
        QCOMPARE(w->lblCurrentLyric->text(), QString());
        QCOMPARE(w->selectedRow(), w->rowCount() > 0 ? 1 : 0);
        QCOMPARE(QList<int>({w->sheet().currentLine(), w->selectedLine, w->sheet().lineOffset()}),
                 QList<int>(3, 0));
        QVERIFY(!w->cmdMark->isEnabled() && !w->cmdLineUp->isEnabled());
        QVERIFY(w->cmdInsert->isEnabled() && w->cmdSave->isEnabled() &&
                w->txtAdjustAll->isEnabled());
    }

private slots:
    void playPausePlayLoadsOnce() {
        TestWindow w;
        w.createDatabase();
        w.open(QStringLiteral("/music/a.mp3"));
        w.setSheet({"one", "two"});
        w->lblCurrentLyric->setText(QStringLiteral("old"));
        w->cmdPlay->click();
        QCOMPARE(w.player->loadedPath, QStringLiteral("/music/a.mp3"));
        QCOMPARE(w->cmdPlay->text() + w->lblCurrentLyric->text(), QStringLiteral("Pause"));
        QVERIFY(w->selectedRow() == 1 && w->cmdMark->isEnabled() && !w->cmdInsert->isEnabled());

        w->lblCurrentLyric->setText(QStringLiteral("shown"));
        w->cmdPlay->click(); // pause keeps the label
        QVERIFY(!w.player->playing && w->isPlaying);
        QCOMPARE(w->cmdPlay->text() + w->lblCurrentLyric->text(), QStringLiteral("Playshown"));
        QVERIFY(!w->cmdMark->isEnabled() && w->cmdInsert->isEnabled());

        w->cmdPlay->click(); // resume: no second load
        QCOMPARE(w.player->count("LoadSong"), 1);
        QCOMPARE(w.player->count("PlaySong"), 2);
        QCOMPARE(w->lblCurrentLyric->text(), QString());
    }

    void firstPlayOnAnEmptySheet() {
        TestWindow w;
        w.createDatabase();
        w->cmdPlay->click();
        QCOMPARE(w.player->count("LoadSong"), 1);
        QCOMPARE(w->selectedRow(), 0);
        QVERIFY(w->cmdMark->isEnabled() && !w->cmdSave->isEnabled());
    }

    void stopAndEndOfSongLeaveTheSameWindow_data() {
        QTest::addColumn<bool>("natural");
        QTest::addColumn<int>("lengthMs");
        QTest::addColumn<QString>("time");
        QTest::newRow("stop, 3500 ms is 4 s") << false << 3500 << "0:00 / 0:04";
        QTest::newRow("end, 3500 ms is 4 s") << true << 3500 << "0:00 / 0:04";
        QTest::newRow("stop, 2500 ms is 2 s") << false << 2500 << "0:00 / 0:02";
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
        w->cmdPlay->click();
        w.player->lengthMs = lengthMs;
        w->sldSong->setMax(lengthMs / 1000.0);
        w->sldSong->setValue(2);
        w->selectRow(3, false);
        w->sheet().setMarkCursor(2, 1);
        w->lblCurrentLyric->setText(QStringLiteral("three"));
        natural ? w.player->endSong() : w->cmdStop->click();
        QCOMPARE(w.player->count("StopSong"), 1);
        verifyIdle(w, time);
        w->cmdPlay->click(); // the next Play loads the song again
        QCOMPARE(w.player->count("LoadSong"), 2);
    }

    void onlyTheUsersSliderMovesSeekEvenWhenIdle() {
        TestWindow w;
        w.createDatabase();
        w->sldSong->setMax(100);
        w->sldSong->simulateUserMove(42.5);
        w->sldSong->simulateUserMove(43.5);
        w->sldSong->setValue(10); // the program's own write seeks nothing
        QTest::keyClick(w->sldSong->findChild<QSlider*>(), Qt::Key_PageUp);
        QCOMPARE(w.player->calls,
                 QStringList({"SeekPosition 42", "SeekPosition 44", "SeekPosition 15"}));
    }

    void openingAnotherSongWhilePausedKeepsThePlayerSong() {
        TestWindow w;
        w.createDatabase();
        w.open(QStringLiteral("/music/a.mp3"));
        w->cmdPlay->click();
        w->cmdPlay->click(); // paused
        w.open(QStringLiteral("/music/b.mp3"));
        w->cmdPlay->click(); // resumes a.mp3, but the new path is the key from now on
        QCOMPARE(w.player->loadedPath, QStringLiteral("/music/a.mp3"));
        QCOMPARE(w->songFile, QStringLiteral("/music/b.mp3"));
        w->cmdStop->click();
        w->cmdPlay->click();
        QCOMPARE(w.player->loadedPath, QStringLiteral("/music/b.mp3"));
    }

    void keyboardMarksWithTheFocusedButtonOnly() {
        TestWindow w;
        w.createDatabase();
        w.setSheet({"one", "two", "three"});
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(&*w));
        w->cmdPlay->click();
        QCOMPARE(QApplication::focusWidget(), w->cmdMark);
        w.player->positionMs = 5000;
        QTest::keyClick(w->cmdMark, Qt::Key_Space);
        w.player->positionMs = 7000;
        QTest::keyClick(w->cmdMark, Qt::Key_Return);
        w->cmdPlay->click(); // paused: Mark Line is disabled and no key reaches it
        QTest::keyClick(w->cmdMark, Qt::Key_Space);
        QCOMPARE(w.sheet(), QStringList({"1|one|0:05|5", "2|two|0:07|7", "3|three||"}));
    }

    // A held key marks one line, and after the end of the song or Stop the focus is on Play:
    // the next Space plays again instead of clearing every mark.
    void heldKeysAndTheFocusAfterwardsKeepTheMarks_data() {
        QTest::addColumn<bool>("natural");
        QTest::newRow("end of the song") << true;
        QTest::newRow("Stop clicked") << false;
    }
    void heldKeysAndTheFocusAfterwardsKeepTheMarks() {
        QFETCH(bool, natural);
        TestWindow w;
        w.createDatabase();
        w.setSheet({"one", "two", "three", "four"});
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(&*w));
        w->cmdPlay->setFocus();
        QTest::keyClick(w->cmdPlay, Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), w->cmdMark);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
            w.player->positionMs += 2000;
            QTest::keyPress(w->cmdMark, key);
            for (int i = 0; i < 5; ++i)
                for (const QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
                    QKeyEvent repeat(type, key, Qt::NoModifier, QString(), true);
                    QApplication::sendEvent(w->cmdMark, &repeat);
                }
            QTest::keyRelease(w->cmdMark, key);
        }
        natural ? w.player->endSong() : QTest::mouseClick(w->cmdStop, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), w->cmdPlay);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(w->isPlaying);
        QCOMPARE(w.sheet(), QStringList({"1|one|0:02|2", "2|two|0:04|4", "3|three||", "4|four||"}));
    }
};

QTEST_MAIN(TransportTest)
#include "tst_Transport.moc"
