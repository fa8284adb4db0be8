#include "window/frmSychLyrics.h"

#include "storage/Database.h"
#include "storage/LyricsXml.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

void frmSychLyrics::WriteLyricsToTempDB() {
    databasePath = DatabasePathIn(m_platform.programFolder);
    if (songFile.isEmpty())
        songFile = Text1->text() + Text2->text();
    const QString name = Text2->text();
    if (name.size() < 4)
        throw VersettaError(
            QStringLiteral("Cannot preview: the song's name \"%1\" is too short to name its "
                           "lyrics file")
                .arg(name));
    synchLyricsPath =
        QualifyPath(Text1->text()) + name.left(name.size() - 4) + QStringLiteral(".xml");

    ExecuteSQLCommand(QStringLiteral("DELETE * FROM Lyrics"), {});

    // No file, or one that does not load, leaves the table empty: the song plays unpreviewed.
    QFile file(synchLyricsPath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const LyricsContent content = ReadLyricsDocument(file);
    if (content.stoppedEarly)
        return;

    const PreviewRows preview = PreviewRowsFromLyrics(content.lines);
    for (const PreviewRow& row : preview.rows)
        ExecuteSQLCommand(
            LyricsInsertStatement(row.lineNumber, songFile, row.timeMarker, row.lyric), {});
    if (preview.badLineNumber)
        throw VersettaError(QStringLiteral("%1, line element %2: the LineNumber \"%3\" is not a "
                                           "whole number from -32768 to 32767; the preview holds "
                                           "the lines before it")
                                .arg(QFileInfo(synchLyricsPath).fileName())
                                .arg(preview.badLine)
                                .arg(*preview.badLineNumber));
}
