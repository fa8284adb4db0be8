#include "window/frmSychLyrics.h"

// Marking is not built yet.
void frmSychLyrics::cmdMark_Click() {}
void frmSychLyrics::cmdReset_Click() {}
