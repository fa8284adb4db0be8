#pragma once

#include "sources/Id3v2Layout.h"
#include "sources/SyncedLines.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// An ID3v2 tag rewritten with new lyrics frames and nothing else changed: every other frame is
// kept byte for byte as its writer wrote it (a frame this program does not know, an encrypted
// or grouped one, one a reader decodes in its own way), so no reader can see it change. Only a
// 2.2 tag, which most players no longer read, is carried over into 2.3 frame by frame. The
// MP3 save and the WAV save (its ID3 chunk) share it. No tag library is involved.

// What a save changes: the lyrics frame a user expects (sources/TagSave.h's ExpectedLyrics:
// the first without a description, else the first), and the program's own timed lyrics (SYLT
// of lyrics in that frame's language, no description). Either or both.
struct LyricsFramesChange {
    std::optional<QString> lyrics;
    std::optional<std::vector<SyncedLine>> synced;
};

struct SplicedTag {
    QByteArray tag;  // the new tag, header included; empty when refusal says why not
    QString refusal; // "its tag holds frames that could not be kept as they are (CRM)"
    // The frames a reader saw before (the ID3v1 tag's, for a song without an ID3v2 tag) and
    // which of them the change owns, for the check of the written tag.
    QList<Id3v2Frame> before;
    QString ownLanguage; // of the timed lyrics frame the change owns
};

// Rewrites oldTag (a whole tag, or empty for none; then the fields of the ID3v1 tag id3v1,
// when there is one, are carried into the new tag, since readers read only one of the two).
// The new tag keeps the old one's length where the frames fit in it, so the audio after it
// need not move; a new tag is 2.3.
SplicedTag SpliceId3v2(const QByteArray& oldTag, const QByteArray& id3v1,
                       const LyricsFramesChange& change);

// Whether the frame at index of a tag's frames is one that change replaces.
bool OwnedFrame(qsizetype index, const QList<Id3v2Frame>& tag, const LyricsFramesChange& change,
                const QString& ownLanguage);
