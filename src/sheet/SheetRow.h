#pragma once

#include <QString>
#include <QtGlobal>

// One row of the lyric sheet as text, in column order: what the list shows, what the lyrics
// file holds per line, and what every loader makes.
struct SheetRow {
    QString number;
    QString lyric;
    QString time;
    QString secs;
    // The exact position of the last Mark Line press in milliseconds, -1 for none; kept apart
    // from secs so the lyrics file stays in whole seconds. Edits and shifts drop it.
    qint64 markMs = -1;

    // The exact mark still holds while Secs is the second it was marked at.
    bool hasExactMark() const { return markMs >= 0 && secs == QString::number(markMs / 1000); }

    friend bool operator==(const SheetRow&, const SheetRow&) = default;
};
