#include "window/frmSychLyrics.h"

#include "core/AudioFormats.h"
#include "playback/WaveformLoader.h"
#include "session/SongPlayback.h"
#include "session/SongSession.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

void frmSychLyrics::Form_Load() {
    const QString argument = m_platform.commandLine;
    if (!argument.isEmpty()) {
        // Whatever the song's lyrics do, the player below must still be set up.
        guarded("Opening the song", [this, &argument] { RunLyricSourceChain(argument); });
    }
    if (ui.mp3Player)
        guarded("Start-up", [this] {
            ui.mp3Player->InitPlayer(1, static_cast<quintptr>(winId()));
            ui.mp3Player->StartupSetting(1);
        });
    setFullRowSelect(true);
    // The first key must not edit the path: it goes to Play when a song is open, else to the
    // button that opens one.
    for (QWidget* first :
         {static_cast<QWidget*>(ui.cmdPlay), static_cast<QWidget*>(ui.cmdAddLyrics),
          static_cast<QWidget*>(ui.cmdOpen)})
        if ((first == ui.cmdOpen || !argument.isEmpty()) && first->isVisibleTo(this) &&
            first->isEnabled()) {
            first->setFocus();
            break;
        }
}

void frmSychLyrics::cmdOpen_Click() {
    const QString initialName = QStringLiteral("*.mp3");
    const QString chosen =
        m_platform.openDialog
            ? m_platform.openDialog(SongFileFilters(), m_session->songFolder(), initialName)
            : initialName;
    OpenSongFromDialog(chosen);
}

// What the Open dialog's answer does; a dropped song arrives here too. A cancelled dialog
// leaves the song and its sheet as they are: reloading them would drop an unsaved edit.
void frmSychLyrics::OpenSongFromDialog(const QString& chosen) {
    if (chosen != QLatin1String("*.mp3") && !chosen.isEmpty())
        RunLyricSourceChain(chosen);
}

void frmSychLyrics::cmdClose_Click() {
    close();
}

void frmSychLyrics::RunLyricSourceChain(const QString& songPath) {
    // The player would go on with the song before: Play would resume it and Mark Line would
    // stamp this sheet with its positions. Stopped, the next Play loads this one.
    if (playback().isPlaying() || playback().tapAlongRunning())
        StopOrEndSong();
    // A song that cannot be decoded simply has no waveform: the player and the lyric sources
    // report what is wrong with it.
    m_waveform->load(songPath);
    // The loading clears the status line and leaves there only what the user must know about
    // the lyrics just loaded (a damaged file, lines beyond the sheet's reach).
    const SongSession::Opened opened = m_session->open(songPath);
    if (opened.source == SongSession::Source::LyricsFile) {
        showLoadedSheet();
        showStatus(QString());
        if (!opened.note.isEmpty())
            reportFailure(opened.note);
    } else if (opened.source == SongSession::Source::TagLyrics) {
        showUnsynchSheet(opened.note);
    } else if (opened.source == SongSession::Source::TimedTagLyrics) {
        // Marked lines that no lyrics file holds yet: as Ctrl+I leaves them, ready to save.
        showLoadedSheet();
        ShowSaveButton();
        showStatus(QString());
    } else {
        showStatus(QStringLiteral(" No Lyrics Found For  -  ") + ui.txtFileName->text());
        ui.cmdAddLyrics->setVisible(true);
        ui.picSynch->setVisible(false);
        ui.picUnsynch->setVisible(false);
    }
    if (m_session->hasTagLyrics()) {
        setUnsynchText(m_session->tagLyrics());
        // The tooltip names the caption before its keys: it follows the caption.
        const QString caption = QStringLiteral("Show Unsynched Lyrics");
        const QString tip = ui.cmdAddLyrics->toolTip();
        const qsizetype keys = tip.indexOf(QStringLiteral(" \u2014 "));
        ui.cmdAddLyrics->setToolTip(keys < 0 ? caption : caption + tip.mid(keys));
        ui.cmdAddLyrics->setText(caption);
        ui.cmdAddLyrics->setVisible(true);
    }
    // An LRC file beside a song without a lyrics file is offered.
    if (const QString offer = m_session->lrcOffer(); !offer.isEmpty()) {
        const QString shown = ui.lblStatus->text().trimmed();
        showStatus(shown.isEmpty() ? offer : shown + QStringLiteral("  ·  ") + offer);
    }
}
