#include "window/frmSychLyrics.h"

#include "core/PathRules.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

QString frmSychLyrics::QualifyPath(const QString& path) const {
    return ::QualifyPath(path, nativeSeparator());
}

QString frmSychLyrics::LyricsFileOfFileBar() const {
    const QString name = ui.songFileBox->text();
    return name.size() < 4 ? QString()
                           : SynchLyricsFileName(QualifyPath(ui.songFolderBox->text()) + name);
}

bool frmSychLyrics::CheckForSynchLyricsFile(const QString& songPath) const {
    const QString name = SynchLyricsFileName(songPath);
    return !name.isEmpty() && FileExists(name);
}

void frmSychLyrics::Form_Load() {
    const QString argument = m_platform.commandLine;
    if (!argument.isEmpty()) {
        const SongLocation location = SplitSongPath(argument, nativeSeparator());
        state.songFolder = location.folder;
        state.songFile = location.file;
        ui.songFolderBox->setText(state.songFolder);
        ui.songFileBox->setText(state.songFile);
        ui.txtFileName->setText(ui.songFolderBox->text() + ui.songFileBox->text());
        // Whatever the song's lyrics do, the player below must still be set up.
        guarded("Opening the song", [this, &argument] { RunLyricSourceChain(argument); });
    }
    if (ui.mp3Player) {
        ui.mp3Player->InitPlayer(1, static_cast<quintptr>(winId()));
        ui.mp3Player->StartupSetting(1);
    }
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
            ? m_platform.openDialog(QStringLiteral("MP3s (*.mp3)"), state.songFolder, initialName)
            : initialName;
    OpenSongFromDialog(chosen);
}

// What the Open dialog's answer does; a dropped song arrives here too.
void frmSychLyrics::OpenSongFromDialog(const QString& chosen) {
    if (chosen != QLatin1String("*.mp3") && !chosen.isEmpty()) {
        const SongLocation location = SplitSongPath(chosen, nativeSeparator());
        state.songFolder = location.folder;
        state.songFile = location.file;
        ui.songFolderBox->setText(state.songFolder);
        ui.songFileBox->setText(state.songFile);
        ui.txtFileName->setText(ui.songFolderBox->text() + ui.songFileBox->text());
    }
    // Play and Save leave the full path in state.songFile; the bare name the file bar keeps in
    // ui.songFileBox is what joins with the folder, so a cancelled dialog reloads the song that is
    // shown.
    RunLyricSourceChain(QualifyPath(state.songFolder) + ui.songFileBox->text());
}

void frmSychLyrics::cmdClose_Click() {
    close();
}

void frmSychLyrics::RunLyricSourceChain(const QString& songPath) {
    // The player would go on with the song before: Play would resume it and Mark Line would
    // stamp this sheet with its positions. Stopped, the next Play loads this one.
    if (state.isPlaying || m_tapAlong)
        StopOrEndSong();
    ShowSongWaveform(songPath);
    // Another song starts a history of its own, whatever the loaders do; loading the song
    // that is shown again is a step that can be undone.
    struct ForgetHistory {
        LyricSheet& sheet;
        bool forget;
        ~ForgetHistory() {
            if (forget)
                sheet.clearHistory();
        }
    } history{m_sheet, songPath != m_historySong};
    m_historySong = songPath;
    // Both loaders clear the status line themselves and leave there only what the user must
    // know about the lyrics just loaded (a damaged file, lines beyond the sheet's reach).
    if (CheckForSynchLyricsFile(songPath)) {
        ShowSynchLyrics(songPath);
    } else if (CheckForLyrics(songPath)) {
        const QString lyrics = GetLyrics(songPath);
        ShowUnsynchLyrics(lyrics);
        ui.cmdAddLyrics->setText(QStringLiteral("Show Unsynched Lyrics"));
        ui.cmdAddLyrics->setVisible(true);
    } else {
        m_sheet.load({{QString(), QStringLiteral("No Lyrics Found"), QString(), QString()}},
                     QStringLiteral("Open Song Without Lyrics"));
        showStatus(QStringLiteral(" No Lyrics Found For  -  ") + ui.txtFileName->text());
        ui.cmdAddLyrics->setVisible(true);
        ui.picSynch->setVisible(false);
        ui.picUnsynch->setVisible(false);
    }
    if (CheckForLyrics(songPath)) {
        setUnsynchText(GetLyrics(songPath));
        ui.cmdAddLyrics->setText(QStringLiteral("Show Unsynched Lyrics"));
        ui.cmdAddLyrics->setVisible(true);
    }
    offerLrcBesideSong(songPath);
}
