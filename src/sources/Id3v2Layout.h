#pragma once

#include <QByteArray>
#include <QStringList>

// What a save must not change, read from the raw bytes rather than through the tag library,
// so the check does not share the library's view of the file.

// The ID3v2 tag at the start of a file: its major version (2, 3 or 4) and its whole length
// including header and footer. A file without one has version 0 and length 0.
struct Id3v2Extent {
    int majorVersion = 0;
    qint64 length = 0;
};

Id3v2Extent Id3v2ExtentOf(const QByteArray& head);

// The frame identifiers of a whole ID3v2 tag (header included), in tag order. Stops at the
// padding or at the first frame that does not fit.
QStringList Id3v2FrameIds(const QByteArray& tag);

// One frame as a reader sees it, whatever bytes its writer chose: its identifier (a 2.2 one
// under its 2.3/2.4 name, "" where there is none) and its contents with the frame's own
// encoding undone (grouping and length bytes dropped, unsynchronisation and compression undone).
// The frames whose layout is known here (text, links, comments, lyrics, timed lyrics, pictures,
// objects) are read into their fields: strings decoded, terminators and byte-order marks
// dropped, a genre as the name a reader shows ("(3)Dance" is Dance); other frames are their
// bytes.
struct Id3v2Frame {
    QString id;      // as written in the tag
    QString laterId; // the 2.3/2.4 name; "" for a 2.2 frame that has none
    // The decoded fields, in frame order: SYLT reads {language, timestamp format, content type,
    // description, then text and time of each line}; COMM and USLT {language, description,
    // text}; TXXX {description, values...}. Empty for a frame whose layout is not known here.
    QStringList fields;
    // The binary part (a picture's data), else the bytes of a frame whose layout is not known
    // here; past 64 KiB its SHA-1 digest instead.
    QByteArray content;
    bool blank = false; // a text frame a reader sees nothing in
    bool operator==(const Id3v2Frame&) const = default;
};

// Every frame of a whole ID3v2 tag, in tag order, read as Id3v2FrameIds reads them.
QList<Id3v2Frame> Id3v2Frames(const QByteArray& tag);

// A frame where it stands among its tag's bytes (header and data), with what a reader sees of
// it.
struct Id3v2RawFrame {
    qsizetype at = 0;
    qsizetype size = 0;
    Id3v2Frame frame;
};
// A tag's bytes (the tag itself, or its frames with the tag-wide unsynchronisation of a 2.2 or
// 2.3 tag undone) and every frame in them. A picture's frame is not copied on the way.
struct Id3v2Body {
    QByteArray bytes;
    QList<Id3v2RawFrame> frames;
};
Id3v2Body Id3v2RawFrames(const QByteArray& tag);

// The ID3v1 tag at the end of a file (its last 128 bytes) as the ID3v2.3 frames a reader
// takes it for (title, artist, album, year, comment, track, genre by name), Latin-1 text;
// none without a tag.
Id3v2Body Id3v1AsFrames(const QByteArray& last128);
