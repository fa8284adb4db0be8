// Word timing on the song session: a word mark against a line mark, Save with the precise
// times written beside Song.xml against writing both files' bytes with fsync, and the word
// strip drawn frame by frame while a song plays.

#include "Bench.h"

#include "controls/WordStrip.h"
#include "playback/Mp3Player.h"
#include "playback/Waveform.h"
#include "session/SongPlayback.h"
#include "session/SongSession.h"
#include "sources/TagComponent.h"
#include "storage/Lrc.h"
#include "storage/LyricsXml.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include <time.h>
#include <unistd.h>

namespace {

std::vector<SheetRow> benchRows(int lines) {
    std::vector<SheetRow> rows;
    rows.reserve(static_cast<std::size_t>(lines));
    for (int i = 1; i <= lines; ++i)
        rows.push_back({QString::number(i), benchLyric(i), QString(), QString()});
    return rows;
}

double p99(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1,
                           static_cast<std::size_t>(std::ceil(0.99 * values.size())) - 1)];
}

// A player standing still wherever the bench puts its clock: the press costs the session alone.
class ClockPlayer final : public Mp3Player {
public:
    void InitPlayer(std::int16_t, quintptr) override {}
    void StartupSetting(std::int16_t) override {}
    void LoadSong(const QString&) override {}
    void PlaySong() override {}
    void PauseSong() override {}
    void StopSong() override {}
    std::int32_t GetSongLength() override { return 240000; }
    std::int32_t GetPosition() override { return positionMs / 1000; }
    std::int16_t GetPositionMinutes() override {
        return static_cast<std::int16_t>(GetPosition() / 60);
    }
    std::int16_t GetPositionSeconds() override {
        return static_cast<std::int16_t>(GetPosition() % 60);
    }
    void SeekPosition(std::int32_t seconds) override { positionMs = seconds * 1000; }
    std::int32_t GetPositionMs() override { return positionMs; }
    void SeekPositionMs(std::int32_t ms) override { positionMs = ms; }
    void SetSpeed(double) override {}
    double Speed() const override { return 1; }

    std::int32_t positionMs = 0;
};

// Milliseconds each of presses Mark Line presses takes, from the first line of a fresh sheet,
// through the playback's own stamp.
std::vector<double> markPresses(SongSession& session, ClockPlayer& player, int presses) {
    session.sheet().load(benchRows(2000), QStringLiteral("Load Lyrics"));
    session.sheet().clearHistory();
    session.sheet().setMarkCursor(1, 0);
    session.sheet().setSelected(1);
    std::vector<double> ms;
    QElapsedTimer clock;
    for (int i = 0; i < presses; ++i) {
        player.positionMs = 1000 + 37 * i;
        clock.start();
        session.playback().markSelected();
        ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    return ms;
}

// A four-minute song's outline: a beat that swells and fades over each line.
std::shared_ptr<const PeakEnvelope> benchEnvelope() {
    PeakEnvelope envelope;
    envelope.sampleRate = 44100;
    envelope.framesPerPeak = 44100 / kPeaksPerSecond;
    for (int i = 0; i < 240 * kPeaksPerSecond; ++i) {
        const double level = 0.3 + 0.6 * std::abs(std::sin(i * 0.0031)) * (i % 50 < 10 ? 1 : 0.6);
        envelope.maxs.push_back(static_cast<std::int8_t>(127 * level));
        envelope.mins.push_back(static_cast<std::int8_t>(-120 * level));
    }
    return std::make_shared<const PeakEnvelope>(std::move(envelope));
}

// The calling thread's CPU time: what a frame costs itself, without the slices of a busy
// machine's other processes that fall inside it.
double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Frames {
    std::vector<double> cpuMs;
    std::vector<double> wallMs;
};

// What each frame of the word strip takes while lines of ten words play at 60 frames a
// second: the position set, then the strip drawn; each line is shown as its time comes.
Frames wordStripFrames(int frames) {
    constexpr qint64 kLineMs = 4200;
    constexpr qint64 kFrameMs = 16;
    WordStrip strip;
    strip.resize(900, 90);
    strip.setEnvelope(benchEnvelope());
    QImage image(strip.size(), QImage::Format_ARGB32_Premultiplied);
    const QStringList text = QStringLiteral("Hold me closer tiny dancer count the headlights on "
                                            "the highway")
                                 .split(u' ');
    qint64 lineFrom = -1;
    Frames ms;
    QElapsedTimer clock;
    for (int frame = 0; frame < frames; ++frame) {
        const qint64 position = 60000 + kFrameMs * frame;
        clock.start();
        const double cpu = threadCpuMs();
        if (position >= lineFrom + kLineMs) {
            lineFrom = position - position % kLineMs;
            std::vector<WordStrip::Word> words;
            words.reserve(static_cast<std::size_t>(text.size()));
            for (int i = 0; i < text.size(); ++i)
                words.push_back({text[i], lineFrom + i * kLineMs / (text.size() + 1)});
            strip.setWords(std::move(words), lineFrom - 500, lineFrom + kLineMs + 500);
        }
        strip.setPosition(position);
        strip.render(&image);
        ms.cpuMs.push_back(threadCpuMs() - cpu);
        ms.wallMs.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    return ms;
}

// What each frame of editing in the strip takes, ten words over 4.2 s: a drag (a word's
// label held and moved a pixel or more per frame, onto onsets on the way) or a zoom (Ctrl+wheel
// a notch in or out around a moving pointer, the waveform drawn again each time); the event
// handled, then the strip drawn.
Frames stripEditFrames(bool zoom, int frames) {
    WordStrip strip;
    strip.resize(900, 90);
    strip.setEnvelope(benchEnvelope());
    const QStringList text = QStringLiteral("Hold me closer tiny dancer count the headlights on "
                                            "the highway")
                                 .split(u' ');
    std::vector<WordStrip::Word> words;
    words.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i)
        words.push_back({text[i], 60000 + i * 4200 / (text.size() + 1), false});
    strip.setWords(std::move(words), 59500, 64700);
    std::vector<qint64> onsets;
    for (qint64 ms = 59500; ms < 64700; ms += 170)
        onsets.push_back(ms);
    strip.setOnsets(std::move(onsets));
    QImage image(strip.size(), QImage::Format_ARGB32_Premultiplied);
    strip.render(&image);
    const QPointF grab = strip.labelRect(4).center();
    if (!zoom) {
        QMouseEvent press(QEvent::MouseButtonPress, grab, strip.mapToGlobal(grab), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&strip, &press);
    }
    Frames ms;
    QElapsedTimer clock;
    for (int frame = 0; frame < frames; ++frame) {
        // Back and forth over 120 pixels, so the word passes its neighbours' onsets.
        const double offset = 60 - std::abs(frame % 240 - 120);
        const QPointF at(grab.x() + offset, grab.y());
        clock.start();
        const double cpu = threadCpuMs();
        if (zoom) {
            const int notch = (frame / 8) % 2 == 0 ? 120 : -120;
            QWheelEvent wheel(at, strip.mapToGlobal(at), QPoint(), QPoint(0, notch), Qt::NoButton,
                              Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&strip, &wheel);
        } else {
            QMouseEvent move(QEvent::MouseMove, at, strip.mapToGlobal(at), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&strip, &move);
        }
        strip.render(&image);
        ms.cpuMs.push_back(threadCpuMs() - cpu);
        ms.wallMs.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    return ms;
}

} // namespace

void benchWords(BenchTargets& targets) {
    QTemporaryDir folder;
    ClockPlayer player;
    SongSession session(&player, nullptr, folder.path(), QString());
    session.readSettings(folder.filePath(QStringLiteral("settings.ini")));
    session.choose(folder.filePath(QStringLiteral("Song.mp3")));

    std::printf("\n== Word timing (song session, 2 000 lines of 8 words)\n");
    const double line = p99(markPresses(session, player, 1000));
    session.toggleWordMode();
    const double word = p99(markPresses(session, player, 1000));
    std::printf("Mark Line, p99 of 1000: line %.4f ms, word %.4f ms: %.2fx\n", line, word,
                word / line);
    targets.absolute("word mark, session's share of a press (p99 of 1000)", word, 1);
    targets.ratio("word mark (p99)", word, "line mark", line, 1.5);

    // Every line marked word by word, as word marking leaves it, and Song.lrc written beside
    // Song.xml.
    const int lines = LyricSheet::kMaxRows;
    std::vector<SheetRow> rows = benchRows(lines);
    qint64 ms = 1000;
    for (SheetRow& row : rows) {
        row.words = WordsOf(row.lyric);
        for (WordTime& w : row.words)
            w.ms = ms += 137;
        row.markMs = row.words.front().ms;
        row.secs = QString::number(row.markMs / 1000);
    }
    session.sheet().load(std::move(rows), QStringLiteral("Load Lyrics"));
    session.saveLyricsFile();
    const QByteArray xml = readAll(folder.filePath(QStringLiteral("Song.xml")));
    const QByteArray lrc = readAll(folder.filePath(QStringLiteral("Song.lrc")));
    const auto bare = [&] {
        for (const QByteArray* bytes : {&xml, &lrc}) {
            QFile file(folder.filePath(bytes == &xml ? QStringLiteral("plain.xml")
                                                     : QStringLiteral("plain.lrc")));
            if (!file.open(QIODevice::WriteOnly))
                return;
            file.write(*bytes);
            file.flush();
            ::fsync(file.handle());
        }
    };
    const auto rowsOnly = [&] { (void)WriteLrc({}, session.sheet().rows(), nullptr, true); };
    const auto xmlOnly = [&] {
        (void)SaveSheetAsLyricsFile(session.songPath(), session.sheet().rows());
    };
    const std::vector<double> best =
        bestOfEachMs(3, {[&] { session.saveLyricsFile(); }, bare, rowsOnly, xmlOnly});
    std::printf("Save with Song.lrc, %d lines (%lld + %lld bytes) %.2f ms (LRC text %.2f ms, "
                "Song.xml saved alone %.2f ms)   both written with fsync %.2f ms: %.2fx\n",
                lines, static_cast<long long>(xml.size()), static_cast<long long>(lrc.size()),
                best[0], best[2], best[3], best[1], best[0] / best[1]);
    targets.ratio("Save with Song.lrc beside, 32 767 word-timed lines", best[0],
                  "both files written with fsync", best[1], 3);

    const Frames frames = wordStripFrames(1000);
    const double frame = p99(frames.cpuMs);
    std::vector<double> middle = frames.cpuMs;
    std::printf("Word strip 900x90, ten words over the waveform, a frame while playing, p99 of "
                "%zu: %.3f ms of CPU (median %.3f ms; wall clock p99 %.3f ms)\n",
                frames.cpuMs.size(), frame, median(middle), p99(frames.wallMs));
    targets.absolute("word strip frame (p99)", frame, 1);

    for (const bool zoom : {false, true}) {
        const Frames edit = stripEditFrames(zoom, 1000);
        std::vector<double> typical = edit.cpuMs;
        const double p = p99(edit.cpuMs);
        std::printf("Word strip 900x90, a %s frame (event, then drawn), p99 of %zu: %.3f ms of "
                    "CPU (median %.3f ms; wall clock p99 %.3f ms)\n",
                    zoom ? "Ctrl+wheel zoom" : "word drag", edit.cpuMs.size(), p, median(typical),
                    p99(edit.wallMs));
        targets.absolute(zoom ? "word strip zoom frame (p99)" : "word strip drag frame (p99)", p,
                         2);
    }
}
