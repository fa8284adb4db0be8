#pragma once

#include <QObject>
#include <QString>

#include <cstdint>

// What the window needs of an MP3 player. There is one player (number 0), so the number is
// not passed. Results the window ignores are not returned.
class Mp3Player : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Mp3Player() override = default;

    virtual void InitPlayer(std::int16_t mode, quintptr windowHandle) = 0;
    virtual void StartupSetting(std::int16_t value) = 0;
    virtual void LoadSong(const QString& path) = 0;
    virtual void PlaySong() = 0;
    virtual void PauseSong() = 0;
    virtual void StopSong() = 0;
    virtual std::int32_t GetSongLength() = 0;      // milliseconds; 0 when nothing is loaded
    virtual std::int32_t GetPosition() = 0;        // elapsed whole seconds
    virtual std::int16_t GetPositionMinutes() = 0; // minutes of the elapsed time
    virtual std::int16_t GetPositionSeconds() = 0; // seconds within that minute
    // Elapsed milliseconds, for marks finer than a second.
    virtual std::int64_t GetPositionMs() { return std::int64_t{GetPosition()} * 1000; }
    virtual void SeekPosition(std::int32_t seconds) = 0;

signals:
    // The loaded song played to its end (not raised by StopSong or a failed load).
    void SongEnded(int reason);
};
