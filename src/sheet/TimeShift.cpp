#include "sheet/TimeShift.h"

#include "sheet/Amount.h"
#include "sheet/TimeText.h"

#include <cmath>
#include <cstdint>
#include <limits>

ShiftedTime ShiftTime(const QString& secs, double amount) {
    if (secs.trimmed().isEmpty())
        return {ShiftedTime::Unmarked, {}, {}};
    const std::optional<double> old = ReadSeconds(secs);
    if (!old)
        return {ShiftedTime::NotANumber, {}, {}};
    constexpr double latest = std::numeric_limits<std::int32_t>::max();
    const double sum = *old + amount;
    if (!(std::fabs(sum) <= latest))
        return {ShiftedTime::OutOfRange, {}, {}};
    const QString text = NumberText(sum);
    // Time shows the stored text's value, so both columns always agree.
    const double stored = ReadSeconds(text).value_or(0);
    return {ShiftedTime::Shifted, text,
            SecondsToTime(static_cast<std::int32_t>(RoundHalfEven(stored)))};
}
