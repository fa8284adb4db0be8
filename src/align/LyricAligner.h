#pragma once

#include "align/AlignAudio.h"
#include "align/Timing.h"
#include "align/VoiceMap.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class SpeechDecoder;

// More words than any song holds: past this the lines are spread, not aligned.
inline constexpr int kMostWords = 20000;

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

    // The song to align; false when cancel became true. progress gets 0 to 1.
    bool setSong(AlignAudio audio, const QStringList& lines, const std::atomic<bool>& cancel,
                 const std::function<void(double)>& progress = {});
    // Lets go of the song: nothing to align until the next setSong.
    void forget();
    bool holdsSong() const { return !m_audio.samples.empty(); }
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

    // Suggestions for every line from the voice alone, kept to bound later re-alignments.
    std::vector<Suggestion> suggestFree(const std::atomic<bool>& cancel,
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
