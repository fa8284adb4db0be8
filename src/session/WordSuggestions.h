#pragma once

#include "align/Timing.h"
#include "align/WordAligner.h"
#include "sheet/LyricSheet.h"

#include <QObject>
#include <QString>

#include <deque>
#include <map>
#include <set>
#include <tuple>
#include <vector>

class SongAnalysis;
class SongSession;

// Suggested times for the words inside marked lines: once a line's start is known and its end
// (the next line's mark or confident suggestion, or, for the last line and a line before a
// break, the end of the voice after it), the words between are asked of the analysis's thread,
// the line's words marked by hand kept as they are. Lines are asked while word marking is on,
// or when some of their words are timed. Answers seen before (an undo) come back at once.
class WordSuggestions final : public QObject {
    Q_OBJECT
public:
    WordSuggestions(SongSession& session, SongAnalysis& analysis, QObject* parent = nullptr);

    // Asks for the lines that should have word suggestions now; the others drop theirs. lines:
    // the lines' suggested starts by index; voice: the song's, where its breaks are heard.
    void update(const std::vector<Suggestion>& lines, const VoiceMap& voice);
    // A new song or new lines: nothing asked is wanted any more.
    void clear();
    bool running() const { return !m_asked.empty(); }
    // The hints of the row at index (0-based), one per word of the row; empty for none.
    std::vector<LyricSheet::WordHint> hintsOf(int line) const;

signals:
    // Suggestions for a line came: the sheet's hints are due again.
    void arrived();

private:
    struct Request {
        QString lyric;
        qint64 startMs = 0;
        qint64 endMs = -1; // < 0: where the voice after the start stops
        WordMarks given;
        bool operator==(const Request&) const = default;
        bool operator<(const Request& other) const {
            return std::tie(lyric, startMs, endMs, given) <
                   std::tie(other.lyric, other.startMs, other.endMs, other.given);
        }
    };
    // guessed: the lines whose end is not the next line's mark.
    std::map<int, Request> wanted(const std::vector<Suggestion>& lines, const VoiceMap& voice,
                                  std::set<int>& guessed) const;
    void found(quint64 ticket, const std::vector<WordSuggestion>& words);

    SongSession& m_session;
    SongAnalysis& m_analysis;
    std::map<int, Request> m_wanted;                          // by line, what it is shown for
    std::map<Request, std::vector<WordSuggestion>> m_answers; // kept for undo
    std::deque<Request> m_answered;                           // oldest first
    std::map<quint64, Request> m_asked;
    quint64 m_nextTicket = 1;
};
