// A Play press and the display tick, on the real window with the real libmpv player.

#include "Bench.h"

#include "playback/MpvPlayer.h"
#include "session/SongSession.h"
#include "storage/Database.h"
#include "storage/DatabaseSchema.h"
#include "window/Controls.h"
#include "window/frmSychLyrics.h"

#include <QPushButton>
#include <QTimer>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLabel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

std::unique_ptr<frmSychLyrics> openWindow(const QString& programFolder, const QString& songPath) {
    Platform platform;
    platform.player = std::make_unique<MpvPlayer>();
    platform.programFolder = programFolder;
    platform.commandLine = songPath;
    auto window = std::make_unique<frmSychLyrics>(std::move(platform));
    window->Form_Load();
    return window;
}

QString benchSong(const QTemporaryDir& songs, const QString& song, int lines) {
    const QString path = songs.filePath(QStringLiteral("Song%1.mp3").arg(lines));
    QFile::copy(song, path);
    writeBenchLyricsFile(path, lines);
    return path;
}

void benchPlayPress(const QString& programFolder, const QString& songPath, BenchTargets& targets) {
    auto window = openWindow(programFolder, songPath);
    const WindowControls ui = FindControls(*window);
    const SongSession& session = *window->findChild<SongSession*>();
    std::vector<double> presses;
    for (int i = 0; i < 11; ++i) {
        presses.push_back(elapsedMs([&] { ui.cmdPlay->click(); }));
        QCoreApplication::processEvents();
        ui.cmdStop->click();
        QCoreApplication::processEvents();
    }
    const double first = presses.front();
    const double best = *std::min_element(presses.begin(), presses.end());
    const double middle = median(presses);
    std::printf("Play press, %d-line song      first %7.2f ms, best %7.2f ms, median %7.2f ms: "
                "%5.1f %% of 100 ms\n",
                session.sheet().count(), first, best, middle, middle);
    targets.absolute("Play press, 100-line song (median of 11)", middle, 100);
}

double bareLookupMs(const QString& database, const QString& songFile, int second) {
    double best = 0;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bare-lookup"));
        db.setDatabaseName(database);
        db.open();
        QSqlQuery query(db);
        query.prepare(QStringLiteral("SELECT * FROM Lyrics WHERE FileName = ? AND TimeMarker = ?"));
        constexpr int lookups = 1000;
        best = bestMs(3,
                      [&] {
                          for (int i = 0; i < lookups; ++i) {
                              query.bindValue(0, songFile);
                              query.bindValue(1, second);
                              query.exec();
                              while (query.next()) {
                              }
                          }
                      }) /
               lookups;
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bare-lookup"));
    return best;
}

void benchTick(const QString& programFolder, const QString& songPath, BenchTargets& targets) {
    auto window = openWindow(programFolder, songPath);
    const WindowControls ui = FindControls(*window);
    SongSession& session = *window->findChild<SongSession*>();
    const double press = elapsedMs([&] { ui.cmdPlay->click(); });
    std::printf("Play press, %d-line song    %9.2f ms (fills the preview table)\n",
                session.sheet().count(), press);
    // The tick shows nothing before the first whole second: wait for it.
    const QDeadlineTimer deadline(5000);
    while (session.player().GetPosition() < 1 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const int second = session.player().GetPosition();

    std::vector<double> ticks;
    for (int i = 0; i < 300; ++i)
        ticks.push_back(elapsedMs(
            [&] { QMetaObject::invokeMethod(ui.displayTimer, "timeout", Qt::DirectConnection); }));
    const double best = *std::min_element(ticks.begin(), ticks.end());
    const double middle = median(ticks);
    const double bare = bareLookupMs(session.databasePath(), session.songPath(), second);
    std::printf("One tick at %d s, 32767 rows    best %6.3f ms, median %6.3f ms (%.2f %% of the "
                "100 ms tick)   bare indexed lookup %6.3f ms: %6.1fx\n",
                second, best, middle, middle, bare, middle / bare);
    std::printf("    the tick found line %d: \"%s\"\n", session.sheet().currentLine(),
                qPrintable(ui.lblCurrentLyric->text()));
    ui.cmdStop->click();
    targets.absolute("one tick, 32 767-row preview (median of 300)", middle, 0.5);
    targets.ratio("one tick, 32 767-row preview", middle, "bare indexed lookup", bare, 3);
}

} // namespace

void benchPlayback(BenchTargets& targets, const QString& song) {
    QTemporaryDir programFolder;
    QTemporaryDir songs;
    CreateJukeboxDatabase(DatabasePathIn(programFolder.path()));
    std::printf("\n== Playing (libmpv, audio output null)\n");
    benchPlayPress(programFolder.path(), benchSong(songs, song, 100), targets);
    benchTick(programFolder.path(), benchSong(songs, song, LyricSheet::kMaxRows), targets);
    std::fflush(stdout);
}
