#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

class QFileInfo;

// What every save into a song stands on: the song read and compared in pieces of a fixed size
// (its audio never sits in memory, so a song of gigabytes costs what one of megabytes does),
// and the copy a save works on, which takes the song's place only once it is checked.

qint64 SizeOf(int fd);
// Reads up to size bytes at offset at; fewer only at the end of the file, -1 on an error.
qint64 ReadAt(int fd, char* into, qint64 size, qint64 at);
QByteArray ReadBytes(int fd, qint64 size, qint64 at);
// Writes all of bytes at offset at; false with errno set when it cannot.
bool WriteAt(int fd, const char* bytes, qint64 size, qint64 at);

// A copy of a range between two files, piece by piece.
struct Transfer {
    qint64 copied = 0;
    int error = 0;        // errno of the failure, 0 for none
    bool writing = false; // the failure was in writing (else in reading)
};
Transfer CopyRange(int from, qint64 fromAt, int to, qint64 toAt, qint64 size);
// Whether a at aAt and b at bAt hold the same size bytes.
bool SameBytes(int a, qint64 aAt, int b, qint64 bAt, qint64 size);

// Closes the file it holds.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { reset(); }
    void reset(int fd = -1);
    int get() const { return m_fd; }

private:
    int m_fd;
};

// Copies a killed save may have left beside the song (".Song.mp3.XXXXXX", where no file
// without a name can be made); each is a full copy of the song.
void RemoveStaleCopies(const QFileInfo& song);

// Only a regular file the user may write, reached through no link out of its folder, is saved
// into: its canonical path, or "" and why not.
QString WritableSong(const QString& path, QString& why);

// The copy a save works on. Where the system allows, it has no name until it is put in the
// song's place, so a save killed half-way leaves nothing behind.
class WorkingCopy {
public:
    WorkingCopy() = default;
    WorkingCopy(const WorkingCopy&) = delete;
    WorkingCopy& operator=(const WorkingCopy&) = delete;
    ~WorkingCopy() { close(); }

    // Answers "" or why no copy can be made in folder.
    QString open(const QString& folder, const QString& songName);
    int fd() const { return m_fd; }
    // The name a reader opens the copy by.
    QString path() const;
    // Gives the copy the owner and group of the song at target, so a save by root or by a
    // member of the song's group leaves it whose it was; false when that is not allowed.
    bool takeOwner(const QString& target) const;
    // Makes the copy durable and renames it over target; answers "" or why not.
    QString install(const QString& target);

private:
    void close();
    QString uniqueName() const;

    QString m_folder;
    QString m_songName;
    QString m_named; // "" while the copy has no name
    int m_fd = -1;
};

// A new song made of pieces: bytes of the song as it is (from >= 0, size bytes), or new bytes:
// all of bytes, or size of them from offset on (pieces of one large buffer share it).
struct SongPiece {
    qint64 from = -1;
    qint64 size = 0;
    QByteArray bytes;
    qint64 offset = 0;
};
struct SongPlan {
    std::vector<SongPiece> pieces;
    QString refusal; // why the song is left alone; the pieces are empty then
};
