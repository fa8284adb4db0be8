#include "storage/KeptCopy.h"

#include "core/Failure.h"
#include "core/PathRules.h"
#include "storage/AtomicFile.h"
#include "storage/RegularFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

FileSeen FileSeen::of(const QString& path, bool whole) {
    const QFileInfo info(path);
    if (!info.isFile())
        return {false, -1, 0, whole};
    return {true, info.size(), info.lastModified().toMSecsSinceEpoch(), whole};
}

namespace {

// The first name not taken: a copy kept earlier is never overwritten.
QString freeName(const QString& path) {
    for (int n = 1; n < 1000; ++n) {
        QString name = n == 1 ? path + QStringLiteral(".bak")
                              : QStringLiteral("%1.%2.bak").arg(path, QString::number(n));
        if (!QFileInfo::exists(name) && !QFileInfo(name).isSymLink())
            return name;
    }
    return {};
}

} // namespace

QString KeepUnseenFile(const QString& path, const FileSeen& seen) {
    const FileSeen now = FileSeen::of(path, true);
    if (!now.exists) // nothing to lose; a pipe or a folder there is the save's to refuse
        return {};
    const bool changed = !seen.exists || now.size != seen.size || now.modifiedMs != seen.modifiedMs;
    if (!changed && seen.whole)
        return {};
    const QString file = QFileInfo(path).fileName();
    const auto cannot = [&](const QString& problem) {
        return VersettaError(
            (changed ? QCoreApplication::translate(
                           "KeptCopy", "Did not save: %1 was changed on disk after the sheet was "
                                       "read, and no copy of it could be kept (%2); the file "
                                       "there is unchanged.")
                     : QCoreApplication::translate(
                           "KeptCopy", "Did not save: the sheet does not hold all of %1, and no "
                                       "copy of it could be kept (%2); the file there is "
                                       "unchanged."))
                .arg(file, problem));
    };
    QFile old;
    if (const QString problem = OpenRegularFile(old, path); !problem.isEmpty())
        throw cannot(problem);
    const QByteArray bytes = old.readAll();
    if (old.error() != QFileDevice::NoError)
        throw cannot(old.errorString());
    const QString name = freeName(path);
    if (name.isEmpty())
        throw cannot(QCoreApplication::translate("KeptCopy", "every name for a copy is taken"));
    try {
        SaveLyricsFile(name, bytes); // QSaveFile takes a write cut short by a size limit as whole
    } catch (const VersettaError& error) {
        throw cannot(error.message());
    }
    return (changed ? QCoreApplication::translate("KeptCopy",
                                                  "%1 was changed on disk after the sheet was "
                                                  "read, so the file there before is kept as %2.")
                    : QCoreApplication::translate("KeptCopy",
                                                  "The sheet does not hold all of %1, so the file "
                                                  "there before is kept as %2."))
        .arg(file, QFileInfo(name).fileName());
}
