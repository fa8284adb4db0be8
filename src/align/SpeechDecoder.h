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
    int score = 0; // the acoustic score of its frames, in the decoder's log units
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

    struct Decoded {
        std::vector<PlacedWord> words; // in order; the grammar's words up to where it got
        bool complete = false;         // every word of the grammar found
    };
    // Places words (each known or added) in samples (16 kHz): the best path to the end of the
    // samples, which may stop short of the last words. Nothing when cancel became true.
    // progress gets the share of samples decoded.
    Decoded align(const std::int16_t* samples, std::size_t count, const QStringList& words,
                  const std::atomic<bool>& cancel,
                  const std::function<void(double)>& progress = {});

private:
    ps_decoder_s* m_ps = nullptr;
    QString m_problem;
    std::vector<float> m_initialMean; // the loudness normalisation as the model starts it
};
