// The sheet's precise timing: word marks, nudges and shifts of several rows.

#include "sheet/LyricSheet.h"
#include "sheet/SheetStep.h"

#include "sheet/TimeText.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <map>

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

std::vector<LyricSheet::WordHint> LyricSheet::wordHints(int position) const {
    const auto at = static_cast<std::size_t>(position - 1);
    if (position < 1 || at >= m_hints.size() || at >= m_rows.size())
        return {};
    const SheetRow& row = m_rows[at];
    std::vector<WordHint> words = m_hints[at].words;
    const std::size_t count = row.words.empty() ? WordsOf(row.lyric).size() : row.words.size();
    if (words.size() != count || !timeOf(row))
        return {};
    // A word marked by hand shows its mark, never a suggestion.
    for (std::size_t k = 0; k < row.words.size(); ++k)
        if (row.words[k].ms >= 0)
            words[k] = {};
    return words;
}

LyricSheet::AcceptedHints LyricSheet::acceptHints(const std::vector<int>& lines,
                                                  const std::vector<int>& words,
                                                  bool confidentWords, const QString& label) {
    // Taken before the first row changes: whoever watches the rows may set new hints.
    std::map<int, qint64> lineMs;
    for (const int position : lines)
        lineMs[position] = suggestedMs(position);
    std::map<int, std::vector<WordHint>> wordMs;
    for (const int position : words)
        wordMs[position] = wordHints(position);
    std::vector<int> positions = lines;
    positions.insert(positions.end(), words.begin(), words.end());
    AcceptedHints accepted;
    changeRows(positions, label, [&](SheetRow& row, int position) {
        if (const auto line = lineMs.find(position); line != lineMs.end() && line->second >= 0) {
            stamp(row, line->second);
            row.words.clear();
            ++accepted.lines;
            return true;
        }
        const auto hinted = wordMs.find(position);
        if (hinted == wordMs.end())
            return false;
        std::vector<WordTime> timed = row.words.empty() ? WordsOf(row.lyric) : row.words;
        const std::optional<qint64> start = timeOf(row);
        if (timed.size() != hinted->second.size() || !start)
            return false;
        int taken = 0;
        for (std::size_t k = 0; k < timed.size(); ++k) {
            const WordHint& hint = hinted->second[k];
            if (timed[k].ms >= 0 || hint.ms < 0 || (confidentWords && !hint.confident))
                continue;
            timed[k].ms = hint.ms;
            ++taken;
        }
        if (taken == 0)
            return false;
        if (timed.front().ms < 0) // the line starts with its first word
            timed.front().ms = *start;
        row.words = std::move(timed);
        ++accepted.wordLines;
        accepted.words += taken;
        return true;
    });
    return accepted;
}

bool LyricSheet::moveWord(int position, int word, qint64 ms) {
    if (position < 1 || position > count() || word < 0)
        return false;
    const SheetRow& now = m_rows[static_cast<std::size_t>(position - 1)];
    const auto w = static_cast<std::size_t>(word);
    if (w >= now.words.size() || now.words[w].ms < 0)
        return false;
    const qint64 to = std::clamp<qint64>(ms, 0, kLatestMs);
    const QString text = now.lyric.mid(now.words[w].start, now.words[w].length);
    return changeRows({position},
                      QCoreApplication::translate("LyricSheet", "Move Word \"%1\" to %2")
                          .arg(text, PreciseTimeText(to)),
                      [&](SheetRow& row, int) {
                          const qint64 from = row.words[w].ms;
                          if (to == from)
                              return false;
                          row.words[w].ms = to;
                          if (row.words[w].endMs >= 0)
                              row.words[w].endMs = std::max(row.words[w].endMs, to);
                          if (const std::optional<qint64> line = timeOf(row); w == 0 && line)
                              stamp(row, std::clamp<qint64>(*line + (to - from), 0, kLatestMs));
                          return true;
                      });
}

bool LyricSheet::splitWord(int position, int word, const std::vector<Syllable>& starts) {
    if (position < 1 || position > count() || word < 0 || starts.empty())
        return false;
    const SheetRow& now = m_rows[static_cast<std::size_t>(position - 1)];
    const auto w = static_cast<std::size_t>(word);
    if (w >= now.words.size() || now.words[w].ms < 0)
        return false;
    const WordTime piece = now.words[w];
    const qsizetype end = piece.start + piece.length;
    std::vector<WordTime> parts{{piece.start, 0, piece.ms, -1}};
    for (const Syllable& s : starts) {
        WordTime& before = parts.back();
        if (s.at <= before.start || s.at >= end || s.ms <= before.ms)
            return false;
        before.length = s.at - before.start;
        parts.push_back({s.at, 0, s.ms, -1});
    }
    parts.back().length = end - parts.back().start;
    parts.back().endMs = piece.endMs;
    QStringList shown;
    for (const WordTime& part : parts)
        shown << now.lyric.mid(part.start, part.length);
    const QString label =
        QCoreApplication::translate("LyricSheet", "Split \"%1\" into \"%2\"")
            .arg(now.lyric.mid(piece.start, piece.length), shown.join(QLatin1Char('-')));
    return changeRows({position}, label, [&](SheetRow& row, int) {
        row.words.erase(row.words.begin() + static_cast<std::ptrdiff_t>(w));
        row.words.insert(row.words.begin() + static_cast<std::ptrdiff_t>(w), parts.begin(),
                         parts.end());
        return true;
    });
}
