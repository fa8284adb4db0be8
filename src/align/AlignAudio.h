#pragma once

#include "core/MediaServices.h"
#include "playback/Waveform.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

// A song as the aligner hears it: one channel at 16 kHz, the rate of the speech model.
inline constexpr int kAlignRate = kSpeechRate;
// The model's frames: 10 ms each.
inline constexpr int kFrameSamples = kSpeechFrameSamples;

// Longer audio is cut here: a song's samples stay under 60 MB whatever a file claims.
inline constexpr int kLongestAlignedSeconds = 30 * 60;

struct AlignAudio {
    std::vector<std::int16_t> samples;
    // Of a stereo song, half the left channel less the right, as long as samples: what is not in
    // the centre, where a sung voice is mixed. Empty for a song of one channel.
    std::vector<std::int16_t> side;
    bool cut = false; // the file went on past kLongestAlignedSeconds
    double seconds() const { return static_cast<double>(samples.size()) / kAlignRate; }
    qint64 milliseconds() const { return static_cast<qint64>(samples.size()) * 1000 / kAlignRate; }
};

// Decodes the song at path, of any format the audio decoder reads, to the mid channel (left and
// right mixed, where a sung voice sits) and, of a stereo song, the side channel, at 16 kHz, with
// the lowest octaves (bass and kick drum) taken out. Empty with problem set when it holds no audio
// that decodes; empty and no problem when cancel became true. With outlined, the same decode also
// outlines the whole song for the slider (the outline DecodePeakEnvelope makes), past
// kLongestAlignedSeconds too, and hands it over, on the calling thread, as soon as the last
// frame is decoded, before the samples are filtered; empty for a song that does not decode, and
// not at all when cancel became true. Throws std::bad_alloc, before any decode, when the memory
// an analysis takes is not to be had (a process held to a memory limit).
using Outlined = std::function<void(PeakEnvelope)>;
AlignAudio DecodeForAlignment(const QString& path, const std::atomic<bool>& cancel,
                              QString& problem, const Outlined& outlined = {});
