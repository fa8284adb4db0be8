#pragma once

#include <QByteArray>
#include <QString>

// Saves bytes as the whole lyrics file at path (Song.xml, Song.lrc); every such save, from
// the window and from the command-line tool, goes through here.
//
// The bytes go to a new file beside the old one, are written, checked and synced, take the
// old file's mode, owner and group, and only then replace it. A folder that takes no new file
// has a writable file there overwritten in place instead, and the answer is a note saying
// so; otherwise the answer is "". A file nobody may write is refused, even where the user
// could override that. Through a link, the file it names is replaced and the link stays; a
// link out of the folder is refused unless it names a file of the folder's owner, and
// always for root (storage/RegularFile.h). Throws VersettaError naming
// the file and why ("the disk is full"); the file there before is then whole and unchanged.
QString SaveLyricsFile(const QString& path, const QByteArray& bytes);
