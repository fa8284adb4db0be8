#include "window/frmSychLyrics.h"

#include "session/SongSession.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QPushButton>

bool frmSychLyrics::exportKeyPressed(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool shift = modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
    if (modifiers != Qt::ControlModifier && !shift)
        return false;
    if (event->key() == Qt::Key_E && !shift)
        guarded("Writing the LRC file", [this] { showStatus(m_session->writeLrc()); });
    else if (event->key() == Qt::Key_E)
        guarded("Writing the timed lyrics into the tag", [this] {
            showStatus(
                saveIntoTag(QStringLiteral("the timed lyrics"), m_session->syncedLyricsSave()));
        });
    else if (event->key() == Qt::Key_T && shift)
        guarded("Writing the subtitles", [this] { showStatus(m_session->writeSubtitles()); });
    else if (event->key() == Qt::Key_I && !shift)
        guarded("Reading the LRC file", [this] { readLrcIntoSheet(m_session->lrcToRead()); });
    else
        return false;
    return true;
}

void frmSychLyrics::readLrcIntoSheet(const QString& path) {
    if (ui.cmdMark->isEnabled())
        throw VersettaError(QStringLiteral("Pause or stop the song before reading %1 into the "
                                           "sheet.")
                                .arg(QFileInfo(path).fileName()));
    const QString read = m_session->readLrc(path);
    showLoadedSheet();
    showSheetSelection(false);
    ShowSaveButton();
    showStatus(read);
}
