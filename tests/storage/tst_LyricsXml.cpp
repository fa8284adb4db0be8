#include "storage/LyricsXml.h"
#include "window/Failure.h"

#include <QTest>
#include <QXmlStreamReader>

namespace {

QString filenameOf(const QByteArray& xml) {
    QXmlStreamReader reader(xml);
    reader.readNextStartElement();
    return reader.attributes().value(QLatin1String("Filename")).toString();
}

} // namespace

class LyricsXmlTest : public QObject {
    Q_OBJECT
private slots:
    void numbersInTheDocument_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<int>("seconds"); // -1: not a 32-bit whole second
        QTest::newRow("whole") << "185" << true << 185;
        QTest::newRow("signs") << "-2" << true << -2;
        QTest::newRow("plus") << "+7" << true << 7;
        QTest::newRow("blanks") << " 3\t" << true << 3;
        QTest::newRow("half to even down") << "12.5" << true << 12;
        QTest::newRow("half to even up") << "13.5" << true << 14;
        QTest::newRow("bare fraction") << ".5" << true << 0;
        QTest::newRow("trailing point") << "5." << true << 5;
        QTest::newRow("32-bit top") << "2147483647" << true << 2147483647;
        QTest::newRow("beyond 32 bits") << "2147483648" << true << -1;
        for (const char* text :
             {"", " ", "abc", "1e3", "1,5", "--1", "+", ".", "1.2.3", "0x10", "٣", "12a"})
            QTest::newRow(text) << QString::fromUtf8(text) << false << -1;
    }
    void numbersInTheDocument() {
        QFETCH(QString, text);
        QFETCH(int, seconds);
        QTEST(NumericText(text).has_value(), "numeric");
        QCOMPARE(WholeSeconds(text).value_or(-1), seconds);
        QCOMPARE(WholeLineNumber(QStringLiteral("32767")).value_or(0), 32767);
        QVERIFY(!WholeLineNumber(QStringLiteral("32768")));
    }

    void anEmptySheetIsTheFourLineSkeleton() {
        QCOMPARE(LyricsDocumentWriter(QStringLiteral("/m/A&B \"x\".mp3")).finish(),
                 QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\r\n"
                            "<SynchronizedLyrics Title=\"\" Artist=\"\" "
                            "Filename=\"/m/A&amp;B &quot;x&quot;.mp3\">\r\n"
                            "<LYRICS />\r\n</SynchronizedLyrics>\r\n"));
    }

    void everyTextReadsBackUnchanged_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("reserved") << "& < > \" ' ]]> &amp;";
        QTest::newRow("line breaks") << "one\r\ntwo\rthree\nfour";
        QTest::newRow("blanks kept") << "  \tspaced  ";
        QTest::newRow("non-ASCII") << "Café 日本語 😀";
        QTest::newRow("empty") << "";
    }
    void everyTextReadsBackUnchanged() {
        QFETCH(QString, text);
        LyricsDocumentWriter writer(text);
        writer.addLine(QStringLiteral("1"), QStringLiteral("12.5"), text);
        writer.addLine(QStringLiteral("2"), QString(), text + text);
        const QByteArray document = writer.finish();
        const LyricsContent read = ReadLyricsDocument(document);
        QVERIFY2(read.problem.isEmpty(), qPrintable(read.problem));
        QCOMPARE(read.lines.size(), 2u);
        QCOMPARE(read.lines[0][2].text, text);
        QCOMPARE(read.lines[1][2].text, text + text);
        QCOMPARE(read.lines[1][1].text, QString());
        QCOMPARE(filenameOf(document), text);
    }

    void charactersXmlCannotHoldStopTheSave() {
        LyricsDocumentWriter writer(QStringLiteral("/m/a.mp3"));
        writer.addLine(QStringLiteral("1"), {}, QStringLiteral("fine"));
        QVERIFY_THROWS_EXCEPTION(VersettaError,
                                 writer.addLine(QStringLiteral("2"), {}, QString(u'\x01')));
        QVERIFY_THROWS_EXCEPTION(VersettaError, LyricsDocumentWriter(QString(QChar(0xD800))));
    }
};

QTEST_MAIN(LyricsXmlTest)
#include "tst_LyricsXml.moc"
