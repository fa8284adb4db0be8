#pragma once

#include <QString>

// One row of the lyric sheet as text, in column order: what the list shows, what the lyrics
// file holds per line, and what every loader makes.
struct SheetRow {
    QString number;
    QString lyric;
    QString time;
    QString secs;

    friend bool operator==(const SheetRow&, const SheetRow&) = default;
};
