#include "support/TestWindow.h"

#include "playback/SongSlider.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// The tick shows the time, moves the slider and previews the line of the current second,
// read from the jukebox database that Play filled from the saved file.
class DisplayTickTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_music;

    // Opens a song, saves the sheet as its lyrics file and presses Play.
    void playSaved(TestWindow& w, const QStringList& rows,
                   const QString& name = QStringLiteral("Song.mp3")) {
        w.createDatabase();
        const QString xml = m_music.filePath(QFileInfo(name).completeBaseName() + ".xml");
        QFile::remove(xml);
        w.openAnswers << m_music.filePath(name);
        w->cmdOpen->click();
        w.setSheet(rows);
        w->cmdSave->setEnabled(true);
        w->cmdSave->click();
        QVERIFY(QFile::exists(xml));
        w.player->lengthMs = 216400;
        w->lblStatus->clear();
        w->cmdPlay->click();
        QCOMPARE(w->lblStatus->text(), QString());
    }
    static void tickAt(TestWindow& w, int ms) {
        w.player->positionMs = ms;
        w->Timer1_Timer();
    }

    static int previewRows(const QString& database, const QString& sql) {
        int rows = -1;
        {
            auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("peek"));
            db.setDatabaseName(database);
            if (db.open()) {
                QSqlQuery query(db);
                query.exec(sql);
                rows = query.next() ? query.value(0).toInt() : 0;
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("peek"));
        return rows;
    }

private slots:
    void everyPlayPressRefillsThePreview() {
        TestWindow w;
        playSaved(w, {"one|1", "two", "three|3"});
        const QString count = QStringLiteral("SELECT COUNT(*) FROM Lyrics");
        QCOMPARE(previewRows(w->databasePath, count), 2);
        previewRows(w->databasePath, QStringLiteral("DELETE FROM Lyrics"));
        w->cmdPlay->click(); // pause: the table is not touched
        QCOMPARE(previewRows(w->databasePath, count), 0);
        w->cmdPlay->click(); // resume: filled again
        QCOMPARE(previewRows(w->databasePath, count), 2);
        QCOMPARE(w.player->count("LoadSong"), 1);
    }

    void idleTicksChangeNothing() {
        TestWindow w;
        w->lblTime->setText(QStringLiteral("0:00 / 0:04"));
        tickAt(w, 65000);
        QCOMPARE(w->lblTime->text(), QStringLiteral("0:00 / 0:04"));
        QCOMPARE(w.player->calls, QStringList());
    }

    void showsTimeAndMovesTheSlider() {
        TestWindow w;
        playSaved(w, {"one|70"});
        tickAt(w, 900);
        QCOMPARE(w->lblTime->text(), QString()); // the first second shows no time
        tickAt(w, 65300);
        QCOMPARE(w->lblTime->text(), QStringLiteral("1:05 / 3:36"));
        QCOMPARE(w->sldSong->Max(), 216.4);
        QCOMPARE(w->sldSong->Value(), 65.0);
    }

    void previewsTheLineOfTheCurrentSecond() {
        TestWindow w;
        playSaved(w, {"zero|0", "one|2", "|", "three|5", "four|5", "five|7"});
        tickAt(w, 0);
        QCOMPARE(w->lblCurrentLyric->text(), QString()); // second 0 is never shown
        tickAt(w, 2500);
        QCOMPARE(w->selectedRow(), 2);
        QCOMPARE(w->lblCurrentLyric->text(), QStringLiteral("one"));
        QCOMPARE(w->currentLine, 2);
        tickAt(w, 3100); // nothing stamped at 3: the last line stays
        QCOMPARE(w->selectedRow(), 2);
        QCOMPARE(w->lblCurrentLyric->text(), QStringLiteral("one"));
        tickAt(w, 5000); // two lines in one second: the first the database returns
        QCOMPARE(w->lblCurrentLyric->text(), QStringLiteral("three"));
        QCOMPARE(w->selectedRow(), 4);

        w->cmdPlay->click(); // paused at 5: the lookup repeats on every tick
        w->lblCurrentLyric->clear();
        tickAt(w, 5000);
        QCOMPARE(w->lblCurrentLyric->text(), QStringLiteral("three"));
        QCOMPARE(w->lblTime->text(), QStringLiteral("0:05 / 3:36"));
    }

    void anEmptyLyricMovesOnlyTheCursor() {
        TestWindow w;
        playSaved(w, {"one|1", "|2", "three|3"});
        tickAt(w, 1000);
        tickAt(w, 2000);
        QCOMPARE(w->currentLine, 2);
        QCOMPARE(w->selectedRow(), 1);
        QCOMPARE(w->lblCurrentLyric->text(), QStringLiteral("one"));
    }

    void blankRowsInsertedSinceTheSaveAreSteppedOver() {
        TestWindow w;
        playSaved(w, {"one|1", "two|2", "three|3"});
        w->cmdPlay->click(); // pause and edit without saving
        w->insertRow(2, {QStringLiteral("2"), QStringLiteral("  "), {}, {}});
        w->insertRow(2, {QStringLiteral("2"), QString(), {}, {}});
        w->cmdPlay->click();
        tickAt(w, 2000);
        QCOMPARE(w->selectedRow(), 4);
        QCOMPARE(w->lineOffset, 2);
        QCOMPARE(w->lblCurrentLyric->text(), QStringLiteral("two"));
        tickAt(w, 3000); // the offset is remembered
        QCOMPARE(w->selectedRow(), 5);
        QCOMPARE(w->lineOffset, 2);
    }

    void aWalkPastTheLastRowLeavesTheSheetAlone() {
        TestWindow w;
        playSaved(w, {"one|1", "two|2", "three|3"});
        w->cmdPlay->click();
        w->removeRow(3);
        w->setCell(2, frmSychLyrics::ColLyric, QString());
        w->selectRow(1, false);
        w->cmdPlay->click();
        const QStringList before = w.sheet();
        tickAt(w, 3000);
        tickAt(w, 2000);
        QCOMPARE(w.sheet(), before);
        QCOMPARE(w->lineOffset, 0);
        QCOMPARE(w->lblCurrentLyric->text(), QString());
    }

    void aPathWithAnApostropheFindsItsLines() {
        TestWindow w;
        playSaved(w, {"it's me|4"}, QStringLiteral("Don't Stop.mp3"));
        tickAt(w, 4000);
        QCOMPARE(w->lblCurrentLyric->text(), QStringLiteral("it's me"));
    }

    void aFailingLookupIsReportedOnceAndRetried() {
        TestWindow w;
        playSaved(w, {"one|1"});
        const QString database = w->databasePath;
        QVERIFY(QFile::rename(database, database + ".away"));
        tickAt(w, 1000);
        const QString failure = w->lblStatus->text();
        QVERIFY2(failure.contains(u"not found"), qPrintable(failure));
        w->lblStatus->setText(QStringLiteral("seen"));
        tickAt(w, 1000);
        QCOMPARE(w->lblStatus->text(), QStringLiteral("seen")); // not repeated every tick
        QVERIFY(QFile::rename(database + ".away", database));
        tickAt(w, 1000);
        QCOMPARE(w->lblCurrentLyric->text(), QStringLiteral("one"));
    }
};

QTEST_MAIN(DisplayTickTest)
#include "tst_DisplayTick.moc"
