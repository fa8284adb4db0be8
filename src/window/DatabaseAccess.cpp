#include "window/frmSychLyrics.h"

#include "storage/Database.h"

// The window's entry points to the jukebox database; the work is in Database.cpp.

Recordset frmSychLyrics::GetRecordset(const QString& sSQL) const {
    return QueryDatabase(databasePath, sSQL);
}

bool frmSychLyrics::ExecuteSQLCommand(const QString& sPrepared, const QVariantList& args) const {
    return ExecuteOnDatabase(databasePath, sPrepared, args);
}

QString frmSychLyrics::SQLClean(const QString& sString) {
    return ::SQLClean(sString);
}
