// Start-up to a shown window and peak memory while playing, measured on fresh child
// processes against bare Qt (and libmpv) programs; start-up with a song beside kid3-qt
// through peer-startup.sh when kid3-qt and an X server to run it on can be had.

#include "Bench.h"

#include "storage/Database.h"
#include "storage/DatabaseSchema.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include <id3v2tag.h>
#include <mpegfile.h>
#include <unsynchronizedlyricsframe.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct ChildRun {
    double shownMs = -1; // start to the first "shown" on the child's stdout
    int shownRows = -1;  // the rows of the lyrics list it showed, when it says
    long peakKiB = 0;    // the child's peak resident memory since its exec
    bool exitedWell = false;
};

ChildRun runChild(const std::vector<std::string>& args) {
    ChildRun run;
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return run;
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    QElapsedTimer timer;
    timer.start();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(pipeEnds[1], STDOUT_FILENO);
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    if (pid < 0) {
        ::close(pipeEnds[0]);
        return run;
    }
    std::string said;
    char buffer[256];
    ssize_t got = 0;
    while ((got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
        said.append(buffer, static_cast<std::size_t>(got));
        if (run.shownMs < 0 && said.find("shown") != std::string::npos)
            run.shownMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    }
    const std::size_t shown = said.find("shown ");
    if (shown != std::string::npos)
        run.shownRows = std::atoi(said.c_str() + shown + 6);
    ::close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    // The child's own word; rusage only when it said nothing (it counts the parent's pages).
    const std::size_t peak = said.find("peak ");
    run.peakKiB = peak != std::string::npos ? std::atol(said.c_str() + peak + 5) : usage.ru_maxrss;
    run.exitedWell = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

constexpr int kSongLines = 40;

// A copy of the test song carrying kSongLines lines of lyrics in a USLT frame, as a tag editor
// writes them, alone in a folder of its own (a peer lists the song's folder).
QString songWithTagLyrics(const QString& folder, const QString& song) {
    const QString path = folder + QStringLiteral("/Song.mp3");
    QFile::copy(song, path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QStringList lines;
    for (int i = 1; i <= kSongLines; ++i)
        lines << benchLyric(i);
    TagLib::MPEG::File file(QFile::encodeName(path).constData());
    auto* frame = new TagLib::ID3v2::UnsynchronizedLyricsFrame(TagLib::String::UTF8);
    frame->setLanguage("eng");
    frame->setText(
        TagLib::String(lines.join(QLatin1Char('\n')).toStdString(), TagLib::String::UTF8));
    file.ID3v2Tag(true)->addFrame(frame);
    if (!file.save())
        std::printf("    the song with tag lyrics could not be written: %s\n", qPrintable(path));
    return path;
}

constexpr int kStartupRuns = 15;

struct StartupFigures {
    double bareShown = 1e300;
    double textShown = 1e300;
    double mpvShown = 1e300;
    double programShown = 1e300;
    double songShown = 1e300;
    int songRows = -1;
};

// Alternated, so all see the same state of the machine and of the file cache.
StartupFigures measureStartup(const std::string& folder, const std::string& lyricSongPath) {
    StartupFigures f;
    const auto keepBest = [](double& best, const ChildRun& run) {
        if (run.shownMs >= 0)
            best = std::min(best, run.shownMs);
    };
    for (int i = 0; i < kStartupRuns; ++i) {
        keepBest(f.bareShown, runChild({VELMORA_BENCH_BARE_WINDOW}));
        keepBest(f.textShown, runChild({VELMORA_BENCH_BARE_WINDOW, "text"}));
        keepBest(f.mpvShown, runChild({VELMORA_BENCH_BARE_MPV}));
        keepBest(f.programShown, runChild({VELMORA_BENCH_PROGRAM, folder}));
        const ChildRun withSong = runChild({VELMORA_BENCH_PROGRAM, folder, lyricSongPath});
        keepBest(f.songShown, withSong);
        f.songRows = withSong.shownRows;
    }
    return f;
}

void printStartup(const char* where, const StartupFigures& f) {
    std::printf("Start-up %s: with a song, its lines shown %9.2f ms   bare Qt window of its "
                "size %7.2f ms: %6.2fx   bare Qt + libmpv started %7.2f ms: %5.2fx\n",
                where, f.songShown, f.bareShown, f.songShown / f.bareShown, f.mpvShown,
                f.songShown / f.mpvShown);
    std::printf("    the first paint showed %d rows of the song's %d tag lyric lines\n", f.songRows,
                kSongLines);
    std::printf("    without a song %7.2f ms: %6.2fx the bare window; a bare Qt window with one "
                "line of text %7.2f ms (the font set-up): the program with its song is %5.2fx "
                "that\n",
                f.programShown, f.programShown / f.bareShown, f.textShown,
                f.songShown / f.textShown);
    if (f.songRows != kSongLines)
        std::printf("    the window did not show the song's lines at its first paint\n");
}

// An Xvfb server of the bench's own for the children, none when Xvfb is not installed.
struct XServer {
    QProcess process;
    QString display;

    XServer() {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
            return;
        process.start(QStringLiteral("Xvfb"),
                      {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                       QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                       QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        while (process.waitForReadyRead(5000) && !process.canReadLine()) {
        }
        const QByteArray number = process.readLine().trimmed();
        if (!number.isEmpty())
            display = QStringLiteral(":") + QString::fromLatin1(number);
    }
    ~XServer() {
        process.terminate();
        process.waitForFinished(5000);
    }
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    // Runs measure with the children on this server, as a desktop starts them.
    template <typename Measure> StartupFigures run(Measure measure) {
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        const QByteArray oldDisplay = qgetenv("DISPLAY");
        qputenv("QT_QPA_PLATFORM", "xcb");
        qputenv("DISPLAY", display.toLatin1());
        const StartupFigures figures = measure();
        qputenv("QT_QPA_PLATFORM", platform);
        qputenv("DISPLAY", oldDisplay);
        return figures;
    }
};

// The program and kid3-qt opening the same song, side by side on one X server: the script
// alternates them and prints the best of each and the ratio. Without kid3-qt or Xvfb here the
// figure is left unmeasured, and the script, which installs them, is named instead.
void benchPeer(BenchTargets& targets, const QString& song) {
    const QString script = QStringLiteral(VELMORA_BENCH_PEER_SCRIPT);
    const char* figure = "start-up with a song, to a visible window (X server, polled)";
    const char* peer = "kid3-qt showing the same song";
    std::printf("\n== Start-up beside kid3-qt\n");
    for (const char* tool : {"kid3-qt", "xvfb-run", "xdotool"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            std::printf("%s is not installed: run %s %s (it installs what it needs)\n", tool,
                        qPrintable(script), VELMORA_BENCH_VERSETTA);
            targets.ratio(figure, -1, peer, 1, 0.5);
            return;
        }
    std::fflush(stdout);
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    run.setProcessEnvironment(environment);
    run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    run.start(QStringLiteral("bash"),
              {script, QStringLiteral(VELMORA_BENCH_VERSETTA), song, QStringLiteral("7")});
    run.waitForFinished(10 * 60 * 1000);
    const QString said = QString::fromLocal8Bit(run.readAllStandardOutput());
    std::printf("%s", qPrintable(said));
    const QRegularExpressionMatch best =
        QRegularExpression(QStringLiteral("best: \\S+ ([0-9.]+) ms, kid3-qt ([0-9.]+) ms"))
            .match(said);
    if (!best.hasMatch()) {
        std::printf("    %s did not finish its runs\n", qPrintable(script));
        targets.ratio(figure, -1, peer, 1, 0.5);
        return;
    }
    targets.ratio(figure, best.captured(1).toDouble(), peer, best.captured(2).toDouble(), 0.5);
}

} // namespace

void benchProcesses(BenchTargets& targets, const QString& song) {
    QTemporaryDir programFolder;
    QTemporaryDir songFolder;
    CreateJukeboxDatabase(DatabasePathIn(programFolder.path()));
    const std::string folder = programFolder.path().toStdString();
    const std::string songPath = song.toStdString();
    const QString lyricSong = songWithTagLyrics(songFolder.path(), song);
    const std::string lyricSongPath = lyricSong.toStdString();

    const StartupFigures offscreen = measureStartup(folder, lyricSongPath);
    std::printf("== Processes (best of %d)\n", kStartupRuns);
    printStartup("offscreen", offscreen);
    // Where people see the window: its connection, its fonts and its first frame on a display.
    XServer server;
    const StartupFigures onX = server.display.isEmpty() ? StartupFigures{} : server.run([&] {
        return measureStartup(folder, lyricSongPath);
    });
    if (onX.songShown < 1e300)
        printStartup("on an X server (Xvfb)", onX);
    else
        std::printf("    Xvfb could not be started: the start-up target is read offscreen\n");
    const StartupFigures& judged = onX.songShown < 1e300 ? onX : offscreen;
    // A first paint without the song's lines would be a start-up figure of something else.
    targets.ratio(onX.songShown < 1e300
                      ? "start-up with a song, to the first paint of its lines (X server)"
                      : "start-up with a song, to the first paint of its lines (offscreen)",
                  judged.songRows == kSongLines ? judged.songShown : -1,
                  "bare Qt window of its size", judged.bareShown, 1.8);

    constexpr int memoryRuns = 3;
    std::vector<double> bareKiB;
    std::vector<double> windowlessKiB;
    std::vector<double> programKiB;
    for (int i = 0; i < memoryRuns; ++i) {
        const ChildRun bare = runChild({VELMORA_BENCH_BARE_MPV, songPath, "shown"});
        const ChildRun windowless = runChild({VELMORA_BENCH_BARE_MPV, songPath});
        const ChildRun program = runChild({VELMORA_BENCH_PROGRAM, folder, songPath, "play"});
        if (!bare.exitedWell || !windowless.exitedWell || !program.exitedWell)
            std::printf("    a playing child did not exit cleanly\n");
        bareKiB.push_back(static_cast<double>(bare.peakKiB));
        windowlessKiB.push_back(static_cast<double>(windowless.peakKiB));
        programKiB.push_back(static_cast<double>(program.peakKiB));
    }
    const double bare = median(bareKiB);
    const double windowless = median(windowlessKiB);
    const double program = median(programKiB);
    std::printf("Peak memory playing 2 s        %9.1f MiB  bare Qt + libmpv, a window of its size "
                "shown %5.1f MiB: %6.2fx   no window shown %5.1f MiB: %5.2fx\n",
                program / 1024, bare / 1024, program / bare, windowless / 1024,
                program / windowless);
    targets.ratio("peak memory playing", program / 1024, "bare Qt + libmpv with a window shown",
                  bare / 1024, 1.2, "MiB");
    std::fflush(stdout);
    benchPeer(targets, lyricSong);
}
