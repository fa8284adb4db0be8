#include "session/SongSuggestions.h"

#include "session/SongSession.h"
#include "sheet/Amount.h"

#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

SongSuggestions::SongSuggestions(SongSession& session, QObject* parent)
    : QObject(parent), m_session(session), m_analysis(new SongAnalysis(this)) {
    LyricSheet* sheet = &session.sheet();
    connect(&session, &SongSession::songOpened, this, &SongSuggestions::start);
    connect(sheet, &LyricSheet::modelReset, this, &SongSuggestions::start);
    connect(sheet, &LyricSheet::rowsInserted, this, &SongSuggestions::start);
    connect(sheet, &LyricSheet::rowsRemoved, this, &SongSuggestions::start);
    connect(sheet, &LyricSheet::dataChanged, this,
            [this](const QModelIndex& top, const QModelIndex& bottom, const QList<int>& roles) {
                if (!roles.contains(LyricSheet::SuggestedRole)) // its own hints are no change
                    sheetChanged(top.row(), bottom.row());
            });
    connect(m_analysis, &SongAnalysis::progress, this, [this](int percent) {
        emit status(QStringLiteral("Suggesting times\u2026 %1 %").arg(percent));
    });
    connect(m_analysis, &SongAnalysis::finished, this, &SongSuggestions::show);
}

QStringList SongSuggestions::lines() const {
    QStringList lines;
    for (const SheetRow& row : m_session.sheet().rows())
        lines << row.lyric;
    return lines;
}

Anchors SongSuggestions::anchors() const {
    Anchors marks;
    const std::vector<SheetRow>& rows = m_session.sheet().rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].hasExactMark()) {
            marks[static_cast<int>(i)] = rows[i].markMs;
        } else if (const std::optional<double> secs = ReadSeconds(rows[i].secs);
                   secs && std::isfinite(*secs) && *secs >= 0 && *secs < 1e9) {
            marks[static_cast<int>(i)] = static_cast<qint64>(*secs * 1000);
        }
    }
    return marks;
}

void SongSuggestions::start() {
    m_suggestions.clear();
    m_flags.clear();
    m_moved.clear();
    m_session.sheet().setHints({});
    m_statusShown = m_statusShown || m_analysis->running();
    m_analysis->cancel();
    if (std::exchange(m_startQueued, true))
        return;
    QTimer::singleShot(0, this, [this] {
        m_startQueued = false;
        startNow();
    });
}

void SongSuggestions::startNow() {
    m_lines = lines();
    m_anchors = anchors();
    const bool words = std::any_of(m_lines.begin(), m_lines.end(),
                                   [](const QString& line) { return !line.trimmed().isEmpty(); });
    if (m_session.songPath().isEmpty() || !words || m_session.showsNoLyrics()) {
        if (std::exchange(m_statusShown, false))
            emit status(QString());
        return;
    }
    m_statusShown = false; // the new analysis's progress takes its place
    m_analysis->start(m_session.songPath(), m_lines, m_anchors);
}

void SongSuggestions::show(const AnalysisResult& result) {
    m_suggestions.assign(static_cast<std::size_t>(m_lines.size()), Suggestion{});
    for (Suggestion& s : m_suggestions)
        s.ms = -1;
    for (const Suggestion& s : result.suggestions)
        if (s.line >= 0 && s.line < m_lines.size())
            m_suggestions[static_cast<std::size_t>(s.line)] = s;
    m_flags = result.flags;
    updateHints();
    emit status(result.status.isEmpty() || result.failed
                    ? result.status
                    : QStringLiteral("Suggested times: %1").arg(result.status));
}

void SongSuggestions::updateHints() {
    std::vector<LyricSheet::Hint> hints(m_suggestions.size());
    for (std::size_t i = 0; i < hints.size(); ++i) {
        hints[i].ms = m_suggestions[i].ms;
        hints[i].confident = m_suggestions[i].kind == Suggestion::Aligned &&
                             m_suggestions[i].confidence >= kConfident;
    }
    for (const TimingFlag& flag : m_flags)
        if (flag.line >= 0 && static_cast<std::size_t>(flag.line) < hints.size())
            hints[static_cast<std::size_t>(flag.line)].flag = flag.text();
    // None at all is no hints: a long sheet is then not redrawn for nothing.
    if (std::none_of(hints.begin(), hints.end(), [](const LyricSheet::Hint& hint) {
            return hint.ms >= 0 || !hint.flag.isEmpty();
        }))
        hints.clear();
    m_session.sheet().setHints(std::move(hints));
}

// A change of the rows' text makes the suggestions someone else's; a change of their marks
// only moves the stretches next to them, realigned once the change is over.
void SongSuggestions::sheetChanged(int firstRow, int lastRow) {
    if (m_suggestions.empty() && !m_analysis->running())
        return;
    const QStringList now = lines();
    if (now != m_lines) {
        start();
        return;
    }
    const Anchors marks = anchors();
    if (marks == m_anchors)
        return;
    if (m_analysis->running()) {
        start();
        return;
    }
    for (int line = std::max(firstRow, 0); line <= lastRow; ++line) {
        const auto before = m_anchors.find(line);
        const auto after = marks.find(line);
        if ((before == m_anchors.end()) != (after == marks.end()) ||
            (before != m_anchors.end() && before->second != after->second))
            m_moved.push_back(line);
    }
    m_anchors = marks;
    if (!m_realignQueued) {
        m_realignQueued = true;
        QTimer::singleShot(0, this, [this] {
            m_realignQueued = false;
            realignAround(std::exchange(m_moved, {}));
        });
    }
}

void SongSuggestions::realignAround(const std::vector<int>& moved) {
    if (m_suggestions.empty())
        return;
    const int last = static_cast<int>(m_suggestions.size()) - 1;
    for (const int line : moved) {
        // The stretch reaches from the anchor before the line to the one after it.
        const auto next = m_anchors.upper_bound(line);
        auto previous = m_anchors.lower_bound(line);
        const int from = previous == m_anchors.begin() ? 0 : std::prev(previous)->first + 1;
        const int to = next == m_anchors.end() ? last : next->first - 1;
        for (const Suggestion& s : m_analysis->realign(m_anchors, from, to))
            if (s.line >= from && s.line <= to)
                m_suggestions[static_cast<std::size_t>(s.line)] = s;
    }
    if (std::optional<std::vector<TimingFlag>> flags = m_analysis->check(m_anchors))
        m_flags = std::move(*flags);
    updateHints();
}

SongSuggestions::Accepted SongSuggestions::acceptSelected() {
    LyricSheet& sheet = m_session.sheet();
    const int p = sheet.selected();
    if (p < 1)
        return {0, QStringLiteral("Accept Suggested Time: select a line first.")};
    if (sheet.suggestedMs(p) < 0)
        return {0, QStringLiteral("Accept Suggested Time: line %1 has no suggested time.").arg(p)};
    const int accepted = sheet.acceptSuggestions({p}, QStringLiteral("Accept Suggested Time"));
    return {accepted, QStringLiteral("Line %1 takes its suggested time.").arg(p)};
}

SongSuggestions::Accepted SongSuggestions::acceptConfident() {
    LyricSheet& sheet = m_session.sheet();
    std::vector<int> positions;
    const std::vector<LyricSheet::Hint>& hints = sheet.hints();
    for (std::size_t i = 0; i < hints.size(); ++i)
        if (hints[i].confident && sheet.suggestedMs(static_cast<int>(i) + 1) >= 0)
            positions.push_back(static_cast<int>(i) + 1);
    if (positions.empty())
        return {0,
                m_analysis->running()
                    ? QStringLiteral("Accept Suggested Times: the suggestions are not ready yet.")
                    : QStringLiteral("Accept Suggested Times: no confident suggestion to accept.")};
    const int accepted =
        sheet.acceptSuggestions(positions, QStringLiteral("Accept Suggested Times"));
    return {accepted, QStringLiteral("%1 lines take their suggested times.").arg(accepted)};
}
