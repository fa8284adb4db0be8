#include "sources/Id3v2Layout.h"
#include "sources/TextCleaning.h"
#include "sources/TextFile.h"

#include "SongFiles.h"

#include <QTest>

class TextRulesTest : public QObject {
    Q_OBJECT
private slots:
    void splitsAndCleansLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("two CR LF lines give three") << "One\r\nTwo\r\n"
                                                    << QStringList{"One", "Two", ""};
        QTest::newRow("empty text gives one line") << "" << QStringList{""};
        QTest::newRow("LF only") << "a\nb" << QStringList{"a", "b"};
        QTest::newRow("blanks before CR kept") << "word  \r\nnext" << QStringList{"word  ", "next"};
        QTest::newRow("blanks at ends trimmed")
            << "  in the middle  " << QStringList{"in the middle"};
        QTest::newRow("tab deleted, words join") << "left\tright" << QStringList{"leftright"};
        QTest::newRow("blanks and tabs only") << "  \t\t  " << QStringList{""};
        QTest::newRow("blank between tabs kept") << " \t \t " << QStringList{" "};
        QTest::newRow("tab shields blanks") << "\t x \t" << QStringList{" x "};
        QTest::newRow("inner blank lines kept") << "a\n\n\nb" << QStringList{"a", "", "", "b"};
        QTest::newRow("codes from 128 up kept")
            << QStringLiteral("Café ñ \u00A0Ωμέγα 世界 \u2019")
            << QStringList{QStringLiteral("Café ñ \u00A0Ωμέγα 世界 \u2019")};
        QTest::newRow("C0 and DEL deleted") << QString::fromLatin1("a\x01\x08\x0B\x0C\x1B\x1F\x7F"
                                                                   "b",
                                                                   10)
                                            << QStringList{"ab"};
        QTest::newRow("NUL deleted")
            << QString(QStringLiteral("x") + QChar(0) + QStringLiteral("y")) << QStringList{"xy"};
        QTest::newRow("lone CR does not split") << "a\rb" << QStringList{"ab"};
    }
    void splitsAndCleansLines() {
        QFETCH(QString, text);
        QTEST(LyricLines(text), "lines");
    }

    void nonAsciiReplaceChangesItsArgument() {
        QString line = QStringLiteral("\tA\u0080B\x7F");
        QCOMPARE(NonAsciiReplace(line), QStringLiteral("A\u0080B"));
        QCOMPARE(line, QStringLiteral("A\u0080B"));
    }

    void trimsOnlyBlanks() {
        QCOMPARE(TrimBlanks(QStringLiteral("  a b  ")), QStringLiteral("a b"));
        QCOMPARE(TrimBlanks(QStringLiteral(" \t a\n ")), QStringLiteral("\t a\n"));
        QCOMPARE(TrimBlanks(QStringLiteral("    ")), QString());
    }

    void decodesTextFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        const QString accented = QStringLiteral("Señor — “Zoë” €");
        QTest::newRow("ASCII") << QByteArray("plain\r\ntext") << "plain\r\ntext";
        QTest::newRow("UTF-8") << accented.toUtf8() << accented;
        QTest::newRow("UTF-8 with BOM")
            << QByteArray("\xEF\xBB\xBF") + accented.toUtf8() << accented;
        QTest::newRow("UTF-16 LE with BOM")
            << songs::encoded(songs::Utf16, accented, false) << accented;
        QTest::newRow("UTF-16 BE with BOM")
            << QByteArray("\xFE\xFF") + songs::encoded(songs::Utf16BE, accented, false) << accented;
        QTest::newRow("Windows-1252")
            << QByteArray("Se\xF1or \x97 \x93Zo\xEB\x94 \x80") << accented;
        QTest::newRow("Windows-1252 unassigned codes")
            << QByteArray("\x81\x8D\x8F\x90\x9D")
            << QStringLiteral("\u0081\u008D\u008F\u0090\u009D");
        QTest::newRow("one bad byte makes it Windows-1252")
            << QByteArray("caf\xC3\xA9 caf\xE9") << QStringLiteral("cafÃ© café");
        QTest::newRow("empty") << QByteArray() << QString();
    }
    void decodesTextFiles() {
        QFETCH(QByteArray, bytes);
        QTEST(DecodeText(bytes), "text");
    }

    void readsTheExtentOfATag() {
        using namespace songs;
        const QByteArray v3 = tag(3, {textFrame(3, "TIT2", "x")}, 100);
        QCOMPARE(Id3v2ExtentOf(v3).majorVersion, 3);
        QCOMPARE(Id3v2ExtentOf(v3).length, v3.size());
        QByteArray withFooter = tag(4, {}, 20);
        withFooter[5] = 0x10;
        QCOMPARE(Id3v2ExtentOf(withFooter).length, withFooter.size() + 10);
        QCOMPARE(Id3v2ExtentOf(toneBytes()).length, 0);
        QCOMPARE(Id3v2ExtentOf(QByteArray("ID3")).length, 0);
    }

    void listsFrameIds_data() {
        using namespace songs;
        QTest::addColumn<QByteArray>("tag");
        QTest::addColumn<QStringList>("ids");
        // Sizes of 2.4 frames are synchsafe: 200 bytes would be misread as 328 in 2.3 style.
        const QString longText(199, QLatin1Char('x'));
        QTest::newRow("2.4") << tag(4, {textFrame(4, "TIT2", longText), lyricsFrame(4, Utf8, "l")})
                             << QStringList{"TIT2", "USLT"};
        QTest::newRow("2.3") << tag(3, {textFrame(3, "TPE1", longText), textFrame(3, "TALB", "a")})
                             << QStringList{"TPE1", "TALB"};
        QTest::newRow("empty") << tag(3, {}) << QStringList{};
        QByteArray extended = tag(3, {textFrame(3, "TIT2", "t")});
        extended[5] = 0x40;
        extended.insert(10, QByteArray("\0\0\0\x06\0\0\0\0\0\0", 10));
        extended.replace(6, 4, sizeBytes(quint32(extended.size() - 10), true));
        QTest::newRow("2.3 extended header") << extended << QStringList{"TIT2"};
        QByteArray cut = tag(3, {textFrame(3, "TIT2", "t"), textFrame(3, "TPE1", "p")}, 0);
        cut.chop(1);
        cut.replace(6, 4, sizeBytes(quint32(cut.size() - 10), true));
        QTest::newRow("frame past the end") << cut << QStringList{"TIT2"};
    }
    void listsFrameIds() {
        QFETCH(QByteArray, tag);
        QTEST(Id3v2FrameIds(tag), "ids");
    }
};

QTEST_GUILESS_MAIN(TextRulesTest)
#include "tst_TextRules.moc"
