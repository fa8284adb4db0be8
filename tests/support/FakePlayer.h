#pragma once

#include "playback/Mp3Player.h"

#include <QStringList>

#include <algorithm>
#include <stdexcept>
#include <string>

// A player whose clock the test sets. Every call is recorded by name ("LoadSong path",
// "SeekPosition 42") so tests can check what the window asked for.
class FakePlayer final : public Mp3Player {
    Q_OBJECT
public:
    void InitPlayer(std::int16_t mode, quintptr) override { record("InitPlayer", mode); }
    void StartupSetting(std::int16_t value) override { record("StartupSetting", value); }
    void LoadSong(const QString& path) override { record("LoadSong", loadedPath = path); }
    void PlaySong() override {
        if (!failure.empty())
            throw std::runtime_error(failure);
        record("PlaySong", playing = true);
    }
    void PauseSong() override { record("PauseSong", playing = false); }
    void StopSong() override { record("StopSong", playing = false); }
    std::int32_t GetSongLength() override { return lengthMs; }
    std::int32_t GetPosition() override { return positionMs / 1000; }
    std::int16_t GetPositionMinutes() override { return std::int16_t(GetPosition() / 60); }
    std::int16_t GetPositionSeconds() override { return std::int16_t(GetPosition() % 60); }
    void SeekPosition(std::int32_t seconds) override {
        positionMs = seconds * 1000;
        record("SeekPosition", seconds);
    }
    std::int32_t GetPositionMs() override { return positionMs; }
    void SeekPositionMs(std::int32_t ms) override { record("SeekPositionMs", positionMs = ms); }
    // Kept across Stop and songs, as the real player keeps it.
    void SetSpeed(double value) override {
        calls << QStringLiteral("SetSpeed ") + QString::number(speed = value);
    }
    double Speed() const override { return speed; }

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
    double speed = 1;
    std::string failure; // PlaySong throws it, as a library might

private:
    void record(const char* call, const QString& argument) { calls << call + (u' ' + argument); }
    void record(const char* call, int argument) { record(call, QString::number(argument)); }
    void record(const char* call, bool) { calls << QString::fromLatin1(call); }
};
