#include "storage/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString kindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("a named pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("a device");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QStringLiteral("not a plain file");
}

} // namespace

QString NonRegularKind(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) == 0)
        return S_ISREG(status.st_mode) ? QString() : kindOf(status.st_mode);
    if (::lstat(name.constData(), &status) == 0 && S_ISLNK(status.st_mode))
        return QStringLiteral("a link to nothing");
    return {};
}

QString LinkOutOfFolder(const QString& path) {
    struct stat link {};
    if (::lstat(QFile::encodeName(path).constData(), &link) != 0 || !S_ISLNK(link.st_mode))
        return {};
    const QString target = QFileInfo(path).canonicalFilePath();
    const QString folder = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    if (!target.isEmpty() && QFileInfo(target).absolutePath() == folder)
        return {};
    const QString shown = QDir::toNativeSeparators(target.isEmpty() ? path : target);
    struct stat named {};
    struct stat home {};
    if (target.isEmpty() || ::stat(QFile::encodeName(target).constData(), &named) != 0 ||
        ::stat(QFile::encodeName(folder).constData(), &home) != 0)
        return QStringLiteral("it is a link to %1, which cannot be looked at").arg(shown);
    if (::geteuid() == 0)
        return QStringLiteral("it is a link to %1 outside the song's folder, which a save as "
                              "root never follows")
            .arg(shown);
    if (named.st_uid != home.st_uid)
        return QStringLiteral("it is a link to %1, a file of another owner outside the song's "
                              "folder")
            .arg(shown);
    return {};
}

QString OpenRegularFile(QFile& file, const QString& path) {
    // O_NONBLOCK: opening a pipe with no writer would wait; fstat then tells what was opened,
    // so nothing can be swapped in between a check and the open.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (const QString kind = NonRegularKind(path); !kind.isEmpty())
            return QStringLiteral("not a regular file (%1)").arg(kind);
        return qt_error_string(error);
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return QStringLiteral("not a regular file (%1)").arg(kindOf(status.st_mode));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    return {};
}

namespace {

bool writeAt(int fd, QByteArrayView bytes, qint64 offset) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done,
                                   static_cast<size_t>(bytes.size() - done), offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

QByteArray readAll(int fd, qsizetype size) {
    QByteArray bytes(size + 1, Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pread(fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    bytes.resize(done);
    return bytes;
}

} // namespace

QString DiskWriteError(int error) {
    // A file-size limit or a quota is a full disk as far as the person can tell.
    return error == ENOSPC || error == EFBIG || error == EDQUOT ? QStringLiteral("the disk is full")
                                                                : qt_error_string(error);
}

QString OverwriteInPlace(const QString& path, const QByteArray& old, const QByteArray& now) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return qt_error_string(errno);
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return QStringLiteral("not a regular file");
    }
    const QByteArrayView whole(now);
    const qsizetype common = std::min(old.size(), now.size());
    QString failure;
    // Until the part past the old end is written and synced, no old byte has changed.
    const bool grown = writeAt(fd, whole.sliced(common), common) && ::fsync(fd) == 0;
    if (!grown || !writeAt(fd, whole.first(common), 0) || ::ftruncate(fd, now.size()) != 0 ||
        ::fsync(fd) != 0)
        failure = DiskWriteError(errno);
    else if (readAll(fd, now.size()) != now)
        failure = QStringLiteral("the file did not read back as written");
    if (failure.isEmpty()) {
        ::close(fd);
        return {};
    }
    // The old contents fit where they were: put them back (only the grown end to cut off when
    // the failure came first).
    const bool restored = (!grown || writeAt(fd, old, 0)) && ::ftruncate(fd, old.size()) == 0 &&
                          ::fsync(fd) == 0 && readAll(fd, old.size()) == old;
    ::close(fd);
    if (!restored)
        return failure + QStringLiteral(", and the old contents could not be put back");
    return failure + (grown ? QStringLiteral(", so the old contents were put back")
                            : QStringLiteral(", so the file was left as it was"));
}
