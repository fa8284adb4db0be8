#include "align/VoiceMap.h"
#include "core/LateLibrary.h"

#include <aubio/aubio.h>

#include <algorithm>
#include <memory>

namespace {

// Loaded when the first song is analysed, on the analysis thread: linked, this library and
// what it brings would be loaded before the window could appear.
struct AubioLibrary {
    decltype(&::new_aubio_pitch) new_aubio_pitch = nullptr;
    decltype(&::del_aubio_pitch) del_aubio_pitch = nullptr;
    decltype(&::aubio_pitch_do) aubio_pitch_do = nullptr;
    decltype(&::aubio_pitch_get_confidence) aubio_pitch_get_confidence = nullptr;
    decltype(&::new_aubio_onset) new_aubio_onset = nullptr;
    decltype(&::del_aubio_onset) del_aubio_onset = nullptr;
    decltype(&::aubio_onset_do) aubio_onset_do = nullptr;
    decltype(&::aubio_onset_get_last_ms) aubio_onset_get_last_ms = nullptr;
    decltype(&::aubio_onset_set_minioi_ms) aubio_onset_set_minioi_ms = nullptr;
    decltype(&::new_fvec) new_fvec = nullptr;
    decltype(&::del_fvec) del_fvec = nullptr;
    bool complete = true;
};

const AubioLibrary& aubio() {
    static const AubioLibrary loaded = [] {
        AubioLibrary f;
        static LateLibrary aubio(QStringLiteral("aubio"), 5);
        f.complete =
            f.complete && aubio.get(f.new_aubio_pitch, "new_aubio_pitch")
                              .get(f.del_aubio_pitch, "del_aubio_pitch")
                              .get(f.aubio_pitch_do, "aubio_pitch_do")
                              .get(f.aubio_pitch_get_confidence, "aubio_pitch_get_confidence")
                              .get(f.new_aubio_onset, "new_aubio_onset")
                              .get(f.del_aubio_onset, "del_aubio_onset")
                              .get(f.aubio_onset_do, "aubio_onset_do")
                              .get(f.aubio_onset_get_last_ms, "aubio_onset_get_last_ms")
                              .get(f.aubio_onset_set_minioi_ms, "aubio_onset_set_minioi_ms")
                              .get(f.new_fvec, "new_fvec")
                              .get(f.del_fvec, "del_fvec")
                              .complete();
        return f;
    }();
    return loaded;
}

} // namespace

double VoiceMap::voicedShare(qint64 fromMs, qint64 toMs) const {
    const auto first = static_cast<qsizetype>(std::max<qint64>(0, fromMs / 10));
    const auto last = std::min(static_cast<qsizetype>(voiced.size()),
                               static_cast<qsizetype>(std::max<qint64>(0, toMs / 10)));
    if (first >= last)
        return 0.0;
    const auto count = std::count(voiced.begin() + first, voiced.begin() + last, true);
    return static_cast<double>(count) / static_cast<double>(last - first);
}

qint64 VoiceMap::nearestOnset(qint64 ms, qint64 withinMs) const {
    const auto after = std::lower_bound(onsetsMs.begin(), onsetsMs.end(), ms);
    qint64 best = -1;
    if (after != onsetsMs.end() && *after - ms <= withinMs)
        best = *after;
    if (after != onsetsMs.begin() && ms - *(after - 1) <= withinMs &&
        (best < 0 || ms - *(after - 1) < best - ms))
        best = *(after - 1);
    return best;
}

namespace {

struct Aubio {
    fvec_t* in = aubio().new_fvec(kFrameSamples);
    fvec_t* out = aubio().new_fvec(1);
    aubio_pitch_t* pitch = aubio().new_aubio_pitch("yinfast", 1024, kFrameSamples, kAlignRate);
    aubio_onset_t* onset = aubio().new_aubio_onset("specflux", 1024, kFrameSamples, kAlignRate);
    Aubio() = default;
    Aubio(const Aubio&) = delete;
    Aubio& operator=(const Aubio&) = delete;
    ~Aubio() {
        if (onset)
            aubio().del_aubio_onset(onset);
        if (pitch)
            aubio().del_aubio_pitch(pitch);
        aubio().del_fvec(out);
        aubio().del_fvec(in);
    }
};

} // namespace

VoiceMap MapVoice(const AlignAudio& audio, const std::atomic<bool>& cancel) {
    VoiceMap map;
    if (!aubio().complete)
        return map;
    Aubio a;
    if (!a.pitch || !a.onset)
        return map;
    aubio().aubio_onset_set_minioi_ms(a.onset, 150);
    std::vector<qint64> onsets;
    const std::size_t frames = audio.samples.size() / kFrameSamples;
    map.voiced.reserve(frames);
    for (std::size_t f = 0; f < frames; ++f) {
        if (f % 1000 == 0 && cancel.load(std::memory_order_relaxed))
            return {};
        for (int i = 0; i < kFrameSamples; ++i)
            a.in->data[i] = static_cast<smpl_t>(audio.samples[f * kFrameSamples + i]) / 32768.0F;
        aubio().aubio_pitch_do(a.pitch, a.in, a.out);
        const smpl_t hz = a.out->data[0];
        // A sung or spoken voice: a clear pitch between a low male voice and a high soprano.
        map.voiced.push_back(aubio().aubio_pitch_get_confidence(a.pitch) > 0.8F && hz > 70 &&
                             hz < 1100);
        aubio().aubio_onset_do(a.onset, a.in, a.out);
        if (a.out->data[0] != 0)
            onsets.push_back(static_cast<qint64>(aubio().aubio_onset_get_last_ms(a.onset)));
    }
    // An onset counts as a voice's when most of the next 200 ms is voiced.
    for (const qint64 ms : onsets)
        if (map.voicedShare(ms, ms + 200) >= 0.5)
            map.onsetsMs.push_back(ms);
    return map;
}
