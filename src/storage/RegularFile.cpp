#include "storage/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

NonRegular kindOf(mode_t mode) {
    if (S_ISREG(mode))
        return NonRegular::None;
    if (S_ISDIR(mode))
        return NonRegular::Folder;
    if (S_ISFIFO(mode))
        return NonRegular::NamedPipe;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return NonRegular::Device;
    if (S_ISSOCK(mode))
        return NonRegular::Socket;
    return NonRegular::Other;
}

QString notRegular(const QString& kind) {
    return QCoreApplication::translate("RegularFile", "not a regular file (%1)").arg(kind);
}

} // namespace

NonRegular NonRegularOf(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) == 0)
        return kindOf(status.st_mode);
    if (::lstat(name.constData(), &status) == 0 && S_ISLNK(status.st_mode))
        return NonRegular::LinkToNothing;
    return NonRegular::None;
}

QString NonRegularText(NonRegular kind) {
    switch (kind) {
    case NonRegular::None:
        return {};
    case NonRegular::Folder:
        return QCoreApplication::translate("RegularFile", "a folder");
    case NonRegular::NamedPipe:
        return QCoreApplication::translate("RegularFile", "a named pipe");
    case NonRegular::Device:
        return QCoreApplication::translate("RegularFile", "a device");
    case NonRegular::Socket:
        return QCoreApplication::translate("RegularFile", "a socket");
    case NonRegular::Other:
        return QCoreApplication::translate("RegularFile", "not a plain file");
    case NonRegular::LinkToNothing:
        return QCoreApplication::translate("RegularFile", "a link to nothing");
    }
    return {};
}

QString NonRegularKind(const QString& path) {
    return NonRegularText(NonRegularOf(path));
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
        return QCoreApplication::translate("RegularFile",
                                           "it is a link to %1, which cannot be looked at")
            .arg(shown);
    if (::geteuid() == 0)
        return QCoreApplication::translate("RegularFile",
                                           "it is a link to %1 outside the song's folder, which "
                                           "a save as root never follows")
            .arg(shown);
    if (named.st_uid != home.st_uid)
        return QCoreApplication::translate("RegularFile",
                                           "it is a link to %1, a file of another owner outside "
                                           "the song's folder")
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
            return notRegular(kind);
        return qt_error_string(error);
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return notRegular(NonRegularText(kindOf(status.st_mode)));
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

bool IsDiskFull(int error) {
    // A file-size limit or a quota is a full disk as far as the person can tell.
    return error == ENOSPC || error == EFBIG || error == EDQUOT;
}

QString DiskWriteError(int error) {
    return IsDiskFull(error) ? QCoreApplication::translate("RegularFile", "the disk is full")
                             : qt_error_string(error);
}

QString OverwriteInPlace(const QString& path, const QByteArray& old, const QByteArray& now) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return qt_error_string(errno);
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return QCoreApplication::translate("RegularFile", "not a regular file");
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
        failure =
            QCoreApplication::translate("RegularFile", "the file did not read back as written");
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
        return QCoreApplication::translate("RegularFile",
                                           "%1, and the old contents could not be put back")
            .arg(failure);
    return (grown
                ? QCoreApplication::translate("RegularFile",
                                              "%1, so the old contents were put back")
                : QCoreApplication::translate("RegularFile", "%1, so the file was left as it was"))
        .arg(failure);
}
