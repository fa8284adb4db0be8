#include "media/FfmpegDecoder.h"

#include "media/HiddenMetadata.h"
#include "storage/RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QScopeGuard>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace {

// Half swr's usual low-pass, in two thirds of its time: at 16 kHz still flat to within 1.4 dB
// up to 6.8 kHz, where the speech model's bands end, and what folds below that from above
// 8 kHz at least 25 dB down.
constexpr int kFilterSize = 16;
// The highest rate a recording is made at (eight times 96 kHz).
constexpr int kHighestRate = 768000;

// The song is read through its own descriptor rather than by name: FFmpeg would take a name
// such as "http:song.flac" for a place on the network. Its tags are hidden on the way
// (media/HiddenMetadata.h).
struct Source {
    int fd = -1;
    std::int64_t at = 0;
    std::vector<BytePatch> hidden;
    // Read since the demuxer last gave a packet; bounded while decoding, not while the song
    // is opened and its tags are read.
    std::int64_t sincePacket = 0;
    bool bounded = false;
};

// A stretch this long without one frame in it is no audio (a run of zeros, a damaged tail). The
// MP3 parser would gather all of it into one packet, and copy that: twice its size in memory.
constexpr std::int64_t kMostWithoutAudio = std::int64_t{32} << 20;

int readPacket(void* opaque, std::uint8_t* into, int size) {
    auto& source = *static_cast<Source*>(opaque);
    if (source.bounded && source.sincePacket > kMostWithoutAudio)
        return AVERROR_EOF;
    ssize_t got = -1;
    do
        got = ::pread(source.fd, into, static_cast<std::size_t>(size), source.at);
    while (got < 0 && errno == EINTR);
    if (got <= 0)
        return got == 0 ? AVERROR_EOF : AVERROR(errno);
    ApplyPatches(source.hidden, source.at, into, got);
    source.at += got;
    source.sincePacket += got;
    return static_cast<int>(got);
}

std::int64_t seekTo(void* opaque, std::int64_t offset, int whence) {
    auto& source = *static_cast<Source*>(opaque);
    struct stat status {};
    if (whence == AVSEEK_SIZE)
        return ::fstat(source.fd, &status) == 0 ? static_cast<std::int64_t>(status.st_size) : -1;
    whence &= ~AVSEEK_FORCE;
    std::int64_t base = 0;
    if (whence == SEEK_CUR)
        base = source.at;
    else if (whence == SEEK_END)
        base = ::fstat(source.fd, &status) == 0 ? status.st_size : -1;
    else if (whence != SEEK_SET)
        return -1;
    if (base < 0 || base + offset < 0)
        return -1;
    return source.at = base + offset;
}

// A float sample as a 16-bit one, clipped to full scale: by comparisons rather than std::clamp,
// which goes through references and branches.
std::int16_t toSixteen(float x) {
    x *= 32767.0F;
    x = x < -32767.0F ? -32767.0F : x;
    x = x > 32767.0F ? 32767.0F : x;
    return static_cast<std::int16_t>(static_cast<int>(x));
}

// Interleaves the frame's float samples (planar or not) as 16-bit ones.
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
            into[i * static_cast<std::size_t>(planes)] = toSixteen(in[i]);
    }
}

// Fills into[0..n) with sample(i). -O2 runs a loop on several samples at once only where its
// count is known to leave no rest: the samples are taken in blocks of sixteen first.
template <typename Sample> void fill(std::int16_t* into, std::size_t n, Sample sample) {
    std::size_t i = 0;
    for (; i + 16 <= n; i += 16)
        for (std::size_t k = i; k < i + 16; ++k)
            into[k] = sample(k);
    for (; i < n; ++i)
        into[i] = sample(i);
}

// Mixes a frame of one or two channels, in the formats decoders give most often, into one
// channel of 16-bit samples, each channel at half its level as in swr's mix; false for any
// other frame, which swr mixes.
bool mixByHand(const AVFrame& frame, std::vector<std::int16_t>& out) {
    const int channels = frame.ch_layout.nb_channels;
    if (channels < 1 || channels > 2)
        return false;
    const auto n = static_cast<std::size_t>(frame.nb_samples);
    out.resize(n);
    std::int16_t* const into = out.data();
    const bool two = channels == 2;
    switch (frame.format) {
    case AV_SAMPLE_FMT_FLTP:
    case AV_SAMPLE_FMT_FLT: {
        const auto* left = reinterpret_cast<const float*>(frame.extended_data[0]);
        if (!two) {
            fill(into, n, [left](std::size_t i) { return toSixteen(left[i]); });
        } else if (frame.format == AV_SAMPLE_FMT_FLTP) {
            const auto* right = reinterpret_cast<const float*>(frame.extended_data[1]);
            fill(into, n,
                 [left, right](std::size_t i) { return toSixteen((left[i] + right[i]) * 0.5F); });
        } else {
            fill(into, n, [left](std::size_t i) {
                return toSixteen((left[2 * i] + left[2 * i + 1]) * 0.5F);
            });
        }
        return true;
    }
    case AV_SAMPLE_FMT_S16P:
    case AV_SAMPLE_FMT_S16: {
        const auto* left = reinterpret_cast<const std::int16_t*>(frame.extended_data[0]);
        if (!two) {
            std::copy(left, left + n, out.begin());
        } else if (frame.format == AV_SAMPLE_FMT_S16P) {
            const auto* right = reinterpret_cast<const std::int16_t*>(frame.extended_data[1]);
            fill(into, n, [left, right](std::size_t i) {
                return static_cast<std::int16_t>((left[i] + right[i]) / 2);
            });
        } else {
            fill(into, n, [left](std::size_t i) {
                return static_cast<std::int16_t>((left[2 * i] + left[2 * i + 1]) / 2);
            });
        }
        return true;
    }
    default:
        return false;
    }
}

} // namespace

// Everything one decode holds, released in reverse.
struct FfmpegDecoder::Song {
    ~Song() {
        ::swr_free(&tapMixer);
        ::swr_free(&resampler);
        ::swr_free(&mixer);
        ::av_channel_layout_uninit(&layout);
        ::av_frame_free(&frame);
        ::av_packet_free(&packet);
        ::avcodec_free_context(&codec);
        ::avformat_close_input(&format);
        if (io)
            ::av_freep(&io->buffer);
        ::avio_context_free(&io);
    }

    bool openStream();
    Ended read(const std::atomic<bool>& cancel, const Tap& tap,
               const std::function<bool(AVFrame&)>& take);
    bool tapFrame(AVFrame& in, const Tap& tap);
    bool hand(AVFrame& in, const Sink& sink);
    bool resample(AVFrame& in, const Sink& sink);
    bool convert(const std::uint8_t* const* in, int inFrames, const Sink& sink);
    bool flush(const Sink& sink);

    QFile file;
    Source source;
    AVIOContext* io = nullptr;
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVPacket* packet = nullptr;
    AVFrame* frame = nullptr;
    int stream = -1;
    // What is handed over.
    int rate = 0;
    AVChannelLayout layout{};
    bool nearest = false; // Resampling::NearestSample
    // Made for the frames' shape when they are not handed over as they come.
    SwrContext* mixer = nullptr; // null unless the channels are mixed before the resampler
    SwrContext* resampler = nullptr;
    int fromRate = 0, fromChannels = 0, fromFormat = -1;
    std::vector<float> mixed;
    std::vector<std::uint8_t*> mixedPlanes; // into mixed, one a channel
    std::vector<std::int16_t> samples;
    // The tap's, on the thread that reads: the stream's first rate, one channel.
    int streamRate = 0;
    SwrContext* tapMixer = nullptr;
    int tapFromRate = 0, tapFromChannels = 0, tapFromFormat = -1;
    std::vector<std::int16_t> tapped;
};

// The song's first audio stream; false when it holds none that decodes.
bool FfmpegDecoder::Song::openStream() {
    constexpr int kBuffer = 1 << 16;
    auto* buffer = static_cast<std::uint8_t*>(::av_malloc(kBuffer));
    io = buffer ? ::avio_alloc_context(buffer, kBuffer, 0, &source, readPacket, nullptr, seekTo)
                : nullptr;
    if (!io) {
        ::av_free(buffer);
        return false;
    }
    format = ::avformat_alloc_context();
    if (!format)
        return false;
    format->pb = io;
    format->flags |= AVFMT_FLAG_CUSTOM_IO;
    if (::avformat_open_input(&format, nullptr, nullptr, nullptr) < 0 ||
        ::avformat_find_stream_info(format, nullptr) < 0)
        return false;
    const AVCodec* decoder = nullptr;
    stream = ::av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
    if (stream < 0 || !decoder)
        return false;
    codec = ::avcodec_alloc_context3(decoder);
    packet = ::av_packet_alloc();
    frame = ::av_frame_alloc();
    if (codec) // what is handed over; the decoders of lossless formats can give it as it is
        codec->request_sample_fmt = AV_SAMPLE_FMT_S16;
    return codec && packet && frame &&
           ::avcodec_parameters_to_context(codec, format->streams[stream]->codecpar) >= 0 &&
           ::avcodec_open2(codec, decoder, nullptr) >= 0 && codec->sample_rate > 0 &&
           codec->ch_layout.nb_channels > 0 &&
           ::av_channel_layout_copy(&layout, &codec->ch_layout) >= 0;
}

// Converts in, or without it what the resampler still holds, and hands it over.
bool FfmpegDecoder::Song::convert(const std::uint8_t* const* in, int inFrames, const Sink& sink) {
    const int room = ::swr_get_out_samples(resampler, inFrames);
    if (room <= 0)
        return true;
    const auto channels = static_cast<std::size_t>(layout.nb_channels);
    samples.resize(static_cast<std::size_t>(room) * channels);
    auto* out = reinterpret_cast<std::uint8_t*>(samples.data());
    const int frames =
        ::swr_convert(resampler, &out, room, const_cast<const std::uint8_t**>(in), inFrames);
    return frames <= 0 || sink(samples.data(), static_cast<std::size_t>(frames) * channels);
}

// Hands over what the resampler still holds, and lets it go.
bool FfmpegDecoder::Song::flush(const Sink& sink) {
    const bool more = !resampler || convert(nullptr, 0, sink);
    ::swr_free(&resampler);
    ::swr_free(&mixer);
    return more;
}

// A resampler is made for the shape of the frames as they come: a stream may change its rate
// or channels midway, and what is handed over stays as it began.
bool FfmpegDecoder::Song::resample(AVFrame& in, const Sink& sink) {
    if (!resampler || in.sample_rate != fromRate || in.ch_layout.nb_channels != fromChannels ||
        in.format != fromFormat) {
        if (!flush(sink))
            return false;
        // A filter falling from a rate no recording has would take gigabytes: a damaged header.
        if (in.sample_rate > kHighestRate)
            return true;
        fromRate = in.sample_rate;
        fromChannels = in.ch_layout.nb_channels;
        fromFormat = in.format;
        // swr resamples every channel before it mixes them, so they are mixed first, at the
        // frames' own rate, and only what is handed over is resampled. The mix is kept within
        // full scale, as swr keeps one into 16 bits. It is passed on in planar float, swr's own
        // format inside: in packed float swr would copy it once on the way out of the mixer and
        // once on the way into the resampler.
        const bool mixFirst =
            in.ch_layout.nb_channels != layout.nb_channels && in.sample_rate != rate;
        const auto inFormat = static_cast<AVSampleFormat>(in.format);
        if ((mixFirst &&
             (::swr_alloc_set_opts2(&mixer, &layout, AV_SAMPLE_FMT_FLTP, in.sample_rate,
                                    &in.ch_layout, inFormat, in.sample_rate, 0, nullptr) < 0 ||
              ::av_opt_set_double(mixer, "rematrix_maxval", 1.0, 0) < 0 ||
              ::swr_init(mixer) < 0)) ||
            ::swr_alloc_set_opts2(
                &resampler, &layout, AV_SAMPLE_FMT_S16, rate, mixFirst ? &layout : &in.ch_layout,
                mixFirst ? AV_SAMPLE_FMT_FLTP : inFormat, in.sample_rate, 0, nullptr) < 0 ||
            ::av_opt_set_int(resampler, "filter_size", nearest ? 0 : kFilterSize, 0) < 0 ||
            (nearest && ::av_opt_set_int(resampler, "phase_shift", 0, 0) < 0) ||
            ::swr_init(resampler) < 0) {
            ::swr_free(&resampler);
            ::swr_free(&mixer);
            return true; // frames of a shape nothing converts are passed over
        }
    }
    if (!mixer)
        return convert(in.extended_data, in.nb_samples, sink);
    const auto frameCount = static_cast<std::size_t>(in.nb_samples);
    mixed.resize(frameCount * static_cast<std::size_t>(layout.nb_channels));
    mixedPlanes.resize(static_cast<std::size_t>(layout.nb_channels));
    for (std::size_t plane = 0; plane < mixedPlanes.size(); ++plane)
        mixedPlanes[plane] = reinterpret_cast<std::uint8_t*>(mixed.data() + plane * frameCount);
    const int frames =
        ::swr_convert(mixer, mixedPlanes.data(), in.nb_samples,
                      const_cast<const std::uint8_t**>(in.extended_data), in.nb_samples);
    return frames <= 0 || convert(mixedPlanes.data(), frames, sink);
}

// Hands a decoded frame over, converted where it must be.
bool FfmpegDecoder::Song::hand(AVFrame& in, const Sink& sink) {
    const auto count =
        static_cast<std::size_t>(in.nb_samples) * static_cast<std::size_t>(layout.nb_channels);
    const bool shaped = in.sample_rate == rate && in.ch_layout.nb_channels == layout.nb_channels;
    if (shaped && in.format == AV_SAMPLE_FMT_S16) // nothing to convert
        return flush(sink) && sink(reinterpret_cast<const std::int16_t*>(in.data[0]), count);
    // Float samples, what the lossy decoders give, are scaled here: as exact as the resampler,
    // in a fraction of its time.
    if (shaped && (in.format == AV_SAMPLE_FMT_FLTP || in.format == AV_SAMPLE_FMT_FLT)) {
        if (!flush(sink))
            return false;
        samples.resize(count);
        toSixteenBits(in, samples);
        return sink(samples.data(), count);
    }
    return resample(in, sink);
}

// Mixes the frame into one channel at the stream's first rate for the tap.
bool FfmpegDecoder::Song::tapFrame(AVFrame& in, const Tap& tap) {
    if (in.sample_rate == streamRate && mixByHand(in, tapped))
        return tap(tapped.data(), tapped.size());
    if (!tapMixer || in.sample_rate != tapFromRate || in.ch_layout.nb_channels != tapFromChannels ||
        in.format != tapFromFormat) {
        ::swr_free(&tapMixer);
        if (in.sample_rate > kHighestRate)
            return true;
        tapFromRate = in.sample_rate;
        tapFromChannels = in.ch_layout.nb_channels;
        tapFromFormat = in.format;
        AVChannelLayout mono = AV_CHANNEL_LAYOUT_MASK(1, AV_CH_LAYOUT_MONO);
        // The mix kept within full scale, as the sink's is.
        if (::swr_alloc_set_opts2(&tapMixer, &mono, AV_SAMPLE_FMT_S16, streamRate, &in.ch_layout,
                                  static_cast<AVSampleFormat>(in.format), in.sample_rate, 0,
                                  nullptr) < 0 ||
            ::av_opt_set_double(tapMixer, "rematrix_maxval", 1.0, 0) < 0 ||
            ::swr_init(tapMixer) < 0) {
            ::swr_free(&tapMixer);
            return true;
        }
    }
    const int room = ::swr_get_out_samples(tapMixer, in.nb_samples);
    if (room <= 0)
        return true;
    tapped.resize(static_cast<std::size_t>(room));
    auto* out = reinterpret_cast<std::uint8_t*>(tapped.data());
    const int frames = ::swr_convert(
        tapMixer, &out, room, const_cast<const std::uint8_t**>(in.extended_data), in.nb_samples);
    return frames <= 0 || tap(tapped.data(), static_cast<std::size_t>(frames));
}

// Reads and decodes the song, each frame to the tap and then to take, which may keep the
// frame's data; until the end, or until neither wants more.
AudioDecoder::Ended FfmpegDecoder::Song::read(const std::atomic<bool>& cancel, const Tap& tap,
                                              const std::function<bool(AVFrame&)>& take) {
    source.sincePacket = 0;
    source.bounded = true;
    bool tapping = static_cast<bool>(tap);
    bool taking = static_cast<bool>(take);
    const auto drain = [&] {
        while ((tapping || taking) && ::avcodec_receive_frame(codec, frame) >= 0) {
            tapping = tapping && tapFrame(*frame, tap);
            taking = taking && take(*frame);
        }
    };
    for (;;) {
        if (cancel.load(std::memory_order_relaxed))
            return Ended::Cancelled;
        if (!tapping && !taking)
            return Ended::BySink;
        const int got = ::av_read_frame(format, packet);
        source.sincePacket = 0;
        if (got < 0) {
            ::avcodec_send_packet(codec, nullptr); // the decoder's last frames
            drain();
            if (tapping)
                tap(nullptr, 0);
            return Ended::AtEnd;
        }
        // A damaged packet is passed over: the rest is still the song.
        if (packet->stream_index == stream && ::avcodec_send_packet(codec, packet) >= 0)
            drain();
        ::av_packet_unref(packet);
    }
}

FfmpegDecoder::FfmpegDecoder() = default;
FfmpegDecoder::~FfmpegDecoder() = default;

QString FfmpegDecoder::open(const QString& path) {
    m_song.reset();
    auto song = std::make_unique<Song>();
    // A named pipe or a device would block the decoding thread for ever.
    if (QString why = OpenRegularFile(song->file, path); !why.isEmpty())
        return why;
    ::av_log_set_level(AV_LOG_QUIET); // a damaged song is no news on stderr
    song->source.fd = song->file.handle();
    song->source.hidden = HideMetadata(song->source.fd);
    if (!song->openStream())
        return QCoreApplication::translate("FfmpegDecoder",
                                           "it holds no audio that could be decoded");
    song->rate = song->streamRate = song->codec->sample_rate;
    m_song = std::move(song);
    return {};
}

void FfmpegDecoder::convertTo(int rate, bool mono, Resampling resampling) {
    if (!m_song)
        return;
    m_song->rate = rate;
    m_song->nearest = resampling == Resampling::NearestSample;
    if (mono) {
        ::av_channel_layout_uninit(&m_song->layout);
        m_song->layout = AV_CHANNEL_LAYOUT_MASK(1, AV_CH_LAYOUT_MONO);
    }
}

int FfmpegDecoder::rate() const {
    return m_song ? m_song->rate : 0;
}

int FfmpegDecoder::channels() const {
    return m_song ? m_song->layout.nb_channels : 0;
}

// The frames decoded, ahead of the ones being converted and handed over, in batches.
class FfmpegDecoder::Ahead {
public:
    Ahead() = default;
    Ahead(const Ahead&) = delete;
    Ahead& operator=(const Ahead&) = delete;
    ~Ahead() {
        for (std::vector<AVFrame*>* frames : {&m_filling, &m_passed, &m_taking})
            for (AVFrame* f : *frames)
                ::av_frame_free(&f);
    }
    // Takes the frame's data; false once the frames are wanted no more.
    bool push(AVFrame& from) {
        AVFrame* f = ::av_frame_alloc();
        if (!f)
            return false;
        ::av_frame_move_ref(f, &from);
        m_filling.push_back(f);
        m_fillingBytes += bytesOf(*f);
        return m_fillingBytes < kBatchBytes || pass();
    }
    // The frames pushed so far are passed on, and no more will come.
    void end() {
        pass();
        const std::scoped_lock lock(m_mutex);
        m_ended = true;
        m_ready.notify_one();
    }
    void stop() {
        const std::scoped_lock lock(m_mutex);
        m_stopped = true;
        m_room.notify_one();
    }
    // The next frame, null after the last; the caller frees it.
    AVFrame* pop() {
        if (m_next == m_taking.size()) {
            m_taking.clear();
            m_next = 0;
            std::unique_lock lock(m_mutex);
            m_ready.wait(lock, [this] { return !m_passed.empty() || m_ended; });
            m_taking.swap(m_passed);
            m_passedBytes = 0;
            m_room.notify_one();
        }
        return m_next < m_taking.size() ? std::exchange(m_taking[m_next++], nullptr) : nullptr;
    }

private:
    // What the frame holds in memory, its own structure included.
    static std::size_t bytesOf(const AVFrame& f) {
        std::size_t bytes = sizeof(AVFrame);
        for (const AVBufferRef* buffer : f.buf)
            bytes += buffer ? buffer->size : 0;
        for (int i = 0; i < f.nb_extended_buf; ++i)
            bytes += f.extended_buf[i]->size;
        return bytes;
    }

    bool pass() {
        std::unique_lock lock(m_mutex);
        m_room.wait(lock, [this] { return m_passedBytes < kMostPassedBytes || m_stopped; });
        if (m_stopped)
            return false;
        m_passed.insert(m_passed.end(), m_filling.begin(), m_filling.end());
        m_passedBytes += std::exchange(m_fillingBytes, 0);
        m_filling.clear();
        m_ready.notify_one();
        return true;
    }

    // Seconds of a song at a time: the thread that reads went a fifth slower when woken every
    // eight frames of an MP3. The frames waiting between the two are bounded by their size, not
    // their number: a FLAC frame may hold a megabyte.
    static constexpr std::size_t kBatchBytes = std::size_t{512} << 10;
    static constexpr std::size_t kMostPassedBytes = std::size_t{2} << 20;
    std::size_t m_fillingBytes = 0;  // the reader's own
    std::size_t m_passedBytes = 0;   // under m_mutex
    std::vector<AVFrame*> m_filling; // the reader's own
    std::vector<AVFrame*> m_taking;  // the caller's own
    std::size_t m_next = 0;          // in m_taking
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::condition_variable m_room;
    std::vector<AVFrame*> m_passed;
    bool m_ended = false;
    bool m_stopped = false;
};

AudioDecoder::Ended FfmpegDecoder::decode(const std::atomic<bool>& cancel, const Sink& sink,
                                          const Tap& tap) {
    if (!m_song)
        return Ended::AtEnd;
    Song& s = *m_song;
    if (!sink || !tap) { // one thread does it all
        std::function<bool(AVFrame&)> take;
        if (sink)
            take = [&](AVFrame& f) { return s.hand(f, sink); };
        const Ended ended = s.read(cancel, tap, take);
        return ended == Ended::AtEnd && sink && !s.flush(sink) ? Ended::BySink : ended;
    }
    // The reading thread only decodes, the longer half of the work, which the outline waits
    // for; the outline's mix is taken on this thread beside the conversion, which has time to
    // spare, and is done a batch of frames after the last one is decoded.
    Ahead ahead;
    Ended reading = Ended::AtEnd;
    std::thread reader([&] {
        reading = s.read(cancel, {}, [&](AVFrame& f) { return ahead.push(f); });
        ahead.end();
    });
    // The reader is stopped and waited for however this ends, a throwing sink too.
    const auto joined = qScopeGuard([&] {
        ahead.stop();
        if (reader.joinable())
            reader.join();
    });
    bool tapping = true;
    bool wanted = true;
    // A sink that throws (out of memory) ends the sink's part; the outline still goes to the
    // song's end, and the throw is passed on after it.
    std::exception_ptr thrown;
    while (AVFrame* f = ahead.pop()) {
        const auto freed = qScopeGuard([&f] { ::av_frame_free(&f); });
        tapping = tapping && s.tapFrame(*f, tap);
        try {
            wanted = wanted && !cancel.load(std::memory_order_relaxed) && s.hand(*f, sink);
        } catch (...) {
            thrown = std::current_exception();
            wanted = false;
        }
        if (!tapping && !wanted)
            ahead.stop();
    }
    reader.join();
    if (reading == Ended::Cancelled || cancel.load())
        return Ended::Cancelled;
    if (tapping && reading == Ended::AtEnd)
        tap(nullptr, 0);
    if (thrown)
        std::rethrow_exception(thrown);
    return wanted && s.flush(sink) ? Ended::AtEnd : Ended::BySink;
}
