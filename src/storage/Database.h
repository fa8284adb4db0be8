#pragma once

#include "storage/LyricsXml.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The jukebox database: an SQLite file reached through Qt SQL. This program uses only its
// preview table, through one connection kept between Play's fill and the display tick's
// lookups. Failures are thrown as VersettaError with a message that says what to do about them.

inline constexpr const char* kDatabaseFileName = "Velmora81.mdb";

// programFolder + "/Velmora81.mdb".
QString DatabasePathIn(const QString& programFolder);

// The jukebox may be reading the table; give it this long before calling the file locked.
inline constexpr int kBusyTimeoutMs = 2000;

// The Lyrics table of one database file. Every fill opens the file now at the path afresh and
// checks its schema under the write lock; the lookups then read through that connection with
// one prepared query. After a failure the connection is closed: the next call opens and checks
// again. No lock is held between calls.
class PreviewTable {
public:
    PreviewTable();
    ~PreviewTable();
    PreviewTable(const PreviewTable&) = delete;
    PreviewTable& operator=(const PreviewTable&) = delete;

    // The first row of songFile at that second, if any, waiting at most busyTimeoutMs for
    // another program's lock.
    std::optional<PreviewRow> find(const QString& databasePath, const QString& songFile,
                                   std::int32_t second, int busyTimeoutMs);
    // Empties the table and fills it with the rows of songFile that rowsToInsert gives, in one
    // transaction through one prepared statement. When rowsToInsert throws, or a row is
    // refused, the emptying and the rows before it are committed and the failure is thrown.
    void refill(const QString& databasePath, const QString& songFile,
                const std::function<std::vector<PreviewRow>()>& rowsToInsert);
    void close();

private:
    struct Open;
    Open& connectTo(const QString& databasePath, int busyTimeoutMs);
    std::unique_ptr<Open> m_open;
};
