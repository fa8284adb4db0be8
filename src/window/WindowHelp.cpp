#include "window/WindowHelp.h"

#include "controls/LyricList.h"
#include "controls/SongSlider.h"
#include "controls/UpDown.h"
#include "controls/WordStrip.h"
#include "controls/WordStripAccessible.h"
#include "session/SongSession.h"
#include "sheet/LyricSheet.h"
#include "window/Controls.h"
#include "window/SheetPanel.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>

namespace {

// Functions, not constants: a text is translated once a language is installed.
QString noSongHint() {
    return QCoreApplication::translate("WindowHelp", "Open a song (Ctrl+O) or drop one here");
}
QString noLinesHint() {
    return QCoreApplication::translate("WindowHelp",
                                       "No lines. Ctrl+L adds one; Ctrl+O opens another song.");
}

void describe(QWidget* control, const QString& name, const QString& description) {
    if (!control)
        return;
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

} // namespace

WindowHelp::WindowHelp(QWidget& window, SongSession& session, SheetPanel& sheet)
    : QObject(&window), m_window(window), m_session(session), m_sheet(sheet) {
    InstallWordStripAccessible();
    const WindowControls ui = FindControls(window);
    ui.sldSong->setToolTip(
        tr("The song: a click or a drag plays from there. A thin tick is a marked "
           "line, a hollow tick at the foot a suggested time (Ctrl+G accepts the "
           "selected line's, Ctrl+Shift+G every confident one)."));
    nameControls();
    ui.lvLyrics->setEmptyHint(noSongHint());
    connect(&session, &SongSession::songOpened, this, [list = ui.lvLyrics](const QString& path) {
        list->setEmptyHint(path.isEmpty() ? noSongHint() : noLinesHint());
    });
    ui.lvLyrics->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui.lvLyrics, &QWidget::customContextMenuRequested, this,
            [this, list = ui.lvLyrics](const QPoint& at) {
                popUp(listEntries(), list->viewport(), at);
            });
    ui.wordStrip->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui.wordStrip, &QWidget::customContextMenuRequested, this,
            [this, strip = ui.wordStrip](const QPoint& at) { popUp(wordEntries(), strip, at); });
}

// A screen reader reads the name, then the description; a button's name is its caption.
void WindowHelp::nameControls() {
    const WindowControls ui = FindControls(m_window);
    m_window.setAccessibleDescription(
        tr("Mark when each lyric line is sung: Play, then Space at each line."));
    // A button's name stays its caption, which changes (Play, Pause).
    for (QPushButton* button : m_window.findChildren<QPushButton*>())
        button->setAccessibleDescription(button->toolTip());
    describe(ui.cmdOpen, tr("Open a song"), ui.cmdOpen->toolTip());
    describe(ui.fileBar, tr("Song file"), tr("The song that is open"));
    describe(ui.fileNameLabel, tr("File Name:"), QString());
    describe(ui.txtFileName, tr("File name"), tr("The open song's folder and file name"));
    describe(ui.songFolderBox, tr("Song folder"), tr("The open song's folder"));
    describe(ui.songFileBox, tr("Song file name"), tr("The open song's file name"));
    describe(ui.picSynch, tr("Lyric sheet"),
             tr("The lines with their times, the player and the editing buttons"));
    describe(ui.lvLyrics, tr("Lyric lines"),
             tr("Each line's number, lyric and time. A suggested time is read as "
                "suggested; Ctrl+G accepts it. The Menu key lists what can be done "
                "with the selected line. Empty until a song is opened (Ctrl+O)."));
    describe(ui.wordStrip, tr("Words of the selected line"),
             tr("Each word with its time. Alt+Left and Alt+Right move the selected "
                "word by 0.1 s; Ctrl+W turns word marking on and off; Ctrl+Shift+R "
                "loops the word; Ctrl+Shift+H splits it at the pointer."));
    describe(ui.sldSong, tr("Song position"), ui.sldSong->toolTip());
    for (QWidget* groove : ui.sldSong->findChildren<QWidget*>())
        describe(groove, tr("Song position"), ui.sldSong->toolTip());
    if (auto* keys = m_window.findChild<QWidget*>(QStringLiteral("keyOverlay")))
        describe(keys, tr("Keys"), tr("Every key of the window; any key or click closes it"));
    describe(ui.lblTime, tr("Song time"), tr("Where the song is, of how long"));
    describe(ui.txtAdjustSingle, tr("Seconds to adjust the selected line by"),
             tr("Fractions and negative numbers are allowed; \".\" is the decimal "
                "point"));
    describe(ui.txtAdjustAll, tr("Seconds to adjust all lines by"),
             ui.txtAdjustSingle->accessibleDescription());
    for (UpDown* spinner : {ui.spnAdjustSingle, ui.spnAdjustAll}) {
        const bool single = spinner == ui.spnAdjustSingle;
        const QString which = single ? tr("selected line") : tr("all lines");
        describe(spinner, tr("Step the seconds for %1").arg(which), tr("1 second up or down"));
        for (QToolButton* arrow : spinner->findChildren<QToolButton*>()) {
            const bool up = arrow->objectName() == QLatin1String("up");
            describe(arrow,
                     (up ? tr("One more second for %1") : tr("One less second for %1")).arg(which),
                     up ? tr("Adds 1 second to the seconds box beside it")
                        : tr("Takes 1 second off the seconds box beside it"));
        }
    }
    for (QFrame* line : m_window.findChildren<QFrame*>(QRegularExpression(QStringLiteral("^Line"))))
        describe(line, tr("Separator"), QString());
    describe(ui.picUnsynch, tr("Lyrics text"),
             tr("Type, paste or load the lyrics; Save writes them into the song's "
                "tag and turns them into lines. Escape goes back without saving."));
    describe(ui.txtAddLyrics, tr("Lyrics"), ui.picUnsynch->accessibleDescription());
    // Qt's own scroll bars are read as controls of their own.
    for (QAbstractScrollArea* area :
         std::initializer_list<QAbstractScrollArea*>{ui.lvLyrics, ui.txtAddLyrics}) {
        const QString name = tr("Scroll bar of %1").arg(area->accessibleName());
        describe(area->verticalScrollBar(), name, tr("Moves the view up and down"));
        describe(area->horizontalScrollBar(), name, tr("Moves the view left and right"));
    }
}

WindowHelp::Entry WindowHelp::keyEntry(const QString& label, const QKeySequence& keys) {
    const auto shortcut = [this, keys]() -> QShortcut* {
        for (QShortcut* candidate : m_window.findChildren<QShortcut*>())
            if (candidate->key() == keys && candidate->isEnabled())
                return candidate;
        return nullptr;
    };
    return {label, keys,
            [shortcut] {
                if (QShortcut* found = shortcut())
                    emit found->activated();
            },
            [shortcut] { return shortcut() != nullptr; }};
}

WindowHelp::Entry WindowHelp::buttonEntry(const char* objectName, const QKeySequence& keys) {
    QPushButton* button = m_window.findChild<QPushButton*>(QString::fromLatin1(objectName));
    QPointer<QWidget> window = &m_window;
    return {button->text(), keys, [button] { button->click(); },
            [button, window] { return button->isVisibleTo(window) && button->isEnabled(); }};
}

std::vector<WindowHelp::Entry> WindowHelp::listEntries() {
    const LyricSheet* sheet = &m_session.sheet();
    SheetPanel* panel = &m_sheet;
    return {
        buttonEntry("cmdInsert", QKeySequence(Qt::Key_Insert)),
        buttonEntry("cmdRemove", QKeySequence(Qt::Key_Delete)),
        buttonEntry("cmdAddLine", QKeySequence(Qt::CTRL | Qt::Key_L)),
        buttonEntry("cmdEditLyric", QKeySequence(Qt::Key_F2)),
        {},
        keyEntry(tr("Accept the suggested time"), QKeySequence(Qt::CTRL | Qt::Key_G)),
        keyEntry(tr("Accept every confident suggested time"),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G)),
        keyEntry(tr("Accept the suggested word times"),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W)),
        keyEntry(tr("Replay the line to mark it again"), QKeySequence(Qt::CTRL | Qt::Key_R)),
        keyEntry(tr("0.1 s earlier"), QKeySequence(Qt::ALT | Qt::Key_Left)),
        keyEntry(tr("0.1 s later"), QKeySequence(Qt::ALT | Qt::Key_Right)),
        keyEntry(tr("1 second earlier"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Left)),
        keyEntry(tr("1 second later"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Right)),
        buttonEntry("cmdReset", QKeySequence()),
        {},
        {tr("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
         [panel] { panel->stepThroughHistory(true); }, [sheet] { return sheet->canUndo(); }},
        {tr("Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
         [panel] { panel->stepThroughHistory(false); }, [sheet] { return sheet->canRedo(); }},
        {},
        buttonEntry("cmdSave", QKeySequence(Qt::CTRL | Qt::Key_S)),
        keyEntry(tr("Open a song"), QKeySequence(Qt::CTRL | Qt::Key_O)),
        keyEntry(tr("Every key"), QKeySequence(Qt::Key_F1)),
    };
}

std::vector<WindowHelp::Entry> WindowHelp::wordEntries() {
    return {
        keyEntry(tr("Word marking on or off"), QKeySequence(Qt::CTRL | Qt::Key_W)),
        keyEntry(tr("Accept the suggested word times"),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W)),
        keyEntry(tr("The selected word 0.1 s earlier"), QKeySequence(Qt::ALT | Qt::Key_Left)),
        keyEntry(tr("The selected word 0.1 s later"), QKeySequence(Qt::ALT | Qt::Key_Right)),
        keyEntry(tr("The selected word 0.01 s earlier"),
                 QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Left)),
        keyEntry(tr("The selected word 0.01 s later"),
                 QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Right)),
        keyEntry(tr("Loop the selected word or line on or off"),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R)),
        keyEntry(tr("Split the word into syllables here"),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H)),
        keyEntry(tr("Split the selected word into its syllables"),
                 QKeySequence(Qt::CTRL | Qt::Key_H)),
        keyEntry(tr("Keep precise times on or off"),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K)),
        {},
        keyEntry(tr("Every key"), QKeySequence(Qt::Key_F1)),
    };
}

void WindowHelp::popUp(const std::vector<Entry>& entries, QWidget* over, const QPoint& at) {
    if (m_menu)
        m_menu->close();
    auto* menu = new QMenu(&m_window);
    menu->setObjectName(QStringLiteral("contextMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const Entry& entry : entries) {
        if (entry.label.isEmpty()) {
            menu->addSeparator();
            continue;
        }
        // The key is shown in the menu's key column; the window's shortcut stays the one
        // that answers it, so the menu adds no second binding.
        const QString keys = entry.keys.toString(QKeySequence::PortableText);
        QAction* action =
            menu->addAction(keys.isEmpty() ? entry.label : entry.label + QLatin1Char('\t') + keys);
        action->setEnabled(!entry.available || entry.available());
        connect(action, &QAction::triggered, this, entry.run);
    }
    m_menu = menu;
    menu->popup(over->mapToGlobal(at));
}
