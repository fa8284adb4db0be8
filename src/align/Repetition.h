#pragma once

#include <QtGlobal>

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

// The song's harmony over time, to find where a passage comes back: a chorus sung again over
// the same chords sounds alike however hard its words are to hear.
class Harmony {
public:
    static constexpr int kStepMs = 50;

    // From samples at 16 kHz, one channel; false when cancel became true.
    bool compute(const std::vector<std::int16_t>& samples, const std::atomic<bool>& cancel);
    bool empty() const { return m_frames.empty(); }

    struct Match {
        qint64 ms = -1;        // where the passage starts again; -1 for nowhere
        double similarity = 0; // of the passage and that place, 0 to 1
        double margin = 0;     // how far it stands above the best place a second or more away
    };
    // Where in [fromMs, toMs] the audio of [sourceMs, sourceMs + lengthMs) comes back best.
    Match findRepeat(qint64 sourceMs, qint64 lengthMs, qint64 fromMs, qint64 toMs) const;

private:
    // Twelve pitch classes, normalised to unit length: loudness does not count, harmony does.
    std::vector<std::array<float, 12>> m_frames;
};
