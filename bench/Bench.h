#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

class frmSychLyrics;

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
void fillBenchSheet(frmSychLyrics& window, int lines);

// Writes the lyrics file of songPath (its .xml beside it) with that many lines, as Save
// would write them.
void writeBenchLyricsFile(const QString& songPath, int lines);

// The figures main() checks against their targets.
struct BenchTargets {
    double playPressMs = -1;
    double tickMs = -1;
    double save32767Ms = -1;
};

void benchStorage(BenchTargets& targets);
void benchPlayback(BenchTargets& targets, const QString& song);
void benchProcesses(const QString& song);
void benchLibrary(const QString& song);
// True when the waveform's decode, memory and paint meet their targets.
bool benchWaveform();
