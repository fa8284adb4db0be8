#include "controls/WordStrip.h"
#include "playback/Waveform.h"
#include "support/TestWindow.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QSet>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>

#include <memory>

namespace {

// A wheel turned by notches (120 each) over x, with modifiers held, as a mouse sends it.
bool turnWheel(WordStrip& strip, int x, int notches, Qt::KeyboardModifiers modifiers) {
    const QPointF at(x, 40);
    QWheelEvent wheel(at, strip.mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&strip, &wheel);
    return wheel.isAccepted();
}

// The strip shown on its own at 400 x 56.
void showStrip(WordStrip& strip, std::vector<WordStrip::Word> words, qint64 toMs = 3000) {
    strip.resize(400, 56);
    strip.setWords(std::move(words), 0, toMs);
    strip.show();
    QVERIFY(QTest::qWaitForWindowExposed(&strip));
}

} // namespace

// The word strip alone, without a window or a song.
class WordStripTest : public QObject {
    Q_OBJECT

private slots:
    // The strip keeps its waveform drawn from frame to frame; after a change of span, song or
    // size it shows what a strip made afresh shows.
    void stripDrawnAgainShowsWhatANewOneShows() {
        struct State {
            int width;
            int period; // of the song's outline, in peaks
            qint64 fromMs;
        };
        const auto apply = [](WordStrip& strip, const State& state) {
            PeakEnvelope song{8000, 40, {}, {}}; // 200 peaks a second, 10 s
            for (int i = 0; i < 2000; ++i) {
                song.maxs.push_back(
                    static_cast<std::int8_t>(i % state.period * 120 / state.period));
                song.mins.push_back(static_cast<std::int8_t>(-song.maxs.back()));
            }
            strip.resize(state.width, 56);
            strip.setEnvelope(std::make_shared<const PeakEnvelope>(std::move(song)));
            strip.setWords({{"One", state.fromMs + 500}, {"two", state.fromMs + 1500}},
                           state.fromMs, state.fromMs + 3000);
        };
        WordStrip kept;
        for (const State& state :
             {State{300, 23, 0}, State{300, 23, 2000}, State{300, 7, 2000}, State{260, 7, 2000}}) {
            apply(kept, state);
            WordStrip fresh;
            apply(fresh, state);
            QCOMPARE(kept.grab().toImage(), fresh.grab().toImage());
        }
    }

    // A click selects the word it lands in and asks to play from the song's time under it;
    // a click before the first word selects none.
    void aClickSelectsTheWordUnderIt() {
        WordStrip strip;
        strip.resize(300, 56);
        strip.setWords({{"One", 500}, {"two", 1500}, {"three", -1}}, 0, 3000);
        strip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&strip));
        qint64 clickedMs = -2;
        int clickedWord = -2;
        connect(&strip, &WordStrip::clicked, this, [&](qint64 ms, int word) {
            clickedMs = ms;
            clickedWord = word;
        });
        QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(strip.xOfWord(1) + 3, 30));
        QCOMPARE(strip.selectedWord(), 1);
        QCOMPARE(clickedWord, 1);
        QVERIFY2(clickedMs > 1500 && clickedMs < 1600, qPrintable(QString::number(clickedMs)));
        QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(strip.xOfWord(0) - 4, 30));
        QCOMPARE(strip.selectedWord(), -1);
        QCOMPARE(clickedWord, -1);
        QVERIFY(clickedMs >= 0 && clickedMs < 500);
    }

    // A word's label dragged along the waveform moves its start: onto a voice onset a few
    // pixels away, or exactly under the pointer with Shift held; never past the words on
    // either side. A press and release in place is a click, not a drag.
    void dragsAWordsStart_data() {
        QTest::addColumn<qint64>("toMs");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<qint64>("expected"); // -1: within a pixel of toMs
        QTest::newRow("snaps to the onset nearby") << qint64(1200) << false << qint64(1180);
        QTest::newRow("Shift: where let go") << qint64(1200) << true << qint64(-1);
        QTest::newRow("far from any onset") << qint64(1900) << false << qint64(-1);
        QTest::newRow("kept before the next word") << qint64(2800) << false << qint64(2490);
        QTest::newRow("kept after the word before") << qint64(100) << true << qint64(510);
    }
    void dragsAWordsStart() {
        QFETCH(qint64, toMs);
        QFETCH(bool, shift);
        QFETCH(qint64, expected);
        WordStrip strip;
        showStrip(strip, {{"One", 500}, {"two", 1500}, {"three", 2500}});
        strip.setOnsets({1180, 2700});
        QList<std::pair<int, qint64>> dragged;
        int clicks = 0;
        connect(&strip, &WordStrip::wordDragged, this, [&](int word, qint64 ms) {
            dragged.append({word, ms});
        });
        connect(&strip, &WordStrip::clicked, this, [&] { ++clicks; });
        const Qt::KeyboardModifiers keys = shift ? Qt::ShiftModifier : Qt::NoModifier;
        const QPoint grab = strip.labelRect(1).center();
        QTest::mousePress(&strip, Qt::LeftButton, keys, grab);
        QCOMPARE(strip.selectedWord(), 1);
        QTest::mouseMove(&strip, grab + QPoint(12, 0));
        QTest::mouseMove(&strip, QPoint(xAt(strip, toMs), grab.y()));
        QTest::mouseRelease(&strip, Qt::LeftButton, keys, QPoint(xAt(strip, toMs), grab.y()));
        QCOMPARE(dragged.size(), 1);
        QCOMPARE(dragged[0].first, 1);
        const qint64 msPerPixel = 3000 / 392 + 1;
        if (expected >= 0)
            QCOMPARE(dragged[0].second, expected);
        else
            QVERIFY2(std::abs(dragged[0].second - toMs) <= msPerPixel,
                     qPrintable(QString::number(dragged[0].second)));
        QCOMPARE(clicks, 0);
        QCOMPARE(strip.words()[1].ms, 1500); // the owner moves it; the strip only asks

        QTest::mouseClick(&strip, Qt::LeftButton, {}, grab);
        QCOMPARE(dragged.size(), 1);
        QCOMPARE(clicks, 1);
    }

    // Ctrl+wheel zooms in around the pointer (the time under it stays under it) and back out
    // to the whole line, no further; zoomed in, the wheel scrolls; the zoom stays while the
    // same words come again with moved times or split into syllables, and goes with another
    // line's words.
    void ctrlWheelZoomsAroundThePointer() {
        WordStrip strip;
        showStrip(strip, {{"One", 500}, {"two", 1500}, {"three", 2500}}, 4000);
        QVERIFY(!turnWheel(strip, 200, 1, Qt::NoModifier)); // not zoomed: the wheel is not its
        QCOMPARE(strip.viewToMs() - strip.viewFromMs(), 4000);
        const int x = strip.xOfWord(1) + 2;
        const qint64 under = strip.msAt(x);
        QVERIFY(turnWheel(strip, x, 3, Qt::ControlModifier));
        const qint64 width = strip.viewToMs() - strip.viewFromMs();
        QVERIFY2(width < 2200 && width > 1800, qPrintable(QString::number(width)));
        QVERIFY(std::abs(strip.msAt(x) - under) <= 6);
        QVERIFY(strip.xOfWord(2) - strip.xOfWord(1) > 180); // the words drawn further apart

        const qint64 from = strip.viewFromMs();
        QVERIFY(turnWheel(strip, x, -1, Qt::NoModifier)); // scrolls later
        QVERIFY(strip.viewFromMs() > from);
        QCOMPARE(strip.viewToMs() - strip.viewFromMs(), width);

        strip.setWords({{"One", 600}, {"two", 1500}, {"three", 2500}}, 100, 4100);
        QCOMPARE(strip.viewToMs() - strip.viewFromMs(), width);
        strip.setWords({{"One", 600}, {"two", 1500}, {"thr", 2500}, {"ee", 2900}}, 100, 4100);
        QCOMPARE(strip.viewToMs() - strip.viewFromMs(), width); // a word split into syllables
        for (int i = 0; i < 10; ++i)
            turnWheel(strip, x, -1, Qt::ControlModifier);
        QCOMPARE(strip.viewFromMs(), 100);
        QCOMPARE(strip.viewToMs(), 4100);
        turnWheel(strip, x, 3, Qt::ControlModifier);
        strip.setWords({{"Another", 600}, {"line", 1500}}, 100, 4100);
        QCOMPARE(strip.viewToMs() - strip.viewFromMs(), 4000);
    }

    // Words sung close together: their labels take two rows and, still crowded, are cut short;
    // none covers another, and the tooltip over each gives the whole word and its time.
    void crowdedLabelsStayReadable() {
        WordStrip strip;
        showStrip(strip,
                  {{"Supercalifragilistic", 1000},
                   {"expialidocious", 1150},
                   {"even", 1300},
                   {"though", 1450},
                   {"the", 1600},
                   {"sound", 1750},
                   {"of", 2900}},
                  3000);
        const int count = static_cast<int>(strip.words().size());
        QSet<int> rows;
        for (int i = 0; i < count; ++i) {
            rows.insert(strip.labelRect(i).top());
            for (int j = i + 1; j < count; ++j)
                QVERIFY2(!strip.labelRect(i).intersects(strip.labelRect(j)),
                         qPrintable(QString("%1 and %2").arg(i).arg(j)));
        }
        QCOMPARE(rows.size(), 2);
        QVERIFY(strip.labelText(0).endsWith(u'…'));
        QCOMPARE(strip.labelText(6), "of"); // room enough: whole
        int cut = 0;
        for (int i = 0; i < count; ++i) {
            const WordStrip::Word& word = strip.words()[static_cast<std::size_t>(i)];
            cut += strip.labelText(i) != word.text;
            // Over the label, or over the tick of a word too crowded for one.
            const QPoint at = strip.labelRect(i).width() > 0 ? strip.labelRect(i).center()
                                                             : QPoint(strip.xOfWord(i), 45);
            QHelpEvent help(QEvent::ToolTip, at, strip.mapToGlobal(at));
            QApplication::sendEvent(&strip, &help);
            QTRY_VERIFY(QToolTip::isVisible());
            QCOMPARE(QToolTip::text(), QString("%1 — 0:0%2.%3")
                                           .arg(word.text)
                                           .arg(word.ms / 1000)
                                           .arg(word.ms % 1000 / 10, 2, 10, QChar('0')));
            QToolTip::hideText();
        }
        QVERIFY(cut >= 3);
        // A syllable's label carries the hyphen that says the word goes on.
        strip.setWords({{"to", 500, false, true}, {"gether", 900}}, 0, 3000);
        QCOMPARE(strip.labelText(0), "to-");
        QCOMPARE(strip.labelText(1), "gether");
    }
};

QTEST_MAIN(WordStripTest)
#include "tst_WordStrip.moc"
