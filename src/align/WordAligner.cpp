#include "align/WordAligner.h"

#include "align/Fft.h"
#include "align/Pronounce.h"
#include "core/MediaServices.h"
#include "sheet/WordTimes.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

// Two word starts closer than this are one sound: the later is moved on.
constexpr qint64 kShortestWordMs = 40;
// The last word of a line is held: it counts this many syllables more in a spread.
constexpr double kHeldSyllables = 0.5;
// How much a place looks like the start of a word, against a word's length off its share of
// the syllables (the square of the log of the ratio, weighed).
constexpr double kOnsetLikeness = 0.4;
constexpr double kAnywhereLikeness = -0.3;
constexpr double kLengthWeight = 1.0;
// A dip in the voice's band between two louder moments (two syllables' vowels): as likely a
// word start as a pause when it is this deep, and not at all when under the least.
constexpr double kFullDipDb = 6.0;
constexpr double kLeastDipDb = 2.0;
// What a place gains at most for the voice falling to the band's own level in it, and for a
// consonant's hiss starting there.
constexpr double kQuietLikeness = 0.5;
constexpr double kHissLikeness = 0.75;
constexpr double kFullHissDb = 15.0;

} // namespace

std::vector<LineWord> LineWords(const QString& line) {
    std::vector<LineWord> words;
    for (const WordTime& word : WordsOf(line))
        words.push_back({word.start, word.length});
    return words;
}

WordAligner::WordAligner(SpeechRecogniser* decoder, Phonemizer* phonemizer, VoiceDetector& detector,
                         const AlignAudio& audio, const VoiceMap* songVoice)
    : m_decoder(decoder), m_phonemizer(phonemizer), m_detector(detector), m_audio(audio),
      m_songVoice(songVoice), m_voice(songVoice ? songVoice : &m_heard) {}

void WordAligner::hear(qint64 fromMs, qint64 toMs) {
    if (m_songVoice)
        return;
    // A margin on either side: the pitch and onset trackers settle in it.
    constexpr qint64 kMarginMs = 500;
    const qint64 song = m_audio.milliseconds();
    const qint64 first = std::clamp<qint64>(fromMs - kMarginMs, 0, song);
    const qint64 last = std::clamp<qint64>(toMs + kMarginMs, first, song);
    AlignAudio window;
    window.samples.assign(
        m_audio.samples.begin() + static_cast<std::ptrdiff_t>(first * kAlignRate / 1000),
        m_audio.samples.begin() + static_cast<std::ptrdiff_t>(last * kAlignRate / 1000));
    static const std::atomic<bool> never{false};
    const VoiceMap heard = MapVoice(m_detector, window, never);
    m_heard = {};
    m_heard.voiced.assign(static_cast<std::size_t>(first / 10), false);
    m_heard.voiced.insert(m_heard.voiced.end(), heard.voiced.begin(), heard.voiced.end());
    for (const qint64 onset : heard.onsetsMs)
        m_heard.onsetsMs.push_back(onset + first);
}

qint64 WordAligner::voiceEndAfter(qint64 fromMs) {
    constexpr qint64 kLongestLineMs = 20000;
    const qint64 song = m_audio.milliseconds();
    const qint64 last = std::min(song, fromMs + kLongestLineMs);
    hear(fromMs, last);
    // A pause inside a line is shorter than this.
    constexpr qint64 kSilenceMs = 1500;
    for (qint64 ms = fromMs + 300; ms < last; ms += 50)
        if (m_voice->voicedShare(ms, ms + kSilenceMs) < 0.03)
            return lastVoiceBefore(fromMs, ms + 100);
    return last;
}

qint64 WordAligner::lastVoiceBefore(qint64 fromMs, qint64 toMs) const {
    for (qint64 ms = toMs; ms > fromMs; ms -= 10)
        if (m_voice->voicedShare(ms - 100, ms) >= 0.3)
            return std::min(toMs, ms + 20);
    return toMs;
}

qint64 WordAligner::voiceComingBack(qint64 afterMs, qint64 foundMs) const {
    constexpr qint64 kPauseMs = 50;
    constexpr qint64 kHeardMs = 300; // a held note, not a consonant's voiced tail
    for (qint64 ms = afterMs + 30; ms + kHeardMs < foundMs; ms += 10)
        if (m_voice->voicedShare(ms, ms + 10) > 0 && m_voice->voicedShare(ms - kPauseMs, ms) == 0 &&
            m_voice->voicedShare(ms, foundMs) * static_cast<double>(foundMs - ms) >= kHeardMs)
            return ms;
    return foundMs;
}

WordAligner::Levels WordAligner::levels(qint64 fromMs, qint64 toMs) const {
    // Over 32 ms every 10 ms: the voice's band (300 Hz to 3 kHz) and the hiss of consonants
    // above it (3 to 8 kHz).
    constexpr std::size_t kSize = 512;
    constexpr std::size_t kLowBin = 300 * kSize / kAlignRate;
    constexpr std::size_t kHighBin = 3000 * kSize / kAlignRate;
    static const Fft fft(kSize);
    Levels out{fromMs, {}, {}};
    std::vector<std::complex<float>> values(kSize);
    const qint64 song = m_audio.milliseconds();
    for (qint64 ms = fromMs; ms < toMs && ms + 32 < song; ms += 10) {
        const auto first = static_cast<std::size_t>(ms) * kAlignRate / 1000;
        for (std::size_t i = 0; i < kSize; ++i) {
            const double hann =
                0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) / kSize);
            values[i] = {static_cast<float>(hann * m_audio.samples[first + i]), 0.0F};
        }
        fft.run(values, false);
        double voice = 1;
        for (std::size_t b = kLowBin; b < kHighBin; ++b)
            voice += std::norm(values[b]);
        double hiss = 1;
        for (std::size_t b = kHighBin; b < kSize / 2; ++b)
            hiss += std::norm(values[b]);
        out.voice.push_back(10 * std::log10(voice));
        out.hiss.push_back(10 * std::log10(hiss));
    }
    return out;
}

std::vector<std::pair<qint64, double>> WordAligner::dips(const Levels& levels, qint64 toMs) const {
    const qint64 fromMs = levels.fromMs;
    const std::size_t n = std::min(
        levels.voice.size(), static_cast<std::size_t>(std::max<qint64>(0, toMs - fromMs) / 10));
    const std::vector<double>& level = levels.voice;
    std::vector<double> smooth(n, 0);
    for (std::size_t i = 0; i < n; ++i) {
        double sum = 0;
        std::size_t count = 0;
        for (std::size_t j = i >= 2 ? i - 2 : 0; j < std::min(n, i + 3); ++j, ++count)
            sum += level[j];
        smooth[i] = sum / static_cast<double>(count);
    }
    // The loudest moments 160 ms apart at least; between two, the quietest, and how much
    // quieter it is than the softer of them.
    std::vector<std::size_t> peaks;
    for (std::size_t i = 1; i + 1 < n; ++i) {
        bool top = true;
        for (std::size_t j = i >= 8 ? i - 8 : 0; j < std::min(n, i + 9) && top; ++j)
            top = smooth[j] <= smooth[i];
        // A syllable's vowel is voiced: a loud moment without voice is the band's.
        const qint64 ms = fromMs + static_cast<qint64>(i) * 10 + 16;
        if (top && (peaks.empty() || i - peaks.back() > 3) &&
            m_voice->voicedShare(ms - 30, ms + 30) > 0)
            peaks.push_back(i);
    }
    std::vector<std::pair<qint64, double>> out;
    for (std::size_t p = 0; p + 1 < peaks.size(); ++p) {
        std::size_t low = peaks[p];
        for (std::size_t i = peaks[p]; i < peaks[p + 1]; ++i)
            if (smooth[i] < smooth[low])
                low = i;
        const double depth = std::min(smooth[peaks[p]], smooth[peaks[p + 1]]) - smooth[low];
        // The middle of the frame.
        out.emplace_back(fromMs + static_cast<qint64>(low) * 10 + 16, depth);
    }
    return out;
}

bool WordAligner::decodable(const QString& line) const {
    if (!m_decoder || !m_decoder->ready())
        return false;
    // German or Spanish words said as English reads them still let the model find their
    // starts, better than a spread by syllables. Other scripts it cannot say.
    return InLatinLetters(line);
}

std::vector<WordSuggestion> WordAligner::suggest(const QString& line, qint64 startMs, qint64 endMs,
                                                 const WordMarks& given) {
    const std::vector<LineWord> words = LineWords(line);
    const int n = static_cast<int>(words.size());
    std::vector<WordSuggestion> out(words.size());
    if (n == 0)
        return out;
    startMs = std::max<qint64>(0, given.contains(0) ? given.at(0) : startMs);
    if (endMs < 0)
        endMs = voiceEndAfter(startMs);
    for (const auto& [index, ms] : given)
        if (index >= 0 && index < n)
            endMs = std::max(endMs, ms + kShortestWordMs);
    endMs = std::max(endMs, startMs + kShortestWordMs * n);
    hear(startMs, endMs);

    std::vector<QStringList> modelWords;
    std::vector<int> syllables;
    for (const LineWord& w : words) {
        const QString text = line.mid(w.start, w.length);
        modelWords.push_back(LyricWords(text));
        syllables.push_back(std::max(1, Syllables(text)));
    }
    const bool aligning = decodable(line);

    // The line's start and the marks by hand cut it into stretches, each aligned on its own.
    std::vector<std::pair<int, qint64>> anchors{{0, startMs}};
    for (const auto& [index, ms] : given)
        if (index > 0 && index < n)
            anchors.emplace_back(index, std::max(ms, anchors.back().second));
    anchors.emplace_back(n, std::max(endMs, anchors.back().second));
    for (std::size_t a = 0; a + 1 < anchors.size(); ++a) {
        const auto [from, fromMs] = anchors[a];
        const auto [to, toMs] = anchors[a + 1];
        out[static_cast<std::size_t>(from)] = {fromMs, 1.0, WordSuggestion::Given};
        if (aligning)
            align(modelWords, syllables, from, to, fromMs, toMs, out);
        else
            spread(syllables, from, to, fromMs, toMs, out);
    }
    // A mark by hand stays as marked, even before the one above it.
    for (const auto& [index, ms] : given)
        if (index > 0 && index < n)
            out[static_cast<std::size_t>(index)] = {ms, 1.0, WordSuggestion::Given};
    // Whatever each part found, words follow one another.
    for (int i = 1; i < n; ++i) {
        WordSuggestion& w = out[static_cast<std::size_t>(i)];
        const qint64 floor = out[static_cast<std::size_t>(i - 1)].ms;
        if (w.kind != WordSuggestion::Given && w.ms < floor + kShortestWordMs)
            w.ms = floor + kShortestWordMs;
    }
    return out;
}

void WordAligner::align(const std::vector<QStringList>& modelWords,
                        const std::vector<int>& syllables, int from, int to, qint64 fromMs,
                        qint64 toMs, std::vector<WordSuggestion>& out) {
    if (to - from < 2)
        return;
    QStringList grammar;
    std::vector<int> ownerOf;
    for (int i = from; i < to; ++i)
        for (const QString& word : modelWords[static_cast<std::size_t>(i)]) {
            // A word outside the dictionary is pronounced as the phonemizer says it, or spelt.
            if (!m_decoder->knows(word) &&
                !(m_phonemizer &&
                  m_decoder->addWord(word, PhonesFromIpa(m_phonemizer->ipa(word)))) &&
                !m_decoder->addWord(word, PhonesFromSpelling(word)))
                continue;
            grammar << word;
            ownerOf.push_back(i);
        }
    // A little before the start: a mark pressed late still has its word in the window.
    constexpr qint64 kLeadMs = 100;
    const qint64 windowMs = std::max<qint64>(0, fromMs - kLeadMs);
    const auto first = static_cast<std::size_t>(windowMs) * kAlignRate / 1000;
    // The pause before the next line holds no word: it is not decoded.
    constexpr qint64 kTailMs = 300;
    const qint64 heardToMs = std::min(toMs, lastVoiceBefore(fromMs, toMs) + kTailMs);
    const auto last =
        std::min(m_audio.samples.size(), static_cast<std::size_t>(heardToMs) * kAlignRate / 1000);
    static const std::atomic<bool> never{false};
    const SpeechRecogniser::Decoded decoded =
        first < last && !grammar.isEmpty()
            ? m_decoder->alignLine(m_audio.samples.data() + first, last - first, grammar, never)
            : SpeechRecogniser::Decoded{};
    // Each word starts with its first piece the decoder placed, in order and inside the
    // stretch; the rest are spread between their placed neighbours.
    std::vector<bool> placed(out.size(), false);
    placed[static_cast<std::size_t>(from)] = true;
    qint64 previous = fromMs;
    qint64 previousEnd = fromMs;
    for (const PlacedWord& p : decoded.words) {
        const int owner = ownerOf[static_cast<std::size_t>(p.word)];
        qint64 ms = windowMs + qint64{p.startFrame} * 10;
        const qint64 heardEnd = std::max(previousEnd, windowMs + qint64{p.endFrame} * 10 + 10);
        // Voice the decoder left to silence and noise after the word before, coming back
        // after a pause: a held note it did not follow, the start of this word.
        if (owner != from && !placed[static_cast<std::size_t>(owner)])
            ms = voiceComingBack(previousEnd, ms);
        previousEnd = heardEnd;
        if (owner == from || placed[static_cast<std::size_t>(owner)] ||
            ms < previous + kShortestWordMs || ms > toMs - kShortestWordMs)
            continue;
        const int frames = p.endFrame - p.startFrame + 1;
        // A word squeezed into a few frames was not heard: the path only passed through it.
        const double confidence = frames < 6 ? 0.3 : decoded.complete ? 0.85 : 0.6;
        out[static_cast<std::size_t>(owner)] = {ms, confidence, WordSuggestion::Aligned};
        placed[static_cast<std::size_t>(owner)] = true;
        previous = ms;
    }
    for (int i = from + 1; i < to; ++i) {
        if (placed[static_cast<std::size_t>(i)])
            continue;
        int a = i - 1;
        while (!placed[static_cast<std::size_t>(a)])
            --a;
        int b = i + 1;
        while (b < to && !placed[static_cast<std::size_t>(b)])
            ++b;
        const qint64 bMs = b < to ? out[static_cast<std::size_t>(b)].ms : toMs;
        spread(syllables, a, b, out[static_cast<std::size_t>(a)].ms, bMs, out);
        for (int k = a + 1; k < b; ++k)
            placed[static_cast<std::size_t>(k)] = true;
    }
}

void WordAligner::spread(const std::vector<int>& syllables, int from, int to, qint64 fromMs,
                         qint64 toMs, std::vector<WordSuggestion>& out) const {
    const int count = to - from;
    if (count < 2)
        return;
    // The gap before the next line takes no share.
    qint64 endMs = lastVoiceBefore(fromMs, toMs);
    if (endMs - fromMs < kShortestWordMs * count)
        endMs = toMs;
    // Shares of plain time: the voice map misses whole syllables of a voice over a band (and
    // wavers with a held note), so counting its voiced frames misled more than it helped.
    const auto frames = static_cast<double>(std::max<qint64>(1, (endMs - fromMs) / 10));
    double weights = 0;
    std::vector<double> share;
    for (int i = from; i < to; ++i) {
        share.push_back(syllables[static_cast<std::size_t>(i)] +
                        (i + 1 == to ? kHeldSyllables : 0.0));
        weights += share.back();
    }
    for (double& s : share)
        s = s / weights * frames;

    // Where a word may start, and how much it looks like one: the voice coming back after a
    // pause, an onset, or anywhere at all.
    struct Place {
        qint64 ms;
        double likeness;
    };
    std::vector<Place> places;
    for (qint64 ms = fromMs + 50; ms < endMs - kShortestWordMs; ms += 10)
        if (m_voice->voicedShare(ms, ms + 10) > 0 && m_voice->voicedShare(ms - 40, ms) == 0)
            places.push_back({ms, 1.0});
    const Levels heard = levels(fromMs, toMs);
    for (const auto& [ms, depth] : dips(heard, endMs))
        if (ms > fromMs + kShortestWordMs && ms < endMs - kShortestWordMs && depth >= kLeastDipDb)
            places.push_back({ms, std::min(1.5, depth / kFullDipDb)});
    for (const qint64 onset : m_voice->onsetsMs)
        if (onset > fromMs + kShortestWordMs && onset < endMs - kShortestWordMs &&
            std::none_of(places.begin(), places.end(),
                         [&](const Place& p) { return std::abs(p.ms - onset) < 40; }))
            places.push_back({onset, kOnsetLikeness});
    for (qint64 ms = fromMs + 2 * kShortestWordMs; ms < endMs - kShortestWordMs; ms += 40)
        places.push_back({ms, kAnywhereLikeness});
    std::sort(places.begin(), places.end(), [](auto& a, auto& b) { return a.ms < b.ms; });
    // Between two characters the voice falls to the band's own level, and a consonant's hiss
    // starts the next: a dip of a tremolo, a drum or a tone stays well above the one, without
    // the other. The band's level is the window's quietest tenth, the voice's its loudest
    // twentieth (a line's window runs on to the next line, through the pause between them).
    if (heard.voice.size() > 10) {
        std::vector<double> sorted = heard.voice;
        std::sort(sorted.begin(), sorted.end());
        const double band = sorted[sorted.size() / 10];
        const double voice = sorted[sorted.size() * 19 / 20];
        const auto frame = [&](qint64 ms) {
            return std::clamp<qint64>((ms - 16 - fromMs) / 10, 0,
                                      static_cast<qint64>(heard.voice.size()) - 1);
        };
        const auto span = [&](qint64 a, qint64 b) {
            return std::pair{static_cast<std::size_t>(frame(a)),
                             static_cast<std::size_t>(frame(b)) + 1};
        };
        for (Place& p : places) {
            const auto [q0, q1] = span(p.ms - 20, p.ms + 20);
            const double quiet =
                *std::min_element(heard.voice.begin() + q0, heard.voice.begin() + q1);
            const double rise = (quiet - band) / std::max(1.0, voice - band);
            const auto [h0, h1] = span(p.ms, p.ms + 80);
            const auto [b0, b1] = span(p.ms - 60, p.ms - 10);
            double before = 0;
            for (std::size_t i = b0; i < b1; ++i)
                before += heard.hiss[i];
            before /= static_cast<double>(b1 - b0);
            const double hiss =
                *std::max_element(heard.hiss.begin() + h0, heard.hiss.begin() + h1) - before;
            p.likeness += kQuietLikeness * (1 - rise) +
                          kHissLikeness * std::clamp(hiss, 0.0, kFullHissDb) / kFullHissDb;
        }
    }
    // Each word after the first takes a place, in order: the words' lengths (in 10 ms frames)
    // near their syllables' share, on places that look like word starts.
    const auto lengthCost = [&](int word, qint64 a, qint64 b) {
        const double length = std::max(3.0, static_cast<double>(b - a) / 10);
        const double off = std::log(length / std::max(3.0, share[static_cast<std::size_t>(word)]));
        return kLengthWeight * off * off;
    };
    const std::size_t m = static_cast<std::size_t>(count) - 1;
    const std::size_t n = places.size();
    constexpr double kNone = std::numeric_limits<double>::infinity();
    std::vector<std::vector<double>> cost(m, std::vector<double>(n, kNone));
    std::vector<std::vector<int>> back(m, std::vector<int>(n, -1));
    for (std::size_t k = 0; k < m; ++k)
        for (std::size_t i = 0; i < n; ++i) {
            const double own = -places[i].likeness;
            if (k == 0) {
                cost[0][i] = lengthCost(0, fromMs, places[i].ms) + own;
                continue;
            }
            for (std::size_t j = 0; j < i; ++j) {
                if (cost[k - 1][j] == kNone || places[i].ms - places[j].ms < kShortestWordMs)
                    continue;
                const double c = cost[k - 1][j] +
                                 lengthCost(static_cast<int>(k), places[j].ms, places[i].ms) + own;
                if (c < cost[k][i]) {
                    cost[k][i] = c;
                    back[k][i] = static_cast<int>(j);
                }
            }
        }
    int best = -1;
    double bestCost = kNone;
    for (std::size_t i = 0; i < n; ++i)
        if (cost[m - 1][i] != kNone) {
            const double c = cost[m - 1][i] + lengthCost(count - 1, places[i].ms, endMs);
            if (c < bestCost) {
                bestCost = c;
                best = static_cast<int>(i);
            }
        }
    for (std::size_t k = m; k > 0; --k) {
        if (best < 0) { // too many words for the time: an even spread
            out[static_cast<std::size_t>(from) + k] = {fromMs + (endMs - fromMs) *
                                                                    static_cast<qint64>(k) / count,
                                                       0.1, WordSuggestion::Spread};
            continue;
        }
        const Place& p = places[static_cast<std::size_t>(best)];
        out[static_cast<std::size_t>(from) + k] = {p.ms,
                                                   p.likeness >= 1  ? 0.45
                                                   : p.likeness > 0 ? 0.3
                                                                    : 0.15,
                                                   WordSuggestion::Spread};
        best = back[k - 1][static_cast<std::size_t>(best)];
    }
}
