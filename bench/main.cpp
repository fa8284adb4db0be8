// Speed figures of the program, each printed with the baseline it is measured against in
// the same run, and a table of the targets. Run with: cmake --build build --target bench

#include "Bench.h"
#include "media/LinkedMedia.h"

#include <QApplication>

#include <cstdio>

namespace {

// The targets as a Markdown table, so the README can show a run as it was printed.
bool report(const BenchTargets& all) {
    std::printf("\n== Targets (same run)\n\n");
    std::printf("| figure | measured | baseline | ratio | target | |\n");
    std::printf("|---|---|---|---|---|---|\n");
    bool allMet = true;
    for (const Target& t : all.targets) {
        const bool isRatio = t.baseline > 0;
        const double value = isRatio ? t.measured / t.baseline : t.measured;
        const bool met = t.measured >= 0 && value <= t.limit;
        allMet = allMet && met;
        const char* unit = t.unit.c_str();
        if (t.measured < 0) {
            std::printf("| %s | not measured | %s | | ≤ %g%s | not met |\n", t.figure.c_str(),
                        t.baseName.c_str(), t.limit, isRatio ? "×" : (" " + t.unit).c_str());
            continue;
        }
        if (isRatio)
            std::printf("| %s | %.3g %s | %s %.3g %s | %.2f× | ≤ %g× | %s |\n", t.figure.c_str(),
                        t.measured, unit, t.baseName.c_str(), t.baseline, unit, value, t.limit,
                        met ? "met" : "not met");
        else
            std::printf("| %s | %.3g %s | | | ≤ %g %s | %s |\n", t.figure.c_str(), t.measured, unit,
                        t.limit, unit, met ? "met" : "not met");
    }
    std::printf("\n%s\n", allMet ? "All targets met." : "Some targets not met.");
    return allMet;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    UseMediaSource(OpenLinkedMedia);
    const QString song = QStringLiteral(VELMORA_BENCH_SONG);
    // The children play without a sound card; the in-process player does too.
    qputenv("VELMORA_AUDIO_OUTPUT", "null");

    // "velmora-bench library" runs only the command-line tool's figures.
    if (argc > 1 && qstrcmp(argv[1], "library") == 0) {
        benchLibrary(song);
        return 0;
    }
    // "velmora-bench align [--full] [--jobs N]" runs only the suggested times' figures, N songs
    // at once.
    if (argc > 1 && qstrcmp(argv[1], "align") == 0) {
        bool full = false;
        int jobs = 1;
        for (int i = 2; i < argc; ++i) {
            if (qstrcmp(argv[i], "--full") == 0)
                full = true;
            else if (qstrcmp(argv[i], "--jobs") == 0 && i + 1 < argc)
                jobs = std::max(1, QByteArray(argv[++i]).toInt());
        }
        BenchTargets targets;
        benchAnalysisWindow(targets);
        benchAlign(targets, full, jobs);
        return report(targets) ? 0 : 1;
    }
    BenchTargets targets;
    // "velmora-bench storage" runs only Save, load and the preview fill.
    if (argc > 1 && qstrcmp(argv[1], "storage") == 0) {
        benchStorage(targets);
        return report(targets) ? 0 : 1;
    }
    // "velmora-bench words" runs only the word timing figures and the word suggestions'.
    if (argc > 1 && qstrcmp(argv[1], "words") == 0) {
        benchWords(targets);
        benchWordSuggestions(targets);
        return report(targets) ? 0 : 1;
    }
    // "velmora-bench startup" runs only start-up and peak memory.
    if (argc > 1 && qstrcmp(argv[1], "startup") == 0) {
        benchProcesses(targets, song);
        report(targets);
        return 0;
    }
    // "velmora-bench analysis-window" runs only the marks and ticks while a song is analysed.
    if (argc > 1 && qstrcmp(argv[1], "analysis-window") == 0) {
        benchAnalysisWindow(targets);
        return report(targets) ? 0 : 1;
    }
    // "velmora-bench waveform" runs only the waveform and format figures.
    if (argc > 1 && qstrcmp(argv[1], "waveform") == 0) {
        benchWaveform(targets);
        report(targets);
        return 0;
    }
    benchProcesses(targets, song);
    benchStorage(targets);
    benchPlayback(targets, song);
    benchMarking(targets, song);
    benchAnalysisWindow(targets);
    benchWaveform(targets);
    benchWords(targets);
    benchWordSuggestions(targets);
    benchLibrary(song);
    benchAlign(targets, false);
    report(targets);
    return 0;
}
