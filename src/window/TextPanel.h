#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QPlainTextEdit;
class QPushButton;
class QWidget;
class SongSession;
class StatusLine;
struct WindowControls;

// The unsynchronized panel, picUnsynch: the lyrics text with Paste From Clipboard, Get Lyrics
// From Text File, Clear, and Save, which writes the text into the song's tag.
class TextPanel final : public QObject {
    Q_OBJECT
public:
    // The Open dialog: filter, folder and file name; answers the file name it closed with.
    using OpenDialog = std::function<QString(const QString&, const QString&, const QString&)>;
    TextPanel(SongSession& session, StatusLine& status, std::function<QString()> clipboardText,
              OpenDialog openDialog, QWidget& window);
    void place(WindowControls& ui) const;
    QWidget* widget() const { return m_panel; }

    // A song's own text: what was there before cannot be undone back into the box.
    void setUnsynchText(const QString& text);
    // A text the person chose to put in, replacing what the box held as one undoable edit.
    void replaceUnsynchText(const QString& text);
    // The text when it was typed, pasted or loaded for the open song and has reached neither
    // its tag nor the sheet; "" otherwise.
    QString unsavedText() const;
    // The keyboard to the text box, where a person shown the panel types.
    void focusText() const;

signals:
    // Save wrote lyrics into the tag, with what it says about that: the sheet shows them now.
    void savedIntoTag(const QString& lyrics, const QString& saved);
    // Ctrl+Return: the lyrics to the sheet, the song's tag left as it is.
    void linesWithoutTag(const QString& lyrics);
    // Escape: back to what AddLyrics left, the text kept.
    void leaveRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdSaveUnsynch_Click();
    void cmdPaste_Click();
    void cmdLyricsFromText_Click();
    void cmdClearUnsynch_Click();
    void txtAddLyrics_Change();
    void txtAddLyrics_Click();
    // The panel's text as it reaches the tag: exactly what the clipboard, the file or the tag
    // held until the user edits it (the box itself turns non-breaking spaces into spaces and
    // separators into line feeds); after an edit, the box's text with its non-breaking spaces.
    QString UnsynchText() const;

    SongSession& m_session;
    StatusLine& m_status;
    std::function<QString()> m_clipboardText;
    OpenDialog m_openDialog;
    QWidget& m_window;
    QWidget* m_panel;                  // picUnsynch
    QString m_textSong;                // the song the text was last changed for
    QPlainTextEdit* m_text;            // txtAddLyrics
    QPushButton* m_paste;              // cmdPaste
    QPushButton* m_fromTextFile;       // cmdLyricsFromText
    QPushButton* m_clear;              // cmdClearUnsynch
    QPushButton* m_save;               // cmdSaveUnsynch
    std::optional<QString> m_original; // the text set by the program, until an edit
    bool m_setting = false;
};
