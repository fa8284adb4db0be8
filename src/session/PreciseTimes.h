#pragma once

#include "sheet/SheetRow.h"

#include <QString>

#include <vector>

// Where precise times live: Song.xml holds whole seconds, for the jukebox; the line times in
// milliseconds and the word times are kept in Song.lrc beside it, which every common player
// also reads. Song.lrc is trusted only while it agrees with Song.xml.

struct PreciseTimesTaken {
    bool taken = false;
    bool milliseconds = false; // its stamps had milliseconds
    // Why a Song.lrc that is there was not used ("Song.lrc does not match ..."), or "".
    QString note;
};

// Puts the precise times and word times of the LRC file at lrcPath onto rows (read from the
// lyrics file) when it agrees with them: the same lines with the same words, marked alike,
// each stamp within the second that starts at its row's Secs (a centisecond either side, for
// stamps rounded to centiseconds). Otherwise rows stay as they were. No file there is no note.
PreciseTimesTaken TakePreciseTimes(std::vector<SheetRow>& rows, const QString& lrcPath);

// Whether rows hold times that only Song.lrc can keep: a word time.
bool HoldsWordTimes(const std::vector<SheetRow>& rows);
