// The jukebox database and the disk in every bad state, met by the Play press and by both
// saves of the real window: each ends in a status message naming the problem, and the files
// that were there before stay byte for byte as they were.

#include "badinput/BadInput.h"

#include "sources/SongFiles.h"
#include "support/Rows.h"
#include "support/Sql.h"

#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <optional>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace badinput;

namespace {

const QByteArray kOldLyrics =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\r\n<SynchronizedLyrics "
    "Title=\"\" Artist=\"\" Filename=\"Song.mp3\">\r\n<LYRICS>\r\n  <LINE>\r\n    <LineNumber>1"
    "</LineNumber>\r\n    <TimeMarker>1</TimeMarker>\r\n    <LyricLine>saved before</LyricLine>"
    "\r\n  </LINE>\r\n</LYRICS>\r\n</SynchronizedLyrics>\r\n";

QByteArray oldSong() {
    return songs::tag(3, {songs::lyricsFrame(3, songs::Latin1, "old words")}) + songs::toneBytes();
}

// A song with its saved lyrics in a folder of its own, opened in a window whose program
// folder holds a good jukebox database.
struct Library {
    Library() {
        folder = holder.filePath(QStringLiteral("music"));
        QDir().mkpath(folder);
        song = folder + QStringLiteral("/Song.mp3");
        lyrics = folder + QStringLiteral("/Song.xml");
        writeFile(song, oldSong());
        writeFile(lyrics, kOldLyrics);
        database = w.createDatabase();
        w.openAnswers << song;
        w.ui.cmdOpen->click();
    }
    QTemporaryDir holder;
    QString folder;
    QString song;
    QString lyrics;
    QString database;
    TestWindow w;
};

QStringList sheetOf(int count) {
    QStringList rows;
    for (int n = 1; n <= count; ++n)
        rows << QStringLiteral("a new line that makes the file grow, number %1|%1").arg(n);
    return rows;
}

// Another program holding a write transaction on the database until released.
class LockHolder {
public:
    explicit LockHolder(const QString& database) {
        const QString sqlite3 = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
        if (sqlite3.isEmpty())
            return;
        m_process.start(sqlite3, {database});
        m_process.waitForStarted(-1);
        m_process.write("BEGIN EXCLUSIVE;\nDELETE FROM Lyrics;\nSELECT 'held';\n");
        while (!m_process.readAllStandardOutput().contains("held") &&
               m_process.state() == QProcess::Running)
            m_process.waitForReadyRead(-1);
    }
    bool holds() const { return m_process.state() == QProcess::Running; }
    ~LockHolder() {
        m_process.write("ROLLBACK;\n.quit\n");
        m_process.closeWriteChannel();
        m_process.waitForFinished(-1);
    }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

private:
    QProcess m_process;
};

} // namespace

class BadStorageTest : public QObject {
    Q_OBJECT
private slots:
    // The Play press fills the preview table first; a database it cannot use stops the press
    // with the reason, before the song is loaded, and is never changed by it.
    void playWithABadDatabase_data() {
        textColumns({"kind", "status"});
        textRow("missing", "missing|Velmora81.mdb not found");
        textRow("Access (Jet) header", "jet|is an Access (Jet) database; this program needs the "
                                       "SQLite");
        textRow("text", "text|Velmora81.mdb is not a database");
        textRow("no Lyrics table", "no table|has no table Lyrics");
        textRow("a column missing", "no column|lacks the column LyricLine");
        textRow("a folder", "folder|is a folder");
        textRow("locked by another program", "locked|is locked by another program");
        textRow("read-only", "read-only|is read-only");
        textRow("unreadable", "unreadable|Cannot read the jukebox database");
        textRow("disk full", "disk full|Velmora81.mdb (disk I/O error); the disk may be full");
        textRow("a named pipe", "pipe|Velmora81.mdb is not a regular file (a named pipe)");
        textRow("a trigger on Lyrics", "trigger|has a trigger \"spy\" on its Lyrics table");
        textRow("Lyrics a view", "view|holds Lyrics as a view, not a plain table");
    }
    void playWithABadDatabase() {
        QFETCH(QString, kind);
        if ((kind == QLatin1String("read-only") || kind == QLatin1String("unreadable")) &&
            rerunUnprivileged())
            return;
        if (kind == QLatin1String("disk full") && !inChild()) {
            rerunInChild({});
            return;
        }
        Library l;
        l.w.setSheet(sheetOf(400));
        l.w.save();
        QCOMPARE(l.w.ui.lblStatus->text(), "Saved Song.xml: 400 lines, 400 marked");

        const QString db = l.database;
        QFile::remove(db);
        if (kind == QLatin1String("jet")) {
            const QByteArray header("\x00\x01\x00\x00Standard Jet DB\x00", 20);
            QVERIFY(!writeFile(db, header + randomBytes(5, 4096 - 20)).isNull());
        } else if (kind == QLatin1String("text")) {
            QVERIFY(!writeFile(db, QByteArray("jukebox\n").repeated(512)).isNull());
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(db));
        } else if (kind == QLatin1String("pipe")) {
            QCOMPARE(::mkfifo(QFile::encodeName(db).constData(), 0600), 0);
        } else if (kind != QLatin1String("missing")) {
            l.w.createDatabase();
            // Planted by another local user: a trigger would record every user's songs.
            const QHash<QString, QStringList> changes{
                {QStringLiteral("no table"), {QStringLiteral("DROP TABLE Lyrics")}},
                {QStringLiteral("trigger"),
                 {QStringLiteral("CREATE TABLE Spy (Path TEXT)"),
                  QStringLiteral("CREATE TRIGGER spy AFTER INSERT ON Lyrics BEGIN INSERT INTO "
                                 "Spy VALUES (new.FileName); END")}},
                {QStringLiteral("view"),
                 {QStringLiteral("ALTER TABLE Lyrics RENAME TO Kept"),
                  QStringLiteral("CREATE VIEW Lyrics AS SELECT * FROM Kept")}},
                {QStringLiteral("no column"),
                 {QStringLiteral("DROP TABLE Lyrics"),
                  QStringLiteral("CREATE TABLE Lyrics (LineNumber INTEGER, FileName TEXT, "
                                 "TimeMarker INTEGER)")}}};
            QCOMPARE(sqlRows(db, changes.value(kind)), QStringList());
        }
        const bool pipe = kind == QLatin1String("pipe"); // reading it would block
        const QByteArray dbBefore = pipe ? QByteArray() : readFile(db);
        if (kind == QLatin1String("read-only"))
            QFile::setPermissions(db, QFile::ReadOwner);
        if (kind == QLatin1String("unreadable"))
            QFile::setPermissions(db, QFile::WriteOwner);
        if ((kind == QLatin1String("read-only") || kind == QLatin1String("unreadable")) &&
            QFile(db).open(QIODevice::ReadWrite))
            QSKIP("this user opens files regardless of their permissions");
        const QStringList programFiles = filesIn(l.w.programFolder.path());

        std::optional<LockHolder> lock;
        if (kind == QLatin1String("locked")) {
            lock.emplace(db);
            if (!lock->holds())
                QSKIP("the sqlite3 program is needed to hold the database locked");
        }
        if (kind == QLatin1String("disk full"))
            limitFileSize(static_cast<rlim_t>(QFileInfo(db).size()));
        l.w.ui.cmdPlay->click();
        lock.reset();

        QFETCH(QString, status);
        QVERIFY2(l.w.ui.lblStatus->text().contains(status), qPrintable(l.w.ui.lblStatus->text()));
        QCOMPARE(l.w.ui.cmdPlay->text(), QStringLiteral("Play"));
        QVERIFY(!l.w.player->calls.contains(QStringLiteral("LoadSong ") + l.song));
        if (kind == QLatin1String("disk full") || kind == QLatin1String("no column")) {
            // Whatever part of the refill was written, the file is a sound database.
            limitFileSize(RLIM_INFINITY);
            QCOMPARE(sqlRows(db, {QStringLiteral("PRAGMA integrity_check")}),
                     QStringList{QStringLiteral("ok")});
        } else {
            if (kind == QLatin1String("unreadable"))
                QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner);
            if (!pipe)
                QCOMPARE(readFile(db), dbBefore);
            QCOMPARE(filesIn(l.w.programFolder.path()), programFiles);
        }
        QCOMPARE(readFile(l.song), oldSong());
    }

    // Both saves meet a folder or disk that refuses them: the status line says why and every
    // file the song had is as it was.
    void savesThatCannotBeWritten_data() {
        QTest::addColumn<bool>("intoTag"); // Save lyrics to the tag, else Save (the sheet)
        textColumns({"trouble", "status"});
        textRow("sheet: read-only folder and file", "read-only folder|the file is read-only",
                false);
        textRow("tag: read-only folder and file", "read-only folder|the file is read-only", true);
        textRow("sheet: folder removed after opening", "folder removed|/music does not exist",
                false);
        textRow("tag: folder removed after opening",
                "folder removed|Song.mp3: there is no such file", true);
        textRow("sheet: disk full", "disk full|Song.xml: the disk is full", false);
        textRow("tag: disk full",
                "disk full|cannot write a temporary copy in its folder: the disk is full", true);
        textRow("tag: room for the copy, not the grown tag",
                "disk full after the copy|the disk is full, so the song was left as it was", true);
        textRow("sheet: read-only lyrics file", "read-only lyrics file|Cannot save the lyrics to",
                false);
        textRow("sheet: a folder where the file goes",
                "folder for the file|Cannot save the lyrics to", false);
    }
    void savesThatCannotBeWritten() {
        QFETCH(bool, intoTag);
        QFETCH(QString, trouble);
        if ((trouble.startsWith(QLatin1String("read-only"))) && rerunUnprivileged())
            return;
        if (trouble.startsWith(QLatin1String("disk full")) && !inChild()) {
            rerunInChild({});
            return;
        }
        Library l;
        QCOMPARE(l.w.sheet(), QStringList{QStringLiteral("1|saved before|0:01|1")});
        if (intoTag) {
            l.w.ui.cmdAddLyrics->click();
            l.w.ui.txtAddLyrics->setPlainText(QStringLiteral("new words\n").repeated(2000));
        } else {
            l.w.setSheet(sheetOf(400));
            l.w.ui.cmdSave->setEnabled(true); // as after a change
        }

        if (trouble == QLatin1String("read-only folder")) {
            QFile::setPermissions(l.folder, QFile::ReadOwner | QFile::ExeOwner);
            QFile::setPermissions(intoTag ? l.song : l.lyrics, QFile::ReadOwner);
            if (writableBy(l.folder))
                QSKIP("this user writes into read-only folders");
        } else if (trouble == QLatin1String("read-only lyrics file")) {
            QFile::setPermissions(l.lyrics, QFile::ReadOwner);
            if (QFile(l.lyrics).open(QIODevice::ReadWrite))
                QSKIP("this user writes into read-only files");
        } else if (trouble == QLatin1String("folder removed")) {
            QVERIFY(QDir(l.folder).removeRecursively());
        } else if (trouble == QLatin1String("folder for the file")) {
            QVERIFY(QFile::remove(l.lyrics));
            QVERIFY(QDir().mkdir(l.lyrics));
        }
        const QStringList filesBefore = filesIn(l.folder);
        if (trouble == QLatin1String("disk full"))
            limitFileSize(4096);
        if (trouble == QLatin1String("disk full after the copy"))
            limitFileSize(static_cast<rlim_t>(QFileInfo(l.song).size() + 512));

        (intoTag ? l.w.ui.cmdSaveUnsynch : l.w.ui.cmdSave)->click();
        if (trouble.startsWith(QLatin1String("disk full")))
            limitFileSize(RLIM_INFINITY);
        QFile::setPermissions(l.folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QFETCH(QString, status);
        QVERIFY2(l.w.ui.lblStatus->text().contains(status), qPrintable(l.w.ui.lblStatus->text()));
        if (!intoTag) {
            // Where no file was, none is said to be unchanged.
            const bool noFile = trouble == QLatin1String("folder removed") ||
                                trouble == QLatin1String("folder for the file");
            QVERIFY2(l.w.ui.lblStatus->text().endsWith(
                         noFile ? u"nothing was written" : u"the file there before is unchanged"),
                     qPrintable(l.w.ui.lblStatus->text()));
            QVERIFY(l.w.ui.cmdSave->isEnabled()); // still there to try again
        } else {
            QVERIFY(!l.w.ui.picUnsynch->isHidden());
        }
        if (trouble == QLatin1String("folder removed")) {
            QVERIFY(!QFileInfo::exists(l.folder)); // nothing is made in its place
            return;
        }
        QCOMPARE(filesIn(l.folder), filesBefore); // no temporary file left behind
        QCOMPARE(readFile(l.song), oldSong());
        if (trouble == QLatin1String("folder for the file"))
            QVERIFY(QDir(l.lyrics).isEmpty());
        else
            QCOMPARE(readFile(l.lyrics), kOldLyrics);
    }

    // Whatever stands at the file's name: a link is written through to the regular file it
    // names (the folder owner's; as root no link leads out) and stays a link; a pipe or a device is
    // refused, never replaced; a writable file in a read-only folder is written in place, and the
    // status line says so.
    void savesThroughWhatIsThere_data() {
        QTest::addColumn<bool>("intoTag");
        textColumns({"there", "status"}); // what the status line says
        for (const bool tag : {false, true}) {
            const auto row = [tag](const char* name, const QString& cells) {
                textRow(qPrintable((tag ? "tag: " : "sheet: ") + QString(name)), cells, tag);
            };
            row("read-only folder, writable file", "read-only folder|so the save was not atomic");
            row("link to a regular file",
                tag ? "link to a file|Saved 1 line of lyrics into the ID3v2 tag (USLT) of Song.mp3."
                    : "link to a file|Saved Song.xml: 3 lines");
            row("link to a named pipe", "link to a pipe|it is a named pipe, not a");
            row("link to a device", "link to a device|it is a device, not a");
            row("a named pipe", "pipe|it is a named pipe, not a");
        }
    }
    void savesThroughWhatIsThere() {
        QFETCH(bool, intoTag);
        QFETCH(QString, there);
        if ((there == QLatin1String("read-only folder") ||
             there == QLatin1String("link to a file")) &&
            rerunUnprivileged())
            return;
        if (there == QLatin1String("link to a device") && ::geteuid() != 0)
            QSKIP("only root makes a device node");
        Library l;
        if (intoTag) {
            l.w.ui.cmdAddLyrics->click();
            l.w.ui.txtAddLyrics->setPlainText(QStringLiteral("new words"));
        } else {
            l.w.setSheet(sheetOf(3));
            l.w.ui.cmdSave->setEnabled(true); // as after a change
        }
        const QString file = intoTag ? l.song : l.lyrics;
        const QString real = l.holder.filePath(QStringLiteral("elsewhere"));
        const QByteArray name = QFile::encodeName(there == QLatin1String("pipe") ? file : real);
        if (there == QLatin1String("read-only folder")) {
            QFile::setPermissions(l.folder, QFile::ReadOwner | QFile::ExeOwner);
            if (writableBy(l.folder))
                QSKIP("this user writes into read-only folders");
        } else if (there == QLatin1String("link to a file")) {
            QVERIFY(QFile::rename(file, real));
        } else {
            QVERIFY(QFile::remove(file));
            // The null device's numbers: a device node, but one in a scratch folder.
            QCOMPARE(there == QLatin1String("link to a device")
                         ? ::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3))
                         : ::mkfifo(name.constData(), 0600),
                     0);
        }
        if (there.startsWith(QLatin1String("link")))
            QVERIFY(QFile::link(real, file));
        const QStringList filesBefore = filesIn(l.folder);

        (intoTag ? l.w.ui.cmdSaveUnsynch : l.w.ui.cmdSave)->click();
        QFile::setPermissions(l.folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QFETCH(QString, status);
        const QString shown = l.w.ui.lblStatus->text();
        QVERIFY2(shown.contains(status), qPrintable(shown));
        QCOMPARE(filesIn(l.folder), filesBefore); // nothing left, nothing replaced
        QCOMPARE(QFileInfo(file).isSymLink(), there.startsWith(QLatin1String("link")));
        const QString written = there == QLatin1String("link to a file") ? real : file;
        if (there == QLatin1String("read-only folder") ||
            there == QLatin1String("link to a file")) {
            if (intoTag)
                QCOMPARE(tagLyrics(written), QStringLiteral("new words"));
            else
                QVERIFY(readFile(written).contains("number 3</LyricLine>"));
            QVERIFY(intoTag ? l.w.ui.picUnsynch->isHidden() : !l.w.ui.cmdSave->isEnabled());
        } else {
            QVERIFY(!QFileInfo(written).isFile()); // the pipe or the device is still there
        }
    }

    // A save never replaces unseen what the sheet does not hold: a file another program changed
    // or made since the sheet was read, or one read only in part. A copy is kept first, at a
    // name no earlier copy has; where none can be made, nothing is saved.
    void savesKeepWhatTheSheetHasNotSeen_data() {
        textColumns({"what", "status"});
        const QString changed =
            "Song.xml was changed on disk after the sheet was read, so the file there before is "
            "kept as Song.xml.bak.";
        textRow("changed by another program", "changed|" + changed);
        textRow("made after the tag's lyrics were read", "made|" + changed);
        textRow("damaged, read in part",
                "damaged|The sheet does not hold all of Song.xml, so the file there before is kept "
                "as Song.xml.bak.");
        textRow("not text in its encoding", "latin1|The sheet does not hold all of Song.xml");
        textRow("a copy kept before", "copy there|kept as Song.xml.2.bak.");
        textRow("no room for the copy",
                "full|Did not save: Song.xml was changed on disk after the sheet was read, and no "
                "copy of it could be kept (");
    }
    void savesKeepWhatTheSheetHasNotSeen() {
        QFETCH(QString, what);
        QFETCH(QString, status);
        Library l;
        const QByteArray other = QByteArray(kOldLyrics).replace("saved before", "theirs, longer");
        if (what == QLatin1String("made")) {
            QVERIFY(QFile::remove(l.lyrics));
            l.w.open(l.song); // the tag's "old words"
        } else if (what == QLatin1String("damaged") || what == QLatin1String("latin1")) {
            writeFile(l.lyrics, QByteArray(kOldLyrics)
                                    .replace("saved before", what == QLatin1String("damaged")
                                                                 ? QByteArray("nul\0here", 8)
                                                                 : QByteArray("caf\xe9")));
            l.w.open(l.song);
        }
        const QByteArray seen = readFile(l.lyrics);
        const QByteArray onDisk =
            what == QLatin1String("damaged") || what == QLatin1String("latin1") ? seen : other;
        if (onDisk != seen || what == QLatin1String("made"))
            writeFile(l.lyrics, onDisk);
        if (what == QLatin1String("copy there"))
            writeFile(l.lyrics + ".bak", "an older copy");
        l.w.setSheet(sheetOf(2));
        if (what == QLatin1String("full"))
            limitFileSize(64);
        l.w.save();
        if (what == QLatin1String("full"))
            limitFileSize(RLIM_INFINITY);

        const QString shown = l.w.ui.lblStatus->text();
        QVERIFY2(shown.contains(status), qPrintable(shown));
        if (what == QLatin1String("full")) {
            QCOMPARE(readFile(l.lyrics), onDisk);
            QCOMPARE(filesIn(l.folder), (QStringList{"Song.mp3", "Song.xml"}));
            return;
        }
        QVERIFY2(shown.startsWith(u"Saved Song.xml: 2 lines, 2 marked. "), qPrintable(shown));
        const QString copy = l.lyrics + (what == QLatin1String("copy there") ? ".2.bak" : ".bak");
        QCOMPARE(readFile(copy), onDisk);
        QVERIFY(readFile(l.lyrics).contains("number 2</LyricLine>"));
        if (what == QLatin1String("copy there"))
            QCOMPARE(readFile(l.lyrics + ".bak"), "an older copy");
        // What the save wrote is what the sheet has seen: the next save keeps no copy.
        const QStringList files = filesIn(l.folder);
        l.w.setSheet(sheetOf(3));
        l.w.save();
        QCOMPARE(l.w.ui.lblStatus->text(), "Saved Song.xml: 3 lines, 3 marked");
        QCOMPARE(filesIn(l.folder), files);
    }
};

QTEST_MAIN(BadStorageTest)
#include "tst_BadStorage.moc"
