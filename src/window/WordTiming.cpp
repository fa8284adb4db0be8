#include "window/WordTiming.h"

#include "controls/LyricList.h"
#include "controls/WordStrip.h"
#include "playback/Mp3Player.h"
#include "session/SongPlayback.h"
#include "session/SongSession.h"
#include "session/SongSuggestions.h"
#include "window/Controls.h"
#include "window/SheetPanel.h"
#include "window/StatusLine.h"
#include "window/Transport.h"

#include <QItemSelectionModel>
#include <QShortcut>
#include <QTimer>

#include <functional>

WordTiming::WordTiming(SongSession& session, StatusLine& status, SheetPanel& sheet,
                       Transport& transport, QWidget& window)
    : QObject(&window), m_session(session), m_status(status), m_sheet(sheet),
      m_transport(transport), m_window(window), m_strip(new WordStrip) {
    m_strip->setObjectName(QStringLiteral("wordStrip"));
    installWordKeys();
}

void WordTiming::place(WindowControls& ui) const {
    ui.wordStrip = m_strip;
}

void WordTiming::installWordKeys() {
    const auto key = [this](const QKeySequence& keys, const char* name,
                            const std::function<void()>& action) {
        auto* shortcut = new QShortcut(keys, &m_window);
        connect(shortcut, &QShortcut::activated, this,
                [this, name, action] { m_status.guard(name, action); });
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_W), "Word marking",
        [this] { m_status.show(m_session.toggleWordMode()); });
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K), "Keep precise times",
        [this] { m_status.show(m_session.toggleKeepPreciseTimes()); });
    const std::pair<QKeyCombination, qint64> nudges[] = {
        {Qt::ALT | Qt::Key_Left, -100},
        {Qt::ALT | Qt::Key_Right, 100},
        {Qt::ALT | Qt::SHIFT | Qt::Key_Left, -10},
        {Qt::ALT | Qt::SHIFT | Qt::Key_Right, 10},
    };
    for (const auto& [keys, deltaMs] : nudges)
        key(QKeySequence(keys), "Nudge", [this, delta = deltaMs] { NudgeSelection(delta); });

    const auto refresh = [this] { m_status.guard("Word strip", [this] { showWordStrip(); }); };
    const LyricSheet* sheet = &m_session.sheet();
    connect(m_sheet.list()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            refresh);
    connect(sheet, &QAbstractItemModel::dataChanged, this, refresh);
    connect(sheet, &QAbstractItemModel::modelReset, this, refresh);
    connect(sheet, &QAbstractItemModel::rowsRemoved, this, refresh);
    connect(&m_session, &SongSession::wordModeChanged, this, refresh);
    connect(&m_session, &SongSession::waveformChanged, this, refresh);
    // The word being sung, at the display tick's pace.
    connect(m_transport.tick(), &QTimer::timeout, this, [this] {
        m_status.guard("Word strip", [this] {
            const SongPlayback& playback = m_session.playback();
            const bool playing = playback.isPlaying() && !playback.tapAlongRunning();
            m_strip->setPosition(playing ? m_session.player().GetPositionMs() : -1);
        });
    });
    connect(m_strip, &WordStrip::clicked, this, [this](qint64 ms, int /*word*/) {
        m_status.guard("Play from the word strip", [this, ms] {
            if (m_session.sheet().selected() > 0)
                PlayFrom(ms);
        });
    });
}

void WordTiming::showWordStrip() {
    const int p = m_session.sheet().selected();
    const std::vector<SheetRow>& rows = m_session.sheet().rows();
    const SheetRow* row = p > 0 && p <= static_cast<int>(rows.size())
                              ? &rows[static_cast<std::size_t>(p - 1)]
                              : nullptr;
    if (!row || !(m_session.wordMode() || row->hasWordTimes())) {
        m_strip->hide();
        return;
    }
    const WordSpan span = WordSpanOf(rows, p);
    std::vector<WordStrip::Word> words;
    for (const auto& [text, ms] : span.words)
        words.push_back({text, ms});
    m_strip->setWords(std::move(words), span.fromMs, span.toMs);
    m_strip->setEnvelope(m_session.waveform());
    m_strip->show();
}

void WordTiming::NudgeSelection(qint64 deltaMs) {
    if (m_sheet.widget()->isHidden() || m_session.playback().tapAlongRunning()) {
        m_status.show(tr("Nudges move lines of the lyric sheet: show it first."));
        return;
    }
    const std::vector<int> positions = m_sheet.list()->selectedPositions();
    const int word = positions.size() == 1 && m_strip->isVisible() ? m_strip->selectedWord() : -1;
    const SongSession::Nudged nudged = m_session.nudge(positions, word, deltaMs);
    if (nudged.moved) {
        m_sheet.ShowSaveButton();
        std::vector<int> lines; // a nudged mark is one the person has looked at: trusted
        lines.reserve(positions.size());
        for (const int p : positions)
            lines.push_back(p - 1);
        m_session.suggestions().confirm(lines);
        PlayFrom(nudged.replayFromMs); // the correction is heard at once
    }
    m_status.show(nudged.status);
}

void WordTiming::PlayFrom(qint64 ms) {
    const std::vector<int> positions = m_sheet.list()->selectedPositions();
    if (positions.empty() || m_session.playback().tapAlongRunning())
        return;
    const int word = m_strip->selectedWord();
    m_transport.PlayFrom(ms, positions);
    m_strip->selectWord(word);
    m_sheet.showCurrentLyric(m_session.sheet().cell(positions.front(), LyricSheet::ColLyric));
    m_transport.Timer1_Timer();
}
