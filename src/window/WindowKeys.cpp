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

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>

#include <functional>

namespace {

constexpr std::int32_t kSeekStepMs = 3000;

// Every key of the window, for F1 and for the README's table. Keys a text box uses for typing
// (Ctrl+Left, Delete, ...) stay the box's while it has the focus. Translated when the list is
// made, so it is in the language installed then.
struct KeyText {
    const char* keys;
    const char* does;
};
constexpr KeyText kKeys[] = {
    {QT_TRANSLATE_NOOP("WindowKeys", "Space, Enter"),
     QT_TRANSLATE_NOOP("WindowKeys", "the focused button; after Play, Mark Line")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+P"), QT_TRANSLATE_NOOP("WindowKeys", "Play / Pause")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+."), QT_TRANSLATE_NOOP("WindowKeys", "Stop")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+Left, Ctrl+Right"),
     QT_TRANSLATE_NOOP("WindowKeys", "3 seconds back, forward")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+R"),
     QT_TRANSLATE_NOOP("WindowKeys",
                       "replay the selected line from 2 s before it and mark it again")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+Down, Ctrl+Up"),
     QT_TRANSLATE_NOOP("WindowKeys", "play slower, faster (0.5× to 1.5×, the pitch stays)")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+0"), QT_TRANSLATE_NOOP("WindowKeys", "normal speed")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+Shift+Up, Ctrl+Shift+Down"),
     QT_TRANSLATE_NOOP("WindowKeys", "reaction delay 50 ms longer, shorter")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+T"),
     QT_TRANSLATE_NOOP("WindowKeys", "measure the reaction delay: Mark Line at each click")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+Shift+Left, Ctrl+Shift+Right"),
     QT_TRANSLATE_NOOP("WindowKeys", "selected lines 1 second earlier, later")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Alt+Left, Alt+Right"),
     QT_TRANSLATE_NOOP("WindowKeys",
                       "lines selected (or the strip's word) 0.1 s earlier, later; replay")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Alt+Shift+Left, Alt+Shift+Right"),
     QT_TRANSLATE_NOOP("WindowKeys", "the same by 0.01 s")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Shift+Up, Shift+Down, Shift/Ctrl+click"),
     QT_TRANSLATE_NOOP("WindowKeys",
                       "select several lines for Adjust Selected Line and the nudges")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+W"),
     QT_TRANSLATE_NOOP("WindowKeys",
                       "word marking on / off: Mark Line stamps the line's next word")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+Shift+R"),
     QT_TRANSLATE_NOOP("WindowKeys",
                       "loop the selected line (or the strip's word) until pressed again")},
    {QT_TRANSLATE_NOOP("WindowKeys", "drag in the word strip"),
     QT_TRANSLATE_NOOP("WindowKeys",
                       "move a word's start (onto the voice's onset; Shift: freely)")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+wheel in the word strip"),
     QT_TRANSLATE_NOOP("WindowKeys", "zoom around the pointer; the wheel then scrolls")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+Shift+H"),
     QT_TRANSLATE_NOOP("WindowKeys", "split the strip's word into syllables at the pointer")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+H"),
     QT_TRANSLATE_NOOP("WindowKeys", "split the strip's selected word into all its syllables")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+Shift+K"),
     QT_TRANSLATE_NOOP("WindowKeys", "keep precise times on / off: Save also writes Song.lrc")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+Z; Ctrl+Shift+Z, Ctrl+Y"),
     QT_TRANSLATE_NOOP("WindowKeys", "undo; redo")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Insert, Delete, Ctrl+L"),
     QT_TRANSLATE_NOOP("WindowKeys", "Insert Line, Remove Line, Add Line To End")},
    {QT_TRANSLATE_NOOP("WindowKeys", "F2"), QT_TRANSLATE_NOOP("WindowKeys", "Edit Selected Lyric")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+G"),
     QT_TRANSLATE_NOOP("WindowKeys", "accept the selected line's suggested time")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+Shift+G"),
     QT_TRANSLATE_NOOP("WindowKeys",
                       "accept every confident suggested time (word marking on: and word time)")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+Shift+W"),
     QT_TRANSLATE_NOOP("WindowKeys",
                       "accept the selected line's suggested word times (hollow ticks)")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Up, Down"),
     QT_TRANSLATE_NOOP("WindowKeys", "previous, next line (in the list, or on a button)")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+O, Ctrl+S"),
     QT_TRANSLATE_NOOP("WindowKeys", "open a song, Save")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+E"),
     QT_TRANSLATE_NOOP("WindowKeys", "write Song.lrc beside the song")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+Shift+E"),
     QT_TRANSLATE_NOOP("WindowKeys", "write the marked lines into the song's tag (SYLT)")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+Shift+T"),
     QT_TRANSLATE_NOOP("WindowKeys",
                       "write subtitles for a video: Song.srt, Song.vtt and Song.ass")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+I"),
     QT_TRANSLATE_NOOP("WindowKeys", "read the Song.lrc beside the song")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+Shift+O"),
     QT_TRANSLATE_NOOP("WindowKeys",
                       "bring back the changes left unsaved when the song was closed")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Escape"),
     QT_TRANSLATE_NOOP("WindowKeys",
                       "in the text panel: back to the sheet, the text kept, nothing saved")},
    {QT_TRANSLATE_NOOP("WindowKeys", "Ctrl+Return"),
     QT_TRANSLATE_NOOP("WindowKeys",
                       "in the text panel: the lines to the sheet, the tag left as it is")},
    {QT_TRANSLATE_NOOP("WindowKeys", "F1"),
     QT_TRANSLATE_NOOP("WindowKeys", "this list, until the next key or click")},
};

KeyOverlay::Keys keyList() {
    KeyOverlay::Keys keys;
    for (const KeyText& key : kKeys)
        keys.emplace_back(QCoreApplication::translate("WindowKeys", key.keys),
                          QCoreApplication::translate("WindowKeys", key.does));
    return keys;
}

} // namespace

WindowKeys::WindowKeys(QWidget& window, SongSession& session, StatusLine& status,
                       Transport& transport, SheetPanel& sheet)
    : QObject(&window), m_window(window),
      m_keyOverlay(new KeyOverlay(keyList(), QKeySequence(Qt::Key_F1), &window)),
      m_list(sheet.list()) {
    const auto key = [this, &status](const QKeySequence& keys, const char* name,
                                     const std::function<void()>& action, bool repeat = true) {
        auto* shortcut = new QShortcut(keys, &m_window);
        shortcut->setAutoRepeat(repeat);
        connect(shortcut, &QShortcut::activated, this,
                [&status, name, action] { status.guard(name, action); });
    };
    // A button's key clicks it when a user could: shown and enabled.
    // why, where given, says more than "not available" when it can.
    const auto button = [this, &key, &status](const QKeySequence& keys, QPushButton* target,
                                              QList<QPushButton*> alternatives = {},
                                              const std::function<QString()>& why = {}) {
        alternatives.prepend(target);
        key(
            keys, "Key",
            [this, &status, alternatives, why] {
                for (QPushButton* candidate : alternatives)
                    if (candidate->isVisibleTo(&m_window) && candidate->isEnabled()) {
                        candidate->click();
                        return;
                    }
                const QString reason = why ? why() : QString();
                status.show(reason.isEmpty()
                                ? tr("%1 is not available now.").arg(alternatives[0]->text())
                                : reason);
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
            status.show(tr("Adjust Selected Line is not available now."));
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
    // Save waits for a change, and for the song to stop or pause: after Ctrl+Shift+K on a saved
    // sheet the person wants Song.lrc, which Ctrl+E writes.
    const SongSession* song = &session;
    QWidget* textPanel = ui.picUnsynch;
    button(
        QKeySequence(Qt::CTRL | Qt::Key_S), ui.cmdSave, {ui.cmdSaveUnsynch},
        [this, song, textPanel] {
            if (song->songPath().isEmpty())
                return QString();
            if (textPanel->isVisibleTo(&m_window))
                return tr("Nothing to save: the lyrics text is empty.");
            if (!m_list->isVisibleTo(&m_window))
                return QString();
            if (song->playback().isPlaying())
                return tr("Save is not available while the song plays: Pause or Stop first.");
            return song->keepsPreciseTimes()
                       ? tr("Nothing to save: the sheet is as it was opened or last saved. Ctrl+E "
                            "writes Song.lrc with its precise times now.")
                       : tr("Nothing to save: the sheet is as it was opened or last saved.");
        });
    installButtonTips();
    for (QPushButton* b : m_window.findChildren<QPushButton*>())
        b->installEventFilter(this);
}

// Up and Down on a button go through the lines, as in the list, and leave the focus on the
// button: Qt would walk it through the buttons, after Stop from Play onto Clear All Time
// Markings, where the Space meant for Play clears every mark. Bare Left and Right do nothing
// there for the same reason: Ctrl+Right held to seek, Ctrl let go first, repeats as a bare
// Right, and the next Space must still mark.
bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* press = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = press->modifiers() & ~Qt::KeypadModifier;
        if ((press->key() == Qt::Key_Up || press->key() == Qt::Key_Down) &&
            (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
            QCoreApplication::sendEvent(m_list, event);
            return true;
        }
        if ((press->key() == Qt::Key_Left || press->key() == Qt::Key_Right) &&
            modifiers == Qt::NoModifier)
            return true;
    }
    return QObject::eventFilter(watched, event);
}

void WindowKeys::installButtonTips() {
    const QString focused = tr("Space or Enter when it has the focus (Tab moves it)");
    for (QPushButton* b : m_window.findChildren<QPushButton*>())
        b->setToolTip(tr("%1 — %2").arg(b->text(), focused));
    const auto tip = [](QPushButton* b, const QString& keys) {
        b->setToolTip(tr("%1 — %2").arg(b->text(), keys));
    };
    const WindowControls ui = FindControls(m_window);
    tip(ui.cmdPlay, tr("Ctrl+P plays and pauses"));
    tip(ui.cmdStop, tr("Ctrl+."));
    tip(ui.cmdMark, tr("Space: Play puts the focus here. Ctrl+R replays the selected "
                       "line to mark it again; Ctrl+T measures your reaction delay"));
    tip(ui.cmdInsert, tr("Insert"));
    tip(ui.cmdRemove, tr("Delete (Ctrl+Z brings the line back)"));
    tip(ui.cmdAddLine, tr("Ctrl+L"));
    tip(ui.cmdEditLyric, tr("F2, or a double click on the line"));
    tip(ui.cmdAdjustSingle,
        tr("Ctrl+Shift+Right, Ctrl+Shift+Left move the line 1 second later, earlier"));
    tip(ui.cmdLineUp, tr("Up in the list"));
    tip(ui.cmdLineDown, tr("Down in the list"));
    tip(ui.cmdOpen, tr("Ctrl+O, or drop a song on the window"));
    tip(ui.cmdSave, tr("Ctrl+S"));
    tip(ui.cmdSaveUnsynch, tr("Ctrl+S; Ctrl+Return puts the lines on the sheet and leaves the "
                              "song's tag as it is"));
    tip(ui.cmdLyricsFromText,
        tr("Space or Enter when it has the focus, or drop a text file on the panel"));
    ui.lvLyrics->setToolTip(tr("%1 F1 lists every key.").arg(ui.lvLyrics->toolTip()));
}

void WindowKeys::ShowKeys() {
    m_keyOverlay->popUp();
}
