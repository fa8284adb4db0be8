#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>

// The tap-along's audio: short clicks at uneven times, so the user reacts to each one rather
// than tapping along to a beat (which would measure no delay at all).
constexpr std::array<std::int32_t, 8> kClickTimesMs{1000, 2300, 3200, 4800, 5600, 7100, 8400, 9200};
constexpr std::int32_t kClickTrackLengthMs = 10500;

// A mono 16-bit WAV file of kClickTrackLengthMs with a click at each of kClickTimesMs.
QByteArray ClickTrackWav();
