// Saves into songs of every format as root, on songs and links made in a temporary folder: a
// song of another user stays theirs, and a link planted beside a song never leads a save out
// of the folder (a shared folder, a song link to a file of someone else's, or of root's own).

#include "badinput/BadInput.h"
#include "sources/TagLibComponent.h"
#include "support/Files.h"

#include "SongFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace badinput;

namespace {

constexpr uid_t kNobody = 65534;
const QStringList kFormats{"mp3", "flac", "ogg", "opus", "m4a", "wav"};

void giveTo(const QString& path, uid_t owner, mode_t mode) {
    QCOMPARE(::chown(QFile::encodeName(path).constData(), owner, owner), 0);
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

// The lyrics file embed-sylt reads beside song (the song's path without its last four
// characters, then .xml): two lines, one marked.
void lyricsFileBeside(const QString& song) {
    QVERIFY(
        !writeFile(song.chopped(4) + ".xml", lyricsFileOf(song, {"1|planted words", "|and more"}))
             .isEmpty());
}

// The text panel's Save, or the tool's embed-sylt, on song.
Outcome save(const QString& how, const QString& song) {
    if (how == "text panel") {
        const QString failure = failureOf([&] {
            TagLibComponent component;
            component.LoadTag(song, true);
            component.SetFrameText("USLT", "planted words");
            component.SaveTag(song);
        });
        return {failure == "(no failure)", failure};
    }
    lyricsFileBeside(song);
    QProcess tool;
    tool.start(VELMORA_LYRICS_TOOL, {"embed-sylt", song});
    tool.waitForFinished(60000);
    return {tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0,
            QString::fromUtf8(tool.readAllStandardError() + tool.readAllStandardOutput())};
}

QString lyricsOf(const QString& song) {
    TagLibComponent component;
    component.LoadTag(song, true);
    return component.GetFrameText("USLT");
}

} // namespace

class SongSavesTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        if (::geteuid() != 0)
            QSKIP("only root can give a song to another user");
    }

    // A song of nobody's, mode 0640, saved into by root: still nobody's, with its mode, and
    // holding the new lyrics.
    void anotherUsersSongStaysTheirs_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("how");
        for (const QString& format : kFormats)
            for (const char* how : {"text panel", "embed-sylt"})
                QTest::addRow("%s, %s", qPrintable(format), how) << format << QString(how);
    }
    void anotherUsersSongStaysTheirs() {
        QFETCH(QString, format);
        QFETCH(QString, how);
        QTemporaryDir dir;
        const QString song = songs::formatSong(dir.filePath("Song." + format));
        QVERIFY(!song.isEmpty());
        giveTo(song, kNobody, 0640);
        const FileStatus before = statusOf(song);

        const Outcome outcome = save(how, song);
        QVERIFY2(outcome.saved, qPrintable(outcome.message));
        QCOMPARE(statusOf(song), before);
        QVERIFY2(lyricsOf(song).contains("planted words"), qPrintable(lyricsOf(song)));
    }

    // shared/Song.ext a link out of its folder: to nobody's song in nobody's folder, or to a
    // song of root's own elsewhere. Refused as root, the song it names untouched.
    void songLinksDoNotLeadOut_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("victim");
        for (const QString& format : kFormats)
            for (const char* how : {"text panel", "embed-sylt"})
                for (const char* victim : {"nobody's", "root's"})
                    QTest::addRow("%s, %s, %s", qPrintable(format), how, victim)
                        << format << QString(how) << QString(victim);
    }
    void songLinksDoNotLeadOut() {
        QFETCH(QString, format);
        QFETCH(QString, how);
        QFETCH(QString, victim);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("shared") && QDir(dir.path()).mkpath("home"));
        const QString target = songs::formatSong(dir.filePath("home/victim." + format));
        QVERIFY(!target.isEmpty());
        if (victim == "nobody's") {
            giveTo(dir.filePath("home"), kNobody, 0755);
            giveTo(target, kNobody, 0644);
        }
        const QByteArray old = readFile(target);
        const QString link = dir.filePath("shared/Song." + format);
        QVERIFY(QFile::link("../home/victim." + format, link));

        const Outcome outcome = save(how, link);
        QVERIFY2(!outcome.saved && outcome.message.contains("outside the song's folder"),
                 qPrintable(outcome.message));
        QCOMPARE(readFile(target), old);
        QVERIFY(QFileInfo(link).isSymLink());
    }
};

QTEST_MAIN(SongSavesTest)
#include "tst_SongSaves.moc"
