#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

// Precise times beside the whole seconds of Secs: a line's time in milliseconds, and the words
// of its lyric with their own. Song.xml keeps whole seconds for the jukebox; these live in
// Song.lrc beside it.

// One word of a lyric: where it stands in the text and when it is sung (-1: not yet);
// endMs is when it ends, where a file said so.
struct WordTime {
    qsizetype start = 0;
    qsizetype length = 0;
    qint64 ms = -1;
    qint64 endMs = -1;
    friend bool operator==(const WordTime&, const WordTime&) = default;
};

// The words of a lyric, none of them timed: its runs of characters between blanks, and in
// scripts written without blanks (Chinese, Japanese kana) each character, with the marks
// after it.
std::vector<WordTime> WordsOf(const QString& lyric);

bool AnyWordTimed(const std::vector<WordTime>& words);

// A Secs text as milliseconds; nothing for an unmarked row, a text that is no number, or a
// time beyond 2^31 seconds either way.
std::optional<qint64> SecsMs(const QString& secs);

// Whether a precise time belongs to Secs: it lies within the second that starts at Secs's
// time (a mark at 12.48 s for Secs 12; 12.98 s once both moved by 0.5 s to Secs 12.5). A time
// before the song's start is held as its start.
bool PreciseTimeFits(const QString& secs, qint64 ms);

// Moves every word time by deltaMs, never before 0.
void ShiftWords(std::vector<WordTime>& words, qint64 deltaMs);

// A precise time as the status line and undo name it: "0:12.48", "1:00:12.48".
QString PreciseTimeText(qint64 ms);
