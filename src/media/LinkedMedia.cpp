#include "media/LinkedMedia.h"

#include "media/AubioVoiceDetector.h"
#include "media/EspeakPhonemizer.h"
#include "media/FfmpegDecoder.h"
#include "media/MpvEngine.h"
#include "media/SphinxRecogniser.h"

std::unique_ptr<PlayerEngine> LinkedMedia::player(const QByteArray& audioOutput,
                                                  double speed) const {
    return std::make_unique<MpvEngine>(audioOutput, speed);
}

std::unique_ptr<AudioDecoder> LinkedMedia::audioDecoder() const {
    return std::make_unique<FfmpegDecoder>();
}

std::unique_ptr<SpeechRecogniser> LinkedMedia::speechRecogniser() const {
    return std::make_unique<SphinxRecogniser>();
}

std::unique_ptr<Phonemizer> LinkedMedia::phonemizer() const {
    return std::make_unique<EspeakPhonemizer>();
}

std::unique_ptr<VoiceDetector> LinkedMedia::voiceDetector() const {
    return std::make_unique<AubioVoiceDetector>();
}

std::unique_ptr<MediaServices> OpenLinkedMedia() {
    return std::make_unique<LinkedMedia>();
}
