#pragma once

#include "playback/Mp3Player.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

class PlayerEngine;

// The player on the media module's engine (libmpv), started on a thread of its own once the
// window has been painted. Events are drained on the GUI thread; the engine's thread only
// queues a wake-up. The audio output comes from VELMORA_AUDIO_OUTPUT when set ("null" on
// machines without sound), otherwise the usual outputs are tried in turn.
class MpvPlayer final : public Mp3Player {
    Q_OBJECT
public:
    explicit MpvPlayer(QObject* parent = nullptr);
    ~MpvPlayer() override;

    void InitPlayer(std::int16_t mode, quintptr windowHandle) override;
    void StartupSetting(std::int16_t value) override;
    void LoadSong(const QString& path) override;
    void PlaySong() override;
    void PauseSong() override;
    void StopSong() override;
    std::int32_t GetSongLength() override;
    std::int32_t GetPosition() override;
    std::int16_t GetPositionMinutes() override;
    std::int16_t GetPositionSeconds() override;
    void SeekPosition(std::int32_t seconds) override;
    std::int32_t GetPositionMs() override;
    void SeekPositionMs(std::int32_t ms) override;
    void SetSpeed(double speed) override;
    double Speed() const override { return m_speed; }
    // The elapsed time GetPosition rounds down to whole seconds.
    double positionSeconds();
    // One of mpv's number properties ("audio-pts"), 0 when it has none; for measurements.
    double doubleProperty(const char* name);

private:
    // Starts m_starting, which loads the media module and starts the engine.
    void launch();
    void start(const QByteArray& audioOutput, double speed);
    // Waits for the engine to finish starting; false, with the reason thrown once, when it
    // failed.
    bool ready();
    void drainEvents();
    void seekTo(double seconds);

    // Set by m_starting; read on the window's thread after ready() has joined it, or by
    // drainEvents, which the wake-up can queue before that.
    std::unique_ptr<PlayerEngine> m_engine;
    std::atomic<PlayerEngine*> m_live = nullptr;
    // The engine starts on this thread, so the window shows without waiting for it.
    std::thread m_starting;
    bool m_startPending = false;
    QString m_startFailure;
    std::optional<double> m_pausedSeekTarget;
    // A seek asked for while the song was loading, made once it has loaded.
    std::optional<double> m_loadSeekTarget;
    // The last seek made, until mpv reports a position that has reached it.
    struct SeekLanding {
        double target = 0;
        QElapsedTimer since;
    };
    std::optional<SeekLanding> m_seekLanding;
    bool m_loading = false;
    // mpv unloads a song at its end; its length is still the loaded song's until the next
    // LoadSong or StopSong.
    std::int32_t m_lengthMs = 0;
    bool m_stopped = false;
    double m_speed = 1; // mpv keeps it across songs too; kept here for a player not yet started
};
