#pragma once

#include <QChar>
#include <QString>

// Path rules of the file bar. They take the separator as a parameter so the rules can be
// checked for both "/" and "\"; the window passes nativeSeparator().

struct SongLocation {
    QString folder; // every character up to and including the last separator
    QString file;   // every character after it (the whole path when there is none)
};

QChar nativeSeparator();

// A path as messages show it to the user: with the platform's own separators, and isolated as
// left-to-right text while paths are isolated.
QString ShownPath(const QString& path);
// In right-to-left text the separators of a path would be reordered around it ("/a/b.mp3"
// shown as "a/b.mp3/"): the language turns this on for a right-to-left translation.
void IsolatePathsInMessages(bool on);

SongLocation SplitSongPath(const QString& path, QChar separator);

// Appends the separator unless the path already ends with it; "" gives the separator.
QString QualifyPath(const QString& path, QChar separator);

// The song path without its last four characters, then ".xml"; "" for paths shorter than four.
QString SynchLyricsFileName(const QString& songPath);

// True when the path names a file this process can open for reading. Never throws.
bool FileExists(const QString& path);
