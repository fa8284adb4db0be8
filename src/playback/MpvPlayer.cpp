#include "playback/MpvPlayer.h"

#include "core/Failure.h"
#include "core/LateLibrary.h"
#include "core/StartupGate.h"

#include <QByteArray>
#include <QLibrary>
#include <QMetaObject>

#include <mpv/client.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <utility>
#include <vector>

// libmpv and the two hundred libraries it needs take several times longer to load than the
// whole window takes to show, so it is loaded when the player starts, beside the window,
// rather than linked.
struct MpvPlayer::Api {
    decltype(&::mpv_create) create = nullptr;
    decltype(&::mpv_set_option_string) setOptionString = nullptr;
    decltype(&::mpv_initialize) initialize = nullptr;
    decltype(&::mpv_terminate_destroy) terminateDestroy = nullptr;
    decltype(&::mpv_set_wakeup_callback) setWakeupCallback = nullptr;
    decltype(&::mpv_command) command = nullptr;
    decltype(&::mpv_set_property_string) setPropertyString = nullptr;
    decltype(&::mpv_get_property) getProperty = nullptr;
    decltype(&::mpv_wait_event) waitEvent = nullptr;

    // Nothing when the library or one of its functions is missing.
    static const Api* load() {
        static const Api api = [] {
            static LateLibrary library(QStringLiteral("mpv"), MPV_CLIENT_API_VERSION >> 16);
            Api loaded;
            const bool all = library.get(loaded.create, "mpv_create")
                                 .get(loaded.setOptionString, "mpv_set_option_string")
                                 .get(loaded.initialize, "mpv_initialize")
                                 .get(loaded.terminateDestroy, "mpv_terminate_destroy")
                                 .get(loaded.setWakeupCallback, "mpv_set_wakeup_callback")
                                 .get(loaded.command, "mpv_command")
                                 .get(loaded.setPropertyString, "mpv_set_property_string")
                                 .get(loaded.getProperty, "mpv_get_property")
                                 .get(loaded.waitEvent, "mpv_wait_event")
                                 .complete();
            if (!all)
                loaded.create = nullptr;
            return loaded;
        }();
        return api.create ? &api : nullptr;
    }
};

namespace {

std::int32_t clampToInt32(double value) {
    if (!(value > 0))
        return 0;
    if (value > 2147483647.0)
        return 2147483647;
    return static_cast<std::int32_t>(value);
}

} // namespace

MpvPlayer::MpvPlayer(QObject* parent) : Mp3Player(parent) {}

MpvPlayer::~MpvPlayer() {
    if (m_starting.joinable())
        m_starting.join();
    if (m_mpv) {
        m_api->setWakeupCallback(m_mpv, nullptr, nullptr);
        m_api->terminateDestroy(m_mpv);
    }
}

void MpvPlayer::InitPlayer(std::int16_t /*mode*/, quintptr /*windowHandle*/) {
    if (m_mpv || m_startPending || m_starting.joinable())
        return;
    // mpv refuses to start unless numbers are formatted the C way.
    std::setlocale(LC_NUMERIC, "C");
    m_startPending = true;
    // Loading libmpv takes a core and the dynamic loader's lock for a fifth of a second; the
    // first call that needs the player waits for it.
    StartupGate::WhenOpen(this, [this] { launch(); });
}

void MpvPlayer::launch() {
    if (!std::exchange(m_startPending, false))
        return;
    const QByteArray ao = qgetenv("VELMORA_AUDIO_OUTPUT");
    m_starting = std::thread([this, ao, speed = m_speed] { start(ao, speed); });
}

void MpvPlayer::start(const QByteArray& audioOutput, double speed) {
    const Api* api = Api::load();
    mpv_handle* mpv = api ? api->create() : nullptr;
    if (!mpv) {
        m_startFailure = QStringLiteral("The audio player could not be started (libmpv).");
        return;
    }
    const auto setOption = [&](const char* name, const QByteArray& value) {
        api->setOptionString(mpv, name, value.constData());
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
    setOption("ao", audioOutput.isEmpty() ? QByteArray("pipewire,pulse,alsa,null") : audioOutput);

    if (api->initialize(mpv) < 0) {
        api->terminateDestroy(mpv);
        m_startFailure = QStringLiteral("The audio player could not be initialised (libmpv).");
        return;
    }
    // The wake-up callback has the window's thread read both members, and mpv may call it
    // from inside the call that installs it: they are written first, and m_mpv's release
    // publishes m_api with it.
    m_api = api;
    m_mpv.store(mpv, std::memory_order_release);
    api->setWakeupCallback(
        mpv,
        [](void* self) {
            auto* player = static_cast<MpvPlayer*>(self);
            QMetaObject::invokeMethod(
                player, [player] { player->drainEvents(); }, Qt::QueuedConnection);
        },
        this);
}

bool MpvPlayer::ready() {
    launch();
    if (m_starting.joinable())
        m_starting.join();
    if (!m_startFailure.isEmpty())
        throw VersettaError(std::exchange(m_startFailure, QString()));
    return m_mpv != nullptr;
}

void MpvPlayer::StartupSetting(std::int16_t /*value*/) {}

void MpvPlayer::command(std::initializer_list<const char*> args) {
    if (!ready())
        return;
    std::vector<const char*> argv(args);
    argv.push_back(nullptr);
    m_api->command(m_mpv, argv.data());
}

void MpvPlayer::LoadSong(const QString& path) {
    if (!ready())
        return;
    // Loaded paused: playback begins with PlaySong, as the window expects.
    m_api->setPropertyString(m_mpv, "pause", "yes");
    m_pausedSeekTarget.reset();
    m_lengthMs = 0;
    m_stopped = false;
    const QByteArray file = path.toUtf8();
    command({"loadfile", file.constData(), "replace"});
}

void MpvPlayer::PlaySong() {
    m_pausedSeekTarget.reset();
    if (ready())
        m_api->setPropertyString(m_mpv, "pause", "no");
}

void MpvPlayer::PauseSong() {
    if (ready())
        m_api->setPropertyString(m_mpv, "pause", "yes");
}

void MpvPlayer::StopSong() {
    m_pausedSeekTarget.reset();
    m_lengthMs = 0;
    m_stopped = true;
    command({"stop"});
}

double MpvPlayer::doubleProperty(const char* name) {
    double value = 0;
    if (!ready() || m_api->getProperty(m_mpv, name, MPV_FORMAT_DOUBLE, &value) < 0)
        return 0;
    return value;
}

std::int32_t MpvPlayer::GetSongLength() {
    if (m_stopped)
        return 0;
    if (const std::int32_t known = clampToInt32(std::round(doubleProperty("duration") * 1000.0)))
        m_lengthMs = known;
    return m_lengthMs;
}

double MpvPlayer::positionSeconds() {
    // While paused after a seek, mpv reports the target less the audio it has buffered
    // (1.81 for 2); playback resumes at the target, so that is the position to show.
    if (m_pausedSeekTarget)
        return *m_pausedSeekTarget;
    // What is being heard: time-pos moves in steps of the audio mpv decodes ahead, and was
    // measured up to 50 ms away from it.
    double heard = 0;
    if (ready() && m_api->getProperty(m_mpv, "audio-pts", MPV_FORMAT_DOUBLE, &heard) >= 0)
        return heard;
    return doubleProperty("time-pos");
}

std::int32_t MpvPlayer::GetPosition() {
    // Decoding lands a few samples short of an exact seek (1.99995 for 2), so allow 5 ms.
    return clampToInt32(std::floor(positionSeconds() + 0.005));
}

std::int32_t MpvPlayer::GetPositionMs() {
    return clampToInt32(std::round(positionSeconds() * 1000.0));
}

std::int16_t MpvPlayer::GetPositionMinutes() {
    return static_cast<std::int16_t>(std::min(GetPosition() / 60, 32767));
}

std::int16_t MpvPlayer::GetPositionSeconds() {
    return static_cast<std::int16_t>(GetPosition() % 60);
}

void MpvPlayer::SeekPosition(std::int32_t seconds) {
    seekTo(seconds);
}

void MpvPlayer::SeekPositionMs(std::int32_t ms) {
    seekTo(ms / 1000.0);
}

void MpvPlayer::seekTo(double seconds) {
    if (!ready() || doubleProperty("duration") <= 0)
        return;
    const QByteArray target = QByteArray::number(seconds, 'f', 3);
    command({"seek", target.constData(), "absolute+exact"});
    int paused = 0;
    m_api->getProperty(m_mpv, "pause", MPV_FORMAT_FLAG, &paused);
    if (paused)
        m_pausedSeekTarget = std::clamp(seconds, 0.0, doubleProperty("duration"));
}

void MpvPlayer::SetSpeed(double speed) {
    m_speed = speed;
    if (ready())
        m_api->setPropertyString(m_mpv, "speed", QByteArray::number(speed).constData());
}

void MpvPlayer::drainEvents() {
    while (mpv_handle* mpv = m_mpv.load(std::memory_order_acquire)) {
        mpv_event* event = m_api->waitEvent(mpv, 0);
        if (event->event_id == MPV_EVENT_NONE)
            break;
        if (event->event_id == MPV_EVENT_FILE_LOADED)
            GetSongLength(); // known from here on, even if nobody asks before the end
        if (event->event_id == MPV_EVENT_END_FILE) {
            const auto* end = static_cast<mpv_event_end_file*>(event->data);
            if (end->reason == MPV_END_FILE_REASON_EOF)
                emit SongEnded(0);
        }
    }
}
