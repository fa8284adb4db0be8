#pragma once

#include "sources/Id3v2Layout.h"

#include <QString>
#include <QStringList>

#include <functional>

#include <id3v2tag.h>
#include <unsynchronizedlyricsframe.h>

// The one way this program writes a song's tag: into a copy of the song, which is checked
// (the audio, every frame the change does not own, and what the change wrote) before it takes
// the song's place. A failure at any step leaves the song exactly as it was.
// Included by the tag writers in sources/ only: TagLib is not on the window's include path.
struct TagChange {
    QString what;         // "the lyrics": "Cannot save the lyrics into Song.mp3: ..."
    QStringList frameIds; // the frames the change may alter; all others must come through
    // Of those frames, the ones the change may alter, as the raw check reads them (the
    // program's own timed lyrics among other SYLT frames); all of them when not set.
    std::function<bool(const Id3v2Frame& frame)> owns;
    // Changes the copy's tag; encoding is the text encoding the tag's version reads best.
    std::function<void(TagLib::ID3v2::Tag& tag, TagLib::String::Type encoding)> apply;
    // "" when the written tag (null for none) holds what apply meant, else why not. Optional.
    std::function<QString(const TagLib::ID3v2::Tag* written)> readBack;
};

// ---- the unsynchronized lyrics frame, shared by the tag writers ---------------------------

TagLib::String ToTagLib(const QString& text);
QString FromTagLib(const TagLib::String& text);
// The lyrics a user expects when a tag holds several: those without a description (what
// players show), else the first; null for none.
TagLib::ID3v2::UnsynchronizedLyricsFrame* ExpectedLyrics(const TagLib::ID3v2::Tag& tag);
QString LyricsText(const TagLib::ID3v2::Tag& tag);
// Replaces the text of the expected lyrics frame, or adds one.
void SetLyricsText(TagLib::ID3v2::Tag& tag, const QString& text, TagLib::String::Type encoding);

// Saves change into the song at path; throws VersettaError with the reason when it cannot.
// Answers what the user should know about a save that worked ("" for nothing). The song is
// read and copied in pieces of a fixed size: memory holds its tag, never its audio.
QString SaveTagChange(const QString& path, const TagChange& change);

// A change the tag library makes to a whole copy of the song (FLAC, Ogg, M4A and WAV, whose
// tags sit anywhere in the file). Each step answers "" or why the song must be left alone.
struct FileChange {
    QString what; // "the lyrics"
    // Looks at the song before anything is copied (a file that is not of its format). Optional.
    std::function<QString(const QString& song)> prepare;
    // Changes the copy, which the tag library opens by this path.
    std::function<QString(const QString& copy)> apply;
    // "" when the copy holds what apply meant and every other part of the song unchanged.
    std::function<QString(const QString& copy)> check;
};

// Copies the song, applies and checks the change on the copy, and only then puts the copy in
// the song's place; throws VersettaError with the reason when it cannot. Answers a note for
// the user ("" for nothing), as SaveTagChange.
QString SaveFileChange(const QString& path, const FileChange& change);
