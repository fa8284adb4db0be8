#include "playback/MpvPlayer.h"

#include "core/Failure.h"

#include <QByteArray>
#include <QMetaObject>

#include <mpv/client.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <vector>

namespace {

void setOption(mpv_handle* mpv, const char* name, const QByteArray& value) {
    mpv_set_option_string(mpv, name, value.constData());
}

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
    if (m_mpv) {
        mpv_set_wakeup_callback(m_mpv, nullptr, nullptr);
        mpv_terminate_destroy(m_mpv);
    }
}

void MpvPlayer::InitPlayer(std::int16_t /*mode*/, quintptr /*windowHandle*/) {
    if (m_mpv)
        return;
    // mpv refuses to start unless numbers are formatted the C way.
    std::setlocale(LC_NUMERIC, "C");
    m_mpv = mpv_create();
    if (!m_mpv)
        throw VersettaError(QStringLiteral("The audio player could not be started (libmpv)."));

    setOption(m_mpv, "vo", "null");
    setOption(m_mpv, "video", "no");
    setOption(m_mpv, "audio-display", "no");
    setOption(m_mpv, "gapless-audio", "no"); // else the end comes about half a second early
    setOption(m_mpv, "hr-seek", "yes");
    setOption(m_mpv, "idle", "yes");
    setOption(m_mpv, "keep-open", "no");
    setOption(m_mpv, "terminal", "no");
    setOption(m_mpv, "input-default-bindings", "no");
    setOption(m_mpv, "config", "no");
    const QByteArray ao = qgetenv("VELMORA_AUDIO_OUTPUT");
    setOption(m_mpv, "ao", ao.isEmpty() ? QByteArray("pipewire,pulse,alsa,null") : ao);

    if (mpv_initialize(m_mpv) < 0) {
        mpv_terminate_destroy(m_mpv);
        m_mpv = nullptr;
        throw VersettaError(QStringLiteral("The audio player could not be initialised (libmpv)."));
    }
    mpv_set_wakeup_callback(
        m_mpv,
        [](void* self) {
            auto* player = static_cast<MpvPlayer*>(self);
            QMetaObject::invokeMethod(
                player, [player] { player->drainEvents(); }, Qt::QueuedConnection);
        },
        this);
}

void MpvPlayer::StartupSetting(std::int16_t /*value*/) {}

void MpvPlayer::command(std::initializer_list<const char*> args) {
    if (!m_mpv)
        return;
    std::vector<const char*> argv(args);
    argv.push_back(nullptr);
    mpv_command(m_mpv, argv.data());
}

void MpvPlayer::LoadSong(const QString& path) {
    if (!m_mpv)
        return;
    // Loaded paused: playback begins with PlaySong, as the window expects.
    mpv_set_property_string(m_mpv, "pause", "yes");
    m_pausedSeekTarget.reset();
    m_lengthMs = 0;
    m_stopped = false;
    const QByteArray file = path.toUtf8();
    command({"loadfile", file.constData(), "replace"});
}

void MpvPlayer::PlaySong() {
    m_pausedSeekTarget.reset();
    if (m_mpv)
        mpv_set_property_string(m_mpv, "pause", "no");
}

void MpvPlayer::PauseSong() {
    if (m_mpv)
        mpv_set_property_string(m_mpv, "pause", "yes");
}

void MpvPlayer::StopSong() {
    m_pausedSeekTarget.reset();
    m_lengthMs = 0;
    m_stopped = true;
    command({"stop"});
}

double MpvPlayer::doubleProperty(const char* name) const {
    double value = 0;
    if (!m_mpv || mpv_get_property(m_mpv, name, MPV_FORMAT_DOUBLE, &value) < 0)
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

std::int32_t MpvPlayer::GetPosition() {
    // While paused after a seek, mpv reports the target less the audio it has buffered
    // (1.81 for 2); playback resumes at the target, so that is the position to show.
    const double position = m_pausedSeekTarget ? *m_pausedSeekTarget : doubleProperty("time-pos");
    // Decoding lands a few samples short of an exact seek (1.99995 for 2), so allow 5 ms.
    return clampToInt32(std::floor(position + 0.005));
}

std::int16_t MpvPlayer::GetPositionMinutes() {
    return static_cast<std::int16_t>(std::min(GetPosition() / 60, 32767));
}

std::int16_t MpvPlayer::GetPositionSeconds() {
    return static_cast<std::int16_t>(GetPosition() % 60);
}

std::int64_t MpvPlayer::GetPositionMs() {
    const double position = m_pausedSeekTarget ? *m_pausedSeekTarget : doubleProperty("time-pos");
    return std::max<std::int64_t>(0, std::llround(std::min(position, 1e12) * 1000));
}

void MpvPlayer::SeekPosition(std::int32_t seconds) {
    if (!m_mpv || doubleProperty("duration") <= 0)
        return;
    const QByteArray target = QByteArray::number(seconds);
    command({"seek", target.constData(), "absolute+exact"});
    int paused = 0;
    mpv_get_property(m_mpv, "pause", MPV_FORMAT_FLAG, &paused);
    if (paused)
        m_pausedSeekTarget =
            std::clamp(static_cast<double>(seconds), 0.0, doubleProperty("duration"));
}

void MpvPlayer::drainEvents() {
    while (m_mpv) {
        mpv_event* event = mpv_wait_event(m_mpv, 0);
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
