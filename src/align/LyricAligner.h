#pragma once

#include "align/AlignAudio.h"
#include "align/VoiceMap.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class SpeechDecoder;

// A proposed start for one lyric line.
struct Suggestion {
    enum Kind { Aligned, Spread };
    int line = -1; // index in the lyric lines
    qint64 ms = 0;
    double confidence = 0; // 0 to 1; a spread line has none of its own
    Kind kind = Spread;
    friend bool operator==(const Suggestion&, const Suggestion&) = default;
};

// Confident enough to accept with the others at once and to judge a mark by.
inline constexpr double kConfident = 0.6;

// More words than any song holds: past this the lines are spread, not aligned.
inline constexpr int kMostWords = 20000;

// The person's marks: line index to milliseconds. They are never moved.
using Anchors = std::map<int, qint64>;

// Aligns a song's lyric lines to its audio. The lines between two marks (or the song's ends)
// form a stretch: its words are decoded as one grammar in its stretch of audio; a stretch the
// decoder cannot follow is split at an unvoiced gap and its parts aligned; what still fails is
// spread by text length and snapped to a vocal onset. Not thread-safe.
class LyricAligner {
public:
    LyricAligner();
    ~LyricAligner();
    LyricAligner(const LyricAligner&) = delete;
    LyricAligner& operator=(const LyricAligner&) = delete;

    // The song to align; false when cancel became true.
    bool setSong(AlignAudio audio, const QStringList& lines, const std::atomic<bool>& cancel);
    // "" while lines are aligned to the voice, otherwise the fallback in use and why.
    QString fallback() const;
    const VoiceMap& voice() const { return m_voice; }
    qint64 songMs() const { return m_audio.milliseconds(); }

    // Suggestions for every line in [first, last] that is neither an anchor nor blank, in line
    // order, from the stretches that hold them. progress gets 0 to 1. Empty when cancel became
    // true.
    std::vector<Suggestion> suggest(const Anchors& anchors, int first, int last,
                                    const std::atomic<bool>& cancel,
                                    const std::function<void(double)>& progress = {});

    // The fallback alone, whatever the voice: lines spread by text length between the anchors
    // and snapped to vocal onsets. What the aligner is measured against.
    std::vector<Suggestion> spread(const Anchors& anchors, int first, int last);

private:
    struct Stretch;
    std::vector<Suggestion> suggestIn(const Anchors& anchors, int first, int last, bool align,
                                      const std::atomic<bool>& cancel,
                                      const std::function<void(double)>& progress);
    void alignStretch(const Stretch& stretch, int depth, std::vector<Suggestion>& out,
                      const std::atomic<bool>& cancel, const std::function<void(double)>& progress);
    void splitStretch(const Stretch& stretch, int depth, std::vector<Suggestion>& out,
                      const std::atomic<bool>& cancel);
    void spreadStretch(const Stretch& stretch, std::vector<Suggestion>& out) const;
    qint64 firstVoiceMs(qint64 fromMs, qint64 toMs) const;

    std::unique_ptr<SpeechDecoder> m_decoder;
    AlignAudio m_audio;
    VoiceMap m_voice;
    std::vector<QStringList> m_words; // per line, as the decoder knows them
    std::vector<int> m_lengths;       // per line, letters for the spread
    std::vector<bool> m_blank;        // per line: a pause, which is never sung
    int m_englishWords = 0;           // of the words looked at: at most kMostWords
    int m_allWords = 0;
};

// A mark that looks wrong: far from a confident suggestion, or where no voice is heard.
struct TimingFlag {
    int line = -1;
    qint64 markMs = 0;
    qint64 offMs = 0;     // mark minus suggestion: positive when the mark is late; 0 for none
    bool noVoice = false; // no voice in the two seconds from the mark
    QString text() const; // "marked 2.4 s late", "marked where no voice is heard"
};

// Checks marks against suggestions made without them (free suggestions for every line).
std::vector<TimingFlag> CheckTiming(const Anchors& marks, const std::vector<Suggestion>& free,
                                    const VoiceMap& voice);
