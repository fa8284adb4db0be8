#include "storage/DatabaseSchema.h"

#include "core/Failure.h"
#include "storage/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>

QString LyricsSchemaSql() {
    // Whole numbers as the statements write them; texts of any length, lyrics of any size.
    return QStringLiteral("CREATE TABLE Lyrics (\n"
                          "    LineNumber INTEGER,\n"
                          "    FileName TEXT,\n"
                          "    TimeMarker INTEGER,\n"
                          "    LyricLine TEXT\n"
                          ");\n"
                          "CREATE INDEX LyricsByFileAndTime ON Lyrics (FileName, TimeMarker);\n");
}

QString JukeboxDatabaseFileFor(const QString& target) {
    if (QFileInfo(target).isDir())
        return DatabasePathIn(QDir::cleanPath(target));
    return target;
}

namespace {

void writeSchema(const QString& file) {
    const QString name = QStringLiteral("velmora-dbsetup");
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (!db.open()) {
            failure = db.lastError().text();
        } else {
            QSqlQuery query(db);
            for (const QString& statement :
                 LyricsSchemaSql().split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
                if (statement.trimmed().isEmpty())
                    continue;
                if (!query.exec(statement)) {
                    failure = query.lastError().text();
                    break;
                }
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!failure.isEmpty())
        throw VersettaError(QCoreApplication::translate("DatabaseSchema",
                                                        "Cannot create the jukebox database %1: %2")
                                .arg(QDir::toNativeSeparators(file), failure));
}

} // namespace

void CreateJukeboxDatabase(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    if (QFileInfo::exists(path))
        throw VersettaError(
            QCoreApplication::translate("DatabaseSchema", "%1 already exists; it was left as it is")
                .arg(shown));
    const QFileInfo info(path);
    QTemporaryFile scratch(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                           QStringLiteral(".XXXXXX"));
    if (!scratch.open())
        throw VersettaError(QCoreApplication::translate("DatabaseSchema",
                                                        "Cannot create the jukebox database %1: %2")
                                .arg(shown, scratch.errorString()));
    scratch.close();
    // A temporary file is private to its owner; the jukebox may run as another user.
    scratch.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                           QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
    writeSchema(scratch.fileName());
    // rename() refuses to replace a file, so one that appeared meanwhile is kept.
    if (!scratch.rename(path))
        throw VersettaError(
            QCoreApplication::translate("DatabaseSchema",
                                        "Cannot create the jukebox database %1: %2")
                .arg(shown, QFileInfo::exists(path)
                                ? QCoreApplication::translate("DatabaseSchema",
                                                              "a file of that name appeared")
                                : scratch.errorString()));
    scratch.setAutoRemove(false);
}
