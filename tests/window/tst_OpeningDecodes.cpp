#include "controls/SongSlider.h"
#include "media/LinkedMedia.h"
#include "session/SongSuggestions.h"
#include "support/Files.h"
#include "support/TestWindow.h"

#include <QLabel>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cmath>
#include <new>

// How many times the window decodes a song it opens: once, for the slider's waveform and the
// aligner's samples together, and the waveform shown before the aligner's work is done. The
// media services are the linked ones with every decode counted.
namespace {

std::atomic<int> decodes{0};
// Whether a decode meets the process's memory limit, as under ulimit -v.
std::atomic<bool> starved{false};

class CountedDecoder final : public AudioDecoder {
public:
    explicit CountedDecoder(std::unique_ptr<AudioDecoder> decoder)
        : m_decoder(std::move(decoder)) {}
    QString open(const QString& path) override { return m_decoder->open(path); }
    void convertTo(int rate, bool mono, Resampling resampling) override {
        m_decoder->convertTo(rate, mono, resampling);
    }
    int rate() const override { return m_decoder->rate(); }
    int channels() const override { return m_decoder->channels(); }
    Ended decode(const std::atomic<bool>& cancel, const Sink& sink, const Tap& tap) override {
        ++decodes;
        if (starved)
            throw std::bad_alloc();
        return m_decoder->decode(cancel, sink, tap);
    }

private:
    std::unique_ptr<AudioDecoder> m_decoder;
};

class CountedMedia final : public MediaServices {
public:
    std::unique_ptr<PlayerEngine> player(const QByteArray& output, double speed) const override {
        return m_linked.player(output, speed);
    }
    std::unique_ptr<AudioDecoder> audioDecoder() const override {
        return std::make_unique<CountedDecoder>(m_linked.audioDecoder());
    }
    std::unique_ptr<SpeechRecogniser> speechRecogniser() const override {
        return m_linked.speechRecogniser();
    }
    std::unique_ptr<Phonemizer> phonemizer() const override { return m_linked.phonemizer(); }
    std::unique_ptr<VoiceDetector> voiceDetector() const override {
        return m_linked.voiceDetector();
    }

private:
    LinkedMedia m_linked;
};

std::unique_ptr<MediaServices> openCountedMedia() {
    return std::make_unique<CountedMedia>();
}

// Seconds of a stereo tone at 44.1 kHz, the shape of most songs, as song.mp3 in dir.
QString makeSong(const QTemporaryDir& dir, int seconds) {
    const QString song = dir.filePath(QStringLiteral("song.mp3"));
    const int made = QProcess::execute(
        QStringLiteral("ffmpeg"),
        {"-v", "error", "-f", "lavfi", "-i",
         QStringLiteral("sine=frequency=330:duration=%1:sample_rate=44100").arg(seconds), "-ac",
         "2", "-c:a", "libmp3lame", "-b:a", "128k", song});
    return made == 0 ? song : QString();
}

// The same with two unmarked lines in its lyrics file.
QString makeSongWithTwoLines(const QTemporaryDir& dir, int seconds) {
    const QString song = makeSong(dir, seconds);
    if (!song.isEmpty())
        writeFile(dir.filePath(QStringLiteral("song.xml")),
                  lyricsFileOf(song, {"|over the water", "|under the bridge"}));
    return song;
}

} // namespace

class OpeningDecodesTest : public QObject {
    Q_OBJECT
public:
    // Before anything asks for the media services.
    OpeningDecodesTest() { UseMediaSource(openCountedMedia); }

private slots:
    // With lyrics the analysis runs after the decode; without, the decode is for the waveform
    // alone. Either way one decode, and the whole song's waveform on the slider.
    void aSongIsDecodedOnceWhenItOpens_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("with lyrics")
            << QStringList{"|over the water", "|under the bridge", "|into the night"};
        QTest::newRow("without lyrics") << QStringList{};
    }
    void aSongIsDecodedOnceWhenItOpens() {
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        const QString song = makeSong(dir, 6);
        QVERIFY(!song.isEmpty());
        if (!lines.isEmpty())
            writeFile(dir.filePath("song.xml"), lyricsFileOf(song, lines));
        decodes = 0;
        TestWindow w;
        SongSession& session = w.session();
        // Whether the aligner was still at work when the waveform reached the slider.
        bool analysing = false;
        connect(&session, &SongSession::waveformChanged, this,
                [&] { analysing = session.suggestions().running(); });
        w.open(song);
        QCOMPARE(session.songPath(), song);
        QTRY_VERIFY_WITH_TIMEOUT(!session.waveformPending() && !session.suggestions().running(),
                                 180000);
        QTest::qWait(300); // room for a late second decode
        QCOMPARE(decodes.load(), 1);
        const auto envelope = w.ui.sldSong->envelope();
        QVERIFY(envelope);
        QVERIFY2(std::abs(envelope->seconds() - 6) < 0.05,
                 qPrintable(QString::number(envelope->seconds())));
        QCOMPARE(w.ui.lblTime->text(), QStringLiteral("0:00 / 0:06")); // before any Play
        QCOMPARE(analysing, !lines.isEmpty());
        // The aligner had the samples: every line has a suggested time.
        QCOMPARE(static_cast<int>(session.sheet().hints().size()), int(lines.size()));
        for (const LyricSheet::Hint& hint : session.sheet().hints())
            QVERIFY(hint.ms >= 0 && hint.ms < 6000);
    }

    // A line changed while the song is decoded cancels that decode and starts the next, which
    // brings the waveform: the aligner's samples cost a decode again, the waveform is shown once.
    void aChangeDuringTheDecodeStillBringsTheWaveform() {
        QTemporaryDir dir;
        const QString song = makeSongWithTwoLines(dir, 120);
        QVERIFY(!song.isEmpty());
        decodes = 0;
        TestWindow w;
        SongSession& session = w.session();
        int shown = 0;
        connect(&session, &SongSession::waveformChanged, this, [&] { shown += 1; });
        w.open(song);
        QTRY_VERIFY_WITH_TIMEOUT(decodes.load() == 1, 20000);
        session.sheet().setSelected(1);
        QVERIFY(session.sheet().editLyric(QStringLiteral("over the river")));
        QTRY_VERIFY_WITH_TIMEOUT(!session.waveformPending() && !session.suggestions().running(),
                                 180000);
        QTest::qWait(300);
        QCOMPARE(shown, 1);
        QVERIFY(w.ui.sldSong->envelope());
        QCOMPARE(decodes.load(), 2);
    }

    // An analysis that runs out of memory leaves the window as it was, says so, and the next
    // analysis, with the memory back, runs on the same worker.
    void anAnalysisOutOfMemoryLeavesTheWindowWorking() {
        QTemporaryDir dir;
        const QString song = makeSongWithTwoLines(dir, 6);
        QVERIFY(!song.isEmpty());
        starved = true;
        const auto fed = qScopeGuard([] { starved = false; });
        TestWindow w;
        SongSession& session = w.session();
        w.open(song);
        const QString why = QStringLiteral("No suggested times: there is not enough memory for "
                                           "the analysis. Mark the lines as the song plays.");
        QTRY_COMPARE_WITH_TIMEOUT(w.ui.lblStatus->text(), why, 20000);
        QVERIFY(!session.suggestions().running());
        QVERIFY(session.sheet().hints().empty());
        starved = false;
        session.sheet().setSelected(1);
        QVERIFY(session.sheet().editLyric(QStringLiteral("over the river")));
        QTRY_VERIFY_WITH_TIMEOUT(!session.waveformPending() && !session.suggestions().running(),
                                 180000);
        QCOMPARE(static_cast<int>(session.sheet().hints().size()), 2);
        QVERIFY(w.ui.sldSong->envelope());
    }
};

QTEST_MAIN(OpeningDecodesTest)
#include "tst_OpeningDecodes.moc"
