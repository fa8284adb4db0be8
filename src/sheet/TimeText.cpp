#include "sheet/TimeText.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <limits>

std::int64_t RoundHalfEven(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double lo = static_cast<double>(std::numeric_limits<std::int64_t>::min());
    constexpr double hi = static_cast<double>(std::numeric_limits<std::int64_t>::max());
    if (value <= lo)
        return std::numeric_limits<std::int64_t>::min();
    if (value >= hi)
        return std::numeric_limits<std::int64_t>::max();
    // nearbyint honours the rounding mode; to-nearest is ties-to-even.
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previous);
    return static_cast<std::int64_t>(rounded);
}

QString SecondsToTime(std::int32_t secs) {
    if (secs <= 0)
        return {};
    char text[24];
    const int hours = secs / 3600;
    const int length =
        hours > 0
            ? std::snprintf(text, sizeof text, "%d:%02d:%02d", hours, secs / 60 % 60, secs % 60)
            : std::snprintf(text, sizeof text, "%d:%02d", secs / 60, secs % 60);
    return QString::fromLatin1(text, length);
}
