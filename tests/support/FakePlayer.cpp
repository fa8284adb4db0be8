#include "support/FakePlayer.h"

void FakePlayer::InitPlayer(std::int16_t mode, quintptr) {
    calls << QStringLiteral("InitPlayer %1").arg(mode);
}
void FakePlayer::StartupSetting(std::int16_t value) {
    calls << QStringLiteral("StartupSetting %1").arg(value);
}
void FakePlayer::LoadSong(const QString& path) {
    loadedPath = path;
    calls << QStringLiteral("LoadSong ") + path;
}
void FakePlayer::PlaySong() {
    playing = true;
    calls << QStringLiteral("PlaySong");
}
void FakePlayer::PauseSong() {
    playing = false;
    calls << QStringLiteral("PauseSong");
}
void FakePlayer::StopSong() {
    playing = false;
    calls << QStringLiteral("StopSong");
}
std::int16_t FakePlayer::GetPositionMinutes() {
    return static_cast<std::int16_t>(GetPosition() / 60);
}
std::int16_t FakePlayer::GetPositionSeconds() {
    return static_cast<std::int16_t>(GetPosition() % 60);
}
void FakePlayer::SeekPosition(std::int32_t seconds) {
    positionMs = seconds * 1000;
    calls << QStringLiteral("SeekPosition %1").arg(seconds);
}
int FakePlayer::count(const QString& call) const {
    int n = 0;
    for (const QString& c : calls)
        if (c == call || c.startsWith(call + QLatin1Char(' ')))
            ++n;
    return n;
}
