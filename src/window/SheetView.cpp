#include "window/frmSychLyrics.h"

#include "window/SongSlider.h"
#include "window/UpDown.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>

// ---- sheet access ---------------------------------------------------------------------------

int frmSychLyrics::rowCount() const {
    return m_sheet.count();
}

QString frmSychLyrics::cell(int position, Column column) const {
    return m_sheet.cell(position, column);
}

int frmSychLyrics::selectedRow() const {
    return m_sheet.selected();
}

void frmSychLyrics::selectRow(int position, bool scrollIntoView) {
    if (position < 1 || position > rowCount())
        return;
    const QModelIndex row = m_sheet.index(position - 1, ColNumber);
    // Making a row current scrolls to it; callers that must not scroll say so.
    const bool autoScroll = lvLyrics->hasAutoScroll();
    lvLyrics->setAutoScroll(false);
    lvLyrics->setCurrentIndex(row);
    lvLyrics->setAutoScroll(autoScroll);
    if (scrollIntoView)
        lvLyrics->scrollTo(row);
}

void frmSychLyrics::showSheetSelection(bool scrollIntoView) {
    if (const int position = m_sheet.selected(); position > 0)
        selectRow(position, scrollIntoView);
    else
        lvLyrics->clearSelection();
}

void frmSychLyrics::fillSheet(const std::vector<SheetRow>& rows) {
    m_sheet.load(rows, QStringLiteral("Load Lyrics"));
}

// ---- presentation options ----------------------------------------------------------------

void frmSychLyrics::setFullRowSelect(bool on) {
    lvLyrics->setSelectionBehavior(on ? QAbstractItemView::SelectRows
                                      : QAbstractItemView::SelectItems);
    lvLyrics->setAllColumnsShowFocus(on);
}

void frmSychLyrics::setSortByHeader(bool on) {
    // Rows are in singing order; sorting by a header would scramble them.
    lvLyrics->setSortingEnabled(on);
}

// ---- sheet procedures -----------------------------------------------------------------------

void frmSychLyrics::ShowSaveButton() {
    cmdSave->setVisible(true);
    cmdSave->setEnabled(true);
}

void frmSychLyrics::SetPlayingControls(bool playing) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             cmdInsert, cmdRemove, cmdAddLine, cmdAdjustAll, cmdAdjustSingle, txtAdjustAll,
             txtAdjustSingle, spnAdjustAll, spnAdjustSingle, cmdReset, cmdEditLyric, cmdLineDown,
             cmdLineUp, cmdSave})
        control->setEnabled(!playing);
    cmdMark->setEnabled(playing);
}

void frmSychLyrics::lvLyrics_Click() {
    if (const int position = selectedRow(); position > 0) {
        selectedLine = static_cast<std::int16_t>(position);
        lblCurrentLyric->setText(cell(position, ColLyric));
    }
    const int n = rowCount();
    if (selectedLine >= n) {
        cmdLineDown->setEnabled(false);
        cmdLineUp->setEnabled(true);
    } else if (selectedLine > 1) {
        cmdLineDown->setEnabled(true);
        cmdLineUp->setEnabled(true);
    } else {
        cmdLineUp->setEnabled(false);
        cmdLineDown->setEnabled(true);
    }
}

// ---- undo -----------------------------------------------------------------------------------

void frmSychLyrics::keyPressEvent(QKeyEvent* event) {
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
    guarded(undo ? "Undo" : "Redo", [this, undo] { undo ? UndoSheetChange() : RedoSheetChange(); });
}

void frmSychLyrics::UndoSheetChange() {
    if (picSynch->isHidden())
        return; // a sheet out of sight is not changed behind the user's back
    const QString step = m_sheet.undo();
    if (step.isEmpty()) {
        showStatus(QStringLiteral("Nothing to undo."));
        return;
    }
    showSheetSelection(true);
    ShowSaveButton();
    showStatus(QStringLiteral("Undid: ") + step);
}

void frmSychLyrics::RedoSheetChange() {
    if (picSynch->isHidden())
        return;
    const QString step = m_sheet.redo();
    if (step.isEmpty()) {
        showStatus(QStringLiteral("Nothing to redo."));
        return;
    }
    showSheetSelection(true);
    ShowSaveButton();
    showStatus(QStringLiteral("Redid: ") + step);
}
