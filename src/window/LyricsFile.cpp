#include "window/frmSychLyrics.h"

#include "core/PathRules.h"
#include "storage/AtomicFile.h"
#include "storage/Database.h"
#include "storage/LyricsXml.h"
#include "storage/RegularFile.h"
#include "window/UpDown.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

void frmSychLyrics::cmdSave_Click() {
    state.databasePath = DatabasePathIn(m_platform.programFolder);
    state.songFile = ui.songFolderBox->text() + ui.songFileBox->text();
    const QString name = ui.songFileBox->text();
    if (name.size() < 4)
        throw VersettaError(
            name.isEmpty()
                ? QStringLiteral("Open a song before saving its lyrics")
                : QStringLiteral("Cannot save: the song's name \"%1\" is too short to name a "
                                 "lyrics file beside it")
                      .arg(name));
    state.synchLyricsPath = LyricsFileOfFileBar();

    // A refused character stops the save before any file is touched.
    LyricsDocumentWriter writer(state.songFile);
    for (const SheetRow& row : m_sheet.rows())
        writer.addLine(row.number, row.secs, row.lyric);
    const QString note = SaveLyricsFile(state.synchLyricsPath, writer.finish());

    for (QWidget* control :
         std::initializer_list<QWidget*>{ui.cmdAdjustSingle, ui.cmdAdjustAll, ui.txtAdjustSingle,
                                         ui.txtAdjustAll, ui.spnAdjustSingle, ui.spnAdjustAll})
        control->setEnabled(true);
    ui.cmdSave->setEnabled(false);
    if (!note.isEmpty())
        reportFailure(note);
}

void frmSychLyrics::ShowSynchLyrics(const QString& fileName) {
    const QString path = SynchLyricsFileName(fileName);
    const QString step = QStringLiteral("Load Lyrics File");

    QFile file;
    if (const QString why = OpenRegularFile(file, path); !why.isEmpty()) {
        m_sheet.load({}, step); // the old song's lines are not left to be saved as this one's
        throw VersettaError(
            QStringLiteral("Cannot read the lyrics file %1: %2").arg(shown(path), why));
    }
    SheetRowsRead content = ReadSheetRows(file);
    const std::size_t found = content.rows.size();
    m_sheet.load(std::move(content.rows), step); // keeps the first kMaxRows

    showLoadedSheet();
    showStatus(QString());

    // What was readable is shown; the status line says what was not. A note, not a failure:
    // thrown, it would end start-up before the player is set up.
    const QString name = QFileInfo(path).fileName();
    QString note;
    if (content.stoppedEarly)
        note = QStringLiteral("%1 is damaged at line %2, column %3 (%4); %5")
                   .arg(name)
                   .arg(content.problemLine)
                   .arg(content.problemColumn)
                   .arg(content.problem,
                        rowCount() == 0 ? QStringLiteral("no lines could be read from it")
                                        : QStringLiteral("the sheet shows the lines before that "
                                                         "point, and saving would drop the rest"));
    else if (!content.problem.isEmpty())
        note = QStringLiteral("%1, line %2, column %3: %4")
                   .arg(name)
                   .arg(content.problemLine)
                   .arg(content.problemColumn)
                   .arg(content.problem);
    else if (found > static_cast<std::size_t>(kMaxRows))
        note = QStringLiteral("%1 holds %2 lines; the sheet shows the first %3 and saving now "
                              "would drop the rest")
                   .arg(name)
                   .arg(found)
                   .arg(kMaxRows);
    if (!note.isEmpty())
        reportFailure(note);
}

void frmSychLyrics::showLoadedSheet() {
    setSortByHeader(false);
    ui.cmdAddLyrics->setVisible(false);
    for (QWidget* control :
         std::initializer_list<QWidget*>{ui.cmdAdjustSingle, ui.cmdAdjustAll, ui.txtAdjustSingle,
                                         ui.txtAdjustAll, ui.spnAdjustSingle, ui.spnAdjustAll})
        control->setEnabled(true);
    ui.picUnsynch->setVisible(false);
    ui.picSynch->setVisible(true);
}
