#include "media/HiddenMetadata.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <map>

namespace {

// Past these the walk stops: the rest of a file so shaped is left as it is.
constexpr int kMostParts = 1 << 20;            // blocks, atoms, chunks or pages
constexpr std::int64_t kOggScanned = 64 << 20; // bytes of pages looked at

class Song {
public:
    explicit Song(int fd) : m_fd(fd) {
        struct stat status {};
        m_size = ::fstat(fd, &status) == 0 ? status.st_size : 0;
    }
    std::int64_t size() const { return m_size; }
    // Up to count bytes at at; fewer at the end of the file.
    QByteArray read(std::int64_t at, std::int64_t count) const {
        if (at < 0 || count <= 0 || at >= m_size)
            return {};
        QByteArray bytes(static_cast<qsizetype>(std::min(count, m_size - at)), Qt::Uninitialized);
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::pread(m_fd, bytes.data() + done,
                                      static_cast<std::size_t>(bytes.size() - done), at + done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += n;
        }
        bytes.truncate(done);
        return bytes;
    }

private:
    int m_fd;
    std::int64_t m_size = 0;
};

std::uint32_t byteAt(const QByteArray& bytes, qsizetype i) {
    return static_cast<unsigned char>(bytes.at(i));
}

std::uint32_t bigEndian(const QByteArray& bytes, qsizetype at, int width) {
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i)
        value = value << 8 | byteAt(bytes, at + i);
    return value;
}

std::uint32_t littleEndian(const QByteArray& bytes, qsizetype at) {
    return byteAt(bytes, at) | byteAt(bytes, at + 1) << 8 | byteAt(bytes, at + 2) << 16 |
           byteAt(bytes, at + 3) << 24;
}

using Patches = std::vector<BytePatch>;

// Leading ID3v2 tags, one after another: their frames read as padding. Answers where the
// stream after them starts.
std::int64_t hideId3v2(const Song& song, Patches& patches) {
    std::int64_t at = 0;
    for (int tags = 0; tags < 16; ++tags) {
        const QByteArray head = song.read(at, 10);
        if (head.size() < 10 || !head.startsWith("ID3") || byteAt(head, 3) < 2 ||
            byteAt(head, 3) > 4)
            break;
        std::int64_t size = 0;
        for (int i = 6; i < 10; ++i)
            size = size << 7 | (byteAt(head, i) & 0x7F);
        const bool footer = byteAt(head, 3) == 4 && (byteAt(head, 5) & 0x10) != 0;
        // No unsynchronisation, no extended header: a tag of nothing but padding.
        patches.push_back({at + 5, 1, QByteArray(1, static_cast<char>(byteAt(head, 5) & 0x10))});
        patches.push_back({at + 10, std::min(size, song.size() - at - 10), {}});
        at += 10 + size + (footer ? 10 : 0);
    }
    return at;
}

// Every metadata block but the stream information reads as padding.
void hideFlac(const Song& song, std::int64_t at, Patches& patches) {
    for (int blocks = 0; blocks < kMostParts && at + 4 <= song.size(); ++blocks) {
        const QByteArray header = song.read(at, 4);
        if (header.size() < 4)
            return;
        const std::uint32_t first = byteAt(header, 0);
        if ((first & 0x7F) != 0)
            patches.push_back({at, 1, QByteArray(1, static_cast<char>((first & 0x80) | 1))});
        at += 4 + bigEndian(header, 1, 3);
        if (first & 0x80)
            return;
    }
}

// The MP4 user data and metadata boxes of the movie and its tracks read as free space.
void hideMp4Boxes(const Song& song, std::int64_t from, std::int64_t to, int depth, Patches& patches,
                  int& boxes) {
    for (std::int64_t at = from; at + 8 <= to && boxes < kMostParts; ++boxes) {
        const QByteArray header = song.read(at, 16);
        if (header.size() < 8)
            return;
        std::int64_t size = bigEndian(header, 0, 4);
        if (size == 1 && header.size() == 16)
            size =
                static_cast<std::int64_t>(bigEndian(header, 8, 4)) << 32 | bigEndian(header, 12, 4);
        else if (size == 0)
            size = to - at;
        const std::int64_t headerSize = bigEndian(header, 0, 4) == 1 ? 16 : 8;
        if (size < headerSize || at + size > to)
            return;
        const QByteArray type = header.mid(4, 4);
        if (depth > 0 && (type == "udta" || type == "meta"))
            patches.push_back({at + 4, 4, QByteArray("free")});
        else if (type == "moov" || (depth == 1 && type == "trak"))
            hideMp4Boxes(song, at + headerSize, at + size, depth + 1, patches, boxes);
        at += size;
    }
}

// INFO lists and ID3 chunks read as junk, which a reader skips.
void hideWavChunks(const Song& song, std::int64_t at, Patches& patches) {
    const bool rf64 = song.read(at, 4) == "RF64";
    std::int64_t dataSize = -1; // of an RF64 file, from its ds64 chunk
    at += 12;
    for (int chunks = 0; chunks < kMostParts && at + 8 <= song.size(); ++chunks) {
        const QByteArray header = song.read(at, 16);
        const QByteArray id = header.left(4);
        std::int64_t size = littleEndian(header, 4);
        if (rf64 && id == "ds64" && header.size() == 16)
            dataSize =
                static_cast<std::int64_t>(littleEndian(header, 12)) << 32 | littleEndian(header, 8);
        if (id == "data" && size == 0xFFFFFFFF && dataSize >= 0)
            size = dataSize;
        if (id == "LIST" || id.toUpper() == "ID3 ")
            patches.push_back({at, 4, QByteArray("JUNK")});
        at += 8 + size + (size & 1);
    }
}

// An APE tag at the end, before an ID3v1 tag or not: its footer is no longer one.
void hideApeTag(const Song& song, Patches& patches) {
    for (const std::int64_t end : {song.size(), song.size() - 128}) {
        if (end - 32 >= 0 && song.read(end - 32, 8) == "APETAGEX") {
            patches.push_back({end - 32, 8, {}});
            return;
        }
    }
}

// ---- Ogg: the comment packet of each stream counts no comments ---------------------------

std::uint32_t oggChecksum(const QByteArray& page) {
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
    for (qsizetype i = 0; i < page.size(); ++i)
        crc = (crc << 8) ^ table[((crc >> 24) ^ (i >= 22 && i < 26 ? 0 : byteAt(page, i))) & 0xFF];
    return crc;
}

struct OggPage {
    std::int64_t at = 0;
    std::int64_t size = 0;
};

// One logical stream's header packets as they pass, page by page.
struct OggStream {
    int packet = 0;                                           // the one being read
    std::vector<std::pair<std::int64_t, std::int64_t>> parts; // its bytes so far: at, length
    std::int64_t length = 0;
    QByteArray magic;  // what the comment packet starts with before its vendor; "" for none
    int headers = 0;   // Ogg FLAC: metadata packets after the first
    bool done = false; // its comments hidden, or nothing to hide
};

// Where byte index of the packet whose parts are given lies in the file; -1 past them.
std::int64_t offsetOf(const OggStream& stream, std::int64_t index) {
    for (const auto& [at, length] : stream.parts) {
        if (index < length)
            return at + index;
        index -= length;
    }
    return -1;
}

QByteArray packetBytes(const Song& song, const OggStream& stream, std::int64_t count) {
    QByteArray bytes;
    for (const auto& [at, length] : stream.parts) {
        if (bytes.size() >= count)
            break;
        bytes += song.read(at, std::min<std::int64_t>(length, count - bytes.size()));
    }
    return bytes;
}

// The file offsets a finished header packet of stream has hidden, or none yet.
std::vector<std::pair<std::int64_t, QByteArray>> hiddenIn(const Song& song, OggStream& stream) {
    const int index = stream.packet;
    if (index == 0) { // the identification packet tells the codec
        const QByteArray head = packetBytes(song, stream, 16);
        stream.magic = head.startsWith("\x01vorbis")   ? QByteArray("\x03vorbis")
                       : head.startsWith("OpusHead")   ? QByteArray("OpusTags")
                       : head.startsWith("\x80theora") ? QByteArray("\x81theora")
                                                       : QByteArray();
        if (head.startsWith("\x7F"
                            "FLAC") &&
            head.size() >= 9)
            stream.headers = static_cast<int>(bigEndian(head, 7, 2));
        stream.done = stream.magic.isEmpty() && stream.headers == 0;
        return {};
    }
    if (stream.headers > 0) { // Ogg FLAC: each later header packet is a metadata block
        stream.done = index >= stream.headers;
        const QByteArray type = packetBytes(song, stream, 1);
        if (type.isEmpty() || (byteAt(type, 0) & 0x7F) == 0)
            return {};
        return {
            {offsetOf(stream, 0), QByteArray(1, static_cast<char>((byteAt(type, 0) & 0x80) | 1))}};
    }
    stream.done = true;
    const qsizetype vendorAt = stream.magic.size();
    const QByteArray head = packetBytes(song, stream, vendorAt + 4);
    if (!head.startsWith(stream.magic) || head.size() < vendorAt + 4)
        return {};
    const std::int64_t count = vendorAt + 4 + littleEndian(head, vendorAt);
    std::vector<std::pair<std::int64_t, QByteArray>> hidden;
    for (int i = 0; i < 4; ++i)
        if (const std::int64_t at = offsetOf(stream, count + i); at >= 0)
            hidden.emplace_back(at, QByteArray(1, '\0'));
    return hidden;
}

void hideOggComments(const Song& song, std::int64_t start, Patches& patches) {
    std::map<std::uint32_t, OggStream> streams;
    std::vector<std::pair<std::int64_t, QByteArray>> hidden;
    std::vector<OggPage> pages; // every page read, for the checksums to redo
    std::int64_t at = start;
    for (int n = 0; n < kMostParts && at < std::min(song.size(), kOggScanned); ++n) {
        const QByteArray header = song.read(at, 27);
        if (header.size() < 27 || !header.startsWith("OggS"))
            break;
        const QByteArray lacing = song.read(at + 27, byteAt(header, 26));
        std::int64_t body = at + 27 + lacing.size();
        const OggPage page{at, 27 + lacing.size()};
        OggStream& stream = streams[littleEndian(header, 14)];
        std::int64_t pageSize = page.size;
        for (qsizetype i = 0; i < lacing.size() && !stream.done; ++i) {
            const std::int64_t length = byteAt(lacing, i);
            stream.parts.emplace_back(body, length);
            body += length;
            if (length == 255)
                continue;
            for (auto& change : hiddenIn(song, stream))
                hidden.push_back(std::move(change));
            stream.parts.clear();
            ++stream.packet;
        }
        for (qsizetype i = 0; i < lacing.size(); ++i)
            pageSize += byteAt(lacing, i);
        pages.push_back({page.at, pageSize});
        at += pageSize;
        // Every stream begins on the first pages: none comes after those are done.
        const bool anotherBegins = (byteAt(song.read(at + 5, 1).append('\0'), 0) & 0x02) != 0;
        if (!anotherBegins && std::all_of(streams.begin(), streams.end(),
                                          [](const auto& s) { return s.second.done; }))
            break;
    }
    // Each page that holds a hidden byte gets it, and a checksum that agrees.
    for (const OggPage& page : pages) {
        QByteArray bytes;
        for (const auto& [where, value] : hidden) {
            if (where < page.at || where >= page.at + page.size)
                continue;
            if (bytes.isEmpty())
                bytes = song.read(page.at, page.size);
            bytes[static_cast<qsizetype>(where - page.at)] = value.at(0);
            patches.push_back({where, 1, value});
        }
        if (bytes.isEmpty())
            continue;
        const std::uint32_t crc = oggChecksum(bytes);
        QByteArray field(4, '\0');
        for (int i = 0; i < 4; ++i)
            field[i] = static_cast<char>(crc >> (8 * i));
        patches.push_back({page.at + 22, 4, field});
    }
}

} // namespace

std::vector<BytePatch> HideMetadata(int fd) {
    const Song song(fd);
    Patches patches;
    const std::int64_t start = hideId3v2(song, patches);
    const QByteArray head = song.read(start, 12);
    if (head.startsWith("fLaC"))
        hideFlac(song, start + 4, patches);
    else if (head.startsWith("OggS"))
        hideOggComments(song, start, patches);
    else if ((head.startsWith("RIFF") || head.startsWith("RF64")) && head.mid(8, 4) == "WAVE")
        hideWavChunks(song, start, patches);
    else if (head.mid(4, 4) == "ftyp") {
        int boxes = 0;
        hideMp4Boxes(song, start, song.size(), 0, patches, boxes);
    }
    hideApeTag(song, patches);
    std::sort(patches.begin(), patches.end(),
              [](const BytePatch& a, const BytePatch& b) { return a.at < b.at; });
    return patches;
}

void ApplyPatches(const std::vector<BytePatch>& patches, std::int64_t at, std::uint8_t* data,
                  std::int64_t size) {
    // Patches do not overlap and are sorted: the first that ends past at is found by halves.
    auto patch = std::partition_point(patches.begin(), patches.end(),
                                      [at](const BytePatch& p) { return p.at + p.length <= at; });
    for (; patch != patches.end() && patch->at < at + size; ++patch) {
        const std::int64_t from = std::max(patch->at, at);
        const std::int64_t to = std::min(patch->at + patch->length, at + size);
        for (std::int64_t i = from; i < to; ++i)
            data[i - at] = patch->bytes.isEmpty()
                               ? 0
                               : static_cast<std::uint8_t>(patch->bytes.at(i - patch->at));
    }
}
