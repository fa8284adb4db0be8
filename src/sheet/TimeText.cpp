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
    // Written digit by digit: a load makes one for each of up to 32 767 rows, and formatting
    // them with arg() took a tenth of the load.
    const int hours = secs / 3600;
    const int minutes = (secs % 3600) / 60;
    const int seconds = secs % 60;
    char16_t text[16];
    int length = 0;
    const auto twoDigits = [&](int value) {
        text[length++] = static_cast<char16_t>(u'0' + value / 10);
        text[length++] = static_cast<char16_t>(u'0' + value % 10);
    };
    if (hours > 0) {
        char16_t digits[10];
        int count = 0;
        for (int rest = hours; rest > 0; rest /= 10)
            digits[count++] = static_cast<char16_t>(u'0' + rest % 10);
        while (count > 0)
            text[length++] = digits[--count];
        text[length++] = u':';
        twoDigits(minutes);
    } else if (minutes >= 10) {
        twoDigits(minutes);
    } else {
        text[length++] = static_cast<char16_t>(u'0' + minutes);
    }
    text[length++] = u':';
    twoDigits(seconds);
    return QStringView(text, length).toString();
}
