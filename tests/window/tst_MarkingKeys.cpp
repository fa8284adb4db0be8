#include "support/Files.h"
#include "support/Rows.h"
#include "support/TestWindow.h"

#include "sources/TagLibComponent.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTreeView>
#include <QUrl>

#include "window/SongSlider.h"

// The marking keys, driven as a user presses them: a key to whatever control has the focus,
// through the window's shortcuts, on the fake player.
class MarkingKeysTest : public QObject {
    Q_OBJECT

    static void show(TestWindow& w) {
        w.createDatabase();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(&*w));
    }
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
    static constexpr auto Ctrl = Qt::ControlModifier;
    static constexpr auto CtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

    // A playing window on a 20 s song with lines at 5, 10 and 15 s and one unmarked.
    static void playing(TestWindow& w) {
        w.setSheet({"One|5", "Two|10", "Three|15", "Four|"});
        w.player->lengthMs = 20000;
        show(w);
        QTest::mouseClick(w->ui.cmdPlay, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), w->ui.cmdMark);
    }
    static void clickRow(TestWindow& w, int position) {
        const QRect row = w->ui.lvLyrics->visualRect(w->sheet().index(position - 1, 1));
        QTest::mouseClick(w->ui.lvLyrics->viewport(), Qt::LeftButton, {}, row.center());
    }

private slots:
    void seeksFromWhereverTheFocusIs_data() {
        for (const char* column : {"fromMs", "key", "toMs"})
            QTest::addColumn<int>(column);
        textColumns({"focus", "time"});
        const int left = Qt::Key_Left, right = Qt::Key_Right;
        textRow("back on Mark Line", "cmdMark|0:07 / 0:20", 10500, left, 7500);
        textRow("forward on the list", "lvLyrics|0:13 / 0:20", 10500, right, 13500);
        textRow("not before the start", "cmdMark|", 1000, left, 0);
        textRow("not past the end", "sldSong|0:20 / 0:20", 19000, right, 20000);
        textRow("a text box keeps it", "txtAdjustAll|0:00 / 0:00", 10500, left, 10500);
    }
    void seeksFromWhereverTheFocusIs() {
        QFETCH(QString, focus);
        QFETCH(int, fromMs);
        QFETCH(int, key);
        TestWindow w;
        playing(w);
        if (focus == QLatin1String("txtAdjustAll"))
            QTest::mouseClick(w->ui.cmdPlay, Qt::LeftButton); // paused: the box is enabled
        w->findChild<QWidget*>(focus)->setFocus();
        w.player->positionMs = fromMs;
        press(key, Ctrl);
        QTEST(w.player->positionMs, "toMs");
        QTEST(w->ui.lblTime->text(), "time");
        if (focus != QLatin1String("txtAdjustAll"))
            QCOMPARE(w->ui.sldSong->Value(), w.player->positionMs / 1000);
    }

    void replayMakesTheSelectedLineTheCursor() {
        TestWindow w;
        playing(w);
        w.player->positionMs = 16000;
        clickRow(w, 2);
        w->ui.cmdMark->setFocus();
        press(Qt::Key_R, Ctrl);
        QCOMPARE(w.player->calls.last(), QStringLiteral("SeekPositionMs 8000")); // 2 s lead-in
        QCOMPARE(w->sheet().selected(), 2);
        w.player->positionMs = 9400;
        w.tickAt(9400);
        press(Qt::Key_Space); // re-marks line 2, and marking goes on with line 3
        QCOMPARE(w.sheet().mid(1, 2), QStringList({"2|Two|0:09|9", "3|Three|0:15|15"}));
        QCOMPARE(w->sheet().selected(), 3);
        press(Qt::Key_Z, Ctrl);
        QCOMPARE(w.sheet()[1], QStringLiteral("2|Two|0:10|10"));

        // From Stop it plays the song first; an unmarked line has nothing to replay.
        QTest::mouseClick(w->ui.cmdStop, Qt::LeftButton);
        clickRow(w, 1);
        press(Qt::Key_R, Ctrl);
        QCOMPARE(w.player->count("LoadSong"), 2);
        QCOMPARE(w.player->calls.last(), QStringLiteral("SeekPositionMs 3000"));
        clickRow(w, 4);
        press(Qt::Key_R, Ctrl);
        QCOMPARE(w->ui.lblStatus->text(), QStringLiteral("Replay: line 4 has no time yet; mark it "
                                                         "first."));
    }

    void speedStepsAndThePlayerKeepsIt() {
        TestWindow w;
        playing(w);
        for (int i = 0; i < 6; ++i)
            press(Qt::Key_Down, Ctrl);
        QCOMPARE(w.player->speed, 0.5);
        QCOMPARE(w->ui.lblStatus->text(), QStringLiteral("Speed 0.5× is the slowest."));
        press(Qt::Key_0, Ctrl);
        QCOMPARE(w.player->speed, 1.0);
        QCOMPARE(w->ui.lblStatus->text(), QStringLiteral("Normal speed."));
        for (int i = 0; i < 6; ++i)
            press(Qt::Key_Up, Ctrl);
        QCOMPARE(w.player->speed, 1.5);
        press(Qt::Key_Down, Ctrl);
        QCOMPARE(w->ui.lblStatus->text(), QStringLiteral("Speed 1.4×"));

        // Stop and the next Play leave the speed to the player, and Play shows it again.
        const int setSpeed = w.player->count("SetSpeed");
        QTest::mouseClick(w->ui.cmdStop, Qt::LeftButton);
        w->showStatus(QString());
        QTest::mouseClick(w->ui.cmdPlay, Qt::LeftButton);
        QCOMPARE(w.player->count("SetSpeed"), setSpeed);
        QCOMPARE(w->ui.lblStatus->text(), QStringLiteral("Speed 1.4×"));
    }

    void reactionDelayShiftsMarks_data() {
        QTest::addColumn<int>("presses");
        QTest::addColumn<double>("speed");
        QTest::addColumn<int>("atMs");
        QTest::addColumn<QString>("marked");
        QTest::newRow("none: as ever") << 0 << 1.0 << 12100 << "1|One|0:12|12@12100";
        QTest::newRow("250 ms across a second") << 5 << 1.0 << 12100 << "1|One|0:11|11@11850";
        QTest::newRow("half speed takes half") << 5 << 0.5 << 12200 << "1|One|0:12|12@12075";
        QTest::newRow("never before the start") << 5 << 1.0 << 100 << "1|One||0@0";
        QTest::newRow("at most a second") << 30 << 1.0 << 12100 << "1|One|0:11|11@11100";
    }
    void reactionDelayShiftsMarks() {
        QFETCH(int, presses);
        QFETCH(double, speed);
        TestWindow w;
        playing(w);
        for (int i = 0; i < presses; ++i)
            press(Qt::Key_Up, CtrlShift);
        w.player->speed = speed;
        QFETCH(int, atMs);
        w.player->positionMs = atMs;
        press(Qt::Key_Space);
        QTEST(w.sheet().first() + u'@' + QString::number(w->sheet().rows().front().markMs),
              "marked"); // the exact mark for the exports has the delay taken off too
        // Kept for the next run.
        Platform next;
        next.settingsFile = w.programFolder.filePath(QStringLiteral("settings.ini"));
        QCOMPARE(frmSychLyrics(std::move(next)).reactionDelayMs(), std::min(presses * 50, 1000));
    }

    void tapAlongMeasuresThroughMarkLine_data() {
        QTest::addColumn<QList<int>>("lateness");
        QTest::addColumn<int>("delay");
        QTest::newRow("median of eight") << QList<int>{150, 170, 190, 210, 230, 180, 200, 900}
                                         << 190; // the last came too late to count
        QTest::newRow("too few: unchanged") << QList<int>{150, 170} << 0;
    }
    void tapAlongMeasuresThroughMarkLine() {
        QFETCH(QList<int>, lateness);
        TestWindow w;
        w.setSheet({"One|5"});
        show(w);
        w->ui.cmdPlay->setFocus();
        press(Qt::Key_T, Ctrl);
        QVERIFY(readFile(w.player->loadedPath).startsWith("RIFF"));
        QCOMPARE(QApplication::focusWidget(), w->ui.cmdMark);
        const int clicks[] = {1000, 2300, 3200, 4800, 5600, 7100, 8400, 9200};
        for (int i = 0; i < lateness.size(); ++i) {
            w.player->positionMs = clicks[i] + lateness[i];
            press(Qt::Key_Space);
        }
        w.player->endSong();
        QTEST(w->reactionDelayMs(), "delay");
        QCOMPARE(w.sheet(), QStringList({"1|One|0:05|5"})); // no line was marked
        QVERIFY(!w->ui.cmdMark->isEnabled() && w->ui.cmdPlay->isEnabled());
        QVERIFY(!w->ui.cmdSave->isEnabled());
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
            clickRow(*w, 2);
        }
        press(key, CtrlShift);
        byButton->ui.txtAdjustSingle->setText(amount);
        QTest::mouseClick(byButton->ui.cmdAdjustSingle, Qt::LeftButton);
        QCOMPARE(byKey.sheet(), byButton.sheet());
        QCOMPARE(byKey->ui.lblStatus->text(), byButton->ui.lblStatus->text());
        QVERIFY(byKey->ui.cmdSave->isEnabled());

        QTest::mouseClick(byKey->ui.cmdPlay, Qt::LeftButton); // not while the song plays
        press(key, CtrlShift);
        QCOMPARE(byKey.sheet(), byButton.sheet());
        QCOMPARE(byKey->ui.lblStatus->text(),
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
        const QString tone = QStringLiteral(VELMORA_TEST_DATA "/tone-3s.mp3");
        if (file.endsWith(QLatin1String("flac"))) {
            QCOMPARE(QProcess::execute("ffmpeg", {"-v", "error", "-i", tone, path}), 0);
        }
        if (file.endsWith(QLatin1String("mp3"), Qt::CaseInsensitive) || file.endsWith("flac")) {
            QVERIFY(QFile::exists(path) || QFile::copy(tone, path));
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
            TagLibComponent tag;
            tag.LoadTag(path, true);
            tag.SetFrameText(QStringLiteral("USLT"), QStringLiteral("Sung\nwords"));
            tag.SaveTag(path);
        } else {
            QVERIFY(!writeFile(path, file.endsWith(u"lrc") ? "[00:01.50]La la" : "La la").isNull());
        }
        TestWindow w;
        show(w);
        if (onto == QLatin1String("txtAddLyrics")) { // the text panel, as AddLyrics opens it
            w->ui.cmdAddLyrics->show();
            QTest::mouseClick(w->ui.cmdAddLyrics, Qt::LeftButton);
        }

        // As the platform delivers a drag: to the first widget under the cursor that takes drops.
        QWidget* under = w->findChild<QWidget*>(onto);
        if (auto* view = qobject_cast<QAbstractScrollArea*>(under))
            under = view->viewport();
        QPoint at = under->rect().center();
        while (!under->acceptDrops()) {
            at = under->mapToParent(at);
            under = under->parentWidget();
        }
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        mime.setText(QUrl::fromLocalFile(path).toString());
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(under, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(under, &drop);
        QVERIFY(drop.isAccepted());
        QFETCH(QString, fileName);
        if (!fileName.isEmpty()) {
            QCOMPARE(w->ui.txtFileName->text(), path);
            QCOMPARE(w.sheet(), QStringList({"1|Sung||", "2|words||"}));
        }
        QTEST(w->ui.txtAddLyrics->toPlainText(), "panelText");
        if (file.endsWith(u"lrc"))
            QCOMPARE(w.sheet(), QStringList{"1|La la|0:01|1"});
        if (QTest::currentDataTag() == QLatin1String("text beside the panel"))
            QVERIFY(w->ui.lblStatus->text().contains(QLatin1String("is not a song")));
    }

    void keysAreNamedAndF1ListsThem() {
        TestWindow w;
        w.setSheet({"One|1", "Two|2"});
        show(w);
        for (const QPushButton* button : w->findChildren<QPushButton*>())
            QVERIFY2(button->toolTip().contains(QRegularExpression(
                         QStringLiteral("Ctrl\\+|Space|F2|Insert|Delete|Up|Down"))),
                     qPrintable(button->objectName()));
        QVERIFY(w->ui.lvLyrics->toolTip().contains(QLatin1String("F1")));

        const auto windows = QApplication::topLevelWidgets().size();
        clickRow(w, 1);
        press(Qt::Key_F1);
        auto* overlay = w->findChild<QWidget*>(QStringLiteral("keyOverlay"));
        QVERIFY(overlay && overlay->isVisible() && overlay->geometry() == w->rect());
        QCOMPARE(QApplication::topLevelWidgets().size(), windows); // no dialog
        press(Qt::Key_Down); // gone, and the key still moves the selection
        QVERIFY(!overlay->isVisible());
        QCOMPARE(w->sheet().selected(), 2);
        press(Qt::Key_F1);
        clickRow(w, 1);
        QVERIFY(!overlay->isVisible());
        QCOMPARE(w->sheet().selected(), 1);

        // The buttons' own keys press them only where a click could.
        press(Qt::Key_Delete);
        QCOMPARE(w.sheet(), QStringList({"1|Two|0:02|2"}));
        press(Qt::Key_P, Ctrl);
        QCOMPARE(w.player->count("PlaySong"), 1);
        press(Qt::Key_Delete);
        QCOMPARE(w->ui.lblStatus->text(), QStringLiteral("Remove Line is not available now."));
    }
};

QTEST_MAIN(MarkingKeysTest)
#include "tst_MarkingKeys.moc"
