#include "playback/Waveform.h"

#include "core/MediaServices.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>

double PeakEnvelope::seconds() const {
    return sampleRate > 0 ? static_cast<double>(count()) * framesPerPeak / sampleRate : 0.0;
}

std::pair<float, float> PeakEnvelope::range(double fromSeconds, double toSeconds) const {
    if (empty() || sampleRate <= 0 || !(toSeconds >= fromSeconds))
        return {0.0F, 0.0F};
    const double perSecond = static_cast<double>(sampleRate) / framesPerPeak;
    const double limit = count();
    const auto first =
        static_cast<int>(std::clamp(std::floor(fromSeconds * perSecond), 0.0, limit));
    // A span narrower than a block still shows the block it falls in.
    const auto last = static_cast<int>(std::clamp(
        std::max(std::ceil(toSeconds * perSecond), std::floor(fromSeconds * perSecond) + 1), 0.0,
        limit));
    if (first >= last)
        return {0.0F, 0.0F};
    const auto low = *std::min_element(mins.begin() + first, mins.begin() + last);
    const auto high = *std::max_element(maxs.begin() + first, maxs.begin() + last);
    constexpr float kFullScale = 127.0F;
    // -128 is a little beyond full scale, in a block's minimum and in its maximum alike.
    return {std::clamp(static_cast<float>(low) / kFullScale, -1.0F, 1.0F),
            std::clamp(static_cast<float>(high) / kFullScale, -1.0F, 1.0F)};
}

PeakAccumulator::PeakAccumulator(int sampleRate, int channels)
    : m_samplesPerPeak(static_cast<std::size_t>(std::max(1, sampleRate / kPeaksPerSecond)) *
                       static_cast<std::size_t>(std::max(1, channels))),
      m_maxPeaks(static_cast<std::size_t>(kLongestOutlinedSeconds) * kPeaksPerSecond),
      m_low(INT_MAX), m_high(INT_MIN) {
    m_envelope.sampleRate = sampleRate;
    m_envelope.framesPerPeak = std::max(1, sampleRate / kPeaksPerSecond);
}

bool PeakAccumulator::add(const std::int16_t* samples, std::size_t count) {
    while (count > 0) {
        if (m_envelope.maxs.size() >= m_maxPeaks)
            return false;
        const std::size_t take = std::min(count, m_samplesPerPeak - m_inBlock);
        int low = m_low;
        int high = m_high;
        // Over a multiple of sixteen first: -O2 runs a loop on several samples at once only
        // where no loop for the rest is left.
        const std::size_t whole = take & ~std::size_t{15};
        for (std::size_t i = 0; i < whole; ++i) {
            low = std::min<int>(low, samples[i]);
            high = std::max<int>(high, samples[i]);
        }
        for (std::size_t i = whole; i < take; ++i) {
            low = std::min<int>(low, samples[i]);
            high = std::max<int>(high, samples[i]);
        }
        m_low = low;
        m_high = high;
        m_inBlock += take;
        samples += take;
        count -= take;
        if (m_inBlock == m_samplesPerPeak)
            closeBlock();
    }
    return m_envelope.maxs.size() < m_maxPeaks;
}

void PeakAccumulator::closeBlock() {
    // Division, not a shift, so the smallest negative noise rounds to silence as positive does.
    m_envelope.mins.push_back(static_cast<std::int8_t>(m_low / 256));
    m_envelope.maxs.push_back(static_cast<std::int8_t>(m_high / 256));
    m_inBlock = 0;
    m_low = INT_MAX;
    m_high = INT_MIN;
}

PeakEnvelope PeakAccumulator::finish() {
    if (m_inBlock > 0 && m_envelope.maxs.size() < m_maxPeaks)
        closeBlock();
    m_envelope.mins.shrink_to_fit();
    m_envelope.maxs.shrink_to_fit();
    return std::move(m_envelope);
}

AudioDecoder::Tap OutlineTap(int songRate, std::function<void(PeakEnvelope)> outlined) {
    auto peaks = std::make_shared<PeakAccumulator>(songRate, 1);
    return [peaks, outlined = std::move(outlined)](const std::int16_t* mono, std::size_t frames) {
        if (frames > 0 && peaks->add(mono, frames))
            return true;
        outlined(peaks->finish());
        return false;
    };
}

PeakEnvelope DecodePeakEnvelope(const QString& path, const std::atomic<bool>& cancel) {
    const std::unique_ptr<AudioDecoder> decoder = Media().audioDecoder();
    if (!decoder->open(path).isEmpty())
        return {}; // the slider simply shows no waveform
    PeakEnvelope envelope;
    decoder->decode(cancel, {}, OutlineTap(decoder->rate(), [&](PeakEnvelope made) {
                        envelope = std::move(made);
                    }));
    return envelope;
}
