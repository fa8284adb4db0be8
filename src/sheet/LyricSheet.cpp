#include "sheet/LyricSheet.h"

#include "sheet/Amount.h"
#include "sheet/SheetStep.h"
#include "sheet/TimeShift.h"
#include "sheet/TimeText.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <map>

LyricSheet::LyricSheet(QObject* parent) : QAbstractTableModel(parent) {}

LyricSheet::~LyricSheet() = default;

QString LyricSheet::cell(int position, Column column) const {
    if (position < 1 || position > count())
        return {};
    const SheetRow& row = m_rows[static_cast<std::size_t>(position - 1)];
    switch (column) {
    case ColNumber:
        return row.number;
    case ColLyric:
        return row.lyric;
    case ColTime:
        return row.time;
    case ColSecs:
        return row.secs;
    }
    return {};
}

void LyricSheet::setSelected(int position) {
    const int selected = position >= 1 && position <= count() ? position : 0;
    if (selected != m_cursor.selected)
        m_cursor.word = 0;
    m_cursor.selected = selected;
}

void LyricSheet::setMarkCursor(std::int16_t currentLine, std::int16_t lineOffset) {
    m_cursor.currentLine = currentLine;
    m_cursor.lineOffset = lineOffset;
    m_cursor.word = 0; // marking starts the line again
}

// ---- raw changes ----------------------------------------------------------------------------

void LyricSheet::setRow(int position, const SheetRow& row) {
    m_rows[static_cast<std::size_t>(position - 1)] = row;
    emit dataChanged(index(position - 1, ColNumber), index(position - 1, ColSecs));
}

void LyricSheet::insertRowAt(int position, const SheetRow& row) {
    beginInsertRows({}, position - 1, position - 1);
    m_rows.insert(m_rows.begin() + (position - 1), row);
    endInsertRows();
    m_hints.clear();
    RenumberLines(position);
}

void LyricSheet::removeRowAt(int position) {
    beginRemoveRows({}, position - 1, position - 1);
    m_rows.erase(m_rows.begin() + (position - 1));
    endRemoveRows();
    m_hints.clear();
    RenumberLines(position);
}

std::vector<SheetRow> LyricSheet::resetRows(std::vector<SheetRow> rows) {
    beginResetModel();
    m_rows.swap(rows);
    m_hints.clear();
    endResetModel();
    m_numbered = isNumbered();
    return rows;
}

// Rows above `from` already carry their numbers when the sheet was numbered before.
void LyricSheet::RenumberLines(int from) {
    if (!m_numbered)
        from = 1;
    for (int i = from; i <= count(); ++i)
        m_rows[static_cast<std::size_t>(i - 1)].number = QString::number(i);
    m_numbered = true;
    if (from <= count())
        emit dataChanged(index(from - 1, ColNumber), index(count() - 1, ColNumber));
}

bool LyricSheet::isNumbered() const {
    int digits = 1;
    int nextPowerOfTen = 10;
    for (int i = 1; i <= count(); ++i) {
        if (i == nextPowerOfTen) {
            ++digits;
            nextPowerOfTen *= 10;
        }
        const QString& number = m_rows[static_cast<std::size_t>(i - 1)].number;
        bool ok = false;
        if (number.size() != digits || number.toInt(&ok) != i || !ok)
            return false;
    }
    return true;
}

// ---- changes ------------------------------------------------------------------------------

void LyricSheet::load(std::vector<SheetRow> rows, const QString& step) {
    if (rows.size() > static_cast<std::size_t>(kMaxRows))
        rows.resize(kMaxRows);
    Step change{Step::Replace, step};
    change.cursorBefore = m_cursor;
    change.rows = resetRows(std::move(rows));
    m_cursor.selected = 0;
    change.cursorAfter = m_cursor;
    push(std::move(change));
}

bool LyricSheet::addLine() {
    if (!hasRoom())
        return false;
    Step step{Step::Insert, QCoreApplication::translate("LyricSheet", "Add Line To End"),
              count() + 1};
    step.cursorBefore = m_cursor;
    if (!m_numbered) {
        step.kind = Step::Replace;
        step.rows = m_rows;
    }
    insertRowAt(step.position, {});
    m_cursor = step.cursorBefore;
    m_cursor.selected = count();
    step.after = m_rows.back();
    step.cursorAfter = m_cursor;
    push(std::move(step));
    return true;
}

bool LyricSheet::insertLine() {
    const int p = m_cursor.selected;
    if (p < 1 || !hasRoom())
        return false;
    Step step{Step::Insert, QCoreApplication::translate("LyricSheet", "Insert Line"), p};
    step.cursorBefore = m_cursor;
    if (!m_numbered) {
        step.kind = Step::Replace;
        step.rows = m_rows;
    }
    insertRowAt(p, {});
    step.after = m_rows[static_cast<std::size_t>(p - 1)];
    m_cursor = step.cursorBefore;
    m_cursor.selected = p + 1;
    // Positions never pass 32767, so an offset that high already points past every row.
    if (m_cursor.lineOffset < std::numeric_limits<std::int16_t>::max())
        ++m_cursor.lineOffset;
    step.cursorAfter = m_cursor;
    push(std::move(step));
    return true;
}

bool LyricSheet::removeLine() {
    const int p = m_cursor.selected;
    if (p < 1)
        return false;
    Step step{Step::Remove, QCoreApplication::translate("LyricSheet", "Remove Line"), p};
    step.cursorBefore = m_cursor;
    step.before = m_rows[static_cast<std::size_t>(p - 1)];
    if (!m_numbered) {
        step.kind = Step::Replace;
        step.rows = m_rows;
    }
    removeRowAt(p);
    m_cursor = step.cursorBefore;
    m_cursor.selected = p <= count() ? p : 0;
    step.cursorAfter = m_cursor;
    push(std::move(step));
    return true;
}

bool LyricSheet::editLyric(const QString& lyric) {
    const int p = m_cursor.selected;
    if (p < 1 || cell(p, ColLyric) == lyric)
        return false;
    Step step{Step::Cells, QCoreApplication::translate("LyricSheet", "Edit Selected Lyric"), p};
    step.before = m_rows[static_cast<std::size_t>(p - 1)];
    step.after = step.before;
    step.after.lyric = lyric;
    step.after.words.clear(); // they were the old text's; the line's time still holds
    step.cursorBefore = step.cursorAfter = m_cursor;
    setRow(p, step.after);
    push(std::move(step));
    return true;
}

bool LyricSheet::mark(std::int32_t secs, const QString& time, qint64 ms) {
    const int stamped = m_cursor.selected;
    if (stamped < 1)
        return false;
    Step step{Step::Cells,
              QCoreApplication::translate("LyricSheet", "Mark Line at %1")
                  .arg(time.isEmpty() ? QStringLiteral("0:00") : time),
              stamped};
    step.cursorBefore = m_cursor;
    step.before = m_rows[static_cast<std::size_t>(stamped - 1)];
    step.after = step.before;
    step.after.time = time;
    step.after.secs = QString::number(secs);
    step.after.markMs = ms;
    // The words keep their places in the line; without a time to measure from they go.
    if (step.before.hasExactMark() && ms >= 0)
        ShiftWords(step.after.words, ms - step.before.markMs);
    else
        step.after.words.clear();
    setRow(stamped, step.after);
    walkMarkCursor();
    step.cursorAfter = m_cursor;
    push(std::move(step));
    return true;
}

// On to the next line that has words; blank rows are pauses and are passed over.
void LyricSheet::walkMarkCursor() {
    Cursor& c = m_cursor;
    c.word = 0;
    if (c.currentLine == 0)
        c.currentLine = 1;
    while (c.currentLine < kMaxRows) {
        ++c.currentLine;
        const int position = c.currentLine + c.lineOffset;
        if (position > count())
            break;
        if (position >= 1)
            c.selected = position;
        if (!cell(position, ColLyric).isEmpty())
            break;
    }
}

void LyricSheet::clearMarks() {
    const bool marked = std::any_of(m_rows.begin(), m_rows.end(), [](const SheetRow& row) {
        return !row.time.isEmpty() || !row.secs.isEmpty();
    });
    if (!marked)
        return;
    Step step{Step::Replace, QCoreApplication::translate("LyricSheet", "Clear All Time Markings")};
    step.cursorBefore = step.cursorAfter = m_cursor;
    step.rows = m_rows;
    for (SheetRow& row : m_rows) {
        row.time.clear();
        row.secs.clear();
        row.markMs = -1;
        row.words.clear();
    }
    emit dataChanged(index(0, ColTime), index(count() - 1, ColSecs));
    push(std::move(step));
}

// ---- shifting -----------------------------------------------------------------------------

namespace {

void noteSkipped(LyricSheet::ShiftReport& report, int position, const QString& why) {
    if (report.skipped++ == 0)
        report.first =
            QCoreApplication::translate("LyricSheet", "line %1 %2").arg(position).arg(why);
}

} // namespace

// Shifts one row in place (the caller tells the list); true when it moved.
bool LyricSheet::shiftRow(int position, const QString& amountText, ShiftReport& report) {
    SheetRow& row = m_rows[static_cast<std::size_t>(position - 1)];
    const std::optional<double> amount = ReadAmount(amountText);
    const ShiftedTime shifted = ShiftTime(row.secs, amount.value_or(0));
    switch (shifted.outcome) {
    case ShiftedTime::Unmarked:
        return false;
    case ShiftedTime::NotANumber:
        noteSkipped(
            report, position,
            QCoreApplication::translate("LyricSheet", "has the time \"%1\", which is not a number")
                .arg(row.secs));
        return false;
    case ShiftedTime::OutOfRange:
        noteSkipped(
            report, position,
            QCoreApplication::translate("LyricSheet", "would move outside -%1 to %1 seconds")
                .arg(2147483647));
        return false;
    case ShiftedTime::Shifted:
        break;
    }
    if (!amount) {
        noteSkipped(
            report, position,
            QCoreApplication::translate("LyricSheet", "cannot move by \"%1\", which is too large")
                .arg(amountText.simplified()));
        return false;
    }
    // The precise times move as far as Secs's own milliseconds did, so they stay in its second.
    const std::optional<qint64> fromMs = SecsMs(row.secs);
    const std::optional<qint64> toMs = SecsMs(shifted.secs);
    const qint64 deltaMs = fromMs && toMs ? *toMs - *fromMs : 0;
    if (row.hasExactMark())
        row.markMs = std::max<qint64>(0, row.markMs + deltaMs);
    else
        row.markMs = -1;
    ShiftWords(row.words, deltaMs);
    row.secs = shifted.secs;
    row.time = shifted.time;
    return true;
}

LyricSheet::ShiftReport LyricSheet::shiftAll(const QString& amountText) {
    Step step{Step::Replace, QCoreApplication::translate("LyricSheet", "Adjust All Lines")};
    step.cursorBefore = step.cursorAfter = m_cursor;
    step.rows = m_rows;
    ShiftReport report;
    bool moved = false;
    for (int i = 1; i <= count(); ++i)
        moved = shiftRow(i, amountText, report) || moved;
    if (moved) {
        emit dataChanged(index(0, ColTime), index(count() - 1, ColSecs));
        push(std::move(step));
    }
    return report;
}

LyricSheet::ShiftReport LyricSheet::shiftSelected(const QString& amountText) {
    ShiftReport report;
    if (m_cursor.selected >= 1)
        changeRows({m_cursor.selected},
                   QCoreApplication::translate("LyricSheet", "Adjust Selected Line"),
                   [&](SheetRow&, int p) { return shiftRow(p, amountText, report); });
    return report;
}

// ---- the display tick ---------------------------------------------------------------------

bool LyricSheet::stepOverBlankRows() {
    const auto isBlank = [](const QString& lyric) {
        return std::all_of(lyric.begin(), lyric.end(), [](QChar c) { return c == u' '; });
    };
    int offset = m_cursor.lineOffset;
    for (;;) {
        const int row = m_cursor.currentLine + offset;
        if (row < 1 || row > count())
            return false;
        if (!isBlank(cell(row, ColLyric)))
            break;
        ++offset;
    }
    m_cursor.lineOffset = static_cast<std::int16_t>(offset);
    return true;
}

// ---- undo ---------------------------------------------------------------------------------

bool LyricSheet::canUndo() const {
    return !m_done.empty();
}

bool LyricSheet::canRedo() const {
    return !m_undone.empty();
}

void LyricSheet::push(Step step) {
    m_undone.clear();
    m_done.push_back(std::move(step));
    // The oldest steps go once the history holds two whole sheets besides the shown one:
    // kept forever, every load would keep the sheets before it alive, and a long session
    // would only grow.
    constexpr std::size_t kHeldRows = std::size_t{2} * kMaxRows;
    std::size_t held = 0;
    for (auto kept = m_done.rbegin(); kept != m_done.rend(); ++kept) {
        held += 1 + kept->rows.size();
        if (held > kHeldRows) {
            m_done.erase(m_done.begin(), kept.base());
            break;
        }
    }
}

void LyricSheet::apply(Step& step, bool forward) {
    switch (step.kind) {
    case Step::Cells:
        setRow(step.position, forward ? step.after : step.before);
        break;
    case Step::Rows:
        for (std::size_t i = 0; i < step.positions.size(); ++i)
            setRow(step.positions[i], forward ? step.afterRows[i] : step.rows[i]);
        break;
    case Step::Insert:
        forward ? insertRowAt(step.position, step.after) : removeRowAt(step.position);
        break;
    case Step::Remove:
        forward ? removeRowAt(step.position) : insertRowAt(step.position, step.before);
        break;
    case Step::Replace:
        step.rows = resetRows(std::move(step.rows));
        break;
    }
    m_cursor = forward ? step.cursorAfter : step.cursorBefore;
}

QString LyricSheet::undo() {
    return travel(m_done, m_undone, false);
}

QString LyricSheet::redo() {
    return travel(m_undone, m_done, true);
}

// Moves the newest step of from onto to, applying it forward or back; answers its label.
QString LyricSheet::travel(std::vector<Step>& from, std::vector<Step>& to, bool forward) {
    if (from.empty())
        return {};
    to.push_back(std::move(from.back()));
    from.pop_back();
    apply(to.back(), forward);
    return to.back().label;
}

void LyricSheet::clearHistory() {
    m_done.clear();
    m_undone.clear();
}

// ---- the list's view ----------------------------------------------------------------------

namespace {

// A mark at 0 s reads as none, but a suggestion within the song's first second must still be
// seen (and heard by a screen reader) to be accepted.
QString suggestionText(qint64 ms) {
    const QString whole = SecondsToTime(static_cast<std::int32_t>(ms / 1000));
    return whole.isEmpty() ? QStringLiteral("0:00") : whole;
}

} // namespace

int LyricSheet::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

int LyricSheet::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 4;
}

QVariant LyricSheet::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int position = index.row() + 1;
    if (index.column() == ColTime && role != Qt::DisplayRole) {
        const auto at = static_cast<std::size_t>(index.row());
        const bool flagged = cell(position, ColSecs).size() > 0 && at < m_hints.size() &&
                             !m_hints[at].flag.isEmpty();
        switch (role) {
        case SuggestedRole:
            return suggestedMs(position) >= 0;
        case FlaggedRole:
            return flagged;
        case Qt::ToolTipRole:
            // What the grey time or the sign is, and the key that settles it.
            if (flagged)
                return QCoreApplication::translate(
                           "LyricSheet", "⚠ Doubtful mark: %1. Ctrl+R replays the line to "
                                         "mark it again, Alt+Left or Alt+Right moves it by 0.1 s, "
                                         "Ctrl+G keeps it as it is.")
                    .arg(m_hints[at].flag);
            if (suggestedMs(position) >= 0)
                return QCoreApplication::translate(
                           "LyricSheet", "Suggested time (grey): %1, not saved until accepted. "
                                         "Ctrl+G accepts it; Ctrl+Shift+G accepts every confident "
                                         "one.")
                    .arg(m_hints[at].confident
                             ? QCoreApplication::translate("LyricSheet", "heard in the song")
                             : QCoreApplication::translate("LyricSheet", "a rough guess"));
            return {};
        case Qt::AccessibleTextRole:
            // A screen reader cannot see grey or the sign: it is told what the time is.
            if (const qint64 ms = suggestedMs(position); ms >= 0)
                return QCoreApplication::translate("LyricSheet", "suggested %1")
                    .arg(suggestionText(ms));
            if (flagged)
                return QCoreApplication::translate("LyricSheet", "%1, doubtful: %2")
                    .arg(cell(position, ColTime), m_hints[at].flag);
            return {};
        default:
            return {};
        }
    }
    if (role != Qt::DisplayRole)
        return {};
    if (index.column() == ColTime) {
        if (const qint64 ms = suggestedMs(position); ms >= 0)
            return suggestionText(ms);
    }
    return cell(position, static_cast<Column>(index.column()));
}

// ---- suggested times ------------------------------------------------------------------------

void LyricSheet::setHints(std::vector<Hint> hints) {
    if (hints.empty() && m_hints.empty())
        return;
    m_hints = std::move(hints);
    // Named by their roles, so whoever watches the rows can tell hints from a change of them.
    if (count() > 0)
        emit dataChanged(
            index(0, ColTime), index(count() - 1, ColTime),
            {Qt::DisplayRole, Qt::ToolTipRole, Qt::AccessibleTextRole, SuggestedRole, FlaggedRole});
}

qint64 LyricSheet::suggestedMs(int position) const {
    const auto at = static_cast<std::size_t>(position - 1);
    if (position < 1 || at >= m_hints.size() || at >= m_rows.size())
        return -1;
    const SheetRow& row = m_rows[at];
    return row.time.isEmpty() && row.secs.isEmpty() ? m_hints[at].ms : -1;
}

int LyricSheet::acceptSuggestions(const std::vector<int>& positions, const QString& label) {
    return acceptHints(positions, {}, false, label).lines;
}

QVariant LyricSheet::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 3)
        return {};
    static const char* const captions[] = {"#", QT_TRANSLATE_NOOP("LyricSheet", "Lyric"),
                                           QT_TRANSLATE_NOOP("LyricSheet", "Time"),
                                           QT_TRANSLATE_NOOP("LyricSheet", "Secs")};
    return QCoreApplication::translate("LyricSheet", captions[section]);
}

// ---- precise timing: word marks, nudges and shifts of several rows -------------------------

namespace {

constexpr qint64 kLatestMs = qint64{2147483647} * 1000;

QString secondsText(qint64 deltaMs) {
    return QCoreApplication::translate("LyricSheet", "%1%2 s")
        .arg(deltaMs < 0 ? QStringLiteral("-") : QStringLiteral("+"))
        .arg(static_cast<double>(std::abs(deltaMs)) / 1000);
}

// The row stamped at ms: Secs and Time in whole seconds, the precise time beside them.
void stamp(SheetRow& row, qint64 ms) {
    const qint64 secs = std::clamp<qint64>(ms, 0, kLatestMs) / 1000;
    row.markMs = ms;
    row.secs = QString::number(secs);
    row.time = SecondsToTime(static_cast<std::int32_t>(secs));
}

// The time a nudge moves from: the precise one, else Secs's; nothing for an unmarked row.
std::optional<qint64> timeOf(const SheetRow& row) {
    if (row.hasExactMark())
        return row.markMs;
    const std::optional<qint64> secs = SecsMs(row.secs);
    return secs ? std::optional(std::max<qint64>(0, *secs)) : std::nullopt;
}

} // namespace

bool LyricSheet::changeRows(std::vector<int> positions, const QString& label,
                            const std::function<bool(SheetRow&, int)>& change) {
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    Step step{Step::Rows, label};
    step.cursorBefore = step.cursorAfter = m_cursor;
    for (const int p : positions) {
        if (p < 1 || p > count())
            continue;
        SheetRow& row = m_rows[static_cast<std::size_t>(p - 1)];
        SheetRow before = row;
        if (!change(row, p))
            continue;
        step.positions.push_back(p);
        step.rows.push_back(std::move(before));
        step.afterRows.push_back(row);
        emit dataChanged(index(p - 1, ColNumber), index(p - 1, ColSecs));
    }
    if (step.positions.empty())
        return false;
    if (step.positions.size() == 1) { // one row is a Cells step, as a single change always was
        step.kind = Step::Cells;
        step.position = step.positions.front();
        step.before = std::move(step.rows.front());
        step.after = std::move(step.afterRows.front());
        step.rows.clear();
        step.afterRows.clear();
    }
    push(std::move(step));
    return true;
}

bool LyricSheet::markWord(qint64 ms) {
    const int p = m_cursor.selected;
    if (p < 1)
        return false;
    const SheetRow& row = m_rows[static_cast<std::size_t>(p - 1)];
    std::vector<WordTime> words = row.words.empty() ? WordsOf(row.lyric) : row.words;
    if (words.empty()) {
        const qint64 secs = std::clamp<qint64>(ms, 0, kLatestMs) / 1000;
        return mark(static_cast<std::int32_t>(secs), SecondsToTime(static_cast<std::int32_t>(secs)),
                    ms);
    }
    std::size_t k = static_cast<std::size_t>(m_cursor.word);
    if (k >= words.size())
        k = 0; // every word is stamped: the line starts again
    Step step{Step::Cells,
              QCoreApplication::translate("LyricSheet", "Mark Word \"%1\" at %2")
                  .arg(row.lyric.mid(words[k].start, words[k].length), PreciseTimeText(ms)),
              p};
    step.cursorBefore = m_cursor;
    step.before = row;
    step.after = row;
    if (k == 0) { // the line's own time is its first word's
        for (WordTime& word : words)
            word.ms = word.endMs = -1;
        stamp(step.after, ms);
    }
    words[k].ms = ms;
    words[k].endMs = -1;
    step.after.words = std::move(words);
    setRow(p, step.after);
    if (k + 1 < step.after.words.size())
        m_cursor.word = static_cast<std::int16_t>(k + 1);
    else
        walkMarkCursor();
    step.cursorAfter = m_cursor;
    push(std::move(step));
    return true;
}

LyricSheet::NudgeReport LyricSheet::nudge(const std::vector<int>& positions, int word,
                                          qint64 deltaMs) {
    NudgeReport report;
    const auto move = [&](SheetRow& row, int) {
        const std::optional<qint64> line = timeOf(row);
        const bool ofWord = word >= 0;
        const auto w = static_cast<std::size_t>(std::max(word, 0));
        const bool timed = line && (!ofWord || (w < row.words.size() && row.words[w].ms >= 0));
        if (!timed) {
            ++report.untimed;
            return false;
        }
        const qint64 from = ofWord ? row.words[w].ms : *line;
        const qint64 to = std::clamp<qint64>(from + deltaMs, 0, kLatestMs);
        if (to == from)
            return false;
        if (ofWord) {
            row.words[w].ms = to;
            if (row.words[w].endMs >= 0)
                row.words[w].endMs = std::max(row.words[w].endMs, to);
        } else {
            ShiftWords(row.words, to - from);
        }
        if (!ofWord || w == 0)
            stamp(row, std::clamp<qint64>(*line + (to - from), 0, kLatestMs));
        if (report.moved++ == 0)
            report.firstMs = to;
        return true;
    };
    const char* what = word >= 0              ? QT_TRANSLATE_NOOP("LyricSheet", "Nudge Word by %1")
                       : positions.size() > 1 ? QT_TRANSLATE_NOOP("LyricSheet", "Nudge Lines by %1")
                                              : QT_TRANSLATE_NOOP("LyricSheet", "Nudge Line by %1");
    if (positions.empty())
        return report;
    changeRows(word >= 0 ? std::vector<int>{positions.front()} : positions,
               QCoreApplication::translate("LyricSheet", what).arg(secondsText(deltaMs)), move);
    return report;
}

LyricSheet::ShiftReport LyricSheet::shiftRows(const std::vector<int>& positions,
                                              const QString& amountText) {
    ShiftReport report;
    changeRows(positions,
               positions.size() > 1
                   ? QCoreApplication::translate("LyricSheet", "Adjust Selected Lines")
                   : QCoreApplication::translate("LyricSheet", "Adjust Selected Line"),
               [&](SheetRow&, int p) { return shiftRow(p, amountText, report); });
    return report;
}

std::vector<LyricSheet::WordHint> LyricSheet::wordHints(int position) const {
    const auto at = static_cast<std::size_t>(position - 1);
    if (position < 1 || at >= m_hints.size() || at >= m_rows.size())
        return {};
    const SheetRow& row = m_rows[at];
    std::vector<WordHint> words = m_hints[at].words;
    const std::size_t count = row.words.empty() ? WordsOf(row.lyric).size() : row.words.size();
    if (words.size() != count || !timeOf(row))
        return {};
    // A word marked by hand shows its mark, never a suggestion.
    for (std::size_t k = 0; k < row.words.size(); ++k)
        if (row.words[k].ms >= 0)
            words[k] = {};
    return words;
}

LyricSheet::AcceptedHints LyricSheet::acceptHints(const std::vector<int>& lines,
                                                  const std::vector<int>& words,
                                                  bool confidentWords, const QString& label) {
    // Taken before the first row changes: whoever watches the rows may set new hints.
    std::map<int, qint64> lineMs;
    for (const int position : lines)
        lineMs[position] = suggestedMs(position);
    std::map<int, std::vector<WordHint>> wordMs;
    for (const int position : words)
        wordMs[position] = wordHints(position);
    std::vector<int> positions = lines;
    positions.insert(positions.end(), words.begin(), words.end());
    AcceptedHints accepted;
    changeRows(positions, label, [&](SheetRow& row, int position) {
        if (const auto line = lineMs.find(position); line != lineMs.end() && line->second >= 0) {
            stamp(row, line->second);
            row.words.clear();
            ++accepted.lines;
            return true;
        }
        const auto hinted = wordMs.find(position);
        if (hinted == wordMs.end())
            return false;
        std::vector<WordTime> timed = row.words.empty() ? WordsOf(row.lyric) : row.words;
        const std::optional<qint64> start = timeOf(row);
        if (timed.size() != hinted->second.size() || !start)
            return false;
        int taken = 0;
        for (std::size_t k = 0; k < timed.size(); ++k) {
            const WordHint& hint = hinted->second[k];
            if (timed[k].ms >= 0 || hint.ms < 0 || (confidentWords && !hint.confident))
                continue;
            timed[k].ms = hint.ms;
            ++taken;
        }
        if (taken == 0)
            return false;
        if (timed.front().ms < 0) // the line starts with its first word
            timed.front().ms = *start;
        row.words = std::move(timed);
        ++accepted.wordLines;
        accepted.words += taken;
        return true;
    });
    return accepted;
}

bool LyricSheet::moveWord(int position, int word, qint64 ms) {
    if (position < 1 || position > count() || word < 0)
        return false;
    const SheetRow& now = m_rows[static_cast<std::size_t>(position - 1)];
    const auto w = static_cast<std::size_t>(word);
    if (w >= now.words.size() || now.words[w].ms < 0)
        return false;
    const qint64 to = std::clamp<qint64>(ms, 0, kLatestMs);
    const QString text = now.lyric.mid(now.words[w].start, now.words[w].length);
    return changeRows({position},
                      QCoreApplication::translate("LyricSheet", "Move Word \"%1\" to %2")
                          .arg(text, PreciseTimeText(to)),
                      [&](SheetRow& row, int) {
                          const qint64 from = row.words[w].ms;
                          if (to == from)
                              return false;
                          row.words[w].ms = to;
                          if (row.words[w].endMs >= 0)
                              row.words[w].endMs = std::max(row.words[w].endMs, to);
                          if (const std::optional<qint64> line = timeOf(row); w == 0 && line)
                              stamp(row, std::clamp<qint64>(*line + (to - from), 0, kLatestMs));
                          return true;
                      });
}

bool LyricSheet::splitWord(int position, int word, const std::vector<Syllable>& starts) {
    if (position < 1 || position > count() || word < 0 || starts.empty())
        return false;
    const SheetRow& now = m_rows[static_cast<std::size_t>(position - 1)];
    const auto w = static_cast<std::size_t>(word);
    if (w >= now.words.size() || now.words[w].ms < 0)
        return false;
    const WordTime piece = now.words[w];
    const qsizetype end = piece.start + piece.length;
    std::vector<WordTime> parts{{piece.start, 0, piece.ms, -1}};
    for (const Syllable& s : starts) {
        WordTime& before = parts.back();
        if (s.at <= before.start || s.at >= end || s.ms <= before.ms)
            return false;
        before.length = s.at - before.start;
        parts.push_back({s.at, 0, s.ms, -1});
    }
    parts.back().length = end - parts.back().start;
    parts.back().endMs = piece.endMs;
    QStringList shown;
    for (const WordTime& part : parts)
        shown << now.lyric.mid(part.start, part.length);
    const QString label =
        QCoreApplication::translate("LyricSheet", "Split \"%1\" into \"%2\"")
            .arg(now.lyric.mid(piece.start, piece.length), shown.join(QLatin1Char('-')));
    return changeRows({position}, label, [&](SheetRow& row, int) {
        row.words.erase(row.words.begin() + static_cast<std::ptrdiff_t>(w));
        row.words.insert(row.words.begin() + static_cast<std::ptrdiff_t>(w), parts.begin(),
                         parts.end());
        return true;
    });
}
