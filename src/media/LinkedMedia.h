#pragma once

#include "core/MediaServices.h"

// The services on the libraries this module links: the plugin's, and the one the tool, the
// tests and the bench use directly.
class LinkedMedia final : public MediaServices {
public:
    std::unique_ptr<PlayerEngine> player(const QByteArray& audioOutput,
                                         double speed) const override;
    std::unique_ptr<AudioDecoder> audioDecoder() const override;
    std::unique_ptr<SpeechRecogniser> speechRecogniser() const override;
    std::unique_ptr<Phonemizer> phonemizer() const override;
    std::unique_ptr<VoiceDetector> voiceDetector() const override;
};

// A MediaSource for UseMediaSource.
std::unique_ptr<MediaServices> OpenLinkedMedia();
