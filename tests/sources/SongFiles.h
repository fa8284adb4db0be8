#pragma once

// Songs for the tag tests: the silent test MP3 with ID3 tags built byte by byte here, so the
// tests do not rely on the tag library they check.

#include "support/Files.h"

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>

namespace songs {

enum Encoding : char { Latin1 = 0, Utf16 = 1, Utf8 = 3 };

inline QByteArray toneBytes() {
    return readFile(QStringLiteral(VELMORA_TEST_DATA "/tone-3s.mp3"));
}

inline QByteArray encoded(Encoding encoding, const QString& text, bool terminated = false) {
    QByteArray bytes = encoding == Latin1 ? text.toLatin1() : text.toUtf8();
    if (encoding == Utf16) {
        bytes = QByteArray("\xFF\xFE");
        for (const QChar c : text)
            bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    }
    return terminated ? bytes.append(encoding == Utf16 ? 2 : 1, '\0') : bytes;
}

inline QByteArray sizeBytes(quint32 size, bool synchsafe) {
    QByteArray bytes(4, '\0');
    for (int i = 3; i >= 0; --i, size >>= synchsafe ? 7 : 8)
        bytes[i] = char(size & (synchsafe ? 0x7F : 0xFF));
    return bytes;
}

inline QByteArray frame(int major, const char* id, const QByteArray& payload) {
    return id + sizeBytes(quint32(payload.size()), major == 4) + QByteArray(2, '\0') + payload;
}

inline QByteArray lyricsFrame(int major, Encoding encoding, const QString& text,
                              const QString& description = QString()) {
    return frame(major, "USLT",
                 char(encoding) + QByteArray("eng") + encoded(encoding, description, true) +
                     encoded(encoding, text));
}

inline QByteArray textFrame(int major, const char* id, const QString& text) {
    return frame(major, id, '\0' + text.toLatin1());
}

inline QByteArray tag(int major, const QList<QByteArray>& frames, int padding = 64) {
    const QByteArray body = frames.join() + QByteArray(padding, '\0');
    return "ID3" + QByteArray(1, char(major)) + QByteArray(2, '\0') +
           sizeBytes(quint32(body.size()), true) + body;
}

// The whole length of the ID3v2 tag at the start of bytes (0 when there is none).
inline qsizetype tagLength(const QByteArray& bytes) {
    qsizetype size = 0;
    for (int i = 6; i < 10 && bytes.startsWith("ID3"); ++i)
        size = size << 7 | (bytes.at(i) & 0x7F);
    return bytes.startsWith("ID3") ? 10 + size : 0;
}

// Two seconds of a tone in the format path's extension names (.mp3 .flac .ogg .opus .m4a
// .wav), as lame's test tone or as ffmpeg encodes it (with codec, when one is given); answers
// path, or "" when that failed.
inline QString formatSong(const QString& path, QString codec = {}) {
    if (path.endsWith(QLatin1String(".mp3")) && codec.isEmpty())
        return writeFile(path, toneBytes());
    codec = !codec.isEmpty()                        ? codec
            : path.endsWith(QLatin1String(".ogg"))  ? QStringLiteral("libvorbis")
            : path.endsWith(QLatin1String(".opus")) ? QStringLiteral("libopus")
            : path.endsWith(QLatin1String(".m4a"))  ? QStringLiteral("aac")
            : path.endsWith(QLatin1String(".flac")) ? QStringLiteral("flac")
                                                    : QStringLiteral("pcm_s16le");
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), {"-v", "error", "-y", "-f", "lavfi", "-i",
                                            "sine=d=2:f=440", "-ac", "2", "-c:a", codec, path});
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0 ? path : QString();
}

// What program printed, or "failed: " and what it said when it failed; home, when given, is
// its HOME.
inline QString run(const QString& program, const QStringList& arguments, const QString& home = {}) {
    QProcess process;
    if (!home.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home); // kid3 keeps its settings there
        process.setProcessEnvironment(environment);
    }
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return QStringLiteral("failed: ") + process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// mid3v2's standard output, or a null string when it failed or is not installed.
inline QString runMid3v2(const QStringList& arguments) {
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("mid3v2")), arguments);
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        return {};
    return QStringLiteral("%1").arg(QString::fromUtf8(process.readAllStandardOutput()));
}

} // namespace songs
