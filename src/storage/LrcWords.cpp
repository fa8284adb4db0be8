#include "storage/LrcWords.h"

#include "storage/Lrc.h"

#include <algorithm>

namespace {

bool startsStamp(QStringView text, qsizetype at) {
    qint64 ms = 0;
    return ReadLrcStamp(text, at, true, ms) >= 0;
}

struct Stamp {
    qsizetype at; // in the lyric
    qint64 ms;
};

// Splits the lyric's words where a stamp stands inside one (syllables). Stamps are in the
// order of their places.
std::vector<WordTime> wordsSplitAt(const QString& lyric, const std::vector<Stamp>& stamps) {
    std::vector<WordTime> words;
    auto stamp = stamps.begin();
    for (const WordTime& word : WordsOf(lyric)) {
        const qsizetype end = word.start + word.length;
        qsizetype from = word.start;
        for (; stamp != stamps.end() && stamp->at < end; ++stamp)
            if (stamp->at > from) {
                words.push_back({from, stamp->at - from, -1, -1});
                from = stamp->at;
            }
        words.push_back({from, end - from, -1, -1});
    }
    return words;
}

} // namespace

void AppendWordStampedText(QString& text, const QString& lyric, const std::vector<WordTime>& words,
                           bool milliseconds) {
    const bool exact = !lyric.isEmpty() && (lyric.front().isSpace() || lyric.back().isSpace() ||
                                            lyric.front() == QChar(kLrcVerbatim));
    qsizetype done = 0; // of the lyric, written
    // The lyric up to `to`, each '<' that could be read as a stamp followed by the joiner.
    const auto textTo = [&](qsizetype to) {
        for (qsizetype at = lyric.indexOf(u'<', done); at >= 0 && at < to;
             at = lyric.indexOf(u'<', at + 1)) {
            if (!startsStamp(lyric, at) &&
                !(at + 1 < lyric.size() && lyric[at + 1] == QChar(kLrcVerbatim)))
                continue;
            text.append(QStringView(lyric).sliced(done, at + 1 - done));
            text += QChar(kLrcVerbatim);
            done = at + 1;
        }
        text.append(QStringView(lyric).sliced(done, to - done));
        done = to;
    };
    const auto stamp = [&](qsizetype at, qint64 ms) {
        textTo(at);
        text += u'<';
        AppendLrcTime(text, ms, milliseconds);
        text += u'>';
    };
    // In order of place: the end of the word before, then the start of the next; the first
    // word's stamp begins the text.
    for (std::size_t k = 0; k < words.size(); ++k) {
        if (k > 0 && words[k - 1].endMs >= 0)
            stamp(words[k - 1].start + words[k - 1].length, words[k - 1].endMs);
        if (words[k].ms >= 0) {
            stamp(k == 0 ? 0 : words[k].start, words[k].ms);
            if (k == 0 && exact)
                text += QChar(kLrcVerbatim);
        }
    }
    if (!words.empty() && words.back().endMs >= 0)
        stamp(words.back().start + words.back().length, words.back().endMs);
    textTo(lyric.size());
}

std::optional<WordStampedLine> ReadWordStamps(QStringView text, qint64 lineMs) {
    qint64 ms = 0;
    qsizetype end = -1;
    for (qsizetype i = text.indexOf(u'<'); i >= 0 && end < 0; i = text.indexOf(u'<', i + 1))
        end = ReadLrcStamp(text, i, true, ms);
    if (end < 0)
        return std::nullopt;
    const qsizetype first = ReadLrcStamp(text, 0, true, ms);
    const bool exact = first > 0 && first < text.size() && text[first] == QChar(kLrcVerbatim);
    QString lyric;
    std::vector<Stamp> stamps;
    bool milliseconds = false;
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] == u'<') {
            if (i + 1 < text.size() && text[i + 1] == QChar(kLrcVerbatim)) { // a '<' of the lyric
                lyric += u'<';
                i += 2;
                continue;
            }
            int digits = 0;
            if (const qsizetype after = ReadLrcStamp(text, i, true, ms, &digits); after >= 0) {
                stamps.push_back({lyric.size(), ms});
                milliseconds = milliseconds || digits == 3;
                i = after;
                // Past the joiner of an exact text; "a <00:01.00> b" is "a b" otherwise.
                const bool skip = exact ? i == first
                                        : i < text.size() && text[i].isSpace() &&
                                              !lyric.isEmpty() && lyric.back().isSpace();
                if (skip)
                    ++i;
                continue;
            }
        }
        lyric += text[i++];
    }
    if (!exact) {
        qsizetype lead = 0;
        while (lead < lyric.size() && lyric[lead].isSpace())
            ++lead;
        lyric = lyric.trimmed();
        for (Stamp& stamp : stamps)
            stamp.at = std::clamp<qsizetype>(stamp.at - lead, 0, lyric.size());
    }
    WordStampedLine line{lyric, wordsSplitAt(lyric, stamps), milliseconds};
    std::vector<WordTime>& words = line.words;
    // One pass over both, in the order of their places.
    std::size_t next = 0; // the first word that starts at or after the stamp
    for (std::size_t s = 0; s < stamps.size(); ++s) {
        const qsizetype at = stamps[s].at;
        while (next < words.size() && words[next].start < at)
            ++next;
        const bool anotherFirst =
            s + 1 < stamps.size() && next < words.size() && stamps[s + 1].at <= words[next].start;
        if (next < words.size() && !anotherFirst && words[next].ms < 0) {
            words[next].ms = stamps[s].ms;
            continue;
        }
        // Not followed by a word of its own: it ends the word before it.
        if (next > 0 && words[next - 1].start + words[next - 1].length <= at)
            words[next - 1].endMs = stamps[s].ms;
    }
    if (!AnyWordTimed(words) &&
        std::none_of(words.begin(), words.end(), [](const WordTime& w) { return w.endMs >= 0; }))
        words.clear();
    else if (!words.empty() && words.front().ms < 0)
        words.front().ms = lineMs;
    return line;
}
