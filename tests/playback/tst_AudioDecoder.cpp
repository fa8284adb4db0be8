#include "align/AlignAudio.h"
#include "playback/Waveform.h"
#include "support/Files.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

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
            QCOMPARE(QProcess::execute("ffmpeg", QStringList{"-v", "error", "-f", "lavfi", "-i",
                                                             "sine=frequency=440:duration=2"} +
                                                     shape + QStringList{part}),
                     0);
            joined += readFile(part);
        }
        const QString song = writeFile(dir.filePath("joined.mp3"), joined);
        const std::atomic<bool> never{false};
        const PeakEnvelope envelope = DecodePeakEnvelope(song, never);
        QCOMPARE(envelope.sampleRate, 22050);
        QVERIFY2(std::abs(envelope.seconds() - 4) < 0.1,
                 qPrintable(QString::number(envelope.seconds())));
        QString problem;
        const AlignAudio audio = DecodeForAlignment(song, never, problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY2(std::abs(audio.seconds() - 4) < 0.1, qPrintable(QString::number(audio.seconds())));
    }
};

QTEST_GUILESS_MAIN(AudioDecoderTest)
#include "tst_AudioDecoder.moc"
