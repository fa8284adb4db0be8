#include "session/SongPlayback.h"

#include "core/Failure.h"
#include "playback/ClickTrack.h"
#include "playback/Mp3Player.h"
#include "session/MarkingSettings.h"
#include "session/SongSession.h"
#include "sheet/Amount.h"
#include "sheet/ReactionDelay.h"
#include "sheet/TimeText.h"
#include "storage/LyricsXml.h"
#include "storage/RegularFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr std::int32_t kReplayLeadInMs = 2000;
constexpr int kSlowestTenths = 5;
constexpr int kFastestTenths = 15;
// A tap counts for the click it is nearest to, if it comes at most this much before it or this
// much after it; anything else was not a reaction to a click.
constexpr std::int32_t kEarliestTapMs = 250;
constexpr std::int32_t kLatestTapMs = 750;
constexpr std::size_t kFewestTaps = 4;

struct MarkPosition {
    std::int32_t secs = 0;
    std::int16_t minutes = 0;
    std::int16_t seconds = 0;
    qint64 ms = -1;
};

// The player's position as one press marks it, less the user's reaction delay: whole seconds
// for the sheet, and the exact milliseconds, kept inside that second, for the exports.
MarkPosition markPosition(Mp3Player& player, std::int32_t delayMs) {
    MarkPosition at;
    if (delayMs != 0) {
        at.ms = DelayedPositionMs(player.GetPositionMs(), delayMs, player.Speed());
        at.secs = static_cast<std::int32_t>(at.ms / 1000);
        at.minutes = static_cast<std::int16_t>(std::min(at.secs / 60, 32767));
        at.seconds = static_cast<std::int16_t>(at.secs % 60);
        return at;
    }
    at.secs = player.GetPosition();
    at.minutes = player.GetPositionMinutes();
    at.seconds = player.GetPositionSeconds();
    const qint64 second = qint64{at.secs} * 1000;
    at.ms = std::clamp<qint64>(player.GetPositionMs(), second, second + 999);
    return at;
}

} // namespace

SongPlayback::SongPlayback(SongSession& session, const QString& settingsFile)
    : QObject(&session), m_session(session), m_settingsFile(settingsFile) {
    setObjectName(QStringLiteral("playback"));
    const StoredDelay stored = ReadReactionDelay(settingsFile);
    m_reactionDelayMs = stored.ms;
    m_settingsNotKept = stored.notKept;
}

SongPlayback::~SongPlayback() = default;

QString SongPlayback::settingsNote() const {
    if (m_settingsNotKept.isEmpty())
        return {};
    QString note = tr("%1; settings are not kept.").arg(m_settingsNotKept);
    note[0] = note[0].toUpper();
    return note;
}

Mp3Player& SongPlayback::player() const {
    return m_session.player();
}

// ---- Play, Pause, Stop ------------------------------------------------------------------------

bool SongPlayback::play() {
    const bool fromStop = !m_playing;
    // The player would wait for ever on a pipe's writer, showing a song that never starts.
    if (const QString kind = NonRegularKind(m_session.songPath()); fromStop && !kind.isEmpty())
        throw VersettaError(tr("Cannot play %1: it is %2, not a song file.")
                                .arg(QFileInfo(m_session.songPath()).fileName(), kind));
    m_session.fillPreview();
    if (fromStop)
        player().LoadSong(m_session.songPath());
    player().PlaySong();
    m_playing = true;
    m_tickRow = 0; // the resumed position's line is shown again
    return fromStop;
}

void SongPlayback::pause() {
    player().PauseSong();
}

QString SongPlayback::stop() {
    if (m_tapAlong)
        return finishTapAlong();
    m_replayHold = false;
    player().StopSong();
    m_playing = false;
    m_session.sheet().setMarkCursor(0, 0);
    m_tickRow = 0;
    return {};
}

std::int32_t SongPlayback::songLengthSeconds() const {
    return static_cast<std::int32_t>(RoundHalfEven(player().GetSongLength() / 1000.0));
}

QString SongPlayback::markingAidsText() const {
    QStringList aids;
    const double speed = m_session.hasPlayer() ? player().Speed() : 1.0;
    if (std::abs(speed - 1) > 1e-9)
        aids << tr("Speed %1×").arg(speed, 0, 'f', 1);
    if (m_reactionDelayMs != 0)
        aids << tr("reaction delay %1 ms").arg(m_reactionDelayMs);
    if (aids.isEmpty())
        return {};
    aids[0][0] = aids[0][0].toUpper();
    return aids.join(tr(" · "));
}

// ---- seeking and speed ------------------------------------------------------------------------

QString SongPlayback::seekBy(std::int32_t deltaMs) {
    if (!m_playing)
        return tr("Seeking works while a song is playing or paused.");
    const std::int32_t length = player().GetSongLength();
    const std::int64_t target = static_cast<std::int64_t>(player().GetPositionMs()) + deltaMs;
    const auto at = static_cast<std::int32_t>(std::clamp<std::int64_t>(target, 0, length));
    player().SeekPositionMs(at);
    m_tickRow = 0;
    cursorToNextLineAfter(at);
    return {};
}

// The tick moves the cursor only when the song reaches the start of a saved line: after a jump
// it would stay on the line it held before, and Mark Line would stamp that one again.
void SongPlayback::cursorToNextLineAfter(std::int32_t ms) {
    LyricSheet& sheet = m_session.sheet();
    const std::vector<SheetRow>& rows = sheet.rows();
    int last = 0; // the last row marked at or before ms
    for (int p = 1; p <= sheet.count(); ++p) {
        const SheetRow& row = rows[static_cast<std::size_t>(p - 1)];
        const std::optional<double> secs = ReadSeconds(row.secs);
        if (!secs)
            continue;
        const double rowMs = row.hasExactMark() ? static_cast<double>(row.markMs) : *secs * 1000;
        if (rowMs <= ms)
            last = p;
    }
    int next = last + 1;
    while (next <= sheet.count() && rows[static_cast<std::size_t>(next - 1)].lyric.isEmpty())
        ++next;
    if (next > sheet.count())
        return;
    m_replayHold = false;
    const std::int16_t offset = sheet.lineOffset();
    sheet.setMarkCursor(static_cast<std::int16_t>(next - offset), offset);
    sheet.setSelected(next);
}

void SongPlayback::seekTo(double seconds) {
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    player().SeekPosition(static_cast<std::int32_t>(RoundHalfEven(std::clamp(seconds, lo, hi))));
    m_tickRow = 0;
}

QString SongPlayback::stepSpeed(int tenths) {
    const int now = static_cast<int>(std::lround(player().Speed() * 10));
    const int next = tenths == 0 ? 10 : std::clamp(now + tenths, kSlowestTenths, kFastestTenths);
    if (next == now && tenths != 0)
        return (tenths < 0 ? tr("Speed %1× is the slowest.") : tr("Speed %1× is the fastest."))
            .arg(next / 10.0, 0, 'f', 1);
    player().SetSpeed(next / 10.0);
    const QString aids = markingAidsText();
    return aids.isEmpty() ? tr("Normal speed.") : aids;
}

// ---- marking ------------------------------------------------------------------------------------

QString SongPlayback::stepReactionDelay(std::int32_t deltaMs) {
    m_reactionDelayMs = std::clamp(m_reactionDelayMs + deltaMs, 0, kMaxReactionDelayMs);
    const QString notKept = KeepReactionDelay(m_settingsFile, m_reactionDelayMs, m_settingsNotKept);
    const QString aids = markingAidsText();
    QString text = aids.isEmpty() ? tr("No reaction delay: marks are taken at the press.") : aids;
    if (!notKept.isEmpty())
        text += tr(" (it could not be kept for the next run: %1)").arg(notKept);
    return text;
}

QString SongPlayback::markSelected() {
    if (m_session.sheet().selected() == 0)
        return {}; // nothing selected: nothing to stamp
    const auto [secs, minutes, seconds, ms] = markPosition(player(), m_reactionDelayMs);
    if (secs > kMaxMarkSeconds)
        return tr("Lines can be marked up to %1 into a song.").arg(SecondsToTime(kMaxMarkSeconds));
    const QString timeText =
        minutes > 0 || seconds > 0 ? SecondsToTime(minutes * 60 + seconds) : QString();
    if (m_session.wordMode())
        m_session.sheet().markWord(ms);
    else
        m_session.sheet().mark(secs, timeText, ms);
    return {};
}

std::optional<double> SongPlayback::replayTime(int position) const {
    return ReadSeconds(m_session.sheet().cell(position, LyricSheet::ColSecs));
}

void SongPlayback::replay(int position, std::optional<qint64> fromMs) {
    const double startMs =
        std::clamp(fromMs ? static_cast<double>(*fromMs)
                          : replayTime(position).value_or(0) * 1000 - kReplayLeadInMs,
                   0.0, 2.0e9);
    player().SeekPositionMs(static_cast<std::int32_t>(std::lround(startMs)));
    LyricSheet& sheet = m_session.sheet();
    const std::int16_t offset = sheet.lineOffset();
    sheet.setMarkCursor(static_cast<std::int16_t>(position - offset), offset);
    sheet.setSelected(position);
    m_replayHold = true;
    m_tickRow = 0;
}

// ---- the display tick ---------------------------------------------------------------------------

SongPlayback::Shown SongPlayback::tick() {
    Shown shown;
    const std::int32_t lengthMs = player().GetSongLength();
    if (!(player().GetPositionMinutes() > 0) && !(player().GetPositionSeconds() > 0))
        return shown;
    shown.atStart = false;
    shown.lengthSeconds = lengthMs / 1000.0;
    shown.second = player().GetPosition();
    const auto total = static_cast<std::int32_t>(RoundHalfEven(shown.lengthSeconds));
    shown.timeText = SecondsToTime(shown.second) + QStringLiteral(" / ") + SecondsToTime(total);

    const auto second = static_cast<std::int16_t>(std::min(shown.second, kMaxMarkSeconds));
    const std::optional<PreviewRow> found = m_session.lyricAt(second);
    if (!found || m_replayHold)
        return shown;
    LyricSheet& sheet = m_session.sheet();
    // Setting the cursor starts the line's words again: only when the song reached another line.
    if (found->lineNumber != sheet.currentLine())
        sheet.setMarkCursor(found->lineNumber, sheet.lineOffset());
    // Rows blanked since the file was saved are stepped over, and remembered in lineOffset.
    // A walk that runs past the last row means the saved file no longer matches the sheet:
    // then nothing changes.
    if (found->lyric.isEmpty() || !sheet.stepOverBlankRows())
        return shown;
    // The line is shown when it changes; in between (a pause) the user's selection stays, so
    // the sheet can be edited on another line.
    const int row = sheet.currentLine() + sheet.lineOffset();
    if (row == m_tickRow)
        return shown;
    m_tickRow = row;
    shown.row = row;
    shown.lyric = found->lyric;
    return shown;
}

// ---- measuring the reaction delay
// -----------------------------------------------------------------

// Clicks at known times through the same player, and Mark Line on each through the same
// button: the delay then measured is the one that marking has.
QString SongPlayback::startTapAlong() {
    auto tap = std::make_unique<TapAlong>();
    const QString clicks = tap->folder.filePath(QStringLiteral("clicks.wav"));
    QFile file(clicks);
    if (!tap->folder.isValid() || !file.open(QIODevice::WriteOnly) ||
        file.write(ClickTrackWav()) < 0 || !file.flush())
        throw VersettaError(tr("The clicks for measuring the reaction delay could "
                               "not be written to a temporary folder."));
    file.close();
    tap->clickTaken.assign(kClickTimesMs.size(), false);
    tap->speed = player().Speed();
    m_tapAlong = std::move(tap);
    player().SetSpeed(1); // the delay is a matter of real time
    player().LoadSong(clicks);
    player().PlaySong();
    return tr("Reaction delay: press Mark Line at each of the %1 clicks (Stop ends "
              "it).")
        .arg(kClickTimesMs.size());
}

QString SongPlayback::takeTap() {
    const std::int32_t at = player().GetPositionMs();
    const auto nearest = std::min_element(
        kClickTimesMs.begin(), kClickTimesMs.end(),
        [at](std::int32_t a, std::int32_t b) { return std::abs(at - a) < std::abs(at - b); });
    const std::int32_t lateness = at - *nearest;
    const auto index = static_cast<std::size_t>(nearest - kClickTimesMs.begin());
    if (lateness >= -kEarliestTapMs && lateness <= kLatestTapMs && !m_tapAlong->clickTaken[index]) {
        m_tapAlong->clickTaken[index] = true;
        m_tapAlong->latenessMs.push_back(lateness);
    }
    return tr("Reaction delay: %1 of %2 clicks taken.")
        .arg(m_tapAlong->latenessMs.size())
        .arg(kClickTimesMs.size());
}

QString SongPlayback::finishTapAlong() {
    const std::unique_ptr<TapAlong> tap = std::move(m_tapAlong);
    player().StopSong();
    player().SetSpeed(tap->speed);
    const std::size_t taken = tap->latenessMs.size();
    if (taken < kFewestTaps)
        return tr("Reaction delay unchanged (%1 ms): only %2 of %3 clicks were "
                  "taken; Ctrl+T tries again.")
            .arg(m_reactionDelayMs)
            .arg(taken)
            .arg(kClickTimesMs.size());
    return stepReactionDelay(MedianDelayMs(tap->latenessMs) - m_reactionDelayMs);
}
