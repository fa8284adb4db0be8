#pragma once

#include "align/SongAnalysis.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

class SongSession;

// Suggested times for the session's song: the analysis runs in the background whenever the
// song or its lines change, the person's marks as anchors, and its suggestions and flags go
// into the sheet's hints. A new or moved mark realigns only the stretch around it.
class SongSuggestions final : public QObject {
    Q_OBJECT
public:
    explicit SongSuggestions(SongSession& session, QObject* parent = nullptr);

    // Starts the analysis of the song's lines once the sheet's change is over (a load, an
    // insert and its renumbering are one); the one before is cancelled and the sheet's hints
    // go at once. A song without lyric lines gets none.
    void start();
    bool running() const { return m_startQueued || m_analysis->running(); }
    // Shows a finished analysis in the sheet: SongAnalysis's, or a test's.
    void show(const AnalysisResult& result);

    // Each accept is one undo step.
    struct Accepted {
        int lines = 0;
        QString status; // what the status line says
    };
    Accepted acceptSelected();
    Accepted acceptConfident();

signals:
    // "Suggesting times… 40 %", then the fallback in use; "" when the analysis ended well.
    void status(const QString& text);

private:
    QStringList lines() const;
    Anchors anchors() const;
    void startNow();
    void sheetChanged(int firstRow, int lastRow);
    void realignAround(const std::vector<int>& lines);
    void updateHints();

    SongSession& m_session;
    SongAnalysis* m_analysis; // a child
    QStringList m_lines;      // what the suggestions were made for
    Anchors m_anchors;
    std::vector<Suggestion> m_suggestions; // by line, ms -1 for none
    std::vector<TimingFlag> m_flags;
    bool m_startQueued = false;
    bool m_statusShown = false; // the cancelled analysis's progress is in the status line
    bool m_realignQueued = false;
    std::vector<int> m_moved; // lines whose mark came, went or moved since the last realign
};
