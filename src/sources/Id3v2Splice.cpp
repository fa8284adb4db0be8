#include "sources/Id3v2Splice.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace {

// Room left after the frames when a tag must grow, so the next save need not move the audio.
constexpr qsizetype kPadding = 1024;
// A tag's size is 28 bits.
constexpr qsizetype kLargestBody = (qsizetype{1} << 28) - 1;

QByteArray synchsafe(qsizetype size) {
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((size >> (21 - 7 * i)) & 0x7F);
    return bytes;
}

QByteArray bigEndian32(quint32 value) {
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>(value >> (24 - 8 * i));
    return bytes;
}

// FF 00 after every FF that a reader could take for the start of an MPEG frame, and after a
// last FF: what a 2.4 tag marked as unsynchronised holds in its frames.
QByteArray unsynchronised(const QByteArray& data) {
    QByteArray out;
    out.reserve(data.size() + data.size() / 64);
    for (qsizetype i = 0; i < data.size(); ++i) {
        out.append(data.at(i));
        const auto byte = static_cast<unsigned char>(data.at(i));
        const int next = i + 1 < data.size() ? static_cast<unsigned char>(data.at(i + 1)) : -1;
        if (byte == 0xFF && (next < 0 || next == 0 || next >= 0xE0))
            out.append('\0');
    }
    return out;
}

QByteArray frameBytes(const QByteArray& id, const QByteArray& data, int major, bool unsync) {
    const QByteArray stored = unsync ? unsynchronised(data) : data;
    return id + (major == 4 ? synchsafe(stored.size()) : bigEndian32(stored.size())) + '\0' +
           (unsync ? '\x02' : '\0') + stored;
}

// Text in one of the tag's encodings: 0 Latin-1, 1 UTF-16 with its byte-order mark, 3 UTF-8.
QByteArray encoded(const QString& text, int encoding, bool terminated) {
    QByteArray bytes;
    if (encoding == 1) {
        bytes = "\xFF\xFE";
        for (const QChar c : text)
            bytes.append(static_cast<char>(c.unicode() & 0xFF))
                .append(static_cast<char>(c.unicode() >> 8));
    } else {
        bytes = encoding == 0 ? text.toLatin1() : text.toUtf8();
    }
    if (terminated)
        bytes.append(encoding == 1 ? 2 : 1, '\0');
    return bytes;
}

bool latin1Only(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() < 0x100 && !c.isNull(); });
}

// A 2.2 frame as its 2.3 counterpart: a ten-byte header, and a picture's three-letter format
// as its type string, which readers of 2.3 know by those letters too.
QByteArray laterFrame(const QByteArray& body, const Id3v2RawFrame& raw) {
    QByteArray data = body.mid(raw.at + 6, raw.size - 6);
    if (raw.frame.id == QLatin1String("PIC") && data.size() >= 4)
        data.insert(4, '\0');
    return frameBytes(raw.frame.laterId.toLatin1(), data, 3, false);
}

} // namespace

bool OwnedFrame(qsizetype index, const QList<Id3v2Frame>& tag, const LyricsFramesChange& change,
                const QString& ownLanguage) {
    const Id3v2Frame& frame = tag.at(index);
    if (frame.laterId == QLatin1String("SYLT"))
        return change.synced && frame.fields.size() >= 4 && frame.fields.at(0) == ownLanguage &&
               frame.fields.at(2) == QLatin1String("1") && frame.fields.at(3).isEmpty();
    if (frame.laterId != QLatin1String("USLT") || !change.lyrics)
        return false;
    // The lyrics frame a user expects: the first without a description, else the first.
    qsizetype expected = -1;
    for (qsizetype i = 0; i < tag.size(); ++i) {
        const Id3v2Frame& other = tag.at(i);
        if (other.laterId != QLatin1String("USLT"))
            continue;
        if (expected < 0)
            expected = i;
        if (other.fields.size() >= 2 && other.fields.at(1).isEmpty()) {
            expected = i;
            break;
        }
    }
    return expected == index;
}

SplicedTag SpliceId3v2(const QByteArray& oldTag, const QByteArray& id3v1,
                       const LyricsFramesChange& change) {
    SplicedTag spliced;
    const Id3v2Extent extent = Id3v2ExtentOf(oldTag);
    const int major = extent.majorVersion == 4 ? 4 : 3;
    const auto flags = oldTag.size() > 5 ? static_cast<unsigned char>(oldTag.at(5)) : 0U;
    Id3v2Body body = extent.majorVersion == 0 ? Id3v1AsFrames(id3v1) : Id3v2RawFrames(oldTag);
    if (extent.majorVersion == 2) {
        if (flags & 0x40) {
            spliced.refusal = QCoreApplication::translate(
                "Id3v2Splice", "its ID3v2.2 tag is compressed, which no reader "
                               "undoes");
            return spliced;
        }
        QStringList unknown;
        Id3v2Body later;
        for (const Id3v2RawFrame& raw : body.frames) {
            if (raw.frame.laterId.isEmpty()) {
                unknown << raw.frame.id;
                continue;
            }
            const QByteArray frame = laterFrame(body.bytes, raw);
            later.frames << Id3v2RawFrame{later.bytes.size(), frame.size(), raw.frame};
            later.bytes += frame;
        }
        body = std::move(later);
        if (!unknown.isEmpty()) {
            unknown.removeDuplicates();
            spliced.refusal =
                QCoreApplication::translate("Id3v2Splice",
                                            "its tag holds frames that could not be kept as they "
                                            "are (%1)")
                    .arg(unknown.join(QStringLiteral(", ")));
            return spliced;
        }
    }
    const QList<Id3v2RawFrame>& frames = body.frames;
    for (const Id3v2RawFrame& raw : frames)
        spliced.before << raw.frame;

    // The language and encoding of the lyrics frame the user expects, which the timed lyrics
    // take on.
    QString language = QStringLiteral("XXX");
    QString description;
    const int ownEncoding = major == 4 ? 3 : 1;
    int lyricsEncoding = -1; // the user's frame's, when there is one
    for (qsizetype i = 0; i < frames.size(); ++i) {
        if (!OwnedFrame(i, spliced.before, {QString(), std::nullopt}, {}))
            continue;
        const QStringList& fields = frames[i].frame.fields;
        if (fields.size() >= 2 && fields.at(0).size() == 3)
            language = fields.at(0);
        description = fields.value(1);
        // The encoding byte starts the data of a frame without format flags.
        const QByteArrayView bytes =
            QByteArrayView(body.bytes).sliced(frames[i].at, frames[i].size);
        if (bytes.size() > 10 && bytes.at(9) == '\0')
            lyricsEncoding = static_cast<unsigned char>(bytes.at(10));
    }
    // The user's encoding where the tag's version has it and it holds the text: a player that
    // reads only Latin-1 goes on reading the lyrics it read before.
    const auto encodingFor = [&](bool latin1Fits) {
        const bool known = lyricsEncoding >= 0 && lyricsEncoding <= ownEncoding;
        return known && (lyricsEncoding != 0 || latin1Fits) ? lyricsEncoding : ownEncoding;
    };
    spliced.ownLanguage = language;
    // 2.4 tags marked as unsynchronised have it in every frame, the new ones too.
    const bool unsync = major == 4 && (flags & 0x80) != 0;
    QByteArray lyricsFrame;
    if (change.lyrics) {
        const int encoding = encodingFor(latin1Only(*change.lyrics) && latin1Only(description));
        lyricsFrame =
            frameBytes("USLT",
                       char(encoding) + language.toLatin1() + encoded(description, encoding, true) +
                           encoded(*change.lyrics, encoding, false),
                       major, unsync);
    }
    QByteArray syncedFrame;
    if (change.synced) {
        const int encoding =
            encodingFor(std::all_of(change.synced->begin(), change.synced->end(),
                                    [](const SyncedLine& line) { return latin1Only(line.text); }));
        QByteArray data =
            char(encoding) + language.toLatin1() + "\x02\x01" + encoded(QString(), encoding, true);
        for (const SyncedLine& line : *change.synced)
            data += encoded(line.text, encoding, true) + bigEndian32(static_cast<quint32>(line.ms));
        syncedFrame = frameBytes("SYLT", data, major, unsync);
    }

    // The header first, its size filled in at the end: the frames are not moved again. Every
    // other frame stands where it stood, byte for byte.
    QByteArray out = "ID3" + QByteArray(1, static_cast<char>(major)) + '\0' +
                     static_cast<char>(unsync ? 0x80 : 0) + QByteArray(4, '\0');
    out.reserve(10 + body.bytes.size() + lyricsFrame.size() + syncedFrame.size() + kPadding);
    // The lyrics go first, so a reader that stops at a frame it cannot parse still finds them;
    // the timed lyrics go where they were, else last, where a reader that keeps one frame of a
    // kind shows them over another program's timed lyrics of the same language.
    out += std::exchange(lyricsFrame, QByteArray());
    for (qsizetype i = 0; i < frames.size(); ++i) {
        const Id3v2RawFrame& raw = frames[i];
        if (!OwnedFrame(i, spliced.before, change, language)) {
            out += QByteArrayView(body.bytes).sliced(raw.at, raw.size);
            continue;
        }
        if (raw.frame.laterId == QLatin1String("SYLT")) // a second one of ours is dropped
            out += std::exchange(syncedFrame, QByteArray());
    }
    body.bytes.clear();
    out += syncedFrame;
    qsizetype oldBody = 0;
    for (int i = 6; i < 10 && extent.majorVersion != 0; ++i)
        oldBody = oldBody << 7 | (static_cast<unsigned char>(oldTag.at(i)) & 0x7F);
    const qsizetype used = out.size() - 10;
    const qsizetype size = used <= oldBody ? oldBody : used + kPadding;
    if (size > kLargestBody) {
        spliced.refusal = QCoreApplication::translate(
            "Id3v2Splice", "the lyrics would make its tag larger than a tag can be");
        return spliced;
    }
    out.append(size - used, '\0');
    out.replace(6, 4, synchsafe(size));
    spliced.tag = std::move(out);
    return spliced;
}
