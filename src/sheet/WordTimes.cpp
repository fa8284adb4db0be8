#include "sheet/WordTimes.h"

#include "sheet/Amount.h"
#include "sheet/TimeText.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr qint64 kLatestPreciseMs = qint64{2147483647} * 1000;
} // namespace

std::vector<WordTime> WordsOf(const QString& lyric) {
    std::vector<WordTime> words;
    for (qsizetype i = 0; i < lyric.size();) {
        if (lyric[i].isSpace()) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < lyric.size() && !lyric[i].isSpace())
            ++i;
        words.push_back({start, i - start, -1, -1});
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
