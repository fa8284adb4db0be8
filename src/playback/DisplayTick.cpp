#include "window/frmSychLyrics.h"

// The tick does nothing unless a song is in progress, and nothing starts one yet.
void frmSychLyrics::Timer1_Timer() {}
