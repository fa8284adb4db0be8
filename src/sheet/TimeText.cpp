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
    const int hours = secs / 3600;
    const int minutes = (secs % 3600) / 60;
    const int seconds = secs % 60;
    const QChar zero(u'0');
    if (hours > 0)
        return QStringLiteral("%1:%2:%3")
            .arg(hours)
            .arg(minutes, 2, 10, zero)
            .arg(seconds, 2, 10, zero);
    return QStringLiteral("%1:%2").arg(minutes).arg(seconds, 2, 10, zero);
}
