#include "sheet/TimeText.h"

#include <cfenv>
#include <cmath>
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
    const auto twoDigits = [](int value) { return QString::number(value).rightJustified(2, u'0'); };
    const int hours = secs / 3600;
    const QString rest = twoDigits(secs % 60);
    if (hours == 0)
        return QString::number(secs / 60) + u':' + rest;
    return QString::number(hours) + u':' + twoDigits(secs % 3600 / 60) + u':' + rest;
}
