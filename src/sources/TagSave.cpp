#include "sources/TagSave.h"

#include "core/Failure.h"
#include "sources/Id3v2Layout.h"
#include "storage/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <id3v2header.h>
#include <mpegfile.h>
#include <tfilestream.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

// What a save reads, writes or compares at a time: the song's audio never sits in memory, so
// a song of gigabytes costs what one of megabytes does.
constexpr qint64 kPiece = qint64{1} << 20;

QString diskError(int error) {
    // A short write or a file-size limit is what a full disk looks like from here.
    return error == ENOSPC || error == EFBIG || error == EDQUOT ? QStringLiteral("the disk is full")
                                                                : qt_error_string(error);
}

// Closes the file it holds.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { reset(); }
    void reset(int fd = -1) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }
    int get() const { return m_fd; }

private:
    int m_fd;
};

qint64 sizeOf(int fd) {
    struct stat status {};
    return ::fstat(fd, &status) == 0 ? static_cast<qint64>(status.st_size) : -1;
}

// Reads up to size bytes at offset at; fewer only at the end of the file, -1 on an error.
qint64 readAt(int fd, char* into, qint64 size, qint64 at) {
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, into + done, static_cast<size_t>(size - done), at + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

QByteArray readBytes(int fd, qint64 size, qint64 at) {
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
    bytes.resize(static_cast<qsizetype>(std::max<qint64>(readAt(fd, bytes.data(), size, at), 0)));
    return bytes;
}

// Writes all of bytes at offset at; false with errno set when it cannot.
bool writeAt(int fd, const char* bytes, qint64 size, qint64 at) {
    for (qint64 done = 0; done < size;) {
        const ssize_t n = ::pwrite(fd, bytes + done, static_cast<size_t>(size - done), at + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

// A copy of a range between two files, piece by piece.
struct Transfer {
    qint64 copied = 0;
    int error = 0;        // errno of the failure, 0 for none
    bool writing = false; // the failure was in writing (else in reading)
};

Transfer copyRange(int from, qint64 fromAt, int to, qint64 toAt, qint64 size) {
    QByteArray piece(static_cast<qsizetype>(std::min(kPiece, std::max<qint64>(size, 1))),
                     Qt::Uninitialized);
    Transfer transfer;
    while (transfer.copied < size) {
        const qint64 want = std::min<qint64>(piece.size(), size - transfer.copied);
        const qint64 got = readAt(from, piece.data(), want, fromAt + transfer.copied);
        if (got <= 0) {
            transfer.error = got < 0 ? errno : 0;
            break;
        }
        if (!writeAt(to, piece.constData(), got, toAt + transfer.copied)) {
            transfer.error = errno;
            transfer.writing = true;
            break;
        }
        transfer.copied += got;
    }
    return transfer;
}

// Whether a at aAt and b at bAt hold the same size bytes.
bool sameBytes(int a, qint64 aAt, int b, qint64 bAt, qint64 size) {
    QByteArray left(static_cast<qsizetype>(std::min(kPiece, std::max<qint64>(size, 1))),
                    Qt::Uninitialized);
    QByteArray right(left.size(), Qt::Uninitialized);
    for (qint64 done = 0; done < size;) {
        const qint64 want = std::min<qint64>(left.size(), size - done);
        if (readAt(a, left.data(), want, aAt + done) != want ||
            readAt(b, right.data(), want, bAt + done) != want ||
            std::memcmp(left.constData(), right.constData(), static_cast<size_t>(want)) != 0)
            return false;
        done += want;
    }
    return true;
}

bool owned(const Id3v2Frame& frame, const TagChange& change) {
    return change.frameIds.contains(frame.laterId) && (!change.owns || change.owns(frame));
}

// The frames a save does not own that a reader would not find as they were, compared by what
// a reader sees (a 2.2 frame with its later counterpart; a text frame with nothing in it as
// no frame); none when all came through.
QStringList framesChanged(const QByteArray& before, const QByteArray& after,
                          const TagChange& change) {
    const auto kept = [&change](const Id3v2Frame& frame) {
        return !frame.blank && !owned(frame, change);
    };
    QList<Id3v2Frame> written = Id3v2Frames(after);
    written.removeIf([&kept](const Id3v2Frame& frame) { return !kept(frame); });
    QStringList changed;
    for (const Id3v2Frame& frame : Id3v2Frames(before)) {
        if (!kept(frame))
            continue;
        const auto same = std::find_if(written.begin(), written.end(), [&](const auto& other) {
            return other.laterId == frame.laterId && other.fields == frame.fields &&
                   other.content == frame.content;
        });
        if (same == written.end() || frame.laterId.isEmpty())
            changed << frame.id;
        else
            written.erase(same);
    }
    for (const Id3v2Frame& frame : written)
        changed << frame.id;
    changed.removeDuplicates();
    return changed;
}

// Copies a killed save may have left beside the song (".Song.mp3.XXXXXX", where no file
// without a name can be made); each is a full copy of the song.
void removeStaleCopies(const QFileInfo& song) {
    QDir folder = song.absoluteDir();
    const QString prefix = QStringLiteral(".") + song.fileName() + QLatin1Char('.');
    for (const QString& name : folder.entryList({prefix + QStringLiteral("??????")},
                                                QDir::Files | QDir::Hidden | QDir::System))
        folder.remove(name);
}

// The copy a save works on. Where the system allows, it has no name until it is put in the
// song's place, so a save killed half-way leaves nothing behind.
class WorkingCopy {
public:
    WorkingCopy() = default;
    WorkingCopy(const WorkingCopy&) = delete;
    WorkingCopy& operator=(const WorkingCopy&) = delete;
    ~WorkingCopy() { close(); }

    // Answers "" or why no copy can be made in folder.
    QString open(const QString& folder, const QString& songName) {
        close();
        m_folder = folder;
        m_songName = songName;
        m_fd = ::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
        if (m_fd >= 0)
            return {};
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            return qt_error_string(errno);
        m_named = uniqueName();
        m_fd = ::open(QFile::encodeName(m_named).constData(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC,
                      0600);
        if (m_fd < 0) {
            m_named.clear();
            return qt_error_string(errno);
        }
        return {};
    }

    int fd() const { return m_fd; }

    // The name TagLib opens the copy by.
    QString path() const {
        return m_named.isEmpty() ? QStringLiteral("/proc/self/fd/%1").arg(m_fd) : m_named;
    }

    // Gives the copy the owner and group of the song at target, so a save by root or by a
    // member of the song's group leaves it whose it was; false when that is not allowed.
    bool takeOwner(const QString& target) const {
        struct stat song {};
        if (::stat(QFile::encodeName(target).constData(), &song) != 0 ||
            (song.st_uid == ::geteuid() && song.st_gid == ::getegid()))
            return true;
        return ::fchown(m_fd, song.st_uid, song.st_gid) == 0;
    }

    // Makes the copy durable and renames it over target; answers "" or why not.
    QString install(const QString& target) {
        // The song keeps its permissions.
        if (struct stat song{}; ::stat(QFile::encodeName(target).constData(), &song) == 0)
            ::fchmod(m_fd, song.st_mode & 07777);
        // A crash must not leave an empty file in the song's place.
        if (::fsync(m_fd) != 0)
            return QStringLiteral("the temporary copy could not be written to disk.");
        if (m_named.isEmpty()) {
            for (int attempt = 0; m_named.isEmpty() && attempt < 100; ++attempt) {
                const QString name = uniqueName();
                if (::linkat(AT_FDCWD, QFile::encodeName(path()).constData(), AT_FDCWD,
                             QFile::encodeName(name).constData(), AT_SYMLINK_FOLLOW) == 0)
                    m_named = name;
                else if (errno != EEXIST)
                    return qt_error_string(errno);
            }
        }
        std::error_code error;
        std::filesystem::rename(QFile::encodeName(m_named).constData(),
                                QFile::encodeName(target).constData(), error);
        if (error)
            return QString::fromStdString(error.message());
        m_named.clear();
        return {};
    }

private:
    void close() {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
        if (!m_named.isEmpty())
            QFile::remove(m_named);
        m_named.clear();
    }

    QString uniqueName() const {
        static const char letters[] =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        QString suffix;
        for (int i = 0; i < 6; ++i)
            suffix += QLatin1Char(letters[QRandomGenerator::global()->bounded(62)]);
        return m_folder + QStringLiteral("/.") + m_songName + QLatin1Char('.') + suffix;
    }

    QString m_folder;
    QString m_songName;
    QString m_named; // "" while the copy has no name
    int m_fd = -1;
};

// TagLib keeps a frame's header protected; a derived class may name the member, and the
// pointer to it reaches the header of any frame.
struct FrameHeader : TagLib::ID3v2::Frame {
    static Header& of(const TagLib::ID3v2::Frame& frame) {
        return *(frame.*(&FrameHeader::header))();
    }
};

bool hasWriteBit(QFileDevice::Permissions permissions) {
    return permissions &
           (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther);
}

// Only a regular file the user may write is saved into: its canonical path, or "" and why not.
QString writableTarget(const QString& path, QString& why) {
    // A link is followed to a regular file only: a link to a device or a pipe must never
    // have that replaced.
    if (const QString kind = NonRegularKind(path); !kind.isEmpty()) {
        why = kind == QLatin1String("a link to nothing")
                  ? QStringLiteral("there is no such file.")
                  : QStringLiteral("it is %1, not a regular file.").arg(kind);
        return {};
    }
    const QFileInfo info(path);
    if (!info.isFile()) {
        why = QStringLiteral("there is no such file.");
        return {};
    }
    if (const QString out = LinkOutOfFolder(path); !out.isEmpty()) {
        why = out + QLatin1Char('.');
        return {};
    }
    // A read-only file is refused even where the user could override it, as the owner asked.
    if (!info.isWritable() || !hasWriteBit(info.permissions())) {
        why = QStringLiteral("the file is read-only.");
        return {};
    }
    return info.canonicalFilePath();
}

// One save, step by step; every step throws when the song must be left alone.
class TagSave {
public:
    TagSave(const QString& path, const TagChange& change)
        : m_path(path), m_shown(QDir::toNativeSeparators(path)), m_change(change) {}

    QString run() {
        checkTarget();
        readOriginal();
        renderTag();
        makeCopy();
        checkCopy();
        return putInPlace();
    }

private:
    VersettaError fail(const QString& why) const {
        return VersettaError(
            QStringLiteral("Cannot save %1 into %2: %3").arg(m_change.what, m_shown, why));
    }

    void checkTarget() {
        QString why;
        m_target = writableTarget(m_path, why);
        if (m_target.isEmpty())
            throw fail(why);
    }

    // The song's tag as it is, which the copy's is checked against; the audio stays on disk.
    void readOriginal() {
        m_song.reset(
            ::open(QFile::encodeName(m_target).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
        if (m_song.get() < 0)
            throw fail(qt_error_string(errno));
        const qint64 size = sizeOf(m_song.get());
        m_before = Id3v2ExtentOf(readBytes(m_song.get(), 10, 0));
        if (m_before.length > size ||
            (m_before.length > 0 && (m_before.majorVersion < 2 || m_before.majorVersion > 4)))
            throw fail(QStringLiteral("its ID3v2 tag is damaged or of an unknown version."));
        m_tagBefore = readBytes(m_song.get(), m_before.length, 0);
        if (m_tagBefore.size() != m_before.length)
            throw fail(qt_error_string(errno));
    }

    // The new tag, made by TagLib from the song's own, in memory.
    void renderTag() {
        TagLib::FileStream stream(QFile::encodeName(m_target).constData(), true);
        TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
        if (!stream.isOpen() || !file.isValid() || file.firstFrameOffset() < 0)
            throw fail(QStringLiteral("it is not an MP3 file."));
        // TagLib also finds a tag behind leading bytes that are not one, and would write the
        // new one there.
        if (file.hasID3v2Tag() != (m_before.length > 0) ||
            (file.hasID3v2Tag() &&
             file.ID3v2Tag()->header()->completeTagSize() != static_cast<quint64>(m_before.length)))
            throw fail(QStringLiteral("its ID3v2 tag does not start the file, so the song was "
                                      "left as it was."));
        // Keep the tag's own version; TagLib cannot write 2.2, and a new tag is 2.3, the
        // version most players read. Unicode text survives in both: UTF-16 in 2.3, UTF-8 in
        // 2.4.
        const TagLib::ID3v2::Version version =
            m_before.majorVersion == 3 || m_before.majorVersion == 0 ? TagLib::ID3v2::v3
                                                                     : TagLib::ID3v2::v4;
        const TagLib::String::Type encoding =
            version == TagLib::ID3v2::v3 ? TagLib::String::UTF16 : TagLib::String::UTF8;
        TagLib::ID3v2::Tag* tag = file.ID3v2Tag(true);
        // TagLib writes every frame back with its flags cleared, so an encrypted frame would
        // come out as garbage under its old name (an encrypted USLT as lyrics of noise).
        for (const TagLib::ID3v2::Frame* frame : tag->frameList())
            if (FrameHeader::of(*frame).encryption())
                throw fail(
                    QStringLiteral("its tag holds encrypted frames (%1), so the song was "
                                   "left as it was.")
                        .arg(QString::fromLatin1(frame->frameID().data(),
                                                 static_cast<qsizetype>(frame->frameID().size()))));
        if (m_change.apply)
            m_change.apply(*tag, encoding);
        // TagLib marks 2.3 frames that 2.4 dropped (RVAD, TSIZ, ...) to be discarded on
        // writing; written back in the tag's own version they are still valid, so they stay.
        // TDAT and TIME are the exception: TagLib folds them into TDRC and writes them anew.
        if (m_before.majorVersion >= 3) {
            const bool hasDate = !tag->frameList("TDRC").isEmpty();
            for (TagLib::ID3v2::Frame* frame : tag->frameList()) {
                const TagLib::ByteVector id = frame->frameID();
                if (!(hasDate && (id == "TDAT" || id == "TIME")))
                    FrameHeader::of(*frame).setTagAlterPreservation(false);
            }
        }
        // As TagLib's own save: an empty tag is none, and the padding is sized to the song.
        if (!tag->isEmpty()) {
            const TagLib::ByteVector rendered = tag->render(version);
            m_tagAfter = QByteArray(rendered.data(), static_cast<qsizetype>(rendered.size()));
        }
    }

    // The song is changed only by putting a checked copy in its place, so a failure at any
    // step before that leaves it exactly as it was. The copy is the new tag followed by the
    // song's audio as it stands.
    void makeCopy() {
        const QFileInfo song(m_target);
        removeStaleCopies(song);
        QString why = m_copy.open(song.absolutePath(), song.fileName());
        // A folder that takes no new file, holding a song the user may write: the copy is
        // made and checked elsewhere, then written over the song.
        m_inPlace = !why.isEmpty() && !QFileInfo(song.absolutePath()).isWritable();
        if (m_inPlace) {
            m_inPlaceBecause = QStringLiteral("its folder takes no temporary file");
            why = m_copy.open(QDir::tempPath(), song.fileName());
        }
        if (!why.isEmpty())
            throw fail(QStringLiteral("cannot write a temporary copy in its folder: ") + why);
        const qint64 songSize = sizeOf(m_song.get());
        Transfer transfer;
        if (!writeAt(m_copy.fd(), m_tagAfter.constData(), m_tagAfter.size(), 0))
            transfer = {0, errno, true};
        else
            transfer = copyRange(m_song.get(), m_before.length, m_copy.fd(), m_tagAfter.size(),
                                 songSize - m_before.length);
        if (transfer.error == 0)
            return;
        if (!transfer.writing)
            throw fail(qt_error_string(transfer.error));
        // Where even a copy of the song does not fit, nothing else was tried.
        const qint64 reached = sizeOf(m_copy.fd()); // written in order from the start
        throw fail(diskError(transfer.error) == QLatin1String("the disk is full") &&
                           reached >= songSize
                       ? QStringLiteral("the disk is full, so the song was left as it was.")
                       : QStringLiteral("cannot write a temporary copy in its folder: ") +
                             diskError(transfer.error));
    }

    void checkCopy() {
        if (m_change.readBack) {
            TagLib::FileStream stream(QFile::encodeName(m_copy.path()).constData(), true);
            TagLib::MPEG::File written(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
            if (const QString why = m_change.readBack(written.ID3v2Tag(false)); !why.isEmpty())
                throw fail(QStringLiteral("%1, so the song was left as it was.").arg(why));
        }
        const int copy = m_copy.fd();
        const Id3v2Extent after = Id3v2ExtentOf(readBytes(copy, 10, 0));
        const qint64 audio = sizeOf(m_song.get()) - m_before.length;
        if (sizeOf(copy) - after.length != audio ||
            !sameBytes(m_song.get(), m_before.length, copy, after.length, audio))
            throw fail(
                QStringLiteral("the audio would have changed, so the song was left as it was."));
        if (const QStringList changed =
                framesChanged(m_tagBefore, readBytes(copy, after.length, 0), m_change);
            !changed.isEmpty())
            throw fail(QStringLiteral("its tag holds frames that could not be kept as they are "
                                      "(%1), so the song was left as it was.")
                           .arg(changed.join(QStringLiteral(", "))));
    }

    QString putInPlace() {
        // Another user's song that this one may write: written over, it stays theirs.
        if (!m_inPlace && !m_copy.takeOwner(m_target)) {
            m_inPlace = true;
            m_inPlaceBecause = QStringLiteral("a new file could not be given its owner");
        }
        if (m_inPlace) {
            if (const QString why = overwriteSong(); !why.isEmpty())
                throw fail(why);
            QString saved = m_change.what;
            saved[0] = saved[0].toUpper();
            return QStringLiteral("%1 were saved into %2 in place: %3, so the save was not "
                                  "atomic.")
                .arg(saved, m_shown, m_inPlaceBecause);
        }
        if (const QString why = m_copy.install(m_target); !why.isEmpty())
            throw fail(why);
        return {};
    }

    // Writes the checked copy over the song itself, for a folder that takes no new file. The
    // part past the old end goes first, so a full disk is met before any old byte is
    // overwritten; on a failure the old tag and audio are put back from memory and the copy.
    QString overwriteSong() {
        const Descriptor song(
            ::open(QFile::encodeName(m_target).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
        struct stat status {};
        if (song.get() < 0 || ::fstat(song.get(), &status) != 0 || !S_ISREG(status.st_mode))
            return song.get() < 0 ? qt_error_string(errno) : QStringLiteral("not a regular file");
        const int copy = m_copy.fd();
        const qint64 oldSize = status.st_size;
        const qint64 newSize = sizeOf(copy);
        const qint64 common = std::min(oldSize, newSize);
        if (const Transfer grown = copyRange(copy, common, song.get(), common, newSize - common);
            grown.error != 0) {
            const QString why = diskError(grown.error);
            return ::ftruncate(song.get(), oldSize) == 0
                       ? why + QStringLiteral(", so the song was left as it was.")
                       : why + QStringLiteral(", and the song could not be put back as it was.");
        }
        // A tag of the old length leaves the audio where it stands.
        const qint64 tagLength = m_tagAfter.size();
        const qint64 changed = tagLength == m_before.length ? tagLength : common;
        const Transfer head = copyRange(copy, 0, song.get(), 0, changed);
        QString failure;
        if (head.error != 0)
            failure = diskError(head.error);
        else if (::ftruncate(song.get(), newSize) != 0 || ::fsync(song.get()) != 0)
            failure = diskError(errno);
        else if (!sameBytes(song.get(), 0, copy, 0, newSize))
            failure = QStringLiteral("the song did not read back as written");
        if (failure.isEmpty())
            return {};
        const qint64 audio = newSize - tagLength;
        const bool restored =
            writeAt(song.get(), m_tagBefore.constData(), m_tagBefore.size(), 0) &&
            (changed == tagLength ||
             copyRange(copy, tagLength, song.get(), m_before.length, audio).error == 0) &&
            ::ftruncate(song.get(), oldSize) == 0 && ::fsync(song.get()) == 0 &&
            readBytes(song.get(), m_before.length, 0) == m_tagBefore &&
            sameBytes(song.get(), m_before.length, copy, tagLength, audio);
        return failure + (restored ? QStringLiteral(", so the old contents were put back.")
                                   : QStringLiteral(", and the old contents could not be put "
                                                    "back."));
    }

    QString m_path;
    QString m_shown;
    const TagChange& m_change;
    QString m_target;
    Descriptor m_song; // the song, read-only
    Id3v2Extent m_before;
    QByteArray m_tagBefore;
    QByteArray m_tagAfter;
    WorkingCopy m_copy;
    bool m_inPlace = false;
    QString m_inPlaceBecause;
};

} // namespace

QString SaveTagChange(const QString& path, const TagChange& change) {
    return TagSave(path, change).run();
}

QString SaveFileChange(const QString& path, const FileChange& change) {
    const auto fail = [&](const QString& why) {
        return VersettaError(QStringLiteral("Cannot save %1 into %2: %3")
                                 .arg(change.what, QDir::toNativeSeparators(path), why));
    };
    QString why;
    const QString target = writableTarget(path, why);
    if (target.isEmpty())
        throw fail(why);
    if (change.prepare)
        if (why = change.prepare(target); !why.isEmpty())
            throw fail(why);
    const Descriptor song(
        ::open(QFile::encodeName(target).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (song.get() < 0)
        throw fail(qt_error_string(errno));
    const QFileInfo info(target);
    removeStaleCopies(info);
    // The whole song is rewritten by the tag library, so only a copy beside it can take its
    // place at once; a folder that takes no new file leaves it as it is.
    WorkingCopy copy;
    if (why = copy.open(info.absolutePath(), info.fileName()); !why.isEmpty())
        throw fail(QStringLiteral("cannot write a temporary copy in its folder (%1), so the song "
                                  "was left as it was.")
                       .arg(why));
    const qint64 size = sizeOf(song.get());
    if (const Transfer transfer = copyRange(song.get(), 0, copy.fd(), 0, size);
        transfer.error != 0 || transfer.copied != size)
        throw fail(transfer.writing &&
                           diskError(transfer.error) == QLatin1String("the disk is full")
                       ? QStringLiteral("the disk is full, so the song was left as it was.")
                       : QStringLiteral("cannot copy the song: ") + diskError(transfer.error));
    if (why = change.apply(copy.path()); !why.isEmpty())
        throw fail(why + QStringLiteral(", so the song was left as it was."));
    if (why = change.check(copy.path()); !why.isEmpty())
        throw fail(why + QStringLiteral(", so the song was left as it was."));
    if (!copy.takeOwner(target))
        throw fail(QStringLiteral("it belongs to another user, and the new copy cannot be made "
                                  "theirs, so the song was left as it was."));
    if (why = copy.install(target); !why.isEmpty())
        throw fail(why);
    return {};
}
