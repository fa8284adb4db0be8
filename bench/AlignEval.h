#pragma once

#include "align/Timing.h"

#include <QString>
#include <QStringList>

#include <map>
#include <string>
#include <vector>

// Suggested times measured on generated songs with known line starts: each song folder holds
// Song.mp3 or Song.flac, Song.xml (its lines), Song.starts (each line's start in seconds) and,
// for the hard set, Song.conditions (how it was made, per line too).

struct AlignCase {
    QString song;
    QStringList lines;
    std::vector<double> starts;                     // seconds
    std::vector<std::string> tags;                  // of the song: "female", "reverb", "-6 dB", …
    std::vector<std::vector<std::string>> lineTags; // per line: "after a break", "repeated"
};

// The cases under folder: every folder beneath it with a Song.starts, in name order.
std::vector<AlignCase> LoadAlignCases(const QString& folder);

// Errors of one method under one condition, per group of lines.
struct AlignTally {
    std::vector<double> seconds; // absolute error of each suggested line
    int spread = 0;              // lines the aligner could only spread
    int confident = 0;           // answers at or above kConfident
    int confidentWrong = 0;      // of them, more than a second off
    void add(const Suggestion& g, double start);
    double within(double limit) const;
    double mean() const;
    double spreadShare() const;
    double confidentWrongShare() const;
};

struct AlignFigures {
    // By condition ("first line marked", "every third line marked"), then by group ("all",
    // or a tag); the aligner's and the text-length spread's.
    std::map<std::string, std::map<std::string, AlignTally>> aligned, spread;
    // The timing check on songs marked whole, a third of the marks moved 2 to 4 s.
    int moved = 0, movedFlagged = 0, correct = 0, correctFlagged = 0;
    double cpuSeconds = 0, audioMinutes = 0, worstCpuPerMinute = 0;
    double worstRealignMs = 0;       // a new mark's stretch, on the analysis's thread
    std::vector<std::string> groups; // in the order first seen
};

// Runs every case: the analysis as the window runs it (timed on the thread's CPU clock), then
// each condition with marks in whole seconds (the floor of the true start), and the check.
// progress: one line per song on stderr when true. jobs: songs measured at once, each on a
// thread of its own with its own aligner (the CPU figures are per thread).
AlignFigures MeasureAlignment(const std::vector<AlignCase>& cases, bool progress, int jobs = 1);
// The same for several sets at once, the songs of all of them shared out among the threads.
std::vector<AlignFigures> MeasureAlignmentSets(const std::vector<std::vector<AlignCase>>& sets,
                                               bool progress, int jobs);

// The analysis of c as the window runs it, one aligner on this thread: the process's peak
// resident memory during it over what was resident before, in MiB; -1 where the peak cannot be
// reset. Measured before other aligners ran in the process, whose freed memory it would reuse.
double AnalysisPeakMiB(const AlignCase& c);

// Prints the tables; answers whether the hard set's targets are met when hard is true,
// else the easy set's.
bool PrintAlignFigures(const char* title, const AlignFigures& f, bool hard);
