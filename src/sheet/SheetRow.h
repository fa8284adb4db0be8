#pragma once

#include "sheet/WordTimes.h"

#include <QString>
#include <QtGlobal>

#include <utility>
#include <vector>

// One row of the sheet: in column order the text the list shows and the lyrics file holds
// per line, and beside it the precise times that live in Song.lrc.
struct SheetRow {
    QString number;
    QString lyric;
    QString time;
    QString secs;
    // The line's precise time in milliseconds, -1 for none: set by Mark Line, moved by nudges
    // and shifts along with Secs, so the lyrics file can stay in whole seconds.
    qint64 markMs = -1;
    // The lyric's words with their times once a word is marked; empty otherwise.
    std::vector<WordTime> words = {};

    // The precise time still belongs to Secs (it does unless Secs was changed apart from it).
    bool hasExactMark() const { return markMs >= 0 && PreciseTimeFits(secs, markMs); }
    bool hasWordTimes() const { return AnyWordTimed(words); }

    friend bool operator==(const SheetRow&, const SheetRow&) = default;
};

// What the word strip shows for the row at 1-based position: its words with their times, over
// the stretch of song from just before its first word (an unmarked row: the last time before
// it) to just past the next row's time, or three seconds where no later time follows.
struct WordSpan {
    std::vector<std::pair<QString, qint64>> words; // text and time, -1 for none yet
    qint64 fromMs = 0;
    qint64 toMs = 0;
};
WordSpan WordSpanOf(const std::vector<SheetRow>& rows, int position);
