#include "support/Rows.h"
#include "support/TestWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

// Mark Line under a real X server, its keys pressed with xdotool: the server repeats a held
// key as a release and a press, and on a busy machine the two reach the window apart.
class HeldKeyTest : public QObject {
    Q_OBJECT

    // Runs xdotool with args while the window goes on answering; false when it failed.
    static bool xdotool(const QStringList& args) {
        QProcess tool;
        tool.start(QStringLiteral("xdotool"), args);
        return tool.waitForStarted() &&
               QTest::qWaitFor([&] { return tool.state() == QProcess::NotRunning; }, 30000) &&
               tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    }

    // Spins every core until stop, as the other programs of a busy machine do.
    struct BusyMachine {
        std::atomic<bool> stop = false;
        std::vector<std::thread> threads;
        BusyMachine() {
            for (unsigned i = 0; i < 2 * std::max(1U, std::thread::hardware_concurrency()); ++i)
                threads.emplace_back([this] {
                    while (!stop.load(std::memory_order_relaxed)) {
                    }
                });
        }
        ~BusyMachine() {
            stop = true;
            for (std::thread& thread : threads)
                thread.join();
        }
    };

    // Sixty lines, line i marked at 2i s when marked, on a long song at 5 s; the window shown
    // and active, as the server's keys need it.
    static bool showSixtyLines(TestWindow& w, bool marked) {
        w.createDatabase();
        QStringList lines;
        for (int i = 1; i <= 60; ++i)
            lines << (marked ? QStringLiteral("line %1|%2").arg(i).arg(2 * i)
                             : QStringLiteral("line %1").arg(i));
        w.setSheet(lines);
        w.player->lengthMs = 300000;
        w.player->positionMs = 5000;
        w->show();
        w->activateWindow();
        return QTest::qWaitForWindowActive(&*w);
    }

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("Needs an X server: the test runs under xvfb-run.");
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("xdotool is not installed (scripts/install-deps.sh installs it).");
    }

    void marksOneLinePerPress_data() {
        QTest::addColumn<int>("marked");
        textColumns({"commands"}); // xdotool's, split at blanks
        textRow("Return held 2 s", "keydown Return sleep 2 keyup Return", 1);
        textRow("Space held 2 s", "keydown space sleep 2 keyup space", 1);
        textRow("Return tapped twice, 100 ms apart", "key --delay 100 Return Return", 2);
        textRow("Space tapped twice, 100 ms apart", "key --delay 100 space space", 2);
        // Play hands the keyboard to Mark Line while the key that pressed it is still down.
        textRow("Space held 2 s on Play", "keydown space sleep 2 keyup space", 0);
    }
    void marksOneLinePerPress() {
        QFETCH(QString, commands);
        const QStringList keys = commands.split(u' ');
        TestWindow w;
        QVERIFY(showSixtyLines(w, false));
        const bool onPlay = QString(QTest::currentDataTag()).endsWith(u"on Play");
        if (onPlay)
            w.ui.cmdPlay->setFocus();
        else
            QTest::mouseClick(w.ui.cmdPlay, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), onPlay ? w.ui.cmdPlay : w.ui.cmdMark);

        // Now and then the window itself is held up too, so repeats pile up behind it.
        QTimer stall;
        connect(&stall, &QTimer::timeout, [] {
            QElapsedTimer busy;
            busy.start();
            while (busy.elapsed() < 150) {
            }
        });
        stall.start(400);
        int presses = 0; // flagged as repeats or not
        // Counted before any filter of the program's, which follows the keys from the
        // application's.
        struct Counter : QObject {
            int& presses;
            QObject* mark;
            Counter(int& count, QObject* button) : presses(count), mark(button) {}
            bool eventFilter(QObject* watched, QEvent* event) override {
                presses += watched == mark && event->type() == QEvent::KeyPress;
                return false;
            }
        } counter(presses, w.ui.cmdMark);
        qApp->installEventFilter(&counter);
        {
            const BusyMachine busy;
            QVERIFY(xdotool(keys));
            QTest::qWait(300); // the last events reach the window
        }
        stall.stop();
        qApp->removeEventFilter(&counter);
        // The server did repeat the held key (after 250 ms, every 30 ms).
        QVERIFY2(keys[0] == QLatin1String("key") || presses > 20 || onPlay,
                 qPrintable(QString::number(presses)));
        QCOMPARE(w.playing(), true);
        int marked = 0;
        for (int row = 1; row <= w.session().sheet().count(); ++row)
            marked += !w.session().sheet().cell(row, LyricSheet::ColSecs).isEmpty();
        QTEST(marked, "marked");
    }

    // F1 held shows the list of keys and keeps it: the server's repeats are no next key.
    void f1HeldKeepsTheKeyList() {
        TestWindow w;
        QVERIFY(showSixtyLines(w, true));
        w.ui.lvLyrics->setFocus();
        QVERIFY(xdotool({"keydown", "F1", "sleep", "1", "keyup", "F1"}));
        auto* keys = w->findChild<QWidget*>(QStringLiteral("keyOverlay"));
        QVERIFY(keys);
        QTest::qWait(100);
        QVERIFY(keys->isVisible());
        QVERIFY(xdotool({"key", "Down"}));
        QTRY_VERIFY(!keys->isVisible());
    }

    // Alt+Right with the focus on the list, as the server delivers it: the line moves 0.1 s and
    // plays from just before it.
    void nudgeKeyWithTheFocusOnTheList() {
        TestWindow w;
        w.createDatabase();
        w.setSheet({"One|5", "Two|10"});
        w.player->lengthMs = 20000;
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&*w));
        w.clickRow(2);
        QCOMPARE(QApplication::focusWidget(), w.ui.lvLyrics);
        QVERIFY(xdotool({"key", "alt+Right"}));
        QVERIFY(QTest::qWaitFor([&] { return w.session().sheet().rows()[1].markMs == 10100; }));
        QCOMPARE(w.player->calls.last(), QStringLiteral("SeekPositionMs 8600"));
        QCOMPARE(w.session().sheet().selected(), 2);
    }

    // Ctrl let go before Right: the server repeats a bare Right, which hands a button's keyboard
    // on. Mark Line keeps it, and the next Space marks.
    void ctrlLetGoFirstLeavesTheKeyboardOnMark() {
        TestWindow w;
        QVERIFY(showSixtyLines(w, false));
        QTest::mouseClick(w.ui.cmdPlay, Qt::LeftButton);
        QVERIFY(xdotool({"keydown", "ctrl+Right", "sleep", "0.5", "keyup", "ctrl", "sleep", "0.5",
                         "keyup", "Right"}));
        QTest::qWait(300); // the last repeats reach the window
        QCOMPARE(QApplication::focusWidget(), w.ui.cmdMark);
        QVERIFY(xdotool({"key", "space"}));
        QVERIFY(QTest::qWaitFor(
            [&] { return !w.session().sheet().cell(1, LyricSheet::ColSecs).isEmpty(); }));
    }

    // Ctrl+Right held: each of the server's repeats seeks on, and the press after it stamps the
    // line after the last one marked by where the song ended up, whatever the cursor held.
    void seekHeldThenMarkStampsTheLineThere() {
        TestWindow w;
        QVERIFY(showSixtyLines(w, true));
        QTest::mouseClick(w.ui.cmdPlay, Qt::LeftButton);
        QVERIFY(xdotool({"keydown", "ctrl+Right", "sleep", "1", "keyup", "ctrl+Right"}));
        QTest::qWait(300); // the last repeats reach the window
        const int seconds = w.player->positionMs / 1000;
        QVERIFY2(seconds > 20 && seconds % 3 == 2, qPrintable(QString::number(seconds)));
        const int next = seconds / 2 + 1;
        QVERIFY(xdotool({"key", "space"}));
        QVERIFY(QTest::qWaitFor([&] {
            return w.session().sheet().cell(next, LyricSheet::ColSecs) == QString::number(seconds);
        }));
        for (int row = 1; row <= 60; ++row)
            if (row != next)
                QCOMPARE(w.session().sheet().cell(row, LyricSheet::ColSecs),
                         QString::number(2 * row));
    }
};

QTEST_MAIN(HeldKeyTest)
#include "tst_HeldKey.moc"
