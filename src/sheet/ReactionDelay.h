#pragma once

#include <cstdint>
#include <vector>

// The user's reaction delay: how long after a line is sung Mark Line is pressed.
constexpr std::int32_t kMaxReactionDelayMs = 1000;
constexpr std::int32_t kReactionDelayStepMs = 50;

// The song position a Mark Line press records. The delay is the user's, in real time; at a
// slower speed the song moves less in that time, so less of it is taken back. Never before
// the song's start.
std::int32_t DelayedPositionMs(std::int32_t positionMs, std::int32_t delayMs, double speed);

// The delay a tap-along measures: the median of how late each tap came, within 0 and
// kMaxReactionDelayMs. latenessMs must not be empty.
std::int32_t MedianDelayMs(std::vector<std::int32_t> latenessMs);
