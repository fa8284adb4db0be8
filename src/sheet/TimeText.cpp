#include "sheet/TimeText.h"

#include <cfenv>
#include <cmath>
#include <cstddef>
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

namespace {

constexpr int kSharedNumbers = 32768;
constexpr int kSlot = 5; // digits of the largest, right-aligned in its slot

const char16_t* sharedDigits() {
    static const char16_t* const table = [] {
        static char16_t digits[kSharedNumbers * kSlot];
        for (int n = 0; n < kSharedNumbers; ++n) {
            char16_t* p = digits + std::ptrdiff_t{n + 1} * kSlot;
            int rest = n;
            do {
                *--p = static_cast<char16_t>(u'0' + rest % 10);
                rest /= 10;
            } while (rest > 0);
        }
        return digits;
    }();
    return table;
}

} // namespace

QString WholeNumberText(int n) {
    if (n < 0 || n >= kSharedNumbers)
        return QString::number(n);
    const int length = n < 10 ? 1 : n < 100 ? 2 : n < 1000 ? 3 : n < 10000 ? 4 : 5;
    const char16_t* end = sharedDigits() + std::ptrdiff_t{n + 1} * kSlot;
    return QString::fromRawData(reinterpret_cast<const QChar*>(end - length), length);
}
