#include "window/frmSychLyrics.h"

// Tags are not read yet: no song has tag lyrics.
bool frmSychLyrics::CheckForLyrics(const QString& /*fileName*/) const {
    return false;
}

QString frmSychLyrics::GetLyrics(const QString& /*fileName*/) const {
    return {};
}

void frmSychLyrics::cmdSaveUnsynch_Click() {}
