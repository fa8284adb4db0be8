#include "storage/AtomicFile.h"

#include "core/Failure.h"
#include "storage/RegularFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

void ReplaceFileAtomically(const QString& path, const QByteArray& bytes) {
    const auto refuse = [&path](const QString& why) {
        return VersettaError(QStringLiteral("Cannot write %1: %2; the file there before is "
                                            "unchanged")
                                 .arg(QDir::toNativeSeparators(path), why));
    };
    // A device or a pipe at the name is refused, never replaced.
    if (const QString kind = NonRegularKind(path); !kind.isEmpty())
        throw refuse(QStringLiteral("it is %1, not a regular file").arg(kind));
    const QFileInfo existing(path);
    const QString target = existing.isSymLink() ? existing.canonicalFilePath() : path;
    const QFileInfo folder(QFileInfo(target).absolutePath());
    if (!folder.isDir())
        throw refuse(QStringLiteral("the folder does not exist"));
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        throw refuse(folder.isWritable() ? file.errorString()
                                         : QStringLiteral("the folder is read-only"));
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw refuse(file.errorString().isEmpty() || file.error() == QFileDevice::UnspecifiedError
                         ? QStringLiteral("it could not be written in full; the disk may be full")
                         : file.errorString());
}
