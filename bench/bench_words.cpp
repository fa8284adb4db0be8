// Word timing on the song session: a word mark against a line mark, and Save with the precise
// times written beside Song.xml against writing both files' bytes with fsync.

#include "Bench.h"

#include "session/SongSession.h"
#include "sources/TagComponent.h"
#include "storage/Lrc.h"
#include "storage/LyricsXml.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>

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

// Milliseconds each of presses Mark Line presses takes, from the first line of a fresh sheet.
std::vector<double> markPresses(SongSession& session, int presses) {
    session.sheet().load(benchRows(2000), QStringLiteral("Load Lyrics"));
    session.sheet().clearHistory();
    session.sheet().setMarkCursor(1, 0);
    session.sheet().setSelected(1);
    std::vector<double> ms;
    QElapsedTimer clock;
    for (int i = 0; i < presses; ++i) {
        clock.start();
        session.mark(1000 + 37 * qint64{i});
        ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    return ms;
}

} // namespace

void benchWords(BenchTargets& targets) {
    QTemporaryDir folder;
    SongSession session(nullptr, nullptr, folder.path(), QString());
    session.readSettings(folder.filePath(QStringLiteral("settings.ini")));
    session.choose(folder.filePath(QStringLiteral("Song.mp3")));

    std::printf("\n== Word timing (song session, 2 000 lines of 8 words)\n");
    const double line = p99(markPresses(session, 1000));
    session.toggleWordMode();
    const double word = p99(markPresses(session, 1000));
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
}
