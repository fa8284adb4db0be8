#pragma once

#include "media/LinkedMedia.h"

#include <QObject>

// The media module as the program loads it (core/MediaModule.h): the linked services behind
// the versioned interface.
class MediaPlugin final : public QObject, public MediaServices {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VelmoraMediaServices_iid)
    Q_INTERFACES(MediaServices)
public:
    std::unique_ptr<PlayerEngine> player(const QByteArray& audioOutput,
                                         double speed) const override;
    std::unique_ptr<AudioDecoder> audioDecoder() const override;
    std::unique_ptr<SpeechRecogniser> speechRecogniser() const override;
    std::unique_ptr<Phonemizer> phonemizer() const override;
    std::unique_ptr<VoiceDetector> voiceDetector() const override;

private:
    LinkedMedia m_media;
};
