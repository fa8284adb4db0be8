#pragma once

#include "core/MediaServices.h"

#include <QString>

#include <memory>

// The audio decoder on FFmpeg: every format it reads, the song read through its own
// descriptor with its tags hidden from it (media/HiddenMetadata.h).
class FfmpegDecoder final : public AudioDecoder {
public:
    FfmpegDecoder();
    ~FfmpegDecoder() override;
    FfmpegDecoder(const FfmpegDecoder&) = delete;
    FfmpegDecoder& operator=(const FfmpegDecoder&) = delete;

    QString open(const QString& path) override;
    void convertTo(int rate, bool mono, Resampling resampling) override;
    int rate() const override;
    int channels() const override;
    Ended decode(const std::atomic<bool>& cancel, const Sink& sink, const Tap& tap) override;

private:
    struct Song;
    class Ahead;
    std::unique_ptr<Song> m_song;
};
