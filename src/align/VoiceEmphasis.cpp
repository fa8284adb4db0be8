#include "align/VoiceEmphasis.h"

#include "align/Fft.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace {

// 256 ms frames at 16 kHz, a quarter of it apart.
constexpr std::size_t kFrame = 4096;
constexpr std::size_t kHop = kFrame / 4;
constexpr std::size_t kBins = kFrame / 2 + 1;
// The medians' reach: across this many frames in time (about 2.3 s), and bins in frequency.
constexpr std::size_t kAcrossTime = 9;
constexpr std::size_t kAcrossBins = 17;
// Off the centre: a bin whose side is this share of its mid keeps about half, one with much
// less whole, one far off a fifth, never less: a voice widened or doubled aside, as mixes have
// it, still reaches the model.
constexpr float kCentreReach = 0.2F;
constexpr float kCentreFloor = 0.2F;

// A song whose sides hold this share of its centre's energy, or more, was not mixed around a
// centred voice (some old stereo records pan the voice hard to one side): it is heard whole.
// Generated mixes with their band panned wide hold 0.02 to 0.23.
constexpr double kWidest = 0.5;

using Complex = std::complex<float>;

bool centred(const std::vector<std::int16_t>& mid, const std::vector<std::int16_t>& side) {
    double centre = 0;
    double sides = 0;
    for (std::size_t i = 0; i < mid.size(); ++i) {
        centre += double(mid[i]) * mid[i];
        sides += double(side[i]) * side[i];
    }
    return sides < kWidest * centre;
}

float medianOf(std::array<float, kAcrossBins>& values, std::size_t count) {
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(count / 2),
                     values.begin() + static_cast<std::ptrdiff_t>(count));
    return values[count / 2];
}

} // namespace

std::vector<std::int16_t> EmphasiseVoice(const std::vector<std::int16_t>& samples,
                                         const std::vector<std::int16_t>& side,
                                         const std::atomic<bool>& cancel) {
    const bool stereo = side.size() == samples.size() && !side.empty() && centred(samples, side);
    const Fft fft(kFrame);
    std::array<float, kFrame> window{};
    for (std::size_t i = 0; i < kFrame; ++i)
        window[i] = static_cast<float>(
            0.5 - 0.5 * std::cos(2 * std::numbers::pi * double(i) / double(kFrame)));
    // Frames start kFrame before the song so that its first samples are covered as fully as
    // any others; the spectra of the last kAcrossTime frames wait for their medians.
    const auto total = static_cast<std::ptrdiff_t>(samples.size());
    const std::ptrdiff_t first = -static_cast<std::ptrdiff_t>(kFrame);
    const std::ptrdiff_t frames = (total - first) / static_cast<std::ptrdiff_t>(kHop) + 1;
    std::vector<std::array<Complex, kBins>> spectra(kAcrossTime);
    std::vector<std::array<float, kBins>> magnitudes(kAcrossTime);
    std::vector<std::array<float, kBins>> sides(stereo ? kAcrossTime : 0);
    std::vector<float> out(samples.size() + 2 * kFrame, 0.0F);
    std::vector<Complex> buffer(kFrame);
    const auto startOf = [&](std::ptrdiff_t f) { return first + f * std::ptrdiff_t(kHop); };
    const std::ptrdiff_t half = kAcrossTime / 2;
    for (std::ptrdiff_t f = 0; f < frames + half; ++f) {
        if (f % 256 == 0 && cancel.load(std::memory_order_relaxed))
            return {};
        if (f < frames) { // the spectrum of frame f
            const std::ptrdiff_t at = startOf(f);
            const auto transform = [&](const std::vector<std::int16_t>& channel) {
                for (std::size_t i = 0; i < kFrame; ++i) {
                    const std::ptrdiff_t s = at + static_cast<std::ptrdiff_t>(i);
                    const float v = s >= 0 && s < total ? float(channel[std::size_t(s)]) : 0.0F;
                    buffer[i] = Complex(v * window[i], 0.0F);
                }
                fft.run(buffer, false);
            };
            transform(samples);
            auto& spectrum = spectra[std::size_t(f) % kAcrossTime];
            auto& magnitude = magnitudes[std::size_t(f) % kAcrossTime];
            for (std::size_t b = 0; b < kBins; ++b) {
                spectrum[b] = buffer[b];
                magnitude[b] = std::abs(buffer[b]);
            }
            if (stereo) {
                transform(side);
                auto& away = sides[std::size_t(f) % kAcrossTime];
                for (std::size_t b = 0; b < kBins; ++b)
                    away[b] = std::abs(buffer[b]);
            }
        }
        const std::ptrdiff_t c = f - half; // the frame whose neighbours are all in now
        if (c < 0 || c >= frames)
            continue;
        const auto& spectrum = spectra[std::size_t(c) % kAcrossTime];
        const auto& magnitude = magnitudes[std::size_t(c) % kAcrossTime];
        const std::ptrdiff_t from = std::max<std::ptrdiff_t>(0, c - half);
        const std::ptrdiff_t to = std::min(frames - 1, c + half);
        std::array<float, kAcrossBins> values{};
        for (std::size_t b = 0; b < kBins; ++b) {
            std::size_t n = 0;
            for (std::ptrdiff_t t = from; t <= to; ++t)
                values[n++] = magnitudes[std::size_t(t) % kAcrossTime][b];
            const float steady = medianOf(values, n);
            n = 0;
            const std::size_t low = b >= kAcrossBins / 2 ? b - kAcrossBins / 2 : 0;
            const std::size_t high = std::min(kBins - 1, b + kAcrossBins / 2);
            for (std::size_t k = low; k <= high; ++k)
                values[n++] = magnitude[k];
            const float moving = medianOf(values, n);
            const float m2 = moving * moving;
            float share = m2 / (m2 + steady * steady + 1e-9F);
            if (stereo) {
                // Off the centre by the side's part of the bin: a voice's bins hold little.
                const float off =
                    sides[std::size_t(c) % kAcrossTime][b] / (magnitude[b] * kCentreReach + 1e-9F);
                const float off2 = off * off;
                share *= kCentreFloor + (1.0F - kCentreFloor) / (1.0F + off2 * off2);
            }
            buffer[b] = spectrum[b] * share;
        }
        for (std::size_t b = 1; b < kFrame / 2; ++b) // a real signal's mirrored half
            buffer[kFrame - b] = std::conj(buffer[b]);
        fft.run(buffer, true);
        const std::ptrdiff_t at = startOf(c) - first;
        for (std::size_t i = 0; i < kFrame; ++i)
            out[std::size_t(at) + i] += buffer[i].real() * window[i] / float(kFrame);
    }
    // Hann windows a quarter apart, applied twice, add up to 1.5 everywhere.
    std::vector<std::int16_t> result(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i)
        result[i] = static_cast<std::int16_t>(
            std::clamp(std::lround(out[i + kFrame] / 1.5F), -32768L, 32767L));
    return result;
}
