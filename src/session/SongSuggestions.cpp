#include "session/SongSuggestions.h"

#include "session/SongSession.h"
#include "session/WordSuggestions.h"

#include <QTimer>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// A new mark realigns this many lines on each side of it at most: the first marks of a fresh
// song stay cheap, and lines farther away keep what the analysis found for them.
constexpr int kReach = 4;
// Undo and redo find these many states as they were shown.
constexpr std::size_t kStatesKept = 32;

// The anchors on both sides of a line, not counting one on the line itself.
std::pair<std::optional<std::pair<int, qint64>>, std::optional<std::pair<int, qint64>>>
neighbours(const Anchors& anchors, int line) {
    std::optional<std::pair<int, qint64>> before;
    std::optional<std::pair<int, qint64>> after;
    if (auto below = anchors.lower_bound(line); below != anchors.begin())
        before = *std::prev(below);
    if (auto above = anchors.upper_bound(line); above != anchors.end())
        after = *above;
    return {before, after};
}

} // namespace

SongSuggestions::SongSuggestions(SongSession& session, QObject* parent)
    : QObject(parent), m_session(session), m_analysis(new SongAnalysis(this)),
      m_words(new WordSuggestions(session, *m_analysis, this)) {
    LyricSheet* sheet = &session.sheet();
    connect(&session, &SongSession::songOpened, this, &SongSuggestions::start);
    connect(sheet, &LyricSheet::modelReset, this, &SongSuggestions::start);
    connect(sheet, &LyricSheet::rowsInserted, this, &SongSuggestions::start);
    connect(sheet, &LyricSheet::rowsRemoved, this, &SongSuggestions::start);
    connect(sheet, &LyricSheet::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (!roles.contains(LyricSheet::SuggestedRole)) // its own hints are no change
                    sheetChanged();
            });
    connect(m_analysis, &SongAnalysis::progress, this,
            [this](int percent) { emit status(progressText(percent)); });
    connect(m_analysis, &SongAnalysis::finished, this, &SongSuggestions::show);
    connect(m_analysis, &SongAnalysis::outlined, this, &SongSuggestions::outlined);
    connect(m_analysis, &SongAnalysis::realigned, this, &SongSuggestions::realigned);
    connect(m_words, &WordSuggestions::arrived, this, &SongSuggestions::updateHints);
    connect(&session, &SongSession::wordModeChanged, this, [this] {
        if (m_shownResult)
            updateHints();
    });
}

bool SongSuggestions::running() const {
    return m_startQueued || m_analysis->running() || !m_asked.empty() || m_words->running();
}

QStringList SongSuggestions::lines() const {
    return SheetToAlignOf(m_session.sheet().rows()).lines;
}

Anchors SongSuggestions::marks() const {
    return MarksOf(m_session.sheet().rows());
}

Anchors SongSuggestions::anchorsNow() const {
    return TrustedAnchors(m_marks, m_flags);
}

QString SongSuggestions::progressText(int percent) {
    return tr("Suggesting times… %1 %").arg(percent);
}

bool SongSuggestions::isProgressText(const QString& text) {
    const QStringList around = tr("Suggesting times… %1 %").split(QStringLiteral("%1"));
    return around.size() == 2 && text.size() > around[0].size() + around[1].size() &&
           text.startsWith(around[0]) && text.endsWith(around[1]);
}

void SongSuggestions::start() {
    m_suggestions.clear();
    m_flags.clear();
    m_asked.clear();
    m_seen.clear();
    m_confirmed.clear();
    m_shownResult = false;
    m_words->clear();
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
    SheetToAlign sheet = SheetToAlignOf(m_session.sheet().rows());
    const bool words = sheet.hasWords();
    m_lines = std::move(sheet.lines);
    m_marks = std::move(sheet.marks);
    // Until the song's outline has come, whatever runs now decodes for it too (a change of the
    // lines cancelled the decode that was to bring it).
    const bool outline = !m_session.outlined();
    if (m_session.songPath().isEmpty() || !words || m_session.showsNoLyrics()) {
        if (std::exchange(m_statusShown, false))
            emit status(QString());
        if (outline && !m_session.songPath().isEmpty())
            m_analysis->outline(m_session.songPath());
        return;
    }
    m_statusShown = false; // the new analysis's progress takes its place
    m_analysis->start(m_session.songPath(), m_lines, m_marks, outline);
}

void SongSuggestions::show(const AnalysisResult& result) {
    m_shownResult = true;
    m_seen.clear();
    m_asked.clear();
    m_suggestions.assign(static_cast<std::size_t>(m_lines.size()), Suggestion{});
    for (Suggestion& s : m_suggestions)
        s.ms = -1;
    for (const Suggestion& s : result.suggestions)
        if (s.line >= 0 && s.line < m_lines.size())
            m_suggestions[static_cast<std::size_t>(s.line)] = s;
    m_free = result.free;
    m_voice = result.voice;
    m_flags = result.flags;
    std::erase_if(m_flags, [this](const TimingFlag& f) {
        return m_confirmed.contains({f.line, f.markMs});
    });
    m_anchors = result.anchors;
    // Marks made while the analysis ran are checked now, and realign the lines beside them.
    m_marks = result.marks;
    marksChanged();
    if (m_asked.empty())
        remember();
    updateHints();
    emit status(result.status);
}

// A change of the rows' text makes the suggestions someone else's; a change of their marks
// only moves the lines next to them.
void SongSuggestions::sheetChanged() {
    if (m_startQueued)
        return;
    if (lines() != m_lines) {
        if (!m_suggestions.empty() || m_analysis->running())
            start();
        return;
    }
    marksChanged();
}

void SongSuggestions::marksChanged() {
    if (!m_shownResult)
        return; // the analysis under way takes the marks as they are when it ends
    m_words->update(m_suggestions,
                    m_voice); // before the re-alignments: a line's words are short work
    const Anchors now = marks();
    if (now != m_marks) {
        // Only a mark that came or moved is checked again; the others keep their flags.
        Anchors changed;
        for (const auto& [line, ms] : now)
            if (const auto was = m_marks.find(line); was == m_marks.end() || was->second != ms)
                changed[line] = ms;
        std::erase_if(m_flags, [&](const TimingFlag& f) {
            return !now.contains(f.line) || changed.contains(f.line);
        });
        // A new mark is judged by what was suggested for its line just before: made with the
        // marks around it, or from the voice alone.
        std::vector<Suggestion> before;
        for (const auto& entry : changed) {
            const int line = entry.first;
            const auto at = static_cast<std::size_t>(line);
            if (at < m_suggestions.size() && m_suggestions[at].ms >= 0)
                before.push_back(m_suggestions[at]);
            else if (const auto free =
                         std::find_if(m_free.begin(), m_free.end(),
                                      [line](const Suggestion& g) { return g.line == line; });
                     free != m_free.end())
                before.push_back(*free);
        }
        for (const TimingFlag& flag : CheckTiming(changed, before, m_voice))
            if (!m_confirmed.contains({flag.line, flag.markMs}))
                m_flags.push_back(flag);
        std::sort(m_flags.begin(), m_flags.end(),
                  [](const TimingFlag& a, const TimingFlag& b) { return a.line < b.line; });
        m_marks = now;
    }
    const Anchors before = m_anchors;
    m_anchors = anchorsNow();
    if (m_anchors == before) {
        updateHints();
        return;
    }
    // An undo or a redo: the state seen before comes back as it was shown.
    const auto seen = std::find_if(m_seen.begin(), m_seen.end(),
                                   [this](const Shown& s) { return s.anchors == m_anchors; });
    if (seen != m_seen.end()) {
        m_suggestions = seen->suggestions;
        m_asked.clear();
        updateHints();
        return;
    }
    realignChanged(before);
    updateHints();
}

// Asks for the lines beside every anchor that came, went or moved, a few on each side.
void SongSuggestions::realignChanged(const Anchors& before) {
    std::set<int> changed;
    for (const auto& [line, ms] : m_anchors)
        if (const auto was = before.find(line); was == before.end() || was->second != ms)
            changed.insert(line);
    for (const auto& [line, ms] : before)
        if (!m_anchors.contains(line))
            changed.insert(line);
    const int last = static_cast<int>(m_lines.size()) - 1;
    std::vector<std::pair<int, int>> ranges;
    for (const int line : changed) {
        const auto [below, above] = neighbours(m_anchors, line);
        const int from = std::max(below ? below->first + 1 : 0, line - kReach);
        const int to = std::min(above ? above->first - 1 : last, line + kReach);
        if (from > to)
            continue;
        if (!ranges.empty() && from <= ranges.back().second + 1)
            ranges.back().second = std::max(ranges.back().second, to);
        else
            ranges.emplace_back(from, to);
    }
    for (const auto& [from, to] : ranges) {
        const quint64 ticket = m_nextTicket++;
        m_asked[ticket] = {m_anchors, from, to};
        m_analysis->realign(ticket, m_anchors, from, to);
    }
    if (m_asked.empty())
        remember();
}

void SongSuggestions::realigned(quint64 ticket, const std::vector<Suggestion>& found) {
    const auto asked = m_asked.find(ticket);
    if (asked == m_asked.end())
        return; // asked for a state the sheet has left
    const Asked what = asked->second;
    m_asked.erase(asked);
    // A line takes the answer only while the anchors around it are still those it was made
    // with; otherwise a later request covers it.
    for (const Suggestion& g : found) {
        if (g.line < what.first || g.line > what.last ||
            static_cast<std::size_t>(g.line) >= m_suggestions.size() ||
            neighbours(what.anchors, g.line) != neighbours(m_anchors, g.line))
            continue;
        m_suggestions[static_cast<std::size_t>(g.line)] = g;
    }
    if (m_asked.empty())
        remember();
    updateHints();
}

void SongSuggestions::remember() {
    std::erase_if(m_seen, [this](const Shown& s) { return s.anchors == m_anchors; });
    m_seen.push_back({m_anchors, m_suggestions});
    if (m_seen.size() > kStatesKept)
        m_seen.pop_front();
}

void SongSuggestions::updateHints() {
    if (m_shownResult)
        m_words->update(m_suggestions, m_voice); // the analysis holds the song from here on
    std::vector<LyricSheet::Hint> hints(
        std::max(m_suggestions.size(), m_session.sheet().rows().size()));
    for (std::size_t i = 0; i < m_suggestions.size(); ++i) {
        hints[i].ms = m_suggestions[i].ms;
        hints[i].confident = m_suggestions[i].kind != Suggestion::Spread &&
                             m_suggestions[i].confidence >= kConfident;
    }
    for (std::size_t i = 0; m_shownResult && i < hints.size(); ++i)
        hints[i].words = m_words->hintsOf(static_cast<int>(i));
    for (const TimingFlag& flag : m_flags)
        if (flag.line >= 0 && static_cast<std::size_t>(flag.line) < hints.size())
            hints[static_cast<std::size_t>(flag.line)].flag = flag.text();
    // None at all is no hints: a long sheet is then not redrawn for nothing.
    if (std::none_of(hints.begin(), hints.end(), [](const LyricSheet::Hint& hint) {
            return hint.ms >= 0 || !hint.flag.isEmpty() || !hint.words.empty();
        }))
        hints.clear();
    m_session.sheet().setHints(std::move(hints));
}

void SongSuggestions::confirm(const std::vector<int>& lines) {
    bool any = false;
    for (const int line : lines)
        if (const auto mark = m_marks.find(line); mark != m_marks.end()) {
            m_confirmed.insert({line, mark->second});
            any = std::erase_if(m_flags, [line](const TimingFlag& f) { return f.line == line; }) >
                      0 ||
                  any;
        }
    if (any)
        marksChanged();
}

SongSuggestions::Accepted SongSuggestions::acceptSelected() {
    LyricSheet& sheet = m_session.sheet();
    const int p = sheet.selected();
    if (p < 1)
        return {0, tr("Accept Suggested Time: select a line first.")};
    const bool doubted = std::any_of(m_flags.begin(), m_flags.end(),
                                     [p](const TimingFlag& f) { return f.line == p - 1; });
    if (doubted) {
        confirm({p - 1});
        return {0, tr("Line %1 keeps its mark.").arg(p)};
    }
    if (sheet.suggestedMs(p) < 0) {
        // A marked line has no suggested time of its own, but may have suggested word times.
        if (sheet.cell(p, LyricSheet::ColSecs).trimmed().isEmpty())
            return {0, tr("Accept Suggested Time: line %1 has no suggested time.").arg(p)};
        const std::vector<LyricSheet::WordHint> words = sheet.wordHints(p);
        if (std::any_of(words.begin(), words.end(),
                        [](const LyricSheet::WordHint& w) { return w.ms >= 0; }))
            return {0, tr("Line %1 is marked already; Ctrl+Shift+W takes its suggested word "
                          "times.")
                           .arg(p)};
        return {0, tr("Line %1 is marked already.").arg(p)};
    }
    const int accepted = sheet.acceptSuggestions({p}, tr("Accept Suggested Time"));
    return {accepted, tr("Line %1 takes its suggested time.").arg(p)};
}

SongSuggestions::Accepted SongSuggestions::acceptConfident(bool lines) {
    LyricSheet& sheet = m_session.sheet();
    std::vector<int> positions;
    std::vector<int> wordLines;
    const std::vector<LyricSheet::Hint>& hints = sheet.hints();
    for (std::size_t i = 0; i < hints.size(); ++i) {
        const int p = static_cast<int>(i) + 1;
        if (lines && hints[i].confident && sheet.suggestedMs(p) >= 0)
            positions.push_back(p);
        const std::vector<LyricSheet::WordHint> words = sheet.wordHints(p);
        if (m_session.wordMode() &&
            std::any_of(words.begin(), words.end(),
                        [](const LyricSheet::WordHint& w) { return w.ms >= 0 && w.confident; }))
            wordLines.push_back(p);
    }
    if (positions.empty() && wordLines.empty())
        return {0, running() ? tr("Accept Suggested Times: the suggestions are not ready yet.")
                             : tr("Accept Suggested Times: no confident suggestion to accept.")};
    const LyricSheet::AcceptedHints accepted =
        sheet.acceptHints(positions, wordLines, true, tr("Accept Suggested Times"));
    // Whole sentences, so that a language can say them in its own order.
    const QString status =
        accepted.wordLines == 0
            ? tr("%n lines take their suggested times.", nullptr, accepted.lines)
        : accepted.lines == 0
            ? tr("%1 words in %2 lines take their suggested times.")
                  .arg(accepted.words)
                  .arg(accepted.wordLines)
            : tr("%1 lines take their suggested times; %2 words in %3 lines take theirs.")
                  .arg(accepted.lines)
                  .arg(accepted.words)
                  .arg(accepted.wordLines);
    return {accepted.lines + accepted.wordLines, status};
}

SongSuggestions::Accepted SongSuggestions::acceptWords() {
    LyricSheet& sheet = m_session.sheet();
    const int p = sheet.selected();
    if (p < 1)
        return {0, tr("Accept Word Times: select a line first.")};
    const std::vector<LyricSheet::WordHint> words = sheet.wordHints(p);
    if (std::none_of(words.begin(), words.end(),
                     [](const LyricSheet::WordHint& w) { return w.ms >= 0; })) {
        const bool timed = !sheet.cell(p, LyricSheet::ColSecs).trimmed().isEmpty();
        return {0, m_words->running()
                       ? tr("Accept Word Times: line %1's words are not ready yet.").arg(p)
                   : timed ? tr("Accept Word Times: line %1 has no suggested word "
                                "times; the next line needs its time first.")
                                 .arg(p)
                           : tr("Accept Word Times: line %1 has no time yet; mark "
                                "it first.")
                                 .arg(p)};
    }
    const LyricSheet::AcceptedHints accepted =
        sheet.acceptHints({}, {p}, false, tr("Accept Word Times"));
    return {accepted.wordLines,
            tr("Line %1 takes %2 suggested word times.").arg(p).arg(accepted.words)};
}
