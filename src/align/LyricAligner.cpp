#include "align/LyricAligner.h"

#include "align/Pronounce.h"
#include "align/SpeechDecoder.h"

#include <algorithm>
#include <cmath>

struct LyricAligner::Stretch {
    int first = 0; // its first line; fixed at startMs when fixedStart
    int end = 0;   // one past its last line
    qint64 fromMs = 0;
    qint64 toMs = 0;
    bool fixedStart = false;
    qint64 startMs = 0;
    bool fixedEnd = false; // toMs is the next line's mark
};

LyricAligner::LyricAligner() : m_decoder(std::make_unique<SpeechDecoder>()) {}

LyricAligner::~LyricAligner() = default;

void LyricAligner::forget() {
    m_audio = {};
    m_voice = {};
    m_words.clear();
    m_lengths.clear();
    m_blank.clear();
}

bool LyricAligner::setSong(AlignAudio audio, const QStringList& lines,
                           const std::atomic<bool>& cancel,
                           const std::function<void(double)>& progress) {
    (void)progress;
    m_audio = std::move(audio);
    m_voice = MapVoice(m_audio, cancel);
    if (cancel.load())
        return false;
    m_words.assign(static_cast<std::size_t>(lines.size()), {});
    m_lengths.assign(static_cast<std::size_t>(lines.size()), 0);
    m_blank.assign(static_cast<std::size_t>(lines.size()), false);
    m_englishWords = 0;
    m_allWords = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        m_blank[static_cast<std::size_t>(i)] = lines.at(i).trimmed().isEmpty();
        for (const QString& word : LyricWords(lines.at(i))) {
            ++m_allWords;
            m_lengths[static_cast<std::size_t>(i)] += static_cast<int>(word.size());
            if (!m_decoder->ready() || m_allWords > kMostWords)
                continue; // a pasted book is not pronounced word by word
            bool known = m_decoder->knows(word);
            m_englishWords += known ? 1 : 0;
            // A word outside the dictionary is pronounced as espeak-ng would say it, or spelt.
            if (!known) {
                QString phones = PhonesFromEspeak(word);
                known = m_decoder->addWord(word, phones) ||
                        m_decoder->addWord(word, PhonesFromSpelling(word));
            }
            if (known)
                m_words[static_cast<std::size_t>(i)] << word;
        }
    }
    return true;
}

QString LyricAligner::fallback() const {
    const QString spread = QStringLiteral("lines are spread by text length between marks and "
                                          "snapped to where a voice starts");
    if (!m_decoder->ready())
        return m_decoder->problem() + QStringLiteral(": ") + spread;
    if (m_allWords == 0)
        return QStringLiteral("The lyrics hold no words to align: ") + spread;
    if (m_allWords > kMostWords)
        return QStringLiteral("The lyrics hold more than %1 words, too many to align: ")
                   .arg(kMostWords) +
               spread;
    if (m_englishWords * 2 < m_allWords)
        return QStringLiteral("The lyrics hold few English words, the only language the speech "
                              "model knows: ") +
               spread;
    if (m_voice.voicedShare(0, songMs()) < 0.02)
        return QStringLiteral("No voice is heard in the song: ") + spread;
    return {};
}

std::vector<Suggestion> LyricAligner::suggest(const Anchors& anchors, int first, int last,
                                              const std::atomic<bool>& cancel,
                                              const std::function<void(double)>& progress) {
    return suggestIn(anchors, first, last, fallback().isEmpty(), cancel, progress);
}

std::vector<Suggestion> LyricAligner::suggestFree(const std::atomic<bool>& cancel,
                                                  const std::function<void(double)>& progress) {
    return suggest({}, 0, static_cast<int>(m_words.size()) - 1, cancel, progress);
}

std::vector<Suggestion> LyricAligner::spread(const Anchors& anchors, int first, int last) {
    const std::atomic<bool> never{false};
    return suggestIn(anchors, first, last, false, never, {});
}

std::vector<Suggestion> LyricAligner::suggestIn(const Anchors& anchors, int first, int last,
                                                bool aligning, const std::atomic<bool>& cancel,
                                                const std::function<void(double)>& progress) {
    const int lines = static_cast<int>(m_words.size());
    first = std::max(first, 0);
    last = std::min(last, lines - 1);
    std::vector<Stretch> stretches;
    const qint64 song = songMs();
    auto next = anchors.lower_bound(0);
    auto stretchFrom = [&](int line, bool fixed, qint64 ms) {
        next = anchors.upper_bound(line);
        while (next != anchors.end() && next->first < lines && next->second < ms)
            ++next; // a mark earlier than the one before it bounds nothing
        const bool fixedEnd = next != anchors.end() && next->first < lines;
        Stretch s{line,
                  fixedEnd ? next->first : lines,
                  fixed ? std::max<qint64>(0, ms - 300) : 0,
                  fixedEnd ? std::min(song, next->second + 200) : song,
                  fixed,
                  ms,
                  fixedEnd};
        stretches.push_back(s);
    };
    if (anchors.empty() || anchors.begin()->first > 0)
        stretchFrom(0, false, 0);
    for (const auto& [line, ms] : anchors)
        if (line >= 0 && line < lines)
            stretchFrom(line, true, std::clamp<qint64>(ms, 0, song));
    std::vector<Suggestion> out;
    qint64 total = 0;
    for (const Stretch& s : stretches)
        if (s.first <= last && s.end - 1 >= first)
            total += s.toMs - s.fromMs;
    qint64 done = 0;
    for (const Stretch& s : stretches) {
        if (s.first > last || s.end - 1 < first || s.end - s.first < (s.fixedStart ? 2 : 1))
            continue;
        const auto part = [&](double share) {
            if (progress && total > 0)
                progress(
                    (static_cast<double>(done) + share * static_cast<double>(s.toMs - s.fromMs)) /
                    static_cast<double>(total));
        };
        if (aligning)
            alignStretch(s, 0, out, cancel, part);
        else
            spreadStretch(s, out);
        if (cancel.load())
            return {};
        done += s.toMs - s.fromMs;
    }
    std::erase_if(out, [&](const Suggestion& g) {
        return g.line < first || g.line > last || anchors.contains(g.line) ||
               m_blank[static_cast<std::size_t>(g.line)];
    });
    std::sort(out.begin(), out.end(), [](auto& a, auto& b) { return a.line < b.line; });
    // Whatever a part found, a line starts neither before the line above it nor after the
    // next mark below it (unless the marks themselves run backwards).
    qint64 floor = 0;
    auto mark = anchors.begin();
    for (Suggestion& g : out) {
        for (; mark != anchors.end() && mark->first < g.line; ++mark)
            floor = std::max(floor, mark->second);
        if (mark != anchors.end() && mark->second >= floor)
            g.ms = std::min(g.ms, mark->second);
        g.ms = std::max(g.ms, floor);
        floor = g.ms;
    }
    return out;
}

qint64 LyricAligner::firstVoiceMs(qint64 fromMs, qint64 toMs) const {
    for (qint64 ms = fromMs; ms < toMs; ms += 10)
        if (m_voice.voicedShare(ms, ms + 300) > 0.5)
            return ms;
    return fromMs;
}

void LyricAligner::spreadStretch(const Stretch& s, std::vector<Suggestion>& out) const {
    qint64 start = s.fixedStart ? s.startMs : firstVoiceMs(s.fromMs, s.toMs);
    qint64 end = s.toMs;
    if (!s.fixedEnd) { // the song's end: where the last voice fades
        for (qint64 ms = s.toMs; ms > start; ms -= 100)
            if (m_voice.voicedShare(ms - 1000, ms) > 0.3) {
                end = ms;
                break;
            }
    }
    end = std::max(end, start);
    // A line's share of the time: its letters, and a little for the breath before the next.
    constexpr int kGap = 10;
    double weights = 0;
    for (int k = s.first; k < s.end; ++k)
        weights += m_lengths[static_cast<std::size_t>(k)] + kGap;
    double before = 0;
    qint64 previous = start;
    for (int k = s.first; k < s.end; ++k) {
        auto ms = static_cast<qint64>(
            std::llround(static_cast<double>(start) +
                         static_cast<double>(end - start) * before / std::max(1.0, weights)));
        before += m_lengths[static_cast<std::size_t>(k)] + kGap;
        if (k == s.first && s.fixedStart)
            continue;
        if (const qint64 onset = m_voice.nearestOnset(ms, 400); onset >= 0)
            ms = onset;
        ms = std::max(ms, previous);
        previous = ms;
        out.push_back({k, ms, 0.0, Suggestion::Spread});
    }
}

void LyricAligner::alignStretch(const Stretch& s, int depth, std::vector<Suggestion>& out,
                                const std::atomic<bool>& cancel,
                                const std::function<void(double)>& progress) {
    QStringList words;
    std::vector<int> lineOf;
    for (int k = s.first; k < s.end; ++k)
        for (const QString& word : m_words[static_cast<std::size_t>(k)]) {
            words << word;
            lineOf.push_back(k);
        }
    const auto from = static_cast<std::size_t>(s.fromMs) * kAlignRate / 1000;
    const auto to =
        std::min(m_audio.samples.size(), static_cast<std::size_t>(s.toMs) * kAlignRate / 1000);
    const std::vector<PlacedWord> placed =
        from < to
            ? m_decoder->align(m_audio.samples.data() + from, to - from, words, cancel, progress)
            : std::vector<PlacedWord>{};
    if (cancel.load())
        return;
    if (placed.empty()) {
        if (depth < 3 && s.end - s.first >= 4) {
            splitStretch(s, depth, out, cancel);
        } else {
            spreadStretch(s, out);
        }
        return;
    }
    // The first placed word of each line starts it.
    const std::size_t before = out.size();
    std::vector<const PlacedWord*> firstOf(static_cast<std::size_t>(s.end - s.first), nullptr);
    std::vector<const PlacedWord*> lastOf(firstOf.size(), nullptr);
    std::vector<int> placedCount(firstOf.size(), 0);
    for (const PlacedWord& w : placed) {
        const auto k = static_cast<std::size_t>(lineOf[static_cast<std::size_t>(w.word)] - s.first);
        if (!firstOf[k])
            firstOf[k] = &w;
        lastOf[k] = &w;
        ++placedCount[k];
    }
    for (int k = s.first; k < s.end; ++k) {
        const auto i = static_cast<std::size_t>(k - s.first);
        if ((k == s.first && s.fixedStart) || !firstOf[i])
            continue;
        const qint64 ms = s.fromMs + qint64{firstOf[i]->startFrame} * 10;
        const qint64 firstWordMs = qint64{firstOf[i]->endFrame - firstOf[i]->startFrame + 1} * 10;
        const qint64 lineMs = qint64{lastOf[i]->endFrame - firstOf[i]->startFrame + 1} * 10;
        const int wordsInLine = static_cast<int>(m_words[static_cast<std::size_t>(k)].size());
        const double placedShare = static_cast<double>(placedCount[i]) / std::max(1, wordsInLine);
        const double perWord = static_cast<double>(lineMs) / std::max(1, placedCount[i]);
        double confidence = 0.45 + 0.35 * m_voice.voicedShare(ms, ms + 400) + 0.2 * placedShare;
        // A word drawn out over seconds is the decoder filling music with it.
        if (firstWordMs > 1200 || perWord > 1500 || perWord < 80)
            confidence *= 0.5;
        out.push_back({k, ms, std::clamp(confidence, 0.0, 1.0), Suggestion::Aligned});
    }
    // Lines the decoder placed no word of are spread between their placed neighbours.
    std::vector<Suggestion> found(out.begin() + static_cast<std::ptrdiff_t>(before), out.end());
    for (int k = s.first; k < s.end; ++k) {
        const auto i = static_cast<std::size_t>(k - s.first);
        if ((k == s.first && s.fixedStart) || firstOf[i])
            continue;
        Stretch gap = s;
        auto prev = std::find_if(found.rbegin(), found.rend(), [&](auto& g) { return g.line < k; });
        auto nextFound =
            std::find_if(found.begin(), found.end(), [&](auto& g) { return g.line > k; });
        gap.first = prev != found.rend() ? prev->line : s.first;
        gap.fixedStart = prev != found.rend() || s.fixedStart;
        gap.startMs = prev != found.rend() ? prev->ms : s.startMs;
        gap.end = nextFound != found.end() ? nextFound->line : s.end;
        gap.fixedEnd = nextFound != found.end() || s.fixedEnd;
        gap.toMs = nextFound != found.end() ? nextFound->ms : s.toMs;
        std::vector<Suggestion> spread;
        spreadStretch(gap, spread);
        for (const Suggestion& g : spread)
            if (g.line == k)
                out.push_back(g);
    }
}

void LyricAligner::splitStretch(const Stretch& s, int depth, std::vector<Suggestion>& out,
                                const std::atomic<bool>& cancel) {
    // Where the middle line would start by its text, moved to the end of the longest unvoiced
    // gap near it: the breath before a line.
    const int middle = (s.first + s.end + 1) / 2;
    std::vector<Suggestion> spread;
    spreadStretch(s, spread);
    qint64 at = (s.fromMs + s.toMs) / 2;
    for (const Suggestion& g : spread)
        if (g.line == middle)
            at = g.ms;
    qint64 gapEnd = -1;
    qint64 longest = 0;
    qint64 runStart = -1;
    for (qint64 ms = std::max(s.fromMs, at - 4000); ms < std::min(s.toMs, at + 2000); ms += 10) {
        const bool voiced = m_voice.voicedShare(ms, ms + 10) > 0;
        if (!voiced && runStart < 0)
            runStart = ms;
        if (voiced && runStart >= 0) {
            if (ms - runStart > longest) {
                longest = ms - runStart;
                gapEnd = ms;
            }
            runStart = -1;
        }
    }
    if (longest >= 300)
        at = gapEnd;
    // The parts overlap: a line near the cut may start on either side of it.
    Stretch head = s;
    head.end = middle;
    head.toMs = std::min(s.toMs, at + 1500);
    head.fixedEnd = false;
    Stretch tail = s;
    tail.first = middle;
    tail.fromMs = std::max(s.fromMs, at - 1500);
    tail.fixedStart = false;
    alignStretch(head, depth + 1, out, cancel, {});
    if (!cancel.load())
        alignStretch(tail, depth + 1, out, cancel, {});
}
