#pragma once

#include "sheet/LyricSheet.h"

#include <QString>
#include <QtGlobal>

#include <vector>

// The word strip's edits by hand of a row's word times: each is one undo step of the sheet
// and answers what the status line says.

// Sets the start of the row's word (or syllable) at index word to ms; a first word moves its
// line along.
QString MoveWordStart(LyricSheet& sheet, int position, int word, qint64 ms);

// Splits the timed word or syllable of the row at position that is being sung at ms (the one
// at index word when ms falls in it) in two, the second part starting at ms. The break is the
// word's own syllable break (align/Hyphenation.h) nearest to where ms falls in the word's
// time; a word of one syllable breaks at the character there.
QString SplitWordAt(LyricSheet& sheet, int position, int word, qint64 ms);

// The word at index word split into all its syllables at once, their starts shared out over
// its time by their length, each moved to a voice onset within 80 ms (onsetsMs ascending).
QString SplitIntoSyllables(LyricSheet& sheet, int position, int word,
                           const std::vector<qint64>& onsetsMs);
// The syllables SplitIntoSyllables would make of that word, "" when it has one or no time:
// "to·ge·ther".
QString SyllablesShown(const LyricSheet& sheet, int position, int word);

// What a loop of the row at position plays (its word at index word when >= 0): from its
// start to the next word's, or the next line's; fromMs < 0 when it has no time.
struct LoopSpan {
    qint64 fromMs = -1;
    qint64 toMs = -1;
};
LoopSpan LoopSpanOf(const std::vector<SheetRow>& rows, int position, int word);
