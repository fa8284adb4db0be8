#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The work of velmora-lyrics on one song, on the program's own rules library: the same
// lyrics file reader and writer, LRC rules and tag save as the window.

enum class Command {
    ExportLrc,
    ExportSrt,
    ExportVtt,
    ExportAss,
    EmbedSylt,
    ImportLrc,
    Check,
    Suggest
};

struct JobOptions {
    bool force = false; // import-lrc replaces lyrics files
    bool write = false; // suggest writes its times into the lyrics file
    bool timing = true; // check judges the marks against the voice
};

struct JobResult {
    enum Outcome { Done, Skipped, Failed } outcome = Done;
    QString message;      // "wrote Song.lrc (12 timed lines)", "no lyrics file", the fault
    QStringList checkRow; // check: lyrics file, USLT, SYLT, LRC ("yes", "-", "damaged")
    QStringList faults;   // check: "Song.xml: damaged at line 3, column 5 (...)" per fault
    QStringList rows;     // suggest: one tab-separated row a line; check: flagged marks
};

// Runs command on the song at path; never throws.
JobResult RunJob(Command command, const QString& song, const JobOptions& options);

// The songs named by paths, as the bytes they were given in: a file as it is, a folder's song
// files (core/AudioFormats.h) at any depth, sorted. Whatever keeps a song from being reached adds
// one line to problems: a path that names nothing, a folder that cannot be read, a name that is not
// UTF-8 (which no path of the program's can carry), a folder without songs.
QStringList CollectSongs(const QList<QByteArray>& paths, QStringList& problems);

// A name given as bytes, readable whatever it holds: bytes outside UTF-8 are shown as \xNN.
QString ShownName(QByteArrayView name);
