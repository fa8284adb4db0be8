#include "align/AlignAudio.h"
#include "core/LateLibrary.h"

#include "storage/RegularFile.h"

#include <QFile>

#include <mpg123.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

namespace {

// Loaded when the first song is analysed, on the analysis thread: linked, this library and
// what it brings would be loaded before the window could appear.
struct MpgLibrary {
    decltype(&::mpg123_init) mpg123_init = nullptr;
    decltype(&::mpg123_new) mpg123_new = nullptr;
    decltype(&::mpg123_param) mpg123_param = nullptr;
    decltype(&::mpg123_format_none) mpg123_format_none = nullptr;
    decltype(&::mpg123_format) mpg123_format = nullptr;
    decltype(&::mpg123_open_fd) mpg123_open_fd = nullptr;
    decltype(&::mpg123_getformat) mpg123_getformat = nullptr;
    decltype(&::mpg123_read) mpg123_read = nullptr;
    decltype(&::mpg123_close) mpg123_close = nullptr;
    decltype(&::mpg123_delete) mpg123_delete = nullptr;
    bool complete = true;
};

const MpgLibrary& mpg() {
    static const MpgLibrary loaded = [] {
        MpgLibrary f;
        static LateLibrary mpg123(QStringLiteral("mpg123"), 0);
        f.complete = f.complete && mpg123.get(f.mpg123_init, "mpg123_init")
                                       .get(f.mpg123_new, "mpg123_new")
                                       .get(f.mpg123_param, "mpg123_param")
                                       .get(f.mpg123_format_none, "mpg123_format_none")
                                       .get(f.mpg123_format, "mpg123_format")
                                       .get(f.mpg123_open_fd, "mpg123_open_fd")
                                       .get(f.mpg123_getformat, "mpg123_getformat")
                                       .get(f.mpg123_read, "mpg123_read")
                                       .get(f.mpg123_close, "mpg123_close")
                                       .get(f.mpg123_delete, "mpg123_delete")
                                       .complete();
        return f;
    }();
    return loaded;
}

} // namespace

namespace {

struct HandleDeleter {
    void operator()(mpg123_handle* handle) const {
        mpg().mpg123_close(handle);
        mpg().mpg123_delete(handle);
    }
};
using Handle = std::unique_ptr<mpg123_handle, HandleDeleter>;

Handle newDecoder() {
    if (!mpg().complete)
        return nullptr;
    static const bool initialised = mpg().mpg123_init() == MPG123_OK;
    if (!initialised)
        return nullptr;
    Handle decoder(mpg().mpg123_new(nullptr, nullptr));
    if (!decoder)
        return decoder;
    // mpg123 mixes the channels and resamples itself: one pass, no copy at the source rate.
    mpg().mpg123_param(decoder.get(), MPG123_ADD_FLAGS,
                       MPG123_QUIET | MPG123_SKIP_ID3V2 | MPG123_FORCE_MONO | MPG123_MONO_MIX, 0.0);
    mpg().mpg123_param(decoder.get(), MPG123_FORCE_RATE, kAlignRate, 0.0);
    mpg().mpg123_format_none(decoder.get());
    mpg().mpg123_format(decoder.get(), kAlignRate, MPG123_MONO, MPG123_ENC_SIGNED_16);
    return decoder;
}

// A second-order high-pass at 120 Hz: bass and kick drum carry most of a mix's energy and
// none of the words, and would otherwise dominate the model's loudness normalisation.
void highPass(std::vector<std::int16_t>& samples) {
    constexpr double kCutoff = 120.0;
    const double w = 2 * std::numbers::pi * kCutoff / kAlignRate;
    const double alpha = std::sin(w) / std::numbers::sqrt2; // Q = 1/sqrt(2), no ripple
    const double cosw = std::cos(w);
    const double a0 = 1 + alpha;
    const double b0 = (1 + cosw) / 2 / a0, b1 = -(1 + cosw) / a0, b2 = b0;
    const double a1 = -2 * cosw / a0, a2 = (1 - alpha) / a0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (std::int16_t& sample : samples) {
        const double x = sample;
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        sample = static_cast<std::int16_t>(std::clamp(std::lround(y), -32768L, 32767L));
    }
}

} // namespace

AlignAudio DecodeForAlignment(const QString& path, const std::atomic<bool>& cancel,
                              QString& problem) {
    QFile file;
    if (const QString why = OpenRegularFile(file, path); !why.isEmpty()) {
        problem = why;
        return {};
    }
    const Handle decoder = newDecoder();
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (!decoder || mpg().mpg123_open_fd(decoder.get(), file.handle()) != MPG123_OK ||
        mpg().mpg123_getformat(decoder.get(), &rate, &channels, &encoding) != MPG123_OK) {
        problem = QStringLiteral("it holds no MP3 audio that could be decoded");
        return {};
    }
    AlignAudio audio;
    std::vector<std::int16_t> buffer(16384);
    for (;;) {
        if (cancel.load(std::memory_order_relaxed))
            return {};
        std::size_t bytes = 0;
        const int result = mpg().mpg123_read(decoder.get(), buffer.data(),
                                             buffer.size() * sizeof(std::int16_t), &bytes);
        audio.samples.insert(audio.samples.end(), buffer.begin(),
                             buffer.begin() + static_cast<std::ptrdiff_t>(bytes / 2));
        // What was decoded before a fault is still the song.
        if (result != MPG123_OK && result != MPG123_NEW_FORMAT)
            break;
        if (audio.samples.size() > std::size_t{kLongestAlignedSeconds} * kAlignRate) {
            audio.samples.resize(std::size_t{kLongestAlignedSeconds} * kAlignRate);
            audio.cut = true;
            break;
        }
    }
    if (audio.samples.empty()) {
        problem = QStringLiteral("it holds no MP3 audio that could be decoded");
        return {};
    }
    highPass(audio.samples);
    audio.samples.shrink_to_fit();
    return audio;
}
