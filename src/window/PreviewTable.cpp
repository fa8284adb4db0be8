#include "window/frmSychLyrics.h"

#include "storage/Database.h"
#include "storage/LyricsXml.h"
#include "storage/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

void frmSychLyrics::WriteLyricsToTempDB() {
    state.databasePath = DatabasePathIn(m_platform.programFolder);
    if (state.songFile.isEmpty())
        state.songFile = ui.songFolderBox->text() + ui.songFileBox->text();
    // A name too short to drop its extension names no lyrics file: the song plays without a
    // preview, as one never saved does.
    state.synchLyricsPath = LyricsFileOfFileBar();

    // The table is emptied and filled from the file in one transaction, on the connection the
    // tick reads through.
    PreviewRows preview;
    m_previewTable->refill(state.databasePath, state.songFile, [this, &preview] {
        if (state.synchLyricsPath.isEmpty())
            return std::vector<PreviewRow>();
        // No file, or one that does not load, leaves the table empty: the song plays
        // unpreviewed. Only a file that is there but is no regular file is worth a word: a
        // named pipe would otherwise have stopped the window here.
        QFile file;
        if (const QString why = OpenRegularFile(file, state.synchLyricsPath); !why.isEmpty()) {
            if (!NonRegularKind(state.synchLyricsPath).isEmpty())
                reportFailure(QStringLiteral("Cannot read %1: %2; the song plays without a preview")
                                  .arg(QDir::toNativeSeparators(state.synchLyricsPath), why));
            return std::vector<PreviewRow>();
        }
        PreviewRowsRead read = ReadPreviewRows(file);
        if (read.stoppedEarly)
            return std::vector<PreviewRow>();
        preview = std::move(read.preview);
        return std::move(preview.rows);
    });
    if (preview.badLineNumber)
        throw VersettaError(QStringLiteral("%1, line element %2: the LineNumber \"%3\" is not a "
                                           "whole number from -32768 to 32767; the preview holds "
                                           "the lines before it")
                                .arg(QFileInfo(state.synchLyricsPath).fileName())
                                .arg(preview.badLine)
                                .arg(*preview.badLineNumber));
}
