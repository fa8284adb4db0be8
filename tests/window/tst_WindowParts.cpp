#include "support/TestSession.h"
#include "support/TestWindow.h"

#include "controls/LyricList.h"
#include "controls/UpDown.h"
#include "window/AdjustControls.h"
#include "window/Controls.h"
#include "window/SheetPanel.h"
#include "window/StatusLine.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// The sheet panel's controls, which the window's layout would take, go with holder.
void adopt(QWidget& holder, const WindowControls& ui) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui.picSynch, ui.lvLyrics, ui.lblCurrentLyric, ui.cmdReset, ui.cmdInsert, ui.cmdAddLine,
             ui.cmdRemove, ui.cmdAdjustSingle, ui.txtAdjustSingle, ui.spnAdjustSingle,
             ui.cmdAdjustAll, ui.txtAdjustAll, ui.spnAdjustAll, ui.cmdEditLyric, ui.cmdLineUp,
             ui.cmdLineDown, ui.cmdSave})
        control->setParent(&holder);
}

} // namespace

// The window's parts on their own, without the window around them.
class WindowPartsTest : public QObject {
    Q_OBJECT

private slots:
    // A save's words stay while the analysis reports progress; its outcome is added after
    // them, and what the analysis wrote alone it replaces and takes back.
    void statusLineKeepsOtherWordsWhileProgressArrives() {
        StatusLine status;
        status.show("Saved Song.xml: 3 lines, 1 marked");
        status.showAnalysis("Suggesting times\u2026 40 %");
        QCOMPARE(status.text(), "Saved Song.xml: 3 lines, 1 marked");
        status.showAnalysis("Suggested times: 2 lines");
        QCOMPARE(status.text(),
                 "Saved Song.xml: 3 lines, 1 marked  \u00B7  Suggested times: 2 lines");
        status.showAnalysis("Suggesting times\u2026 10 %"); // a new analysis: its own line
        QCOMPARE(status.text(), "Suggesting times\u2026 10 %");
        status.showAnalysis("Suggesting times\u2026 60 %");
        QCOMPARE(status.text(), "Suggesting times\u2026 60 %");
        status.showAnalysis(QString()); // ended well: its words go
        QCOMPARE(status.text(), QString());
        status.show("Undid: Mark Line at 0:12");
        status.showAnalysis(QString()); // nothing of its own to take back
        QCOMPARE(status.text(), "Undid: Mark Line at 0:12");
    }

    void statusLineAddsAfterWhatIsShown() {
        StatusLine status;
        status.add("Song.lrc lies beside the song");
        QCOMPARE(status.text(), "Song.lrc lies beside the song");
        status.show(" No Lyrics Found For  -  a.mp3 ");
        status.add("offer");
        QCOMPARE(status.text(), "No Lyrics Found For  -  a.mp3  \u00B7  offer");
    }

    // A failure ends the handler where it happens and is shown, whatever was thrown.
    void aGuardedFailureIsShownAndEndsTheHandler() {
        StatusLine status;
        bool after = false;
        status.guard("Save", [&] {
            throw VersettaError("Cannot write /music/a.xml: permission denied");
            after = true;
        });
        QVERIFY(!after);
        QCOMPARE(status.text(), "Cannot write /music/a.xml: permission denied");
        status.guard("Stop", [] { throw 42; });
        QCOMPARE(status.text(), "Stop failed unexpectedly.");
        QPushButton button;
        status.onClick(&button, "Remove Line", [] { throw VersettaError("the sheet is empty"); });
        button.click();
        QCOMPARE(status.text(), "the sheet is empty");
    }

    // A tap-along takes every editing control off and gives each back the state it had,
    // so the adjustments of a sheet of unsaved text lines stay off after it.
    void theSheetPanelGivesEachControlItsStateBack() {
        TestSession t;
        StatusLine status;
        SheetPanel panel(t.session, status, {}, nullptr);
        WindowControls ui;
        panel.place(ui);
        QWidget holder;
        adopt(holder, ui);
        panel.showUnsaved();
        const QList<QWidget*> off{ui.cmdAdjustSingle, ui.cmdAdjustAll,    ui.txtAdjustSingle,
                                  ui.txtAdjustAll,    ui.spnAdjustSingle, ui.spnAdjustAll,
                                  ui.cmdSave};
        const QList<QWidget*> on{ui.cmdInsert,    ui.cmdRemove, ui.cmdAddLine, ui.cmdReset,
                                 ui.cmdEditLyric, ui.cmdLineUp, ui.cmdLineDown};
        panel.holdForTapAlong();
        for (QWidget* control : off + on)
            QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
        panel.releaseAfterTapAlong();
        for (QWidget* control : off)
            QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
        for (QWidget* control : on)
            QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
        // A second tap-along starts from the states as they are now, not the first one's.
        panel.showLoaded();
        panel.holdForTapAlong();
        panel.releaseAfterTapAlong();
        QVERIFY(ui.cmdAdjustAll->isEnabled());
        QVERIFY(!ui.cmdSave->isEnabled());
    }
};

QTEST_MAIN(WindowPartsTest)
#include "tst_WindowParts.moc"
