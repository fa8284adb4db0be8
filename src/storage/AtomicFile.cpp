#include "storage/AtomicFile.h"

#include "core/Failure.h"
#include "core/PathRules.h"
#include "storage/RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

class LyricsSave {
public:
    LyricsSave(const QString& path, const QByteArray& bytes) : m_path(path), m_bytes(bytes) {}
    LyricsSave(const LyricsSave&) = delete;
    LyricsSave& operator=(const LyricsSave&) = delete;
    ~LyricsSave() { dropNewFile(); }

    QString run() {
        findTarget();
        QString inPlaceBecause = makeNewFile();
        if (inPlaceBecause.isEmpty())
            inPlaceBecause = keepOwner();
        if (!inPlaceBecause.isEmpty())
            return overwriteInPlace(inPlaceBecause);
        writeNewFile();
        putInPlace();
        return {};
    }

private:
    VersettaError refuse(const QString& why) const {
        if (!QFileInfo(m_path).isFile()) // no file was there to keep
            return VersettaError(
                QCoreApplication::translate("AtomicFile",
                                            "Cannot save the lyrics to %1: %2; nothing was written")
                    .arg(ShownPath(m_path), why));
        return VersettaError(QCoreApplication::translate(
                                 "AtomicFile", "Cannot save the lyrics to %1: %2; the file there "
                                               "before is unchanged")
                                 .arg(ShownPath(m_path), why));
    }

    // What the save replaces: the file at the name, or the one a link there names.
    void findTarget() {
        // A device or a pipe at the name is refused, never replaced.
        if (const QString kind = NonRegularKind(m_path); !kind.isEmpty())
            throw refuse(QCoreApplication::translate("AtomicFile", "it is %1, not a regular file")
                             .arg(kind));
        if (const QString why = LinkOutOfFolder(m_path); !why.isEmpty())
            throw refuse(why);
        m_target = QFileInfo(m_path).isSymLink() ? QFileInfo(m_path).canonicalFilePath() : m_path;
        m_folder = QFileInfo(m_target).absolutePath();
        if (!QFileInfo(m_folder).isDir())
            throw refuse(QCoreApplication::translate("AtomicFile", "the folder %1 does not exist")
                             .arg(ShownPath(m_folder)));
        m_exists = ::stat(encoded(m_target).constData(), &m_old) == 0;
        if (!m_exists)
            return;
        if (::faccessat(AT_FDCWD, encoded(m_target).constData(), W_OK, AT_EACCESS) != 0 &&
            errno == EROFS)
            throw refuse(QCoreApplication::translate("AtomicFile",
                                                     "it lies on a file system mounted read-only"));
        // A file without write permission is kept as its owner asked, even from root.
        if ((m_old.st_mode & 0222) == 0 ||
            ::faccessat(AT_FDCWD, encoded(m_target).constData(), W_OK, AT_EACCESS) != 0)
            throw refuse(QCoreApplication::translate("AtomicFile", "the file is read-only"));
    }

    // Answers "" once the new file is open, or why the old one is to be overwritten instead.
    QString makeNewFile() {
        // Where the system allows, the new file has no name until it replaces the old one, so
        // a save cut short leaves nothing behind.
        const mode_t mode = m_exists ? 0600 : 0666; // a new lyrics file as the umask allows
        m_fd = ::open(encoded(m_folder).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, mode);
        if (m_fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
            for (int attempt = 0; m_fd < 0 && attempt < 100; ++attempt) {
                m_named = newName();
                m_fd = ::open(encoded(m_named).constData(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC,
                              mode);
                if (m_fd < 0 && errno != EEXIST)
                    break;
            }
            if (m_fd < 0)
                m_named.clear();
        }
        if (m_fd >= 0)
            return {};
        const int error = errno;
        if (error != EACCES && error != EPERM && error != EROFS)
            throw refuse(DiskWriteError(error));
        if (!m_exists)
            throw refuse(QCoreApplication::translate("AtomicFile", "the folder %1 is read-only")
                             .arg(ShownPath(m_folder)));
        return QCoreApplication::translate("AtomicFile", "its folder takes no temporary file");
    }

    // Answers "" once the new file has the old one's owner and group, or why the old one is
    // to be overwritten instead (another user's file, saved by someone allowed to write it).
    QString keepOwner() {
        if (!m_exists || (m_old.st_uid == ::geteuid() && m_old.st_gid == ::getegid()) ||
            ::fchown(m_fd, m_old.st_uid, m_old.st_gid) == 0)
            return {};
        dropNewFile();
        return QCoreApplication::translate("AtomicFile",
                                           "a new file could not be given its owner and group");
    }

    void writeNewFile() {
        for (qsizetype done = 0; done < m_bytes.size();) {
            const ssize_t n = ::write(m_fd, m_bytes.constData() + done,
                                      static_cast<size_t>(m_bytes.size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                throw refuse(DiskWriteError(n < 0 ? errno : ENOSPC));
            done += n;
        }
        // Only bytes that reached the disk may replace the old file.
        if (::fsync(m_fd) != 0)
            throw refuse(DiskWriteError(errno));
        struct stat written {};
        if (::fstat(m_fd, &written) != 0 || written.st_size != m_bytes.size())
            throw refuse(
                QCoreApplication::translate("AtomicFile", "the file could not be written in full"));
        if (m_exists && ::fchmod(m_fd, m_old.st_mode & 07777) != 0)
            throw refuse(qt_error_string(errno));
    }

    void putInPlace() {
        if (m_named.isEmpty()) {
            const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_fd);
            for (int attempt = 0; m_named.isEmpty() && attempt < 100; ++attempt) {
                const QString name = newName();
                if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, encoded(name).constData(),
                             AT_SYMLINK_FOLLOW) == 0)
                    m_named = name;
                else if (errno != EEXIST)
                    throw refuse(DiskWriteError(errno));
            }
        }
        if (::rename(encoded(m_named).constData(), encoded(m_target).constData()) != 0)
            throw refuse(DiskWriteError(errno));
        m_named.clear();
        // The new name is made durable too; a failure here leaves the new file in place.
        if (const int folder =
                ::open(encoded(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            folder >= 0) {
            ::fsync(folder);
            ::close(folder);
        }
    }

    QString overwriteInPlace(const QString& because) {
        QFile current;
        if (const QString why = OpenRegularFile(current, m_target); !why.isEmpty())
            throw refuse(why);
        const QByteArray before = current.readAll();
        if (current.error() != QFileDevice::NoError)
            throw refuse(current.errorString());
        current.close();
        if (const QString why = OverwriteInPlace(m_target, before, m_bytes); !why.isEmpty())
            throw VersettaError(
                QCoreApplication::translate("AtomicFile", "Cannot save the lyrics to %1: %2")
                    .arg(ShownPath(m_path), why));
        return QCoreApplication::translate("AtomicFile",
                                           "Saved %1 in place: %2, so the save was not atomic")
            .arg(ShownPath(m_path), because);
    }

    QString newName() const {
        static const char letters[] =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        QString name =
            m_folder + QStringLiteral("/.") + QFileInfo(m_target).fileName() + QLatin1Char('.');
        for (int i = 0; i < 6; ++i)
            name += QLatin1Char(letters[QRandomGenerator::global()->bounded(62)]);
        return name;
    }

    void dropNewFile() {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
        if (!m_named.isEmpty())
            ::unlink(encoded(m_named).constData());
        m_named.clear();
    }

    QString m_path;
    const QByteArray& m_bytes;
    QString m_target;
    QString m_folder;
    bool m_exists = false;
    struct stat m_old {};
    int m_fd = -1;
    QString m_named; // "" while the new file has no name
};

} // namespace

QString SaveLyricsFile(const QString& path, const QByteArray& bytes) {
    return LyricsSave(path, bytes).run();
}
