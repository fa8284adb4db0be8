#include "support/TestWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

// Mark Line stamps the selected row and walks to the next row with words.
class MarkingTest : public QObject {
    Q_OBJECT
private slots:
    void stampsAndWalksOn_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("offset");       // lines inserted since the last Stop
        QTest::addColumn<QList<int>>("marks"); // positions in ms
        QTest::addColumn<QStringList>("sheet");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("current");
        const QStringList three = {"one", "two", "three"};
        QTest::newRow("0 s and 83 s")
            << three << 0 << QList{0, 83400}
            << QStringList{"1|one||0", "2|two|1:23|83", "3|three||"} << 3 << 3;
        QTest::newRow("last row twice") << three.mid(0, 2) << 0 << QList{1000, 2000, 3000}
                                        << QStringList{"1|one|0:01|1", "2|two|0:03|3"} << 2 << 4;
        QTest::newRow("only blanks after") << QStringList{"one", "", ""} << 0 << QList{4000}
                                           << QStringList{"1|one|0:04|4", "2|||", "3|||"} << 3 << 4;
        QTest::newRow("empty sheet")
            << QStringList{} << 0 << QList{5000} << QStringList{} << 0 << 0;
        QTest::newRow("past the largest mark") << three.mid(0, 1) << 0 << QList{32768000, 32767000}
                                               << QStringList{"1|one|9:06:07|32767"} << 1 << 2;
    }
    void stampsAndWalksOn() {
        QFETCH(QStringList, rows);
        QFETCH(QList<int>, marks);
        TestWindow w;
        w.createDatabase();
        w.setSheet(rows);
        QFETCH(int, offset);
        w.session().sheet().setMarkCursor(0, std::int16_t(offset));
        w.ui.cmdPlay->click();
        for (const int ms : marks) {
            w.player->positionMs = ms;
            w.ui.cmdMark->click();
            if (ms > 32767000) // refused: nothing stamped, and said so
                QVERIFY(w.session().sheet().cell(1, LyricSheet::ColSecs).isEmpty() &&
                        !w.ui.lblStatus->text().isEmpty());
        }
        QTEST(w.sheet(), "sheet");
        QTEST(w.session().sheet().selected(), "selected");
        QTEST(int(w.session().sheet().currentLine()), "current");
    }

    void clearAllRemovesEveryMarker() {
        TestWindow w;
        w.setSheet({"one|12", "|", "three|-2", "four|7.5"});
        w.select(3);
        w.ui.cmdReset->click();
        QCOMPARE(w.sheet(), QStringList({"1|one||", "2|||", "3|three||", "4|four||"}));
        QCOMPARE(w.session().sheet().selected(), 3);
        QVERIFY(w.ui.cmdSave->isEnabled());
    }
};

QTEST_MAIN(MarkingTest)
#include "tst_Marking.moc"
