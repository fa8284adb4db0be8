#include "align/VoiceEmphasis.h"

#include "align/AlignAudio.h"
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

// A hall's late reverberation: what a bin held two frames (128 ms) before, dying away as in a hall
// whose sound falls by 60 dB in 1.5 s, lies over what comes next, a line's first word over the
// last one's tail. Each bin keeps what rises above that, never less than a tenth: a note held
// or rising keeps most of itself, a tail little.
constexpr std::size_t kTailLag = 2;
constexpr double kHallSeconds = 1.5;
constexpr float kTailFloor = 0.1F;

// A song whose sides hold this share of its centre's energy, or more, was not mixed around a
// centred voice (some old stereo records pan the voice hard to one side): it is heard whole.
// Generated mixes with their band panned wide hold 0.02 to 0.23.
constexpr double kWidest = 0.5;

using Complex = std::complex<float>;

// std::abs guards against overflow a 16-bit song's spectrum cannot reach, at many times the cost.
float lengthOf(Complex z) {
    return std::sqrt(z.real() * z.real() + z.imag() * z.imag());
}

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

// The median of nine in nineteen exchanges, branch-free so that it runs on several bins at once:
// selecting it one bin at a time was most of the emphasis's time.
static_assert(kAcrossTime == 9);
float medianOfNine(float p0, float p1, float p2, float p3, float p4, float p5, float p6, float p7,
                   float p8) {
    const auto order = [](float& a, float& b) {
        const float low = std::min(a, b);
        b = std::max(a, b);
        a = low;
    };
    order(p1, p2), order(p4, p5), order(p7, p8), order(p0, p1), order(p3, p4), order(p6, p7);
    order(p1, p2), order(p4, p5), order(p7, p8), order(p0, p3), order(p5, p8), order(p4, p7);
    order(p3, p6), order(p1, p4), order(p2, p5), order(p4, p7), order(p4, p2), order(p6, p4);
    order(p4, p2);
    return p4;
}

// Each bin's median across the kAcrossBins around it (fewer at the ends), kept sorted as the
// window slides: one value leaves and one comes in a bin.
void slidingMedians(const std::array<float, kBins>& values, std::array<float, kBins>& medians) {
    constexpr std::size_t reach = kAcrossBins / 2;
    std::array<float, kAcrossBins> window{};
    std::size_t n = 0;
    const auto insert = [&](float v) {
        std::size_t at = n;
        for (; at > 0 && window[at - 1] > v; --at)
            window[at] = window[at - 1];
        window[at] = v;
        ++n;
    };
    const auto remove = [&](float v) {
        std::size_t at = 0;
        while (window[at] != v)
            ++at;
        for (; at + 1 < n; ++at)
            window[at] = window[at + 1];
        --n;
    };
    for (std::size_t b = 0; b < reach; ++b)
        insert(values[b]);
    for (std::size_t b = 0; b < kBins; ++b) {
        if (b > reach) // out before in: the window holds no more than its width
            remove(values[b - reach - 1]);
        if (b + reach < kBins)
            insert(values[b + reach]);
        medians[b] = window[n / 2];
    }
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
    std::array<float, kBins> steady{};
    std::array<float, kBins> moving{};
    const auto startOf = [&](std::ptrdiff_t f) { return first + f * std::ptrdiff_t(kHop); };
    const std::ptrdiff_t half = kAcrossTime / 2;
    static_assert(kTailLag <= kAcrossTime / 2); // the ring still holds the frame it looks back at
    const auto tail = static_cast<float>(
        std::pow(10.0, -6.0 * double(kTailLag * kHop) / (kAlignRate * kHallSeconds)));
    for (std::ptrdiff_t f = 0; f < frames + half; ++f) {
        if (f % 256 == 0 && cancel.load(std::memory_order_relaxed))
            return {};
        if (f < frames) { // the spectrum of frame f
            const std::ptrdiff_t at = startOf(f);
            // The centre as the real part and the side as the imaginary one: one transform
            // for both, told apart by the symmetry a real signal's spectrum has.
            for (std::size_t i = 0; i < kFrame; ++i) {
                const std::ptrdiff_t s = at + static_cast<std::ptrdiff_t>(i);
                const bool in = s >= 0 && s < total;
                const float mid = in ? float(samples[std::size_t(s)]) : 0.0F;
                const float away = in && stereo ? float(side[std::size_t(s)]) : 0.0F;
                buffer[i] = Complex(mid * window[i], away * window[i]);
            }
            fft.run(buffer, false);
            auto& spectrum = spectra[std::size_t(f) % kAcrossTime];
            auto& magnitude = magnitudes[std::size_t(f) % kAcrossTime];
            for (std::size_t b = 0; b < kBins; ++b) {
                const Complex mirrored = std::conj(buffer[(kFrame - b) % kFrame]);
                spectrum[b] = stereo ? (buffer[b] + mirrored) * 0.5F : buffer[b];
                magnitude[b] = lengthOf(spectrum[b]);
                if (stereo)
                    sides[std::size_t(f) % kAcrossTime][b] = lengthOf(buffer[b] - mirrored) * 0.5F;
            }
        }
        const std::ptrdiff_t c = f - half; // the frame whose neighbours are all in now
        if (c < 0 || c >= frames)
            continue;
        const auto& spectrum = spectra[std::size_t(c) % kAcrossTime];
        const auto& magnitude = magnitudes[std::size_t(c) % kAcrossTime];
        const std::ptrdiff_t from = std::max<std::ptrdiff_t>(0, c - half);
        const std::ptrdiff_t to = std::min(frames - 1, c + half);
        // The steady part of each bin: its median across the moments around it.
        if (to - from + 1 == static_cast<std::ptrdiff_t>(kAcrossTime)) {
            std::array<const float*, kAcrossTime> rows{};
            for (std::size_t t = 0; t < kAcrossTime; ++t)
                rows[t] = magnitudes[t].data(); // the ring holds exactly these frames
            for (std::size_t b = 0; b < kBins; ++b)
                steady[b] = medianOfNine(rows[0][b], rows[1][b], rows[2][b], rows[3][b], rows[4][b],
                                         rows[5][b], rows[6][b], rows[7][b], rows[8][b]);
        } else {
            std::array<float, kAcrossBins> values{};
            for (std::size_t b = 0; b < kBins; ++b) {
                std::size_t n = 0;
                for (std::ptrdiff_t t = from; t <= to; ++t)
                    values[n++] = magnitudes[std::size_t(t) % kAcrossTime][b];
                steady[b] = medianOf(values, n);
            }
        }
        slidingMedians(magnitude, moving);
        const std::array<float, kBins>* before =
            c >= std::ptrdiff_t(kTailLag) ? &magnitudes[std::size_t(c - kTailLag) % kAcrossTime]
                                          : nullptr;
        for (std::size_t b = 0; b < kBins; ++b) {
            const float m2 = moving[b] * moving[b];
            float share = m2 / (m2 + steady[b] * steady[b] + 1e-9F);
            if (stereo) {
                // Off the centre by the side's part of the bin: a voice's bins hold little.
                const float off =
                    sides[std::size_t(c) % kAcrossTime][b] / (magnitude[b] * kCentreReach + 1e-9F);
                const float off2 = off * off;
                share *= kCentreFloor + (1.0F - kCentreFloor) / (1.0F + off2 * off2);
            }
            if (before != nullptr) {
                const float now = magnitude[b] * magnitude[b] + 1e-9F;
                const float late = tail * (*before)[b] * (*before)[b];
                share *= std::sqrt(std::max(1.0F - late / now, kTailFloor * kTailFloor));
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
