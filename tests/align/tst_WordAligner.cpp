#include "align/LyricAligner.h"
#include "align/WordAligner.h"
#include "core/MediaServices.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <random>

// Word suggestions on lines made here: words said one at a time by espeak-ng and joined with
// gaps of known, uneven lengths, so that where each word starts is known and a spread by the
// text's length would miss it.
namespace {

constexpr int kRate = 16000;

struct Made {
    AlignAudio audio;
    std::vector<qint64> starts; // of each word, ms
    qint64 endMs = 0;           // where the last word ends
};

std::vector<std::int16_t> said(const QString& dir, const QString& voice, const QString& word) {
    const QString wav = dir + "/said.wav";
    const QString raw = dir + "/said.raw";
    QProcess espeak;
    espeak.start("espeak-ng", {"-v", voice, "-s", "150", "-w", wav, word});
    if (!espeak.waitForFinished(30000) || espeak.exitCode() != 0)
        return {};
    // 16 kHz raw samples, the silence around the word cut.
    QProcess sox;
    sox.start("sox", {wav,       "-r",      "16000", "-c",    "1",       "-b",     "16",    "-e",
                      "signed",  "-t",      "raw",   raw,     "silence", "1",      "0.005", "0.5%",
                      "reverse", "silence", "1",     "0.005", "0.5%",    "reverse"});
    if (!sox.waitForFinished(30000) || sox.exitCode() != 0)
        return {};
    QFile file(raw);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    std::vector<std::int16_t> out(static_cast<std::size_t>(bytes.size()) / 2);
    std::memcpy(out.data(), bytes.constData(), out.size() * 2);
    return out;
}

// The words after leadMs, each after its gap (ms), over a faint noise.
Made line(const QString& dir, const QString& voice, const QStringList& words,
          const std::vector<int>& gapsMs, int leadMs = 1000) {
    Made made;
    std::vector<std::int16_t>& s = made.audio.samples;
    s.assign(static_cast<std::size_t>(leadMs) * kRate / 1000, 0);
    for (qsizetype i = 0; i < words.size(); ++i) {
        s.resize(s.size() + static_cast<std::size_t>(gapsMs[static_cast<std::size_t>(i)]) * 16, 0);
        made.starts.push_back(static_cast<qint64>(s.size()) / 16);
        const std::vector<std::int16_t> word = said(dir, voice, words.at(i));
        if (word.empty())
            return {};
        s.insert(s.end(), word.begin(), word.end());
    }
    made.endMs = static_cast<qint64>(s.size()) / 16;
    s.resize(s.size() + static_cast<std::size_t>(2) * kRate, 0);
    std::mt19937 random(5);
    std::normal_distribution<double> noise(0, 30);
    for (std::int16_t& x : s)
        x = static_cast<std::int16_t>(std::clamp(x + noise(random), -32768.0, 32767.0));
    return made;
}

// The text-length spread inside the line, which the fixtures must defeat to mean anything.
std::vector<qint64> byLength(const QString& text, qint64 fromMs, qint64 toMs) {
    qsizetype all = 0;
    for (const LineWord& w : LineWords(text))
        all += w.length;
    std::vector<qint64> out;
    qsizetype before = 0;
    for (const LineWord& w : LineWords(text)) {
        out.push_back(fromMs + (toMs - fromMs) * before / all);
        before += w.length;
    }
    return out;
}

qint64 worstOff(const std::vector<qint64>& got, const std::vector<qint64>& truth) {
    qint64 worst = 0;
    for (std::size_t i = 0; i < truth.size(); ++i)
        worst = std::max(worst, std::abs(got[i] - truth[i]));
    return worst;
}

qint64 meanOff(const std::vector<qint64>& got, const std::vector<qint64>& truth) {
    qint64 sum = 0;
    for (std::size_t i = 0; i < truth.size(); ++i)
        sum += std::abs(got[i] - truth[i]);
    return sum / static_cast<qint64>(truth.size());
}

std::vector<qint64> times(const std::vector<WordSuggestion>& words) {
    std::vector<qint64> out;
    out.reserve(words.size());
    for (const WordSuggestion& w : words)
        out.push_back(w.ms);
    return out;
}

bool ordered(const std::vector<WordSuggestion>& words) {
    for (std::size_t i = 1; i < words.size(); ++i)
        if (words[i].ms <= words[i - 1].ms)
            return false;
    return true;
}

} // namespace

class WordAlignerTest : public QObject {
    Q_OBJECT

    const std::unique_ptr<SpeechRecogniser> m_decoder = Media().speechRecogniser();
    const std::unique_ptr<Phonemizer> m_phonemizer = Media().phonemizer();
    const std::unique_ptr<VoiceDetector> m_detector = Media().voiceDetector();

    QTemporaryDir m_dir;
    const std::atomic<bool> m_never{false};
    const QString m_text = "Golden rivers whisper slowly tonight";
    Made m_english;

private slots:
    void initTestCase() {
        // Gaps of every kind: none, short, long.
        m_english = line(m_dir.path(), "en-us", m_text.split(' '), {0, 60, 1100, 30, 800});
        QVERIFY2(!m_english.audio.samples.empty(), "espeak-ng and sox make the test's words");
    }

    void wordsOfALine_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("blanks") << "Hold my  hand, tonight!"
                                << QStringList{"Hold", "my", "hand,", "tonight!"};
        QTest::newRow("Chinese, a word a character")
            << "我爱你。" << QStringList{"我", "爱", "你。"};
        QTest::newRow("Japanese kana and a Latin word")
            << "さくら love 花" << QStringList{"さ", "く", "ら", "love", "花"};
        QTest::newRow("Latin letters inside Chinese")
            << "我love你" << QStringList{"我", "love", "你"};
        QTest::newRow("nothing but blanks") << " \t " << QStringList{};
    }
    void wordsOfALine() {
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        QStringList got;
        for (const LineWord& w : LineWords(text))
            got << text.mid(w.start, w.length);
        QCOMPARE(got, words);
    }

    // Through the speech model: every word within 0.1 s, where the spread by length misses.
    void englishWordsLandOnTheirStarts() {
        SpeechRecogniser& decoder = *m_decoder;
        if (!decoder.ready())
            QSKIP("the speech model is not installed");
        const qint64 end = m_english.endMs + 600; // the next line's start
        const std::vector<qint64>& truth = m_english.starts;
        QVERIFY(worstOff(byLength(m_text, truth.front(), end), truth) > 300);
        WordAligner aligner(&decoder, m_phonemizer.get(), *m_detector, m_english.audio);
        const std::vector<WordSuggestion> got = aligner.suggest(m_text, truth.front(), end);
        QCOMPARE(got.size(), truth.size());
        QVERIFY2(worstOff(times(got), truth) <= 100,
                 qPrintable(QString("%1 ms off").arg(worstOff(times(got), truth))));
        QCOMPARE(got.front().kind, WordSuggestion::Given);
        for (std::size_t i = 1; i < got.size(); ++i)
            QCOMPARE(got[i].kind, WordSuggestion::Aligned);
    }

    // A higher voice reloads the model: the words added before are still there to be found, by
    // the line's decoder too, which has no dictionary of its own. A word added is not one the
    // model knew (the German words of one song would make the next pass for English), and
    // adding it again keeps it.
    void aWarpKeepsTheAddedWords() {
        SpeechRecogniser& decoder = *m_decoder;
        if (!decoder.ready())
            QSKIP("the speech model is not installed");
        QVERIFY(decoder.addWord("rivvers", "R IH V ER Z"));
        QVERIFY(!decoder.knows("rivvers"));
        QVERIFY(decoder.knows("rivers"));
        QVERIFY(decoder.addWord("rivvers", "R IH V ER Z"));
        const QStringList words{"golden", "rivvers", "whisper", "slowly", "tonight"};
        const std::vector<std::int16_t>& samples = m_english.audio.samples;
        const auto found = [](const SpeechRecogniser::Decoded& got) {
            return std::any_of(got.words.begin(), got.words.end(),
                               [](const PlacedWord& w) { return w.word == 1; });
        };
        QVERIFY(found(decoder.alignLine(samples.data(), samples.size(), words, m_never)));
        decoder.setWarp(1.3);
        const bool whole = found(decoder.align(samples.data(), samples.size(), words, m_never, {}));
        const bool inLine =
            found(decoder.alignLine(samples.data(), samples.size(), words, m_never));
        decoder.setWarp(1.0);
        QVERIFY(whole);
        QVERIFY(inLine);
    }

    // A line in another language in Latin letters is still decoded, its words said as English
    // reads them; a line in another script is spread.
    void latinLinesAreDecodedWhateverTheLanguage() {
        if (!m_decoder->ready())
            QSKIP("the speech model is not installed");
        const QString text = "Nacht wispern golden sanft heute";
        const Made german = line(m_dir.path(), "de", text.split(' '), {0, 60, 900, 30, 700});
        QVERIFY(!german.audio.samples.empty());
        LyricAligner lyrics;
        QVERIFY(lyrics.setSong(german.audio, {text}, m_never));
        QVERIFY2(lyrics.fallback().isEmpty(), qPrintable(lyrics.fallback()));
        const std::vector<WordSuggestion> got =
            lyrics.suggestWords(text, german.starts.front(), german.endMs + 600);
        QCOMPARE(got.size(), german.starts.size());
        QVERIFY(std::count_if(got.begin(), got.end(), [](const WordSuggestion& w) {
                    return w.kind == WordSuggestion::Aligned;
                }) >= 3);
        QVERIFY2(worstOff(times(got), german.starts) <= 150,
                 qPrintable(QString("%1 ms off").arg(worstOff(times(got), german.starts))));

        const std::vector<WordSuggestion> greek = lyrics.suggestWords(
            "Νύχτα ψιθυρίζει χρυσή απαλή σήμερα", german.starts.front(), german.endMs + 600);
        QCOMPARE(greek.size(), std::size_t{5});
        for (std::size_t i = 1; i < greek.size(); ++i)
            QCOMPARE(greek[i].kind, WordSuggestion::Spread);
    }

    // A word marked by hand stays where it was marked, even off the voice; the others are
    // aligned on either side of it.
    void handMarksStayAndTheRestIsRealigned() {
        SpeechRecogniser& decoder = *m_decoder;
        WordAligner aligner(decoder.ready() ? &decoder : nullptr, m_phonemizer.get(), *m_detector,
                            m_english.audio);
        const std::vector<qint64>& truth = m_english.starts;
        const qint64 marked = truth[2] + 120;
        const std::vector<WordSuggestion> got =
            aligner.suggest(m_text, truth.front(), m_english.endMs + 600, {{2, marked}});
        QCOMPARE(got.size(), truth.size());
        QCOMPARE(got[2], (WordSuggestion{marked, 1.0, WordSuggestion::Given}));
        QVERIFY(ordered(got));
        for (const std::size_t i : {1, 3, 4})
            QVERIFY2(std::abs(got[i].ms - truth[i]) <= 150,
                     qPrintable(QString("word %1: %2 ms off").arg(i).arg(got[i].ms - truth[i])));
        // Marks out of order stay as they were marked.
        const std::vector<WordSuggestion> crossed = aligner.suggest(
            m_text, truth.front(), m_english.endMs + 600, {{1, truth[3]}, {3, truth[1]}});
        QCOMPARE(crossed[1].ms, truth[3]);
        QCOMPARE(crossed[3].ms, truth[1]);
        QCOMPARE(crossed[3].kind, WordSuggestion::Given);
        // A mark on the first word moves the line's start with it.
        const std::vector<WordSuggestion> first =
            aligner.suggest(m_text, truth.front() - 400, m_english.endMs + 600, {{0, truth[0]}});
        QCOMPARE(first.front().ms, truth.front());
    }

    // Without the model, the words are spread by syllables over the voice and snapped to where
    // it starts: never a crash, each word inside the line.
    void withoutTheModelWordsAreSpreadBySyllables() {
        WordAligner aligner(nullptr, m_phonemizer.get(), *m_detector, m_english.audio);
        const std::vector<qint64>& truth = m_english.starts;
        const std::vector<WordSuggestion> got =
            aligner.suggest(m_text, truth.front(), m_english.endMs + 600);
        QCOMPARE(got.size(), truth.size());
        QVERIFY(ordered(got));
        for (std::size_t i = 1; i < got.size(); ++i) {
            QCOMPARE(got[i].kind, WordSuggestion::Spread);
            QVERIFY(got[i].ms < m_english.endMs);
        }

        // A model folder without a model: the same spread through the aligner's entry point.
        qputenv("VELMORA_SPEECH_MODEL", m_dir.filePath("no-model").toUtf8());
        LyricAligner lyrics;
        qunsetenv("VELMORA_SPEECH_MODEL");
        QVERIFY(lyrics.setSong(m_english.audio, {m_text}, m_never));
        const std::vector<WordSuggestion> viaLines =
            lyrics.suggestWords(m_text, truth.front(), m_english.endMs + 600);
        QCOMPARE(viaLines.size(), truth.size());
        QVERIFY(ordered(viaLines));
        // No song at all, and no end known: words still come, in order.
        LyricAligner empty;
        const std::vector<WordSuggestion> none = empty.suggestWords(m_text, 2000, -1);
        QCOMPARE(none.size(), truth.size());
        QVERIFY(ordered(none));
        QVERIFY(empty.suggestWords("", 0, 1000).empty());
    }

    // A Chinese line: a word a character, spread by syllables and snapped to where the voice
    // starts or dips.
    void aChineseLineIsSplitByCharacter() {
        const QString text = "我爱你天上星";
        QStringList characters;
        for (const QChar c : text)
            characters << QString(c);
        const Made made = line(m_dir.path(), "cmn", characters, {0, 250, 40, 600, 120, 60});
        QVERIFY(!made.audio.samples.empty());
        SpeechRecogniser& decoder = *m_decoder;
        WordAligner aligner(decoder.ready() ? &decoder : nullptr, m_phonemizer.get(), *m_detector,
                            made.audio);
        const std::vector<WordSuggestion> got =
            aligner.suggest(text, made.starts.front(), made.endMs + 800);
        QCOMPARE(got.size(), std::size_t(6));
        QVERIFY(ordered(got));
        for (std::size_t i = 1; i < got.size(); ++i)
            QCOMPARE(got[i].kind, WordSuggestion::Spread);
        // Four times closer than the spread by the text's length, none far off.
        const std::vector<qint64> plain = byLength(text, made.starts.front(), made.endMs + 800);
        QVERIFY(worstOff(plain, made.starts) > 300);
        QVERIFY2(worstOff(times(got), made.starts) <= 300 &&
                     4 * meanOff(times(got), made.starts) < meanOff(plain, made.starts),
                 qPrintable(QString("%1 ms off at worst, %2 on average, against %3")
                                .arg(worstOff(times(got), made.starts))
                                .arg(meanOff(times(got), made.starts))
                                .arg(meanOff(plain, made.starts))));
    }

    // The last line: no next line, its end is where the voice stops.
    void theEndOfTheVoiceEndsTheLastLine() {
        WordAligner aligner(nullptr, m_phonemizer.get(), *m_detector, m_english.audio);
        const qint64 end = aligner.voiceEndAfter(m_english.starts.front());
        QVERIFY2(std::abs(end - m_english.endMs) <= 200,
                 qPrintable(QString("%1 against %2").arg(end).arg(m_english.endMs)));
    }
};

QTEST_GUILESS_MAIN(WordAlignerTest)
#include "tst_WordAligner.moc"
