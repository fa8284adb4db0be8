// The position slider's waveform: decoding a ten-minute MP3, FLAC and Opus song into its
// envelope against a bare FFmpeg decode of the same file, both as a song with lyrics is decoded
// (one decode gives the aligner its samples and the slider its envelope; the time until the
// envelope is there) and as one without (the envelope alone), the envelope's memory, and the
// slider's paint time. Then opening a FLAC song with lyrics in its tag against an MP3 one.

#include "Bench.h"

#include "align/AlignAudio.h"
#include "controls/SongSlider.h"
#include "playback/Waveform.h"
#include "session/SongSession.h"
#include "sheet/LyricSheet.h"
#include "sources/TagLibComponent.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSlider>
#include <QTemporaryDir>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>

namespace {

constexpr int kRate = 44100;
constexpr int kSongSeconds = 600;

bool run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// Ten minutes of 44.1 kHz stereo, loud and quiet by turns, as a song is: raw samples that
// ffmpeg encodes into each format.
QString makeSamples(const QTemporaryDir& dir) {
    QFile raw(dir.filePath(QStringLiteral("ten-minutes.raw")));
    if (!raw.open(QIODevice::WriteOnly))
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
        raw.write(second);
    }
    return raw.fileName();
}

QString encode(const QString& raw, const QString& path, const QStringList& codec) {
    return run(QStringLiteral("ffmpeg"), QStringList{"-v", "error", "-y", "-f", "s16le", "-ar",
                                                     "44100", "-ac", "2", "-i", raw} +
                                             codec + QStringList{path})
               ? path
               : QString();
}

// The least a decode can do: FFmpeg reading the file and decoding every packet, in the
// decoder's own sample format.
long long bareDecode(const QString& path) {
    long long samples = 0;
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return 0;
    avformat_find_stream_info(format, nullptr);
    const AVCodec* codec = nullptr;
    const int stream = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    AVCodecContext* context = avcodec_alloc_context3(codec);
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    if (stream >= 0 &&
        avcodec_parameters_to_context(context, format->streams[stream]->codecpar) >= 0 &&
        avcodec_open2(context, codec, nullptr) >= 0) {
        while (av_read_frame(format, packet) >= 0) {
            if (packet->stream_index == stream && avcodec_send_packet(context, packet) >= 0)
                while (avcodec_receive_frame(context, frame) >= 0)
                    samples += frame->nb_samples;
            av_packet_unref(packet);
        }
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&context);
    avformat_close_input(&format);
    return samples;
}

// Opening the song with its lyrics in its tag, as the window's session does, best of many.
double openMs(const QString& song) {
    SongSession session(nullptr, [] { return std::make_unique<TagLibComponent>(); }, {}, {});
    std::vector<double> runs;
    for (int i = 0; i < 200; ++i)
        runs.push_back(elapsedMs([&] { session.open(song); }));
    return median(runs);
}

// A song of format with forty lyric lines in its tag.
QString taggedSong(const QTemporaryDir& dir, const QString& raw, const QString& name,
                   const QStringList& codec) {
    const QString path = dir.filePath(name);
    QStringList lyrics;
    for (int i = 1; i <= 40; ++i)
        lyrics << QStringLiteral("Line %1 of the song, sung here").arg(i);
    const QStringList input{"-v", "error", "-y",  "-f", "s16le", "-ar",       "44100",      "-ac",
                            "2",  "-t",    "180", "-i", raw,     "-metadata", "title=Bench"};
    if (!run(QStringLiteral("ffmpeg"), input + codec + QStringList{path}))
        return {};
    TagLibComponent tag;
    tag.LoadTag(path, true);
    tag.SetFrameText(QStringLiteral("USLT"), lyrics.join(QLatin1Char('\n')));
    tag.SaveTag(path);
    return path;
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
    const QString raw = makeSamples(dir);
    struct Format {
        const char* name;
        QString song;
    };
    const std::vector<Format> formats = {
        {"MP3", encode(raw, dir.filePath("ten.mp3"), {"-c:a", "libmp3lame", "-b:a", "128k"})},
        {"FLAC", encode(raw, dir.filePath("ten.flac"), {"-c:a", "flac"})},
        {"Opus", encode(raw, dir.filePath("ten.opus"), {"-c:a", "libopus", "-b:a", "128k"})},
    };
    const std::atomic<bool> cancel = false;
    PeakEnvelope envelope;
    long long decodedSamples = 0;
    for (const Format& format : formats) {
        if (format.song.isEmpty()) {
            std::printf("  cannot make the %s test song: is ffmpeg installed?\n", format.name);
            targets.absolute(std::string("waveform of a 10-minute ") + format.name +
                                 " song: no test song",
                             -1, 1000);
            continue;
        }
        // The shared decode's figure is the time until its envelope is handed over; the
        // aligner's filtering after it is not the waveform's.
        double untilOutlined = 0;
        const auto shared = [&] {
            const auto start = std::chrono::steady_clock::now();
            QString problem;
            const AlignAudio audio =
                DecodeForAlignment(format.song, cancel, problem, [&](PeakEnvelope outline) {
                    untilOutlined = std::chrono::duration<double, std::milli>(
                                        std::chrono::steady_clock::now() - start)
                                        .count();
                    envelope = std::move(outline);
                });
        };
        std::vector<double> outlined;
        const std::vector<double> decode =
            bestOfEachMs(9, {[&] {
                                 shared();
                                 outlined.push_back(untilOutlined);
                             },
                             [&] { envelope = DecodePeakEnvelope(format.song, cancel); },
                             [&] { decodedSamples = bareDecode(format.song); }});
        const double withLyrics = *std::min_element(outlined.begin(), outlined.end());
        std::printf("Waveform of a %d-min %-4s song %8.1f ms   bare FFmpeg decode %8.1f ms: %5.2fx "
                    "(target <= 1.2x), with lyrics: the decode the aligner shares\n",
                    kSongSeconds / 60, format.name, withLyrics, decode[2], withLyrics / decode[2]);
        std::printf("  without lyrics, the envelope alone %8.1f ms: %5.2fx\n", decode[1],
                    decode[1] / decode[2]);
        targets.ratio(std::string("waveform of a 10-minute ") + format.name +
                          " song, the decode it shares with the aligner",
                      withLyrics, "bare FFmpeg decode", decode[2], 1.2);
        targets.ratio(std::string("waveform of a 10-minute ") + format.name +
                          " song without lyrics, decode and envelope",
                      decode[1], "bare FFmpeg decode", decode[2], 1.2);
    }
    const long long pcmBytes = decodedSamples * 4;
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
    targets.absolute("its envelope's memory", kib, 1024, "KiB");
    targets.absolute("slider paint, playhead moved", tick, 2);
    targets.absolute("slider paint after a resize", resize, 2);

    std::printf("\n== Opening a song with its lyrics in its tag\n");
    const QString mp3 = taggedSong(dir, raw, "tagged.mp3", {"-c:a", "libmp3lame", "-b:a", "128k"});
    const QString flac = taggedSong(dir, raw, "tagged.flac", {"-c:a", "flac"});
    if (mp3.isEmpty() || flac.isEmpty()) {
        targets.absolute("opening a FLAC song: no test song", -1, 1000);
        return;
    }
    const double mp3Ms = openMs(mp3);
    const double flacMs = openMs(flac);
    std::printf("Open a FLAC song, tag lyrics  %8.3f ms   an MP3 one %8.3f ms: %5.2fx\n", flacMs,
                mp3Ms, flacMs / mp3Ms);
    // Hundredths of a millisecond between formats are no wait anyone feels; a tag read slower
    // than a millisecond would start to show in the opening of a song.
    targets.absolute("opening a FLAC song with lyrics in its tag", flacMs, 1);
}
