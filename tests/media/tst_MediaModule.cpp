#include "align/AlignAudio.h"
#include "align/LyricAligner.h"
#include "core/MissingMedia.h"
#include "media/LinkedMedia.h"
#include "support/Files.h"

#include <QDir>
#include <QPluginLoader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

const std::atomic<bool> never{false};

// The linked services, but for a voice detector that could not be loaded.
class NoVoiceDetectorMedia final : public MediaServices {
public:
    std::unique_ptr<PlayerEngine> player(const QByteArray& output, double speed) const override {
        return m_linked.player(output, speed);
    }
    std::unique_ptr<AudioDecoder> audioDecoder() const override { return m_linked.audioDecoder(); }
    std::unique_ptr<SpeechRecogniser> speechRecogniser() const override {
        return m_linked.speechRecogniser();
    }
    std::unique_ptr<Phonemizer> phonemizer() const override { return m_linked.phonemizer(); }
    std::unique_ptr<VoiceDetector> voiceDetector() const override {
        return MissingMedia::missingVoiceDetector("libaubio.so.5 is not installed");
    }

private:
    LinkedMedia m_linked;
};

// A voice saying the lines, as espeak-ng says them, decoded as the aligner hears it.
AlignAudio spoken(const QTemporaryDir& dir, const QStringList& lines) {
    const QString wav = dir.filePath("spoken.wav");
    if (QProcess::execute("espeak-ng", {"-v", "en-us", "-w", wav, lines.join(". ")}) != 0)
        return {};
    QString problem;
    return DecodeForAlignment(wav, never, problem);
}

} // namespace

// The media module as the program loads it, the program without it, and each service that is
// missing saying why.
class MediaModuleTest : public QObject {
    Q_OBJECT
private slots:
    // The built module loads through the versioned interface and its services work.
    void theBuiltModuleLoadsAndDecodes() {
        QPluginLoader loader(VELMORA_MEDIA_MODULE);
        QCOMPARE(loader.metaData().value("IID").toString(), QString("org.velmora.MediaServices/2"));
        auto* media = qobject_cast<MediaServices*>(loader.instance());
        QVERIFY2(media, qPrintable(loader.errorString()));

        const auto decoder = media->audioDecoder();
        QCOMPARE(decoder->open(QString(VELMORA_TEST_DATA) + "/tone-3s.mp3"), QString());
        decoder->convertTo(8000, true, AudioDecoder::Resampling::BandLimited);
        std::size_t samples = 0;
        QCOMPARE(decoder->decode(never,
                                 [&samples](const std::int16_t*, std::size_t count) {
                                     samples += count;
                                     return true;
                                 },
                                 {}),
                 AudioDecoder::Ended::AtEnd);
        QVERIFY2(samples > 8000 * 29 / 10 && samples < 8000 * 31 / 10,
                 qPrintable(QString::number(samples)));

        const auto player = media->player("null", 1.0);
        QCOMPARE(player->problem(), QString());
        player->load(QString(VELMORA_TEST_DATA) + "/tone-3s.mp3");
        double duration = 0;
        QTRY_VERIFY(player->number("duration", duration) && std::abs(duration - 3) < 0.1);

        QVERIFY(!media->phonemizer()->ipa("hello").trimmed().isEmpty());
        QTemporaryDir dir;
        const AlignAudio voice = spoken(dir, {"hello world"});
        QVERIFY(!voice.samples.empty());
        VoiceFrames frames;
        QVERIFY(media->voiceDetector()->detect(voice.samples.data(), voice.samples.size(), never,
                                               frames));
        QCOMPARE(frames.voiced.size(), voice.samples.size() / kFrameSamples);
        QVERIFY(std::count(frames.voiced.begin(), frames.voiced.end(), true) > 0);
    }

    // The media libraries come with the module alone: linked into the program, they would load
    // before its first paint.
    void onlyTheModuleLinksTheMediaLibraries() {
        const auto needed = [](const QString& file) {
            QProcess readelf;
            readelf.start("readelf", {"-d", file});
            readelf.waitForFinished();
            return QString::fromUtf8(readelf.readAllStandardOutput());
        };
        const QString module = needed(VELMORA_MEDIA_MODULE);
        const QString program = needed(VELMORA_PROGRAM);
        QVERIFY2(program.contains("[libtag.so"), qPrintable(program));
        for (const char* library :
             {"libmpv.so", "libavformat.so", "libavcodec.so", "libswresample.so",
              "libpocketsphinx.so", "libsphinxbase.so", "libespeak-ng.so", "libaubio.so"}) {
            QVERIFY2(module.contains(QString("[") + library), library);
            QVERIFY2(!program.contains(QString("[") + library), library);
        }
    }

    // Hidden from the program, the module is named once on stderr and the window goes on.
    void theProgramWithoutItsModuleSaysSoOnce() {
        QTemporaryDir empty;
        QTemporaryDir songs;
        const QString song = songs.filePath("Test Song.mp3");
        QVERIFY(QFile::copy(QString(VELMORA_TEST_DATA) + "/tone-3s.mp3", song));
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VELMORA_MEDIA_MODULE_DIR", empty.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("VELMORA_AUDIO_OUTPUT", "null");
        env.insert("HOME", songs.path());
        program.setProcessEnvironment(env);
        program.start(VELMORA_PROGRAM, {song});
        QVERIFY(program.waitForStarted());
        // The module is asked for after the first paint, or a second after start-up.
        const QString why =
            QString("the media module velmora-media.so is not in %1").arg(empty.path());
        QString errors;
        QTRY_VERIFY_WITH_TIMEOUT(
            (errors += QString::fromUtf8(program.readAllStandardError())).contains(why), 15000);
        QTest::qWait(1500); // the waveform, the analysis and the player all asked by now
        errors += QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(program.state(), QProcess::Running);
        program.kill();
        program.waitForFinished();
        QCOMPARE(errors.count(why), 1);
    }

    // Each service that is not there says which one and why, never an empty answer.
    void eachMissingServiceSaysWhy() {
        const MissingMedia missing("the media module is gone");
        QCOMPARE(missing.player("null", 1)->problem(),
                 QString("the audio player could not be loaded: the media module is gone"));
        QCOMPARE(missing.audioDecoder()->open(QString(VELMORA_TEST_DATA) + "/tone-3s.mp3"),
                 QString("the audio decoder could not be loaded: the media module is gone"));
        QCOMPARE(missing.speechRecogniser()->problem(),
                 QString("the speech recogniser could not be loaded: the media module is gone"));
        QVERIFY(!missing.speechRecogniser()->ready());
        QCOMPARE(missing.phonemizer()->problem(),
                 QString("the word pronouncer could not be loaded: the media module is gone"));
        QCOMPARE(missing.voiceDetector()->problem(),
                 QString("the voice detector could not be loaded: the media module is gone"));
        VoiceFrames frames;
        QVERIFY(!missing.voiceDetector()->detect(nullptr, 0, never, frames));
    }

    // A voice, with the voice detector missing, is not reported as a song without a voice.
    void aMissingVoiceDetectorIsNotASilence() {
        const QStringList lines{"hello world", "the night is young", "we sing along"};
        QTemporaryDir dir;
        const AlignAudio voice = spoken(dir, lines);
        QVERIFY(!voice.samples.empty());
        LyricAligner hearing;
        QVERIFY(hearing.setSong(voice, lines, never));
        QVERIFY2(hearing.voice().voicedShare(0, hearing.songMs()) > 0.2, "the voice is heard");
        QVERIFY2(!hearing.fallback().contains("voice"), qPrintable(hearing.fallback()));

        const NoVoiceDetectorMedia deaf;
        LyricAligner aligner(deaf);
        QVERIFY(aligner.setSong(voice, lines, never));
        QVERIFY2(aligner.fallback().startsWith("The voice detector could not be loaded: "
                                               "libaubio.so.5 is not installed: suggestions are "
                                               "rough"),
                 qPrintable(aligner.fallback()));
    }
};

QTEST_GUILESS_MAIN(MediaModuleTest)
#include "tst_MediaModule.moc"
