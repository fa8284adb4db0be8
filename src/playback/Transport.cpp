#include "window/frmSychLyrics.h"

// Transport is not built yet.
void frmSychLyrics::cmdPlay_Click() {}
void frmSychLyrics::cmdStop_Click() {}
void frmSychLyrics::Amp3dj1_SongEnded(int /*reason*/) {}
void frmSychLyrics::sldSong_Scroll() {}
