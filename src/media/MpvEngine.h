#pragma once

#include "core/MediaServices.h"

struct mpv_handle;

// The player engine on libmpv, started with the options the window's player needs. Events are
// taken on the caller's thread; mpv's own thread only calls the wake-up.
class MpvEngine final : public PlayerEngine {
public:
    MpvEngine(const QByteArray& audioOutput, double speed);
    ~MpvEngine() override;
    MpvEngine(const MpvEngine&) = delete;
    MpvEngine& operator=(const MpvEngine&) = delete;

    QString problem() const override { return m_problem; }
    void setWakeup(std::function<void()> wakeup) override;
    Event nextEvent() override;
    void load(const QString& path) override;
    void setPaused(bool paused) override;
    bool paused() override;
    void stop() override;
    void seek(double seconds) override;
    void setSpeed(double speed) override;
    bool number(const char* name, double& value) override;

private:
    void command(std::initializer_list<const char*> args);

    mpv_handle* m_mpv = nullptr;
    QString m_problem;
    std::function<void()> m_wakeup;
};
