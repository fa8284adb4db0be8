#pragma once

#include <QString>
#include <QStringList>

// The work of velmora-lyrics on one song, on the program's own rules library: the same
// lyrics file reader and writer, LRC rules and tag save as the window.

enum class Command { ExportLrc, EmbedSylt, ImportLrc, Check };

struct JobResult {
    enum Outcome { Done, Skipped, Failed } outcome = Done;
    QString message;      // "wrote Song.lrc (12 timed lines)", "no lyrics file", the fault
    QStringList checkRow; // check: lyrics file, USLT, SYLT, LRC ("yes", "-", "damaged")
    QStringList faults;   // check: "Song.xml: damaged at line 3, column 5 (...)" per fault
};

// Runs command on the song at path; never throws.
JobResult RunJob(Command command, const QString& song, bool force);

// The songs named by paths: a file as it is, a folder's *.mp3 files at any depth, sorted.
// Paths that name nothing are put in missing.
QStringList CollectSongs(const QStringList& paths, QStringList& missing);
