#pragma once

#include "sheet/SheetRow.h"

#include <QString>

#include <vector>

// A line of timed lyrics as other players read them: milliseconds from the song's start.
struct SyncedLine {
    qint64 ms = 0;
    QString text;
    // Read back: the text's words (WordsOf), each timed by the entry that starts it, a word
    // split where an entry starts inside it (syllables); empty for a line of one entry.
    std::vector<WordTime> words = {};
};

// The SYLT entries of the marked rows in sheet order, at the times the exports use: one per
// row, or one per timed word of a row with word times. The first entry of each row starts with
// a line feed, as the common writers mark where a line begins, so readers that show the
// entries as text show the lines and not one line per word.
std::vector<SyncedLine> SyncedLinesFromRows(const std::vector<SheetRow>& rows);

// The lines of SYLT entries as written by SyncedLinesFromRows or by a writer that gives one
// entry per line (which the first entry tells): each at its first entry's time, its entries'
// text joined without the line feeds, with its words' and syllables' times.
std::vector<SyncedLine> LinesOfEntries(const std::vector<SyncedLine>& entries);
