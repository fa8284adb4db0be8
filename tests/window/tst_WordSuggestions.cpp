#include "controls/WordStrip.h"
#include "session/SongSuggestions.h"
#include "support/Files.h"
#include "support/TestWindow.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QTreeView>

#include <cmath>
#include <numeric>

// Word suggestions inside marked lines, through the keys and clicks a user makes, on a song
// sung word by word whose word starts are known (the bench's generator): two line starts
// marked give the line between hollow ticks and grey times in the strip; Ctrl+Shift+W takes
// them as one undo step, into the line's words (which Save writes as any others); a word marked
// by hand keeps its time and the rest of its line follows it; Ctrl+Shift+G takes the confident
// ones once word marking is on. The speech model and the analysis are the program's own.
class WordSuggestionsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_made;
    QString m_source; // the generated song's folder
    std::vector<qint64> m_starts;
    std::vector<std::vector<qint64>> m_words;

    static std::vector<qint64> millis(const QByteArray& line) {
        std::vector<qint64> out;
        for (const QByteArray& n : line.split(' '))
            if (!n.trimmed().isEmpty())
                out.push_back(std::llround(n.toDouble() * 1000));
        return out;
    }

    // The generated song in a folder of its own, opened and shown, its analysis done.
    QString openSong(TestWindow& w, const QTemporaryDir& folder) {
        QString song = folder.filePath("Song.flac");
        if (!QFile::copy(m_source + "Song.flac", song) ||
            !QFile::copy(m_source + "Song.xml", folder.filePath("Song..xml")))
            return {};
        w.createDatabase();
        w.player->lengthMs = 30000;
        w.open(song);
        if (!w.shownActive())
            return {};
        const SongSuggestions& suggestions = w.session().suggestions();
        if (!QTest::qWaitFor([&] { return !suggestions.running(); }, 120000))
            return {};
        return song;
    }
    // Mark Line at the first lines' starts, word marking off, then Stop.
    void markStarts(TestWindow& w, int lines) const {
        QTest::mouseClick(w.ui.cmdPlay, Qt::LeftButton);
        for (int k = 0; k < lines; ++k) {
            w.player->positionMs = static_cast<std::int32_t>(m_starts[std::size_t(k)]);
            press(Qt::Key_Space);
        }
        press(Qt::Key_Period, Qt::ControlModifier);
    }
    static QStringList shown(const WordStrip& strip) {
        QStringList words;
        for (const WordStrip::Word& w : strip.words())
            words << QStringLiteral("%1%2").arg(w.ms).arg(w.suggested ? "~" : "");
        return words;
    }
    // How the strip draws the tick at ms: 0 none, 1 a full tick, 2 a hollow one (two edges).
    static int tickAt(WordStrip& strip, qint64 ms) {
        const QImage image = strip.grab().toImage();
        const double span = double(strip.toMs() - strip.fromMs());
        const int x = int(4 + (strip.width() - 8) * double(ms - strip.fromMs()) / span);
        const QColor ink(0x20, 0x60, 0xc0);
        int runs = 0;
        bool before = false;
        for (int dx = -3; dx <= 3; ++dx) {
            const bool on = image.pixelColor(x + dx, image.height() - 20) == ink;
            runs += on && !before;
            before = on;
        }
        return runs;
    }

private slots:
    void initTestCase() {
        QProcess make;
        make.start("/usr/bin/python3", {VELMORA_WORD_SONGS, m_made.path(), "--seeds", "101",
                                        "--langs", "en", "--lines", "4"});
        QVERIFY2(make.waitForFinished(120000) && make.exitCode() == 0,
                 make.readAllStandardError().constData());
        m_source = m_made.filePath("seed101_en/");
        m_starts = millis(readFile(m_source + "Song.starts").replace('\n', ' '));
        for (const QByteArray& line : readFile(m_source + "Song.words").split('\n'))
            if (!line.trimmed().isEmpty())
                m_words.push_back(millis(line));
        QCOMPARE(m_starts.size(), std::size_t{4});
        QCOMPARE(m_words.size(), std::size_t{4});
    }

    // Two starts marked: the line between gets its words suggested, hollow in the strip, near
    // where they are sung; the line after, whose end is not known, gets none. Ctrl+Shift+W
    // takes them in one step, and Ctrl+Z gives them back as suggestions at once.
    void twoStartsGiveTheWordsBetweenTakenByOneKey() {
        QTemporaryDir folder;
        TestWindow w;
        const QString song = openSong(w, folder);
        QVERIFY(!song.isEmpty());
        WordStrip& strip = *w.ui.wordStrip;
        markStarts(w, 2);
        QCOMPARE(w.session().sheet().selected(), 1); // as after every Stop
        press(Qt::Key_W, Qt::ControlModifier);
        QVERIFY(w.ui.lblStatus->text().startsWith("Word marking is on"));

        w.clickRow(1);
        QVERIFY(strip.isVisible());
        const std::vector<qint64>& truth = m_words[0];
        QTRY_VERIFY_WITH_TIMEOUT(
            strip.words().size() == truth.size() && strip.words().back().suggested, 30000);
        int near = 0;
        for (std::size_t k = 0; k < truth.size(); ++k) {
            const WordStrip::Word& word = strip.words()[k];
            QVERIFY2(word.suggested && word.ms >= m_starts[0] && word.ms < m_starts[1],
                     qPrintable(shown(strip).join(' ')));
            if (k > 0)
                QVERIFY2(word.ms > strip.words()[k - 1].ms, qPrintable(shown(strip).join(' ')));
            near += std::abs(word.ms - truth[k]) <= 250;
        }
        QCOMPARE(strip.words().front().ms, m_starts[0]); // the line starts with its first word
        QVERIFY2(near >= int(truth.size()) - 1, qPrintable(shown(strip).join(' ')));
        QCOMPARE(tickAt(strip, strip.words()[1].ms), 2);
        QVERIFY(w.session().sheet().rows()[0].words.empty()); // shown, never part of the row

        const int x = int(4 + (strip.width() - 8) * double(strip.words()[2].ms - strip.fromMs()) /
                                  double(strip.toMs() - strip.fromMs()));
        QHelpEvent help(QEvent::ToolTip, QPoint(x, 40), strip.mapToGlobal(QPoint(x, 40)));
        QApplication::sendEvent(&strip, &help);
        QTRY_VERIFY(QToolTip::text().startsWith("Hollow tick:"));
        QVERIFY(QToolTip::text().contains("Ctrl+Shift+W accepts"));

        w.clickRow(3); // no start: nothing
        QVERIFY(strip.isVisible());
        for (const WordStrip::Word& word : strip.words())
            QVERIFY(!word.suggested && word.ms < 0);

        w.clickRow(1);
        const QStringList suggested = shown(strip);
        press(Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.ui.lblStatus->text(),
                 QStringLiteral("Line 1 takes %1 suggested word times.").arg(truth.size()));
        QStringList taken = suggested;
        taken.replaceInStrings("~", "");
        QCOMPARE(shown(strip), taken);
        QCOMPARE(tickAt(strip, strip.words()[1].ms), 1);
        QCOMPARE(w.session().sheet().rows()[0].words.size(), truth.size());

        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.ui.lblStatus->text(), QStringLiteral("Undid: Accept Word Times"));
        QVERIFY(w.session().sheet().rows()[0].words.empty());
        QCOMPARE(shown(strip), suggested); // known already: back at once
    }

    // The first line marked alone: its end is the second line's start as heard (or the break
    // after it), so its words come without the next mark. Ctrl+Shift+W takes them while the
    // song plays and while it is paused, where Ctrl+G still waits for Stop.
    void wordsComeBeforeTheNextMarkAndAreTakenWhilePlaying() {
        QTemporaryDir folder;
        TestWindow w;
        QVERIFY(!openSong(w, folder).isEmpty());
        WordStrip& strip = *w.ui.wordStrip;
        markStarts(w, 1);
        press(Qt::Key_W, Qt::ControlModifier);
        w.clickRow(1);
        const std::vector<qint64>& truth = m_words[0];
        QTRY_VERIFY_WITH_TIMEOUT(
            strip.words().size() == truth.size() && strip.words().back().suggested, 30000);
        int near = 0;
        for (std::size_t k = 0; k < truth.size(); ++k)
            near += std::abs(strip.words()[k].ms - truth[k]) <= 250;
        QVERIFY2(near >= int(truth.size()) - 1, qPrintable(shown(strip).join(' ')));

        const QString taken = QStringLiteral("Line 1 takes %1 suggested word times.");
        QTest::mouseClick(w.ui.cmdPlay, Qt::LeftButton);
        QVERIFY(w.player->playing);
        press(Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.ui.lblStatus->text(), taken.arg(truth.size()));
        QCOMPARE(w.session().sheet().rows()[0].words.size(), truth.size());
        press(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(w.session().sheet().rows()[0].words.empty());
        press(Qt::Key_G, Qt::ControlModifier);
        QVERIFY(w.ui.lblStatus->text().endsWith("while the song is stopped."));

        press(Qt::Key_P, Qt::ControlModifier);
        QVERIFY(!w.player->playing && w.playing());
        press(Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.ui.lblStatus->text(), taken.arg(truth.size()));
    }

    // A word marked by hand stays where it was marked and the words after it are suggested
    // after it, even when the mark is later than the voice.
    void aWordMarkedByHandLeadsTheRestOfItsLine() {
        QTemporaryDir folder;
        TestWindow w;
        QVERIFY(!openSong(w, folder).isEmpty());
        WordStrip& strip = *w.ui.wordStrip;
        markStarts(w, 2);
        press(Qt::Key_W, Qt::ControlModifier);
        w.clickRow(1);
        QTRY_VERIFY_WITH_TIMEOUT(!strip.words().empty() && strip.words().back().suggested, 30000);

        // Word marking from the first line: its first word, then its second much too late.
        const std::vector<qint64>& truth = m_words[0];
        const qint64 late = truth[2] + 100;
        QTest::mouseClick(w.ui.cmdPlay, Qt::LeftButton);
        for (const qint64 ms : {m_starts[0], late}) {
            w.player->positionMs = static_cast<std::int32_t>(ms);
            press(Qt::Key_Space);
        }
        press(Qt::Key_Period, Qt::ControlModifier);
        w.clickRow(1);
        QTRY_VERIFY_WITH_TIMEOUT(strip.words().size() == truth.size() &&
                                     strip.words()[2].suggested && strip.words()[2].ms > late,
                                 30000);
        QCOMPARE(strip.words()[1].ms, late);
        QVERIFY(!strip.words()[1].suggested);
        QCOMPARE(tickAt(strip, late), 1);
        for (std::size_t k = 2; k < truth.size(); ++k)
            QVERIFY2(strip.words()[k].suggested && strip.words()[k].ms > late &&
                         strip.words()[k].ms < m_starts[1],
                     qPrintable(shown(strip).join(' ')));

        press(Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.ui.lblStatus->text(),
                 QStringLiteral("Line 1 takes %1 suggested word times.").arg(truth.size() - 2));
        QCOMPARE(w.session().sheet().rows()[0].words[1].ms, late); // the mark stayed
    }

    // Ctrl+Shift+G takes the confident word times of every line whose ends are known, but only
    // with word marking on, in the same step as the lines' own suggestions.
    void acceptAllTakesConfidentWordsWithWordMarkingOn() {
        QTemporaryDir folder;
        TestWindow w;
        QVERIFY(!openSong(w, folder).isEmpty());
        markStarts(w, 4);
        const SongSuggestions& suggestions = w.session().suggestions();
        QTRY_VERIFY_WITH_TIMEOUT(!suggestions.running(), 30000);
        press(Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.ui.lblStatus->text(),
                 QStringLiteral("Accept Suggested Times: no confident suggestion to accept."));

        press(Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(!suggestions.running(), 60000);
        std::vector<int> confident; // per line
        for (int p = 1; p <= 4; ++p) {
            int n = 0;
            for (const LyricSheet::WordHint& hint : w.session().sheet().wordHints(p))
                n += hint.confident && hint.ms >= 0;
            confident.push_back(n);
        }
        QVERIFY2(std::count_if(confident.begin(), confident.end(), [](int n) { return n > 0; }) >=
                     3,
                 "the speech model placed too few words");
        const int all = std::accumulate(confident.begin(), confident.end(), 0);
        w.clickRow(2);
        press(Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
        const auto lines =
            std::count_if(confident.begin(), confident.end(), [](int n) { return n > 0; });
        QCOMPARE(
            w.ui.lblStatus->text(),
            QStringLiteral("%1 words in %2 lines take their suggested times.").arg(all).arg(lines));
        for (int p = 1; p <= 4; ++p) { // the confident words, and the first at the line's start
            const std::vector<WordTime>& words =
                w.session().sheet().rows()[std::size_t(p - 1)].words;
            const int taken = confident[std::size_t(p - 1)];
            QCOMPARE(int(std::count_if(words.begin(), words.end(),
                                       [](const WordTime& t) { return t.ms >= 0; })),
                     taken > 0 ? taken + 1 : 0);
        }
        press(Qt::Key_Z, Qt::ControlModifier); // one step for every line
        for (const SheetRow& row : w.session().sheet().rows())
            QVERIFY(row.words.empty());
    }
};

QTEST_MAIN(WordSuggestionsTest)
#include "tst_WordSuggestions.moc"
