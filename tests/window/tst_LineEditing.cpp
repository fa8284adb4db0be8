#include "support/TestWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

// The editing buttons as the user meets them: the model's rules are tested on the model, so
// these check what the window adds — the selection shown, Save offered, the status line.
namespace {
const QStringList abc = {"a|1", "b", "c|3"};
const QString a = QStringLiteral("a|0:01|1"), b = QStringLiteral("b||"),
              c = QStringLiteral("c|0:03|3");
} // namespace

class LineEditingTest : public QObject {
    Q_OBJECT
private slots:
    void buttonsChangeTheSheet_data() {
        QTest::addColumn<int>("rows"); // the sheet: abc, or that many "x" rows
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("answers"); // for the input box
        QTest::addColumn<QStringList>("after");   // the sheet (from row 200 of 200 rows)
        QTest::addColumn<int>("selectedAfter");
        QTest::addColumn<QString>("said"); // on the status line
        QTest::newRow("add to an empty sheet")
            << 0 << "cmdAddLine" << 0 << QStringList{} << QStringList{"1|||"} << 1 << "";
        QTest::newRow("add to 200 lines, scrolled into view")
            << 200 << "cmdAddLine" << 200 << QStringList{} << QStringList{"200|x||", "201|||"}
            << 201 << "";
        QTest::newRow("insert above the first")
            << 3 << "cmdInsert" << 1 << QStringList{}
            << QStringList{"1|||", "2|" + a, "3|" + b, "4|" + c} << 2 << "";
        // The two that take work away say so, with the way back: the focus stays on them.
        QTest::newRow("remove a middle line")
            << 3 << "cmdRemove" << 2 << QStringList{} << QStringList{"1|" + a, "2|" + c} << 2
            << "Removed line 2, \"b\"; Ctrl+Z brings it back.";
        QTest::newRow("remove the last of 200")
            << 200 << "cmdRemove" << 200 << QStringList{} << QStringList{} << 0
            << "Removed line 200, \"x\"; Ctrl+Z brings it back.";
        QTest::newRow("clear the times")
            << 3 << "cmdReset" << 2 << QStringList{} << QStringList{"1|a||", "2|" + b, "3|c||"} << 2
            << "Cleared the times of 2 lines; Ctrl+Z brings them back.";
        QTest::newRow("edit, answered") << 3 << "cmdEditLyric" << 2 << QStringList{"B"}
                                        << QStringList{"1|" + a, "2|B||", "3|" + c} << 2 << "";
    }
    void buttonsChangeTheSheet() {
        QFETCH(int, rows);
        QFETCH(int, selected);
        QFETCH(QStringList, answers);
        TestWindow w;
        w.setSheet(rows == 3 ? abc : QStringList(rows, QStringLiteral("x")));
        QVERIFY(w.shown());
        w.select(selected);
        w.inputAnswers = answers;
        QFETCH(QString, button);
        QTest::mouseClick(w->findChild<QPushButton*>(button), Qt::LeftButton);
        QTEST(w.sheet().mid(rows == 200 ? 199 : 0), "after");
        QTEST(w.session().sheet().selected(), "selectedAfter");
        if (const int shown = w.session().sheet().selected()) {
            const QModelIndex row = w.session().sheet().index(shown - 1, 0);
            QCOMPARE(w.ui.lvLyrics->currentIndex().row(), shown - 1);
            QVERIFY(w.ui.lvLyrics->viewport()->rect().contains(w.ui.lvLyrics->visualRect(row)));
        }
        QVERIFY(!w.ui.cmdSave->isHidden() && w.ui.cmdSave->isEnabled());
        QTEST(w.ui.lblStatus->text(), "said");
        // The label under the list shows the line selected now, not one removed or old text.
        const int shown = w.session().sheet().selected();
        QCOMPARE(w.ui.lblCurrentLyric->text(),
                 shown > 0 ? w.session().sheet().cell(shown, LyricSheet::ColLyric) : QString());
        w.ui.lvLyrics->setFocus();
        QTest::keyClick(w.ui.lvLyrics, Qt::Key_Z, Qt::ControlModifier);
        const int undone = w.session().sheet().selected();
        QCOMPARE(w.ui.lblCurrentLyric->text(),
                 undone > 0 ? w.session().sheet().cell(undone, LyricSheet::ColLyric) : QString());
    }

    void aCancelledOrEmptyEditKeepsTheLyric() {
        for (const QStringList& answers : {QStringList{}, QStringList{""}, QStringList{"b"}}) {
            TestWindow w;
            w.setSheet(abc);
            w.select(2);
            w.inputAnswers = answers;
            w.ui.cmdEditLyric->click();
            QCOMPARE(w.inputRequests, QStringList{"Edit Selected Lyric:|Edit Selected Lyric|b"});
            QCOMPARE(w.sheet(), QStringList({"1|" + a, "2|" + b, "3|" + c}));
            QVERIFY(w.ui.cmdSave->isEnabled()); // offered after any edit, as before
        }
    }

    void fullSheetTakesNoMoreLines() {
        TestWindow w;
        w.session().sheet().load(std::vector<SheetRow>(LyricSheet::kMaxRows),
                                 QStringLiteral("Load Lyrics"));
        w.select(5);
        for (QPushButton* button : {w.ui.cmdAddLine, w.ui.cmdInsert}) {
            w.ui.lblStatus->clear();
            button->click();
            QCOMPARE(w.session().sheet().count(), 32767);
            QVERIFY(w.ui.lblStatus->text().contains(QStringLiteral("32767 lines")));
        }
        QVERIFY(!w.ui.cmdSave->isEnabled());
    }

    void needsASelectedLine() {
        for (const char* button : {"cmdInsert", "cmdRemove", "cmdEditLyric", "cmdLineUp",
                                   "cmdLineDown", "cmdAdjustSingle"})
            for (const QStringList& rows : {QStringList{}, abc}) {
                TestWindow w;
                w.setSheet(rows);
                const QStringList before = w.sheet();
                w->findChild<QPushButton*>(QLatin1String(button))->click();
                QVERIFY2(w.sheet() == before && w.session().sheet().selected() == 0, button);
                QVERIFY2(w.inputRequests.isEmpty() && !w.ui.cmdSave->isEnabled(), button);
                QVERIFY2(w.ui.lblStatus->text().endsWith(rows.isEmpty()
                                                             ? ": the sheet has no lines."
                                                             : ": select a line first."),
                         qPrintable(w.ui.lblStatus->text()));
            }
    }

    void doubleClickEditsEvenWhilePlaying() {
        TestWindow w;
        w.setSheet(abc);
        QVERIFY(w.shown());
        w.createDatabase();
        w.ui.cmdPlay->click();
        QVERIFY(w.playing() && w.ui.cmdMark->isEnabled());
        w.inputAnswers << QStringLiteral("sung");
        const QPoint row = w.ui.lvLyrics->visualRect(w.session().sheet().index(1, 0)).center();
        QTest::mouseClick(w.ui.lvLyrics->viewport(), Qt::LeftButton, {}, row);
        QCOMPARE(w.ui.lblCurrentLyric->text(), QStringLiteral("b")); // the click's handler ran
        QTest::mouseDClick(w.ui.lvLyrics->viewport(), Qt::LeftButton, {}, row);
        QCOMPARE(w.sheet().at(1), QStringLiteral("2|sung||"));
    }

    void movesTheSelectionOnly_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("to");
        QTest::newRow("down") << 3 << 1 << "cmdLineDown" << 2;
        QTest::newRow("down from the last") << 3 << 3 << "cmdLineDown" << 3;
        QTest::newRow("up") << 3 << 3 << "cmdLineUp" << 2;
        QTest::newRow("up to the first") << 3 << 2 << "cmdLineUp" << 1;
        QTest::newRow("up in a one-line sheet") << 1 << 1 << "cmdLineUp" << 1;
    }
    void movesTheSelectionOnly() {
        QFETCH(int, rows);
        QFETCH(int, from);
        QFETCH(QString, button);
        QFETCH(int, to);
        TestWindow w;
        w.setSheet(abc.mid(0, rows));
        const QStringList before = w.sheet();
        w.select(from);
        w->findChild<QPushButton*>(button)->click();
        QCOMPARE(w.session().sheet().selected(), to);
        QCOMPARE(w.ui.lblCurrentLyric->text(), w.session().sheet().cell(to, LyricSheet::ColLyric));
        QCOMPARE(w.ui.cmdLineDown->isEnabled(), to < rows);
        QCOMPARE(w.ui.cmdLineUp->isEnabled(), to > 1 || rows == 1); // as it always was
        QCOMPARE(w.sheet(), before);
    }
};

QTEST_MAIN(LineEditingTest)
#include "tst_LineEditing.moc"
