#include "sheet/MarkTicks.h"

#include "sheet/Amount.h"

#include <cmath>

std::vector<MarkTick> MarkTicksOf(const std::vector<SheetRow>& rows) {
    std::vector<MarkTick> ticks;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        // A cell that is not a time ("abc", left by an edit) marks nothing on the slider.
        const std::optional<double> secs = rows[i].hasExactMark()
                                               ? std::optional(rows[i].markMs / 1000.0)
                                               : ReadSeconds(rows[i].secs);
        if (secs && std::isfinite(*secs))
            ticks.push_back({*secs, static_cast<int>(i) + 1});
    }
    return ticks;
}
