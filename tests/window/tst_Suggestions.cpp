#include "session/SongSuggestions.h"
#include "support/Files.h"
#include "support/TestSession.h"
#include "support/TestWindow.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

// Suggested times in the sheet: shown apart from the rows, accepted by key as one undo step,
// marks the check doubts flagged, and an analysis that a new song cancels. The analyses are
// injected, so no speech decoder runs except in the cancel case.
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

} // namespace

class SuggestionsTest : public QObject {
    Q_OBJECT

private slots:
    void shownGreyNeverSaved() {
        TestSession t;
        SongSuggestions suggestions(t.session);
        t.session.choose(t.path("Song.mp3")); // no audio: its analysis fails at once
        loadSheet(t.sheet, kRows);
        QTRY_VERIFY(!suggestions.running());
        suggestions.show(injected());
        QCOMPARE(timeColumn(t.sheet), QStringList({"0:01~", "0:03~", "0:06~", "0:09!"}));
        QCOMPARE(t.sheet.index(3, LyricSheet::ColTime).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("marked 2.4 s later than the voice suggests"));
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
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(&*w));
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

    void aNewSongCancelsTheAnalysis() {
        TestSession t;
        SongSuggestions suggestions(t.session);
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
                said.last().at(0).toString().startsWith("Suggested times: "));
    }
};

QTEST_MAIN(SuggestionsTest)
#include "tst_Suggestions.moc"
