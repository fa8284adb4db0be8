#pragma once

#include "sheet/SheetRow.h"

#include <vector>

// A marked line as the position slider shows it: its time and its 1-based row.
struct MarkTick {
    double seconds = 0;
    int position = 0;

    friend bool operator==(const MarkTick&, const MarkTick&) = default;
};

// The marked rows in sheet order. This is the one place that reads a row's time for the
// slider, so a finer time kept beside Secs changes only this function.
std::vector<MarkTick> MarkTicksOf(const std::vector<SheetRow>& rows);
