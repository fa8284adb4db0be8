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
    QByteArray content; // the fields with any binary part (a picture's data), else the bytes
    bool blank = false; // a text frame a reader sees nothing in
    bool operator==(const Id3v2Frame&) const = default;
};

// Every frame of a whole ID3v2 tag, in tag order, read as Id3v2FrameIds reads them.
QList<Id3v2Frame> Id3v2Frames(const QByteArray& tag);
