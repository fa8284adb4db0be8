#pragma once

#include <QString>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

// A song of any format FFmpeg reads, decoded to 16-bit interleaved samples: the waveform's
// and the aligner's one way in. FFmpeg is loaded when the first song is opened, on the
// thread that opens it, never before the window appears.
class AudioDecoder {
public:
    AudioDecoder();
    ~AudioDecoder();
    AudioDecoder(const AudioDecoder&) = delete;
    AudioDecoder& operator=(const AudioDecoder&) = delete;

    // Opens the first audio stream of the song at path. Empty when it did; otherwise why not,
    // in words a person can act on.
    QString open(const QString& path);

    // How another rate is reached: through a low-pass, or sample by sample (the nearest one),
    // which folds what lies above the new rate's band into it.
    enum class Resampling { BandLimited, NearestSample };
    // The samples decode() hands over: at rate, every channel mixed into one when mono. Without
    // a call, the stream's own rate and channels.
    void convertTo(int rate, bool mono, Resampling resampling = Resampling::BandLimited);
    // The rate and channels of the samples decode() hands over, once open.
    int rate() const;
    int channels() const;

    // Takes count values (frames times channels); false once it wants no more.
    using Sink = std::function<bool(const std::int16_t* samples, std::size_t count)>;
    enum class Ended { AtEnd, BySink, Cancelled };
    // Decodes the opened song from its start into sink. cancel is looked at between reads; a
    // damaged packet is passed over, so what was decoded around it is still the song.
    Ended decode(const std::atomic<bool>& cancel, const Sink& sink);

private:
    struct Song;
    std::unique_ptr<Song> m_song;
};
