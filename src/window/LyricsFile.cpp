#include "window/frmSychLyrics.h"

#include "session/SongSession.h"
#include "window/UpDown.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void frmSychLyrics::cmdSave_Click() {
    const QString note = m_session->saveLyricsFile();
    for (QWidget* control :
         std::initializer_list<QWidget*>{ui.cmdAdjustSingle, ui.cmdAdjustAll, ui.txtAdjustSingle,
                                         ui.txtAdjustAll, ui.spnAdjustSingle, ui.spnAdjustAll})
        control->setEnabled(true);
    ui.cmdSave->setEnabled(false);
    if (!note.isEmpty())
        reportFailure(note);
}

void frmSychLyrics::ShowSynchLyrics(const QString& fileName) {
    const QString note = m_session->loadLyricsFile(fileName);
    showLoadedSheet();
    showStatus(QString());
    // What was readable is shown; the status line says what was not. A note, not a failure:
    // thrown, it would end start-up before the player is set up.
    if (!note.isEmpty())
        reportFailure(note);
}

void frmSychLyrics::WriteLyricsToTempDB() {
    m_session->fillPreview();
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
