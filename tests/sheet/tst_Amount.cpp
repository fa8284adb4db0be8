#include "sheet/Amount.h"
#include "sheet/TimeShift.h"

#include <QTest>

#include <optional>

class AmountTest : public QObject {
    Q_OBJECT
private slots:
    void readsTheNumberAtTheStart_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("amount");
        QTest::newRow("word after") << "2 apples" << 2.0;
        QTest::newRow("blank inside") << "1 5" << 15.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("blanks tabs feeds anywhere") << " \t-\n1 . 5" << -1.5;
        QTest::newRow("plus") << "+0.25" << 0.25;
        QTest::newRow("leading point") << "-.5" << -0.5;
        QTest::newRow("trailing point") << "7." << 7.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("two signs") << "--5" << 0.0;
        QTest::newRow("sign after digits") << "5-3" << 5.0;
        QTest::newRow("second point") << "1.2.3" << 1.2;
        QTest::newRow("comma ends") << "1,5" << 1.0;
        QTest::newRow("carriage return ends") << "1\r5" << 1.0;
        QTest::newRow("exponent") << "1 e 3" << 1000.0;
        QTest::newRow("negative exponent") << "25E-2" << 0.25;
        QTest::newRow("exponent without digits") << "2e+x" << 2.0;
        QTest::newRow("exponent first") << "e5" << 0.0;
        QTest::newRow("too small") << "1e-400" << 0.0;
    }
    void readsTheNumberAtTheStart() {
        QFETCH(QString, text);
        const std::optional<double> amount = ReadAmount(text);
        QVERIFY(amount);
        QTEST(*amount, "amount");
    }

    void refusesAnAmountTooLargeToHold() {
        QVERIFY(!ReadAmount(u"1e400"));
        QVERIFY(!ReadAmount(u"-9e999999999999"));
        QVERIFY(ReadAmount(u"1e308"));
    }

    void readsSecondsOnlyWhenTheWholeTextIsANumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("seconds");
        QTest::newRow("whole") << "185" << true << 185.0;
        QTest::newRow("blanks around") << " -2.5 " << true << -2.5;
        QTest::newRow("plus") << "+3" << true << 3.0;
        QTest::newRow("exponent") << "1e2" << true << 100.0;
        QTest::newRow("unmarked") << "" << false << 0.0;
        QTest::newRow("word") << "abc" << false << 0.0;
        QTest::newRow("trailing word") << "12 s" << false << 0.0;
        QTest::newRow("comma") << "1,5" << false << 0.0;
        QTest::newRow("infinity") << "inf" << false << 0.0;
        QTest::newRow("not a number") << "nan" << false << 0.0;
    }
    void readsSecondsOnlyWhenTheWholeTextIsANumber() {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        const std::optional<double> seconds = ReadSeconds(text);
        QCOMPARE(seconds.has_value(), isNumber);
        if (isNumber)
            QTEST(*seconds, "seconds");
    }

    void writesPlainDecimalText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 13.0 << "13";
        QTest::newRow("half") << 12.5 << "12.5";
        QTest::newRow("negative") << -2.0 << "-2";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("below 15 decimals") << -4e-16 << "0";
        QTest::newRow("sum of tenths") << 0.1 + 0.2 << "0.3";
        QTest::newRow("just under one") << 0.9999999999999999 << "1";
        QTest::newRow("third") << 1.0 / 3 << "0.333333333333333";
        QTest::newRow("15 digits") << 123456789.123456789 << "123456789.123457";
        QTest::newRow("small, no exponent") << 1.5e-7 << "0.00000015";
        QTest::newRow("large, no exponent") << 1.234567890123456789e18 << "1234567890123460000";
        QTest::newRow("largest time") << 2147483647.0 << "2147483647";
    }
    void writesPlainDecimalText() {
        QFETCH(double, value);
        QTEST(NumberText(value), "text");
    }

    void tenthsAddedTenTimesMakeOne() {
        double sum = 0;
        QString text = QStringLiteral("0");
        for (int i = 0; i < 10; ++i) {
            sum += 0.1;
            text = NumberText(*ReadSeconds(text) + 0.1);
        }
        QCOMPARE(NumberText(sum), QStringLiteral("1"));
        QCOMPARE(text, QStringLiteral("1"));
    }

    void shiftsATime_data() {
        QTest::addColumn<QString>("secs");
        QTest::addColumn<double>("amount");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("shifted"); // "secs|time"
        QTest::newRow("into a minute") << "59" << 1.0 << int(ShiftedTime::Shifted) << "60|1:00";
        QTest::newRow("below zero") << "3" << -5.0 << int(ShiftedTime::Shifted) << "-2|";
        QTest::newRow("back above") << "-2" << 5.0 << int(ShiftedTime::Shifted) << "3|0:03";
        QTest::newRow("half to even down")
            << "12" << 0.5 << int(ShiftedTime::Shifted) << "12.5|0:12";
        QTest::newRow("half to even up") << "13" << 0.5 << int(ShiftedTime::Shifted) << "13.5|0:14";
        QTest::newRow("exactly zero") << "1" << -1.0 << int(ShiftedTime::Shifted) << "0|";
        QTest::newRow("normal form") << " 007.50" << 0.0 << int(ShiftedTime::Shifted) << "7.5|0:08";
        QTest::newRow("an hour") << "3599.5" << 0.0 << int(ShiftedTime::Shifted)
                                 << "3599.5|1:00:00";
        QTest::newRow("unmarked") << "" << 1.0 << int(ShiftedTime::Unmarked) << "|";
        QTest::newRow("not a number") << "x" << 1.0 << int(ShiftedTime::NotANumber) << "|";
        QTest::newRow("past the end") << "2147483647" << 1.0 << int(ShiftedTime::OutOfRange) << "|";
        QTest::newRow("at the start")
            << "0" << -2147483647.0 << int(ShiftedTime::Shifted) << "-2147483647|";
    }
    void shiftsATime() {
        QFETCH(QString, secs);
        QFETCH(double, amount);
        const ShiftedTime shifted = ShiftTime(secs, amount);
        QTEST(int(shifted.outcome), "outcome");
        QTEST(shifted.secs + QLatin1Char('|') + shifted.time, "shifted");
    }
};

QTEST_APPLESS_MAIN(AmountTest)
#include "tst_Amount.moc"
