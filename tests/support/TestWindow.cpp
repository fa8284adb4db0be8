#include "support/TestWindow.h"

#include "controls/SongSlider.h"
#include "controls/WordStrip.h"
#include "playback/MpvPlayer.h"
#include "session/SongPlayback.h"
#include "session/SongSession.h"
#include "sheet/TimeText.h"
#include "sources/TagLibComponent.h"
#include "storage/DatabaseSchema.h"
#include "support/Sql.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDropEvent>
#include <QItemSelectionModel>
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

std::unique_ptr<frmSychLyrics> realWindow(const QString& programFolder, const QString& song) {
    CreateJukeboxDatabase(JukeboxDatabaseFileFor(programFolder));
    Platform platform;
    platform.player = std::make_unique<MpvPlayer>();
    platform.newTagComponent = [] { return std::make_unique<TagLibComponent>(); };
    platform.programFolder = programFolder;
    platform.settingsFile = programFolder + QStringLiteral("/settings.ini");
    platform.commandLine = song;
    auto w = std::make_unique<frmSychLyrics>(std::move(platform));
    w->Form_Load();
    w->show();
    return w;
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

QStringList sheetRows(const LyricSheet& sheet) {
    QStringList rows;
    for (const SheetRow& row : sheet.rows())
        rows << QStringList{row.number, row.lyric, row.time, row.secs}.join(QLatin1Char('|'));
    return rows;
}

void loadSheet(LyricSheet& sheet, const QStringList& lyricAndSecs) {
    std::vector<SheetRow> rows;
    for (const QString& entry : lyricAndSecs) {
        const QString secs = entry.section(QLatin1Char('|'), 1, 1);
        const QString time =
            secs.isEmpty()
                ? QString()
                : SecondsToTime(static_cast<std::int32_t>(RoundHalfEven(secs.toDouble())));
        rows.push_back(
            {QString::number(rows.size() + 1), entry.section(QLatin1Char('|'), 0, 0), time, secs});
    }
    sheet.load(rows, QStringLiteral("Load Lyrics"));
}

QStringList TestWindow::sheet() const {
    return sheetRows(session().sheet());
}

void TestWindow::setSheet(const QStringList& lyricAndSecs) {
    loadSheet(session().sheet(), lyricAndSecs);
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

QString toneSong(const QString& path, const QString& lyrics) {
    if (!QFile::copy(QStringLiteral(VELMORA_TEST_DATA "/tone-3s.mp3"), path) ||
        !QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner))
        return {};
    if (!lyrics.isEmpty()) {
        TagLibComponent tag;
        tag.LoadTag(path, true);
        tag.SetFrameText(QStringLiteral("USLT"), lyrics);
        tag.SaveTag(path);
    }
    return path;
}

bool dropFile(QWidget& widget, const QString& path) {
    // As the platform delivers a drag: to the first widget under the cursor that takes drops.
    QWidget* under = &widget;
    if (auto* view = qobject_cast<QAbstractScrollArea*>(under))
        under = view->viewport();
    QPoint at = under->rect().center();
    while (!under->acceptDrops() && !under->isWindow()) {
        at = under->mapToParent(at);
        under = under->parentWidget();
    }
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    mime.setText(QUrl::fromLocalFile(path).toString());
    // A drop reaches only a widget that took the drag as it entered.
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(under, &enter);
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(under, &drop);
    return enter.isAccepted() && drop.isAccepted();
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
    ui.lvLyrics->selectionModel()->setCurrentIndex(session().sheet().index(position - 1, 0),
                                                   QItemSelectionModel::ClearAndSelect |
                                                       QItemSelectionModel::Rows);
}

bool TestWindow::shown() const {
    window->show();
    return QTest::qWaitForWindowExposed(window.get());
}

bool TestWindow::shownActive() const {
    window->show();
    return QTest::qWaitForWindowActive(window.get());
}

void TestWindow::clickRow(int position) const {
    if (!window->isVisible())
        QVERIFY(shown());
    const QModelIndex row = session().sheet().index(position - 1, LyricSheet::ColLyric);
    QTest::mouseClick(ui.lvLyrics->viewport(), Qt::LeftButton, {},
                      ui.lvLyrics->visualRect(row).center());
}

QString TestWindow::lastSeek() const {
    const QStringList seeks = player->calls.filter(QStringLiteral("SeekPositionMs"));
    return seeks.isEmpty() ? QString() : seeks.last();
}

void press(int key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

QString ticksOf(const SongSlider& slider) {
    QStringList ticks;
    for (const MarkTick& tick : slider.marks())
        ticks << QStringLiteral("%1@%2").arg(tick.position).arg(tick.seconds);
    return ticks.join(u' ');
}

int xAt(const WordStrip& strip, qint64 ms) {
    int x = 0;
    while (x < strip.width() && strip.msAt(x) < ms)
        ++x;
    return x;
}

void TestWindow::showSong(const QString& folder, const QString& name) const {
    session().choose(folder + name);
}

namespace {
// The song's tag as a session reads it when it opens the song.
std::unique_ptr<SongSession> sessionOn(const QString& song) {
    auto session = std::make_unique<SongSession>(
        nullptr, [] { return std::make_unique<TagLibComponent>(); }, QString(), QString());
    try {
        session->open(song);
    } catch (const VersettaError&) {
        // a lyrics file that cannot be read: the tag was read before it
    }
    return session;
}
} // namespace

QString tagLyrics(const QString& song) {
    return sessionOn(song)->tagLyrics();
}

bool hasTagLyrics(const QString& song) {
    return sessionOn(song)->hasTagLyrics();
}
