#include "../sources/SongFiles.h"
#include "support/Files.h"
#include "support/TestWindow.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

// LRC out, SYLT into the tag and LRC in, through the window's keys, checked by readers that
// are not this program's: Python's standard library for LRC, mutagen for the tag.
namespace {

QStringList python(const char* script, const QString& path) {
    QProcess process;
    process.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), script, path});
    process.waitForFinished(-1);
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    return out.split(u'\n', Qt::SkipEmptyParts)
           << QString::fromUtf8(process.readAllStandardError());
}

const char* const kLrcReader = R"(import re, sys
data = open(sys.argv[1], 'rb').read()
if data.startswith(b'\xef\xbb\xbf'): print('BOM')
for line in data.decode('utf-8').splitlines():
    m = re.match(r'\[(\d+):(\d\d)\.(\d\d)\](.*)$', line)
    h = re.match(r'\[(\w+):(.*)\]$', line)
    print('%d|%s' % ((int(m[1]) * 60 + int(m[2])) * 1000 + int(m[3]) * 10, m[4]) if m
          else '%s=%s' % (h[1], h[2]) if h else 'plain|' + line))";

const char* const kSyltReader = R"(import sys, mutagen.id3
for f in sorted(mutagen.id3.ID3(sys.argv[1]).getall('SYLT'), key=lambda f: f.desc):
    print('%s|%s|%d|%d|%d|%s' % (f.desc, f.lang, f.encoding, f.format, f.type,
          ';'.join('%s@%d' % (s.replace('\n', '/'), t) for s, t in f.text))))";

QByteArray syltFrame(int major, const QString& description, const QString& text, quint32 ms) {
    return songs::frame(
        major, "SYLT",
        QByteArray("\0eng\2\1", 6) + songs::encoded(songs::Latin1, description, true) +
            songs::encoded(songs::Latin1, text, true) + songs::sizeBytes(ms, false));
}

// The window shown on song, its sheet marked at 1.234 s and 5.678 s by Mark Line (a blank
// line passed over, the last line left unmarked), stopped, the keyboard on the list.
void markSong(TestWindow& w, const QString& song) {
    w.createDatabase();
    w.open(song);
    QVERIFY(w.shownActive());
    w.setSheet({u"naïve ☃"_qs, "", "three", "four"});
    w.select(1);
    w.ui.cmdPlay->click();
    for (const int ms : {1234, 5678}) {
        w.player->positionMs = ms;
        QTest::keyClick(w.ui.cmdMark, Qt::Key_Space);
    }
    w.ui.cmdStop->click();
    w.ui.lvLyrics->setFocus();
}

void press(TestWindow& w, Qt::Key key, Qt::KeyboardModifiers more = {}) {
    QTest::keyClick(w.ui.lvLyrics, key, Qt::ControlModifier | more);
}

} // namespace

class ExportsTest : public QObject {
    Q_OBJECT
private slots:
    void lrcCarriesPreciseMarksThroughAShift() {
        QTemporaryDir folder;
        const QString song = writeFile(
            folder.filePath("Song.mp3"),
            songs::tag(3, {songs::textFrame(3, "TIT2", "Title"), songs::textFrame(3, "TPE1", "Me"),
                           songs::lyricsFrame(3, songs::Latin1, "a\nb")}) +
                songs::toneBytes());
        TestWindow w;
        markSong(w, song);
        const QString lrc = folder.filePath("Song.lrc");
        press(w, Qt::Key_E);
        QCOMPARE(w.ui.lblStatus->text(), "Wrote " + lrc + ": 2 timed lines of 4.");
        const QStringList header = {"ti=Title", "ar=Me", "length=00:03", "by=Velmora Versetta"};
        // The blank line carries the word joiner that keeps it a line when read back.
        const QStringList lines = {u"1230|naïve ☃"_qs, u"plain|\u2060"_qs, "5680|three",
                                   "plain|four", ""};
        QCOMPARE(python(kLrcReader, lrc), header + lines);

        w.save(); // adjusting waits for the first Save
        w.select(1);
        w.ui.txtAdjustSingle->setText("1");
        w.ui.cmdAdjustSingle->click();
        press(w, Qt::Key_E);
        QCOMPARE(python(kLrcReader, lrc).at(4), u"2230|naïve ☃"_qs);
        press(w, Qt::Key_Z);
        press(w, Qt::Key_E);
        QCOMPARE(python(kLrcReader, lrc).at(4), u"1230|naïve ☃"_qs);
    }

    void syltReadBackByMutagen_data() {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("encoding"); // the lyrics frame's is Latin-1: too narrow for ☃
        QTest::newRow("v2.3 writes UTF-16") << 3 << 1;
        QTest::newRow("v2.4 writes UTF-8") << 4 << 3;
    }
    void syltReadBackByMutagen() {
        QFETCH(int, major);
        QFETCH(int, encoding);
        QTemporaryDir folder;
        const QByteArray audio = songs::toneBytes();
        const QString song =
            writeFile(folder.filePath("Song.mp3"),
                      songs::tag(major, {songs::lyricsFrame(major, songs::Latin1, "a\nb"),
                                         syltFrame(major, "", "stale", 10),
                                         syltFrame(major, "karaoke", "kept", 20)}) +
                          audio);
        TestWindow w;
        markSong(w, song);
        press(w, Qt::Key_E, Qt::ShiftModifier);
        QCOMPARE(w.ui.lblStatus->text(), "Wrote 2 timed lines into the tag of Song.mp3 (SYLT).");
        QCOMPARE(python(kSyltReader, song),
                 QStringList({QString(u"|eng|%1|2|1|/naïve ☃@1234;/three@5678"_qs).arg(encoding),
                              "karaoke|eng|0|2|1|kept@20", ""}));
        const QByteArray saved = readFile(song);
        QCOMPARE(saved.mid(songs::tagLength(saved)), audio);
    }

    void readsLrcFilesAsOneUndoableStep_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("sheet"); // empty: left as it was
        QTest::addColumn<QString>("status");
        QTest::newRow("stamps and a plain line")
            << QByteArray("[ar:X]\r\n[00:01.50]One\r\n[01:05.99]Two\r\nplain\r\n")
            << QStringList{"1|One|0:01|1", "2|Two|1:05|65", "3|plain||"}
            << "Read 3 lines from Song.lrc; Save writes them to the lyrics file.";
        QTest::newRow("more lines than the sheet holds")
            << QByteArray("[00:01.00]x\n").repeated(32768) << QStringList{}
            << "%1 holds more lines than the sheet's 32767; the sheet was left as it was.";
    }
    void readsLrcFilesAsOneUndoableStep() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, sheet);
        QFETCH(QString, status);
        QTemporaryDir folder;
        const QString lrc = folder.filePath("Song.lrc");
        writeFile(lrc, bytes);
        TestWindow w;
        markSong(w, writeFile(folder.filePath("Song.mp3"), songs::toneBytes()));
        const QStringList before = w.sheet();
        dropFile(*w, lrc);
        QCOMPARE(w.ui.lblStatus->text(), status.replace("%1", lrc));
        QCOMPARE(w.sheet(), sheet.isEmpty() ? before : sheet);
        if (!sheet.isEmpty()) {
            press(w, Qt::Key_Z);
            QCOMPARE(w.sheet(), before);
        }
    }

    // Ctrl+Shift+T writes the three subtitle files at once and counts the lines left out.
    void subtitlesKey() {
        QTemporaryDir folder;
        const QString song = writeFile(folder.filePath("Song.mp3"), songs::toneBytes());
        {
            TestWindow w;
            w.createDatabase();
            w.open(song);
            QVERIFY(w.shownActive());
            w.ui.lvLyrics->setFocus();
            press(w, Qt::Key_T, Qt::ShiftModifier);
            QCOMPARE(w.ui.lblStatus->text(), "No line is marked yet, so Song.srt, Song.vtt and "
                                             "Song.ass were not written: mark lines first.");
            QCOMPARE(QDir(folder.path()).entryList({"Song.srt", "Song.vtt", "Song.ass"}),
                     QStringList());
        }
        TestWindow w;
        markSong(w, song);
        press(w, Qt::Key_T, Qt::ShiftModifier);
        QCOMPARE(w.ui.lblStatus->text(),
                 "Wrote Song.srt, Song.vtt and Song.ass beside the song: 2 lines; 1 line without "
                 "a time left out (mark them to include them).");
        // What the three files hold, ffmpeg reading them, is the subtitle test's.
        QCOMPARE(QDir(folder.path()).entryList({"Song.srt", "Song.vtt", "Song.ass"}).size(), 3);
    }

    void offersTheLrcBesideASongWithoutLyricsFile() {
        QTemporaryDir folder;
        writeFile(folder.filePath("Song.lrc"), "[00:02.00]Two\n[00:01.00]One\n");
        TestWindow w(writeFile(folder.filePath("Song.mp3"), songs::toneBytes()));
        w.window->Form_Load();
        QVERIFY(w.shownActive());
        QVERIFY(w.ui.lblStatus->text().endsWith(
            "Song.lrc lies beside the song: Ctrl+I reads it into the sheet."));
        QCOMPARE(QApplication::focusWidget(), w.ui.cmdAddLyrics);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(w.sheet(), QStringList({"1|One|0:01|1", "2|Two|0:02|2"}));
        // AddLyrics went with the focus: Space plays now, it types into no box.
        QCOMPARE(QApplication::focusWidget(), w.ui.cmdPlay);
    }

    // Changes left unsaved when another song is opened or the window closes are kept in the
    // program's folder, offered when the song opens again and brought back by Ctrl+Shift+O as
    // a step Ctrl+Z takes back; a Save lets them go. Nothing beside the song is written.
    void unsavedChangesComeBack() {
        QTemporaryDir folder;
        const QString song = writeFile(folder.filePath("Song.mp3"), songs::toneBytes());
        const QString other = writeFile(folder.filePath("Other.mp3"), songs::toneBytes());
        const QByteArray file = lyricsFileOf(song, {"1|One", "|Two"});
        writeFile(folder.filePath("Song.xml"), file);
        TestWindow w(song);
        w.window->Form_Load();
        QVERIFY(w.shownActive());
        const QStringList asFiled{"1|One|0:01|1", "2|Two||"};
        const QStringList changed{"1|One|0:02|2", "2|Two||"};
        const auto keys = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        };
        w.clickRow(1);
        keys(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.sheet(), changed);

        w.open(other);
        QVERIFY2(w.ui.lblStatus->text().endsWith(
                     "The unsaved changes to the lyrics of Song.mp3 are kept: open it again and "
                     "press Ctrl+Shift+O to bring them back."),
                 qPrintable(w.ui.lblStatus->text()));
        w.open(song);
        QCOMPARE(w.sheet(), asFiled);
        QVERIFY2(
            w.ui.lblStatus->text().startsWith("Changes to these lyrics were left unsaved on ") &&
                w.ui.lblStatus->text().endsWith(": Ctrl+Shift+O brings them back."),
            qPrintable(w.ui.lblStatus->text()));
        keys(Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.sheet(), changed);
        QVERIFY(w.ui.cmdSave->isEnabled());
        QVERIFY2(w.ui.lblStatus->text().startsWith("Brought back the 2 lines kept unsaved on "),
                 qPrintable(w.ui.lblStatus->text()));
        QCOMPARE(readFile(folder.filePath("Song.xml")), file);
        w.clickRow(2);
        keys(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.sheet(), asFiled);

        // Closed unchanged, nothing new is kept; closed changed, the change is.
        keys(Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        w.ui.cmdSave->click();
        QVERIFY(!w.session().unsavedKeptAt().isValid());
        w.open(song);
        QVERIFY2(!w.ui.lblStatus->text().contains("Ctrl+Shift+O"),
                 qPrintable(w.ui.lblStatus->text()));
        QVERIFY(w.window->close());
        QVERIFY(!w.session().unsavedKeptAt().isValid());
        w.clickRow(1);
        keys(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(w.window->close());
        QVERIFY(w.session().unsavedKeptAt().isValid());
        // Kept changes the song's files hold by its next opening are not offered.
        writeFile(folder.filePath("Song.xml"), lyricsFileOf(song, {"3|One", "|Two"}));
        w.open(song);
        QCOMPARE(w.sheet(), QStringList({"1|One|0:03|3", "2|Two||"}));
        QVERIFY(!w.session().unsavedKeptAt().isValid());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"Other.mp3", "Song.mp3", "Song.xml"}));
    }
};

QTEST_MAIN(ExportsTest)
#include "tst_Exports.moc"
