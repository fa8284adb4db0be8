#include "window/TapAlong.h"

#include "playback/ClickTrack.h"
#include "sheet/ReactionDelay.h"
#include "window/UpDown.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdlib>

namespace {
// A press counts for the click it is nearest to, if it comes at most this much before it or
// this much after it; anything else was not a reaction to a click.
constexpr std::int32_t kEarliestMs = 250;
constexpr std::int32_t kLatestMs = 750;
constexpr std::size_t kFewestTaps = 4;
} // namespace

// Clicks at known times through the same player, and Mark Line on each through the same
// button: the delay then measured is the one that marking has.
void frmSychLyrics::StartTapAlong() {
    if (m_tapAlong)
        return;
    if (state.isPlaying || ui.picSynch->isHidden()) {
        showStatus(QStringLiteral("Stop the song (with the lyric sheet shown) to measure the "
                                  "reaction delay."));
        return;
    }
    auto tap = std::make_unique<TapAlong>();
    const QString clicks = tap->folder.filePath(QStringLiteral("clicks.wav"));
    QFile file(clicks);
    if (!tap->folder.isValid() || !file.open(QIODevice::WriteOnly) ||
        file.write(ClickTrackWav()) < 0 || !file.flush()) {
        showStatus(QStringLiteral("The clicks for measuring the reaction delay could not be "
                                  "written to a temporary folder."));
        return;
    }
    file.close();
    tap->clickTaken.assign(kClickTimesMs.size(), false);
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui.cmdInsert, ui.cmdRemove, ui.cmdAddLine, ui.cmdAdjustAll, ui.cmdAdjustSingle,
             ui.txtAdjustAll, ui.txtAdjustSingle, ui.spnAdjustAll, ui.spnAdjustSingle, ui.cmdReset,
             ui.cmdEditLyric, ui.cmdLineDown, ui.cmdLineUp, ui.cmdSave, ui.cmdMark, ui.cmdPlay})
        tap->enabled.emplace_back(control, control->isEnabled());
    tap->speed = player().Speed();
    m_tapAlong = std::move(tap);

    player().SetSpeed(1); // the delay is a matter of real time
    player().LoadSong(clicks);
    player().PlaySong();
    SetPlayingControls(true);
    ui.cmdPlay->setEnabled(false);
    ui.cmdMark->setFocus();
    showStatus(QStringLiteral("Reaction delay: press Mark Line at each of the %1 clicks "
                              "(Stop ends it).")
                   .arg(kClickTimesMs.size()));
}

bool frmSychLyrics::takeTap() {
    if (!m_tapAlong)
        return false;
    const std::int32_t at = player().GetPositionMs();
    const auto nearest = std::min_element(
        kClickTimesMs.begin(), kClickTimesMs.end(),
        [at](std::int32_t a, std::int32_t b) { return std::abs(at - a) < std::abs(at - b); });
    const std::int32_t lateness = at - *nearest;
    const auto index = static_cast<std::size_t>(nearest - kClickTimesMs.begin());
    if (lateness >= -kEarliestMs && lateness <= kLatestMs && !m_tapAlong->clickTaken[index]) {
        m_tapAlong->clickTaken[index] = true;
        m_tapAlong->latenessMs.push_back(lateness);
    }
    showStatus(QStringLiteral("Reaction delay: %1 of %2 clicks taken.")
                   .arg(m_tapAlong->latenessMs.size())
                   .arg(kClickTimesMs.size()));
    return true;
}

void frmSychLyrics::finishTapAlong() {
    const std::unique_ptr<TapAlong> tap = std::move(m_tapAlong);
    player().StopSong();
    player().SetSpeed(tap->speed);
    for (const auto& [control, enabled] : tap->enabled)
        control->setEnabled(enabled);
    ui.cmdPlay->setFocus();
    const std::size_t taken = tap->latenessMs.size();
    if (taken < kFewestTaps) {
        showStatus(QStringLiteral("Reaction delay unchanged (%1 ms): only %2 of %3 clicks were "
                                  "taken; Ctrl+T tries again.")
                       .arg(m_reactionDelayMs)
                       .arg(taken)
                       .arg(kClickTimesMs.size()));
        return;
    }
    StepReactionDelay(MedianDelayMs(tap->latenessMs) - m_reactionDelayMs);
}
