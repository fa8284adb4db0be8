#include "window/frmSychLyrics.h"

#include "sheet/ReactionDelay.h"
#include "sheet/TimeText.h"

#include <QLabel>

#include <algorithm>

namespace {

struct MarkPosition {
    std::int32_t secs = 0;
    std::int16_t minutes = 0;
    std::int16_t seconds = 0;
    qint64 ms = -1;
};

// The player's position as one press marks it, less the user's reaction delay: whole seconds
// for the sheet, and the exact milliseconds, kept inside that second, for the exports.
MarkPosition markPosition(Mp3Player& player, std::int32_t delayMs) {
    MarkPosition at;
    if (delayMs != 0) {
        at.ms = DelayedPositionMs(player.GetPositionMs(), delayMs, player.Speed());
        at.secs = static_cast<std::int32_t>(at.ms / 1000);
        at.minutes = static_cast<std::int16_t>(std::min(at.secs / 60, 32767));
        at.seconds = static_cast<std::int16_t>(at.secs % 60);
        return at;
    }
    at.secs = player.GetPosition();
    at.minutes = player.GetPositionMinutes();
    at.seconds = player.GetPositionSeconds();
    const qint64 second = qint64{at.secs} * 1000;
    at.ms = std::clamp<qint64>(player.GetPositionMs(), second, second + 999);
    return at;
}

} // namespace

void frmSychLyrics::cmdMark_Click() {
    if (takeTap())
        return; // the tap-along measures the press instead
    const int stamped = selectedRow();
    if (stamped == 0)
        return; // nothing selected: nothing to stamp
    const auto [secs, minutes, seconds, ms] = markPosition(player(), m_reactionDelayMs);
    if (secs > kMaxMarkSeconds) {
        showStatus(QStringLiteral("Lines can be marked up to %1 into a song.")
                       .arg(SecondsToTime(kMaxMarkSeconds)));
        return;
    }
    const QString timeText =
        minutes > 0 || seconds > 0 ? SecondsToTime(minutes * 60 + seconds) : QString();
    ui.lblCurrentLyric->setText(cell(stamped, ColLyric));
    sheet().mark(secs, timeText, ms);
    showSheetSelection(true);
    ShowSaveButton();
}

void frmSychLyrics::cmdReset_Click() {
    sheet().clearMarks();
    ShowSaveButton();
}
