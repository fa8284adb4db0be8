// Lyrics files and lyric texts of every bad shape, opened, played and saved through the real
// window: each ends in a status message or a defined sheet, and reading never changes a file.

#include "badinput/BadInput.h"
#include "support/Rows.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringEncoder>

#include <sys/stat.h>

using namespace badinput;

namespace {

QByteArray lineElement(int number, const QByteArray& marker, const QByteArray& lyric) {
    return "<LINE><LineNumber>" + QByteArray::number(number) + "</LineNumber><TimeMarker>" +
           marker + "</TimeMarker><LyricLine>" + lyric + "</LyricLine></LINE>\r\n";
}

QByteArray document(const QByteArray& lines) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<SynchronizedLyrics Filename=\"x\">"
           "<LYRICS>\r\n" +
           lines + "</LYRICS></SynchronizedLyrics>\r\n";
}

QByteArray manyLines(int count) {
    QByteArray lines;
    for (int n = 1; n <= count; ++n)
        lines += lineElement(n, QByteArray(), "line " + QByteArray::number(n));
    return document(lines);
}

QByteArray deeplyNested(int depth) {
    return document("<LINE><LyricLine>" + QByteArray("<i>").repeated(depth) + "deep" +
                    QByteArray("</i>").repeated(depth) + "</LyricLine></LINE>");
}

QByteArray utf16(const QString& text, QStringConverter::Encoding encoding) {
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

QByteArray entityBomb() {
    QByteArray entities = "<!ENTITY a0 \"ha\">";
    for (int i = 1; i <= 9; ++i)
        entities += "<!ENTITY a" + QByteArray::number(i) + " \"" +
                    QByteArray("&a" + QByteArray::number(i - 1) + ";").repeated(10) + "\">";
    return "<?xml version=\"1.0\"?><!DOCTYPE S [" + entities +
           "]><S><L><LINE><LyricLine>&a9;</LyricLine></LINE></L></S>";
}

// A small file whose one entity of 4 000 characters is referenced count times: in one lyric
// (inOneLyric) or as blanks between the elements. Expanded, 200 000 references took half a
// minute and gigabytes.
QByteArray entityFlood(int count, bool inOneLyric) {
    const QByteArray references = QByteArray("&e;").repeated(count);
    return "<?xml version=\"1.0\"?><!DOCTYPE S [<!ENTITY e \"" +
           QByteArray(4000, inOneLyric ? 'x' : ' ') + "\">]><S>" +
           (inOneLyric ? "<L><LINE><LyricLine>" + references + "</LyricLine></LINE></L>"
                       : references + "<L><LINE><LyricLine>late</LyricLine></LINE></L>") +
           "</S>";
}

int previewRows(const TestWindow& w) {
    return static_cast<int>(lyricsTable(w.session().databasePath()).size());
}

void verifyStatus(const TestWindow& w, const QString& expected) {
    const QString status = w.ui.lblStatus->text();
    if (expected.isEmpty())
        QVERIFY2(status.isEmpty(), qPrintable(status));
    else
        QVERIFY2(status.contains(expected), qPrintable(status));
}

// A copy of the test tone in its own folder, opened through the Open button.
struct OpenedTone {
    OpenedTone() {
        song = toneSong(dir.filePath(QStringLiteral("Tone.mp3")));
        w.createDatabase();
        w.openAnswers << song;
        w.ui.cmdOpen->click();
    }
    QTemporaryDir dir;
    QString song;
    TestWindow w;
};

} // namespace

class BadLyricsTest : public QObject {
    Q_OBJECT
private slots:
    // Opening reads what it can; Play fills the preview from the same file or reports why not.
    void lyricsFilesOfEveryShape_data() {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("preview");
        // "" when the status line must stay empty; the Play button's caption after Play.
        textColumns({"openStatus", "playStatus", "button"});
        const QByteArray two = lineElement(1, "1", "one") + lineElement(2, "2", "two");
        const QString damaged = "Song.xml is damaged|Song.xml is damaged|Pause";
        textRow("not well-formed", "Song.xml is damaged at line|Song.xml is damaged|Pause",
                document(two + "<LINE><LyricLine>bad</LINE>"), 2, 0);
        textRow("empty", "(no root element); no lines could be read|no root element|Pause",
                QByteArray(), 0, 0);
        textRow("two roots", damaged, document(two) + "<Another/>", 2, 0);
        textRow("stray text",
                "Song.xml, line 1, column 9: text between elements was skipped|text between|Pause",
                QByteArray("<S>words<L>" + two + "more words</L>trailing</S>"), 2, 2);
        textRow("text only",
                "(Start tag expected.); no lines could be read|Start tag expected|Pause",
                QByteArray("Just the words,\r\nno markup at all.\r\n"), 0, 0);
        // The preview stops at the first line number past 16 bits, before any marked line.
        textRow("50 000 lines",
                "holds 50000 lines; the sheet shows the first 32767|line element 32768: the "
                "LineNumber \"32768\"|Play",
                manyLines(50000), int(LyricSheet::kMaxRows), 0);
        textRow("10 MB in one lyric", "||Pause",
                document(lineElement(1, "5", QByteArray(10 * 1024 * 1024, 'w'))), 1, 1);
        textRow("nested 100 000 deep", "||Pause", deeplyNested(100000), 1, 1);
        textRow("UTF-16 LE", "||Pause",
                utf16(QString::fromUtf8(document(two))
                          .replace(QStringLiteral("UTF-8"), QStringLiteral("UTF-16")),
                      QStringConverter::Utf16LE),
                2, 2);
        textRow(
            "UTF-16 BE, no declaration", "||Pause",
            utf16(QStringLiteral("<S><L>") + QString::fromUtf8(two) + QStringLiteral("</L></S>"),
                  QStringConverter::Utf16BE),
            2, 2);
        textRow("binary garbage",
                "(Encountered incorrectly encoded content.)|no lines could be read|Pause",
                randomBytes(7, 65536), 0, 0);
        textRow("garbage after a good start",
                "incorrectly encoded content|incorrectly encoded content|Pause",
                document(two).left(200) + randomBytes(8, 4096), 0, 0);
        const QString entities = "(its document type declares entities, which a lyrics file "
                                 "never does); no lines could be read|Song.xml is damaged|Pause";
        textRow("entity expansion bomb", entities, entityBomb(), 0, 0);
        textRow("one entity referenced 200 000 times in a lyric", entities,
                entityFlood(200000, true), 0, 0);
        textRow("one entity referenced 8 500 times between elements", entities,
                entityFlood(8500, false), 0, 0);
        // Qt's own message quotes the character as it is, which no one can see.
        const QString control = "(a control character (U+%1), which XML does not allow); no "
                                "lines could be read|Song.xml is damaged|Pause";
        textRow("NUL byte", control.arg("0000"),
                document(lineElement(1, "1", QByteArray("a\0b", 3))), 0, 0);
        textRow("control character after a good line",
                control.arg("001B").replace("no lines could be read",
                                            "the sheet shows the lines before"),
                document(lineElement(1, "1", "fine") + lineElement(2, "2", "a\x1b[0mb")), 1, 0);
        textRow("control character in UTF-16", control.arg("0007"),
                utf16(QString::fromUtf8(document(lineElement(1, "1", "\xc3\xa9t\xc3\xa9\a")))
                          .replace(QStringLiteral("UTF-8"), QStringLiteral("UTF-16")),
                      QStringConverter::Utf16LE),
                0, 0);
        textRow("NUL reference", damaged, document(lineElement(1, "1", "a&#0;b")), 0, 0);
        textRow("lone surrogate reference", damaged, document(lineElement(1, "1", "a&#xD800;b")), 0,
                0);
        textRow("lone surrogate bytes",
                "incorrectly encoded content|incorrectly encoded content|Pause",
                document(lineElement(1, "1", "a\xED\xA0\x80z")), 0, 0);
    }
    void lyricsFilesOfEveryShape() {
        QFETCH(QByteArray, xml);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Song.xml"));
        QVERIFY(!writeFile(path, xml).isNull());
        TestWindow w;
        w.createDatabase();
        w.openAnswers << dir.filePath(QStringLiteral("Song.mp3"));
        w.ui.cmdOpen->click();
        QCoreApplication::processEvents(); // the reader's note follows the handler
        QTEST(w.session().sheet().count(), "rows");
        QFETCH(QString, openStatus);
        verifyStatus(w, openStatus);
        QVERIFY(!w.ui.picSynch->isHidden() || w.session().sheet().count() == 0);

        w.ui.cmdPlay->click();
        QFETCH(QString, playStatus);
        verifyStatus(w, playStatus);
        QTEST(w.ui.cmdPlay->text(), "button");
        QTEST(previewRows(w), "preview");
        QCOMPARE(readFile(path), xml); // reading never writes
        QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("Song.xml")});
    }

    // Given on the command line, a lyrics file that expands without end still leaves a player.
    void startUpWithAFloodingLyricsFile() {
        QTemporaryDir dir;
        QVERIFY(!writeFile(dir.filePath(QStringLiteral("Song.xml")), entityFlood(8500, false))
                     .isNull());
        TestWindow w(dir.filePath(QStringLiteral("Song.mp3")));
        w->Form_Load();
        verifyStatus(w, QStringLiteral("Song.xml is damaged at line 1"));
        QCOMPARE(w.player->calls.filter(QStringLiteral("InitPlayer")).size(), 1);
    }

    // A named pipe in a file's place is refused at once; reading it would wait for ever.
    void namedPipesNeverBlock_data() {
        textColumns({"pipe", "status"});
        textRow("lyrics file, pressing Play",
                "Tone.xml|Tone.xml: not a regular file (a named pipe); the song plays without");
        textRow("text file for the panel",
                "lyrics.txt|lyrics.txt: not a regular file (a named pipe)");
    }
    void namedPipesNeverBlock() {
        QFETCH(QString, pipe);
        OpenedTone t;
        const QString path = t.dir.filePath(pipe);
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        const bool play = pipe.endsWith(QLatin1String(".xml"));
        if (play) {
            t.w.ui.cmdPlay->click();
            QCOMPARE(t.w.ui.cmdPlay->text(), QStringLiteral("Pause"));
        } else {
            t.w.ui.cmdAddLyrics->click();
            t.w.ui.txtAddLyrics->setPlainText(QStringLiteral("kept"));
            t.w.openAnswers << path;
            t.w.ui.cmdLyricsFromText->click();
            QCOMPARE(t.w.ui.txtAddLyrics->toPlainText(), QStringLiteral("kept"));
        }
        QFETCH(QString, status);
        verifyStatus(t.w, status);
    }

    // Text that a lyrics file cannot carry stops the Save before anything is written.
    void textAFileCannotHoldStopsTheSave_data() {
        QTest::addColumn<QString>("lyric");
        QTest::addColumn<QString>("status");
        QTest::newRow("NUL") << QStringLiteral("a") + QChar(0) + QStringLiteral("b")
                             << "Line 1 holds a character a lyrics file cannot hold (U+0000)";
        QTest::newRow("lone high surrogate")
            << QStringLiteral("a") + QChar(0xD800) << "cannot hold (U+D800)";
        QTest::newRow("control character") << QStringLiteral("bell\a") << "cannot hold (U+0007)";
        QTest::newRow("noncharacter")
            << QStringLiteral("a") + QChar(0xFFFF) << "cannot hold (U+FFFF)";
    }
    void textAFileCannotHoldStopsTheSave() {
        QFETCH(QString, lyric);
        QTemporaryDir dir;
        const QString old = dir.filePath(QStringLiteral("Song.xml"));
        QVERIFY(!writeFile(old, document(lineElement(1, "3", "before"))).isNull());
        TestWindow w;
        w.showSong(dir.path() + QLatin1Char('/'), QStringLiteral("Song.mp3"));
        w.setSheet({QStringLiteral("fine|1")});
        w.select(1);
        w.inputAnswers << lyric; // the lyric typed into the edit box
        w.ui.cmdEditLyric->click();
        QCOMPARE(w.session().sheet().cell(1, LyricSheet::ColLyric), lyric);
        w.save();
        QFETCH(QString, status);
        verifyStatus(w, status);
        QCOMPARE(readFile(old), document(lineElement(1, "3", "before")));
        QVERIFY(w.ui.cmdSave->isEnabled());
    }

    // Texts of every kind go through the sheet's file, the tag and the preview unchanged.
    void unusualTextSurvivesEverySave_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("emoji") << QStringLiteral(
            "😀 👍🏽 👨‍👩‍👧 🏳️‍🌈 ✓");
        QTest::newRow("Hebrew") << QStringLiteral("שלום עולם, 123");
        QTest::newRow("Arabic with marks") << QStringLiteral("\u200Fمرحبا بالعالم\u200E (hi)");
        QTest::newRow("combining and wide") << QStringLiteral("e\u0301 Z\u0335 日本語 한국어");
        QTest::newRow("markup-like") << QStringLiteral("<LINE>&amp;</LyricLine> ]]> \"' ?>");
    }
    void unusualTextSurvivesEverySave() {
        QFETCH(QString, text);
        OpenedTone t;
        t.w.ui.cmdAddLyrics->click();
        t.w.clipboard = text;
        t.w.ui.cmdPaste->click();
        t.w.ui.cmdSaveUnsynch->click();
        QCOMPARE(t.w.ui.lblStatus->text(),
                 "Saved 1 line of lyrics into the ID3v2 tag (USLT) of Tone.mp3.");
        QCOMPARE(tagLyrics(t.song), text);
        QCOMPARE(t.w.session().sheet().cell(1, LyricSheet::ColLyric), text);

        t.w.ui.cmdPlay->click();
        t.w.player->positionMs = 2000;
        t.w.ui.cmdMark->click();
        t.w.ui.cmdStop->click();
        t.w.ui.cmdSave->click();
        QCOMPARE(t.w.ui.lblStatus->text(), "Saved Tone.xml: 1 line, 1 marked");

        TestWindow again(t.song);
        again.createDatabase();
        again->Form_Load();
        QCOMPARE(again.sheet(), QStringList{QStringLiteral("1|%1|0:02|2").arg(text)});
        again.ui.cmdPlay->click();
        QCOMPARE(lyricsTable(again.session().databasePath()).value(0).section(u'|', 3), text);
    }

    // Text from a file or the clipboard that no sheet row can hold is cleaned or refused.
    void badTextFromOutside_data() {
        QTest::addColumn<QByteArray>("file");   // a text file chosen in the panel; "" = none
        QTest::addColumn<QString>("clipboard"); // pasted when no file is given
        QTest::addColumn<QString>("panel");     // the text box afterwards
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("tagSave"); // the status after saving the panel into the tag
        const QByteArray lone = QByteArray("\xFF\xFE"
                                           "a\0\x00\xD8"
                                           "b\0",
                                           8);
        QTest::newRow("NUL in a text file") << QByteArray("one\0two", 7) << QString() << "before"
                                            << "is not a text file"
                                            << "Saved 1 line of lyrics into the ID3v2 tag";
        QTest::newRow("lone surrogate in a UTF-16 file")
            << lone << QString() << QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b")
            << "No Lyrics Found For"
            << "a tag cannot hold (U+D800)";
        QTest::newRow("binary file") << randomBytes(11, 4096) << QString() << "before"
                                     << "is not a text file"
                                     << "Saved 1 line of lyrics into the ID3v2 tag";
        QTest::newRow("NUL pasted") << QByteArray() << QStringLiteral("one") + QChar(0) + "two"
                                    << QStringLiteral("one") + QChar(0) + "two"
                                    << "No Lyrics Found For"
                                    << "a tag cannot hold (U+0000)";
        const QString loneText = QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b");
        QTest::newRow("lone surrogate pasted")
            << QByteArray() << loneText << loneText << "No Lyrics Found For"
            << "a tag cannot hold (U+D800)";
    }
    void badTextFromOutside() {
        QFETCH(QByteArray, file);
        QFETCH(QString, clipboard);
        OpenedTone t;
        t.w.ui.cmdAddLyrics->click();
        t.w.ui.txtAddLyrics->setPlainText(QStringLiteral("before"));
        if (!file.isEmpty()) {
            const QString path = t.dir.filePath(QStringLiteral("lyrics.txt"));
            QVERIFY(!writeFile(path, file).isNull());
            t.w.openAnswers << path;
            t.w.ui.cmdLyricsFromText->click();
        } else {
            t.w.clipboard = clipboard;
            t.w.ui.cmdPaste->click();
        }
        QTEST(t.w.ui.txtAddLyrics->toPlainText(), "panel");
        QFETCH(QString, status);
        verifyStatus(t.w, status);
        // Whatever the panel holds, saving it into the tag ends defined: saved as cleaned
        // text, or refused with the song unchanged.
        const QByteArray songBefore = readFile(t.song);
        t.w.ui.lblStatus->clear();
        t.w.ui.cmdSaveUnsynch->click();
        QFETCH(QString, tagSave);
        verifyStatus(t.w, tagSave);
        if (tagSave.startsWith("Saved"))
            QCOMPARE(tagLyrics(t.song), t.w.ui.txtAddLyrics->toPlainText());
        else
            QCOMPARE(readFile(t.song), songBefore);
        for (int i = 1; i <= t.w.session().sheet().count(); ++i)
            for (const QChar c : t.w.session().sheet().cell(i, LyricSheet::ColLyric))
                QVERIFY(c.unicode() >= 0x20 && c != QChar(0x7F));
    }

    // A text longer than the sheet fills the sheet; the tag keeps it all.
    void fortyThousandLines() {
        QStringList lines;
        for (int n = 1; n <= 40000; ++n)
            lines << QStringLiteral("line %1").arg(n);
        const QString text = lines.join(QLatin1Char('\n'));
        OpenedTone t;
        t.w.ui.cmdAddLyrics->click();
        t.w.clipboard = text;
        t.w.ui.cmdPaste->click();
        t.w.ui.cmdSaveUnsynch->click();
        QCOMPARE(t.w.ui.lblStatus->text(),
                 u"Saved 40000 lines of lyrics into the ID3v2 tag (USLT) of Tone.mp3.  ·  The "
                 u"lyrics have 40000 lines; only the first 32767 are on the sheet."_qs);
        QCOMPARE(t.w.session().sheet().count(), LyricSheet::kMaxRows);
        QCOMPARE(t.w.session().sheet().cell(LyricSheet::kMaxRows, LyricSheet::ColLyric),
                 QStringLiteral("line 32767"));
        QCOMPARE(tagLyrics(t.song), text);
        t.w.ui.lblStatus->clear();
        t.w.open(t.song); // opening the song again says the same
        QVERIFY2(t.w.ui.lblStatus->text().startsWith(u"The lyrics have 40000 lines"),
                 qPrintable(t.w.ui.lblStatus->text()));
    }
};

QTEST_MAIN(BadLyricsTest)
#include "tst_BadLyrics.moc"
