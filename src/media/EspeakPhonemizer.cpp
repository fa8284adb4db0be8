#include "media/EspeakPhonemizer.h"

#include <QCoreApplication>

#include <espeak-ng/speak_lib.h>

#include <mutex>

namespace {

std::mutex espeakMutex;

// espeak-ng keeps one global state: set up once, used under the mutex.
bool espeakReady() {
    static const bool ready =
        espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT) >= 0 &&
        espeak_SetVoiceByName("en-us") == EE_OK;
    return ready;
}

} // namespace

QString EspeakPhonemizer::problem() const {
    const std::lock_guard lock(espeakMutex);
    return espeakReady()
               ? QString()
               : QCoreApplication::translate("EspeakPhonemizer",
                                             "espeak-ng's American English voice is not installed");
}

QString EspeakPhonemizer::ipa(const QString& word) {
    const std::lock_guard lock(espeakMutex);
    if (!espeakReady())
        return {};
    const QByteArray text = word.toUtf8();
    const void* cursor = text.constData();
    QString ipa;
    while (cursor) {
        const char* phonemes =
            espeak_TextToPhonemes(&cursor, espeakCHARS_UTF8, espeakPHONEMES_IPA | (' ' << 8));
        if (!phonemes)
            break;
        ipa += QString::fromUtf8(phonemes) + u' ';
    }
    return ipa;
}
