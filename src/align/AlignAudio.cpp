#include "align/AlignAudio.h"

#include "core/MemoryRoom.h"

#include <QCoreApplication>

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <new>
#include <numbers>

namespace {

// The first write to each 4 KiB page of fresh memory traps into the kernel, which on a virtual
// machine costs about 12 microseconds: a ten-minute song's samples took 4 700 traps, 50 ms, more
// than their resampling. In 2 MiB pages they take ten. Only a hint: where the system has no such
// pages, nothing changes.
void preferLargePages(void* room, std::size_t bytes) {
#ifdef MADV_HUGEPAGE
    const long page = ::sysconf(_SC_PAGESIZE);
    if (page <= 0)
        return;
    // From the start of the page the room begins in: the hint is for whole pages.
    const std::size_t before =
        reinterpret_cast<std::uintptr_t>(room) % static_cast<std::size_t>(page);
    ::madvise(static_cast<char*>(room) - before, bytes + before, MADV_HUGEPAGE);
#else
    (void)room;
    (void)bytes;
#endif
}

// The room an analysis takes from its decode on: the samples (115 MiB set aside), the decoding
// thread, the recogniser's search. The recogniser ends the process when an allocation fails,
// so a memory limit (ulimit -v) is better met here, where it is told as any other.
constexpr std::size_t kAnalysisRoom = std::size_t{256} << 20;

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
                              QString& problem, const Outlined& outlined) {
    if (!RoomFor(kAnalysisRoom))
        throw std::bad_alloc();
    const std::unique_ptr<AudioDecoder> decoder = Media().audioDecoder();
    if (const QString why = decoder->open(path); !why.isEmpty()) {
        if (outlined && !cancel.load())
            outlined({});
        problem = why;
        return {};
    }
    // The outline is taken as the song comes, at its own rate: the slider shows the song's bass
    // too, and the outline does not wait for the aligner's conversion.
    AudioDecoder::Tap tap;
    if (outlined)
        tap = OutlineTap(decoder->rate(), outlined);
    // Both channels of a stereo song, mixed here rather than in the decoder: what differs
    // between them tells the centre from the sides. Other layouts are mixed into one.
    const bool stereo = decoder->channels() == 2;
    decoder->convertTo(kAlignRate, !stereo, AudioDecoder::Resampling::BandLimited);
    AlignAudio audio;
    // Room for the longest song at once, never given back: pages never written cost nothing, and
    // the samples are never copied as they grow.
    constexpr std::size_t kLongest = std::size_t{kLongestAlignedSeconds} * kAlignRate;
    audio.samples.reserve(kLongest);
    preferLargePages(audio.samples.data(), kLongest * sizeof(std::int16_t));
    if (stereo) {
        audio.side.reserve(kLongest);
        preferLargePages(audio.side.data(), kLongest * sizeof(std::int16_t));
    }
    const auto sink = [&](const std::int16_t* samples, std::size_t count) {
        const std::size_t frames = stereo ? count / 2 : count;
        const std::size_t take = std::min(frames, kLongest - audio.samples.size());
        if (stereo) {
            const std::size_t at = audio.samples.size();
            audio.samples.resize(at + take);
            audio.side.resize(at + take);
            for (std::size_t i = 0; i < take; ++i) {
                audio.samples[at + i] =
                    static_cast<std::int16_t>((samples[2 * i] + samples[2 * i + 1]) / 2);
                audio.side[at + i] =
                    static_cast<std::int16_t>((samples[2 * i] - samples[2 * i + 1]) / 2);
            }
        } else {
            audio.samples.insert(audio.samples.end(), samples, samples + take);
        }
        audio.cut = audio.cut || take < frames;
        return !audio.cut;
    };
    const AudioDecoder::Ended ended = decoder->decode(cancel, sink, tap);
    if (ended == AudioDecoder::Ended::Cancelled)
        return {};
    if (audio.samples.empty()) {
        problem =
            QCoreApplication::translate("AlignAudio", "it holds no audio that could be decoded");
        return {};
    }
    highPass(audio.samples);
    highPass(audio.side);
    return audio;
}
