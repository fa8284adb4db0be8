#include "sheet/WordTimes.h"

#include "sheet/Amount.h"
#include "sheet/SheetRow.h"
#include "sheet/TimeText.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr qint64 kLatestPreciseMs = qint64{2147483647} * 1000;
} // namespace

namespace {

// Scripts written without blanks between words: each character is sung on a note of its own.
bool unspaced(QChar c) {
    const QChar::Script script = c.script();
    return script == QChar::Script_Han || script == QChar::Script_Hiragana ||
           script == QChar::Script_Katakana;
}

} // namespace

std::vector<WordTime> WordsOf(const QString& lyric) {
    std::vector<WordTime> words;
    bool open = false;      // a word is being read
    bool lastAlone = false; // the word being read is one character of such a script
    for (qsizetype i = 0; i < lyric.size(); ++i) {
        const QChar c = lyric.at(i);
        if (c.isSpace()) {
            open = false;
            continue;
        }
        const bool alone = unspaced(c);
        // A character without blanks, or a letter after one, begins a word; marks after a
        // word stay with it.
        if (!open || alone || (lastAlone && c.isLetterOrNumber())) {
            words.push_back({i, 1, -1, -1});
            open = true;
            lastAlone = alone;
        } else {
            ++words.back().length;
        }
    }
    return words;
}

bool AnyWordTimed(const std::vector<WordTime>& words) {
    return std::any_of(words.begin(), words.end(), [](const WordTime& w) { return w.ms >= 0; });
}

std::optional<qint64> SecsMs(const QString& secs) {
    const std::optional<double> value = ReadSeconds(secs);
    constexpr double kLatestMs = 2147483647.0 * 1000;
    if (!value || !(std::fabs(*value * 1000) <= kLatestMs))
        return std::nullopt;
    return std::llround(*value * 1000);
}

bool PreciseTimeFits(const QString& secs, qint64 ms) {
    const std::optional<qint64> from = SecsMs(secs);
    if (!from || ms < 0)
        return false;
    return (*from <= ms && ms < *from + 1000) || (*from < 0 && ms == 0);
}

void ShiftWords(std::vector<WordTime>& words, qint64 deltaMs) {
    for (WordTime& word : words) {
        if (word.ms >= 0)
            word.ms = std::max<qint64>(0, word.ms + deltaMs);
        if (word.endMs >= 0)
            word.endMs = std::max<qint64>(0, word.endMs + deltaMs);
    }
}

QString PreciseTimeText(qint64 ms) {
    const qint64 clamped = std::clamp<qint64>(ms, 0, kLatestPreciseMs);
    const QString whole = SecondsToTime(static_cast<std::int32_t>(clamped / 1000));
    return QStringLiteral("%1.%2")
        .arg(whole.isEmpty() ? QStringLiteral("0:00") : whole)
        .arg(clamped % 1000 / 10, 2, 10, QLatin1Char('0'));
}

namespace {

// Where the strip's stretch of song starts before the line, and how long it lasts at least.
constexpr qint64 kStripLeadMs = 500;
constexpr qint64 kStripShortestMs = 3000;

std::optional<qint64> rowMs(const SheetRow& row) {
    if (row.markMs >= 0)
        return row.markMs;
    return SecsMs(row.secs);
}

} // namespace

WordSpan WordSpanOf(const std::vector<SheetRow>& rows, int position) {
    WordSpan span;
    const int count = static_cast<int>(rows.size());
    if (position < 1 || position > count)
        return span;
    const SheetRow& row = rows[static_cast<std::size_t>(position - 1)];
    std::optional<qint64> first = rowMs(row);
    qint64 last = -1;
    for (const WordTime& word : row.words.empty() ? WordsOf(row.lyric) : row.words) {
        span.words.emplace_back(row.lyric.mid(word.start, word.length), word.ms);
        if (word.ms >= 0) {
            first = std::min(first.value_or(word.ms), word.ms);
            last = std::max(last, word.ms);
        }
    }
    for (int before = position - 1; !first && before >= 1; --before)
        first = rowMs(rows[static_cast<std::size_t>(before - 1)]);
    span.fromMs = std::max<qint64>(0, first.value_or(0) - kStripLeadMs);
    span.toMs = std::max(span.fromMs + kStripShortestMs, last + 1000);
    for (int after = position + 1; after <= count; ++after)
        if (const std::optional<qint64> next = rowMs(rows[static_cast<std::size_t>(after - 1)])) {
            if (*next > last)
                span.toMs = std::max(*next + kStripLeadMs, last + 1000);
            break;
        }
    return span;
}
