#include "window/WindowLayout.h"

#include "controls/FlatButtonStyle.h"
#include "controls/LyricList.h"
#include "controls/SongSlider.h"
#include "controls/UpDown.h"
#include "controls/WordStrip.h"
#include "window/Controls.h"
#include "window/WindowLook.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

// Sizes follow the original arrangement at 15 twips a pixel: buttons 100 by 33, the sheet
// 485 by 289, the window 749 by 481. Layouts let everything grow with the window.
namespace {

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
    auto* label = new QLabel(QCoreApplication::translate("WindowLayout", caption));
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

using Controls = WindowControls;

void styleButtons(const Controls& ui) {
    SizeButtons({ui.cmdClose, ui.cmdAddLyrics, ui.cmdPlay, ui.cmdStop, ui.cmdMark, ui.cmdReset,
                 ui.cmdInsert, ui.cmdAddLine, ui.cmdRemove, ui.cmdAdjustSingle, ui.cmdAdjustAll,
                 ui.cmdEditLyric, ui.cmdLineUp, ui.cmdLineDown, ui.cmdSave, ui.cmdPaste,
                 ui.cmdLyricsFromText, ui.cmdClearUnsynch, ui.cmdSaveUnsynch});
    // The editing buttons share one width so their columns line up.
    for (QPushButton* button :
         {ui.cmdMark, ui.cmdReset, ui.cmdInsert, ui.cmdAddLine, ui.cmdRemove, ui.cmdAdjustSingle,
          ui.cmdAdjustAll, ui.cmdEditLyric, ui.cmdLineUp, ui.cmdLineDown, ui.cmdSave})
        button->setFixedWidth(kEditingButtonWidth);
    ui.cmdLyricsFromText->setMinimumWidth(150);
    ui.cmdOpen->setFixedSize(24, 24);
    ui.cmdOpen->setToolTip(QCoreApplication::translate("WindowLayout", "Open a song"));
}

// The file bar's frame on the left, Close on the right.
QLayout* fileBarRow(const Controls& ui) {
    auto* inFrame = new QHBoxLayout(ui.fileBar);
    inFrame->setContentsMargins(8, 6, 8, 6);
    ui.txtFileName->setMinimumWidth(389);
    for (QWidget* widget :
         {static_cast<QWidget*>(ui.fileNameLabel), static_cast<QWidget*>(ui.txtFileName),
          static_cast<QWidget*>(ui.cmdOpen), static_cast<QWidget*>(ui.cmdAddLyrics),
          static_cast<QWidget*>(ui.songFolderBox), static_cast<QWidget*>(ui.songFileBox)})
        inFrame->addWidget(widget);
    inFrame->setStretchFactor(ui.txtFileName, 1);
    ui.cmdAddLyrics->hide();
    ui.songFolderBox->hide();
    ui.songFileBox->hide();
    // One height in every state, AddLyrics shown or not; the window's spare height goes below.
    ui.fileBar->setFixedHeight(kButtonHeight + 2 * 6 + 2 * ui.fileBar->frameWidth());
    auto* top = new QHBoxLayout;
    top->addWidget(ui.fileBar, 1);
    top->addSpacing(8);
    top->addWidget(ui.cmdClose, 0, Qt::AlignTop);
    return top;
}

// List, current lyric, slider and transport.
QLayout* sheetColumn(const Controls& ui) {
    ui.lvLyrics->setMinimumSize(485, 200);
    auto* sliderRow = new QHBoxLayout;
    sliderRow->addWidget(ui.sldSong, 1);
    sliderRow->addWidget(ui.lblTime);
    auto* left = new QVBoxLayout;
    left->addWidget(ui.lvLyrics, 1);
    left->addWidget(ui.wordStrip);
    ui.wordStrip->hide(); // until words are timed: the window looks as it always did
    left->addWidget(ui.lblCurrentLyric);
    left->addLayout(sliderRow);
    left->addLayout(row({ui.cmdPlay, ui.cmdStop}));
    return left;
}

// The editing buttons in their groups between separator lines.
QLayout* editingColumn(const Controls& ui) {
    auto* right = new QVBoxLayout;
    right->addLayout(row({ui.cmdMark, ui.cmdReset}));
    right->addWidget(makeLine("Line1"));
    right->addLayout(row({ui.cmdInsert, ui.cmdAddLine}));
    right->addLayout(row({ui.cmdRemove}));
    right->addWidget(makeLine("Line2"));
    right->addLayout(adjustRow(ui.cmdAdjustSingle,
                               makeLabel("Label1", QT_TRANSLATE_NOOP("WindowLayout", "By")),
                               ui.txtAdjustSingle, ui.spnAdjustSingle,
                               makeLabel("Label2", QT_TRANSLATE_NOOP("WindowLayout", "Secs."))));
    right->addLayout(adjustRow(ui.cmdAdjustAll,
                               makeLabel("Label4", QT_TRANSLATE_NOOP("WindowLayout", "By")),
                               ui.txtAdjustAll, ui.spnAdjustAll,
                               makeLabel("Label3", QT_TRANSLATE_NOOP("WindowLayout", "Secs."))));
    right->addWidget(makeLine("Line3"));
    right->addLayout(row({ui.cmdEditLyric}));
    right->addWidget(makeLine("Line4"));
    right->addLayout(row({ui.cmdLineUp, ui.cmdLineDown}));
    right->addStretch(1);
    auto* saveRow = new QHBoxLayout;
    saveRow->addStretch();
    saveRow->addWidget(ui.cmdSave);
    right->addLayout(saveRow);
    return right;
}

void layOutSynchPanel(const Controls& ui) {
    auto* synch = new QHBoxLayout(ui.picSynch);
    synch->setContentsMargins(0, 0, 0, 0);
    synch->addLayout(sheetColumn(ui), 1);
    synch->addSpacing(8);
    synch->addLayout(editingColumn(ui));
}

void layOutUnsynchPanel(const Controls& ui) {
    auto* unsynch = new QVBoxLayout(ui.picUnsynch);
    unsynch->setContentsMargins(0, 0, 0, 0);
    unsynch->addWidget(ui.txtAddLyrics, 1);
    auto* unsynchButtons = row({ui.cmdPaste, ui.cmdLyricsFromText}, false);
    unsynchButtons->addStretch();
    unsynchButtons->addWidget(ui.cmdClearUnsynch);
    unsynchButtons->addWidget(ui.cmdSaveUnsynch);
    unsynch->addLayout(unsynchButtons);
}

} // namespace

void LayOutWindow(QWidget& window, const WindowControls& ui) {
    styleButtons(ui);
    layOutSynchPanel(ui);
    layOutUnsynchPanel(ui);
    // Both panels share one place; at most one is shown.
    auto* panels = new QGridLayout;
    panels->addWidget(ui.picSynch, 0, 0);
    panels->addWidget(ui.picUnsynch, 0, 0);
    ui.picUnsynch->hide();

    auto* column = new QVBoxLayout(&window);
    column->setContentsMargins(12, 4, 8, 0);
    column->addLayout(fileBarRow(ui));
    column->addLayout(panels, 1);
    // With both panels hidden the free space lands here, not in the file bar or status line.
    column->addStretch(0);
    column->addWidget(ui.lblStatus);
    auto* buttonStyle = new FlatButtonStyle;
    buttonStyle->setParent(&window);
    for (QPushButton* button : window.findChildren<QPushButton*>())
        button->setStyle(buttonStyle);
    window.resize(880, 560);
}

namespace {

// Scrolls where the window does not fit, and nowhere else: the keys it would scroll by go on to
// the window, which has keys of its own.
class ScreenFit final : public QScrollArea {
public:
    ScreenFit() {
        setObjectName(QStringLiteral("windowScroll"));
        setFrameShape(QFrame::NoFrame);
        setFocusPolicy(Qt::NoFocus);
        setWidgetResizable(true);
        // However the keyboard gets there: Tab, a key of the window's, or the program.
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            if (now && widget() && widget()->isAncestorOf(now))
                ensureWidgetVisible(now);
        });
    }

protected:
    void keyPressEvent(QKeyEvent* event) override { event->ignore(); }
};

// The title bar and borders a window manager adds, at most.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;

} // namespace

void FitWindowToScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen || !window.layout())
        return;
    const QSize room = screen->availableGeometry().size() - QSize(kFrameWidth, kFrameHeight);
    const QSize needed = window.minimumSizeHint();
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return;
    const QString name = QCoreApplication::translate("WindowLayout", "Window contents");
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("windowPage"));
    page->setAccessibleName(name);
    page->setAccessibleDescription(
        QCoreApplication::translate("WindowLayout", "All of the window's controls"));
    page->setLayout(window.layout()); // takes the controls along
    auto* fit = new ScreenFit;
    fit->setAccessibleName(name);
    fit->setAccessibleDescription(QCoreApplication::translate(
        "WindowLayout", "The screen is too small for the whole window: its controls scroll"));
    fit->setWidget(page);
    // A screen reader reads the scroll area's own parts too.
    fit->viewport()->setAccessibleName(name);
    for (QWidget* part : fit->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (part != fit->viewport() && part->accessibleName().isEmpty())
            part->setAccessibleName(QCoreApplication::translate("WindowLayout", "Scroll bar"));
    auto* whole = new QVBoxLayout(&window);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(fit);
    // As small as the screen allows, no smaller: a smaller window would only hide more.
    window.setMinimumSize(needed.boundedTo(room));
    window.resize(window.size().boundedTo(room));
}
