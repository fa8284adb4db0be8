#pragma once

#include "core/MediaServices.h"

#include <QString>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

// A song's outline for drawing: the lowest and the highest sample of each block of
// framesPerPeak frames, every channel together, in 1/256ths of full scale. A few hundred
// blocks a second is finer than any slider is wide, and a ten-minute song still takes only
// about a quarter of a megabyte.
struct PeakEnvelope {
    int sampleRate = 0;
    int framesPerPeak = 0;
    std::vector<std::int8_t> mins;
    std::vector<std::int8_t> maxs;

    bool empty() const { return maxs.empty(); }
    int count() const { return static_cast<int>(maxs.size()); }
    // How long the blocks last together.
    double seconds() const;
    std::size_t bytes() const { return mins.capacity() + maxs.capacity() + sizeof(*this); }
    // The lowest and the highest value (-1 to 1) of the blocks that overlap the span; {0, 0}
    // when none does.
    std::pair<float, float> range(double fromSeconds, double toSeconds) const;
};

constexpr int kPeaksPerSecond = 200;
// Songs longer than this are outlined up to here: memory stays bounded whatever a file holds.
constexpr int kLongestOutlinedSeconds = 3 * 60 * 60;

// Folds interleaved 16-bit samples into an envelope block by block.
class PeakAccumulator {
public:
    PeakAccumulator(int sampleRate, int channels);
    // False once the envelope is full (kLongestOutlinedSeconds).
    bool add(const std::int16_t* samples, std::size_t count);
    // The envelope so far, a last partial block included.
    PeakEnvelope finish();

private:
    void closeBlock();

    PeakEnvelope m_envelope;
    std::size_t m_samplesPerPeak;
    std::size_t m_maxPeaks;
    std::size_t m_inBlock = 0;
    int m_low = 0;
    int m_high = 0;
};

// Builds a song's outline from an audio decoder's tap (every channel mixed into one at the
// song's own rate, before any conversion) and hands it over once: at the song's end or when the
// outline is full, whichever comes first; never when the decode is cancelled. One decode of a
// song then serves the slider and the aligner, and the slider looks the same either way.
AudioDecoder::Tap OutlineTap(int songRate, std::function<void(PeakEnvelope)> outlined);

// Decodes the song at path, of any format FFmpeg reads. Empty when it is no regular file,
// holds no audio, or cancel became true (looked at between reads). A damaged stretch inside a song
// is passed over.
PeakEnvelope DecodePeakEnvelope(const QString& path, const std::atomic<bool>& cancel);
