#include "sources/Id3v2Layout.h"

#include <QStringDecoder>

#include <utility>

namespace {

quint32 byteAt(const QByteArray& bytes, qsizetype i) {
    return static_cast<unsigned char>(bytes.at(i));
}

quint32 synchsafe(const QByteArray& bytes, qsizetype at) {
    return (byteAt(bytes, at) & 0x7F) << 21 | (byteAt(bytes, at + 1) & 0x7F) << 14 |
           (byteAt(bytes, at + 2) & 0x7F) << 7 | (byteAt(bytes, at + 3) & 0x7F);
}

quint32 bigEndian(const QByteArray& bytes, qsizetype at, int width) {
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

// The 2.2 frames that have a later counterpart of the same layout.
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
        {"TT2", "TIT2"}, {"TT3", "TIT3"}, {"TXT", "TEXT"}, {"TXX", "TXXX"}, {"TYE", "TDRC"},
        {"UFI", "UFID"}, {"ULT", "USLT"}, {"WAF", "WOAF"}, {"WAR", "WOAR"}, {"WAS", "WOAS"},
        {"WCM", "WCOM"}, {"WCP", "WCOP"}, {"WPB", "WPUB"}, {"WXX", "WXXX"}};
    for (const auto& [older, later] : names)
        if (id22 == QLatin1String(older))
            return QLatin1String(later);
    return {};
}

// A text frame's strings, each decoded on its own (a UTF-16 string carries its own BOM),
// joined by NUL, trailing terminators dropped: the same text however it was encoded.
QByteArray decodedText(const QByteArray& data) {
    if (data.isEmpty())
        return data;
    const int encoding = static_cast<int>(byteAt(data, 0));
    const bool wide = encoding == 1 || encoding == 2;
    QList<QByteArray> parts;
    QByteArray part;
    for (qsizetype i = 1; i < data.size(); i += wide ? 2 : 1) {
        const QByteArray unit = data.mid(i, wide ? 2 : 1);
        if (unit.count('\0') == unit.size() && unit.size() == (wide ? 2 : 1)) {
            parts << std::exchange(part, QByteArray());
        } else {
            part += unit;
        }
    }
    parts << part;
    while (!parts.isEmpty() && parts.last().isEmpty())
        parts.removeLast();
    QStringList texts;
    for (const QByteArray& bytes : parts) {
        QStringDecoder decoder(encoding == 0   ? QStringConverter::Latin1
                               : encoding == 1 ? QStringConverter::Utf16
                               : encoding == 2 ? QStringConverter::Utf16BE
                                               : QStringConverter::Utf8);
        texts << decoder.decode(bytes);
    }
    return "T:" + texts.join(QChar(0)).toUtf8();
}

} // namespace

Id3v2Extent Id3v2ExtentOf(const QByteArray& head) {
    if (head.size() < 10 || !head.startsWith("ID3"))
        return {};
    const int major = static_cast<int>(byteAt(head, 3));
    const bool footer = major == 4 && (byteAt(head, 5) & 0x10) != 0;
    return {major, 10 + static_cast<qint64>(synchsafe(head, 6)) + (footer ? 10 : 0)};
}

QList<Id3v2Frame> Id3v2Frames(const QByteArray& tag) {
    const Id3v2Extent extent = Id3v2ExtentOf(tag);
    if (extent.majorVersion < 2 || extent.majorVersion > 4)
        return {};
    const int major = extent.majorVersion;
    const quint32 flags = byteAt(tag, 5);
    QByteArray body = tag.mid(10, static_cast<qsizetype>(synchsafe(tag, 6)));
    if (major < 4 && (flags & 0x80))
        body = resynchronised(body);
    qsizetype at = 0;
    if (major >= 3 && (flags & 0x40) && body.size() >= 4)
        at = major == 3 ? 4 + bigEndian(body, 0, 4) : synchsafe(body, 0);
    const int idWidth = major == 2 ? 3 : 4;
    const int headerWidth = major == 2 ? 6 : 10;
    QList<Id3v2Frame> frames;
    while (at + headerWidth <= body.size() && body.at(at) != '\0') {
        const quint32 size = major == 2   ? bigEndian(body, at + 3, 3)
                             : major == 3 ? bigEndian(body, at + 4, 4)
                                          : synchsafe(body, at + 4);
        if (at + headerWidth + static_cast<qsizetype>(size) > body.size())
            break;
        Id3v2Frame frame;
        frame.id = QString::fromLatin1(body.mid(at, idWidth));
        frame.laterId = major == 2 ? laterName(frame.id) : frame.id;
        QByteArray data = body.mid(at + headerWidth, static_cast<qsizetype>(size));
        const quint32 format = major == 2 ? 0 : byteAt(body, at + 9);
        if (major == 3) {
            // Extra bytes after the header: decompressed size, encryption method, group.
            const bool compressed = format & 0x80;
            const qsizetype extra = (format & 0x40 ? 1 : 0) + (format & 0x20 ? 1 : 0);
            if (compressed)
                data = uncompressed(data.left(4) + data.mid(4 + extra));
            else
                data = data.mid(extra);
        } else if (major == 4) {
            // Group, encryption method, data length; then unsynchronisation, compression.
            const qsizetype skip = (format & 0x40 ? 1 : 0) + (format & 0x04 ? 1 : 0);
            QByteArray length;
            if ((format & 0x01) && data.size() >= skip + 4) {
                const quint32 n = synchsafe(data, skip);
                length = QByteArray(1, char(n >> 24)) + char(n >> 16) + char(n >> 8) + char(n);
            }
            data = data.mid(skip + (format & 0x01 ? 4 : 0));
            if ((format & 0x02) || (flags & 0x80))
                data = resynchronised(data);
            if (format & 0x08)
                data = uncompressed(length + data);
        }
        if (frame.laterId.startsWith(QLatin1Char('T')))
            data = decodedText(data);
        frame.content = data;
        frames << frame;
        at += headerWidth + static_cast<qsizetype>(size);
    }
    return frames;
}

QStringList Id3v2FrameIds(const QByteArray& tag) {
    QStringList ids;
    for (const Id3v2Frame& frame : Id3v2Frames(tag))
        ids << frame.id;
    return ids;
}
