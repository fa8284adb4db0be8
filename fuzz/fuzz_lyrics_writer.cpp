// The lyrics file writer on arbitrary texts, checked against the reader: a document it writes
// must read back as the very rows it was given, and it refuses exactly the texts that hold a
// character XML 1.0 cannot carry.
//
// Input: texts separated by the byte 0xFF, the first the song's path, then number, time and
// lyric of each row in turn. A byte below 0x80 is that character; a byte from 0x80 to 0xFE
// starts a UTF-16 unit given by the two bytes after it, so lone surrogates and control
// characters are as easy to reach as markup.
#include "core/Failure.h"
#include "storage/LyricsXml.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

std::vector<QString> textsOf(const std::uint8_t* data, std::size_t size) {
    std::vector<QString> texts(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0xFF) {
            texts.emplace_back();
        } else if (data[i] < 0x80) {
            texts.back() += QChar(static_cast<char16_t>(data[i]));
        } else if (i + 2 < size) {
            texts.back() += QChar(static_cast<char16_t>(data[i + 1] << 8 | data[i + 2]));
            i += 2;
        }
    }
    return texts;
}

bool carriable(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        const bool allowed = c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
                             (c >= 0xE000 && c <= 0xFFFD);
        if (!allowed)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<QString> texts = textsOf(data, size);
    const std::size_t rows = (texts.size() - 1) / 3;
    bool expectRefusal = !carriable(texts[0]);
    for (std::size_t i = 1; i <= 3 * rows; ++i)
        expectRefusal = expectRefusal || !carriable(texts[i]);

    QByteArray written;
    try {
        LyricsDocumentWriter writer(texts[0]);
        for (std::size_t row = 0; row < rows; ++row)
            writer.addLine(texts[1 + 3 * row], texts[2 + 3 * row], texts[3 + 3 * row]);
        written = writer.finish();
    } catch (const VersettaError&) {
        require(expectRefusal);
        return 0;
    }
    require(!expectRefusal);

    const LyricsContent read = ReadLyricsDocument(written);
    require(read.problem.isEmpty() && !read.stoppedEarly);
    require(read.lines.size() == rows);
    static const QString names[] = {QStringLiteral("LineNumber"), QStringLiteral("TimeMarker"),
                                    QStringLiteral("LyricLine")};
    for (std::size_t row = 0; row < rows; ++row) {
        const LyricsLineFields& fields = read.lines[row];
        require(fields.size() == 3);
        for (std::size_t f = 0; f < 3; ++f) {
            require(fields[f].name == names[f]);
            require(fields[f].text == texts[1 + 3 * row + f]);
        }
    }
    return 0;
}
