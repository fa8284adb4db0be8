#include "support/TestWindow.h"

#include "session/SongPlayback.h"
#include "session/SongSession.h"
#include "sheet/TimeText.h"
#include "sources/TagLibComponent.h"
#include "storage/DatabaseSchema.h"
#include "support/Sql.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QUrl>

Platform makeTestPlatform(TestWindow& test, const QString& commandLine) {
    Platform platform;
    auto player = std::make_unique<FakePlayer>();
    test.player = player.get();
    platform.player = std::move(player);
    platform.newTagComponent = [] { return std::make_unique<TagLibComponent>(); };
    platform.openDialog = [&test](const QString& filter, const QString& folder,
                                  const QString& fileName) {
        test.openRequests << filter + QLatin1Char('|') + folder + QLatin1Char('|') + fileName;
        return test.openAnswers.isEmpty() ? fileName : test.openAnswers.takeFirst();
    };
    platform.inputBox = [&test](const QString& prompt, const QString& title,
                                const QString& answer) {
        test.inputRequests << prompt + QLatin1Char('|') + title + QLatin1Char('|') + answer;
        return test.inputAnswers.isEmpty() ? QString() : test.inputAnswers.takeFirst();
    };
    platform.clipboardText = [&test] { return test.clipboard; };
    platform.programFolder = test.programFolder.path();
    platform.commandLine = commandLine;
    // Never the user's own settings.
    platform.settingsFile = test.programFolder.filePath(QStringLiteral("settings.ini"));
    return platform;
}

TestWindow::TestWindow(const QString& commandLine)
    : window(std::make_unique<frmSychLyrics>(makeTestPlatform(*this, commandLine))),
      ui(FindControls(*window)) {}

SongSession& TestWindow::session() const {
    return *window->findChild<SongSession*>();
}

bool TestWindow::playing() const {
    return session().playback().isPlaying();
}

QStringList TestWindow::sheet() const {
    QStringList rows;
    const LyricSheet& s = session().sheet();
    for (int i = 1; i <= s.count(); ++i)
        rows << QStringList{s.cell(i, LyricSheet::ColNumber), s.cell(i, LyricSheet::ColLyric),
                            s.cell(i, LyricSheet::ColTime), s.cell(i, LyricSheet::ColSecs)}
                    .join(QLatin1Char('|'));
    return rows;
}

void TestWindow::setSheet(const QStringList& lyricAndSecs) {
    std::vector<SheetRow> rows;
    int n = 0;
    for (const QString& entry : lyricAndSecs) {
        const QString lyric = entry.section(QLatin1Char('|'), 0, 0);
        const QString secs = entry.section(QLatin1Char('|'), 1, 1);
        const QString time =
            secs.isEmpty()
                ? QString()
                : SecondsToTime(static_cast<std::int32_t>(RoundHalfEven(secs.toDouble())));
        rows.push_back({QString::number(++n), lyric, time, secs});
    }
    session().sheet().load(rows, QStringLiteral("Load Lyrics"));
}

void TestWindow::save() {
    ui.cmdSave->setEnabled(true);
    ui.cmdSave->click();
}

void TestWindow::open(const QString& path) {
    openAnswers << path;
    ui.cmdOpen->click();
}

void TestWindow::tickAt(int ms) {
    player->positionMs = ms;
    // What the 100 ms timer does, without waiting for it.
    QMetaObject::invokeMethod(ui.displayTimer, "timeout", Qt::DirectConnection);
}

void dropFile(QWidget& widget, const QString& path) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    // A drop reaches only a widget that took the drag as it entered.
    QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&widget, &enter);
    QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&widget, &drop);
}

QStringList lyricsTable(const QString& databasePath) {
    return sqlRows(databasePath, {QStringLiteral("SELECT LineNumber, FileName, TimeMarker, "
                                                 "LyricLine FROM Lyrics ORDER BY rowid")});
}

QString TestWindow::createDatabase() const {
    const QString path = JukeboxDatabaseFileFor(programFolder.path());
    CreateJukeboxDatabase(path);
    return path;
}

void TestWindow::select(int position) const {
    ui.lvLyrics->setCurrentIndex(session().sheet().index(position - 1, 0));
}

void TestWindow::clickRow(int position) const {
    if (!window->isVisible()) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    const QModelIndex row = session().sheet().index(position - 1, LyricSheet::ColLyric);
    QTest::mouseClick(ui.lvLyrics->viewport(), Qt::LeftButton, {},
                      ui.lvLyrics->visualRect(row).center());
}

void TestWindow::showSong(const QString& folder, const QString& name) const {
    session().choose(folder + name);
}

namespace {
SongSession::Opened openInSession(SongSession& session, const QString& song) {
    try {
        return session.open(song);
    } catch (const VersettaError&) {
        return {}; // a lyrics file that cannot be read: the tag was read before it
    }
}
} // namespace

QString tagLyrics(const QString& song) {
    SongSession session(
        nullptr, [] { return std::make_unique<TagLibComponent>(); }, QString(), QString());
    openInSession(session, song);
    return session.tagLyrics();
}

bool hasTagLyrics(const QString& song) {
    SongSession session(
        nullptr, [] { return std::make_unique<TagLibComponent>(); }, QString(), QString());
    openInSession(session, song);
    return session.hasTagLyrics();
}
