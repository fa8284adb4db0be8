#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

class AdjustControls;
class LyricList;
class QLabel;
class QPushButton;
class QWidget;
class SongSession;
class StatusLine;
struct WindowControls;

// The synchronized panel, picSynch: the lyric list, the current lyric above the slider, and the
// editing buttons with their time adjustments and Save. It shows the session's sheet and
// changes it through the session.
class SheetPanel final : public QObject {
    Q_OBJECT
public:
    // The input box: prompt, title and default; answers "" on Cancel.
    using InputBox = std::function<QString(const QString&, const QString&, const QString&)>;
    SheetPanel(SongSession& session, StatusLine& status, InputBox inputBox, QObject* parent);
    void place(WindowControls& ui) const;

    QWidget* widget() const { return m_panel; }
    LyricList* list() const { return m_list; }
    AdjustControls& adjust() const { return *m_adjust; }

    void ShowSaveButton();
    // Off while the song plays: the sheet is marked then, not edited.
    void setEditing(bool on);
    // A tap-along takes the editing controls off and puts them back as they were.
    void holdForTapAlong();
    void releaseAfterTapAlong();
    void showCurrentLyric(const QString& lyric);
    void showSelectedLyric();
    // The line Move Up and Move Down start from; 0 for none.
    void setMoveStart(int position);
    void disableLineUp();
    void selectLine(int position, bool scrollIntoView);
    // The sheet's selection shown in the list, as the model has it after a change.
    void showSheetSelection(bool scrollIntoView);
    // A handler's selected row, or 0 after saying in the status line why there is none.
    int RequireSelectedRow(const QString& action);
    void setFullRowSelect(bool on);
    void setSortByHeader(bool on);
    // A sheet read from a file: adjustments allowed.
    void showLoaded();
    // Lines of lyrics text loaded: nothing to adjust or save until they are marked.
    void showUnsaved();
    // Undo (back) or redo one sheet change, with the selection, Save and the status line.
    void stepThroughHistory(bool back);
    // Ctrl+G, Ctrl+Shift+G and Ctrl+Shift+W: the selected line's suggested time, every
    // confident one (and confident word times with word marking on), or the selected line's
    // suggested word times.
    enum class Accept { Line, Confident, Words };
    void acceptSuggestions(Accept what);

private:
    void lvLyrics_Click();
    void lvLyrics_DblClick();
    void cmdAddLine_Click();
    void cmdInsert_Click();
    void cmdRemove_Click();
    void cmdEditLyric_Click();
    void EditSelectedLyric();
    void cmdLineUp_Click();
    void cmdLineDown_Click();
    void cmdReset_Click();
    void cmdSave_Click();
    bool SheetHasRoomFor(const QString& action);
    std::vector<QWidget*> editingControls() const;

    SongSession& m_session;
    StatusLine& m_status;
    InputBox m_inputBox;
    QWidget* m_panel;         // picSynch
    LyricList* m_list;        // lvLyrics
    QLabel* m_currentLyric;   // lblCurrentLyric
    QPushButton* m_reset;     // cmdReset
    QPushButton* m_insert;    // cmdInsert
    QPushButton* m_addLine;   // cmdAddLine
    QPushButton* m_remove;    // cmdRemove
    QPushButton* m_editLyric; // cmdEditLyric
    QPushButton* m_lineUp;    // cmdLineUp
    QPushButton* m_lineDown;  // cmdLineDown
    QPushButton* m_save;      // cmdSave
    AdjustControls* m_adjust; // a child
    std::int16_t m_selectedLine = 0;
    std::vector<std::pair<QWidget*, bool>> m_enabledBeforeTapAlong;
};
