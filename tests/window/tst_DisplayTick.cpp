#include "support/Files.h"
#include "support/Sql.h"
#include "support/TestWindow.h"

#include "controls/SongSlider.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

// The tick shows the time, moves the slider and previews the line of the current second,
// read from the jukebox database that Play filled from the saved file.
class DisplayTickTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_music;

    // Opens a song, saves the sheet as its lyrics file and presses Play.
    void playSaved(TestWindow& w, const QStringList& rows, const QString& name = "Song.mp3") {
        w.createDatabase();
        w.open(m_music.filePath(name));
        w.setSheet(rows);
        w.ui.cmdSave->setEnabled(true);
        w.ui.cmdSave->click();
        w.player->lengthMs = 216400;
        w.ui.lblStatus->clear();
        w.ui.cmdPlay->click();
        QCOMPARE(w.ui.lblStatus->text(), QString());
    }

private slots:
    void everyPlayPressRefillsThePreview() {
        TestWindow w;
        playSaved(w, {"one|1", "two", "three|3"});
        QCOMPARE(lyricsTable(w.session().databasePath()).size(), 2);
        sqlRows(w.session().databasePath(), {QStringLiteral("DELETE FROM Lyrics")});
        w.ui.cmdPlay->click(); // pause: the table is not touched
        QCOMPARE(lyricsTable(w.session().databasePath()).size(), 0);
        w.ui.cmdPlay->click(); // resume: filled again
        QCOMPARE(lyricsTable(w.session().databasePath()).size(), 2);
    }

    // Play keeps its connection between presses, yet fills the file now at the path, and
    // checks again a file someone else has changed.
    void theNextPlayFillsTheFileNowAtThePath() {
        TestWindow w;
        playSaved(w, {"one|1", "two|2"});
        const QString database = w.session().databasePath();
        const QString old = database + QStringLiteral(".old");
        w.ui.cmdStop->click();
        QVERIFY(QFile::rename(database, old));
        sqlRows(old, {QStringLiteral("DELETE FROM Lyrics")});
        w.createDatabase();
        w.ui.cmdPlay->click();
        QCOMPARE(w.ui.lblStatus->text(), QString());
        QCOMPARE(lyricsTable(database).size(), 2);
        QCOMPARE(lyricsTable(old).size(), 0);

        w.ui.cmdStop->click();
        sqlRows(database, {QStringLiteral("CREATE TABLE Spy (Path TEXT)"),
                           QStringLiteral("CREATE TRIGGER spy AFTER INSERT ON Lyrics BEGIN "
                                          "INSERT INTO Spy VALUES (new.FileName); END")});
        const QByteArray planted = readFile(database);
        w.ui.cmdPlay->click();
        QVERIFY2(w.ui.lblStatus->text().contains(u"has a trigger \"spy\""),
                 qPrintable(w.ui.lblStatus->text()));
        QCOMPARE(readFile(database), planted);
    }

    // What the tick answers is the session's; the window shows it.
    void showsTheLineAndTheTime() {
        TestWindow w;
        playSaved(w, {"zero|0", "one|2", "three|5"});
        w.tickAt(900);
        QCOMPARE(w.ui.lblTime->text() + w.ui.lblCurrentLyric->text(), QString());
        w.tickAt(2500);
        QCOMPARE(w.session().sheet().selected(), 2);
        QCOMPARE(w.ui.lblCurrentLyric->text(), QStringLiteral("one"));
        w.tickAt(65300);
        QCOMPARE(w.ui.lblCurrentLyric->text(), QStringLiteral("one"));
        QCOMPARE(w.ui.lblTime->text(), QStringLiteral("1:05 / 3:36"));
        QCOMPARE(w.ui.sldSong->Max(), 216.4);
        QCOMPARE(w.ui.sldSong->Value(), 65.0);
    }

    // A song of hours: the label holds every time it shows, and the slider keeps its length
    // as the song plays past the hour.
    void aSongOfHoursKeepsTheSliderItsLength() {
        TestWindow w;
        playSaved(w, {"one|1"});
        QVERIFY(w.shown());
        w.player->lengthMs = (10 * 3600 + 59 * 60 + 58) * 1000;
        w.tickAt(2000);
        QCoreApplication::processEvents();
        const int slider = w.ui.sldSong->width();
        for (const int ms : {59 * 60000 + 59000, 3600000, 10 * 3600000 + 59 * 60000 + 58000}) {
            w.tickAt(ms);
            QCoreApplication::processEvents();
            QCOMPARE(w.ui.sldSong->width(), slider);
            QVERIFY2(w.ui.lblTime->width() >= w.ui.lblTime->sizeHint().width(),
                     qPrintable(w.ui.lblTime->text()));
        }
        QCOMPARE(w.ui.lblTime->text(), QStringLiteral("10:59:58 / 10:59:58"));
    }

    // Another program takes the table away while the song plays, and puts it back.
    void aFailingLookupIsReportedOnceAndRetried() {
        TestWindow w;
        playSaved(w, {"one|1"});
        const QString database = w.session().databasePath();
        QCOMPARE(sqlRows(database, {QStringLiteral("ALTER TABLE Lyrics RENAME TO Away")}),
                 QStringList());
        w.tickAt(1000);
        QVERIFY2(w.ui.lblStatus->text().contains(u"has no table Lyrics"),
                 qPrintable(w.ui.lblStatus->text()));
        w.ui.lblStatus->setText(QStringLiteral("seen"));
        w.tickAt(1000);
        QCOMPARE(w.ui.lblStatus->text(), QStringLiteral("seen")); // not repeated every tick
        sqlRows(database, {QStringLiteral("ALTER TABLE Away RENAME TO Lyrics")});
        w.tickAt(1000);
        QCOMPARE(w.ui.lblCurrentLyric->text(), QStringLiteral("one"));
    }
};

QTEST_MAIN(DisplayTickTest)
#include "tst_DisplayTick.moc"
