#include "align/LyricAligner.h"

#include "align/Pronounce.h"
#include "align/VoiceEmphasis.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <span>

namespace {

// Words of a line further apart than this are not sung in one breath: the ones apart from
// most of the line were put on something else (a lead instrument in a break, the line before).
constexpr int kApartFrames = 80;
// A sung word, and a sung syllable, on average: the line's words before its core are counted
// by their syllables, since "over the" takes three times as long as "the".
constexpr qint64 kWordMs = 350;
constexpr qint64 kSyllableMs = 350;
// Longer than a line's first word is sung (frames of 10 ms).
constexpr int kLongWordFrames = 80;
// No line is sung faster than this a syllable.
constexpr qint64 kFastestSyllableMs = 150;
// Syllables' worth of time between two lines in the spread: a breath.
constexpr int kBreathSyllables = 3;
// A voice whose median pitch is above this is a woman's or a child's (a man's speaks near
// 120 Hz; the band's instruments lift the median a little).
constexpr double kHighVoiceHz = 180;
// Well past the 15-20 % by which a woman's formants lie above a man's: at 1.3 twice as many of a
// high voice's lines were missed as at 1.75, and a low voice aligned as well at 1.0 as at 1.6.
constexpr double kHighVoiceWarp = 1.75;
// The most an answer in a song mostly not in English is sure of: under what accept-all takes.
constexpr double kOtherLanguageMost = 0.5;
// A repeat is looked for as the passage from half a second before its line for 4 s, and found
// where the harmony is this alike and stands this far above anywhere a second away.
constexpr qint64 kLeadMs = 500;
constexpr qint64 kPassageMs = 4000;
constexpr double kRepeatSimilarity = 0.85;
constexpr double kMarkedRepeatMargin = 0.03;
constexpr double kSureRepeatMargin = 0.01; // in the narrower window of a sure first singing
// Where the voice map hears less voice than this for seconds, the band plays alone: a break.
constexpr qint64 kBreakMs = 3000;
constexpr double kBreakVoiceShare = 0.1;

} // namespace

double ConfidenceOf(const LineEvidence& e) {
    if (e.words == 0 || e.placed == 0)
        return 0;
    const double line = e.clean() ? 0.55 : e.whole() ? 0.45 : 0.2 * e.together / e.words;
    return std::clamp(line + 0.4 * std::clamp((e.around - 0.3) / 0.4, 0.0, 1.0), 0.0, 1.0);
}

struct LyricAligner::Stretch {
    int first = 0; // its first line; fixed at startMs when fixedStart
    int end = 0;   // one past its last line
    qint64 fromMs = 0;
    qint64 toMs = 0;
    bool fixedStart = false;
    qint64 startMs = 0;
    bool fixedEnd = false; // line end is marked at endMs
    qint64 endMs = 0;
};

LyricAligner::LyricAligner(const MediaServices& media)
    : m_decoder(media.speechRecogniser()), m_phonemizer(media.phonemizer()),
      m_voiceDetector(media.voiceDetector()) {}

LyricAligner::~LyricAligner() = default;

void LyricAligner::forget() {
    m_audio = {};
    m_plain = {};
    m_voice = {};
    m_plainVoice = {};
    m_words.clear();
    m_syllables.clear();
    m_blank.clear();
    m_repeatOf.clear();
    m_harmony = {};
    m_guide.clear();
    m_evidence.clear();
    m_usualAround = -1;
}

bool LyricAligner::setSong(AlignAudio audio, const QStringList& lines,
                           const std::atomic<bool>& cancel,
                           const std::function<void(double)>& progress) {
    forget();
    const auto report = [&](double share) {
        if (progress)
            progress(share);
    };
    if (!m_harmony.compute(audio.samples, cancel))
        return false;
    report(0.1);
    AlignAudio plain{audio.samples, {}, audio.cut};
    audio.samples = EmphasiseVoice(audio.samples, audio.side, cancel);
    audio.side = {};
    if (cancel.load())
        return false;
    report(0.4);
    m_audio = std::move(audio);
    m_plain = std::move(plain);
    m_voice = MapVoice(*m_voiceDetector, m_audio, cancel);
    m_plainVoice = MapVoice(*m_voiceDetector, m_plain, cancel);
    if (cancel.load())
        return false;
    report(0.7);
    // The model learnt from speakers, most of them with lower voices than a woman's: a high
    // voice is heard with its formants brought down to theirs. Before any word is added, so
    // that the reloaded model gets them all.
    m_decoder->setWarp(m_voice.pitchHz > kHighVoiceHz ? kHighVoiceWarp : 1.0);
    const auto count = static_cast<std::size_t>(lines.size());
    m_words.assign(count, {});
    m_syllables.assign(count, 0);
    m_blank.assign(count, false);
    m_guide.assign(count, Suggestion{-1, -1, 0, Suggestion::Spread});
    m_repeatOf.assign(count, -1);
    m_englishWords = 0;
    m_latinWords = 0;
    m_allWords = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (i % 64 == 0 && cancel.load(std::memory_order_relaxed))
            return false;
        m_blank[i] = lines.at(static_cast<qsizetype>(i)).trimmed().isEmpty();
        for (const QString& word : LyricWords(lines.at(static_cast<qsizetype>(i)))) {
            ++m_allWords;
            m_latinWords += InLatinLetters(word) ? 1 : 0;
            m_syllables[i] += Syllables(word);
            if (!m_decoder->ready() || m_allWords > kMostWords)
                continue; // a pasted book is not pronounced word by word
            bool known = m_decoder->knows(word);
            m_englishWords += known ? 1 : 0;
            // A word outside the dictionary is pronounced as espeak-ng would say it, or spelt.
            if (!known)
                known = m_decoder->addWord(word, PhonesFromIpa(m_phonemizer->ipa(word))) ||
                        m_decoder->addWord(word, PhonesFromSpelling(word));
            if (known)
                m_words[i] << word;
        }
        if (i % 16 == 0)
            report(0.7 + 0.3 * static_cast<double>(i) / static_cast<double>(count));
    }
    // A line sung again: the same words, in the same order, as an earlier one.
    std::vector<QStringList> said(count);
    for (std::size_t i = 0; i < count; ++i) {
        said[i] = LyricWords(lines.at(static_cast<qsizetype>(i)));
        for (std::size_t p = 0; p < i && !said[i].isEmpty(); ++p)
            if (said[p] == said[i]) {
                m_repeatOf[i] = static_cast<int>(p);
                break;
            }
    }
    report(1);
    return true;
}

QString LyricAligner::fallback() const {
    // Said to someone who knows nothing of speech models: what went wrong, what it means for
    // the grey times, and what helps.
    const auto rough = [](const QString& problem) {
        return QCoreApplication::translate("LyricAligner",
                                           "%1: suggestions are rough, lines spread by syllables "
                                           "between marks. Mark a few lines and they improve.")
            .arg(problem);
    };
    const auto told = [&rough](QString problem) {
        if (!problem.isEmpty())
            problem[0] = problem[0].toUpper();
        return rough(problem);
    };
    if (!m_decoder->ready())
        return told(m_decoder->problem());
    // Without the detector no voice is heard, whatever the song holds.
    if (const QString missing = m_voiceDetector->problem(); !missing.isEmpty())
        return told(missing);
    if (m_allWords == 0)
        return rough(
            QCoreApplication::translate("LyricAligner", "The lyrics hold no words to listen for"));
    if (m_allWords > kMostWords)
        return rough(
            QCoreApplication::translate(
                "LyricAligner", "The lyrics hold more than %1 words, too many to listen for")
                .arg(kMostWords));
    // German or Spanish said as English reads them is still heard (worse, but far better than
    // a spread); other scripts are not.
    if (!english() && m_latinWords * 2 < m_allWords)
        return rough(QCoreApplication::translate("LyricAligner",
                                                 "The lyrics are mostly not in Latin letters, and "
                                                 "only words in Latin letters can be heard"));
    if (m_voice.voicedShare(0, songMs()) < 0.02)
        return rough(QCoreApplication::translate("LyricAligner", "Could not hear a voice clearly"));
    return {};
}

QString LyricAligner::caveat() const {
    return !english()
               ? QCoreApplication::translate(
                     "LyricAligner", "The lyrics are mostly not English: their words are heard "
                                     "as English would say them, and the suggested times stay "
                                     "rough guesses")
               : QString();
}

std::vector<Suggestion> LyricAligner::suggestFree(const std::atomic<bool>& cancel,
                                                  const std::function<void(double)>& progress) {
    const int last = static_cast<int>(m_words.size()) - 1;
    m_guide.assign(m_words.size(), Suggestion{-1, -1, 0, Suggestion::Spread});
    std::vector<Suggestion> found = suggest({}, 0, last, cancel, progress);
    guide(found);
    return found;
}

void LyricAligner::guide(const std::vector<Suggestion>& suggestions) {
    m_guide.assign(m_words.size(), Suggestion{-1, -1, 0, Suggestion::Spread});
    for (const Suggestion& g : suggestions)
        if (g.line >= 0 && static_cast<std::size_t>(g.line) < m_guide.size())
            m_guide[static_cast<std::size_t>(g.line)] = g;
}

std::vector<Suggestion> LyricAligner::suggest(const Anchors& anchors, int first, int last,
                                              const std::atomic<bool>& cancel,
                                              const std::function<void(double)>& progress) {
    const bool aligning = fallback().isEmpty();
    const std::vector<Stretch> stretches = stretchesFor(anchors, first, last);
    m_evidence.assign(m_words.size(), LineEvidence{});
    qint64 total = 0;
    for (const Stretch& s : stretches)
        total += s.toMs - s.fromMs;
    qint64 done = 0;
    std::vector<Suggestion> out;
    for (const Stretch& s : stretches) {
        const auto part = [&](double share) {
            if (progress && total > 0)
                progress(
                    (static_cast<double>(done) + share * static_cast<double>(s.toMs - s.fromMs)) /
                    static_cast<double>(total));
        };
        if (aligning)
            alignStretch(s, out, cancel, part);
        else
            spreadStretch(s, out);
        if (cancel.load())
            return {};
        done += s.toMs - s.fromMs;
    }
    if (aligning) {
        rate(out);
        for (const Stretch& s : stretches)
            respreadLost(s, out);
        preferSureGuide(anchors, out);
        applyRepeats(anchors, out);
        applySureRepeats(anchors, out);
        keepSureOrder(anchors, out);
        // How sure an answer is was measured on English songs: in another language the words
        // are heard as English would say them, and an answer is never more than likely.
        if (!english())
            for (Suggestion& g : out)
                g.confidence = std::min(g.confidence, kOtherLanguageMost);
    }
    return ordered(std::move(out), anchors, first, last);
}

// Confidence needs the lines around a line: a short request leans on the free alignment's.
void LyricAligner::rate(std::vector<Suggestion>& out) {
    int aligned = 0;
    int clean = 0;
    for (const Suggestion& g : out)
        if (g.kind == Suggestion::Aligned) {
            ++aligned;
            clean += m_evidence[static_cast<std::size_t>(g.line)].clean() ? 1 : 0;
        }
    constexpr int kEnough = 8;
    const double own = aligned > 0 ? static_cast<double>(clean) / aligned : 0;
    const double around = aligned >= kEnough || m_usualAround < 0 ? own : m_usualAround;
    if (aligned >= kEnough)
        m_usualAround = own;
    for (Suggestion& g : out)
        if (g.kind == Suggestion::Aligned) {
            LineEvidence& e = m_evidence[static_cast<std::size_t>(g.line)];
            e.around = around;
            g.confidence = ConfidenceOf(e);
        }
}

// A decoder that lost the voice goes on placing lines, unsurely and ever later, and squeezes the
// lines it never reached into what is left of the song: tens of seconds off. Where a stretch
// ends in a long run of such lines, they are spread by syllables from the last line it was
// surer of, which puts them a few seconds off instead. Unsure here is below what a line not
// found whole gets where few lines were found clean; on the bench's songs only lost ones end
// in such a run.
void LyricAligner::respreadLost(const Stretch& s, std::vector<Suggestion>& out) {
    constexpr double kLostConfidence = 0.2;
    constexpr std::size_t kLongRun = 5;
    std::vector<Suggestion*> mine;
    for (Suggestion& g : out)
        if (g.line >= s.first && g.line < s.end)
            mine.push_back(&g);
    std::sort(mine.begin(), mine.end(), [](auto* a, auto* b) { return a->line < b->line; });
    std::size_t run = 0;
    while (run < mine.size() && mine[mine.size() - 1 - run]->confidence < kLostConfidence)
        ++run;
    // A line placed surely between two long runs of unsure ones is as likely the lost decoder's
    // chance match as the line itself: the run goes on through it.
    while (run >= kLongRun && run < mine.size()) {
        const std::size_t sure = mine.size() - 1 - run;
        std::size_t before = 0;
        while (before < sure && mine[sure - 1 - before]->confidence < kLostConfidence)
            ++before;
        if (before < kLongRun)
            break;
        run += 1 + before;
    }
    if (run < kLongRun)
        return;
    Stretch lost = s;
    if (run < mine.size()) {
        const Suggestion& surer = *mine[mine.size() - 1 - run];
        lost.first = surer.line;
        lost.fixedStart = true;
        lost.startMs = surer.ms;
    }
    std::vector<Suggestion> spread;
    spreadStretch(lost, spread);
    for (Suggestion* g : std::span(mine).last(run)) {
        const auto again = std::find_if(spread.begin(), spread.end(),
                                        [g](const Suggestion& h) { return h.line == g->line; });
        if (again != spread.end()) {
            *g = *again;
            m_evidence[static_cast<std::size_t>(g->line)] = {};
        }
    }
}

// A stretch between two marks is decoded on its own: where a long break lies inside it, or its
// few seconds give the loudness normalisation too little to learn from, the decoder may lose the
// voice, place nothing of a line or strew its words. Where the song's free alignment was surer of
// a line, between the same marks, its answer is the better one; where the stretch is surer, the
// marks have helped.
void LyricAligner::preferSureGuide(const Anchors& anchors, std::vector<Suggestion>& out) const {
    // The free alignment is trusted near marks it found too; where it missed them, it was as
    // likely lost between them, however sure it was.
    const auto foundMark = [this](const auto& mark) {
        const qint64 at = m_guide[static_cast<std::size_t>(mark.first)].ms;
        return at >= 0 && at >= mark.second - 500 && at <= MarkLatestMs(mark.second) + 500;
    };
    const int lines = static_cast<int>(m_guide.size());
    for (Suggestion& g : out) {
        const Suggestion& free = m_guide[static_cast<std::size_t>(g.line)];
        if (free.ms < 0 || free.kind != Suggestion::Aligned || free.confidence <= g.confidence)
            continue;
        const auto above = anchors.upper_bound(g.line);
        const auto below = anchors.lower_bound(g.line);
        const bool hasAfter = below != anchors.begin() && std::prev(below)->first >= 0;
        const bool hasBefore = above != anchors.end() && above->first < lines;
        const bool lost = g.kind == Suggestion::Spread && free.confidence >= kConfident;
        if (!lost &&
            ((hasAfter && !foundMark(*std::prev(below))) || (hasBefore && !foundMark(*above))))
            continue;
        const qint64 after = hasAfter ? std::prev(below)->second : -1;
        const qint64 before = hasBefore ? MarkLatestMs(above->second) : songMs();
        if (free.ms > after && free.ms < before)
            g = free;
    }
}

// A line whose words repeat a marked line's is where the audio of that marked line comes back
// between its neighbouring marks: a chorus sounds alike the second time however hard its words
// are to hear. Where the words were found there too, they give the moment within the second.
void LyricAligner::applyRepeats(const Anchors& anchors, std::vector<Suggestion>& out) const {
    for (Suggestion& g : out) {
        const int source = m_repeatOf[static_cast<std::size_t>(g.line)];
        const auto mark = anchors.find(source);
        if (source < 0 || mark == anchors.end())
            continue;
        const auto above = anchors.upper_bound(g.line);
        const auto below = anchors.lower_bound(g.line);
        const qint64 from = below == anchors.begin() ? 0 : std::prev(below)->second + 1000;
        const qint64 to = above == anchors.end() ? songMs() : above->second;
        const Harmony::Match match =
            m_harmony.findRepeat(mark->second - kLeadMs, kPassageMs, from - kLeadMs, to);
        if (match.ms < 0 || match.similarity < kRepeatSimilarity ||
            match.margin < kMarkedRepeatMargin)
            continue;
        // A mark in whole seconds: the line may start anywhere in the second after it.
        const bool whole = mark->second % 1000 == 0;
        const qint64 expected = match.ms + kLeadMs;
        const qint64 latest = expected + (whole ? 1000 : 0);
        if (g.kind == Suggestion::Aligned && g.ms >= expected - 300 && g.ms <= latest + 300) {
            g.confidence = std::max(g.confidence, 0.9);
            continue;
        }
        const Suggestion& freeSource = m_guide[static_cast<std::size_t>(source)];
        const qint64 within = freeSource.ms >= mark->second && freeSource.ms < mark->second + 1000
                                  ? freeSource.ms - mark->second
                                  : (whole ? 300 : 0);
        g = {g.line, expected + within, 0.75, Suggestion::Repeated};
    }
}

// A repeated line whose first singing was not marked but found surely: that answer stands in
// for the mark. The repeat is looked for only between the nearest marks or sure answers around
// the line, since a chorus sung three times matches all three across the song, and a chord loop
// matches itself a bar away nearly as well: the margin asked is a third of a mark's.
void LyricAligner::applySureRepeats(const Anchors& anchors, std::vector<Suggestion>& out) const {
    std::vector<const Suggestion*> byLine(m_words.size(), nullptr);
    for (const Suggestion& g : out)
        byLine[static_cast<std::size_t>(g.line)] = &g;
    const auto sureAt = [&](int line) -> qint64 {
        if (const auto mark = anchors.find(line); mark != anchors.end())
            return mark->second;
        const Suggestion* g = byLine[static_cast<std::size_t>(line)];
        return g && g->kind == Suggestion::Aligned && g->confidence >= kConfident ? g->ms : -1;
    };
    const int lines = static_cast<int>(m_words.size());
    for (Suggestion& g : out) {
        const int source = m_repeatOf[static_cast<std::size_t>(g.line)];
        if (source < 0 || anchors.contains(source) || sureAt(source) < 0)
            continue;
        const Suggestion& first = *byLine[static_cast<std::size_t>(source)];
        qint64 from = 0;
        for (int k = g.line - 1; k >= 0; --k)
            if (const qint64 at = sureAt(k); at >= 0) {
                from = at + 1000;
                break;
            }
        qint64 to = songMs();
        for (int k = g.line + 1; k < lines; ++k)
            if (const qint64 at = sureAt(k); at >= 0) {
                to = at;
                break;
            }
        const Harmony::Match match =
            m_harmony.findRepeat(first.ms - kLeadMs, kPassageMs, from - kLeadMs, to - kLeadMs);
        if (match.ms < 0 || match.similarity < kRepeatSimilarity ||
            match.margin < kSureRepeatMargin)
            continue;
        const qint64 expected = match.ms + kLeadMs;
        // A sure answer of its own is not overruled: the repeat carries its first singing's
        // error too.
        if (g.kind == Suggestion::Aligned && std::abs(g.ms - expected) <= 300)
            g.confidence = std::max(g.confidence, std::min(first.confidence, 0.9));
        else if (g.confidence < kConfident)
            g = {g.line, expected, std::min(first.confidence, 0.75), Suggestion::Repeated};
    }
}

// The answers come from several looks (a stretch, the free alignment, a repeat), and a sure one
// can fall before an unsure line above it: a lost decoder places lines ever later, where the
// free alignment found the next ones where they are sung. The order kept is the one that keeps
// the most confidence; the lines that break it are spread again between the lines around them,
// instead of being pushed after the lost ones with a confidence that was not theirs.
void LyricAligner::keepSureOrder(const Anchors& anchors, std::vector<Suggestion>& out) {
    std::stable_sort(out.begin(), out.end(), [](auto& a, auto& b) { return a.line < b.line; });
    // Every line counts a little, so that among unsure lines the longest order stays.
    const auto weight = [](const Suggestion& g) { return g.confidence + 0.01; };
    const std::size_t n = out.size();
    std::vector<double> best(n);
    std::vector<std::size_t> from(n, n);
    std::size_t last = n;
    for (std::size_t i = 0; i < n; ++i) {
        best[i] = weight(out[i]);
        for (std::size_t j = 0; j < i; ++j)
            if (out[j].line < out[i].line && out[j].ms <= out[i].ms &&
                best[j] + weight(out[i]) > best[i]) {
                best[i] = best[j] + weight(out[i]);
                from[i] = j;
            }
        if (last == n || best[i] > best[last])
            last = i;
    }
    std::vector<bool> kept(n, false);
    for (std::size_t i = last; i < n; i = from[i])
        kept[i] = true;
    if (std::all_of(kept.begin(), kept.end(), [](bool k) { return k; }))
        return;
    // The answers are in line order: the kept ones around a line are the nearest on each side.
    std::vector<std::size_t> nextKept(n + 1, n);
    for (std::size_t i = n; i-- > 0;)
        nextKept[i] = kept[i] ? i : nextKept[i + 1];
    std::size_t previousKept = n;
    for (std::size_t i = 0; i < n; previousKept = kept[i] ? i : previousKept, ++i) {
        if (kept[i])
            continue;
        const int line = out[i].line;
        // The lines around it that stand: kept answers and marks.
        Stretch gap;
        gap.first = -1;
        gap.end = static_cast<int>(m_words.size());
        if (previousKept < n) {
            gap.first = out[previousKept].line;
            gap.startMs = out[previousKept].ms;
        }
        if (const std::size_t next = nextKept[i]; next < n) {
            gap.end = out[next].line;
            gap.endMs = out[next].ms;
        }
        if (const auto above = anchors.upper_bound(line);
            above != anchors.end() && above->first < gap.end) {
            gap.end = above->first;
            gap.endMs = above->second;
        }
        if (const auto below = anchors.lower_bound(line);
            below != anchors.begin() && std::prev(below)->first > gap.first) {
            gap.first = std::prev(below)->first;
            gap.startMs = std::prev(below)->second;
        }
        gap.fixedStart = gap.first >= 0;
        gap.first = std::max(gap.first, 0);
        gap.fixedEnd = gap.end < static_cast<int>(m_words.size());
        gap.fromMs = gap.fixedStart ? gap.startMs : 0;
        gap.toMs = gap.fixedEnd ? gap.endMs : songMs();
        std::vector<Suggestion> spread;
        spreadStretch(gap, spread);
        for (const Suggestion& g : spread)
            if (g.line == line) {
                out[i] = g;
                m_evidence[static_cast<std::size_t>(line)] = {};
            }
    }
}

std::vector<Suggestion> LyricAligner::spread(const Anchors& anchors, int first, int last) {
    std::vector<Suggestion> out;
    for (const Stretch& s : stretchesFor(anchors, first, last))
        spreadStretch(s, out);
    return ordered(std::move(out), anchors, first, last);
}

std::vector<LyricAligner::Stretch> LyricAligner::stretchesFor(const Anchors& anchors, int first,
                                                              int last) const {
    const int lines = static_cast<int>(m_words.size());
    first = std::max(first, 0);
    last = std::min(last, lines - 1);
    const qint64 song = songMs();
    std::vector<Stretch> stretches;
    const auto stretchFrom = [&](int line, bool fixed, qint64 ms) {
        auto next = anchors.upper_bound(line);
        while (next != anchors.end() && next->first < lines && next->second < ms)
            ++next; // a mark earlier than the one before it bounds nothing
        Stretch s;
        s.first = line;
        s.fixedStart = fixed;
        s.startMs = ms;
        s.fromMs = fixed ? std::max<qint64>(0, ms - 300) : 0;
        s.fixedEnd = next != anchors.end() && next->first < lines;
        s.end = s.fixedEnd ? next->first : lines;
        s.endMs = s.fixedEnd ? std::min(song, next->second) : song;
        // The next line's first words close the stretch: a mark in whole seconds may stand
        // for any moment of its second.
        s.toMs =
            s.fixedEnd ? std::min(song, s.endMs + (s.endMs % 1000 == 0 ? 1000 : 0) + 1500) : song;
        if (s.first > last || s.end - 1 < first || s.end - s.first < (fixed ? 2 : 1))
            return;
        // With the song's free alignment known, only the audio near the lines asked for is
        // decoded again: a few lines on either side of them.
        const auto known = [&](int at) {
            return at >= 0 && at < lines && m_guide[static_cast<std::size_t>(at)].ms >= 0;
        };
        if (s.end - 1 > last + 3 && known(last + 3)) {
            s.end = last + 3;
            s.fixedEnd = false;
            s.toMs = std::min(song, m_guide[static_cast<std::size_t>(last) + 3].ms + 2000);
        }
        if (first - s.first > 3 && known(first - 2)) {
            s.first = first - 2;
            s.fixedStart = false;
            s.fromMs = std::max(s.fromMs, m_guide[static_cast<std::size_t>(first - 2)].ms - 1500);
        }
        if (s.toMs > s.fromMs)
            stretches.push_back(s);
    };
    if (anchors.empty() || anchors.begin()->first > 0)
        stretchFrom(0, false, 0);
    for (const auto& [line, ms] : anchors)
        if (line >= 0 && line < lines)
            stretchFrom(line, true, std::clamp<qint64>(ms, 0, song));
    return stretches;
}

std::vector<Suggestion> LyricAligner::ordered(std::vector<Suggestion> out, const Anchors& anchors,
                                              int first, int last) const {
    std::erase_if(out, [&](const Suggestion& g) {
        return g.line < first || g.line > last || anchors.contains(g.line) ||
               m_blank[static_cast<std::size_t>(g.line)];
    });
    std::sort(out.begin(), out.end(), [](auto& a, auto& b) { return a.line < b.line; });
    out.erase(
        std::unique(out.begin(), out.end(), [](auto& a, auto& b) { return a.line == b.line; }),
        out.end());
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
    qint64 end = s.fixedEnd ? s.endMs : s.toMs;
    if (!s.fixedEnd) { // the song's end: where the last voice fades
        for (qint64 ms = s.toMs; ms > start; ms -= 100)
            if (m_voice.voicedShare(ms - 1000, ms) > 0.3) {
                end = ms;
                break;
            }
    }
    // A voice map that heard next to nothing may hear its first voice in the song's last
    // second: where the lines could not be sung between its first and last voice, they take
    // the whole stretch instead of piling up there.
    qint64 syllables = 0;
    for (int k = s.first; k < s.end; ++k)
        syllables += m_syllables[static_cast<std::size_t>(k)];
    if (end - start < syllables * kFastestSyllableMs) {
        start = s.fixedStart ? s.startMs : s.fromMs;
        end = s.fixedEnd ? s.endMs : s.toMs;
    }
    end = std::max(end, start);
    // A line's share of the time: its syllables, and a breath before the next.
    const auto weights =
        static_cast<double>(syllables + qint64{s.end - s.first} * kBreathSyllables);
    const auto at = [&](double share) {
        return static_cast<qint64>(
            std::llround(static_cast<double>(start) +
                         static_cast<double>(end - start) * share / std::max(1.0, weights)));
    };
    double before = 0;
    qint64 previous = start;
    for (int k = s.first; k < s.end; ++k) {
        qint64 ms = at(before);
        before += m_syllables[static_cast<std::size_t>(k)] + kBreathSyllables;
        if (k == s.first && s.fixedStart)
            continue;
        // Drawn to a voice's onset only between the line before and the next line's share:
        // lines spread closely would otherwise meet on one onset.
        if (const qint64 onset = m_voice.nearestOnset(ms, 400);
            onset > previous && onset < at(before))
            ms = onset;
        ms = std::max(ms, previous);
        previous = ms;
        out.push_back({k, ms, 0.0, Suggestion::Spread});
    }
}

void LyricAligner::alignStretch(const Stretch& s, std::vector<Suggestion>& out,
                                const std::atomic<bool>& cancel,
                                const std::function<void(double)>& progress) {
    QStringList words;
    std::vector<int> lineOf;
    std::vector<int> firstWordOf(static_cast<std::size_t>(s.end - s.first) + 1, 0);
    const int closing = s.fixedEnd ? s.end + 1 : s.end; // the mark's line closes the grammar
    for (int k = s.first; k < closing; ++k) {
        if (k < s.end)
            firstWordOf[static_cast<std::size_t>(k - s.first)] = static_cast<int>(words.size());
        const QStringList& own = m_words[static_cast<std::size_t>(k)];
        for (qsizetype w = 0; w < own.size() && (k < s.end || w < 2); ++w) {
            words << own.at(w);
            lineOf.push_back(k);
        }
    }
    const auto from = static_cast<std::size_t>(s.fromMs) * kAlignRate / 1000;
    const auto to =
        std::min(m_audio.samples.size(), static_cast<std::size_t>(s.toMs) * kAlignRate / 1000);
    const SpeechRecogniser::Decoded decoded =
        from < to
            ? m_decoder->align(m_audio.samples.data() + from, to - from, words, cancel, progress)
            : SpeechRecogniser::Decoded{};
    if (cancel.load())
        return;
    // Each line's placed words, in order.
    std::vector<std::vector<const PlacedWord*>> placed(static_cast<std::size_t>(s.end - s.first));
    int lastLine = -1;
    for (const PlacedWord& w : decoded.words) {
        const int line = lineOf[static_cast<std::size_t>(w.word)];
        lastLine = std::max(lastLine, line);
        if (line < s.end)
            placed[static_cast<std::size_t>(line - s.first)].push_back(&w);
    }
    std::vector<Suggestion> found;
    for (int k = s.first; k < s.end; ++k) {
        const auto& mine = placed[static_cast<std::size_t>(k - s.first)];
        if ((k == s.first && s.fixedStart) || mine.empty())
            continue;
        // The line as sung: the largest group of its words close together.
        struct Group {
            std::size_t from, size;
            qint64 startMs, endMs;
        };
        std::vector<Group> groups;
        for (std::size_t from_ = 0, i = 1; i <= mine.size(); ++i)
            if (i == mine.size() || mine[i]->startFrame - mine[i - 1]->endFrame > kApartFrames) {
                groups.push_back({from_, i - from_, s.fromMs + qint64{mine[from_]->startFrame} * 10,
                                  s.fromMs + qint64{mine[i - 1]->endFrame} * 10});
                from_ = i;
            }
        const auto inBreak = [this](qint64 fromMs, qint64 toMs) {
            return m_voice.voicedShare(fromMs, toMs) < kBreakVoiceShare;
        };
        std::size_t chosen = 0;
        for (std::size_t g = 1; g < groups.size(); ++g)
            if (groups[g].size > groups[chosen].size)
                chosen = g;
        // Words the decoder put on the music of a break (a lead instrument) are not the line
        // when more of its words follow where the voice comes back after the break.
        if (const Group& c = groups[chosen]; inBreak(c.startMs, c.startMs + kBreakMs)) {
            std::size_t after = chosen;
            for (std::size_t g = chosen + 1; g < groups.size(); ++g)
                if (groups[g].size >= 2 &&
                    !inBreak(groups[g].startMs, groups[g].startMs + kBreakMs) &&
                    inBreak(c.endMs, groups[g].startMs) &&
                    (after == chosen || groups[g].size > groups[after].size))
                    after = g;
            chosen = after;
        }
        const std::size_t best = groups[chosen].from;
        const std::size_t bestSize = groups[chosen].size;
        const PlacedWord& core = *mine[best];
        const int lineFirst = firstWordOf[static_cast<std::size_t>(k - s.first)];
        int syllablesBefore = 0;
        for (int w = lineFirst; w < core.word; ++w)
            syllablesBefore += Syllables(words.at(w));
        // A first word held far longer than a sung word was stretched back over the music
        // before the line: the voice comes in near its end.
        const qint64 coreMs = core.endFrame - core.startFrame > kLongWordFrames
                                  ? qint64{core.endFrame} * 10 - kWordMs
                                  : qint64{core.startFrame} * 10;
        const qint64 ms = s.fromMs + coreMs - syllablesBefore * kSyllableMs;
        LineEvidence e;
        e.words = static_cast<int>(m_words[static_cast<std::size_t>(k)].size());
        e.placed = static_cast<int>(mine.size());
        e.together = static_cast<int>(bestSize);
        e.before = static_cast<int>(best);
        e.nextFound = lastLine > k;
        e.firstWordSeconds = static_cast<double>(core.endFrame - core.startFrame + 1) / 100.0;
        e.voiced = m_voice.voicedShare(ms, ms + 500);
        int syllables = 0;
        for (std::size_t i = best; i < best + bestSize; ++i)
            syllables += Syllables(words.at(mine[i]->word));
        e.pace = static_cast<double>(mine[best + bestSize - 1]->endFrame - core.startFrame + 1) /
                 100.0 / std::max(1, syllables);
        m_evidence[static_cast<std::size_t>(k)] = e;
        found.push_back({k, std::max<qint64>(ms, 0), 0.0, Suggestion::Aligned});
    }
    found = inOrder(s, found);
    out.insert(out.end(), found.begin(), found.end());
    // Lines the decoder placed no word of, or out of order, are spread between their placed
    // neighbours.
    for (int k = s.first; k < s.end; ++k) {
        if ((k == s.first && s.fixedStart) ||
            std::any_of(found.begin(), found.end(), [k](auto& g) { return g.line == k; }))
            continue;
        m_evidence[static_cast<std::size_t>(k)] = {};
        Stretch gap = s;
        auto prev = std::find_if(found.rbegin(), found.rend(), [&](auto& g) { return g.line < k; });
        auto next = std::find_if(found.begin(), found.end(), [&](auto& g) { return g.line > k; });
        gap.first = prev != found.rend() ? prev->line : s.first;
        gap.fixedStart = prev != found.rend() || s.fixedStart;
        gap.startMs = prev != found.rend() ? prev->ms : s.startMs;
        gap.end = next != found.end() ? next->line : s.end;
        gap.fixedEnd = next != found.end() || s.fixedEnd;
        gap.endMs = next != found.end() ? next->ms : s.endMs;
        gap.toMs = gap.fixedEnd ? gap.endMs : s.toMs;
        std::vector<Suggestion> spread;
        spreadStretch(gap, spread);
        for (const Suggestion& g : spread)
            if (g.line == k)
                out.push_back(g);
    }
}

// A decoder that lost the voice for a while puts lines out of order: one sooner after the line
// above it (or the mark that starts the stretch) than its syllables can be sung, or too late to
// sing before the mark that ends it.
// Of the lines found, the consistent run with the most words found together stays.
std::vector<Suggestion> LyricAligner::inOrder(const Stretch& s,
                                              const std::vector<Suggestion>& found) const {
    const auto soonest = [&](int from, int to) {
        qint64 syllables = 0;
        for (int k = from; k < to; ++k)
            syllables += m_syllables[static_cast<std::size_t>(k)];
        return syllables * kFastestSyllableMs;
    };
    const auto weight = [&](const Suggestion& g) {
        return m_evidence[static_cast<std::size_t>(g.line)].together;
    };
    const qint64 latest = MarkLatestMs(s.endMs);
    const std::size_t n = found.size();
    std::vector<int> best(n, -1);
    std::vector<std::size_t> from(n, n);
    for (std::size_t i = 0; i < n; ++i) {
        const Suggestion& g = found[i];
        if ((s.fixedStart && g.ms < s.startMs + soonest(s.first, g.line)) ||
            (s.fixedEnd && g.ms > latest - soonest(g.line, s.end)))
            continue;
        best[i] = weight(g);
        for (std::size_t j = 0; j < i; ++j)
            if (best[j] >= 0 && g.ms - found[j].ms >= soonest(found[j].line, g.line) &&
                best[j] + weight(g) > best[i]) {
                best[i] = best[j] + weight(g);
                from[i] = j;
            }
    }
    std::size_t last = n;
    for (std::size_t i = 0; i < n; ++i)
        if (best[i] >= 0 && (last == n || best[i] > best[last]))
            last = i;
    std::vector<Suggestion> kept;
    for (std::size_t i = last; i < n; i = from[i])
        kept.insert(kept.begin(), found[i]);
    return kept;
}

std::vector<WordSuggestion> LyricAligner::suggestWords(const QString& line, qint64 startMs,
                                                       qint64 endMs, const WordMarks& given) {
    return WordAligner(m_decoder.get(), m_phonemizer.get(), *m_voiceDetector, m_plain,
                       &m_plainVoice)
        .suggest(line, startMs, endMs, given);
}
