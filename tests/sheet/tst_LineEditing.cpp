#include "support/TestWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

namespace {
const QStringList abc = {"a|1", "b", "c|3"};
const QString a = QStringLiteral("a|0:01|1"), b = QStringLiteral("b||"),
              c = QStringLiteral("c|0:03|3");
} // namespace

class LineEditingTest : public QObject {
    Q_OBJECT
private slots:
    void addsALineAtTheEndAndShowsIt() {
        TestWindow w;
        w->show();
        w->ui.cmdAddLine->click(); // empty sheet
        QCOMPARE(w.sheet(), QStringList{"1|||"});
        w.setSheet(QStringList(200, QStringLiteral("x")));
        w->ui.cmdAddLine->click();
        QCOMPARE(w.sheet().mid(199), QStringList({"200|x||", "201|||"}));
        QCOMPARE(w->sheet().selected(), 201);
        const QRect added = w->ui.lvLyrics->visualRect(w->sheet().index(200, 0));
        QVERIFY(w->ui.lvLyrics->viewport()->rect().contains(added));
        QVERIFY(w->ui.cmdSave->isEnabled());
    }

    void insertsAboveTheSelectedLine() {
        for (const auto& [selected, twice] :
             {std::pair{1, QStringList{"1|||", "2|||", "3|" + a, "4|" + b, "5|" + c}},
              std::pair{3, QStringList{"1|" + a, "2|" + b, "3|||", "4|||", "5|" + c}}}) {
            TestWindow w;
            w.setSheet(abc);
            w.select(selected);
            w->ui.cmdInsert->click();
            w->ui.cmdInsert->click();
            QCOMPARE(w.sheet(), twice);
            QCOMPARE(w->sheet().selected(), selected + 2);
            QCOMPARE(w->sheet().lineOffset(), 2);
            QVERIFY(w->ui.cmdSave->isEnabled());
            w->sheet().setMarkCursor(0, 32767); // must not wrap around
            w->ui.cmdInsert->click();
            QCOMPARE(w->sheet().lineOffset(), 32767);
        }
    }

    void removesTheSelectedLine() {
        for (const auto& [rows, selected, after, selectedAfter] :
             {std::tuple{abc, 2, QStringList{"1|" + a, "2|" + c}, 2},
              std::tuple{abc, 3, QStringList{"1|" + a, "2|" + b}, 0},
              std::tuple{QStringList{"a|1"}, 1, QStringList{}, 0}}) {
            TestWindow w;
            w.setSheet(rows);
            w->sheet().setMarkCursor(0, 2);
            w.select(selected);
            w->ui.cmdRemove->click();
            QCOMPARE(w.sheet(), after);
            QCOMPARE(w->sheet().selected(), selectedAfter);
            QCOMPARE(w->sheet().lineOffset(), 2);
            QVERIFY(w->ui.cmdSave->isEnabled());
        }
    }

    void fullSheetTakesNoMoreLines() {
        TestWindow w;
        w->sheet().load(std::vector<SheetRow>(frmSychLyrics::kMaxRows),
                        QStringLiteral("Load Lyrics"));
        w.select(5);
        for (QPushButton* button : {w->ui.cmdAddLine, w->ui.cmdInsert}) {
            w->ui.lblStatus->clear();
            button->click();
            QCOMPARE(w->sheet().count(), 32767);
            QVERIFY(w->ui.lblStatus->text().contains(QStringLiteral("32767 lines")));
        }
        QCOMPARE(w->sheet().lineOffset(), 0);
        QVERIFY(!w->ui.cmdSave->isEnabled());
    }

    void needsASelectedLine() {
        for (const char* button : {"cmdInsert", "cmdRemove", "cmdEditLyric", "cmdLineUp",
                                   "cmdLineDown", "cmdAdjustSingle"})
            for (const QStringList& rows : {QStringList{}, abc}) {
                TestWindow w;
                w.setSheet(rows);
                const QStringList before = w.sheet();
                w->findChild<QPushButton*>(QLatin1String(button))->click();
                QVERIFY2(w.sheet() == before && w->sheet().selected() == 0, button);
                QVERIFY2(w.inputRequests.isEmpty() && !w->ui.cmdSave->isEnabled(), button);
                QVERIFY2(!w->ui.lblStatus->text().isEmpty(), button);
            }
    }

    void editsTheSelectedLyric() {
        for (const auto& [answers, lyric] : {std::pair{QStringList{}, "ABC"},
                                             {QStringList{""}, "ABC"},
                                             {QStringList{"ABC"}, "ABC"},
                                             {QStringList{"abc"}, "abc"},
                                             {QStringList{" "}, " "}}) {
            TestWindow w;
            w.setSheet({"x|1", "ABC|12"});
            w.select(2);
            w.inputAnswers = answers;
            w->ui.cmdEditLyric->click();
            QCOMPARE(w.inputRequests, QStringList{"Edit Selected Lyric:|Edit Selected Lyric|ABC"});
            QCOMPARE(w.sheet(), QStringList({"1|x|0:01|1", "2|" + QString(lyric) + "|0:12|12"}));
            QCOMPARE(w->sheet().selected(), 2);
            QVERIFY(!w->ui.cmdSave->isHidden() && w->ui.cmdSave->isEnabled());
        }
    }

    void doubleClickEditsEvenWhilePlaying() {
        TestWindow w;
        w.setSheet(abc);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(&*w));
        w->state.isPlaying = true;
        w->SetPlayingControls(true);
        w.inputAnswers << QStringLiteral("sung");
        const QPoint row = w->ui.lvLyrics->visualRect(w->sheet().index(1, 0)).center();
        QTest::mouseClick(w->ui.lvLyrics->viewport(), Qt::LeftButton, {}, row);
        QCOMPARE(w->state.selectedLine, 2); // the click reaches its handler too
        QTest::mouseDClick(w->ui.lvLyrics->viewport(), Qt::LeftButton, {}, row);
        QCOMPARE(w.sheet().at(1), QStringLiteral("2|sung||"));
    }

    void movesTheSelectionOnly() {
        // rows, from, button, to; the buttons' states follow the click rule tested with the window
        for (const auto& [rows, from, button, to] : {std::tuple{3, 1, "cmdLineDown", 2},
                                                     {3, 3, "cmdLineDown", 3},
                                                     {3, 3, "cmdLineUp", 2},
                                                     {3, 1, "cmdLineUp", 1},
                                                     {1, 1, "cmdLineUp", 1}}) {
            TestWindow w;
            w.setSheet(abc.mid(0, rows));
            const QStringList before = w.sheet();
            w.select(from);
            w->findChild<QPushButton*>(QLatin1String(button))->click();
            QCOMPARE(w->sheet().selected(), to);
            QCOMPARE(w->state.selectedLine, to);
            QCOMPARE(w->ui.lblCurrentLyric->text(), w->sheet().cell(to, frmSychLyrics::ColLyric));
            QCOMPARE(w->ui.cmdLineDown->isEnabled(), to < rows);
            QCOMPARE(w.sheet(), before);
        }
    }
};

QTEST_MAIN(LineEditingTest)
#include "tst_LineEditing.moc"
