#include "media/MediaPlugin.h"

std::unique_ptr<PlayerEngine> MediaPlugin::player(const QByteArray& audioOutput,
                                                  double speed) const {
    return m_media.player(audioOutput, speed);
}

std::unique_ptr<AudioDecoder> MediaPlugin::audioDecoder() const {
    return m_media.audioDecoder();
}

std::unique_ptr<SpeechRecogniser> MediaPlugin::speechRecogniser() const {
    return m_media.speechRecogniser();
}

std::unique_ptr<Phonemizer> MediaPlugin::phonemizer() const {
    return m_media.phonemizer();
}

std::unique_ptr<VoiceDetector> MediaPlugin::voiceDetector() const {
    return m_media.voiceDetector();
}
