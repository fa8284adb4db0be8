#pragma once

#include "sheet/SheetRow.h"

#include <QString>

#include <vector>

// A line of timed lyrics as other players read them: milliseconds from the song's start.
struct SyncedLine {
    qint64 ms = 0;
    QString text;
};

// The marked rows in sheet order, at the times the exports use; a row with word times gives one
// line per timed word.
std::vector<SyncedLine> SyncedLinesFromRows(const std::vector<SheetRow>& rows);
