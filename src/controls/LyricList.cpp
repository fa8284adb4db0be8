#include "controls/LyricList.h"

#include "sheet/LyricSheet.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>

#include <algorithm>

namespace {

// Each line reads in its own direction: an Arabic or Hebrew line from the right, a Latin one
// from the left, whatever the window's direction.
class LyricDirectionDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->direction = option->text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    }

    // A lyric cut at the column's edge is shown whole when the pointer rests on it; one that
    // fits leaves the list's own tooltip.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        if (event->type() == QEvent::ToolTip && index.isValid()) {
            const QString lyric = index.data().toString();
            if (option.fontMetrics.horizontalAdvance(lyric) + kCellMargin > option.rect.width()) {
                QToolTip::showText(event->globalPos(), lyric, view->viewport(), option.rect);
                return true;
            }
        }
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }

private:
    static constexpr int kCellMargin = 8;
};

// A suggested time reads grey, as a guess; a mark the timing check doubts reads in a warning
// colour with a sign, its tooltip saying why.
class TimeHintDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(LyricSheet::SuggestedRole).toBool()) {
            option->palette.setColor(QPalette::Text,
                                     option->palette.color(QPalette::PlaceholderText));
        } else if (index.data(LyricSheet::FlaggedRole).toBool()) {
            option->palette.setColor(QPalette::Text, QColor(200, 40, 0));
            option->text += QStringLiteral(" \u26A0");
        }
    }
};

// The Time column as it was drawn, and the room a cell's text needs beside it.
constexpr int kNumberWidth = 34;
constexpr int kTimeWidth = 63;
constexpr int kTimeMargin = 14;

} // namespace

LyricList::LyricList(LyricSheet& sheet, QWidget* parent) : QTreeView(parent), m_sheet(sheet) {
    setModel(&sheet);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    // Several rows are selected to shift or nudge them together.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    setColumnWidth(LyricSheet::ColNumber, kNumberWidth);
    setColumnWidth(LyricSheet::ColLyric, 366);
    header()->setSectionResizeMode(LyricSheet::ColLyric, QHeaderView::Stretch);
    setColumnWidth(LyricSheet::ColTime, kTimeWidth);
    setColumnHidden(LyricSheet::ColSecs, true);
    setItemDelegateForColumn(LyricSheet::ColLyric, new LyricDirectionDelegate(this));
    setItemDelegateForColumn(LyricSheet::ColTime, new TimeHintDelegate(this));
    connect(&sheet, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) {
                if (from.column() <= LyricSheet::ColTime && to.column() >= LyricSheet::ColTime)
                    fitColumns(from.row(), to.row());
            });
    connect(&sheet, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { fitColumns(first, last); });
    connect(&sheet, &QAbstractItemModel::modelReset, this, [this] {
        setColumnWidth(LyricSheet::ColNumber, kNumberWidth);
        setColumnWidth(LyricSheet::ColTime, kTimeWidth);
        fitColumns(0, m_sheet.rowCount() - 1);
    });
}

// Times of an hour or more (H:MM:SS), a doubted mark's sign and line numbers of four digits or
// more widen their columns rather than being cut short; they keep their width until other
// lyrics are loaded.
void LyricList::fitColumns(int first, int last) {
    const QFontMetrics metrics(font());
    int widest = columnWidth(LyricSheet::ColTime);
    int widestNumber = columnWidth(LyricSheet::ColNumber);
    for (int row = std::max(first, 0); row <= last && row < m_sheet.rowCount(); ++row) {
        const QString number = m_sheet.index(row, LyricSheet::ColNumber).data().toString();
        if (number.size() > 3) // "999" fits as the column was drawn
            widestNumber = std::max(widestNumber, metrics.horizontalAdvance(number) + kTimeMargin);
        const QModelIndex cell = m_sheet.index(row, LyricSheet::ColTime);
        QString text = cell.data().toString();
        if (cell.data(LyricSheet::FlaggedRole).toBool())
            text += QStringLiteral(" \u26A0");
        if (text.size() > 5) // "59:59" and shorter fit as the column was drawn
            widest = std::max(widest, metrics.horizontalAdvance(text) + kTimeMargin);
    }
    if (widest > columnWidth(LyricSheet::ColTime))
        setColumnWidth(LyricSheet::ColTime, widest);
    if (widestNumber > columnWidth(LyricSheet::ColNumber))
        setColumnWidth(LyricSheet::ColNumber, widestNumber);
}

void LyricList::selectPosition(int position, bool scrollIntoView) {
    if (position < 1 || position > m_sheet.count())
        return;
    const QModelIndex row = m_sheet.index(position - 1, LyricSheet::ColNumber);
    // Making a row current scrolls to it; callers that must not scroll say so.
    const bool scrolls = hasAutoScroll();
    setAutoScroll(false);
    selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect |
                                               QItemSelectionModel::Rows);
    setAutoScroll(scrolls);
    if (scrollIntoView)
        scrollTo(row);
}

std::vector<int> LyricList::selectedPositions() const {
    std::vector<int> positions;
    for (const QModelIndex& row : selectionModel()->selectedRows())
        positions.push_back(row.row() + 1);
    std::sort(positions.begin(), positions.end());
    return positions;
}

void LyricList::selectPositions(const std::vector<int>& positions) {
    if (positions.empty())
        return;
    selectPosition(positions.front(), true);
    for (const int position : positions)
        selectionModel()->select(m_sheet.index(position - 1, LyricSheet::ColNumber),
                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void LyricList::setEmptyHint(const QString& hint) {
    m_emptyHint = hint;
    viewport()->update();
}

void LyricList::paintEvent(QPaintEvent* event) {
    QTreeView::paintEvent(event);
    if (m_sheet.count() > 0 || m_emptyHint.isEmpty())
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(viewport()->rect().adjusted(12, 12, -12, -12),
                     Qt::AlignCenter | Qt::TextWordWrap, m_emptyHint);
}
