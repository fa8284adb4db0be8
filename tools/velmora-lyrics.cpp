// velmora-lyrics: synchronized lyrics for whole music libraries, on the program's own rules.
// Run with --help for the commands; exit codes: 0 every song fine, 1 some song failed or a
// path named no song, 2 wrong usage.

#include "lyrics/LyricsJobs.h"
#include "media/LinkedMedia.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QStringList>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace {

const char* const kUsage =
    R"(Usage: velmora-lyrics COMMAND [--force] [--write] [--no-timing] [--jobs N] [--] PATH...

Works on each song named, and on every song (MP3, FLAC, Ogg Vorbis, Opus, M4A, WAV)
in the folders named, at any depth.

Commands:
  export-lrc   writes Song.lrc beside each song from its lyrics file Song.xml
  export-srt, export-vtt, export-ass
               write subtitles for a video beside each song from Song.xml: SubRip
               (Song.srt), WebVTT (Song.vtt) or ASS (Song.ass, karaoke tags where words
               are timed); each line shows until the next begins, at most 7 s (longer
               while its timed words last), or until the song ends; lines without a
               time are left out and counted
  embed-sylt   writes the lyrics file's lines into the song's ID3v2 tag: SYLT (timed
               lines, milliseconds) and USLT (the text); into any other format's lyrics
               field (LYRICS, the MP4 lyrics item) as LRC text
  import-lrc   writes Song.xml from Song.lrc: one line per time stamp in time order, whole
               seconds rounded down; an existing Song.xml is kept unless --force is given
  check        prints a table of every song: lyrics file, USLT, SYLT and LRC present,
               and names each damaged file with its fault; then every mark more than a
               second away from where the voice suggests, or where no voice is heard
  suggest      aligns the lyrics file's lines to the song (English, offline) and prints
               one tab-separated row per lyric line: song, line number, seconds, and the
               confidence (0-1), "spread" when the lines were spread by text length, or 1
               for a marked line; marks are kept as anchors. Its progress, notes
               and summary go to stderr

Options:
  --force      import-lrc replaces existing lyrics files
  --write      suggest writes its times into the unmarked lines of Song.xml (whole
               seconds)
  --no-timing  check leaves out the marks' timing (no audio is decoded)
  --jobs N     songs worked on at once (default: one per core)
  --help       this text
  --           every argument after it is a path, even one that starts with "-"

A song that fails is reported on stderr and the others go on, as is a path that
names no song: nothing there, a folder without songs or one that cannot be read, a
name that is not UTF-8.
Exit status: 0 all songs fine, 1 some song failed (or a path named no song), 2 wrong
usage.
)";

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

int usage(const QString& why) {
    print(stderr, QStringLiteral("velmora-lyrics: ") + why);
    std::fputs("Try 'velmora-lyrics --help'.\n", stderr);
    return 2;
}

struct Options {
    Command command = Command::Check;
    QString commandName;
    JobOptions job;
    unsigned jobs = std::max(1U, std::thread::hardware_concurrency());
    QList<QByteArray> paths; // as given: a name need not be UTF-8
};

// The command an option belongs to, "" for one every command takes.
QString onlyFor(const QByteArray& option) {
    if (option == "--force")
        return QStringLiteral("import-lrc");
    if (option == "--write")
        return QStringLiteral("suggest");
    if (option == "--no-timing")
        return QStringLiteral("check");
    return {};
}

// Answers "" or what is wrong with the arguments.
QString parse(const QList<QByteArray>& args, Options& options) {
    if (args.isEmpty())
        return QStringLiteral("a command is missing.");
    options.commandName = ShownName(args.first());
    static const std::pair<const char*, Command> commands[] = {
        {"export-lrc", Command::ExportLrc}, {"export-srt", Command::ExportSrt},
        {"export-vtt", Command::ExportVtt}, {"export-ass", Command::ExportAss},
        {"embed-sylt", Command::EmbedSylt}, {"import-lrc", Command::ImportLrc},
        {"check", Command::Check},          {"suggest", Command::Suggest}};
    const auto* found = std::find_if(std::begin(commands), std::end(commands), [&](auto& c) {
        return options.commandName == QLatin1String(c.first);
    });
    if (found == std::end(commands))
        return QStringLiteral("unknown command '%1'.").arg(options.commandName);
    options.command = found->second;
    bool onlyPaths = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QByteArray& arg = args.at(i);
        const bool option = !onlyPaths && arg.startsWith("--");
        if (!option) {
            options.paths << arg;
        } else if (arg == "--") {
            onlyPaths = true;
        } else if (const QString only = onlyFor(arg);
                   !only.isEmpty() && only != options.commandName) {
            // Taken silently, it would let "check --write" look like it mended something.
            return QStringLiteral("%1 works only with %2.").arg(ShownName(arg), only);
        } else if (arg == "--force") {
            options.job.force = true;
        } else if (arg == "--write") {
            options.job.write = true;
        } else if (arg == "--no-timing") {
            options.job.timing = false;
        } else if (arg == "--jobs") {
            bool ok = false;
            const int jobs = i + 1 < args.size() ? args.at(++i).toInt(&ok) : 0;
            if (!ok || jobs < 1 || jobs > 256)
                return QStringLiteral("--jobs takes a number from 1 to 256.");
            options.jobs = static_cast<unsigned>(jobs);
        } else {
            return QStringLiteral("unknown option '%1'.").arg(ShownName(arg));
        }
    }
    if (options.paths.isEmpty())
        return QStringLiteral("no song or folder given.");
    return {};
}

QString duration(double seconds) {
    const long long whole = std::llround(seconds);
    return QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
}

// The bar on a terminal: counts, failures and an estimate of the time left.
void drawBar(std::FILE* stream, qsizetype done, qsizetype total, int failed, double elapsed) {
    constexpr int kWidth = 30;
    const auto filled = static_cast<int>(total ? done * kWidth / total : kWidth);
    const QString left =
        done > 0 ? duration(elapsed / static_cast<double>(done) * static_cast<double>(total - done))
                 : QStringLiteral("?");
    std::fprintf(stream, "\r\033[K[%s%s] %lld/%lld  %d failed  %s left",
                 QByteArray(filled, '#').constData(), QByteArray(kWidth - filled, '.').constData(),
                 static_cast<long long>(done), static_cast<long long>(total), failed,
                 left.toLocal8Bit().constData());
    std::fflush(stream);
}

void printCheckTable(const QStringList& songs, const std::vector<JobResult>& results) {
    print(stdout, QStringLiteral("%1 %2 %3 %4 %5")
                      .arg(QStringLiteral("XML"), -8)
                      .arg(QStringLiteral("USLT"), -8)
                      .arg(QStringLiteral("SYLT"), -8)
                      .arg(QStringLiteral("LRC"), -8)
                      .arg(QStringLiteral("SONG")));
    for (qsizetype i = 0; i < songs.size(); ++i) {
        QString line;
        for (const QString& cell : results[static_cast<std::size_t>(i)].checkRow)
            line += QStringLiteral("%1 ").arg(cell, -8);
        print(stdout, line + songs.at(i));
    }
    for (const JobResult& result : results)
        for (const QString& flagged : result.rows)
            print(stdout, flagged);
}

} // namespace

int main(int argc, char* argv[]) {
    // Past a file-size limit a write should fail and be reported, not end the process.
    std::signal(SIGXFSZ, SIG_IGN);
    UseMediaSource(OpenLinkedMedia);
    QList<QByteArray> args;
    for (int i = 1; i < argc; ++i)
        args << QByteArray(argv[i]);
    const auto optionsEnd = std::find(args.cbegin(), args.cend(), "--");
    if (std::find(args.cbegin(), optionsEnd, "--help") != optionsEnd ||
        std::find(args.cbegin(), optionsEnd, "-h") != optionsEnd) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    Options options;
    if (const QString why = parse(args, options); !why.isEmpty())
        return usage(why);

    QStringList problems;
    const QStringList songs = CollectSongs(options.paths, problems);
    for (const QString& problem : problems)
        print(stderr, problem);

    // Every song is independent: workers take the next one until none is left.
    std::vector<JobResult> results(static_cast<std::size_t>(songs.size()));
    std::atomic<qsizetype> next{0};
    std::mutex mutex;
    std::condition_variable finished;
    std::deque<qsizetype> reported;
    const auto work = [&] {
        for (qsizetype i = next++; i < songs.size(); i = next++) {
            JobResult result = RunJob(options.command, songs.at(i), options.job);
            const std::lock_guard lock(mutex);
            results[static_cast<std::size_t>(i)] = std::move(result);
            reported.push_back(i);
            finished.notify_one();
        }
    };
    std::vector<std::thread> workers;
    const auto count = std::min<qsizetype>(options.jobs, songs.size());
    for (qsizetype i = 0; i < count; ++i)
        workers.emplace_back(work);

    const bool check = options.command == Command::Check;
    // suggest's rows are its output: the bar, the notes and the summary go beside them.
    const bool suggest = options.command == Command::Suggest;
    std::FILE* const info = suggest ? stderr : stdout;
    const bool terminal = ::isatty(::fileno(info)) == 1;
    QElapsedTimer clock;
    clock.start();
    int counts[3] = {0, 0, 0};
    for (qsizetype seen = 0; seen < songs.size();) {
        std::unique_lock lock(mutex);
        finished.wait(lock, [&] { return !reported.empty(); });
        std::deque<qsizetype> batch;
        batch.swap(reported);
        lock.unlock();
        for (const qsizetype i : batch) {
            const JobResult& result = results[static_cast<std::size_t>(i)];
            ++counts[result.outcome];
            ++seen;
            if (terminal)
                std::fputs("\r\033[K", info);
            for (const QString& row : suggest ? result.rows : QStringList())
                print(stdout, row);
            // Most faults name the file already.
            if (result.outcome == JobResult::Failed)
                print(stderr, result.message.contains(QFileInfo(songs.at(i)).fileName())
                                  ? result.message
                                  : QStringLiteral("%1: %2").arg(songs.at(i), result.message));
            else if ((!terminal || suggest) && !check && !result.message.isEmpty())
                print(info, QStringLiteral("%1: %2").arg(songs.at(i), result.message));
        }
        if (terminal)
            drawBar(info, seen, songs.size(), counts[JobResult::Failed],
                    static_cast<double>(clock.elapsed()) / 1000);
    }
    for (std::thread& worker : workers)
        worker.join();
    if (terminal)
        std::fputs("\r\033[K", info);
    if (check)
        printCheckTable(songs, results);

    const double seconds = static_cast<double>(clock.elapsed()) / 1000;
    // What was never reached is counted apart: it is no song that failed.
    const QString unreached =
        problems.isEmpty() ? QString() : QStringLiteral(", %1 not reached").arg(problems.size());
    print(info, QStringLiteral("%1: %2 songs, %3 done, %4 skipped, %5 failed%6 in %7 s")
                    .arg(options.commandName, QString::number(songs.size()),
                         QString::number(counts[JobResult::Done]),
                         QString::number(counts[JobResult::Skipped]),
                         QString::number(counts[JobResult::Failed]), unreached,
                         QString::number(seconds, 'f', 2)));
    return counts[JobResult::Failed] > 0 || !problems.isEmpty() ? 1 : 0;
}
