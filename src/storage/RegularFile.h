#pragma once

#include <QString>

class QFile;

// Every file the program reads may have been put there by someone else: a named pipe or a
// device would block the window for ever on the first read. These open only regular files
// (a symbolic link counts as what it points to) and never wait on the way.

// Opens path read-only into file. Answers "" on success, else why not: "not a regular file
// (a named pipe)", "No such file or directory", ...
QString OpenRegularFile(QFile& file, const QString& path);

// What path is when it exists and is not a regular file; None when it is a regular file or
// nothing is there. Callers decide on this, never on the words, which are translated.
enum class NonRegular { None, Folder, NamedPipe, Device, Socket, Other, LinkToNothing };
NonRegular NonRegularOf(const QString& path);
// The kind in words ("a named pipe", "a folder", "a link to nothing", ...); "" for None.
QString NonRegularText(NonRegular kind);
// Both at once: NonRegularText(NonRegularOf(path)).
QString NonRegularKind(const QString& path);

// Whether a save may write through path when it is a link: "" when path is no link, or one
// to a file in the link's own folder, or one to a file elsewhere owned by the owner of the
// link's folder; else why not ("it is a link to /etc/passwd outside the song's folder, ...").
// Whoever may plant a link in a folder must not turn a save there into a write over a file
// of someone else's, or of the user's, elsewhere; as root, a link never leads out.
QString LinkOutOfFolder(const QString& path);

// What a failed write's errno means to the person: "the disk is full" for a full disk, a
// file-size limit or a quota, else the system's words.
QString DiskWriteError(int error);
// Whether error is one DiskWriteError calls a full disk.
bool IsDiskFull(int error);

// Writes now over the file at path, whose contents are old, without making any other file
// (for a folder that takes none). The part past the old end is written first, so a full disk
// is met before any old byte is overwritten; every write is checked and synced, the result is
// read back, and on any failure the old contents are put back. Answers "" on success, else why not.
QString OverwriteInPlace(const QString& path, const QByteArray& old, const QByteArray& now);
