#include "window/frmSychLyrics.h"

#include "controls/LyricList.h"
#include "controls/SongSlider.h"
#include "controls/UpDown.h"
#include "playback/WaveformLoader.h"
#include "session/SongPlayback.h"
#include "session/SongSession.h"
#include "sheet/TimeText.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

SongPlayback& frmSychLyrics::playback() const {
    return m_session->playback();
}

void frmSychLyrics::cmdPlay_Click() {
    if (ui.cmdPlay->text() == QLatin1String("Play")) {
        if (playback().play()) {
            m_selectedLine = 1;
            if (rowCount() >= 1)
                ui.lvLyrics->selectPosition(m_selectedLine, true);
        }
        ui.lblCurrentLyric->setText(QString());
        ui.cmdPlay->setText(QStringLiteral("Pause"));
        SetPlayingControls(true);
        // Marking is what the keyboard is for while the song plays.
        ui.cmdMark->setFocus();
        if (const QString aids = playback().markingAidsText(); !aids.isEmpty())
            showStatus(aids);
    } else {
        playback().pause();
        ui.cmdPlay->setText(QStringLiteral("Play"));
        SetPlayingControls(false);
    }
}

void frmSychLyrics::StopOrEndSong() {
    if (playback().tapAlongRunning()) {
        showStatus(playback().stop());
        for (const auto& [control, enabled] : m_enabledBeforeTapAlong)
            control->setEnabled(enabled);
        m_enabledBeforeTapAlong.clear();
        ui.cmdPlay->setFocus();
        return;
    }
    const std::int32_t length = playback().songLengthSeconds();
    playback().stop();
    ui.cmdPlay->setText(QStringLiteral("Play"));
    ui.lblTime->setText(QStringLiteral("0:00 / ") + SecondsToTime(length));
    ui.sldSong->setValue(ui.sldSong->Min());
    ui.lblCurrentLyric->setText(QString());
    if (rowCount() >= 1)
        ui.lvLyrics->selectPosition(1, true);
    m_selectedLine = 0;
    SetPlayingControls(false);
    ui.cmdLineUp->setEnabled(false);
    // Space on Play starts marking again; only a text box being typed in keeps the focus.
    if (!qobject_cast<QLineEdit*>(focusWidget()))
        ui.cmdPlay->setFocus();
}

void frmSychLyrics::Timer1_Timer() {
    if (!playback().isPlaying())
        return;
    // A failing lookup or player would repeat ten times a second: say it once, keep trying.
    try {
        const SongPlayback::Shown shown = playback().tick();
        m_tickFailure.clear();
        if (shown.atStart) {
            ui.lblTime->setText(QString());
            return;
        }
        ui.sldSong->setMax(shown.lengthSeconds);
        ui.sldSong->setValue(shown.second);
        ui.lblTime->setText(shown.timeText);
        if (shown.row > 0) {
            ui.lvLyrics->selectPosition(shown.row, true);
            ui.lblCurrentLyric->setText(shown.lyric);
        }
    } catch (const VersettaError& error) {
        if (error.message() != m_tickFailure)
            reportFailure(error.message());
        m_tickFailure = error.message();
    }
}

void frmSychLyrics::cmdMark_Click() {
    if (playback().tapAlongRunning()) {
        showStatus(playback().takeTap()); // the tap-along measures the press instead
        return;
    }
    const int stamped = selectedRow();
    if (stamped == 0)
        return; // nothing selected: nothing to stamp
    if (const QString refused = playback().markSelected(); !refused.isEmpty()) {
        showStatus(refused);
        return;
    }
    ui.lblCurrentLyric->setText(cell(stamped, ColLyric));
    showSheetSelection(true);
    ShowSaveButton();
}

void frmSychLyrics::cmdReset_Click() {
    sheet().clearMarks();
    ShowSaveButton();
}

void frmSychLyrics::ReplaySelectedLine() {
    if (playback().tapAlongRunning())
        return;
    const int p = RequireSelectedRow(QStringLiteral("Replay"));
    if (p == 0)
        return;
    if (!playback().replayTime(p)) {
        showStatus(QStringLiteral("Replay: line %1 has no time yet; mark it first.").arg(p));
        return;
    }
    if (ui.cmdPlay->text() == QLatin1String("Play"))
        cmdPlay_Click(); // from Stop this loads the song, as a Play press does
    playback().replay(p);
    showSheetSelection(true);
    ui.lblCurrentLyric->setText(cell(p, ColLyric));
    ui.cmdMark->setFocus();
    Timer1_Timer();
    showStatus(QStringLiteral("Replaying line %1: Mark Line marks it again.").arg(p));
}

void frmSychLyrics::StartTapAlong() {
    if (playback().tapAlongRunning())
        return;
    if (playback().isPlaying() || ui.picSynch->isHidden()) {
        showStatus(QStringLiteral("Stop the song (with the lyric sheet shown) to measure the "
                                  "reaction delay."));
        return;
    }
    const QString started = playback().startTapAlong();
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui.cmdInsert, ui.cmdRemove, ui.cmdAddLine, ui.cmdAdjustAll, ui.cmdAdjustSingle,
             ui.txtAdjustAll, ui.txtAdjustSingle, ui.spnAdjustAll, ui.spnAdjustSingle, ui.cmdReset,
             ui.cmdEditLyric, ui.cmdLineDown, ui.cmdLineUp, ui.cmdSave, ui.cmdMark, ui.cmdPlay})
        m_enabledBeforeTapAlong.emplace_back(control, control->isEnabled());
    SetPlayingControls(true);
    ui.cmdPlay->setEnabled(false);
    ui.cmdMark->setFocus();
    showStatus(started);
}

void frmSychLyrics::cmdStop_Click() {
    StopOrEndSong();
}

void frmSychLyrics::Amp3dj1_SongEnded(int /*reason*/) {
    StopOrEndSong();
}

void frmSychLyrics::sldSong_Scroll() {
    playback().seekTo(ui.sldSong->Value());
}

void frmSychLyrics::SeekBy(std::int32_t deltaMs) {
    if (playback().tapAlongRunning())
        return;
    if (const QString refused = playback().seekBy(deltaMs); !refused.isEmpty())
        showStatus(refused);
    else
        Timer1_Timer(); // the slider and the time label follow at once
}

void frmSychLyrics::connectSongWaveform() {
    m_waveform = new WaveformLoader(this);
    connect(m_waveform, &WaveformLoader::envelopeChanged, this,
            [this] { ui.sldSong->setEnvelope(m_waveform->envelope()); });
    ui.sldSong->followSheet(&sheet());
    // The selected line's mark is drawn apart from the others.
    connect(ui.lvLyrics->selectionModel(), &QItemSelectionModel::selectionChanged, ui.sldSong,
            [this] { ui.sldSong->update(); });
}
