#include "sheet/LyricSheet.h"
#include "storage/Lrc.h"

#include <QTest>

#include <functional>

// The LRC rules on their own: what a file written by other tools reads as, and what the
// program writes from a sheet.
class LrcTest : public QObject {
    Q_OBJECT
private slots:
    void readsOneLinePerStampInTimeOrder_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected"); // "ms|text", -1 for a plain line
        QTest::newRow("multi-stamp line")
            << "[00:05.00][00:01.50]Chorus\n[00:03.20]Verse"
            << QStringList{"1500|Chorus", "3200|Verse", "5000|Chorus"};
        QTest::newRow("header tags skipped")
            << "[ti:Title]\n[ar:Someone]\n[length: 03:00]\n[by:x]\n[00:01.00]One"
            << QStringList{"1000|One"};
        QTest::newRow("positive offset shows lines earlier, never before 0")
            << "[offset:+500]\n[00:02.00]A\n[00:00.20]B" << QStringList{"0|B", "1500|A"};
        QTest::newRow("negative offset") << "[offset:-250]\n[00:01.00]A" << QStringList{"1250|A"};
        QTest::newRow("word stamps dropped")
            << "[00:01.00]<00:01.00>Hel <00:01.40>lo <00:01.90>" << QStringList{"1000|Hel lo"};
        QTest::newRow("CRLF and a byte-order mark")
            << u"\uFEFF[00:01.00]A\r\n[00:02.00]B\r\n"_qs << QStringList{"1000|A", "2000|B"};
        QTest::newRow("fractions of 1 to 3 digits, colon before the fraction")
            << "[00:01.5]A\n[00:01.25]B\n[00:01.125]C\n[01:02:50]D"
            << QStringList{"1125|C", "1250|B", "1500|A", "62500|D"};
        QTest::newRow("plain lines stay after the line before them")
            << "Intro\n\n[00:02.00]A\nbetween\n[00:01.00]B [x]\n[Chorus]"
            << QStringList{"-1|Intro", "1000|B [x]", "-1|[Chorus]", "2000|A", "-1|between"};
        QTest::newRow("three-digit minutes") << "[100:00.00]Late" << QStringList{"6000000|Late"};
        QTest::newRow("headers only") << "[ti:x]\n[ar:y]\n" << QStringList{};
    }
    void readsOneLinePerStampInTimeOrder() {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QStringList lines;
        for (const LrcLine& line : ReadLrc(text))
            lines << QStringLiteral("%1|%2").arg(line.ms).arg(line.text);
        QCOMPARE(lines, expected);
    }

    void writesPreciseTimesWhileSecsHoldTheirSecond() {
        const std::vector<SheetRow> rows = {
            {"1", "precise", "0:01", "1", 1234}, {"2", "shifted since", "0:03", "3", 1999},
            {"3", "unmarked", "", "", -1},       {"4", "fraction", "0:12", "12.5", -1},
            {"5", "negative", "", "-2", -1},     {"6", "an hour on", "1:01:02", "3662", 3662999},
        };
        int marked = 0;
        const QByteArray lrc = WriteLrc({"T", "", "Al", 185400}, rows, &marked);
        QCOMPARE(marked, 5);
        QCOMPARE(lrc, "[ti:T]\n[al:Al]\n[length:03:05]\n[by:Velmora Versetta]\n"
                      "[00:01.23]precise\n[00:03.00]shifted since\nunmarked\n"
                      "[00:12.50]fraction\n[00:00.00]negative\n[61:02.99]an hour on\n");
    }

    // The exact time of a mark goes with an edit, a shift or Clear All, and comes back on undo.
    void exactMarkFollowsItsRow_data() {
        QTest::addColumn<std::function<void(LyricSheet&)>>("change");
        QTest::addColumn<qint64>("after"); // the row's export time after the change
        QTest::newRow("mark next line") << std::function([](LyricSheet& s) {
            s.setSelected(2);
            s.mark(9, "0:09", 9500);
        }) << qint64(1234);
        QTest::newRow("edit") << std::function([](LyricSheet& s) { s.editLyric("new"); })
                              << qint64(1000);
        QTest::newRow("shift") << std::function([](LyricSheet& s) { s.shiftSelected("0.5"); })
                               << qint64(1500);
        QTest::newRow("clear all")
            << std::function([](LyricSheet& s) { s.clearMarks(); }) << qint64(-1);
    }
    void exactMarkFollowsItsRow() {
        QFETCH(std::function<void(LyricSheet&)>, change);
        QFETCH(qint64, after);
        LyricSheet sheet;
        sheet.load({{"1", "one", "", ""}, {"2", "two", "", ""}}, "Load");
        sheet.setSelected(1);
        sheet.mark(1, "0:01", 1234);
        sheet.setSelected(1);
        const auto time = [&] { return RowTimeMs(sheet.rows().front()).value_or(-1); };
        QCOMPARE(time(), 1234);
        change(sheet);
        QCOMPARE(time(), after);
        sheet.undo();
        QCOMPARE(time(), 1234);
    }
};

QTEST_MAIN(LrcTest)
#include "tst_Lrc.moc"
