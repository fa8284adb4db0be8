#include "sheet/Amount.h"

#include <QTest>

#include <utility>

class AmountTest : public QObject {
    Q_OBJECT
private slots:
    void readsTheNumberAtTheStart() {
        for (const auto& [text, amount] : {std::pair{u"2 apples", 2.0},
                                           {u"1 5", 15.0},
                                           {u"", 0.0},
                                           {u"abc", 0.0},
                                           {u" \t-\n1 . 5", -1.5},
                                           {u"+.25", 0.25},
                                           {u"--5", 0.0},
                                           {u"1.2.3,4", 1.2},
                                           {u"1\r5", 1.0},
                                           {u"25 E-2", 0.25},
                                           {u"2e+x", 2.0},
                                           {u"1e-400", 0.0},
                                           {u"2e0000000000003", 2000.0},
                                           {u"5e-00000000000000000001", 0.5},
                                           {u"7e000000000000", 7.0}})
            QVERIFY2(ReadAmount(text) == amount, qPrintable(QString::fromUtf16(text)));
        QVERIFY(!ReadAmount(u"-1e400")); // too large to hold
    }

    void writesPlainDecimalText() {
        for (const auto& [value, text] : {std::pair{13.0, "13"},
                                          {12.5, "12.5"},
                                          {-2.0, "-2"},
                                          {-0.0, "0"},
                                          {-4e-16, "0"},
                                          {0.9999999999999999, "1"},
                                          {123456789.123456789, "123456789.123457"},
                                          {1.5e-7, "0.00000015"},
                                          {1.234567890123456789e18, "1234567890123460000"}})
            QCOMPARE(NumberText(value), QLatin1String(text));
    }
};

QTEST_APPLESS_MAIN(AmountTest)
#include "tst_Amount.moc"
