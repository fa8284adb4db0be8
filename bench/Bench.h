#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class LyricSheet;

// Helpers shared by the parts of velmora-bench.

// The best of several runs, in milliseconds: the run least disturbed by the rest of the
// machine.
double bestMs(int runs, const std::function<void()>& work);

// The best of several rounds for each piece of work, the pieces taking turns within a round
// so that a busy moment of the machine falls on all of them alike.
std::vector<double> bestOfEachMs(int runs, const std::vector<std::function<void()>>& works);

// Milliseconds one call of work takes.
double elapsedMs(const std::function<void()>& work);

// The middle value; the vector is reordered.
double median(std::vector<double>& values);

QByteArray readAll(const QString& path);
void writeAll(const QString& path, const QByteArray& bytes);

// The text of line i of a benchmark song: quotes and markup characters included, since
// they cost something to clean and escape.
QString benchLyric(int i);

// Fills the window's sheet with that many numbered lines, line i at second i - 1.
void fillBenchSheet(LyricSheet& sheet, int lines);

// Writes the lyrics file of songPath (its .xml beside it) with that many lines, as Save
// would write them.
void writeBenchLyricsFile(const QString& songPath, int lines);

// A figure main() checks: measured against its baseline of the same run (a ratio), or on
// its own when there is no baseline, and the most it may be.
struct Target {
    std::string figure;
    double measured = -1;
    double baseline = 0; // 0: measured itself is compared with the limit
    double limit = 0;
    std::string unit;     // of measured and baseline
    std::string baseName; // what the baseline is
};

struct BenchTargets {
    std::vector<Target> targets;
    void ratio(std::string figure, double measured, std::string baseName, double baseline,
               double limit, std::string unit = "ms") {
        targets.push_back(
            {std::move(figure), measured, baseline, limit, std::move(unit), std::move(baseName)});
    }
    void absolute(std::string figure, double measured, double limit, std::string unit = "ms") {
        targets.push_back({std::move(figure), measured, 0, limit, std::move(unit), {}});
    }
};

void benchStorage(BenchTargets& targets);
void benchPlayback(BenchTargets& targets, const QString& song);
void benchMarking(BenchTargets& targets, const QString& song);
void benchProcesses(BenchTargets& targets, const QString& song);
void benchLibrary(const QString& song);
void benchWaveform(BenchTargets& targets);
void benchWords(BenchTargets& targets);
void benchWordSuggestions(BenchTargets& targets);
// full: more seeds than the default run's few songs.
void benchAlign(BenchTargets& targets, bool full, int jobs = 1);
void benchAnalysisWindow(BenchTargets& targets);
