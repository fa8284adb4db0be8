#include "window/frmSychLyrics.h"

#include "controls/UpDown.h"
#include "session/SongSession.h"

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
    else
        showStatus(m_session->savedSummary());
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
