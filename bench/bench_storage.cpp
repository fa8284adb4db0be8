// Speed of the storage layer, printed as ratios against the plainest way to do the same work.
// Run with: cmake --build build --target bench

#include "storage/Database.h"
#include "storage/DatabaseSchema.h"
#include "storage/LyricsXml.h"
#include "window/frmSychLyrics.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdio>
#include <functional>

#include <unistd.h>

namespace {

// The best of several runs, in milliseconds: the least disturbed by the rest of the machine.
double bestMs(int runs, const std::function<void()>& work) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void fillSheet(frmSychLyrics& window, int lines) {
    std::vector<SheetRow> rows;
    for (int i = 1; i <= lines; ++i)
        rows.push_back({QString::number(i),
                        QStringLiteral("Line %1 of a song's <lyrics> & more").arg(i), QString(),
                        QString::number(i % 600)});
    window.fillSheet(rows);
}

void benchSave(frmSychLyrics& window, const QString& folder, int lines) {
    fillSheet(window, lines);
    const double save = bestMs(5, [&] { window.cmdSave_Click(); });
    const double document = bestMs(5, [&] {
        LyricsDocumentWriter writer(window.songFile);
        for (int i = 1; i <= window.rowCount(); ++i)
            writer.addLine(window.cell(i, frmSychLyrics::ColNumber),
                           window.cell(i, frmSychLyrics::ColSecs),
                           window.cell(i, frmSychLyrics::ColLyric));
        (void)writer.finish();
    });
    const QByteArray bytes = readAll(window.synchLyricsPath);
    const auto plainWrite = [&](bool sync) {
        QFile file(folder + QStringLiteral("/plain.xml"));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.flush();
        if (sync)
            ::fsync(file.handle());
    };
    const double plain = bestMs(5, [&] { plainWrite(false); });
    const double synced = bestMs(5, [&] { plainWrite(true); });
    std::printf(
        "Save %5d lines (%lld bytes): %7.2f ms, of which building the document %6.2f ms\n"
        "    plain write %6.2f ms: ratio %6.2fx; plain write + fsync %6.2f ms: ratio %5.2fx\n",
        lines, static_cast<long long>(bytes.size()), save, document, plain, save / plain, synced,
        save / synced);
}

void benchRead(frmSychLyrics& window, const QString& songPath) {
    const QString xmlPath = songPath.left(songPath.size() - 4) + QStringLiteral(".xml");
    const double read = bestMs(3, [&] { window.ShowSynchLyrics(songPath); });
    const double bare = bestMs(3, [&] {
        QFile file(xmlPath);
        file.open(QIODevice::ReadOnly);
        QXmlStreamReader xml(&file);
        while (!xml.atEnd())
            xml.readNext();
    });
    std::printf("Read %d lines into the sheet: %8.2f ms, bare XML pass %6.2f ms, ratio %5.2fx\n",
                window.rowCount(), read, bare, read / bare);
}

void benchFill(frmSychLyrics& window, int lines) {
    fillSheet(window, lines);
    window.cmdSave_Click();
    window.songFile.clear();
    const double fill = bestMs(5, [&] { window.WriteLyricsToTempDB(); });
    std::printf("WriteLyricsToTempDB %4d lines: %8.2f ms (%.3f ms a line)\n", lines, fill,
                fill / lines);
}

void benchLookup(frmSychLyrics& window, const QString& database) {
    {
        // 32767 rows written in one transaction: only the lookup is measured.
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(database);
        db.open();
        QSqlQuery query(db);
        query.exec(QStringLiteral("DELETE FROM Lyrics"));
        db.transaction();
        query.prepare(QStringLiteral("INSERT INTO Lyrics VALUES (?, ?, ?, ?)"));
        for (int i = 1; i <= 32767; ++i) {
            query.bindValue(0, i);
            query.bindValue(1, QStringLiteral("/music/song %1.mp3").arg(i % 37));
            query.bindValue(2, i);
            query.bindValue(3, QStringLiteral("line %1").arg(i));
            query.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    const QString sql = QStringLiteral("SELECT * FROM Lyrics WHERE FileName = '%1' AND "
                                       "TimeMarker = 20000 ")
                            .arg(SQLClean(QStringLiteral("/music/song 20000.mp3")));
    constexpr int lookups = 1000;
    const double total = bestMs(3, [&] {
        for (int i = 0; i < lookups; ++i)
            window.GetRecordset(sql);
    });
    const double each = total / lookups;
    std::printf("Tick lookup on 32767 rows: %.3f ms, %.2f %% of the 100 ms tick\n", each,
                each / 100.0 * 100.0);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir programFolder;
    QTemporaryDir songs;
    Platform platform;
    platform.programFolder = programFolder.path();
    frmSychLyrics window(std::move(platform));
    const QString database = DatabasePathIn(programFolder.path());
    CreateJukeboxDatabase(database);
    window.Text1->setText(songs.path() + QLatin1Char('/'));
    window.Text2->setText(QStringLiteral("Song.mp3"));

    benchSave(window, songs.path(), 1000);
    benchSave(window, songs.path(), frmSychLyrics::kMaxRows);
    benchRead(window, songs.filePath(QStringLiteral("Song.mp3")));
    benchFill(window, 100);
    benchFill(window, 1000);
    benchLookup(window, database);
    return 0;
}
