#include "sources/Id3v2Layout.h"

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

} // namespace

Id3v2Extent Id3v2ExtentOf(const QByteArray& head) {
    if (head.size() < 10 || !head.startsWith("ID3"))
        return {};
    const int major = static_cast<int>(byteAt(head, 3));
    const bool footer = major == 4 && (byteAt(head, 5) & 0x10) != 0;
    return {major, 10 + static_cast<qint64>(synchsafe(head, 6)) + (footer ? 10 : 0)};
}

QStringList Id3v2FrameIds(const QByteArray& tag) {
    const Id3v2Extent extent = Id3v2ExtentOf(tag);
    if (extent.majorVersion < 2 || extent.majorVersion > 4)
        return {};
    const int major = extent.majorVersion;
    const quint32 flags = byteAt(tag, 5);
    QByteArray body = tag.mid(10, static_cast<qsizetype>(synchsafe(tag, 6)));
    if (major < 4 && (flags & 0x80))
        body = resynchronised(body);

    qsizetype at = 0;
    if (major >= 3 && (flags & 0x40) && body.size() >= 4) {
        // 2.3 counts the extended header without its size field, 2.4 with it.
        at = major == 3 ? 4 + bigEndian(body, 0, 4) : synchsafe(body, 0);
    }
    const int idWidth = major == 2 ? 3 : 4;
    const int headerWidth = major == 2 ? 6 : 10;
    QStringList ids;
    while (at + headerWidth <= body.size() && body.at(at) != '\0') {
        const quint32 size = major == 2   ? bigEndian(body, at + 3, 3)
                             : major == 3 ? bigEndian(body, at + 4, 4)
                                          : synchsafe(body, at + 4);
        if (at + headerWidth + static_cast<qsizetype>(size) > body.size())
            break;
        ids << QString::fromLatin1(body.mid(at, idWidth));
        at += headerWidth + static_cast<qsizetype>(size);
    }
    return ids;
}
