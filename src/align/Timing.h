#pragma once

#include "align/VoiceMap.h"
#include "sheet/SheetRow.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <map>
#include <vector>

// A proposed start for one lyric line.
struct Suggestion {
    enum Kind {
        Aligned,  // the line's words found in the audio
        Repeated, // where the audio of an earlier, marked passage with the same words repeats
        Spread,   // shared out between its neighbours by syllables: a guess
    };
    int line = -1; // index in the lyric lines
    qint64 ms = 0;
    double confidence = 0; // how likely the time is within a second of the truth; 0 for a spread
    Kind kind = Spread;
    friend bool operator==(const Suggestion&, const Suggestion&) = default;
};

// Likely enough to accept with the others at once and to judge a mark by.
inline constexpr double kConfident = 0.6;
// A mark that disagrees with the voice alone is doubted when an alignment between the other
// marks still disagrees with at least this confidence.
inline constexpr double kSecondLookConfidence = 0.5;

// The person's marks: line index to milliseconds. A time on a whole second may be a mark
// taken in whole seconds, so the line may start anywhere in that second.
using Anchors = std::map<int, qint64>;

// The last moment a mark may stand for: the end of its second when it is on a whole second.
inline qint64 MarkLatestMs(qint64 markMs) {
    return markMs % 1000 == 0 ? markMs + 999 : markMs;
}

// The marks of the sheet's rows: the precise time while it holds, else the row's seconds when
// they are a number of seconds at or after the start.
Anchors MarksOf(const std::vector<SheetRow>& rows);

// What an analysis of a sheet is given, the same for the window's song and the tool's: every
// row's lyric (a blank one is a pause the aligner steps over) and the marks that anchor them.
struct SheetToAlign {
    QStringList lines;
    Anchors marks;
    // Some line has words to sing; a sheet of blank lines has nothing to align.
    bool hasWords() const;
};
SheetToAlign SheetToAlignOf(const std::vector<SheetRow>& rows);

// A mark that looks wrong: far from a likely suggestion, or where surely no voice is heard.
struct TimingFlag {
    int line = -1;
    qint64 markMs = 0;
    qint64 offMs = 0;     // mark minus suggestion: positive when the mark is late; 0 for none
    bool noVoice = false; // surely no voice in the two seconds from the mark
    QString text() const; // "marked 2.4 s later than the voice suggests", …
    friend bool operator==(const TimingFlag&, const TimingFlag&) = default;
};

// Checks marks against suggestions made without them: a mark is doubted where a suggestion of
// at least that confidence lies well outside the stretch the mark stands for, or where surely
// no voice is heard.
std::vector<TimingFlag> CheckTiming(const Anchors& marks, const std::vector<Suggestion>& without,
                                    const VoiceMap& voice, double confidence = kConfident);

// The check's second look at the marks the first look (first, made without marks) doubted:
// second is an alignment between the marks that passed. A mark stays doubted where second is
// fairly sure it is wrong, or where both looks found its line together, far from it.
std::vector<TimingFlag> SecondLook(const Anchors& doubted, const std::vector<Suggestion>& first,
                                   const std::vector<Suggestion>& second, const VoiceMap& voice);

// The marks that anchor suggestions: all but those the check doubts, until the person
// stands by them.
Anchors TrustedAnchors(const Anchors& marks, const std::vector<TimingFlag>& doubted);
