#include "sources/SongCopy.h"

#include "storage/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

// What a save reads, writes or compares at a time.
constexpr qint64 kPiece = qint64{1} << 20;

bool hasWriteBit(QFileDevice::Permissions permissions) {
    return permissions &
           (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther);
}

} // namespace

void Descriptor::reset(int fd) {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = fd;
}

qint64 SizeOf(int fd) {
    struct stat status {};
    return ::fstat(fd, &status) == 0 ? static_cast<qint64>(status.st_size) : -1;
}

qint64 ReadAt(int fd, char* into, qint64 size, qint64 at) {
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

QByteArray ReadBytes(int fd, qint64 size, qint64 at) {
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
    bytes.resize(static_cast<qsizetype>(std::max<qint64>(ReadAt(fd, bytes.data(), size, at), 0)));
    return bytes;
}

bool WriteAt(int fd, const char* bytes, qint64 size, qint64 at) {
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

Transfer CopyRange(int from, qint64 fromAt, int to, qint64 toAt, qint64 size) {
    QByteArray piece(static_cast<qsizetype>(std::min(kPiece, std::max<qint64>(size, 1))),
                     Qt::Uninitialized);
    Transfer transfer;
    while (transfer.copied < size) {
        const qint64 want = std::min<qint64>(piece.size(), size - transfer.copied);
        const qint64 got = ReadAt(from, piece.data(), want, fromAt + transfer.copied);
        if (got <= 0) {
            transfer.error = got < 0 ? errno : 0;
            break;
        }
        if (!WriteAt(to, piece.constData(), got, toAt + transfer.copied)) {
            transfer.error = errno;
            transfer.writing = true;
            break;
        }
        transfer.copied += got;
    }
    return transfer;
}

bool SameBytes(int a, qint64 aAt, int b, qint64 bAt, qint64 size) {
    QByteArray left(static_cast<qsizetype>(std::min(kPiece, std::max<qint64>(size, 1))),
                    Qt::Uninitialized);
    QByteArray right(left.size(), Qt::Uninitialized);
    for (qint64 done = 0; done < size;) {
        const qint64 want = std::min<qint64>(left.size(), size - done);
        if (ReadAt(a, left.data(), want, aAt + done) != want ||
            ReadAt(b, right.data(), want, bAt + done) != want ||
            std::memcmp(left.constData(), right.constData(), static_cast<size_t>(want)) != 0)
            return false;
        done += want;
    }
    return true;
}

void RemoveStaleCopies(const QFileInfo& song) {
    QDir folder = song.absoluteDir();
    const QString prefix = QStringLiteral(".") + song.fileName() + QLatin1Char('.');
    for (const QString& name : folder.entryList({prefix + QStringLiteral("??????")},
                                                QDir::Files | QDir::Hidden | QDir::System))
        folder.remove(name);
}

QString WritableSong(const QString& path, QString& why) {
    // A link is followed to a regular file only: a link to a device or a pipe must never
    // have that replaced.
    if (const NonRegular kind = NonRegularOf(path); kind != NonRegular::None) {
        why = kind == NonRegular::LinkToNothing
                  ? QCoreApplication::translate("SongCopy", "there is no such file.")
                  : QCoreApplication::translate("SongCopy", "it is %1, not a regular file.")
                        .arg(NonRegularText(kind));
        return {};
    }
    const QFileInfo info(path);
    if (!info.isFile()) {
        why = QCoreApplication::translate("SongCopy", "there is no such file.");
        return {};
    }
    if (const QString out = LinkOutOfFolder(path); !out.isEmpty()) {
        why = out + QLatin1Char('.');
        return {};
    }
    // A read-only file is refused even where the user could override it, as the owner asked.
    if (!info.isWritable() || !hasWriteBit(info.permissions())) {
        why = QCoreApplication::translate("SongCopy", "the file is read-only.");
        return {};
    }
    return info.canonicalFilePath();
}

QString WorkingCopy::open(const QString& folder, const QString& songName) {
    close();
    m_folder = folder;
    m_songName = songName;
    m_fd = ::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (m_fd >= 0)
        return {};
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
        return qt_error_string(errno);
    m_named = uniqueName();
    m_fd =
        ::open(QFile::encodeName(m_named).constData(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, 0600);
    if (m_fd < 0) {
        m_named.clear();
        return qt_error_string(errno);
    }
    return {};
}

QString WorkingCopy::path() const {
    return m_named.isEmpty() ? QStringLiteral("/proc/self/fd/%1").arg(m_fd) : m_named;
}

bool WorkingCopy::takeOwner(const QString& target) const {
    struct stat song {};
    if (::stat(QFile::encodeName(target).constData(), &song) != 0 ||
        (song.st_uid == ::geteuid() && song.st_gid == ::getegid()))
        return true;
    return ::fchown(m_fd, song.st_uid, song.st_gid) == 0;
}

QString WorkingCopy::install(const QString& target) {
    // The song keeps its permissions.
    if (struct stat song{}; ::stat(QFile::encodeName(target).constData(), &song) == 0)
        ::fchmod(m_fd, song.st_mode & 07777);
    // A crash must not leave an empty file in the song's place.
    if (::fsync(m_fd) != 0)
        return QCoreApplication::translate("SongCopy",
                                           "the temporary copy could not be written to disk.");
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

void WorkingCopy::close() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_named.isEmpty())
        QFile::remove(m_named);
    m_named.clear();
}

QString WorkingCopy::uniqueName() const {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < 6; ++i)
        suffix += QLatin1Char(letters[QRandomGenerator::global()->bounded(62)]);
    return m_folder + QStringLiteral("/.") + m_songName + QLatin1Char('.') + suffix;
}
