#pragma once

#include "sources/SyncedLines.h"

#include <QString>

#include <optional>
#include <vector>

// What other players read from a song's tag beyond the lyrics text: the synchronized lyrics
// frame ("SYLT", times in milliseconds) and the song's title, artist, album and length.

struct SongTagInfo {
    QString title;
    QString artist;
    QString album;
    qint64 lengthMs = -1;
    bool hasLyrics = false;       // a USLT frame with text
    bool hasSyncedLyrics = false; // a SYLT frame
};

// Reads the tag of the song at path. Throws VersettaError with the reason when it is no
// readable MP3 file (a pipe, a folder, random bytes).
SongTagInfo ReadSongTagInfo(const QString& path);

struct LrcHeader;
// The LRC header of the song: its title, artist, album and length, or none of them when its tag
// cannot be read (the lines are what matters; the header is only a courtesy).
LrcHeader LrcHeaderOf(const QString& song);

// The lines of the SYLT frame this program writes (lyrics, in the language of the lyrics
// frame, empty descriptor), read as sources/SyncedLines.h's LinesOfEntries reads them; none
// when there is none.
std::vector<SyncedLine> ReadSyncedLyrics(const QString& path);

// Writes lines into the program's own SYLT frame, replacing that frame and keeping every other
// SYLT frame as it was (a chord track, lyrics in another language, a described frame); with
// lyrics given, the USLT frame too. The language and text encoding follow the USLT frame's.
// Through the safe tag save: throws VersettaError when it cannot, and answers a note for the
// user ("" for nothing).
QString SaveSyncedLyrics(const QString& path, const std::vector<SyncedLine>& lines,
                         const std::optional<QString>& lyrics = std::nullopt);

// The timed lyrics of the sheet's rows in the song's tag: an MP3's SYLT frame (the entries of
// SyncedLinesFromRows) and, with withText, its USLT frame with every line; for the other
// formats, whose one lyrics field takes them, the whole sheet as the LRC text Ctrl+E writes
// (unmarked lines plain, word stamps where words are timed; milliseconds or centiseconds).
// Answers the status text.
QString SaveTimedLyrics(const QString& path, const std::vector<SheetRow>& rows, bool withText,
                        bool milliseconds);
