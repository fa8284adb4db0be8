#include "support/Files.h"
#include "support/TestWindow.h"

#include "storage/Database.h"
#include "storage/DatabaseSchema.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

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
        QCOMPARE(w->songFile, path(song));
        QCOMPARE(lyricsTable(w->databasePath),
                 table.replaceInStrings(QStringLiteral("*"), path(song)));
    }

    void theTableFollowsTheFileNotTheSheet() {
        TestWindow w;
        save(w, QStringLiteral("first.mp3"), {QStringLiteral("saved|4")});
        w.setSheet({QStringLiteral("edited|8")});
        w->WriteLyricsToTempDB();
        QCOMPARE(lyricsTable(w->databasePath), QStringList{"1|" + path("first.mp3") + "|4|saved"});

        open(w, QStringLiteral("never saved.mp3")); // the next song has no file
        w->WriteLyricsToTempDB();
        QCOMPARE(lyricsTable(w->databasePath), QStringList());
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
        QCOMPARE(lyricsTable(w->databasePath),
                 QStringList({"1|" + song + "|3|a", "4|" + song + "|8|a", "6|" + song + "|0|"}));
    }

    void aMissingDatabaseIsReportedFirst() {
        TestWindow w;
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
