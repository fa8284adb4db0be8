#include "window/frmSychLyrics.h"

#include "session/SongSession.h"
#include "sheet/TimeText.h"
#include "window/SongSlider.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>

Mp3Player& frmSychLyrics::player() const {
    return m_session->player();
}

std::int32_t frmSychLyrics::songLengthSeconds() const {
    return static_cast<std::int32_t>(RoundHalfEven(player().GetSongLength() / 1000.0));
}

void frmSychLyrics::cmdPlay_Click() {
    if (ui.cmdPlay->text() == QLatin1String("Play")) {
        WriteLyricsToTempDB();
        if (!state.isPlaying) {
            player().LoadSong(m_session->songPath());
            state.selectedLine = 1;
            if (rowCount() >= 1)
                selectRow(state.selectedLine, true);
        }
        player().PlaySong();
        state.isPlaying = true;
        m_tickRow = 0; // the resumed position's line is shown again
        ui.lblCurrentLyric->setText(QString());
        ui.cmdPlay->setText(QStringLiteral("Pause"));
        SetPlayingControls(true);
        // Marking is what the keyboard is for while the song plays.
        ui.cmdMark->setFocus();
        if (const QString aids = markingAidsText(); !aids.isEmpty())
            showStatus(aids);
    } else {
        player().PauseSong();
        state.isPlaying = true;
        ui.cmdPlay->setText(QStringLiteral("Play"));
        SetPlayingControls(false);
    }
}

void frmSychLyrics::StopOrEndSong() {
    if (m_tapAlong) {
        finishTapAlong();
        return;
    }
    m_replayHold = false;
    const std::int32_t length = songLengthSeconds();
    player().StopSong();
    state.isPlaying = false;
    ui.cmdPlay->setText(QStringLiteral("Play"));
    ui.lblTime->setText(QStringLiteral("0:00 / ") + SecondsToTime(length));
    ui.sldSong->setValue(ui.sldSong->Min());
    ui.lblCurrentLyric->setText(QString());
    if (rowCount() >= 1)
        selectRow(1, true);
    sheet().setMarkCursor(0, 0);
    state.selectedLine = 0;
    m_tickRow = 0;
    SetPlayingControls(false);
    ui.cmdLineUp->setEnabled(false);
    // Space on Play starts marking again; only a text box being typed in keeps the focus.
    if (!qobject_cast<QLineEdit*>(focusWidget()))
        ui.cmdPlay->setFocus();
}

void frmSychLyrics::cmdStop_Click() {
    StopOrEndSong();
}

void frmSychLyrics::Amp3dj1_SongEnded(int /*reason*/) {
    StopOrEndSong();
}

void frmSychLyrics::sldSong_Scroll() {
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    const double value = std::clamp(ui.sldSong->Value(), lo, hi);
    player().SeekPosition(static_cast<std::int32_t>(RoundHalfEven(value)));
    m_tickRow = 0;
}
