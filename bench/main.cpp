// Speed figures of the program, each printed with the baseline it is measured against in
// the same run. Run with: cmake --build build --target bench

#include "Bench.h"

#include <QApplication>

#include <cstdio>

namespace {

bool report(const char* what, double measured, double limit, const char* unit) {
    const bool met = measured >= 0 && measured < limit;
    std::printf("  %-34s %10.3f %s  (target < %g %s)  %s\n", what, measured, unit, limit, unit,
                met ? "met" : "MISSED");
    return met;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString song = QStringLiteral(VELMORA_BENCH_SONG);
    // The children play without a sound card; the in-process player does too.
    qputenv("VELMORA_AUDIO_OUTPUT", "null");

    // "velmora-bench library" runs only the command-line tool's figures.
    if (argc > 1 && qstrcmp(argv[1], "library") == 0) {
        benchLibrary(song);
        return 0;
    }
    BenchTargets targets;
    benchProcesses(song);
    benchStorage(targets);
    benchPlayback(targets, song);
    benchLibrary(song);
    const bool waveformMet = benchWaveform();

    std::printf("\n== Targets\n");
    bool met = report("Play press, 100-line song", targets.playPressMs, 100, "ms");
    met = report("One tick, 32767-row preview", targets.tickMs, 0.5, "ms") && met;
    met = report("Save of 32767 lines", targets.save32767Ms, 1000, "ms") && met;
    std::printf("  %-34s %s\n", "Waveform: decode, memory, paint", waveformMet ? "met" : "MISSED");
    met = waveformMet && met;
    std::printf("%s\n", met ? "All targets met." : "Some targets missed.");
    return 0;
}
