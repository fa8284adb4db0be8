// WAV: a RIFF (or RF64) list of chunks. The lyrics are a frame of the ID3v2 tag in an "ID3 "
// chunk; a save rewrites that chunk, or adds one where no reader takes it for audio, and copies
// every other chunk as it stands.

#include "sources/AudioLayout.h"
#include "sources/Id3v2Layout.h"
#include "sources/Id3v2Splice.h"

#include <QCoreApplication>

namespace {

struct Chunk {
    qint64 at = 0; // of its header
    QByteArray id;
    qint64 size = 0; // of its contents
    qint64 end = 0;  // where the next chunk starts
};

struct WavShape {
    QString fault;
    bool rf64 = false;
    std::vector<Chunk> chunks;
    int tag = -1;            // the chunk of the ID3v2 tag readers take, -1 for none
    int data = -1;           // the audio's
    bool dataToEnd = false;  // a streaming WAV's audio runs to the end of the file
    qint64 listEnd = 0;      // where the last chunk ends
    bool sizeAgrees = false; // the RIFF size (or RF64's) is the list's
    qint64 ds64Riff = -1;    // where RF64 keeps the RIFF size
};

bool isId(QByteArrayView id) {
    return id.size() == 4 &&
           std::all_of(id.begin(), id.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

WavShape shapeOf(const SongBytes& song) {
    WavShape shape;
    const QByteArray riff = song.read(0, 12);
    shape.rf64 = riff.startsWith("RF64");
    if (riff.size() != 12 || !(riff.startsWith("RIFF") || shape.rf64) || riff.mid(8) != "WAVE") {
        shape.fault = QCoreApplication::translate("AudioLayout", "it is not a WAV file");
        return shape;
    }
    qint64 dataSize = -1; // RF64's, from its ds64 chunk
    qint64 riffSize = LittleEndian32(riff, 4);
    for (qint64 at = 12; at + 8 <= song.size();) {
        const QByteArray header = song.read(at, 28);
        Chunk chunk{at, header.left(4), LittleEndian32(header, 4), 0};
        if (!isId(chunk.id))
            break; // bytes after the last chunk
        if (shape.rf64 && chunk.id == "ds64" && header.size() >= 28) {
            shape.ds64Riff = at + 8;
            riffSize =
                static_cast<qint64>(LittleEndian32(header, 12)) << 32 | LittleEndian32(header, 8);
            dataSize =
                static_cast<qint64>(LittleEndian32(header, 20)) << 32 | LittleEndian32(header, 16);
        }
        if (chunk.id == "data") {
            if (shape.rf64 && chunk.size == 0xFFFFFFFF && dataSize >= 0)
                chunk.size = dataSize;
            // No size, or more than there is: a stream written before its length was known.
            shape.dataToEnd = chunk.size == 0 || at + 8 + chunk.size > song.size();
            if (shape.dataToEnd)
                chunk.size = song.size() - at - 8;
        }
        if (at + 8 + chunk.size > song.size())
            break; // cut short: the rest stays as it is
        // Chunks start on even offsets, but some writers left out the byte that pads an odd
        // one: where a chunk starts there, it is taken.
        chunk.end = at + 8 + chunk.size + (chunk.size & 1);
        if ((chunk.size & 1) && !isId(song.read(chunk.end, 4)) && isId(song.read(chunk.end - 1, 4)))
            --chunk.end;
        if (chunk.id == "data")
            shape.data = static_cast<int>(shape.chunks.size());
        if (shape.tag < 0 && chunk.id.toUpper() == "ID3 ")
            shape.tag = static_cast<int>(shape.chunks.size());
        shape.chunks.push_back(chunk);
        at = std::min(chunk.end, song.size());
        shape.listEnd = at;
        if (shape.dataToEnd)
            break;
    }
    const auto format = std::find_if(shape.chunks.begin(), shape.chunks.end(),
                                     [](const Chunk& c) { return c.id == "fmt "; });
    if (format == shape.chunks.end() || shape.data < 0)
        shape.fault = QCoreApplication::translate("AudioLayout", "it is not a WAV file");
    else if (format->size < 16)
        shape.fault = QCoreApplication::translate("AudioLayout", "its format chunk is damaged");
    shape.sizeAgrees = riffSize == shape.listEnd - 8;
    return shape;
}

QByteArray tagOf(const SongBytes& song, const WavShape& shape) {
    if (shape.tag < 0)
        return {};
    const Chunk& chunk = shape.chunks[static_cast<std::size_t>(shape.tag)];
    return song.read(chunk.at + 8, chunk.size);
}

} // namespace

AudioLayout ReadWavLayout(const SongBytes& song, bool hashAudio) {
    const WavShape shape = shapeOf(song);
    AudioLayout layout;
    layout.fault = shape.fault;
    if (!layout.fault.isEmpty())
        return layout;
    const QList<Id3v2Frame> frames = Id3v2Frames(tagOf(song, shape));
    layout.tagSize = shape.tag >= 0 ? shape.chunks[static_cast<std::size_t>(shape.tag)].size : 0;
    const LyricsFramesChange lyrics{QString(), std::nullopt};
    for (qsizetype i = 0; i < frames.size(); ++i) {
        const Id3v2Frame& frame = frames[i];
        if (OwnedFrame(i, frames, lyrics, {})) {
            layout.lyrics = frame.fields.value(2);
            continue;
        }
        if (frame.blank)
            continue;
        const QString text = frame.fields.value(0);
        if (frame.laterId == QLatin1String("TIT2") && layout.title.isEmpty())
            layout.title = text;
        if (frame.laterId == QLatin1String("TPE1") && layout.artist.isEmpty())
            layout.artist = text;
        if (frame.laterId == QLatin1String("TALB") && layout.album.isEmpty())
            layout.album = text;
        layout.fields << frame.laterId + QLatin1Char('=') + frame.fields.join(QChar(0)) +
                             QLatin1Char('=') + FieldValue(frame.content, false);
    }
    QCryptographicHash kept(QCryptographicHash::Sha1);
    for (std::size_t i = 0; i < shape.chunks.size(); ++i) {
        const Chunk& chunk = shape.chunks[i];
        if (static_cast<int>(i) == shape.tag)
            continue;
        // The names a RIFF INFO list gives, for players that read only those.
        if (chunk.id == "LIST" && song.read(chunk.at + 8, 4) == "INFO") {
            const QByteArray list =
                song.read(chunk.at + 12, std::min<qint64>(chunk.size - 4, 1 << 20));
            for (qsizetype at = 0; at + 8 <= list.size();) {
                const qsizetype size = LittleEndian32(list, at + 4);
                const QString value = QString::fromUtf8(list.mid(at + 8, size).split('\0').first());
                const QByteArray id = list.mid(at, 4);
                if (id == "INAM" && layout.title.isEmpty())
                    layout.title = value;
                if (id == "IART" && layout.artist.isEmpty())
                    layout.artist = value;
                if (id == "IPRD" && layout.album.isEmpty())
                    layout.album = value;
                at += 8 + size + (size & 1);
            }
        }
        if (!hashAudio)
            continue;
        // RF64 keeps the RIFF size in its ds64 chunk, which a save changes with the list.
        if (chunk.id == "ds64") {
            HashPart(kept, chunk.id, song, chunk.at + 16, chunk.size - 8);
            continue;
        }
        HashPart(kept, chunk.id, song, chunk.at + 8, chunk.size);
    }
    if (hashAudio) {
        HashPart(kept, "rest", song, shape.listEnd, song.size() - shape.listEnd);
        layout.kept = kept.result();
    }
    return layout;
}

SongPlan PlanWavLyrics(const SongBytes& song, const QString& lyrics) {
    const WavShape shape = shapeOf(song);
    if (!shape.fault.isEmpty())
        return {{}, shape.fault};
    LyricsFramesChange change;
    change.lyrics = lyrics;
    SplicedTag spliced = SpliceId3v2(tagOf(song, shape), {}, change);
    if (!spliced.refusal.isEmpty())
        return {{}, spliced.refusal};
    const qint64 size = spliced.tag.size();
    if (size > 0xFFFFFFFFLL)
        return {
            {},
            QCoreApplication::translate("AudioLayout", "the lyrics are too long for a WAV chunk")};
    const QByteArray header = (shape.tag >= 0 ? shape.chunks[static_cast<std::size_t>(shape.tag)].id
                                              : QByteArray("ID3 ")) +
                              LittleEndianBytes(size, 4);
    const qint64 chunkSize = 8 + size + (size & 1);
    // The new chunk takes the old one's place; a new one goes before the audio, where every
    // reader looks: after it, readers take it for audio where the audio has no length (a
    // stream), do not look where it has a 64-bit one (RF64), and miss it after an odd-sized
    // chunk that lacks its pad byte.
    qint64 from = shape.chunks[static_cast<std::size_t>(shape.data)].at;
    qint64 to = from;
    if (shape.tag >= 0) {
        from = shape.chunks[static_cast<std::size_t>(shape.tag)].at;
        to = shape.chunks[static_cast<std::size_t>(shape.tag)].end;
    }
    const qint64 listEnd = shape.listEnd + chunkSize - (to - from);
    SongPlan plan;
    const auto copy = [&plan](qint64 at, qint64 end) {
        if (end > at)
            plan.pieces.push_back({at, end - at, {}});
    };
    // A RIFF size that agreed with the list before agrees with it after.
    qint64 at = 0;
    if (shape.sizeAgrees && !shape.rf64) {
        copy(0, 4);
        plan.pieces.push_back({-1, 0, LittleEndianBytes(listEnd - 8, 4)});
        at = 8;
    } else if (shape.sizeAgrees && shape.ds64Riff >= 0) {
        copy(0, shape.ds64Riff);
        plan.pieces.push_back({-1, 0, LittleEndianBytes(listEnd - 8, 8)});
        at = shape.ds64Riff + 8;
    }
    copy(at, from);
    plan.pieces.push_back({-1, 0, header});
    plan.pieces.push_back({-1, 0, std::move(spliced.tag)});
    if (size & 1)
        plan.pieces.push_back({-1, 0, QByteArray(1, '\0')});
    copy(to, song.size());
    return plan;
}
