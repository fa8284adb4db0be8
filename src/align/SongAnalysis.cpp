#include "align/SongAnalysis.h"

#include "core/StartupGate.h"

#include <QPointer>

#include <mutex>

AnalysisResult AnalyseSong(LyricAligner& aligner, const QString& song, const QStringList& lines,
                           const Anchors& marks, const std::atomic<bool>& cancel,
                           const std::function<void(int)>& progress) {
    AnalysisResult result;
    const auto report = [&](int percent) {
        if (progress)
            progress(percent);
    };
    QString problem;
    AlignAudio audio = DecodeForAlignment(song, cancel, problem);
    if (audio.samples.empty()) {
        result.failed = true;
        result.status =
            cancel.load() ? QString() : QStringLiteral("No suggested times: %1").arg(problem);
        return result;
    }
    report(10);
    const bool cut = audio.cut;
    if (!aligner.setSong(std::move(audio), lines, cancel))
        return {};
    report(20);
    result.status = aligner.fallback();
    if (cut)
        result.status += (result.status.isEmpty() ? QString() : QStringLiteral("; ")) +
                         QStringLiteral("only the song's first %1 minutes are aligned")
                             .arg(kLongestAlignedSeconds / 60);
    const int last = static_cast<int>(lines.size()) - 1;
    // The check needs what the voice says without the marks; with none, that is the answer.
    std::vector<Suggestion> free = aligner.suggest({}, 0, last, cancel, [&](double share) {
        report(20 + static_cast<int>(share * (marks.empty() ? 80 : 40)));
    });
    if (cancel.load())
        return {};
    result.free = free;
    if (marks.empty()) {
        result.suggestions = std::move(free);
    } else {
        result.flags = CheckTiming(marks, free, aligner.voice());
        result.suggestions = aligner.suggest(marks, 0, last, cancel, [&](double share) {
            report(60 + static_cast<int>(share * 40));
        });
    }
    report(100);
    return result;
}

// The aligner outlives a cancelled job: the model is loaded once and shared by every song.
struct SongAnalysis::Shared {
    std::mutex mutex;
    std::unique_ptr<LyricAligner> aligner;
    quint64 song = 0; // the generation whose song the aligner holds
};

struct SongAnalysis::Job {
    std::atomic<bool> cancel{false};
    std::atomic<bool> done{false};
    std::thread thread;
};

SongAnalysis::SongAnalysis(QObject* parent)
    : QObject(parent), m_shared(std::make_shared<Shared>()) {}

SongAnalysis::~SongAnalysis() {
    for (auto& job : m_jobs)
        job->cancel = true;
    for (auto& job : m_jobs)
        job->thread.join();
}

void SongAnalysis::cancel() {
    for (auto& job : m_jobs)
        job->cancel = true;
    ++m_generation;
    m_running = false;
    m_result = {};
}

void SongAnalysis::start(const QString& song, const QStringList& lines, const Anchors& marks) {
    cancel();
    // Jobs that ended are joined at once; a cancelled one still running ends on its own.
    std::erase_if(m_jobs, [](std::unique_ptr<Job>& job) {
        if (!job->done)
            return false;
        job->thread.join();
        return true;
    });
    m_running = true;
    const quint64 generation = m_generation;
    // The aligner's libraries load on first use: not before the window has appeared.
    // Copied once here (a copy of a const reference would stay const and could not be moved).
    StartupGate::WhenOpen(this, [this, song, lines = QStringList(lines), marks = Anchors(marks),
                                 generation]() mutable {
        if (generation != m_generation)
            return; // cancelled, or another song asked for, while the gate was closed
        auto job = std::make_unique<Job>();
        Job* raw = job.get();
        QPointer<SongAnalysis> self(this);
        // Moved, not copied: a long sheet's marks are a tree of thousands of nodes.
        raw->thread =
            std::thread([=, lines = std::move(lines), marks = std::move(marks), shared = m_shared] {
                AnalysisResult result;
                {
                    const std::lock_guard lock(shared->mutex);
                    if (!raw->cancel) {
                        if (!shared->aligner)
                            shared->aligner = std::make_unique<LyricAligner>();
                        shared->song = generation;
                        result = AnalyseSong(
                            *shared->aligner, song, lines, marks, raw->cancel, [&](int percent) {
                                QMetaObject::invokeMethod(
                                    self,
                                    [self, generation, percent] {
                                        if (self && self->m_generation == generation)
                                            emit self->progress(percent);
                                    },
                                    Qt::QueuedConnection);
                            });
                    }
                }
                const bool cancelled = raw->cancel.load();
                raw->done = true;
                if (cancelled)
                    return;
                QMetaObject::invokeMethod(
                    self,
                    [self, generation, result = std::move(result)] {
                        if (!self || self->m_generation != generation)
                            return;
                        self->m_running = false;
                        self->m_result = result;
                        emit self->finished(self->m_result);
                    },
                    Qt::QueuedConnection);
            });
        m_jobs.push_back(std::move(job));
    });
}

std::vector<Suggestion> SongAnalysis::realign(const Anchors& anchors, int firstLine, int lastLine) {
    if (m_running || m_result.failed)
        return {};
    const std::unique_lock lock(m_shared->mutex, std::try_to_lock);
    if (!lock.owns_lock() || !m_shared->aligner || m_shared->song != m_generation)
        return {};
    const std::atomic<bool> never{false};
    return m_shared->aligner->suggest(anchors, firstLine, lastLine, never);
}

std::optional<std::vector<TimingFlag>> SongAnalysis::check(const Anchors& marks) {
    if (m_running || m_result.failed)
        return std::nullopt;
    const std::unique_lock lock(m_shared->mutex, std::try_to_lock);
    if (!lock.owns_lock() || !m_shared->aligner || m_shared->song != m_generation)
        return std::nullopt;
    return CheckTiming(marks, m_result.free, m_shared->aligner->voice());
}
