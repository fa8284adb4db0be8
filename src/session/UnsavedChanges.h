#pragma once

#include "sheet/SheetRow.h"

#include <QDateTime>
#include <QString>

#include <vector>

// Sheets left unsaved when their song was closed or another song opened: kept in a folder of
// the program's own, in the lyrics file's form with the precise times beside it, until the song
// is saved or its changes are kept again. Nothing beside the song is touched.
class UnsavedChanges {
public:
    explicit UnsavedChanges(QString folder) : m_folder(std::move(folder)) {}

    // Keeps rows as song's unsaved sheet, over any kept before. Throws VersettaError.
    void keep(const QString& song, const std::vector<SheetRow>& rows) const;
    // When song's sheet was kept; invalid when none is.
    QDateTime keptAt(const QString& song) const;
    // The kept sheet of song. Throws VersettaError when none can be read.
    std::vector<SheetRow> read(const QString& song) const;
    void forget(const QString& song) const;

private:
    QString fileOf(const QString& song, const char* suffix) const;
    QString m_folder;
};
