#pragma once

#include "sheet/SheetRow.h"

#include <QString>

#include <vector>

// The lyrics of the songs that are not MP3: the Vorbis comment LYRICS of FLAC, Ogg Vorbis
// and Opus (UNSYNCEDLYRICS read where LYRICS is missing), the MP4 lyrics item of M4A, and
// the ID3v2 lyrics frame of WAV. Included by the tag writers in sources/ only.

struct FormatTag {
    QString lyrics;
    QString title;
    QString artist;
    QString album;
    qint64 lengthMs = -1;
};

// Reads the tag of the song at path, a FLAC, Ogg, M4A or WAV file by its name, and its length
// when asked (which costs a look at the audio). Throws VersettaError with the reason when it
// is none ("Song.flac: it is not a FLAC file.").
FormatTag ReadFormatTag(const QString& path, bool withLength = true);

// Writes lyrics into the song's lyrics field through the safe whole-file save: every other
// field and the audio are checked unchanged before the copy takes the song's place. what
// names the change in a failure ("the lyrics"). Answers a note for the user ("" for nothing).
QString SaveFormatLyrics(const QString& path, const QString& lyrics, const QString& what);

// The sheet's rows as LRC text in the song's lyrics field, which players that show timed lyrics
// read there: every line, the marked ones stamped (storage/Lrc.h's WriteLrc, without the
// header of the song's own tags). Answers the status text.
QString SaveFormatSyncedLyrics(const QString& path, const std::vector<SheetRow>& rows,
                               bool milliseconds);
