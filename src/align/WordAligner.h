#pragma once

#include "align/AlignAudio.h"
#include "align/VoiceMap.h"

#include <QString>
#include <QtGlobal>

#include <map>
#include <vector>

class Phonemizer;
class SpeechRecogniser;
class VoiceDetector;

// One word of a line as the sheet counts them (WordsOf): a run of characters between blanks, or
// one character of a script written without blanks (Chinese, Japanese kana), with the marks
// after it.
struct LineWord {
    qsizetype start = 0; // in the line's text
    qsizetype length = 0;
    friend bool operator==(const LineWord&, const LineWord&) = default;
};

std::vector<LineWord> LineWords(const QString& line);

// A proposed start for one word of a line.
struct WordSuggestion {
    enum Kind {
        Given,   // marked by hand: kept as it is
        Aligned, // found in the audio by the speech model
        Spread,  // shared out by syllables onto where the voice starts or dips: a guess
    };
    qint64 ms = 0;
    double confidence = 0; // roughly how likely within 0.1 s of the truth; 1 for Given
    Kind kind = Spread;
    friend bool operator==(const WordSuggestion&, const WordSuggestion&) = default;
};

// Word marks by hand: word index (in LineWords) to milliseconds.
using WordMarks = std::map<int, qint64>;

// Times for the words of one line whose start and end are known. Lines in Latin letters are
// aligned by the speech model in the line's window; other lines (or without the model) are spread
// by syllables over the voiced time onto where the voice starts or dips. Marks by hand stay and
// split the line into stretches aligned on their own. endMs < 0: the end of the voice after
// the start. Returns one suggestion per LineWords(line), rising (but for marks by hand that
// do not). Not thread-safe, as the decoder is not.
class WordAligner {
public:
    // audio: the song at 16 kHz as decoded, the band and all (the speech model places words
    // better in it than in the voice brought forward). decoder may be null or without its
    // model: then every line is spread. Words the model lacks are said as the phonemizer (may
    // be null) says them, or spelt. songVoice: the voice map of the whole of audio, when it is
    // kept; without it each line's window is heard anew.
    WordAligner(SpeechRecogniser* decoder, Phonemizer* phonemizer, VoiceDetector& detector,
                const AlignAudio& audio, const VoiceMap* songVoice = nullptr);
    WordAligner(const WordAligner&) = delete; // m_voice may point into it
    WordAligner& operator=(const WordAligner&) = delete;

    std::vector<WordSuggestion> suggest(const QString& line, qint64 startMs, qint64 endMs,
                                        const WordMarks& given = {});

    // Where the voice after fromMs stops for a while: a line's end when no next line is known.
    qint64 voiceEndAfter(qint64 fromMs);

private:
    bool decodable(const QString& line) const;
    void align(const std::vector<QStringList>& modelWords, const std::vector<int>& syllables,
               int from, int to, qint64 fromMs, qint64 toMs, std::vector<WordSuggestion>& out);
    void spread(const std::vector<int>& syllables, int from, int to, qint64 fromMs, qint64 toMs,
                std::vector<WordSuggestion>& out) const;
    void hear(qint64 fromMs, qint64 toMs); // maps the voice around the line
    qint64 lastVoiceBefore(qint64 fromMs, qint64 toMs) const;
    qint64 voiceComingBack(qint64 afterMs, qint64 foundMs) const;
    // Levels in dB every 10 ms from fromMs, each over the 32 ms after its time.
    struct Levels {
        qint64 fromMs = 0;
        std::vector<double> voice; // the voice's band
        std::vector<double> hiss;  // above it
    };
    Levels levels(qint64 fromMs, qint64 toMs) const;
    // Dips of loudness between syllables before toMs: where and how deep (dB).
    std::vector<std::pair<qint64, double>> dips(const Levels& levels, qint64 toMs) const;

    SpeechRecogniser* m_decoder;
    Phonemizer* m_phonemizer;
    VoiceDetector& m_detector;
    const AlignAudio& m_audio;
    const VoiceMap* m_songVoice;
    VoiceMap m_heard;        // around the line at hand, without songVoice
    const VoiceMap* m_voice; // the one in use
};
