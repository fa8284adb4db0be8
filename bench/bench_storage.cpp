// Save, load and the preview-table fill, each against the plainest way to do the same work.

#include "Bench.h"

#include "session/SongSession.h"
#include "storage/Database.h"
#include "storage/DatabaseSchema.h"
#include "storage/LyricsXml.h"
#include "window/frmSychLyrics.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cstdio>

#include <unistd.h>

namespace {

// Big sizes run fewer times: one run of them already takes long enough to be steady.
int runsFor(int lines) {
    return lines > 1000 ? 3 : 7;
}

void benchSave(SongSession& session, const QString& folder, int lines, BenchTargets& targets) {
    fillBenchSheet(session.sheet(), lines);
    session.saveLyricsFile();
    const QByteArray bytes = readAll(session.besideSong(SongSession::Beside::LyricsFile));
    const auto plainWrite = [&](bool sync) {
        QFile file(folder + QStringLiteral("/plain.xml"));
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write(bytes);
        file.flush();
        if (sync)
            ::fsync(file.handle());
    };
    // What Save does before writing: the sheet read into the document.
    const auto document = [&] {
        LyricsDocumentWriter writer(session.songPath());
        for (int i = 1; i <= session.sheet().count(); ++i)
            writer.addLine(session.sheet().cell(i, LyricSheet::ColNumber),
                           session.sheet().cell(i, LyricSheet::ColSecs),
                           session.sheet().cell(i, LyricSheet::ColLyric));
        (void)writer.finish();
    };
    const std::vector<double> best =
        bestOfEachMs(runsFor(lines), {[&] { session.saveLyricsFile(); }, document,
                                      [&] { plainWrite(false); }, [&] { plainWrite(true); }});
    const double save = best[0];
    std::printf("Save %5d lines (%7lld bytes)  %9.2f ms (document %6.2f ms)   plain write %6.2f "
                "ms: %6.2fx   with fsync %6.2f ms: %5.2fx\n",
                lines, static_cast<long long>(bytes.size()), save, best[1], best[2], save / best[2],
                best[3], save / best[3]);
    if (lines == LyricSheet::kMaxRows) {
        targets.absolute("Save, 32 767 lines", save, 1000);
        targets.ratio("Save, 32 767 lines", save, "write with fsync", best[3], 2.5);
    }
}

void benchLoad(SongSession& session, const QString& songPath, int lines, BenchTargets& targets) {
    const QString xmlPath = songPath.left(songPath.size() - 4) + QStringLiteral(".xml");
    const auto bare = [&] {
        QFile file(xmlPath);
        if (!file.open(QIODevice::ReadOnly))
            return;
        QXmlStreamReader xml(&file);
        while (!xml.atEnd())
            xml.readNext();
    };
    const std::vector<double> best =
        bestOfEachMs(runsFor(lines), {[&] { session.loadLyricsFile(songPath); }, bare});
    std::printf("Load %5d lines into the sheet %9.2f ms   bare XML pass %7.2f ms: %6.2fx\n",
                session.sheet().count(), best[0], best[1], best[0] / best[1]);
    if (lines == LyricSheet::kMaxRows)
        targets.ratio("load 32 767 lines into the sheet", best[0], "bare XML pass", best[1], 1.5);
}

// Against the same rows sent through one open connection, one transaction and one prepared
// statement, without waiting for the disk, as the program's fill does not wait either.
void benchFill(SongSession& session, const QString& database, int lines, BenchTargets& targets) {
    session.fillPreview();
    const QString songFile = session.songPath();
    std::vector<double> best;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bare-fill"));
        db.setDatabaseName(database);
        db.open();
        QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous=OFF"));
        const auto fill = [&] { session.fillPreview(); };
        const auto bare = [&] {
            QSqlQuery query(db);
            db.transaction();
            query.exec(QStringLiteral("DELETE FROM Lyrics"));
            query.prepare(QStringLiteral("INSERT INTO Lyrics VALUES (?, ?, ?, ?)"));
            for (int i = 1; i <= lines; ++i) {
                query.bindValue(0, i);
                query.bindValue(1, songFile);
                query.bindValue(2, i - 1);
                query.bindValue(3, benchLyric(i));
                query.exec();
            }
            db.commit();
        };
        best = bestOfEachMs(runsFor(lines), {fill, bare});
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bare-fill"));
    std::printf("Preview fill %5d lines       %9.2f ms   one transaction %7.2f ms: %6.2fx\n", lines,
                best[0], best[1], best[0] / best[1]);
    // A song of up to a thousand lines fills in about a millisecond: what a person notices is a
    // Play press slower than a frame, not a ratio to a bare insert that small.
    if (lines <= 1000)
        targets.absolute("preview fill, " + std::to_string(lines) + " lines", best[0], 16);
    else
        targets.ratio("preview fill, " + std::to_string(lines) + " lines", best[0],
                      "prepared insert, one transaction", best[1], 2);
}

} // namespace

void benchStorage(BenchTargets& targets) {
    QTemporaryDir programFolder;
    QTemporaryDir songs;
    Platform platform;
    platform.programFolder = programFolder.path();
    frmSychLyrics window(std::move(platform));
    const QString database = DatabasePathIn(programFolder.path());
    CreateJukeboxDatabase(database);
    const QString songPath = songs.filePath(QStringLiteral("Song.mp3"));
    SongSession& session = *window.findChild<SongSession*>();
    session.choose(songPath);

    std::printf("\n== Save, load and preview fill (best of 7; of 3 above 1000 lines)\n");
    for (const int lines : {100, 1000, int{LyricSheet::kMaxRows}}) {
        benchSave(session, songs.path(), lines, targets);
        benchLoad(session, songPath, lines, targets);
        benchFill(session, database, lines, targets);
        std::fflush(stdout);
    }
}
