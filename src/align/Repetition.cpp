#include "align/Repetition.h"

#include "align/Fft.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace {

constexpr int kRate = 16000;
constexpr std::size_t kWindow = 4096; // a quarter second: a chord, not a single note's attack
constexpr double kLowestHz = 80;
constexpr double kHighestHz = 5000;

} // namespace

bool Harmony::compute(const std::vector<std::int16_t>& samples, const std::atomic<bool>& cancel) {
    m_frames.clear();
    const Fft fft(kWindow);
    std::vector<float> window(kWindow);
    for (std::size_t i = 0; i < kWindow; ++i)
        window[i] = static_cast<float>(
            0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) / kWindow));
    // Each bin's pitch class, or -1 outside the range where harmony is heard.
    std::vector<int> classOf(kWindow / 2 + 1, -1);
    for (std::size_t b = 1; b < classOf.size(); ++b) {
        const double hz = static_cast<double>(b) * kRate / kWindow;
        if (hz >= kLowestHz && hz <= kHighestHz)
            classOf[b] = static_cast<int>(std::lround(12 * std::log2(hz / 440.0)) % 12 + 12) % 12;
    }
    const std::size_t step = kRate * kStepMs / 1000;
    std::vector<std::complex<float>> buffer(kWindow);
    for (std::size_t at = 0; at < samples.size(); at += step) {
        if (m_frames.size() % 512 == 0 && cancel.load(std::memory_order_relaxed)) {
            m_frames.clear();
            return false;
        }
        // Centred on the frame's moment.
        for (std::size_t i = 0; i < kWindow; ++i) {
            const std::ptrdiff_t s = static_cast<std::ptrdiff_t>(at + i) - kWindow / 2;
            const float v = s >= 0 && s < static_cast<std::ptrdiff_t>(samples.size())
                                ? static_cast<float>(samples[static_cast<std::size_t>(s)])
                                : 0.0F;
            buffer[i] = {v * window[i], 0.0F};
        }
        fft.run(buffer, false);
        std::array<float, 12> chroma{};
        for (std::size_t b = 1; b < classOf.size(); ++b)
            if (classOf[b] >= 0)
                chroma[static_cast<std::size_t>(classOf[b])] += std::norm(buffer[b]);
        float length = 0;
        for (float& c : chroma) {
            c = std::log1p(c / 1e6F);
            length += c * c;
        }
        length = std::sqrt(length);
        for (float& c : chroma)
            c = length > 0 ? c / length : 0;
        m_frames.push_back(chroma);
    }
    return true;
}

Harmony::Match Harmony::findRepeat(qint64 sourceMs, qint64 lengthMs, qint64 fromMs,
                                   qint64 toMs) const {
    const auto frames = static_cast<qint64>(m_frames.size());
    const qint64 source = std::max<qint64>(0, sourceMs / kStepMs);
    const qint64 length = std::min(lengthMs / kStepMs, frames - source);
    const qint64 first = std::max<qint64>(0, fromMs / kStepMs);
    const qint64 last = std::min(toMs / kStepMs, frames - length);
    if (length < 10 || first > last)
        return {};
    // The mean similarity of the passage and the stretch starting at each frame.
    std::vector<double> score(static_cast<std::size_t>(last - first + 1), 0);
    for (qint64 t = first; t <= last; ++t) {
        double sum = 0;
        for (qint64 k = 0; k < length; ++k) {
            const auto& a = m_frames[static_cast<std::size_t>(source + k)];
            const auto& b = m_frames[static_cast<std::size_t>(t + k)];
            for (std::size_t c = 0; c < 12; ++c)
                sum += static_cast<double>(a[c]) * b[c];
        }
        score[static_cast<std::size_t>(t - first)] = sum / static_cast<double>(length);
    }
    const auto best = std::max_element(score.begin(), score.end());
    const qint64 at = first + (best - score.begin());
    double other = 0;
    const qint64 apart = 1000 / kStepMs;
    for (qint64 t = first; t <= last; ++t)
        if (std::abs(t - at) >= apart)
            other = std::max(other, score[static_cast<std::size_t>(t - first)]);
    return {at * kStepMs, *best, *best - other};
}
