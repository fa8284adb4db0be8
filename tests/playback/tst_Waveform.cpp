#include "controls/SongSlider.h"
#include "playback/Waveform.h"
#include "support/Files.h"
#include "support/ManyFields.h"
#include "support/TestWindow.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <cmath>
#include <functional>

// The song's outline decoded from real songs of every format that lame and ffmpeg make from
// generated samples, and the slider's marks following the sheet on the shown window.
namespace {

constexpr int kRate = 22050;
using Signal = std::function<double(double)>; // seconds -> sample, -1 to 1

// Encodes seconds of the signal as a mono song, an MP3 by lame or another format by ffmpeg
// (by the name's extension, with codec); answers its path.
QString makeSong(const QTemporaryDir& dir, const QString& name, double seconds,
                 const Signal& signal, const QString& codec = {}) {
    QByteArray pcm;
    for (int i = 0; i < int(seconds * kRate); ++i) {
        const auto s =
            qint16(std::lround(std::clamp(signal(double(i) / kRate), -1.0, 1.0) * 32767));
        pcm.append(char(s & 0xFF)).append(char((s >> 8) & 0xFF));
    }
    const QString song = dir.filePath(name);
    QProcess encoder;
    if (name.endsWith(".mp3"))
        encoder.start(QStringLiteral("lame"),
                      {"--quiet", "-r", "-s", "22.05", "--bitwidth", "16", "--signed",
                       "--little-endian", "-m", "m", "-b", "64", "--noreplaygain", "-", song});
    else
        encoder.start(QStringLiteral("ffmpeg"), {"-v", "error", "-f", "s16le", "-ar", "22050",
                                                 "-ac", "1", "-i", "-", "-c:a", codec, song});
    encoder.waitForStarted();
    encoder.write(pcm);
    encoder.closeWriteChannel();
    encoder.waitForFinished(60000);
    return encoder.exitCode() == 0 ? song : QString();
}

double tone(double t, double amplitude) {
    return amplitude * std::sin(2 * M_PI * 440 * t);
}

// "from-to:low..high" for each tenth of a second where the samples hold still, so the
// encoder's smearing of an onset is not taken for the decoder's fault.
QStringList expectedPeaks(const Signal& signal, double seconds) {
    QStringList spans;
    for (int tenth = 0; tenth < int(seconds * 10) - 1; ++tenth) {
        double low = 1;
        double high = -1;
        for (int i = tenth * kRate / 10; i < (tenth + 1) * kRate / 10; ++i) {
            low = std::min(low, signal(double(i) / kRate));
            high = std::max(high, signal(double(i) / kRate));
        }
        spans << QStringLiteral("%1:%2..%3").arg(tenth).arg(low, 0, 'f', 1).arg(high, 0, 'f', 1);
    }
    return spans;
}

QStringList decodedPeaks(const PeakEnvelope& envelope, double seconds) {
    QStringList spans;
    for (int tenth = 0; tenth < int(seconds * 10) - 1; ++tenth) {
        // The inner part of the tenth: an onset smears over a few milliseconds.
        const auto [low, high] = envelope.range(tenth / 10.0 + 0.02, tenth / 10.0 + 0.08);
        spans << QStringLiteral("%1:%2..%3").arg(tenth).arg(low, 0, 'f', 1).arg(high, 0, 'f', 1);
    }
    return spans;
}

struct MarkCase {
    const char* name;
    QStringList sheet;
    std::function<void(TestWindow&)> act;
    QString ticks;
};

void markAt(TestWindow& w, int ms) {
    w.player->positionMs = ms;
    QTest::keyClick(w.ui.cmdMark, Qt::Key_Space);
}

// The sheet's own changes (shifts, removals, Clear All) move the ticks in the slider's test;
// these are the marks made through the window.
const std::vector<MarkCase>& markCases() {
    static const std::vector<MarkCase> all = {
        {"mark while playing",
         {"one", "", "three"},
         [](TestWindow& w) {
             QTest::mouseClick(w.ui.cmdPlay, Qt::LeftButton);
             markAt(w, 12000);
             markAt(w, 14000);
         },
         "1@12 3@14"},
        {"an exact mark, moved by a shift",
         {"one", "two"},
         [](TestWindow& w) {
             QTest::mouseClick(w.ui.cmdPlay, Qt::LeftButton);
             markAt(w, 12340);
             markAt(w, 14560);
             QTest::mouseClick(w.ui.cmdPlay, Qt::LeftButton); // pause
             w.select(2);
             QTest::mouseClick(w.ui.cmdAdjustSingle, Qt::LeftButton);
         },
         "1@12.34 2@15.56"},
        {"undo a mark",
         {"one", "two"},
         [](TestWindow& w) {
             QTest::mouseClick(w.ui.cmdPlay, Qt::LeftButton);
             markAt(w, 12000);
             markAt(w, 14000);
             QTest::keyClick(w.ui.cmdMark, Qt::Key_Z, Qt::ControlModifier);
         },
         "1@12"},
        {"a time that is no number", {"one|5", "two|abc"}, [](TestWindow&) {}, "1@5"},
    };
    return all;
}

} // namespace

class WaveformTest : public QObject {
    Q_OBJECT
private slots:
    void peaksAreWhereTheSamplesAre_data() {
        QTest::addColumn<Signal>("signal");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("codec");
        const std::pair<const char*, Signal> shapes[] = {
            {"silence", [](double) { return 0.0; }},
            {"a tone burst from 1.0 to 1.5 s",
             [](double t) { return t >= 1.0 && t < 1.5 ? tone(t, 0.5) : 0.0; }},
            {"a clipped square wave",
             [](double t) { return std::sin(2 * M_PI * 50 * t) >= 0 ? 1.0 : -1.0; }}};
        const double seconds[] = {2.0, 3.0, 1.0};
        const std::pair<const char*, const char*> formats[] = {
            {"song.mp3", ""},         {"song.flac", "flac"}, {"song.ogg", "libvorbis"},
            {"song.opus", "libopus"}, {"song.m4a", "aac"},   {"song.m4a", "alac"},
            {"song.wav", "pcm_s16le"}};
        for (int i = 0; i < 3; ++i)
            for (const auto& [name, codec] : formats)
                QTest::addRow("%s, %s %s", shapes[i].first, name, codec)
                    << shapes[i].second << seconds[i] << QString(name) << QString(codec);
    }
    void peaksAreWhereTheSamplesAre() {
        QFETCH(Signal, signal);
        QFETCH(double, seconds);
        QFETCH(QString, name);
        QFETCH(QString, codec);
        QTemporaryDir dir;
        const QString song = makeSong(dir, name, seconds, signal, codec);
        QVERIFY(!song.isEmpty());
        const std::atomic<bool> cancel = false;
        const PeakEnvelope envelope = DecodePeakEnvelope(song, cancel);
        QCOMPARE(decodedPeaks(envelope, seconds), expectedPeaks(signal, seconds));
        // The decoder drops the encoder's padding, so times on the slider are the song's.
        // AAC's last frame (1024 samples) may be kept whole.
        QVERIFY2(std::abs(envelope.seconds() - seconds) < (codec == "aac" ? 0.05 : 0.03),
                 qPrintable(QString::number(envelope.seconds())));
    }

    void damagedSongsHaveNoOutline_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<double>("seconds"); // 0: no outline
        const QByteArray tone = readFile(QStringLiteral(VELMORA_TEST_DATA "/tone-3s.mp3"));
        QByteArray noise(200000, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((quint32(i) * 7919U + quint32(i >> 5) * 104729U) & 0xFF);
        const QByteArray tag("ID3\x03\0\0\0\x06\0\0", 10); // 98 304 bytes of padding
        QTest::newRow("zero bytes") << QByteArray() << 0.0;
        QTest::newRow("noise") << noise << 0.0;
        QTest::newRow("a tag claiming 256 MB")
            << QByteArray("ID3\x04\0\0\x7F\x7F\x7F\x7F", 10) + noise << 0.0;
        QTest::newRow("cut in the middle") << tone.left(tone.size() / 2) << 1.5;
        QTest::newRow("behind a large tag") << tag + QByteArray(98304, '\0') + tone << 3.0;
    }
    void damagedSongsHaveNoOutline() {
        QFETCH(QByteArray, bytes);
        QFETCH(double, seconds);
        QTemporaryDir dir;
        const std::atomic<bool> cancel = false;
        const PeakEnvelope envelope =
            DecodePeakEnvelope(writeFile(dir.filePath(QStringLiteral("x.mp3")), bytes), cancel);
        QCOMPARE(envelope.empty(), seconds == 0);
        QVERIFY2(std::abs(envelope.seconds() - seconds) < 0.1,
                 qPrintable(QString::number(envelope.seconds())));
    }

    // The window opens each song, and only the last one's outline ever reaches the slider.
    void theSongOpenedLastWins() {
        QTemporaryDir dir;
        const QString first =
            makeSong(dir, QStringLiteral("long.mp3"), 30, [](double t) { return tone(t, 0.5); });
        const QString second =
            makeSong(dir, QStringLiteral("short.mp3"), 2, [](double t) { return tone(t, 0.25); });
        TestWindow w;
        QVERIFY(w.shown());
        w.openAnswers << first << second;
        QTest::mouseClick(w.ui.cmdOpen, Qt::LeftButton);
        QTest::qWait(5); // the first song's decode under way
        QTest::mouseClick(w.ui.cmdOpen, Qt::LeftButton);
        // Opening did not wait for the decode.
        QVERIFY(!w.ui.sldSong->envelope());
        const QString status = w.ui.lblStatus->text();
        // Every outline the slider is given from now on.
        QList<double> shown;
        const SongSession& session = w.session();
        connect(&session, &SongSession::waveformChanged, this, [&] {
            if (const auto envelope = w.ui.sldSong->envelope())
                shown << envelope->seconds();
        });
        QTRY_VERIFY_WITH_TIMEOUT(!session.waveformPending(), 20000);
        QTest::qWait(200); // room for a late outline of the first song
        QCOMPARE(shown.size(), 1);
        QVERIFY2(std::abs(shown.last() - 2) < 0.05, qPrintable(QString::number(shown.last())));
        QCOMPARE(w.ui.lblStatus->text(), status);

        // A damaged song opened now shows no waveform and says nothing more than before.
        const QString noise =
            writeFile(dir.filePath(QStringLiteral("noise.mp3")), QByteArray(50000, '\x55'));
        w.openAnswers << noise;
        QTest::mouseClick(w.ui.cmdOpen, Qt::LeftButton);
        const QString noiseStatus = w.ui.lblStatus->text();
        QTRY_VERIFY_WITH_TIMEOUT(!session.waveformPending(), 20000);
        QVERIFY(!w.ui.sldSong->envelope());
        QCOMPARE(w.ui.lblStatus->text(), noiseStatus);
    }

    // A window closed while its song is outlined is gone at once, whatever the song holds:
    // here 100 000 comment fields, which kept FFmpeg busy for a minute, and with it the
    // window's end.
    void closingTheWindowWaitsForNoDecode() {
        QTemporaryDir dir;
        const QString plain = makeSong(
            dir, "plain.flac", 3, [](double t) { return tone(t, 0.5); }, "flac");
        const QString song = dir.filePath("Song.flac");
        QVERIFY(withManyFields(plain, song, 100000));
        writeFile(dir.filePath("Song..xml"),
                  "<S><LYRICS><LINE><LineNumber>1</LineNumber><TimeMarker></TimeMarker>"
                  "<LyricLine>over the water</LyricLine></LINE></LYRICS></S>");
        auto w = std::make_unique<TestWindow>(song);
        (*w)->Form_Load();
        QTest::qWait(300); // the outline and the analysis are under way
        QElapsedTimer closing;
        closing.start();
        w.reset();
        // Loose: loading the speech model cannot be cut short, and on a busy machine it takes
        // seconds; the fault this guards against held the window for a minute.
        QVERIFY2(closing.elapsed() < 8000, qPrintable(QString::number(closing.elapsed())));
    }

    // A song replaced at its path, written over or renamed into place, is outlined again when
    // it is opened again.
    void aSongReplacedAtItsPathIsOutlinedAgain() {
        QTemporaryDir dir;
        const QString song =
            makeSong(dir, QStringLiteral("song.mp3"), 2, [](double t) { return tone(t, 0.5); });
        const QString longer =
            makeSong(dir, QStringLiteral("long.mp3"), 4, [](double t) { return tone(t, 0.5); });
        QVERIFY(!song.isEmpty() && !longer.isEmpty());
        const QByteArray shortBytes = readFile(song);
        TestWindow w;
        const auto outline = [&] {
            w.open(song);
            const SongSession& session = w.session();
            return QTest::qWaitFor([&] { return !session.waveformPending(); }, 20000) &&
                           w.ui.sldSong->envelope()
                       ? std::lround(w.ui.sldSong->envelope()->seconds())
                       : -1L;
        };
        QCOMPARE(outline(), 2L);
        QVERIFY(writeFile(song, readFile(longer)) == song);
        QCOMPARE(outline(), 4L);
        const QString renamed = writeFile(dir.filePath(QStringLiteral("new.mp3")), shortBytes);
        QVERIFY(QFile::remove(song) && QFile::rename(renamed, song));
        QCOMPARE(outline(), 2L);
    }

    void marksFollowTheSheet_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < markCases().size(); ++i)
            QTest::newRow(markCases()[i].name) << int(i);
    }
    void marksFollowTheSheet() {
        QFETCH(int, index);
        const MarkCase& c = markCases()[std::size_t(index)];
        TestWindow w;
        w.createDatabase();
        QVERIFY(w.shownActive());
        w.setSheet(c.sheet);
        w.select(1);
        c.act(w);
        QCOMPARE(ticksOf(*w.ui.sldSong), c.ticks);
    }
};

QTEST_MAIN(WaveformTest)
#include "tst_Waveform.moc"
