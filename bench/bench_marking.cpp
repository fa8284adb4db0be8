// Mark Line on the real window and libmpv: how long a key press takes to read the position,
// and how far the position a mark records is from the player's own clock at the press.

#include "Bench.h"

#include "playback/MpvPlayer.h"
#include "session/SongPlayback.h"
#include "session/SongSession.h"
#include "storage/Database.h"
#include "storage/DatabaseSchema.h"
#include "window/Controls.h"
#include "window/frmSychLyrics.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {

QElapsedTimer clock_;

// The libmpv player, noting when the window reads the position and what it was before the
// rounding to whole seconds.
class TimedPlayer final : public Mp3Player {
public:
    TimedPlayer() { connect(&m_player, &Mp3Player::SongEnded, this, &Mp3Player::SongEnded); }
    MpvPlayer& inner() { return m_player; }
    qint64 readAtNs = -1;
    double readExact = 0;

    void InitPlayer(std::int16_t mode, quintptr window) override {
        m_player.InitPlayer(mode, window);
    }
    void StartupSetting(std::int16_t value) override { m_player.StartupSetting(value); }
    void LoadSong(const QString& path) override { m_player.LoadSong(path); }
    void PlaySong() override { m_player.PlaySong(); }
    void PauseSong() override { m_player.PauseSong(); }
    void StopSong() override { m_player.StopSong(); }
    std::int32_t GetSongLength() override { return m_player.GetSongLength(); }
    std::int32_t GetPosition() override {
        readExact = m_player.positionSeconds();
        readAtNs = clock_.nsecsElapsed();
        return static_cast<std::int32_t>(std::floor(readExact + 0.005));
    }
    std::int16_t GetPositionMinutes() override { return m_player.GetPositionMinutes(); }
    std::int16_t GetPositionSeconds() override { return m_player.GetPositionSeconds(); }
    void SeekPosition(std::int32_t seconds) override { m_player.SeekPosition(seconds); }
    std::int32_t GetPositionMs() override { return m_player.GetPositionMs(); }
    void SeekPositionMs(std::int32_t ms) override { m_player.SeekPositionMs(ms); }
    void SetSpeed(double speed) override { m_player.SetSpeed(speed); }
    double Speed() const override { return m_player.Speed(); }

private:
    MpvPlayer m_player;
};

// Notes when a key press reaches the application, before any widget sees it, and the
// player's own clock at that moment.
class PressWatch final : public QObject {
public:
    explicit PressWatch(MpvPlayer& player) : m_player(player) {}
    qint64 pressedAtNs = -1;
    double clockAtPress = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && pressedAtNs < 0) {
            pressedAtNs = clock_.nsecsElapsed();
            clockAtPress = m_player.doubleProperty("audio-pts");
        }
        return QObject::eventFilter(watched, event);
    }

private:
    MpvPlayer& m_player;
};

void press(QWidget* button, PressWatch& watch, TimedPlayer& player) {
    watch.pressedAtNs = -1;
    player.readAtNs = -1;
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(button, &down);
    QApplication::sendEvent(button, &up);
}

double percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(std::ceil(share * static_cast<double>(values.size())));
    return values[std::min(values.size() - 1, at == 0 ? 0 : at - 1)];
}

} // namespace

void benchMarking(BenchTargets& targets, const QString& song) {
    clock_.start();
    QTemporaryDir programFolder;
    CreateJukeboxDatabase(DatabasePathIn(programFolder.path()));
    Platform platform;
    auto owned = std::make_unique<TimedPlayer>();
    TimedPlayer& player = *owned;
    platform.player = std::move(owned);
    platform.programFolder = programFolder.path();
    platform.commandLine = song;
    frmSychLyrics window(std::move(platform));
    window.Form_Load();
    SongSession& session = *window.findChild<SongSession*>();
    const WindowControls ui = FindControls(window);
    fillBenchSheet(session.sheet(), 2000);
    window.show();
    PressWatch watch(player.inner());
    qApp->installEventFilter(&watch);
    ui.cmdPlay->click();
    // The player's clock starts with the first audio.
    const QDeadlineTimer deadline(5000);
    while (player.inner().doubleProperty("audio-pts") <= 0.05 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);

    // (b) 100 presses spread over the song, one every 20 ms, the events flowing in between.
    std::vector<double> offsets;
    for (int i = 0; i < 100 && session.playback().isPlaying(); ++i) {
        press(ui.cmdMark, watch, player);
        if (player.readAtNs >= 0)
            offsets.push_back(std::abs(player.readExact - watch.clockAtPress) * 1000);
        const QDeadlineTimer next(20);
        while (!next.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
    }
    // (a) 1 000 presses in a row.
    std::vector<double> latencies;
    for (int i = 0; i < 1000 && session.playback().isPlaying(); ++i) {
        press(ui.cmdMark, watch, player);
        if (player.readAtNs >= 0)
            latencies.push_back(static_cast<double>(player.readAtNs - watch.pressedAtNs) / 1e6);
    }
    qApp->removeEventFilter(&watch);
    ui.cmdStop->click();

    std::printf("\n== Marking (libmpv, audio output null)\n");
    if (latencies.empty() || offsets.empty()) {
        std::printf("    the song ended before the presses were made\n");
        targets.absolute("mark latency, key press to position read (p99)", -1, 1);
        targets.absolute("mark accuracy, recorded vs player clock (worst)", -1, 20);
        return;
    }
    const double latencyMedian = percentile(latencies, 0.5);
    const double latencyP99 = percentile(latencies, 0.99);
    const double offsetMedian = percentile(offsets, 0.5);
    const double offsetWorst = percentile(offsets, 1.0);
    std::printf("Mark latency, %zu presses        median %7.4f ms, p99 %7.4f ms\n",
                latencies.size(), latencyMedian, latencyP99);
    std::printf("Mark accuracy, %zu presses        median %7.2f ms, worst %7.2f ms (position "
                "recorded vs audio-pts at the press)\n",
                offsets.size(), offsetMedian, offsetWorst);
    targets.absolute("mark latency, key press to position read (p99 of " +
                         std::to_string(latencies.size()) + "; median " +
                         std::to_string(latencyMedian).substr(0, 6) + " ms)",
                     latencyP99, 1);
    targets.absolute("mark accuracy, recorded vs player clock (worst of " +
                         std::to_string(offsets.size()) + "; median " +
                         std::to_string(offsetMedian).substr(0, 5) + " ms)",
                     offsetWorst, 20);
}
