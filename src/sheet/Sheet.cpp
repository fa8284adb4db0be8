#include "window/frmSychLyrics.h"

#include "playback/SongSlider.h"
#include "sheet/UpDown.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

// ---- sheet access ---------------------------------------------------------------------------

QTreeWidgetItem* frmSychLyrics::item(int position) const {
    if (position < 1 || position > lvLyrics->topLevelItemCount())
        return nullptr;
    return lvLyrics->topLevelItem(position - 1);
}

int frmSychLyrics::rowCount() const {
    return lvLyrics->topLevelItemCount();
}

QString frmSychLyrics::cell(int position, Column column) const {
    const QTreeWidgetItem* row = item(position);
    return row ? row->text(column) : QString();
}

void frmSychLyrics::setCell(int position, Column column, const QString& text) {
    if (QTreeWidgetItem* row = item(position))
        row->setText(column, text);
}

int frmSychLyrics::selectedRow() const {
    const QModelIndexList rows = lvLyrics->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.first().row() + 1;
}

void frmSychLyrics::selectRow(int position, bool scrollIntoView) {
    QTreeWidgetItem* row = item(position);
    if (!row)
        return;
    // Making a row current scrolls to it; callers that must not scroll say so.
    const bool autoScroll = lvLyrics->hasAutoScroll();
    lvLyrics->setAutoScroll(false);
    lvLyrics->setCurrentItem(row);
    lvLyrics->setAutoScroll(autoScroll);
    if (scrollIntoView)
        lvLyrics->scrollToItem(row);
}

void frmSychLyrics::clearSheet() {
    lvLyrics->clear();
}

static QTreeWidgetItem* newItem(const SheetRow& row) {
    return new QTreeWidgetItem(QStringList{row.number, row.lyric, row.time, row.secs});
}

void frmSychLyrics::fillSheet(const std::vector<SheetRow>& rows) {
    lvLyrics->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const SheetRow& row : rows)
        items.append(newItem(row));
    lvLyrics->addTopLevelItems(items);
}

void frmSychLyrics::addRow(const SheetRow& row) {
    lvLyrics->addTopLevelItem(newItem(row));
}

void frmSychLyrics::insertRow(int position, const SheetRow& row) {
    lvLyrics->insertTopLevelItem(position - 1, newItem(row));
}

void frmSychLyrics::removeRow(int position) {
    if (item(position))
        delete lvLyrics->takeTopLevelItem(position - 1);
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

void frmSychLyrics::RenumberLines() {
    for (int i = 1; i <= rowCount(); ++i)
        setCell(i, ColNumber, QString::number(i));
}

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
