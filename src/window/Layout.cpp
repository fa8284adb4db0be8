#include "window/frmSychLyrics.h"

#include "window/SongSlider.h"
#include "window/UpDown.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

// Sizes follow the original arrangement at 15 twips a pixel: buttons 100 by 33, the sheet
// 485 by 289, the window 749 by 481. Layouts let everything grow with the window.
namespace {

constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 33;

void sizeButtons(std::initializer_list<QPushButton*> buttons) {
    for (QPushButton* button : buttons)
        button->setMinimumSize(kButtonWidth, kButtonHeight);
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretchAtEnd = true) {
    auto* layout = new QHBoxLayout;
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    if (stretchAtEnd)
        layout->addStretch();
    return layout;
}

QHBoxLayout* adjustRow(QPushButton* button, QLabel* by, QLineEdit* box, QWidget* spinner,
                       QLabel* secs) {
    box->setFixedWidth(48);
    box->setAlignment(Qt::AlignRight);
    auto* layout = row({button, by, box, spinner, secs});
    layout->setSpacing(4);
    return layout;
}

// Layout-only widgets: the captions beside the amount boxes and the separator lines.
QLabel* makeLabel(const char* name, const char* caption) {
    auto* label = new QLabel(QString::fromLatin1(caption));
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QFrame* makeLine(const char* name) {
    auto* line = new QFrame;
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

void frmSychLyrics::layOutControls() {
    setStyleSheet(QStringLiteral("QPushButton { background-color: #E0E0E0; border: 1px solid "
                                 "#8a8a8a; border-radius: 2px; padding: 2px 6px; }"
                                 "QPushButton:pressed { background-color: #c8c8c8; }"
                                 "QPushButton:disabled { color: #9a9a9a; border-color: #c0c0c0; }"
                                 "QPushButton:focus { border: 1px dotted #202020; }"));
    sizeButtons({cmdClose, cmdAddLyrics, cmdPlay, cmdStop, cmdMark, cmdReset, cmdInsert, cmdAddLine,
                 cmdRemove, cmdAdjustSingle, cmdAdjustAll, cmdEditLyric, cmdLineUp, cmdLineDown,
                 cmdSave, cmdPaste, cmdLyricsFromText, cmdClearUnsynch, cmdSaveUnsynch});
    // The editing buttons share one width so their columns line up.
    for (QPushButton* button :
         {cmdMark, cmdReset, cmdInsert, cmdAddLine, cmdRemove, cmdAdjustSingle, cmdAdjustAll,
          cmdEditLyric, cmdLineUp, cmdLineDown, cmdSave})
        button->setFixedWidth(164);
    cmdLyricsFromText->setMinimumWidth(150);
    cmdOpen->setFixedSize(24, 24);
    cmdOpen->setToolTip(QStringLiteral("Open a song"));

    // File bar: the frame on the left, Close on the right.
    auto* fileBarRow = new QHBoxLayout(fileBar);
    fileBarRow->setContentsMargins(8, 6, 8, 6);
    txtFileName->setMinimumWidth(389);
    for (QWidget* widget :
         {static_cast<QWidget*>(fileNameLabel), static_cast<QWidget*>(txtFileName),
          static_cast<QWidget*>(cmdOpen), static_cast<QWidget*>(cmdAddLyrics),
          static_cast<QWidget*>(songFolderBox), static_cast<QWidget*>(songFileBox)})
        fileBarRow->addWidget(widget);
    fileBarRow->setStretchFactor(txtFileName, 1);
    cmdAddLyrics->hide();
    songFolderBox->hide();
    songFileBox->hide();
    // One height in every state, AddLyrics shown or not; the window's spare height goes below.
    fileBar->setFixedHeight(kButtonHeight + 2 * 6 + 2 * fileBar->frameWidth());
    auto* top = new QHBoxLayout;
    top->addWidget(fileBar, 1);
    top->addSpacing(8);
    top->addWidget(cmdClose, 0, Qt::AlignTop);

    // The sheet panel: list, current lyric, slider and transport on the left.
    lvLyrics->setMinimumSize(485, 200);
    auto* sliderRow = new QHBoxLayout;
    sliderRow->addWidget(sldSong, 1);
    lblTime->setMinimumWidth(110);
    sliderRow->addWidget(lblTime);
    auto* left = new QVBoxLayout;
    left->addWidget(lvLyrics, 1);
    left->addWidget(lblCurrentLyric);
    left->addLayout(sliderRow);
    left->addLayout(row({cmdPlay, cmdStop}));

    // ... and the editing buttons on the right, in their groups between separator lines.
    auto* right = new QVBoxLayout;
    right->addLayout(row({cmdMark, cmdReset}));
    right->addWidget(makeLine("Line1"));
    right->addLayout(row({cmdInsert, cmdAddLine}));
    right->addLayout(row({cmdRemove}));
    right->addWidget(makeLine("Line2"));
    right->addLayout(adjustRow(cmdAdjustSingle, makeLabel("Label1", "By"), txtAdjustSingle,
                               spnAdjustSingle, makeLabel("Label2", "Secs.")));
    right->addLayout(adjustRow(cmdAdjustAll, makeLabel("Label4", "By"), txtAdjustAll, spnAdjustAll,
                               makeLabel("Label3", "Secs.")));
    right->addWidget(makeLine("Line3"));
    right->addLayout(row({cmdEditLyric}));
    right->addWidget(makeLine("Line4"));
    right->addLayout(row({cmdLineUp, cmdLineDown}));
    right->addStretch(1);
    auto* saveRow = new QHBoxLayout;
    saveRow->addStretch();
    saveRow->addWidget(cmdSave);
    right->addLayout(saveRow);

    auto* synch = new QHBoxLayout(picSynch);
    synch->setContentsMargins(0, 0, 0, 0);
    synch->addLayout(left, 1);
    synch->addSpacing(8);
    synch->addLayout(right);

    // The text panel.
    auto* unsynch = new QVBoxLayout(picUnsynch);
    unsynch->setContentsMargins(0, 0, 0, 0);
    unsynch->addWidget(txtAddLyrics, 1);
    auto* unsynchButtons = row({cmdPaste, cmdLyricsFromText}, false);
    unsynchButtons->addStretch();
    unsynchButtons->addWidget(cmdClearUnsynch);
    unsynchButtons->addWidget(cmdSaveUnsynch);
    unsynch->addLayout(unsynchButtons);

    // Both panels share one place; at most one is shown.
    auto* panels = new QGridLayout;
    panels->addWidget(picSynch, 0, 0);
    panels->addWidget(picUnsynch, 0, 0);
    picUnsynch->hide();

    lblStatus->setMinimumHeight(19);
    lblStatus->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    lblStatus->setFrameShape(QFrame::Panel);
    lblStatus->setFrameShadow(QFrame::Sunken);

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(12, 4, 8, 0);
    window->addLayout(top);
    window->addLayout(panels, 1);
    // With both panels hidden the free space lands here, not in the file bar or status line.
    window->addStretch(0);
    window->addWidget(lblStatus);
    resize(880, 560);
}
