#include "window/frmSychLyrics.h"

#include "sheet/TimeText.h"

#include <QLabel>
#include <QTreeWidget>

void frmSychLyrics::cmdMark_Click() {
    const int stamped = selectedRow();
    if (stamped == 0)
        return; // nothing selected: nothing to stamp
    const std::int32_t secs = player().GetPosition();
    const std::int16_t minutes = player().GetPositionMinutes();
    const std::int16_t seconds = player().GetPositionSeconds();
    if (secs > kMaxMarkSeconds) {
        lblStatus->setText(QStringLiteral("Lines can be marked up to %1 into a song.")
                               .arg(SecondsToTime(kMaxMarkSeconds)));
        return;
    }
    const QString timeText =
        minutes > 0 || seconds > 0 ? SecondsToTime(minutes * 60 + seconds) : QString();
    const QString lyric = cell(stamped, ColLyric);
    setCell(stamped, ColTime, timeText);
    setCell(stamped, ColSecs, QString::number(secs));
    if (currentLine == 0)
        currentLine = 1;
    lblCurrentLyric->setText(lyric);

    // On to the next line that has words; blank rows are pauses and are passed over.
    while (currentLine < kMaxRows) {
        ++currentLine;
        const int position = currentLine + lineOffset;
        if (position > rowCount())
            break;
        selectRow(position, false);
        if (!cell(position, ColLyric).isEmpty())
            break;
    }
    if (QTreeWidgetItem* current = lvLyrics->currentItem())
        lvLyrics->scrollToItem(current);
    ShowSaveButton();
}

void frmSychLyrics::cmdReset_Click() {
    for (int i = 1; i <= rowCount(); ++i) {
        setCell(i, ColTime, QString());
        setCell(i, ColSecs, QString());
    }
    ShowSaveButton();
}
