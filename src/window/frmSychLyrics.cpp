#include "window/frmSychLyrics.h"

#include "controls/LyricList.h"
#include "core/AudioFormats.h"
#include "core/Failure.h"
#include "core/PathRules.h"
#include "session/SongPlayback.h"
#include "session/SongSession.h"
#include "session/SongSuggestions.h"
#include "sources/TextFile.h"
#include "window/Controls.h"
#include "window/FileBar.h"
#include "window/FileDrops.h"
#include "window/SheetPanel.h"
#include "window/StatusLine.h"
#include "window/TagSaveRun.h"
#include "window/TextPanel.h"
#include "window/Transport.h"
#include "window/WindowHelp.h"
#include "window/WindowKeys.h"
#include "window/WindowLayout.h"
#include "window/WordTiming.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

frmSychLyrics::frmSychLyrics(Platform platform, QWidget* parent)
    : QWidget(parent), m_platform(std::move(platform)), m_status(new StatusLine(this)),
      m_session(new SongSession(m_platform.player.get(), m_platform.newTagComponent,
                                m_platform.programFolder, m_platform.settingsFile, this)),
      m_fileBar(new FileBar(this)),
      m_text(new TextPanel(*m_session, *m_status, m_platform.clipboardText, m_platform.openDialog,
                           *this)),
      m_sheet(new SheetPanel(*m_session, *m_status, m_platform.inputBox, this)),
      m_transport(new Transport(*m_session, *m_status, *m_sheet, *this)) {
    setObjectName(QStringLiteral("frmSychLyrics"));
    setWindowTitle(QStringLiteral("Velmora Versetta"));
    WindowControls ui;
    ui.mp3Player = m_platform.player.get();
    if (ui.mp3Player) {
        ui.mp3Player->setObjectName(QStringLiteral("Amp3dj1"));
        // Found by name among the window's controls; m_platform still deletes it first.
        ui.mp3Player->setParent(this);
    }
    auto* words = new WordTiming(*m_session, *m_status, *m_sheet, *m_transport, *this);
    m_fileBar->place(ui);
    m_text->place(ui);
    m_sheet->place(ui);
    m_transport->place(ui);
    words->place(ui);
    ui.lblStatus = m_status->label();
    LayOutWindow(*this, ui);
    FitWindowToScreen(*this);
    connectParts();
    if (const QString note = m_session->playback().settingsNote(); !note.isEmpty())
        m_status->report(note);
    new WindowKeys(*this, *m_session, *m_status, *m_transport, *m_sheet);
    new WindowHelp(*this, *m_session, *m_sheet); // after the keys: it names them
    m_drops = new FileDrops(
        *this, *m_text->widget(),
        {ui.txtFileName, ui.txtAdjustSingle, ui.txtAdjustAll, ui.txtAddLyrics->viewport()});
    connect(m_drops, &FileDrops::dropped, this, [this](const QString& path, bool onTextPanel) {
        m_status->guard("Drop", [this, &path, onTextPanel] { DropFile(path, onTextPanel); });
    });
    m_transport->tick()->start();
}

frmSychLyrics::~frmSychLyrics() = default;

void frmSychLyrics::connectParts() {
    m_status->onClick(m_fileBar->openButton(), "Open", [this] { cmdOpen_Click(); });
    m_status->onClick(m_fileBar->closeButton(), "Close", [this] { cmdClose_Click(); });
    m_status->onClick(m_fileBar->addLyricsButton(), "AddLyrics", [this] { cmdAddLyrics_Click(); });
    connect(m_session, &SongSession::songOpened, this, &frmSychLyrics::showSongPath);
    connect(m_session, &SongSession::statusNote, m_status, &StatusLine::report);
    // The analysis only adds to what the status line says about the song.
    connect(&m_session->suggestions(), &SongSuggestions::status, m_status,
            &StatusLine::showAnalysis);
    connect(m_text, &TextPanel::savedIntoTag, this,
            [this](const QString& lyrics, const QString& saved) {
                m_status->guard("Save lyrics to the tag",
                                [&] { showLinesFromText(lyrics, saved); });
            });
    connect(m_text, &TextPanel::linesWithoutTag, this, [this](const QString& lyrics) {
        m_status->guard("Lines without the tag", [&] {
            const QString file = m_session->besideSong(SongSession::Beside::LyricsFile);
            if (file.isEmpty())
                throw VersettaError(tr("Open a song before putting its lyrics on the sheet."));
            showLinesFromText(lyrics, tr("The lyrics are on the sheet; the song's tag is as it "
                                         "was. Save writes them to %1.")
                                          .arg(file));
            m_sheet->ShowSaveButton();
        });
    });
    connect(m_text, &TextPanel::leaveRequested, this,
            [this] { m_status->guard("Escape", [this] { LeaveTextPanel(); }); });
}

void frmSychLyrics::Form_Load() {
    const QString argument = m_platform.commandLine;
    if (!argument.isEmpty()) {
        // Whatever the song's lyrics do, the player below must still be set up.
        m_status->guard("Opening the song", [this, &argument] { RunLyricSourceChain(argument); });
    }
    if (Mp3Player* player = m_platform.player.get())
        m_status->guard("Start-up", [this, player] {
            player->InitPlayer(1, static_cast<quintptr>(winId()));
            player->StartupSetting(1);
        });
    m_sheet->setFullRowSelect(true);
    // The first key must not edit the path: it goes to Play when a song is open, else to the
    // button that opens one.
    QWidget* open = m_fileBar->openButton();
    for (QWidget* first : {static_cast<QWidget*>(m_transport->playButton()),
                           static_cast<QWidget*>(m_fileBar->addLyricsButton()), open})
        if ((first == open || !argument.isEmpty()) && first->isVisibleTo(this) &&
            first->isEnabled()) {
            first->setFocus();
            break;
        }
}

// ---- opening a song ---------------------------------------------------------------------------

void frmSychLyrics::cmdOpen_Click() {
    const QString initialName = QStringLiteral("*.mp3");
    const QString chosen =
        m_platform.openDialog
            ? m_platform.openDialog(SongFileFilters(), m_session->songFolder(), initialName)
            : initialName;
    OpenSongFromDialog(chosen);
}

// What the Open dialog's answer does; a dropped song arrives here too. A cancelled dialog
// leaves the song and its sheet as they are: reloading them would drop an unsaved edit.
void frmSychLyrics::OpenSongFromDialog(const QString& chosen) {
    if (chosen != QLatin1String("*.mp3") && !chosen.isEmpty())
        RunLyricSourceChain(chosen);
}

void frmSychLyrics::cmdClose_Click() {
    close();
}

// Closing asks nothing and saves nothing beside the song; what was not saved is kept in the
// program's own folder, for the song's next opening to offer back.
void frmSychLyrics::closeEvent(QCloseEvent* event) {
    try {
        m_session->keepUnsaved(m_text->unsavedText());
    } catch (const VersettaError&) {
        // the window is going: there is no one left to tell
    }
    QWidget::closeEvent(event);
}

void frmSychLyrics::showSongPath(const QString& path) {
    m_fileBar->showSong(m_session->songFolder(), m_session->songName(), path);
}

void frmSychLyrics::RunLyricSourceChain(const QString& songPath) {
    // The player would go on with the song before: Play would resume it and Mark Line would
    // stamp this sheet with its positions. Stopped, the next Play loads this one.
    const SongPlayback& playback = m_session->playback();
    if (playback.isPlaying() || playback.tapAlongRunning())
        m_transport->StopOrEndSong();
    QString kept;
    const QString left = m_session->songName();
    const QString leftPath = m_session->songPath();
    try {
        if (m_session->keepUnsaved(m_text->unsavedText()))
            kept = tr("The unsaved changes to the lyrics of %1 are kept: open it again and press "
                      "Ctrl+Shift+O to bring them back.")
                       .arg(left);
    } catch (const VersettaError& error) {
        kept = tr("The unsaved changes to the lyrics of %1 could not be kept: %2")
                   .arg(left, error.message());
    }
    // The loading clears the status line and leaves there only what the user must know about
    // the lyrics just loaded (a damaged file, lines beyond the sheet's reach).
    const SongSession::Opened opened = m_session->open(songPath);
    if (opened.source == SongSession::Source::LyricsFile) {
        showLoadedSheet();
        m_status->show(QString());
        if (!opened.note.isEmpty())
            m_status->report(opened.note);
    } else if (opened.source == SongSession::Source::TagLyrics) {
        showUnsynchSheet(opened.note);
    } else if (opened.source == SongSession::Source::TimedTagLyrics) {
        // Marked lines that no lyrics file holds yet: as Ctrl+I leaves them, ready to save.
        showLoadedSheet();
        m_sheet->ShowSaveButton();
        m_status->show(QString());
    } else {
        m_status->show(tr(" No Lyrics Found For  -  %1").arg(ShownPath(m_fileBar->fileName())));
        m_fileBar->showAddLyrics(true);
        m_sheet->widget()->setVisible(false);
        m_text->widget()->setVisible(false);
    }
    if (m_session->hasTagLyrics()) {
        m_text->setUnsynchText(m_session->tagLyrics());
        m_fileBar->offerTagLyrics();
    }
    // An LRC file beside a song without a lyrics file is offered.
    if (const QString offer = m_session->lrcOffer(); !offer.isEmpty())
        m_status->add(offer);
    if (const QDateTime at = m_session->unsavedKeptAt(); at.isValid())
        m_status->add(tr("Changes to these lyrics were left unsaved on %1: Ctrl+Shift+O brings "
                         "them back.")
                          .arg(QLocale().toString(at, QLocale::ShortFormat)));
    if (!kept.isEmpty() && leftPath != m_session->songPath()) // the offer above says it
        m_status->add(kept);
}

void frmSychLyrics::bringBackUnsaved() {
    if (m_transport->markButton()->isEnabled())
        throw VersettaError(tr("Pause or stop the song before bringing back its unsaved "
                               "changes."));
    const QString brought = m_session->bringBackUnsaved();
    showLoadedSheet();
    m_sheet->showSheetSelection(false);
    m_sheet->ShowSaveButton();
    m_status->show(brought);
}

// ---- which panel is shown ---------------------------------------------------------------------

// The sheet is shown before AddLyrics goes: the focus AddLyrics held passes to Play, which
// shows with the sheet.
void frmSychLyrics::showLoadedSheet() {
    m_sheet->setSortByHeader(false);
    m_sheet->showLoaded();
    m_text->widget()->setVisible(false);
    m_sheet->widget()->setVisible(true);
    m_fileBar->showAddLyrics(false);
}

void frmSychLyrics::showUnsynchSheet(const QString& note) {
    m_sheet->setSortByHeader(false);
    m_sheet->widget()->setVisible(true);
    m_text->widget()->setVisible(false);
    m_fileBar->showAddLyrics(false);
    m_sheet->showUnsaved();
    m_status->show(note);
}

void frmSychLyrics::ShowUnsynchLyrics(const QString& lyrics, const QString& step) {
    showUnsynchSheet(m_session->loadText(lyrics, step));
}

void frmSychLyrics::cmdAddLyrics_Click() {
    if (m_text->widget()->isHidden())
        m_sheetShownBeforeText = m_sheet->widget()->isVisibleTo(this);
    m_text->widget()->setVisible(true);
    m_sheet->widget()->setVisible(false);
    m_text->focusText();
}

void frmSychLyrics::LeaveTextPanel() {
    if (m_text->widget()->isHidden())
        return;
    m_text->widget()->setVisible(false);
    m_sheet->widget()->setVisible(m_sheetShownBeforeText);
    if (m_sheetShownBeforeText)
        m_sheet->list()->setFocus();
    else
        m_fileBar->addLyricsButton()->setFocus();
}

void frmSychLyrics::showLinesFromText(const QString& lyrics, const QString& saved) {
    ShowUnsynchLyrics(lyrics, tr("Load Lyrics From Text"));
    m_sheet->widget()->setVisible(true);
    m_text->widget()->setVisible(false);
    m_fileBar->showAddLyrics(false);
    // What did not fit on the sheet, if anything, follows what was written.
    const QString loaded = m_status->text();
    m_status->show(loaded.isEmpty() ? saved : saved + QStringLiteral("  \u00B7  ") + loaded);
}

void frmSychLyrics::readLrcIntoSheet(const QString& path) {
    if (m_transport->markButton()->isEnabled())
        throw VersettaError(tr("Pause or stop the song before reading %1 into the "
                               "sheet.")
                                .arg(QFileInfo(path).fileName()));
    const QString read = m_session->readLrc(path);
    showLoadedSheet();
    m_sheet->showSheetSelection(false);
    m_sheet->ShowSaveButton();
    m_status->show(read);
}

// ---- keys, focus and drops --------------------------------------------------------------------

bool frmSychLyrics::focusNextPrevChild(bool next) {
    // Besides Tab, a control that is disabled or hidden while it has the focus passes it on
    // here, and the next control may be Clear All Time Markings or Remove Line, where one
    // stray Space destroys work. Such a hand-over goes to a harmless control instead.
    const QWidget* focused = focusWidget();
    if (!focused || (focused->isEnabled() && focused->isVisibleTo(this)))
        return QWidget::focusNextPrevChild(next);
    for (QWidget* harmless : {static_cast<QWidget*>(m_transport->markButton()),
                              static_cast<QWidget*>(m_transport->playButton()),
                              static_cast<QWidget*>(m_fileBar->openButton())})
        if (harmless->isEnabled() && harmless->isVisibleTo(this)) {
            harmless->setFocus(Qt::OtherFocusReason);
            return true;
        }
    return QWidget::focusNextPrevChild(next);
}

void frmSychLyrics::keyPressEvent(QKeyEvent* event) {
    if (exportKeyPressed(event))
        return;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool undo = modifiers == Qt::ControlModifier && event->key() == Qt::Key_Z;
    const bool redo =
        (modifiers == (Qt::ControlModifier | Qt::ShiftModifier) && event->key() == Qt::Key_Z) ||
        (modifiers == Qt::ControlModifier && event->key() == Qt::Key_Y);
    // A text box keeps its own undo, even for a key it did not take itself.
    QWidget* focus = focusWidget();
    if (!(undo || redo) || qobject_cast<QLineEdit*>(focus) ||
        qobject_cast<QPlainTextEdit*>(focus)) {
        QWidget::keyPressEvent(event);
        return;
    }
    m_status->guard(undo ? "Undo" : "Redo", [this, undo] { m_sheet->stepThroughHistory(undo); });
}

bool frmSychLyrics::exportKeyPressed(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool shift = modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
    if (modifiers != Qt::ControlModifier && !shift)
        return false;
    if (event->key() == Qt::Key_E && !shift)
        m_status->guard("Writing the LRC file", [this] { m_status->show(m_session->writeLrc()); });
    else if (event->key() == Qt::Key_E)
        m_status->guard("Writing the timed lyrics into the tag", [this] {
            m_status->show(RunTagSave(*this, *m_status, m_session->songName(),
                                      tr("the timed lyrics"), m_session->syncedLyricsSave()));
        });
    else if (event->key() == Qt::Key_T && shift)
        m_status->guard("Writing the subtitles",
                        [this] { m_status->show(m_session->writeSubtitles()); });
    else if (event->key() == Qt::Key_I && !shift)
        m_status->guard("Reading the LRC file",
                        [this] { readLrcIntoSheet(m_session->lrcToRead()); });
    else if (event->key() == Qt::Key_O && shift)
        m_status->guard("Bringing back unsaved changes", [this] { bringBackUnsaved(); });
    else
        return false;
    return true;
}

void frmSychLyrics::dragEnterEvent(QDragEnterEvent* event) {
    if (!FileDrops::draggedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmSychLyrics::dragMoveEvent(QDragMoveEvent* event) {
    if (!FileDrops::draggedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmSychLyrics::dropEvent(QDropEvent* event) {
    m_drops->dropOnWindow(event);
}

void frmSychLyrics::DropFile(const QString& path, bool onTextPanel) {
    if (IsSongFile(path)) {
        OpenSongFromDialog(QDir::toNativeSeparators(path));
        return;
    }
    if (IsLrcFile(path)) { // anywhere on the window: its lines replace the sheet
        readLrcIntoSheet(path);
        return;
    }
    if (!onTextPanel) {
        m_status->show(tr("%1 is not a song. Drop a song on the window, or a text "
                          "file of lyrics on the lyrics text panel.")
                           .arg(QDir::toNativeSeparators(path)));
        return;
    }
    // As "Get Lyrics From Text File" does: a file that cannot be read changes nothing and the
    // guard says why.
    m_text->replaceUnsynchText(ReadLyricsFile(path));
}
