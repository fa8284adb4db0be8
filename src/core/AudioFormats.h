#pragma once

#include <QString>
#include <QStringList>

// The audio formats the program opens, known by the file name's extension: one rule for the
// Open dialog, drag and drop, the command line and the tool's folder walk.

enum class AudioFormat { Mp3, Flac, Ogg, M4a, Wav, Other };

// The format a song's name says (".ogg", ".oga" and ".opus" are all Ogg: Vorbis or Opus
// inside, told apart by the tag reader); Other for every other name.
AudioFormat AudioFormatOf(const QString& path);

// True for a name of any format above, in any letter case.
bool IsSongFile(const QString& path);
// True for an LRC file's name (".lrc", any letter case).
bool IsLrcFile(const QString& path);

// The Open dialog's filters, ";;" between them: MP3s first, as it always was, then every
// audio format.
QString SongFileFilters();

// Where the song at path keeps its lyrics, as the status line names it: "the ID3v2 tag
// (USLT)", "the Vorbis comment LYRICS", "the MP4 lyrics item (©lyr)".
QString LyricsPlaceOf(const QString& path);

// "*.mp3", "*.flac", ...: the patterns of every format.
QStringList SongFilePatterns();
