#include "window/frmSychLyrics.h"

#include "storage/Database.h"

// The window's entry points to the jukebox database; the work is in Database.cpp.

Recordset frmSychLyrics::GetRecordset(const QString& sql) const {
    return QueryDatabase(state.databasePath, sql);
}

bool frmSychLyrics::ExecuteSQLCommand(const QString& statement, const QVariantList& args) const {
    return ExecuteOnDatabase(state.databasePath, statement, args);
}

QString frmSychLyrics::SQLClean(const QString& text) {
    return ::SQLClean(text);
}
