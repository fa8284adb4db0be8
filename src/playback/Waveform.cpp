#include "playback/Waveform.h"

#include "storage/RegularFile.h"

#include <QFile>

#include <mpg123.h>

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
        for (std::size_t i = 0; i < take; ++i) {
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

namespace {

struct HandleDeleter {
    void operator()(mpg123_handle* handle) const {
        mpg123_close(handle);
        mpg123_delete(handle);
    }
};
using Handle = std::unique_ptr<mpg123_handle, HandleDeleter>;

// 16-bit samples at the stream's own rate and channels: what the peaks need, no resampling.
Handle newDecoder() {
    // Once per run, before the first decoder; a static's start is thread-safe.
    static const bool initialised = mpg123_init() == MPG123_OK;
    if (!initialised)
        return nullptr;
    Handle decoder(mpg123_new(nullptr, nullptr));
    if (!decoder)
        return decoder;
    // A tag is skipped unread: it may claim hundreds of megabytes. And nothing on stderr.
    mpg123_param(decoder.get(), MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_SKIP_ID3V2, 0.0);
    mpg123_format_none(decoder.get());
    const long* rates = nullptr;
    std::size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (std::size_t i = 0; i < rateCount; ++i)
        mpg123_format(decoder.get(), rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    return decoder;
}

} // namespace

PeakEnvelope DecodePeakEnvelope(const QString& path, const std::atomic<bool>& cancel) {
    // A named pipe or a device would block the worker for ever.
    QFile file;
    if (!OpenRegularFile(file, path).isEmpty())
        return {};
    const Handle decoder = newDecoder();
    if (!decoder || mpg123_open_fd(decoder.get(), file.handle()) != MPG123_OK)
        return {};
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(decoder.get(), &rate, &channels, &encoding) != MPG123_OK || rate <= 0 ||
        channels <= 0)
        return {};

    PeakAccumulator peaks(static_cast<int>(rate), channels);
    std::vector<std::int16_t> buffer(32768);
    bool decoded = false;
    for (;;) {
        if (cancel.load(std::memory_order_relaxed))
            return {};
        std::size_t bytes = 0;
        const int result =
            mpg123_read(decoder.get(), buffer.data(), buffer.size() * sizeof(std::int16_t), &bytes);
        decoded = decoded || bytes > 0;
        if (!peaks.add(buffer.data(), bytes / sizeof(std::int16_t)) || result == MPG123_DONE)
            break;
        if (result == MPG123_NEW_FORMAT) {
            long newRate = 0;
            int newChannels = 0;
            mpg123_getformat(decoder.get(), &newRate, &newChannels, &encoding);
            if (newRate != rate || newChannels != channels)
                break; // the blocks would change their length: the outline ends here
        } else if (result != MPG123_OK) {
            break; // what was decoded before the fault is still the song's outline
        }
    }
    return decoded ? peaks.finish() : PeakEnvelope{};
}
