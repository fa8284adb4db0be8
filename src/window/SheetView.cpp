#include "window/frmSychLyrics.h"

#include "controls/LyricList.h"
#include "controls/SongSlider.h"
#include "controls/UpDown.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

// ---- sheet access ---------------------------------------------------------------------------

int frmSychLyrics::rowCount() const {
    return sheet().count();
}

QString frmSychLyrics::cell(int position, Column column) const {
    return sheet().cell(position, column);
}

int frmSychLyrics::selectedRow() const {
    return sheet().selected();
}

void frmSychLyrics::showSheetSelection(bool scrollIntoView) {
    if (const int position = sheet().selected(); position > 0)
        ui.lvLyrics->selectPosition(position, scrollIntoView);
    else
        ui.lvLyrics->clearSelection();
}

// ---- presentation options ----------------------------------------------------------------

void frmSychLyrics::setFullRowSelect(bool on) {
    ui.lvLyrics->setSelectionBehavior(on ? QAbstractItemView::SelectRows
                                         : QAbstractItemView::SelectItems);
    ui.lvLyrics->setAllColumnsShowFocus(on);
}

void frmSychLyrics::setSortByHeader(bool on) {
    // Rows are in singing order; sorting by a header would scramble them.
    ui.lvLyrics->setSortingEnabled(on);
}

// ---- sheet procedures -----------------------------------------------------------------------

void frmSychLyrics::ShowSaveButton() {
    ui.cmdSave->setVisible(true);
    ui.cmdSave->setEnabled(true);
}

void frmSychLyrics::SetPlayingControls(bool playing) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui.cmdInsert, ui.cmdRemove, ui.cmdAddLine, ui.cmdAdjustAll, ui.cmdAdjustSingle,
             ui.txtAdjustAll, ui.txtAdjustSingle, ui.spnAdjustAll, ui.spnAdjustSingle, ui.cmdReset,
             ui.cmdEditLyric, ui.cmdLineDown, ui.cmdLineUp, ui.cmdSave})
        control->setEnabled(!playing);
    ui.cmdMark->setEnabled(playing);
}

void frmSychLyrics::lvLyrics_Click() {
    if (const int position = selectedRow(); position > 0) {
        m_selectedLine = static_cast<std::int16_t>(position);
        ui.lblCurrentLyric->setText(cell(position, ColLyric));
    }
    const int n = rowCount();
    if (m_selectedLine >= n) {
        ui.cmdLineDown->setEnabled(false);
        ui.cmdLineUp->setEnabled(true);
    } else if (m_selectedLine > 1) {
        ui.cmdLineDown->setEnabled(true);
        ui.cmdLineUp->setEnabled(true);
    } else {
        ui.cmdLineUp->setEnabled(false);
        ui.cmdLineDown->setEnabled(true);
    }
}

// ---- undo -----------------------------------------------------------------------------------

void frmSychLyrics::keyPressEvent(QKeyEvent* event) {
    if (exportKeyPressed(event))
        return;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool undo = modifiers == Qt::ControlModifier && event->key() == Qt::Key_Z;
    const bool redo =
        (modifiers == (Qt::ControlModifier | Qt::ShiftModifier) && event->key() == Qt::Key_Z) ||
        (modifiers == Qt::ControlModifier && event->key() == Qt::Key_Y);
    // A text box keeps its own undo, even for a key it did not take itself.
    QWidget* focus = focusWidget();
    if (!(undo || redo) || qobject_cast<QLineEdit*>(focus) ||
        qobject_cast<QPlainTextEdit*>(focus)) {
        QWidget::keyPressEvent(event);
        return;
    }
    guarded(undo ? "Undo" : "Redo", [this, undo] { stepThroughHistory(undo); });
}

void frmSychLyrics::stepThroughHistory(bool back) {
    if (ui.picSynch->isHidden())
        return; // a sheet out of sight is not changed behind the user's back
    const QString step = back ? sheet().undo() : sheet().redo();
    if (step.isEmpty()) {
        showStatus(back ? QStringLiteral("Nothing to undo.") : QStringLiteral("Nothing to redo."));
        return;
    }
    showSheetSelection(true);
    ShowSaveButton();
    showStatus((back ? QStringLiteral("Undid: ") : QStringLiteral("Redid: ")) + step);
}
