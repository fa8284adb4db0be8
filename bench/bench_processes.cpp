// Start-up to a shown window and peak memory while playing, measured on fresh child
// processes against bare Qt (and libmpv) programs.

#include "Bench.h"

#include "storage/Database.h"
#include "storage/DatabaseSchema.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

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
    long peakKiB = 0;    // the child's peak resident memory
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
    ::close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    run.peakKiB = usage.ru_maxrss;
    run.exitedWell = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

} // namespace

void benchProcesses(BenchTargets& targets, const QString& song) {
    QTemporaryDir programFolder;
    CreateJukeboxDatabase(DatabasePathIn(programFolder.path()));
    const std::string folder = programFolder.path().toStdString();
    const std::string songPath = song.toStdString();

    // Alternated, so both see the same state of the machine and of the file cache.
    constexpr int runs = 15;
    double bareShown = 1e300;
    double textShown = 1e300;
    double mpvShown = 1e300;
    double programShown = 1e300;
    const auto keepBest = [](double& best, const ChildRun& run) {
        if (run.shownMs >= 0)
            best = std::min(best, run.shownMs);
    };
    for (int i = 0; i < runs; ++i) {
        keepBest(bareShown, runChild({VELMORA_BENCH_BARE_WINDOW}));
        keepBest(textShown, runChild({VELMORA_BENCH_BARE_WINDOW, "text"}));
        keepBest(mpvShown, runChild({VELMORA_BENCH_BARE_MPV}));
        keepBest(programShown, runChild({VELMORA_BENCH_PROGRAM, folder}));
    }
    std::printf("== Processes (best of %d)\n", runs);
    std::printf(
        "Start-up to a shown window     %9.2f ms   bare Qt window of its size %7.2f ms: %6.2fx   "
        "bare Qt + libmpv started %7.2f ms: %5.2fx\n",
        programShown, bareShown, programShown / bareShown, mpvShown, programShown / mpvShown);
    std::printf(
        "    a bare Qt window with one line of text %7.2f ms (the font set-up): the program "
        "is %5.2fx that\n",
        textShown, programShown / textShown);
    targets.ratio("start-up to a shown window", programShown, "bare Qt window of its size",
                  bareShown, 1.5);

    constexpr int memoryRuns = 3;
    std::vector<double> bareKiB;
    std::vector<double> programKiB;
    for (int i = 0; i < memoryRuns; ++i) {
        const ChildRun bare = runChild({VELMORA_BENCH_BARE_MPV, songPath});
        const ChildRun program = runChild({VELMORA_BENCH_PROGRAM, folder, songPath});
        if (!bare.exitedWell || !program.exitedWell)
            std::printf("    a playing child did not exit cleanly\n");
        bareKiB.push_back(static_cast<double>(bare.peakKiB));
        programKiB.push_back(static_cast<double>(program.peakKiB));
    }
    const double bare = median(bareKiB);
    const double program = median(programKiB);
    std::printf("Peak memory playing 2 s        %9.1f MiB  bare Qt + libmpv %5.1f MiB: %6.2fx\n",
                program / 1024, bare / 1024, program / bare);
    targets.ratio("peak memory playing", program / 1024, "bare Qt + libmpv", bare / 1024, 1.2,
                  "MiB");
    std::fflush(stdout);
}
