#include "window/frmSychLyrics.h"

#include "session/SongSession.h"
#include "sheet/TimeText.h"
#include "storage/LyricsXml.h"
#include "window/SongSlider.h"

#include <QLabel>
#include <QTreeWidget>

#include <algorithm>
#include <optional>

void frmSychLyrics::Timer1_Timer() {
    if (!state.isPlaying)
        return;
    // A failing lookup or player would repeat ten times a second: say it once, keep trying.
    try {
        showPlayingPosition();
        m_tickFailure.clear();
    } catch (const VersettaError& error) {
        if (error.message() != m_tickFailure)
            reportFailure(error.message());
        m_tickFailure = error.message();
    }
}

void frmSychLyrics::showPlayingPosition() {
    const std::int32_t lengthMs = player().GetSongLength();
    const std::int32_t total = static_cast<std::int32_t>(RoundHalfEven(lengthMs / 1000.0));
    const std::int16_t minutes = player().GetPositionMinutes();
    const std::int16_t seconds = player().GetPositionSeconds();
    if (!(minutes > 0) && !(seconds > 0)) {
        ui.lblTime->setText(QString());
        return;
    }
    const std::int32_t position = player().GetPosition();
    ui.sldSong->setMax(lengthMs / 1000.0);
    ui.sldSong->setValue(position);
    ui.lblTime->setText(SecondsToTime(position) + QStringLiteral(" / ") + SecondsToTime(total));

    const auto second = static_cast<std::int16_t>(std::min(position, kMaxMarkSeconds));
    const std::optional<PreviewRow> found = m_session->lyricAt(second);
    if (!found || m_replayHold)
        return;
    state.currentLyric = found->lyric;
    sheet().setMarkCursor(found->lineNumber, sheet().lineOffset());
    if (state.currentLyric.isEmpty())
        return;

    // Rows blanked since the file was saved are stepped over, and remembered in lineOffset.
    // A walk that runs past the last row means the saved file no longer matches the sheet:
    // then nothing changes.
    if (!sheet().stepOverBlankRows())
        return;
    // The line is shown when it changes; in between (a pause) the user's selection stays, so
    // the sheet can be edited on another line.
    const int row = sheet().currentLine() + sheet().lineOffset();
    if (row == m_tickRow)
        return;
    m_tickRow = row;
    selectRow(row, true);
    ui.lblCurrentLyric->setText(state.currentLyric);
}
