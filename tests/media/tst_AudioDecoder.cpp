#include "align/AlignAudio.h"
#include "media/FfmpegDecoder.h"
#include "playback/Waveform.h"
#include "support/Files.h"
#include "support/ManyFields.h"
#include "support/Rows.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <thread>

namespace {

struct Decoded {
    QString problem;
    QByteArray digest; // of every sample handed over
    qint64 ms = 0;     // from the open to the last sample
};

Decoded decode(const QString& song) {
    QElapsedTimer clock;
    clock.start();
    FfmpegDecoder decoder;
    Decoded decoded;
    decoded.problem = decoder.open(song);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const std::atomic<bool> never{false};
    decoder.decode(never,
                   [&hash](const std::int16_t* samples, std::size_t count) {
                       hash.addData(
                           QByteArrayView(reinterpret_cast<const char*>(samples),
                                          static_cast<qsizetype>(count * sizeof(std::int16_t))));
                       return true;
                   },
                   {});
    decoded.digest = hash.result();
    decoded.ms = clock.elapsed();
    return decoded;
}

// Makes song from an ffmpeg source (a sine, an expression), with ffmpeg's options before it.
bool made(const QString& song, const QString& source, const QStringList& options = {}) {
    return QProcess::execute("ffmpeg", QStringList{"-v", "error", "-f", "lavfi", "-i", source} +
                                           options + QStringList{song}) == 0;
}

} // namespace

// The decoder the waveform and the aligner share, on songs ffmpeg makes in the run.
class AudioDecoderTest : public QObject {
    Q_OBJECT
private slots:
    // Two MP3 streams one after the other, the second at another rate and with two channels,
    // as a careless join leaves them: both consumers get the whole song, at the first's shape.
    void aStreamThatChangesShapeMidwayIsDecodedWhole() {
        QTemporaryDir dir;
        QByteArray joined;
        for (const QStringList& shape :
             {QStringList{"-ar", "22050", "-ac", "1"}, QStringList{"-ar", "48000", "-ac", "2"}}) {
            const QString part = dir.filePath(QString("part%1.mp3").arg(joined.size()));
            QVERIFY(made(part, "sine=frequency=440:duration=2", shape));
            joined += readFile(part);
        }
        const QString song = writeFile(dir.filePath("joined.mp3"), joined);
        FfmpegDecoder decoder;
        QCOMPARE(decoder.open(song), QString());
        QCOMPARE(decoder.rate(), 22050);
        QCOMPARE(decoder.channels(), 1);
        std::size_t values = 0;
        const std::atomic<bool> never{false};
        QCOMPARE(decoder.decode(never,
                                [&](const std::int16_t*, std::size_t count) {
                                    values += count;
                                    return true;
                                },
                                {}),
                 AudioDecoder::Ended::AtEnd);
        QVERIFY2(std::abs(double(values) / 22050 - 4) < 0.1, qPrintable(QString::number(values)));
        const PeakEnvelope envelope = DecodePeakEnvelope(song, never);
        QCOMPARE(envelope.sampleRate, 22050); // the rate it began with, to its end
        QVERIFY2(std::abs(envelope.seconds() - 4) < 0.1,
                 qPrintable(QString::number(envelope.seconds())));
        QString problem;
        const AlignAudio audio = DecodeForAlignment(song, never, problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY2(std::abs(audio.seconds() - 4) < 0.1, qPrintable(QString::number(audio.seconds())));
        QVERIFY(audio.side.empty());
    }

    // The channels are mixed into the outline, and before the fall to the aligner's rate,
    // each at half its level: a tone in opposite phase on the two sides cancels. The aligner
    // also gets what differs between them, at the same level. Alike in the formats the
    // decoders give: 16-bit, float planar and packed, and 32-bit, which FFmpeg mixes.
    void theChannelsAreMixedIntoOne_data() {
        QTest::addColumn<QString>("right");
        QTest::addColumn<int>("loudest"); // in 1/128ths of full scale
        QTest::addColumn<int>("aside");
        textColumns({"codec", "extension"});
        const std::pair<const char*, const char*> formats[] = {{"FLAC", "flac|flac"},
                                                               {"Vorbis", "libvorbis|ogg"},
                                                               {"float WAV", "pcm_f32le|wav"},
                                                               {"32-bit WAV", "pcm_s32le|wav"}};
        for (const auto& [name, format] : formats) {
            const auto row = [&](const char* phase, const char* right, int loudest, int aside) {
                textRow(qPrintable(QString("%1, %2").arg(name, phase)), format, QString(right),
                        loudest, aside);
            };
            row("opposite phase", "-0.8*sin(2*PI*440*t)", 0, 102);
            row("one side", "0", 51, 51);
            row("same phase", "0.8*sin(2*PI*440*t)", 102, 0);
        }
    }
    void theChannelsAreMixedIntoOne() {
        QFETCH(QString, right);
        QFETCH(int, loudest);
        QFETCH(int, aside);
        QFETCH(QString, codec);
        QFETCH(QString, extension);
        QTemporaryDir dir;
        const QString song = dir.filePath("song." + extension);
        QVERIFY(
            made(song, "aevalsrc=0.8*sin(2*PI*440*t)|" + right + ":s=44100:d=2", {"-c:a", codec}));
        const PeakEnvelope envelope = DecodePeakEnvelope(song, std::atomic<bool>{false});
        QVERIFY(!envelope.empty());
        const int heard = *std::max_element(envelope.maxs.begin(), envelope.maxs.end());
        // Vorbis rings a little over the tone.
        QVERIFY2(std::abs(heard - loudest) <= 4, qPrintable(QString::number(heard)));
        QString problem;
        const AlignAudio audio = DecodeForAlignment(song, std::atomic<bool>{false}, problem);
        QCOMPARE(audio.side.size(), audio.samples.size());
        const int sides = *std::max_element(audio.side.begin(), audio.side.end()) / 256;
        QVERIFY2(std::abs(sides - aside) <= 3, qPrintable(QString::number(sides)));
    }

    // The one decode of an opened song gives the aligner its samples and the slider the same
    // outline the outline's own decode gives; past the aligner's longest song, the outline
    // goes on to the song's end.
    void oneDecodeServesTheOutlineAndTheAligner_data() {
        QTest::addColumn<int>("seconds");
        textColumns({"codec", "extension"});
        textRow("an MP3 of a few seconds", "libmp3lame|mp3", 5);
        textRow("a FLAC longer than the aligner takes", "flac|flac", kLongestAlignedSeconds + 60);
    }
    void oneDecodeServesTheOutlineAndTheAligner() {
        QFETCH(int, seconds);
        QFETCH(QString, codec);
        QFETCH(QString, extension);
        QTemporaryDir dir;
        const QString song = dir.filePath("song." + extension);
        // Louder by turns, so the outline has something to tell.
        QVERIFY(made(song,
                     QString("aevalsrc=0.8*sin(2*PI*220*t)*abs(sin(t)):s=8000:d=%1").arg(seconds),
                     {"-c:a", codec}));
        const std::atomic<bool> never{false};
        QString problem;
        PeakEnvelope outline;
        int outlines = 0;
        const AlignAudio audio = DecodeForAlignment(song, never, problem, [&](PeakEnvelope e) {
            outline = std::move(e);
            ++outlines;
        });
        QCOMPARE(outlines, 1);
        QCOMPARE(problem, QString());
        const int aligned = std::min(seconds, kLongestAlignedSeconds);
        QCOMPARE(audio.cut, seconds > kLongestAlignedSeconds);
        QVERIFY2(std::abs(audio.seconds() - aligned) < 0.1,
                 qPrintable(QString::number(audio.seconds())));
        QVERIFY2(std::abs(outline.seconds() - seconds) < 0.1,
                 qPrintable(QString::number(outline.seconds())));
        const PeakEnvelope alone = DecodePeakEnvelope(song, never);
        QCOMPARE(outline.sampleRate, alone.sampleRate);
        QCOMPARE(outline.maxs, alone.maxs);
        QCOMPARE(outline.mins, alone.mins);
        QVERIFY(*std::max_element(outline.maxs.begin(), outline.maxs.end()) > 64);
    }

    // A sink that throws (out of memory) leaves the decode with its reading thread stopped and
    // waited for; the tap still sees the song to its end, once.
    void aThrowingSinkEndsTheDecodeCleanly() {
        FfmpegDecoder decoder;
        QCOMPARE(decoder.open(QString(VELMORA_TEST_DATA) + "/tone-3s.mp3"), QString());
        const int rate = decoder.rate();
        decoder.convertTo(16000, true, AudioDecoder::Resampling::BandLimited);
        std::size_t tapped = 0;
        int ends = 0;
        bool thrown = false;
        try {
            decoder.decode(
                std::atomic<bool>{false},
                [](const std::int16_t*, std::size_t) -> bool { throw std::bad_alloc(); },
                [&](const std::int16_t*, std::size_t frames) {
                    tapped += frames;
                    ends += frames == 0;
                    return true;
                });
        } catch (const std::bad_alloc&) {
            thrown = true;
        }
        QVERIFY(thrown);
        QCOMPARE(ends, 1);
        QVERIFY2(std::abs(double(tapped) / rate - 3) < 0.1, qPrintable(QString::number(tapped)));
    }

    // A cancel reaches inside the one decode: it ends at once, with neither samples nor outline.
    void aCancelledDecodeGivesNothing() {
        QTemporaryDir dir;
        const QString song = dir.filePath("song.flac");
        QVERIFY(made(song, "sine=frequency=440:duration=600:sample_rate=44100", {"-c:a", "flac"}));
        std::atomic<bool> cancel{false};
        QString problem;
        bool outlined = false;
        AlignAudio audio;
        std::thread decoding([&] {
            audio = DecodeForAlignment(song, cancel, problem,
                                       [&](const PeakEnvelope&) { outlined = true; });
        });
        QTest::qWait(100);
        QElapsedTimer cancelled;
        cancelled.start();
        cancel = true;
        decoding.join();
        QVERIFY2(cancelled.elapsed() < 500, qPrintable(QString::number(cancelled.elapsed())));
        QVERIFY(audio.samples.empty());
        QVERIFY(!outlined);
        QCOMPARE(problem, QString());
    }

    // A song whose audio ends in hundreds of megabytes of zeros, as a damaged or padded file
    // does: the decoder hands over the audio before them and ends, without gathering the zeros
    // (FFmpeg's MP3 parser held all of them as one packet, and a copy: twice the file).
    void aLongRunWithoutAudioIsNotGathered() {
        QTemporaryDir dir;
        const QString song = dir.filePath("song.mp3");
        QVERIFY(made(song, "sine=frequency=440:duration=5"));
        constexpr qint64 kSize = qint64{256} << 20; // zeros, which take no disk
        QVERIFY(QFile::resize(song, kSize));
        rusage before{};
        QCOMPARE(::getrusage(RUSAGE_SELF, &before), 0);
        FfmpegDecoder decoder;
        QCOMPARE(decoder.open(song), QString());
        std::size_t samples = 0;
        const std::atomic<bool> never{false};
        QCOMPARE(decoder.decode(never,
                                [&samples](const std::int16_t*, std::size_t count) {
                                    samples += count;
                                    return true;
                                },
                                {}),
                 AudioDecoder::Ended::AtEnd);
        QVERIFY(samples >= std::size_t{5 * 44100});
#ifndef __SANITIZE_ADDRESS__ // its shadow memory and quarantine are no measure of ours
        rusage after{};
        QCOMPARE(::getrusage(RUSAGE_SELF, &after), 0);
        const long grownMb = (after.ru_maxrss - before.ru_maxrss) / 1024;
        QVERIFY2(grownMb < 100, qPrintable(QString::number(grownMb)));
#endif
    }

    // A song of eight 24-bit channels in FLAC's largest frames, two megabytes each, decoded on
    // two threads: the frames waiting between them are bounded by their size, so memory stays
    // near what the samples need.
    void largeFramesWaitAFewAtATime() {
        QTemporaryDir dir;
        const QString song = dir.filePath("song.flac");
        QVERIFY(
            made(song, "sine=frequency=440:duration=300:sample_rate=48000",
                 {"-af", "pan=7.1|c0=c0|c1=c0|c2=c0|c3=c0|c4=c0|c5=c0|c6=c0|c7=c0", "-sample_fmt",
                  "s32", "-c:a", "flac", "-frame_size", "65535", "-compression_level", "0"}));
        rusage before{};
        QCOMPARE(::getrusage(RUSAGE_SELF, &before), 0);
        QString problem;
        int outlines = 0;
        const AlignAudio audio = DecodeForAlignment(song, std::atomic<bool>{false}, problem,
                                                    [&](const PeakEnvelope&) { ++outlines; });
        QCOMPARE(outlines, 1);
        QVERIFY2(std::abs(audio.seconds() - 300) < 0.1,
                 qPrintable(QString::number(audio.seconds())));
#ifndef __SANITIZE_ADDRESS__
        rusage after{};
        QCOMPARE(::getrusage(RUSAGE_SELF, &after), 0);
        const long grownMb = (after.ru_maxrss - before.ru_maxrss) / 1024;
        QVERIFY2(grownMb < 64, qPrintable(QString::number(grownMb)));
#endif
    }

    // A song with 100 000 tag fields and a picture: FFmpeg parses such fields in time that
    // grows with the square of their number (minutes for these). The decoder reads past them
    // at once, and hands over the samples of the same song without them.
    void manyTagFieldsAreNoHang_data() {
        textColumns({"codec", "extension"});
        textRow("FLAC", "flac|flac");
        textRow("Ogg Vorbis", "libvorbis|ogg");
        textRow("Opus", "libopus|opus");
        textRow("MP3", "libmp3lame|mp3");
        textRow("M4A", "aac|m4a");
        textRow("WAV", "pcm_s16le|wav");
    }
    void manyTagFieldsAreNoHang() {
        QFETCH(QString, codec);
        QFETCH(QString, extension);
        if (!QFile::exists("/usr/bin/python3"))
            QSKIP("mutagen writes the fields");
        QTemporaryDir dir;
        const QString plain = dir.filePath("plain." + extension);
        const QString crowded = dir.filePath("crowded." + extension);
        QVERIFY(made(plain, "sine=frequency=440:duration=2", {"-c:a", codec}));
        QVERIFY(withManyFields(plain, crowded, 100000));
        const Decoded clean = decode(plain);
        const Decoded hostile = decode(crowded);
        QCOMPARE(hostile.problem, QString());
        QVERIFY2(hostile.ms < 10000, qPrintable(QString::number(hostile.ms)));
        QCOMPARE(hostile.digest, clean.digest);
    }
};

QTEST_GUILESS_MAIN(AudioDecoderTest)
#include "tst_AudioDecoder.moc"
