#include "support/TestWindow.h"

#include "controls/UpDown.h"
#include "core/AudioFormats.h"
#include "core/Failure.h"
#include "core/PathRules.h"
#include "sheet/TimeText.h"
#include "sources/TagLibComponent.h"
#include "storage/Lrc.h"
#include "support/Files.h"
#include "support/Rows.h"
#include "window/StatusLine.h"

#include <QApplication>
#include <QFile>
#include <QGlyphRun>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <QToolTip>
#include <QTreeView>

#include <sys/stat.h>

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsIdleWithEveryControlInItsState() {
        TestWindow w;
        QCOMPARE(w->windowTitle(), QStringLiteral("Velmora Versetta"));
        // On a desktop's screen the window holds its controls itself: nothing scrolls.
        QVERIFY(!w->findChild<QWidget*>(QStringLiteral("windowScroll")));
        QCOMPARE(w.ui.fileBar->parentWidget(), &*w);
        for (const QPushButton* button : w->findChildren<QPushButton*>())
            QVERIFY2(button->isEnabled() != QStringList({"cmdMark", "cmdSave", "cmdSaveUnsynch"})
                                                .contains(button->objectName()),
                     qPrintable(button->objectName()));
        QCOMPARE(w.ui.txtAdjustSingle->text() + w.ui.txtAdjustAll->text(), QStringLiteral("11"));
        QCOMPARE(w.ui.lblTime->text(), QStringLiteral("0:00 / 0:00"));
        QVERIFY(w.ui.displayTimer->isActive() && w.ui.displayTimer->interval() == 100);
        QStringList header;
        for (int column = 0; column < 4; ++column)
            header << w.ui.lvLyrics->model()->headerData(column, Qt::Horizontal).toString();
        QCOMPARE(header, QStringList({"#", "Lyric", "Time", "Secs"}));
        QVERIFY(w.ui.lvLyrics->isColumnHidden(LyricSheet::ColSecs));
        w->show();
        QVERIFY(w.ui.cmdAddLyrics->isHidden() && w.ui.songFolderBox->isHidden() &&
                w.ui.songFileBox->isHidden());
        QVERIFY(w.ui.picSynch->isVisible() && !w.ui.picUnsynch->isVisible());
        for (const char* name : {"Frame1", "Label1", "Label2", "Label3", "Label4", "Label5",
                                 "Line1", "Line2", "Line3", "Line4", "Text1", "Text2", "Timer1"})
            QVERIFY2(w->findChild<QObject*>(QLatin1String(name)), name);

        w->Form_Load(); // an empty command line opens nothing
        QCOMPARE(w.ui.txtFileName->text() + w.ui.lblStatus->text(), QString());
        QCOMPARE(w.session().sheet().count(), 0);
        QCOMPARE(w.player->calls, QStringList({"InitPlayer 1", "StartupSetting 1"}));
    }

    // The quotes around a path on the command line are kept.
    void startsWithASongAndSplitsItsPath() {
        const QString commandLine = "\"/music/Song.mp3\"";
        TestWindow w(commandLine);
        w->Form_Load();
        QCOMPARE(w.ui.songFolderBox->text(), "\"/music/");
        QCOMPARE(w.ui.songFileBox->text(), "Song.mp3\"");
        QCOMPARE(w.ui.txtFileName->text(), commandLine);
        // It names no song with lyrics: the no-lyrics state, with the path as typed.
        QCOMPARE(w.ui.lblStatus->text(), " No Lyrics Found For  -  " + commandLine);
        QCOMPARE(w.sheet(), QStringList({"|No Lyrics Found||"}));
        QVERIFY(!w.ui.cmdAddLyrics->isHidden() && w.ui.picSynch->isHidden() &&
                w.ui.picUnsynch->isHidden());
    }

    void opensASongThroughTheDialog() {
        TestWindow w;
        w->Form_Load();
        w.ui.cmdOpen->click(); // cancelled before any song: nothing to open
        QCOMPARE(w.ui.lblStatus->text(), QString());
        QCOMPARE(w.ui.txtFileName->text(), QString());
        w.open(QStringLiteral("/music/a b.mp3"));
        const QString filters =
            "MP3s (*.mp3);;Audio files (*.mp3 *.flac *.ogg *.oga *.opus *.m4a *.wav *.wave)";
        QCOMPARE(w.openRequests, QStringList({filters + "||*.mp3", filters + "||*.mp3"}));
        QCOMPARE(w.ui.songFolderBox->text() + u'|' + w.ui.songFileBox->text(),
                 QStringLiteral("/music/|a b.mp3"));
        QCOMPARE(w.ui.txtFileName->text(), QStringLiteral("/music/a b.mp3"));

        // Cancelled: the song stays as it is, not read again.
        w.ui.lblStatus->clear();
        w.ui.cmdOpen->click();
        QCOMPARE(w.openRequests.last(), filters + "|/music/|*.mp3");
        QCOMPARE(w.ui.songFileBox->text(), QStringLiteral("a b.mp3"));
        QCOMPARE(w.ui.lblStatus->text(), QString());
        QCOMPARE(w.player->count("LoadSong"), 0);
    }

    // Ctrl+O then Escape: an edit not yet saved is still on the sheet, still to be saved.
    void aCancelledOpenKeepsAnUnsavedEdit() {
        QTemporaryDir dir;
        const QString song = toneSong(dir.filePath("Song.mp3"));
        writeFile(dir.filePath("Song.xml"),
                  "<S><LYRICS><LINE><LineNumber>1</LineNumber><TimeMarker>4</TimeMarker>"
                  "<LyricLine>saved line</LyricLine></LINE></LYRICS></S>");
        TestWindow w(song);
        w->Form_Load();
        w.inputAnswers << "edited line";
        w.select(1);
        w.ui.cmdEditLyric->click();
        QCOMPARE(w.sheet(), QStringList{"1|edited line|0:04|4"});
        QVERIFY(w.ui.cmdSave->isEnabled());

        w.ui.cmdOpen->click(); // the dialog answers as Escape does
        QCOMPARE(w.sheet(), QStringList{"1|edited line|0:04|4"});
        QVERIFY(w.ui.cmdSave->isEnabled());
        QVERIFY(w.session().sheet().canUndo());
    }

    // The button that shows a song's tag lyrics is named so in its tooltip too.
    void theButtonForTagLyricsHasItsOwnTooltip() {
        QTemporaryDir dir;
        TestWindow w(toneSong(dir.filePath("Song.mp3"), "tag words"));
        const QString keys = w.ui.cmdAddLyrics->toolTip().section("AddLyrics \u2014 ", 1);
        QVERIFY(keys.startsWith("Space"));
        w->Form_Load();
        QCOMPARE(w.ui.cmdAddLyrics->text(), "Show Unsynched Lyrics");
        QCOMPARE(w.ui.cmdAddLyrics->toolTip(), "Show Unsynched Lyrics \u2014 " + keys);
        w.open(w.session().songPath()); // again: the tooltip names it once
        QVERIFY(!w.ui.cmdAddLyrics->toolTip().contains("AddLyrics"));
    }

    // The text panel's Save names the field of the song's tag it wrote into (an MP3's, and
    // Save's own words, in the text panel's and the lyrics file's tests).
    void savesSayWhatTheyWrote_data() {
        textColumns({"song", "said"});
        textRow("FLAC",
                "Song.flac|Saved 2 lines of lyrics into the Vorbis comment LYRICS of Song.flac.");
        textRow(
            "M4A",
            u"Song.m4a|Saved 2 lines of lyrics into the MP4 lyrics item (©lyr) of Song.m4a."_qs);
    }
    void savesSayWhatTheyWrote() {
        QFETCH(QString, song);
        QTemporaryDir dir;
        const QString path = dir.filePath(song);
        QCOMPARE(
            QProcess::execute("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=d=1", path}), 0);
        TestWindow w(path);
        w->Form_Load();
        w.ui.cmdAddLyrics->click();
        w.clipboard = "one\ntwo";
        w.ui.cmdPaste->click();
        w.ui.cmdSaveUnsynch->click();
        QTEST(w.ui.lblStatus->text(), "said");
    }

    // The file bar and the status line keep their heights; free space stays empty below.
    void noLyricsLeavesTheFileBarAtTheTop() {
        TestWindow w;
        QVERIFY(w.shown());
        const int bar = w.ui.fileBar->height(), status = w.ui.lblStatus->height();
        w.open(QStringLiteral("/no/such/song.mp3"));
        QVERIFY(w.ui.picSynch->isHidden() && w.ui.picUnsynch->isHidden());
        QTRY_COMPARE(w.ui.fileBar->height(), bar);
        QCOMPARE(w.ui.lblStatus->height(), status);
        QVERIFY(w.ui.fileBar->geometry().bottom() < w->height() / 4);
    }

    // A failure naming a deep path wraps in the status line: the window keeps its width and
    // its buttons, and a word too long for the line is whole in the tooltip.
    void aLongMessageKeepsTheWindowAsItIs() {
        TestWindow w;
        QVERIFY(w.shown());
        const int width = w->width();
        const QString folder = "/no/such/" + QString(150, u'x') + "/" + QString(150, u'y') + "/";
        w.showSong(folder, QStringLiteral("a.mp3"));
        w.setSheet({QStringLiteral("one|1")});
        w.save();
        const QString said = w.ui.lblStatus->text();
        QVERIFY2(said.contains(folder + "a.xml"), qPrintable(said));
        QCoreApplication::processEvents();
        QCOMPARE(w->width(), width);
        QVERIFY(w.ui.lblStatus->geometry().right() < width);
        QVERIFY(w.ui.cmdClose->geometry().right() < width);
        QCOMPARE(w.ui.lblStatus->toolTip(), said);
        // Words that fit wrap onto lines of their own, every one shown.
        w.ui.lblStatus->setToolTip({});
        const QString words = QStringList(40, QStringLiteral("word")).join(u' ');
        w.window->findChild<StatusLine*>()->show(words);
        // As many lines as the words take, no more: the list keeps the room.
        const int line = QFontMetrics(w.ui.lblStatus->font()).height();
        QTRY_VERIFY(w.ui.lblStatus->height() >= 2 * line && w.ui.lblStatus->height() < 3 * line &&
                    w.ui.lblStatus->geometry().bottom() == w->height() - 1);
        QCOMPARE(w->width(), width);
        QCOMPARE(w.ui.lblStatus->toolTip(), QString());

        // Nor does a long line under the list: it is cut there, and its tooltip holds it.
        const QString lyric = QStringList(100, QStringLiteral("long")).join(u' ');
        w.setSheet({QStringLiteral("short|1"), lyric + "|2"});
        w.clickRow(2);
        QCoreApplication::processEvents();
        QCOMPARE(w.ui.lblCurrentLyric->text(), lyric);
        QCOMPARE(w->width(), width);
        QVERIFY(w.ui.lblCurrentLyric->geometry().right() < width);
        QVERIFY(w.ui.cmdMark->geometry().right() < width);
        QCOMPARE(w.ui.lblCurrentLyric->toolTip(), lyric);
        w.clickRow(1);
        QCOMPARE(w.ui.lblCurrentLyric->toolTip(), QString());
        // In the list, the pointer on a cut lyric shows all of it; on one that fits, the
        // list's own tooltip.
        const auto tipAt = [&w](int row) {
            QTreeView* list = w.ui.lvLyrics;
            const QPoint at = list->visualRect(list->model()->index(row, 1)).center();
            QHelpEvent tip(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
            QApplication::sendEvent(list->viewport(), &tip);
            return QToolTip::text();
        };
        QCOMPARE(tipAt(1), lyric);
        QCOMPARE(tipAt(0), w.ui.lvLyrics->toolTip());
    }

    // Lyrics in any script render as glyphs: a character no installed font has gets glyph 0,
    // the empty box, and boxes for two different characters look alike.
    void lyricsInEveryScriptRenderAsGlyphs() {
        TestWindow w;
        const QString lines[] = {QStringLiteral("世界の歌"), QStringLiteral("사랑해요"),
                                 QStringLiteral("你好朋友 😀🎵")};
        w.setSheet({lines[0], lines[1], lines[2]});
        QVERIFY(w.shown());
        w.ui.lvLyrics->clearSelection();
        w.ui.lvLyrics->setCurrentIndex({});
        QList<QImage> cells;
        for (int row = 0; row < 3; ++row) {
            QTextLayout layout(lines[row], w.ui.lvLyrics->font());
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            for (const QGlyphRun& run : layout.glyphRuns())
                QVERIFY2(!run.glyphIndexes().contains(0u),
                         qPrintable(lines[row] + " in " + run.rawFont().familyName()));
            const QRect cell =
                w.ui.lvLyrics->visualRect(w.session().sheet().index(row, LyricSheet::ColLyric));
            cells << w.ui.lvLyrics->viewport()->grab(cell).toImage();
        }
        QVERIFY(cells[0] != cells[1]); // four characters each
    }

    // Each line reads in its own direction on the list: the ink of a right-to-left line sits
    // at the right end of its cell, a Latin one's at the left.
    void linesReadInTheirOwnDirection() {
        TestWindow w;
        const QStringList lines = {QStringLiteral("مرحبا يا صديقي"), QStringLiteral("שלום עולם"),
                                   QStringLiteral("Hello there")};
        w.setSheet(lines);
        QVERIFY(w.shown());
        w.ui.lvLyrics->clearSelection();
        w.ui.lvLyrics->setCurrentIndex({});
        const QImage image = w.ui.lvLyrics->viewport()->grab().toImage();
        QStringList sides;
        for (int row = 0; row < lines.size(); ++row) {
            const QRect cell =
                w.ui.lvLyrics->visualRect(w.session().sheet().index(row, LyricSheet::ColLyric));
            const QRgb paper = image.pixel(cell.topLeft() * image.devicePixelRatio());
            int left = cell.right(), right = cell.left();
            for (int x = cell.left(); x <= cell.right(); ++x)
                for (int y = cell.top(); y <= cell.bottom(); ++y)
                    if (image.pixel(QPoint(x, y) * image.devicePixelRatio()) != paper) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
            QVERIFY2(left < right, qPrintable(lines[row]));
            sides << (left - cell.left() < cell.right() - right ? "left" : "right");
        }
        QCOMPARE(sides, QStringList({"right", "right", "left"}));
        w.clickRow(1); // the label under the list does the same
        QCOMPARE(w.ui.lblCurrentLyric->text(), lines[0]);
    }

    // The first key never edits the path in the file box: it goes to Play when a song with
    // lyrics is open, to AddLyrics for one without, and to the open button without a song.
    void startsWithTheFocusWhereTheWorkIs_data() {
        textColumns({"lyrics", "focus"}); // lyrics "-": no song on the command line
        textRow("no song", "-|cmdOpen");
        textRow("a song with lyrics", "one\ntwo|cmdPlay");
        textRow("a song without", "|cmdAddLyrics");
    }
    void startsWithTheFocusWhereTheWorkIs() {
        QFETCH(QString, lyrics);
        QTemporaryDir dir;
        const QString song = lyrics == "-" ? QString() : toneSong(dir.filePath("Song.mp3"), lyrics);
        TestWindow w(song);
        w->Form_Load();
        QVERIFY(w.shownActive());
        QTEST(QApplication::focusWidget()->objectName(), "focus");
        for (const auto& [key, modifiers] : {std::pair{Qt::Key_X, Qt::NoModifier},
                                             {Qt::Key_Left, Qt::ControlModifier},
                                             {Qt::Key_Z, Qt::ControlModifier},
                                             {Qt::Key_Backspace, Qt::NoModifier}})
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        QCOMPARE(w.ui.txtFileName->text(), song);
    }

    // Escape leaves the text panel for the sheet without saving; AddLyrics shows the text again.
    void escapeLeavesTheTextPanelAndKeepsItsText() {
        TestWindow w;
        w.setSheet({"one", "two"});
        QVERIFY(w.shownActive());
        w.ui.cmdAddLyrics->show();
        QTest::mouseClick(w.ui.cmdAddLyrics, Qt::LeftButton);
        QVERIFY(w.ui.picUnsynch->isVisible() && w.ui.picSynch->isHidden());
        w.ui.txtAddLyrics->setFocus();
        QTest::keyClicks(w.ui.txtAddLyrics, QStringLiteral("new words"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(w.ui.picUnsynch->isHidden() && w.ui.picSynch->isVisible());
        QCOMPARE(QApplication::focusWidget(), w.ui.lvLyrics);
        QCOMPARE(w.sheet(), QStringList({"1|one||", "2|two||"}));
        QTest::mouseClick(w.ui.cmdAddLyrics, Qt::LeftButton);
        QCOMPARE(w.ui.txtAddLyrics->toPlainText(), QStringLiteral("new words"));
        QVERIFY(w.ui.cmdSaveUnsynch->isEnabled());
    }

    void playingControlsSwitchBothWays() {
        TestWindow w;
        const QList<QWidget*> editing = {
            w.ui.cmdInsert,       w.ui.cmdRemove,    w.ui.cmdAddLine,      w.ui.cmdAdjustAll,
            w.ui.cmdAdjustSingle, w.ui.txtAdjustAll, w.ui.txtAdjustSingle, w.ui.spnAdjustAll,
            w.ui.spnAdjustSingle, w.ui.cmdReset,     w.ui.cmdEditLyric,    w.ui.cmdLineDown,
            w.ui.cmdLineUp,       w.ui.cmdSave};
        w.createDatabase();
        for (const bool playing : {true, false}) {
            w.ui.cmdPlay->click(); // Play, then Pause
            for (QWidget* control : editing)
                QVERIFY2(control->isEnabled() != playing, qPrintable(control->objectName()));
            QCOMPARE(w.ui.cmdMark->isEnabled(), playing);
        }
    }

    void failureInAHandlerReachesTheStatusLine() {
        TestWindow w;
        w.showSong(QStringLiteral("/no/such/folder/"), QStringLiteral("a.mp3"));
        w.setSheet({QStringLiteral("one|1")});
        w.save();
        QVERIFY2(w.ui.lblStatus->text().contains(u"/no/such/folder/a.xml"),
                 qPrintable(w.ui.lblStatus->text()));
        w.createDatabase();
        w.player->failure = "boom"; // not one of the program's own failures
        w.ui.cmdPlay->click();
        QCOMPARE(w.ui.lblStatus->text(), QStringLiteral("Play failed: boom"));
        w.open(QStringLiteral("/m/b.mp3")); // the window keeps working
        QCOMPARE(w.ui.txtFileName->text(), QStringLiteral("/m/b.mp3"));
    }

    // A settings file that cannot hold settings is named, never waited on and never written
    // over; the window runs on the defaults. %1 stands for the file.
    void settingsFileThatCannotBeKept_data() {
        QTest::addColumn<QByteArray>("contents"); // a null array: a named pipe
        QTest::addColumn<QString>("file");        // under the folder
        QTest::addColumn<QString>("atStart");
        QTest::addColumn<QString>("notKept"); // why the next reaction delay is not kept
        QTest::newRow("named pipe")
            << QByteArray() << "settings.ini"
            << "The settings file %1 is a named pipe; settings are not kept."
            << "the settings file %1 is a named pipe";
        const QString format = "the settings file %1 cannot be read: it is not in the settings "
                               "format, so it is left as it is";
        QTest::newRow("not in the settings format")
            << QByteArray("[marking]\nreactionDelayMs=200\n[other]\n\0zz\n", 42) << "settings.ini"
            << "T" + format.mid(1) + "; settings are not kept." << format;
        QTest::newRow("in a folder that cannot be made")
            << QByteArray("a file") << "file/settings.ini" << QString()
            << "the settings file %1 is not writable";
    }
    void settingsFileThatCannotBeKept() {
        QFETCH(QByteArray, contents);
        QFETCH(QString, file);
        QTemporaryDir dir;
        const QString path = dir.filePath(file);
        const QString written = dir.filePath(file.section(u'/', 0, 0));
        if (contents.isNull())
            QCOMPARE(::mkfifo(QFile::encodeName(written).constData(), 0600), 0);
        else
            QVERIFY(!writeFile(written, contents).isNull());
        Platform platform;
        platform.settingsFile = path;
        frmSychLyrics window(std::move(platform));
        const WindowControls ui = FindControls(window);
        SongPlayback& playback = window.findChild<SongSession*>()->playback();
        QFETCH(QString, atStart);
        QCOMPARE(ui.lblStatus->text(), atStart.isEmpty() ? atStart : atStart.arg(path));
        QCOMPARE(playback.reactionDelayMs(), 0);
        QFETCH(QString, notKept);
        QCOMPARE(playback.stepReactionDelay(50),
                 "Reaction delay 50 ms (it could not be kept for the next run: " +
                     notKept.arg(path) + ")");
        if (!contents.isNull())
            QCOMPARE(readFile(written), contents);
    }

    void splitsAtTheLastSeparator_data() {
        textColumns({"path", "separator", "folder", "file"});
        textRow("backslash", "C:\\Music\\Song.mp3|\\|C:\\Music\\|Song.mp3");
        textRow("slash", "/home/a/Song.mp3|/|/home/a/|Song.mp3");
        textRow("no separator", "Song.mp3|/||Song.mp3");
        textRow("the other separator is a character", "C:/Music/Song.mp3|\\||C:/Music/Song.mp3");
        textRow("ends with a separator", "/music/|/|/music/|");
        textRow("empty", "|/||");
    }
    void splitsAtTheLastSeparator() {
        QFETCH(QString, path);
        QFETCH(QString, separator);
        const SongLocation location = SplitSongPath(path, separator.at(0));
        QTEST(location.folder, "folder");
        QTEST(location.file, "file");
    }

    void qualifiesPaths() {
        QCOMPARE(QualifyPath(QStringLiteral("C:\\Music"), u'\\'), QStringLiteral("C:\\Music\\"));
        QCOMPARE(QualifyPath(QStringLiteral("/music/"), u'/'), QStringLiteral("/music/"));
        QCOMPARE(QualifyPath(QString(), u'\\'), QStringLiteral("\\"));
    }

    // Every format is a song by its name; the lyrics file keeps the four-character rule, the
    // LRC file is named as players look for it.
    void namesFilesBesideSongsOfEveryFormat() {
        for (const QString& c :
             QStringLiteral("/m/A.mp3=/m/A.xml=/m/A.lrc;/m/A.FLAC=/m/A..xml=/m/A.lrc;"
                            "/m/A.ogg=/m/A.xml=/m/A.lrc;/m/A.opus=/m/A..xml=/m/A.lrc;"
                            "/m/A.m4a=/m/A.xml=/m/A.lrc;/m/A.wav=/m/A.xml=/m/A.lrc;"
                            "/m/A.mpeg=/m/A..xml=/m/A..lrc;/m/.mp3=/m/.xml=/m/.lrc")
                 .split(u';')) {
            const QString song = c.section(u'=', 0, 0);
            QCOMPARE(IsSongFile(song), !song.endsWith("mpeg") && !song.endsWith("/.mp3"));
            QCOMPARE(SynchLyricsFileName(song) + '=' + LrcFileName(song), c.section(u'=', 1));
        }
        QCOMPARE(SynchLyricsFileName("a.mp"), ".xml"); // four characters dropped, whatever they are
        QCOMPARE(SynchLyricsFileName("abc"), QString());
    }

    void fileExistsOnlyForReadableFiles() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("a.xml"));
        QVERIFY(!FileExists(file));
        QVERIFY(QFile(file).open(QIODevice::WriteOnly));
        QVERIFY(FileExists(file)); // empty files count: contents are not looked at
        QVERIFY(!FileExists(dir.path()));
        QVERIFY(!FileExists('"' + file + '"'));
    }

    void formatsTimeTextAndRoundsHalfToEven() {
        // "seconds=text" and "value=rounded"
        for (const QString& c : QStringLiteral("0=;-1=;7=0:07;59=0:59;60=1:00;3599=59:59;"
                                               "3600=1:00:00;3725=1:02:05;32767=9:06:07")
                                    .split(u';'))
            QCOMPARE(SecondsToTime(c.section(u'=', 0, 0).toInt()), c.section(u'=', 1));
        for (const QString& c : QStringLiteral("2.5=2;3.5=4;-2.5=-2;2.4999=2;2.5001=3").split(u';'))
            QCOMPARE(RoundHalfEven(c.section(u'=', 0, 0).toDouble()),
                     std::int64_t(c.section(u'=', 1).toLongLong()));
        QCOMPARE(RoundHalfEven(1e300), std::numeric_limits<std::int64_t>::max());
        QCOMPARE(RoundHalfEven(std::nan("")), 0);
    }
};

QTEST_MAIN(WindowTest)
#include "tst_Window.moc"
