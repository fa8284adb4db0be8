#include "support/Files.h"
#include "support/Rows.h"
#include "support/TestWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "controls/KeyOverlay.h"
#include "controls/SongSlider.h"
#include "sources/TagLibComponent.h"

// The marking keys, driven as a user presses them: a key to whatever control has the focus,
// through the window's shortcuts, on the fake player.
class MarkingKeysTest : public QObject {
    Q_OBJECT

    static void show(TestWindow& w) {
        w.createDatabase();
        QVERIFY(w.shownActive());
    }
    static constexpr auto Ctrl = Qt::ControlModifier;
    static constexpr auto CtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

    // A playing window on a 20 s song with lines at 5, 10 and 15 s and one unmarked.
    static void playing(TestWindow& w) {
        w.setSheet({"One|5", "Two|10", "Three|15", "Four|"});
        w.player->lengthMs = 20000;
        show(w);
        QTest::mouseClick(w.ui.cmdPlay, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), w.ui.cmdMark);
    }

private slots:
    void seeksFromWhereverTheFocusIs_data() {
        for (const char* column : {"fromMs", "key", "toMs"})
            QTest::addColumn<int>(column);
        textColumns({"focus", "time"});
        const int left = Qt::Key_Left, right = Qt::Key_Right;
        textRow("back on Mark Line", "cmdMark|0:07 / 0:20", 10500, left, 7500);
        textRow("forward on the list", "lvLyrics|0:13 / 0:20", 10500, right, 13500);
        textRow("on the slider", "sldSong|0:20 / 0:20", 19000, right, 20000);
        textRow("a text box keeps it", "txtAdjustAll|0:00 / 0:00", 10500, left, 10500);
    }
    void seeksFromWhereverTheFocusIs() {
        QFETCH(QString, focus);
        QFETCH(int, fromMs);
        QFETCH(int, key);
        TestWindow w;
        playing(w);
        if (focus == QLatin1String("txtAdjustAll"))
            QTest::mouseClick(w.ui.cmdPlay, Qt::LeftButton); // paused: the box is enabled
        w->findChild<QWidget*>(focus)->setFocus();
        w.player->positionMs = fromMs;
        press(key, Ctrl);
        QTEST(w.player->positionMs, "toMs");
        QTEST(w.ui.lblTime->text(), "time");
        if (focus != QLatin1String("txtAdjustAll"))
            QCOMPARE(w.ui.sldSong->Value(), w.player->positionMs / 1000);
    }

    // After a seek key Mark Line stamps the line the song comes to next from there, not the
    // line the cursor held before the jump; rows' new marks count at once.
    void aSeekMovesTheMarkCursorWithTheSong() {
        TestWindow w;
        playing(w);
        const auto seekAndMark = [&](int fromMs, int key, int times) {
            w.player->positionMs = fromMs;
            for (int i = 0; i < times; ++i)
                press(key, Ctrl);
            press(Qt::Key_Space);
        };
        seekAndMark(3000, Qt::Key_Right, 1); // 6 s: after One's 5 s
        QCOMPARE(w.sheet().at(1), QStringLiteral("2|Two|0:06|6"));
        seekAndMark(6000, Qt::Key_Right, 3); // 15 s: Three's own second counts as reached
        QCOMPARE(w.sheet().at(3), QStringLiteral("4|Four|0:15|15"));
        seekAndMark(15000, Qt::Key_Left, 1); // 12 s: after Two's new 6 s
        QCOMPARE(w.sheet().at(2), QStringLiteral("3|Three|0:12|12"));
        QCOMPARE(w.sheet().at(0), QStringLiteral("1|One|0:05|5"));
        QCOMPARE(w.ui.lvLyrics->currentIndex().row(), 3); // the walk went on to Four
    }

    // While the song plays, a click that seeks on the slider or picks a line leaves the keyboard
    // to Mark Line: the next Space marks. Paused, the list keeps the focus it was clicked into.
    void aClickWhilePlayingLeavesSpaceToMarkLine() {
        TestWindow w;
        playing(w);
        auto* groove = w.ui.sldSong->findChild<QSlider*>();
        QTest::mouseClick(groove, Qt::LeftButton, {},
                          QPoint(groove->width() / 2, groove->height() / 2));
        QTRY_COMPARE(QApplication::focusWidget(), w.ui.cmdMark);
        w.player->positionMs = 12400;
        press(Qt::Key_Space);
        QCOMPARE(w.sheet().at(0), QStringLiteral("1|One|0:12|12"));
        const QRect third = w.ui.lvLyrics->visualRect(w.session().sheet().index(2, 0));
        QTest::mouseClick(w.ui.lvLyrics->viewport(), Qt::LeftButton, {}, third.center());
        QTRY_COMPARE(QApplication::focusWidget(), w.ui.cmdMark);
        w.player->positionMs = 16200;
        press(Qt::Key_Space); // the line clicked is the one stamped
        QCOMPARE(w.sheet().at(2), QStringLiteral("3|Three|0:16|16"));
        QTest::mouseClick(w.ui.cmdPlay, Qt::LeftButton); // paused
        QTest::mouseClick(w.ui.lvLyrics->viewport(), Qt::LeftButton, {}, third.center());
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), w.ui.lvLyrics);
    }

    // Ctrl+R replays the selected line (the session's replay); from Stop it plays first.
    void replayKeyPlaysTheSelectedLine() {
        TestWindow w;
        playing(w);
        w.clickRow(2);
        w.ui.cmdMark->setFocus();
        press(Qt::Key_R, Ctrl);
        QCOMPARE(w.player->calls.last(), QStringLiteral("SeekPositionMs 8000"));
        QTest::mouseClick(w.ui.cmdStop, Qt::LeftButton);
        w.clickRow(1);
        press(Qt::Key_R, Ctrl);
        QCOMPARE(w.player->count("LoadSong"), 2);
        QCOMPARE(w.player->calls.last(), QStringLiteral("SeekPositionMs 3000"));
        w.clickRow(4);
        press(Qt::Key_R, Ctrl);
        QCOMPARE(w.ui.lblStatus->text(), QStringLiteral("Replay: line 4 has no time yet; mark it "
                                                        "first."));
    }

    // The speed and reaction-delay keys reach the session; the status line says what it said,
    // and Play shows the aids again.
    void speedAndDelayKeys() {
        TestWindow w;
        playing(w);
        press(Qt::Key_Down, Ctrl);
        QCOMPARE(w.player->speed, 0.9);
        press(Qt::Key_Up, CtrlShift);
        QCOMPARE(w.ui.lblStatus->text(), QStringLiteral("Speed 0.9× · reaction delay 50 ms"));
        press(Qt::Key_Down, CtrlShift);
        press(Qt::Key_0, Ctrl);
        QCOMPARE(w.ui.lblStatus->text(), QStringLiteral("Normal speed."));
        press(Qt::Key_Up, Ctrl);
        press(Qt::Key_Up, CtrlShift);
        press(Qt::Key_Up, CtrlShift);
        w.player->positionMs = 12050;
        press(Qt::Key_Space);
        QCOMPARE(w.sheet().first(), QStringLiteral("1|One|0:11|11"));
        QTest::mouseClick(w.ui.cmdStop, Qt::LeftButton);
        w.ui.lblStatus->clear();
        QTest::mouseClick(w.ui.cmdPlay, Qt::LeftButton);
        QCOMPARE(w.ui.lblStatus->text(), QStringLiteral("Speed 1.1× · reaction delay 100 ms"));
    }

    // Ctrl+T plays the clicks with the focus on Mark Line, whose presses are taps, not marks.
    void tapAlongRunsThroughMarkLine() {
        TestWindow w;
        w.setSheet({"One|5"});
        show(w);
        w.ui.cmdPlay->setFocus();
        press(Qt::Key_T, Ctrl);
        QVERIFY(readFile(w.player->loadedPath).startsWith("RIFF"));
        QCOMPARE(QApplication::focusWidget(), w.ui.cmdMark);
        for (const int at : {1150, 2470, 3390, 5010, 5830}) {
            w.player->positionMs = at;
            press(Qt::Key_Space);
        }
        QCOMPARE(w.ui.lblStatus->text(), QStringLiteral("Reaction delay: 5 of 8 clicks taken."));
        w.player->endSong();
        QCOMPARE(w.session().playback().reactionDelayMs(), 190);
        QCOMPARE(w.sheet(), QStringList({"1|One|0:05|5"}));
        QVERIFY(!w.ui.cmdMark->isEnabled() && w.ui.cmdPlay->isEnabled());
        QVERIFY(!w.ui.cmdSave->isEnabled());
    }

    void nudgeIsAdjustSelectedByOne_data() {
        QTest::addColumn<QString>("secs");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("amount");
        QTest::newRow("later") << "59" << int(Qt::Key_Right) << "1";
        QTest::newRow("earlier, below zero") << "0.5" << int(Qt::Key_Left) << "-1";
        QTest::newRow("unmarked") << "" << int(Qt::Key_Right) << "1";
    }
    void nudgeIsAdjustSelectedByOne() {
        QFETCH(QString, secs);
        QFETCH(int, key);
        QFETCH(QString, amount);
        TestWindow byKey;
        TestWindow byButton;
        for (TestWindow* w : {&byButton, &byKey}) { // the key goes to the active one
            w->setSheet({"One|1", "Two|" + secs});
            show(*w);
            w->clickRow(2);
        }
        press(key, CtrlShift);
        byButton.ui.txtAdjustSingle->setText(amount);
        QTest::mouseClick(byButton.ui.cmdAdjustSingle, Qt::LeftButton);
        QCOMPARE(byKey.sheet(), byButton.sheet());
        QCOMPARE(byKey.ui.lblStatus->text(), byButton.ui.lblStatus->text());
        QVERIFY(byKey.ui.cmdSave->isEnabled());

        QTest::mouseClick(byKey.ui.cmdPlay, Qt::LeftButton); // not while the song plays
        press(key, CtrlShift);
        QCOMPARE(byKey.sheet(), byButton.sheet());
        QCOMPARE(byKey.ui.lblStatus->text(),
                 QStringLiteral("Adjust Selected Line is not available now."));
    }

    void dropsOpenSongsAndLoadTexts_data() {
        textColumns({"file", "onto", "fileName", "panelText"});
        textRow("song on the sheet", "a b.mp3|lvLyrics|a b.mp3|Sung\nwords");
        textRow("song on the file name", "Song.MP3|txtFileName|Song.MP3|Sung\nwords");
        textRow("FLAC song on the sheet", "a b.flac|lvLyrics|a b.flac|Sung\nwords");
        textRow("text on the panel", "words.txt|txtAddLyrics||La la");
        textRow("text beside the panel", "words.txt|lvLyrics||");
        textRow("LRC on the sheet", "song.lrc|lvLyrics||");
    }
    void dropsOpenSongsAndLoadTexts() {
        QFETCH(QString, file);
        QFETCH(QString, onto);
        QTemporaryDir music;
        const QString path = music.filePath(file);
        if (file.endsWith(QLatin1String("flac"))) { // the tone as FLAC, its lyrics in its tag
            const QString tone = QStringLiteral(VELMORA_TEST_DATA "/tone-3s.mp3");
            QCOMPARE(QProcess::execute("ffmpeg", {"-v", "error", "-i", tone, path}), 0);
            TagLibComponent tag;
            tag.LoadTag(path, true);
            tag.SetFrameText(QStringLiteral("USLT"), QStringLiteral("Sung\nwords"));
            tag.SaveTag(path);
        } else if (file.endsWith(QLatin1String("mp3"), Qt::CaseInsensitive)) {
            QCOMPARE(toneSong(path, "Sung\nwords"), path);
        } else {
            QVERIFY(!writeFile(path, file.endsWith(u"lrc") ? "[00:01.50]La la" : "La la").isNull());
        }
        TestWindow w;
        show(w);
        if (onto == QLatin1String("txtAddLyrics")) { // the text panel, as AddLyrics opens it
            w.ui.cmdAddLyrics->show();
            QTest::mouseClick(w.ui.cmdAddLyrics, Qt::LeftButton);
        }

        QVERIFY(dropFile(*w->findChild<QWidget*>(onto), path));
        QFETCH(QString, fileName);
        if (!fileName.isEmpty()) {
            QCOMPARE(w.ui.txtFileName->text(), path);
            QCOMPARE(w.sheet(), QStringList({"1|Sung||", "2|words||"}));
        }
        QTEST(w.ui.txtAddLyrics->toPlainText(), "panelText");
        if (file.endsWith(u"lrc"))
            QCOMPARE(w.sheet(), QStringList{"1|La la|0:01|1"});
        if (QTest::currentDataTag() == QLatin1String("text beside the panel"))
            QVERIFY(w.ui.lblStatus->text().contains(QLatin1String("is not a song")));
    }

    // Ctrl+S where Save cannot be pressed says why, and after Ctrl+Shift+K where Song.lrc comes
    // from.
    void theSaveKeySaysWhyNothingIsSaved() {
        QTemporaryDir folder;
        writeFile(folder.filePath("Song.xml"),
                  "<S><L><LINE><LyricLine>One</LyricLine></LINE></L></S>");
        TestWindow w;
        const auto status = [&w] { return w.ui.lblStatus->text(); };
        QVERIFY(w.shownActive());
        press(Qt::Key_S, Ctrl); // no song yet
        QCOMPARE(status(), "Save is not available now.");
        w.open(folder.filePath("Song.mp3"));
        playing(w);
        press(Qt::Key_S, Ctrl);
        QCOMPARE(status(), "Save is not available while the song plays: Pause or Stop first.");
        press(Qt::Key_Period, Ctrl);
        press(Qt::Key_S, Ctrl);
        QVERIFY2(status().startsWith("Saved"), qPrintable(status()));
        press(Qt::Key_S, Ctrl);
        QCOMPARE(status(), "Nothing to save: the sheet is as it was opened or last saved.");
        press(Qt::Key_K, CtrlShift);
        press(Qt::Key_S, Ctrl);
        QVERIFY2(status().endsWith("Ctrl+E writes Song.lrc with its precise times now."),
                 qPrintable(status()));
    }

    void keysAreNamedAndF1ListsThem() {
        TestWindow w;
        w.setSheet({"One|1", "Two|2"});
        show(w);
        for (const QPushButton* button : w->findChildren<QPushButton*>())
            QVERIFY2(button->toolTip().contains(QRegularExpression(
                         QStringLiteral("Ctrl\\+|Space|F2|Insert|Delete|Up|Down"))),
                     qPrintable(button->objectName()));
        QVERIFY(w.ui.lvLyrics->toolTip().contains(QLatin1String("F1")));

        const auto windows = QApplication::topLevelWidgets().size();
        w.clickRow(1);
        press(Qt::Key_F1);
        auto* overlay = w->findChild<QWidget*>(QStringLiteral("keyOverlay"));
        QVERIFY(overlay && overlay->isVisible() && overlay->geometry() == w->rect());
        QCOMPARE(QApplication::topLevelWidgets().size(), windows); // no dialog
        // Every row fits, at the window's smallest too, and a right-to-left language puts the
        // keys on the right.
        auto* keyList = qobject_cast<KeyOverlay*>(overlay);
        for (const QSize size : {w->size(), w->minimumSizeHint()}) {
            const KeyOverlay::Layout fitted = keyList->layOut(size);
            QVERIFY(QRect(QPoint(0, 0), size).contains(fitted.frame));
            QCOMPARE(fitted.rows.size(), keyList->keys().size());
            QCOMPARE(fitted.pages, 1);
            QVERIFY(fitted.frame.contains(fitted.rows.back().second));
            QVERIFY(fitted.rows.front().first.left() < fitted.rows.front().second.left());
        }
        keyList->setLayoutDirection(Qt::RightToLeft);
        const KeyOverlay::Layout mirrored = keyList->layOut(w->size());
        QVERIFY(mirrored.rows.front().first.left() > mirrored.rows.front().second.right());
        keyList->setLayoutDirection(Qt::LeftToRight);
        press(Qt::Key_Down); // gone, and the key still moves the selection
        QVERIFY(!overlay->isVisible());
        QCOMPARE(w.session().sheet().selected(), 2);
        press(Qt::Key_F1);
        w.clickRow(1);
        QVERIFY(!overlay->isVisible());
        QCOMPARE(w.session().sheet().selected(), 1);

        // The buttons' own keys press them only where a click could.
        press(Qt::Key_Delete);
        QCOMPARE(w.sheet(), QStringList({"1|Two|0:02|2"}));
        press(Qt::Key_P, Ctrl);
        QCOMPARE(w.player->count("PlaySong"), 1);
        press(Qt::Key_Delete);
        QCOMPARE(w.ui.lblStatus->text(), QStringLiteral("Remove Line is not available now."));
    }
};

QTEST_MAIN(MarkingKeysTest)
#include "tst_MarkingKeys.moc"
