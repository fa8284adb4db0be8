#include "core/Failure.h"
#include "sources/Id3v2Layout.h"
#include "sources/TagLibComponent.h"
#include "support/TestWindow.h"

#include "SongFiles.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace songs;

namespace {

const QString kNonLatin = QStringLiteral("Привет, мир\n世界の歌\nΕλλάδα — “quotes” €");

void saveLyrics(const QString& path, const QString& lyrics) {
    TagLibComponent component;
    component.LoadTag(path, true);
    component.SetFrameText(QStringLiteral("USLT"), lyrics);
    component.SaveTag(path);
}

// The frame ids of the tag at the start of bytes, with one USLT.
QStringList sortedIds(const QByteArray& bytes) {
    QStringList ids = Id3v2FrameIds(bytes.left(tagLength(bytes)));
    ids.removeAll("USLT");
    (ids << "USLT").sort();
    return ids;
}

} // namespace

class TagLyricsTest : public QObject {
    Q_OBJECT
private slots:
    void readsLyricsFromTheTag_data() {
        QTest::addColumn<QByteArray>("tagBytes");
        QTest::addColumn<bool>("hasLyrics");
        QTest::addColumn<QString>("lyrics");
        QTest::newRow("no file") << QByteArray("missing") << false << "";
        QTest::newRow("no tag") << QByteArray() << false << "";
        QTest::newRow("tag without USLT") << tag(3, {textFrame(3, "TIT2", "Title")}) << false << "";
        QTest::newRow("blanks only") << tag(3, {lyricsFrame(3, Latin1, "   ")}) << true << "";
        QTest::newRow("Latin-1 in 2.3")
            << tag(3, {lyricsFrame(3, Latin1, " Café\r\n\tdéjà  ")}) << true << "Café\r\n\tdéjà";
        QTest::newRow("UTF-16 in 2.3")
            << tag(3, {lyricsFrame(3, Utf16, kNonLatin)}) << true << kNonLatin;
        QTest::newRow("UTF-8 in 2.4")
            << tag(4, {lyricsFrame(4, Utf8, kNonLatin)}) << true << kNonLatin;
        QTest::newRow("several: the one without a description")
            << tag(4, {lyricsFrame(4, Utf8, "described", "Karaoke"), lyricsFrame(4, Utf8, "plain"),
                       lyricsFrame(4, Utf8, "second plain")})
            << true << "plain";
        QTest::newRow("all described: the first")
            << tag(3, {lyricsFrame(3, Latin1, "first", "A"), lyricsFrame(3, Latin1, "second", "B")})
            << true << "first";
    }
    void readsLyricsFromTheTag() {
        QFETCH(QByteArray, tagBytes);
        QTemporaryDir dir;
        const QString song = dir.filePath("song.mp3");
        if (tagBytes != "missing")
            writeFile(song, tagBytes + toneBytes());
        QTEST(hasTagLyrics(song), "hasLyrics");
        QTEST(tagLyrics(song), "lyrics");
    }

    // The program copied alone (with its media module, for Play) to a folder of its own reads
    // lyrics a real tool wrote into the tag: under a real X server, Play, a mark, Stop and Save
    // write them beside the song.
    void theProgramAloneReadsTheTag() {
        const QString xvfb = QStandardPaths::findExecutable("xvfb-run");
        const QString xdotool = QStandardPaths::findExecutable("xdotool");
        if (xvfb.isEmpty() || xdotool.isEmpty())
            QSKIP("xvfb-run or xdotool is not installed");
        QTemporaryDir dir;
        const QString program = dir.filePath("velmora-versetta");
        QVERIFY(QFile::copy(VELMORA_PROGRAM, program));
        QVERIFY(QFile::copy(VELMORA_MEDIA_MODULE, dir.filePath("velmora-media.so")));
        const QString song = writeFile(dir.filePath("song.mp3"), toneBytes());
        if (runMid3v2({"--USLT", kNonLatin, song}).isNull())
            QSKIP("mid3v2 (python3-mutagen) is not installed");
        const QString xml = dir.filePath("song.xml");
        // Waits for the saved file (at most 30 s), then ends the program.
        const QString script = QStringLiteral(R"("$1" "$2" & pid=$!
"$4" search --sync --onlyvisible --name '^Velmora Versetta$' windowfocus --sync key ctrl+p space ctrl+period ctrl+s
for i in $(seq 300); do [ -s "$3" ] && break; sleep 0.1; done
kill $pid; wait $pid)");
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("HOME", dir.path());
        env.insert("XDG_CONFIG_HOME", dir.path());
        run.setProcessEnvironment(env);
        run.start(xvfb, {"-a", "sh", "-c", script, "sh", program, song, xml, xdotool});
        QVERIFY(run.waitForFinished(60000));
        QVERIFY2(QString::fromUtf8(readFile(xml)).contains("世界の歌"),
                 run.readAllStandardError().constData());
    }

    // A save either writes the lyrics keeping the audio, every other frame, the tag's version
    // and the file's permissions, or refuses and leaves the file exactly as it was. Songs of
    // other bad shapes are in the bad-input suite.
    void savesWithoutDamage_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("refusal");
        const QByteArray tone = toneBytes();
        const QByteArray id3v1 = QByteArray("TAGOld title").leftJustified(128, '\0');
        QByteArray discard = textFrame(3, "TPE1", "Artist");
        discard[8] = char(0x80); // "discard when the tag is altered"
        QList<QByteArray> v3;
        v3 << textFrame(3, "TIT2", "Title") << textFrame(3, "TYER", "1999")
           << textFrame(3, "TDAT", "0105") << textFrame(3, "TSIZ", "1234") << discard
           << frame(3, "RVAD", QByteArray("\x03\x10\0\0\0\0", 6))
           << frame(3, "APIC", QByteArray("\0image/png\0\x03\0", 13) + QByteArray(300, '\x89'))
           << lyricsFrame(3, Latin1, "old");
        const QList<QByteArray> v4 = {textFrame(4, "TIT2", "Title"),
                                      frame(4, "TXXX", QByteArray("\0Mood\0calm", 10)),
                                      frame(4, "XYZ1", "unknown to TagLib")};
        QTest::newRow("no tag: 2.3") << tone << 3 << "";
        QTest::newRow("2.3, no padding") << tag(3, v3, 0) + tone << 3 << "";
        QTest::newRow("2.4 and ID3v1") << tag(4, v4) + tone + id3v1 << 4 << "";
        // 2.3 is what most players read.
        QTest::newRow("2.2: written as 2.3")
            << tag(2, {QByteArray("TT2\0\0\x06\0Title", 12)}) + tone << 3 << "";
        QTest::newRow("read-only") << tag(3, v3) + tone << 0 << "the file is read-only.";
        QByteArray encrypted = lyricsFrame(3, Latin1, "secret");
        encrypted[9] = char(0x40); // "encrypted", method byte follows the header
        encrypted.insert(10, QByteArray(1, '\x80'));
        encrypted[7] = char(encrypted[7] + 1); // the size counts the method byte
        // An encrypted frame, which only its writer reads, stays as it is beside the new lyrics.
        QTest::newRow("encrypted lyrics")
            << tag(3, {textFrame(3, "TIT2", "Title"), encrypted}) + tone << 3 << "";
        // The frame without description is replaced; the described one stays as it was.
        const QByteArray nuls = frame(4, "USLT", QByteArray("\3engDesc\0\0\0", 11));
        QTest::newRow("described lyrics of only NULs")
            << tag(4, {nuls, lyricsFrame(4, Utf8, "old")}) + tone << 4 << "";
    }
    void savesWithoutDamage() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, refusal);
        QTemporaryDir dir;
        const QString song = writeFile(dir.filePath("song.mp3"), bytes);
        const auto permissions = refusal.contains("read-only")
                                     ? QFile::ReadOwner | QFile::ReadGroup
                                     : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QFile::setPermissions(song, permissions);
        try {
            saveLyrics(song, kNonLatin);
            QVERIFY2(refusal.isEmpty(), "saved");
        } catch (const VersettaError& error) {
            QCOMPARE(error.message(), "Cannot save the lyrics into " + song + ": " + refusal);
            QCOMPARE(readFile(song), bytes);
        }
        const QFile::Permissions owner(0x7077);
        QCOMPARE(QFile::permissions(song) & owner, permissions);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"song.mp3"});
        if (!refusal.isEmpty())
            return;
        const QByteArray saved = readFile(song);
        QCOMPARE(tagLyrics(song), kNonLatin);
        QVERIFY2(saved.mid(tagLength(saved)) == bytes.mid(tagLength(bytes)), "audio changed");
        QTEST(int(saved.at(3)), "version");
        if (bytes.at(3) != 2) // 2.2 frames are renamed
            QCOMPARE(sortedIds(saved), sortedIds(bytes));
        // Every frame but the lyrics replaced stays byte for byte, those TagLib would drop or
        // rewrite included (TSIZ, RVAD, one to discard when the tag changes, an encrypted one).
        const Id3v2Body old = Id3v2RawFrames(bytes.left(tagLength(bytes)));
        for (const Id3v2RawFrame& raw : old.frames)
            if (bytes.at(3) != 2 &&
                !(raw.frame.id == "USLT" && raw.frame.fields.value(1).isEmpty()))
                QVERIFY2(saved.contains(old.bytes.mid(raw.at, raw.size)), qPrintable(raw.frame.id));
    }

    void replacesOnlyTheExpectedLyrics() {
        QTemporaryDir dir;
        const QByteArray lyrics =
            tag(4, {lyricsFrame(4, Utf8, "described", "Karaoke"), lyricsFrame(4, Utf8, "plain")});
        const QString song = writeFile(dir.filePath("song.mp3"), lyrics + toneBytes());
        saveLyrics(song, "new words");
        QVERIFY(readFile(song).contains("described") && !readFile(song).contains("plain"));
        QCOMPARE(tagLyrics(song), QStringLiteral("new words"));

        // A link is followed: the song it names gets the lyrics, the link stays a link.
        const QString link = dir.filePath(QStringLiteral("Лирика é.mp3"));
        QVERIFY(QFile::link(song, link));
        saveLyrics(link, "through the link");
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(tagLyrics(song), QStringLiteral("through the link"));
    }

    // An independent tool reads what the program saved, and the program what the tool wrote.
    void anIndependentToolAgrees() {
        QTemporaryDir dir;
        const QString song = writeFile(dir.filePath("song.mp3"), toneBytes());
        saveLyrics(song, kNonLatin);
        const QString listed = runMid3v2({"--list-raw", song});
        if (listed.isNull())
            QSKIP("mid3v2 (python3-mutagen) is not installed");
        QVERIFY2(listed.contains("lang='XXX', desc='', text='" +
                                 QString(kNonLatin).replace("\n", "\\n") + "'"),
                 qPrintable(listed));
        QVERIFY(!runMid3v2({"--USLT", "other", song}).isNull());
        QCOMPARE(tagLyrics(song), QStringLiteral("other"));
    }

    void listsFrameIds() {
        // 2.4 sizes are synchsafe: read the 2.3 way, 200 bytes would be 328.
        const QString text(199, QLatin1Char('x'));
        QCOMPARE(Id3v2FrameIds(tag(4, {textFrame(4, "TIT2", text), lyricsFrame(4, Utf8, "l")})),
                 QStringList({"TIT2", "USLT"}));
        QCOMPARE(Id3v2ExtentOf(toneBytes()).length, 0);
    }
};

QTEST_MAIN(TagLyricsTest)
#include "tst_TagLyrics.moc"
