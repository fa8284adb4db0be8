#include "sheet/LyricSheet.h"
#include "storage/Lrc.h"
#include "support/Rows.h"

#include <QRandomGenerator>
#include <QTest>

#include <functional>

// The LRC rules on their own: what a file written by other tools reads as, and what the
// program writes from a sheet.
class LrcTest : public QObject {
    Q_OBJECT
private slots:
    void readsOneLinePerStampInTimeOrder_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected"); // "ms|text", -1 for a plain line
        QTest::newRow("multi-stamp line")
            << "[00:05.00][00:01.50]Chorus\n[00:03.20]Verse"
            << QStringList{"1500|Chorus", "3200|Verse", "5000|Chorus"};
        QTest::newRow("header tags skipped")
            << "[ti:Title]\n[ar:Someone]\n[length: 03:00]\n[by:x]\n[00:01.00]One"
            << QStringList{"1000|One"};
        QTest::newRow("positive offset shows lines earlier, never before 0")
            << "[offset:+500]\n[00:02.00]A\n[00:00.20]B" << QStringList{"0|B", "1500|A"};
        QTest::newRow("negative offset") << "[offset:-250]\n[00:01.00]A" << QStringList{"1250|A"};
        QTest::newRow("word stamps dropped")
            << "[00:01.00]<00:01.00>Hel <00:01.40>lo <00:01.90>" << QStringList{"1000|Hel lo"};
        QTest::newRow("CRLF and a byte-order mark")
            << u"\uFEFF[00:01.00]A\r\n[00:02.00]B\r\n"_qs << QStringList{"1000|A", "2000|B"};
        QTest::newRow("fractions of 1 to 3 digits, colon before the fraction")
            << "[00:01.5]A\n[00:01.25]B\n[00:01.125]C\n[01:02:50]D"
            << QStringList{"1125|C", "1250|B", "1500|A", "62500|D"};
        QTest::newRow("plain lines stay after the line before them")
            << "Intro\n\n[00:02.00]A\nbetween\n[00:01.00]B [x]\n[Chorus]"
            << QStringList{"-1|Intro", "1000|B [x]", "-1|[Chorus]", "2000|A", "-1|between"};
        QTest::newRow("three-digit minutes") << "[100:00.00]Late" << QStringList{"6000000|Late"};
        QTest::newRow("headers only") << "[ti:x]\n[ar:y]\n" << QStringList{};
        QTest::newRow("the lowest 64-bit offset is held like any larger one")
            << "[offset:-9223372036854775808]\n[00:01.00]A\n[offset:-99999999999999999999]"
            << QStringList{"2147483648000|A"};
        QTest::newRow("an offset past every time")
            << "[offset:99999999999999999999]\n[00:01.00]A" << QStringList{"0|A"};
    }
    void readsOneLinePerStampInTimeOrder() {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QStringList lines;
        for (const LrcLine& line : ReadLrc(text).lines)
            lines << QStringLiteral("%1|%2").arg(line.ms).arg(line.text);
        QCOMPARE(lines, expected);
    }

    void writesPreciseTimesWhileSecsHoldTheirSecond() {
        const std::vector<SheetRow> rows = {
            {"1", "precise", "0:01", "1", 1234}, {"2", "shifted since", "0:03", "3", 1999},
            {"3", "unmarked", "", "", -1},       {"4", "fraction", "0:12", "12.5", -1},
            {"5", "negative", "", "-2", -1},     {"6", "an hour on", "1:01:02", "3662", 3662999},
        };
        int marked = 0;
        const QByteArray lrc = WriteLrc({"T", "", "Al", 185400}, rows, &marked);
        QCOMPARE(marked, 5);
        QCOMPARE(lrc, "[ti:T]\n[al:Al]\n[length:03:05]\n[by:Velmora Versetta]\n"
                      "[00:01.23]precise\n[00:03.00]shifted since\nunmarked\n"
                      "[00:12.50]fraction\n[00:00.00]negative\n[61:03.00]an hour on\n");
    }

    // To the nearest centisecond: cut off, a line would show up to 10 ms early.
    void stampsRoundToTheNearestCentisecond_data() {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("stamp");
        for (const auto& [ms, stamp] :
             std::initializer_list<std::pair<qint64, const char*>>{{-7, "[00:00.00]"},
                                                                   {4, "[00:00.00]"},
                                                                   {5, "[00:00.01]"},
                                                                   {1234, "[00:01.23]"},
                                                                   {1235, "[00:01.24]"},
                                                                   {59994, "[00:59.99]"},
                                                                   {59995, "[01:00.00]"},
                                                                   {3599995, "[60:00.00]"},
                                                                   {3662999, "[61:03.00]"}})
            QTest::addRow("%lld ms", static_cast<long long>(ms)) << ms << QString(stamp);
    }
    void stampsRoundToTheNearestCentisecond() {
        QFETCH(qint64, ms);
        QFETCH(QString, stamp);
        QCOMPARE(LrcStamp(ms), stamp);
    }

    // Every lyric reads back as the sheet held it, marked or not, whatever it looks like;
    // written is the line of a row marked at 5 s, for other readers.
    void roundTripKeepsEveryText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("written");
        const QString wj{QChar(kLrcVerbatim)};
        const auto row = [&](const char* name, const QString& text, bool escaped) {
            QTest::newRow(name) << text << "[00:05.00]" + (escaped ? wj : QString()) + text;
        };
        row("a section name that reads as a tag", "[Intro: Someone]", true);
        row("a stamp in the words", "[2:30] is when she left", true);
        row("a canonical stamp", "[00:10.00][01:00.00] twice", true);
        row("a header tag", "[ti:Title]", true);
        row("an offset", "[offset:500]", true);
        row("a word stamp", "<00:12.30>word", true);
        row("a word stamp inside", "say <1:02.3>now", true);
        row("empty brackets", "[]", true);
        row("an open bracket", "[", true);
        row("empty", "", false); // only the unmarked row needs the marker
        row("spaces", "   ", true);
        row("blanks around", "\tsoft  ", true);
        row("the marker itself", wj + "x", true);
        row("a byte-order mark", u"\uFEFFx"_qs, true);
        row("brackets later on", u"naïve [x] <y> ☃ [00:01.00]"_qs, false);
    }
    void roundTripKeepsEveryText() {
        QFETCH(QString, text);
        QFETCH(QString, written);
        const std::vector<SheetRow> rows = {{"1", "first", "0:01", "1", 1000},
                                            {"2", text, "", "", -1},
                                            {"3", text, "0:05", "5", 5000},
                                            {"4", text, "", "", -1}};
        const QString lrc = QString::fromUtf8(WriteLrc({}, rows));
        QVERIFY2(lrc.contains(u'\n' + written + u'\n'), qPrintable(lrc));
        QCOMPARE(SheetRowsFromLrc(ReadLrc(lrc).lines), rows);
    }

    // The same for texts made of what stamps, tags and blanks are made of.
    void roundTripKeepsRandomTexts() {
        const QString alphabet = u"[]<>:.0123 \tof#a\u2060\uFEFF"_qs;
        QRandomGenerator random(21);
        std::vector<SheetRow> rows;
        for (int i = 1; i <= 20000; ++i) {
            QString text;
            for (auto n = random.bounded(12); n > 0; --n)
                text += alphabet.at(random.bounded(alphabet.size()));
            const bool marked = random.bounded(2) == 1;
            rows.push_back({QString::number(i), text, marked ? "0:00" : "", marked ? "0" : "",
                            marked ? 0 : -1});
        }
        const std::vector<SheetRow> read =
            SheetRowsFromLrc(ReadLrc(QString::fromUtf8(WriteLrc({}, rows))).lines);
        QCOMPARE(read.size(), rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            QCOMPARE(read[i].lyric, rows[i].lyric);
    }

    // Word stamps as other tools write them: with or without blanks around them, centiseconds
    // or milliseconds, a first word or a line without a stamp of its own, syllables, endings,
    // a repeated line; written again, each reads back the same.
    void wordStampsReadAndRoundTrip_data() {
        textColumns({"lrc", "read"}); // read: "ms;lyric;word@ms[-end],..." a line, " / " between
        textRow("no blanks, syllables, an ending",
                "[00:12.00]<00:12.00>Hel<00:12.20>lo <00:12.50>world<00:13.10>|12000;Hello world;"
                "Hel@12000,lo@12200,world@12500-13100");
        textRow("blanks around stamps", "[00:12.00] <00:12.00> Hello <00:12.50> world <00:13.10>|"
                                        "12000;Hello world;Hello@12000,world@12500-13100");
        textRow("milliseconds", "[00:12.345]<00:12.345>a <00:12.901>b|12345;a b;a@12345,b@12901");
        textRow("first word without a stamp",
                "[00:12]Oh <00:12.50>yeah|12000;Oh yeah;Oh@12000,yeah@12500");
        textRow("no line stamp", "<00:03.00>only words|3000;only words;only@3000");
        textRow("a stamp per phrase",
                "[00:01.00]<00:01.00>a b <00:02.00>c|1000;a b c;a@1000,c@2000");
        textRow("a repeated line", "[00:11.00][00:01.00]<00:01.00>la <00:01.50>la|1000;la la;"
                                   "la@1000,la@1500 / 11000;la la;la@11000,la@11500");
        textRow("this program's escapes", u"[00:01.00]<00:01.00>\u2060 <\u206000:02.00> is <3 |"
                                          "1000; <00:02.00> is <3 ;<00:02.00>@1000"_qs);
    }
    void wordStampsReadAndRoundTrip() {
        QFETCH(QString, lrc);
        const LrcContent content = ReadLrc(lrc);
        QStringList lines;
        for (const LrcLine& line : content.lines) {
            QStringList words;
            for (const WordTime& w : line.words)
                if (w.ms >= 0)
                    words << QStringLiteral("%1@%2%3")
                                 .arg(line.text.mid(w.start, w.length))
                                 .arg(w.ms)
                                 .arg(w.endMs >= 0 ? "-" + QString::number(w.endMs) : "");
            lines << QStringLiteral("%1;%2;%3").arg(line.ms).arg(line.text, words.join(','));
        }
        QTEST(lines.join(" / "), "read");
        const std::vector<SheetRow> rows = SheetRowsFromLrc(content.lines);
        const QByteArray written = WriteLrc({}, rows, nullptr, content.milliseconds);
        QCOMPARE(SheetRowsFromLrc(ReadLrc(QString::fromUtf8(written)).lines), rows);
    }

    // Lyrics that look like stamps, tags or blanks keep their text and word times.
    void wordTimedLyricsOfAnyLookReadBack() {
        for (const QString& lyric :
             {u"[Intro] la"_qs, u"  spaced  out "_qs, u"<00:01.00> said"_qs, u"\u2060x y"_qs,
              u"a<\u2060b c"_qs, u"<3 you"_qs, u"[00:02.00] twice"_qs}) {
            SheetRow row{"1", lyric, "0:01", "1", 1000, WordsOf(lyric)};
            for (std::size_t k = 0; k < row.words.size(); ++k)
                row.words[k].ms = 1000 + 100 * qint64(k);
            for (const bool ms : {false, true})
                QCOMPARE(SheetRowsFromLrc(
                             ReadLrc(QString::fromUtf8(WriteLrc({}, {row}, nullptr, ms))).lines),
                         std::vector{row});
        }
    }

    // Taken apart in one pass and given up at the sheet's limit, however the lines come: the
    // old way took minutes and gigabytes for these. The test runs under a short time limit.
    // A tag's lyrics field holds plain lyrics or LRC text; only text that opens as LRC does and
    // has a stamp is read as timed lines.
    void tellsLrcTextFromPlainLyrics_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("lrc");
        QTest::newRow("as written into a tag") << "[by:X]\n[00:01.28]a\nb\n[00:03.00]c" << true;
        QTest::newRow("stamps only") << "[00:01.28]a\n[00:03.00]c" << true;
        QTest::newRow("blank lines and a mark first") << "\n \n\uFEFF[01:00]a" << true;
        QTest::newRow("plain, a stamp-like line later")
            << "We met\n[2:30] is when she left" << false;
        QTest::newRow("a section name first") << "[Chorus]\n[00:01.00]sung" << false;
        QTest::newRow("header tags, no stamp") << "[ar:Someone]\nwords" << false;
        QTest::newRow("plain") << "Over the water\nunder the hill" << false;
        QTest::newRow("empty") << "" << false;
    }
    void tellsLrcTextFromPlainLyrics() {
        QFETCH(QString, text);
        QTEST(IsLrcText(text), "lrc");
    }

    void refusesMoreLinesThanASheetEarly_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lines"); // -1: refused
        QTest::newRow("a million stamps on one line")
            << "[0:01]" + QString("[0:00]").repeated(999999) + "x" << -1;
        QTest::newRow("a million word stamps on one line")
            << "[0:01]" + QString("<0:01>a ").repeated(1000000) << 1;
        QTest::newRow("four million short lines") << QString("a\n").repeated(4000000) << -1;
        QTest::newRow("four million blank lines") << QString("\n").repeated(4000000) << 0;
        QTest::newRow("a sheet's lines")
            << QString("[0:01]x\n").repeated(32766) + "[0:01]" + QString(99999, u'a') << 32767;
        QTest::newRow("one more") << QString("[0:01]x\n").repeated(32767) + "plain" << -1;
        QTest::newRow("one more stamp") << QString("[0:01]").repeated(32768) << -1;
    }
    void refusesMoreLinesThanASheetEarly() {
        QFETCH(QString, text);
        QFETCH(int, lines);
        const LrcContent content = ReadLrc(text);
        QCOMPARE(content.tooLong, lines < 0);
        QCOMPARE(content.lines.size(), static_cast<std::size_t>(std::max(lines, 0)));
    }

    // The exact time of a mark stays through an edit, moves with a shift, goes with Clear All,
    // and comes back on undo.
    void exactMarkFollowsItsRow_data() {
        QTest::addColumn<std::function<void(LyricSheet&)>>("change");
        QTest::addColumn<qint64>("after"); // the row's export time after the change
        QTest::newRow("mark next line") << std::function([](LyricSheet& s) {
            s.setSelected(2);
            s.mark(9, "0:09", 9500);
        }) << qint64(1234);
        QTest::newRow("edit") << std::function([](LyricSheet& s) { s.editLyric("new"); })
                              << qint64(1234);
        QTest::newRow("shift") << std::function([](LyricSheet& s) { s.shiftSelected("0.5"); })
                               << qint64(1734);
        QTest::newRow("clear all")
            << std::function([](LyricSheet& s) { s.clearMarks(); }) << qint64(-1);
    }
    void exactMarkFollowsItsRow() {
        QFETCH(std::function<void(LyricSheet&)>, change);
        QFETCH(qint64, after);
        LyricSheet sheet;
        sheet.load({{"1", "one", "", ""}, {"2", "two", "", ""}}, "Load");
        sheet.setSelected(1);
        sheet.mark(1, "0:01", 1234);
        sheet.setSelected(1);
        const auto time = [&] { return RowTimeMs(sheet.rows().front()).value_or(-1); };
        QCOMPARE(time(), 1234);
        change(sheet);
        QCOMPARE(time(), after);
        sheet.undo();
        QCOMPARE(time(), 1234);
    }
};

QTEST_MAIN(LrcTest)
#include "tst_Lrc.moc"
