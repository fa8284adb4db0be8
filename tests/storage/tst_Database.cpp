#include "storage/Database.h"
#include "storage/DatabaseSchema.h"
#include "support/Files.h"
#include "support/Rows.h"
#include "support/Sql.h"
#include "support/TestSession.h"
#include "support/TestWindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

class DatabaseTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString db() const { return dir.filePath(QStringLiteral("Velmora81.mdb")); }

private slots:
    void init() {
        QFile::remove(db());
        CreateJukeboxDatabase(db());
    }

    // What the fill writes, the jukebox and the tick's lookup read back unchanged.
    void valuesComeBackExactly_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("lyric");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("time");
        QTest::newRow("quotes") << "/m/O'Brien's.mp3" << QString("It's 'me' \"too\"") << 3 << 75;
        QTest::newRow("non-ASCII") << "/müsik/Café.mp3" << QString("日本語 ✓ 😀") << 2 << 0;
        QTest::newRow("long lyric, extremes")
            << "x" << QString(10000, u'\'').replace(5000, 1, u'é') << -32768 << -2147483647 - 1;
    }
    void valuesComeBackExactly() {
        QFETCH(QString, file);
        QFETCH(QString, lyric);
        QFETCH(int, line);
        QFETCH(int, time);
        PreviewTable table;
        const PreviewRow row{std::int16_t(line), time, lyric};
        table.refill(db(), file, [&] { return std::vector<PreviewRow>{row, {1, 7, "other"}}; });
        QCOMPARE(
            lyricsTable(db()).value(0),
            QStringList({QString::number(line), file, QString::number(time), lyric}).join(u'|'));
        QCOMPARE(table.find(db(), file, time, kBusyTimeoutMs), std::optional<PreviewRow>(row));
        QVERIFY(!table.find(db(), file + "x", time, kBusyTimeoutMs));
    }

    // A fill that fails part way keeps the emptied table and the rows before the failure.
    void aFailedFillKeepsTheRowsBeforeIt_data() {
        QTest::addColumn<bool>("rowsThrow");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("table");
        QTest::newRow("a row refused")
            << false << "refused \"INSERT INTO Lyrics" << QStringList{"1|s|1|kept"};
        QTest::newRow("the rows not read") << true << "unreadable" << QStringList();
    }
    void aFailedFillKeepsTheRowsBeforeIt() {
        QFETCH(bool, rowsThrow);
        QCOMPARE(
            sqlRows(db(), {"DROP TABLE Lyrics",
                           "CREATE TABLE Lyrics (LineNumber INTEGER, FileName TEXT, TimeMarker "
                           "INTEGER, LyricLine TEXT CHECK (LyricLine <> 'refused'))",
                           "INSERT INTO Lyrics VALUES (9, 'earlier', 9, 'earlier song')"}),
            QStringList());
        PreviewTable table;
        const QString failure = failureOf([&] {
            table.refill(db(), "s", [&] {
                if (rowsThrow)
                    throw VersettaError("unreadable");
                return std::vector<PreviewRow>{{1, 1, "kept"}, {2, 2, "refused"}, {3, 3, "no"}};
            });
        });
        QFETCH(QString, message);
        QVERIFY2(failure.contains(message), qPrintable(failure));
        QTEST(lyricsTable(db()), "table");
    }

    void theTickLookupUsesTheIndex() {
        QVERIFY(sqlRows(db(), {"EXPLAIN QUERY PLAN SELECT LineNumber, LyricLine FROM Lyrics "
                               "WHERE FileName = 'x' AND TimeMarker = 42"})
                    .join(u'\n')
                    .contains(u"LyricsByFileAndTime"));
    }

    // What Play meets is in the bad-input suite; these are the lookup's own failures.
    void lookupFailuresSayWhatToDo_data() {
        textColumns({"schema", "message"});
        textRow("no table", "CREATE TABLE Other (x)|has no table Lyrics");
        textRow("a column missing", "CREATE TABLE Lyrics (LineNumber, FileName)|lacks the column");
    }
    void lookupFailuresSayWhatToDo() {
        QFETCH(QString, schema);
        QFETCH(QString, message);
        QCOMPARE(sqlRows(db(), {"DROP TABLE Lyrics", schema}), QStringList());
        PreviewTable table;
        const QString failure = failureOf([&] { table.find(db(), "x", 1, kBusyTimeoutMs); });
        QVERIFY2(failure.contains(message) && failure.contains(db()), qPrintable(failure));
    }

    // Another program's write lock costs the display tick a few milliseconds, not the busy
    // timeout that Play waits: the tick says why it shows nothing and recovers after the lock.
    void aLockedDatabaseNeverStallsTheTick() {
        TestWindow w;
        w.createDatabase();
        w.showSong(w.programFolder.path() + "/", "t.mp3");
        w.setSheet({"one|1"});
        w.save();
        w.ui.cmdPlay->click();
        {
            QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "tick");
            holder.setDatabaseName(w.session().databasePath());
            QVERIFY(holder.open() && QSqlQuery(holder).exec(QStringLiteral("BEGIN EXCLUSIVE")));
            for (int tick = 0; tick < 5; ++tick) {
                QElapsedTimer clock;
                clock.start();
                w.tickAt(1000);
                QVERIFY2(clock.elapsed() < 200, qPrintable(QString::number(clock.elapsed())));
            }
            QVERIFY2(w.ui.lblStatus->text().contains(u"is locked by another program"),
                     qPrintable(w.ui.lblStatus->text()));
            QSqlQuery(holder).exec(QStringLiteral("ROLLBACK"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("tick"));
        w.tickAt(1000);
        QCOMPARE(w.ui.lblCurrentLyric->text(), QStringLiteral("one"));
    }

    void setupNeverTouchesAnExistingFile() {
        writeFile(db(), "the jukebox's own data");
        QVERIFY(failureOf([&] { CreateJukeboxDatabase(db()); }).contains(u"already exists"));
        QCOMPARE(readFile(db()), QByteArray("the jukebox's own data"));
    }

    void theTableHoldsTheSavedMarkedLines_data() {
        QTest::addColumn<QString>("song");
        QTest::addColumn<QStringList>("sheet");
        QTest::addColumn<QStringList>("table"); // "*" stands for the song's path
        QTest::newRow("two of three marked, a blank lyric")
            << "a.mp3" << QStringList{"One|5", "Two|", "Three|9", "|3"}
            << QStringList{"1|*|5|One", "3|*|9|Three", "4|*|3|"};
        QTest::newRow("time 0 and rounding")
            << "a.mp3" << QStringList{"zero|0", "half|12.5", "neg|-2"}
            << QStringList{"1|*|0|zero", "2|*|12|half", "3|*|-2|neg"};
    }
    void theTableHoldsTheSavedMarkedLines() {
        QFETCH(QString, song);
        QFETCH(QStringList, sheet);
        QFETCH(QStringList, table);
        TestSession s;
        CreateJukeboxDatabase(s.session.databasePath());
        s.session.choose(s.path(song));
        loadSheet(s.sheet, sheet);
        s.session.saveLyricsFile();
        s.session.fillPreview();
        QCOMPARE(lyricsTable(s.session.databasePath()), table.replaceInStrings("*", s.path(song)));
    }

    // Values carry over from the line before; a new LineNumber starts a line afresh.
    void handWrittenFilesCarryValuesOver() {
        TestSession s;
        CreateJukeboxDatabase(s.session.databasePath());
        s.session.choose(s.path("h.mp3"));
        writeFile(s.path("h.xml"),
                  "<S><Y><L><LineNumber>1</LineNumber><TimeMarker>3</TimeMarker><LyricLine>a"
                  "</LyricLine></L><L><LineNumber>4</LineNumber><TimeMarker></TimeMarker>"
                  "<LyricLine>x</LyricLine></L><L><TimeMarker>8</TimeMarker></L><L><Other/>"
                  "<LineNumber>6</LineNumber></L></Y></S>");
        sqlRows(s.session.databasePath(), {"INSERT INTO Lyrics VALUES (9, '', 9, 'earlier song')"});
        s.session.fillPreview();
        const QString song = s.path("h.mp3");
        QCOMPARE(lyricsTable(s.session.databasePath()),
                 QStringList({"1|" + song + "|3|a", "4|" + song + "|8|a", "6|" + song + "|0|"}));
    }
};

QTEST_MAIN(DatabaseTest)
#include "tst_Database.moc"
