// The waveform decoder on arbitrary bytes named .mp3: it never crashes, and what it gives is
// a whole envelope within its bounds whose every span reads back between -1 and 1.
#include "media/LinkedMedia.h"
#include "playback/Waveform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

const QString& scratchSong() {
    static const QTemporaryDir dir((QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                        ? QStringLiteral("/dev/shm")
                                        : QDir::tempPath()) +
                                   QStringLiteral("/velmora-fuzz-XXXXXX"));
    static const QString path = dir.filePath(QStringLiteral("song.mp3"));
    require(dir.isValid());
    return path;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    UseMediaSource(OpenLinkedMedia);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QFile file(scratchSong());
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
            file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) ==
                static_cast<qint64>(size));
    file.close();

    const std::atomic<bool> cancel = false;
    const PeakEnvelope envelope = DecodePeakEnvelope(scratchSong(), cancel);
    if (envelope.empty())
        return 0;
    require(envelope.sampleRate > 0 && envelope.framesPerPeak > 0);
    require(envelope.mins.size() == envelope.maxs.size());
    require(envelope.seconds() <= kLongestOutlinedSeconds + 1);
    for (std::size_t i = 0; i < envelope.maxs.size(); ++i)
        require(envelope.mins[i] <= envelope.maxs[i]);
    const double end = envelope.seconds();
    for (const double from : {-1.0, 0.0, end / 3, end - 0.001, end, end + 1}) {
        const auto [low, high] = envelope.range(from, from + end / 7);
        require(-1 <= low && low <= high && high <= 1);
    }
    return 0;
}
