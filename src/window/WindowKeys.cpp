#include "window/WindowKeys.h"

#include "controls/KeyOverlay.h"
#include "controls/LyricList.h"
#include "session/SongPlayback.h"
#include "session/SongSession.h"
#include "sheet/ReactionDelay.h"
#include "window/AdjustControls.h"
#include "window/Controls.h"
#include "window/SheetPanel.h"
#include "window/StatusLine.h"
#include "window/Transport.h"

#include <QPushButton>
#include <QShortcut>

#include <functional>

namespace {

constexpr std::int32_t kSeekStepMs = 3000;

// Every key of the window, for F1 and for the README's table. Keys a text box uses for typing
// (Ctrl+Left, Delete, ...) stay the box's while it has the focus.
const KeyOverlay::Keys& keyList() {
    static const KeyOverlay::Keys keys{
        {QStringLiteral("Space, Enter"),
         QStringLiteral("the focused button; after Play, Mark Line")},
        {QStringLiteral("Ctrl+P"), QStringLiteral("Play / Pause")},
        {QStringLiteral("Ctrl+."), QStringLiteral("Stop")},
        {QStringLiteral("Ctrl+Left, Ctrl+Right"), QStringLiteral("3 seconds back, forward")},
        {QStringLiteral("Ctrl+R"),
         QStringLiteral("replay the selected line from 2 s before it and mark it again")},
        {QStringLiteral("Ctrl+Down, Ctrl+Up"),
         QStringLiteral("play slower, faster (0.5× to 1.5×, the pitch stays)")},
        {QStringLiteral("Ctrl+0"), QStringLiteral("normal speed")},
        {QStringLiteral("Ctrl+Shift+Up, Ctrl+Shift+Down"),
         QStringLiteral("reaction delay 50 ms longer, shorter")},
        {QStringLiteral("Ctrl+T"),
         QStringLiteral("measure the reaction delay: Mark Line at each click")},
        {QStringLiteral("Ctrl+Shift+Left, Ctrl+Shift+Right"),
         QStringLiteral("selected lines 1 second earlier, later")},
        {QStringLiteral("Alt+Left, Alt+Right"),
         QStringLiteral("lines selected (or the strip's word) 0.1 s earlier, later; replay")},
        {QStringLiteral("Alt+Shift+Left, Alt+Shift+Right"), QStringLiteral("the same by 0.01 s")},
        {QStringLiteral("Shift+Up, Shift+Down, Shift/Ctrl+click"),
         QStringLiteral("select several lines for Adjust Selected Line and the nudges")},
        {QStringLiteral("Ctrl+W"),
         QStringLiteral("word marking on / off: Mark Line stamps the line's next word")},
        {QStringLiteral("Ctrl+Shift+R"),
         QStringLiteral("loop the selected line (or the strip's word) until pressed again")},
        {QStringLiteral("drag in the word strip"),
         QStringLiteral("move a word's start (onto the voice's onset; Shift: freely)")},
        {QStringLiteral("Ctrl+wheel in the word strip"),
         QStringLiteral("zoom around the pointer; the wheel then scrolls")},
        {QStringLiteral("Ctrl+Shift+H"),
         QStringLiteral("split the strip's word into syllables at the pointer")},
        {QStringLiteral("Ctrl+H"),
         QStringLiteral("split the strip's selected word into all its syllables")},
        {QStringLiteral("Ctrl+Shift+K"),
         QStringLiteral("keep precise times on / off: Save also writes Song.lrc")},
        {QStringLiteral("Ctrl+Z; Ctrl+Shift+Z, Ctrl+Y"), QStringLiteral("undo; redo")},
        {QStringLiteral("Insert, Delete, Ctrl+L"),
         QStringLiteral("Insert Line, Remove Line, Add Line To End")},
        {QStringLiteral("F2"), QStringLiteral("Edit Selected Lyric")},
        {QStringLiteral("Ctrl+G"), QStringLiteral("accept the selected line's suggested time")},
        {QStringLiteral("Ctrl+Shift+G"),
         QStringLiteral("accept every confident suggested time (word marking on: and word time)")},
        {QStringLiteral("Ctrl+Shift+W"),
         QStringLiteral("accept the selected line's suggested word times (hollow ticks)")},
        {QStringLiteral("Up, Down"), QStringLiteral("previous, next line (in the list)")},
        {QStringLiteral("Ctrl+O, Ctrl+S"), QStringLiteral("open a song, Save")},
        {QStringLiteral("Ctrl+E"), QStringLiteral("write Song.lrc beside the song")},
        {QStringLiteral("Ctrl+Shift+E"),
         QStringLiteral("write the marked lines into the song's tag (SYLT)")},
        {QStringLiteral("Ctrl+Shift+T"),
         QStringLiteral("write subtitles for a video: Song.srt, Song.vtt and Song.ass")},
        {QStringLiteral("Ctrl+I"), QStringLiteral("read the Song.lrc beside the song")},
        {QStringLiteral("Escape"),
         QStringLiteral("in the text panel: back to the sheet, the text kept, nothing saved")},
        {QStringLiteral("F1"), QStringLiteral("this list, until the next key or click")},
    };
    return keys;
}

} // namespace

WindowKeys::WindowKeys(QWidget& window, SongSession& session, StatusLine& status,
                       Transport& transport, SheetPanel& sheet)
    : QObject(&window), m_window(window), m_keyOverlay(new KeyOverlay(keyList(), &window)) {
    const auto key = [this, &status](const QKeySequence& keys, const char* name,
                                     const std::function<void()>& action, bool repeat = true) {
        auto* shortcut = new QShortcut(keys, &m_window);
        shortcut->setAutoRepeat(repeat);
        connect(shortcut, &QShortcut::activated, this,
                [&status, name, action] { status.guard(name, action); });
    };
    // A button's key clicks it when a user could: shown and enabled.
    const auto button = [this, &key, &status](const QKeySequence& keys, QPushButton* target,
                                              QList<QPushButton*> alternatives = {}) {
        alternatives.prepend(target);
        key(
            keys, "Key",
            [this, &status, alternatives] {
                for (QPushButton* candidate : alternatives)
                    if (candidate->isVisibleTo(&m_window) && candidate->isEnabled()) {
                        candidate->click();
                        return;
                    }
                status.show(
                    QStringLiteral("%1 is not available now.").arg(alternatives[0]->text()));
            },
            false);
    };
    Transport* play = &transport;
    key(QKeySequence(Qt::CTRL | Qt::Key_Left), "Seek", [play] { play->SeekBy(-kSeekStepMs); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Right), "Seek", [play] { play->SeekBy(kSeekStepMs); });
    key(
        QKeySequence(Qt::CTRL | Qt::Key_R), "Replay", [play] { play->ReplaySelectedLine(); },
        false);
    SongPlayback* playback = &session.playback();
    const auto speed = [&status, playback](int tenths) {
        status.show(playback->stepSpeed(tenths));
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_Down), "Speed", [speed] { speed(-1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Up), "Speed", [speed] { speed(1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_0), "Speed", [speed] { speed(0); });
    const auto delay = [&status, playback](int ms) {
        status.show(playback->stepReactionDelay(ms));
    };
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up), "Reaction delay",
        [delay] { delay(kReactionDelayStepMs); });
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down), "Reaction delay",
        [delay] { delay(-kReactionDelayStepMs); });
    key(
        QKeySequence(Qt::CTRL | Qt::Key_T), "Reaction delay", [play] { play->StartTapAlong(); },
        false);
    // The nudge is Adjust Selected Line by one second, wherever that button can be pressed.
    AdjustControls* adjust = &sheet.adjust();
    const auto nudge = [&status, adjust](const QString& amount) {
        if (adjust->canAdjustSelected())
            adjust->AdjustSelectedLineBy(amount);
        else
            status.show(QStringLiteral("Adjust Selected Line is not available now."));
    };
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Left), "Adjust Selected Line",
        [nudge] { nudge(QStringLiteral("-1")); });
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Right), "Adjust Selected Line",
        [nudge] { nudge(QStringLiteral("1")); });
    key(
        QKeySequence(Qt::Key_F1), "Keys", [this] { ShowKeys(); }, false);
    SheetPanel* panel = &sheet;
    using Accept = SheetPanel::Accept;
    key(
        QKeySequence(Qt::CTRL | Qt::Key_G), "Accept Suggested Time",
        [panel] { panel->acceptSuggestions(Accept::Line); }, false);
    key(
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G), "Accept Suggested Times",
        [panel] { panel->acceptSuggestions(Accept::Confident); }, false);
    key(
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W), "Accept Word Times",
        [panel] { panel->acceptSuggestions(Accept::Words); }, false);
    const WindowControls ui = FindControls(window);
    button(QKeySequence(Qt::CTRL | Qt::Key_P), ui.cmdPlay);
    button(QKeySequence(Qt::CTRL | Qt::Key_Period), ui.cmdStop);
    button(QKeySequence(Qt::Key_Insert), ui.cmdInsert);
    button(QKeySequence(Qt::Key_Delete), ui.cmdRemove);
    button(QKeySequence(Qt::CTRL | Qt::Key_L), ui.cmdAddLine);
    button(QKeySequence(Qt::Key_F2), ui.cmdEditLyric);
    button(QKeySequence(Qt::CTRL | Qt::Key_O), ui.cmdOpen);
    button(QKeySequence(Qt::CTRL | Qt::Key_S), ui.cmdSave, {ui.cmdSaveUnsynch});
    installButtonTips();
}

void WindowKeys::installButtonTips() {
    const QString focused = QStringLiteral("Space or Enter when it has the focus (Tab moves it)");
    for (QPushButton* b : m_window.findChildren<QPushButton*>())
        b->setToolTip(b->text() + QStringLiteral(" — ") + focused);
    const auto tip = [](QPushButton* b, const QString& keys) {
        b->setToolTip(b->text() + QStringLiteral(" — ") + keys);
    };
    const WindowControls ui = FindControls(m_window);
    tip(ui.cmdPlay, QStringLiteral("Ctrl+P plays and pauses"));
    tip(ui.cmdStop, QStringLiteral("Ctrl+."));
    tip(ui.cmdMark, QStringLiteral("Space: Play puts the focus here. Ctrl+R replays the selected "
                                   "line to mark it again; Ctrl+T measures your reaction delay"));
    tip(ui.cmdInsert, QStringLiteral("Insert"));
    tip(ui.cmdRemove, QStringLiteral("Delete (Ctrl+Z brings the line back)"));
    tip(ui.cmdAddLine, QStringLiteral("Ctrl+L"));
    tip(ui.cmdEditLyric, QStringLiteral("F2, or a double click on the line"));
    tip(ui.cmdAdjustSingle,
        QStringLiteral("Ctrl+Shift+Right, Ctrl+Shift+Left move the line 1 second later, earlier"));
    tip(ui.cmdLineUp, QStringLiteral("Up in the list"));
    tip(ui.cmdLineDown, QStringLiteral("Down in the list"));
    tip(ui.cmdOpen, QStringLiteral("Ctrl+O, or drop a song on the window"));
    tip(ui.cmdSave, QStringLiteral("Ctrl+S"));
    tip(ui.cmdSaveUnsynch, QStringLiteral("Ctrl+S"));
    tip(ui.cmdLyricsFromText,
        QStringLiteral("Space or Enter when it has the focus, or drop a text file on the panel"));
    ui.lvLyrics->setToolTip(ui.lvLyrics->toolTip() + QStringLiteral(" F1 lists every key."));
}

void WindowKeys::ShowKeys() {
    m_keyOverlay->popUp();
}
