#include "window/frmSychLyrics.h"

#include "session/MarkingSettings.h"
#include "sheet/Amount.h"
#include "sheet/ReactionDelay.h"
#include "window/KeyOverlay.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTreeView>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr std::int32_t kSeekStepMs = 3000;
constexpr std::int32_t kReplayLeadInMs = 2000;
constexpr int kSlowestTenths = 5;
constexpr int kFastestTenths = 15;

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
         QStringLiteral("selected line 1 second earlier, later")},
        {QStringLiteral("Ctrl+Z; Ctrl+Shift+Z, Ctrl+Y"), QStringLiteral("undo; redo")},
        {QStringLiteral("Insert, Delete, Ctrl+L"),
         QStringLiteral("Insert Line, Remove Line, Add Line To End")},
        {QStringLiteral("F2"), QStringLiteral("Edit Selected Lyric")},
        {QStringLiteral("Up, Down"), QStringLiteral("previous, next line (in the list)")},
        {QStringLiteral("Ctrl+O, Ctrl+S"), QStringLiteral("open a song, Save")},
        {QStringLiteral("Ctrl+E"), QStringLiteral("write Song.lrc beside the song")},
        {QStringLiteral("Ctrl+Shift+E"),
         QStringLiteral("write the marked lines into the song's tag (SYLT)")},
        {QStringLiteral("Ctrl+I"), QStringLiteral("read the Song.lrc beside the song")},
        {QStringLiteral("Escape"),
         QStringLiteral("in the text panel: back to the sheet, the text kept, nothing saved")},
        {QStringLiteral("F1"), QStringLiteral("this list, until the next key or click")},
    };
    return keys;
}

} // namespace

// ---- the keys -------------------------------------------------------------------------------

void frmSychLyrics::installMarkingKeys() {
    const StoredDelay stored = ReadReactionDelay(m_platform.settingsFile);
    m_reactionDelayMs = stored.ms;
    m_settingsNotKept = stored.notKept;
    if (!stored.notKept.isEmpty()) {
        QString note = stored.notKept + QStringLiteral("; settings are not kept.");
        note[0] = note[0].toUpper();
        reportFailure(note);
    }
    m_keyOverlay = new KeyOverlay(keyList(), this);

    const auto key = [this](const QKeySequence& keys, const char* name,
                            const std::function<void()>& action, bool repeat = true) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setAutoRepeat(repeat);
        connect(shortcut, &QShortcut::activated, this,
                [this, name, action] { guarded(name, action); });
    };
    // A button's key clicks it when a user could: shown and enabled.
    const auto button = [this, &key](const QKeySequence& keys, QPushButton* target,
                                     QList<QPushButton*> alternatives = {}) {
        alternatives.prepend(target);
        key(
            keys, "Key",
            [this, alternatives] {
                for (QPushButton* candidate : alternatives)
                    if (candidate->isVisibleTo(this) && candidate->isEnabled()) {
                        candidate->click();
                        return;
                    }
                showStatus(QStringLiteral("%1 is not available now.").arg(alternatives[0]->text()));
            },
            false);
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_Left), "Seek", [this] { SeekBy(-kSeekStepMs); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Right), "Seek", [this] { SeekBy(kSeekStepMs); });
    key(
        QKeySequence(Qt::CTRL | Qt::Key_R), "Replay", [this] { ReplaySelectedLine(); }, false);
    key(QKeySequence(Qt::CTRL | Qt::Key_Down), "Speed", [this] { StepSpeed(-1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Up), "Speed", [this] { StepSpeed(1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_0), "Speed", [this] { StepSpeed(0); });
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up), "Reaction delay",
        [this] { StepReactionDelay(kReactionDelayStepMs); });
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down), "Reaction delay",
        [this] { StepReactionDelay(-kReactionDelayStepMs); });
    key(
        QKeySequence(Qt::CTRL | Qt::Key_T), "Reaction delay", [this] { StartTapAlong(); }, false);
    // The nudge is Adjust Selected Line by one second, wherever that button can be pressed.
    const auto nudge = [this](const QString& amount) {
        if (ui.cmdAdjustSingle->isVisibleTo(this) && ui.cmdAdjustSingle->isEnabled())
            AdjustSelectedLineBy(amount);
        else
            showStatus(QStringLiteral("Adjust Selected Line is not available now."));
    };
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Left), "Adjust Selected Line",
        [nudge] { nudge(QStringLiteral("-1")); });
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Right), "Adjust Selected Line",
        [nudge] { nudge(QStringLiteral("1")); });
    key(
        QKeySequence(Qt::Key_F1), "Keys", [this] { ShowKeys(); }, false);
    button(QKeySequence(Qt::CTRL | Qt::Key_P), ui.cmdPlay);
    button(QKeySequence(Qt::CTRL | Qt::Key_Period), ui.cmdStop);
    button(QKeySequence(Qt::Key_Insert), ui.cmdInsert);
    button(QKeySequence(Qt::Key_Delete), ui.cmdRemove);
    button(QKeySequence(Qt::CTRL | Qt::Key_L), ui.cmdAddLine);
    button(QKeySequence(Qt::Key_F2), ui.cmdEditLyric);
    button(QKeySequence(Qt::CTRL | Qt::Key_O), ui.cmdOpen);
    button(QKeySequence(Qt::CTRL | Qt::Key_S), ui.cmdSave, {ui.cmdSaveUnsynch});

    const QString focused = QStringLiteral("Space or Enter when it has the focus (Tab moves it)");
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setToolTip(b->text() + QStringLiteral(" — ") + focused);
    const auto tip = [](QPushButton* b, const QString& keys) {
        b->setToolTip(b->text() + QStringLiteral(" — ") + keys);
    };
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

void frmSychLyrics::ShowKeys() {
    m_keyOverlay->popUp();
}

QString frmSychLyrics::markingAidsText() const {
    QStringList aids;
    if (const double speed = ui.mp3Player ? ui.mp3Player->Speed() : 1.0; std::abs(speed - 1) > 1e-9)
        aids << QStringLiteral("Speed %1×").arg(speed, 0, 'f', 1);
    if (m_reactionDelayMs != 0)
        aids << QStringLiteral("reaction delay %1 ms").arg(m_reactionDelayMs);
    if (aids.isEmpty())
        return {};
    aids[0][0] = aids[0][0].toUpper();
    return aids.join(QStringLiteral(" · "));
}

// ---- seeking and replay ----------------------------------------------------------------------

void frmSychLyrics::SeekBy(std::int32_t deltaMs) {
    if (m_tapAlong)
        return;
    if (!state.isPlaying) {
        showStatus(QStringLiteral("Seeking works while a song is playing or paused."));
        return;
    }
    const std::int32_t length = player().GetSongLength();
    const std::int64_t target = static_cast<std::int64_t>(player().GetPositionMs()) + deltaMs;
    player().SeekPositionMs(static_cast<std::int32_t>(std::clamp<std::int64_t>(target, 0, length)));
    m_tickRow = 0;
    Timer1_Timer(); // the slider and the time label follow at once
}

void frmSychLyrics::ReplaySelectedLine() {
    const QString action = QStringLiteral("Replay");
    if (m_tapAlong)
        return;
    const int p = RequireSelectedRow(action);
    if (p == 0)
        return;
    const std::optional<double> secs = ReadSeconds(cell(p, ColSecs));
    if (!secs) {
        showStatus(
            QStringLiteral("%1: line %2 has no time yet; mark it first.").arg(action).arg(p));
        return;
    }
    if (ui.cmdPlay->text() == QLatin1String("Play"))
        cmdPlay_Click(); // from Stop this loads the song, as a Play press does
    const double startMs = std::clamp(*secs * 1000 - kReplayLeadInMs, 0.0, 2.0e9);
    player().SeekPositionMs(static_cast<std::int32_t>(std::lround(startMs)));
    // The line becomes the mark cursor; the preview of the saved times would move it away, so
    // the tick leaves it alone until Stop.
    const std::int16_t offset = sheet().lineOffset();
    sheet().setMarkCursor(static_cast<std::int16_t>(p - offset), offset);
    selectRow(p, true);
    m_replayHold = true;
    m_tickRow = 0;
    ui.lblCurrentLyric->setText(cell(p, ColLyric));
    ui.cmdMark->setFocus();
    Timer1_Timer();
    showStatus(QStringLiteral("Replaying line %1: Mark Line marks it again.").arg(p));
}

// ---- speed and reaction delay ---------------------------------------------------------------

void frmSychLyrics::StepSpeed(int tenths) {
    const int now = static_cast<int>(std::lround(player().Speed() * 10));
    const int next = tenths == 0 ? 10 : std::clamp(now + tenths, kSlowestTenths, kFastestTenths);
    if (next == now && tenths != 0) {
        showStatus(QStringLiteral("Speed %1× is the %2.")
                       .arg(next / 10.0, 0, 'f', 1)
                       .arg(tenths < 0 ? QStringLiteral("slowest") : QStringLiteral("fastest")));
        return;
    }
    player().SetSpeed(next / 10.0);
    const QString aids = markingAidsText();
    showStatus(aids.isEmpty() ? QStringLiteral("Normal speed.") : aids);
}

void frmSychLyrics::StepReactionDelay(std::int32_t deltaMs) {
    m_reactionDelayMs = std::clamp(m_reactionDelayMs + deltaMs, 0, kMaxReactionDelayMs);
    const QString notKept =
        KeepReactionDelay(m_platform.settingsFile, m_reactionDelayMs, m_settingsNotKept);
    const QString aids = markingAidsText();
    QString text =
        aids.isEmpty() ? QStringLiteral("No reaction delay: marks are taken at the press.") : aids;
    if (!notKept.isEmpty())
        text += QStringLiteral(" (it could not be kept for the next run: %1)").arg(notKept);
    showStatus(text);
}
