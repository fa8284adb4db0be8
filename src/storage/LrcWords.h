#pragma once

#include "sheet/WordTimes.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// Word stamps of enhanced LRC: "<mm:ss.xx>" before each timed word of a line, and one after a
// word where it ends ("[00:12.00]<00:12.00>Hel<00:12.20>lo <00:12.50>world<00:13.10>").
//
// A line this program writes starts its words with a stamp, so no reader takes its text for a
// line stamp or a tag. A '<' of the lyric that could start a stamp is written "<" U+2060 (the
// invisible word joiner), which no reader takes for a stamp and this one reads back as "<".
// A lyric with blanks at either end, or a joiner first, has a joiner after its first stamp:
// its text then reads back exactly, blanks kept.

// The text of a line after its line stamp: the lyric with its word stamps. words[0] must be
// timed. milliseconds: "mm:ss.xxx" stamps, else "mm:ss.xx".
void AppendWordStampedText(QString& text, const QString& lyric, const std::vector<WordTime>& words,
                           bool milliseconds);

struct WordStampedLine {
    QString lyric;
    std::vector<WordTime> words;
    bool milliseconds = false; // some stamp has three digits after the point
};

// Reads the text of a line after its line stamps; nothing when it holds no word stamp. A stamp
// followed by a word is that word's; one followed by a blank, another stamp or the end of the
// line ends the word before it. Blanks around the text go, and the blanks on both sides of a
// stamp ("a <00:01.00> b") count once; a word between blanks that has no stamp of its own is
// a word without a time. A line's first word without a stamp takes lineMs.
std::optional<WordStampedLine> ReadWordStamps(QStringView text, qint64 lineMs);
