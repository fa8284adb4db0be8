#pragma once

#include "align/AlignAudio.h"
#include "core/MediaServices.h"

#include <QtGlobal>

#include <atomic>
#include <vector>

// Where a voice may be heard: a voicing flag per 10 ms frame (a steady pitch in the range of a
// singing voice) and the onsets that start a voiced stretch.
struct VoiceMap {
    std::vector<bool> voiced;
    std::vector<qint64> onsetsMs; // ascending
    double pitchHz = 0;           // the median of the voiced frames'; 0 without any

    bool empty() const { return voiced.empty(); }
    // The share of voiced frames in [fromMs, toMs); 0 outside the song.
    double voicedShare(qint64 fromMs, qint64 toMs) const;
    // Whether [fromMs, toMs) surely holds no voice: not a voiced frame in it, and hardly one
    // for a second on either side, since the map misses soft and breathy voices for moments.
    bool surelySilent(qint64 fromMs, qint64 toMs) const {
        return !empty() && fromMs < static_cast<qint64>(voiced.size()) * 10 &&
               voicedShare(fromMs, toMs) == 0 && voicedShare(fromMs - 1000, toMs + 1000) < 0.02;
    }
    // The onset nearest to ms within withinMs, or -1.
    qint64 nearestOnset(qint64 ms, qint64 withinMs) const;
};

// The detector's frames, with the onsets a voice starts at; empty when cancel became true or the
// detector is missing (its problem() says why).
VoiceMap MapVoice(VoiceDetector& detector, const AlignAudio& audio,
                  const std::atomic<bool>& cancel);
