#include "sheet/ReactionDelay.h"

#include <algorithm>
#include <cmath>

std::int32_t DelayedPositionMs(std::int32_t positionMs, std::int32_t delayMs, double speed) {
    const double taken = std::round(delayMs * speed);
    return static_cast<std::int32_t>(std::max(0.0, positionMs - taken));
}

std::int32_t MedianDelayMs(std::vector<std::int32_t> latenessMs) {
    std::sort(latenessMs.begin(), latenessMs.end());
    const std::size_t n = latenessMs.size();
    const std::int32_t median =
        n % 2 ? latenessMs[n / 2] : (latenessMs[n / 2 - 1] + latenessMs[n / 2]) / 2;
    return std::clamp(median, 0, kMaxReactionDelayMs);
}
