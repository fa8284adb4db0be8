// The sheet's precise timing: word marks, nudges and shifts of several rows.

#include "sheet/LyricSheet.h"
#include "sheet/SheetStep.h"

#include "sheet/TimeText.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>

namespace {

constexpr qint64 kLatestMs = qint64{2147483647} * 1000;

QString secondsText(qint64 deltaMs) {
    return QCoreApplication::translate("LyricSheet", "%1%2 s")
        .arg(deltaMs < 0 ? QStringLiteral("-") : QStringLiteral("+"))
        .arg(static_cast<double>(std::abs(deltaMs)) / 1000);
}

// The row stamped at ms: Secs and Time in whole seconds, the precise time beside them.
void stamp(SheetRow& row, qint64 ms) {
    const qint64 secs = std::clamp<qint64>(ms, 0, kLatestMs) / 1000;
    row.markMs = ms;
    row.secs = QString::number(secs);
    row.time = SecondsToTime(static_cast<std::int32_t>(secs));
}

// The time a nudge moves from: the precise one, else Secs's; nothing for an unmarked row.
std::optional<qint64> timeOf(const SheetRow& row) {
    if (row.hasExactMark())
        return row.markMs;
    const std::optional<qint64> secs = SecsMs(row.secs);
    return secs ? std::optional(std::max<qint64>(0, *secs)) : std::nullopt;
}

} // namespace

bool LyricSheet::changeRows(std::vector<int> positions, const QString& label,
                            const std::function<bool(SheetRow&, int)>& change) {
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    Step step{Step::Rows, label};
    step.cursorBefore = step.cursorAfter = m_cursor;
    for (const int p : positions) {
        if (p < 1 || p > count())
            continue;
        SheetRow& row = m_rows[static_cast<std::size_t>(p - 1)];
        SheetRow before = row;
        if (!change(row, p))
            continue;
        step.positions.push_back(p);
        step.rows.push_back(std::move(before));
        step.afterRows.push_back(row);
        emit dataChanged(index(p - 1, ColNumber), index(p - 1, ColSecs));
    }
    if (step.positions.empty())
        return false;
    if (step.positions.size() == 1) { // one row is a Cells step, as a single change always was
        step.kind = Step::Cells;
        step.position = step.positions.front();
        step.before = std::move(step.rows.front());
        step.after = std::move(step.afterRows.front());
        step.rows.clear();
        step.afterRows.clear();
    }
    push(std::move(step));
    return true;
}

bool LyricSheet::markWord(qint64 ms) {
    const int p = m_cursor.selected;
    if (p < 1)
        return false;
    const SheetRow& row = m_rows[static_cast<std::size_t>(p - 1)];
    std::vector<WordTime> words = row.words.empty() ? WordsOf(row.lyric) : row.words;
    if (words.empty()) {
        const qint64 secs = std::clamp<qint64>(ms, 0, kLatestMs) / 1000;
        return mark(static_cast<std::int32_t>(secs), SecondsToTime(static_cast<std::int32_t>(secs)),
                    ms);
    }
    std::size_t k = static_cast<std::size_t>(m_cursor.word);
    if (k >= words.size())
        k = 0; // every word is stamped: the line starts again
    Step step{Step::Cells,
              QCoreApplication::translate("LyricSheet", "Mark Word \"%1\" at %2")
                  .arg(row.lyric.mid(words[k].start, words[k].length), PreciseTimeText(ms)),
              p};
    step.cursorBefore = m_cursor;
    step.before = row;
    step.after = row;
    if (k == 0) { // the line's own time is its first word's
        for (WordTime& word : words)
            word.ms = word.endMs = -1;
        stamp(step.after, ms);
    }
    words[k].ms = ms;
    words[k].endMs = -1;
    step.after.words = std::move(words);
    setRow(p, step.after);
    if (k + 1 < step.after.words.size())
        m_cursor.word = static_cast<std::int16_t>(k + 1);
    else
        walkMarkCursor();
    step.cursorAfter = m_cursor;
    push(std::move(step));
    return true;
}

LyricSheet::NudgeReport LyricSheet::nudge(const std::vector<int>& positions, int word,
                                          qint64 deltaMs) {
    NudgeReport report;
    const auto move = [&](SheetRow& row, int) {
        const std::optional<qint64> line = timeOf(row);
        const bool ofWord = word >= 0;
        const auto w = static_cast<std::size_t>(std::max(word, 0));
        const bool timed = line && (!ofWord || (w < row.words.size() && row.words[w].ms >= 0));
        if (!timed) {
            ++report.untimed;
            return false;
        }
        const qint64 from = ofWord ? row.words[w].ms : *line;
        const qint64 to = std::clamp<qint64>(from + deltaMs, 0, kLatestMs);
        if (to == from)
            return false;
        if (ofWord) {
            row.words[w].ms = to;
            if (row.words[w].endMs >= 0)
                row.words[w].endMs = std::max(row.words[w].endMs, to);
        } else {
            ShiftWords(row.words, to - from);
        }
        if (!ofWord || w == 0)
            stamp(row, std::clamp<qint64>(*line + (to - from), 0, kLatestMs));
        if (report.moved++ == 0)
            report.firstMs = to;
        return true;
    };
    const char* what = word >= 0              ? QT_TRANSLATE_NOOP("LyricSheet", "Nudge Word by %1")
                       : positions.size() > 1 ? QT_TRANSLATE_NOOP("LyricSheet", "Nudge Lines by %1")
                                              : QT_TRANSLATE_NOOP("LyricSheet", "Nudge Line by %1");
    if (positions.empty())
        return report;
    changeRows(word >= 0 ? std::vector<int>{positions.front()} : positions,
               QCoreApplication::translate("LyricSheet", what).arg(secondsText(deltaMs)), move);
    return report;
}

LyricSheet::ShiftReport LyricSheet::shiftRows(const std::vector<int>& positions,
                                              const QString& amountText) {
    ShiftReport report;
    changeRows(positions,
               positions.size() > 1
                   ? QCoreApplication::translate("LyricSheet", "Adjust Selected Lines")
                   : QCoreApplication::translate("LyricSheet", "Adjust Selected Line"),
               [&](SheetRow&, int p) { return shiftRow(p, amountText, report); });
    return report;
}
