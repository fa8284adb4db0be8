#include "window/SheetPanel.h"

#include "controls/LyricList.h"
#include "session/SongPlayback.h"
#include "session/SongSession.h"
#include "session/SongSuggestions.h"
#include "window/AdjustControls.h"
#include "window/Controls.h"
#include "window/StatusLine.h"
#include "window/WindowLook.h"

#include <QFontMetrics>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {
// The most of a removed line the status line quotes.
constexpr int kLyricInStatusPixels = 300;
} // namespace

SheetPanel::SheetPanel(SongSession& session, StatusLine& status, InputBox inputBox, QObject* parent)
    : QObject(parent), m_session(session), m_status(status), m_inputBox(std::move(inputBox)),
      m_panel(new QWidget), m_list(new LyricList(session.sheet())),
      m_currentLyric(MakeLabel("lblCurrentLyric", QString())),
      m_reset(MakeButton("cmdReset", tr("Clear All Time Markings"))),
      m_insert(MakeButton("cmdInsert", tr("Insert Line"))),
      m_addLine(MakeButton("cmdAddLine", tr("Add Line To End"))),
      m_remove(MakeButton("cmdRemove", tr("Remove Line"))),
      m_editLyric(MakeButton("cmdEditLyric", tr("Edit Selected Lyric"))),
      m_lineUp(MakeButton("cmdLineUp", tr("Move Up 1 Line"))),
      m_lineDown(MakeButton("cmdLineDown", tr("Move Down 1 Line"))),
      m_save(MakeButton("cmdSave", tr("Save"), false)),
      m_adjust(new AdjustControls(session, status, *this)) {
    m_panel->setObjectName(QStringLiteral("picSynch"));
    m_list->setObjectName(QStringLiteral("lvLyrics"));
    m_list->setToolTip(tr("Ctrl+Z undoes the last change to the sheet; "
                          "Ctrl+Shift+Z or Ctrl+Y redoes it."));
    m_currentLyric->setFont(ArialBold(9));
    m_currentLyric->setAlignment(Qt::AlignCenter);
    // A line wider than the list is cut at its edges, never widening the window past the
    // screen; the tooltip holds all of it.
    m_currentLyric->setSizePolicy(QSizePolicy::Ignored,
                                  m_currentLyric->sizePolicy().verticalPolicy());
    QPalette navy = m_currentLyric->palette();
    navy.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    m_currentLyric->setPalette(navy);
    showCurrentLyric(QString());
    m_currentLyric->setAccessibleDescription(tr("The line being sung, or the one selected"));

    status.onClick(m_reset, "Clear All Time Markings", [this] { cmdReset_Click(); });
    status.onClick(m_insert, "Insert Line", [this] { cmdInsert_Click(); });
    status.onClick(m_addLine, "Add Line To End", [this] { cmdAddLine_Click(); });
    status.onClick(m_remove, "Remove Line", [this] { cmdRemove_Click(); });
    status.onClick(m_editLyric, "Edit Selected Lyric", [this] { cmdEditLyric_Click(); });
    status.onClick(m_lineUp, "Move Up 1 Line", [this] { cmdLineUp_Click(); });
    status.onClick(m_lineDown, "Move Down 1 Line", [this] { cmdLineDown_Click(); });
    status.onClick(m_save, "Save", [this] { cmdSave_Click(); });
    connect(m_list, &QTreeView::clicked, this,
            [this] { m_status.guard("Select line", [this] { lvLyrics_Click(); }); });
    connect(m_list, &QTreeView::doubleClicked, this,
            [this] { m_status.guard("Edit Selected Lyric", [this] { lvLyrics_DblClick(); }); });
    // Whatever selects a row (a click, the arrow keys, a handler) is the sheet's selection.
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        // Of several, the current row is the one Insert, Remove and Edit act on.
        const QItemSelectionModel* selection = m_list->selectionModel();
        const QModelIndexList rows = selection->selectedRows();
        int position = rows.isEmpty() ? 0 : rows.first().row() + 1;
        for (const QModelIndex& row : rows)
            if (row.row() == selection->currentIndex().row())
                position = row.row() + 1;
        m_session.sheet().setSelected(position);
    });
}

void SheetPanel::place(WindowControls& ui) const {
    ui.picSynch = m_panel;
    ui.lvLyrics = m_list;
    ui.lblCurrentLyric = m_currentLyric;
    ui.cmdReset = m_reset;
    ui.cmdInsert = m_insert;
    ui.cmdAddLine = m_addLine;
    ui.cmdRemove = m_remove;
    ui.cmdEditLyric = m_editLyric;
    ui.cmdLineUp = m_lineUp;
    ui.cmdLineDown = m_lineDown;
    ui.cmdSave = m_save;
    m_adjust->place(ui);
}

// ---- what the panel shows ---------------------------------------------------------------------

void SheetPanel::ShowSaveButton() {
    m_save->setVisible(true);
    m_save->setEnabled(true);
}

std::vector<QWidget*> SheetPanel::editingControls() const {
    std::vector<QWidget*> controls{m_insert, m_remove, m_addLine};
    for (QWidget* adjust : m_adjust->controls())
        controls.push_back(adjust);
    for (QWidget* control : {m_reset, m_editLyric, m_lineDown, m_lineUp, m_save})
        controls.push_back(control);
    return controls;
}

void SheetPanel::setEditing(bool on) {
    for (QWidget* control : editingControls())
        control->setEnabled(on);
}

void SheetPanel::holdForTapAlong() {
    for (QWidget* control : editingControls())
        m_enabledBeforeTapAlong.emplace_back(control, control->isEnabled());
    setEditing(false);
}

void SheetPanel::releaseAfterTapAlong() {
    for (const auto& [control, enabled] : m_enabledBeforeTapAlong)
        control->setEnabled(enabled);
    m_enabledBeforeTapAlong.clear();
}

void SheetPanel::showCurrentLyric(const QString& lyric) {
    m_currentLyric->setText(lyric);
    // Cut, its start is shown rather than its middle.
    const bool cut = m_currentLyric->fontMetrics().horizontalAdvance(lyric) > m_list->width();
    m_currentLyric->setAlignment(cut ? Qt::AlignLeading | Qt::AlignVCenter : Qt::AlignCenter);
    m_currentLyric->setToolTip(cut ? lyric : QString());
    // Its new name announces the line being sung to a screen reader.
    const QString name = lyric.trimmed().isEmpty() ? tr("Current line") : lyric;
    if (m_currentLyric->accessibleName() != name)
        m_currentLyric->setAccessibleName(name);
}

// While the song does not play the label shows the selected line: after a change to the
// sheet, the line selected now, never one removed or as it read before an edit.
void SheetPanel::showSelectedLyric() {
    if (!m_insert->isEnabled())
        return; // playing: the label follows the song
    const LyricSheet& sheet = m_session.sheet();
    const int position = sheet.selected();
    showCurrentLyric(position > 0 ? sheet.cell(position, LyricSheet::ColLyric) : QString());
}

void SheetPanel::setMoveStart(int position) {
    m_selectedLine = static_cast<std::int16_t>(position);
}

void SheetPanel::disableLineUp() {
    m_lineUp->setEnabled(false);
}

void SheetPanel::selectLine(int position, bool scrollIntoView) {
    m_list->selectPosition(position, scrollIntoView);
}

void SheetPanel::showSheetSelection(bool scrollIntoView) {
    if (const int position = m_session.sheet().selected(); position > 0)
        m_list->selectPosition(position, scrollIntoView);
    else
        m_list->clearSelection();
}

void SheetPanel::setFullRowSelect(bool on) {
    m_list->setSelectionBehavior(on ? QAbstractItemView::SelectRows
                                    : QAbstractItemView::SelectItems);
    m_list->setAllColumnsShowFocus(on);
}

void SheetPanel::setSortByHeader(bool on) {
    // Rows are in singing order; sorting by a header would scramble them.
    m_list->setSortingEnabled(on);
}

void SheetPanel::showLoaded() {
    setSortByHeader(false);
    m_adjust->setEnabled(true);
}

void SheetPanel::showUnsaved() {
    m_adjust->setEnabled(false);
    m_save->setEnabled(false);
}

// ---- line editing -----------------------------------------------------------------------------

// With no row to act on, the handler says why in the status line and gets 0, so no handler
// fails on an empty sheet or a cleared selection.
int SheetPanel::RequireSelectedRow(const QString& action) {
    if (m_session.sheet().count() == 0) {
        m_status.show(tr("%1: the sheet has no lines.").arg(action));
        return 0;
    }
    const int position = m_session.sheet().selected();
    if (position == 0)
        m_status.show(tr("%1: select a line first.").arg(action));
    return position;
}

bool SheetPanel::SheetHasRoomFor(const QString& action) {
    if (m_session.sheet().hasRoom())
        return true;
    m_status.show(tr("%1: the sheet already holds %2 lines, the most it can hold. Remove a line "
                     "first.")
                      .arg(action)
                      .arg(LyricSheet::kMaxRows));
    return false;
}

void SheetPanel::lvLyrics_Click() {
    const LyricSheet& sheet = m_session.sheet();
    if (const int position = sheet.selected(); position > 0) {
        m_selectedLine = static_cast<std::int16_t>(position);
        showCurrentLyric(sheet.cell(position, LyricSheet::ColLyric));
    }
    const int n = sheet.count();
    if (m_selectedLine >= n) {
        m_lineDown->setEnabled(false);
        m_lineUp->setEnabled(true);
    } else if (m_selectedLine > 1) {
        m_lineDown->setEnabled(true);
        m_lineUp->setEnabled(true);
    } else {
        m_lineUp->setEnabled(false);
        m_lineDown->setEnabled(true);
    }
}

void SheetPanel::lvLyrics_DblClick() {
    EditSelectedLyric();
}

void SheetPanel::cmdAddLine_Click() {
    if (!SheetHasRoomFor(tr("Add Line To End")))
        return;
    m_session.sheet().addLine();
    showSheetSelection(true);
    showSelectedLyric();
    ShowSaveButton();
}

void SheetPanel::cmdInsert_Click() {
    const int p = RequireSelectedRow(tr("Insert Line"));
    if (p == 0 || !SheetHasRoomFor(tr("Insert Line")))
        return;
    m_session.sheet().insertLine();
    showSheetSelection(false);
    showSelectedLyric();
    ShowSaveButton();
}

void SheetPanel::cmdRemove_Click() {
    const int p = RequireSelectedRow(tr("Remove Line"));
    if (p == 0)
        return;
    // After the last row there is nothing to move up into its place: no selection is left
    // rather than one the list picked on its own.
    const QString lyric = m_session.sheet().cell(p, LyricSheet::ColLyric).trimmed();
    m_session.sheet().removeLine();
    showSheetSelection(false);
    showSelectedLyric();
    ShowSaveButton();
    // Said with the way back: the focus stays on the button, and a second Space removes again.
    const QString shown = QFontMetrics(m_currentLyric->font())
                              .elidedText(lyric, Qt::ElideRight, kLyricInStatusPixels);
    m_status.show(
        lyric.isEmpty()
            ? tr("Removed line %1; Ctrl+Z brings it back.").arg(p)
            : tr("Removed line %1, \"%2\"; Ctrl+Z brings it back.").arg(QString::number(p), shown));
}

void SheetPanel::EditSelectedLyric() {
    const int p = RequireSelectedRow(tr("Edit Selected Lyric"));
    if (p == 0)
        return;
    const QString old = m_session.sheet().cell(p, LyricSheet::ColLyric);
    const QString answer = m_inputBox(tr("Edit Selected Lyric:"), tr("Edit Selected Lyric"), old);
    // Cancel answers "" too, so a lyric cannot be emptied here; blank lines are added instead.
    if (!answer.isEmpty())
        m_session.sheet().editLyric(answer);
    showSelectedLyric();
    ShowSaveButton();
}

void SheetPanel::cmdEditLyric_Click() {
    EditSelectedLyric();
}

void SheetPanel::cmdLineDown_Click() {
    const int p = RequireSelectedRow(tr("Move Down 1 Line"));
    if (p == 0)
        return;
    if (p < m_session.sheet().count())
        m_list->selectPosition(p + 1, true);
    lvLyrics_Click();
}

void SheetPanel::cmdLineUp_Click() {
    const int p = RequireSelectedRow(tr("Move Up 1 Line"));
    if (p == 0)
        return;
    if (p > 1)
        m_list->selectPosition(p - 1, true);
    lvLyrics_Click();
}

void SheetPanel::cmdReset_Click() {
    const auto& rows = m_session.sheet().rows();
    const auto marked = std::count_if(rows.begin(), rows.end(), [](const SheetRow& row) {
        return !row.secs.trimmed().isEmpty();
    });
    m_session.sheet().clearMarks();
    showSelectedLyric();
    ShowSaveButton();
    if (marked == 0)
        m_status.show(tr("No line has a time to clear."));
    else if (marked == 1)
        m_status.show(tr("Cleared the time of 1 line; Ctrl+Z brings it back."));
    else
        m_status.show(tr("Cleared the times of %1 lines; Ctrl+Z brings them back.").arg(marked));
}

void SheetPanel::cmdSave_Click() {
    const QString note = m_session.saveLyricsFile();
    m_adjust->setEnabled(true);
    m_save->setEnabled(false);
    if (!note.isEmpty())
        m_status.report(tr("%1. %2").arg(m_session.savedSummary(), note));
    else
        m_status.show(m_session.savedSummary());
}

// ---- undo and suggested times -----------------------------------------------------------------

void SheetPanel::stepThroughHistory(bool back) {
    if (m_panel->isHidden())
        return; // a sheet out of sight is not changed behind the user's back
    LyricSheet& sheet = m_session.sheet();
    const QString step = back ? sheet.undo() : sheet.redo();
    if (step.isEmpty()) {
        m_status.show(back ? tr("Nothing to undo.") : tr("Nothing to redo."));
        return;
    }
    showSheetSelection(true);
    showSelectedLyric();
    ShowSaveButton();
    m_status.show((back ? tr("Undid: %1") : tr("Redid: %1")).arg(step));
}

void SheetPanel::acceptSuggestions(Accept what) {
    // Word times are taken as words are marked, while the song plays too; a line's time only
    // while the song is stopped.
    const bool stopped = !m_session.playback().isPlaying();
    const bool words = what == Accept::Words || (what == Accept::Confident && m_session.wordMode());
    const QString refused =
        tr("Suggested times can be accepted in the sheet while the song is stopped.");
    if (m_panel->isHidden() || !(stopped || words)) {
        m_status.show(refused);
        return;
    }
    SongSuggestions& suggestions = m_session.suggestions();
    const SongSuggestions::Accepted accepted =
        what == Accept::Confident ? suggestions.acceptConfident(stopped)
        : what == Accept::Words   ? suggestions.acceptWords()
                                  : suggestions.acceptSelected();
    if (accepted.lines == 0 && what == Accept::Confident && !stopped) {
        m_status.show(refused);
        return;
    }
    if (accepted.lines > 0)
        ShowSaveButton();
    showSheetSelection(false);
    m_status.show(accepted.status);
}
