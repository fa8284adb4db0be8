// M4A: MP4 atoms. The lyrics are the "©lyr" item of moov/udta/meta/ilst; a save rewrites that
// item (or adds it, with whatever of udta, meta and ilst is missing), the sizes of the atoms
// around it, and, where the audio after the movie atom moves, the chunk offsets that point at
// it. Every other byte is copied as it stands.

#include "sources/AudioLayout.h"

#include <QCoreApplication>

#include <map>

namespace {

const QByteArray kLyricsItem = "\xA9lyr";
const QByteArray kTitleItem = "\xA9nam";
const QByteArray kArtistItem = QByteArray("\xA9") + "ART";
const QByteArray kAlbumItem = QByteArray("\xA9") + "alb";
constexpr int kMostAtoms = 1 << 20;

struct Atom {
    qint64 at = 0;
    qint64 header = 8; // 16 with a 64-bit size
    qint64 size = 0;   // header included
    bool toEnd = false;
    QByteArray type;
    qint64 content() const { return at + header; }
    qint64 end() const { return at + size; }
};

std::optional<Atom> atomAt(const SongBytes& song, qint64 at, qint64 end) {
    const QByteArray header = song.read(at, 16);
    if (header.size() < 8)
        return std::nullopt;
    Atom atom;
    atom.at = at;
    atom.type = header.mid(4, 4);
    atom.size = static_cast<qint64>(BigEndian(header, 0, 4));
    if (atom.size == 1 && header.size() == 16) {
        atom.header = 16;
        atom.size = static_cast<qint64>(BigEndian(header, 8, 8));
    } else if (atom.size == 0) {
        atom.toEnd = true;
        atom.size = end - at;
    }
    if (atom.size < atom.header || at + atom.size > end)
        return std::nullopt;
    return atom;
}

std::vector<Atom> childrenOf(const SongBytes& song, qint64 from, qint64 to) {
    std::vector<Atom> atoms;
    for (qint64 at = from; at + 8 <= to && atoms.size() < kMostAtoms;) {
        const std::optional<Atom> atom = atomAt(song, at, to);
        if (!atom)
            break;
        atoms.push_back(*atom);
        at = atom->end();
    }
    return atoms;
}

const Atom* find(const std::vector<Atom>& atoms, const char* type) {
    const auto it = std::find_if(atoms.begin(), atoms.end(),
                                 [type](const Atom& atom) { return atom.type == type; });
    return it == atoms.end() ? nullptr : &*it;
}

bool isFree(const Atom& atom) {
    return atom.type == "free" || atom.type == "skip";
}

// Where meta's children start: after its version and flags, unless it was written without
// them, as some QuickTime files have it.
qint64 metaChildren(const SongBytes& song, const Atom& meta) {
    return song.read(meta.content() + 4, 4) == "hdlr" ? meta.content() : meta.content() + 4;
}

struct Mp4Shape {
    QString fault;
    std::vector<Atom> top;
    std::optional<Atom> moov;
    std::vector<Atom> chain;       // moov, then udta, meta and ilst as far as they are there
    std::vector<Atom> siblings[4]; // the children of each atom of the chain
    qint64 audioAt = -1;           // the first mdat's contents; -1 for none
    qint64 end = 0;                // of the last whole atom: a cut one after it stays as it is
};

Mp4Shape shapeOf(const SongBytes& song) {
    Mp4Shape shape;
    shape.top = childrenOf(song, 0, song.size());
    if (shape.top.empty() || shape.top.front().type != "ftyp") {
        shape.fault = QCoreApplication::translate("AudioLayout", "it is not an MP4 file");
        return shape;
    }
    shape.end = shape.top.back().end();
    for (const Atom& atom : shape.top) {
        if (atom.type == "moov" && !shape.moov)
            shape.moov = atom;
        if (atom.type == "mdat" && shape.audioAt < 0)
            shape.audioAt = atom.content();
    }
    if (!shape.moov) {
        shape.fault = QCoreApplication::translate("AudioLayout", "it is not an MP4 file");
        return shape;
    }
    shape.chain.push_back(*shape.moov);
    for (const char* type : {"udta", "meta", "ilst"}) {
        const Atom& parent = shape.chain.back();
        const qint64 from = parent.type == "meta" ? metaChildren(song, parent) : parent.content();
        std::vector<Atom>& children = shape.siblings[shape.chain.size() - 1];
        children = childrenOf(song, from, parent.end());
        const Atom* child = find(children, type);
        if (!child)
            break;
        shape.chain.push_back(*child);
    }
    if (shape.chain.size() == 4) // the items
        shape.siblings[3] = childrenOf(song, shape.chain[3].content(), shape.chain[3].end());
    return shape;
}

QByteArray atomBytes(const QByteArray& type, const QByteArray& content) {
    return BigEndianBytes(8 + content.size(), 4) + type + content;
}

// The text of an item's first data atom.
QString itemText(const SongBytes& song, const Atom& item) {
    const std::optional<Atom> data = atomAt(song, item.content(), item.end());
    if (!data || data->type != "data" || data->size < data->header + 8)
        return {};
    return QString::fromUtf8(song.read(data->content() + 8, data->size - data->header - 8));
}

void hashAtoms(const SongBytes& song, const std::vector<Atom>& atoms, qint64 audioAt,
               QCryptographicHash& kept);

// Chunk offsets, counted from the first audio, so a movie atom that grows before the audio
// leaves them the same.
void hashOffsets(const SongBytes& song, const Atom& table, qint64 audioAt,
                 QCryptographicHash& kept) {
    const int width = table.type == "co64" ? 8 : 4;
    const QByteArray head = song.read(table.content(), 8);
    const qint64 count = head.size() == 8 ? static_cast<qint64>(BigEndian(head, 4, 4)) : 0;
    if (table.content() + 8 + count * width > table.end()) {
        HashPart(kept, table.type, song, table.content(), table.size - table.header);
        return;
    }
    const QByteArray entries = song.read(table.content() + 8, count * width);
    kept.addData(table.type + head);
    for (qint64 i = 0; i < count; ++i)
        kept.addData(QByteArray::number(static_cast<qint64>(BigEndian(entries, i * width, width)) -
                                        audioAt) +
                     ',');
}

void hashAtoms(const SongBytes& song, const std::vector<Atom>& atoms, qint64 audioAt,
               QCryptographicHash& kept) {
    static const QList<QByteArray> containers{"trak", "mdia", "minf", "stbl", "edts", "dinf"};
    for (const Atom& atom : atoms) {
        if (isFree(atom))
            continue;
        if (atom.type == "stco" || atom.type == "co64")
            hashOffsets(song, atom, audioAt, kept);
        else if (containers.contains(atom.type))
            hashAtoms(song, childrenOf(song, atom.content(), atom.end()), audioAt, kept);
        else
            HashPart(kept, atom.type, song, atom.content(), atom.size - atom.header);
    }
}

} // namespace

AudioLayout ReadMp4Layout(const SongBytes& song, bool hashAudio) {
    const Mp4Shape shape = shapeOf(song);
    AudioLayout layout;
    layout.fault = shape.fault;
    if (!layout.fault.isEmpty())
        return layout;
    for (const Atom& item : shape.chain.size() == 4 ? shape.siblings[3] : std::vector<Atom>{}) {
        // Only the named text items are read whole: a cover runs to hundreds of megabytes.
        std::optional<QString>* text = item.type == kLyricsItem ? &layout.lyrics : nullptr;
        QString* name = item.type == kTitleItem    ? &layout.title
                        : item.type == kArtistItem ? &layout.artist
                        : item.type == kAlbumItem  ? &layout.album
                                                   : nullptr;
        if (text && !*text) {
            *text = itemText(song, item);
            continue;
        }
        if (name && name->isEmpty())
            *name = itemText(song, item);
        QCryptographicHash digest(QCryptographicHash::Sha1);
        song.hash(digest, item.content(), item.size - item.header);
        layout.fields << QString::fromLatin1(item.type) + QLatin1Char('=') +
                             QString::fromLatin1(digest.result().toHex());
    }
    layout.tagSize = shape.chain.size() == 4 ? shape.chain[3].size : 0;
    if (!hashAudio)
        return layout;
    QCryptographicHash kept(QCryptographicHash::Sha1);
    for (const Atom& atom : shape.top)
        if (atom.type != "moov" && !isFree(atom) && atom.type != "wide")
            HashPart(kept, atom.type, song, atom.content(), atom.size - atom.header);
    HashPart(kept, "rest", song, shape.end, song.size() - shape.end);
    // The movie atom but the items: the other children of udta and of meta are kept as well
    // (but the handler a new meta atom brings).
    for (std::size_t level = 0; level < shape.chain.size(); ++level) {
        std::vector<Atom> others;
        for (const Atom& child : shape.siblings[level])
            if ((level + 1 >= shape.chain.size() || child.at != shape.chain[level + 1].at) &&
                !(level == 2 && child.type == "hdlr"))
                others.push_back(child);
        if (level < 3)
            hashAtoms(song, others, shape.audioAt, kept);
    }
    layout.kept = kept.result();
    return layout;
}

// One change to the bytes of the song: the size bytes at at replaced, or bytes put in.
struct Change {
    qint64 at = 0;
    qint64 length = 0; // of the old bytes replaced
    QByteArray bytes;
};

SongPlan PlanMp4Lyrics(const SongBytes& song, const QString& lyrics) {
    Mp4Shape shape = shapeOf(song);
    if (!shape.fault.isEmpty())
        return {{}, shape.fault};
    QByteArray added = atomBytes(
        kLyricsItem, atomBytes("data", QByteArray("\0\0\0\x01\0\0\0\0", 8) + lyrics.toUtf8()));
    std::vector<Change> changes;
    qint64 delta = 0;
    const std::size_t depth = shape.chain.size();
    // What is missing of udta, meta and ilst is made around the item.
    static const QByteArray handler("\0\0\0\0\0\0\0\0mdirappl\0\0\0\0\0\0\0\0\0", 25);
    if (depth <= 3)
        added = atomBytes("ilst", added);
    if (depth <= 2)
        added = atomBytes("meta", QByteArray(4, '\0') + atomBytes("hdlr", handler) + added);
    if (depth <= 1)
        added = atomBytes("udta", added);
    const Atom& parent = shape.chain.back();
    const Atom* old = depth == 4 ? find(shape.siblings[3], kLyricsItem.constData()) : nullptr;
    if (old) {
        changes.push_back({old->at, old->size, added});
        delta = added.size() - old->size;
    } else {
        changes.push_back({parent.end(), 0, added});
        delta = added.size();
    }
    // The free space beside the changed atom, inside the nearest of its parents, takes up what
    // it grew or shrank by, so the audio stays where it is.
    std::size_t firstSized = 0; // the atoms of the chain that grow: [firstSized, depth)
    bool absorbed = false;
    for (std::size_t level = depth; level-- > 0 && delta != 0;) {
        const std::vector<Atom>& around = level == 0 ? shape.top : shape.siblings[level - 1];
        const auto self = std::find_if(around.begin(), around.end(), [&](const Atom& a) {
            return a.at == shape.chain[level].at;
        });
        if (self == around.end() || self + 1 == around.end() || !isFree(*(self + 1)))
            continue;
        const Atom& free = *(self + 1);
        const qint64 left = free.size - delta;
        if (left != 0 && (left < 8 || free.header != 8))
            continue;
        changes.push_back(
            {free.at, free.size,
             left == 0 ? QByteArray() : atomBytes(free.type, QByteArray(left - 8, '\0'))});
        firstSized = level;
        absorbed = true;
        break;
    }
    // What the movie atom grows by, which moves the audio after it.
    const qint64 grown = absorbed ? 0 : delta;
    for (std::size_t level = firstSized; level < depth; ++level) {
        const Atom& atom = shape.chain[level];
        if (atom.toEnd)
            continue;
        const qint64 size = atom.size + delta;
        if (atom.header == 8 && size > 0xFFFFFFFFLL)
            return {
                {},
                QCoreApplication::translate("AudioLayout", "the lyrics are too long for its tag")};
        changes.push_back({atom.at, atom.header == 8 ? 4 : 16,
                           atom.header == 8
                               ? BigEndianBytes(size, 4)
                               : BigEndianBytes(1, 4) + atom.type + BigEndianBytes(size, 8)});
    }
    // Audio after the movie atom moves by what the movie atom grew: its chunk offsets follow.
    if (grown != 0 && shape.audioAt >= 0 && shape.moov->at < shape.audioAt) {
        if (find(shape.top, "moof"))
            return {{},
                    QCoreApplication::translate(
                        "AudioLayout", "it is a fragmented MP4 file, whose audio could not be "
                                       "moved")};
        std::vector<Atom> pending{*shape.moov};
        static const QList<QByteArray> containers{"moov", "trak", "mdia", "minf", "stbl"};
        while (!pending.empty()) {
            const Atom atom = pending.back();
            pending.pop_back();
            for (const Atom& child : childrenOf(song, atom.content(), atom.end())) {
                if (containers.contains(child.type)) {
                    pending.push_back(child);
                    continue;
                }
                if (child.type != "stco" && child.type != "co64")
                    continue;
                const int width = child.type == "co64" ? 8 : 4;
                const QByteArray head = song.read(child.content(), 8);
                const qint64 count = static_cast<qint64>(BigEndian(head, 4, 4));
                if (head.size() != 8 || child.content() + 8 + count * width > child.end())
                    return {{},
                            QCoreApplication::translate("AudioLayout",
                                                        "its chunk offsets are damaged")};
                QByteArray entries = song.read(child.content() + 8, count * width);
                for (qint64 i = 0; i < count; ++i) {
                    qint64 offset = static_cast<qint64>(BigEndian(entries, i * width, width));
                    if (offset >= shape.moov->at)
                        offset += grown;
                    if (width == 4 && offset > 0xFFFFFFFFLL)
                        return {{},
                                QCoreApplication::translate("AudioLayout",
                                                            "its chunk offsets would not fit")};
                    entries.replace(i * width, width, BigEndianBytes(offset, width));
                }
                changes.push_back({child.content() + 8, entries.size(), entries});
            }
        }
    }
    std::sort(changes.begin(), changes.end(),
              [](const Change& a, const Change& b) { return a.at < b.at; });
    SongPlan plan;
    qint64 at = 0;
    for (Change& change : changes) {
        if (change.at > at)
            plan.pieces.push_back({at, change.at - at, {}});
        plan.pieces.push_back({-1, 0, std::move(change.bytes)});
        at = change.at + change.length;
    }
    plan.pieces.push_back({at, song.size() - at, {}});
    return plan;
}
