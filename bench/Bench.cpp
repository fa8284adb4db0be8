#include "Bench.h"

#include "sheet/LyricSheet.h"
#include "storage/LyricsXml.h"
#include "window/frmSychLyrics.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>

double elapsedMs(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double bestMs(int runs, const std::function<void()>& work) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i)
        best = std::min(best, elapsedMs(work));
    return best;
}

std::vector<double> bestOfEachMs(int runs, const std::vector<std::function<void()>>& works) {
    std::vector<double> best(works.size(), 1e300);
    for (int i = 0; i < runs; ++i)
        for (std::size_t w = 0; w < works.size(); ++w)
            best[w] = std::min(best[w], elapsedMs(works[w]));
    return best;
}

double median(std::vector<double>& values) {
    if (values.empty())
        return 0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QString benchLyric(int i) {
    return QStringLiteral("Line %1 of a song's <lyrics> & more").arg(i);
}

void fillBenchSheet(LyricSheet& sheet, int lines) {
    std::vector<SheetRow> rows;
    rows.reserve(static_cast<std::size_t>(lines));
    for (int i = 1; i <= lines; ++i)
        rows.push_back({QString::number(i), benchLyric(i), QString(), QString::number(i - 1)});
    sheet.load(rows, QStringLiteral("Load Lyrics"));
}

void writeBenchLyricsFile(const QString& songPath, int lines) {
    LyricsDocumentWriter writer(songPath);
    for (int i = 1; i <= lines; ++i)
        writer.addLine(QString::number(i), QString::number(i - 1), benchLyric(i));
    writeAll(songPath.left(songPath.size() - 4) + QStringLiteral(".xml"), writer.finish());
}
