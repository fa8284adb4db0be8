#include "sources/TextFile.h"

#include "core/Failure.h"
#include "storage/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <array>

namespace {

// 0x80 to 0x9F; the rest of Windows-1252 is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool startsWith(const QByteArray& bytes, std::initializer_list<unsigned char> prefix) {
    if (bytes.size() < static_cast<qsizetype>(prefix.size()))
        return false;
    qsizetype i = 0;
    for (const unsigned char b : prefix)
        if (static_cast<unsigned char>(bytes.at(i++)) != b)
            return false;
    return true;
}

QString decodeWith(QStringConverter::Encoding encoding, QByteArrayView bytes, bool* failed) {
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (failed)
        *failed = decoder.hasError();
    return text;
}

} // namespace

QString DecodeWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes.at(i));
        text[i] = QChar(b >= 0x80 && b <= 0x9F ? kHighControls[b - 0x80] : char16_t{b});
    }
    return text;
}

QString DecodeText(const QByteArray& bytes) {
    const QByteArrayView view(bytes);
    if (startsWith(bytes, {0xEF, 0xBB, 0xBF}))
        return decodeWith(QStringConverter::Utf8, view.sliced(3), nullptr);
    if (startsWith(bytes, {0xFF, 0xFE}))
        return decodeWith(QStringConverter::Utf16LE, view.sliced(2), nullptr);
    if (startsWith(bytes, {0xFE, 0xFF}))
        return decodeWith(QStringConverter::Utf16BE, view.sliced(2), nullptr);
    bool invalid = false;
    QString text = decodeWith(QStringConverter::Utf8, view, &invalid);
    return invalid ? DecodeWindows1252(bytes) : text;
}

QString ReadLyricsFile(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (info.isDir())
        throw VersettaError(
            QCoreApplication::translate("TextFile", "%1 is a folder, not a text file.").arg(shown));
    if (info.size() > kMaxLyricsFileBytes)
        throw VersettaError(
            QCoreApplication::translate("TextFile",
                                        "%1 is too large for lyrics (%2 MB; the limit is %3 MB).")
                .arg(shown, QString::number(double(info.size()) / (1024 * 1024), 'f', 1),
                     QString::number(kMaxLyricsFileBytes / (qint64{1024} * 1024))));
    QFile file;
    if (const QString why = OpenRegularFile(file, path); !why.isEmpty())
        throw VersettaError(
            QCoreApplication::translate("TextFile", "Cannot read %1: %2").arg(shown, why));
    // Read one byte past the limit: the size may have grown since it was asked.
    const QByteArray bytes = file.read(kMaxLyricsFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw VersettaError(QCoreApplication::translate("TextFile", "Cannot read %1: %2")
                                .arg(shown, file.errorString()));
    if (bytes.size() > kMaxLyricsFileBytes)
        throw VersettaError(
            QCoreApplication::translate("TextFile", "%1 is too large for lyrics.").arg(shown));
    QString text = DecodeText(bytes);
    if (text.contains(QChar(0)))
        throw VersettaError(
            QCoreApplication::translate("TextFile", "%1 is not a text file.").arg(shown));
    return text;
}
