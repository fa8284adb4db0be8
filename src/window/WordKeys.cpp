#include "window/frmSychLyrics.h"

#include "controls/LyricList.h"
#include "controls/WordStrip.h"
#include "playback/Mp3Player.h"
#include "playback/WaveformLoader.h"
#include "session/SongPlayback.h"
#include "session/SongSession.h"
#include "session/SongSuggestions.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include <algorithm>

void frmSychLyrics::installWordKeys() {
    const auto key = [this](const QKeySequence& keys, const char* name,
                            const std::function<void()>& action) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this,
                [this, name, action] { guarded(name, action); });
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_W), "Word marking",
        [this] { showStatus(m_session->toggleWordMode()); });
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K), "Keep precise times",
        [this] { showStatus(m_session->toggleKeepPreciseTimes()); });
    const std::pair<QKeyCombination, qint64> nudges[] = {
        {Qt::ALT | Qt::Key_Left, -100},
        {Qt::ALT | Qt::Key_Right, 100},
        {Qt::ALT | Qt::SHIFT | Qt::Key_Left, -10},
        {Qt::ALT | Qt::SHIFT | Qt::Key_Right, 10},
    };
    for (const auto& [keys, deltaMs] : nudges)
        key(QKeySequence(keys), "Nudge", [this, delta = deltaMs] { NudgeSelection(delta); });

    const auto refresh = [this] { guarded("Word strip", [this] { showWordStrip(); }); };
    connect(ui.lvLyrics->selectionModel(), &QItemSelectionModel::selectionChanged, this, refresh);
    connect(&sheet(), &QAbstractItemModel::dataChanged, this, refresh);
    connect(&sheet(), &QAbstractItemModel::modelReset, this, refresh);
    connect(&sheet(), &QAbstractItemModel::rowsRemoved, this, refresh);
    connect(m_session, &SongSession::wordModeChanged, this, refresh);
    connect(m_waveform, &WaveformLoader::envelopeChanged, this, refresh);
    // The word being sung, at the display tick's pace.
    connect(ui.displayTimer, &QTimer::timeout, this, [this] {
        guarded("Word strip", [this] {
            const bool playing = playback().isPlaying() && !playback().tapAlongRunning();
            ui.wordStrip->setPosition(playing ? m_session->player().GetPositionMs() : -1);
        });
    });
    connect(ui.wordStrip, &WordStrip::clicked, this, [this](qint64 ms, int /*word*/) {
        guarded("Play from the word strip", [this, ms] {
            if (selectedRow() > 0)
                PlayFrom(ms);
        });
    });
}

void frmSychLyrics::showWordStrip() {
    const int p = selectedRow();
    const std::vector<SheetRow>& rows = sheet().rows();
    const SheetRow* row =
        p > 0 && p <= rowCount() ? &rows[static_cast<std::size_t>(p - 1)] : nullptr;
    if (!row || !(m_session->wordMode() || row->hasWordTimes())) {
        ui.wordStrip->hide();
        return;
    }
    const WordSpan span = WordSpanOf(rows, p);
    std::vector<WordStrip::Word> words;
    for (const auto& [text, ms] : span.words)
        words.push_back({text, ms});
    ui.wordStrip->setWords(std::move(words), span.fromMs, span.toMs);
    ui.wordStrip->setEnvelope(m_waveform->envelope());
    ui.wordStrip->show();
}

void frmSychLyrics::NudgeSelection(qint64 deltaMs) {
    if (ui.picSynch->isHidden() || playback().tapAlongRunning()) {
        showStatus(QStringLiteral("Nudges move lines of the lyric sheet: show it first."));
        return;
    }
    const std::vector<int> positions = ui.lvLyrics->selectedPositions();
    const int word =
        positions.size() == 1 && ui.wordStrip->isVisible() ? ui.wordStrip->selectedWord() : -1;
    const SongSession::Nudged nudged = m_session->nudge(positions, word, deltaMs);
    if (nudged.moved) {
        ShowSaveButton();
        std::vector<int> lines; // a nudged mark is one the person has looked at: trusted
        for (const int p : positions)
            lines.push_back(p - 1);
        m_session->suggestions().confirm(lines);
        PlayFrom(nudged.replayFromMs); // the correction is heard at once
    }
    showStatus(nudged.status);
}

void frmSychLyrics::PlayFrom(qint64 ms) {
    const std::vector<int> positions = ui.lvLyrics->selectedPositions();
    if (positions.empty() || playback().tapAlongRunning())
        return;
    const int word = ui.wordStrip->selectedWord();
    if (ui.cmdPlay->text() == QLatin1String("Play"))
        cmdPlay_Click(); // from Stop this loads the song, as a Play press does
    playback().replay(positions.front(), ms);
    ui.lvLyrics->selectPositions(positions);
    ui.wordStrip->selectWord(word);
    ui.lblCurrentLyric->setText(cell(positions.front(), ColLyric));
    Timer1_Timer();
}
