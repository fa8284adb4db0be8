// Ogg: pages of one or more logical streams. The lyrics are a comment of the comment packet of
// the stream that holds Vorbis, Opus or FLAC audio; a save writes that stream's header pages
// anew (numbered on from there, the pages after them renumbered only when their count must
// change) and copies every other page as it stands.

#include "sources/AudioLayout.h"

#include <QBuffer>
#include <QCoreApplication>

#include <array>
#include <map>
#include <utility>

namespace {

constexpr int kMostPages = 1 << 22;

struct Page {
    qint64 at = 0;
    QByteArray header; // the 27 bytes and the lacing values
    qint64 body = 0;   // its size
    quint32 serial() const { return LittleEndian32(header, 14); }
    int flags() const { return static_cast<unsigned char>(header.at(5)); }
    qint64 end() const { return at + header.size() + body; }
};

struct Packet {
    std::vector<std::pair<qint64, qint64>> parts; // where its bytes are: at, length
    qint64 size = 0;
    std::size_t lastPage = 0; // the page it ends on, an index into the stream's pages
};

struct OggShape {
    QString fault;
    std::vector<Page> pages;
    qint64 end = 0;     // of the last page; bytes after it are kept as they are
    quint32 serial = 0; // of the stream that holds the tag
    QString codec;
    std::vector<std::size_t> own; // that stream's pages, as indexes into pages
    std::vector<Packet> headers;  // its header packets
    int comments = -1;            // which of them holds the comments
    qint64 listAt = 0;            // where the comment list starts in that packet
};

// The packet's first count bytes, or all of them.
QByteArray packetBytes(const SongBytes& song, const Packet& packet, qint64 count = -1) {
    const qint64 wanted = count < 0 ? packet.size : std::min(count, packet.size);
    QByteArray bytes;
    bytes.reserve(wanted);
    for (const auto& [at, length] : packet.parts) {
        if (bytes.size() >= wanted)
            break;
        bytes += song.read(at, std::min(length, wanted - bytes.size()));
    }
    return bytes;
}

OggShape shapeOf(const SongBytes& song) {
    OggShape shape;
    for (qint64 at = 0; at + 27 <= song.size() && shape.pages.size() < kMostPages;) {
        Page page{at, song.read(at, 27), 0};
        if (!page.header.startsWith("OggS") || page.header.at(4) != '\0')
            break;
        page.header += song.read(at + 27, static_cast<unsigned char>(page.header.at(26)));
        for (qsizetype i = 27; i < page.header.size(); ++i)
            page.body += static_cast<unsigned char>(page.header.at(i));
        if (page.header.size() != 27 + static_cast<unsigned char>(page.header.at(26)) ||
            page.end() > song.size())
            break;
        shape.pages.push_back(page);
        at = shape.end = page.end();
    }
    // The stream of the audio whose comments readers show: the first that holds some.
    std::map<quint32, QByteArray> firsts;
    for (const Page& page : shape.pages)
        if ((page.flags() & 0x02) && page.header.size() > 27)
            firsts[page.serial()] = song.read(page.at + page.header.size(), 16);
    for (const Page& page : shape.pages) {
        if (!(page.flags() & 0x02))
            continue;
        const QByteArray& first = firsts[page.serial()];
        shape.codec = first.startsWith("\x01vorbis") ? QStringLiteral("Vorbis")
                      : first.startsWith("OpusHead") ? QStringLiteral("Opus")
                      : first.startsWith("\x7F"
                                         "FLAC")
                          ? QStringLiteral("FLAC")
                          : QString();
        shape.serial = page.serial();
        if (!shape.codec.isEmpty())
            break;
    }
    if (shape.pages.empty()) {
        shape.fault = QCoreApplication::translate("AudioLayout", "it is not an Ogg file");
        return shape;
    }
    if (shape.codec.isEmpty()) {
        shape.fault =
            QCoreApplication::translate("AudioLayout", "it holds no Vorbis, Opus or FLAC audio");
        return shape;
    }
    // Its header packets: Vorbis three, Opus two, FLAC one and as many as the first names.
    const QByteArray& first = firsts[shape.serial];
    const int count = shape.codec == QLatin1String("Vorbis") ? 3
                      : shape.codec == QLatin1String("Opus")
                          ? 2
                          : 1 + static_cast<int>(BigEndian(first, 7, 2));
    Packet packet;
    for (std::size_t i = 0; i < shape.pages.size(); ++i) {
        const Page& page = shape.pages[i];
        if (page.serial() != shape.serial)
            continue;
        shape.own.push_back(i);
        qint64 body = page.at + page.header.size();
        for (qsizetype s = 27; s < page.header.size(); ++s) {
            const int length = static_cast<unsigned char>(page.header.at(s));
            if (static_cast<int>(shape.headers.size()) < count) {
                packet.parts.emplace_back(body, length);
                packet.size += length;
            }
            body += length;
            if (length == 255 || static_cast<int>(shape.headers.size()) >= count)
                continue;
            packet.lastPage = shape.own.size() - 1;
            shape.headers.push_back(std::move(packet));
            packet = Packet();
        }
        // The audio starts on a page of its own after the headers.
        if (static_cast<int>(shape.headers.size()) >= count)
            break;
    }
    if (static_cast<int>(shape.headers.size()) < std::max(count, 2) || !packet.parts.empty()) {
        shape.fault =
            QCoreApplication::translate("AudioLayout", "its Ogg header pages are damaged");
        return shape;
    }
    // The first packet has its page to itself, and the last ends its page: the pages between
    // are the headers' alone.
    const Page& last = shape.pages[shape.own[shape.headers.back().lastPage]];
    const auto& lastPart = shape.headers.back().parts.back();
    if (shape.headers.front().lastPage != 0 ||
        shape.headers[1].parts.front().first < shape.pages[shape.own[0]].end() ||
        lastPart.first + lastPart.second != last.end()) {
        shape.fault = QCoreApplication::translate(
            "AudioLayout", "its header pages hold audio too, which this program does "
                           "not lay out anew");
        return shape;
    }
    for (std::size_t i = 0; i < shape.headers.size(); ++i) {
        const QByteArray head = packetBytes(song, shape.headers[i], 16);
        if (shape.codec == QLatin1String("Vorbis") && head.startsWith("\x03vorbis"))
            shape.listAt = 7;
        else if (shape.codec == QLatin1String("Opus") && head.startsWith("OpusTags"))
            shape.listAt = 8;
        else if (shape.codec == QLatin1String("FLAC") && i > 0 && (head.at(0) & 0x7F) == 4)
            shape.listAt = 4;
        else
            continue;
        shape.comments = static_cast<int>(i);
        break;
    }
    if (shape.comments < 0)
        shape.fault = QCoreApplication::translate("AudioLayout", "its Vorbis comments are damaged");
    return shape;
}

// The comment list of the comment packet, read from the packet's bytes.
VorbisComments commentsOf(const QByteArray& packet, qint64 listAt) {
    QByteArray bytes = packet;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadVorbisComments(SongBytes(buffer), listAt, bytes.size());
}

// The page's checksum, its own field taken as zeros; the body may come in parts.
std::uint32_t checksum(const QByteArray& header, const std::vector<QByteArrayView>& body) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t r = i << 24;
            for (int bit = 0; bit < 8; ++bit)
                r = (r & 0x80000000U) != 0 ? (r << 1) ^ 0x04C11DB7U : r << 1;
            t[i] = r;
        }
        return t;
    }();
    std::uint32_t crc = 0;
    const auto add = [&crc](QByteArrayView bytes, qsizetype skipFrom) {
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const auto byte =
                i >= skipFrom && i < skipFrom + 4 ? 0U : static_cast<unsigned char>(bytes.at(i));
            crc = (crc << 8) ^ table[((crc >> 24) ^ byte) & 0xFF];
        }
    };
    add(header, 22);
    for (const QByteArrayView part : body)
        add(part, -8);
    return crc;
}

} // namespace

AudioLayout ReadOggLayout(const SongBytes& song, bool hashAudio) {
    const OggShape shape = shapeOf(song);
    AudioLayout layout;
    layout.fault = shape.fault;
    layout.codec = shape.codec;
    if (!layout.fault.isEmpty())
        return layout;
    const Packet& packet = shape.headers[static_cast<std::size_t>(shape.comments)];
    layout.tagSize = packet.size;
    const VorbisComments list = commentsOf(packetBytes(song, packet), shape.listAt);
    if (!list.ok) {
        layout.fault =
            QCoreApplication::translate("AudioLayout", "its Vorbis comments are damaged");
        return layout;
    }
    TakeVorbisComments(list, layout);
    if (!hashAudio)
        return layout;
    // The other header packets as packets; the stream's later pages, and every other
    // stream's pages, as they stand but for their numbers and checksums.
    QCryptographicHash kept(QCryptographicHash::Sha1);
    for (std::size_t i = 0; i < shape.headers.size(); ++i)
        if (static_cast<int>(i) != shape.comments)
            kept.addData(packetBytes(song, shape.headers[i]));
    std::map<quint32, QCryptographicHash> streams;
    const std::size_t headerPages = shape.own[shape.headers.back().lastPage];
    for (std::size_t i = 0; i < shape.pages.size(); ++i) {
        const Page& page = shape.pages[i];
        if (page.serial() == shape.serial && i <= headerPages)
            continue;
        QCryptographicHash& hash =
            streams.try_emplace(page.serial(), QCryptographicHash::Sha1).first->second;
        hash.addData(page.header.left(14) + page.header.mid(26));
        song.hash(hash, page.at + page.header.size(), page.body);
    }
    for (auto& [serial, hash] : streams)
        kept.addData(QByteArray::number(serial) + hash.result());
    HashPart(kept, "rest", song, shape.end, song.size() - shape.end);
    layout.kept = kept.result();
    return layout;
}

SongPlan PlanOggLyrics(const SongBytes& song, const QString& lyrics) {
    OggShape shape = shapeOf(song);
    if (!shape.fault.isEmpty())
        return {{}, shape.fault};
    // The new comment packet: the old one's head, the new list, a Vorbis packet's framing bit.
    const std::size_t comments = static_cast<std::size_t>(shape.comments);
    QByteArray packet;
    {
        VorbisComments list;
        QByteArray head;
        {
            const QByteArray old = packetBytes(song, shape.headers[comments]);
            list = commentsOf(old, shape.listAt);
            head = old.left(shape.listAt);
        }
        if (!list.ok)
            return {{},
                    QCoreApplication::translate("AudioLayout", "its Vorbis comments are damaged")};
        packet = WriteVorbisComments(list, lyrics, head,
                                     shape.codec == QLatin1String("Vorbis") ? QByteArray("\x01")
                                                                            : QByteArray());
    }
    if (shape.codec == QLatin1String("FLAC")) {
        if (packet.size() - 4 > 0xFFFFFF)
            return {{},
                    QCoreApplication::translate(
                        "AudioLayout", "the lyrics are too long for a FLAC comment block")};
        packet.replace(1, 3, BigEndianBytes(packet.size() - 4, 3));
    }
    // Every header packet but the first, which has a page of its own, goes on pages again.
    std::vector<QByteArray> packets;
    packets.reserve(shape.headers.size());
    for (std::size_t i = 1; i < shape.headers.size(); ++i)
        packets.push_back(i == comments ? std::exchange(packet, QByteArray())
                                        : packetBytes(song, shape.headers[i]));
    QByteArray lacing;
    for (const QByteArray& p : packets) {
        lacing.append(p.size() / 255, '\xFF');
        lacing.append(static_cast<char>(p.size() % 255));
    }
    const std::size_t firstPage = shape.headers.front().lastPage + 1;
    const std::size_t lastPage = shape.headers.back().lastPage;
    // Pages written anew get checksums that hold: a page whose checksum failed, which readers
    // pass over, would come back to them.
    for (std::size_t n = firstPage; n <= lastPage; ++n) {
        const Page& page = shape.pages[shape.own[n]];
        if (checksum(page.header, {song.read(page.at + page.header.size(), page.body)}) !=
            LittleEndian32(page.header, 22))
            return {{},
                    QCoreApplication::translate(
                        "AudioLayout", "its Ogg header pages are damaged (a checksum does not "
                                       "match)")};
    }
    const qint64 oldCount = static_cast<qint64>(lastPage + 1 - firstPage);
    const qint64 segments = lacing.size();
    // As many pages as before where the segments can be shared out so; else as few as hold them.
    qint64 count = (segments + 254) / 255;
    if (segments >= oldCount && count <= oldCount)
        count = oldCount;
    const qint64 shift = count - oldCount;
    const Page& model = shape.pages[shape.own[lastPage]];
    const quint32 sequence = LittleEndian32(shape.pages[shape.own[firstPage]].header, 18);
    // Each page: its header, then its body as parts of the packets, which the pieces share.
    std::vector<SongPiece> written;
    qint64 segment = 0;
    std::size_t in = 0; // the packet the next body byte comes from, and where in it
    qint64 inAt = 0;
    for (qint64 n = 0; n < count; ++n) {
        const qint64 take = segments / count + (n < segments % count ? 1 : 0);
        const QByteArray pageLacing = lacing.mid(segment, take);
        qint64 body = 0;
        for (const char value : pageLacing)
            body += static_cast<unsigned char>(value);
        std::vector<SongPiece> parts;
        for (qint64 left = body; left > 0;) {
            const qint64 part = std::min(left, packets[in].size() - inAt);
            if (part > 0)
                parts.push_back({-1, part, packets[in], inAt});
            inAt += part;
            left -= part;
            if (inAt == packets[in].size() && in + 1 < packets.size()) {
                ++in;
                inAt = 0;
            }
        }
        QByteArray header = model.header.left(27) + pageLacing;
        const bool continued =
            segment > 0 && static_cast<unsigned char>(lacing.at(segment - 1)) == 255;
        header[5] =
            static_cast<char>((continued ? 0x01 : 0) | (n + 1 == count ? model.flags() & 0x04 : 0));
        if (n + 1 < count)
            header.replace(6, 8, QByteArray(8, '\0'));
        header.replace(18, 4, LittleEndianBytes(sequence + n, 4));
        header[26] = static_cast<char>(pageLacing.size());
        std::vector<QByteArrayView> views;
        views.reserve(parts.size());
        for (const SongPiece& p : parts)
            views.push_back(QByteArrayView(p.bytes).sliced(p.offset, p.size));
        header.replace(22, 4, LittleEndianBytes(checksum(header, views), 4));
        written.push_back({-1, 0, header, 0});
        for (SongPiece& p : parts)
            written.push_back(std::move(p));
        segment += take;
    }
    packets.clear();
    SongPlan plan;
    qint64 from = 0;
    const auto copyTo = [&](qint64 to) {
        if (to > from)
            plan.pieces.push_back({from, to - from, {}});
    };
    for (std::size_t n = firstPage; n <= lastPage; ++n) {
        const Page& page = shape.pages[shape.own[n]];
        copyTo(page.at);
        if (n == firstPage)
            for (SongPiece& piece : written)
                plan.pieces.push_back(std::move(piece));
        from = page.end();
    }
    // The stream's later pages are numbered on from the new header pages.
    for (std::size_t n = lastPage + 1; shift != 0 && n < shape.own.size(); ++n) {
        const Page& page = shape.pages[shape.own[n]];
        copyTo(page.at);
        QByteArray header = page.header;
        header.replace(18, 4, LittleEndianBytes(LittleEndian32(header, 18) + shift, 4));
        const QByteArray body = song.read(page.at + page.header.size(), page.body);
        header.replace(22, 4, LittleEndianBytes(checksum(header, {body}), 4));
        plan.pieces.push_back({-1, 0, header});
        from = page.at + page.header.size();
    }
    copyTo(song.size());
    return plan;
}
