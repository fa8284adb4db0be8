#pragma once

#include "window/Platform.h"

#include <QString>
#include <QWidget>

class FileBar;
class FileDrops;
class SheetPanel;
class SongSession;
class StatusLine;
class TextPanel;
class Transport;

// The one window. It lays out its parts (the file bar, the sheet panel with the transport and
// the word strip, the text panel, the status line), binds them to the song session, which owns
// the song and everything about it, and switches between the panels as the song's lyrics
// come and go.
class frmSychLyrics final : public QWidget {
    Q_OBJECT
public:
    explicit frmSychLyrics(Platform platform, QWidget* parent = nullptr);
    ~frmSychLyrics() override;

    // The form's load: opens the song on the command line, sets up the player and the focus.
    void Form_Load();

private:
    void cmdOpen_Click();
    void cmdClose_Click();
    void cmdAddLyrics_Click();
    void OpenSongFromDialog(const QString& chosen);
    void RunLyricSourceChain(const QString& songPath);
    void DropFile(const QString& path, bool onTextPanel);
    void LeaveTextPanel(); // Escape: back to what AddLyrics left, the text kept
    // step names the load for undo.
    void ShowUnsynchLyrics(const QString& lyrics, const QString& step);
    // The text panel's lyrics on the sheet, the panel closed; `saved` says where they went.
    void showLinesFromText(const QString& lyrics, const QString& saved);
    // The synchronized panel shown with a sheet read from a file, adjustments allowed.
    void showLoadedSheet();
    // The sheet's panel after lyrics text was loaded into it, with what did not fit.
    void showUnsynchSheet(const QString& note);
    void showSongPath(const QString& path);
    // Replaces the sheet with the lines of an LRC file, as one undoable step; a file that
    // cannot be read leaves the sheet as it was and says why in the status line.
    void readLrcIntoSheet(const QString& path);
    bool exportKeyPressed(QKeyEvent* event); // Ctrl+E, Ctrl+Shift+E, Ctrl+I, Ctrl+Shift+O
    // Ctrl+Shift+O: the changes kept unsaved when the song was last left, as the sheet.
    void bringBackUnsaved();
    void connectParts();

    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override; // the undo and export keys
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override; // keeps unsaved changes for the next opening

    Platform m_platform;
    StatusLine* m_status;
    SongSession* m_session; // the song and everything about it
    FileBar* m_fileBar;
    TextPanel* m_text;
    SheetPanel* m_sheet;
    Transport* m_transport;
    FileDrops* m_drops = nullptr;
    bool m_sheetShownBeforeText = false; // picSynch's visibility when the text panel opened
};
