#pragma once

#include "playback/Mp3Player.h"

#include <QStringList>

// A player whose clock the test sets. Every call is recorded by name ("LoadSong path",
// "PlaySong", "SeekPosition 42") so tests can check what the window asked for.
class FakePlayer final : public Mp3Player {
    Q_OBJECT
public:
    using Mp3Player::Mp3Player;

    void InitPlayer(std::int16_t mode, quintptr windowHandle) override;
    void StartupSetting(std::int16_t value) override;
    void LoadSong(const QString& path) override;
    void PlaySong() override;
    void PauseSong() override;
    void StopSong() override;
    std::int32_t GetSongLength() override { return lengthMs; }
    std::int32_t GetPosition() override { return positionMs / 1000; }
    std::int16_t GetPositionMinutes() override;
    std::int16_t GetPositionSeconds() override;
    void SeekPosition(std::int32_t seconds) override;

    void endSong() { emit SongEnded(0); }
    int count(const QString& call) const;

    QStringList calls;
    std::int32_t lengthMs = 0;
    std::int32_t positionMs = 0;
    QString loadedPath;
    bool playing = false;
};
