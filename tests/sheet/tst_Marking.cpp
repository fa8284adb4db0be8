#include "support/TestWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

// Mark Line stamps the selected row and walks to the next row with words.
class MarkingTest : public QObject {
    Q_OBJECT

    static void startPlaying(TestWindow& w, const QStringList& rows) {
        w.setSheet(rows);
        w->cmdPlay->click();
    }
    static void markAt(TestWindow& w, int ms) {
        w.player->positionMs = ms;
        w->cmdMark->click();
    }

private slots:
    void stampsTheSelectedRowAndMovesOn() {
        TestWindow w;
        w.createDatabase();
        startPlaying(w, {"one", "two", "three"});
        markAt(w, 0);
        QCOMPARE(w.sheet().at(0), QStringLiteral("1|one||0"));
        QCOMPARE(w->lblCurrentLyric->text(), QStringLiteral("one"));
        QCOMPARE(w->currentLine, 2);
        QCOMPARE(w->selectedRow(), 2);
        QVERIFY(w->cmdSave->isEnabled());
        markAt(w, 83400);
        QCOMPARE(w.sheet().at(1), QStringLiteral("2|two|1:23|83"));
        QCOMPARE(w->selectedRow(), 3);
    }

    void lastRowIsStampedAgainOnASecondPress() {
        TestWindow w;
        w.createDatabase();
        startPlaying(w, {"one", "two"});
        markAt(w, 1000);
        markAt(w, 2000);
        QCOMPARE(w->selectedRow(), 2);
        markAt(w, 3000);
        QCOMPARE(w.sheet(), QStringList({"1|one|0:01|1", "2|two|0:03|3"}));
        QCOMPARE(w->selectedRow(), 2);
        QCOMPARE(w->currentLine, 4);
    }

    void blankRowsArePassedOver() {
        TestWindow w;
        w.createDatabase();
        startPlaying(w, {"one", "two", "", "", "five"});
        w->selectRow(2, false);
        w->currentLine = 2;
        markAt(w, 10000);
        QCOMPARE(w.sheet().at(1), QStringLiteral("2|two|0:10|10"));
        QCOMPARE(w->selectedRow(), 5);
        QCOMPARE(w->currentLine, 5);
        QCOMPARE(w.sheet().at(2), QStringLiteral("3|||")); // blanks stay unmarked
    }

    void onlyBlankRowsLeftEndsOnTheLastRow() {
        TestWindow w;
        w.createDatabase();
        startPlaying(w, {"one", "", ""});
        markAt(w, 4000);
        QCOMPARE(w->selectedRow(), 3);
        QCOMPARE(w->currentLine, 4); // the walk stopped past the end
    }

    void aRowClickedDuringPlaybackIsStampedThenTheCursorContinues() {
        TestWindow w;
        w.createDatabase();
        startPlaying(w, {"one", "two", "three", "four"});
        markAt(w, 1000); // row 1, cursor now on 2
        w->selectRow(4, false);
        markAt(w, 2000);
        QCOMPARE(w.sheet().at(3), QStringLiteral("4|four|0:02|2"));
        QCOMPARE(w->selectedRow(), 3);
    }

    void insertedLinesShiftTheCursor() {
        TestWindow w;
        w.createDatabase();
        w.setSheet({"one", "new", "two", "three"});
        w->lineOffset = 1; // one line inserted since the last Stop
        w->cmdPlay->click();
        markAt(w, 1000);
        QCOMPARE(w.sheet().at(0), QStringLiteral("1|one|0:01|1"));
        QCOMPARE(w->selectedRow(), 3);
    }

    void nothingSelectedMarksNothing() {
        TestWindow w;
        w.createDatabase();
        w->cmdPlay->click(); // empty sheet
        markAt(w, 5000);
        QCOMPARE(w->rowCount(), 0);
        QCOMPARE(w->currentLine, 0);
    }

    void positionsPastTheLargestMarkAreRefused() {
        TestWindow w;
        w.createDatabase();
        startPlaying(w, {"one"});
        markAt(w, 32768 * 1000);
        QCOMPARE(w.sheet().at(0), QStringLiteral("1|one||"));
        QVERIFY(!w->lblStatus->text().isEmpty());
        markAt(w, 32767 * 1000);
        QCOMPARE(w.sheet().at(0), QStringLiteral("1|one|9:06:07|32767"));
    }

    void clearAllRemovesEveryMarker() {
        TestWindow w;
        w.createDatabase();
        w.setSheet({"one|12", "|", "three|-2", "four|7.5"});
        w->selectRow(3, false);
        w->currentLine = 3;
        w->cmdSave->setEnabled(false);
        w->cmdReset->click();
        QCOMPARE(w.sheet(), QStringList({"1|one||", "2|||", "3|three||", "4|four||"}));
        QCOMPARE(w->selectedRow(), 3);
        QCOMPARE(w->currentLine, 3);
        QVERIFY(w->cmdSave->isEnabled());
    }
};

QTEST_MAIN(MarkingTest)
#include "tst_Marking.moc"
