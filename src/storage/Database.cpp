#include "storage/Database.h"

#include "core/Failure.h"
#include "core/LateLibrary.h"
#include "storage/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

#include <sqlite3.h>
#include <sys/stat.h>

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString setupHint(const QString& databasePath) {
    return QStringLiteral("create it with: velmora-dbsetup \"%1\"")
        .arg(shown(QFileInfo(databasePath).absolutePath()));
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
    const QString where = shown(path);
    const QString& detail = diagnosis.detail;
    switch (diagnosis.fault) {
    case DatabaseFault::Missing:
        return QStringLiteral("%1 not found; %2").arg(where, setupHint(path));
    case DatabaseFault::Folder:
        return QStringLiteral("%1 is a folder, not the jukebox database; move it aside and %2")
            .arg(where, setupHint(path));
    case DatabaseFault::Unreadable:
        return QStringLiteral("Cannot read the jukebox database %1: allow this program to read "
                              "and write it")
            .arg(where);
    case DatabaseFault::JetFile:
        return QStringLiteral("%1 is an Access (Jet) database; this program needs the SQLite "
                              "form of the jukebox database: move the file aside and %2")
            .arg(where, setupHint(path));
    case DatabaseFault::NotADatabase:
        return QStringLiteral("%1 is not a database; move it aside and %2")
            .arg(where, setupHint(path));
    case DatabaseFault::NoTable:
        return QStringLiteral("The jukebox database %1 has no table %2; add it with: "
                              "velmora-dbsetup --schema | sqlite3 \"%1\"")
            .arg(where, detail);
    case DatabaseFault::NoColumn:
        return QStringLiteral("The jukebox database %1 lacks the column %2 that \"%3\" needs; "
                              "the Lyrics table must have LineNumber, FileName, TimeMarker and "
                              "LyricLine")
            .arg(where, detail, briefly(sql));
    case DatabaseFault::Locked:
        return QStringLiteral("The jukebox database %1 is locked by another program (the "
                              "jukebox?); try again in a moment")
            .arg(where);
    case DatabaseFault::ReadOnly:
        return QStringLiteral("The jukebox database %1 is read-only; allow writing to it and to "
                              "its folder")
            .arg(where);
    case DatabaseFault::DiskFull:
        return QStringLiteral("The jukebox database %1 could not be written: the disk is full")
            .arg(where);
    case DatabaseFault::IoError:
        return QStringLiteral("Cannot use the jukebox database %1 (%2); the disk may be full, or "
                              "this program may not be allowed to read and write it and its "
                              "folder")
            .arg(where, detail);
    case DatabaseFault::CannotOpen:
        return QStringLiteral("Cannot open the jukebox database %1 (%2); allow this program to "
                              "read and write it and its folder")
            .arg(where, detail);
    case DatabaseFault::Refused:
        break;
    }
    return QStringLiteral("The jukebox database %1 refused \"%2\": %3")
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
    const QString kind = NonRegularKind(path);
    if (!kind.isEmpty() && kind != QLatin1String("a folder") &&
        kind != QLatin1String("a link to nothing"))
        throw VersettaError(QStringLiteral("%1 is not a regular file (%2); move it aside and %3")
                                .arg(shown(path), kind, setupHint(path)));
}

// The database is shared and writable by every local user: nothing stored in it may run
// inside this program. Functions the schema names stay off, and a Lyrics that is a view,
// a virtual table or carries triggers is refused rather than written through.
void requireTrustedSchema(QSqlDatabase& db, const QString& path) {
    QSqlQuery query(db);
    const QString pragma = QStringLiteral("PRAGMA trusted_schema=OFF");
    if (!query.exec(pragma))
        throw diagnose(path, query.lastError(), pragma);
    const QString sql = QStringLiteral(
        "SELECT type, name, sql LIKE 'CREATE VIRTUAL%' FROM sqlite_master WHERE "
        "(type = 'trigger' AND tbl_name = 'Lyrics' COLLATE NOCASE) OR (name = 'Lyrics' "
        "COLLATE NOCASE AND (type <> 'table' OR sql LIKE 'CREATE VIRTUAL%'))");
    if (!query.exec(sql))
        throw diagnose(path, query.lastError(), sql);
    if (!query.next())
        return;
    const QString type = query.value(0).toString();
    const QString name = query.value(1).toString();
    const QString where = shown(path);
    if (type == QLatin1String("trigger"))
        throw VersettaError(
            QStringLiteral("The jukebox database %1 has a trigger \"%2\" on its Lyrics table, "
                           "which this program will not run; remove it with: sqlite3 \"%1\" "
                           "'DROP TRIGGER \"%2\"'")
                .arg(where, name));
    const bool virtualTable = query.value(2).toBool();
    throw VersettaError(
        QStringLiteral("The jukebox database %1 holds Lyrics as a %2, not a plain table; "
                       "replace it with: sqlite3 \"%1\" 'DROP %3 Lyrics' and then: "
                       "velmora-dbsetup --schema | sqlite3 \"%1\"")
            .arg(where, virtualTable ? QStringLiteral("virtual table") : type,
                 virtualTable || type == QLatin1String("table") ? QStringLiteral("TABLE")
                                                                : type.toUpper()));
}

QString uniqueConnectionName() {
    static quint64 counter = 0;
    return QStringLiteral("velmora-db-%1").arg(++counter);
}

// Opens the connection named name on the database at path, checked as every connection is:
// a regular file that exists, a schema that runs no code, and no waiting for the disk when
// writing.
QSqlDatabase openConnection(const QString& path, const QString& name, bool writing,
                            int busyTimeoutMs) {
    if (path.isEmpty())
        throw VersettaError(QStringLiteral(
            "No jukebox database is set yet; Save or Play sets it to the program's folder"));
    requireRegularFile(path);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    if (!db.isValid())
        throw VersettaError(QStringLiteral("Qt's SQLite driver is missing; install the package "
                                           "libqt6sql6-sqlite"));
    // mode=rw opens an existing file only: the database is the jukebox's, never ours to make.
    QString uri =
        QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded);
    db.setDatabaseName(uri + QStringLiteral("?mode=rw"));
    db.setConnectOptions(
        QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (!db.open())
        throw diagnose(path, db.lastError(), QString());
    requireTrustedSchema(db, path);
    if (writing) {
        // The table is a scratch copy refilled at every Play: waiting for the disk on every
        // row would make a refill take a noticeable fraction of a second.
        const QString sql = QStringLiteral("PRAGMA synchronous=OFF");
        QSqlQuery pragma(db);
        if (!pragma.exec(sql))
            throw diagnose(path, pragma.lastError(), sql);
    }
    return db;
}

// One connection for one call; the driver forgets it when the call ends.
template <class Work>
auto withConnection(const QString& path, bool writing, int busyTimeoutMs, Work&& work) {
    const QString name = uniqueConnectionName();
    struct Release {
        QString name;
        ~Release() { QSqlDatabase::removeDatabase(name); }
    } release{name};
    QSqlDatabase db = openConnection(path, name, writing, busyTimeoutMs);
    auto result = work(db);
    db.close();
    return result;
}

template <class Work> auto withConnection(const QString& path, bool writing, Work&& work) {
    return withConnection(path, writing, kBusyTimeoutMs, std::forward<Work>(work));
}

} // namespace

QVariant Recordset::field(const QString& name) const {
    if (eof())
        return {};
    return m_rows[m_position].value(name);
}

QString SQLClean(const QString& text) {
    QString cleaned = text;
    cleaned.replace(QLatin1Char('\''), QStringLiteral("''"));
    return cleaned;
}

QString TranslateJetStatement(const QString& statement) {
    // Anchored at the start, so a quoted text that reads like this is never touched.
    static const QRegularExpression deleteStar(
        QStringLiteral("^(\\s*DELETE)\\s+(?:[A-Za-z_][A-Za-z0-9_]*\\.)?\\*\\s*(FROM\\b)"),
        QRegularExpression::CaseInsensitiveOption);
    QString translated = statement;
    translated.replace(deleteStar, QStringLiteral("\\1 \\2"));
    return translated;
}

QString DatabasePathIn(const QString& programFolder) {
    return programFolder + QLatin1Char('/') + QLatin1String(kDatabaseFileName);
}

Recordset QueryDatabase(const QString& databasePath, const QString& sql, int busyTimeoutMs) {
    return withConnection(databasePath, false, busyTimeoutMs, [&](QSqlDatabase& db) {
        std::vector<QSqlRecord> rows;
        {
            QSqlQuery query(db);
            query.setForwardOnly(true);
            if (!query.exec(TranslateJetStatement(sql)))
                throw diagnose(databasePath, query.lastError(), sql);
            while (query.next())
                rows.push_back(query.record());
        }
        return Recordset(std::move(rows));
    });
}

bool ExecuteOnDatabase(const QString& databasePath, const QString& sql, const QVariantList& args) {
    return withConnection(databasePath, true, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        bool ran = false;
        if (args.isEmpty()) {
            ran = query.exec(TranslateJetStatement(sql));
        } else {
            ran = query.prepare(TranslateJetStatement(sql));
            for (qsizetype i = 0; ran && i < args.size(); ++i)
                query.bindValue(static_cast<int>(i), args[i]);
            ran = ran && query.exec();
        }
        if (!ran)
            throw diagnose(databasePath, query.lastError(), sql);
        return query.numRowsAffected() >= 0;
    });
}

void ExecuteEachOnDatabase(const QString& databasePath, const QStringList& statements) {
    withConnection(databasePath, true, [&](QSqlDatabase& db) {
        // A transaction a statement would cost a journal write each: a 1 000-line preview
        // took 0.4 s that way.
        if (!db.transaction())
            throw diagnose(databasePath, db.lastError(), QStringLiteral("BEGIN"));
        QSqlQuery query(db);
        for (const QString& sql : statements) {
            if (query.exec(TranslateJetStatement(sql)))
                continue;
            const VersettaError failure = diagnose(databasePath, query.lastError(), sql);
            query.finish();
            db.commit();
            throw failure;
        }
        query.finish();
        if (!db.commit()) {
            const QSqlError error = db.lastError();
            db.rollback();
            throw diagnose(databasePath, error, QStringLiteral("COMMIT"));
        }
        return true;
    });
}

QString LyricsInsertStatement(std::int16_t lineNumber, const QString& songFile,
                              std::int32_t timeMarker, const QString& lyric) {
    return QStringLiteral("INSERT INTO Lyrics(LineNumber, FileName, TimeMarker, LyricLine) ") +
           QStringLiteral("VALUES (") + QString::number(lineNumber) + QStringLiteral(", '") +
           SQLClean(songFile) + QStringLiteral("', ") + QString::number(timeMarker) +
           QStringLiteral(", '") + SQLClean(lyric) + QStringLiteral("')");
}

namespace {

// SQLite's own interface, from the library Qt's driver loads with the first connection:
// linked in, it would be loaded by every start-up.
struct Sqlite {
    decltype(&::sqlite3_exec) exec = nullptr;
    decltype(&::sqlite3_errmsg) errmsg = nullptr;
    decltype(&::sqlite3_errcode) errcode = nullptr;
    decltype(&::sqlite3_extended_errcode) extendedErrcode = nullptr;
    decltype(&::sqlite3_busy_timeout) busyTimeout = nullptr;
    decltype(&::sqlite3_get_autocommit) getAutocommit = nullptr;
    decltype(&::sqlite3_prepare_v2) prepare = nullptr;
    decltype(&::sqlite3_prepare16_v2) prepare16 = nullptr;
    decltype(&::sqlite3_bind_int) bindInt = nullptr;
    decltype(&::sqlite3_bind_text16) bindText16 = nullptr;
    decltype(&::sqlite3_step) step = nullptr;
    decltype(&::sqlite3_column_int) columnInt = nullptr;
    decltype(&::sqlite3_reset) reset = nullptr;
    decltype(&::sqlite3_finalize) finalize = nullptr;
};

const Sqlite& sqlite() {
    static const Sqlite api = [] {
        static LateLibrary library(QStringLiteral("sqlite3"), 0);
        Sqlite loaded;
        const bool all = library.get(loaded.exec, "sqlite3_exec")
                             .get(loaded.errmsg, "sqlite3_errmsg")
                             .get(loaded.errcode, "sqlite3_errcode")
                             .get(loaded.extendedErrcode, "sqlite3_extended_errcode")
                             .get(loaded.busyTimeout, "sqlite3_busy_timeout")
                             .get(loaded.getAutocommit, "sqlite3_get_autocommit")
                             .get(loaded.prepare, "sqlite3_prepare_v2")
                             .get(loaded.prepare16, "sqlite3_prepare16_v2")
                             .get(loaded.bindInt, "sqlite3_bind_int")
                             .get(loaded.bindText16, "sqlite3_bind_text16")
                             .get(loaded.step, "sqlite3_step")
                             .get(loaded.columnInt, "sqlite3_column_int")
                             .get(loaded.reset, "sqlite3_reset")
                             .get(loaded.finalize, "sqlite3_finalize")
                             .complete();
        if (!all)
            loaded.exec = nullptr;
        return loaded;
    }();
    if (!api.exec)
        throw VersettaError(QStringLiteral("SQLite's library (libsqlite3.so.0) could not be "
                                           "loaded; install the package libsqlite3-0"));
    return api;
}

// Runs one statement of no rows on SQLite's own interface; the engine's code, 0 when done.
int runStatement(sqlite3* handle, const char* sql) {
    return sqlite().exec(handle, sql, nullptr, nullptr, nullptr);
}

QSqlError engineError(sqlite3* handle, int code) {
    return QSqlError(QString(), QString::fromUtf8(sqlite().errmsg(handle)),
                     QSqlError::StatementError, QString::number(code));
}

} // namespace

// The file at the path when last looked at. Another file there is opened afresh; the same
// file written since has its schema checked again if that changed.
struct PreviewTable::FileState {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    bool sameFile(const FileState& other) const {
        return device == other.device && inode == other.inode;
    }
    bool operator==(const FileState& other) const {
        return sameFile(other) && size == other.size && modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec;
    }
};

struct PreviewTable::Open {
    QString path;
    FileState file;
    QSqlDatabase db;
    sqlite3* handle = nullptr;
    // SQLite counts every change to a file's schema: a count that moved since the checks ran
    // means a table, view or trigger may have come or gone, and they run again.
    sqlite3_stmt* schemaVersionQuery = nullptr;
    int checkedSchemaVersion = -1;
    bool changedSinceSeen = true;
    std::optional<QSqlQuery> query;
};

PreviewTable::PreviewTable() = default;

PreviewTable::~PreviewTable() {
    close();
}

void PreviewTable::close() {
    if (!m_open)
        return;
    if (m_open->schemaVersionQuery)
        sqlite().finalize(m_open->schemaVersionQuery);
    const QString name = m_open->db.connectionName();
    m_open.reset();
    QSqlDatabase::removeDatabase(name);
}

std::optional<PreviewTable::FileState> PreviewTable::stateOf(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return FileState{status.st_dev, status.st_ino, status.st_size, status.st_mtim};
}

PreviewTable::Open& PreviewTable::connectTo(const QString& databasePath, int busyTimeoutMs) {
    const std::optional<FileState> file = stateOf(databasePath);
    if (!m_open || !file || m_open->path != databasePath || !m_open->file.sameFile(*file)) {
        close();
        auto open = std::make_unique<Open>();
        open->path = databasePath;
        const QString name = uniqueConnectionName();
        try {
            open->db = openConnection(databasePath, name, true, busyTimeoutMs);
        } catch (...) {
            open.reset();
            QSqlDatabase::removeDatabase(name);
            throw;
        }
        open->handle = *static_cast<sqlite3* const*>(open->db.driver()->handle().constData());
        m_open = std::move(open);
    }
    const Sqlite& lib = sqlite();
    m_open->changedSinceSeen = !(m_open->file == file.value_or(FileState{}));
    m_open->file = file.value_or(FileState{});
    lib.busyTimeout(m_open->handle, busyTimeoutMs);
    return *m_open;
}

void PreviewTable::recheckChangedSchema(const QString& databasePath) {
    Open& open = *m_open;
    const Sqlite& lib = sqlite();
    if (!open.schemaVersionQuery && lib.prepare(open.handle, "PRAGMA schema_version", -1,
                                                &open.schemaVersionQuery, nullptr) != SQLITE_OK)
        throw diagnose(databasePath, engineError(open.handle, lib.errcode(open.handle)),
                       QStringLiteral("PRAGMA schema_version"));
    int version = -1;
    if (lib.step(open.schemaVersionQuery) == SQLITE_ROW)
        version = lib.columnInt(open.schemaVersionQuery, 0);
    const int code = lib.reset(open.schemaVersionQuery);
    if (version < 0)
        throw diagnose(databasePath, engineError(open.handle, code),
                       QStringLiteral("PRAGMA schema_version"));
    // A new connection was checked as it opened, but the count is read after: once more.
    if (version != open.checkedSchemaVersion) {
        requireTrustedSchema(open.db, databasePath);
        open.checkedSchemaVersion = version;
    }
}

Recordset PreviewTable::find(const QString& databasePath, const QString& songFile,
                             std::int32_t second, int busyTimeoutMs) {
    Open& open = connectTo(databasePath, busyTimeoutMs);
    const QString sql =
        QStringLiteral("SELECT * FROM Lyrics WHERE FileName = ? AND TimeMarker = ?");
    try {
        // A file no one has written since the last look needs no new look at its schema.
        if (open.changedSinceSeen)
            recheckChangedSchema(databasePath);
        if (!open.query) {
            QSqlQuery query(open.db);
            query.setForwardOnly(true);
            if (!query.prepare(sql))
                throw diagnose(databasePath, query.lastError(), sql);
            open.query = std::move(query);
        }
        QSqlQuery& query = *open.query;
        query.bindValue(0, songFile);
        query.bindValue(1, second);
        if (!query.exec())
            throw diagnose(databasePath, query.lastError(), sql);
        std::vector<QSqlRecord> rows;
        while (query.next())
            rows.push_back(query.record());
        // Reset, so no read lock is held between ticks: the jukebox and the next fill may
        // write.
        query.finish();
        return Recordset(std::move(rows));
    } catch (...) {
        close(); // the next tick opens and checks afresh
        throw;
    }
}

void PreviewTable::refill(const QString& databasePath, const QString& songFile,
                          const std::function<std::vector<PreviewRow>()>& rowsToInsert) {
    sqlite3* handle = connectTo(databasePath, kBusyTimeoutMs).handle;
    const Sqlite& lib = sqlite();
    // The write lock first: the schema cannot change between its check and the rows.
    if (const int code = runStatement(handle, "BEGIN IMMEDIATE"); code != SQLITE_OK) {
        const VersettaError failure =
            diagnose(databasePath, engineError(handle, code), QStringLiteral("BEGIN"));
        close();
        throw failure;
    }
    // After a failure, what was written stays if the engine still holds the transaction (a
    // full disk ends it): the first failure is the one worth reporting.
    const auto keepWhatWasWritten = [&] {
        if (lib.getAutocommit(handle) == 0)
            runStatement(handle, "COMMIT");
    };
    sqlite3_stmt* statement = nullptr;
    try {
        recheckChangedSchema(databasePath);
        if (const int code = runStatement(handle, "DELETE FROM Lyrics"); code != SQLITE_OK)
            throw diagnose(databasePath, engineError(handle, code),
                           QStringLiteral("DELETE * FROM Lyrics"));
        const std::vector<PreviewRow> rows = rowsToInsert();
        // Straight through SQLite's own interface: one row through QSqlQuery cost more than
        // twice what SQLite takes to store it.
        const QString sql =
            QStringLiteral("INSERT INTO Lyrics(LineNumber, FileName, TimeMarker, LyricLine) "
                           "VALUES (?, ?, ?, ?)");
        const auto bytes = [](const QString& text) {
            return static_cast<int>(text.size() * qsizetype{sizeof(char16_t)});
        };
        int result = rows.empty()
                         ? SQLITE_OK
                         : lib.prepare16(handle, sql.utf16(), bytes(sql), &statement, nullptr);
        for (auto row = rows.begin(); result == SQLITE_OK && row != rows.end(); ++row) {
            lib.bindInt(statement, 1, row->lineNumber);
            lib.bindText16(statement, 2, songFile.utf16(), bytes(songFile), SQLITE_STATIC);
            lib.bindInt(statement, 3, row->timeMarker);
            lib.bindText16(statement, 4, row->lyric.utf16(), bytes(row->lyric), SQLITE_STATIC);
            result = lib.step(statement) == SQLITE_DONE ? lib.reset(statement)
                                                        : lib.extendedErrcode(handle);
        }
        if (result != SQLITE_OK)
            throw diagnose(databasePath, engineError(handle, result), sql);
        lib.finalize(statement);
        statement = nullptr;
        if (const int code = runStatement(handle, "COMMIT"); code != SQLITE_OK) {
            const QSqlError error = engineError(handle, code);
            runStatement(handle, "ROLLBACK");
            throw diagnose(databasePath, error, QStringLiteral("COMMIT"));
        }
        // Our own write: the tick that follows need not look at the schema again.
        m_open->file = stateOf(databasePath).value_or(FileState{});
    } catch (...) {
        lib.finalize(statement);
        keepWhatWasWritten();
        close(); // the next fill opens and checks afresh
        throw;
    }
}
