#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct ps_decoder_s;

// Where the speech model lives: VELMORA_SPEECH_MODEL when set (a folder holding the acoustic
// model folder en-us/ and cmudict-en-us.dict), otherwise the one the model's package installs.
QString SpeechModelFolder();

// One word placed in the audio, in 10 ms frames from the start of the audio given.
struct PlacedWord {
    int word = 0; // its index in the words given
    int startFrame = 0;
    int endFrame = 0;
};

// pocketsphinx with its English model, decoding against a grammar that is exactly the given
// words in order, with silence and noise allowed between any two. Not thread-safe: one user at
// a time.
class SpeechDecoder {
public:
    SpeechDecoder();
    ~SpeechDecoder();
    SpeechDecoder(const SpeechDecoder&) = delete;
    SpeechDecoder& operator=(const SpeechDecoder&) = delete;

    // "" when the model was loaded, otherwise why not.
    const QString& problem() const { return m_problem; }
    bool ready() const { return m_ps != nullptr; }

    // Whether the model's dictionary holds the word.
    bool knows(const QString& word) const;
    // Adds a pronunciation (model phones, blank-separated); false when a phone is unknown.
    bool addWord(const QString& word, const QString& phones);

    // Places words (each known or added) in samples (16 kHz). Empty when no path through the
    // grammar was found or cancel became true. progress gets the share of samples decoded.
    std::vector<PlacedWord> align(const std::int16_t* samples, std::size_t count,
                                  const QStringList& words, const std::atomic<bool>& cancel,
                                  const std::function<void(double)>& progress = {});

private:
    ps_decoder_s* m_ps = nullptr;
    QString m_problem;
};
