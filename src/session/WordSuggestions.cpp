#include "session/WordSuggestions.h"

#include "align/SongAnalysis.h"
#include "align/Timing.h"
#include "session/SongSession.h"
#include "storage/Lrc.h"

#include <algorithm>
#include <optional>
#include <set>
#include <utility>

namespace {

// Answers kept for an undo: a few lines' worth on each side of the last marks, and every line
// of a song while word marking is turned on and off.
constexpr std::size_t kAnswersKept = 512;

// Where each of the row's words (its own, else WordsOf its lyric) is among the aligner's words
// of the lyric, -1 where none starts with it.
std::vector<int> alignerIndexOf(const SheetRow& row) {
    const std::vector<LineWord> aligned = LineWords(row.lyric);
    std::vector<int> index;
    for (const WordTime& word : row.words.empty() ? WordsOf(row.lyric) : row.words) {
        const auto found = std::find_if(aligned.begin(), aligned.end(),
                                        [&](const LineWord& w) { return w.start == word.start; });
        index.push_back(found == aligned.end() ? -1 : static_cast<int>(found - aligned.begin()));
    }
    return index;
}

// Where the voice stops for a break after a line's start and before the next line's suggested
// start: the line's end while the next line's start is not known. None where the voice goes on.
std::optional<qint64> breakAfter(const VoiceMap& voice, qint64 startMs, qint64 nextMs) {
    // As the aligner finds the end of the voice after the last line: a pause inside a line is
    // shorter; the suggestion may start a little inside the break.
    constexpr qint64 kBreakMs = 1500;
    constexpr qint64 kLongestLineMs = 20000;
    constexpr qint64 kEarlyMs = 500;
    if (voice.empty() || nextMs < 0)
        return {};
    for (qint64 ms = startMs + 300;
         ms + kBreakMs <= nextMs + kEarlyMs && ms < startMs + kLongestLineMs; ms += 50)
        if (voice.voicedShare(ms, ms + kBreakMs) < 0.03)
            return ms + 100;
    return {};
}

} // namespace

WordSuggestions::WordSuggestions(SongSession& session, SongAnalysis& analysis, QObject* parent)
    : QObject(parent), m_session(session), m_analysis(analysis) {
    connect(&analysis, &SongAnalysis::wordsSuggested, this, &WordSuggestions::found);
}

void WordSuggestions::clear() {
    m_wanted.clear();
    m_answers.clear();
    m_answered.clear();
    m_asked.clear();
}

std::map<int, WordSuggestions::Request>
WordSuggestions::wanted(const std::vector<Suggestion>& lines, const VoiceMap& voice,
                        std::set<int>& guessed) const {
    std::map<int, Request> wanted;
    const std::vector<SheetRow>& rows = m_session.sheet().rows();
    const bool wordMode = m_session.wordMode();
    const auto suggested = [&](int i) {
        return static_cast<std::size_t>(i) < lines.size() ? lines[static_cast<std::size_t>(i)]
                                                          : Suggestion{i, -1};
    };
    int next = -1; // the next row with words after each: its start ends the line before it
    for (auto i = static_cast<int>(rows.size()) - 1; i >= 0; --i) {
        const SheetRow& row = rows[static_cast<std::size_t>(i)];
        const std::vector<LineWord> words = LineWords(row.lyric);
        if (words.empty())
            continue;
        const int after = std::exchange(next, i);
        const std::optional<qint64> start = RowTimeMs(row);
        if (!start || !(wordMode || row.hasWordTimes()))
            continue;
        std::optional<qint64> end = -1; // the last line: where the voice after it stops
        const std::optional<qint64> nextMark =
            after >= 0 ? RowTimeMs(rows[static_cast<std::size_t>(after)]) : std::nullopt;
        if (after >= 0) {
            const Suggestion nextLine = suggested(after);
            end = nextMark;
            if (!end && nextLine.ms >= 0 && nextLine.kind != Suggestion::Spread &&
                nextLine.confidence >= kConfident)
                end = nextLine.ms;
            else if (!end)
                end = breakAfter(voice, *start, nextLine.ms);
            if (end && *end <= *start)
                end.reset();
        }
        if (!end)
            continue;
        if (!nextMark)
            guessed.insert(i);
        Request request{row.lyric, *start, *end, {}};
        const std::vector<int> index = alignerIndexOf(row);
        for (std::size_t k = 0; k < row.words.size() && k < index.size(); ++k)
            if (row.words[k].ms >= 0 && index[k] >= 0)
                request.given[index[k]] = row.words[k].ms;
        if (static_cast<std::size_t>(std::count_if(row.words.begin(), row.words.end(),
                                                   [](const WordTime& w) { return w.ms >= 0; })) ==
            words.size())
            continue;                         // every word is marked by hand: nothing to suggest
        request.given.try_emplace(0, *start); // the line starts with its first word
        wanted[i] = std::move(request);
    }
    return wanted;
}

void WordSuggestions::update(const std::vector<Suggestion>& lines, const VoiceMap& voice) {
    std::set<int> guessed;
    m_wanted = wanted(lines, voice, guessed);
    std::vector<const Request*> toAsk;
    for (const auto& wanted : m_wanted) {
        const Request& request = wanted.second;
        const bool asked = std::any_of(m_asked.begin(), m_asked.end(),
                                       [&](const auto& a) { return a.second == request; });
        if (!asked && !m_answers.contains(request))
            toAsk.push_back(&request);
    }
    // The selected line first: it is the one in the strip. But a line whose end is not the next
    // line's mark (a suggestion, a break, where the voice stops) goes last: a mark just made
    // ends the line before it, and that line's words are awaited.
    const int selected = m_session.sheet().selected() - 1;
    const auto lineOf = [&](const Request* r) {
        return std::find_if(m_wanted.begin(), m_wanted.end(),
                            [&](const auto& w) { return &w.second == r; })
            ->first;
    };
    std::stable_partition(toAsk.begin(), toAsk.end(),
                          [&](const Request* r) { return lineOf(r) == selected; });
    std::stable_partition(toAsk.begin(), toAsk.end(),
                          [&](const Request* r) { return !guessed.contains(lineOf(r)); });
    for (const Request* request : toAsk) {
        const quint64 ticket = m_nextTicket++;
        m_asked[ticket] = *request;
        m_analysis.suggestWords(ticket, request->lyric, request->startMs, request->endMs,
                                request->given);
    }
}

void WordSuggestions::found(quint64 ticket, const std::vector<WordSuggestion>& words) {
    const auto asked = m_asked.find(ticket);
    if (asked == m_asked.end())
        return; // asked for another song
    const Request request = asked->second;
    m_asked.erase(asked);
    if (!m_answers.contains(request)) {
        m_answered.push_back(request);
        if (m_answered.size() > kAnswersKept) {
            m_answers.erase(m_answered.front());
            m_answered.pop_front();
        }
    }
    m_answers[request] =
        words.size() == LineWords(request.lyric).size() ? words : std::vector<WordSuggestion>{};
    if (std::any_of(m_wanted.begin(), m_wanted.end(),
                    [&](const auto& w) { return w.second == request; }))
        emit arrived();
}

std::vector<LyricSheet::WordHint> WordSuggestions::hintsOf(int line) const {
    const auto wanted = m_wanted.find(line);
    if (wanted == m_wanted.end())
        return {};
    const auto answer = m_answers.find(wanted->second);
    if (answer == m_answers.end() || answer->second.empty())
        return {};
    const SheetRow& row = m_session.sheet().rows()[static_cast<std::size_t>(line)];
    std::vector<LyricSheet::WordHint> hints;
    for (const int k : alignerIndexOf(row)) {
        LyricSheet::WordHint hint;
        if (k >= 0) {
            // A word given by hand shows its mark instead (LyricSheet::wordHints); the first
            // word given by the line's start is suggested at it, which says nothing new, so it
            // is taken with the others (acceptHints), never for itself.
            const WordSuggestion& s = answer->second[static_cast<std::size_t>(k)];
            hint = {s.ms, s.kind == WordSuggestion::Aligned && s.confidence >= kConfident};
        }
        hints.push_back(hint);
    }
    return hints;
}
