#include "core/MissingMedia.h"

#include <QCoreApplication>

namespace {

QString because(const char* service, const QString& why) {
    return QCoreApplication::translate("MissingMedia", "%1 could not be loaded: %2")
        .arg(QCoreApplication::translate("MissingMedia", service), why);
}

class NoPlayer final : public PlayerEngine {
public:
    explicit NoPlayer(QString problem) : m_problem(std::move(problem)) {}
    QString problem() const override { return m_problem; }
    void setWakeup(std::function<void()>) override {}
    Event nextEvent() override { return Event::None; }
    void load(const QString&) override {}
    void setPaused(bool) override {}
    bool paused() override { return true; }
    void stop() override {}
    void seek(double) override {}
    void setSpeed(double) override {}
    bool number(const char*, double&) override { return false; }

private:
    QString m_problem;
};

class NoDecoder final : public AudioDecoder {
public:
    explicit NoDecoder(QString problem) : m_problem(std::move(problem)) {}
    QString open(const QString&) override { return m_problem; }
    void convertTo(int, bool, Resampling) override {}
    int rate() const override { return 0; }
    int channels() const override { return 0; }
    Ended decode(const std::atomic<bool>&, const Sink&, const Tap&) override {
        return Ended::AtEnd;
    }

private:
    QString m_problem;
};

class NoRecogniser final : public SpeechRecogniser {
public:
    explicit NoRecogniser(QString problem) : m_problem(std::move(problem)) {}
    QString problem() const override { return m_problem; }
    bool knows(const QString&) const override { return false; }
    bool addWord(const QString&, const QString&) override { return false; }
    Decoded align(const std::int16_t*, std::size_t, const QStringList&, const std::atomic<bool>&,
                  const std::function<void(double)>&) override {
        return {};
    }

private:
    QString m_problem;
};

class NoPhonemizer final : public Phonemizer {
public:
    explicit NoPhonemizer(QString problem) : m_problem(std::move(problem)) {}
    QString problem() const override { return m_problem; }
    QString ipa(const QString&) override { return {}; }

private:
    QString m_problem;
};

class NoVoiceDetector final : public VoiceDetector {
public:
    explicit NoVoiceDetector(QString problem) : m_problem(std::move(problem)) {}
    QString problem() const override { return m_problem; }
    bool detect(const std::int16_t*, std::size_t, const std::atomic<bool>&, VoiceFrames&) override {
        return false;
    }

private:
    QString m_problem;
};

} // namespace

std::unique_ptr<PlayerEngine> MissingMedia::missingPlayer(const QString& why) {
    return std::make_unique<NoPlayer>(
        because(QT_TRANSLATE_NOOP("MissingMedia", "the audio player"), why));
}

std::unique_ptr<AudioDecoder> MissingMedia::missingAudioDecoder(const QString& why) {
    return std::make_unique<NoDecoder>(
        because(QT_TRANSLATE_NOOP("MissingMedia", "the audio decoder"), why));
}

std::unique_ptr<SpeechRecogniser> MissingMedia::missingSpeechRecogniser(const QString& why) {
    return std::make_unique<NoRecogniser>(
        because(QT_TRANSLATE_NOOP("MissingMedia", "the speech recogniser"), why));
}

std::unique_ptr<Phonemizer> MissingMedia::missingPhonemizer(const QString& why) {
    return std::make_unique<NoPhonemizer>(
        because(QT_TRANSLATE_NOOP("MissingMedia", "the word pronouncer"), why));
}

std::unique_ptr<VoiceDetector> MissingMedia::missingVoiceDetector(const QString& why) {
    return std::make_unique<NoVoiceDetector>(
        because(QT_TRANSLATE_NOOP("MissingMedia", "the voice detector"), why));
}

std::unique_ptr<PlayerEngine> MissingMedia::player(const QByteArray&, double) const {
    return missingPlayer(m_why);
}

std::unique_ptr<AudioDecoder> MissingMedia::audioDecoder() const {
    return missingAudioDecoder(m_why);
}

std::unique_ptr<SpeechRecogniser> MissingMedia::speechRecogniser() const {
    return missingSpeechRecogniser(m_why);
}

std::unique_ptr<Phonemizer> MissingMedia::phonemizer() const {
    return missingPhonemizer(m_why);
}

std::unique_ptr<VoiceDetector> MissingMedia::voiceDetector() const {
    return missingVoiceDetector(m_why);
}
