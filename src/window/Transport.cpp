#include "window/frmSychLyrics.h"

#include "sheet/TimeText.h"
#include "window/SongSlider.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>

Mp3Player& frmSychLyrics::player() const {
    if (!mp3Player)
        throw VersettaError(QStringLiteral("No audio player is available."));
    return *mp3Player;
}

std::int32_t frmSychLyrics::songLengthSeconds() const {
    return static_cast<std::int32_t>(RoundHalfEven(player().GetSongLength() / 1000.0));
}

void frmSychLyrics::cmdPlay_Click() {
    songFile = txtFileName->text();
    if (cmdPlay->text() == QLatin1String("Play")) {
        WriteLyricsToTempDB();
        if (!isPlaying) {
            player().LoadSong(songFile);
            selectedLine = 1;
            if (rowCount() >= 1)
                selectRow(selectedLine, true);
        }
        player().PlaySong();
        isPlaying = true;
        m_tickRow = 0; // the resumed position's line is shown again
        lblCurrentLyric->setText(QString());
        cmdPlay->setText(QStringLiteral("Pause"));
        SetPlayingControls(true);
        // Marking is what the keyboard is for while the song plays.
        cmdMark->setFocus();
    } else {
        player().PauseSong();
        isPlaying = true;
        cmdPlay->setText(QStringLiteral("Play"));
        SetPlayingControls(false);
    }
}

void frmSychLyrics::StopOrEndSong() {
    const std::int32_t length = songLengthSeconds();
    player().StopSong();
    isPlaying = false;
    cmdPlay->setText(QStringLiteral("Play"));
    lblTime->setText(QStringLiteral("0:00 / ") + SecondsToTime(length));
    sldSong->setValue(sldSong->Min());
    lblCurrentLyric->setText(QString());
    if (rowCount() >= 1)
        selectRow(1, true);
    m_sheet.setMarkCursor(0, 0);
    selectedLine = 0;
    m_tickRow = 0;
    SetPlayingControls(false);
    cmdLineUp->setEnabled(false);
    // Space on Play starts marking again; only a text box being typed in keeps the focus.
    if (!qobject_cast<QLineEdit*>(focusWidget()))
        cmdPlay->setFocus();
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
    const double value = std::clamp(sldSong->Value(), lo, hi);
    player().SeekPosition(static_cast<std::int32_t>(RoundHalfEven(value)));
    m_tickRow = 0;
}
