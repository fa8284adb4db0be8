#pragma once

#include "storage/LyricsXml.h"

#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Access to the jukebox database: an SQLite file reached through Qt SQL. Statements arrive
// in the Jet dialect the system writes and are made acceptable to SQLite here. Every call
// opens its own connection and closes it before it returns, except the preview table's. Failures
// are thrown as VersettaError with a message that says what to do about them.

inline constexpr const char* kDatabaseFileName = "Velmora81.mdb";

// The fetched rows of one query, read like a forward-only recordset: bof() and eof() are
// both true when nothing matched.
class Recordset {
public:
    Recordset() = default;
    explicit Recordset(std::vector<QSqlRecord> rows) : m_rows(std::move(rows)) {}

    bool bof() const { return m_rows.empty(); }
    bool eof() const { return m_position >= m_rows.size(); }
    void moveNext() {
        if (!eof())
            ++m_position;
    }
    std::size_t recordCount() const { return m_rows.size(); }
    // The named column of the current row; invalid at eof() or for an unknown column.
    QVariant field(const QString& name) const;

private:
    std::vector<QSqlRecord> m_rows;
    std::size_t m_position = 0;
};

// The text with every single quote doubled, ready to stand between quotes in a statement.
QString SQLClean(const QString& text);

// The statement in SQLite's dialect: "DELETE * FROM t" loses the asterisk. Everything else,
// string literals included, is passed on unchanged.
QString TranslateJetStatement(const QString& statement);

// programFolder + "/Velmora81.mdb".
QString DatabasePathIn(const QString& programFolder);

// The jukebox may be reading the table; give it this long before calling the file locked.
inline constexpr int kBusyTimeoutMs = 2000;

// Runs a query and fetches every row, waiting at most busyTimeoutMs for another program's lock.
Recordset QueryDatabase(const QString& databasePath, const QString& sql,
                        int busyTimeoutMs = kBusyTimeoutMs);

// The preview table on one connection kept between calls: Play's refill and the display
// tick's lookup ten times a second. The connection is opened and checked again when another
// file stands at the path and after a failure; its schema is checked again whenever it has
// changed since.
// Failures are those of QueryDatabase. No lock is held between calls.
class PreviewTable {
public:
    PreviewTable();
    ~PreviewTable();
    PreviewTable(const PreviewTable&) = delete;
    PreviewTable& operator=(const PreviewTable&) = delete;

    // The rows of songFile at that second.
    Recordset find(const QString& databasePath, const QString& songFile, std::int32_t second,
                   int busyTimeoutMs);
    // Empties the table and fills it with the rows of songFile that rowsToInsert gives, in one
    // transaction through one prepared statement. When rowsToInsert throws, or a row is
    // refused, the emptying and the rows before it are committed and the failure is thrown.
    void refill(const QString& databasePath, const QString& songFile,
                const std::function<std::vector<PreviewRow>()>& rowsToInsert);
    void close();

private:
    struct FileState;
    struct Open;
    static std::optional<FileState> stateOf(const QString& path);
    Open& connectTo(const QString& databasePath, int busyTimeoutMs);
    void recheckChangedSchema(const QString& databasePath);
    std::unique_ptr<Open> m_open;
};

// Runs a statement that changes data, binding args to its placeholders in order. Answers
// true unless the engine reports a negative count of affected rows.
bool ExecuteOnDatabase(const QString& databasePath, const QString& sql, const QVariantList& args);

// Runs the statements in order on one connection and in one transaction, each sent as
// written. A statement the engine refuses ends the run: the ones before it are committed, so
// their rows stay, and its failure is thrown.
void ExecuteEachOnDatabase(const QString& databasePath, const QStringList& statements);

// The INSERT of one preview row, built piece by piece as the preview table needs it.
QString LyricsInsertStatement(std::int16_t lineNumber, const QString& songFile,
                              std::int32_t timeMarker, const QString& lyric);
