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
    // Per line, where each of its entries' words starts in its text, and when.
    std::vector<std::vector<std::pair<qsizetype, qint64>>> starts;
    for (const SyncedLine& entry : entries) {
        const bool first = !marked || entry.text.startsWith(u'\n') || lines.empty();
        if (first) {
            lines.push_back({entry.ms, marked ? entry.text.mid(1) : entry.text});
            starts.emplace_back();
        }
        SyncedLine& line = lines.back();
        const qsizetype from = first ? 0 : line.text.size();
        if (!first)
            line.text += entry.text;
        qsizetype word = from; // the entry's first word, past the blank before it
        while (word < line.text.size() && line.text[word].isSpace())
            ++word;
        if (word < line.text.size())
            starts.back().emplace_back(word, entry.ms);
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (starts[i].size() < 2)
            continue;
        auto stamp = starts[i].begin();
        for (const WordTime& word : WordsOf(lines[i].text)) {
            const qsizetype end = word.start + word.length;
            // Where its parts start and when: an entry inside the word starts a syllable.
            std::vector<std::pair<qsizetype, qint64>> parts{{word.start, -1}};
            for (; stamp != starts[i].end() && stamp->first < end; ++stamp) {
                if (stamp->first <= word.start)
                    parts.front().second = stamp->second;
                else if (stamp->first > parts.back().first)
                    parts.emplace_back(*stamp);
            }
            for (std::size_t k = 0; k < parts.size(); ++k)
                lines[i].words.push_back(
                    {parts[k].first,
                     (k + 1 < parts.size() ? parts[k + 1].first : end) - parts[k].first,
                     parts[k].second, -1});
        }
    }
    return lines;
}
