#include "support/Files.h"
#include "support/TestWindow.h"

#include "controls/WordStrip.h"
#include "session/SongSession.h"
#include "sheet/LyricSheet.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

// Every object a screen reader would read in the tree under iface, as "role name: path".
void walk(QAccessibleInterface* iface, const QString& path, QStringList& unnamed, int depth = 0) {
    if (!iface || depth > 40 || iface->state().invisible)
        return;
    static const QList<QAccessible::Role> read{
        QAccessible::PushButton, QAccessible::EditableText, QAccessible::StaticText,
        QAccessible::Slider,     QAccessible::List,         QAccessible::Tree,
        QAccessible::Table,      QAccessible::ListItem,     QAccessible::Grouping,
        QAccessible::SpinBox,    QAccessible::Window,       QAccessible::Client};
    const QString here = path + '/' + (iface->object() ? iface->object()->objectName() : "");
    if (read.contains(iface->role()) && iface->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << QStringLiteral("role %1 at %2").arg(int(iface->role())).arg(here);
    // A table's cells are many and are named by the model; the column headers are read too.
    if (iface->role() == QAccessible::Tree || iface->role() == QAccessible::Table)
        return;
    for (int i = 0; i < iface->childCount(); ++i)
        walk(iface->child(i), here, unnamed, depth + 1);
}

// Right-clicks the window at at (the window's coordinates), as the desktop delivers it; the menu
// that opens, or null, and its entries' texts.
QMenu* contextMenuAt(const TestWindow& w, QPoint at, QStringList& entries) {
    QTest::mouseClick(w.window->windowHandle(), Qt::RightButton, {}, at);
    if (!QTest::qWaitFor([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }))
        return nullptr;
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    for (QAction* action : menu->actions())
        if (!action->isSeparator())
            entries << action->text();
    return menu;
}

} // namespace

// What a screen reader reads of the window, through Qt's own accessibility interfaces.
class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasANameAndADescription() {
        TestWindow w;
        QVERIFY(w.shown());
        QStringList unnamed;
        for (QWidget* widget : w.window->findChildren<QWidget*>()) {
            const QString name = widget->objectName();
            if (name.isEmpty() || name.startsWith("qt_"))
                continue; // Qt's own parts of a control, read through the control
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(iface, qPrintable(name));
            if (iface->text(QAccessible::Name).trimmed().isEmpty())
                unnamed << name;
            const bool plainLabel = iface->role() == QAccessible::StaticText ||
                                    iface->role() == QAccessible::Separator ||
                                    name.startsWith("Line") || name.startsWith("Label");
            if (!plainLabel && widget->accessibleDescription().isEmpty())
                unnamed << name + " (no description)";
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
        QStringList tree;
        walk(QAccessible::queryAccessibleInterface(w.window.get()), QString(), tree);
        QVERIFY2(tree.isEmpty(), qPrintable(tree.join(", ")));
        QCOMPARE(QAccessible::queryAccessibleInterface(w.ui.cmdOpen)->text(QAccessible::Name),
                 "Open a song");
    }

    // A suggested time is read as one, and a doubted mark with its doubt, not as bare times.
    void cellsSayWhatKindOfTimeTheyHold() {
        TestWindow w;
        w.setSheet({"one", "two|9", "three|12"});
        w.session().sheet().setHints({{17000, true, {}}, {}, {-1, false, "marked 2.7 s later"}});
        QVERIFY(w.shown());
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(w.ui.lvLyrics);
        QVERIFY(list && list->tableInterface());
        const auto cellName = [list](int row, int column) {
            QAccessibleInterface* cell = list->tableInterface()->cellAt(row, column);
            return cell ? cell->text(QAccessible::Name) : QStringLiteral("(none)");
        };
        QCOMPARE(cellName(0, LyricSheet::ColTime), "suggested 0:17");
        QCOMPARE(cellName(1, LyricSheet::ColTime), "0:09");
        QCOMPARE(cellName(2, LyricSheet::ColTime), "0:12, doubtful: marked 2.7 s later");
        QCOMPARE(cellName(0, LyricSheet::ColLyric), "one");
    }

    // The current line during playback and the status line's news reach a screen reader as
    // the labels' names: Qt tells it of each change of a name (NameChanged).
    void theCurrentLineAndTheStatusAreAnnounced() {
        TestWindow w;
        const QTemporaryDir music;
        w.createDatabase();
        w.open(music.filePath("Song.mp3"));
        w.setSheet({"first line|1", "second line|4"});
        const auto name = [](QWidget* widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        };
        QCOMPARE(name(w.ui.lblCurrentLyric), "Current line");
        w.ui.cmdSave->setEnabled(true);
        w.ui.cmdSave->click();
        QCOMPARE(name(w.ui.lblStatus), "Saved Song.xml: 2 lines, 2 marked");
        w.player->lengthMs = 60000;
        w.ui.cmdPlay->click();
        w.tickAt(4200);
        QCOMPARE(name(w.ui.lblCurrentLyric), "second line");
        w.tickAt(1500);
        QCOMPARE(name(w.ui.lblCurrentLyric), "first line");
        w.ui.cmdStop->click();
        QCOMPARE(name(w.ui.lblCurrentLyric), "Current line");
    }

    // Before a song, the list says how to open one, in place of empty rows.
    void anEmptyListSaysHowToOpenASong() {
        TestWindow w;
        QVERIFY(w.shown());
        QCOMPARE(w.ui.lvLyrics->emptyHint(), "Open a song (Ctrl+O) or drop one here");
        const QImage withHint = w.ui.lvLyrics->viewport()->grab().toImage();
        w.ui.lvLyrics->setEmptyHint(QString());
        const QImage without = w.ui.lvLyrics->viewport()->grab().toImage();
        QVERIFY(withHint != without);
        const QTemporaryDir music;
        w.open(music.filePath("Song.mp3"));
        QVERIFY(w.ui.lvLyrics->emptyHint().contains("Ctrl+L adds one"));
    }

    // A right click on a line lists what can be done with it, each with its key, and an
    // entry chosen with the keys does it.
    void theListsMenuNamesTheKeysAndActs() {
        TestWindow w;
        w.setSheet({"one|1", "two|2", "three"});
        QVERIFY(w.shown());
        const QModelIndex row = w.session().sheet().index(1, LyricSheet::ColLyric);
        // Through the window, as the desktop delivers a click: a right press there is what
        // asks for a context menu.
        const QPoint at = w.ui.lvLyrics->viewport()->mapTo(w.window.get(),
                                                           w.ui.lvLyrics->visualRect(row).center());
        QStringList entries;
        QMenu* menu = contextMenuAt(w, at, entries);
        QVERIFY(menu);
        for (const char* expected :
             {"Insert Line\tIns", "Remove Line\tDel", "Accept the suggested time\tCtrl+G",
              "Replay the line to mark it again\tCtrl+R", "0.1 s earlier\tAlt+Left", "Undo\tCtrl+Z",
              "Every key\tF1"})
            QVERIFY2(entries.contains(expected), qPrintable(entries.join(" | ")));
        QTest::keyClick(menu, Qt::Key_Down); // the first entry: Insert Line
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCOMPARE(w.session().sheet().count(), 4);
        QCOMPARE(w.session().sheet().cell(2, LyricSheet::ColLyric), QString());
        QCOMPARE(w.session().sheet().cell(3, LyricSheet::ColLyric), "two");
    }

    // The word strip's menu holds the word keys, and an entry does what its key does.
    void theWordStripsMenuNamesTheWordKeys() {
        TestWindow w;
        w.setSheet({"One two|", "Three|"});
        QVERIFY(w.shownActive());
        w.ui.lvLyrics->setFocus();
        QTest::keyClick(w.ui.lvLyrics, Qt::Key_W, Qt::ControlModifier);
        w.clickRow(1);
        QTRY_VERIFY(w.ui.wordStrip->isVisible());
        const QPoint at = w.ui.wordStrip->mapTo(w.window.get(), w.ui.wordStrip->rect().center());
        QStringList entries;
        QMenu* menu = contextMenuAt(w, at, entries);
        QVERIFY(menu);
        QVERIFY2(entries.contains("Word marking on or off\tCtrl+W") &&
                     entries.contains("The selected word 0.1 s later\tAlt+Right"),
                 qPrintable(entries.join(" | ")));
        QTest::keyClick(menu, Qt::Key_Down); // the first entry: word marking off
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QVERIFY2(w.ui.lblStatus->text().startsWith("Word marking is off"),
                 qPrintable(w.ui.lblStatus->text()));
    }

    // The word strip's words are items a reader can step through, each with its time.
    void theWordStripExposesItsWords() {
        TestWindow w;
        auto* strip = new WordStrip;
        strip->resize(400, 56);
        strip->setWords({{"Hello", 12340}, {"world", -1}}, 12000, 15000);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(strip);
        QVERIFY(iface);
        QCOMPARE(iface->childCount(), 2);
        QCOMPARE(iface->child(0)->text(QAccessible::Name), "Hello, 0:12.34");
        QCOMPARE(iface->child(1)->text(QAccessible::Name), "world, not marked yet");
        QCOMPARE(iface->indexOfChild(iface->child(1)), 1);
        strip->setWords({{"Bye", 13000}}, 12000, 15000);
        QCOMPARE(iface->childCount(), 1);
        QCOMPARE(iface->child(0)->text(QAccessible::Name), "Bye, 0:13.00");
        delete strip;
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_Accessibility.moc"
