#include "window/frmSychLyrics.h"

#include "controls/KeyDownClick.h"
#include "controls/LyricList.h"
#include "controls/SongSlider.h"
#include "controls/UpDown.h"
#include "controls/WordStrip.h"
#include "session/SongSession.h"

#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

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
    : QWidget(parent), m_platform(std::move(platform)),
      m_session(new SongSession(m_platform.player.get(), m_platform.newTagComponent,
                                m_platform.programFolder, m_platform.settingsFile, this)) {
    setObjectName(QStringLiteral("frmSychLyrics"));
    setWindowTitle(QStringLiteral("Velmora Versetta"));
    ui.mp3Player = m_platform.player.get();
    if (ui.mp3Player) {
        ui.mp3Player->setObjectName(QStringLiteral("Amp3dj1"));
        // Found by name among the window's controls; m_platform still deletes it first.
        ui.mp3Player->setParent(this);
    }
    buildControls();
    layOutControls();
    connectHandlers();
    installMarkingKeys();
    installTextPanelKeys();
    installDropTargets();
    installSuggestions();
    connectSongWaveform();
    installWordKeys(); // the strip draws the song's waveform too
    ui.displayTimer->start();
}

frmSychLyrics::~frmSychLyrics() = default;

LyricSheet& frmSychLyrics::sheet() {
    return m_session->sheet();
}

const LyricSheet& frmSychLyrics::sheet() const {
    return m_session->sheet();
}

void frmSychLyrics::showSongPath(const QString& path) {
    ui.songFolderBox->setText(m_session->songFolder());
    ui.songFileBox->setText(m_session->songName());
    ui.txtFileName->setText(path);
}

void frmSychLyrics::buildControls() {
    ui.cmdClose = makeButton("cmdClose", QStringLiteral("Close"));
    ui.fileBar = new QFrame;
    ui.fileBar->setObjectName(QStringLiteral("Frame1"));
    ui.fileBar->setFrameShape(QFrame::StyledPanel);
    ui.fileNameLabel = makeLabel("Label5", QStringLiteral("File Name:"));
    ui.txtFileName = makeTextBox("txtFileName", QString());
    ui.cmdOpen = makeButton("cmdOpen", QStringLiteral("..."));
    ui.cmdAddLyrics = makeButton("cmdAddLyrics", QStringLiteral("AddLyrics"));
    ui.songFolderBox = makeTextBox("Text1", QString());
    ui.songFileBox = makeTextBox("Text2", QString());

    ui.picSynch = new QWidget;
    ui.picSynch->setObjectName(QStringLiteral("picSynch"));
    ui.lvLyrics = new LyricList(m_session->sheet());
    ui.lvLyrics->setObjectName(QStringLiteral("lvLyrics"));
    ui.lvLyrics->setToolTip(QStringLiteral("Ctrl+Z undoes the last change to the sheet; "
                                           "Ctrl+Shift+Z or Ctrl+Y redoes it."));
    ui.wordStrip = new WordStrip;
    ui.wordStrip->setObjectName(QStringLiteral("wordStrip"));

    ui.lblCurrentLyric = makeLabel("lblCurrentLyric", QString());
    ui.lblCurrentLyric->setFont(arialBold(9));
    ui.lblCurrentLyric->setAlignment(Qt::AlignCenter);
    QPalette navy = ui.lblCurrentLyric->palette();
    navy.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    ui.lblCurrentLyric->setPalette(navy);
    ui.sldSong = new SongSlider;
    ui.sldSong->setObjectName(QStringLiteral("sldSong"));
    ui.lblTime = makeLabel("lblTime", QStringLiteral("0:00 / 0:00"));
    ui.lblTime->setFont(arialBold(12));
    QPalette white = ui.lblTime->palette();
    white.setColor(QPalette::Window, Qt::white);
    ui.lblTime->setPalette(white);
    ui.lblTime->setAutoFillBackground(true);
    ui.lblTime->setAlignment(Qt::AlignCenter);
    ui.cmdPlay = makeButton("cmdPlay", QStringLiteral("Play"));
    ui.cmdStop = makeButton("cmdStop", QStringLiteral("Stop"));
    ui.cmdMark = makeButton("cmdMark", QStringLiteral("Mark Line"), false);
    ui.cmdReset = makeButton("cmdReset", QStringLiteral("Clear All Time Markings"));
    ui.cmdInsert = makeButton("cmdInsert", QStringLiteral("Insert Line"));
    ui.cmdAddLine = makeButton("cmdAddLine", QStringLiteral("Add Line To End"));
    ui.cmdRemove = makeButton("cmdRemove", QStringLiteral("Remove Line"));
    ui.cmdAdjustSingle = makeButton("cmdAdjustSingle", QStringLiteral("Adjust Selected Line"));
    ui.txtAdjustSingle = makeTextBox("txtAdjustSingle", QStringLiteral("1"));
    ui.spnAdjustSingle = new UpDown;
    ui.spnAdjustSingle->setObjectName(QStringLiteral("spnAdjustSingle"));
    ui.cmdAdjustAll = makeButton("cmdAdjustAll", QStringLiteral("Adjust All Lines"));
    ui.txtAdjustAll = makeTextBox("txtAdjustAll", QStringLiteral("1"));
    ui.spnAdjustAll = new UpDown;
    ui.spnAdjustAll->setObjectName(QStringLiteral("spnAdjustAll"));
    ui.cmdEditLyric = makeButton("cmdEditLyric", QStringLiteral("Edit Selected Lyric"));
    ui.cmdLineUp = makeButton("cmdLineUp", QStringLiteral("Move Up 1 Line"));
    ui.cmdLineDown = makeButton("cmdLineDown", QStringLiteral("Move Down 1 Line"));
    ui.cmdSave = makeButton("cmdSave", QStringLiteral("Save"), false);

    ui.picUnsynch = new QWidget;
    ui.picUnsynch->setObjectName(QStringLiteral("picUnsynch"));
    ui.txtAddLyrics = new QPlainTextEdit;
    ui.txtAddLyrics->setObjectName(QStringLiteral("txtAddLyrics"));
    ui.txtAddLyrics->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ui.txtAddLyrics->setLineWrapMode(QPlainTextEdit::NoWrap);
    ui.cmdPaste = makeButton("cmdPaste", QStringLiteral("Paste From Clipboard"));
    ui.cmdLyricsFromText =
        makeButton("cmdLyricsFromText", QStringLiteral("Get Lyrics From Text File"));
    ui.cmdClearUnsynch = makeButton("cmdClearUnsynch", QStringLiteral("Clear"));
    ui.cmdSaveUnsynch = makeButton("cmdSaveUnsynch", QStringLiteral("Save"), false);

    ui.lblStatus = makeLabel("lblStatus", QString());
    ui.lblStatus->setFont(arialBold(9));
    ui.lblStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);

    ui.displayTimer = new QTimer(this);
    ui.displayTimer->setObjectName(QStringLiteral("Timer1"));
    ui.displayTimer->setInterval(100);
}

void frmSychLyrics::connectClick(QPushButton* button, void (frmSychLyrics::*handler)(),
                                 const char* name) {
    connect(button, &QPushButton::clicked, this,
            [this, handler, name] { guarded(name, [this, handler] { (this->*handler)(); }); });
}

void frmSychLyrics::connectHandlers() {
    connectClick(ui.cmdOpen, &frmSychLyrics::cmdOpen_Click, "Open");
    connectClick(ui.cmdClose, &frmSychLyrics::cmdClose_Click, "Close");
    connectClick(ui.cmdAddLyrics, &frmSychLyrics::cmdAddLyrics_Click, "AddLyrics");
    connectClick(ui.cmdPlay, &frmSychLyrics::cmdPlay_Click, "Play");
    connectClick(ui.cmdStop, &frmSychLyrics::cmdStop_Click, "Stop");
    connectClick(ui.cmdMark, &frmSychLyrics::cmdMark_Click, "Mark Line");
    connectClick(ui.cmdReset, &frmSychLyrics::cmdReset_Click, "Clear All Time Markings");
    connectClick(ui.cmdInsert, &frmSychLyrics::cmdInsert_Click, "Insert Line");
    connectClick(ui.cmdAddLine, &frmSychLyrics::cmdAddLine_Click, "Add Line To End");
    connectClick(ui.cmdRemove, &frmSychLyrics::cmdRemove_Click, "Remove Line");
    connectClick(ui.cmdAdjustSingle, &frmSychLyrics::cmdAdjustSingle_Click, "Adjust Selected Line");
    connectClick(ui.cmdAdjustAll, &frmSychLyrics::cmdAdjustAll_Click, "Adjust All Lines");
    connectClick(ui.cmdEditLyric, &frmSychLyrics::cmdEditLyric_Click, "Edit Selected Lyric");
    connectClick(ui.cmdLineUp, &frmSychLyrics::cmdLineUp_Click, "Move Up 1 Line");
    connectClick(ui.cmdLineDown, &frmSychLyrics::cmdLineDown_Click, "Move Down 1 Line");
    connectClick(ui.cmdSave, &frmSychLyrics::cmdSave_Click, "Save");
    connectClick(ui.cmdPaste, &frmSychLyrics::cmdPaste_Click, "Paste From Clipboard");
    connectClick(ui.cmdLyricsFromText, &frmSychLyrics::cmdLyricsFromText_Click,
                 "Get Lyrics From Text File");
    connectClick(ui.cmdClearUnsynch, &frmSychLyrics::cmdClearUnsynch_Click, "Clear");
    connectClick(ui.cmdSaveUnsynch, &frmSychLyrics::cmdSaveUnsynch_Click, "Save lyrics to the tag");

    connect(ui.lvLyrics, &QTreeView::clicked, this,
            [this] { guarded("Select line", [this] { lvLyrics_Click(); }); });
    connect(ui.lvLyrics, &QTreeView::doubleClicked, this,
            [this] { guarded("Edit Selected Lyric", [this] { lvLyrics_DblClick(); }); });
    // Whatever selects a row (a click, the arrow keys, a handler) is the sheet's selection.
    connect(ui.lvLyrics->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        // Of several, the current row is the one Insert, Remove and Edit act on.
        const QItemSelectionModel* selection = ui.lvLyrics->selectionModel();
        const QModelIndexList rows = selection->selectedRows();
        int position = rows.isEmpty() ? 0 : rows.first().row() + 1;
        for (const QModelIndex& row : rows)
            if (row.row() == selection->currentIndex().row())
                position = row.row() + 1;
        sheet().setSelected(position);
    });
    connect(m_session, &SongSession::songOpened, this, &frmSychLyrics::showSongPath);
    connect(m_session, &SongSession::statusNote, this, &frmSychLyrics::reportFailure);
    connect(ui.txtAddLyrics, &QPlainTextEdit::textChanged, this,
            [this] { guarded("Lyrics text", [this] { txtAddLyrics_Change(); }); });
    ui.txtAddLyrics->viewport()->installEventFilter(this);
    // The line is sung when Space goes down, and a held key marks one line, not one per
    // repeat over the marks of the lines after it.
    new KeyDownClick(*ui.cmdMark);
    connect(ui.spnAdjustSingle, &UpDown::stepped, this, [this](int direction) {
        guarded("Adjust Selected Line", [this, direction] { spnAdjustSingle_Change(direction); });
    });
    connect(ui.spnAdjustAll, &UpDown::stepped, this, [this](int direction) {
        guarded("Adjust All Lines", [this, direction] { spnAdjustAll_Change(direction); });
    });
    connect(ui.sldSong, &SongSlider::userMoved, this,
            [this] { guarded("Seek", [this] { sldSong_Scroll(); }); });
    connect(ui.displayTimer, &QTimer::timeout, this,
            [this] { guarded("Timer", [this] { Timer1_Timer(); }); });
    if (ui.mp3Player)
        connect(ui.mp3Player, &Mp3Player::SongEnded, this, [this](int reason) {
            guarded("End of song", [this, reason] { Amp3dj1_SongEnded(reason); });
        });
}

bool frmSychLyrics::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui.txtAddLyrics->viewport() && event->type() == QEvent::MouseButtonRelease)
        guarded("Lyrics text", [this] { txtAddLyrics_Click(); });
    return QWidget::eventFilter(watched, event);
}

bool frmSychLyrics::focusNextPrevChild(bool next) {
    // Besides Tab, a control that is disabled or hidden while it has the focus passes it on
    // here, and the next control may be Clear All Time Markings or Remove Line, where one
    // stray Space destroys work. Such a hand-over goes to a harmless control instead.
    const QWidget* focused = focusWidget();
    if (!focused || (focused->isEnabled() && focused->isVisibleTo(this)))
        return QWidget::focusNextPrevChild(next);
    for (QWidget* harmless : {static_cast<QWidget*>(ui.cmdMark), static_cast<QWidget*>(ui.cmdPlay),
                              static_cast<QWidget*>(ui.txtFileName)})
        if (harmless->isEnabled() && harmless->isVisibleTo(this)) {
            harmless->setFocus(Qt::OtherFocusReason);
            return true;
        }
    return QWidget::focusNextPrevChild(next);
}

void frmSychLyrics::showStatus(const QString& text) {
    ui.lblStatus->setText(text);
}

void frmSychLyrics::reportFailure(const QString& message) noexcept {
    try {
        showStatus(message);
        std::fprintf(stderr, "velmora-versetta: %s\n", message.toLocal8Bit().constData());
    } catch (...) {
        // Nothing sensible is left to do when even the report fails.
    }
}
