#pragma once

#include "sources/Id3v2Splice.h"
#include "sources/SongCopy.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

#include <id3v2tag.h>
#include <unsynchronizedlyricsframe.h>

// The one way this program writes a song's tag: into a copy of the song, which is checked
// (the audio, every frame or field the change does not own, and what the change wrote) before
// it takes the song's place. A failure at any step leaves the song exactly as it was.
// Included by the tag writers in sources/ only: TagLib is not on the window's include path.

// ---- the unsynchronized lyrics frame, as the tag library reads it --------------------------

TagLib::String ToTagLib(const QString& text);
QString FromTagLib(const TagLib::String& text);
// The lyrics a user expects when a tag holds several: those without a description (what
// players show), else the first; null for none.
TagLib::ID3v2::UnsynchronizedLyricsFrame* ExpectedLyrics(const TagLib::ID3v2::Tag& tag);
QString LyricsText(const TagLib::ID3v2::Tag& tag);

// ---- MP3 ------------------------------------------------------------------------------------

// Saves change into the ID3v2 tag of the MP3 at path (sources/Id3v2Splice.h): what names it in
// a failure ("the lyrics": "Cannot save the lyrics into Song.mp3: ..."). Throws VersettaError
// with the reason when it cannot; answers what the user should know about a save that worked
// ("" for nothing). Memory holds the tag, never the audio.
// readBack, when given, answers "" when the written tag as the tag library reads it (null for
// none) holds what change meant, else why not; it is asked where the library reads the copy.
QString SaveTagChange(const QString& path, const QString& what, const LyricsFramesChange& change,
                      const std::function<QString(const TagLib::ID3v2::Tag*)>& readBack = {});

// ---- the other formats ----------------------------------------------------------------------

// A change made by rewriting the parts of the song that hold its tag and copying the rest.
struct FileChange {
    QString what; // "the lyrics"
    // How the new song is made from the song at this path, or why not.
    std::function<SongPlan(const QString& song)> plan;
    // "" when the copy, opened by this path, holds what the change meant and every other part
    // of the song as it was; else what differs.
    std::function<QString(const QString& copy)> check;
};

// Makes the copy as change plans it, checks it, and only then puts it in the song's place;
// throws VersettaError with the reason when it cannot. Answers a note for the user ("" for
// nothing), as SaveTagChange.
QString SaveFileChange(const QString& path, const FileChange& change);
