#pragma once

#include "align/SongAnalysis.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <deque>
#include <map>
#include <set>
#include <vector>

class SongSession;
class WordSuggestions;

// Suggested times for the session's song: the analysis runs in the background when the song or
// its lines change, and its suggestions and flags go into the sheet's hints. Marks made while it
// runs do not restart it; afterwards a new, moved or undone mark realigns only the lines beside
// it, on the analysis's thread. States seen before (an undo) come back as they were shown.
class SongSuggestions final : public QObject {
    Q_OBJECT
public:
    explicit SongSuggestions(SongSession& session, QObject* parent = nullptr);

    // Starts the analysis of the song's lines once the sheet's change is over (a load, an
    // insert and its renumbering are one); the one before is cancelled and the sheet's hints
    // go at once. A song without lyric lines gets none.
    void start();
    // The analysis, or a re-alignment or word suggestions after it, is still under way.
    bool running() const;
    // Shows a finished analysis in the sheet: SongAnalysis's, or a test's.
    void show(const AnalysisResult& result);

    // Each accept is one undo step; accepting on a doubted mark keeps it instead.
    struct Accepted {
        int lines = 0;
        QString status; // what the status line says
    };
    Accepted acceptSelected();
    // With word marking on, also the confident word times inside marked lines, in one step;
    // only those without lines.
    Accepted acceptConfident(bool lines = true);
    // The selected line's suggested word times, one step.
    Accepted acceptWords();
    // The person stands by these lines' marks (a nudge, an accept): no longer doubted, they
    // anchor the lines beside them.
    void confirm(const std::vector<int>& lines);
    // Where the voice starts in the song, as the last analysis heard it; empty before one.
    const VoiceMap& voice() const { return m_voice; }

    // The progress the analysis reports, in the window's language, and whether a status text
    // is one: the status line lets progress replace only its own words.
    static QString progressText(int percent);
    static bool isProgressText(const QString& text);

signals:
    // "Suggesting times… 40 %", then the fallback in use; "" when the analysis ended well.
    void status(const QString& text);
    // The outline of the session's song, from the decode that gives the aligner its samples:
    // every song opened is decoded once, whether or not it has lines to align.
    void outlined(std::shared_ptr<const PeakEnvelope> envelope);

private:
    struct Shown {
        Anchors anchors;
        std::vector<Suggestion> suggestions;
    };
    QStringList lines() const;
    Anchors marks() const;
    Anchors anchorsNow() const;
    void startNow();
    void sheetChanged();
    void marksChanged();
    void realignChanged(const Anchors& before);
    void realigned(quint64 ticket, const std::vector<Suggestion>& found);
    void remember();
    void updateHints();

    SongSession& m_session;
    SongAnalysis* m_analysis;                     // a child
    WordSuggestions* m_words;                     // a child
    QStringList m_lines;                          // what the suggestions were made for
    Anchors m_marks;                              // the sheet's marks the flags were made for
    Anchors m_anchors;                            // what the shown suggestions were made with
    std::set<std::pair<int, qint64>> m_confirmed; // line and mark the person stands by
    std::vector<Suggestion> m_suggestions;        // by line, ms -1 for none
    std::vector<TimingFlag> m_flags;
    std::vector<Suggestion> m_free; // what later marks are checked against
    VoiceMap m_voice;
    bool m_shownResult = false; // an analysis finished for these lines
    bool m_startQueued = false;
    bool m_statusShown = false; // the cancelled analysis's progress is in the status line
    quint64 m_nextTicket = 1;
    struct Asked {
        Anchors anchors;
        int first = 0;
        int last = 0;
    };
    std::map<quint64, Asked> m_asked; // re-alignments under way
    std::deque<Shown> m_seen;         // recent complete states, newest last
};
