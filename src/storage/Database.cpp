#include "storage/Database.h"

#include "core/Failure.h"
#include "core/PathRules.h"
#include "storage/RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

namespace {

QString setupHint(const QString& databasePath) {
    return QCoreApplication::translate("Database", "create it with: velmora-dbsetup \"%1\"")
        .arg(ShownPath(QFileInfo(databasePath).absolutePath()));
}

QString briefly(const QString& sql) {
    constexpr qsizetype kShown = 120;
    const QString flat = sql.simplified();
    return flat.size() <= kShown ? flat : flat.left(kShown) + QStringLiteral("…");
}

// Why the database cannot be used, one code per way out the message names.
enum class DatabaseFault {
    Missing,
    Folder,
    Unreadable,
    JetFile,
    NotADatabase,
    NoTable,
    NoColumn,
    Locked,
    ReadOnly,
    DiskFull,
    IoError,
    CannotOpen,
    Refused,
};

struct Diagnosis {
    DatabaseFault fault = DatabaseFault::Refused;
    QString detail; // the missing table or column, or the engine's own text
};

// Step 1: what the first bytes of the file say it is; nothing when they say SQLite (or
// nothing at all), so the engine's error decides.
std::optional<DatabaseFault> faultOfFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return DatabaseFault::Missing;
    if (!info.isFile())
        return DatabaseFault::Folder;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return DatabaseFault::Unreadable;
    const QByteArray head = file.read(32);
    if (head.isEmpty() || head.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return std::nullopt;
    const QByteArray engine = head.mid(4, 15);
    if (engine == "Standard Jet DB" || engine == "Standard ACE DB")
        return DatabaseFault::JetFile;
    return DatabaseFault::NotADatabase;
}

// Step 2: what the engine's error says.
Diagnosis faultOfError(const QSqlError& error) {
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    static const QRegularExpression missingTable(QStringLiteral("no such table: (\\S+)"));
    static const QRegularExpression missingColumn(
        QStringLiteral("(?:no such column: |has no column named )(\\S+)"));
    if (const auto match = missingTable.match(text); match.hasMatch())
        return {DatabaseFault::NoTable, match.captured(1)};
    if (const auto match = missingColumn.match(text); match.hasMatch())
        return {DatabaseFault::NoColumn, match.captured(1)};
    // Extended result codes carry the primary code in their low byte.
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return {DatabaseFault::Locked, text};
    case 8: // SQLITE_READONLY
        return {DatabaseFault::ReadOnly, text};
    case 13: // SQLITE_FULL
        return {DatabaseFault::DiskFull, text};
    // A write cut short (a full disk, a file-size limit) and a journal this user cannot roll
    // back both end as a plain I/O error.
    case 10: // SQLITE_IOERR
        return {DatabaseFault::IoError, text};
    case 14: // SQLITE_CANTOPEN
        return {DatabaseFault::CannotOpen, text};
    case 26: // SQLITE_NOTADB
        return {DatabaseFault::NotADatabase, text};
    default:
        return {DatabaseFault::Refused, text};
    }
}

// Step 3: the message that names the file and the way out.
QString faultMessage(const QString& path, const Diagnosis& diagnosis, const QString& sql) {
    const QString where = ShownPath(path);
    const QString& detail = diagnosis.detail;
    switch (diagnosis.fault) {
    case DatabaseFault::Missing:
        return QCoreApplication::translate("Database", "%1 not found; %2")
            .arg(where, setupHint(path));
    case DatabaseFault::Folder:
        return QCoreApplication::translate(
                   "Database", "%1 is a folder, not the jukebox database; move it aside and %2")
            .arg(where, setupHint(path));
    case DatabaseFault::Unreadable:
        return QCoreApplication::translate(
                   "Database", "Cannot read the jukebox database %1: allow this program to read "
                               "and write it")
            .arg(where);
    case DatabaseFault::JetFile:
        return QCoreApplication::translate(
                   "Database", "%1 is an Access (Jet) database; this program needs the SQLite "
                               "form of the jukebox database: move the file aside and %2")
            .arg(where, setupHint(path));
    case DatabaseFault::NotADatabase:
        return QCoreApplication::translate("Database", "%1 is not a database; move it aside and %2")
            .arg(where, setupHint(path));
    case DatabaseFault::NoTable:
        return QCoreApplication::translate("Database",
                                           "The jukebox database %1 has no table %2; add it with: "
                                           "velmora-dbsetup --schema | sqlite3 \"%1\"")
            .arg(where, detail);
    case DatabaseFault::NoColumn:
        return QCoreApplication::translate(
                   "Database", "The jukebox database %1 lacks the column %2 that \"%3\" needs; "
                               "the Lyrics table must have LineNumber, FileName, TimeMarker and "
                               "LyricLine")
            .arg(where, detail, briefly(sql));
    case DatabaseFault::Locked:
        return QCoreApplication::translate(
                   "Database", "The jukebox database %1 is locked by another program (the "
                               "jukebox?); try again in a moment")
            .arg(where);
    case DatabaseFault::ReadOnly:
        return QCoreApplication::translate(
                   "Database", "The jukebox database %1 is read-only; allow writing to it and to "
                               "its folder")
            .arg(where);
    case DatabaseFault::DiskFull:
        return QCoreApplication::translate(
                   "Database", "The jukebox database %1 could not be written: the disk is full")
            .arg(where);
    case DatabaseFault::IoError:
        return QCoreApplication::translate(
                   "Database", "Cannot use the jukebox database %1 (%2); the disk may be full, or "
                               "this program may not be allowed to read and write it and its "
                               "folder")
            .arg(where, detail);
    case DatabaseFault::CannotOpen:
        return QCoreApplication::translate(
                   "Database", "Cannot open the jukebox database %1 (%2); allow this program to "
                               "read and write it and its folder")
            .arg(where, detail);
    case DatabaseFault::Refused:
        break;
    }
    return QCoreApplication::translate("Database", "The jukebox database %1 refused \"%2\": %3")
        .arg(where, briefly(sql), detail);
}

// What went wrong, as a failure whose message names the file and the way out: the file
// itself first, since a file that is no SQLite database makes the engine's error misleading.
VersettaError diagnose(const QString& path, const QSqlError& error, const QString& sql) {
    Diagnosis diagnosis;
    if (const std::optional<DatabaseFault> fault = faultOfFile(path))
        diagnosis.fault = *fault;
    else
        diagnosis = faultOfError(error);
    return VersettaError(faultMessage(path, diagnosis, sql));
}

// A pipe or a device in the database's place would block the first read for ever.
void requireRegularFile(const QString& path) {
    const NonRegular kind = NonRegularOf(path);
    if (kind != NonRegular::None && kind != NonRegular::Folder && kind != NonRegular::LinkToNothing)
        throw VersettaError(QCoreApplication::translate(
                                "Database", "%1 is not a regular file (%2); move it aside and %3")
                                .arg(ShownPath(path), NonRegularText(kind), setupHint(path)));
}

void run(QSqlQuery& query, const QString& path, const QString& sql) {
    if (!query.exec(sql))
        throw diagnose(path, query.lastError(), sql);
}

// The database is shared and writable by every local user: nothing stored in it may run
// inside this program. Functions the schema names stay off (see openConnection), and a Lyrics
// that is a view, a virtual table or carries triggers is refused rather than written through.
void requireTrustedSchema(QSqlDatabase& db, const QString& path) {
    QSqlQuery query(db);
    run(query, path,
        QStringLiteral("SELECT type, name, sql LIKE 'CREATE VIRTUAL%' FROM sqlite_master WHERE "
                       "(type = 'trigger' AND tbl_name = 'Lyrics' COLLATE NOCASE) OR (name = "
                       "'Lyrics' COLLATE NOCASE AND (type <> 'table' OR sql LIKE 'CREATE "
                       "VIRTUAL%'))"));
    if (!query.next())
        return;
    const QString type = query.value(0).toString();
    const QString name = query.value(1).toString();
    const QString where = ShownPath(path);
    if (type == QLatin1String("trigger"))
        throw VersettaError(QCoreApplication::translate(
                                "Database",
                                "The jukebox database %1 has a trigger \"%2\" on its Lyrics table, "
                                "which this program will not run; remove it with: sqlite3 \"%1\" "
                                "'DROP TRIGGER \"%2\"'")
                                .arg(where, name));
    const bool virtualTable = query.value(2).toBool();
    throw VersettaError(
        QCoreApplication::translate(
            "Database", "The jukebox database %1 holds Lyrics as a %2, not a plain table; "
                        "replace it with: sqlite3 \"%1\" 'DROP %3 Lyrics' and then: "
                        "velmora-dbsetup --schema | sqlite3 \"%1\"")
            .arg(where,
                 virtualTable ? QCoreApplication::translate("Database", "virtual table") : type,
                 virtualTable || type == QLatin1String("table") ? QStringLiteral("TABLE")
                                                                : type.toUpper()));
}

QString uniqueConnectionName() {
    static quint64 counter = 0;
    return QStringLiteral("velmora-db-%1").arg(++counter);
}

// Opens the connection named name on the database at path, a regular file that exists, with
// the functions its schema names kept off and no waiting for the disk. Its schema is checked
// by the caller.
QSqlDatabase openConnection(const QString& path, const QString& name, int busyTimeoutMs) {
    if (path.isEmpty())
        throw VersettaError(QCoreApplication::translate(
            "Database",
            "No jukebox database is set yet; Save or Play sets it to the program's folder"));
    requireRegularFile(path);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    if (!db.isValid())
        throw VersettaError(QCoreApplication::translate(
            "Database", "Qt's SQLite driver is missing; install the package "
                        "libqt6sql6-sqlite"));
    // mode=rw opens an existing file only: the database is the jukebox's, never ours to make.
    QString uri =
        QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded);
    db.setDatabaseName(uri + QStringLiteral("?mode=rw"));
    db.setConnectOptions(
        QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (!db.open())
        throw diagnose(path, db.lastError(), QString());
    QSqlQuery pragma(db);
    run(pragma, path, QStringLiteral("PRAGMA trusted_schema=OFF"));
    // The table is a scratch copy refilled at every Play: waiting for the disk on every row
    // would make a refill take a noticeable fraction of a second.
    run(pragma, path, QStringLiteral("PRAGMA synchronous=OFF"));
    return db;
}

// The fill's work inside its transaction, begun with the write lock so the schema cannot
// change between its check and the rows.
void fill(QSqlDatabase& db, const QString& path, const QString& songFile,
          const std::function<std::vector<PreviewRow>()>& rowsToInsert) {
    QSqlQuery query(db);
    run(query, path, QStringLiteral("BEGIN IMMEDIATE"));
    requireTrustedSchema(db, path);
    run(query, path, QStringLiteral("DELETE FROM Lyrics"));
    const std::vector<PreviewRow> rows = rowsToInsert();
    const QString sql =
        QStringLiteral("INSERT INTO Lyrics(LineNumber, FileName, TimeMarker, LyricLine) "
                       "VALUES (?, ?, ?, ?)");
    if (!rows.empty() && !query.prepare(sql))
        throw diagnose(path, query.lastError(), sql);
    for (const PreviewRow& row : rows) {
        query.bindValue(0, row.lineNumber);
        query.bindValue(1, songFile);
        query.bindValue(2, row.timeMarker);
        query.bindValue(3, row.lyric);
        if (!query.exec())
            throw diagnose(path, query.lastError(), sql);
    }
    query.finish();
    if (!query.exec(QStringLiteral("COMMIT"))) {
        const QSqlError error = query.lastError();
        query.exec(QStringLiteral("ROLLBACK"));
        throw diagnose(path, error, QStringLiteral("COMMIT"));
    }
}

} // namespace

QString DatabasePathIn(const QString& programFolder) {
    return programFolder + QLatin1Char('/') + QLatin1String(kDatabaseFileName);
}

struct PreviewTable::Open {
    QString path;
    QSqlDatabase db;
    int busyTimeoutMs = 0;
    bool schemaChecked = false;
    std::optional<QSqlQuery> lookup; // declared after db: gone before it
};

PreviewTable::PreviewTable() = default;

PreviewTable::~PreviewTable() {
    close();
}

void PreviewTable::close() {
    if (!m_open)
        return;
    const QString name = m_open->db.connectionName();
    m_open.reset();
    QSqlDatabase::removeDatabase(name);
}

PreviewTable::Open& PreviewTable::connectTo(const QString& databasePath, int busyTimeoutMs) {
    if (m_open && m_open->path != databasePath)
        close();
    if (!m_open) {
        auto open = std::make_unique<Open>();
        open->path = databasePath;
        open->busyTimeoutMs = busyTimeoutMs;
        const QString name = uniqueConnectionName();
        try {
            open->db = openConnection(databasePath, name, busyTimeoutMs);
        } catch (...) {
            open.reset();
            QSqlDatabase::removeDatabase(name);
            throw;
        }
        m_open = std::move(open);
    }
    if (m_open->busyTimeoutMs != busyTimeoutMs) {
        QSqlQuery pragma(m_open->db);
        run(pragma, databasePath, QStringLiteral("PRAGMA busy_timeout=%1").arg(busyTimeoutMs));
        m_open->busyTimeoutMs = busyTimeoutMs;
    }
    return *m_open;
}

std::optional<PreviewRow> PreviewTable::find(const QString& databasePath, const QString& songFile,
                                             std::int32_t second, int busyTimeoutMs) {
    const QString sql = QStringLiteral(
        "SELECT LineNumber, LyricLine FROM Lyrics WHERE FileName = ? AND TimeMarker = ? LIMIT 1");
    try {
        Open& open = connectTo(databasePath, busyTimeoutMs);
        if (!open.lookup) {
            // A connection the fill opened was checked under its write lock.
            if (!open.schemaChecked)
                requireTrustedSchema(open.db, databasePath);
            open.schemaChecked = true;
            QSqlQuery query(open.db);
            query.setForwardOnly(true);
            if (!query.prepare(sql))
                throw diagnose(databasePath, query.lastError(), sql);
            open.lookup = std::move(query);
        }
        QSqlQuery& query = *open.lookup;
        query.bindValue(0, songFile);
        query.bindValue(1, second);
        if (!query.exec())
            throw diagnose(databasePath, query.lastError(), sql);
        std::optional<PreviewRow> row;
        if (query.next())
            row = PreviewRow{static_cast<std::int16_t>(query.value(0).toInt()), second,
                             query.value(1).toString()};
        // Reset, so no read lock is held between ticks: the jukebox and the next fill may
        // write.
        query.finish();
        return row;
    } catch (...) {
        close(); // the next lookup opens and checks afresh
        throw;
    }
}

void PreviewTable::refill(const QString& databasePath, const QString& songFile,
                          const std::function<std::vector<PreviewRow>()>& rowsToInsert) {
    // The file now at the path, whatever the lookups read before.
    close();
    Open& open = connectTo(databasePath, kBusyTimeoutMs);
    try {
        fill(open.db, databasePath, songFile, rowsToInsert);
        open.schemaChecked = true;
    } catch (...) {
        // What was written stays if the engine still holds the transaction (a full disk ends
        // it): the first failure is the one worth reporting.
        QSqlQuery(open.db).exec(QStringLiteral("COMMIT"));
        close(); // the next call opens and checks afresh
        throw;
    }
}
