#pragma once

#include "core/Failure.h"
#include "sheet/LyricSheet.h"
#include "window/Controls.h"
#include "window/Platform.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class KeyOverlay;
class QLineEdit;
class QPushButton;
class SongPlayback;
class SongSession;
class SongSuggestions;
class WaveformLoader;

// The one window. It builds the controls and binds them to the song session (session/),
// which owns the song, its sheet, its playback and every file it touches; the handlers show
// what the session answers.
class frmSychLyrics final : public QWidget {
    Q_OBJECT
public:
    explicit frmSychLyrics(Platform platform, QWidget* parent = nullptr);
    ~frmSychLyrics() override;

    // The form's load: opens the song on the command line, sets up the player and the focus.
    void Form_Load();

private:
    // ---- window: opening a song, closing ------------------------------------------------------
    void cmdOpen_Click();
    void cmdClose_Click();
    void RunLyricSourceChain(const QString& songPath);
    void OpenSongFromDialog(const QString& chosen);
    void DropFile(const QString& path, bool onTextPanel);

    // ---- playback: transport, the display tick, marking -------------------------------------
    void cmdPlay_Click();
    void cmdStop_Click();
    void Amp3dj1_SongEnded(int reason);
    void sldSong_Scroll();
    void Timer1_Timer();
    void StopOrEndSong();
    void SeekBy(std::int32_t deltaMs);
    void ReplaySelectedLine();
    void StartTapAlong();
    void cmdMark_Click();
    void cmdReset_Click();
    SongPlayback& playback() const;

    // ---- sheet: rows, line editing, time adjustment, undo -----------------------------------
    void ShowSaveButton();
    void SetPlayingControls(bool playing);
    void lvLyrics_Click();
    void lvLyrics_DblClick();
    void cmdAddLine_Click();
    void cmdInsert_Click();
    void cmdRemove_Click();
    void cmdEditLyric_Click();
    void EditSelectedLyric();
    void cmdLineUp_Click();
    void cmdLineDown_Click();
    void cmdAdjustAll_Click();
    void cmdAdjustSingle_Click();
    void spnAdjustAll_Change(int direction);
    void spnAdjustSingle_Change(int direction);
    int RequireSelectedRow(const QString& action);
    bool SheetHasRoomFor(const QString& action);
    void StepAmount(QLineEdit* box, int direction, const QString& action);
    void AdjustSelectedLineBy(const QString& amountText);
    // The sheet's selection shown in the list, as the model has it after a change.
    void showSheetSelection(bool scrollIntoView);
    // Undo (back) or redo one sheet change, with the selection, Save and the status line.
    void stepThroughHistory(bool back);
    void ShowKeys();

    // ---- sources: tag lyrics and the unsynchronized panel -----------------------------------
    void cmdSaveUnsynch_Click();
    // step names the load for undo.
    void ShowUnsynchLyrics(const QString& lyrics,
                           const QString& step = QStringLiteral("Load Tag Lyrics"));
    void cmdAddLyrics_Click();
    void LeaveTextPanel(); // Escape: back to what AddLyrics left, the text kept
    void cmdPaste_Click();
    void cmdLyricsFromText_Click();
    void cmdClearUnsynch_Click();
    void txtAddLyrics_Change();
    void txtAddLyrics_Click();
    // The panel's text as it reaches the tag: exactly what the clipboard, the file or the tag
    // held until the user edits it (the box itself turns non-breaking spaces into spaces and
    // separators into line feeds); after an edit, the box's text with its non-breaking spaces.
    QString UnsynchText() const;
    void setUnsynchText(const QString& text);

    // ---- storage and exports ------------------------------------------------------------------
    void cmdSave_Click();
    bool exportKeyPressed(QKeyEvent* event); // Ctrl+E, Ctrl+Shift+E, Ctrl+I
    // Replaces the sheet with the lines of an LRC file, as one undoable step; a file that
    // cannot be read leaves the sheet as it was and says why in the status line.
    void readLrcIntoSheet(const QString& path);
    // Runs save, which saves what into the tag of song, off the window's thread: the window
    // keeps painting and running its timers, the status line says what is happening, and no
    // drop, close or input is taken until it is over. Answers save's note or throws its failure.
    QString saveIntoTag(const QString& what, const std::function<QString()>& save);

    // ---- what is shown ------------------------------------------------------------------------
    using Column = LyricSheet::Column;
    static constexpr Column ColNumber = LyricSheet::ColNumber;
    static constexpr Column ColLyric = LyricSheet::ColLyric;
    static constexpr Column ColTime = LyricSheet::ColTime;
    static constexpr Column ColSecs = LyricSheet::ColSecs;
    LyricSheet& sheet();
    const LyricSheet& sheet() const;
    // Sheet access by 1-based position (0 = no row), for the handlers.
    int rowCount() const;
    QString cell(int position, Column column) const;
    int selectedRow() const;
    // Shows the session's song in the file bar and its hidden boxes.
    void showSongPath(const QString& path);
    // The synchronized panel shown with a sheet read from a file, adjustments allowed.
    void showLoadedSheet();
    // The sheet's panel after lyrics text was loaded into it, with what did not fit.
    void showUnsynchSheet(const QString& note);
    void setFullRowSelect(bool on);
    void setSortByHeader(bool on);

    // Runs a handler so that a failure ends it, shows its message in lblStatus and on stderr,
    // and leaves the program running.
    template <class Handler> void guarded(const char* name, Handler&& handler) noexcept;
    void reportFailure(const QString& message) noexcept;
    // Every status text goes through here, so the status line has one writer.
    void showStatus(const QString& text);

    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override; // the undo and export keys
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    void buildControls();
    void layOutControls();
    void connectHandlers();
    void connectSongWaveform();
    void connectClick(QPushButton* button, void (frmSychLyrics::*handler)(), const char* name);
    void installMarkingKeys();
    // ---- word timing: its keys, the word strip, nudges, a range of lines (WordKeys.cpp) ----
    void installWordKeys();
    void showWordStrip();
    void NudgeSelection(qint64 deltaMs);
    // Plays from ms, the selected rows held as they are (a nudge's or the strip's replay).
    void PlayFrom(qint64 ms);
    void installTextPanelKeys();
    void installDropTargets();
    // Suggested times: the analysis, its status, the Time column's look and the accept keys.
    void installSuggestions();
    void acceptSuggestions(bool confident); // the selected line's, or every confident one

    Platform m_platform;
    WindowControls ui;
    SongSession* m_session;          // the song, its sheet and every file it touches
    QString m_tickFailure;           // the last failure a tick reported, so it is shown once
    std::int16_t m_selectedLine = 0; // the line Move Up and Move Down start from
    std::optional<QString> m_unsynchOriginal; // the text set by the program, until an edit
    bool m_settingUnsynch = false;
    WaveformLoader* m_waveform = nullptr;
    KeyOverlay* m_keyOverlay = nullptr;
    // The controls' enabled states while a tap-along has them off.
    std::vector<std::pair<QWidget*, bool>> m_enabledBeforeTapAlong;
    bool m_sheetShownBeforeText = false; // picSynch's visibility when the text panel opened
    QString m_suggestionStatus;          // what the analysis last put in the status line
};

template <class Handler> void frmSychLyrics::guarded(const char* name, Handler&& handler) noexcept {
    try {
        handler();
    } catch (const VersettaError& error) {
        reportFailure(error.message());
    } catch (const std::exception& error) {
        reportFailure(QStringLiteral("%1 failed: %2")
                          .arg(QLatin1String(name), QString::fromUtf8(error.what())));
    } catch (...) {
        reportFailure(QStringLiteral("%1 failed unexpectedly.").arg(QLatin1String(name)));
    }
}
