#pragma once

#include <QString>

#include <cstdint>

// Nearest whole number, a tie going to the even one (12.5 -> 12, 13.5 -> 14).
std::int64_t RoundHalfEven(double value);

// Whole seconds as time text: "" for 0 and below, "M:SS" under an hour, "H:MM:SS" from an
// hour on (3600 -> "1:00:00"), so long recordings never read like short ones.
QString SecondsToTime(std::int32_t secs);
