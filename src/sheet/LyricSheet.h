#pragma once

#include "sheet/SheetRow.h"

#include <QAbstractTableModel>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

// The lyric sheet apart from any window: its rows, the cursor that marking and the display
// tick move, and every rule that changes them. Each change is one step that undo takes back
// with the cursor as it was. The list shows it as a table of four text columns.
class LyricSheet final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColNumber = 0, ColLyric = 1, ColTime = 2, ColSecs = 3 };
    static constexpr int kMaxRows = 32767; // row numbers are 16-bit

    // What undo restores along with the rows. selected is a 1-based position, 0 for none; the
    // sheet position of the current line is currentLine + lineOffset; word is the selected
    // line's word that word marking stamps next (0 on arriving at a line).
    struct Cursor {
        int selected = 0;
        std::int16_t currentLine = 0;
        std::int16_t lineOffset = 0;
        std::int16_t word = 0;
        friend bool operator==(const Cursor&, const Cursor&) = default;
    };

    // Rows an adjustment had to leave as they were: how many, and why for the first of them.
    struct ShiftReport {
        int skipped = 0;
        QString first; // "line 3 has the time ..., which is not a number"
    };

    // What a nudge moved: how many lines (or the one word), how many had no time to move, and
    // the first moved time, to replay from.
    struct NudgeReport {
        int moved = 0;
        int untimed = 0;
        qint64 firstMs = -1;
    };

    explicit LyricSheet(QObject* parent = nullptr);
    ~LyricSheet() override;

    // ---- reading (positions are 1-based; outside the sheet a cell reads "") -----------------
    int count() const { return static_cast<int>(m_rows.size()); }
    const std::vector<SheetRow>& rows() const { return m_rows; }
    QString cell(int position, Column column) const;
    Cursor cursor() const { return m_cursor; }
    int selected() const { return m_cursor.selected; }
    std::int16_t currentLine() const { return m_cursor.currentLine; }
    std::int16_t lineOffset() const { return m_cursor.lineOffset; }
    bool hasRoom() const { return count() < kMaxRows; }

    // ---- cursor moves that change no row, so they are no undo step --------------------------
    void setSelected(int position); // 0, or a position outside the sheet, selects nothing
    void setMarkCursor(std::int16_t currentLine, std::int16_t lineOffset);

    // ---- changes, each one undo step --------------------------------------------------------
    // Replaces every row (at most kMaxRows are kept) and leaves nothing selected.
    void load(std::vector<SheetRow> rows, const QString& step);
    // A blank row after the last one, selected. False when the sheet is full.
    bool addLine();
    // A blank row above the selected one, which stays selected; lineOffset grows by one, so
    // the preview still finds the lines below. False with no selection or a full sheet.
    bool insertLine();
    // Removes the selected row; the row that moves up into its place is selected, none after
    // the last one. lineOffset is left as it is.
    bool removeLine();
    // Sets the selected row's lyric; false when there is no selection or nothing changes.
    bool editLyric(const QString& lyric);
    // Stamps the selected row with secs (time is its Time text) and walks the mark cursor on
    // to the next row with words, selecting each row on the way: blank rows are pauses. ms is
    // the exact position (-1 for none); the row's word times move along with its time.
    bool mark(std::int32_t secs, const QString& time, qint64 ms = -1);
    // Word marking: stamps the selected row's next word at ms. Its first word stamps the line
    // too and starts its words afresh; after its last word the cursor walks on as mark() does.
    // A row without words is marked as a line.
    bool markWord(qint64 ms);
    // Moves the times of the rows at positions (word < 0), or of that word of the one row, by
    // deltaMs, never before 0: Secs follows in whole seconds, a line takes its words along,
    // and a first word its line. One step.
    NudgeReport nudge(const std::vector<int>& positions, int word, qint64 deltaMs);
    // Sets the start of the timed word (or syllable) at index word of the row at position to
    // ms, as a drag in the word strip does; a first word takes its line along. One step.
    bool moveWord(int position, int word, qint64 ms);
    // Splits the timed word at index word of the row at position into syllables: each of
    // starts is a character inside the word where a syllable starts and its time, both rising
    // and after the word's own start. One step.
    struct Syllable {
        qsizetype at = 0;
        qint64 ms = 0;
    };
    bool splitWord(int position, int word, const std::vector<Syllable>& starts);
    // Empties every Time and Secs cell.
    void clearMarks();
    // Moves the marked rows (or the selected one) by the amount typed in amountText; an
    // unmarked row is left alone without a complaint.
    ShiftReport shiftAll(const QString& amountText);
    ShiftReport shiftSelected(const QString& amountText);
    // The same for the rows at positions (a selection of several), as one step.
    ShiftReport shiftRows(const std::vector<int>& positions, const QString& amountText);

    // ---- the display tick ----------------------------------------------------------------
    // From row currentLine + lineOffset on, steps over rows whose lyric is all spaces and
    // keeps their number in lineOffset. False, with nothing changed, when the walk runs out
    // of the sheet: the saved file no longer matches it.
    bool stepOverBlankRows();

    // ---- undo ------------------------------------------------------------------------------
    bool canUndo() const;
    bool canRedo() const;
    // Takes back the last step (or does again the last one taken back) and names it; "" when
    // there is none.
    QString undo();
    QString redo();
    void clearHistory();

    // ---- the list's view of the rows -------------------------------------------------------
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // ---- suggested times and timing flags: shown beside the rows, never part of them --------
    // Kept apart so no save and no undo step ever holds one.
    struct WordHint {
        qint64 ms = -1; // the suggested start, -1 for none (a word marked by hand has none)
        bool confident = false;
        friend bool operator==(const WordHint&, const WordHint&) = default;
    };
    struct Hint {
        qint64 ms = -1; // the suggested start, -1 for none
        bool confident = false;
        QString flag; // why the row's mark looks wrong, "" when it does not
        // A marked row's words (as the row counts them: its words, else WordsOf its lyric)
        // suggested inside it; empty for none.
        std::vector<WordHint> words = {};
    };
    // The Time cell's roles: an unmarked row shows its suggestion (SuggestedRole true), a
    // marked row its flag (FlaggedRole true, the tooltip saying why).
    enum HintRole { SuggestedRole = Qt::UserRole + 1, FlaggedRole };
    // One per row from the first; rows beyond have none. Inserting, removing or replacing
    // rows drops them all, since they no longer belong to their rows.
    void setHints(std::vector<Hint> hints);
    const std::vector<Hint>& hints() const { return m_hints; }
    // The suggestion an unmarked row shows, -1 for none.
    qint64 suggestedMs(int position) const;
    // Marks the rows at positions that show a suggestion with it, as one step named label;
    // answers how many.
    int acceptSuggestions(const std::vector<int>& positions, const QString& label);
    // The words a row at position shows suggested, -1 for none, one per word of the row.
    std::vector<WordHint> wordHints(int position) const;
    // Marks the rows at lines with their suggestions and the untimed words of the rows at
    // words with theirs (only the confident ones when confidentWords), all in one step named
    // label. A row whose words were not timed yet takes its line's time as its first word's.
    struct AcceptedHints {
        int lines = 0;
        int wordLines = 0; // rows that took word times
        int words = 0;
    };
    AcceptedHints acceptHints(const std::vector<int>& lines, const std::vector<int>& words,
                              bool confidentWords, const QString& label);

private:
    struct Step;

    // Raw changes: they tell the list, and leave the cursor and the history alone.
    void setRow(int position, const SheetRow& row);
    void insertRowAt(int position, const SheetRow& row);
    void removeRowAt(int position);
    // Answers the rows it replaced.
    std::vector<SheetRow> resetRows(std::vector<SheetRow> rows);
    void RenumberLines(int from);
    bool isNumbered() const;

    bool shiftRow(int position, const QString& amountText, ShiftReport& report);
    void walkMarkCursor();
    // One step of the rows at positions (each once, in order), each changed in place by
    // change, which answers whether it changed it; no step when none changed.
    bool changeRows(std::vector<int> positions, const QString& label,
                    const std::function<bool(SheetRow&, int)>& change);
    void push(Step step);
    void apply(Step& step, bool forward);
    QString travel(std::vector<Step>& from, std::vector<Step>& to, bool forward);

    std::vector<SheetRow> m_rows;
    Cursor m_cursor;
    bool m_numbered = true; // every row carries the number of its position
    std::vector<Step> m_done;
    std::vector<Step> m_undone;
    std::vector<Hint> m_hints;
};
