#include "align/SongAnalysis.h"

#include "core/StartupGate.h"

#include <QCoreApplication>
#include <QPointer>

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <thread>

AnalysisResult AnalyseSong(LyricAligner& aligner, const QString& song, const QStringList& lines,
                           const Anchors& marks, const std::atomic<bool>& cancel,
                           const std::function<void(int)>& progress) {
    aligner.forget(); // the song before goes before this one is decoded
    QString problem;
    AlignAudio audio = DecodeForAlignment(song, cancel, problem);
    return AnalyseAudio(aligner, std::move(audio), problem, lines, marks, cancel, progress);
}

AnalysisResult AnalyseAudio(LyricAligner& aligner, AlignAudio audio, const QString& problem,
                            const QStringList& lines, const Anchors& marks,
                            const std::atomic<bool>& cancel,
                            const std::function<void(int)>& progress) {
    AnalysisResult result;
    result.marks = marks;
    aligner.forget();
    int shown = -1;
    const auto report = [&](int percent) {
        if (progress && percent > shown)
            progress(shown = percent);
    };
    if (audio.samples.empty()) {
        result.failed = true;
        result.status =
            cancel.load()
                ? QString()
                : QCoreApplication::translate(
                      "SongAnalysis", "No suggested times: %1. Mark the lines as the song plays.")
                      .arg(problem);
        return result;
    }
    report(5);
    const bool cut = audio.cut;
    if (!aligner.setSong(std::move(audio), lines, cancel,
                         [&](double share) { report(5 + static_cast<int>(share * 10)); }))
        return {};
    report(15);
    result.status = aligner.fallback();
    if (result.status.isEmpty())
        result.status = aligner.caveat();
    if (cut)
        result.status +=
            (result.status.isEmpty() ? QString() : QStringLiteral(" ")) +
            QCoreApplication::translate("SongAnalysis",
                                        "Only the song's first %1 minutes get suggested times.")
                .arg(kLongestAlignedSeconds / 60);
    const int last = static_cast<int>(lines.size()) - 1;
    result.voice = aligner.voice();
    if (marks.empty()) {
        result.suggestions = aligner.suggestFree(
            cancel, [&](double share) { report(15 + static_cast<int>(share * 85)); });
        result.free = result.suggestions;
    } else {
        // Where the voice alone puts a line and its mark disagree, either may be wrong: the
        // lines are aligned again with the marks that agree as anchors, which places a line
        // between its neighbours' marks far more surely, and only a mark that still disagrees
        // is doubted.
        result.free = aligner.suggestFree(
            cancel, [&](double share) { report(15 + static_cast<int>(share * 50)); });
        if (cancel.load())
            return {};
        const std::vector<TimingFlag> disagreeing =
            CheckTiming(marks, result.free, aligner.voice(), 0);
        const Anchors agreeing = TrustedAnchors(marks, disagreeing);
        Anchors doubted;
        for (const TimingFlag& flag : disagreeing)
            doubted[flag.line] = flag.markMs;
        // The second look at a doubted mark must not lean on the first.
        std::vector<Suggestion> undoubted = result.free;
        std::erase_if(undoubted, [&](const Suggestion& g) { return doubted.contains(g.line); });
        aligner.guide(undoubted);
        std::vector<Suggestion> between =
            aligner.suggest(agreeing, 0, last, cancel,
                            [&](double share) { report(65 + static_cast<int>(share * 35)); });
        aligner.guide(result.free);
        if (cancel.load())
            return {};
        // A wrong doubt costs the person more than a missed one.
        result.flags = SecondLook(doubted, result.free, between, aligner.voice());
        result.anchors = TrustedAnchors(marks, result.flags);
        // A doubted line's second opinion is what later marks of it are judged by.
        for (const Suggestion& g : between)
            if (doubted.contains(g.line))
                for (Suggestion& f : result.free)
                    if (f.line == g.line)
                        f = g;
        result.suggestions = std::move(between);
        std::erase_if(result.suggestions,
                      [&](const Suggestion& g) { return marks.contains(g.line); });
    }
    if (cancel.load())
        return {};
    report(100);
    return result;
}

namespace {

// The analysis shares the machine with the player and the window: it takes what they leave.
void lowerThisThreadsPriority() {
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
}

// The worker's one aligner (the speech model is loaded once and serves every song). It is made
// on a thread of its own while the first song to analyse is decoded, so the model loads
// meanwhile, and a song opened during the load is decoded at once, not after it.
class AlignerSlot {
public:
    // The aligner, without waiting; null until it is made.
    LyricAligner* made() {
        if (!m_aligner && m_making.valid() &&
            m_making.wait_for(std::chrono::seconds(0)) == std::future_status::ready)
            m_aligner = m_making.get();
        return m_aligner.get();
    }
    void prepare() {
        if (!m_aligner && !m_making.valid())
            m_making = std::async(std::launch::async, [] {
                lowerThisThreadsPriority();
                return std::make_unique<LyricAligner>();
            });
    }
    // The aligner, waited for while cancel stays false; null once it became true.
    LyricAligner* await(const std::atomic<bool>& cancel) {
        prepare();
        while (!made()) {
            if (cancel.load())
                return nullptr;
            m_making.wait_for(std::chrono::milliseconds(20));
        }
        return m_aligner.get();
    }

private:
    std::unique_ptr<LyricAligner> m_aligner;
    std::future<std::unique_ptr<LyricAligner>> m_making;
};

} // namespace

// One thread, one aligner, and the work asked for in order. Each task carries the cancel flag
// of the generation that asked.
struct SongAnalysis::Worker {
    struct Task {
        std::shared_ptr<std::atomic<bool>> cancel;
        std::function<void(AlignerSlot&, const std::atomic<bool>&)> run;
        // Tells the asker that run ran out of memory (or threads), so nothing waits for it.
        std::function<void()> failed;
    };
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Task> tasks;
    // Short work a person waits for (a line's words): taken before the queue.
    std::deque<Task> urgent;
    bool stopping = false;
    std::shared_ptr<std::atomic<bool>> cancel = std::make_shared<std::atomic<bool>>(false);
    std::thread thread;

    void post(Task task, bool first = false) {
        {
            const std::lock_guard lock(mutex);
            (first ? urgent : tasks).push_back(std::move(task));
        }
        wake.notify_one();
        if (!thread.joinable())
            thread = std::thread([this] { loop(); });
    }

    void loop() {
        lowerThisThreadsPriority();
        AlignerSlot aligner;
        for (;;) {
            Task task;
            {
                std::unique_lock lock(mutex);
                wake.wait(lock, [this] { return stopping || !tasks.empty() || !urgent.empty(); });
                if (stopping)
                    return;
                std::deque<Task>& from = urgent.empty() ? tasks : urgent;
                task = std::move(from.front());
                from.pop_front();
            }
            if (task.cancel->load())
                continue;
            runGuarded(task, aligner);
        }
    }

    // A process held to a memory limit (ulimit -v) meets it here first, with a long song's
    // samples and the speech model: the song goes without suggestions, the window and the
    // person's marks go on. What the aligner held of the song is let go.
    static void runGuarded(Task& task, AlignerSlot& aligner) {
        try {
            task.run(aligner, *task.cancel);
            return;
        } catch (const std::exception&) {
        }
        try {
            if (LyricAligner* held = aligner.made())
                held->forget();
            if (task.failed && !task.cancel->load())
                task.failed();
        } catch (const std::exception&) {
        }
    }

    // Every task asked so far is dropped, and the one running ends at its next look.
    std::shared_ptr<std::atomic<bool>> renew() {
        const std::lock_guard lock(mutex);
        cancel->store(true);
        tasks.clear();
        urgent.clear();
        cancel = std::make_shared<std::atomic<bool>>(false);
        return cancel;
    }

    std::shared_ptr<std::atomic<bool>> current() {
        const std::lock_guard lock(mutex);
        return cancel;
    }

    void stop() {
        {
            const std::lock_guard lock(mutex);
            stopping = true;
            cancel->store(true);
        }
        wake.notify_one();
        if (thread.joinable())
            thread.join();
    }
};

SongAnalysis::SongAnalysis(QObject* parent)
    : QObject(parent), m_worker(std::make_shared<Worker>()) {}

SongAnalysis::~SongAnalysis() {
    m_worker->stop();
}

void SongAnalysis::cancel() {
    m_worker->renew();
    ++m_generation;
    m_running = false;
    m_result = {};
}

// Runs call on the object's thread if the generation that asked is still the current one.
template <typename Call>
void SongAnalysis::tell(QPointer<SongAnalysis> self, quint64 generation, Call call) {
    QMetaObject::invokeMethod(
        self,
        [self, generation, call = std::move(call)] {
            if (self && self->m_generation == generation)
                call(*self);
        },
        Qt::QueuedConnection);
}

void SongAnalysis::start(const QString& song, const QStringList& lines, const Anchors& marks,
                         bool outline) {
    cancel();
    m_running = true;
    const quint64 generation = m_generation;
    // The aligner's libraries load on first use: not before the window has appeared.
    StartupGate::WhenOpen(this, [this, song, lines, marks, outline, generation] {
        if (generation != m_generation)
            return; // cancelled, or another song asked for, while the gate was closed
        QPointer<SongAnalysis> self(this);
        m_worker->post(
            {m_worker->current(),
             [=](AlignerSlot& aligner, const std::atomic<bool>& cancel) {
                 if (LyricAligner* held = aligner.made())
                     held->forget(); // the song before goes before this one comes
                 aligner.prepare();
                 Outlined outlined;
                 if (outline)
                     outlined = [&](PeakEnvelope envelope) {
                         tell(self, generation,
                              [shared = std::make_shared<const PeakEnvelope>(std::move(envelope))](
                                  SongAnalysis& a) { emit a.outlined(shared); });
                     };
                 QString problem;
                 AlignAudio audio = DecodeForAlignment(song, cancel, problem, outlined);
                 if (cancel.load())
                     return;
                 LyricAligner* const made = aligner.await(cancel);
                 if (!made)
                     return;
                 AnalysisResult result = AnalyseAudio(
                     *made, std::move(audio), problem, lines, marks, cancel, [&](int percent) {
                         tell(self, generation,
                              [percent](SongAnalysis& a) { emit a.progress(percent); });
                     });
                 if (cancel.load())
                     return;
                 tell(self, generation, [result = std::move(result)](SongAnalysis& a) {
                     a.m_running = false;
                     a.m_result = result;
                     emit a.finished(a.m_result);
                 });
             },
             [self, generation] {
                 tell(self, generation, [](SongAnalysis& a) {
                     AnalysisResult result;
                     result.failed = true;
                     result.status = QCoreApplication::translate(
                         "SongAnalysis", "No suggested times: there is not enough memory for the "
                                         "analysis. Mark the lines as the song plays.");
                     a.m_running = false;
                     a.m_result = result;
                     emit a.finished(a.m_result);
                 });
             }});
    });
}

void SongAnalysis::outline(const QString& song) {
    cancel();
    const quint64 generation = m_generation;
    StartupGate::WhenOpen(this, [this, song, generation] {
        if (generation != m_generation)
            return;
        QPointer<SongAnalysis> self(this);
        m_worker->post(
            {m_worker->current(),
             [=](AlignerSlot& aligner, const std::atomic<bool>& cancel) {
                 if (LyricAligner* held = aligner.made())
                     held->forget(); // it held another song
                 auto envelope =
                     std::make_shared<const PeakEnvelope>(DecodePeakEnvelope(song, cancel));
                 if (cancel.load())
                     return;
                 tell(self, generation, [envelope](SongAnalysis& a) { emit a.outlined(envelope); });
             },
             [self, generation] {
                 tell(self, generation, [](SongAnalysis& a) {
                     emit a.outlined(std::make_shared<const PeakEnvelope>());
                 });
             }});
    });
}

template <typename Found, typename Ask>
void SongAnalysis::askHeld(quint64 ticket, Ask ask,
                           void (SongAnalysis::*signal)(quint64, const std::vector<Found>&),
                           bool urgent) {
    const quint64 generation = m_generation;
    QPointer<SongAnalysis> self(this);
    StartupGate::WhenOpen(this, [=, this] {
        if (generation != m_generation)
            return;
        m_worker->post({m_worker->current(),
                        [=](AlignerSlot& aligner, const std::atomic<bool>& cancel) {
                            std::vector<Found> found;
                            if (LyricAligner* held = aligner.made(); held && held->holdsSong())
                                found = ask(*held, cancel);
                            if (cancel.load())
                                return;
                            tell(self, generation,
                                 [ticket, signal, found = std::move(found)](SongAnalysis& a) {
                                     emit(a.*signal)(ticket, found);
                                 });
                        },
                        [self, generation, ticket, signal] {
                            tell(self, generation, [ticket, signal](SongAnalysis& a) {
                                emit(a.*signal)(ticket, {});
                            });
                        }},
                       urgent);
    });
}

void SongAnalysis::realign(quint64 ticket, const Anchors& anchors, int firstLine, int lastLine) {
    // Queued behind the analysis: the aligner then holds this song.
    askHeld(
        ticket,
        [=](LyricAligner& held, const std::atomic<bool>& cancel) {
            return held.suggest(anchors, firstLine, lastLine, cancel);
        },
        &SongAnalysis::realigned, false);
}

void SongAnalysis::suggestWords(quint64 ticket, const QString& line, qint64 startMs, qint64 endMs,
                                const WordMarks& given) {
    askHeld(
        ticket,
        [=](LyricAligner& held, const std::atomic<bool>&) {
            return held.suggestWords(line, startMs, endMs, given);
        },
        &SongAnalysis::wordsSuggested, true);
}
