#include "core/StartupGate.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <memory>

// Background work held until the window's first paint: in order, after the paint and not
// before, dropped with its context, and never held for good when nothing is painted.
class StartupGateTest : public QObject {
    Q_OBJECT

private slots:
    void runsAtOnceWhenNothingHoldsIt() {
        int ran = 0;
        StartupGate::WhenOpen(this, [&ran] { ++ran; });
        QCOMPARE(ran, 1);
    }

    void heldUntilTheFirstPaint() {
        StartupGate::HoldUntilFirstPaint();
        QStringList ran;
        auto gone = std::make_unique<QObject>();
        StartupGate::WhenOpen(this, [&ran] { ran << "first"; });
        StartupGate::WhenOpen(gone.get(), [&ran] { ran << "gone"; });
        StartupGate::WhenOpen(this, [&ran] { ran << "second"; });
        gone.reset();
        QWidget window;
        window.resize(200, 100);
        QTest::qWait(50); // events, but nothing painted yet
        QVERIFY(ran.isEmpty());
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(ran, QStringList({"first", "second"}), 500);
        StartupGate::WhenOpen(this, [&ran] { ran << "after"; });
        QCOMPARE(ran.last(), QStringLiteral("after"));
    }

    void opensAfterASecondWithNothingPainted() {
        StartupGate::HoldUntilFirstPaint();
        bool ran = false;
        StartupGate::WhenOpen(this, [&ran] { ran = true; });
        QTest::qWait(300);
        QVERIFY(!ran);
        QTRY_VERIFY_WITH_TIMEOUT(ran, 3000);
    }
};

QTEST_MAIN(StartupGateTest)
#include "tst_StartupGate.moc"
