// Word suggestions inside lines whose ends are known, on generated songs with known word starts
// (make-word-songs.py: English, German and Chinese sung word by word over the easy set's bed),
// beside the text-length spread inside the line in the same run. Seeds 1-3 are the ones the
// word aligner was tuned on (English also on 4-7, made apart); 101-104 were held back and give
// the targets.

#include "Bench.h"
#include "WordEval.h"

#include <QDir>
#include <QProcess>

#include <algorithm>
#include <cstdio>

namespace {

void make(const QString& folder, const QString& seeds) {
    QProcess make;
    make.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    make.start("/usr/bin/python3", {VELMORA_BENCH_WORD_SONGS, folder, "--seeds", seeds});
    make.waitForFinished(-1);
}

} // namespace

void benchWordSuggestions(BenchTargets& targets) {
    std::printf("\n== Word suggestions (generated songs with known word starts)\n");
    const QString folder = QDir::currentPath() + "/word-songs";
    make(folder + "/tuned", "1-3");
    make(folder + "/held", "101-104");
    PrintWordFigures("seeds 1-3 (tuned on)", MeasureWords(folder + "/tuned", false));
    const WordFigures held = MeasureWords(folder + "/held", false);
    PrintWordFigures("seeds 101-104 (never tuned on)", held);

    const auto english = held.suggested.find("en");
    const bool hasEnglish = english != held.suggested.end();
    targets.absolute("words, English, both line ends known: starts more than 0.1 s off",
                     hasEnglish ? 100 * (1 - english->second.within(0.1)) : -1, 15, "%");
    targets.absolute("words, English, both line ends known: starts more than 0.25 s off",
                     hasEnglish ? 100 * (1 - english->second.within(0.25)) : -1, 5, "%");
    for (const auto& [language, t] : held.suggested) {
        if (language == "en")
            continue;
        targets.absolute("words, " + language + ": starts more than 0.15 s off",
                         100 * (1 - t.within(0.15)), 40, "%");
        targets.ratio("words, " + language +
                          ": the text-length spread's share within 0.15 s against theirs",
                      100 * held.spread.at(language).within(0.15), "suggested",
                      100 * t.within(0.15), 0.5, "%");
    }
    std::vector<double> ms = held.lineMs;
    targets.absolute("words, CPU time of a line's suggestions (slowest line)",
                     ms.empty() ? -1 : *std::max_element(ms.begin(), ms.end()), 100, "ms");
}
