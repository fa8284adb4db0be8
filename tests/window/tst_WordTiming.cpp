#include "support/Rows.h"
#include "support/TestWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "controls/WordStrip.h"
#include "playback/Waveform.h"

// Paint events a widget receives.
struct PaintCount final : QObject {
    explicit PaintCount(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        count += event->type() == QEvent::Paint;
        return false;
    }
    int count = 0;
};

// Word marking, nudges and a range of lines, driven by keys and clicks where a user has the
// focus, on the fake player.
class WordTimingTest : public QObject {
    Q_OBJECT

    static void show(TestWindow& w) {
        w.createDatabase();
        w.player->lengthMs = 20000;
        QVERIFY(w.shownActive());
    }
    // Each row's precise time and its words' times: "5000", "1000 1000,1500,2200".
    static QStringList times(const TestWindow& w) {
        QStringList rows;
        for (const SheetRow& row : w.session().sheet().rows()) {
            QStringList words;
            for (const WordTime& word : row.words)
                words << QString::number(word.ms);
            rows << (QString::number(row.markMs) + u' ' + words.join(u',')).trimmed();
        }
        return rows;
    }

private slots:
    // Ctrl+W, Mark Line word by word, the strip with the sung word, a click in it and a nudge
    // of the word clicked, undone.
    void marksWordsAndNudgesOneInTheStrip() {
        TestWindow w;
        w.setSheet({"One two three|", "Four five|"});
        show(w);
        QVERIFY(w.ui.wordStrip->isHidden());
        w.ui.lvLyrics->setFocus();
        press(Qt::Key_W, Qt::ControlModifier);
        QVERIFY(w.ui.lblStatus->text().startsWith("Word marking is on"));
        QTest::mouseClick(w.ui.cmdPlay, Qt::LeftButton);
        QVERIFY(w.ui.wordStrip->isVisible());
        for (const int ms : {1000, 1500, 2200}) {
            w.player->positionMs = ms;
            press(Qt::Key_Space);
        }
        QCOMPARE(times(w), QStringList({"1000 1000,1500,2200", "-1"}));
        QVERIFY(w.ui.cmdSave->isEnabled());
        QCOMPARE(w.session().sheet().selected(), 2); // the next line, its words in the strip
        QCOMPARE(w.ui.wordStrip->words().size(), 2U);
        press(Qt::Key_W, Qt::ControlModifier);
        QVERIFY(w.ui.lblStatus->text().startsWith("Word marking is off"));
        QVERIFY(w.ui.wordStrip->isHidden()); // line 2 has no word times

        w.clickRow(1);
        QVERIFY(w.ui.wordStrip->isVisible());
        w.tickAt(1600);
        WordStrip& strip = *w.ui.wordStrip;
        QCOMPARE(strip.currentWord(), 1);
        const QImage shown = strip.grab().toImage();
        QCOMPARE(shown.pixelColor(strip.xOfWord(1) + 1, 3), QColor(0xff, 0xd8, 0x40));
        QVERIFY(shown.pixelColor(strip.xOfWord(0) + 1, 3) != QColor(0xff, 0xd8, 0x40));
        // The playhead is drawn again as it moves within a word, not only at the next word.
        PaintCount painted(strip);
        QCoreApplication::processEvents();
        painted.count = 0;
        w.tickAt(1700);
        QCOMPARE(strip.currentWord(), 1);
        QTRY_VERIFY(painted.count > 0);

        QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(strip.xOfWord(2) + 3, 30));
        QCOMPARE(strip.selectedWord(), 2);
        QVERIFY(w.player->positionMs >= 2200 && w.player->positionMs < 2400);
        press(Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(times(w).first(), QStringLiteral("1000 1000,1500,2300"));
        QCOMPARE(w.ui.lblStatus->text(),
                 QStringLiteral("Word \u201Cthree\u201D of line 1 moved +0.1 s to 0:02.30."));
        QCOMPARE(w.lastSeek(), QStringLiteral("SeekPositionMs 800"));
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(times(w).first(), QStringLiteral("1000 1000,1500,2200"));
    }

    // The tick follows the saved lines while the song plays; it must not start the line's
    // words again between two presses.
    void wordsOfASavedLineMarkedWhileTheTickRuns() {
        QTemporaryDir folder;
        TestWindow w;
        w.setSheet({"One two three|1", "Four five|3"});
        w.showSong(folder.path() + u'/', "Song.mp3");
        show(w);
        w.save();
        w.ui.lvLyrics->setFocus();
        press(Qt::Key_W, Qt::ControlModifier);
        QTest::mouseClick(w.ui.cmdPlay, Qt::LeftButton);
        for (const int ms : {1000, 1200, 1500}) {
            w.tickAt(ms);
            press(Qt::Key_Space);
            w.tickAt(ms + 100);
        }
        QCOMPARE(times(w).first(), QStringLiteral("1000 1000,1200,1500"));
    }

    void nudgesMoveTheSelectedLinesAndReplay_data() {
        for (const char* column : {"first", "extend", "key", "modifiers"})
            QTest::addColumn<int>(column);
        textColumns({"line1", "line2", "line3", "seek", "status"});
        const int left = Qt::Key_Left, right = Qt::Key_Right, alt = Qt::AltModifier,
                  altShift = Qt::AltModifier | Qt::ShiftModifier;
        textRow("one line 0.1 s later",
                "-1|10100|-1|SeekPositionMs 8600|Line 2 moved +0.1 s to 0:10.10.", 2, 0, right,
                alt);
        textRow("one line 0.01 s earlier",
                "-1|9990|-1|SeekPositionMs 8490|Line 2 moved -0.01 s to 0:09.99.", 2, 0, left,
                altShift);
        textRow("two lines, Shift+Down",
                "5100|10100|-1|SeekPositionMs 3600|Lines 1 and 2 moved +0.1 s.", 1, 1, right, alt);
        textRow(
            "three lines, one unmarked",
            "4900|9900|-1|SeekPositionMs 3400|Lines 1 and 2 moved -0.1 s; 1 without a time stayed.",
            1, 2, left, alt);
        textRow("unmarked line", "-1|-1|-1||The selected lines have no time to nudge.", 3, 0, right,
                alt);
    }
    void nudgesMoveTheSelectedLinesAndReplay() {
        QFETCH(int, first);
        QFETCH(int, extend);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        TestWindow w;
        w.setSheet({"One|5", "Two|10", "Three|"});
        show(w);
        w.clickRow(first);
        QCOMPARE(QApplication::focusWidget(), w.ui.lvLyrics);
        for (int i = 0; i < extend; ++i)
            press(Qt::Key_Down, Qt::ShiftModifier);
        const QStringList before = times(w);
        press(key, Qt::KeyboardModifiers(modifiers));
        QFETCH(QString, line1);
        QFETCH(QString, line2);
        QFETCH(QString, line3);
        QCOMPARE(times(w), QStringList({line1, line2, line3}));
        QTEST(w.lastSeek(), "seek");
        QTEST(w.ui.lblStatus->text(), "status");
        QCOMPARE(w.ui.lvLyrics->selectionModel()->selectedRows().size(), extend + 1);
        QVERIFY(w.ui.wordStrip->isHidden());
        if (!w.lastSeek().isEmpty()) {
            press(Qt::Key_Z, Qt::ControlModifier); // one step for every line moved
            QCOMPARE(times(w), before);
        }
    }

    // After Stop the first row is selected again, whatever line the song reached: the nudge
    // after it says which line it moved, and replays it from 1.5 s before its new time.
    void aNudgeAfterStopNamesTheLineItMoves() {
        QTemporaryDir folder;
        TestWindow w;
        w.setSheet({"One|5", "Two|10", "Three|15"});
        w.showSong(folder.path() + u'/', "Song.mp3");
        show(w);
        w.save();
        QTest::mouseClick(w.ui.cmdPlay, Qt::LeftButton);
        w.tickAt(10500);
        QCOMPARE(w.session().sheet().selected(), 2);
        press(Qt::Key_Period, Qt::ControlModifier);
        QVERIFY(!w.playing());
        QCOMPARE(w.session().sheet().selected(), 1);
        w.player->calls.clear();
        press(Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(times(w), QStringList({"5100", "-1", "-1"}));
        QCOMPARE(w.ui.lblStatus->text(), QStringLiteral("Line 1 moved +0.1 s to 0:05.10."));
        // From Stop: the song is loaded and played, then sent to the lead-in.
        QCOMPARE(w.player->calls.filter(QRegularExpression("^(LoadSong|PlaySong|SeekPos)"))
                     .replaceInStrings(QRegularExpression(" .*/"), " "),
                 QStringList({"LoadSong Song.mp3", "PlaySong", "SeekPositionMs 3600"}));
        QVERIFY(w.playing());
    }

    void adjustSelectedLineShiftsTheRange_data() {
        textColumns({"gesture", "sheet"});
        textRow("Shift+Down", "shift-down|7,12,15");
        textRow("Shift+click", "shift-click|7,12,17");
        textRow("Ctrl+click", "ctrl-click|7,10,17");
        textRow("one line", "none|7,10,15");
    }
    void adjustSelectedLineShiftsTheRange() {
        QFETCH(QString, gesture);
        QFETCH(QString, sheet);
        TestWindow w;
        w.setSheet({"One|5", "Two|10", "Three|15"});
        show(w);
        w.clickRow(1);
        const QRect third = w.ui.lvLyrics->visualRect(w.session().sheet().index(2, 1));
        if (gesture == QLatin1String("shift-down"))
            press(Qt::Key_Down, Qt::ShiftModifier);
        else if (gesture != QLatin1String("none"))
            QTest::mouseClick(w.ui.lvLyrics->viewport(), Qt::LeftButton,
                              gesture == QLatin1String("ctrl-click") ? Qt::ControlModifier
                                                                     : Qt::ShiftModifier,
                              third.center());
        w.ui.txtAdjustSingle->setText("2");
        QTest::mouseClick(w.ui.cmdAdjustSingle, Qt::LeftButton);
        QStringList secs;
        for (const QString& row : w.sheet())
            secs << row.section(u'|', 3);
        QCOMPARE(secs.join(u','), sheet);
        w.ui.lvLyrics->setFocus();
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.sheet(), QStringList({"1|One|0:05|5", "2|Two|0:10|10", "3|Three|0:15|15"}));
        QVERIFY(w.ui.wordStrip->isHidden());
    }
};

QTEST_MAIN(WordTimingTest)
#include "tst_WordTiming.moc"
