#pragma once

#include "core/MediaServices.h"

// Services that are not there, each saying so with why: "the speech recogniser could not be
// loaded: " followed by why.
class MissingMedia final : public MediaServices {
public:
    explicit MissingMedia(QString why) : m_why(std::move(why)) {}

    std::unique_ptr<PlayerEngine> player(const QByteArray& audioOutput,
                                         double speed) const override;
    std::unique_ptr<AudioDecoder> audioDecoder() const override;
    std::unique_ptr<SpeechRecogniser> speechRecogniser() const override;
    std::unique_ptr<Phonemizer> phonemizer() const override;
    std::unique_ptr<VoiceDetector> voiceDetector() const override;

    // Each service alone, for a provider that lacks only some.
    static std::unique_ptr<PlayerEngine> missingPlayer(const QString& why);
    static std::unique_ptr<AudioDecoder> missingAudioDecoder(const QString& why);
    static std::unique_ptr<SpeechRecogniser> missingSpeechRecogniser(const QString& why);
    static std::unique_ptr<Phonemizer> missingPhonemizer(const QString& why);
    static std::unique_ptr<VoiceDetector> missingVoiceDetector(const QString& why);

private:
    QString m_why;
};
