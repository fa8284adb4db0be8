// The position slider's waveform: decoding a ten-minute song into its envelope against a bare
// libmpg123 decode of the same file, the envelope's memory, and the slider's paint time.

#include "Bench.h"

#include "controls/SongSlider.h"
#include "playback/Waveform.h"
#include "sheet/LyricSheet.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSlider>
#include <QTemporaryDir>

#include <mpg123.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>

namespace {

constexpr int kRate = 44100;
constexpr int kSongSeconds = 600;

// Ten minutes of 44.1 kHz stereo at 128 kbit/s, loud and quiet by turns, as a song is.
QString makeSong(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("ten-minutes.mp3"));
    QProcess lame;
    lame.start(QStringLiteral("lame"),
               {"--quiet", "-r", "-s", "44.1", "--bitwidth", "16", "--signed", "--little-endian",
                "-m", "j", "-b", "128", "-q", "7", "-", path});
    if (!lame.waitForStarted())
        return {};
    QByteArray second(kRate * 4, '\0');
    for (int s = 0; s < kSongSeconds; ++s) {
        const double level = 3000 + 20000 * std::abs(std::sin(s / 7.0));
        for (int i = 0; i < kRate; ++i) {
            const auto left =
                static_cast<qint16>(level * std::sin(2 * M_PI * (220 + s) * i / kRate));
            const auto right = static_cast<qint16>(-left / 2);
            std::memcpy(second.data() + 4 * i, &left, 2);
            std::memcpy(second.data() + 4 * i + 2, &right, 2);
        }
        lame.write(second);
        lame.waitForBytesWritten(-1);
    }
    lame.closeWriteChannel();
    lame.waitForFinished(-1);
    return lame.exitCode() == 0 ? path : QString();
}

// The least a decode can do: libmpg123 reading the file into 16-bit samples.
long long bareDecode(const QString& path) {
    long long bytes = 0;
    mpg123_handle* decoder = mpg123_new(nullptr, nullptr);
    mpg123_param(decoder, MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
    if (mpg123_open(decoder, QFile::encodeName(path).constData()) == MPG123_OK) {
        std::vector<unsigned char> buffer(65536);
        std::size_t done = 0;
        int result = MPG123_OK;
        while (result == MPG123_OK || result == MPG123_NEW_FORMAT) {
            result = mpg123_read(decoder, buffer.data(), buffer.size(), &done);
            bytes += static_cast<long long>(done);
        }
    }
    mpg123_close(decoder);
    mpg123_delete(decoder);
    return bytes;
}

double renderMs(QWidget& widget, QImage& image, const std::function<void()>& change) {
    std::vector<double> runs;
    for (int i = 0; i < 200; ++i)
        runs.push_back(elapsedMs([&] {
            change();
            widget.render(&image);
        }));
    return median(runs);
}

} // namespace

void benchWaveform(BenchTargets& targets) {
    std::printf("\n== The song's waveform in the position slider\n");
    QTemporaryDir dir;
    const QString song = makeSong(dir);
    if (song.isEmpty()) {
        std::printf("  cannot make the test song: is lame installed?\n");
        targets.absolute("waveform of a 10-minute song: no test song", -1, 1000);
        return;
    }
    mpg123_init();
    const std::atomic<bool> cancel = false;
    PeakEnvelope envelope;
    long long pcmBytes = 0;
    const std::vector<double> decode =
        bestOfEachMs(3, {[&] { envelope = DecodePeakEnvelope(song, cancel); },
                         [&] { pcmBytes = bareDecode(song); }});
    std::printf("Waveform of a %d-min song      %8.1f ms   bare libmpg123 decode %8.1f ms: %5.2fx "
                "(target <= 1.2x)\n",
                kSongSeconds / 60, decode[0], decode[1], decode[0] / decode[1]);
    const double kib = static_cast<double>(envelope.bytes()) / 1024;
    std::printf("Its envelope                  %8.1f KiB  (%d peaks) the decoded samples %.1f MiB: "
                "%.2f %%\n",
                kib, envelope.count(), static_cast<double>(pcmBytes) / 1048576,
                100.0 * static_cast<double>(envelope.bytes()) / static_cast<double>(pcmBytes));

    // The slider at the window's size, with a mark every ten seconds.
    LyricSheet sheet;
    std::vector<SheetRow> rows;
    for (int i = 1; i <= kSongSeconds / 10; ++i)
        rows.push_back(
            {QString::number(i), QStringLiteral("line"), QString(), QString::number(i * 10 - 5)});
    sheet.load(rows, QStringLiteral("bench"));
    sheet.setSelected(10);
    SongSlider slider;
    slider.resize(390, 33);
    slider.setMax(envelope.seconds());
    slider.followSheet(&sheet);
    slider.setEnvelope(std::make_shared<const PeakEnvelope>(std::move(envelope)));
    QSlider bare(Qt::Horizontal);
    bare.resize(390, 33);
    bare.setRange(0, kSongSeconds * 10);
    QImage image(390, 33, QImage::Format_ARGB32_Premultiplied);
    int second = 0;
    const double tick = renderMs(slider, image, [&] { slider.setValue(++second % kSongSeconds); });
    const double bareTick = renderMs(bare, image, [&] { bare.setValue(++second % 6000); });
    int width = 390;
    const double resize =
        renderMs(slider, image, [&] { slider.resize(width = width == 390 ? 389 : 390, 33); });
    std::printf("Slider paint, playhead moved   %7.3f ms   plain slider %7.3f ms: %5.1fx\n", tick,
                bareTick, tick / bareTick);
    std::printf("Slider paint after a resize    %7.3f ms   (target < 2 ms)\n", resize);
    std::fflush(stdout);
    targets.ratio("waveform of a 10-minute song, decode and envelope", decode[0],
                  "bare libmpg123 decode", decode[1], 1.2);
    targets.absolute("its envelope's memory", kib, 1024, "KiB");
    targets.absolute("slider paint, playhead moved", tick, 2);
    targets.absolute("slider paint after a resize", resize, 2);
}
