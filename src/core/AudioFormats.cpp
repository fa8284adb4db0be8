#include "core/AudioFormats.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<const char*, AudioFormat>, 8> kExtensions{{
    {"mp3", AudioFormat::Mp3},
    {"flac", AudioFormat::Flac},
    {"ogg", AudioFormat::Ogg},
    {"oga", AudioFormat::Ogg},
    {"opus", AudioFormat::Ogg},
    {"m4a", AudioFormat::M4a},
    {"wav", AudioFormat::Wav},
    {"wave", AudioFormat::Wav},
}};

} // namespace

AudioFormat AudioFormatOf(const QString& path) {
    // Only the name after the last "/" counts: "a.flac/song" is no FLAC file.
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    if (info.fileName().size() <= suffix.size() + 1) // ".mp3" alone names no song
        return AudioFormat::Other;
    for (const auto& [extension, format] : kExtensions)
        if (suffix.compare(QLatin1String(extension), Qt::CaseInsensitive) == 0)
            return format;
    return AudioFormat::Other;
}

QString LyricsPlaceOf(const QString& path) {
    switch (AudioFormatOf(path)) {
    case AudioFormat::Flac:
    case AudioFormat::Ogg:
        return QCoreApplication::translate("AudioFormats", "the Vorbis comment LYRICS");
    case AudioFormat::M4a:
        return QCoreApplication::translate("AudioFormats", "the MP4 lyrics item (©lyr)");
    default:
        return QCoreApplication::translate("AudioFormats", "the ID3v2 tag (USLT)");
    }
}

bool IsSongFile(const QString& path) {
    return AudioFormatOf(path) != AudioFormat::Other;
}

QStringList SongFilePatterns() {
    QStringList patterns;
    for (const auto& entry : kExtensions)
        patterns << QStringLiteral("*.") + QLatin1String(entry.first);
    return patterns;
}

QString SongFileFilters() {
    return QCoreApplication::translate("AudioFormats", "MP3s (*.mp3);;Audio files (%1)")
        .arg(SongFilePatterns().join(QLatin1Char(' ')));
}

bool IsLrcFile(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("lrc"), Qt::CaseInsensitive) == 0;
}
