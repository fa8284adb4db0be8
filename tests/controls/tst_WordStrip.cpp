#include "controls/WordStrip.h"
#include "playback/Waveform.h"

#include <QImage>
#include <QTest>

#include <memory>

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
};

QTEST_MAIN(WordStripTest)
#include "tst_WordStrip.moc"
