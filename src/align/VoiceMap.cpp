#include "align/VoiceMap.h"

#include <algorithm>

double VoiceMap::voicedShare(qint64 fromMs, qint64 toMs) const {
    const auto first = static_cast<qsizetype>(std::max<qint64>(0, fromMs / 10));
    const auto last = std::min(static_cast<qsizetype>(voiced.size()),
                               static_cast<qsizetype>(std::max<qint64>(0, toMs / 10)));
    if (first >= last)
        return 0.0;
    const auto count = std::count(voiced.begin() + first, voiced.begin() + last, true);
    return static_cast<double>(count) / static_cast<double>(last - first);
}

qint64 VoiceMap::nearestOnset(qint64 ms, qint64 withinMs) const {
    const auto after = std::lower_bound(onsetsMs.begin(), onsetsMs.end(), ms);
    qint64 best = -1;
    if (after != onsetsMs.end() && *after - ms <= withinMs)
        best = *after;
    if (after != onsetsMs.begin() && ms - *(after - 1) <= withinMs &&
        (best < 0 || ms - *(after - 1) < best - ms))
        best = *(after - 1);
    return best;
}

VoiceMap MapVoice(VoiceDetector& detector, const AlignAudio& audio,
                  const std::atomic<bool>& cancel) {
    VoiceFrames heard;
    if (!detector.detect(audio.samples.data(), audio.samples.size(), cancel, heard))
        return {};
    VoiceMap map;
    map.voiced = std::move(heard.voiced);
    if (!heard.pitchHz.empty()) {
        const auto middle = heard.pitchHz.begin() + std::ssize(heard.pitchHz) / 2;
        std::nth_element(heard.pitchHz.begin(), middle, heard.pitchHz.end());
        map.pitchHz = *middle;
    }
    // An onset counts as a voice's when most of the next 200 ms is voiced.
    for (const qint64 ms : heard.onsetsMs)
        if (map.voicedShare(ms, ms + 200) >= 0.5)
            map.onsetsMs.push_back(ms);
    return map;
}
