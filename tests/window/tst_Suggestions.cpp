#include "controls/SongGroove.h"
#include "controls/SongSlider.h"
#include "session/SongSuggestions.h"
#include "storage/LyricsXml.h"
#include "support/Files.h"
#include "support/TestSession.h"
#include "support/TestWindow.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QTreeView>

#include <cmath>

// Suggested times in the sheet and the slider: shown apart from the rows, accepted by key as
// one undo step, marks the check doubts flagged, a new mark realigning only the lines beside
// it, and an analysis that a new song cancels. The analyses are injected, so no speech decoder
// runs except on the songs made here.
namespace {

Suggestion aligned(int line, qint64 ms, double confidence) {
    return {line, ms, confidence, Suggestion::Aligned};
}

// Lines 1 and 2 suggested with confidence, line 3 spread, line 4 marked at 9 s and doubted.
AnalysisResult injected() {
    AnalysisResult result;
    result.suggestions = {
        aligned(0, 1200, 0.9), aligned(1, 3400, 0.8), {2, 6500, 0, Suggestion::Spread}};
    result.flags = {{3, 9000, 2400, false}};
    result.marks = {{3, 9000}};
    return result;
}

// Each row's Time as the list shows it: "0:01~" for a suggestion, "0:09!" for a flag.
QStringList timeColumn(const LyricSheet& sheet) {
    QStringList shown;
    for (int row = 0; row < sheet.count(); ++row) {
        const QModelIndex cell = sheet.index(row, LyricSheet::ColTime);
        shown << cell.data().toString() +
                     (cell.data(LyricSheet::SuggestedRole).toBool() ? QStringLiteral("~") : "") +
                     (cell.data(LyricSheet::FlaggedRole).toBool() ? QStringLiteral("!") : "");
    }
    return shown;
}

const QStringList kRows{"One|", "Two|", "Three|", "Four|9"};

// Whether the groove shows a hollow tick at each second: a ring in the mark colour on both
// sides of x, where a mark's tick (one pixel wide, or the selected one's 2.5) never reaches.
QList<bool> hollowTicks(SongGroove& groove, const QList<double>& seconds) {
    const QImage image = groove.grab().toImage();
    const auto orange = [&](int x, int y) {
        const QColor c = image.pixelColor(x, y);
        return c.red() - c.blue() > 60 && c.red() > c.green();
    };
    QList<bool> shown;
    for (const double second : seconds) {
        const int x = static_cast<int>(groove.xOfSecond(second));
        bool left = false;
        bool right = false;
        for (int y = image.height() - 8; y <= image.height() - 3; ++y) {
            left = left || orange(x - 3, y) || orange(x - 2, y);
            right = right || orange(x + 2, y) || orange(x + 3, y);
        }
        shown << (left && right);
    }
    return shown;
}

// The colour of the text drawn in a cell of the list: the pixel farthest from the cell's
// background.
QColor inkOf(QTreeView& list, const QModelIndex& cell) {
    const QImage image = list.viewport()->grab().toImage();
    const QRect rect = list.visualRect(cell);
    const QColor paper = image.pixelColor(rect.topLeft());
    QColor ink = paper;
    int farthest = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int d = std::abs(c.red() - paper.red()) + std::abs(c.green() - paper.green()) +
                          std::abs(c.blue() - paper.blue());
            if (d > farthest) {
                farthest = d;
                ink = c;
            }
        }
    return ink;
}

// Each line's hint as "suggested ms" or "flag text", "" for neither.
QStringList hintColumn(const LyricSheet& sheet) {
    QStringList shown;
    for (int p = 1; p <= sheet.count(); ++p) {
        const std::size_t at = static_cast<std::size_t>(p) - 1;
        shown << (sheet.suggestedMs(p) >= 0   ? QString::number(sheet.suggestedMs(p))
                  : at < sheet.hints().size() ? sheet.hints()[at].flag
                                              : QString());
    }
    return shown;
}

} // namespace

class SuggestionsTest : public QObject {
    Q_OBJECT

private slots:
    void shownGreyNeverSaved() {
        TestSession t;
        SongSuggestions& suggestions = t.session.suggestions();
        t.session.choose(t.path("Song.mp3")); // no audio: its analysis fails at once
        loadSheet(t.sheet, kRows);
        QTRY_VERIFY(!suggestions.running());
        suggestions.show(injected());
        QCOMPARE(timeColumn(t.sheet), QStringList({"0:01~", "0:03~", "0:06~", "0:09!"}));
        // Within the first second a suggestion still shows, where a mark there reads as none.
        AnalysisResult early = injected();
        early.suggestions[0].ms = 400;
        suggestions.show(early);
        QCOMPARE(timeColumn(t.sheet).first(), "0:00~");
        QCOMPARE(t.sheet.index(0, LyricSheet::ColTime).data(Qt::AccessibleTextRole).toString(),
                 "suggested 0:00");
        suggestions.show(injected());
        const QModelIndex flagged = t.sheet.index(3, LyricSheet::ColTime);
        QVERIFY(flagged.data(Qt::ToolTipRole)
                    .toString()
                    .startsWith("\u26A0 Doubtful mark: marked 2.4 s later than the voice "
                                "suggests. Ctrl+R replays"));
        QVERIFY(t.sheet.index(0, LyricSheet::ColTime)
                    .data(Qt::ToolTipRole)
                    .toString()
                    .contains("Ctrl+G accepts it"));
        t.session.saveLyricsFile();
        const QByteArray saved = readFile(t.path("Song.xml"));
        QCOMPARE(saved.count("<TimeMarker></TimeMarker>"), 3);
        QVERIFY(saved.contains("<TimeMarker>9</TimeMarker>"));
    }

    void acceptKeysAreOneUndoStep_data() {
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QStringList>("accepted");
        QTest::addColumn<QString>("step");
        QTest::newRow("the selected line")
            << int(Qt::ControlModifier) << QStringList{"0:01~", "0:03", "0:06~", "0:09!"}
            << "Accept Suggested Time";
        QTest::newRow("every confident one")
            << int(Qt::ControlModifier | Qt::ShiftModifier)
            << QStringList{"0:01", "0:03", "0:06~", "0:09!"} << "Accept Suggested Times";
    }
    void acceptKeysAreOneUndoStep() {
        QFETCH(int, modifiers);
        QFETCH(QStringList, accepted);
        QFETCH(QString, step);
        TestWindow w;
        w.setSheet(kRows);
        w.ui.picSynch->show();
        QVERIFY(w.shownActive());
        auto* suggestions = w->findChild<SongSuggestions*>();
        QVERIFY(suggestions);
        suggestions->show(injected());
        w.select(2);
        const QStringList before = timeColumn(w.session().sheet());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(timeColumn(w.session().sheet()), accepted);
        QCOMPARE(w.session().sheet().rows()[1].markMs, 3400);
        w.ui.lvLyrics->setFocus();
        QTest::keyClick(w.ui.lvLyrics, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.ui.lblStatus->text(), "Undid: " + step);
        QCOMPARE(timeColumn(w.session().sheet()), before);
    }

    // The groove's hollow ticks at the suggested seconds, gone from a line that takes its
    // suggestion; in the list a suggestion is grey beside a mark's black, and the doubted mark
    // is in its warning colour, its tooltip saying why.
    void grooveAndListDrawTheHints() {
        TestWindow w;
        w.setSheet(kRows);
        w.ui.picSynch->show();
        QVERIFY(w.shownActive());
        w.ui.sldSong->setMax(10);
        auto* groove = w->findChild<SongGroove*>("sldSongGroove");
        auto* suggestions = w->findChild<SongSuggestions*>();
        QVERIFY(groove && suggestions);
        const QList<double> seconds{1.2, 3.4, 6.5, 9};
        QCOMPARE(hollowTicks(*groove, seconds), QList<bool>({false, false, false, false}));
        suggestions->show(injected());
        QCOMPARE(hollowTicks(*groove, seconds), QList<bool>({true, true, true, false}));
        w.select(2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(hollowTicks(*groove, seconds), QList<bool>({true, false, true, false}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(w.ui.lblStatus->text(), QStringLiteral("Line 2 is marked already."));
        w.select(3);
        QCOMPARE(hollowTicks(*groove, seconds), QList<bool>({true, false, true, false}));

        const LyricSheet& sheet = w.session().sheet();
        const QColor suggested = inkOf(*w.ui.lvLyrics, sheet.index(0, LyricSheet::ColTime));
        const QColor marked = inkOf(*w.ui.lvLyrics, sheet.index(1, LyricSheet::ColTime));
        const QColor flagged = inkOf(*w.ui.lvLyrics, sheet.index(3, LyricSheet::ColTime));
        const auto neutral = [](const QColor& c) {
            return std::abs(c.red() - c.green()) < 16 && std::abs(c.green() - c.blue()) < 16;
        };
        QVERIFY2(neutral(suggested) && neutral(marked) &&
                     suggested.lightness() > marked.lightness() + 40,
                 qPrintable(suggested.name() + " beside " + marked.name()));
        QVERIFY2(flagged.red() > flagged.green() + 80 && flagged.red() > flagged.blue() + 80,
                 qPrintable(flagged.name()));
        const QRect cell = w.ui.lvLyrics->visualRect(sheet.index(3, LyricSheet::ColTime));
        QHelpEvent help(QEvent::ToolTip, cell.center(),
                        w.ui.lvLyrics->viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(w.ui.lvLyrics->viewport(), &help);
        QTRY_COMPARE(QToolTip::text(),
                     QStringLiteral("\u26A0 Doubtful mark: marked 2.4 s later than the voice "
                                    "suggests. Ctrl+R replays the line to mark it again, Alt+Left "
                                    "or Alt+Right moves it by 0.1 s, Ctrl+G keeps it as it is."));
    }

    // The analysis writes the status line only where it is empty or still shows the
    // analysis's own words; a fallback is added to what another action said.
    void statusLineTakesItsOwnWordsBack() {
        TestWindow w;
        auto* suggestions = w->findChild<SongSuggestions*>();
        QVERIFY(suggestions);
        QStringList shown;
        const auto say = [&](const QString& text) {
            emit suggestions->status(text);
            shown << w.ui.lblStatus->text();
        };
        say("Suggesting times\u2026 40 %");
        say("");
        say("Suggesting times\u2026 10 %");
        w.ui.lblStatus->setText("Saved.");
        say("Suggesting times\u2026 60 %");
        say("Suggested times: no voice");
        QCOMPARE(shown,
                 QStringList({"Suggesting times\u2026 40 %", "", "Suggesting times\u2026 10 %",
                              "Saved.", "Saved.  \u00B7  Suggested times: no voice"}));
    }

    // On a song whose lines start at known times, marked on lines 2 and 5: a mark on line 3
    // far later than its voice is doubted and moves no suggestion until the person stands by
    // it; then it realigns line 4 between it and line 5, and nothing else. Undo brings the
    // suggestions back exactly; a mark where the voice is realigns its neighbours at once.
    void doubtedMarksAnchorNothingUntilConfirmed() {
        QTemporaryDir songs;
        QProcess make;
        make.start("/usr/bin/python3", {VELMORA_ALIGN_SONGS, songs.path(), "--seeds", "7",
                                        "--ratios", "6", "--lines", "6"});
        QVERIFY2(make.waitForFinished(120000) && make.exitCode() == 0,
                 make.readAllStandardError().constData());
        const QString folder = songs.filePath("seed7_+6dB/");
        std::vector<qint64> starts;
        for (const QByteArray& line : readFile(folder + "Song.starts").split('\n'))
            if (!line.isEmpty())
                starts.push_back(std::llround(line.toDouble() * 1000));
        QCOMPARE(starts.size(), std::size_t{6});

        std::vector<SheetRow> rows = ReadLyricsFileRows(folder + "Song.xml").rows;
        for (const std::size_t marked : {1, 4})
            rows[marked].secs = QString::number(starts[marked] / 1000);
        SaveSheetAsLyricsFile(folder + "Song.mp3", rows);

        TestSession t;
        SongSuggestions& suggestions = t.session.suggestions();
        t.session.open(folder + "Song.mp3");
        QTRY_VERIFY_WITH_TIMEOUT(!suggestions.running(), 120000);
        const QStringList before = hintColumn(t.sheet);
        QVERIFY2(before[1].isEmpty() && before[4].isEmpty() && !before[3].isEmpty() &&
                     before[3].toLongLong() < starts[4] - 3000,
                 qPrintable(before.join(", ")));

        const qint64 late = (starts[3] + starts[4]) / 2;
        t.sheet.setSelected(3);
        QCOMPARE(markAt(t.session, t.player, late), QString());
        QVERIFY(!suggestions.running()); // nothing to realign: the mark is doubted
        QStringList after = hintColumn(t.sheet);
        QVERIFY2(after[2].contains("later than the voice"), qPrintable(after[2]));
        QCOMPARE(after[3], before[3]);

        t.sheet.setSelected(3);
        const SongSuggestions::Accepted kept = suggestions.acceptSelected();
        QCOMPARE(kept.status, "Line 3 keeps its mark.");
        QTRY_VERIFY_WITH_TIMEOUT(!suggestions.running(), 60000);
        after = hintColumn(t.sheet);
        QVERIFY2(after[2].isEmpty() && after[3].toLongLong() > late &&
                     after[3].toLongLong() < starts[4] / 1000 * 1000,
                 qPrintable(after.join(", ")));
        QCOMPARE(after[0], before[0]);
        QCOMPARE(after[5], before[5]);

        QVERIFY(t.sheet.undo().startsWith("Mark Line"));
        QCOMPARE(hintColumn(t.sheet), before);
        QVERIFY(!suggestions.running());

        t.sheet.setSelected(3);
        QCOMPARE(markAt(t.session, t.player, starts[2]), QString());
        QVERIFY(suggestions.running()); // on the analysis's thread, never the window's
        QTRY_VERIFY_WITH_TIMEOUT(!suggestions.running(), 60000);
        after = hintColumn(t.sheet);
        QVERIFY2(after[2].isEmpty() && std::abs(after[3].toLongLong() - starts[3]) < 500,
                 qPrintable(after.join(", ")));
        QVERIFY(t.sheet.undo().startsWith("Mark Line"));
        QCOMPARE(hintColumn(t.sheet), before);
    }

    void aNewSongCancelsTheAnalysis() {
        TestSession t;
        SongSuggestions& suggestions = t.session.suggestions();
        QSignalSpy said(&suggestions, &SongSuggestions::status);
        const QString first = toneSong(t.path("First.mp3"));
        const QString second = toneSong(t.path("Second.mp3"));
        QVERIFY(!first.isEmpty() && !second.isEmpty());
        loadSheet(t.sheet, {"la la la|", "la la|", "la|"});
        t.session.choose(first);
        QVERIFY(suggestions.running());
        loadSheet(t.sheet, {"oh oh|", "oh|"});
        t.session.choose(second);
        QTRY_VERIFY_WITH_TIMEOUT(!suggestions.running(), 60000);
        // Only the second song's lines got suggestions, and the status line was left clear
        // or naming the fallback.
        QCOMPARE(t.sheet.hints().size(), std::size_t{2});
        QVERIFY(t.sheet.suggestedMs(1) >= 0);
        QVERIFY(said.last().at(0).toString().isEmpty() ||
                said.last().at(0).toString().endsWith("Mark a few lines and they improve."));
    }
};

QTEST_MAIN(SuggestionsTest)
#include "tst_Suggestions.moc"
