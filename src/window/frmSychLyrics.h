#pragma once

#include "core/Failure.h"
#include "sheet/LyricSheet.h"
#include "window/Platform.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class KeyOverlay;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QTreeView;
class SongSession;
class SongSlider;
class UpDown;
class WaveformLoader;

// The one window. It owns the controls and binds them to the song session (session/), which
// owns the song, its sheet and every file it touches. Handlers are public so tests can drive
// them the way a click would.
class frmSychLyrics final : public QWidget {
    Q_OBJECT
public:
    explicit frmSychLyrics(Platform platform, QWidget* parent = nullptr);
    ~frmSychLyrics() override;

    // ---- window: start-up, opening a song, closing ---------------------------------------
    void Form_Load();
    void cmdOpen_Click();
    void cmdClose_Click();
    void RunLyricSourceChain(const QString& songPath);

    // ---- playback: transport and the display tick ------------------------------------------
    void cmdPlay_Click();
    void cmdStop_Click();
    void Amp3dj1_SongEnded(int reason);
    void sldSong_Scroll();
    void Timer1_Timer();
    // Decodes the song's waveform for sldSong in the background.
    void ShowSongWaveform(const QString& songPath);
    void showPlayingPosition();
    void StopOrEndSong();
    Mp3Player& player() const;
    std::int32_t songLengthSeconds() const;

    // ---- sheet: rows, marking, line editing, time adjustment, undo -------------------------
    void ShowSaveButton();
    void SetPlayingControls(bool playing);
    void lvLyrics_Click();
    void lvLyrics_DblClick();
    void cmdMark_Click();
    void cmdReset_Click();
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
    void UndoSheetChange();
    void RedoSheetChange();
    // The sheet's selection shown in the list, as the model has it after a change.
    void showSheetSelection(bool scrollIntoView);

    // ---- marking keys, the tap-along and drops (MarkingKeys.cpp, TapAlong.cpp, DragDrop.cpp) --
    void SeekBy(std::int32_t deltaMs);
    void ReplaySelectedLine();
    void StepSpeed(int tenths); // 0 goes back to normal speed
    void StepReactionDelay(std::int32_t deltaMs);
    void AdjustSelectedLineBy(const QString& amountText);
    void ShowKeys();
    void StartTapAlong();
    void OpenSongFromDialog(const QString& chosen);
    void DropFile(const QString& path, bool onTextPanel);
    std::int32_t reactionDelayMs() const { return m_reactionDelayMs; }
    QString markingAidsText() const; // the speed and delay when not the usual, for lblStatus

    // ---- sources: tag lyrics and the unsynchronized panel ----------------------------------
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

    // ---- storage: the lyrics file, the database, the preview table -------------------------
    void cmdSave_Click();
    void ShowSynchLyrics(const QString& fileName);
    void WriteLyricsToTempDB();

    // ---- exports: LRC beside the song, SYLT in its tag, LRC into the sheet ------------------
    void WriteLrcFile();           // Ctrl+E
    void WriteSyncedLyricsToTag(); // Ctrl+Shift+E
    void ImportLrcBesideSong();    // Ctrl+I, for a song without a lyrics file
    // Replaces the sheet with the lines of an LRC file, as one undoable step; a file that
    // cannot be read leaves the sheet as it was and says why in the status line.
    void ImportLrcFile(const QString& path);

    // ---- the sheet ---------------------------------------------------------------------------
    using Column = LyricSheet::Column;
    static constexpr Column ColNumber = LyricSheet::ColNumber;
    static constexpr Column ColLyric = LyricSheet::ColLyric;
    static constexpr Column ColTime = LyricSheet::ColTime;
    static constexpr Column ColSecs = LyricSheet::ColSecs;
    static constexpr int kMaxRows = LyricSheet::kMaxRows;
    static constexpr std::int32_t kMaxMarkSeconds = 32767; // markers are 16-bit seconds
    // The rows, the mark cursor (currentLine, lineOffset) and the undo history.
    LyricSheet& sheet();
    const LyricSheet& sheet() const;

    // ---- the song's state (zero or empty at creation) ---------------------------------------
    // The path fields show the session's song (written when it changes, never read back).
    struct SongState {
        QString songFolder;
        QString songFile;
        QString databasePath;
        QString synchLyricsPath;
        QString currentLyric;
        bool isPlaying = false;
        std::int16_t selectedLine = 0;
    } state;

    // ---- controls ---------------------------------------------------------------------------
    // Each control's objectName is its design name; members whose design name says nothing
    // are named for what they hold (the objectName in the comment).
    struct Controls {
        QPushButton* cmdClose = nullptr;
        QFrame* fileBar = nullptr;       // Frame1
        QLabel* fileNameLabel = nullptr; // Label5
        QLineEdit* txtFileName = nullptr;
        QPushButton* cmdOpen = nullptr;
        QPushButton* cmdAddLyrics = nullptr;
        QLineEdit* songFolderBox = nullptr; // Text1, hidden: songFolder
        QLineEdit* songFileBox = nullptr;   // Text2, hidden: songFile

        QWidget* picSynch = nullptr;
        QTreeView* lvLyrics = nullptr;
        QLabel* lblCurrentLyric = nullptr;
        SongSlider* sldSong = nullptr;
        QLabel* lblTime = nullptr;
        QPushButton* cmdPlay = nullptr;
        QPushButton* cmdStop = nullptr;
        QPushButton* cmdMark = nullptr;
        QPushButton* cmdReset = nullptr;
        QPushButton* cmdInsert = nullptr;
        QPushButton* cmdAddLine = nullptr;
        QPushButton* cmdRemove = nullptr;
        QPushButton* cmdAdjustSingle = nullptr;
        QLineEdit* txtAdjustSingle = nullptr;
        UpDown* spnAdjustSingle = nullptr;
        QPushButton* cmdAdjustAll = nullptr;
        QLineEdit* txtAdjustAll = nullptr;
        UpDown* spnAdjustAll = nullptr;
        QPushButton* cmdEditLyric = nullptr;
        QPushButton* cmdLineUp = nullptr;
        QPushButton* cmdLineDown = nullptr;
        QPushButton* cmdSave = nullptr;

        QWidget* picUnsynch = nullptr;
        QPlainTextEdit* txtAddLyrics = nullptr;
        QPushButton* cmdPaste = nullptr;
        QPushButton* cmdLyricsFromText = nullptr;
        QPushButton* cmdClearUnsynch = nullptr;
        QPushButton* cmdSaveUnsynch = nullptr;

        QLabel* lblStatus = nullptr;
        QTimer* displayTimer = nullptr; // Timer1, the 100 ms tick
        Mp3Player* mp3Player = nullptr; // Amp3dj1
    } ui;

    // Runs a handler so that a failure ends it, shows its message in lblStatus and on stderr,
    // and leaves the program running.
    template <class Handler> void guarded(const char* name, Handler&& handler) noexcept;
    void reportFailure(const QString& message) noexcept;
    // Every status text goes through here, so the status line has one writer.
    void showStatus(const QString& text);

    const Platform& platform() const { return m_platform; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    // True for a press or release of a marking key on Mark Line that only repeats a held one.
    bool isHeldMarkKey(QEvent* event);
    void keyPressEvent(QKeyEvent* event) override; // the undo keys
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Sheet access by 1-based position (0 = no row), for the handlers.
    int rowCount() const;
    QString cell(int position, Column column) const;
    int selectedRow() const;
    void selectRow(int position, bool scrollIntoView);
    void fillSheet(const std::vector<SheetRow>& rows); // one undo step, as any load
    bool exportKeyPressed(QKeyEvent* event);           // Ctrl+E, Ctrl+Shift+E, Ctrl+I
    void readLrcIntoSheet(const QString& path);

    void buildControls();
    void layOutControls();
    void connectHandlers();
    void connectSongWaveform();
    void connectClick(QPushButton* button, void (frmSychLyrics::*handler)(), const char* name);

    // The two presentation options of the list that loading and start-up set.
    void setFullRowSelect(bool on);
    void setSortByHeader(bool on);
    void showLinesInTheirDirection();
    // The synchronized panel shown with a sheet read from a file, adjustments allowed.
    void showLoadedSheet();
    // Undo (back) or redo one sheet change, with the selection, Save and the status line.
    void stepThroughHistory(bool back);
    void setUnsynchText(const QString& text);
    // Runs save, which saves what into the tag of song, off the window's thread: the window
    // keeps painting and running its timers, the status line says what is happening, and no
    // drop, close or input is taken until it is over. Answers save's note or throws its failure.
    QString saveIntoTag(const QString& what, const std::function<QString()>& save);
    // Shows the session's song in the file bar, its hidden boxes and state.
    void showSongPath(const QString& path);
    // The sheet's panel after lyrics text was loaded into it, with what did not fit.
    void showUnsynchSheet(const QString& note);

    void installMarkingKeys();
    void installTextPanelKeys();
    void installDropTargets();
    bool takeTap();
    void finishTapAlong();

    Platform m_platform;
    SongSession* m_session; // the song, its sheet and every file it touches
    QString m_tickFailure;  // the last failure a tick reported, so it is shown once
    std::optional<QString> m_unsynchOriginal; // the text set by the program, until an edit
    bool m_settingUnsynch = false;
    WaveformLoader* m_waveform = nullptr;
    int m_tickRow = 0; // the row the tick last selected; 0 after a seek, a resume or Stop
    std::int32_t m_reactionDelayMs = 0;
    QString m_settingsNotKept; // why the settings file was not used at start-up, or ""
    bool m_replayHold = false; // a replayed line stays the mark cursor until Stop
    struct TapAlong;
    std::unique_ptr<TapAlong> m_tapAlong;
    KeyOverlay* m_keyOverlay = nullptr;
    // The marking key down on Mark Line (0: none), and the last one to come up, with its time.
    int m_markKeyDown = 0;
    int m_markKeyUp = 0;
    quint64 m_markKeyUpTime = 0;
    bool m_sheetShownBeforeText = false; // picSynch's visibility when the text panel opened
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
