#include "playback/ClickTrack.h"

#include <QtEndian>

#include <cmath>
#include <numbers>

namespace {

constexpr std::int32_t kRate = 22050;
constexpr std::int32_t kClickSamples = kRate / 40; // 25 ms

void append32(QByteArray& out, std::uint32_t value) {
    const std::uint32_t le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

void append16(QByteArray& out, std::uint16_t value) {
    const std::uint16_t le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 2);
}

} // namespace

QByteArray ClickTrackWav() {
    const auto samples =
        static_cast<std::uint32_t>(static_cast<std::int64_t>(kClickTrackLengthMs) * kRate / 1000);
    QByteArray wav;
    wav.reserve(44 + static_cast<qsizetype>(samples) * 2);
    wav.append("RIFF");
    append32(wav, 36 + samples * 2);
    wav.append("WAVEfmt ");
    append32(wav, 16);
    append16(wav, 1); // PCM
    append16(wav, 1); // mono
    append32(wav, kRate);
    append32(wav, kRate * 2);
    append16(wav, 2);
    append16(wav, 16);
    wav.append("data");
    append32(wav, samples * 2);

    std::vector<std::int16_t> pcm(samples, 0);
    for (const std::int32_t at : kClickTimesMs) {
        const std::int64_t first = static_cast<std::int64_t>(at) * kRate / 1000;
        for (std::int32_t i = 0; i < kClickSamples && first + i < samples; ++i) {
            // A 1.5 kHz burst that fades out: sharp enough to react to.
            const double fade = 1.0 - static_cast<double>(i) / kClickSamples;
            const double wave = std::sin(2 * std::numbers::pi * 1500.0 * i / kRate);
            pcm[static_cast<std::size_t>(first + i)] =
                static_cast<std::int16_t>(std::lround(12000 * fade * wave));
        }
    }
    for (const std::int16_t sample : pcm)
        append16(wav, static_cast<std::uint16_t>(sample));
    return wav;
}
