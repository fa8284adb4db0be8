#pragma once

#include "align/LyricAligner.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

// What one analysis of a song gives.
struct AnalysisResult {
    std::vector<Suggestion> suggestions; // every unmarked line, with the anchors
    std::vector<TimingFlag> flags;       // marks that look wrong
    QString status;      // the fallback in use, why nothing could be done, or what to know of it
    bool failed = false; // no audio to work on: suggestions is empty
    std::vector<Suggestion> free; // every line without the marks: what a check compares
    VoiceMap voice;               // so that later marks can be checked anywhere
    Anchors marks;                // the marks it was given and checked
    Anchors anchors;              // the marks that passed: what suggestions keep to
};

// Decodes a song and aligns its lines. The marks are checked against the voice, and those that
// pass anchor the suggestions. Synchronous; the tool runs one per worker thread, the window
// through SongAnalysis. progress gets 0 to 100 and covers every part of the work.
AnalysisResult AnalyseSong(LyricAligner& aligner, const QString& song, const QStringList& lines,
                           const Anchors& marks, const std::atomic<bool>& cancel,
                           const std::function<void(int)>& progress = {});
// The same on a song decoded already: DecodeForAlignment's audio and problem.
AnalysisResult AnalyseAudio(LyricAligner& aligner, AlignAudio audio, const QString& problem,
                            const QStringList& lines, const Anchors& marks,
                            const std::atomic<bool>& cancel,
                            const std::function<void(int)>& progress = {});

// The open song's one decode, its analysis and every re-alignment after it, on one worker thread
// of low priority, in the order asked. The decode that gives the aligner its samples outlines
// the song for the slider too, and the outline is handed over as the decode ends, before the
// aligner's work, without waiting for the speech model's first load. start() and outline() end
// the work before them within a fraction of a second (the cancel reaches inside every decoding
// loop); results arrive on the object's thread.
class SongAnalysis : public QObject {
    Q_OBJECT

public:
    explicit SongAnalysis(QObject* parent = nullptr);
    ~SongAnalysis() override; // cancels and waits for the worker

    // Decodes and analyses the song; with outline, outlined() brings the outline of that decode.
    void start(const QString& song, const QStringList& lines, const Anchors& marks,
               bool outline = false);
    // Decodes the song for its outline alone: a song with no lines to align.
    void outline(const QString& song);
    void cancel();
    bool running() const { return m_running; }
    // The last finished analysis; empty while one runs or after a cancel.
    const AnalysisResult& result() const { return m_result; }

    // Asks for the suggestions of the unanchored lines in [firstLine, lastLine] with these
    // anchors, once the analysis is done; realigned() brings them with the ticket. Asked
    // before any analysis finished, or for a failed one, it answers nothing.
    void realign(quint64 ticket, const Anchors& anchors, int firstLine, int lastLine);
    // Asks for the times of a line's words between its start and its end (< 0: where the voice
    // after it stops), the marks by hand in given kept; wordsSuggested() brings them with the
    // ticket, nothing when no analysis holds the song. Taken before the re-alignments asked:
    // it is short, and a person is looking at the line.
    void suggestWords(quint64 ticket, const QString& line, qint64 startMs, qint64 endMs,
                      const WordMarks& given);

signals:
    // The song's outline, empty when it does not decode.
    void outlined(std::shared_ptr<const PeakEnvelope> envelope);
    void progress(int percent);
    void finished(const AnalysisResult& result);
    void realigned(quint64 ticket, const std::vector<Suggestion>& suggestions);
    void wordsSuggested(quint64 ticket, const std::vector<WordSuggestion>& words);

private:
    struct Worker;
    template <typename Call>
    static void tell(QPointer<SongAnalysis> self, quint64 generation, Call call);
    // Asks the aligner that holds the song, once the analysis is done, and emits signal with
    // the ticket and what ask found (nothing without a song, or when ask ran out of memory).
    template <typename Found, typename Ask>
    void askHeld(quint64 ticket, Ask ask,
                 void (SongAnalysis::*signal)(quint64, const std::vector<Found>&), bool urgent);

    std::shared_ptr<Worker> m_worker;
    AnalysisResult m_result;
    bool m_running = false;
    quint64 m_generation = 0;
};
