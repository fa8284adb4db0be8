#include "playback/MpvPlayer.h"

#include "core/Failure.h"
#include "core/MediaServices.h"
#include "core/StartupGate.h"

#include <QByteArray>
#include <QMetaObject>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <utility>

namespace {

// Longer than mpv takes to land a seek, even on a busy machine.
constexpr qint64 kSeekLandingMs = 3000;

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
}

void MpvPlayer::InitPlayer(std::int16_t /*mode*/, quintptr /*windowHandle*/) {
    if (m_live || m_startPending || m_starting.joinable())
        return;
    // mpv refuses to start unless numbers are formatted the C way; set here, on the window's
    // thread, before any other thread could be reading the locale.
    std::setlocale(LC_NUMERIC, "C");
    m_startPending = true;
    // Loading the media module and libmpv takes a core and the dynamic loader's lock for a fifth of
    // a second; the first call that needs the player waits for it.
    StartupGate::WhenOpen(this, [this] { launch(); });
}

void MpvPlayer::launch() {
    if (!std::exchange(m_startPending, false))
        return;
    const QByteArray ao = qgetenv("VELMORA_AUDIO_OUTPUT");
    m_starting = std::thread([this, ao, speed = m_speed] { start(ao, speed); });
}

void MpvPlayer::start(const QByteArray& audioOutput, double speed) {
    std::unique_ptr<PlayerEngine> engine = Media().player(audioOutput, speed);
    if (QString problem = engine->problem(); !problem.isEmpty()) {
        problem[0] = problem[0].toUpper();
        m_startFailure = problem + u'.';
        return;
    }
    // The wake-up has the window's thread read the engine, and may come from inside the call
    // that installs it: the engine is published first.
    m_engine = std::move(engine);
    m_live.store(m_engine.get(), std::memory_order_release);
    m_engine->setWakeup([this] {
        QMetaObject::invokeMethod(
            this, [this] { drainEvents(); }, Qt::QueuedConnection);
    });
}

bool MpvPlayer::ready() {
    launch();
    if (m_starting.joinable())
        m_starting.join();
    if (!m_startFailure.isEmpty())
        throw VersettaError(std::exchange(m_startFailure, QString()));
    return m_live != nullptr;
}

void MpvPlayer::StartupSetting(std::int16_t /*value*/) {}

void MpvPlayer::LoadSong(const QString& path) {
    if (!ready())
        return;
    // Loaded paused: playback begins with PlaySong, as the window expects.
    m_pausedSeekTarget.reset();
    m_loadSeekTarget.reset();
    m_seekLanding.reset();
    m_lengthMs = 0;
    m_stopped = false;
    m_loading = true;
    m_engine->load(path);
}

void MpvPlayer::PlaySong() {
    m_pausedSeekTarget.reset();
    if (ready())
        m_engine->setPaused(false);
}

void MpvPlayer::PauseSong() {
    if (ready())
        m_engine->setPaused(true);
}

void MpvPlayer::StopSong() {
    m_pausedSeekTarget.reset();
    m_loadSeekTarget.reset();
    m_seekLanding.reset();
    m_loading = false;
    m_lengthMs = 0;
    m_stopped = true;
    if (ready())
        m_engine->stop();
}

double MpvPlayer::doubleProperty(const char* name) {
    double value = 0;
    if (!ready() || !m_engine->number(name, value))
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
    // The song may have loaded and started from 0:00 before its wake-up reached this thread:
    // the seek waiting for the load is made first.
    if (m_loadSeekTarget && m_live)
        drainEvents();
    // What is being heard: time-pos moves in steps of the audio mpv decodes ahead, and was
    // measured up to 50 ms away from it.
    double heard = 0;
    if (!(ready() && m_engine->number("audio-pts", heard)))
        heard = doubleProperty("time-pos");
    // Until a seek has landed mpv goes on reporting where the song was (the start, after a
    // load), and a tick then would find the line the song has left: the target is the position
    // meanwhile. Landed once mpv reports a moment the song can have reached from the target; a
    // seek that never lands there (past the end) is let go after a while.
    if (m_seekLanding) {
        const double target = m_seekLanding->target;
        const double playedSince = static_cast<double>(m_seekLanding->since.elapsed()) / 1000.0;
        const bool landed = heard >= target - 0.1 && heard <= target + 0.25 + playedSince * m_speed;
        if (!landed && !m_seekLanding->since.hasExpired(kSeekLandingMs))
            return target;
        m_seekLanding.reset();
    }
    return heard;
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
    if (!ready())
        return;
    m_seekLanding.reset(); // a later seek is the one that counts
    if (doubleProperty("duration") <= 0) {
        // Play from Stop seeks right after the load, before mpv knows the song: the seek
        // waits for it, or playback would start from 0:00.
        if (m_loading)
            m_loadSeekTarget = std::max(0.0, seconds);
        return;
    }
    m_engine->seek(seconds);
    m_seekLanding = SeekLanding{std::clamp(seconds, 0.0, doubleProperty("duration")), {}};
    m_seekLanding->since.start();
    if (m_engine->paused())
        m_pausedSeekTarget = std::clamp(seconds, 0.0, doubleProperty("duration"));
}

void MpvPlayer::SetSpeed(double speed) {
    m_speed = speed;
    if (ready())
        m_engine->setSpeed(speed);
}

void MpvPlayer::drainEvents() {
    PlayerEngine* engine = m_live.load(std::memory_order_acquire);
    if (!engine)
        return;
    for (PlayerEngine::Event event = engine->nextEvent(); event != PlayerEngine::Event::None;
         event = engine->nextEvent()) {
        if (event == PlayerEngine::Event::Loaded) {
            m_loading = false;
            GetSongLength(); // known from here on, even if nobody asks before the end
            if (const std::optional<double> target = std::exchange(m_loadSeekTarget, {}))
                seekTo(*target);
        }
        if (event == PlayerEngine::Event::EndOfFile)
            emit SongEnded(0);
    }
}
