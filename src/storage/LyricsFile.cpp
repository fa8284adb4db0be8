#include "window/frmSychLyrics.h"

// The synchronized lyrics file is not written or read yet: Save does nothing and no song
// has a sheet from a file.
void frmSychLyrics::cmdSave_Click() {}

void frmSychLyrics::ShowSynchLyrics(const QString& /*fileName*/) {}
