#pragma once

#include "core/MediaServices.h"

// Pitch and onsets from aubio: a frame is voiced where its pitch is clear and in the range of a
// voice, from a low male voice to a high soprano.
class AubioVoiceDetector final : public VoiceDetector {
public:
    QString problem() const override { return {}; }
    bool detect(const std::int16_t* samples, std::size_t count, const std::atomic<bool>& cancel,
                VoiceFrames& frames) override;
};
