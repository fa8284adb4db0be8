#include "window/frmSychLyrics.h"

#include "controls/LyricList.h"

#include "session/SongSession.h"
#include "sheet/Amount.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

// The spinners step whole seconds, and only within an hour either way: larger shifts are
// rare enough to type.
constexpr double kSpinStep = 1;
constexpr double kSpinRange = 3600;

QString skippedText(const QString& action, const LyricSheet::ShiftReport& skipped) {
    if (skipped.skipped == 1)
        return QStringLiteral("%1: %2, so it was left unchanged.").arg(action, skipped.first);
    return QStringLiteral("%1: %2 lines were left unchanged; %3.")
        .arg(action)
        .arg(skipped.skipped)
        .arg(skipped.first);
}

} // namespace

void frmSychLyrics::cmdAdjustAll_Click() {
    const LyricSheet::ShiftReport skipped = sheet().shiftAll(ui.txtAdjustAll->text());
    ShowSaveButton();
    if (skipped.skipped > 0)
        showStatus(skippedText(QStringLiteral("Adjust All Lines"), skipped));
}

void frmSychLyrics::cmdAdjustSingle_Click() {
    AdjustSelectedLineBy(ui.txtAdjustSingle->text());
}

void frmSychLyrics::AdjustSelectedLineBy(const QString& amountText) {
    const QString action = QStringLiteral("Adjust Selected Line");
    if (const std::vector<int> rows = ui.lvLyrics->selectedPositions(); rows.size() > 1) {
        const QString skipped = m_session->shift(rows, amountText);
        ShowSaveButton();
        showStatus(
            skipped.isEmpty()
                ? QStringLiteral("%1: %2 selected lines adjusted.").arg(action).arg(rows.size())
                : skipped);
        return;
    }
    const int p = RequireSelectedRow(action);
    if (p == 0)
        return;
    const bool unmarked = cell(p, ColSecs).trimmed().isEmpty();
    const LyricSheet::ShiftReport skipped = sheet().shiftSelected(amountText);
    ShowSaveButton();
    if (unmarked)
        showStatus(QStringLiteral("%1: line %2 has no time to move.").arg(action).arg(p));
    else if (skipped.skipped > 0)
        showStatus(skippedText(action, skipped));
}

void frmSychLyrics::StepAmount(QLineEdit* box, int direction, const QString& action) {
    const std::optional<double> amount = ReadAmount(box->text());
    if (!amount) {
        showStatus(QStringLiteral("%1: the amount is too large to step.").arg(action));
        return;
    }
    const double bound = direction > 0 ? kSpinRange : -kSpinRange;
    // A typed amount beyond the range is kept; stepping only moves it back toward the range.
    if (direction > 0 ? *amount >= bound : *amount <= bound) {
        showStatus(QStringLiteral("%1: the spinner stops at %2 seconds; type a larger amount.")
                       .arg(action, NumberText(bound)));
        return;
    }
    const double stepped = *amount + (direction > 0 ? kSpinStep : -kSpinStep);
    box->setText(NumberText(direction > 0 ? std::min(stepped, bound) : std::max(stepped, bound)));
}

void frmSychLyrics::spnAdjustAll_Change(int direction) {
    StepAmount(ui.txtAdjustAll, direction, QStringLiteral("Adjust All Lines"));
}

void frmSychLyrics::spnAdjustSingle_Change(int direction) {
    StepAmount(ui.txtAdjustSingle, direction, QStringLiteral("Adjust Selected Line"));
}
