#include "window/frmSychLyrics.h"

// The preview table is not filled yet.
void frmSychLyrics::WriteLyricsToTempDB() {}
