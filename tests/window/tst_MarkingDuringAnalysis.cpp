#include "session/SongSuggestions.h"
#include "storage/LyricsXml.h"
#include "support/Files.h"
#include "support/TestWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

// A four-minute song marked on the real player while its suggested times are worked out: each
// Space press lands where the song was when it was pressed, the display tick keeps its pace,
// the suggestions follow the marks without the analysis starting over, and an undo brings the
// suggestions back as they were. The bounds are loose, to catch a window that stalls for
// seconds; the bench measures the milliseconds.
class MarkingDuringAnalysisTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    struct Press {
        qint64 songMs = 0; // the player's position when the key went down
        qint64 lateMs = 0; // how long after its moment the press was delivered
        bool analysing = false;
    };

    std::unique_ptr<frmSychLyrics> openWindow(const QString& folder) {
        QDir().mkpath(folder);
        for (const QString& name : {QStringLiteral("Song.mp3"), QStringLiteral("Song.xml")})
            QFile::copy(m_dir.filePath("made/" + name), folder + "/" + name);
        return realWindow(folder, folder + "/Song.mp3");
    }

    // Presses Space on the focused control at each of the moments (ms from now), delivered
    // through the event loop as a desktop's key events are.
    static std::vector<Press> pressSpace(frmSychLyrics& w, const std::vector<int>& moments) {
        std::vector<Press> presses(moments.size());
        auto* suggestions = w.findChild<SongSuggestions*>();
        QElapsedTimer clock;
        clock.start();
        int done = 0;
        for (std::size_t i = 0; i < moments.size(); ++i)
            QTimer::singleShot(moments[i], Qt::PreciseTimer, &w, [&, i] {
                presses[i] = {FindControls(w).mp3Player->GetPositionMs(),
                              clock.elapsed() - moments[i], suggestions->running()};
                QTest::keyPress(QApplication::focusWidget(), Qt::Key_Space);
                QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Space);
                ++done;
            });
        const int all = static_cast<int>(moments.size());
        [&] { QTRY_COMPARE_WITH_TIMEOUT(done, all, moments.back() + 20000); }();
        return presses;
    }

    static QStringList hints(const frmSychLyrics& w) {
        QStringList shown;
        const LyricSheet& sheet = w.findChild<SongSession*>()->sheet();
        for (int p = 1; p <= sheet.count(); ++p)
            shown << QString::number(sheet.suggestedMs(p));
        return shown;
    }

private slots:
    void initTestCase() {
        QProcess make;
        make.start("/usr/bin/python3", {VELMORA_ALIGN_SONGS, m_dir.filePath("gen"), "--seeds", "5",
                                        "--ratios", "0", "--lines", "48"});
        QVERIFY2(make.waitForFinished(180000) && make.exitCode() == 0,
                 make.readAllStandardError().constData());
        QDir().mkpath(m_dir.filePath("made"));
        for (const QString& name : {QStringLiteral("Song.mp3"), QStringLiteral("Song.xml")})
            QVERIFY(QFile::copy(m_dir.filePath("gen/seed5_+0dB/" + name),
                                m_dir.filePath("made/" + name)));
    }

    void marksLandOnThePressesWhileTheAnalysisRuns() {
        const QString folder = m_dir.filePath("marking");
        auto w = openWindow(folder);
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const WindowControls ui = FindControls(*w);
        auto* suggestions = w->findChild<SongSuggestions*>();
        QVERIFY(suggestions && suggestions->running()); // opening the song started it

        QElapsedTimer clock;
        clock.start();
        std::vector<qint64> ticks;
        connect(ui.displayTimer, &QTimer::timeout, w.get(),
                [&] { ticks.push_back(clock.elapsed()); });
        QTest::mouseClick(ui.cmdPlay, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), ui.cmdMark);
        QVERIFY(QTest::qWaitFor([&] { return ui.mp3Player->GetPositionMs() > 1000; }, 10000));

        // Eight presses 1.5 s apart, the first ones while the analysis runs.
        std::vector<int> moments;
        for (int i = 0; i < 8; ++i)
            moments.push_back(500 + 1500 * i);
        std::vector<Press> presses = pressSpace(*w, moments);
        QVERIFY2(presses.front().analysing, "the analysis ended before the first press");

        // Marks made after the analysis ended, which realign the lines beside them.
        QTRY_VERIFY_WITH_TIMEOUT(!suggestions->running(), 400000);
        const QStringList before = hints(*w);
        const std::vector<Press> after = pressSpace(*w, {300, 1800});
        presses.insert(presses.end(), after.begin(), after.end());
        QVERIFY(!after.front().analysing);
        QTRY_VERIFY_WITH_TIMEOUT(!suggestions->running(), 20000);
        QVERIFY2(hints(*w) != before, "no suggestion followed the new marks");

        QTest::mouseClick(ui.cmdStop, Qt::LeftButton);
        QTest::mouseClick(ui.cmdSave, Qt::LeftButton);
        const std::vector<SheetRow> saved = ReadLyricsFileRows(folder + "/Song.xml").rows;
        const std::vector<SheetRow>& rows = w->findChild<SongSession*>()->sheet().rows();
        for (std::size_t i = 0; i < presses.size(); ++i) {
            const Press& p = presses[i];
            QVERIFY2(std::abs(rows[i].markMs - p.songMs) <= 50,
                     qPrintable(QString("line %1 marked at %2 ms, pressed at %3 ms")
                                    .arg(i + 1)
                                    .arg(rows[i].markMs)
                                    .arg(p.songMs)));
            QCOMPARE(saved[i].secs, QString::number(rows[i].markMs / 1000));
            QVERIFY2(
                p.lateMs < 250,
                qPrintable(QString("press %1 was delivered %2 ms late").arg(i + 1).arg(p.lateMs)));
        }
        qint64 longest = 0;
        for (std::size_t i = 1; i < ticks.size(); ++i)
            longest = std::max(longest, ticks[i] - ticks[i - 1]);
        QVERIFY2(
            ticks.size() > 100 && longest < 500,
            qPrintable(QString("%1 ticks, the longest gap %2 ms").arg(ticks.size()).arg(longest)));
    }

    // After the analysis: a mark realigns its neighbours; undo brings back exactly what was
    // shown before it, and redo exactly what was shown after it.
    void undoAndRedoBringTheSuggestionsBack() {
        const QString folder = m_dir.filePath("undo");
        auto w = openWindow(folder);
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        auto* suggestions = w->findChild<SongSuggestions*>();
        QTRY_VERIFY_WITH_TIMEOUT(!suggestions->running(), 400000);
        const QStringList before = hints(*w);
        const WindowControls ui = FindControls(*w);
        QTest::mouseClick(ui.cmdPlay, Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return ui.mp3Player->GetPositionMs() > 2500; }, 10000));
        pressSpace(*w, {0});
        QTest::mouseClick(ui.cmdPlay, Qt::LeftButton); // Pause
        QTRY_VERIFY_WITH_TIMEOUT(!suggestions->running(), 20000);
        const QStringList marked = hints(*w);
        QVERIFY(marked != before);
        ui.lvLyrics->setFocus();
        QTest::keyClick(ui.lvLyrics, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(hints(*w), before);
        QTest::keyClick(ui.lvLyrics, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(hints(*w), marked);
    }
};

QTEST_MAIN(MarkingDuringAnalysisTest)
#include "tst_MarkingDuringAnalysis.moc"
