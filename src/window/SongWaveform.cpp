#include "window/frmSychLyrics.h"

#include "playback/WaveformLoader.h"
#include "window/SongSlider.h"

#include <QItemSelectionModel>
#include <QTreeView>

void frmSychLyrics::connectSongWaveform() {
    m_waveform = new WaveformLoader(this);
    connect(m_waveform, &WaveformLoader::envelopeChanged, this,
            [this] { ui.sldSong->setEnvelope(m_waveform->envelope()); });
    ui.sldSong->followSheet(&sheet());
    // The selected line's mark is drawn apart from the others.
    connect(ui.lvLyrics->selectionModel(), &QItemSelectionModel::selectionChanged, ui.sldSong,
            [this] { ui.sldSong->update(); });
}

void frmSychLyrics::ShowSongWaveform(const QString& songPath) {
    // A song that cannot be decoded simply has no waveform: the player and the lyric sources
    // report what is wrong with it.
    m_waveform->load(songPath);
}
