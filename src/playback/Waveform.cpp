#include "playback/Waveform.h"

#include "core/LateLibrary.h"
#include "storage/RegularFile.h"

#include <QFile>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
}

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>

namespace {

// FFmpeg, and the hundred codec libraries it brings, is loaded on the decoder's thread when the
// first waveform is drawn: linked, it would all be loaded before the window could appear.
struct FFmpeg {
    decltype(&::av_malloc) av_malloc = nullptr;
    decltype(&::av_free) av_free = nullptr;
    decltype(&::av_freep) av_freep = nullptr;
    decltype(&::av_frame_alloc) av_frame_alloc = nullptr;
    decltype(&::av_frame_free) av_frame_free = nullptr;
    decltype(&::av_log_set_level) av_log_set_level = nullptr;
    decltype(&::avcodec_alloc_context3) avcodec_alloc_context3 = nullptr;
    decltype(&::avcodec_free_context) avcodec_free_context = nullptr;
    decltype(&::avcodec_parameters_to_context) avcodec_parameters_to_context = nullptr;
    decltype(&::avcodec_open2) avcodec_open2 = nullptr;
    decltype(&::avcodec_send_packet) avcodec_send_packet = nullptr;
    decltype(&::avcodec_receive_frame) avcodec_receive_frame = nullptr;
    decltype(&::av_packet_alloc) av_packet_alloc = nullptr;
    decltype(&::av_packet_free) av_packet_free = nullptr;
    decltype(&::av_packet_unref) av_packet_unref = nullptr;
    decltype(&::avio_alloc_context) avio_alloc_context = nullptr;
    decltype(&::avio_context_free) avio_context_free = nullptr;
    decltype(&::avformat_alloc_context) avformat_alloc_context = nullptr;
    decltype(&::avformat_open_input) avformat_open_input = nullptr;
    decltype(&::avformat_find_stream_info) avformat_find_stream_info = nullptr;
    decltype(&::avformat_close_input) avformat_close_input = nullptr;
    decltype(&::av_find_best_stream) av_find_best_stream = nullptr;
    decltype(&::av_read_frame) av_read_frame = nullptr;
    decltype(&::swr_alloc_set_opts2) swr_alloc_set_opts2 = nullptr;
    decltype(&::swr_init) swr_init = nullptr;
    decltype(&::swr_convert) swr_convert = nullptr;
    decltype(&::swr_free) swr_free = nullptr;
    bool complete = true;
};

const FFmpeg& av() {
    static const FFmpeg loaded = [] {
        FFmpeg f;
        static LateLibrary avutil(QStringLiteral("avutil"), LIBAVUTIL_VERSION_MAJOR);
        f.complete = f.complete && avutil.get(f.av_malloc, "av_malloc")
                                       .get(f.av_free, "av_free")
                                       .get(f.av_freep, "av_freep")
                                       .get(f.av_frame_alloc, "av_frame_alloc")
                                       .get(f.av_frame_free, "av_frame_free")
                                       .get(f.av_log_set_level, "av_log_set_level")
                                       .complete();
        static LateLibrary avcodec(QStringLiteral("avcodec"), LIBAVCODEC_VERSION_MAJOR);
        f.complete =
            f.complete && avcodec.get(f.avcodec_alloc_context3, "avcodec_alloc_context3")
                              .get(f.avcodec_free_context, "avcodec_free_context")
                              .get(f.avcodec_parameters_to_context, "avcodec_parameters_to_context")
                              .get(f.avcodec_open2, "avcodec_open2")
                              .get(f.avcodec_send_packet, "avcodec_send_packet")
                              .get(f.avcodec_receive_frame, "avcodec_receive_frame")
                              .get(f.av_packet_alloc, "av_packet_alloc")
                              .get(f.av_packet_free, "av_packet_free")
                              .get(f.av_packet_unref, "av_packet_unref")
                              .complete();
        static LateLibrary avformat(QStringLiteral("avformat"), LIBAVFORMAT_VERSION_MAJOR);
        f.complete =
            f.complete && avformat.get(f.avio_alloc_context, "avio_alloc_context")
                              .get(f.avio_context_free, "avio_context_free")
                              .get(f.avformat_alloc_context, "avformat_alloc_context")
                              .get(f.avformat_open_input, "avformat_open_input")
                              .get(f.avformat_find_stream_info, "avformat_find_stream_info")
                              .get(f.avformat_close_input, "avformat_close_input")
                              .get(f.av_find_best_stream, "av_find_best_stream")
                              .get(f.av_read_frame, "av_read_frame")
                              .complete();
        static LateLibrary swresample(QStringLiteral("swresample"), LIBSWRESAMPLE_VERSION_MAJOR);
        f.complete = f.complete && swresample.get(f.swr_alloc_set_opts2, "swr_alloc_set_opts2")
                                       .get(f.swr_init, "swr_init")
                                       .get(f.swr_convert, "swr_convert")
                                       .get(f.swr_free, "swr_free")
                                       .complete();
        return f;
    }();
    return loaded;
}

} // namespace

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

// The song is read through its own descriptor rather than by name: FFmpeg would take a name
// such as "http:song.flac" for a place on the network.
int readPacket(void* opaque, std::uint8_t* into, int size) {
    const ssize_t got = ::read(*static_cast<int*>(opaque), into, static_cast<std::size_t>(size));
    return got > 0 ? static_cast<int>(got) : got == 0 ? AVERROR_EOF : AVERROR(errno);
}

std::int64_t seekTo(void* opaque, std::int64_t offset, int whence) {
    const int fd = *static_cast<int*>(opaque);
    if (whence == AVSEEK_SIZE) {
        struct stat status {};
        return ::fstat(fd, &status) == 0 ? static_cast<std::int64_t>(status.st_size) : -1;
    }
    return ::lseek(fd, static_cast<off_t>(offset), whence & ~AVSEEK_FORCE);
}

// Everything one decode holds, released in reverse.
struct Decoder {
    ~Decoder() {
        av().swr_free(&resampler);
        av().av_frame_free(&frame);
        av().av_packet_free(&packet);
        av().avcodec_free_context(&codec);
        av().avformat_close_input(&format);
        if (io)
            av().av_freep(&io->buffer);
        av().avio_context_free(&io);
    }
    int fd = -1;
    AVIOContext* io = nullptr;
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVPacket* packet = nullptr;
    AVFrame* frame = nullptr;
    SwrContext* resampler = nullptr;
    int stream = -1;
};

// Opens the song's first audio stream; false when it holds none that decodes.
bool openDecoder(Decoder& d) {
    constexpr int kBuffer = 1 << 16;
    auto* buffer = static_cast<std::uint8_t*>(av().av_malloc(kBuffer));
    d.io = buffer ? av().avio_alloc_context(buffer, kBuffer, 0, &d.fd, readPacket, nullptr, seekTo)
                  : nullptr;
    if (!d.io) {
        av().av_free(buffer);
        return false;
    }
    d.format = av().avformat_alloc_context();
    if (!d.format)
        return false;
    d.format->pb = d.io;
    d.format->flags |= AVFMT_FLAG_CUSTOM_IO;
    if (av().avformat_open_input(&d.format, nullptr, nullptr, nullptr) < 0 ||
        av().avformat_find_stream_info(d.format, nullptr) < 0)
        return false;
    const AVCodec* codec = nullptr;
    d.stream = av().av_find_best_stream(d.format, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (d.stream < 0 || !codec)
        return false;
    d.codec = av().avcodec_alloc_context3(codec);
    d.packet = av().av_packet_alloc();
    d.frame = av().av_frame_alloc();
    if (d.codec) // what the peaks take; the decoders of lossless formats can give it as it is
        d.codec->request_sample_fmt = AV_SAMPLE_FMT_S16;
    return d.codec && d.packet && d.frame &&
           av().avcodec_parameters_to_context(d.codec, d.format->streams[d.stream]->codecpar) >=
               0 &&
           av().avcodec_open2(d.codec, codec, nullptr) >= 0 && d.codec->sample_rate > 0 &&
           d.codec->ch_layout.nb_channels > 0;
}

// 16-bit samples at the stream's own rate and channels, whatever the decoder gives: what the
// peaks need, and what every format is outlined from, so every slider looks alike.
bool openResampler(Decoder& d) {
    return av().swr_alloc_set_opts2(&d.resampler, &d.codec->ch_layout, AV_SAMPLE_FMT_S16,
                                    d.codec->sample_rate, &d.codec->ch_layout, d.codec->sample_fmt,
                                    d.codec->sample_rate, 0, nullptr) >= 0 &&
           av().swr_init(d.resampler) >= 0;
}

enum class Fed { More, Full, Changed };

// Interleaves the frame's float samples (planar or not) as 16-bit ones, clipped to full scale.
void toSixteenBits(const AVFrame& frame, std::vector<std::int16_t>& out) {
    const int channels = frame.ch_layout.nb_channels;
    const bool planar = frame.format == AV_SAMPLE_FMT_FLTP;
    const int planes = planar ? channels : 1;
    const int stride = planar ? 1 : channels;
    for (int plane = 0; plane < planes; ++plane) {
        const auto* in = reinterpret_cast<const float*>(frame.extended_data[plane]);
        std::int16_t* into = out.data() + plane;
        const std::size_t values =
            static_cast<std::size_t>(frame.nb_samples) * static_cast<std::size_t>(stride);
        for (std::size_t i = 0; i < values; ++i)
            into[i * static_cast<std::size_t>(planes)] =
                static_cast<std::int16_t>(std::clamp(in[i], -1.0F, 1.0F) * 32767.0F);
    }
}

// Folds every frame the decoder has ready into peaks.
Fed drain(Decoder& d, PeakAccumulator& peaks, std::vector<std::int16_t>& samples, bool& decoded) {
    while (av().avcodec_receive_frame(d.codec, d.frame) >= 0) {
        // A stream that changes its rate or channels midway would change the blocks' length:
        // the outline ends there.
        if (d.frame->sample_rate != d.codec->sample_rate ||
            d.frame->ch_layout.nb_channels != d.codec->ch_layout.nb_channels ||
            d.frame->format != d.codec->sample_fmt)
            return Fed::Changed;
        const int channels = d.frame->ch_layout.nb_channels;
        const auto count =
            static_cast<std::size_t>(d.frame->nb_samples) * static_cast<std::size_t>(channels);
        if (d.frame->format == AV_SAMPLE_FMT_S16) { // nothing to convert
            decoded = decoded || count > 0;
            if (!peaks.add(reinterpret_cast<const std::int16_t*>(d.frame->data[0]), count))
                return Fed::Full;
            continue;
        }
        samples.resize(count);
        // Float samples, what the lossy decoders give, are scaled here: as exact as the
        // resampler for an outline in 1/256ths, in a fraction of its time.
        if (d.frame->format == AV_SAMPLE_FMT_FLTP || d.frame->format == AV_SAMPLE_FMT_FLT) {
            toSixteenBits(*d.frame, samples);
            decoded = decoded || count > 0;
            if (!peaks.add(samples.data(), count))
                return Fed::Full;
            continue;
        }
        auto* out = reinterpret_cast<std::uint8_t*>(samples.data());
        const int frames = av().swr_convert(
            d.resampler, &out, d.frame->nb_samples,
            const_cast<const std::uint8_t**>(d.frame->extended_data), d.frame->nb_samples);
        if (frames > 0) {
            decoded = true;
            if (!peaks.add(samples.data(),
                           static_cast<std::size_t>(frames) * static_cast<std::size_t>(channels)))
                return Fed::Full;
        }
    }
    return Fed::More;
}

} // namespace

PeakEnvelope DecodePeakEnvelope(const QString& path, const std::atomic<bool>& cancel) {
    // A named pipe or a device would block the worker for ever.
    QFile file;
    if (!OpenRegularFile(file, path).isEmpty())
        return {};
    if (!av().complete)
        return {};                       // without FFmpeg the slider simply shows no waveform
    av().av_log_set_level(AV_LOG_QUIET); // a damaged song is no news on stderr
    Decoder d;
    d.fd = file.handle();
    if (!openDecoder(d) || !openResampler(d))
        return {};
    PeakAccumulator peaks(d.codec->sample_rate, d.codec->ch_layout.nb_channels);
    std::vector<std::int16_t> samples;
    bool decoded = false;
    Fed fed = Fed::More;
    while (fed == Fed::More) {
        if (cancel.load(std::memory_order_relaxed))
            return {};
        const int read = av().av_read_frame(d.format, d.packet);
        if (read < 0) {
            av().avcodec_send_packet(d.codec, nullptr); // the decoder's last frames
            fed = drain(d, peaks, samples, decoded);
            break;
        }
        // A damaged packet is passed over: the rest is still the song's outline.
        if (d.packet->stream_index == d.stream && av().avcodec_send_packet(d.codec, d.packet) >= 0)
            fed = drain(d, peaks, samples, decoded);
        av().av_packet_unref(d.packet);
    }
    return decoded ? peaks.finish() : PeakEnvelope{};
}
