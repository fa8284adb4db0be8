#include "support/TestWindow.h"

#include "controls/UpDown.h"
#include "sheet/Amount.h"
#include "sheet/LyricSheet.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

class TimeAdjustTest : public QObject {
    Q_OBJECT
private slots:
    void readsAmountsAndWritesPlainText() {
        // "text=amount" for the box's text, "value=text" for the shifted seconds
        for (const QString& c :
             QStringLiteral("2 apples=2;1 5=15;=0;abc=0; \t-\n1 . 5=-1.5;+.25=0.25;"
                            "--5=0;1.2.3,4=1.2;1\r5=1;25 E-2=0.25;2e+x=2;1e-400=0;"
                            "2e0000000000003=2000;5e-00000000000000000001=0.5")
                 .split(u';'))
            QCOMPARE(ReadAmount(c.section(u'=', 0, 0)).value_or(-999),
                     c.section(u'=', 1).toDouble());
        QVERIFY(!ReadAmount(u"-1e400")); // too large to hold
        for (const QString& c :
             QStringLiteral("13=13;12.5=12.5;-0=0;-4e-16=0;0.9999999999999999=1;"
                            "123456789.123456789=123456789.123457;1.5e-7=0.00000015;"
                            "1.234567890123456789e18=1234567890123460000")
                 .split(u';'))
            QCOMPARE(NumberText(c.section(u'=', 0, 0).toDouble()), c.section(u'=', 1));
    }

    void adjustsTheSelectedLine() {
        // the row's Secs, then amount texts, each with the "Time|Secs" it leaves
        for (const QStringList& steps :
             {QStringList{"59", "1", "1:00|60"},
              {"3", "-5", "|-2", "5", "0:03|3"},
              {"12", "0.5", "0:12|12.5", "0.5", "0:13|13"},
              {"10", "2 apples", "0:12|12"},
              {"0",        "0.1",  "|0.1",     "0.1",  "|0.2",     "0.1",      "|0.3",
               "0.1",      "|0.4", "0.1",      "|0.5", "0.1",      "0:01|0.6", "0.1",
               "0:01|0.7", "0.1",  "0:01|0.8", "0.1",  "0:01|0.9", "0.1",      "0:01|1"}}) {
            TestWindow w;
            w.setSheet({"x|5", "sung|" + steps[0], "y"});
            w.select(2);
            for (int i = 1; i < steps.size(); i += 2) {
                w.ui.txtAdjustSingle->setText(steps[i]);
                w.ui.cmdAdjustSingle->click();
                QCOMPARE(w.sheet(), QStringList({"1|x|0:05|5", "2|sung|" + steps[i + 1], "3|y||"}));
            }
            QCOMPARE(w.ui.lblStatus->text(), QString());
            QVERIFY(!w.ui.cmdSave->isHidden() && w.ui.cmdSave->isEnabled());
        }
    }

    void adjustsAllMarkedLines() {
        TestWindow w;
        w.ui.cmdAdjustAll->click(); // empty sheet
        QVERIFY(w.ui.cmdSave->isEnabled());
        w.setSheet({"a|12.50", "", "b|3", "c|007", "d|abc", "e|2147483647"});
        w.ui.txtAdjustAll->setText(QStringLiteral("2 apples"));
        w.ui.cmdAdjustAll->click();
        QCOMPARE(w.sheet(), QStringList({"1|a|0:14|14.5", "2|||", "3|b|0:05|5", "4|c|0:09|9",
                                         "5|d||abc", "6|e|596523:14:07|2147483647"}));
        QCOMPARE(w.ui.lblStatus->text(),
                 QStringLiteral("Adjust All Lines: 2 lines were left unchanged; line 5 has the "
                                "time \"abc\", which is not a number."));
        // Hours widen the Time column rather than being cut; other lyrics bring it back.
        const auto fits = [&](const QString& time) {
            return QFontMetrics(w.ui.lvLyrics->font()).horizontalAdvance(time) <
                   w.ui.lvLyrics->columnWidth(LyricSheet::ColTime) - 8;
        };
        QVERIFY(fits("596523:14:07"));
        w.setSheet({"a|5"});
        QCOMPARE(w.ui.lvLyrics->columnWidth(LyricSheet::ColTime), 63);
        // So do line numbers of four digits and more in the # column.
        const int numbers = w.ui.lvLyrics->columnWidth(LyricSheet::ColNumber);
        w.setSheet(QStringList(10000, QStringLiteral("la|")));
        QVERIFY(QFontMetrics(w.ui.lvLyrics->font()).horizontalAdvance("10000") <
                w.ui.lvLyrics->columnWidth(LyricSheet::ColNumber) - 8);
        w.setSheet({"a|5"});
        QCOMPARE(w.ui.lvLyrics->columnWidth(LyricSheet::ColNumber), numbers);
        w.select(1);
        w.ui.txtAdjustSingle->setText(QStringLiteral("3600"));
        w.ui.cmdAdjustSingle->click();
        QCOMPARE(w.sheet(), QStringList({"1|a|1:00:05|3605"}));
        QVERIFY(fits("1:00:05"));
    }

    // Text with no number at its start reads as 0: nothing moves, and the status line says
    // why; the next shift that goes through takes the message away.
    void amountsWithoutANumberSaySo() {
        TestWindow w;
        w.setSheet({"a|10", "b|20"});
        w.select(2);
        for (auto [button, box, action] :
             {std::tuple{w.ui.cmdAdjustAll, w.ui.txtAdjustAll, QStringLiteral("Adjust All Lines")},
              std::tuple{w.ui.cmdAdjustSingle, w.ui.txtAdjustSingle,
                         QStringLiteral("Adjust Selected Line")}}) {
            for (const char* text : {"abc", "--5", " x2"}) {
                box->setText(QString::fromLatin1(text));
                button->click();
                QCOMPARE(w.ui.lblStatus->text(),
                         action + ": \"" + QString::fromLatin1(text).trimmed() +
                             "\" is not a number of seconds, so nothing was moved.");
            }
            box->setText(QStringLiteral(" \t"));
            button->click();
            QCOMPARE(w.ui.lblStatus->text(),
                     action + ": type the seconds to move by in the box beside it.");
            QCOMPARE(w.sheet(), QStringList({"1|a|0:10|10", "2|b|0:20|20"}));
            box->setText(QStringLiteral("- .5"));
            button->click();
            QCOMPARE(w.ui.lblStatus->text(), QString());
            box->setText(QStringLiteral(".5"));
            button->click();
        }
        QCOMPARE(w.sheet(), QStringList({"1|a|0:10|10", "2|b|0:20|20"}));
    }

    void spinnersStepTheirOwnBox() {
        // "box text, arrow, text after the step"; the last one stops at the bound
        for (const QString& step : QStringLiteral("0.5 down -0.5|2 apples up 3|-3599.5 down -3600|"
                                                  "3600 up 3600")
                                       .split(u'|')) {
            const QString text = step.section(u' ', 0, -3), stepped = step.section(u' ', -1);
            TestWindow w;
            for (auto [spinner, box, other] :
                 {std::tuple{w.ui.spnAdjustAll, w.ui.txtAdjustAll, w.ui.txtAdjustSingle},
                  std::tuple{w.ui.spnAdjustSingle, w.ui.txtAdjustSingle, w.ui.txtAdjustAll}}) {
                box->setText(text);
                other->setText(QStringLiteral("7"));
                spinner->findChild<QToolButton*>(step.section(u' ', -2, -2))->click();
                QCOMPARE(box->text(), stepped);
                QCOMPARE(other->text(), QStringLiteral("7"));
            }
            QCOMPARE(w.ui.lblStatus->text().isEmpty(), text != "3600");
        }
    }
};

QTEST_MAIN(TimeAdjustTest)
#include "tst_TimeAdjust.moc"
