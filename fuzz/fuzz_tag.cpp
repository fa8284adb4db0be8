// The tag component on arbitrary bytes named .mp3: loading and reading the lyrics never
// crash, and when new lyrics are saved into a copy, loading it again gives exactly them.
#include "core/Failure.h"
#include "sources/TagLibComponent.h"

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

bool writeFile(const QString& path, const char* data, std::size_t size) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(data, static_cast<qint64>(size)) == static_cast<qint64>(size);
}

const QString& scratchDir() {
    // One folder for the whole run; /dev/shm keeps the save's fsync cheap where it exists.
    static const QTemporaryDir dir((QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                        ? QStringLiteral("/dev/shm")
                                        : QDir::tempPath()) +
                                   QStringLiteral("/velmora-fuzz-XXXXXX"));
    static const QString path = dir.path();
    require(dir.isValid());
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString song = scratchDir() + QStringLiteral("/song.mp3");
    require(writeFile(song, reinterpret_cast<const char*>(data), size));

    TagLibComponent reader;
    try {
        reader.LoadTag(song, false);
        (void)reader.GetFrameText(QStringLiteral("USLT"));
    } catch (const VersettaError&) {
        return 0; // refused with a message for the status line: fine
    }

    const QString lyrics = QStringLiteral("Fuzzed line one\nZweite Zeile \u00fc\u00df \u266b");
    TagLibComponent writer;
    try {
        writer.LoadTag(song, false);
        writer.SetFrameText(QStringLiteral("USLT"), lyrics);
        writer.SaveTag(song);
    } catch (const VersettaError&) {
        return 0; // a song the component will not change is left as it was
    }
    TagLibComponent check;
    check.LoadTag(song, false);
    require(check.GetFrameText(QStringLiteral("USLT")) == lyrics);
    return 0;
}
