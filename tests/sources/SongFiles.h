#pragma once

// Songs for the tag tests: the silent test MP3 with ID3 tags built byte by byte here, so the
// tests do not rely on the tag library they check.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace songs {

enum Encoding : char { Latin1 = 0, Utf16 = 1, Utf16BE = 2, Utf8 = 3 };

inline QByteArray toneBytes() {
    QFile file(QStringLiteral(VELMORA_TEST_DATA "/tone-3s.mp3"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QByteArray encoded(Encoding encoding, const QString& text, bool terminated) {
    QByteArray bytes;
    switch (encoding) {
    case Latin1:
        bytes = text.toLatin1();
        break;
    case Utf8:
        bytes = text.toUtf8();
        break;
    case Utf16:
        bytes = QByteArray("\xFF\xFE", 2);
        for (const QChar c : text)
            bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
        break;
    case Utf16BE:
        for (const QChar c : text)
            bytes.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
        break;
    }
    if (terminated)
        bytes.append(encoding == Latin1 || encoding == Utf8 ? 1 : 2, '\0');
    return bytes;
}

inline QByteArray sizeBytes(quint32 size, bool synchsafe) {
    QByteArray bytes(4, '\0');
    for (int i = 3; i >= 0; --i) {
        bytes[i] = char(size & (synchsafe ? 0x7F : 0xFF));
        size >>= synchsafe ? 7 : 8;
    }
    return bytes;
}

inline QByteArray frame(int major, const char* id, const QByteArray& payload) {
    return QByteArray(id) + sizeBytes(quint32(payload.size()), major == 4) + QByteArray(2, '\0') +
           payload;
}

inline QByteArray lyricsFrame(int major, Encoding encoding, const QString& text,
                              const QString& description = QString(), const char* lang = "eng") {
    return frame(major, "USLT",
                 QByteArray(1, encoding) + lang + encoded(encoding, description, true) +
                     encoded(encoding, text, false));
}

inline QByteArray textFrame(int major, const char* id, const QString& text) {
    return frame(major, id, QByteArray(1, Latin1) + encoded(Latin1, text, false));
}

inline QByteArray tag(int major, const QList<QByteArray>& frames, int padding = 64) {
    QByteArray body = frames.isEmpty() ? QByteArray() : frames.first();
    for (qsizetype i = 1; i < frames.size(); ++i)
        body += frames.at(i);
    body += QByteArray(padding, '\0');
    return QByteArray("ID3") + char(major) + '\0' + '\0' + sizeBytes(quint32(body.size()), true) +
           body;
}

// An ID3v1 tag: 128 bytes at the end of the file.
inline QByteArray version1Tag(const QByteArray& title) {
    QByteArray bytes = "TAG" + title.leftJustified(30, '\0', true);
    return bytes.leftJustified(128, '\0');
}

inline QString write(const QDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

inline QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The whole length of the ID3v2 tag at the start of bytes (0 when there is none).
inline qsizetype tagLength(const QByteArray& bytes) {
    if (!bytes.startsWith("ID3") || bytes.size() < 10)
        return 0;
    qsizetype size = 0;
    for (int i = 6; i < 10; ++i)
        size = size << 7 | (bytes.at(i) & 0x7F);
    return 10 + size;
}

inline QString mid3v2() {
    return QStandardPaths::findExecutable(QStringLiteral("mid3v2"));
}

// Runs mid3v2 and answers its standard output; a null string when it failed.
inline QString runMid3v2(const QStringList& arguments) {
    QProcess process;
    process.start(mid3v2(), arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    const QString output = QString::fromUtf8(process.readAllStandardOutput());
    return output.isNull() ? QStringLiteral("") : output;
}

} // namespace songs
