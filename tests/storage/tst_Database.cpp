#include "storage/Database.h"
#include "storage/DatabaseSchema.h"
#include "window/Failure.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

QString failureOf(const std::function<void()>& work) {
    try {
        work();
    } catch (const VersettaError& error) {
        return error.message();
    }
    return QStringLiteral("(no failure)");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class DatabaseTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString db() const { return dir.filePath(QStringLiteral("Velmora81.mdb")); }

private slots:
    void init() {
        QDir(db()).removeRecursively(); // the folder case leaves one behind
        QFile::remove(db());
        CreateJukeboxDatabase(db());
    }

    void sqlCleanDoublesEverySingleQuote_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cleaned");
        QTest::newRow("none") << "Hello"
                              << "Hello";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("one") << "'"
                             << "''";
        QTest::newRow("two") << "''"
                             << "''''";
        QTest::newRow("O'Brien") << "O'Brien"
                                 << "O''Brien";
        QTest::newRow("ends") << "'a'"
                              << "''a''";
        QTest::newRow("others untouched") << "\"Café\" \\ %_;"
                                          << "\"Café\" \\ %_;";
    }
    void sqlCleanDoublesEverySingleQuote() {
        QFETCH(QString, text);
        QTEST(SQLClean(text), "cleaned");
    }

    void jetStatementsBecomeSQLite_data() {
        QTest::addColumn<QString>("jet");
        QTest::addColumn<QString>("sqlite");
        QTest::newRow("delete star") << "DELETE * FROM Lyrics"
                                     << "DELETE FROM Lyrics";
        QTest::newRow("lower case") << "delete * from Lyrics"
                                    << "delete from Lyrics";
        QTest::newRow("blanks") << "  DELETE   *FROM Lyrics"
                                << "  DELETE FROM Lyrics";
        QTest::newRow("table star") << "DELETE Lyrics.* FROM Lyrics"
                                    << "DELETE FROM Lyrics";
        QTest::newRow("plain delete") << "DELETE FROM Lyrics"
                                      << "DELETE FROM Lyrics";
        QTest::newRow("select star") << "SELECT * FROM Lyrics "
                                     << "SELECT * FROM Lyrics ";
        const QString quoted = QStringLiteral("INSERT INTO t VALUES ('DELETE * FROM x')");
        QTest::newRow("inside a text") << quoted << quoted;
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
        QTest::newRow("plain") << "/m/a.mp3"
                               << "Hello" << 1 << 42;
        QTest::newRow("quotes") << "/m/O'Brien's.mp3"
                                << "It's 'me' \"too\"" << 3 << 75;
        QTest::newRow("non-ASCII") << "/müsik/Café.mp3"
                                   << "日本語 ✓ 😀" << 2 << 0;
        QTest::newRow("extremes") << "x"
                                  << "" << -32768 << 2147483647;
        QTest::newRow("long lyric") << "/m/l.mp3" << QString(10000, u'\'').replace(5000, 1, u'é')
                                    << 32767 << -2147483647 - 1;
    }
    void valuesComeBackExactly() {
        QFETCH(QString, file);
        QFETCH(QString, lyric);
        QFETCH(int, line);
        QFETCH(int, time);
        QVERIFY(ExecuteOnDatabase(
            db(), LyricsInsertStatement(std::int16_t(line), file, time, lyric), {}));
        // The display tick's own form of the lookup.
        Recordset found = QueryDatabase(db(), QStringLiteral("SELECT * FROM Lyrics WHERE FileName "
                                                             "= '%1' AND TimeMarker = %2 ")
                                                  .arg(SQLClean(file))
                                                  .arg(time));
        QCOMPARE(found.recordCount(), 1u);
        QVERIFY(!found.bof() && !found.eof());
        QCOMPARE(found.field(QStringLiteral("LyricLine")).toString(), lyric);
        QCOMPARE(found.field(QStringLiteral("FileName")).toString(), file);
        QCOMPARE(found.field(QStringLiteral("LineNumber")).toInt(), line);
        QCOMPARE(found.field(QStringLiteral("TimeMarker")).toInt(), time);
        found.moveNext();
        QVERIFY(found.eof() && !found.field(QStringLiteral("LyricLine")).isValid());
    }

    void deleteStarEmptiesTheTableAndAnswersTrue() {
        QVERIFY(ExecuteOnDatabase(db(), QStringLiteral("DELETE * FROM Lyrics"), {}));
        ExecuteOnDatabase(db(), LyricsInsertStatement(1, QStringLiteral("a"), 1, {}), {});
        ExecuteOnDatabase(db(), QStringLiteral("INSERT INTO Lyrics VALUES (?, ?, ?, ?)"),
                          {2, QStringLiteral("b'c"), 7, QStringLiteral("bound")});
        QCOMPARE(QueryDatabase(db(), QStringLiteral("SELECT * FROM Lyrics")).recordCount(), 2u);
        QVERIFY(ExecuteOnDatabase(db(), QStringLiteral("DELETE * FROM Lyrics"), {}));
        const Recordset none = QueryDatabase(db(), QStringLiteral("SELECT * FROM Lyrics"));
        QVERIFY(none.bof() && none.eof());
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
        const Recordset plan = QueryDatabase(
            db(), QStringLiteral("EXPLAIN QUERY PLAN SELECT * FROM Lyrics WHERE FileName = 'x' "
                                 "AND TimeMarker = 42 "));
        QVERIFY(plan.field(QStringLiteral("detail")).toString().contains(u"LyricsByFileAndTime"));
    }

    void failuresSayWhatToDo_data() {
        QTest::addColumn<QByteArray>("contents"); // "-" no file, "/" a folder
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("message");
        const QString select = QStringLiteral("SELECT * FROM Lyrics WHERE TimeMarker = 1 ");
        const QByteArray jet = QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + "rest";
        const QByteArray ace = QByteArray("\x00\x01\x00\x00Standard ACE DB\x00", 20) + "rest";
        QTest::newRow("missing") << QByteArray("-") << select << "not found; create it with";
        QTest::newRow("folder") << QByteArray("/") << select << "is a folder";
        QTest::newRow("jet") << jet << select << "is an Access (Jet) database";
        QTest::newRow("ace") << ace << select << "is an Access (Jet) database";
        QTest::newRow("text") << QByteArray(2048, 'x') << select << "is not a database";
        QTest::newRow("no table") << QByteArray() << select << "has no table Lyrics";
        QTest::newRow("no column") << QByteArray("=") << select << "lacks the column TimeMarker";
        QTest::newRow("rejected") << QByteArray("=") << "SELEKT 1"
                                  << "refused \"SELEKT 1\"";
    }
    void failuresSayWhatToDo() {
        QFETCH(QByteArray, contents);
        QFETCH(QString, sql);
        QFETCH(QString, message);
        QFile::remove(db());
        if (contents == "/") {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Velmora81.mdb")));
        } else if (contents == "=") { // a Lyrics table of another shape
            CreateJukeboxDatabase(db());
            ExecuteOnDatabase(db(), QStringLiteral("DROP TABLE Lyrics"), {});
            ExecuteOnDatabase(db(), QStringLiteral("CREATE TABLE Lyrics (LineNumber, FileName)"),
                              {});
        } else if (contents != "-") {
            writeFile(db(), contents);
        }
        const QString onQuery = failureOf([&] { QueryDatabase(db(), sql); });
        const QString onCommand = failureOf([&] { ExecuteOnDatabase(db(), sql, {}); });
        QVERIFY2(onQuery.contains(message) && onQuery.contains(db()), qPrintable(onQuery));
        QVERIFY2(onCommand.contains(message), qPrintable(onCommand));
        if (contents == "-")
            QVERIFY(!QFile::exists(db())); // the jukebox's file is never made here
        else if (contents != "/" && contents != "=")
            QCOMPARE(QFile(db()).size(), qint64(contents.size()));
        QVERIFY(failureOf([] {
                    QueryDatabase(QString(), QStringLiteral("SELECT 1"));
                }).contains(u"No jukebox database"));
    }

    void aReadOnlyDatabaseIsReported() {
        QFile::setPermissions(db(), QFile::ReadOwner | QFile::ReadUser);
        if (QFile(db()).open(QIODevice::ReadWrite))
            QSKIP("this user writes into read-only files");
        const QString message =
            failureOf([&] { ExecuteOnDatabase(db(), LyricsInsertStatement(1, {}, 1, {}), {}); });
        QVERIFY2(message.contains(u"is read-only"), qPrintable(message));
    }

    void aLockedDatabaseIsReportedAfterWaiting() {
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "holder");
        holder.setDatabaseName(db());
        QVERIFY(holder.open());
        QSqlQuery(holder).exec(QStringLiteral("BEGIN EXCLUSIVE"));
        const QString message =
            failureOf([&] { ExecuteOnDatabase(db(), LyricsInsertStatement(1, {}, 1, {}), {}); });
        QSqlQuery(holder).exec(QStringLiteral("ROLLBACK"));
        holder.close();
        holder = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
        QVERIFY2(message.contains(u"is locked by another program"), qPrintable(message));
    }

    void setupNeverTouchesAnExistingFile() {
        writeFile(db(), "the jukebox's own data");
        QVERIFY(failureOf([&] { CreateJukeboxDatabase(db()); }).contains(u"already exists"));
        QFile file(db());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("the jukebox's own data"));
        QCOMPARE(JukeboxDatabaseFileFor(dir.path()), db());
    }
};

QTEST_MAIN(DatabaseTest)
#include "tst_Database.moc"
