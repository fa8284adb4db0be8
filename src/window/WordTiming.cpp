#include "window/WordTiming.h"

#include "controls/LyricList.h"
#include "controls/WordStrip.h"
#include "playback/Mp3Player.h"
#include "session/SongPlayback.h"
#include "session/SongSession.h"
#include "session/SongSuggestions.h"
#include "session/WordEdits.h"
#include "sheet/WordTimes.h"
#include "window/Controls.h"
#include "window/SheetPanel.h"
#include "window/StatusLine.h"
#include "window/Transport.h"

#include <QItemSelectionModel>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace {
// A drag's replay starts this long before the word, so its start is heard.
constexpr qint64 kDragLeadInMs = 700;
// How often a loop checks whether its end has come.
constexpr int kLoopCheckMs = 20;
} // namespace

WordTiming::WordTiming(SongSession& session, StatusLine& status, SheetPanel& sheet,
                       Transport& transport, QWidget& window)
    : QObject(&window), m_session(session), m_status(status), m_sheet(sheet),
      m_transport(transport), m_window(window), m_strip(new WordStrip),
      m_loopTimer(new QTimer(this)) {
    m_strip->setObjectName(QStringLiteral("wordStrip"));
    m_strip->setSuggestionTip(tr("Ctrl+Shift+W accepts the line's suggested word "
                                 "times; a word you mark stays and the rest follow "
                                 "it."));
    m_loopTimer->setInterval(kLoopCheckMs);
    connect(m_loopTimer, &QTimer::timeout, this,
            [this] { m_status.guard("Loop", [this] { keepLooping(); }); });
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
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R), "Loop", [this] { ToggleLoop(); });
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H), "Split Word", [this] { SplitAtPointer(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_H), "Split Word", [this] { SplitIntoSyllables(); });

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
    connect(m_strip, &WordStrip::wordDragged, this, [this](int word, qint64 ms) {
        m_status.guard("Move Word", [this, word, ms] { DragWord(word, ms); });
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
        m_strip->setWords({}, 0, 1); // the selection and zoom were that line's
        return;
    }
    const WordSpan span = WordSpanOf(rows, p);
    // Words not marked by hand show their suggestions, hollow and grey.
    const std::vector<LyricSheet::WordHint> hints = m_session.sheet().wordHints(p);
    std::vector<WordStrip::Word> words;
    qint64 toMs = span.toMs;
    for (std::size_t k = 0; k < span.words.size(); ++k) {
        const auto& [text, ms] = span.words[k];
        const qint64 hinted = ms < 0 && k < hints.size() ? hints[k].ms : -1;
        // A syllable: the next part of the word follows it without a blank.
        const bool goesOn = k + 1 < row->words.size() &&
                            row->words[k].start + row->words[k].length == row->words[k + 1].start;
        words.push_back({text, hinted >= 0 ? hinted : ms, hinted >= 0, goesOn});
        toMs = std::max(toMs, hinted + 1000);
    }
    m_strip->setWords(std::move(words), span.fromMs, toMs);
    m_strip->setEnvelope(m_session.waveform());
    const std::vector<qint64>& onsets = m_session.suggestions().voice().onsetsMs;
    m_strip->setOnsets({std::lower_bound(onsets.begin(), onsets.end(), span.fromMs),
                        std::lower_bound(onsets.begin(), onsets.end(), toMs)});
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

int WordTiming::stripLine() const {
    return m_strip->isVisible() && !m_sheet.widget()->isHidden() ? m_session.sheet().selected() : 0;
}

void WordTiming::DragWord(int word, qint64 ms) {
    const int p = stripLine();
    if (p == 0)
        return;
    const QString status = MoveWordStart(m_session.sheet(), p, word, ms);
    m_sheet.ShowSaveButton();
    // A loop goes on over the new times; otherwise the new start is heard at once.
    if (m_loop.position == 0)
        PlayFrom(std::max<qint64>(0, ms - kDragLeadInMs));
    m_status.show(status);
}

void WordTiming::ToggleLoop() {
    if (m_loop.position != 0) {
        endLoop(tr("Loop ended; the song plays on."));
        return;
    }
    const int p = m_sheet.widget()->isHidden() ? 0 : m_session.sheet().selected();
    if (p == 0 || m_session.playback().tapAlongRunning()) {
        m_status.show(tr("Select a marked line to loop it."));
        return;
    }
    const int word = stripLine() == p ? m_strip->selectedWord() : -1;
    const LoopSpan span = LoopSpanOf(m_session.sheet().rows(), p, word);
    if (span.fromMs < 0) {
        m_status.show(word >= 0 ? tr("That word has no time to loop yet.")
                                : tr("Line %1 has no time to loop yet.").arg(p));
        return;
    }
    m_loop = {p, word};
    PlayFrom(span.fromMs);
    m_loopTimer->start();
    const QString what =
        word >= 0 ? tr("\"%1\"").arg(m_strip->words()[static_cast<std::size_t>(word)].text)
                  : tr("line %1").arg(p);
    m_status.show(tr("Looping %1 (%2 to %3): drag or nudge while it plays; Ctrl+Shift+R "
                     "ends the loop.")
                      .arg(what, PreciseTimeText(span.fromMs), PreciseTimeText(span.toMs)));
}

void WordTiming::keepLooping() {
    const SongPlayback& playback = m_session.playback();
    if (!playback.isPlaying()) { // Stop ends it
        endLoop(QString());
        return;
    }
    // The times are read afresh each round: a drag or a nudge is heard in the next one.
    const LoopSpan span = LoopSpanOf(m_session.sheet().rows(), m_loop.position, m_loop.word);
    if (span.fromMs < 0) {
        endLoop(tr("Loop ended: what it played has no time any more."));
        return;
    }
    if (m_session.player().GetPositionMs() >= span.toMs)
        m_session.playback().replay(m_loop.position, span.fromMs);
}

void WordTiming::endLoop(const QString& status) {
    m_loop = {};
    m_loopTimer->stop();
    if (!status.isEmpty())
        m_status.show(status);
}

void WordTiming::SplitAtPointer() {
    const int p = stripLine();
    if (p == 0) {
        m_status.show(tr("Split a word in the word strip: select a line whose words "
                         "are timed (Ctrl+W marks them)."));
        return;
    }
    const qint64 ms = m_strip->pointerMs();
    if (ms < 0) {
        m_status.show(tr("Point in the word strip where the syllable starts, then "
                         "press Ctrl+Shift+H."));
        return;
    }
    m_status.show(SplitWordAt(m_session.sheet(), p, m_strip->selectedWord(), ms));
    m_sheet.ShowSaveButton();
    selectWordAt(ms);
}

void WordTiming::SplitIntoSyllables() {
    const int p = stripLine();
    const int word = m_strip->selectedWord();
    if (p == 0 || word < 0) {
        m_status.show(tr("Select a word in the word strip to split it into its "
                         "syllables."));
        return;
    }
    const qint64 ms = m_strip->words()[static_cast<std::size_t>(word)].ms;
    m_status.show(
        ::SplitIntoSyllables(m_session.sheet(), p, word, m_session.suggestions().voice().onsetsMs));
    m_sheet.ShowSaveButton();
    selectWordAt(ms);
}

void WordTiming::selectWordAt(qint64 ms) {
    const std::vector<WordStrip::Word>& words = m_strip->words();
    for (int k = static_cast<int>(words.size()) - 1; k >= 0; --k)
        if (words[static_cast<std::size_t>(k)].ms >= 0 &&
            words[static_cast<std::size_t>(k)].ms <= ms) {
            m_strip->selectWord(k);
            return;
        }
}
