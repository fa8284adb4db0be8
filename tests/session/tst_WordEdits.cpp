#include "align/Hyphenation.h"
#include "align/Pronounce.h"
#include "session/WordEdits.h"
#include "support/Rows.h"

#include <QTest>

// Syllables for karaoke without a window: where words break, and the splits and moves of the
// strip on the sheet with their undo. How syllables travel through LRC and SYLT is the LRC and
// timed-tag tests'.
namespace {

QString hyphenated(const QString& word) {
    QString shown = word;
    const std::vector<qsizetype> breaks = SyllableBreaks(word);
    for (auto b = breaks.rbegin(); b != breaks.rend(); ++b)
        shown.insert(*b, u'-');
    return shown;
}

// A sheet of one line "Never gonna stop" timed at 1 s, 1.8 s and 2.6 s, and a line at 5 s.
void loadLine(LyricSheet& sheet) {
    SheetRow row{"1", "Never gonna stop", "0:01", "1", 1000, WordsOf("Never gonna stop")};
    row.words[0].ms = 1000;
    row.words[1].ms = 1800;
    row.words[2].ms = 2600;
    sheet.load({row, {"2", "Next", "0:05", "5", 5000}}, "Load Lyrics");
}

QString words(const LyricSheet& sheet) {
    const SheetRow& row = sheet.rows().front();
    QStringList shown;
    for (const WordTime& w : row.words)
        shown << row.lyric.mid(w.start, w.length) + '@' + QString::number(w.ms);
    return shown.join(' ');
}

} // namespace

class WordEditsTest : public QObject {
    Q_OBJECT
private slots:
    // Each break keeps the count of syllables the aligner shares time out by.
    void wordsBreakIntoTheirSyllables_data() {
        textColumns({"word", "shown"});
        textRow("one consonant goes on", "tiger|ti-ger");
        textRow("of two, the first stays", "winter|win-ter");
        textRow("a double letter", "happy|hap-py");
        textRow("a pair sounded as one", "together|to-ge-ther");
        textRow("silent final e", "love|love");
        textRow("one syllable", "stop|stop");
        textRow("capitals and an apostrophe", "Never'|Ne-ver'");
        textRow("accented", "corazón|co-ra-zón");
        textRow("written without blanks", u"君の名|君-の-名"_qs);
    }
    void wordsBreakIntoTheirSyllables() {
        QFETCH(QString, word);
        QTEST(hyphenated(word), "shown");
        QCOMPARE(static_cast<int>(SyllableBreaks(word).size()) + 1, Syllables(word));
    }

    // A split at a time inside a word breaks it at the syllable break nearest to where that
    // time falls in the word, or, of one syllable, at the character there; one undo step.
    void splitsAtTheNearestSyllableBreak_data() {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("words");
        QTest::newRow("early in \"Never\"")
            << qint64(1200) << "Ne@1000 ver@1200 gonna@1800 stop@2600";
        QTest::newRow("in \"gonna\"") << qint64(2300) << "Never@1000 gon@1800 na@2300 stop@2600";
        QTest::newRow("one syllable") << qint64(3200) << "Never@1000 gonna@1800 s@2600 top@3200";
    }
    void splitsAtTheNearestSyllableBreak() {
        QFETCH(qint64, ms);
        LyricSheet sheet;
        loadLine(sheet);
        const QString before = words(sheet);
        SplitWordAt(sheet, 1, -1, ms);
        QTEST(words(sheet), "words");
        QVERIFY(!sheet.undo().isEmpty());
        QCOMPARE(words(sheet), before);
    }

    // What cannot be split says why and changes nothing.
    void refusesSplitsThatCannotBe() {
        LyricSheet sheet;
        loadLine(sheet);
        const QString before = words(sheet);
        QCOMPARE(SplitWordAt(sheet, 1, -1, 900),
                 "Point inside a timed word in the strip to split it there.");
        QCOMPARE(SplitWordAt(sheet, 1, -1, 1805), "Point further inside \"gonna\" to split it.");
        QCOMPARE(SplitIntoSyllables(sheet, 1, 2, {}),
                 "That word has one syllable, or no time yet.");
        QCOMPARE(SplitWordAt(sheet, 2, -1, 5500),
                 "Time the line's words first, then split one: mark them with word marking on "
                 "(Ctrl+W), or take their suggested times (Ctrl+Shift+W).");
        QCOMPARE(words(sheet), before);
        QVERIFY(!sheet.canUndo() || sheet.undo() == "Load Lyrics");
    }

    // A word split into all its syllables at once: starts shared by letters, each onto a voice
    // onset close by.
    void splitsIntoAllSyllablesOntoOnsets() {
        LyricSheet sheet;
        loadLine(sheet);
        QCOMPARE(SyllablesShown(sheet, 1, 0), u"Ne·ver"_qs);
        QCOMPARE(SplitIntoSyllables(sheet, 1, 0, {1290, 4000}),
                 u"Split \"Never\" into Ne·ver; drag each syllable to its start."_qs);
        QCOMPARE(words(sheet), "Ne@1000 ver@1290 gonna@1800 stop@2600");
    }

    // A moved first word moves the line; a word never gets a time before the song's start.
    void movesAWordAndItsLine() {
        LyricSheet sheet;
        loadLine(sheet);
        QCOMPARE(MoveWordStart(sheet, 1, 0, 700),
                 "\"Never\" now starts at 0:00.70, and line 1 with it; Ctrl+Z puts it back.");
        QCOMPARE(sheet.rows().front().markMs, 700);
        QCOMPARE(sheet.cell(1, LyricSheet::ColSecs), "0");
        MoveWordStart(sheet, 1, 2, 2650);
        QCOMPARE(words(sheet), "Never@700 gonna@1800 stop@2650");
        QCOMPARE(sheet.undo(), "Move Word \"stop\" to 0:02.65");
        QCOMPARE(sheet.undo(), "Move Word \"Never\" to 0:00.70");
        QCOMPARE(sheet.rows().front().markMs, 1000);
        QCOMPARE(MoveWordStart(sheet, 2, 0, 100),
                 "That word has no time yet: mark it with word marking on (Ctrl+W), or take the "
                 "line's suggested word times (Ctrl+Shift+W).");
    }

    // What a loop plays: a word to the next word's start, the last word to the next line's,
    // the line to the next line's.
    void loopsAWordOrALine() {
        LyricSheet sheet;
        loadLine(sheet);
        const auto span = [&](int position, int word) {
            const LoopSpan s = LoopSpanOf(sheet.rows(), position, word);
            return QString("%1-%2").arg(s.fromMs).arg(s.toMs);
        };
        QCOMPARE(span(1, 1), "1800-2600");
        QCOMPARE(span(1, 2), "2600-5000");
        QCOMPARE(span(1, -1), "1000-5000");
        QCOMPARE(span(2, -1), "5000-9000");
        QCOMPARE(span(2, 0), "-1--1");
    }
};

QTEST_GUILESS_MAIN(WordEditsTest)
#include "tst_WordEdits.moc"
