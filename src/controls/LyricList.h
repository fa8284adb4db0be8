#pragma once

#include <QTreeView>

#include <vector>

class LyricSheet;

// The sheet as a list: number, lyric and time, each lyric read in its own direction, a
// suggested time grey and a doubted mark in a warning colour. Positions are 1-based, as the
// sheet's are.
class LyricList final : public QTreeView {
    Q_OBJECT
public:
    explicit LyricList(LyricSheet& sheet, QWidget* parent = nullptr);

    // Makes position the one selected row, whatever modifier keys are down; scrolls to it
    // only when asked.
    void selectPosition(int position, bool scrollIntoView);
    // The selected rows, in order; several when the user picked them.
    std::vector<int> selectedPositions() const;
    void selectPositions(const std::vector<int>& positions);
    // Drawn in the list while it has no rows, so an empty window says what to do.
    void setEmptyHint(const QString& hint);
    QString emptyHint() const { return m_emptyHint; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitColumns(int first, int last);

    LyricSheet& m_sheet;
    QString m_emptyHint;
};
