#include "media/SphinxRecogniser.h"

#include "core/MemoryRoom.h"
#include "media/ModelCheck.h"

#include <pocketsphinx.h>
#include <sphinxbase/cmn.h>
#include <sphinxbase/err.h>
#include <sphinxbase/fe.h>
#include <sphinxbase/feat.h>

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <mutex>

namespace {

// The recogniser's log is one file for the whole process, and each loading decoder given a log
// file closes the one before, under the feet of any other decoder writing to it: the log is
// switched off once for all, and models load one at a time.
std::mutex& loadLock() {
    static std::mutex lock;
    static std::once_flag silenced;
    std::call_once(silenced, [] { ::err_set_logfp(nullptr); });
    return lock;
}

} // namespace

QString SpeechModelFolder() {
    const QString given = qEnvironmentVariable("VELMORA_SPEECH_MODEL");
    return given.isEmpty() ? QStringLiteral("/usr/share/pocketsphinx/model/en-us") : given;
}

namespace {

// The model and its dictionary take about 20 MiB as loaded, in pieces from heaps that each set
// aside 64 MiB.
constexpr std::size_t kModelRoom = std::size_t{160} << 20;

QString noRoomForModel() {
    return QCoreApplication::translate(
        "SphinxRecogniser", "there is not enough memory to load the English speech model");
}

// Why the model in folder did not load, once it did not.
QString loadFailure(const QString& folder) {
    return RoomFor(kModelRoom)
               ? QCoreApplication::translate("SphinxRecogniser",
                                             "the English speech model could not be loaded (%1)")
                     .arg(folder)
               : noRoomForModel();
}

// coarse: the mixtures scored every other frame, the scores kept for the frame between.
ps_decoder_t* loadModel(const QByteArray& hmm, const QByteArray& dict, double warp,
                        bool coarse = false) {
    // Silence removal off: it drops frames and shifts every later time. 10 ms frames. Beams far
    // wider than for speech: under a band the right path scores far below some wrong one for
    // seconds at a time, and the grammar holds so few words that keeping every path is cheap.
    cmd_ln_t* config = ::cmd_ln_init(nullptr, ::ps_args(), TRUE, "-hmm", hmm.constData(), "-dict",
                                     dict.constData(), "-remove_silence", "no", "-frate", "100",
                                     "-bestpath", "no", "-beam", "1e-150", "-wbeam", "1e-120",
                                     "-pbeam", "1e-150", "-maxhmmpf", "-1", nullptr);
    // Always given: the front end keeps the last warp it was given for the whole process.
    if (config) {
        ::cmd_ln_set_str_r(config, "-warp_params", QByteArray::number(warp).constData());
        ::cmd_ln_set_int_r(config, "-ds", coarse ? 2 : 1);
    }
    ps_decoder_t* ps = config && RoomFor(kModelRoom) ? ::ps_init(config) : nullptr;
    ::cmd_ln_free_r(config); // the decoder keeps its own reference
    return ps;
}

} // namespace

SphinxRecogniser::SphinxRecogniser() {
    const QString folder = SpeechModelFolder();
    m_hmm = (folder + QStringLiteral("/en-us")).toLocal8Bit();
    m_dict = (folder + QStringLiteral("/cmudict-en-us.dict")).toLocal8Bit();
    if (!QFileInfo(QString::fromLocal8Bit(m_hmm) + QStringLiteral("/mdef")).isFile() ||
        !QFileInfo(QString::fromLocal8Bit(m_dict)).isFile()) {
        m_problem = QCoreApplication::translate("SphinxRecogniser",
                                                "the English speech model is not installed (%1)")
                        .arg(folder);
        return;
    }
    // Loading ends the process when an allocation fails: a memory limit is better met here,
    // with a reason, than in there.
    if (!RoomFor(kModelRoom)) {
        m_problem = noRoomForModel();
        return;
    }
    // A damaged model would end the process in there.
    m_problem =
        SpeechModelProblem(folder, [this] { return loadModel(m_hmm, m_dict, 1.0) != nullptr; });
    if (!m_problem.isEmpty())
        return;
    {
        // Not inside the check: it runs in a child, where no other thread could ever let go of
        // the lock.
        const std::lock_guard lock(loadLock());
        m_ps = loadModel(m_hmm, m_dict, 1.0);
    }
    if (!m_ps) {
        m_problem = loadFailure(folder);
        return;
    }
    // The model's own normalisation: where a stretch is too short to give its own.
    const cmn_t* cmn = ::ps_get_feat(m_ps)->cmn_struct;
    m_initialMean.resize(static_cast<std::size_t>(cmn->veclen));
    ::cmn_live_get(::ps_get_feat(m_ps)->cmn_struct, m_initialMean.data());
}

SphinxRecogniser::~SphinxRecogniser() {
    if (m_ps)
        ::ps_free(m_ps);
    if (m_linePs)
        ::ps_free(m_linePs);
}

bool SphinxRecogniser::knows(const QString& word) const {
    // Words added for earlier songs are not the model's: a second German song would pass for
    // English.
    const QByteArray utf8 = word.toUtf8();
    if (!m_ps || m_added.contains(utf8))
        return false;
    char* phones = ::ps_lookup_word(m_ps, utf8.constData());
    const bool found = phones != nullptr;
    ::ckd_free(phones);
    return found;
}

bool SphinxRecogniser::addWord(const QString& word, const QString& phones) {
    const QByteArray utf8 = word.toUtf8();
    if (m_ps && m_added.contains(utf8))
        return true; // the first pronunciation stays
    if (!m_ps || phones.isEmpty() ||
        ::ps_add_word(m_ps, utf8.constData(), phones.toLatin1().constData(), FALSE) < 0)
        return false;
    m_added.emplace(utf8, phones.toLatin1());
    return true;
}

void SphinxRecogniser::setWarp(double factor) {
    if (!m_ps || factor == m_warp)
        return;
    // The front end reads the warp once, when the model loads. The old model goes first: two
    // at once would double the analysis's memory for a moment.
    ::ps_free(m_ps);
    {
        const std::lock_guard lock(loadLock());
        m_ps = loadModel(m_hmm, m_dict, factor);
    }
    if (!m_ps) {
        m_problem = loadFailure(QFileInfo(QString::fromLocal8Bit(m_hmm)).path());
        return;
    }
    m_warp = factor;
    for (const auto& [word, phones] : m_added)
        ::ps_add_word(m_ps, word.constData(), phones.constData(), FALSE);
    if (m_linePs) { // loaded again with the new warp when next asked for
        ::ps_free(m_linePs);
        m_linePs = nullptr;
        m_lineWords.clear();
    }
}

// The loudness normalisation learns as it goes, over seconds: begun at the model's own mean, a
// stretch that opens on a line (at a mark) heard its first words wrongly normalised, and the
// line went to the fillers. It begins at the mean of the stretch's own first seconds.
void SphinxRecogniser::startMeanFrom(ps_decoder_s* ps, const std::int16_t* samples,
                                     std::size_t count) {
    cmn_t* cmn = ::ps_get_feat(ps)->cmn_struct;
    fe_t* fe = ::ps_get_fe(ps);
    constexpr int32 kFrames = 500; // five seconds, the normalisation's own window
    const auto width = static_cast<std::size_t>(::fe_get_output_size(fe));
    std::vector<mfcc_t> cepstra(kFrames * width);
    std::vector<mfcc_t*> rows(kFrames);
    for (std::size_t f = 0; f < rows.size(); ++f)
        rows[f] = cepstra.data() + f * width;
    const std::int16_t* at = samples;
    std::size_t left = std::min(count, std::size_t{kFrames} * kSpeechFrameSamples);
    int32 frames = kFrames;
    if (width != m_initialMean.size() || ::fe_start_utt(fe) < 0 ||
        ::fe_process_frames(fe, &at, &left, rows.data(), &frames, nullptr) < 0 || frames < 50) {
        ::cmn_live_set(cmn, m_initialMean.data());
        return;
    }
    std::vector<mfcc_t> mean(width, 0);
    for (int32 f = 0; f < frames; ++f)
        for (std::size_t i = 0; i < width; ++i)
            mean[i] += rows[static_cast<std::size_t>(f)][i] / static_cast<mfcc_t>(frames);
    ::cmn_live_set(cmn, mean.data());
}

SpeechRecogniser::Decoded SphinxRecogniser::align(const std::int16_t* samples, std::size_t count,
                                                  const QStringList& words,
                                                  const std::atomic<bool>& cancel,
                                                  const std::function<void(double)>& progress) {
    return m_ps ? decode(m_ps, samples, count, words, cancel, progress) : Decoded{};
}

// Inside a line's window the coarse scoring places words about as well as the full one (on
// generated songs with known word starts, 90.9 against 91.6 % of English words within 0.1 s) at
// 60 % of the cost; over a stretch of many lines under a band it loses the voice. It needs no
// dictionary of its own (5 MB against 28): each line's words are copied from the full
// decoder's, with their other pronunciations.
SpeechRecogniser::Decoded SphinxRecogniser::alignLine(const std::int16_t* samples,
                                                      std::size_t count, const QStringList& words,
                                                      const std::atomic<bool>& cancel) {
    if (!m_ps)
        return {};
    if (!m_linePs) {
        const std::lock_guard lock(loadLock());
        m_linePs = loadModel(m_hmm, QByteArrayLiteral("/dev/null"), m_warp, true);
    }
    if (!m_linePs)
        return align(samples, count, words, cancel, {});
    for (const QString& word : words) {
        const QByteArray base = word.toUtf8();
        if (m_lineWords.contains(base))
            continue;
        for (int alt = 1;; ++alt) {
            const QByteArray name = alt == 1 ? base : base + '(' + QByteArray::number(alt) + ')';
            char* phones = ::ps_lookup_word(m_ps, name.constData());
            if (!phones)
                break;
            ::ps_add_word(m_linePs, name.constData(), phones, FALSE);
            ::ckd_free(phones);
            m_lineWords.insert(base); // not before it is found: it may be added later
        }
    }
    return decode(m_linePs, samples, count, words, cancel, {});
}

SpeechRecogniser::Decoded SphinxRecogniser::decode(ps_decoder_s* ps, const std::int16_t* samples,
                                                   std::size_t count, const QStringList& words,
                                                   const std::atomic<bool>& cancel,
                                                   const std::function<void(double)>& progress) {
    if (words.isEmpty() || count < static_cast<std::size_t>(kSpeechFrameSamples) * 10)
        return {};
    // A straight line of states, one word per step; fillers (silence, noise) are added at
    // every state by the decoder.
    const auto states = static_cast<int32>(words.size() + 1);
    fsg_model_t* fsg = ::fsg_model_init("lyrics", ::ps_get_logmath(ps), 1.0F, states);
    fsg->start_state = 0;
    fsg->final_state = states - 1;
    for (int32 i = 0; i + 1 < states; ++i) {
        const int wid = ::fsg_model_word_add(fsg, words.at(i).toUtf8().constData());
        ::fsg_model_trans_add(fsg, i, i + 1, 0, wid);
    }
    // One name: a new grammar replaces the last one's search.
    if (::ps_set_fsg(ps, "lyrics", fsg) < 0 || ::ps_set_search(ps, "lyrics") < 0) {
        ::fsg_model_free(fsg);
        return {};
    }
    ::fsg_model_free(fsg); // the search holds its own reference
    // Times are counted from the start of a stream: each stretch is a stream of its own, and
    // none carries its normalisation into the next, so the same audio always aligns the same way.
    startMeanFrom(ps, samples, count);
    if (::ps_start_stream(ps) < 0 || ::ps_start_utt(ps) < 0)
        return {};
    // Batch loudness normalisation needs the whole stretch at once; it is cut into pieces only
    // to look at cancel and report progress.
    constexpr std::size_t kPiece = std::size_t{kSpeechRate} * 4;
    bool cancelled = false;
    for (std::size_t at = 0; at < count; at += kPiece) {
        if (cancel.load(std::memory_order_relaxed)) {
            cancelled = true;
            break;
        }
        const std::size_t n = std::min(kPiece, count - at);
        ::ps_process_raw(ps, samples + at, n, FALSE, FALSE);
        if (progress)
            progress(static_cast<double>(at + n) / static_cast<double>(count));
    }
    if (cancelled) {
        ::ps_end_utt(ps);
        return {};
    }
    // Read before the utterance ends: the best path to the last frame, wherever it stands in
    // the grammar. After the end only a path through every word would count, and one word the
    // singer leaves out would lose the whole stretch.
    Decoded decoded;
    int wordIndex = 0;
    for (ps_seg_t* seg = ::ps_seg_iter(ps); seg; seg = ::ps_seg_next(seg)) {
        const char* text = ::ps_seg_word(seg);
        if (!text || text[0] == '<' || text[0] == '[')
            continue; // silence and noise
        int start = 0;
        int end = 0;
        ::ps_seg_frames(seg, &start, &end);
        int32 ascr = 0;
        int32 lscr = 0;
        int32 lback = 0;
        ::ps_seg_prob(seg, &ascr, &lscr, &lback);
        // A word with more than one pronunciation comes back as "word(2)".
        QString found = QString::fromUtf8(text);
        if (const qsizetype paren = found.indexOf(u'('); paren > 0)
            found.truncate(paren);
        while (wordIndex < words.size() && words.at(wordIndex) != found)
            ++wordIndex;
        if (wordIndex == words.size()) {
            ::ps_seg_free(seg);
            break;
        }
        decoded.words.push_back({wordIndex++, start, end, ascr});
    }
    ::ps_end_utt(ps);
    int32 score = 0;
    decoded.complete = ::ps_get_hyp(ps, &score) != nullptr;
    return decoded;
}
