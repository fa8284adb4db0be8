#include "window/TextPanel.h"

#include "session/SongSession.h"
#include "sources/TextCleaning.h"
#include "sources/TextFile.h"
#include "window/Controls.h"
#include "window/StatusLine.h"
#include "window/TagSaveRun.h"
#include "window/WindowLook.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextCursor>
#include <QTextDocument>

TextPanel::TextPanel(SongSession& session, StatusLine& status,
                     std::function<QString()> clipboardText, OpenDialog openDialog, QWidget& window)
    : QObject(&window), m_session(session), m_status(status),
      m_clipboardText(std::move(clipboardText)), m_openDialog(std::move(openDialog)),
      m_window(window), m_panel(new QWidget), m_text(new QPlainTextEdit),
      m_paste(MakeButton("cmdPaste", tr("Paste From Clipboard"))),
      m_fromTextFile(MakeButton("cmdLyricsFromText", tr("Get Lyrics From Text File"))),
      m_clear(MakeButton("cmdClearUnsynch", tr("Clear"))),
      m_save(MakeButton("cmdSaveUnsynch", tr("Save"), false)) {
    m_panel->setObjectName(QStringLiteral("picUnsynch"));
    m_text->setObjectName(QStringLiteral("txtAddLyrics"));
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);

    status.onClick(m_paste, "Paste From Clipboard", [this] { cmdPaste_Click(); });
    status.onClick(m_fromTextFile, "Get Lyrics From Text File",
                   [this] { cmdLyricsFromText_Click(); });
    status.onClick(m_clear, "Clear", [this] { cmdClearUnsynch_Click(); });
    status.onClick(m_save, "Save lyrics to the tag", [this] { cmdSaveUnsynch_Click(); });
    connect(m_text, &QPlainTextEdit::textChanged, this,
            [this] { m_status.guard("Lyrics text", [this] { txtAddLyrics_Change(); }); });
    m_text->viewport()->installEventFilter(this);
    // Escape leaves the text panel as AddLyrics found it, the text kept for the next time.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), m_panel);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &TextPanel::leaveRequested);
    // A song whose tag cannot be written (read-only, on a disc, another user's) can still be
    // marked: its lines go to the sheet, and Save there writes the lyrics file beside it.
    auto* linesOnly = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return), m_panel);
    linesOnly->setContext(Qt::WidgetWithChildrenShortcut);
    connect(linesOnly, &QShortcut::activated, this, [this] {
        const QString lyrics = TrimBlanks(UnsynchText());
        if (lyrics.isEmpty()) {
            m_status.show(tr("Nothing to put on the sheet: the lyrics text is empty."));
            return;
        }
        m_textSong.clear(); // the sheet holds it now
        emit linesWithoutTag(lyrics);
    });
}

void TextPanel::place(WindowControls& ui) const {
    ui.picUnsynch = m_panel;
    ui.txtAddLyrics = m_text;
    ui.cmdPaste = m_paste;
    ui.cmdLyricsFromText = m_fromTextFile;
    ui.cmdClearUnsynch = m_clear;
    ui.cmdSaveUnsynch = m_save;
}

bool TextPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_text->viewport() && event->type() == QEvent::MouseButtonRelease)
        m_status.guard("Lyrics text", [this] { txtAddLyrics_Click(); });
    return QObject::eventFilter(watched, event);
}

void TextPanel::focusText() const {
    m_text->setFocus(Qt::OtherFocusReason);
}

void TextPanel::cmdPaste_Click() {
    replaceUnsynchText(m_clipboardText ? m_clipboardText() : QString());
}

void TextPanel::cmdLyricsFromText_Click() {
    const QString initialName = QStringLiteral("*.*");
    if (!m_openDialog)
        return;
    const QString chosen = m_openDialog(tr("All Files (*.*)"), m_session.songFolder(), initialName);
    if (chosen == initialName || chosen.isEmpty())
        return;
    // A file that cannot be read leaves the panel as it was; the guard reports why.
    replaceUnsynchText(ReadLyricsFile(chosen));
}

void TextPanel::cmdClearUnsynch_Click() {
    replaceUnsynchText(QString());
    // Saving an empty text is how lyrics are removed from a song's tag.
    m_save->setEnabled(true);
}

void TextPanel::setUnsynchText(const QString& text) {
    m_setting = true;
    m_original = text;
    m_text->setPlainText(text);
    m_setting = false;
}

// Paste, a text file and Clear replace the whole text as an edit the box can undo (Ctrl+Z):
// a click on the wrong button must not lose what was typed.
void TextPanel::replaceUnsynchText(const QString& text) {
    m_setting = true;
    m_original = text;
    QTextCursor all(m_text->document());
    all.select(QTextCursor::Document);
    all.insertText(text);
    m_setting = false;
}

QString TextPanel::UnsynchText() const {
    if (m_original)
        return *m_original;
    QString text = m_text->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n')); // Shift+Return
    return text;
}

QString TextPanel::unsavedText() const {
    return m_textSong == m_session.songPath() ? TrimBlanks(UnsynchText()) : QString();
}

void TextPanel::txtAddLyrics_Change() {
    m_textSong = m_session.songPath();
    if (!m_setting)
        m_original.reset(); // edited: the box's text is the text now
    txtAddLyrics_Click();
}

void TextPanel::txtAddLyrics_Click() {
    m_save->setEnabled(!TrimBlanks(UnsynchText()).isEmpty());
}

void TextPanel::cmdSaveUnsynch_Click() {
    const QString lyrics = TrimBlanks(UnsynchText());
    QString saved;
    try {
        saved = RunTagSave(m_window, m_status, m_session.songName(), tr("the lyrics"),
                           m_session.tagLyricsSave(lyrics));
    } catch (const VersettaError& error) {
        const QString file = m_session.besideSong(SongSession::Beside::LyricsFile);
        if (file.isEmpty())
            throw;
        throw VersettaError(error.message() + tr(" Ctrl+Return puts the lines on the sheet "
                                                 "without the tag; Save there writes %1.")
                                                  .arg(file));
    }
    m_textSong.clear(); // the tag and the sheet hold it now
    emit savedIntoTag(lyrics, saved);
}
