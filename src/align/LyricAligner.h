#pragma once

#include "align/AlignAudio.h"
#include "align/Repetition.h"
#include "align/Timing.h"
#include "align/VoiceMap.h"
#include "align/WordAligner.h"
#include "core/MediaServices.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

// More words than any song holds: past this the lines are spread, not aligned.
inline constexpr int kMostWords = 20000;

// What the decoder showed of one line: what its confidence is made from.
struct LineEvidence {
    int words = 0;          // the line's words the model knows
    int placed = 0;         // of them, placed in the audio
    int together = 0;       // of them, placed close together: the line as sung
    int before = 0;         // the line's words placed before those, apart from them
    bool nextFound = false; // the decoder went on to the next line
    double firstWordSeconds = 0;
    double voiced = 0; // voiced share of the half second from the start
    double pace = 0;   // seconds a syllable over the words found together
    double around = 0; // share of the lines aligned with it that look like this one at its best
    // Found whole: every word, together, and the decoder went on past it.
    bool whole() const { return words > 0 && together == words && before == 0 && nextFound; }
    // Whole, and sung at a pace a voice keeps.
    bool clean() const { return whole() && firstWordSeconds < 0.8 && pace < 0.6; }
};

// How likely a start with this evidence is within a second of the truth. Measured on the hard
// songs the bench makes: where most lines were found whole, a line found whole is right; where
// few were, the decoder had lost the voice, and none is to be trusted.
double ConfidenceOf(const LineEvidence& evidence);

// Aligns a song's lyric lines to its audio. The voice is brought forward first (the steady
// band taken out). The lines between two marks (or the song's ends) form a stretch: its words
// are decoded as one grammar in its stretch of audio, one monotonic path in singing order; a
// line starts where most of its words are found together. Lines without words found are
// spread by syllables between their neighbours and snapped to where a voice starts. Not
// thread-safe.
class LyricAligner {
public:
    // With the media's recogniser, pronouncer and voice detector.
    explicit LyricAligner(const MediaServices& media = Media());
    ~LyricAligner();
    LyricAligner(const LyricAligner&) = delete;
    LyricAligner& operator=(const LyricAligner&) = delete;

    // The song to align; false when cancel became true. progress gets 0 to 1.
    bool setSong(AlignAudio audio, const QStringList& lines, const std::atomic<bool>& cancel,
                 const std::function<void(double)>& progress = {});
    // Lets go of the song: nothing to align until the next setSong.
    void forget();
    bool holdsSong() const { return !m_audio.samples.empty(); }
    // "" while lines are aligned to the voice, otherwise the fallback in use and why.
    QString fallback() const;
    // What the person should know of lines aligned to the voice (with no fallback in use), ""
    // for nothing.
    QString caveat() const;
    const VoiceMap& voice() const { return m_voice; }
    qint64 songMs() const { return m_audio.milliseconds(); }

    // Suggestions for every line from the voice alone, kept as the guide.
    std::vector<Suggestion> suggestFree(const std::atomic<bool>& cancel,
                                        const std::function<void(double)>& progress = {});
    // Where each line is likely sung, to bound later re-alignments by.
    void guide(const std::vector<Suggestion>& suggestions);

    // Suggestions for every line in [first, last] that is neither an anchor nor blank, in line
    // order. Once suggestFree ran, only the audio near those lines is decoded, so a mark in a
    // long unmarked song costs a few lines' worth. progress gets 0 to 1. Empty when cancel
    // became true.
    std::vector<Suggestion> suggest(const Anchors& anchors, int first, int last,
                                    const std::atomic<bool>& cancel,
                                    const std::function<void(double)>& progress = {});

    // The fallback alone, whatever the voice: lines spread by syllables between the anchors
    // and snapped to vocal onsets.
    std::vector<Suggestion> spread(const Anchors& anchors, int first, int last);

    // Times for the words of a line once its start is known and its end (the next line's
    // start; < 0: where the voice after it stops): the marks by hand in given stay, the rest
    // are aligned between them. Cheap: the line's window alone is decoded.
    std::vector<WordSuggestion> suggestWords(const QString& line, qint64 startMs, qint64 endMs,
                                             const WordMarks& given = {});

    // The evidence behind the last suggestions, by line (for measuring the confidence).
    const std::vector<LineEvidence>& evidence() const { return m_evidence; }

private:
    struct Stretch;
    std::vector<Stretch> stretchesFor(const Anchors& anchors, int first, int last) const;
    void alignStretch(const Stretch& stretch, std::vector<Suggestion>& out,
                      const std::atomic<bool>& cancel, const std::function<void(double)>& progress);
    void spreadStretch(const Stretch& stretch, std::vector<Suggestion>& out) const;
    std::vector<Suggestion> inOrder(const Stretch& stretch,
                                    const std::vector<Suggestion>& found) const;
    qint64 firstVoiceMs(qint64 fromMs, qint64 toMs) const;
    // Half the words or more in the model's own dictionary.
    bool english() const { return m_englishWords * 2 >= m_allWords; }
    void rate(std::vector<Suggestion>& out);
    void respreadLost(const Stretch& stretch, std::vector<Suggestion>& out);
    void preferSureGuide(const Anchors& anchors, std::vector<Suggestion>& out) const;
    void applyRepeats(const Anchors& anchors, std::vector<Suggestion>& out) const;
    void applySureRepeats(const Anchors& anchors, std::vector<Suggestion>& out) const;
    void keepSureOrder(const Anchors& anchors, std::vector<Suggestion>& out);
    std::vector<Suggestion> ordered(std::vector<Suggestion> out, const Anchors& anchors, int first,
                                    int last) const;

    std::unique_ptr<SpeechRecogniser> m_decoder;
    std::unique_ptr<Phonemizer> m_phonemizer;
    std::unique_ptr<VoiceDetector> m_voiceDetector;
    AlignAudio m_audio; // the voice brought forward
    AlignAudio m_plain; // as decoded: where words are placed
    VoiceMap m_voice;
    VoiceMap m_plainVoice;            // heard once for every line's word suggestions
    Harmony m_harmony;                // of the song as it is, band and all
    std::vector<int> m_repeatOf;      // per line, the first earlier line with its words; -1
    std::vector<QStringList> m_words; // per line, as the decoder knows them
    std::vector<int> m_syllables;     // per line, for the spread
    std::vector<bool> m_blank;        // per line: a pause, which is never sung
    std::vector<Suggestion> m_guide;  // by line, where it is likely sung; ms -1 for none
    std::vector<LineEvidence> m_evidence;
    // The clean share of the last request that aligned many lines; -1 before the first.
    double m_usualAround = -1;
    int m_englishWords = 0; // of the words looked at: at most kMostWords
    int m_latinWords = 0;   // of all
    int m_allWords = 0;
};
