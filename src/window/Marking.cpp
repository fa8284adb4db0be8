#include "window/frmSychLyrics.h"

#include "sheet/ReactionDelay.h"
#include "sheet/TimeText.h"

#include <QLabel>

#include <algorithm>

void frmSychLyrics::cmdMark_Click() {
    if (takeTap())
        return; // the tap-along measures the press instead
    const int stamped = selectedRow();
    if (stamped == 0)
        return; // nothing selected: nothing to stamp
    std::int32_t secs = player().GetPosition();
    std::int16_t minutes = player().GetPositionMinutes();
    std::int16_t seconds = player().GetPositionSeconds();
    if (m_reactionDelayMs != 0) {
        secs =
            DelayedPositionMs(player().GetPositionMs(), m_reactionDelayMs, player().Speed()) / 1000;
        minutes = static_cast<std::int16_t>(std::min(secs / 60, 32767));
        seconds = static_cast<std::int16_t>(secs % 60);
    }
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
