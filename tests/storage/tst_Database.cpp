#include "storage/Database.h"
#include "storage/DatabaseSchema.h"
#include "support/Files.h"
#include "support/Rows.h"
#include "support/TestWindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

class DatabaseTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString db() const { return dir.filePath(QStringLiteral("Velmora81.mdb")); }
    QTemporaryDir songs;

    // A window with the jukebox database in its program folder and a song in the file bar.
    void open(TestWindow& w, const QString& song) {
        const QString database = DatabasePathIn(w->platform().programFolder);
        if (!QFile::exists(database))
            CreateJukeboxDatabase(database);
        w->ui.songFolderBox->setText(songs.path() + QLatin1Char('/'));
        w->ui.songFileBox->setText(song);
        w->state.songFile.clear();
    }
    void save(TestWindow& w, const QString& song, const QStringList& rows) {
        open(w, song);
        w.setSheet(rows);
        w->cmdSave_Click();
        w->state.songFile.clear();
    }
    QString path(const QString& song) const { return songs.filePath(song); }

private slots:
    void init() {
        QFile::remove(db());
        CreateJukeboxDatabase(db());
    }

    void jetStatementsBecomeSQLite_data() {
        textColumns({"jet", "sqlite"});
        textRow("delete star", "DELETE * FROM Lyrics|DELETE FROM Lyrics");
        textRow("lower case, blanks", "  delete   *from Lyrics|  delete from Lyrics");
        textRow("table star", "DELETE Lyrics.* FROM Lyrics|DELETE FROM Lyrics");
        textRow("select star", "SELECT * FROM Lyrics |SELECT * FROM Lyrics ");
        textRow("inside a text", "INSERT INTO t VALUES ('DELETE * FROM x')|"
                                 "INSERT INTO t VALUES ('DELETE * FROM x')");
    }
    void jetStatementsBecomeSQLite() {
        QFETCH(QString, jet);
        QTEST(TranslateJetStatement(jet), "sqlite");
    }

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
        QVERIFY(ExecuteOnDatabase(db(), "DELETE * FROM Lyrics", {}));
        QVERIFY(ExecuteOnDatabase(
            db(), LyricsInsertStatement(std::int16_t(line), file, time, lyric), {}));
        ExecuteOnDatabase(db(), "INSERT INTO Lyrics VALUES (?, ?, ?, ?)", {1, file, 7, "bound"});
        // The display tick's own form of the lookup.
        Recordset found = QueryDatabase(
            db(), QString("SELECT * FROM Lyrics WHERE FileName = '%1' AND TimeMarker = %2 ")
                      .arg(SQLClean(file))
                      .arg(time));
        QCOMPARE(found.recordCount(), 1u);
        QStringList fields;
        for (const char* name : {"LineNumber", "FileName", "TimeMarker", "LyricLine"})
            fields << found.field(name).toString();
        QCOMPARE(fields, QStringList({QString::number(line), file, QString::number(time), lyric}));
        found.moveNext();
        QVERIFY(found.eof() && !found.field("LyricLine").isValid());
        QCOMPARE(QueryDatabase(db(), "SELECT * FROM Lyrics").recordCount(), 2u);
    }

    void aBatchKeepsTheRowsBeforeARefusedStatement() {
        ExecuteEachOnDatabase(db(), {QStringLiteral("DELETE * FROM Lyrics"),
                                     LyricsInsertStatement(1, QStringLiteral("a"), 1, {}),
                                     LyricsInsertStatement(2, QStringLiteral("a"), 2, {})});
        QCOMPARE(QueryDatabase(db(), QStringLiteral("SELECT * FROM Lyrics")).recordCount(), 2u);
        const QString message = failureOf([&] {
            ExecuteEachOnDatabase(db(), {LyricsInsertStatement(3, QStringLiteral("b"), 3, {}),
                                         QStringLiteral("INSERT INTO Nowhere VALUES (1)"),
                                         LyricsInsertStatement(4, QStringLiteral("b"), 4, {})});
        });
        QVERIFY2(message.contains(u"has no table Nowhere"), qPrintable(message));
        const Recordset rows =
            QueryDatabase(db(), QStringLiteral("SELECT * FROM Lyrics WHERE FileName = 'b'"));
        QCOMPARE(rows.recordCount(), 1u);
        QCOMPARE(rows.field(QStringLiteral("LineNumber")).toInt(), 3);
        QVERIFY(failureOf([&] {
                    ExecuteEachOnDatabase(dir.filePath(QStringLiteral("none.mdb")), {});
                }).contains(u"not found"));
    }

    void theTickLookupUsesTheIndex() {
        const Recordset plan = QueryDatabase(db(), "EXPLAIN QUERY PLAN SELECT * FROM Lyrics WHERE "
                                                   "FileName = 'x' AND TimeMarker = 42 ");
        QVERIFY(plan.field("detail").toString().contains(u"LyricsByFileAndTime"));
    }

    // What Play meets is in the bad-input suite; these are the lookups' own failures.
    void failuresSayWhatToDo_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("message");
        QTest::newRow("no column") << "SELECT * FROM Lyrics WHERE TimeMarker = 1 "
                                   << "lacks the column TimeMarker";
        QTest::newRow("rejected") << "SELEKT 1"
                                  << "refused \"SELEKT 1\"";
    }
    void failuresSayWhatToDo() {
        QFETCH(QString, sql);
        QFETCH(QString, message);
        ExecuteOnDatabase(db(), "DROP TABLE Lyrics", {});
        ExecuteOnDatabase(db(), "CREATE TABLE Lyrics (LineNumber, FileName)", {});
        const QString onQuery = failureOf([&] { QueryDatabase(db(), sql); });
        QVERIFY2(onQuery.contains(message) && onQuery.contains(db()), qPrintable(onQuery));
        QVERIFY(failureOf([&] { ExecuteOnDatabase(db(), sql, {}); }).contains(message));
    }

    // Another program's write lock costs the display tick a few milliseconds, not the busy
    // timeout that Play waits: the tick says why it shows nothing and recovers after the lock.
    void aLockedDatabaseNeverStallsTheTick() {
        TestWindow w;
        save(w, QStringLiteral("t.mp3"), {QStringLiteral("one|1")});
        w->cmdPlay_Click();
        {
            QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "tick");
            holder.setDatabaseName(w->state.databasePath);
            QVERIFY(holder.open() && QSqlQuery(holder).exec(QStringLiteral("BEGIN EXCLUSIVE")));
            for (int tick = 0; tick < 5; ++tick) {
                QElapsedTimer clock;
                clock.start();
                w.tickAt(1000);
                QVERIFY2(clock.elapsed() < 200, qPrintable(QString::number(clock.elapsed())));
            }
            QVERIFY2(w->ui.lblStatus->text().contains(u"is locked by another program"),
                     qPrintable(w->ui.lblStatus->text()));
            QSqlQuery(holder).exec(QStringLiteral("ROLLBACK"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("tick"));
        w.tickAt(1000);
        QCOMPARE(w->ui.lblCurrentLyric->text(), QStringLiteral("one"));
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
        QTest::newRow("apostrophes")
            << "O'Brien's.mp3" << QStringList{"It's me|75"} << QStringList{"1|*|75|It's me"};
    }
    void theTableHoldsTheSavedMarkedLines() {
        QFETCH(QString, song);
        QFETCH(QStringList, sheet);
        QFETCH(QStringList, table);
        TestWindow w;
        save(w, song, sheet);
        w->WriteLyricsToTempDB();
        QCOMPARE(w->state.songFile, path(song));
        QCOMPARE(lyricsTable(w->state.databasePath),
                 table.replaceInStrings(QStringLiteral("*"), path(song)));
    }

    void theTableFollowsTheFileNotTheSheet() {
        TestWindow w;
        save(w, QStringLiteral("first.mp3"), {QStringLiteral("saved|4")});
        w.setSheet({QStringLiteral("edited|8")});
        w->WriteLyricsToTempDB();
        QCOMPARE(lyricsTable(w->state.databasePath),
                 QStringList{"1|" + path("first.mp3") + "|4|saved"});

        open(w, QStringLiteral("never saved.mp3")); // the next song has no file
        w->WriteLyricsToTempDB();
        QCOMPARE(lyricsTable(w->state.databasePath), QStringList());
    }

    // Values carry over from the line before; a new LineNumber starts a line afresh.
    void handWrittenFilesCarryValuesOver() {
        TestWindow w;
        open(w, QStringLiteral("h.mp3"));
        writeFile(path(QStringLiteral("h.xml")),
                  "<S><Y><L><LineNumber>1</LineNumber><TimeMarker>3</TimeMarker><LyricLine>a"
                  "</LyricLine></L><L><LineNumber>4</LineNumber><TimeMarker></TimeMarker>"
                  "<LyricLine>x</LyricLine></L><L><TimeMarker>8</TimeMarker></L><L><Other/>"
                  "<LineNumber>6</LineNumber></L></Y></S>");
        ExecuteOnDatabase(DatabasePathIn(w->platform().programFolder),
                          LyricsInsertStatement(9, {}, 9, QStringLiteral("earlier song")), {});
        w->WriteLyricsToTempDB();
        const QString song = path("h.mp3");
        QCOMPARE(lyricsTable(w->state.databasePath),
                 QStringList({"1|" + song + "|3|a", "4|" + song + "|8|a", "6|" + song + "|0|"}));
    }
};

QTEST_MAIN(DatabaseTest)
#include "tst_Database.moc"
