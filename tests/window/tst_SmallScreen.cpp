#include "support/TestWindow.h"

#include "controls/KeyOverlay.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>

// The window on a screen smaller than it: a laptop's 1280 by 800 at twice the scale, as a
// person who needs large text sets it. The window stays on the screen; its controls scroll.
class SmallScreenTest : public QObject {
    Q_OBJECT

    // Whether widget is at least partly in the part of the window the scroll area shows.
    static bool inView(const QScrollArea& scroll, const QWidget& widget) {
        const QRect at(widget.mapTo(scroll.viewport(), QPoint(0, 0)), widget.size());
        return scroll.viewport()->rect().intersects(at);
    }

private slots:
    void initTestCase() {
        if (QGuiApplication::primaryScreen()->availableGeometry().width() > 700)
            QSKIP("Needs the small screen: QT_SCALE_FACTOR=2 on a 1280 by 800 one.");
    }

    void theWindowStaysOnTheScreen() {
        TestWindow w;
        w.createDatabase();
        w.setSheet({"One|1", "Two|2", "Three"});
        QVERIFY(w.shownActive());
        const QRect room = w->screen()->availableGeometry();
        QVERIFY2(room.contains(w->frameGeometry()), qPrintable(QStringLiteral("%1x%2 on %3x%4")
                                                                   .arg(w->frameGeometry().width())
                                                                   .arg(w->frameGeometry().height())
                                                                   .arg(room.width())
                                                                   .arg(room.height())));
        auto* scroll = w->findChild<QScrollArea*>(QStringLiteral("windowScroll"));
        QVERIFY(scroll);
        QVERIFY(scroll->horizontalScrollBar()->maximum() > 0 ||
                scroll->verticalScrollBar()->maximum() > 0);
        // Every control is still the window's, found where it always was.
        for (QWidget* control :
             {static_cast<QWidget*>(w.ui.lvLyrics), static_cast<QWidget*>(w.ui.cmdSave),
              static_cast<QWidget*>(w.ui.lblStatus)})
            QCOMPARE(control->window(), &*w);
    }

    // Tab reaches every control, and each one it reaches is brought into view; so is a control
    // the program moves the keyboard to.
    void theKeyboardBringsEachControlIntoView() {
        TestWindow w;
        w.createDatabase();
        w.setSheet({"One|1", "Two|2", "Three"});
        QVERIFY(w.shownActive());
        auto* scroll = w->findChild<QScrollArea*>(QStringLiteral("windowScroll"));
        QVERIFY(scroll);
        w.ui.lvLyrics->setFocus();
        QList<QWidget*> reached;
        bool scrolled = false;
        while (!reached.contains(QApplication::focusWidget()) && reached.size() < 60) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            QVERIFY2(inView(*scroll, *focus), qPrintable(focus->objectName()));
            reached << focus;
            scrolled = scrolled || scroll->horizontalScrollBar()->value() > 0 ||
                       scroll->verticalScrollBar()->value() > 0;
            press(Qt::Key_Tab);
        }
        // The last of the editing buttons, and the top right corner's.
        QVERIFY(reached.contains(w.ui.cmdLineDown));
        QVERIFY(reached.contains(w.ui.cmdClose));
        QVERIFY(scrolled);
        w.ui.lvLyrics->setFocus();
        QVERIFY(inView(*scroll, *w.ui.lvLyrics));
    }

    // The list of keys does not fit here even at its smallest font: F1 turns its pages, each
    // inside the window and every key on one of them; any other key still closes it and acts.
    void f1TurnsTheKeyListsPages() {
        TestWindow w;
        w.setSheet({"One|1", "Two|2"});
        QVERIFY(w.shownActive());
        w.clickRow(1);
        press(Qt::Key_F1);
        auto* keys = w->findChild<KeyOverlay*>(QStringLiteral("keyOverlay"));
        QVERIFY(keys && keys->isVisible());
        const KeyOverlay::Layout l = keys->layOut(keys->size());
        QVERIFY(l.pages > 1);
        QCOMPARE(l.rows.size(), keys->keys().size());
        QVERIFY(keys->rect().contains(l.frame));
        QVERIFY(l.frame.contains(l.turn));
        for (const auto& [key, does] : l.rows)
            QVERIFY(l.frame.contains(key) && l.frame.contains(does));
        QList<QImage> shown{keys->grab().toImage()};
        for (int turned = 1; turned <= l.pages; ++turned) {
            press(Qt::Key_F1);
            QVERIFY(keys->isVisible());
            QCOMPARE(keys->page(), turned % l.pages);
            shown << keys->grab().toImage();
        }
        QVERIFY(shown[1] != shown[0]);
        QCOMPARE(shown.back(), shown.front());
        press(Qt::Key_Down);
        QVERIFY(!keys->isVisible());
        QCOMPARE(w.session().sheet().selected(), 2);
    }
};

QTEST_MAIN(SmallScreenTest)
#include "tst_SmallScreen.moc"
