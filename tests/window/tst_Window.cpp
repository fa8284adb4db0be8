#include "support/TestWindow.h"

#include "playback/SongSlider.h"
#include "sheet/UpDown.h"
#include "window/Failure.h"

#include <QFile>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void createsEveryControlWithItsCaptionAndState() {
        TestWindow w;
        QCOMPARE(w->windowTitle(), QStringLiteral("Velmora Versetta"));
        const QList<std::pair<const char*, const char*>> buttons = {
            {"cmdClose", "Close"},
            {"cmdOpen", "..."},
            {"cmdAddLyrics", "AddLyrics"},
            {"cmdPlay", "Play"},
            {"cmdStop", "Stop"},
            {"cmdMark", "Mark Line"},
            {"cmdReset", "Clear All Time Markings"},
            {"cmdInsert", "Insert Line"},
            {"cmdAddLine", "Add Line To End"},
            {"cmdRemove", "Remove Line"},
            {"cmdAdjustSingle", "Adjust Selected Line"},
            {"cmdAdjustAll", "Adjust All Lines"},
            {"cmdEditLyric", "Edit Selected Lyric"},
            {"cmdLineUp", "Move Up 1 Line"},
            {"cmdLineDown", "Move Down 1 Line"},
            {"cmdSave", "Save"},
            {"cmdPaste", "Paste From Clipboard"},
            {"cmdLyricsFromText", "Get Lyrics From Text File"},
            {"cmdClearUnsynch", "Clear"},
            {"cmdSaveUnsynch", "Save"}};
        for (const auto& [name, caption] : buttons) {
            auto* button = w->findChild<QPushButton*>(QString::fromLatin1(name));
            QVERIFY2(button, name);
            QCOMPARE(button->text(), QString::fromLatin1(caption));
            const bool disabled = QByteArray(name) == "cmdMark" || QByteArray(name) == "cmdSave" ||
                                  QByteArray(name) == "cmdSaveUnsynch";
            QCOMPARE(button->isEnabled(), !disabled);
        }
        for (const char* name : {"Frame1",
                                 "picSynch",
                                 "picUnsynch",
                                 "lvLyrics",
                                 "lblCurrentLyric",
                                 "sldSong",
                                 "lblTime",
                                 "lblStatus",
                                 "Label1",
                                 "Label2",
                                 "Label3",
                                 "Label4",
                                 "Label5",
                                 "txtFileName",
                                 "Text1",
                                 "Text2",
                                 "txtAdjustSingle",
                                 "txtAdjustAll",
                                 "spnAdjustSingle",
                                 "spnAdjustAll",
                                 "txtAddLyrics",
                                 "Line1",
                                 "Line2",
                                 "Line3",
                                 "Line4"})
            QVERIFY2(w->findChild<QWidget*>(QString::fromLatin1(name)), name);
        QCOMPARE(w->Label5->text(), QStringLiteral("File Name:"));
        QCOMPARE(w->Label1->text(), QStringLiteral("By"));
        QCOMPARE(w->Label2->text(), QStringLiteral("Secs."));
        QCOMPARE(w->txtAdjustSingle->text(), QStringLiteral("1"));
        QCOMPARE(w->txtAdjustAll->text(), QStringLiteral("1"));
        QCOMPARE(w->lblTime->text(), QStringLiteral("0:00 / 0:00"));
        QCOMPARE(w->lblStatus->font().pointSize(), 9);
        QVERIFY(w->lblStatus->font().bold());
        QCOMPARE(w->lblTime->font().pointSize(), 12);
        QVERIFY(w->lblCurrentLyric->alignment() & Qt::AlignHCenter);
        QCOMPARE(w->Amp3dj1->objectName(), QStringLiteral("Amp3dj1"));

        w->show();
        QVERIFY(w->cmdAddLyrics->isHidden());
        QVERIFY(w->Text1->isHidden() && w->Text2->isHidden());
        QVERIFY(w->picSynch->isVisible());
        QVERIFY(!w->picUnsynch->isVisible());

        auto* header = w->lvLyrics->headerItem();
        QCOMPARE(w->lvLyrics->columnCount(), 4);
        QCOMPARE(header->text(0), QStringLiteral("#"));
        QCOMPARE(header->text(1), QStringLiteral("Lyric"));
        QCOMPARE(header->text(2), QStringLiteral("Time"));
        QCOMPARE(header->text(3), QStringLiteral("Secs"));
        QVERIFY(w->lvLyrics->isColumnHidden(3));
        QCOMPARE(w->rowCount(), 0);
    }

    void timerTicksEveryTenthOfASecondFromCreation() {
        TestWindow w;
        QVERIFY(w->Timer1->isActive());
        QCOMPARE(w->Timer1->interval(), 100);
        QCOMPARE(w->Timer1->objectName(), QStringLiteral("Timer1"));
    }

    void startsWithoutASong() {
        TestWindow w;
        w->Form_Load();
        QCOMPARE(w->txtFileName->text(), QString());
        QCOMPARE(w->Text1->text(), QString());
        QCOMPARE(w->rowCount(), 0);
        QCOMPARE(w->lblStatus->text(), QString());
        QCOMPARE(w.player->calls, QStringList({"InitPlayer 1", "StartupSetting 1"}));
        QCOMPARE(w->lvLyrics->selectionBehavior(), QAbstractItemView::SelectRows);
    }

    void startsWithASongAndSplitsItsPath_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");
        QTest::newRow("plain") << "/music/Song.mp3"
                               << "/music/"
                               << "Song.mp3";
        QTest::newRow("blanks") << "/my music/A Song.mp3"
                                << "/my music/"
                                << "A Song.mp3";
        QTest::newRow("quotes kept") << "\"/music/Song.mp3\""
                                     << "\"/music/"
                                     << "Song.mp3\"";
        QTest::newRow("no separator") << "Song.mp3"
                                      << ""
                                      << "Song.mp3";
    }
    void startsWithASongAndSplitsItsPath() {
        QFETCH(QString, commandLine);
        TestWindow w(commandLine);
        w->Form_Load();
        QTEST(w->songFolder, "folder");
        QTEST(w->songFile, "file");
        QTEST(w->Text1->text(), "folder");
        QTEST(w->Text2->text(), "file");
        QCOMPARE(w->txtFileName->text(), commandLine);
        // None of these names a song with lyrics: the no-lyrics state, with the path as typed.
        QCOMPARE(w->lblStatus->text(), QStringLiteral(" No Lyrics Found For  -  ") + commandLine);
        QCOMPARE(w.sheet(), QStringList({"|No Lyrics Found||"}));
        QVERIFY(!w->cmdAddLyrics->isHidden());
        QCOMPARE(w->cmdAddLyrics->text(), QStringLiteral("AddLyrics"));
        QVERIFY(w->picSynch->isHidden());
        QVERIFY(w->picUnsynch->isHidden());
        QCOMPARE(w.player->calls, QStringList({"InitPlayer 1", "StartupSetting 1"}));
    }

    void opensASongThroughTheDialog() {
        TestWindow w;
        w->Form_Load();
        w.openAnswers << QStringLiteral("/music/Other Song.mp3");
        w->cmdOpen->click();
        QCOMPARE(w.openRequests, QStringList({"MP3s (*.mp3)||*.mp3"}));
        QCOMPARE(w->songFolder, QStringLiteral("/music/"));
        QCOMPARE(w->songFile, QStringLiteral("Other Song.mp3"));
        QCOMPARE(w->txtFileName->text(), QStringLiteral("/music/Other Song.mp3"));
        QCOMPARE(w->lblStatus->text(),
                 QStringLiteral(" No Lyrics Found For  -  /music/Other Song.mp3"));

        // The next dialog starts in the song's folder.
        w->cmdOpen->click();
        QCOMPARE(w.openRequests.last(), QStringLiteral("MP3s (*.mp3)|/music/|*.mp3"));
    }

    void cancelledDialogKeepsTheSongAndProbesItAgain() {
        TestWindow w;
        w->Form_Load();
        w->cmdOpen->click(); // cancelled before any song: probes the bare separator
        QCOMPARE(w->lblStatus->text(), QStringLiteral(" No Lyrics Found For  -  "));
        QCOMPARE(w->txtFileName->text(), QString());

        w.openAnswers << QStringLiteral("/music/a.mp3");
        w->cmdOpen->click();
        w->songFile = QStringLiteral("/music/a.mp3"); // as Play leaves it
        w->lblStatus->clear();
        w->cmdOpen->click();
        QCOMPARE(w->songFolder, QStringLiteral("/music/"));
        QCOMPARE(w->Text2->text(), QStringLiteral("a.mp3"));
        QCOMPARE(w->txtFileName->text(), QStringLiteral("/music/a.mp3"));
        QCOMPARE(w->lblStatus->text(), QStringLiteral(" No Lyrics Found For  -  /music/a.mp3"));
        QVERIFY(!w.player->calls.join(' ').contains("LoadSong"));
    }

    void lyricsFileBesideTheSongIsLookedFor() {
        TestWindow w;
        QTemporaryDir dir;
        const QString song = dir.filePath(QStringLiteral("Song.mp3"));
        QVERIFY(!w->CheckForSynchLyricsFile(song));
        QFile xml(dir.filePath(QStringLiteral("Song.xml")));
        QVERIFY(xml.open(QIODevice::WriteOnly));
        xml.close();
        QVERIFY(w->CheckForSynchLyricsFile(song));
        QVERIFY(w->CheckForSynchLyricsFile(dir.filePath(QStringLiteral("Song.mp4"))));
        QVERIFY(!w->CheckForSynchLyricsFile(QStringLiteral("abc")));
        QVERIFY(!w->CheckForSynchLyricsFile(dir.path() + QStringLiteral("/Song")));
    }

    void clickSetsTheMoveButtons() {
        TestWindow w;
        w.setSheet({"one"});
        w->selectRow(1, false);
        w->lvLyrics_Click();
        QCOMPARE(w->selectedLine, 1);
        QCOMPARE(w->lblCurrentLyric->text(), QStringLiteral("one"));
        QVERIFY(w->cmdLineUp->isEnabled());
        QVERIFY(!w->cmdLineDown->isEnabled());

        w.setSheet({"one", "", "three"});
        w->selectRow(1, false);
        w->lvLyrics_Click();
        QVERIFY(!w->cmdLineUp->isEnabled());
        QVERIFY(w->cmdLineDown->isEnabled());
        w->selectRow(2, false);
        w->lvLyrics_Click();
        QCOMPARE(w->lblCurrentLyric->text(), QString());
        QVERIFY(w->cmdLineUp->isEnabled() && w->cmdLineDown->isEnabled());
        w->selectRow(3, false);
        w->lvLyrics_Click();
        QCOMPARE(w->selectedLine, 3);
        QVERIFY(w->cmdLineUp->isEnabled());
        QVERIFY(!w->cmdLineDown->isEnabled());

        // No selection: the recorded line and label stay; the buttons follow selectedLine.
        w.setSheet({"a", "b", "c", "d"});
        w->lvLyrics->clearSelection();
        w->lvLyrics_Click();
        QCOMPARE(w->selectedLine, 3);
        QCOMPARE(w->lblCurrentLyric->text(), QStringLiteral("three"));
        QVERIFY(w->cmdLineUp->isEnabled() && w->cmdLineDown->isEnabled());
    }

    void clickOnTheListRunsTheHandler() {
        TestWindow w;
        w.setSheet({"one", "two"});
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(&*w));
        const QRect rect = w->lvLyrics->visualItemRect(w->lvLyrics->topLevelItem(1));
        QTest::mouseClick(w->lvLyrics->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(w->selectedLine, 2);
        QCOMPARE(w->lblCurrentLyric->text(), QStringLiteral("two"));
    }

    void playingControlsSwitchBothWays() {
        TestWindow w;
        const QList<QWidget*> editing = {w->cmdInsert,       w->cmdRemove,       w->cmdAddLine,
                                         w->cmdAdjustAll,    w->cmdAdjustSingle, w->txtAdjustAll,
                                         w->txtAdjustSingle, w->spnAdjustAll,    w->spnAdjustSingle,
                                         w->cmdReset,        w->cmdEditLyric,    w->cmdLineDown,
                                         w->cmdLineUp,       w->cmdSave};
        w->SetPlayingControls(true);
        for (QWidget* control : editing)
            QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
        QVERIFY(w->cmdMark->isEnabled());
        w->SetPlayingControls(false);
        for (QWidget* control : editing)
            QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
        QVERIFY(!w->cmdMark->isEnabled());
    }

    void renumbersAndShowsSave() {
        TestWindow w;
        w->RenumberLines(); // empty sheet: nothing to do
        w.setSheet({"a|12", "b", "c|3.5"});
        w->insertRow(2, {});
        w->removeRow(4);
        w->addRow({QStringLiteral("x"), QStringLiteral("d"), {}, {}});
        w->RenumberLines();
        QCOMPARE(w.sheet(), QStringList({"1|a|0:12|12", "2|||", "3|b||", "4|d||"}));

        w->cmdSave->hide();
        w->ShowSaveButton();
        QVERIFY(!w->cmdSave->isHidden());
        QVERIFY(w->cmdSave->isEnabled());
    }

    void sliderReportsOnlyTheUsersMoves() {
        SongSlider slider;
        int moves = 0;
        QObject::connect(&slider, &SongSlider::userMoved, [&moves] { ++moves; });
        slider.setMax(215.5);
        slider.setValue(42);
        QCOMPARE(slider.Max(), 215.5);
        QCOMPARE(slider.Value(), 42.0);
        QCOMPARE(slider.Min(), 0.0);
        QCOMPARE(moves, 0);
        QTest::keyClick(slider.findChild<QSlider*>(), Qt::Key_PageUp);
        QCOMPARE(moves, 1);
        QCOMPARE(slider.Value(), 47.0);
    }

    void failureInAHandlerReachesTheStatusLine() {
        TestWindow w;
        w->guarded("Test", [] { throw VersettaError(QStringLiteral("Cannot write /m/a.xml")); });
        QCOMPARE(w->lblStatus->text(), QStringLiteral("Cannot write /m/a.xml"));
        w->guarded("Test", [] { throw std::runtime_error("boom"); });
        QCOMPARE(w->lblStatus->text(), QStringLiteral("Test failed: boom"));
        // The window keeps working afterwards.
        w.openAnswers << QStringLiteral("/m/b.mp3");
        w->cmdOpen->click();
        QCOMPARE(w->txtFileName->text(), QStringLiteral("/m/b.mp3"));
    }

    void closeEndsTheWindow() {
        TestWindow w;
        w->show();
        QVERIFY(w->isVisible());
        w->cmdClose->click();
        QVERIFY(!w->isVisible());
    }
};

QTEST_MAIN(WindowTest)
#include "tst_Window.moc"
