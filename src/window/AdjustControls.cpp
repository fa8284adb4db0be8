#include "window/AdjustControls.h"

#include "controls/LyricList.h"
#include "controls/UpDown.h"
#include "session/SongSession.h"
#include "sheet/Amount.h"
#include "window/Controls.h"
#include "window/SheetPanel.h"
#include "window/StatusLine.h"
#include "window/WindowLook.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

// The spinners step whole seconds, and only within an hour either way: larger shifts are
// rare enough to type.
constexpr double kSpinStep = 1;
constexpr double kSpinRange = 3600;

QString skippedText(const QString& action, const LyricSheet::ShiftReport& skipped) {
    if (skipped.skipped == 1)
        return QCoreApplication::translate("AdjustControls", "%1: %2, so it was left unchanged.")
            .arg(action, skipped.first);
    return QCoreApplication::translate("AdjustControls", "%1: %n lines were left unchanged; %2.",
                                       nullptr, skipped.skipped)
        .arg(action, skipped.first);
}

// What to say of a box whose text holds no number of seconds at all ("abc", nothing): it
// reads as 0 and would move nothing without a word. Empty when it starts with a number.
QString notAnAmount(const QString& action, const QString& text) {
    if (StartsWithAmount(text))
        return {};
    if (text.trimmed().isEmpty())
        return QCoreApplication::translate("AdjustControls",
                                           "%1: type the seconds to move by in the box beside it.")
            .arg(action);
    return QCoreApplication::translate("AdjustControls",
                                       "%1: \"%2\" is not a number of seconds, so nothing was "
                                       "moved.")
        .arg(action, text.trimmed());
}

UpDown* makeSpinner(const char* name) {
    auto* spinner = new UpDown;
    spinner->setObjectName(QString::fromLatin1(name));
    return spinner;
}

} // namespace

AdjustControls::AdjustControls(SongSession& session, StatusLine& status, SheetPanel& sheet)
    : QObject(&sheet), m_session(session), m_status(status), m_sheet(sheet),
      m_adjustSingle(MakeButton("cmdAdjustSingle", tr("Adjust Selected Line"))),
      m_singleAmount(MakeTextBox("txtAdjustSingle", QStringLiteral("1"))),
      m_singleSpinner(makeSpinner("spnAdjustSingle")),
      m_adjustAll(MakeButton("cmdAdjustAll", tr("Adjust All Lines"))),
      m_allAmount(MakeTextBox("txtAdjustAll", QStringLiteral("1"))),
      m_allSpinner(makeSpinner("spnAdjustAll")) {
    status.onClick(m_adjustSingle, "Adjust Selected Line", [this] { cmdAdjustSingle_Click(); });
    status.onClick(m_adjustAll, "Adjust All Lines", [this] { cmdAdjustAll_Click(); });
    connect(m_singleSpinner, &UpDown::stepped, this, [this](int direction) {
        m_status.guard("Adjust Selected Line",
                       [this, direction] { spnAdjustSingle_Change(direction); });
    });
    connect(m_allSpinner, &UpDown::stepped, this, [this](int direction) {
        m_status.guard("Adjust All Lines", [this, direction] { spnAdjustAll_Change(direction); });
    });
}

void AdjustControls::place(WindowControls& ui) const {
    ui.cmdAdjustSingle = m_adjustSingle;
    ui.txtAdjustSingle = m_singleAmount;
    ui.spnAdjustSingle = m_singleSpinner;
    ui.cmdAdjustAll = m_adjustAll;
    ui.txtAdjustAll = m_allAmount;
    ui.spnAdjustAll = m_allSpinner;
}

std::vector<QWidget*> AdjustControls::controls() const {
    return {m_adjustAll,    m_adjustSingle, m_allAmount,
            m_singleAmount, m_allSpinner,   m_singleSpinner};
}

void AdjustControls::setEnabled(bool on) {
    for (QWidget* control :
         {static_cast<QWidget*>(m_adjustSingle), static_cast<QWidget*>(m_adjustAll),
          static_cast<QWidget*>(m_singleAmount), static_cast<QWidget*>(m_allAmount),
          static_cast<QWidget*>(m_singleSpinner), static_cast<QWidget*>(m_allSpinner)})
        control->setEnabled(on);
}

bool AdjustControls::canAdjustSelected() const {
    return m_adjustSingle->isVisibleTo(m_adjustSingle->window()) && m_adjustSingle->isEnabled();
}

void AdjustControls::cmdAdjustAll_Click() {
    const QString action = tr("Adjust All Lines");
    if (const QString why = notAnAmount(action, m_allAmount->text()); !why.isEmpty()) {
        m_status.show(why);
        return;
    }
    const LyricSheet::ShiftReport skipped = m_session.sheet().shiftAll(m_allAmount->text());
    m_sheet.ShowSaveButton();
    // A failure said before is no longer news once the shift went through.
    m_status.show(skipped.skipped > 0 ? skippedText(action, skipped) : QString());
}

void AdjustControls::cmdAdjustSingle_Click() {
    AdjustSelectedLineBy(m_singleAmount->text());
}

void AdjustControls::AdjustSelectedLineBy(const QString& amountText) {
    const QString action = tr("Adjust Selected Line");
    if (const QString why = notAnAmount(action, amountText); !why.isEmpty()) {
        m_status.show(why);
        return;
    }
    if (const std::vector<int> rows = m_sheet.list()->selectedPositions(); rows.size() > 1) {
        const QString skipped = m_session.shift(rows, amountText);
        m_sheet.ShowSaveButton();
        m_status.show(
            skipped.isEmpty()
                ? tr("%1: %n selected lines adjusted.", nullptr, int(rows.size())).arg(action)
                : skipped);
        return;
    }
    const int p = m_sheet.RequireSelectedRow(action);
    if (p == 0)
        return;
    LyricSheet& sheet = m_session.sheet();
    const bool unmarked = sheet.cell(p, LyricSheet::ColSecs).trimmed().isEmpty();
    const LyricSheet::ShiftReport skipped = sheet.shiftSelected(amountText);
    m_sheet.ShowSaveButton();
    if (unmarked)
        m_status.show(tr("%1: line %2 has no time to move.").arg(action).arg(p));
    else
        m_status.show(skipped.skipped > 0 ? skippedText(action, skipped) : QString());
}

void AdjustControls::StepAmount(QLineEdit* box, int direction, const QString& action) {
    const std::optional<double> amount = ReadAmount(box->text());
    if (!amount) {
        m_status.show(tr("%1: the amount is too large to step.").arg(action));
        return;
    }
    const double bound = direction > 0 ? kSpinRange : -kSpinRange;
    // A typed amount beyond the range is kept; stepping only moves it back toward the range.
    if (direction > 0 ? *amount >= bound : *amount <= bound) {
        m_status.show(tr("%1: the spinner stops at %2 seconds; type a larger amount.")
                          .arg(action, NumberText(bound)));
        return;
    }
    const double stepped = *amount + (direction > 0 ? kSpinStep : -kSpinStep);
    box->setText(NumberText(direction > 0 ? std::min(stepped, bound) : std::max(stepped, bound)));
}

void AdjustControls::spnAdjustAll_Change(int direction) {
    StepAmount(m_allAmount, direction, tr("Adjust All Lines"));
}

void AdjustControls::spnAdjustSingle_Change(int direction) {
    StepAmount(m_singleAmount, direction, tr("Adjust Selected Line"));
}
