#include "window/Transport.h"

#include "controls/KeyDownClick.h"
#include "controls/LyricList.h"
#include "controls/SongSlider.h"
#include "playback/Mp3Player.h"
#include "playback/Waveform.h"
#include "session/SongPlayback.h"
#include "session/SongSession.h"
#include "sheet/TimeText.h"
#include "window/Controls.h"
#include "window/SheetPanel.h"
#include "window/StatusLine.h"
#include "window/WindowLook.h"

#include <QEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {
constexpr int kTimeLabelWidth = 110; // "12:34 / 12:34" and room around it
} // namespace

Transport::Transport(SongSession& session, StatusLine& status, SheetPanel& sheet, QWidget& window)
    : QObject(&window), m_session(session), m_status(status), m_sheet(sheet), m_window(window),
      m_slider(new SongSlider), m_time(MakeLabel("lblTime", QStringLiteral("0:00 / 0:00"))),
      m_play(MakeButton("cmdPlay", tr("Play"))), m_stop(MakeButton("cmdStop", tr("Stop"))),
      m_mark(MakeButton("cmdMark", tr("Mark Line"), false)), m_timer(new QTimer(this)) {
    m_slider->setObjectName(QStringLiteral("sldSong"));
    m_time->setFont(ArialBold(12));
    QPalette white = m_time->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_time->setPalette(white);
    m_time->setAutoFillBackground(true);
    m_time->setAlignment(Qt::AlignCenter);
    m_time->setMinimumWidth(kTimeLabelWidth);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(100);

    status.onClick(m_play, "Play", [this] { cmdPlay_Click(); });
    status.onClick(m_stop, "Stop", [this] { cmdStop_Click(); });
    status.onClick(m_mark, "Mark Line", [this] { cmdMark_Click(); });
    // The line is sung when Space goes down, and a held key marks one line, not one per
    // repeat over the marks of the lines after it.
    new KeyDownClick(*m_mark);
    connect(m_slider, &SongSlider::userMoved, this,
            [this] { m_status.guard("Seek", [this] { sldSong_Scroll(); }); });
    connect(m_timer, &QTimer::timeout, this,
            [this] { m_status.guard("Timer", [this] { Timer1_Timer(); }); });
    if (session.hasPlayer())
        connect(&session.player(), &Mp3Player::SongEnded, this, [this](int reason) {
            m_status.guard("End of song", [this, reason] { Amp3dj1_SongEnded(reason); });
        });
    // A song opened is shown from its start, its length unknown until it plays: until then the
    // slider spans its waveform, not the song before.
    connect(&session, &SongSession::songOpened, this, [this] {
        m_slider->setMax(0);
        m_slider->setValue(0);
        showTime(QStringLiteral("0:00 / 0:00"), 0);
    });
    // The session's one decode of the song brings its outline.
    // Its length too, rounded as the tick rounds the player's: until the song plays, the label
    // shows the one the decode measured.
    connect(&session, &SongSession::waveformChanged, this, [this] {
        const auto waveform = m_session.waveform();
        m_slider->setEnvelope(waveform);
        if (waveform && waveform->seconds() > 0 && !playback().isPlaying())
            showLength(static_cast<std::int32_t>(RoundHalfEven(waveform->seconds())));
    });
    m_slider->followSheet(&session.sheet());
    // While the song plays a click that seeks or picks a line leaves the keyboard to Mark Line.
    m_slider->focusProxy()->installEventFilter(this);
    sheet.list()->viewport()->installEventFilter(this);
    // The selected line's mark is drawn apart from the others.
    connect(sheet.list()->selectionModel(), &QItemSelectionModel::selectionChanged, m_slider,
            [this] { m_slider->update(); });
}

// The slider and the list take the focus when clicked, and there Space neither marks nor says
// why: while the song plays the focus goes back to Mark Line once the click is done.
bool Transport::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && m_mark->isEnabled())
        QTimer::singleShot(0, m_mark, [mark = m_mark] {
            if (mark->isEnabled() && mark->isVisible())
                mark->setFocus(Qt::OtherFocusReason);
        });
    return QObject::eventFilter(watched, event);
}

void Transport::place(WindowControls& ui) const {
    ui.sldSong = m_slider;
    ui.lblTime = m_time;
    ui.cmdPlay = m_play;
    ui.cmdStop = m_stop;
    ui.cmdMark = m_mark;
    ui.displayTimer = m_timer;
}

SongPlayback& Transport::playback() const {
    return m_session.playback();
}

bool Transport::showsPlay() const {
    return m_play->text() == tr("Play");
}

void Transport::SetPlayingControls(bool playing) {
    m_sheet.setEditing(!playing);
    m_mark->setEnabled(playing);
}

void Transport::cmdPlay_Click() {
    if (showsPlay()) {
        if (playback().play()) {
            m_sheet.setMoveStart(1);
            if (m_session.sheet().count() >= 1)
                m_sheet.selectLine(1, true);
        }
        m_sheet.showCurrentLyric(QString());
        m_play->setText(tr("Pause"));
        SetPlayingControls(true);
        // Marking is what the keyboard is for while the song plays.
        m_mark->setFocus();
        if (const QString aids = playback().markingAidsText(); !aids.isEmpty())
            m_status.show(aids);
    } else {
        playback().pause();
        m_play->setText(tr("Play"));
        SetPlayingControls(false);
    }
}

void Transport::StopOrEndSong() {
    if (playback().tapAlongRunning()) {
        m_status.show(playback().stop());
        m_sheet.releaseAfterTapAlong();
        m_mark->setEnabled(m_markEnabledBeforeTapAlong);
        m_play->setEnabled(m_playEnabledBeforeTapAlong);
        m_play->setFocus();
        return;
    }
    const std::int32_t length = playback().songLengthSeconds();
    playback().stop();
    m_play->setText(tr("Play"));
    showLength(length);
    m_slider->setValue(m_slider->Min());
    m_sheet.showCurrentLyric(QString());
    // The first row, as after every Stop; a nudge after it names the line it moves.
    if (m_session.sheet().count() >= 1)
        m_sheet.selectLine(1, true);
    m_sheet.setMoveStart(0);
    SetPlayingControls(false);
    m_sheet.disableLineUp();
    // Space on Play starts marking again; only a text box being typed in keeps the focus.
    if (!qobject_cast<QLineEdit*>(m_window.focusWidget()))
        m_play->setFocus();
}

void Transport::showLength(std::int32_t seconds) {
    showTime(QStringLiteral("0:00 / ") + SecondsToTime(seconds), seconds);
}

// The label is made as wide as the longest time the song can show, once, so the slider keeps
// its length when the song plays past an hour rather than shrinking midway.
void Transport::showTime(const QString& text, std::int32_t lengthSeconds) {
    m_time->setText(text);
    if (lengthSeconds == m_fittedLength)
        return;
    m_fittedLength = lengthSeconds;
    const QString length = SecondsToTime(lengthSeconds);
    const int needed =
        m_time->fontMetrics().horizontalAdvance(length + QStringLiteral(" / ") + length) +
        2 * m_time->fontMetrics().averageCharWidth();
    m_time->setMinimumWidth(std::max(kTimeLabelWidth, needed));
}

void Transport::Timer1_Timer() {
    if (!playback().isPlaying())
        return;
    // A failing lookup or player would repeat ten times a second: say it once, keep trying.
    try {
        const SongPlayback::Shown shown = playback().tick();
        m_tickFailure.clear();
        if (shown.atStart) {
            m_time->setText(QString());
            return;
        }
        m_slider->setMax(shown.lengthSeconds);
        m_slider->setValue(shown.second);
        showTime(shown.timeText, shown.lengthSeconds);
        if (shown.row > 0) {
            m_sheet.selectLine(shown.row, true);
            m_sheet.showCurrentLyric(shown.lyric);
        }
    } catch (const VersettaError& error) {
        if (error.message() != m_tickFailure)
            m_status.report(error.message());
        m_tickFailure = error.message();
    }
}

void Transport::cmdMark_Click() {
    if (playback().tapAlongRunning()) {
        m_status.show(playback().takeTap()); // the tap-along measures the press instead
        return;
    }
    const int stamped = m_session.sheet().selected();
    if (stamped == 0)
        return; // nothing selected: nothing to stamp
    if (const QString refused = playback().markSelected(); !refused.isEmpty()) {
        m_status.show(refused);
        return;
    }
    m_sheet.showCurrentLyric(m_session.sheet().cell(stamped, LyricSheet::ColLyric));
    m_sheet.showSheetSelection(true);
    m_sheet.ShowSaveButton();
}

void Transport::ReplaySelectedLine() {
    if (playback().tapAlongRunning())
        return;
    const int p = m_sheet.RequireSelectedRow(tr("Replay"));
    if (p == 0)
        return;
    if (!playback().replayTime(p)) {
        m_status.show(tr("Replay: line %1 has no time yet; mark it first.").arg(p));
        return;
    }
    if (showsPlay())
        cmdPlay_Click(); // from Stop this loads the song, as a Play press does
    playback().replay(p);
    m_sheet.showSheetSelection(true);
    m_sheet.showCurrentLyric(m_session.sheet().cell(p, LyricSheet::ColLyric));
    m_mark->setFocus();
    Timer1_Timer();
    m_status.show(tr("Replaying line %1: Mark Line marks it again.").arg(p));
}

void Transport::PlayFrom(qint64 ms, const std::vector<int>& positions) {
    if (showsPlay())
        cmdPlay_Click(); // from Stop this loads the song, as a Play press does
    playback().replay(positions.front(), ms);
    m_sheet.list()->selectPositions(positions);
}

void Transport::StartTapAlong() {
    if (playback().tapAlongRunning())
        return;
    if (playback().isPlaying() || m_sheet.widget()->isHidden()) {
        m_status.show(tr("Stop the song (with the lyric sheet shown) to measure the "
                         "reaction delay."));
        return;
    }
    const QString started = playback().startTapAlong();
    m_sheet.holdForTapAlong();
    m_markEnabledBeforeTapAlong = m_mark->isEnabled();
    m_playEnabledBeforeTapAlong = m_play->isEnabled();
    SetPlayingControls(true);
    m_play->setEnabled(false);
    m_mark->setFocus();
    m_status.show(started);
}

void Transport::cmdStop_Click() {
    StopOrEndSong();
}

void Transport::Amp3dj1_SongEnded(int /*reason*/) {
    StopOrEndSong();
}

void Transport::sldSong_Scroll() {
    playback().seekTo(m_slider->Value());
}

void Transport::SeekBy(std::int32_t deltaMs) {
    if (playback().tapAlongRunning())
        return;
    if (const QString refused = playback().seekBy(deltaMs); !refused.isEmpty()) {
        m_status.show(refused);
        return;
    }
    m_sheet.showSheetSelection(true);
    Timer1_Timer(); // the slider and the time label follow at once
}
