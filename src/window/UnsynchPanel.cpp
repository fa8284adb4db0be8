#include "window/frmSychLyrics.h"

#include "controls/LyricList.h"
#include "controls/UpDown.h"
#include "session/SongSession.h"
#include "sources/TextCleaning.h"
#include "sources/TextFile.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextDocument>

void frmSychLyrics::ShowUnsynchLyrics(const QString& lyrics, const QString& step) {
    showUnsynchSheet(m_session->loadText(lyrics, step));
}

void frmSychLyrics::showUnsynchSheet(const QString& note) {
    setSortByHeader(false);
    ui.cmdAddLyrics->setVisible(false);
    ui.picSynch->setVisible(true);
    ui.picUnsynch->setVisible(false);
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui.cmdAdjustSingle, ui.cmdAdjustAll, ui.txtAdjustSingle, ui.txtAdjustAll,
             ui.spnAdjustSingle, ui.spnAdjustAll, ui.cmdSave})
        control->setEnabled(false);
    showStatus(note);
}

void frmSychLyrics::cmdAddLyrics_Click() {
    if (ui.picUnsynch->isHidden())
        m_sheetShownBeforeText = ui.picSynch->isVisibleTo(this);
    ui.picUnsynch->setVisible(true);
    ui.picSynch->setVisible(false);
}

void frmSychLyrics::installTextPanelKeys() {
    // Escape leaves the text panel as AddLyrics found it, the text kept for the next time.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), ui.picUnsynch);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this,
            [this] { guarded("Escape", [this] { LeaveTextPanel(); }); });
}

void frmSychLyrics::LeaveTextPanel() {
    if (ui.picUnsynch->isHidden())
        return;
    ui.picUnsynch->setVisible(false);
    ui.picSynch->setVisible(m_sheetShownBeforeText);
    if (m_sheetShownBeforeText)
        ui.lvLyrics->setFocus();
    else
        ui.cmdAddLyrics->setFocus();
}

void frmSychLyrics::cmdPaste_Click() {
    setUnsynchText(m_platform.clipboardText ? m_platform.clipboardText() : QString());
}

void frmSychLyrics::cmdLyricsFromText_Click() {
    const QString initialName = QStringLiteral("*.*");
    if (!m_platform.openDialog)
        return;
    const QString chosen = m_platform.openDialog(QStringLiteral("All Files (*.*)"),
                                                 m_session->songFolder(), initialName);
    if (chosen == initialName || chosen.isEmpty())
        return;
    // A file that cannot be read leaves the panel as it was; the guard reports why.
    setUnsynchText(ReadLyricsFile(chosen));
}

void frmSychLyrics::cmdClearUnsynch_Click() {
    setUnsynchText(QString());
    // Saving an empty text is how lyrics are removed from a song's tag.
    ui.cmdSaveUnsynch->setEnabled(true);
}

void frmSychLyrics::setUnsynchText(const QString& text) {
    m_settingUnsynch = true;
    m_unsynchOriginal = text;
    ui.txtAddLyrics->setPlainText(text);
    m_settingUnsynch = false;
}

QString frmSychLyrics::UnsynchText() const {
    if (m_unsynchOriginal)
        return *m_unsynchOriginal;
    QString text = ui.txtAddLyrics->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n')); // Shift+Return
    return text;
}

void frmSychLyrics::txtAddLyrics_Change() {
    if (!m_settingUnsynch)
        m_unsynchOriginal.reset(); // edited: the box's text is the text now
    txtAddLyrics_Click();
}

void frmSychLyrics::txtAddLyrics_Click() {
    ui.cmdSaveUnsynch->setEnabled(!TrimBlanks(UnsynchText()).isEmpty());
}
