#include "window/frmSychLyrics.h"

// Line editing is not built yet.
void frmSychLyrics::cmdAddLine_Click() {}
void frmSychLyrics::cmdInsert_Click() {}
void frmSychLyrics::cmdRemove_Click() {}
void frmSychLyrics::cmdEditLyric_Click() {}
void frmSychLyrics::lvLyrics_DblClick() {}
void frmSychLyrics::EditSelectedLyric() {}
void frmSychLyrics::cmdLineUp_Click() {}
void frmSychLyrics::cmdLineDown_Click() {}
