#pragma once

#include <QString>

#include <map>
#include <string>
#include <vector>

// Word suggestions measured on generated songs with known word starts (make-word-songs.py):
// each song folder seedN_LANG holds Song.flac, Song.xml (its lines), Song.starts (each line's
// start in seconds) and Song.words (each line's word starts in seconds).

// Signed errors of word starts, in seconds.
struct WordTally {
    std::vector<double> seconds;
    double within(double limit) const; // the share, 0 to 1
    double meanSigned() const;
};

struct WordFigures {
    // By language ("en", "de", "cmn"): lines with both ends known (the next line's start),
    // every word but the first (the line's start itself).
    std::map<std::string, WordTally> suggested, spread;
    // The last lines, whose end is where the voice stops.
    std::map<std::string, WordTally> lastLines;
    // English lines of four words or more with their middle word marked by hand: the others.
    WordTally aroundMark;
    WordTally confident;        // the suggested words at or above 0.6 confidence
    std::vector<double> lineMs; // the thread's CPU time of each line's suggestion
    int songs = 0, lines = 0, skipped = 0;
};

// Every song folder under folder; progress: a line per song on stderr.
WordFigures MeasureWords(const QString& folder, bool progress);

void PrintWordFigures(const char* title, const WordFigures& f);
