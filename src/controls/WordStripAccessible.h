#pragma once

// Lets a screen reader read the word strip: its words become items named by the word and its
// time, since the strip draws them and has no child widgets to read.
void InstallWordStripAccessible();
