#include "align/SpeechDecoder.h"
#include "core/LateLibrary.h"

#include "align/AlignAudio.h"
#include "align/ModelCheck.h"

#include <pocketsphinx.h>
#include <sphinxbase/cmn.h>
#include <sphinxbase/feat.h>

#include <QFileInfo>

#include <algorithm>

namespace {

// Loaded when the first song is analysed, on the analysis thread: linked, this library and
// what it brings would be loaded before the window could appear.
struct SphinxLibrary {
    decltype(&::ps_args) ps_args = nullptr;
    decltype(&::ps_init) ps_init = nullptr;
    decltype(&::ps_free) ps_free = nullptr;
    decltype(&::ps_lookup_word) ps_lookup_word = nullptr;
    decltype(&::ps_add_word) ps_add_word = nullptr;
    decltype(&::ps_get_logmath) ps_get_logmath = nullptr;
    decltype(&::ps_set_fsg) ps_set_fsg = nullptr;
    decltype(&::ps_set_search) ps_set_search = nullptr;
    decltype(&::ps_start_stream) ps_start_stream = nullptr;
    decltype(&::ps_start_utt) ps_start_utt = nullptr;
    decltype(&::ps_process_raw) ps_process_raw = nullptr;
    decltype(&::ps_end_utt) ps_end_utt = nullptr;
    decltype(&::ps_seg_iter) ps_seg_iter = nullptr;
    decltype(&::ps_seg_next) ps_seg_next = nullptr;
    decltype(&::ps_seg_word) ps_seg_word = nullptr;
    decltype(&::ps_seg_frames) ps_seg_frames = nullptr;
    decltype(&::ps_seg_prob) ps_seg_prob = nullptr;
    decltype(&::ps_seg_free) ps_seg_free = nullptr;
    decltype(&::ps_get_hyp) ps_get_hyp = nullptr;
    decltype(&::ps_get_feat) ps_get_feat = nullptr;
    decltype(&::cmn_live_get) cmn_live_get = nullptr;
    decltype(&::cmn_live_set) cmn_live_set = nullptr;
    decltype(&::cmd_ln_init) cmd_ln_init = nullptr;
    decltype(&::ckd_free) ckd_free = nullptr;
    decltype(&::cmd_ln_free_r) cmd_ln_free_r = nullptr;
    decltype(&::fsg_model_init) fsg_model_init = nullptr;
    decltype(&::fsg_model_free) fsg_model_free = nullptr;
    decltype(&::fsg_model_trans_add) fsg_model_trans_add = nullptr;
    decltype(&::fsg_model_word_add) fsg_model_word_add = nullptr;
    bool complete = true;
};

const SphinxLibrary& sphinx() {
    static const SphinxLibrary loaded = [] {
        SphinxLibrary f;
        static LateLibrary pocketsphinx(QStringLiteral("pocketsphinx"), 3);
        f.complete = f.complete && pocketsphinx.get(f.ps_args, "ps_args")
                                       .get(f.ps_init, "ps_init")
                                       .get(f.ps_free, "ps_free")
                                       .get(f.ps_lookup_word, "ps_lookup_word")
                                       .get(f.ps_add_word, "ps_add_word")
                                       .get(f.ps_get_logmath, "ps_get_logmath")
                                       .get(f.ps_set_fsg, "ps_set_fsg")
                                       .get(f.ps_set_search, "ps_set_search")
                                       .get(f.ps_start_stream, "ps_start_stream")
                                       .get(f.ps_start_utt, "ps_start_utt")
                                       .get(f.ps_process_raw, "ps_process_raw")
                                       .get(f.ps_end_utt, "ps_end_utt")
                                       .get(f.ps_seg_iter, "ps_seg_iter")
                                       .get(f.ps_seg_next, "ps_seg_next")
                                       .get(f.ps_seg_word, "ps_seg_word")
                                       .get(f.ps_seg_frames, "ps_seg_frames")
                                       .get(f.ps_seg_prob, "ps_seg_prob")
                                       .get(f.ps_seg_free, "ps_seg_free")
                                       .get(f.ps_get_hyp, "ps_get_hyp")
                                       .get(f.ps_get_feat, "ps_get_feat")
                                       .complete();
        static LateLibrary sphinxbase(QStringLiteral("sphinxbase"), 3);
        f.complete = f.complete && sphinxbase.get(f.cmd_ln_init, "cmd_ln_init")
                                       .get(f.ckd_free, "ckd_free")
                                       .get(f.cmd_ln_free_r, "cmd_ln_free_r")
                                       .get(f.fsg_model_init, "fsg_model_init")
                                       .get(f.fsg_model_free, "fsg_model_free")
                                       .get(f.fsg_model_trans_add, "fsg_model_trans_add")
                                       .get(f.fsg_model_word_add, "fsg_model_word_add")
                                       .get(f.cmn_live_get, "cmn_live_get")
                                       .get(f.cmn_live_set, "cmn_live_set")
                                       .complete();
        return f;
    }();
    return loaded;
}

} // namespace

QString SpeechModelFolder() {
    const QString given = qEnvironmentVariable("VELMORA_SPEECH_MODEL");
    return given.isEmpty() ? QStringLiteral("/usr/share/pocketsphinx/model/en-us") : given;
}

SpeechDecoder::SpeechDecoder() {
    const QString folder = SpeechModelFolder();
    const QByteArray hmm = (folder + QStringLiteral("/en-us")).toLocal8Bit();
    const QByteArray dict = (folder + QStringLiteral("/cmudict-en-us.dict")).toLocal8Bit();
    if (!QFileInfo(QString::fromLocal8Bit(hmm) + QStringLiteral("/mdef")).isFile() ||
        !QFileInfo(QString::fromLocal8Bit(dict)).isFile()) {
        m_problem = QStringLiteral("the English speech model is not installed (%1)").arg(folder);
        return;
    }
    if (!sphinx().complete) {
        m_problem = QStringLiteral("the speech recogniser (pocketsphinx) could not be loaded");
        return;
    }
    const auto load = [&hmm, &dict] {
        // Silence removal off: it drops frames and shifts every later time. 10 ms frames. Beams
        // far wider than for speech: under a band the right path scores far below some wrong
        // one for seconds at a time, and the grammar holds so few words that keeping every path
        // is cheap.
        cmd_ln_t* config = sphinx().cmd_ln_init(
            nullptr, sphinx().ps_args(), TRUE, "-hmm", hmm.constData(), "-dict", dict.constData(),
            "-remove_silence", "no", "-frate", "100", "-logfn", "/dev/null", "-bestpath", "no",
            "-beam", "1e-150", "-wbeam", "1e-120", "-pbeam", "1e-150", "-maxhmmpf", "-1", nullptr);
        ps_decoder_t* ps = config ? sphinx().ps_init(config) : nullptr;
        sphinx().cmd_ln_free_r(config); // the decoder keeps its own reference
        return ps;
    };
    // A damaged model would end the process in there.
    m_problem = SpeechModelProblem(folder, [&load] { return load() != nullptr; });
    if (!m_problem.isEmpty())
        return;
    m_ps = load();
    if (!m_ps) {
        m_problem = QStringLiteral("the English speech model could not be loaded (%1)").arg(folder);
        return;
    }
    // The loudness normalisation learns as it goes and would carry one stretch into the next:
    // every stretch starts from the model's own, so the same audio always aligns the same way.
    const cmn_t* cmn = sphinx().ps_get_feat(m_ps)->cmn_struct;
    m_initialMean.resize(static_cast<std::size_t>(cmn->veclen));
    sphinx().cmn_live_get(sphinx().ps_get_feat(m_ps)->cmn_struct, m_initialMean.data());
}

SpeechDecoder::~SpeechDecoder() {
    if (m_ps)
        sphinx().ps_free(m_ps);
}

bool SpeechDecoder::knows(const QString& word) const {
    if (!m_ps)
        return false;
    char* phones = sphinx().ps_lookup_word(m_ps, word.toUtf8().constData());
    const bool found = phones != nullptr;
    sphinx().ckd_free(phones);
    return found;
}

bool SpeechDecoder::addWord(const QString& word, const QString& phones) {
    return m_ps && !phones.isEmpty() &&
           sphinx().ps_add_word(m_ps, word.toUtf8().constData(), phones.toLatin1().constData(),
                                FALSE) >= 0;
}

SpeechDecoder::Decoded SpeechDecoder::align(const std::int16_t* samples, std::size_t count,
                                            const QStringList& words,
                                            const std::atomic<bool>& cancel,
                                            const std::function<void(double)>& progress) {
    if (!m_ps || words.isEmpty() || count < static_cast<std::size_t>(kFrameSamples) * 10)
        return {};
    // A straight line of states, one word per step; fillers (silence, noise) are added at
    // every state by the decoder.
    const auto states = static_cast<int32>(words.size() + 1);
    fsg_model_t* fsg =
        sphinx().fsg_model_init("lyrics", sphinx().ps_get_logmath(m_ps), 1.0F, states);
    fsg->start_state = 0;
    fsg->final_state = states - 1;
    for (int32 i = 0; i + 1 < states; ++i) {
        const int wid = sphinx().fsg_model_word_add(fsg, words.at(i).toUtf8().constData());
        sphinx().fsg_model_trans_add(fsg, i, i + 1, 0, wid);
    }
    // One name: a new grammar replaces the last one's search.
    if (sphinx().ps_set_fsg(m_ps, "lyrics", fsg) < 0 ||
        sphinx().ps_set_search(m_ps, "lyrics") < 0) {
        sphinx().fsg_model_free(fsg);
        return {};
    }
    sphinx().fsg_model_free(fsg); // the search holds its own reference
    // Times are counted from the start of a stream: each stretch is a stream of its own.
    sphinx().cmn_live_set(sphinx().ps_get_feat(m_ps)->cmn_struct, m_initialMean.data());
    if (sphinx().ps_start_stream(m_ps) < 0 || sphinx().ps_start_utt(m_ps) < 0)
        return {};
    // Batch loudness normalisation needs the whole stretch at once; it is cut into pieces only
    // to look at cancel and report progress.
    constexpr std::size_t kPiece = std::size_t{kAlignRate} * 4;
    bool cancelled = false;
    for (std::size_t at = 0; at < count; at += kPiece) {
        if (cancel.load(std::memory_order_relaxed)) {
            cancelled = true;
            break;
        }
        const std::size_t n = std::min(kPiece, count - at);
        sphinx().ps_process_raw(m_ps, samples + at, n, FALSE, FALSE);
        if (progress)
            progress(static_cast<double>(at + n) / static_cast<double>(count));
    }
    if (cancelled) {
        sphinx().ps_end_utt(m_ps);
        return {};
    }
    // Read before the utterance ends: the best path to the last frame, wherever it stands in
    // the grammar. After the end only a path through every word would count, and one word the
    // singer leaves out would lose the whole stretch.
    Decoded decoded;
    int wordIndex = 0;
    for (ps_seg_t* seg = sphinx().ps_seg_iter(m_ps); seg; seg = sphinx().ps_seg_next(seg)) {
        const char* text = sphinx().ps_seg_word(seg);
        if (!text || text[0] == '<' || text[0] == '[')
            continue; // silence and noise
        int start = 0;
        int end = 0;
        sphinx().ps_seg_frames(seg, &start, &end);
        int32 ascr = 0;
        int32 lscr = 0;
        int32 lback = 0;
        sphinx().ps_seg_prob(seg, &ascr, &lscr, &lback);
        // A word with more than one pronunciation comes back as "word(2)".
        QString found = QString::fromUtf8(text);
        if (const qsizetype paren = found.indexOf(u'('); paren > 0)
            found.truncate(paren);
        while (wordIndex < words.size() && words.at(wordIndex) != found)
            ++wordIndex;
        if (wordIndex == words.size()) {
            sphinx().ps_seg_free(seg);
            break;
        }
        decoded.words.push_back({wordIndex++, start, end, ascr});
    }
    sphinx().ps_end_utt(m_ps);
    int32 score = 0;
    decoded.complete = sphinx().ps_get_hyp(m_ps, &score) != nullptr;
    return decoded;
}
