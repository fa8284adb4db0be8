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
// opens its own connection and closes it before it returns. Failures are thrown as
// VersettaError with a message that says what to do about them.

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

// The preview row of one second, looked up ten times a second by the display tick: the
// connection and the prepared query are kept between calls while the same unchanged file
// stands at the path, and opened and checked again otherwise, or after a failure. Failures
// are those of QueryDatabase. No lock is held between calls.
class PreviewLookup {
public:
    PreviewLookup();
    ~PreviewLookup();
    PreviewLookup(const PreviewLookup&) = delete;
    PreviewLookup& operator=(const PreviewLookup&) = delete;

    // The rows of songFile at that second.
    Recordset find(const QString& databasePath, const QString& songFile, std::int32_t second,
                   int busyTimeoutMs);
    void close();

private:
    struct FileState;
    struct Open;
    static std::optional<FileState> stateOf(const QString& path);
    std::unique_ptr<Open> m_open;
};

// Runs a statement that changes data, binding args to its placeholders in order. Answers
// true unless the engine reports a negative count of affected rows.
bool ExecuteOnDatabase(const QString& databasePath, const QString& sql, const QVariantList& args);

// Runs the statements in order on one connection and in one transaction, each sent as
// written. A statement the engine refuses ends the run: the ones before it are committed, so
// their rows stay, and its failure is thrown.
void ExecuteEachOnDatabase(const QString& databasePath, const QStringList& statements);

// Empties the preview table and fills it with the rows of songFile that rowsToInsert gives,
// on one connection: the emptying is done (and committed) before rowsToInsert runs, the rows
// go in one transaction through one prepared statement. A row the engine refuses ends the
// run as in ExecuteEachOnDatabase: the rows before it are committed and stay, and its failure
// is thrown.
void RefillLyricsTable(const QString& databasePath, const QString& songFile,
                       const std::function<std::vector<PreviewRow>()>& rowsToInsert);

// The INSERT of one preview row, built piece by piece as the preview table needs it.
QString LyricsInsertStatement(std::int16_t lineNumber, const QString& songFile,
                              std::int32_t timeMarker, const QString& lyric);
