#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

// A song's voice brought forward before recognition. Over a quarter of a second a sung voice
// keeps moving (vibrato, glides, consonants) while pads, held chords, the bass and a steady
// lead hold their pitch for seconds: in a spectrogram of long frames the band is a set of
// horizontal lines and the voice is not. Each bin keeps the share of it that a median across
// neighbouring frequencies explains better than a median across neighbouring moments.
// Of a stereo song (side not empty, as long as samples), each bin also keeps mostly what lies in
// the centre, where a sung voice is mixed: panned instruments, a lead in a break and a hall's
// tail differ between the channels.
// Samples at 16 kHz, one channel; the result has the same length. Empty when cancel became
// true.
std::vector<std::int16_t> EmphasiseVoice(const std::vector<std::int16_t>& samples,
                                         const std::vector<std::int16_t>& side,
                                         const std::atomic<bool>& cancel);
