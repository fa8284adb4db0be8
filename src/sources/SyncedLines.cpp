#include "sources/SyncedLines.h"

#include "storage/Lrc.h"

#include <algorithm>
#include <limits>

namespace {

// The frame holds 32-bit milliseconds: about 49 days.
qint64 frameMs(qint64 ms) {
    return std::min<qint64>(ms, std::numeric_limits<quint32>::max());
}

// One entry per timed word: its text runs from the end of the word before it (so the blank
// before a word is its entry's) to the next timed word's, the first from the line's start;
// together they are the whole lyric.
void addWords(std::vector<SyncedLine>& lines, const SheetRow& row) {
    std::vector<std::size_t> timed;
    for (std::size_t k = 0; k < row.words.size(); ++k)
        if (row.words[k].ms >= 0)
            timed.push_back(k);
    const auto from = [&](std::size_t j) -> qsizetype {
        if (j == 0)
            return 0;
        if (j == timed.size())
            return row.lyric.size();
        const WordTime& before = row.words[timed[j] - 1];
        return before.start + before.length;
    };
    for (std::size_t j = 0; j < timed.size(); ++j)
        lines.push_back(
            {frameMs(row.words[timed[j]].ms), (j == 0 ? QStringLiteral("\n") : QString()) +
                                                  row.lyric.mid(from(j), from(j + 1) - from(j))});
}

} // namespace

std::vector<SyncedLine> SyncedLinesFromRows(const std::vector<SheetRow>& rows) {
    std::vector<SyncedLine> lines;
    for (const SheetRow& row : rows) {
        const std::optional<qint64> ms = RowTimeMs(row);
        if (!ms)
            continue;
        if (row.hasWordTimes() && row.words.front().ms >= 0)
            addWords(lines, row);
        else
            lines.push_back({frameMs(*ms), QLatin1Char('\n') + row.lyric});
    }
    return lines;
}

std::vector<SyncedLine> LinesOfEntries(const std::vector<SyncedLine>& entries) {
    const bool marked = !entries.empty() && entries.front().text.startsWith(u'\n');
    std::vector<SyncedLine> lines;
    for (const SyncedLine& entry : entries) {
        if (!marked || entry.text.startsWith(u'\n') || lines.empty())
            lines.push_back({entry.ms, marked ? entry.text.mid(1) : entry.text});
        else
            lines.back().text += entry.text;
    }
    return lines;
}
