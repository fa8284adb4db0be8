#include "window/frmSychLyrics.h"

#include "controls/LyricList.h"

#include <QLabel>

// A handler that needs a selected row gets its position here; with none it says why in the
// status line and gets 0, so no handler fails on an empty sheet or a cleared selection.
int frmSychLyrics::RequireSelectedRow(const QString& action) {
    if (rowCount() == 0) {
        showStatus(action + QStringLiteral(": the sheet has no lines."));
        return 0;
    }
    const int position = selectedRow();
    if (position == 0)
        showStatus(action + QStringLiteral(": select a line first."));
    return position;
}

bool frmSychLyrics::SheetHasRoomFor(const QString& action) {
    if (sheet().hasRoom())
        return true;
    showStatus(action + QStringLiteral(": the sheet already holds %1 lines, the most it "
                                       "can hold. Remove a line first.")
                            .arg(LyricSheet::kMaxRows));
    return false;
}

void frmSychLyrics::cmdAddLine_Click() {
    if (!SheetHasRoomFor(QStringLiteral("Add Line To End")))
        return;
    sheet().addLine();
    showSheetSelection(true);
    ShowSaveButton();
}

void frmSychLyrics::cmdInsert_Click() {
    const int p = RequireSelectedRow(QStringLiteral("Insert Line"));
    if (p == 0 || !SheetHasRoomFor(QStringLiteral("Insert Line")))
        return;
    sheet().insertLine();
    showSheetSelection(false);
    ShowSaveButton();
}

void frmSychLyrics::cmdRemove_Click() {
    const int p = RequireSelectedRow(QStringLiteral("Remove Line"));
    if (p == 0)
        return;
    // After the last row there is nothing to move up into its place: no selection is left
    // rather than one the list picked on its own.
    sheet().removeLine();
    showSheetSelection(false);
    ShowSaveButton();
}

void frmSychLyrics::EditSelectedLyric() {
    const int p = RequireSelectedRow(QStringLiteral("Edit Selected Lyric"));
    if (p == 0)
        return;
    const QString old = cell(p, ColLyric);
    const QString answer = m_platform.inputBox(QStringLiteral("Edit Selected Lyric:"),
                                               QStringLiteral("Edit Selected Lyric"), old);
    // Cancel answers "" too, so a lyric cannot be emptied here; blank lines are added instead.
    if (!answer.isEmpty())
        sheet().editLyric(answer);
    ShowSaveButton();
}

void frmSychLyrics::cmdEditLyric_Click() {
    EditSelectedLyric();
}

void frmSychLyrics::lvLyrics_DblClick() {
    EditSelectedLyric();
}

void frmSychLyrics::cmdLineDown_Click() {
    const int p = RequireSelectedRow(QStringLiteral("Move Down 1 Line"));
    if (p == 0)
        return;
    if (p < rowCount())
        ui.lvLyrics->selectPosition(p + 1, true);
    lvLyrics_Click();
}

void frmSychLyrics::cmdLineUp_Click() {
    const int p = RequireSelectedRow(QStringLiteral("Move Up 1 Line"));
    if (p == 0)
        return;
    if (p > 1)
        ui.lvLyrics->selectPosition(p - 1, true);
    lvLyrics_Click();
}
