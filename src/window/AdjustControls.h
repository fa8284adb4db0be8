#pragma once

#include <QObject>
#include <QString>

#include <vector>

class QLineEdit;
class QPushButton;
class QWidget;
class SheetPanel;
class SongSession;
class StatusLine;
class UpDown;
struct WindowControls;

// The two time adjustments of the sheet panel: Adjust Selected Line and Adjust All Lines,
// each with its amount box and spinner.
class AdjustControls final : public QObject {
    Q_OBJECT
public:
    AdjustControls(SongSession& session, StatusLine& status, SheetPanel& sheet);
    void place(WindowControls& ui) const;

    // The buttons, boxes and spinners together: off while the sheet holds unsaved text lines.
    void setEnabled(bool on);
    // The controls and their enabled states, for a tap-along to put back.
    std::vector<QWidget*> controls() const;
    // Adjust Selected Line by amountText, on the selected line or every selected line.
    void AdjustSelectedLineBy(const QString& amountText);
    // Adjust Selected Line is shown and enabled: a nudge key may act.
    bool canAdjustSelected() const;

private:
    void cmdAdjustAll_Click();
    void cmdAdjustSingle_Click();
    void spnAdjustAll_Change(int direction);
    void spnAdjustSingle_Change(int direction);
    void StepAmount(QLineEdit* box, int direction, const QString& action);

    SongSession& m_session;
    StatusLine& m_status;
    SheetPanel& m_sheet;
    QPushButton* m_adjustSingle; // cmdAdjustSingle
    QLineEdit* m_singleAmount;   // txtAdjustSingle
    UpDown* m_singleSpinner;     // spnAdjustSingle
    QPushButton* m_adjustAll;    // cmdAdjustAll
    QLineEdit* m_allAmount;      // txtAdjustAll
    UpDown* m_allSpinner;        // spnAdjustAll
};
