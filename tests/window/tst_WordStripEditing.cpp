#include "session/SongSuggestions.h"
#include "support/TestWindow.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include "controls/WordStrip.h"

// Editing in the word strip by hand, through the mouse and keys on the shown window with the
// keyboard on the list, as a user has it after clicking a line: dragging a word's start,
// looping, zooming and splitting syllables, each undone; then what Save writes.
namespace {

// Line 1 timed word by word, line 2 marked at 6 s.
std::vector<SheetRow> timedRows() {
    SheetRow first{"1", "One together three", "0:01", "1", 1000, WordsOf("One together three")};
    for (const auto& [k, ms] : {std::pair{0, 1000}, {1, 1500}, {2, 2600}})
        first.words[static_cast<std::size_t>(k)].ms = ms;
    return {first, {"2", "Four five", "0:06", "6", 6000}};
}

// The words of line 1 as "text@ms", and its precise time.
QString line1(const TestWindow& w) {
    const SheetRow& row = w.session().sheet().rows().front();
    QStringList words;
    for (const WordTime& word : row.words)
        words << row.lyric.mid(word.start, word.length) + '@' + QString::number(word.ms);
    return QString::number(row.markMs) + ' ' + words.join(' ');
}

const QString kAsMarked = "1000 One@1000 together@1500 three@2600";

// Drags the word's label to where ms is drawn, as a hand does: press, a few moves, release.
void drag(WordStrip& strip, int word, qint64 ms, Qt::KeyboardModifiers keys = {}) {
    const QPoint from = strip.labelRect(word).center();
    const QPoint to(xAt(strip, ms), from.y());
    QTest::mousePress(&strip, Qt::LeftButton, keys, from);
    QTest::mouseMove(&strip, from + QPoint(to.x() > from.x() ? 10 : -10, 0));
    QTest::mouseMove(&strip, to);
    QTest::mouseRelease(&strip, Qt::LeftButton, keys, to);
}

// The window shown over the two lines, a voice onset heard at 1.62 s, line 1 clicked: the
// strip shows its words, the keyboard is on the list.
void showTimed(TestWindow& w) {
    w.createDatabase();
    w.player->lengthMs = 20000;
    w.session().sheet().load(timedRows(), "Load Lyrics");
    AnalysisResult heard;
    heard.voice.onsetsMs = {1620, 4000};
    w.session().suggestions().show(heard);
    QVERIFY(w.shownActive());
    w.clickRow(1);
    QVERIFY(w.ui.wordStrip->isVisible());
    QCOMPARE(QApplication::focusWidget(), w.ui.lvLyrics);
    QCOMPARE(line1(w), kAsMarked);
}

} // namespace

class WordStripEditingTest : public QObject {
    Q_OBJECT

private slots:
    // A word dragged near a voice onset lands on it, with Shift where it was let go; the
    // first word takes the line along; each drag is one undo step and is heard from just
    // before the new start.
    void draggingAWordMovesItsStart_data() {
        QTest::addColumn<int>("word");
        QTest::addColumn<qint64>("to");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<qint64>("snapped"); // -1: within a pixel of to
        QTest::newRow("onto the onset") << 1 << qint64(1640) << false << qint64(1620);
        QTest::newRow("Shift: not snapped") << 1 << qint64(1640) << true << qint64(-1);
        QTest::newRow("the first word moves the line") << 0 << qint64(800) << true << qint64(-1);
    }
    void draggingAWordMovesItsStart() {
        QFETCH(int, word);
        QFETCH(qint64, to);
        QFETCH(bool, shift);
        QFETCH(qint64, snapped);
        TestWindow w;
        showTimed(w);
        WordStrip& strip = *w.ui.wordStrip;
        const double msPerPixel =
            double(strip.viewToMs() - strip.viewFromMs()) / (strip.width() - 8);
        drag(strip, word, to, shift ? Qt::ShiftModifier : Qt::NoModifier);
        const SheetRow& row = w.session().sheet().rows().front();
        const qint64 ms = row.words[std::size_t(word)].ms;
        if (snapped >= 0)
            QCOMPARE(ms, snapped);
        else
            QVERIFY2(std::abs(ms - to) <= msPerPixel && ms != 1620, qPrintable(line1(w)));
        for (std::size_t k = 0; k < row.words.size(); ++k) // the other words stay
            if (int(k) != word)
                QCOMPARE(row.words[k].ms, timedRows().front().words[k].ms);
        QCOMPARE(row.markMs, word == 0 ? ms : 1000);
        QVERIFY(w.ui.lblStatus->text().contains("now starts at"));
        QCOMPARE(w.lastSeek(), "SeekPositionMs " + QString::number(std::max<qint64>(0, ms - 700)));
        QCOMPARE(strip.words()[std::size_t(word)].ms, ms);
        QCOMPARE(strip.selectedWord(), word);
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(line1(w), kAsMarked);
    }

    // A click in the strip plays from the time under it, from Stop as well as while playing,
    // at every zoom.
    void aClickPlaysFromThereInEveryState() {
        TestWindow w;
        showTimed(w);
        WordStrip& strip = *w.ui.wordStrip;
        QVERIFY(!w.playing());
        const int x = xAt(strip, 2000);
        QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(x, 45));
        QVERIFY(w.playing());
        const QStringList calls = w.player->calls;
        QCOMPARE(calls.filter("LoadSong").size(), 1);
        QVERIFY(calls.indexOf(QRegularExpression("^LoadSong.*")) <
                calls.indexOf(QRegularExpression("^SeekPositionMs.*")));
        QCOMPARE(w.lastSeek(), "SeekPositionMs " + QString::number(strip.msAt(x)));
        QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(xAt(strip, 3000), 45));
        QVERIFY(std::abs(w.player->positionMs - 3000) <= 20);
        QTest::mouseClick(w.ui.cmdPlay, Qt::LeftButton); // paused
        QVERIFY(!w.ui.cmdMark->isEnabled());
        QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(xAt(strip, 1200), 45));
        QVERIFY(std::abs(w.player->positionMs - 1200) <= 20);
    }

    // Ctrl+Shift+R loops the selected word: at its end the song goes back to its start, a drag
    // of the word after it while looping is heard in the next round, and the key again ends
    // the loop. Without a selected word the whole line loops.
    void aKeyLoopsTheSelectedWordUntilPressedAgain() {
        TestWindow w;
        showTimed(w);
        WordStrip& strip = *w.ui.wordStrip;
        QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.labelRect(1).center());
        QCOMPARE(strip.selectedWord(), 1);
        press(Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.ui.lblStatus->text(),
                 "Looping \"together\" (0:01.50 to 0:02.60): drag or nudge while it plays; "
                 "Ctrl+Shift+R ends the loop.");
        QCOMPARE(w.lastSeek(), "SeekPositionMs 1500");
        const int seeks = w.player->count("SeekPositionMs");
        w.player->positionMs = 2400;
        QTest::qWait(100);
        QCOMPARE(w.player->count("SeekPositionMs"), seeks); // not yet at the end
        w.player->positionMs = 2610;
        QTRY_COMPARE(w.player->count("SeekPositionMs"), seeks + 1);
        QCOMPARE(w.lastSeek(), "SeekPositionMs 1500");

        drag(strip, 2, 2300, Qt::ShiftModifier); // the next word earlier: a shorter round
        QCOMPARE(w.player->count("SeekPositionMs"), seeks + 1); // a loop is not restarted
        w.player->positionMs = 2350;
        QTRY_COMPARE(w.player->count("SeekPositionMs"), seeks + 2);
        QCOMPARE(w.lastSeek(), "SeekPositionMs 1500");

        press(Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.ui.lblStatus->text(), "Loop ended; the song plays on.");
        w.player->positionMs = 2700;
        QTest::qWait(100);
        QCOMPARE(w.player->count("SeekPositionMs"), seeks + 2);

        w.clickRow(2);
        w.clickRow(1); // another line's words came between: no word selected
        QCOMPARE(strip.selectedWord(), -1);
        press(Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(w.ui.lblStatus->text().startsWith("Looping line 1 (0:01.00 to 0:06.00)"));
        const int round = w.player->count("SeekPositionMs");
        w.player->positionMs = 6010;
        QTRY_COMPARE(w.player->count("SeekPositionMs"), round + 1);
        QCOMPARE(w.lastSeek(), "SeekPositionMs 1000");
        QTest::mouseClick(w.ui.cmdStop, Qt::LeftButton); // Stop ends it too
        w.player->positionMs = 6010;
        const int stopped = w.player->count("SeekPositionMs");
        QTest::qWait(100);
        QCOMPARE(w.player->count("SeekPositionMs"), stopped);
    }

    // Ctrl+wheel over the strip zooms around the pointer; a click then plays from the time
    // under it, and a word dragged while zoomed lands within a few milliseconds.
    void ctrlWheelZoomsTheStrip() {
        TestWindow w;
        showTimed(w);
        WordStrip& strip = *w.ui.wordStrip;
        const qint64 whole = strip.viewToMs() - strip.viewFromMs();
        const QPointF at(xAt(strip, 1500), 45);
        QWheelEvent wheel(at, strip.mapToGlobal(at), QPoint(), QPoint(0, 120 * 6), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&strip, &wheel);
        QVERIFY(wheel.isAccepted());
        QVERIFY(strip.viewToMs() - strip.viewFromMs() < whole / 3);
        QVERIFY(std::abs(strip.msAt(at.x()) - 1500) <= 10);
        QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(xAt(strip, 1710), 45));
        QVERIFY2(std::abs(w.player->positionMs - 1710) <= 4,
                 qPrintable(QString::number(w.player->positionMs)));
        drag(strip, 1, 1555, Qt::ShiftModifier);
        QVERIFY2(std::abs(w.session().sheet().rows().front().words[1].ms - 1555) <= 4,
                 qPrintable(line1(w)));
        QVERIFY(strip.viewToMs() - strip.viewFromMs() < whole / 3); // the zoom stays
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(line1(w), kAsMarked);
    }

    // Ctrl+Shift+H splits the word under the pointer at its syllable break nearest to it,
    // Ctrl+H the selected word into all its syllables; the strip shows them with a hyphen,
    // and each split is one undo step. A word of one syllable splits at the pointer.
    void splittingSyllables() {
        TestWindow w;
        showTimed(w);
        WordStrip& strip = *w.ui.wordStrip;
        QTest::mouseMove(&strip, QPoint(xAt(strip, 1900), 45));
        press(Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        const qint64 at = w.session().sheet().rows().front().words[2].ms;
        QVERIFY2(std::abs(at - 1900) <= 10, qPrintable(line1(w)));
        QCOMPARE(line1(w), QString("1000 One@1000 to@1500 gether@%1 three@2600").arg(at));
        QCOMPARE(w.ui.lblStatus->text(),
                 QString("Split \"together\" into \"to-gether\" at 0:01.%1; Ctrl+Z joins it "
                         "again.")
                     .arg(at % 1000 / 10));
        QCOMPARE(strip.labelText(1), "to-");
        QCOMPARE(strip.selectedWord(), 2);
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(line1(w), kAsMarked);

        QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.labelRect(1).center());
        press(Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(line1(w), "1000 One@1000 to@1500 ge@1775 ther@2050 three@2600");
        QCOMPARE(w.ui.lblStatus->text(),
                 "Split \"together\" into to·ge·ther; drag each syllable to its start.");
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(line1(w), kAsMarked);

        QTest::mouseMove(&strip, QPoint(xAt(strip, 3050), 45));
        press(Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY2(line1(w).contains(QRegularExpression(" t@2600 hree@30\\d\\d$")),
                 qPrintable(line1(w)));
        QVERIFY(w.ui.lblStatus->text().contains("(one syllable: split at the pointer)"));
    }

    // The keys are in the strip's context menu and in F1's list.
    void theKeysAreListed() {
        TestWindow w;
        showTimed(w);
        WordStrip& strip = *w.ui.wordStrip;
        QTest::mouseClick(&strip, Qt::RightButton, {}, QPoint(xAt(strip, 1900), 45));
        const QPoint at(xAt(strip, 1900), 45);
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, strip.mapToGlobal(at));
        QApplication::sendEvent(&strip, &menuEvent);
        QMenu* menu = w->findChild<QMenu*>("contextMenu");
        QVERIFY(menu);
        QStringList entries;
        for (QAction* action : menu->actions())
            entries << action->text();
        QVERIFY(entries.contains("Loop the selected word or line on or off\tCtrl+Shift+R"));
        QVERIFY(entries.contains("Split the word into syllables here\tCtrl+Shift+H"));
        QVERIFY(entries.contains("Split the selected word into its syllables\tCtrl+H"));
        // Chosen from the menu, the pointer on it, the split goes where the menu was asked for.
        QCursor::setPos(menu->geometry().center());
        for (QAction* action : menu->actions())
            if (action->text().startsWith("Split the word into syllables here"))
                action->trigger();
        QVERIFY2(line1(w).contains(" to@1500 gether@"), qPrintable(line1(w)));
    }

    // Save with the precise times kept writes the words and the syllables into Song.lrc, as
    // word stamps inside the word, and ffmpeg still reads its lines at their times.
    void songLrcCarriesWordsAndSyllables() {
        QTemporaryDir folder;
        TestWindow w;
        w.showSong(folder.path() + '/', "Song.mp3");
        showTimed(w);
        WordStrip& strip = *w.ui.wordStrip;
        QTest::mouseMove(&strip, QPoint(xAt(strip, 1900), 45));
        press(Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        const qint64 at = w.session().sheet().rows().front().words[2].ms;
        w.save();
        QFile lrc(folder.filePath("Song.lrc"));
        QVERIFY(lrc.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(lrc.readAll());
        QVERIFY2(text.contains(QString("[00:01.000]<00:01.000>One <00:01.500>to<00:01.%1>gether "
                                       "<00:02.600>three\n[00:06.000]Four five")
                                   .arg(at % 1000, 3, 10, QChar('0'))),
                 qPrintable(text));
        QProcess ffmpeg;
        ffmpeg.start("ffmpeg", {"-v", "error", "-nostdin", "-i", lrc.fileName(), "-f", "srt", "-"});
        QVERIFY(ffmpeg.waitForFinished(60000));
        const QString read = QString::fromUtf8(ffmpeg.readAllStandardOutput()).remove('\r');
        QVERIFY2(read.contains("00:00:01,000 --> 00:00:06,000\n") &&
                     read.contains("00:00:06,000 --> "),
                 qPrintable(read + ffmpeg.readAllStandardError()));
    }
};

QTEST_MAIN(WordStripEditingTest)
#include "tst_WordStripEditing.moc"
