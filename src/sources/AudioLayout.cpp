#include "sources/AudioLayout.h"

#include "storage/RegularFile.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

namespace {

// Field values past this length are kept by their digest: a picture in a comment runs to
// hundreds of megabytes.
constexpr qsizetype kLongestValue = 4096;
// Metadata this large is no song's: the reading stops there.
constexpr qint64 kLargestList = qint64{1} << 30;

AudioLayout faulty(const QString& fault) {
    AudioLayout layout;
    layout.fault = fault;
    return layout;
}

} // namespace

QByteArray SongBytes::read(qint64 at, qint64 count) const {
    if (at < 0 || count <= 0 || at >= m_size || !m_file.seek(at))
        return {};
    return m_file.read(std::min(count, m_size - at));
}

bool SongBytes::hash(QCryptographicHash& hash, qint64 at, qint64 count) const {
    if (at < 0 || count < 0 || at + count > m_size || !m_file.seek(at))
        return false;
    for (qint64 left = count; left > 0;) {
        const QByteArray piece = m_file.read(std::min(left, qint64{1} << 20));
        if (piece.isEmpty())
            return false;
        hash.addData(piece);
        left -= piece.size();
    }
    return true;
}

quint32 LittleEndian32(QByteArrayView bytes, qsizetype at) {
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

quint64 BigEndian(QByteArrayView bytes, qsizetype at, int width) {
    quint64 value = 0;
    for (int i = 0; i < width; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

QByteArray BigEndianBytes(quint64 value, int width) {
    QByteArray bytes(width, '\0');
    for (int i = 0; i < width; ++i)
        bytes[i] = static_cast<char>(value >> (8 * (width - 1 - i)));
    return bytes;
}

QByteArray LittleEndianBytes(quint64 value, int width) {
    QByteArray bytes(width, '\0');
    for (int i = 0; i < width; ++i)
        bytes[i] = static_cast<char>(value >> (8 * i));
    return bytes;
}

QString FieldValue(QByteArrayView value, bool text) {
    if (value.size() <= kLongestValue)
        return text ? QString::fromUtf8(value) : QString::fromLatin1(value.toByteArray().toHex());
    return QStringLiteral("sha1:") +
           QString::fromLatin1(QCryptographicHash::hash(value, QCryptographicHash::Sha1).toHex());
}

void HashPart(QCryptographicHash& hash, QByteArrayView name, const SongBytes& song, qint64 at,
              qint64 size) {
    hash.addData(name);
    hash.addData(QByteArray::number(size) + ':');
    song.hash(hash, at, size);
}

VorbisComments ReadVorbisComments(const SongBytes& song, qint64 at, qint64 limit) {
    VorbisComments list;
    qint64 offset = at;
    const auto length = [&]() -> std::optional<qint64> {
        const QByteArray bytes = song.read(offset, 4);
        if (bytes.size() != 4 || offset + 4 > limit)
            return std::nullopt;
        offset += 4;
        return LittleEndian32(bytes, 0);
    };
    const std::optional<qint64> vendor = length();
    if (!vendor || offset + *vendor > limit || *vendor > kLargestList)
        return list;
    list.vendor = song.read(offset, *vendor);
    offset += *vendor;
    const std::optional<qint64> count = length();
    // Each comment takes four bytes at least: a count past that is a lie.
    if (!count || *count > (limit - offset) / 4)
        return list;
    for (qint64 i = 0; i < *count; ++i) {
        const std::optional<qint64> size = length();
        if (!size || offset + *size > limit || *size > kLargestList)
            return list;
        list.comments << song.read(offset, *size);
        offset += *size;
    }
    list.ok = true;
    list.end = offset - at;
    return list;
}

QByteArray WriteVorbisComments(const VorbisComments& list, const QString& lyrics,
                               const QByteArray& head, const QByteArray& tail) {
    const QByteArray text = lyrics.toUtf8();
    // The first LYRICS comment takes the new text, later ones go: -1 keeps, else the length
    // of its key and "=".
    std::vector<qsizetype> replaced(static_cast<std::size_t>(list.comments.size()), -1);
    std::vector<bool> dropped(replaced.size(), false);
    bool placed = false;
    qint64 size = head.size() + 8 + list.vendor.size() + tail.size();
    qint64 count = 0;
    for (qsizetype i = 0; i < list.comments.size(); ++i) {
        const QByteArray& comment = list.comments[i];
        const qsizetype equals = comment.indexOf('=');
        if (comment.left(equals).toUpper() == "LYRICS") {
            dropped[i] = placed;
            replaced[i] = equals + 1;
            placed = true;
        }
        if (!dropped[i]) {
            size += 4 + (replaced[i] < 0 ? comment.size() : replaced[i] + text.size());
            ++count;
        }
    }
    if (!placed) {
        size += 4 + 7 + text.size();
        ++count;
    }
    QByteArray bytes;
    bytes.reserve(size);
    bytes +=
        head + LittleEndianBytes(list.vendor.size(), 4) + list.vendor + LittleEndianBytes(count, 4);
    for (qsizetype i = 0; i < list.comments.size(); ++i) {
        const QByteArray& comment = list.comments[i];
        if (dropped[i])
            continue;
        if (replaced[i] < 0) {
            bytes += LittleEndianBytes(comment.size(), 4);
            bytes += comment;
        } else {
            bytes += LittleEndianBytes(replaced[i] + text.size(), 4);
            bytes += QByteArrayView(comment).first(replaced[i]);
            bytes += text;
        }
    }
    if (!placed)
        bytes += LittleEndianBytes(7 + text.size(), 4) + "LYRICS=" + text;
    bytes += tail;
    return bytes;
}

void TakeVorbisComments(const VorbisComments& list, AudioLayout& layout) {
    layout.fields << QStringLiteral("vendor=") + FieldValue(list.vendor, true);
    for (const QByteArray& comment : list.comments) {
        const qsizetype equals = comment.indexOf('=');
        const QString key = QString::fromUtf8(comment.left(equals)).toUpper();
        const QByteArrayView value = QByteArrayView(comment).sliced(equals + 1);
        if (key == QLatin1String("LYRICS") && !layout.lyrics) {
            layout.lyrics = QString::fromUtf8(value);
            continue;
        }
        if (key == QLatin1String("UNSYNCEDLYRICS") && !layout.unsyncedLyrics)
            layout.unsyncedLyrics = QString::fromUtf8(value);
        if (key == QLatin1String("TITLE") && layout.title.isEmpty())
            layout.title = QString::fromUtf8(value);
        if (key == QLatin1String("ARTIST") && layout.artist.isEmpty())
            layout.artist = QString::fromUtf8(value);
        if (key == QLatin1String("ALBUM") && layout.album.isEmpty())
            layout.album = QString::fromUtf8(value);
        layout.fields << key + QLatin1Char('=') + FieldValue(value, true);
    }
}

AudioLayout ReadAudioLayout(const QString& path, AudioFormat format, bool hashAudio) {
    QFile file;
    if (const QString why = OpenRegularFile(file, path); !why.isEmpty())
        return faulty(why);
    const SongBytes song(file);
    AudioLayout layout;
    switch (format) {
    case AudioFormat::Flac:
        layout = ReadFlacLayout(song, hashAudio);
        break;
    case AudioFormat::Ogg:
        layout = ReadOggLayout(song, hashAudio);
        break;
    case AudioFormat::M4a:
        layout = ReadMp4Layout(song, hashAudio);
        break;
    case AudioFormat::Wav:
        layout = ReadWavLayout(song, hashAudio);
        break;
    default:
        return faulty(
            QCoreApplication::translate("AudioLayout", "its format has no lyrics field here"));
    }
    layout.fields.sort();
    return layout;
}

SongPlan PlanLyricsSave(const QString& path, AudioFormat format, const QString& lyrics) {
    QFile file;
    if (const QString why = OpenRegularFile(file, path); !why.isEmpty())
        return {{}, why};
    const SongBytes song(file);
    switch (format) {
    case AudioFormat::Flac:
        return PlanFlacLyrics(song, lyrics);
    case AudioFormat::Ogg:
        return PlanOggLyrics(song, lyrics);
    case AudioFormat::M4a:
        return PlanMp4Lyrics(song, lyrics);
    case AudioFormat::Wav:
        return PlanWavLyrics(song, lyrics);
    default:
        return {{},
                QCoreApplication::translate("AudioLayout", "its format has no lyrics field here")};
    }
}
