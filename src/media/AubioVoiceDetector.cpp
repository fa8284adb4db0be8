#include "media/AubioVoiceDetector.h"

#include <aubio/aubio.h>

namespace {

struct Aubio {
    fvec_t* in = new_fvec(kSpeechFrameSamples);
    fvec_t* out = new_fvec(1);
    aubio_pitch_t* pitch = new_aubio_pitch("yinfast", 1024, kSpeechFrameSamples, kSpeechRate);
    aubio_onset_t* onset = new_aubio_onset("specflux", 1024, kSpeechFrameSamples, kSpeechRate);
    Aubio() = default;
    Aubio(const Aubio&) = delete;
    Aubio& operator=(const Aubio&) = delete;
    ~Aubio() {
        if (onset)
            del_aubio_onset(onset);
        if (pitch)
            del_aubio_pitch(pitch);
        del_fvec(out);
        del_fvec(in);
    }
};

} // namespace

bool AubioVoiceDetector::detect(const std::int16_t* samples, std::size_t count,
                                const std::atomic<bool>& cancel, VoiceFrames& found) {
    found = {};
    Aubio a;
    if (!a.pitch || !a.onset)
        return false;
    aubio_onset_set_minioi_ms(a.onset, 150);
    const std::size_t frames = count / kSpeechFrameSamples;
    found.voiced.reserve(frames);
    for (std::size_t f = 0; f < frames; ++f) {
        if (f % 1000 == 0 && cancel.load(std::memory_order_relaxed))
            return false;
        for (int i = 0; i < kSpeechFrameSamples; ++i)
            a.in->data[i] = static_cast<smpl_t>(samples[f * kSpeechFrameSamples + i]) / 32768.0F;
        aubio_pitch_do(a.pitch, a.in, a.out);
        const smpl_t hz = a.out->data[0];
        const bool voiced = aubio_pitch_get_confidence(a.pitch) > 0.8F && hz > 70 && hz < 1100;
        found.voiced.push_back(voiced);
        if (voiced)
            found.pitchHz.push_back(hz);
        aubio_onset_do(a.onset, a.in, a.out);
        if (a.out->data[0] != 0)
            found.onsetsMs.push_back(static_cast<qint64>(aubio_onset_get_last_ms(a.onset)));
    }
    return true;
}
