// FLAC: "fLaC" (after an ID3v2 tag some tools put first), metadata blocks, then the audio. The
// lyrics are a comment of the Vorbis comment block; a save rewrites that block and the padding
// right after it, and copies every other byte as it stands.

#include "sources/AudioLayout.h"
#include "sources/Id3v2Layout.h"

#include <QCoreApplication>

namespace {

constexpr int kStreamInfo = 0;
constexpr int kPadding = 1;
constexpr int kComments = 4;
constexpr qint64 kLargestBlock = (qint64{1} << 24) - 1;
// Room left after the comments when they must grow, so the next save need not move the audio.
constexpr qint64 kRoom = 1024;

struct Block {
    qint64 at = 0; // of its header
    int type = 0;
    bool last = false;
    qint64 size = 0;
};

// Where the comments are, or go.
struct FlacShape {
    QString fault;
    qint64 start = 0;          // of "fLaC"
    std::vector<Block> before; // the blocks before the comments' place
    // The comment block with the padding right after it, or the empty place after the stream
    // information where a song without comments gets them.
    qint64 placeAt = 0;
    qint64 placeEnd = 0;
    bool placeLast = false;  // the last of the metadata blocks ends the place
    VorbisComments comments; // ok when there is a comment block
};

std::optional<Block> blockAt(const SongBytes& song, qint64 at) {
    const QByteArray header = song.read(at, 4);
    if (header.size() != 4)
        return std::nullopt;
    const auto first = static_cast<unsigned char>(header.at(0));
    return Block{at, first & 0x7F, (first & 0x80) != 0,
                 static_cast<qint64>(BigEndian(header, 1, 3))};
}

// Padding blocks from at on, into the place.
void takePadding(const SongBytes& song, FlacShape& shape) {
    while (!shape.placeLast) {
        const std::optional<Block> next = blockAt(song, shape.placeEnd);
        if (!next || next->type != kPadding || next->at + 4 + next->size > song.size())
            return;
        shape.placeEnd += 4 + next->size;
        shape.placeLast = next->last;
    }
}

FlacShape shapeOf(const SongBytes& song) {
    FlacShape shape;
    shape.start = Id3v2ExtentOf(song.read(0, 10)).length;
    if (song.read(shape.start, 4) != "fLaC") {
        shape.fault = QCoreApplication::translate("AudioLayout", "it is not a FLAC file");
        return shape;
    }
    for (qint64 at = shape.start + 4;;) {
        const std::optional<Block> block = blockAt(song, at);
        if (!block || block->at + 4 + block->size > song.size()) {
            shape.fault =
                QCoreApplication::translate("AudioLayout", "its FLAC metadata is cut short");
            return shape;
        }
        if (shape.before.empty() && (block->type != kStreamInfo || block->size != 34)) {
            shape.fault =
                QCoreApplication::translate("AudioLayout", "its stream information is damaged");
            return shape;
        }
        if (block->type == kComments) {
            // Some writers gave the block a length shorter than its comments: readers read on
            // to the end of the last comment, and so does this.
            shape.comments = ReadVorbisComments(song, at + 4, song.size());
            if (!shape.comments.ok) {
                shape.fault =
                    QCoreApplication::translate("AudioLayout", "its Vorbis comments are damaged");
                return shape;
            }
            shape.placeAt = at;
            shape.placeEnd = at + 4 + std::max(block->size, shape.comments.end);
            shape.placeLast = block->last;
            takePadding(song, shape);
            return shape;
        }
        shape.before.push_back(*block);
        at += 4 + block->size;
        if (block->last)
            break;
    }
    // No comment block: they go after the stream information.
    const Block& info = shape.before.front();
    shape.before.resize(1);
    shape.placeAt = shape.placeEnd = info.at + 4 + info.size;
    shape.placeLast = info.last;
    takePadding(song, shape);
    return shape;
}

QByteArray blockHeader(int type, bool last, qint64 size) {
    return QByteArray(1, static_cast<char>(type | (last ? 0x80 : 0))) + BigEndianBytes(size, 3);
}

} // namespace

AudioLayout ReadFlacLayout(const SongBytes& song, bool hashAudio) {
    const FlacShape shape = shapeOf(song);
    AudioLayout layout;
    if (!shape.fault.isEmpty()) {
        layout.fault = shape.fault;
        return layout;
    }
    if (shape.comments.ok)
        TakeVorbisComments(shape.comments, layout);
    layout.tagSize = shape.placeEnd - shape.placeAt;
    if (!hashAudio)
        return layout;
    // What comes before the comments' place, block by block (lengths and types, not which is
    // last), and everything after it as it stands.
    QCryptographicHash kept(QCryptographicHash::Sha1);
    HashPart(kept, "head", song, 0, shape.start + 4);
    for (const Block& block : shape.before)
        HashPart(kept, QByteArray::number(block.type), song, block.at + 4, block.size);
    HashPart(kept, "rest", song, shape.placeEnd, song.size() - shape.placeEnd);
    layout.kept = kept.result();
    return layout;
}

SongPlan PlanFlacLyrics(const SongBytes& song, const QString& lyrics) {
    FlacShape shape = shapeOf(song);
    if (!shape.fault.isEmpty())
        return {{}, shape.fault};
    if (!shape.comments.ok) // a new block names the program that made it
        shape.comments.vendor = "Velmora Versetta";
    const QByteArray comments = WriteVorbisComments(shape.comments, lyrics);
    if (comments.size() > kLargestBlock)
        return {{},
                QCoreApplication::translate("AudioLayout",
                                            "the lyrics are too long for a FLAC comment block")};
    // The new block and padding fill the old place where they fit, so the audio stays put.
    const qint64 place = shape.placeEnd - shape.placeAt;
    const qint64 used = 4 + comments.size();
    const qint64 padding = place == used ? -1 : place >= used + 4 ? place - used - 4 : kRoom;
    QByteArray written =
        blockHeader(kComments, shape.placeLast && padding < 0, comments.size()) + comments;
    if (padding >= 0)
        written += blockHeader(kPadding, shape.placeLast, padding) + QByteArray(padding, '\0');
    SongPlan plan;
    // The block before the place stops being the last one.
    const Block& previous = shape.before.back();
    const qint64 previousHeader = previous.at;
    plan.pieces.push_back({0, previousHeader, {}});
    plan.pieces.push_back({-1, 0, blockHeader(previous.type, false, previous.size)});
    plan.pieces.push_back({previousHeader + 4, shape.placeAt - previousHeader - 4, {}});
    plan.pieces.push_back({-1, 0, written});
    plan.pieces.push_back({shape.placeEnd, song.size() - shape.placeEnd, {}});
    return plan;
}
