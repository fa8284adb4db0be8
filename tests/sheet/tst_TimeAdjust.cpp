#include "support/TestWindow.h"

#include "sheet/UpDown.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

class TimeAdjustTest : public QObject {
    Q_OBJECT
private slots:
    void adjustsTheSelectedLine() {
        // the row's Secs, then amount texts, each with the "Time|Secs" it leaves
        for (const QStringList& steps :
             {QStringList{"59", "1", "1:00|60"},
              {"3", "-5", "|-2", "5", "0:03|3"},
              {"12", "0.5", "0:12|12.5", "0.5", "0:13|13"},
              {"10", "2 apples", "0:12|12", "1 5", "0:27|27", "", "0:27|27", "x", "0:27|27"},
              {"0",        "0.1",  "|0.1",     "0.1",  "|0.2",     "0.1",      "|0.3",
               "0.1",      "|0.4", "0.1",      "|0.5", "0.1",      "0:01|0.6", "0.1",
               "0:01|0.7", "0.1",  "0:01|0.8", "0.1",  "0:01|0.9", "0.1",      "0:01|1"}}) {
            TestWindow w;
            w.setSheet({"x|5", "sung|" + steps[0], "y"});
            w->selectRow(2, false);
            for (int i = 1; i < steps.size(); i += 2) {
                w->txtAdjustSingle->setText(steps[i]);
                w->cmdAdjustSingle->click();
                QCOMPARE(w.sheet(), QStringList({"1|x|0:05|5", "2|sung|" + steps[i + 1], "3|y||"}));
            }
            QCOMPARE(w->lblStatus->text(), QString());
            QVERIFY(!w->cmdSave->isHidden() && w->cmdSave->isEnabled());
        }
    }

    void adjustsAllMarkedLines() {
        TestWindow w;
        w->cmdAdjustAll->click(); // empty sheet
        QVERIFY(w->cmdSave->isEnabled());
        w.setSheet({"a|12.50", "", "b|3", "c|007", "d|abc", "e|2147483647"});
        w->txtAdjustAll->setText(QStringLiteral("2 apples"));
        w->cmdAdjustAll->click();
        QCOMPARE(w.sheet(), QStringList({"1|a|0:14|14.5", "2|||", "3|b|0:05|5", "4|c|0:09|9",
                                         "5|d||abc", "6|e|596523:14:07|2147483647"}));
        QCOMPARE(w->lblStatus->text(),
                 QStringLiteral("Adjust All Lines: 2 lines were left unchanged; line 5 has the "
                                "time \"abc\", which is not a number."));
        w.setSheet({"a|12.50", "c|007"});
        w->txtAdjustAll->setText(QStringLiteral("none"));
        w->cmdAdjustAll->click();
        QCOMPARE(w.sheet(), QStringList({"1|a|0:12|12.5", "2|c|0:07|7"}));
    }

    void leavesALineItCannotShift() {
        for (const auto& [secs, amount] :
             {std::pair{"", "1"}, {"2147483647", "0.6"}, {"5", "1e999"}}) {
            TestWindow w;
            w.setSheet({"a|" + QString::fromLatin1(secs)});
            const QStringList before = w.sheet();
            w->selectRow(1, false);
            w->txtAdjustSingle->setText(QString::fromLatin1(amount));
            w->cmdAdjustSingle->click();
            QCOMPARE(w.sheet(), before);
            QVERIFY(
                w->lblStatus->text().startsWith(QStringLiteral("Adjust Selected Line: line 1 ")));
        }
    }

    void spinnersStepTheirOwnBox() {
        // box text, arrow, text after the step; the last two stop at the bound
        for (const auto& [text, arrow, stepped] : {std::tuple{"1", "up", "2"},
                                                   {"0.5", "down", "-0.5"},
                                                   {"2 apples", "up", "3"},
                                                   {"", "down", "-1"},
                                                   {"5000", "down", "4999"},
                                                   {"-3599.5", "down", "-3600"},
                                                   {"3600", "up", "3600"}}) {
            TestWindow w;
            for (auto [spinner, box, other] :
                 {std::tuple{w->spnAdjustAll, w->txtAdjustAll, w->txtAdjustSingle},
                  std::tuple{w->spnAdjustSingle, w->txtAdjustSingle, w->txtAdjustAll}}) {
                box->setText(QString::fromLatin1(text));
                other->setText(QStringLiteral("7"));
                spinner->findChild<QToolButton*>(QLatin1String(arrow))->click();
                QCOMPARE(box->text(), QLatin1String(stepped));
                QCOMPARE(other->text(), QStringLiteral("7"));
            }
            QCOMPARE(w->lblStatus->text().isEmpty(), QByteArray(text) != "3600");
        }
    }
};

QTEST_MAIN(TimeAdjustTest)
#include "tst_TimeAdjust.moc"
