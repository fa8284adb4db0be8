// Every writer of the lyrics files (Save, Ctrl+E and Ctrl+Shift+T of the song session, the tool's
// import-lrc, export-lrc and the subtitle exports) on a full disk, over a protected file, through a
// link and into a folder that takes no new file: one outcome and one message, and the old file
// whole when it is refused.

#include "../sources/SongFiles.h"
#include "badinput/BadInput.h"
#include "session/SongSession.h"
#include "storage/LyricsXml.h"
#include "support/Rows.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

#include <sys/mount.h>
#include <sys/stat.h>

using namespace badinput;

namespace {

// Lyrics as long as a song's: small enough to sit in a writer's buffer until it is flushed.
constexpr int kLines = 20;

QByteArray oldXml(int lines = kLines) {
    LyricsDocumentWriter writer(QStringLiteral("Song.mp3"));
    for (int n = 1; n <= lines; ++n)
        writer.addLine(QString::number(n), QString::number(n),
                       QStringLiteral("a line saved before, number %1").arg(n));
    return writer.finish();
}

QByteArray oldLrc(int lines = kLines) {
    QByteArray lrc;
    for (int n = 1; n <= lines; ++n)
        lrc += QStringLiteral("[%1:%2.00]a line saved before, number %3\n")
                   .arg(n / 60, 2, 10, QLatin1Char('0'))
                   .arg(n % 60, 2, 10, QLatin1Char('0'))
                   .arg(n)
                   .toUtf8();
    return lrc;
}

QByteArray oldSubtitles(const QString& suffix) {
    return "subtitles saved before, in " + suffix.toUtf8() + "\n";
}

const QStringList kSubtitleSuffixes{"srt", "vtt", "ass"};

// A song with both lyrics files and its subtitles in the folder music below root.
QString library(const QString& root, int lines = kLines) {
    const QString folder = root + QStringLiteral("/music");
    QDir().mkpath(folder);
    writeFile(folder + QStringLiteral("/Song.mp3"), songs::toneBytes());
    writeFile(folder + QStringLiteral("/Song.xml"), oldXml(lines));
    writeFile(folder + QStringLiteral("/Song.lrc"), oldLrc(lines));
    for (const QString& suffix : kSubtitleSuffixes)
        writeFile(folder + QStringLiteral("/Song.") + suffix, oldSubtitles(suffix));
    return folder;
}

// The file a writer replaces: Save and import-lrc write Song.xml, Ctrl+E and export-lrc
// Song.lrc, Ctrl+Shift+T Song.srt first, export-srt, export-vtt and export-ass their own.
QString targetOf(const QString& writer, const QString& folder) {
    if (writer == u"Ctrl+Shift+T")
        return folder + QStringLiteral("/Song.srt");
    if (writer.startsWith(u"export-") && writer != u"export-lrc")
        return folder + QStringLiteral("/Song.") + writer.right(3);
    return folder + (writer == u"Save" || writer.startsWith(u"import")
                         ? QStringLiteral("/Song.xml")
                         : QStringLiteral("/Song.lrc"));
}

// Runs one writer on the song in folder (the window with a sheet of lines), the tool through
// wrapper when one is given.
Outcome runWriter(const QString& writer, const QString& folder, int lines = kLines,
                  const QStringList& wrapper = {}) {
    if (writer == u"Save" || writer.startsWith(u"Ctrl+")) { // the window's, by its session
        SongSession session(nullptr, nullptr, folder, QString());
        try { // what is there is read first, as the window opens it: no copy of it is kept
            session.open(folder + QStringLiteral("/Song.mp3"));
        } catch (const VersettaError&) {
            // a file that cannot be read is the writer's to meet
        }
        std::vector<SheetRow> rows;
        for (int n = 1; n <= lines; ++n)
            rows.push_back({QString::number(n),
                            QStringLiteral("a new line written now, number %1").arg(n), QString(),
                            QString::number(n)});
        session.sheet().load(rows, QStringLiteral("Load Lyrics"));
        try {
            const QString said = writer == u"Save"     ? session.saveLyricsFile()
                                 : writer == u"Ctrl+E" ? session.writeLrc()
                                                       : session.writeSubtitles();
            return {true, said};
        } catch (const VersettaError& error) {
            return {false, error.message()};
        }
    }
    QStringList arguments = wrapper;
    arguments << QStringLiteral(VELMORA_LYRICS_TOOL) << writer.split(u' ')
              << folder + QStringLiteral("/Song.mp3");
    QProcess tool;
    tool.start(arguments.takeFirst(), arguments);
    tool.waitForFinished(-1);
    return {tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0,
            QString::fromUtf8(tool.readAllStandardError() + tool.readAllStandardOutput())};
}

// A small file system of its own, for a disk that fills or that is mounted read-only.
struct SmallDisk {
    SmallDisk() {
        mounted = ::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0,
                          "size=256k") == 0;
    }
    ~SmallDisk() {
        if (mounted)
            ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // Fills the disk up to the last free bytes.
    void fillUpTo(qint64 free) const {
        QFile filler(dir.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
        QVERIFY(filler.resize(filler.size() - free));
    }
    bool remountReadOnly() const {
        return ::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs",
                       MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

    QTemporaryDir dir;
    bool mounted = false;
};

const QStringList kWriters{"Save",         "Ctrl+E",     "import-lrc --force", "export-lrc",
                           "Ctrl+Shift+T", "export-srt", "export-vtt",         "export-ass"};

} // namespace

class FileWritesTest : public QObject {
    Q_OBJECT
private slots:
    // A write that does not fit: the old file stays byte for byte, and the message says why.
    void fullDisk_data() {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<int>("lines");
        // Bytes left on a small tmpfs; -1: a file-size limit on the tool; -2: that limit just
        // past the old file's end, in a folder that takes no new file (written in place).
        QTest::addColumn<int>("free");
        for (const QString& writer : kWriters)
            QTest::addRow("%s, full disk", qPrintable(writer)) << writer << kLines << 0;
        QTest::newRow("Save, room for part of the file") << "Save" << 400 << 8192;
        QTest::newRow("export-lrc, file-size limit") << "export-lrc" << kLines << -1;
        QTest::newRow("export-ass, file-size limit") << "export-ass" << kLines << -1;
        QTest::newRow("import-lrc --force, file-size limit")
            << "import-lrc --force" << kLines << -1;
        QTest::newRow("import-lrc --force, in place, file-size limit")
            << "import-lrc --force" << kLines << -2;
    }
    void fullDisk() {
        QFETCH(QString, writer);
        QFETCH(int, lines);
        QFETCH(int, free);
        if (free == -2 && rerunUnprivileged())
            return;
        SmallDisk disk;
        if (free >= 0 && !disk.mounted)
            QSKIP("this user cannot mount a small tmpfs");
        QTemporaryDir scratch;
        const QString folder = library(free < 0 ? scratch.path() : disk.dir.path(), lines);
        const QStringList before = filesIn(folder);
        if (free >= 0)
            disk.fillUpTo(free);
        if (free == -2 && (!QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner) ||
                           writableBy(folder)))
            QSKIP("this user writes into read-only folders");
        // A full disk as the tool meets it when its owner ignores the limit's signal.
        const qint64 limit = free == -1 ? 512 : QFileInfo(targetOf(writer, folder)).size() + 8;
        const QStringList wrapper{
            "/bin/sh", "-c",
            QStringLiteral("trap '' XFSZ; exec prlimit --fsize=%1 \"$@\"").arg(limit), "sh"};
        const Outcome outcome =
            runWriter(writer, folder, lines, free < 0 ? wrapper : QStringList{});
        const QString name = targetOf(writer, folder).section(u'/', -1);
        QVERIFY2(!outcome.saved && outcome.message.contains(name + QStringLiteral(": the disk is "
                                                                                  "full")),
                 qPrintable(outcome.message));
        QCOMPARE(readFile(folder + QStringLiteral("/Song.xml")), oldXml(lines));
        QCOMPARE(readFile(folder + QStringLiteral("/Song.lrc")), oldLrc(lines));
        for (const QString& suffix : kSubtitleSuffixes)
            QCOMPARE(readFile(folder + QStringLiteral("/Song.") + suffix), oldSubtitles(suffix));
        QCOMPARE(filesIn(folder), before);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // As root: a read-only file is refused, a replaced file keeps its mode, owner and group,
    // and a link into another user's files elsewhere is not written through.
    void protection_data() {
        textColumns({"writer", "file", "status"}); // status "" when the save goes through
        for (const QString& writer : kWriters) {
            const auto row = [&writer](const char* name, const QString& cells) {
                textRow(qPrintable(writer + name), writer + '|' + cells);
            };
            row(", 0444", "0444|the file is read-only");
            row(", 0640 of nobody", "0640|");
            row(", link to another's file", "link|outside the song's folder");
            // Root owns both: the link still leads out of the folder.
            row(", link to root's own file",
                "own link|outside the song's folder, which a save as root never follows");
        }
    }
    void protection() {
        QFETCH(QString, writer);
        QFETCH(QString, file);
        QFETCH(QString, status);
        if (::geteuid() != 0)
            QSKIP("only root can give a file to another user");
        QTemporaryDir root;
        const QString target = targetOf(writer, library(root.path()));
        const QString elsewhere = root.filePath(QStringLiteral("elsewhere"));
        const QByteArray old = readFile(target);
        const bool link = file.endsWith(u"link");
        const QByteArray name = QFile::encodeName(link ? elsewhere : target);
        if (link) {
            QVERIFY(QFile::rename(target, elsewhere) && QFile::link(elsewhere, target));
            if (file == u"link")
                QCOMPARE(::chown(name.constData(), 65534, 65534), 0);
        } else if (file == u"0640") {
            QCOMPARE(::chown(name.constData(), 65534, 65534), 0);
        }
        QCOMPARE(::chmod(name.constData(), file == u"0444" ? 0444 : 0640), 0);
        const FileStatus before = statusOf(QString::fromUtf8(name));

        const Outcome outcome = runWriter(writer, root.filePath(QStringLiteral("music")));
        QVERIFY2(status.isEmpty() ? outcome.saved : outcome.message.contains(status),
                 qPrintable(outcome.message));
        QCOMPARE(statusOf(QString::fromUtf8(name)), before);
        QCOMPARE(readFile(QString::fromUtf8(name)) == old, !status.isEmpty());
        QCOMPARE(QFileInfo(target).isSymLink(), link);
    }

    // A folder that takes no new file: the window and the tool write in place or refuse alike,
    // with the same words.
    void windowAndToolAgree_data() {
        textColumns({"folder", "status"});
        textRow(
            "read-only folder, writable file",
            "read-only|in place: its folder takes no temporary file, so the save was not atomic");
        textRow("read-only folder, no file there yet",
                "read-only, empty|the folder <folder> is read-only; nothing was written");
        textRow("file system mounted read-only",
                "mounted read-only|it lies on a file system mounted read-only; the file");
    }
    void windowAndToolAgree() {
        QFETCH(QString, folder);
        QFETCH(QString, status);
        const bool mounted = folder == u"mounted read-only";
        if (!mounted && rerunUnprivileged())
            return;
        const QStringList pairs{"Save", "import-lrc --force", "Ctrl+E", "export-lrc"};
        QString windowSaid;
        for (qsizetype i = 0; i < pairs.size(); ++i) {
            SmallDisk disk;
            if (mounted && !disk.mounted)
                QSKIP("this user cannot mount a small tmpfs");
            QTemporaryDir scratch;
            const QString music = library(mounted ? disk.dir.path() : scratch.path());
            const QString target = targetOf(pairs[i], music);
            if (folder.endsWith(u"empty"))
                QVERIFY(QFile::remove(target));
            if (mounted)
                QVERIFY(disk.remountReadOnly());
            else
                QVERIFY(QFile::setPermissions(music, QFile::ReadOwner | QFile::ExeOwner));
            if (!mounted && writableBy(music))
                QSKIP("this user writes into read-only folders");

            const Outcome outcome = runWriter(pairs[i], music);
            QFile::setPermissions(music, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            const QString message = QString(outcome.message).replace(music, "<folder>");
            QVERIFY2(message.contains(status), qPrintable(message));
            QCOMPARE(outcome.saved, folder == u"read-only");
            const QByteArray old = folder.endsWith(u"empty") ? QByteArray("(unreadable)")
                                   : target.endsWith(u"lrc") ? oldLrc()
                                                             : oldXml();
            QCOMPARE(readFile(target) == old, !outcome.saved);
            if (i % 2 == 0) // the window's words, from where the message starts
                windowSaid = message.mid(message.indexOf(QRegularExpression("Saved|Cannot")));
            else
                QVERIFY2(message.contains(windowSaid), qPrintable(message + "\n" + windowSaid));
        }
    }
};

QTEST_MAIN(FileWritesTest)
#include "tst_FileWrites.moc"
