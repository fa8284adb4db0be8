#include "media/MpvEngine.h"

#include <QCoreApplication>

#include <mpv/client.h>

#include <clocale>
#include <cstring>
#include <utility>
#include <vector>

MpvEngine::MpvEngine(const QByteArray& audioOutput, double speed) {
    // mpv refuses to start unless numbers are formatted the C way. The program's player sets it
    // on its own thread first; changing it here would race with that thread.
    if (std::strcmp(std::setlocale(LC_NUMERIC, nullptr), "C") != 0)
        std::setlocale(LC_NUMERIC, "C");
    m_mpv = mpv_create();
    if (!m_mpv) {
        m_problem = QCoreApplication::translate("MpvEngine",
                                                "the audio player could not be started (libmpv)");
        return;
    }
    const auto setOption = [this](const char* name, const QByteArray& value) {
        mpv_set_option_string(m_mpv, name, value.constData());
    };
    setOption("vo", "null");
    setOption("video", "no");
    setOption("audio-display", "no");
    setOption("gapless-audio", "no"); // else the end comes about half a second early
    setOption("hr-seek", "yes");
    setOption("audio-pitch-correction", "yes"); // slower marking keeps the voice's pitch
    setOption("speed", QByteArray::number(speed));
    setOption("idle", "yes");
    setOption("keep-open", "no");
    setOption("terminal", "no");
    setOption("input-default-bindings", "no");
    setOption("config", "no");
    // None of the player's scripts serves a song file: each is a Lua state on a thread of its
    // own, and the network fetcher would run a downloader for a name that looks like an address.
    for (const char* script :
         {"load-scripts", "ytdl", "load-stats-overlay", "load-osd-console", "load-auto-profiles"})
        setOption(script, "no");
    setOption("ao", audioOutput.isEmpty() ? QByteArray("pipewire,pulse,alsa,null") : audioOutput);
    if (mpv_initialize(m_mpv) < 0) {
        mpv_terminate_destroy(std::exchange(m_mpv, nullptr));
        m_problem = QCoreApplication::translate(
            "MpvEngine", "the audio player could not be initialised (libmpv)");
    }
}

MpvEngine::~MpvEngine() {
    if (!m_mpv)
        return;
    mpv_set_wakeup_callback(m_mpv, nullptr, nullptr);
    mpv_terminate_destroy(m_mpv);
}

void MpvEngine::setWakeup(std::function<void()> wakeup) {
    if (!m_mpv)
        return;
    // mpv may call it from inside the call that installs it: it is in place first.
    m_wakeup = std::move(wakeup);
    mpv_set_wakeup_callback(
        m_mpv, [](void* self) { static_cast<MpvEngine*>(self)->m_wakeup(); }, this);
}

PlayerEngine::Event MpvEngine::nextEvent() {
    if (!m_mpv)
        return Event::None;
    const mpv_event* event = mpv_wait_event(m_mpv, 0);
    switch (event->event_id) {
    case MPV_EVENT_NONE:
        return Event::None;
    case MPV_EVENT_FILE_LOADED:
        return Event::Loaded;
    case MPV_EVENT_END_FILE:
        return static_cast<const mpv_event_end_file*>(event->data)->reason ==
                       MPV_END_FILE_REASON_EOF
                   ? Event::EndOfFile
                   : Event::Other;
    default:
        return Event::Other;
    }
}

void MpvEngine::command(std::initializer_list<const char*> args) {
    if (!m_mpv)
        return;
    std::vector<const char*> argv(args);
    argv.push_back(nullptr);
    mpv_command(m_mpv, argv.data());
}

void MpvEngine::load(const QString& path) {
    if (!m_mpv)
        return;
    // Loaded paused: playback begins with setPaused(false).
    mpv_set_property_string(m_mpv, "pause", "yes");
    const QByteArray file = path.toUtf8();
    command({"loadfile", file.constData(), "replace"});
}

void MpvEngine::setPaused(bool paused) {
    if (m_mpv)
        mpv_set_property_string(m_mpv, "pause", paused ? "yes" : "no");
}

bool MpvEngine::paused() {
    int paused = 0;
    if (m_mpv)
        mpv_get_property(m_mpv, "pause", MPV_FORMAT_FLAG, &paused);
    return paused != 0;
}

void MpvEngine::stop() {
    command({"stop"});
}

void MpvEngine::seek(double seconds) {
    const QByteArray target = QByteArray::number(seconds, 'f', 3);
    command({"seek", target.constData(), "absolute+exact"});
}

void MpvEngine::setSpeed(double speed) {
    if (m_mpv)
        mpv_set_property_string(m_mpv, "speed", QByteArray::number(speed).constData());
}

bool MpvEngine::number(const char* name, double& value) {
    return m_mpv && mpv_get_property(m_mpv, name, MPV_FORMAT_DOUBLE, &value) >= 0;
}
