#include "AlignEval.h"

#include "Bench.h"

#include "align/SongAnalysis.h"
#include "storage/LyricsXml.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <random>
#include <thread>

namespace {

double threadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// A figure of /proc/self/status in MiB: "VmRSS:" now, "VmHWM:" the peak.
double statusMiB(const QByteArray& field) {
    for (const QByteArray& line : readAll(QStringLiteral("/proc/self/status")).split('\n'))
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

void tagsOf(AlignCase& c, const QJsonObject& made) {
    c.tags.push_back(made.value("synthesizer").toString().toStdString());
    c.tags.push_back(made.value("female").toBool() ? "female voice" : "male voice");
    c.tags.push_back(made.value("production").toString().toStdString() + " voice");
    c.tags.push_back(QString("%1 dB").arg(made.value("ratio_db").toInt()).toStdString());
    c.tags.push_back(made.value("format").toString().toStdString());
    const QJsonArray lines = made.value("lines").toArray();
    for (qsizetype i = 0; i < lines.size() && i < qsizetype(c.lineTags.size()); ++i) {
        const QJsonObject line = lines.at(i).toObject();
        if (line.value("after_break").toBool())
            c.lineTags[std::size_t(i)].push_back("after a break");
        if (line.value("repeat_of").toInt(-1) >= 0)
            c.lineTags[std::size_t(i)].push_back("repeated line");
    }
}

// The lines spread between the anchors by their letters alone: what a tool that cannot hear
// would do.
std::vector<Suggestion> textLengthSpread(const QStringList& lines, const Anchors& anchors,
                                         qint64 songMs) {
    std::vector<Suggestion> out;
    const int n = int(lines.size());
    const auto weight = [&](int k) { return double(lines.at(k).size()) + 10; };
    for (int k = 0; k < n; ++k) {
        if (anchors.contains(k))
            continue;
        const auto above = anchors.upper_bound(k);
        const bool hasBelow = above != anchors.begin();
        const int from = hasBelow ? std::prev(above)->first : 0;
        const qint64 fromMs = hasBelow ? std::prev(above)->second : 0;
        const int to = above != anchors.end() ? above->first : n;
        const qint64 toMs = above != anchors.end() ? above->second : songMs;
        double before = 0, total = 0;
        for (int j = from; j < to; ++j)
            (j < k ? before : total) += weight(j);
        total += before;
        out.push_back(
            {k, fromMs + qint64(double(toMs - fromMs) * before / total), 0, Suggestion::Spread});
    }
    return out;
}

const Suggestion* find(const std::vector<Suggestion>& all, int line) {
    for (const Suggestion& g : all)
        if (g.line == line)
            return &g;
    return nullptr;
}

struct Condition {
    const char* name;
    int every; // marked lines: 0, every, 2 * every, ... (0: only the first)
};
constexpr Condition kConditions[] = {{"first line marked", 0}, {"every third line marked", 3}};

} // namespace

void AlignTally::add(const Suggestion& g, double start) {
    const double error = std::abs(double(g.ms) / 1000.0 - start);
    seconds.push_back(error);
    spread += g.kind == Suggestion::Spread ? 1 : 0;
    if (g.kind != Suggestion::Spread && g.confidence >= kConfident) {
        ++confident;
        confidentWrong += error > 1.0 ? 1 : 0;
    }
}

double AlignTally::within(double limit) const {
    const auto n =
        std::count_if(seconds.begin(), seconds.end(), [&](double e) { return e <= limit; });
    return seconds.empty() ? 0 : double(n) / double(seconds.size());
}

double AlignTally::mean() const {
    double sum = 0;
    for (double e : seconds)
        sum += e;
    return seconds.empty() ? 0 : sum / double(seconds.size());
}

double AlignTally::spreadShare() const {
    return seconds.empty() ? 0 : double(spread) / double(seconds.size());
}

double AlignTally::confidentWrongShare() const {
    return confident == 0 ? 0 : double(confidentWrong) / double(confident);
}

std::vector<AlignCase> LoadAlignCases(const QString& folder) {
    QStringList found;
    QDirIterator it(folder, {"Song.starts"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QFileInfo(it.next()).path();
    found.sort();
    std::vector<AlignCase> cases;
    for (const QString& dir : found) {
        AlignCase c;
        for (const char* name : {"Song.mp3", "Song.flac"})
            if (QFileInfo::exists(dir + "/" + name))
                c.song = dir + "/" + name;
        for (const SheetRow& row : ReadLyricsFileRows(dir + "/Song.xml").rows)
            c.lines << row.lyric;
        for (const QByteArray& s : readAll(dir + "/Song.starts").split('\n'))
            if (!s.isEmpty())
                c.starts.push_back(s.toDouble());
        if (c.song.isEmpty() || c.starts.size() != std::size_t(c.lines.size()))
            continue;
        c.lineTags.resize(c.starts.size());
        const QJsonObject made =
            QJsonDocument::fromJson(readAll(dir + "/Song.conditions")).object();
        if (!made.isEmpty())
            tagsOf(c, made);
        else // the easy set: its ratio is in the folder's name
            c.tags.push_back(
                QFileInfo(dir).fileName().section('_', 1).replace("dB", " dB").toStdString());
        cases.push_back(std::move(c));
    }
    return cases;
}

namespace {

void addGroup(AlignFigures& f, const std::string& name) {
    if (std::find(f.groups.begin(), f.groups.end(), name) == f.groups.end())
        f.groups.push_back(name);
}

// One song: the analysis as the window runs it, each condition, then the check. Its own random
// draws (from its index), so that songs measured side by side give what they give alone.
AlignFigures measureCase(LyricAligner& aligner, const AlignCase& c, std::size_t index,
                         bool progress) {
    AlignFigures f;
    const std::atomic<bool> never{false};
    std::mt19937 random(static_cast<unsigned>(7 + index));
    const auto group = [&](const std::string& name) { addGroup(f, name); };
    group("all");
    const int last = int(c.lines.size()) - 1;
    // The analysis as the window runs it on a fresh song: decode, voice, alignment.
    double cpu = threadCpuSeconds();
    const AnalysisResult fresh = AnalyseSong(aligner, c.song, c.lines, {}, never);
    cpu = threadCpuSeconds() - cpu;
    const double minutes = double(aligner.songMs()) / 60000.0;
    f.cpuSeconds += cpu;
    f.audioMinutes += minutes;
    f.worstCpuPerMinute = std::max(f.worstCpuPerMinute, cpu / std::max(1e-9, minutes));
    std::string perSong;
    if (progress && qEnvironmentVariableIsSet("VELMORA_EVAL_VOICE")) {
        std::string frames;
        for (bool v : aligner.voice().voiced)
            frames += v ? '1' : '0';
        std::string onsets;
        for (qint64 ms : aligner.voice().onsetsMs)
            onsets += std::to_string(ms) + ",";
        std::fprintf(stderr, "VOICE\t%s\t%s\t%s\n", qPrintable(c.song), frames.c_str(),
                     onsets.c_str());
    }
    for (const Condition& cond : kConditions) {
        if (qEnvironmentVariableIsSet("VELMORA_EVAL_CHECK_ONLY"))
            break;
        Anchors marks;
        for (int line = 0; line <= last; line += cond.every > 0 ? cond.every : last + 1)
            marks[line] = qint64(std::floor(c.starts[std::size_t(line)])) * 1000;
        const std::vector<Suggestion> got = aligner.suggest(marks, 0, last, never);
        if (progress) {
            int near = 0, all = 0;
            for (const Suggestion& g : got) {
                ++all;
                near += std::abs(double(g.ms) / 1000 - c.starts[std::size_t(g.line)]) <= 0.3;
            }
            perSong += QString(" %1: %2/%3")
                           .arg(cond.every ? "third" : "first")
                           .arg(near)
                           .arg(all)
                           .toStdString();
            if (qEnvironmentVariableIsSet("VELMORA_EVAL_LINES"))
                for (const Suggestion& g : got) {
                    const LineEvidence& e = aligner.evidence()[std::size_t(g.line)];
                    std::fprintf(stderr,
                                 "LINE\t%s\t%d\t%d\t%.3f\t%.3f\t%.2f\t%d\t%d\t%d\t%d\t%d\t%d\t%"
                                 ".2f\t%.2f\t%.2f\t%.3f\t%.2f\n",
                                 qPrintable(c.song), cond.every, g.line, double(g.ms) / 1000,
                                 c.starts[std::size_t(g.line)], g.confidence, int(g.kind), e.words,
                                 e.placed, e.together, e.before, int(e.nextFound),
                                 e.firstWordSeconds, e.voiced, e.around, e.pace,
                                 aligner.voice().voicedShare(g.ms, g.ms + 3000));
                }
        }
        const std::vector<Suggestion> base = textLengthSpread(c.lines, marks, aligner.songMs());
        for (int line = 0; line <= last; ++line) {
            if (marks.contains(line) || c.lines.at(line).trimmed().isEmpty())
                continue;
            std::vector<std::string> groups{"all"};
            groups.insert(groups.end(), c.tags.begin(), c.tags.end());
            groups.insert(groups.end(), c.lineTags[std::size_t(line)].begin(),
                          c.lineTags[std::size_t(line)].end());
            const double start = c.starts[std::size_t(line)];
            const Suggestion missing{line, 0, 0, Suggestion::Spread};
            const Suggestion* a = find(got, line);
            const Suggestion* s = find(base, line);
            for (const std::string& g : groups) {
                group(g);
                f.aligned[cond.name][g].add(a ? *a : missing, start);
                f.spread[cond.name][g].add(s ? *s : missing, start);
            }
        }
        if (cond.every > 0 && last >= 5) { // a new mark on line 4: its stretch again
            marks[4] = qint64(std::floor(c.starts[4])) * 1000;
            const double t = threadCpuSeconds();
            aligner.suggest(marks, 3, 4 + 8, never);
            f.worstRealignMs = std::max(f.worstRealignMs, (threadCpuSeconds() - t) * 1000);
        }
    }
    if (progress)
        std::fprintf(stderr, "%s: %.1f s of CPU for %.1f min;%s%s%s\n", qPrintable(c.song), cpu,
                     minutes, perSong.c_str(), fresh.status.isEmpty() ? "" : "; ",
                     qPrintable(fresh.status));
    if (qEnvironmentVariableIsSet("VELMORA_EVAL_NO_CHECK"))
        return f;
    // The check: every line marked in whole seconds, a third of them moved 2 to 4 s.
    Anchors marks;
    std::vector<bool> moved(c.starts.size(), false);
    std::uniform_real_distribution<double> by(2.0, 4.0);
    for (int line = 0; line <= last; ++line) {
        if (c.lines.at(line).trimmed().isEmpty())
            continue;
        double at = c.starts[std::size_t(line)];
        if (random() % 3 == 0) {
            moved[std::size_t(line)] = true;
            at += (random() % 2 ? 1 : -1) * by(random);
        }
        marks[line] = qint64(std::floor(std::max(0.0, at))) * 1000;
    }
    const AnalysisResult checked = AnalyseSong(aligner, c.song, c.lines, marks, never);
    for (const auto& [line, ms] : marks) {
        const bool flagged = std::any_of(checked.flags.begin(), checked.flags.end(),
                                         [&](const TimingFlag& g) { return g.line == line; });
        if (qEnvironmentVariableIsSet("VELMORA_EVAL_LINES")) {
            const auto free = std::find_if(checked.free.begin(), checked.free.end(),
                                           [&](const Suggestion& g) { return g.line == line; });
            const LineEvidence& e = aligner.evidence()[std::size_t(line)];
            std::fprintf(stderr,
                         "CHECK\t%s\t%d\t%d\t%.3f\t%.3f\t%d\t%.3f\t%.2f\t%d\t%d\t%d\t%d\t%d\t%"
                         "d\t%.2f\t%.2f\t%.2f\t%.3f\n",
                         qPrintable(c.song), line, int(moved[std::size_t(line)]), double(ms) / 1000,
                         c.starts[std::size_t(line)], int(flagged),
                         free != checked.free.end() ? double(free->ms) / 1000 : -1.0,
                         free != checked.free.end() ? free->confidence : -1.0,
                         free != checked.free.end() ? int(free->kind) : -1, e.words, e.placed,
                         e.together, e.before, int(e.nextFound), e.firstWordSeconds, e.voiced,
                         e.around, e.pace);
        }
        if (moved[std::size_t(line)]) {
            ++f.moved;
            f.movedFlagged += flagged ? 1 : 0;
        } else {
            ++f.correct;
            f.correctFlagged += flagged ? 1 : 0;
        }
    }
    return f;
}

void merge(AlignFigures& into, const AlignFigures& f) {
    for (const std::string& g : f.groups)
        addGroup(into, g);
    const auto add = [](auto& to, const auto& from) {
        for (const auto& [condition, groups] : from)
            for (const auto& [name, t] : groups) {
                AlignTally& sum = to[condition][name];
                sum.seconds.insert(sum.seconds.end(), t.seconds.begin(), t.seconds.end());
                sum.spread += t.spread;
                sum.confident += t.confident;
                sum.confidentWrong += t.confidentWrong;
            }
    };
    add(into.aligned, f.aligned);
    add(into.spread, f.spread);
    into.moved += f.moved;
    into.movedFlagged += f.movedFlagged;
    into.correct += f.correct;
    into.correctFlagged += f.correctFlagged;
    into.cpuSeconds += f.cpuSeconds;
    into.audioMinutes += f.audioMinutes;
    into.worstCpuPerMinute = std::max(into.worstCpuPerMinute, f.worstCpuPerMinute);
    into.worstRealignMs = std::max(into.worstRealignMs, f.worstRealignMs);
}

} // namespace

std::vector<AlignFigures> MeasureAlignmentSets(const std::vector<std::vector<AlignCase>>& sets,
                                               bool progress, int jobs) {
    std::vector<std::pair<std::size_t, std::size_t>> order; // set, case
    for (std::size_t set = 0; set < sets.size(); ++set)
        for (std::size_t i = 0; i < sets[set].size(); ++i)
            order.emplace_back(set, i);
    std::vector<AlignFigures> each(order.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        LyricAligner aligner;
        for (std::size_t k = next++; k < order.size(); k = next++)
            each[k] = measureCase(aligner, sets[order[k].first][order[k].second], order[k].second,
                                  progress);
    };
    std::vector<std::thread> threads;
    for (int j = 1; j < std::max(1, jobs); ++j)
        threads.emplace_back(work);
    work();
    for (std::thread& t : threads)
        t.join();
    std::vector<AlignFigures> figures(sets.size());
    for (AlignFigures& f : figures)
        addGroup(f, "all");
    for (std::size_t k = 0; k < order.size(); ++k)
        merge(figures[order[k].first], each[k]);
    return figures;
}

double AnalysisPeakMiB(const AlignCase& c) {
    const double before = statusMiB("VmRSS:");
    // Writing 5 starts the peak anew from what is resident now (Linux 4.0 on).
    if (QFile peak(QStringLiteral("/proc/self/clear_refs"));
        !peak.open(QIODevice::WriteOnly) || peak.write("5") != 1)
        return -1;
    const std::atomic<bool> never{false};
    LyricAligner aligner;
    AnalyseSong(aligner, c.song, c.lines, {}, never);
    return statusMiB("VmHWM:") - before;
}

AlignFigures MeasureAlignment(const std::vector<AlignCase>& cases, bool progress, int jobs) {
    return MeasureAlignmentSets({cases}, progress, jobs).front();
}

bool PrintAlignFigures(const char* title, const AlignFigures& f, bool hard) {
    std::printf("\n-- %s\n\n", title);
    std::printf("| marks | lines | method | within 0.3 s | within 1 s | mean error | spread | "
                "confident, > 1 s off |\n|---|---|---|---|---|---|---|---|\n");
    bool met = true;
    for (const Condition& cond : kConditions)
        for (const std::string& g : f.groups) {
            const auto a = f.aligned.find(cond.name);
            if (a == f.aligned.end() || !a->second.contains(g))
                continue;
            const AlignTally& al = a->second.at(g);
            const AlignTally& sp = f.spread.at(cond.name).at(g);
            std::printf(
                "| %s | %s (%zu) | aligned | %.0f %% | %.0f %% | %.2f s | %.0f %% | %.1f %% "
                "of %d |\n",
                cond.name, g.c_str(), al.seconds.size(), 100 * al.within(0.3), 100 * al.within(1.0),
                al.mean(), 100 * al.spreadShare(), 100 * al.confidentWrongShare(), al.confident);
            if (g == "all") {
                std::printf("| | | text-length spread | %.0f %% | %.0f %% | %.2f s | | |\n",
                            100 * sp.within(0.3), 100 * sp.within(1.0), sp.mean());
                const double want =
                    hard ? (cond.every == 0 ? 0.70 : 0.80) : (cond.every == 0 ? 0.75 : 0.85);
                const double times = hard ? 5 : 2;
                bool ok = al.within(0.3) >= want && al.within(0.3) >= times * sp.within(0.3);
                if (hard)
                    ok = ok && al.mean() <= 0.5 && al.spreadShare() <= 0.15 &&
                         al.confidentWrongShare() <= 0.03;
                met = met && ok;
                std::printf("| | | target: ≥ %.0f %% within 0.3 s, ≥ %.0f× the spread's%s | %s | "
                            "| | | |\n",
                            100 * want, times,
                            hard ? ", mean ≤ 0.5 s, spread ≤ 15 %, confident > 1 s off ≤ 3 %" : "",
                            ok ? "met" : "not met");
            }
        }
    const double movedShare = f.moved ? double(f.movedFlagged) / f.moved : 0;
    const double correctShare = f.correct ? double(f.correctFlagged) / f.correct : 0;
    std::printf("\ntiming check: %.0f %% of %d marks moved 2-4 s flagged (target ≥ 90 %%), "
                "%.1f %% of %d correct marks flagged (target ≤ 3 %%)\n",
                100 * movedShare, f.moved, 100 * correctShare, f.correct);
    const double perMinute = f.cpuSeconds / std::max(1e-9, f.audioMinutes);
    std::printf("analysis: %.2f s of CPU per minute of audio on average, %.2f s on the worst "
                "song (targets ≤ 3 s, ≤ 6 s); re-alignment after a mark %.0f ms of CPU (worst)\n",
                perMinute, f.worstCpuPerMinute, f.worstRealignMs);
    if (hard)
        met = met && movedShare >= 0.9 && correctShare <= 0.03 && perMinute <= 3 &&
              f.worstCpuPerMinute <= 6;
    return met;
}
