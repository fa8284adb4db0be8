#pragma once

#include "playback/Mp3Player.h"

#include <QStringList>

#include <algorithm>

// A player whose clock the test sets. Every call is recorded by name ("LoadSong path",
// "SeekPosition 42") so tests can check what the window asked for.
class FakePlayer final : public Mp3Player {
    Q_OBJECT
public:
    void InitPlayer(std::int16_t mode, quintptr) override { record("InitPlayer", mode); }
    void StartupSetting(std::int16_t value) override { record("StartupSetting", value); }
    void LoadSong(const QString& path) override { record("LoadSong", loadedPath = path); }
    void PlaySong() override { record("PlaySong", playing = true); }
    void PauseSong() override { record("PauseSong", playing = false); }
    void StopSong() override { record("StopSong", playing = false); }
    std::int32_t GetSongLength() override { return lengthMs; }
    std::int32_t GetPosition() override { return positionMs / 1000; }
    std::int16_t GetPositionMinutes() override { return std::int16_t(GetPosition() / 60); }
    std::int16_t GetPositionSeconds() override { return std::int16_t(GetPosition() % 60); }
    std::int64_t GetPositionMs() override { return positionMs; }
    void SeekPosition(std::int32_t seconds) override {
        positionMs = seconds * 1000;
        record("SeekPosition", seconds);
    }

    void endSong() { emit SongEnded(0); }
    // How often the call was made, whatever its argument.
    int count(const QString& call) const {
        return int(std::count_if(calls.begin(), calls.end(),
                                 [&](const QString& c) { return c.section(u' ', 0, 0) == call; }));
    }

    QStringList calls;
    std::int32_t lengthMs = 0;
    std::int32_t positionMs = 0;
    QString loadedPath;
    bool playing = false;

private:
    void record(const char* call, const QString& argument) { calls << call + (u' ' + argument); }
    void record(const char* call, int argument) { record(call, QString::number(argument)); }
    void record(const char* call, bool) { calls << QString::fromLatin1(call); }
};
