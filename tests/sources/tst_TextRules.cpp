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
        const QString high = QStringLiteral("Café \u00A0Ωμέγα 世界 \u2019");
        QTest::newRow("two CR LF lines: three") << "One\r\nTwo\r\n"
                                                << QStringList{"One", "Two", ""};
        QTest::newRow("empty text: one") << "" << QStringList{""};
        QTest::newRow("blanks before CR kept") << "word  \r\n  b" << QStringList{"word  ", "b"};
        QTest::newRow("tab deleted, words join") << "left\tright" << QStringList{"leftright"};
        QTest::newRow("blanks and tabs only") << "  \t\t  " << QStringList{""};
        QTest::newRow("blank between tabs kept") << " \t \t " << QStringList{" "};
        QTest::newRow("codes from 128 up kept") << high << QStringList{high};
        QTest::newRow("C0, NUL and DEL deleted")
            << QString::fromLatin1("a\x01\x1B\x1F\x7F\0b\rc", 9) << QStringList{"abc"};
    }
    void splitsAndCleansLines() {
        QFETCH(QString, text);
        QTEST(LyricLines(text), "lines");
        QString line = text;
        QCOMPARE(NonAsciiReplace(line), line); // the argument is given the result too
    }

    void decodesTextFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        const QString text = QStringLiteral("Señor — “Zoë” €");
        QTest::newRow("UTF-8") << text.toUtf8() << text;
        QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF" + text.toUtf8() << text;
        QTest::newRow("UTF-16 LE with BOM") << songs::encoded(songs::Utf16, text) << text;
        QTest::newRow("UTF-16 BE with BOM") << QByteArray("\xFE\xFF\0h\0\xE9", 6) << "hé";
        QTest::newRow("Windows-1252") << QByteArray("Se\xF1or \x97 \x93Zo\xEB\x94 \x80") << text;
        QTest::newRow("unassigned 1252 codes") << QByteArray("\x81\x9D") << "\u0081\u009D";
        QTest::newRow("one bad byte: all 1252") << QByteArray("\xC3\xA9 \xE9") << "Ã© é";
    }
    void decodesTextFiles() {
        QFETCH(QByteArray, bytes);
        QTEST(DecodeText(bytes), "text");
    }

    void listsFrameIds() {
        using namespace songs;
        // 2.4 sizes are synchsafe: read the 2.3 way, 200 bytes would be 328.
        const QString text(199, QLatin1Char('x'));
        QCOMPARE(Id3v2FrameIds(tag(4, {textFrame(4, "TIT2", text), lyricsFrame(4, Utf8, "l")})),
                 QStringList({"TIT2", "USLT"}));
        QByteArray extended = tag(3, {textFrame(3, "TIT2", text), textFrame(3, "TPE1", "p")}, 0);
        extended.chop(1); // the last frame no longer fits
        extended.insert(10, QByteArray("\0\0\0\x06\0\0\0\0\0\0", 10));
        extended[5] = 0x40;
        extended.replace(6, 4, sizeBytes(quint32(extended.size() - 10), true));
        QCOMPARE(Id3v2FrameIds(extended), QStringList{"TIT2"});
        QCOMPARE(Id3v2ExtentOf(extended).length, extended.size());
        QCOMPARE(Id3v2ExtentOf(toneBytes()).length, 0);
    }
};

QTEST_GUILESS_MAIN(TextRulesTest)
#include "tst_TextRules.moc"
