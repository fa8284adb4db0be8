#include "sheet/LyricSheet.h"
#include "sheet/TimeText.h"

#include <QTest>

// The sheet's rules without a window. Rows are written "number|lyric|time|secs"; after a
// change the whole sheet and cursor are compared, then undo must give back the start exactly
// and redo the change.
namespace {

std::vector<SheetRow> rowsOf(const QStringList& texts) {
    std::vector<SheetRow> rows;
    for (const QString& text : texts) {
        const QStringList cells = text.split(u'|');
        rows.push_back({cells.value(0), cells.value(1), cells.value(2), cells.value(3)});
    }
    return rows;
}

// The sheet and its cursor as "rows... / selected,currentLine,lineOffset".
QStringList stateOf(const LyricSheet& sheet) {
    QStringList state;
    for (const SheetRow& row : sheet.rows())
        state << QStringList{row.number, row.lyric, row.time, row.secs}.join(u'|');
    const LyricSheet::Cursor c = sheet.cursor();
    return state << QStringLiteral("%1,%2,%3").arg(c.selected).arg(c.currentLine).arg(c.lineOffset);
}

const QStringList abc = {"1|a|0:01|1", "2|b||", "3|c|0:03|3"};

} // namespace

class LyricSheetTest : public QObject {
    Q_OBJECT
private slots:
    void changeUndoRedo_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QList<int>>("cursor"); // selected, currentLine, lineOffset
        QTest::addColumn<QString>("change");    // what is done, with its argument after ':'
        QTest::addColumn<QStringList>("after"); // rows then "selected,currentLine,lineOffset"
        QTest::addColumn<QString>("step");
        const auto with = [](QStringList rows, const char* cursor) { return rows << cursor; };
        QTest::newRow("insert above the selected line")
            << abc << QList{2, 0, 0} << "insert"
            << with({"1|a|0:01|1", "2|||", "3|b||", "4|c|0:03|3"}, "3,0,1") << "Insert Line";
        QTest::newRow("insert keeps the offset from wrapping")
            << abc << QList{1, 0, 32767} << "insert"
            << with({"1|||", "2|a|0:01|1", "3|b||", "4|c|0:03|3"}, "2,0,32767") << "Insert Line";
        QTest::newRow("add to the end")
            << abc << QList{1, 0, 0} << "add" << with(abc + QStringList{"4|||"}, "4,0,0")
            << "Add Line To End";
        QTest::newRow("add numbers the no-lyrics row")
            << QStringList{"|No Lyrics Found||"} << QList{0, 0, 0} << "add"
            << with({"1|No Lyrics Found||", "2|||"}, "2,0,0") << "Add Line To End";
        QTest::newRow("remove moves the next line up")
            << abc << QList{2, 1, 2} << "remove" << with({"1|a|0:01|1", "2|c|0:03|3"}, "2,1,2")
            << "Remove Line";
        QTest::newRow("remove the last line selects none")
            << abc << QList{3, 0, 0} << "remove" << with({"1|a|0:01|1", "2|b||"}, "0,0,0")
            << "Remove Line";
        QTest::newRow("edit a lyric")
            << abc << QList{2, 0, 0} << "edit:B"
            << with({"1|a|0:01|1", "2|B||", "3|c|0:03|3"}, "2,0,0") << "Edit Selected Lyric";
        QTest::newRow("mark walks past blank rows")
            << QStringList{"1|one||", "2|||", "3|||", "4|four||"} << QList{1, 0, 0} << "mark:12"
            << with({"1|one|0:12|12", "2|||", "3|||", "4|four||"}, "4,4,0") << "Mark Line at 0:12";
        QTest::newRow("mark at 0 s shows no time")
            << abc << QList{2, 1, 0} << "mark:0"
            << with({"1|a|0:01|1", "2|b||0", "3|c|0:03|3"}, "2,2,0") << "Mark Line at 0:00";
        QTest::newRow("mark the last line")
            << abc << QList{3, 2, 0} << "mark:83"
            << with({"1|a|0:01|1", "2|b||", "3|c|1:23|83"}, "3,3,0") << "Mark Line at 1:23";
        QTest::newRow("mark from an inserted line's offset")
            << abc << QList{1, 0, 1} << "mark:5"
            << with({"1|a|0:05|5", "2|b||", "3|c|0:03|3"}, "3,2,1") << "Mark Line at 0:05";
        QTest::newRow("clear all marks")
            << abc << QList{3, 2, 1} << "clear" << with({"1|a||", "2|b||", "3|c||"}, "3,2,1")
            << "Clear All Time Markings";
        QTest::newRow("shift all")
            << abc << QList{1, 0, 0} << "shiftAll:-1.5"
            << with({"1|a||-0.5", "2|b||", "3|c|0:02|1.5"}, "1,0,0") << "Adjust All Lines";
        QTest::newRow("shift the selected line")
            << abc << QList{3, 0, 0} << "shiftOne:60"
            << with({"1|a|0:01|1", "2|b||", "3|c|1:03|63"}, "3,0,0") << "Adjust Selected Line";
        QTest::newRow("load") << abc << QList{2, 3, 1} << "load" << with({"1|new||"}, "0,3,1")
                              << "Load Lyrics";
    }
    void changeUndoRedo() {
        QFETCH(QStringList, rows);
        QFETCH(QList<int>, cursor);
        QFETCH(QString, change);
        LyricSheet sheet;
        sheet.load(rowsOf(rows), QStringLiteral("start"));
        sheet.clearHistory();
        sheet.setSelected(cursor[0]);
        sheet.setMarkCursor(std::int16_t(cursor[1]), std::int16_t(cursor[2]));
        const QStringList before = stateOf(sheet);
        const QString verb = change.section(u':', 0, 0), argument = change.section(u':', 1);
        if (verb == "insert")
            QVERIFY(sheet.insertLine());
        else if (verb == "add")
            QVERIFY(sheet.addLine());
        else if (verb == "remove")
            QVERIFY(sheet.removeLine());
        else if (verb == "edit")
            QVERIFY(sheet.editLyric(argument));
        else if (verb == "mark")
            QVERIFY(sheet.mark(argument.toInt(), SecondsToTime(argument.toInt())));
        else if (verb == "clear")
            sheet.clearMarks();
        else if (verb == "shiftAll")
            QCOMPARE(sheet.shiftAll(argument).skipped, 0);
        else if (verb == "shiftOne")
            QCOMPARE(sheet.shiftSelected(argument).skipped, 0);
        else if (verb == "load")
            sheet.load(rowsOf({"1|new||"}), QStringLiteral("Load Lyrics"));
        QTEST(stateOf(sheet), "after");
        QTEST(sheet.undo(), "step");
        QCOMPARE(stateOf(sheet), before);
        QTEST(sheet.redo(), "step");
        QTEST(stateOf(sheet), "after");
        QVERIFY(!sheet.canRedo());
    }

    void refusesWhatCannotBeDone() {
        LyricSheet sheet;
        QVERIFY(!sheet.insertLine() && !sheet.removeLine() && !sheet.editLyric("x") &&
                !sheet.mark(1, "0:01")); // no selection
        sheet.load(rowsOf(abc), {});
        sheet.setSelected(4); // past the last row: none
        QVERIFY(!sheet.removeLine());
        sheet.setSelected(1);
        QVERIFY(!sheet.editLyric("a")); // unchanged: no step
        sheet.clearHistory();
        sheet.load(std::vector<SheetRow>(LyricSheet::kMaxRows + 1), QStringLiteral("Load"));
        QCOMPARE(sheet.count(), LyricSheet::kMaxRows);
        sheet.setSelected(5);
        QVERIFY(!sheet.hasRoom() && !sheet.addLine() && !sheet.insertLine());
        sheet.clearMarks(); // nothing marked: no step
        QCOMPARE(sheet.shiftAll("1").skipped, 0);
        QCOMPARE(sheet.undo(), QStringLiteral("Load")); // the only step
        QCOMPARE(sheet.count(), 3);
        QCOMPARE(sheet.undo(), QString());
    }

    void aNewChangeDropsWhatWasUndone() {
        LyricSheet sheet;
        sheet.load(rowsOf(abc), QStringLiteral("Load"));
        sheet.setSelected(1);
        sheet.insertLine();
        QCOMPARE(sheet.undo(), QStringLiteral("Insert Line"));
        sheet.addLine();
        QVERIFY(!sheet.canRedo());
        QCOMPARE(sheet.undo(), QStringLiteral("Add Line To End"));
        QCOMPARE(sheet.undo(), QStringLiteral("Load"));
        QCOMPARE(sheet.count(), 0);
        sheet.clearHistory();
        QVERIFY(!sheet.canUndo() && !sheet.canRedo());
    }

    void wholeSheetStepsGoBackAndForth() {
        LyricSheet sheet;
        QList<QStringList> states{stateOf(sheet)};
        sheet.load(rowsOf(abc), QStringLiteral("Load"));
        states << stateOf(sheet);
        sheet.shiftAll(QStringLiteral("10"));
        states << stateOf(sheet);
        sheet.load(rowsOf({"1|new||"}), QStringLiteral("Load"));
        states << stateOf(sheet);
        for (int i = 2; i >= 0; --i) {
            QVERIFY(!sheet.undo().isEmpty());
            QCOMPARE(stateOf(sheet), states[i]);
        }
        // Forward and back again in turn: each step takes the other side of itself along.
        for (const int i : {1, 2, 1, 2, 3}) {
            const bool forward = i > states.indexOf(stateOf(sheet));
            QVERIFY(!(forward ? sheet.redo() : sheet.undo()).isEmpty());
            QCOMPARE(stateOf(sheet), states[i]);
        }
    }

    void shiftReportsTheRowsItLeaves_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("skipped");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QStringList>("secs");
        QTest::newRow("a time that is no number")
            << "1" << 1 << "line 2 has the time \"x\", which is not a number"
            << QStringList{"1000000001", "x", "", "2"};
        QTest::newRow("out of range")
            << "2147483000" << 2 << "line 1 would move outside -2147483647 to 2147483647 seconds"
            << QStringList{"1e9", "x", "", "2147483001"};
        QTest::newRow("an amount too large")
            << " 9e999 " << 3 << "line 1 cannot move by \"9e999\", which is too large"
            << QStringList{"1e9", "x", "", "1"};
    }
    void shiftReportsTheRowsItLeaves() {
        QFETCH(QString, amount);
        LyricSheet sheet;
        sheet.load(rowsOf({"1|a||1e9", "2|b||x", "3|c||", "4|d||1"}), {});
        const LyricSheet::ShiftReport report = sheet.shiftAll(amount);
        QTEST(report.skipped, "skipped");
        QTEST(report.first, "first");
        QStringList secs;
        for (const SheetRow& row : sheet.rows())
            secs << row.secs;
        QTEST(secs, "secs");
    }

    void tickStepsOverBlankRows_data() {
        QTest::addColumn<QStringList>("lyrics");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("offset");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("offsetAfter");
        const QStringList lyrics = {"one", "", "  ", "four", "five"};
        QTest::newRow("a row with words") << lyrics << 1 << 0 << true << 0;
        QTest::newRow("blank and space-only rows") << lyrics << 2 << 0 << true << 2;
        QTest::newRow("the offset is kept") << lyrics << 3 << 2 << true << 2;
        QTest::newRow("past the last row") << lyrics << 5 << 1 << false << 1;
        QTest::newRow("only blanks to the end") << QStringList{"one", ""} << 2 << 0 << false << 0;
        QTest::newRow("before the first row") << lyrics << -1 << 0 << false << 0;
    }
    void tickStepsOverBlankRows() {
        QFETCH(QStringList, lyrics);
        QFETCH(int, line);
        QFETCH(int, offset);
        LyricSheet sheet;
        std::vector<SheetRow> rows;
        for (const QString& lyric : lyrics)
            rows.push_back({QString::number(rows.size() + 1), lyric, {}, {}});
        sheet.load(rows, {});
        sheet.setMarkCursor(std::int16_t(line), std::int16_t(offset));
        QTEST(sheet.stepOverBlankRows(), "found");
        QTEST(int(sheet.lineOffset()), "offsetAfter");
        QCOMPARE(int(sheet.currentLine()), line);
    }

    // The word strip's stretch: rows are "lyric|secs|first word's ms"; the answer "from-to".
    void wordSpanCoversTheLineAndReachesTheNext_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("span_");
        QTest::newRow("a marked line up to the next")
            << QStringList{"one two|10|", "three|20|"} << 1 << "9500-20500";
        QTest::newRow("just past a close next line")
            << QStringList{"one|10|", "two|11|"} << 1 << "9500-11500";
        QTest::newRow("an unmarked line from the last time before it")
            << QStringList{"one|10|", "two||", "three||"} << 3 << "9500-12500";
        QTest::newRow("a word timed before the line's second")
            << QStringList{"one two|10|9800", "three|20|"} << 1 << "9300-20500";
        QTest::newRow("nothing marked at all") << QStringList{"one||", "two||"} << 2 << "0-3000";
    }
    void wordSpanCoversTheLineAndReachesTheNext() {
        QFETCH(QStringList, rows);
        QFETCH(int, position);
        std::vector<SheetRow> sheet;
        for (const QString& text : rows) {
            const QStringList cells = text.split(u'|');
            SheetRow row{{}, cells[0], {}, cells[1]};
            if (!cells[2].isEmpty()) {
                row.words = WordsOf(row.lyric);
                row.words.front().ms = row.markMs = cells[2].toLongLong();
            }
            sheet.push_back(row);
        }
        QFETCH(QString, span_);
        const WordSpan span = WordSpanOf(sheet, position);
        QCOMPARE(QStringLiteral("%1-%2").arg(span.fromMs).arg(span.toMs), span_);
        QCOMPARE(span.words.size(), WordsOf(sheet[std::size_t(position - 1)].lyric).size());
    }
};

QTEST_GUILESS_MAIN(LyricSheetTest)
#include "tst_LyricSheet.moc"
