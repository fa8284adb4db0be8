#include "support/TestWindow.h"

#include "playback/SongSlider.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

// Play, pause, stop, the end of a song and seeking, on the fake player.
class TransportTest : public QObject {
    Q_OBJECT

    static void openSong(TestWindow& w, const QString& path) {
        w.openAnswers << path;
        w->cmdOpen->click();
    }

    // The window every Stop and every end of a song must leave.
    static void verifyIdle(TestWindow& w, const QString& time) {
        QVERIFY(!w->isPlaying);
        QCOMPARE(w->cmdPlay->text(), QStringLiteral("Play"));
        QCOMPARE(w->lblTime->text(), time);
        QCOMPARE(w->sldSong->Value(), w->sldSong->Min());
        QCOMPARE(w->lblCurrentLyric->text(), QString());
        QCOMPARE(w->selectedRow(), w->rowCount() > 0 ? 1 : 0);
        QCOMPARE(w->currentLine, 0);
        QCOMPARE(w->selectedLine, 0);
        QCOMPARE(w->lineOffset, 0);
        QVERIFY(!w->cmdMark->isEnabled());
        QVERIFY(!w->cmdLineUp->isEnabled());
        for (QWidget* control :
             {static_cast<QWidget*>(w->cmdInsert), static_cast<QWidget*>(w->cmdSave),
              static_cast<QWidget*>(w->cmdLineDown), static_cast<QWidget*>(w->txtAdjustAll)})
            QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
    }

private slots:
    void playPausePlayLoadsOnce() {
        TestWindow w;
        w.createDatabase();
        w->Form_Load();
        openSong(w, QStringLiteral("/music/a.mp3"));
        w.setSheet({"one", "two"});
        w->picSynch->show();
        w->lblCurrentLyric->setText(QStringLiteral("old"));

        w->cmdPlay->click();
        QCOMPARE(w->songFile, QStringLiteral("/music/a.mp3"));
        QCOMPARE(w.player->count("LoadSong"), 1);
        QCOMPARE(w.player->loadedPath, QStringLiteral("/music/a.mp3"));
        QVERIFY(w.player->playing);
        QVERIFY(w->isPlaying);
        QCOMPARE(w->selectedLine, 1);
        QCOMPARE(w->selectedRow(), 1);
        QCOMPARE(w->cmdPlay->text(), QStringLiteral("Pause"));
        QCOMPARE(w->lblCurrentLyric->text(), QString());
        QVERIFY(w->cmdMark->isEnabled());
        QVERIFY(!w->cmdInsert->isEnabled());

        w->lblCurrentLyric->setText(QStringLiteral("shown"));
        w->cmdPlay->click(); // pause
        QVERIFY(!w.player->playing);
        QVERIFY(w->isPlaying);
        QCOMPARE(w->cmdPlay->text(), QStringLiteral("Play"));
        QCOMPARE(w->lblCurrentLyric->text(), QStringLiteral("shown"));
        QVERIFY(!w->cmdMark->isEnabled());
        QVERIFY(w->cmdInsert->isEnabled());

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
        QVERIFY(w->cmdMark->isEnabled());
        QVERIFY(!w->cmdSave->isEnabled());
    }

    void stopAndEndOfSongLeaveTheSameWindow_data() {
        QTest::addColumn<bool>("natural");
        QTest::addColumn<int>("lengthMs");
        QTest::addColumn<QString>("time");
        QTest::newRow("stop, 3500 ms is 4 s") << false << 3500 << "0:00 / 0:04";
        QTest::newRow("end, 3500 ms is 4 s") << true << 3500 << "0:00 / 0:04";
        QTest::newRow("stop, 2500 ms is 2 s") << false << 2500 << "0:00 / 0:02";
        QTest::newRow("end, 2500 ms is 2 s") << true << 2500 << "0:00 / 0:02";
        QTest::newRow("stop, nothing loaded") << false << 0 << "0:00 / ";
        QTest::newRow("end, over an hour") << true << 3725400 << "0:00 / 1:02:05";
    }
    void stopAndEndOfSongLeaveTheSameWindow() {
        QFETCH(bool, natural);
        QFETCH(int, lengthMs);
        QFETCH(QString, time);
        TestWindow w;
        w.createDatabase();
        openSong(w, QStringLiteral("/music/a.mp3"));
        w.setSheet({"one", "two", "three"});
        w->cmdPlay->click();
        w.player->lengthMs = lengthMs;
        w->sldSong->setMax(lengthMs / 1000.0);
        w->sldSong->setValue(2);
        w->selectRow(3, false);
        w->currentLine = 2;
        w->lineOffset = 1;
        w->lblCurrentLyric->setText(QStringLiteral("three"));

        if (natural)
            w.player->endSong();
        else
            w->cmdStop->click();
        QCOMPARE(w.player->count("StopSong"), 1);
        verifyIdle(w, time);

        // The next Play loads the song again and starts marking from row 1.
        w->cmdPlay->click();
        QCOMPARE(w.player->count("LoadSong"), 2);
    }

    void stopWithoutASongStillResets() {
        TestWindow w;
        w.createDatabase();
        w->cmdStop->click();
        verifyIdle(w, QStringLiteral("0:00 / "));
    }

    void sliderSeeksEvenWhenIdle() {
        TestWindow w;
        w.createDatabase();
        w->sldSong->simulateUserMove(42.5);
        QCOMPARE(w.player->calls.last(), QStringLiteral("SeekPosition 42"));
        w->sldSong->simulateUserMove(43.5);
        QCOMPARE(w.player->calls.last(), QStringLiteral("SeekPosition 44"));
        const int before = w.player->calls.size();
        w->sldSong->setValue(10); // the program's own write seeks nothing
        QCOMPARE(w.player->calls.size(), before);
    }

    void openingAnotherSongWhilePausedKeepsThePlayerSong() {
        TestWindow w;
        w.createDatabase();
        openSong(w, QStringLiteral("/music/a.mp3"));
        w->cmdPlay->click();
        w->cmdPlay->click(); // paused
        openSong(w, QStringLiteral("/music/b.mp3"));
        w->cmdPlay->click(); // resumes a.mp3, but the new path is the key from now on
        QCOMPARE(w.player->count("LoadSong"), 1);
        QCOMPARE(w.player->loadedPath, QStringLiteral("/music/a.mp3"));
        QCOMPARE(w->songFile, QStringLiteral("/music/b.mp3"));
        w->cmdStop->click();
        w->cmdPlay->click();
        QCOMPARE(w.player->loadedPath, QStringLiteral("/music/b.mp3"));
    }

    void keyboardMarksWithTheFocusedButton() {
        TestWindow w;
        w.createDatabase();
        w.setSheet({"one", "two", "three"});
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(&*w));
        w->cmdPlay->click();
        QCOMPARE(QApplication::focusWidget(), w->cmdMark);
        w.player->positionMs = 5000;
        QTest::keyClick(w->cmdMark, Qt::Key_Space);
        QCOMPARE(w->cell(1, frmSychLyrics::ColSecs), QStringLiteral("5"));
        w.player->positionMs = 7000;
        QTest::keyClick(w->cmdMark, Qt::Key_Return);
        QCOMPARE(w->cell(2, frmSychLyrics::ColSecs), QStringLiteral("7"));

        // Paused: Mark Line is disabled and no key reaches it.
        w->cmdPlay->click();
        w.player->positionMs = 9000;
        QTest::keyClick(w->cmdMark, Qt::Key_Space);
        QCOMPARE(w->cell(3, frmSychLyrics::ColSecs), QString());
    }
};

QTEST_MAIN(TransportTest)
#include "tst_Transport.moc"
