#include "sources/SyncedLines.h"

#include "storage/Lrc.h"

#include <algorithm>
#include <limits>

std::vector<SyncedLine> SyncedLinesFromRows(const std::vector<SheetRow>& rows) {
    std::vector<SyncedLine> lines;
    for (const SheetRow& row : rows)
        if (const std::optional<qint64> ms = RowTimeMs(row))
            // The frame holds 32-bit milliseconds: about 49 days.
            lines.push_back(
                {std::min<qint64>(*ms, std::numeric_limits<quint32>::max()), row.lyric});
    return lines;
}
