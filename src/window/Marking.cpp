#include "window/frmSychLyrics.h"

#include "sheet/TimeText.h"

#include <QLabel>

void frmSychLyrics::cmdMark_Click() {
    const int stamped = selectedRow();
    if (stamped == 0)
        return; // nothing selected: nothing to stamp
    const std::int32_t secs = player().GetPosition();
    const std::int16_t minutes = player().GetPositionMinutes();
    const std::int16_t seconds = player().GetPositionSeconds();
    if (secs > kMaxMarkSeconds) {
        showStatus(QStringLiteral("Lines can be marked up to %1 into a song.")
                       .arg(SecondsToTime(kMaxMarkSeconds)));
        return;
    }
    const QString timeText =
        minutes > 0 || seconds > 0 ? SecondsToTime(minutes * 60 + seconds) : QString();
    ui.lblCurrentLyric->setText(cell(stamped, ColLyric));
    m_sheet.mark(secs, timeText);
    showSheetSelection(true);
    ShowSaveButton();
}

void frmSychLyrics::cmdReset_Click() {
    m_sheet.clearMarks();
    ShowSaveButton();
}
