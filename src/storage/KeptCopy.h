#pragma once

#include <QString>
#include <QtGlobal>

// A lyrics file beside the song as the sheet last saw it: when it was read into the sheet, found
// absent, or written by a save. A save that would replace a file the person has not seen on
// the sheet (changed by another program since, or read only in part) keeps a copy of it first.
struct FileSeen {
    bool exists = false;
    qint64 size = -1;
    qint64 modifiedMs = 0;
    bool whole = true; // all of it reached the sheet

    // path as it is now; whole says whether the sheet holds all of it.
    static FileSeen of(const QString& path, bool whole);
};

// Before a save replaces path: when the regular file there is not the one seen whole, copies it
// to a free name beside it ("Song.xml.bak", "Song.xml.2.bak", ...) and answers a note naming
// the copy for the status line; else "". Throws VersettaError when no copy can be made, so that
// nothing is saved over it.
QString KeepUnseenFile(const QString& path, const FileSeen& seen);
