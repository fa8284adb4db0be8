#include "window/frmSychLyrics.h"

// The text panel is not built yet.
void frmSychLyrics::ShowUnsynchLyrics(const QString& /*sLyrics*/) {}
void frmSychLyrics::cmdAddLyrics_Click() {}
void frmSychLyrics::cmdPaste_Click() {}
void frmSychLyrics::cmdLyricsFromText_Click() {}
void frmSychLyrics::cmdClearUnsynch_Click() {}
void frmSychLyrics::txtAddLyrics_Change() {}
void frmSychLyrics::txtAddLyrics_Click() {}
