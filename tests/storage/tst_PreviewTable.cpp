#include "support/TestWindow.h"

#include "storage/Database.h"
#include "storage/DatabaseSchema.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

// The Lyrics table as "LineNumber|FileName|TimeMarker|LyricLine", in the order written.
QStringList tableOf(const TestWindow& w) {
    QStringList rows;
    for (Recordset rs = w->GetRecordset(QStringLiteral("SELECT * FROM Lyrics ORDER BY rowid"));
         !rs.eof(); rs.moveNext())
        rows << QStringList{rs.field(QStringLiteral("LineNumber")).toString(),
                            rs.field(QStringLiteral("FileName")).toString(),
                            rs.field(QStringLiteral("TimeMarker")).toString(),
                            rs.field(QStringLiteral("LyricLine")).toString()}
                    .join(u'|');
    return rows;
}

} // namespace

class PreviewTableTest : public QObject {
    Q_OBJECT
    QTemporaryDir songs;

    // A window with the jukebox database in its program folder and a song in the file bar.
    void open(TestWindow& w, const QString& song) {
        const QString database = DatabasePathIn(w->platform().programFolder);
        if (!QFile::exists(database))
            CreateJukeboxDatabase(database);
        w->Text1->setText(songs.path() + QLatin1Char('/'));
        w->Text2->setText(song);
        w->songFile.clear();
    }
    void save(TestWindow& w, const QString& song, const QStringList& rows) {
        open(w, song);
        w.setSheet(rows);
        w->cmdSave_Click();
        w->songFile.clear();
    }
    QString path(const QString& song) const { return songs.filePath(song); }

private slots:
    void theTableHoldsTheSavedMarkedLines_data() {
        QTest::addColumn<QString>("song");
        QTest::addColumn<QStringList>("sheet");
        QTest::addColumn<QStringList>("table"); // "*" stands for the song's path
        QTest::newRow("two of three marked") << "a.mp3" << QStringList{"One|5", "Two|", "Three|9"}
                                             << QStringList{"1|*|5|One", "3|*|9|Three"};
        QTest::newRow("time 0 and rounding")
            << "a.mp3" << QStringList{"zero|0", "half|12.5", "neg|-2"}
            << QStringList{"1|*|0|zero", "2|*|12|half", "3|*|-2|neg"};
        QTest::newRow("apostrophes")
            << "O'Brien's.mp3" << QStringList{"It's me|75"} << QStringList{"1|*|75|It's me"};
        QTest::newRow("blank lyric") << "b.mp3" << QStringList{"|3"} << QStringList{"1|*|3|"};
    }
    void theTableHoldsTheSavedMarkedLines() {
        QFETCH(QString, song);
        QFETCH(QStringList, sheet);
        QFETCH(QStringList, table);
        TestWindow w;
        save(w, song, sheet);
        w->WriteLyricsToTempDB();
        QCOMPARE(w->songFile, path(song));
        QCOMPARE(tableOf(w), table.replaceInStrings(QStringLiteral("*"), path(song)));
        w->WriteLyricsToTempDB(); // Play, Pause, Play
        QCOMPARE(tableOf(w), table);
        // The display tick finds its line the way it asks for it.
        const Recordset tick = w->GetRecordset(
            QStringLiteral("SELECT * FROM Lyrics WHERE FileName = '%1' AND TimeMarker = %2 ")
                .arg(w->SQLClean(w->songFile), table.first().section(u'|', -2, -2)));
        QCOMPARE(tick.field(QStringLiteral("LyricLine")).toString(),
                 table.first().section(u'|', -1));
    }

    void theTableFollowsTheFileNotTheSheet() {
        TestWindow w;
        save(w, QStringLiteral("first.mp3"), {QStringLiteral("saved|4")});
        w.setSheet({QStringLiteral("edited|8")});
        w->WriteLyricsToTempDB();
        QCOMPARE(tableOf(w), QStringList{"1|" + path("first.mp3") + "|4|saved"});

        open(w, QStringLiteral("never saved.mp3")); // the next song has no file
        w->WriteLyricsToTempDB();
        QCOMPARE(tableOf(w), QStringList());
    }

    void handWrittenFiles_data() {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QStringList>("table"); // "*" stands for the song's path
        QTest::addColumn<QString>("status");
        const auto line = [](const char* n, const char* t, const char* l) {
            return QStringLiteral("<L><LineNumber>%1</LineNumber><TimeMarker>%2</TimeMarker>"
                                  "<LyricLine>%3</LyricLine></L>")
                .arg(QLatin1String(n), QLatin1String(t), QLatin1String(l))
                .toUtf8();
        };
        QTest::newRow("carry over and reset")
            << "<S><Y>" + line("1", "3", "a") + line("4", "", "x") +
                   "<L><TimeMarker>8</TimeMarker></L><L><Other/><LineNumber>6</LineNumber></L></Y>"
                   "</S>"
            << QStringList{"1|*|3|a", "4|*|8|a", "6|*|0|"} << "";
        QTest::newRow("bad line number")
            << "<S><Y>" + line("1", "2", "a") + line("40000", "3", "b") + line("3", "4", "c") +
                   "</Y></S>"
            << QStringList{"1|*|2|a"} << "the LineNumber \"40000\" is not a whole number";
        QTest::newRow("not well-formed") << "<S><Y>" + line("1", "2", "a") << QStringList{} << "";
    }
    void handWrittenFiles() {
        QFETCH(QByteArray, xml);
        QFETCH(QStringList, table);
        QFETCH(QString, status);
        TestWindow w;
        open(w, QStringLiteral("h.mp3"));
        QFile file(path(QStringLiteral("h.xml")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(xml);
        file.close();
        ExecuteOnDatabase(DatabasePathIn(w->platform().programFolder),
                          LyricsInsertStatement(9, {}, 9, QStringLiteral("earlier song")), {});
        w->guarded("Play", [&] { w->WriteLyricsToTempDB(); });
        QVERIFY2(w->lblStatus->text().contains(status), qPrintable(w->lblStatus->text()));
        QCOMPARE(tableOf(w), table.replaceInStrings(QStringLiteral("*"), path("h.mp3")));
    }

    void aMissingDatabaseIsReportedFirst() {
        TestWindow w;
        QVERIFY_THROWS_EXCEPTION(VersettaError, w->GetRecordset(QStringLiteral("SELECT 1")));
        QVERIFY_THROWS_EXCEPTION(VersettaError,
                                 w->ExecuteSQLCommand(QStringLiteral("SELECT 1"), {}));
        w->Text1->setText(songs.path() + QLatin1Char('/'));
        w->Text2->setText(QStringLiteral("x.mp3"));
        w->guarded("Play", [&] { w->WriteLyricsToTempDB(); });
        QVERIFY2(w->lblStatus->text().startsWith(w->databasePath + QStringLiteral(" not found")),
                 qPrintable(w->lblStatus->text()));
        QVERIFY(!QFile::exists(w->databasePath));
    }
};

QTEST_MAIN(PreviewTableTest)
#include "tst_PreviewTable.moc"
