#include "sources/Id3v2Layout.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>

namespace {

quint32 byteAt(QByteArrayView bytes, qsizetype i) {
    return static_cast<unsigned char>(bytes.at(i));
}

quint32 synchsafe(QByteArrayView bytes, qsizetype at) {
    return (byteAt(bytes, at) & 0x7F) << 21 | (byteAt(bytes, at + 1) & 0x7F) << 14 |
           (byteAt(bytes, at + 2) & 0x7F) << 7 | (byteAt(bytes, at + 3) & 0x7F);
}

quint32 bigEndian(QByteArrayView bytes, qsizetype at, int width) {
    quint32 value = 0;
    for (int i = 0; i < width; ++i)
        value = value << 8 | byteAt(bytes, at + i);
    return value;
}

// Undoes the tag-wide unsynchronisation of version 2.2 and 2.3 tags: FF 00 becomes FF.
QByteArray resynchronised(const QByteArray& body) {
    QByteArray out;
    out.reserve(body.size());
    for (qsizetype i = 0; i < body.size(); ++i) {
        out.append(body.at(i));
        if (byteAt(body, i) == 0xFF && i + 1 < body.size() && body.at(i + 1) == '\0')
            ++i;
    }
    return out;
}

// qUncompress allocates the size the first four bytes declare before it reads a byte, so a
// tag that declares gigabytes would exhaust memory. zlib never expands more than 1032-fold:
// a larger claim is a lie, and so is one past 64 MiB for a tag frame: such a frame is
// compared as it stands.
QByteArray uncompressed(const QByteArray& sizedStream) {
    if (sizedStream.size() < 4)
        return sizedStream;
    const quint64 declared = (quint64{byteAt(sizedStream, 0)} << 24) |
                             (byteAt(sizedStream, 1) << 16) | (byteAt(sizedStream, 2) << 8) |
                             byteAt(sizedStream, 3);
    if (declared > 1032 * static_cast<quint64>(sizedStream.size()) + 64 ||
        declared > quint64{64} * 1024 * 1024)
        return sizedStream;
    return qUncompress(sizedStream);
}

// The 2.2 frames that have a 2.3 counterpart of the same layout (a picture's format aside).
QString laterName(const QString& id22) {
    static constexpr std::pair<const char*, const char*> names[] = {
        {"BUF", "RBUF"}, {"CNT", "PCNT"}, {"COM", "COMM"}, {"CRA", "AENC"}, {"ETC", "ETCO"},
        {"GEO", "GEOB"}, {"IPL", "TIPL"}, {"MCI", "MCDI"}, {"MLL", "MLLT"}, {"POP", "POPM"},
        {"REV", "RVRB"}, {"SLT", "SYLT"}, {"STC", "SYTC"}, {"TAL", "TALB"}, {"TBP", "TBPM"},
        {"TCM", "TCOM"}, {"TCO", "TCON"}, {"TCP", "TCMP"}, {"TCR", "TCOP"}, {"TDY", "TDLY"},
        {"TEN", "TENC"}, {"TFT", "TFLT"}, {"TKE", "TKEY"}, {"TLA", "TLAN"}, {"TLE", "TLEN"},
        {"TMT", "TMED"}, {"TOA", "TOPE"}, {"TOF", "TOFN"}, {"TOL", "TOLY"}, {"TOT", "TOAL"},
        {"TP1", "TPE1"}, {"TP2", "TPE2"}, {"TP3", "TPE3"}, {"TP4", "TPE4"}, {"TPA", "TPOS"},
        {"TPB", "TPUB"}, {"TRC", "TSRC"}, {"TRK", "TRCK"}, {"TS2", "TSO2"}, {"TSA", "TSOA"},
        {"TSC", "TSOC"}, {"TSP", "TSOP"}, {"TSS", "TSSE"}, {"TST", "TSOT"}, {"TT1", "TIT1"},
        {"TT2", "TIT2"}, {"TT3", "TIT3"}, {"TXT", "TEXT"}, {"TXX", "TXXX"}, {"TYE", "TYER"},
        {"TDA", "TDAT"}, {"TIM", "TIME"}, {"TRD", "TRDA"}, {"TSI", "TSIZ"}, {"TOR", "TORY"},
        {"RVA", "RVAD"}, {"EQU", "EQUA"}, {"PIC", "APIC"}, {"PCS", "PCST"}, {"TCT", "TCAT"},
        {"TDR", "TDRL"}, {"TDS", "TDES"}, {"TID", "TGID"}, {"WFD", "WFED"}, {"UFI", "UFID"},
        {"ULT", "USLT"}, {"WAF", "WOAF"}, {"WAR", "WOAR"}, {"WAS", "WOAS"}, {"WCM", "WCOM"},
        {"WCP", "WCOP"}, {"WPB", "WPUB"}, {"WXX", "WXXX"}};
    for (const auto& [older, later] : names)
        if (id22 == QLatin1String(older))
            return QLatin1String(later);
    return {};
}

// The names the ID3v1 genre numbers stand for, as readers show them.
const QStringList& genreTable() {
    static const QStringList names =
        QString::fromLatin1(
            "Blues|Classic Rock|Country|Dance|Disco|Funk|Grunge|Hip-Hop|Jazz|Metal|New Age|"
            "Oldies|Other|Pop|R&B|Rap|Reggae|Rock|Techno|Industrial|Alternative|Ska|Death Metal|"
            "Pranks|Soundtrack|Euro-Techno|Ambient|Trip-Hop|Vocal|Jazz+Funk|Fusion|Trance|"
            "Classical|Instrumental|Acid|House|Game|Sound Clip|Gospel|Noise|Alt. Rock|Bass|Soul|"
            "Punk|Space|Meditative|Instrumental Pop|Instrumental Rock|Ethnic|Gothic|Darkwave|"
            "Techno-Industrial|Electronic|Pop-Folk|Eurodance|Dream|Southern Rock|Comedy|Cult|"
            "Gangsta Rap|Top 40|Christian Rap|Pop/Funk|Jungle|Native American|Cabaret|New Wave|"
            "Psychedelic|Rave|Showtunes|Trailer|Lo-Fi|Tribal|Acid Punk|Acid Jazz|Polka|Retro|"
            "Musical|Rock & Roll|Hard Rock|Folk|Folk-Rock|National Folk|Swing|Fast-Fusion|Bebop|"
            "Latin|Revival|Celtic|Bluegrass|Avantgarde|Gothic Rock|Progressive Rock|"
            "Psychedelic Rock|Symphonic Rock|Slow Rock|Big Band|Chorus|Easy Listening|Acoustic|"
            "Humour|Speech|Chanson|Opera|Chamber Music|Sonata|Symphony|Booty Bass|Primus|"
            "Porn Groove|Satire|Slow Jam|Club|Tango|Samba|Folklore|Ballad|Power Ballad|"
            "Rhythmic Soul|Freestyle|Duet|Punk Rock|Drum Solo|A Cappella|Euro-House|Dance Hall|"
            "Goa|Drum & Bass|Club-House|Hardcore|Terror|Indie|BritPop|Afro-Punk|Polsk Punk|Beat|"
            "Christian Gangsta Rap|Heavy Metal|Black Metal|Crossover|Contemporary Christian|"
            "Christian Rock|Merengue|Salsa|Thrash Metal|Anime|JPop|Synthpop|Abstract|Art Rock|"
            "Baroque|Bhangra|Big Beat|Breakbeat|Chillout|Downtempo|Dub|EBM|Eclectic|Electro|"
            "Electroclash|Emo|Experimental|Garage|Global|IDM|Illbient|Industro-Goth|Jam Band|"
            "Krautrock|Leftfield|Lounge|Math Rock|New Romantic|Nu-Breakz|Post-Punk|Post-Rock|"
            "Psytrance|Shoegaze|Space Rock|Trop Rock|World Music|Neoclassical|Audiobook|"
            "Audio Theatre|Neue Deutsche Welle|Podcast|Indie Rock|G-Funk|Dubstep|Garage Rock|"
            "Psybient")
            .split(QLatin1Char('|'));
    return names;
}

QString genreCalled(const QString& code) {
    if (code == QLatin1String("CR"))
        return QStringLiteral("Cover");
    if (code == QLatin1String("RX"))
        return QStringLiteral("Remix");
    bool number = false;
    const uint index = code.toUInt(&number);
    return number && index < static_cast<uint>(genreTable().size()) ? genreTable().at(index)
                                                                    : QStringLiteral("Unknown");
}

bool digitsOnly(const QString& text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The genres a reader shows for a genre frame's values: "3" and "(3)" are Dance, "(3)(31)" and
// "(3)Trance" are Dance and Trance, "(3)Dance" is Dance once, "((text" is "(text".
QStringList genreNames(const QStringList& values) {
    static const QRegularExpression codes(QStringLiteral("^((?:\\((?:[0-9]+|RX|CR)\\))*)(.*)$"),
                                          QRegularExpression::DotMatchesEverythingOption);
    QStringList genres;
    for (const QString& value : values) {
        if (value.isEmpty())
            continue;
        if (digitsOnly(value) || value == QLatin1String("CR") || value == QLatin1String("RX")) {
            genres << genreCalled(value);
            continue;
        }
        const QRegularExpressionMatch match = codes.match(value);
        QStringList named;
        const QString refs = match.captured(1);
        if (!refs.isEmpty())
            for (const QString& code : refs.mid(1, refs.size() - 2).split(QStringLiteral(")(")))
                named << genreCalled(code);
        QString name = match.captured(2);
        if (name.startsWith(QLatin1String("((")))
            name.remove(0, 1);
        if (!name.isEmpty() && !named.contains(name))
            named << name;
        genres << named;
    }
    return genres;
}

// Reads a frame's fields one after another. A string ends at its terminator or at the end of
// the frame; a UTF-16 string without a byte-order mark takes the order of the frame's first
// one, as the tag library reads it.
class FieldReader {
public:
    explicit FieldReader(QByteArrayView data) : m_data(data) {}

    bool atEnd() const { return m_at >= m_data.size(); }
    bool failed() const { return m_failed; }

    int byte() {
        if (atEnd()) {
            m_failed = true;
            return 0;
        }
        return static_cast<int>(byteAt(m_data, m_at++));
    }

    QString latin1(qsizetype count) {
        m_failed = m_failed || m_at + count > m_data.size();
        const qsizetype from = std::min(m_at, m_data.size());
        QString text =
            QString::fromLatin1(m_data.sliced(from, std::min(count, m_data.size() - from)));
        m_at += count;
        return text;
    }

    quint32 number() {
        m_failed = m_failed || m_at + 4 > m_data.size();
        const quint32 value = m_failed ? 0 : bigEndian(m_data, m_at, 4);
        m_at += 4;
        return value;
    }

    QByteArrayView rest() {
        const QByteArrayView bytes = m_data.sliced(std::min(m_at, m_data.size()));
        m_at = m_data.size();
        return bytes;
    }

    QString text(int encoding) {
        const int unit = encoding == 1 || encoding == 2 ? 2 : 1;
        m_at = std::min(m_at, m_data.size()); // a field before may have claimed bytes past the end
        qsizetype end = m_at;
        while (end + unit <= m_data.size() &&
               !(m_data.at(end) == '\0' && (unit == 1 || m_data.at(end + 1) == '\0')))
            end += unit;
        QByteArray bytes = m_data.sliced(m_at, end - m_at).toByteArray();
        m_at = end + unit;
        if (encoding == 0)
            return QString::fromLatin1(bytes);
        if (encoding == 3)
            return QString::fromUtf8(bytes);
        bool bigEndianText = encoding == 2;
        if (encoding == 1) {
            if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
                bigEndianText = bytes.startsWith("\xFE\xFF");
                if (!m_order)
                    m_order = bigEndianText ? 2 : 1;
                bytes.remove(0, 2);
            } else {
                bigEndianText = m_order == 2;
            }
        }
        QStringDecoder decoder(bigEndianText ? QStringConverter::Utf16BE
                                             : QStringConverter::Utf16LE);
        return decoder.decode(bytes);
    }

    // The strings up to the end of the frame, trailing empty ones (terminators) dropped.
    QStringList texts(int encoding) {
        QStringList strings;
        while (!atEnd())
            strings << text(encoding);
        while (!strings.isEmpty() && strings.last().isEmpty())
            strings.removeLast();
        return strings;
    }

private:
    QByteArrayView m_data;
    qsizetype m_at = 0;
    int m_order = 0; // of the first byte-order mark: 1 little-endian, 2 big-endian
    bool m_failed = false;
};

// A frame's binary part as the check compares it: large ones (a picture) by their digest, so
// a tag of a hundred megabytes is not held twice more.
QByteArray contentOf(QByteArrayView data) {
    constexpr qsizetype kLarge = qsizetype{64} << 10;
    return data.size() <= kLarge
               ? data.toByteArray()
               : "sha1:" + QCryptographicHash::hash(data, QCryptographicHash::Sha1);
}

// Reads data, the frame's bytes, into frame's fields where its layout is known.
void readFields(Id3v2Frame& frame, QByteArrayView data) {
    const QString& id = frame.laterId;
    FieldReader reader(data);
    QStringList& fields = frame.fields;
    const int encoding = data.isEmpty() ? 0 : static_cast<int>(byteAt(data, 0));
    // Every layout but a plain link's starts with the encoding of its strings.
    const bool knownEncoding =
        encoding <= 3 || (id.startsWith(u'W') && id != QLatin1String("WXXX"));
    if (id == QLatin1String("TXXX") || id == QLatin1String("WXXX")) {
        reader.byte();
        fields << reader.text(encoding) << reader.texts(id.startsWith(u'T') ? encoding : 0);
    } else if (id.startsWith(u'T')) {
        reader.byte();
        fields = reader.texts(encoding);
        if (id == QLatin1String("TCON"))
            fields = genreNames(fields);
        frame.blank = fields.isEmpty();
    } else if (id.startsWith(u'W')) {
        fields = reader.texts(0);
    } else if (id == QLatin1String("COMM") || id == QLatin1String("USLT") ||
               id == QLatin1String("USER")) {
        reader.byte();
        fields << reader.latin1(3);
        if (id != QLatin1String("USER"))
            fields << reader.text(encoding);
        fields << reader.texts(encoding).join(QChar(0));
    } else if (id == QLatin1String("SYLT")) {
        reader.byte();
        fields << reader.latin1(3) << QString::number(reader.byte())
               << QString::number(reader.byte()) << reader.text(encoding);
        while (!reader.atEnd() && !reader.failed())
            fields << reader.text(encoding) << QString::number(reader.number());
    } else if (id == QLatin1String("APIC") || id == QLatin1String("GEOB")) {
        reader.byte();
        // A 2.2 picture names its format in three letters, a later one as a string.
        fields << (frame.id == QLatin1String("PIC") ? reader.latin1(3) : reader.text(0));
        fields << (id == QLatin1String("APIC") ? QString::number(reader.byte())
                                               : reader.text(encoding));
        fields << reader.text(encoding);
        frame.content = contentOf(reader.rest());
    } else {
        frame.content = contentOf(data);
        return;
    }
    if (reader.failed() || !knownEncoding || data.isEmpty()) {
        // Not what its name promises: compared as it stands.
        frame.fields.clear();
        frame.blank = false;
        frame.content = contentOf(data);
    }
}

} // namespace

Id3v2Extent Id3v2ExtentOf(const QByteArray& head) {
    if (head.size() < 10 || !head.startsWith("ID3"))
        return {};
    const int major = static_cast<int>(byteAt(head, 3));
    const bool footer = major == 4 && (byteAt(head, 5) & 0x10) != 0;
    return {major, 10 + static_cast<qint64>(synchsafe(head, 6)) + (footer ? 10 : 0)};
}

Id3v2Body Id3v2RawFrames(const QByteArray& tag) {
    const Id3v2Extent extent = Id3v2ExtentOf(tag);
    if (extent.majorVersion < 2 || extent.majorVersion > 4)
        return {};
    const int major = extent.majorVersion;
    const quint32 flags = byteAt(tag, 5);
    // The frames are read where they stand in the tag, unless it must be resynchronised first.
    Id3v2Body body{tag, {}};
    qsizetype at = 10;
    qsizetype end = std::min<qsizetype>(tag.size(), 10 + synchsafe(tag, 6));
    if (major < 4 && (flags & 0x80)) {
        body.bytes = resynchronised(tag.mid(10, end - 10));
        at = 0;
        end = body.bytes.size();
    }
    const QByteArray& bytes = body.bytes;
    if (major >= 3 && (flags & 0x40) && end - at >= 4)
        at += major == 3 ? 4 + bigEndian(bytes, at, 4) : synchsafe(bytes, at);
    const int idWidth = major == 2 ? 3 : 4;
    const int headerWidth = major == 2 ? 6 : 10;
    while (at + headerWidth <= end && bytes.at(at) != '\0') {
        const quint32 size = major == 2   ? bigEndian(bytes, at + 3, 3)
                             : major == 3 ? bigEndian(bytes, at + 4, 4)
                                          : synchsafe(bytes, at + 4);
        if (at + headerWidth + static_cast<qsizetype>(size) > end)
            break;
        Id3v2Frame frame;
        frame.id = QString::fromLatin1(bytes.mid(at, idWidth));
        frame.laterId = major == 2 ? laterName(frame.id) : frame.id;
        QByteArrayView data(bytes.constData() + at + headerWidth, static_cast<qsizetype>(size));
        QByteArray undone; // the data, where the frame's own encoding must be undone first
        const quint32 format = major == 2 ? 0 : byteAt(bytes, at + 9);
        if (major == 3) {
            // Extra bytes after the header: decompressed size, encryption method, group.
            const bool compressed = format & 0x80;
            const qsizetype extra = (format & 0x40 ? 1 : 0) + (format & 0x20 ? 1 : 0);
            if (compressed)
                data = undone =
                    uncompressed(data.first(std::min<qsizetype>(4, data.size())).toByteArray() +
                                 data.sliced(std::min(4 + extra, data.size())).toByteArray());
            else
                data = data.sliced(std::min(extra, data.size()));
        } else if (major == 4) {
            // Group, encryption method, data length; then unsynchronisation, compression.
            const qsizetype skip = (format & 0x40 ? 1 : 0) + (format & 0x04 ? 1 : 0);
            QByteArray length;
            if ((format & 0x01) && data.size() >= skip + 4) {
                const quint32 n = synchsafe(data, skip);
                length = QByteArray(1, char(n >> 24)) + char(n >> 16) + char(n >> 8) + char(n);
            }
            data = data.sliced(std::min(skip + (format & 0x01 ? 4 : 0), data.size()));
            if ((format & 0x02) || (flags & 0x80))
                data = undone = resynchronised(data.toByteArray());
            if (format & 0x08)
                data = undone = uncompressed(length + data.toByteArray());
        }
        // An encrypted frame is its bytes to every reader but its writer.
        const bool encrypted = (major == 3 && (format & 0x40)) || (major == 4 && (format & 0x04));
        if (encrypted)
            frame.content = contentOf(QByteArrayView(bytes).sliced(at + headerWidth, size));
        else
            readFields(frame, data);
        body.frames << Id3v2RawFrame{at, headerWidth + static_cast<qsizetype>(size), frame};
        at += headerWidth + static_cast<qsizetype>(size);
    }
    return body;
}

QList<Id3v2Frame> Id3v2Frames(const QByteArray& tag) {
    QList<Id3v2Frame> frames;
    for (Id3v2RawFrame& raw : Id3v2RawFrames(tag).frames)
        frames << std::move(raw.frame);
    return frames;
}

Id3v2Body Id3v1AsFrames(const QByteArray& last128) {
    if (last128.size() != 128 || !last128.startsWith("TAG"))
        return {};
    // Each field up to its first NUL, blanks around it dropped.
    const auto field = [&last128](int at, int size) {
        return QString::fromLatin1(last128.mid(at, size).split('\0').first()).trimmed();
    };
    QList<std::pair<const char*, QString>> texts{{"TIT2", field(3, 30)},
                                                 {"TPE1", field(33, 30)},
                                                 {"TALB", field(63, 30)},
                                                 {"TYER", field(93, 4)}};
    // A zero before the comment's last byte makes that byte the track (ID3v1.1).
    const bool track = last128.at(125) == '\0' && last128.at(126) != '\0';
    const QString comment = field(97, track ? 28 : 30);
    if (track)
        texts.append({"TRCK", QString::number(byteAt(last128, 126))});
    if (byteAt(last128, 127) < static_cast<quint32>(genreTable().size()))
        texts.append({"TCON", genreTable().at(byteAt(last128, 127))});
    Id3v2Body frames;
    const auto add = [&frames](const char* id, const QByteArray& data) {
        QByteArray bytes = QByteArray(id) + QByteArray(4, '\0') + QByteArray(2, '\0') + data;
        for (int i = 0; i < 4; ++i)
            bytes[4 + i] = static_cast<char>(data.size() >> (24 - 8 * i));
        Id3v2RawFrame raw{frames.bytes.size(), bytes.size(), {}};
        raw.frame.id = raw.frame.laterId = QString::fromLatin1(id);
        readFields(raw.frame, data);
        frames.bytes += bytes;
        frames.frames << raw;
    };
    for (const auto& [id, text] : texts)
        if (!text.isEmpty())
            add(id, '\0' + text.toLatin1());
    // As readers name it: in English, described as what it is.
    if (!comment.isEmpty())
        add("COMM", QByteArray("\0eng") + "ID3v1 Comment" + '\0' + comment.toLatin1());
    return frames;
}

QStringList Id3v2FrameIds(const QByteArray& tag) {
    QStringList ids;
    for (const Id3v2Frame& frame : Id3v2Frames(tag))
        ids << frame.id;
    return ids;
}
