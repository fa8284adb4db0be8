// Marking while the suggested times are worked out: the real window and libmpv on a generated
// four-minute song with 48 unmarked lines. Key presses come from another thread, as a desktop's
// do, so a window that is busy leaves them waiting: the figures are the tick's longest gap, the
// time from a press to the position read, and from a mark to its neighbours' new suggestions.

#include "Bench.h"

#include "playback/MpvPlayer.h"
#include "session/SongSession.h"
#include "session/SongSuggestions.h"
#include "storage/DatabaseSchema.h"
#include "window/Controls.h"
#include "window/frmSychLyrics.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QInputDevice>
#include <QKeyEvent>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <thread>

namespace {

QElapsedTimer clock_;

// The libmpv player, noting when the window reads the position for a mark.
class ReadingPlayer final : public Mp3Player {
public:
    ReadingPlayer() { connect(&m_player, &Mp3Player::SongEnded, this, &Mp3Player::SongEnded); }
    std::atomic<qint64> readAtNs{-1};

    void InitPlayer(std::int16_t mode, quintptr window) override {
        m_player.InitPlayer(mode, window);
    }
    void StartupSetting(std::int16_t value) override { m_player.StartupSetting(value); }
    void LoadSong(const QString& path) override { m_player.LoadSong(path); }
    void PlaySong() override { m_player.PlaySong(); }
    void PauseSong() override { m_player.PauseSong(); }
    void StopSong() override { m_player.StopSong(); }
    std::int32_t GetSongLength() override { return m_player.GetSongLength(); }
    std::int32_t GetPosition() override { return m_player.GetPosition(); }
    std::int16_t GetPositionMinutes() override { return m_player.GetPositionMinutes(); }
    std::int16_t GetPositionSeconds() override { return m_player.GetPositionSeconds(); }
    void SeekPosition(std::int32_t seconds) override { m_player.SeekPosition(seconds); }
    std::int32_t GetPositionMs() override {
        readAtNs = clock_.nsecsElapsed();
        return m_player.GetPositionMs();
    }
    void SeekPositionMs(std::int32_t ms) override { m_player.SeekPositionMs(ms); }
    void SetSpeed(double speed) override { m_player.SetSpeed(speed); }
    double Speed() const override { return m_player.Speed(); }

private:
    MpvPlayer m_player;
};

double percentile(std::vector<double> values, double share) {
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(std::ceil(share * static_cast<double>(values.size())));
    return values[std::min(values.size() - 1, at == 0 ? 0 : at - 1)];
}

// Lets the window run for ms in an event loop of its own, which sleeps between events as the
// program's does: a loop that polled would keep the window's thread busy, and the scheduler
// would then make it take turns with the analysis as it never does in the program.
void run(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Space on Mark Line from another thread; answers press-to-read in milliseconds.
double press(QWidget* button, ReadingPlayer& player) {
    player.readAtNs = -1;
    qint64 postedAt = 0;
    // A key event made first on another thread would make Qt's keyboard device there, as a
    // child of the application on the wrong thread.
    QInputDevice::primaryKeyboard();
    std::thread desktop([&] {
        postedAt = clock_.nsecsElapsed();
        QCoreApplication::postEvent(
            button, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " "));
        QCoreApplication::postEvent(
            button, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " "));
    });
    desktop.join();
    const QDeadlineTimer deadline(10000);
    while (player.readAtNs < 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return static_cast<double>(player.readAtNs - postedAt) / 1e6;
}

} // namespace

void benchAnalysisWindow(BenchTargets& targets) {
    std::printf("\n== Marking while the suggested times are worked out (libmpv, audio output "
                "null, a 4-minute song of 48 lines)\n");
    const QString folder = QDir::currentPath() + "/analysis-window-song";
    if (!QFileInfo::exists(folder + "/seed5_+0dB/Song.mp3")) {
        QProcess make;
        make.start("/usr/bin/python3", {VELMORA_BENCH_ALIGN_SONGS, folder, "--seeds", "5",
                                        "--ratios", "0", "--lines", "48"});
        make.waitForFinished(-1);
    }
    QTemporaryDir program;
    for (const char* name : {"Song.mp3", "Song.xml"})
        QFile::copy(folder + "/seed5_+0dB/" + name, program.filePath(name));
    CreateJukeboxDatabase(JukeboxDatabaseFileFor(program.path()));
    clock_.start();
    Platform platform;
    auto owned = std::make_unique<ReadingPlayer>();
    ReadingPlayer& player = *owned;
    platform.player = std::move(owned);
    platform.programFolder = program.path();
    platform.settingsFile = program.filePath("settings.ini");
    platform.commandLine = program.filePath("Song.mp3");
    frmSychLyrics window(std::move(platform));
    window.Form_Load();
    window.show();
    const WindowControls ui = FindControls(window);
    auto* suggestions = window.findChild<SongSuggestions*>();
    std::vector<qint64> ticks;
    QObject::connect(ui.displayTimer, &QTimer::timeout, &window,
                     [&] { ticks.push_back(clock_.elapsed()); });
    ui.cmdPlay->click();
    run(1000);

    // During the analysis: a press every 600 ms.
    std::vector<double> latencies;
    int during = 0;
    for (int i = 0; i < 20 && suggestions->running(); ++i, ++during) {
        latencies.push_back(press(ui.cmdMark, player));
        run(600);
    }
    while (suggestions->running())
        run(50);
    // After it: a press every 1.5 s, and how long its neighbours wait for new suggestions.
    std::vector<double> realigned;
    for (int i = 0; i < 10; ++i) {
        latencies.push_back(press(ui.cmdMark, player));
        QElapsedTimer waited;
        waited.start();
        run(20);
        while (suggestions->running())
            run(5);
        realigned.push_back(static_cast<double>(waited.elapsed()));
        run(std::max(0, 1500 - static_cast<int>(waited.elapsed())));
    }
    ui.cmdStop->click();
    qint64 longest = 0;
    for (std::size_t i = 1; i < ticks.size(); ++i)
        longest = std::max(longest, ticks[i] - ticks[i - 1]);
    std::printf("%d presses during the analysis, %zu after it; ticks %zu, longest gap %lld ms\n",
                during, latencies.size() - static_cast<std::size_t>(during), ticks.size(),
                static_cast<long long>(longest));
    std::printf("press to position read: median %.3f ms, p99 %.3f ms; a mark's new suggestions: "
                "median %.0f ms, worst %.0f ms\n",
                percentile(latencies, 0.5), percentile(latencies, 0.99), percentile(realigned, 0.5),
                percentile(realigned, 1.0));
    targets.absolute("tick during the analysis and marks, longest gap", double(longest), 150);
    targets.absolute("mark during the analysis, press to position read (p99)",
                     percentile(latencies, 0.99), 1);
    targets.absolute("suggestions after a mark (worst)", percentile(realigned, 1.0), 2000);
}
