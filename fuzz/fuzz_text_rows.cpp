// A lyrics text file's bytes decoded and cut into sheet lines, as the unsynchronized panel
// does with a file it opens.
#include "sources/TextCleaning.h"
#include "sources/TextFile.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

bool isControl(QChar c) {
    return c.unicode() < 32 || c.unicode() == 127;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = DecodeText(bytes);
    // Every byte decodes to at most one UTF-16 unit (UTF-8 uses 1-4 bytes per 1-2 units).
    require(text.size() <= bytes.size());

    const QStringList lines = LyricLines(text);
    require(lines.size() == text.count(QLatin1Char('\n')) + 1);
    for (const QString& line : lines)
        for (const QChar c : line)
            require(!isControl(c));

    QString copy = text;
    const QString cleaned = NonAsciiReplace(copy);
    require(cleaned == copy);
    require(cleaned.size() <= text.size());
    for (const QChar c : cleaned)
        require(!isControl(c));
    return 0;
}
