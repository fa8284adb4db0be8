#include "window/frmSychLyrics.h"

#include "window/SongSlider.h"
#include "window/UpDown.h"

#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

#include <cstdio>

namespace {

QPushButton* makeButton(const char* name, const QString& caption, bool enabled = true) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setEnabled(enabled);
    button->setAutoDefault(true); // Enter presses the focused button, as Space does
    return button;
}

QLabel* makeLabel(const char* name, const QString& caption) {
    auto* label = new QLabel(caption);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLineEdit* makeTextBox(const char* name, const QString& text) {
    auto* box = new QLineEdit(text);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QFont arialBold(int points) {
    QFont font(QStringLiteral("Arial"), points, QFont::Bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

frmSychLyrics::frmSychLyrics(Platform platform, QWidget* parent)
    : QWidget(parent), m_platform(std::move(platform)) {
    setObjectName(QStringLiteral("frmSychLyrics"));
    setWindowTitle(QStringLiteral("Velmora Versetta"));
    mp3Player = m_platform.player.get();
    if (mp3Player)
        mp3Player->setObjectName(QStringLiteral("Amp3dj1"));
    buildControls();
    layOutControls();
    connectHandlers();
    displayTimer->start();
}

frmSychLyrics::~frmSychLyrics() = default;

void frmSychLyrics::buildControls() {
    cmdClose = makeButton("cmdClose", QStringLiteral("Close"));
    fileBar = new QFrame;
    fileBar->setObjectName(QStringLiteral("Frame1"));
    fileBar->setFrameShape(QFrame::StyledPanel);
    fileNameLabel = makeLabel("Label5", QStringLiteral("File Name:"));
    txtFileName = makeTextBox("txtFileName", QString());
    cmdOpen = makeButton("cmdOpen", QStringLiteral("..."));
    cmdAddLyrics = makeButton("cmdAddLyrics", QStringLiteral("AddLyrics"));
    songFolderBox = makeTextBox("Text1", QString());
    songFileBox = makeTextBox("Text2", QString());

    picSynch = new QWidget;
    picSynch->setObjectName(QStringLiteral("picSynch"));
    lvLyrics = new QTreeView;
    lvLyrics->setObjectName(QStringLiteral("lvLyrics"));
    lvLyrics->setModel(&m_sheet);
    lvLyrics->setToolTip(QStringLiteral("Ctrl+Z undoes the last change to the sheet; "
                                        "Ctrl+Shift+Z or Ctrl+Y redoes it."));
    lvLyrics->setRootIsDecorated(false);
    lvLyrics->setUniformRowHeights(true);
    lvLyrics->setSelectionMode(QAbstractItemView::SingleSelection);
    lvLyrics->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvLyrics->header()->setStretchLastSection(false);
    lvLyrics->header()->setSectionsMovable(false);
    lvLyrics->setColumnWidth(ColNumber, 34);
    lvLyrics->setColumnWidth(ColLyric, 366);
    lvLyrics->header()->setSectionResizeMode(ColLyric, QHeaderView::Stretch);
    lvLyrics->setColumnWidth(ColTime, 63);
    lvLyrics->setColumnHidden(ColSecs, true);

    lblCurrentLyric = makeLabel("lblCurrentLyric", QString());
    lblCurrentLyric->setFont(arialBold(9));
    lblCurrentLyric->setAlignment(Qt::AlignCenter);
    lblCurrentLyric->setStyleSheet(QStringLiteral("color: #000080;"));
    sldSong = new SongSlider;
    sldSong->setObjectName(QStringLiteral("sldSong"));
    lblTime = makeLabel("lblTime", QStringLiteral("0:00 / 0:00"));
    lblTime->setFont(arialBold(12));
    lblTime->setStyleSheet(QStringLiteral("background-color: white;"));
    lblTime->setAlignment(Qt::AlignCenter);
    cmdPlay = makeButton("cmdPlay", QStringLiteral("Play"));
    cmdStop = makeButton("cmdStop", QStringLiteral("Stop"));
    cmdMark = makeButton("cmdMark", QStringLiteral("Mark Line"), false);
    cmdReset = makeButton("cmdReset", QStringLiteral("Clear All Time Markings"));
    cmdInsert = makeButton("cmdInsert", QStringLiteral("Insert Line"));
    cmdAddLine = makeButton("cmdAddLine", QStringLiteral("Add Line To End"));
    cmdRemove = makeButton("cmdRemove", QStringLiteral("Remove Line"));
    cmdAdjustSingle = makeButton("cmdAdjustSingle", QStringLiteral("Adjust Selected Line"));
    txtAdjustSingle = makeTextBox("txtAdjustSingle", QStringLiteral("1"));
    spnAdjustSingle = new UpDown;
    spnAdjustSingle->setObjectName(QStringLiteral("spnAdjustSingle"));
    cmdAdjustAll = makeButton("cmdAdjustAll", QStringLiteral("Adjust All Lines"));
    txtAdjustAll = makeTextBox("txtAdjustAll", QStringLiteral("1"));
    spnAdjustAll = new UpDown;
    spnAdjustAll->setObjectName(QStringLiteral("spnAdjustAll"));
    cmdEditLyric = makeButton("cmdEditLyric", QStringLiteral("Edit Selected Lyric"));
    cmdLineUp = makeButton("cmdLineUp", QStringLiteral("Move Up 1 Line"));
    cmdLineDown = makeButton("cmdLineDown", QStringLiteral("Move Down 1 Line"));
    cmdSave = makeButton("cmdSave", QStringLiteral("Save"), false);

    picUnsynch = new QWidget;
    picUnsynch->setObjectName(QStringLiteral("picUnsynch"));
    txtAddLyrics = new QPlainTextEdit;
    txtAddLyrics->setObjectName(QStringLiteral("txtAddLyrics"));
    txtAddLyrics->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtAddLyrics->setLineWrapMode(QPlainTextEdit::NoWrap);
    cmdPaste = makeButton("cmdPaste", QStringLiteral("Paste From Clipboard"));
    cmdLyricsFromText =
        makeButton("cmdLyricsFromText", QStringLiteral("Get Lyrics From Text File"));
    cmdClearUnsynch = makeButton("cmdClearUnsynch", QStringLiteral("Clear"));
    cmdSaveUnsynch = makeButton("cmdSaveUnsynch", QStringLiteral("Save"), false);

    lblStatus = makeLabel("lblStatus", QString());
    lblStatus->setFont(arialBold(9));
    lblStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);

    displayTimer = new QTimer(this);
    displayTimer->setObjectName(QStringLiteral("Timer1"));
    displayTimer->setInterval(100);
}

void frmSychLyrics::connectClick(QPushButton* button, void (frmSychLyrics::*handler)(),
                                 const char* name) {
    connect(button, &QPushButton::clicked, this,
            [this, handler, name] { guarded(name, [this, handler] { (this->*handler)(); }); });
}

void frmSychLyrics::connectHandlers() {
    connectClick(cmdOpen, &frmSychLyrics::cmdOpen_Click, "Open");
    connectClick(cmdClose, &frmSychLyrics::cmdClose_Click, "Close");
    connectClick(cmdAddLyrics, &frmSychLyrics::cmdAddLyrics_Click, "AddLyrics");
    connectClick(cmdPlay, &frmSychLyrics::cmdPlay_Click, "Play");
    connectClick(cmdStop, &frmSychLyrics::cmdStop_Click, "Stop");
    connectClick(cmdMark, &frmSychLyrics::cmdMark_Click, "Mark Line");
    connectClick(cmdReset, &frmSychLyrics::cmdReset_Click, "Clear All Time Markings");
    connectClick(cmdInsert, &frmSychLyrics::cmdInsert_Click, "Insert Line");
    connectClick(cmdAddLine, &frmSychLyrics::cmdAddLine_Click, "Add Line To End");
    connectClick(cmdRemove, &frmSychLyrics::cmdRemove_Click, "Remove Line");
    connectClick(cmdAdjustSingle, &frmSychLyrics::cmdAdjustSingle_Click, "Adjust Selected Line");
    connectClick(cmdAdjustAll, &frmSychLyrics::cmdAdjustAll_Click, "Adjust All Lines");
    connectClick(cmdEditLyric, &frmSychLyrics::cmdEditLyric_Click, "Edit Selected Lyric");
    connectClick(cmdLineUp, &frmSychLyrics::cmdLineUp_Click, "Move Up 1 Line");
    connectClick(cmdLineDown, &frmSychLyrics::cmdLineDown_Click, "Move Down 1 Line");
    connectClick(cmdSave, &frmSychLyrics::cmdSave_Click, "Save");
    connectClick(cmdPaste, &frmSychLyrics::cmdPaste_Click, "Paste From Clipboard");
    connectClick(cmdLyricsFromText, &frmSychLyrics::cmdLyricsFromText_Click,
                 "Get Lyrics From Text File");
    connectClick(cmdClearUnsynch, &frmSychLyrics::cmdClearUnsynch_Click, "Clear");
    connectClick(cmdSaveUnsynch, &frmSychLyrics::cmdSaveUnsynch_Click, "Save lyrics to the tag");

    connect(lvLyrics, &QTreeView::clicked, this,
            [this] { guarded("Select line", [this] { lvLyrics_Click(); }); });
    connect(lvLyrics, &QTreeView::doubleClicked, this,
            [this] { guarded("Edit Selected Lyric", [this] { lvLyrics_DblClick(); }); });
    // Whatever selects a row (a click, the arrow keys, a handler) is the sheet's selection.
    connect(lvLyrics->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList rows = lvLyrics->selectionModel()->selectedRows();
        m_sheet.setSelected(rows.isEmpty() ? 0 : rows.first().row() + 1);
    });
    connect(txtAddLyrics, &QPlainTextEdit::textChanged, this,
            [this] { guarded("Lyrics text", [this] { txtAddLyrics_Change(); }); });
    txtAddLyrics->viewport()->installEventFilter(this);
    cmdMark->installEventFilter(this);
    connect(spnAdjustSingle, &UpDown::stepped, this, [this](int direction) {
        guarded("Adjust Selected Line", [this, direction] { spnAdjustSingle_Change(direction); });
    });
    connect(spnAdjustAll, &UpDown::stepped, this, [this](int direction) {
        guarded("Adjust All Lines", [this, direction] { spnAdjustAll_Change(direction); });
    });
    connect(sldSong, &SongSlider::userMoved, this,
            [this] { guarded("Seek", [this] { sldSong_Scroll(); }); });
    connect(displayTimer, &QTimer::timeout, this,
            [this] { guarded("Timer", [this] { Timer1_Timer(); }); });
    if (mp3Player)
        connect(mp3Player, &Mp3Player::SongEnded, this, [this](int reason) {
            guarded("End of song", [this, reason] { Amp3dj1_SongEnded(reason); });
        });
}

bool frmSychLyrics::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtAddLyrics->viewport() && event->type() == QEvent::MouseButtonRelease)
        guarded("Lyrics text", [this] { txtAddLyrics_Click(); });
    // A held key marks one line: Return would click once per repeat, overwriting the marks of
    // the lines after it.
    if (watched == cmdMark &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat() && (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return ||
                                    key->key() == Qt::Key_Enter))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool frmSychLyrics::focusNextPrevChild(bool next) {
    // Besides Tab, a control that is disabled or hidden while it has the focus passes it on
    // here, and the next control may be Clear All Time Markings or Remove Line, where one
    // stray Space destroys work. Such a hand-over goes to a harmless control instead.
    const QWidget* focused = focusWidget();
    if (!focused || (focused->isEnabled() && focused->isVisibleTo(this)))
        return QWidget::focusNextPrevChild(next);
    for (QWidget* harmless : {static_cast<QWidget*>(cmdMark), static_cast<QWidget*>(cmdPlay),
                              static_cast<QWidget*>(txtFileName)})
        if (harmless->isEnabled() && harmless->isVisibleTo(this)) {
            harmless->setFocus(Qt::OtherFocusReason);
            return true;
        }
    return QWidget::focusNextPrevChild(next);
}

void frmSychLyrics::showStatus(const QString& text) {
    lblStatus->setText(text);
}

void frmSychLyrics::reportFailure(const QString& message) noexcept {
    try {
        showStatus(message);
        std::fprintf(stderr, "velmora-versetta: %s\n", message.toLocal8Bit().constData());
    } catch (...) {
        // Nothing sensible is left to do when even the report fails.
    }
}
