#pragma once

#include "align/LyricAligner.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

// What one analysis of a song gives.
struct AnalysisResult {
    std::vector<Suggestion> suggestions; // every unmarked line, with the marks as anchors
    std::vector<TimingFlag> flags;       // marks that look wrong
    QString status;                      // the fallback in use, or why nothing could be done
    bool failed = false;                 // no audio to work on: suggestions is empty
    std::vector<Suggestion> free;        // every line without the marks: what a check compares
};

// Decodes a song and aligns its lines, the marks kept as anchors. Synchronous; the tool runs
// one per worker thread, the window through SongAnalysis. progress gets 0 to 100.
AnalysisResult AnalyseSong(LyricAligner& aligner, const QString& song, const QStringList& lines,
                           const Anchors& marks, const std::atomic<bool>& cancel,
                           const std::function<void(int)>& progress = {});

// The analysis of the open song on a worker thread: start() cancels the one before, progress
// and finished arrive on the object's thread. After finished, realign() answers for the
// stretch next to a new mark from the song kept in memory, well under a second.
class SongAnalysis : public QObject {
    Q_OBJECT

public:
    explicit SongAnalysis(QObject* parent = nullptr);
    ~SongAnalysis() override; // cancels and waits for the worker

    void start(const QString& song, const QStringList& lines, const Anchors& marks);
    void cancel();
    bool running() const { return m_running; }
    // The last finished analysis; empty while one runs or after a cancel.
    const AnalysisResult& result() const { return m_result; }

    // Suggestions for the unmarked lines in [firstLine, lastLine] from the stretches that hold
    // them; empty while an analysis runs or before one finished.
    std::vector<Suggestion> realign(const Anchors& anchors, int firstLine, int lastLine);
    // The timing check of marks made after the analysis, against its free suggestions; none
    // while an analysis runs or before one finished.
    std::optional<std::vector<TimingFlag>> check(const Anchors& marks);

signals:
    void progress(int percent);
    void finished(const AnalysisResult& result);

private:
    struct Shared;
    struct Job;
    std::shared_ptr<Shared> m_shared;
    std::vector<std::unique_ptr<Job>> m_jobs;
    AnalysisResult m_result;
    bool m_running = false;
    quint64 m_generation = 0;
};
