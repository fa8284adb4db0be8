#include "window/FileBar.h"

#include "window/Controls.h"
#include "window/WindowLook.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FileBar::FileBar(QObject* parent)
    : QObject(parent), m_close(MakeButton("cmdClose", tr("Close"))), m_frame(new QFrame),
      m_fileNameLabel(MakeLabel("Label5", tr("File Name:"))),
      m_fileName(MakeTextBox("txtFileName", QString())),
      m_open(MakeButton("cmdOpen", QStringLiteral("..."))),
      m_addLyrics(MakeButton("cmdAddLyrics", tr("AddLyrics"))),
      m_songFolder(MakeTextBox("Text1", QString())), m_songFile(MakeTextBox("Text2", QString())) {
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_frame->setFrameShape(QFrame::StyledPanel);
}

void FileBar::place(WindowControls& ui) const {
    ui.cmdClose = m_close;
    ui.fileBar = m_frame;
    ui.fileNameLabel = m_fileNameLabel;
    ui.txtFileName = m_fileName;
    ui.cmdOpen = m_open;
    ui.cmdAddLyrics = m_addLyrics;
    ui.songFolderBox = m_songFolder;
    ui.songFileBox = m_songFile;
}

void FileBar::showSong(const QString& folder, const QString& name, const QString& path) {
    m_songFolder->setText(folder);
    m_songFile->setText(name);
    m_fileName->setText(path);
}

QString FileBar::fileName() const {
    return m_fileName->text();
}

void FileBar::offerTagLyrics() {
    // The tooltip names the caption before its keys: it follows the caption.
    const QString caption = tr("Show Unsynched Lyrics");
    const QString tip = m_addLyrics->toolTip();
    const qsizetype keys = tip.indexOf(QStringLiteral(" \u2014 "));
    m_addLyrics->setToolTip(keys < 0 ? caption : caption + tip.mid(keys));
    m_addLyrics->setText(caption);
    m_addLyrics->setVisible(true);
}

void FileBar::showAddLyrics(bool shown) {
    m_addLyrics->setVisible(shown);
}
