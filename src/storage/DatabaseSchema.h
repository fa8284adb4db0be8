#pragma once

#include <QString>

// The part of the jukebox database this program uses: the Lyrics table and the index the
// display tick's lookup runs on. The program itself never creates the file; the setup tool
// and the tests do, through CreateJukeboxDatabase.

// The SQL that makes the table and its index, statements ended by ";" and a line break.
QString LyricsSchemaSql();

// The database file named by target: target itself, or Velmora81.mdb inside it when target
// is a folder.
QString JukeboxDatabaseFileFor(const QString& target);

// Creates a new database file at path holding the schema. Never touches an existing file:
// it is built under a temporary name and moved into place only if path is still free.
// Throws VersettaError when path exists or cannot be written.
void CreateJukeboxDatabase(const QString& path);
