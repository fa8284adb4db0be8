#include "window/frmSychLyrics.h"

// Time adjustment is not built yet.
void frmSychLyrics::cmdAdjustAll_Click() {}
void frmSychLyrics::cmdAdjustSingle_Click() {}
void frmSychLyrics::spnAdjustAll_Change(int /*direction*/) {}
void frmSychLyrics::spnAdjustSingle_Change(int /*direction*/) {}
