#include "sources/AudioLayout.h"

#include "sources/Id3v2Layout.h"
#include "storage/RegularFile.h"

#include <QCryptographicHash>
#include <QFile>

#include <optional>

namespace {

// Metadata this large is no song's: the reading stops there.
constexpr qint64 kLargestPart = qint64{256} << 20;

quint32 littleEndian(const QByteArray& bytes, qsizetype at) {
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

quint64 bigEndian(const QByteArray& bytes, qsizetype at, int width) {
    quint64 value = 0;
    for (int i = 0; i < width; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

// Reads exactly size bytes, or nothing.
std::optional<QByteArray> readExactly(QFile& file, qint64 size) {
    if (size < 0 || size > kLargestPart)
        return std::nullopt;
    QByteArray bytes = file.read(size);
    if (bytes.size() != size)
        return std::nullopt;
    return bytes;
}

void hashRest(QFile& file, QCryptographicHash& hash) {
    while (!file.atEnd()) {
        const QByteArray piece = file.read(qint64{1} << 20);
        if (piece.isEmpty())
            break;
        hash.addData(piece);
    }
}

void hashPart(QCryptographicHash& hash, const QByteArray& name, const QByteArray& content) {
    hash.addData(name);
    hash.addData(QByteArray::number(content.size()) + ':');
    hash.addData(content);
}

// "vendor=...", then "KEY=value" per comment; none when the block does not parse.
std::optional<QStringList> vorbisComments(const QByteArray& block) {
    if (block.size() < 8)
        return std::nullopt;
    qsizetype at = 0;
    const auto text = [&block, &at]() -> std::optional<QByteArray> {
        if (at + 4 > block.size())
            return std::nullopt;
        const qint64 length = littleEndian(block, at);
        if (at + 4 + length > block.size())
            return std::nullopt;
        QByteArray bytes = block.mid(at + 4, length);
        at += 4 + length;
        return bytes;
    };
    const std::optional<QByteArray> vendor = text();
    if (!vendor || at + 4 > block.size())
        return std::nullopt;
    QStringList fields{QStringLiteral("vendor=") + QString::fromUtf8(*vendor)};
    const quint32 count = littleEndian(block, at);
    at += 4;
    for (quint32 i = 0; i < count; ++i) {
        const std::optional<QByteArray> comment = text();
        if (!comment)
            return std::nullopt;
        const qsizetype equals = comment->indexOf('=');
        fields << QString::fromUtf8(comment->left(equals)).toUpper() + QLatin1Char('=') +
                      QString::fromUtf8(comment->mid(equals + 1));
    }
    return fields;
}

AudioLayout faulty(const QString& fault) {
    AudioLayout layout;
    layout.fault = fault;
    return layout;
}

AudioLayout readFlac(QFile& file) {
    QCryptographicHash kept(QCryptographicHash::Sha1);
    // An ID3v2 tag some tools put before the stream is kept as it stands.
    const Id3v2Extent id3 = Id3v2ExtentOf(file.peek(10));
    const std::optional<QByteArray> prefix = readExactly(file, id3.length);
    if (!prefix || file.read(4) != "fLaC")
        return faulty(QStringLiteral("it is not a FLAC file"));
    hashPart(kept, "id3", *prefix);
    AudioLayout layout;
    bool last = false;
    while (!last) {
        const QByteArray header = file.read(4);
        if (header.size() != 4)
            return faulty(QStringLiteral("its FLAC metadata is cut short"));
        last = (header.at(0) & 0x80) != 0;
        const int type = header.at(0) & 0x7F;
        const std::optional<QByteArray> block = readExactly(file, qint64(bigEndian(header, 1, 3)));
        if (!block)
            return faulty(QStringLiteral("its FLAC metadata is cut short"));
        if (type == 4) {
            const std::optional<QStringList> comments = vorbisComments(*block);
            if (!comments)
                return faulty(QStringLiteral("its Vorbis comments are damaged"));
            layout.fields << *comments;
        } else if (type != 1) { // padding is the room a writer may use
            hashPart(kept, QByteArray::number(type), *block);
        }
    }
    hashRest(file, kept);
    layout.kept = kept.result();
    return layout;
}

// The packets of the first logical stream of an Ogg file, one at a time.
class OggPackets {
public:
    explicit OggPackets(QFile& file) : m_file(file) {}
    // The next packet; nothing at the end; sets damaged on a broken page.
    std::optional<QByteArray> next() {
        QByteArray packet;
        for (;;) {
            while (m_segment < m_lacing.size()) {
                const int length = static_cast<unsigned char>(m_lacing.at(m_segment++));
                packet += m_body.mid(m_at, length);
                m_at += length;
                if (length < 255)
                    return packet;
            }
            if (!readPage())
                return packet.isEmpty() || damaged ? std::nullopt : std::optional(packet);
        }
    }
    bool damaged = false;

private:
    bool readPage() {
        for (;;) {
            const QByteArray header = m_file.read(27);
            if (header.isEmpty())
                return false;
            if (header.size() != 27 || !header.startsWith("OggS")) {
                damaged = true;
                return false;
            }
            const quint32 serial = littleEndian(header, 14);
            m_lacing = m_file.read(static_cast<unsigned char>(header.at(26)));
            qint64 size = 0;
            for (const char c : m_lacing)
                size += static_cast<unsigned char>(c);
            m_body = m_file.read(size);
            if (m_lacing.size() != static_cast<unsigned char>(header.at(26)) ||
                m_body.size() != size) {
                damaged = true;
                return false;
            }
            if (!m_serial)
                m_serial = serial;
            if (serial != *m_serial)
                continue; // another stream's page
            m_segment = 0;
            m_at = 0;
            return true;
        }
    }

    QFile& m_file;
    std::optional<quint32> m_serial;
    QByteArray m_lacing;
    QByteArray m_body;
    qsizetype m_segment = 0;
    qsizetype m_at = 0;
};

AudioLayout readOgg(QFile& file) {
    OggPackets packets(file);
    const std::optional<QByteArray> first = packets.next();
    if (!first)
        return faulty(QStringLiteral("it is not an Ogg file"));
    AudioLayout layout;
    layout.codec = first->startsWith("\x01vorbis") ? OggCodec::Vorbis
                   : first->startsWith("OpusHead") ? OggCodec::Opus
                                                   : OggCodec::Other;
    if (layout.codec == OggCodec::Other)
        return layout;
    const QByteArray magic = layout.codec == OggCodec::Vorbis ? "\x03vorbis" : "OpusTags";
    const std::optional<QByteArray> comments = packets.next();
    const std::optional<QStringList> fields = comments && comments->startsWith(magic)
                                                  ? vorbisComments(comments->mid(magic.size()))
                                                  : std::nullopt;
    if (!fields)
        return faulty(QStringLiteral("its Vorbis comments are damaged"));
    layout.fields = *fields;
    QCryptographicHash kept(QCryptographicHash::Sha1);
    hashPart(kept, "packet", *first);
    while (const std::optional<QByteArray> packet = packets.next())
        hashPart(kept, "packet", *packet);
    if (packets.damaged)
        return faulty(QStringLiteral("its Ogg pages are damaged"));
    layout.kept = kept.result();
    return layout;
}

// MP4 atoms: the audio is in "mdat"; the items in moov/udta/meta/ilst.
struct Atom {
    QByteArray type;
    qint64 start = 0; // of the contents
    qint64 size = 0;  // of the contents
};

std::optional<Atom> atomAt(QFile& file, qint64 at, qint64 end) {
    if (!file.seek(at))
        return std::nullopt;
    const QByteArray header = file.read(8);
    if (header.size() != 8)
        return std::nullopt;
    Atom atom{header.mid(4), at + 8, qint64(bigEndian(header, 0, 4)) - 8};
    if (atom.size == -8) { // to the end
        atom.size = end - atom.start;
    } else if (atom.size == -7) { // a 64-bit size follows
        const QByteArray large = file.read(8);
        if (large.size() != 8)
            return std::nullopt;
        atom.start += 8;
        atom.size = qint64(bigEndian(large, 0, 8)) - 16;
    }
    if (atom.size < 0 || atom.start + atom.size > end)
        return std::nullopt;
    return atom;
}

std::optional<Atom> childOf(QFile& file, const Atom& parent, const char* type, qint64 skip = 0) {
    for (qint64 at = parent.start + skip; at < parent.start + parent.size;) {
        std::optional<Atom> atom = atomAt(file, at, parent.start + parent.size);
        if (!atom)
            return std::nullopt;
        if (atom->type == type)
            return atom;
        at = atom->start + atom->size;
    }
    return std::nullopt;
}

AudioLayout readM4a(QFile& file) {
    AudioLayout layout;
    QCryptographicHash kept(QCryptographicHash::Sha1);
    bool hasAudio = false;
    std::optional<Atom> moov;
    for (qint64 at = 0; at < file.size();) {
        const std::optional<Atom> atom = atomAt(file, at, file.size());
        if (!atom || (at == 0 && atom->type != "ftyp"))
            return faulty(QStringLiteral("it is not an MP4 file"));
        if (atom->type == "moov")
            moov = atom;
        if (atom->type == "mdat") {
            hasAudio = true;
            file.seek(atom->start);
            for (qint64 left = atom->size; left > 0;) {
                const QByteArray piece = file.read(std::min(left, qint64{1} << 20));
                if (piece.isEmpty())
                    return faulty(QStringLiteral("its audio is cut short"));
                kept.addData(piece);
                left -= piece.size();
            }
        }
        at = atom->start + atom->size;
    }
    if (!moov || !hasAudio)
        return faulty(QStringLiteral("it is not an MP4 file"));
    std::optional<Atom> items;
    if (const std::optional<Atom> udta = childOf(file, *moov, "udta"))
        if (const std::optional<Atom> meta = childOf(file, *udta, "meta"))
            items = childOf(file, *meta, "ilst", 4); // meta holds a version and flags first
    for (qint64 at = items ? items->start : 0; items && at < items->start + items->size;) {
        const std::optional<Atom> item = atomAt(file, at, items->start + items->size);
        const std::optional<QByteArray> content =
            item && file.seek(item->start) ? readExactly(file, item->size) : std::nullopt;
        if (!content)
            return faulty(QStringLiteral("its MP4 tag is damaged"));
        layout.fields << QString::fromLatin1(item->type) + QLatin1Char('=') +
                             QString::fromLatin1(content->toHex());
        at = item->start + item->size;
    }
    layout.kept = kept.result();
    return layout;
}

AudioLayout readWav(QFile& file) {
    const QByteArray riff = file.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8) != "WAVE")
        return faulty(QStringLiteral("it is not a WAV file"));
    AudioLayout layout;
    QCryptographicHash kept(QCryptographicHash::Sha1);
    while (!file.atEnd()) {
        const QByteArray header = file.read(8);
        if (header.size() != 8)
            break; // a stray byte after the last chunk
        const QByteArray id = header.left(4);
        const qint64 size = littleEndian(header, 4);
        if (id.toUpper() == "ID3 ") {
            const std::optional<QByteArray> tag = readExactly(file, size);
            if (!tag)
                return faulty(QStringLiteral("its ID3v2 tag is cut short"));
            for (const Id3v2Frame& frame : Id3v2Frames(*tag))
                if (!frame.blank)
                    layout.fields << frame.laterId + QLatin1Char('=') +
                                         frame.fields.join(QChar(0)) + QLatin1Char('=') +
                                         QString::fromLatin1(frame.content.toHex());
        } else {
            hashPart(kept, id, {});
            for (qint64 left = size; left > 0;) {
                const QByteArray piece = file.read(std::min(left, qint64{1} << 20));
                if (piece.isEmpty())
                    return faulty(QStringLiteral("its audio is cut short"));
                kept.addData(piece);
                left -= piece.size();
            }
        }
        if (size % 2 != 0)
            file.read(1); // chunks start on even offsets
    }
    layout.kept = kept.result();
    return layout;
}

} // namespace

AudioLayout ReadAudioLayout(const QString& path, AudioFormat format) {
    QFile file;
    if (const QString why = OpenRegularFile(file, path); !why.isEmpty())
        return faulty(why);
    AudioLayout layout;
    switch (format) {
    case AudioFormat::Flac:
        layout = readFlac(file);
        break;
    case AudioFormat::Ogg:
        layout = readOgg(file);
        break;
    case AudioFormat::M4a:
        layout = readM4a(file);
        break;
    case AudioFormat::Wav:
        layout = readWav(file);
        break;
    default:
        return faulty(QStringLiteral("its format has no lyrics field here"));
    }
    layout.fields.sort();
    return layout;
}

bool IsLyricsField(const QString& field) {
    return field.startsWith(QLatin1String("LYRICS=")) ||
           field.startsWith(QStringLiteral("\u00A9lyr=")) ||
           field.startsWith(QLatin1String("USLT="));
}
