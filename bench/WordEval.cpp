#include "WordEval.h"

#include "Bench.h"

#include "align/AlignAudio.h"
#include "align/LyricAligner.h"
#include "storage/LyricsXml.h"

#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

std::vector<double> numbers(const QByteArray& line) {
    std::vector<double> out;
    for (const QByteArray& s : line.split(' '))
        if (!s.trimmed().isEmpty())
            out.push_back(s.toDouble());
    return out;
}

// The text-length spread inside the line: each word's share of the time between the line's
// ends is its share of the line's characters.
std::vector<double> spreadByLength(const QString& line, double start, double end) {
    const std::vector<LineWord> words = LineWords(line);
    qsizetype all = 0;
    for (const LineWord& w : words)
        all += w.length;
    std::vector<double> out;
    qsizetype before = 0;
    for (const LineWord& w : words) {
        out.push_back(start + (end - start) * static_cast<double>(before) /
                                  static_cast<double>(std::max<qsizetype>(1, all)));
        before += w.length;
    }
    return out;
}

} // namespace

double WordTally::within(double limit) const {
    if (seconds.empty())
        return 0;
    const auto n = std::count_if(seconds.begin(), seconds.end(),
                                 [&](double e) { return std::abs(e) <= limit; });
    return static_cast<double>(n) / static_cast<double>(seconds.size());
}

double WordTally::meanSigned() const {
    double sum = 0;
    for (const double e : seconds)
        sum += e;
    return seconds.empty() ? 0 : sum / static_cast<double>(seconds.size());
}

WordFigures MeasureWords(const QString& folder, bool progress) {
    WordFigures f;
    QStringList found;
    QDirIterator it(folder, {"Song.words"}, QDir::Files,
                    QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
    while (it.hasNext())
        found << QFileInfo(it.next()).path();
    found.sort();
    LyricAligner aligner;
    const std::atomic<bool> never{false};
    for (const QString& dir : found) {
        const std::string language = QFileInfo(dir).fileName().section('_', 1).toStdString();
        QStringList lines;
        for (const SheetRow& row : ReadLyricsFileRows(dir + "/Song.xml").rows)
            lines << row.lyric;
        std::vector<double> starts = numbers(readAll(dir + "/Song.starts").replace('\n', ' '));
        std::vector<std::vector<double>> words;
        for (const QByteArray& line : readAll(dir + "/Song.words").split('\n'))
            if (!line.trimmed().isEmpty())
                words.push_back(numbers(line));
        if (starts.size() != std::size_t(lines.size()) || words.size() != starts.size())
            continue;
        QString problem;
        if (!aligner.setSong(DecodeForAlignment(dir + "/Song.flac", never, problem), lines, never))
            continue;
        ++f.songs;
        WordTally song;
        for (std::size_t k = 0; k < starts.size(); ++k) {
            const QString& line = lines.at(static_cast<qsizetype>(k));
            const std::vector<double>& truth = words[k];
            if (LineWords(line).size() != truth.size()) {
                ++f.skipped;
                continue;
            }
            ++f.lines;
            const bool last = k + 1 == starts.size();
            const auto startMs = std::llround(starts[k] * 1000);
            const qint64 endMs = last ? -1 : std::llround(starts[k + 1] * 1000);
            const double began = threadCpuMs();
            const std::vector<WordSuggestion> got = aligner.suggestWords(line, startMs, endMs);
            f.lineMs.push_back(threadCpuMs() - began);
            const std::vector<double> spread =
                spreadByLength(line, starts[k], last ? starts[k] : starts[k + 1]);
            if (qEnvironmentVariableIsSet("VELMORA_WORDS_DEBUG")) {
                std::fprintf(stderr, "%s line %zu [%.2f-%.2f] %.1f ms %s\n", qPrintable(dir), k,
                             starts[k], last ? -1.0 : starts[k + 1], f.lineMs.back(),
                             qPrintable(line));
                for (std::size_t w = 0; w < truth.size(); ++w)
                    std::fprintf(stderr, "   %.3f got %.3f (%+.3f) kind %d conf %.2f\n", truth[w],
                                 got[w].ms / 1000.0, got[w].ms / 1000.0 - truth[w],
                                 int(got[w].kind), got[w].confidence);
            }
            for (std::size_t w = 1; w < truth.size(); ++w) {
                const double error = static_cast<double>(got[w].ms) / 1000 - truth[w];
                (last ? f.lastLines : f.suggested)[language].seconds.push_back(error);
                song.seconds.push_back(error);
                if (got[w].confidence >= 0.6)
                    f.confident.seconds.push_back(error);
                if (!last)
                    f.spread[language].seconds.push_back(spread[w] - truth[w]);
            }
            // The middle word marked by hand: the rest of the line around it.
            if (language == "en" && truth.size() >= 4 && !last) {
                const int middle = static_cast<int>(truth.size() / 2);
                const std::vector<WordSuggestion> around = aligner.suggestWords(
                    line, startMs, endMs, {{middle, std::llround(truth[middle] * 1000)}});
                for (std::size_t w = 1; w < truth.size(); ++w)
                    if (int(w) != middle)
                        f.aroundMark.seconds.push_back(static_cast<double>(around[w].ms) / 1000 -
                                                       truth[w]);
            }
        }
        if (progress)
            std::fprintf(stderr, "%s: %.0f %% of words within 0.1 s, %.0f %% within 0.15 s\n",
                         qPrintable(dir), 100 * song.within(0.1), 100 * song.within(0.15));
    }
    return f;
}

void PrintWordFigures(const char* title, const WordFigures& f) {
    std::printf("\n-- %s: %d songs, %d lines (%d skipped)\n", title, f.songs, f.lines, f.skipped);
    std::printf("| language | words | within 0.1 s | within 0.15 s | within 0.25 s | mean error "
                "| text-length spread within 0.15 s |\n|---|---|---|---|---|---|---|\n");
    for (const auto& [language, t] : f.suggested) {
        const WordTally& s = f.spread.at(language);
        std::printf("| %s | %zu | %.1f %% | %.1f %% | %.1f %% | %+.3f s | %.1f %% |\n",
                    language.c_str(), t.seconds.size(), 100 * t.within(0.1), 100 * t.within(0.15),
                    100 * t.within(0.25), t.meanSigned(), 100 * s.within(0.15));
    }
    for (const auto& [language, t] : f.lastLines)
        std::printf("| %s, last lines (end where the voice stops) | %zu | %.1f %% | %.1f %% | "
                    "%.1f %% | %+.3f s | |\n",
                    language.c_str(), t.seconds.size(), 100 * t.within(0.1), 100 * t.within(0.15),
                    100 * t.within(0.25), t.meanSigned());
    std::printf("| en, the middle word marked: the others | %zu | %.1f %% | %.1f %% | %.1f %% | "
                "%+.3f s | |\n",
                f.aroundMark.seconds.size(), 100 * f.aroundMark.within(0.1),
                100 * f.aroundMark.within(0.15), 100 * f.aroundMark.within(0.25),
                f.aroundMark.meanSigned());
    std::printf("| confident words (0.6 or more), all languages | %zu | %.1f %% | %.1f %% | "
                "%.1f %% | %+.3f s | |\n",
                f.confident.seconds.size(), 100 * f.confident.within(0.1),
                100 * f.confident.within(0.15), 100 * f.confident.within(0.25),
                f.confident.meanSigned());
    std::vector<double> ms = f.lineMs;
    if (!ms.empty()) {
        std::sort(ms.begin(), ms.end());
        const auto quick = std::count_if(ms.begin(), ms.end(), [](double t) { return t <= 100; });
        std::printf("CPU time a line: median %.1f ms, slowest %.1f ms, %.0f %% of lines within "
                    "100 ms\n",
                    ms[ms.size() / 2], ms.back(),
                    100.0 * static_cast<double>(quick) / static_cast<double>(ms.size()));
    }
}
