#include "window/frmSychLyrics.h"

#include "sheet/Amount.h"
#include "sheet/TimeShift.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

// The spinners step whole seconds, and only within an hour either way: larger shifts are
// rare enough to type.
constexpr double kSpinStep = 1;
constexpr double kSpinRange = 3600;

// Rows an adjustment had to leave as they were, for one status message at the end.
struct Skipped {
    int count = 0;
    QString first;
    void add(int position, const QString& why) {
        if (count++ == 0)
            first = QStringLiteral("line %1 %2").arg(position).arg(why);
    }
};

// Shifts one row by the box's amount; an unmarked row is left alone without a complaint.
void shiftRow(frmSychLyrics& w, int position, const QLineEdit* box, Skipped& skipped) {
    const QString secs = w.cell(position, frmSychLyrics::ColSecs);
    const std::optional<double> amount = ReadAmount(box->text());
    const ShiftedTime shifted = ShiftTime(secs, amount.value_or(0));
    switch (shifted.outcome) {
    case ShiftedTime::Unmarked:
        return;
    case ShiftedTime::NotANumber:
        skipped.add(position,
                    QStringLiteral("has the time \"%1\", which is not a number").arg(secs));
        return;
    case ShiftedTime::OutOfRange:
        skipped.add(position,
                    QStringLiteral("would move outside -%1 to %1 seconds").arg(2147483647));
        return;
    case ShiftedTime::Shifted:
        break;
    }
    if (!amount) {
        skipped.add(position, QStringLiteral("cannot move by \"%1\", which is too large")
                                  .arg(box->text().simplified()));
        return;
    }
    w.setCell(position, frmSychLyrics::ColSecs, shifted.secs);
    w.setCell(position, frmSychLyrics::ColTime, shifted.time);
}

QString skippedText(const QString& action, const Skipped& skipped) {
    if (skipped.count == 1)
        return QStringLiteral("%1: %2, so it was left unchanged.").arg(action, skipped.first);
    return QStringLiteral("%1: %2 lines were left unchanged; %3.")
        .arg(action)
        .arg(skipped.count)
        .arg(skipped.first);
}

} // namespace

void frmSychLyrics::cmdAdjustAll_Click() {
    Skipped skipped;
    for (int i = 1; i <= rowCount(); ++i)
        shiftRow(*this, i, txtAdjustAll, skipped); // the amount is read again for every row
    ShowSaveButton();
    if (skipped.count > 0)
        lblStatus->setText(skippedText(QStringLiteral("Adjust All Lines"), skipped));
}

void frmSychLyrics::cmdAdjustSingle_Click() {
    const QString action = QStringLiteral("Adjust Selected Line");
    const int p = RequireSelectedRow(action);
    if (p == 0)
        return;
    Skipped skipped;
    const bool unmarked = cell(p, ColSecs).trimmed().isEmpty();
    shiftRow(*this, p, txtAdjustSingle, skipped);
    ShowSaveButton();
    if (unmarked)
        lblStatus->setText(QStringLiteral("%1: line %2 has no time to move.").arg(action).arg(p));
    else if (skipped.count > 0)
        lblStatus->setText(skippedText(action, skipped));
}

void frmSychLyrics::StepAmount(QLineEdit* box, int direction, const QString& action) {
    const std::optional<double> amount = ReadAmount(box->text());
    if (!amount) {
        lblStatus->setText(QStringLiteral("%1: the amount is too large to step.").arg(action));
        return;
    }
    const double bound = direction > 0 ? kSpinRange : -kSpinRange;
    // A typed amount beyond the range is kept; stepping only moves it back toward the range.
    if (direction > 0 ? *amount >= bound : *amount <= bound) {
        lblStatus->setText(
            QStringLiteral("%1: the spinner stops at %2 seconds; type a larger amount.")
                .arg(action, NumberText(bound)));
        return;
    }
    const double stepped = *amount + (direction > 0 ? kSpinStep : -kSpinStep);
    box->setText(NumberText(direction > 0 ? std::min(stepped, bound) : std::max(stepped, bound)));
}

void frmSychLyrics::spnAdjustAll_Change(int direction) {
    StepAmount(txtAdjustAll, direction, QStringLiteral("Adjust All Lines"));
}

void frmSychLyrics::spnAdjustSingle_Change(int direction) {
    StepAmount(txtAdjustSingle, direction, QStringLiteral("Adjust Selected Line"));
}
