// velmora-lyrics over a generated library: check and export-lrc against a bare TagLib
// read-through of the same songs on as many threads.

#include "Bench.h"

#include "storage/LyricsXml.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <mpegfile.h>
#include <tag.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>

namespace {

constexpr int kSongs = 2000;

QByteArray synchsafe(quint32 size) {
    QByteArray bytes(4, '\0');
    for (int i = 3; i >= 0; --i, size >>= 7)
        bytes[i] = static_cast<char>(size & 0x7F);
    return bytes;
}

// One small MP3 under many names, each with a title of its own and a 40-line lyrics file.
QStringList makeLibrary(const QString& folder, const QString& song) {
    const QByteArray audio = readAll(song);
    QStringList songs;
    for (int i = 0; i < kSongs; ++i) {
        const QString name = QStringLiteral("%1/%2/Song %3.mp3").arg(folder).arg(i % 20).arg(i);
        const QByteArray title = '\0' + QStringLiteral("Song %1").arg(i).toLatin1();
        QByteArray frame =
            "TIT2" + synchsafe(static_cast<quint32>(title.size())) + QByteArray(2, '\0') + title;
        writeAll(name, QByteArray("ID3\x04\0\0", 6) +
                           synchsafe(static_cast<quint32>(frame.size())) + frame + audio);
        LyricsDocumentWriter writer(name);
        for (int line = 1; line <= 40; ++line)
            writer.addLine(QString::number(line), QString::number(line * 3), benchLyric(line));
        writeAll(name.chopped(4) + QStringLiteral(".xml"), writer.finish());
        songs << name;
    }
    return songs;
}

void bareReadThrough(const QStringList& songs, unsigned threads) {
    std::atomic<qsizetype> next{0};
    std::atomic<qint64> seen{0};
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t)
        workers.emplace_back([&] {
            for (qsizetype i = next++; i < songs.size(); i = next++) {
                TagLib::MPEG::File file(QFile::encodeName(songs[i]).constData(), true,
                                        TagLib::AudioProperties::Fast);
                if (file.isValid() && file.tag() && file.audioProperties())
                    seen +=
                        file.tag()->title().size() + file.audioProperties()->lengthInMilliseconds();
            }
        });
    for (std::thread& worker : workers)
        worker.join();
}

void runTool(const char* command, const QString& folder) {
    QProcess tool;
    // The marks' timing decodes every song: the alignment section measures that.
    QStringList arguments{QLatin1String(command), folder};
    if (qstrcmp(command, "check") == 0)
        arguments.insert(1, QStringLiteral("--no-timing"));
    tool.start(QStringLiteral(VELMORA_BENCH_LYRICS_TOOL), arguments);
    tool.waitForFinished(-1);
    if (tool.exitCode() != 0)
        std::printf("  velmora-lyrics %s failed: %s\n", command,
                    tool.readAllStandardError().left(200).constData());
}

} // namespace

void benchLibrary(const QString& song) {
    QTemporaryDir folder;
    for (int i = 0; i < 20; ++i)
        QDir(folder.path()).mkpath(QString::number(i));
    const double made = elapsedMs([&] { (void)makeLibrary(folder.path(), song); });
    const QStringList songs = makeLibrary(folder.path(), song);
    const unsigned cores = std::max(1U, std::thread::hardware_concurrency());
    std::printf("\n== velmora-lyrics over %d generated songs (made in %.0f ms), %u cores\n", kSongs,
                made, cores);
    const std::vector<double> best = bestOfEachMs(
        3, {[&] { bareReadThrough(songs, cores); }, [&] { runTool("check", folder.path()); },
            [&] { runTool("export-lrc", folder.path()); }});
    const auto perSecond = [](double ms) { return kSongs / (ms / 1000); };
    std::printf("bare TagLib read-through    %8.1f ms  %8.0f songs/s\n", best[0],
                perSecond(best[0]));
    for (std::size_t i = 1; i < 3; ++i)
        std::printf("%-27s %8.1f ms  %8.0f songs/s  %5.2fx the read-through\n",
                    i == 1 ? "check" : "export-lrc", best[i], perSecond(best[i]),
                    best[i] / best[0]);
}
