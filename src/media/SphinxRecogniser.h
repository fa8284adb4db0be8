#pragma once

#include "core/MediaServices.h"

#include <QString>

#include <map>
#include <set>
#include <vector>

struct ps_decoder_s;

// Where the speech model lives: VELMORA_SPEECH_MODEL when set (a folder holding the acoustic
// model folder en-us/ and cmudict-en-us.dict), otherwise the one the model's package installs.
QString SpeechModelFolder();

// The speech recogniser on pocketsphinx with its English model.
class SphinxRecogniser final : public SpeechRecogniser {
public:
    SphinxRecogniser();
    ~SphinxRecogniser() override;
    SphinxRecogniser(const SphinxRecogniser&) = delete;
    SphinxRecogniser& operator=(const SphinxRecogniser&) = delete;

    QString problem() const override { return m_problem; }
    bool knows(const QString& word) const override;
    bool addWord(const QString& word, const QString& phones) override;
    void setWarp(double factor) override;
    Decoded align(const std::int16_t* samples, std::size_t count, const QStringList& words,
                  const std::atomic<bool>& cancel,
                  const std::function<void(double)>& progress) override;

    Decoded alignLine(const std::int16_t* samples, std::size_t count, const QStringList& words,
                      const std::atomic<bool>& cancel) override;

private:
    Decoded decode(ps_decoder_s* ps, const std::int16_t* samples, std::size_t count,
                   const QStringList& words, const std::atomic<bool>& cancel,
                   const std::function<void(double)>& progress);
    void startMeanFrom(ps_decoder_s* ps, const std::int16_t* samples, std::size_t count);

    ps_decoder_s* m_ps = nullptr;
    ps_decoder_s* m_linePs = nullptr; // coarse, for one line's words; loaded when first asked
    std::set<QByteArray> m_lineWords; // the words copied into it
    QByteArray m_hmm;
    QByteArray m_dict;
    double m_warp = 1.0;
    std::map<QByteArray, QByteArray> m_added; // words and their phones
    QString m_problem;
    std::vector<float> m_initialMean; // the model's own loudness normalisation
};
