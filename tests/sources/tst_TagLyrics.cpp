#include "sources/Id3v2Layout.h"
#include "sources/TagLibComponent.h"
#include "support/TestWindow.h"
#include "window/Failure.h"

#include "SongFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace songs;

namespace {

const QString kNonLatin = QStringLiteral("Привет, мир\n世界の歌\nΕλλάδα — “quotes” €");

QString saveWithTheProgram(const QString& path, const QString& lyrics) {
    TagLibComponent component;
    component.LoadTag(path, true);
    component.SetFrameText(QStringLiteral("USLT"), lyrics);
    component.SaveTag(path);
    return path;
}

QString readWithTheProgram(const QString& path, const QString& frameId = QStringLiteral("USLT")) {
    TagLibComponent component;
    component.LoadTag(path, true);
    return component.GetFrameText(frameId);
}

} // namespace

class TagLyricsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(!toneBytes().isEmpty()); }

    void readsLyricsFromTheTag_data() {
        QTest::addColumn<QByteArray>("tagBytes");
        QTest::addColumn<bool>("hasLyrics");
        QTest::addColumn<QString>("lyrics");
        QTest::newRow("no tag") << QByteArray() << false << "";
        QTest::newRow("tag without USLT") << tag(3, {textFrame(3, "TIT2", "Title")}) << false << "";
        QTest::newRow("blanks only") << tag(3, {lyricsFrame(3, Latin1, "   ")}) << true << "";
        QTest::newRow("Latin-1 in 2.3")
            << tag(3, {lyricsFrame(3, Latin1, QStringLiteral(" Café\r\n\tdéjà vu  "))}) << true
            << QStringLiteral("Café\r\n\tdéjà vu");
        QTest::newRow("UTF-16 in 2.3")
            << tag(3, {lyricsFrame(3, Utf16, kNonLatin)}) << true << kNonLatin;
        QTest::newRow("UTF-16 in 2.4")
            << tag(4, {lyricsFrame(4, Utf16, kNonLatin)}) << true << kNonLatin;
        QTest::newRow("UTF-8 in 2.4")
            << tag(4, {lyricsFrame(4, Utf8, kNonLatin)}) << true << kNonLatin;
        QTest::newRow("several: the one without a description")
            << tag(4, {lyricsFrame(4, Utf8, "described", "Karaoke"), lyricsFrame(4, Utf8, "plain"),
                       lyricsFrame(4, Utf8, "another plain", "", "deu")})
            << true << "plain";
        QTest::newRow("several, all described: the first")
            << tag(3, {lyricsFrame(3, Latin1, "first", "A"), lyricsFrame(3, Latin1, "second", "B")})
            << true << "first";
    }
    void readsLyricsFromTheTag() {
        QFETCH(QByteArray, tagBytes);
        QTemporaryDir dir;
        const QString song = write(QDir(dir.path()), "song.mp3", tagBytes + toneBytes());
        TestWindow w;
        QTEST(w->CheckForLyrics(song), "hasLyrics");
        QTEST(w->GetLyrics(song), "lyrics");
    }

    void probesNeverFail() {
        QTemporaryDir dir;
        TestWindow w;
        for (const QString& path : {dir.filePath("missing.mp3"), dir.path(), QString()}) {
            QVERIFY(!w->CheckForLyrics(path));
            QCOMPARE(w->GetLyrics(path), QString());
        }
        const QString text = write(QDir(dir.path()), "notes.txt", "USLT is not here");
        QVERIFY(!w->CheckForLyrics(text));
    }

    // What a save must keep, for songs as they come.
    void savesWithoutDamage_data() {
        QTest::addColumn<QByteArray>("tagBytes");
        QTest::addColumn<QByteArray>("trailer");
        QTest::addColumn<int>("version");
        const QList<QByteArray> v3Frames = {
            textFrame(3, "TIT2", "Title"), textFrame(3, "TPE1", "Artist"),
            textFrame(3, "TYER", "1999"), frame(3, "COMM", QByteArray("\0eng\0A comment", 15)),
            frame(3, "APIC", QByteArray("\0image/png\0\x03\0", 13) + QByteArray(300, '\x89'))};
        const QList<QByteArray> v4Frames = {
            textFrame(4, "TIT2", "Title"), textFrame(4, "TPE1", "Artist"),
            textFrame(4, "TDRC", "1999-05-01"), frame(4, "TXXX", QByteArray("\0Mood\0calm", 10))};
        QTest::newRow("no tag: 2.3 is written") << QByteArray() << QByteArray() << 3;
        QTest::newRow("2.3 kept") << tag(3, v3Frames) << QByteArray() << 3;
        QTest::newRow("2.4 kept") << tag(4, v4Frames) << QByteArray() << 4;
        QTest::newRow("2.3 without padding, lyrics replaced")
            << tag(3, v3Frames + QList<QByteArray>{lyricsFrame(3, Latin1, "old")}, 0)
            << QByteArray() << 3;
        QTest::newRow("ID3v1 at the end stays")
            << tag(4, v4Frames) << version1Tag("Old title") << 4;
        QTest::newRow("only ID3v1") << QByteArray() << version1Tag("Old title") << 3;
    }
    void savesWithoutDamage() {
        QFETCH(QByteArray, tagBytes);
        QFETCH(QByteArray, trailer);
        QFETCH(int, version);
        QTemporaryDir dir;
        const QByteArray audio = toneBytes() + trailer;
        const QString song = write(QDir(dir.path()), "song.mp3", tagBytes + audio);
        QFile::setPermissions(song, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);

        saveWithTheProgram(song, kNonLatin);

        QCOMPARE(readWithTheProgram(song), kNonLatin);
        const QByteArray saved = read(song);
        QCOMPARE(int(saved.at(3)), version);
        QCOMPARE(saved.size(), tagLength(saved) + audio.size());
        QVERIFY2(saved.mid(tagLength(saved)) == audio, "audio bytes changed");
        // Frames may be reordered; none may go missing.
        QStringList before = Id3v2FrameIds(tagBytes);
        before.removeAll("USLT");
        before << "USLT";
        before.sort();
        QStringList after = Id3v2FrameIds(saved.left(tagLength(saved)));
        after.sort();
        QCOMPARE(after, before);
        const auto notUser =
            ~QFile::Permissions(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
        QCOMPARE(QFile::permissions(song) & notUser,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"song.mp3"});
        if (!tagBytes.isEmpty())
            QCOMPARE(readWithTheProgram(song, "TIT2"), QStringLiteral("Title"));
    }

    void replacesOnlyTheExpectedLyricsFrame() {
        QTemporaryDir dir;
        const QString song = write(
            QDir(dir.path()), "song.mp3",
            tag(4, {lyricsFrame(4, Utf8, "described", "Karaoke"), lyricsFrame(4, Utf8, "plain")}) +
                toneBytes());
        saveWithTheProgram(song, "new words");
        QCOMPARE(readWithTheProgram(song), QStringLiteral("new words"));
        const QByteArray saved = read(song);
        QCOMPARE(Id3v2FrameIds(saved.left(tagLength(saved))), QStringList({"USLT", "USLT"}));
        QVERIFY(saved.contains("described"));
        QVERIFY(!saved.contains("plain"));
    }

    void savingEmptyLyricsLeavesNoLyrics() {
        QTemporaryDir dir;
        const QString song = write(QDir(dir.path()), "song.mp3",
                                   tag(3, {lyricsFrame(3, Latin1, "words")}) + toneBytes());
        saveWithTheProgram(song, QString());
        TestWindow w;
        QVERIFY(!w->CheckForLyrics(song));
        QVERIFY(read(song).endsWith(toneBytes()));
    }

    void refusesToSaveAndLeavesTheFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only")
            << tag(3, {textFrame(3, "TIT2", "t")}) + toneBytes() << true << "read-only";
        QTest::newRow("text file")
            << QByteArray("Just some words\n").repeated(50) << false << "not an MP3";
        QTest::newRow("tag but no audio")
            << tag(3, {textFrame(3, "TIT2", "t")}) << false << "not an MP3";
        QTest::newRow("binary") << QByteArray(5000, '\0') << false << "not an MP3";
    }
    void refusesToSaveAndLeavesTheFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, readOnly);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString song = write(QDir(dir.path()), "song.mp3", bytes);
        if (readOnly)
            QFile::setPermissions(song, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        try {
            saveWithTheProgram(song, "words");
            QFAIL("the save went through");
        } catch (const VersettaError& error) {
            QVERIFY2(error.message().contains(reason), qPrintable(error.message()));
            QVERIFY2(error.message().contains(QDir::toNativeSeparators(song)),
                     qPrintable(error.message()));
        }
        QCOMPARE(read(song), bytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"song.mp3"});
    }

    // Tags out of the ordinary: a save keeps every frame, or refuses and leaves the song
    // alone when TagLib would drop one it cannot parse.
    void unusualTagsAreKeptOrLeftAlone_data() {
        QTest::addColumn<QByteArray>("tagBytes");
        QTest::addColumn<QString>("refusedFor");
        QByteArray discardFlag = textFrame(3, "TPE1", "Artist");
        discardFlag[8] = char(0x80);
        QTest::newRow("2.3 frames that 2.4 dropped")
            << tag(3, {textFrame(3, "TYER", "1999"), textFrame(3, "TDAT", "0105"),
                       textFrame(3, "TIME", "1200"), textFrame(3, "TSIZ", "1234"),
                       frame(3, "RVAD", QByteArray("\x03\x10\0\0\0\0", 6))})
            << "";
        QTest::newRow("frame marked to be discarded") << tag(3, {discardFlag}) << "";
        QTest::newRow("unknown frame") << tag(4, {frame(4, "XYZ1", "opaque data")}) << "";
        QTest::newRow("bad text encoding")
            << tag(3, {frame(3, "TIT2", QByteArray("\x09x", 2))}) << "";
        QTest::newRow("2.2 tag") << tag(2, {QByteArray("TT2\0\0\x06\0Title", 12)}) << "";
        QTest::newRow("lower-case id")
            << tag(4, {frame(4, "tit2", QByteArray("\0x", 2))}) << "(tit2)";
        QTest::newRow("frame without content")
            << tag(3, {frame(3, "TIT2", QByteArray())}) << "(TIT2)";
    }
    void unusualTagsAreKeptOrLeftAlone() {
        QFETCH(QByteArray, tagBytes);
        QFETCH(QString, refusedFor);
        QTemporaryDir dir;
        const QByteArray bytes = tagBytes + toneBytes();
        const QString song = write(QDir(dir.path()), "song.mp3", bytes);
        try {
            saveWithTheProgram(song, "words");
            QVERIFY2(refusedFor.isEmpty(), "the save went through");
        } catch (const VersettaError& error) {
            QVERIFY2(!refusedFor.isEmpty(), qPrintable(error.message()));
            QVERIFY2(error.message().contains(refusedFor), qPrintable(error.message()));
            QCOMPARE(read(song), bytes);
            return;
        }
        const QByteArray saved = read(song);
        QVERIFY(saved.mid(tagLength(saved)) == toneBytes());
        QCOMPARE(readWithTheProgram(song), QStringLiteral("words"));
        if (tagBytes.at(3) == 2)
            return; // 2.2 frames are written with their 2.4 names
        QStringList before = Id3v2FrameIds(tagBytes) << "USLT";
        QStringList after = Id3v2FrameIds(saved.left(tagLength(saved)));
        before.sort();
        after.sort();
        QCOMPARE(after, before);
    }

    void missingFileIsReported() {
        QTemporaryDir dir;
        TagLibComponent component;
        QVERIFY_THROWS_EXCEPTION(VersettaError, component.LoadTag(dir.filePath("gone.mp3"), true));
        component.SetFrameText("USLT", "x");
        QVERIFY_THROWS_EXCEPTION(VersettaError, component.SaveTag(dir.filePath("gone.mp3")));
        QVERIFY(!QFile::exists(dir.filePath("gone.mp3")));
    }

    void unsupportedFramesAreRefused() {
        TagLibComponent component;
        QVERIFY_THROWS_EXCEPTION(VersettaError, component.SetFrameText("APIC", "x"));
        QVERIFY_THROWS_EXCEPTION(VersettaError, component.GetFrameText("TXXX"));
    }

    void savedLyricsAreReadByAnIndependentReader() {
        if (mid3v2().isEmpty())
            QSKIP("mid3v2 (python3-mutagen) is not installed");
        QTemporaryDir dir;
        const QString song = write(QDir(dir.path()), "song.mp3", toneBytes());
        saveWithTheProgram(song, kNonLatin);
        const QString listed = runMid3v2({"--list-raw", song});
        QVERIFY2(listed.contains(QStringLiteral("lang='XXX', desc='', text='") +
                                 QString(kNonLatin).replace("\n", "\\n") + "'"),
                 qPrintable(listed));
    }

    void lyricsOfAnIndependentWriterAreRead() {
        if (mid3v2().isEmpty())
            QSKIP("mid3v2 (python3-mutagen) is not installed");
        QTemporaryDir dir;
        const QString song = write(QDir(dir.path()), "song.mp3", toneBytes());
        QVERIFY(!runMid3v2({"--USLT", kNonLatin, song}).isNull());
        TestWindow w;
        QVERIFY(w->CheckForLyrics(song));
        QCOMPARE(w->GetLyrics(song), kNonLatin);
    }
};

QTEST_MAIN(TagLyricsTest)
#include "tst_TagLyrics.moc"
