#include "controls/UpDown.h"
#include "sources/TagLibComponent.h"
#include "sources/TextCleaning.h"
#include "sources/TextFile.h"
#include "support/TestWindow.h"

#include "sources/SongFiles.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace songs;

namespace {

// A song in its own folder, opened at start-up as from the command line.
struct OpenSong {
    explicit OpenSong(const QByteArray& bytes, bool withSynchFile = false)
        : song(writeFile(dir.filePath("song.mp3"), bytes)), w(song) {
        if (withSynchFile)
            writeFile(dir.filePath("song.xml"),
                      "<S><L><LINE><LyricLine>x</LyricLine></LINE></L></S>");
        w->Form_Load();
    }
    QTemporaryDir dir;
    QString song;
    TestWindow w;
};

QStringList unmarkedRows(const QStringList& lyrics) {
    QStringList rows;
    for (qsizetype i = 0; i < lyrics.size(); ++i)
        rows << QStringLiteral("%1|%2||").arg(i + 1).arg(lyrics.at(i));
    return rows;
}

} // namespace

class UnsynchPanelTest : public QObject {
    Q_OBJECT
private slots:
    void splitsAndCleansLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        const QString high = QStringLiteral("Café \u00A0Ωμέγα 世界 \u2019");
        QTest::newRow("two CR LF lines: three") << "One\r\nTwo\r\n"
                                                << QStringList{"One", "Two", ""};
        QTest::newRow("empty text: one") << "" << QStringList{""};
        QTest::newRow("blanks before CR kept") << "word  \r\n  b" << QStringList{"word  ", "b"};
        QTest::newRow("tab deleted, words join") << "left\tright" << QStringList{"leftright"};
        QTest::newRow("blanks and tabs only") << "  \t\t  " << QStringList{""};
        QTest::newRow("codes from 128 up kept") << high << QStringList{high};
        QTest::newRow("C0, NUL and DEL deleted")
            << QString::fromLatin1("a\x01\x1B\x1F\x7F\0b\rc", 9) << QStringList{"abc"};
    }
    void splitsAndCleansLines() {
        QFETCH(QString, text);
        QTEST(LyricLines(text), "lines");
        QString line = text;
        QCOMPARE(NonAsciiReplace(line), line); // the argument is given the result too
    }

    // The common encodings are loaded through the window below.
    void decodesUnusualText() {
        QCOMPARE(DecodeText(QByteArray("\xFE\xFF\0h\0\xE9", 6)), QStringLiteral("hé"));
        QCOMPARE(DecodeText("\x81\x9D"), QStringLiteral("\u0081\u009D")); // unassigned in 1252
        QCOMPARE(DecodeText("\xC3\xA9 \xE9"), QStringLiteral("Ã© é"));    // one bad byte: all 1252
    }

    // Every combination of a synchronized file and tag lyrics. With a synchronized file the
    // sheet is the file reader's, so only this side's controls are checked.
    void lyricSourceChain_data() {
        QTest::addColumn<bool>("synchFile");
        QTest::addColumn<QString>("lyrics");
        QTest::addColumn<bool>("buttonShown");
        QTest::addColumn<QString>("caption");
        const QString lyrics = QStringLiteral("First line\nSecond  line\n\nLast");
        QTest::newRow("neither") << false << QString() << true << "AddLyrics";
        QTest::newRow("tag only") << false << lyrics << true << "Show Unsynched Lyrics";
        QTest::newRow("synchronized file only") << true << QString() << false << "AddLyrics";
        QTest::newRow("both") << true << lyrics << true << "Show Unsynched Lyrics";
    }
    void lyricSourceChain() {
        QFETCH(bool, synchFile);
        QFETCH(QString, lyrics);
        const QByteArray tagBytes =
            lyrics.isNull() ? tag(3, {textFrame(3, "TIT2", "Title")})
                            : tag(4, {lyricsFrame(4, Utf8, QStringLiteral("  ") + lyrics)});
        OpenSong s(tagBytes + toneBytes(), synchFile);
        QTEST(!s.w.ui.cmdAddLyrics->isHidden(), "buttonShown");
        QTEST(s.w.ui.cmdAddLyrics->text(), "caption");
        QCOMPARE(s.w.ui.txtAddLyrics->toPlainText(), lyrics);
        if (synchFile)
            return;
        QCOMPARE(s.w.sheet(), lyrics.isNull() ? QStringList{"|No Lyrics Found||"}
                                              : unmarkedRows(lyrics.split('\n')));
        QCOMPARE(s.w.ui.lblStatus->text(),
                 lyrics.isNull() ? " No Lyrics Found For  -  " + s.song : QString());
        QCOMPARE(s.w.ui.picSynch->isHidden(), lyrics.isNull());
        QVERIFY(s.w.ui.picUnsynch->isHidden());
        // Lines from text have no times to adjust or save yet.
        QCOMPARE(s.w.ui.cmdAdjustAll->isEnabled() || s.w.ui.spnAdjustSingle->isEnabled(),
                 lyrics.isNull());
        QVERIFY(!s.w.ui.cmdSave->isEnabled());
    }

    // AddLyrics leaves the keyboard in the text box, where the person shown it types; a button
    // that replaces what was typed is undone there by Ctrl+Z, the text back as it was.
    void addLyricsTypesIntoTheText() {
        QTemporaryDir dir;
        const QString file = writeFile(dir.filePath("lyrics.txt"), "from a file\n");
        TestWindow w;
        w.ui.cmdAddLyrics->show();
        QVERIFY(w.shownActive());
        QTest::mouseClick(w.ui.cmdAddLyrics, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), w.ui.txtAddLyrics);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("la la"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("lo"));
        const QString typed = QStringLiteral("la la\nlo");
        QCOMPARE(w.ui.txtAddLyrics->toPlainText(), typed);
        QVERIFY(w.ui.cmdSaveUnsynch->isEnabled());
        w.openAnswers << file;
        for (QPushButton* replacing :
             {w.ui.cmdPaste, w.ui.cmdClearUnsynch, w.ui.cmdLyricsFromText}) {
            QTest::mouseClick(replacing, Qt::LeftButton); // the clipboard is empty
            QVERIFY(w.ui.txtAddLyrics->toPlainText() != typed);
            w.ui.txtAddLyrics->setFocus();
            press(Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(w.ui.txtAddLyrics->toPlainText(), typed);
            QVERIFY(w.ui.cmdSaveUnsynch->isEnabled());
        }
    }

    void saveFollowsTheTextOnChangeAndClick() {
        TestWindow w;
        w->show();
        for (const auto& [text, enabled] :
             {std::pair{"    ", false}, {"  word  ", true}, {"\n", true}}) {
            w.ui.cmdSaveUnsynch->setEnabled(!enabled);
            w.ui.txtAddLyrics->setPlainText(QString::fromLatin1(text));
            QCOMPARE(w.ui.cmdSaveUnsynch->isEnabled(), enabled);
            w.ui.cmdSaveUnsynch->setEnabled(!enabled);
            QTest::mouseClick(w.ui.txtAddLyrics->viewport(), Qt::LeftButton);
            QCOMPARE(w.ui.cmdSaveUnsynch->isEnabled(), enabled);
        }
    }

    void loadsATextFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("status");
        const QString text = QStringLiteral("Señor “Zoë”\r\n  second line €\r\n");
        QTest::newRow("UTF-8") << text.toUtf8() << "" << text << "";
        QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF" + text.toUtf8() << "" << text << "";
        QTest::newRow("UTF-16 with BOM") << encoded(Utf16, text) << "" << text << "";
        QTest::newRow("Windows-1252")
            << QByteArray("Se\xF1or \x93Zo\xEB\x94\r\n  second line \x80\r\n") << "" << text << "";
        const QString kept = QStringLiteral("kept"), none;
        QTest::newRow("cancelled") << QByteArray("x") << "*.*" << kept << none;
        QTest::newRow("no file") << QByteArray("x") << "gone.txt" << kept << "Cannot read";
        QTest::newRow("too large") << QByteArray(kMaxLyricsFileBytes + 1, 'a') << none << kept
                                   << "is too large for lyrics (8.0 MB; the limit is 8 MB).";
    }
    void loadsATextFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, answer);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const QString file = writeFile(dir.filePath("lyrics"), bytes);
        TestWindow w;
        w.showSong("/music/", "Song.mp3");
        w.setSheet({"kept|5"});
        w.ui.txtAddLyrics->setPlainText("kept");
        w.openAnswers << (answer.isEmpty()  ? file
                          : answer == "*.*" ? answer
                                            : dir.filePath(answer));
        w.ui.cmdLyricsFromText->click();
        QCOMPARE(w.openRequests, QStringList{"All Files (*.*)|/music/|*.*"});
        QCOMPARE(w.ui.txtAddLyrics->toPlainText(), text.replace("\r\n", "\n"));
        QFETCH(QString, status);
        QVERIFY2(w.ui.lblStatus->text().contains(status) &&
                     status.isEmpty() == w.ui.lblStatus->text().isEmpty(),
                 qPrintable(w.ui.lblStatus->text()));
        QCOMPARE(w.sheet(), QStringList{"1|kept|0:05|5"});
    }

    void savedLyricsAreFoundWhenTheSongIsOpenedAgain() {
        OpenSong s(toneBytes());
        s.w.ui.cmdAddLyrics->click();
        QVERIFY(!s.w.ui.picUnsynch->isHidden() && s.w.ui.picSynch->isHidden());
        s.w.ui.txtAddLyrics->setPlainText(QStringLiteral("typed before"));
        s.w.clipboard = QStringLiteral("  Верх\tний \r\n\r\nlast  ");
        s.w.ui.cmdPaste->click(); // replaces the text; the box shows line feeds
        QCOMPARE(s.w.ui.txtAddLyrics->toPlainText(), QStringLiteral("  Верх\tний \n\nlast  "));
        s.w.ui.cmdSaveUnsynch->click();
        QCOMPARE(s.w.ui.lblStatus->text(),
                 "Saved 3 lines of lyrics into the ID3v2 tag (USLT) of song.mp3.");
        QCOMPARE(s.w.sheet(),
                 unmarkedRows({"Верхний ", "", "last"})); // the blank before CR LF stays
        QVERIFY(!s.w.ui.picSynch->isHidden() && s.w.ui.picUnsynch->isHidden());

        TestWindow again(s.song);
        again->Form_Load();
        QCOMPARE(again.sheet(), unmarkedRows({"Верхний ", "", "last"}));
        QCOMPARE(again.ui.txtAddLyrics->toPlainText(), QStringLiteral("Верх\tний \n\nlast"));

        again.ui.cmdAddLyrics->click();
        again.ui.cmdPaste->click(); // an empty clipboard empties the text
        QVERIFY(again.ui.txtAddLyrics->toPlainText().isEmpty() &&
                !again.ui.cmdSaveUnsynch->isEnabled());
        again.ui.cmdClearUnsynch->click();
        again.ui.cmdSaveUnsynch->click();
        QCOMPARE(again.sheet(), QStringList{"1|||"}); // Clear then Save
        QCOMPARE(again.ui.lblStatus->text(),
                 "Saved empty lyrics into the ID3v2 tag (USLT) of song.mp3.");
        QVERIFY(!hasTagLyrics(s.song));
    }

    // A song whose tag cannot be written is still marked: Ctrl+Return puts the lines on the
    // sheet, the song untouched, and Save writes them beside it.
    void aSongWhoseTagCannotBeWrittenIsStillMarked() {
        const QByteArray notAudio("not an MP3 at all, and never written to");
        OpenSong s(notAudio);
        s.w.ui.cmdAddLyrics->show();
        QVERIFY(s.w.shownActive());
        QTest::mouseClick(s.w.ui.cmdAddLyrics, Qt::LeftButton);
        press(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(s.w.ui.lblStatus->text(), "Nothing to save: the lyrics text is empty.");
        press(Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(s.w.ui.lblStatus->text(),
                 "Nothing to put on the sheet: the lyrics text is empty.");
        QVERIFY(s.w.ui.picSynch->isHidden());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("one"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("two"));
        QTest::mouseClick(s.w.ui.cmdSaveUnsynch, Qt::LeftButton);
        QVERIFY2(s.w.ui.lblStatus->text().endsWith(
                     " Ctrl+Return puts the lines on the sheet without the tag; Save there "
                     "writes " +
                     s.dir.filePath("song.xml") + "."),
                 qPrintable(s.w.ui.lblStatus->text()));
        QVERIFY(s.w.ui.picSynch->isHidden());
        s.w.ui.txtAddLyrics->setFocus();
        press(Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(s.w.sheet(), unmarkedRows({"one", "two"}));
        QVERIFY(!s.w.ui.picSynch->isHidden() && s.w.ui.picUnsynch->isHidden());
        QVERIFY(s.w.ui.lblStatus->text().startsWith("The lyrics are on the sheet; the song's tag "
                                                    "is as it was."));
        QVERIFY(s.w.ui.cmdSave->isEnabled());
        QTest::mouseClick(s.w.ui.cmdSave, Qt::LeftButton);
        QVERIFY2(readFile(s.dir.filePath("song.xml")).contains("<LyricLine>two</LyricLine>"),
                 qPrintable(s.w.ui.lblStatus->text()));
        QCOMPARE(readFile(s.song), notAudio);
        // Saved, the lines are not kept again as unsaved text when another song opens.
        s.w.open(writeFile(s.dir.filePath("other.mp3"), toneBytes()));
        QVERIFY2(!s.w.ui.lblStatus->text().contains("are kept"),
                 qPrintable(s.w.ui.lblStatus->text()));
    }

    // Lyrics typed and left unsaved when another song opens come back as lines by
    // Ctrl+Shift+O; the box, which keeps them, does not hand them to the other song.
    void typedLyricsLeftUnsavedComeBack() {
        QTemporaryDir folder;
        const QString song = writeFile(folder.filePath("Song.mp3"), toneBytes());
        const QString other = writeFile(folder.filePath("Other.mp3"), toneBytes());
        TestWindow w(song);
        w->Form_Load();
        QVERIFY(w.shownActive());
        QTest::mouseClick(w.ui.cmdAddLyrics, Qt::LeftButton);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("alpha"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("beta"));
        w.open(other);
        QVERIFY2(w.ui.lblStatus->text().endsWith("The unsaved changes to the lyrics of Song.mp3 "
                                                 "are kept: open it again and press "
                                                 "Ctrl+Shift+O to bring them back."),
                 qPrintable(w.ui.lblStatus->text()));
        w.open(song);
        QVERIFY2(!w.ui.lblStatus->text().contains("Other.mp3"), qPrintable(w.ui.lblStatus->text()));
        QVERIFY(w.session().unsavedKeptAt().isValid());
        press(Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.sheet(), unmarkedRows({"alpha", "beta"}));
        QVERIFY(!w.ui.picSynch->isHidden());
    }

    // The box shows non-breaking spaces as spaces and separators as line feeds; the tag gets
    // the text as the clipboard or file held it, and as opening the song again gives it.
    void theTagGetsTheTextAsItCame_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("text");  // what the clipboard or the file holds
        QTest::addColumn<QString>("saved"); // what the tag holds afterwards
        const QString text =
            QStringLiteral("\u00A0Intro\u00A0\rline\u2028two\u2029three\r\nend\u00A0");
        QTest::newRow("pasted") << "clipboard" << text << text;
        QTest::newRow("from a file") << "file" << text << text;
        QTest::newRow("pasted, then typed")
            << "typed" << text << QStringLiteral("\u00A0Intro\u00A0\nline\ntwo\nthree\nend\u00A0!");
        const QString nbsp = QStringLiteral("\u00A0\u00A0");
        QTest::newRow("non-breaking spaces only") << "clipboard" << nbsp << nbsp;
    }
    void theTagGetsTheTextAsItCame() {
        QFETCH(QString, source);
        QFETCH(QString, text);
        QFETCH(QString, saved);
        OpenSong s(toneBytes());
        s.w->show();
        s.w.ui.cmdAddLyrics->click();
        s.w.clipboard = text;
        if (source == "file") {
            s.w.openAnswers << writeFile(s.dir.filePath("lyrics.txt"), text.toUtf8());
            s.w.ui.cmdLyricsFromText->click();
        } else {
            s.w.ui.cmdPaste->click();
        }
        if (source == "typed") {
            s.w.ui.txtAddLyrics->setFocus();
            s.w.ui.txtAddLyrics->moveCursor(QTextCursor::End);
            QTest::keyClicks(s.w.ui.txtAddLyrics, "!");
        }
        QVERIFY(s.w.ui.cmdSaveUnsynch->isEnabled());
        s.w.ui.cmdSaveUnsynch->click();
        QVERIFY2(s.w.ui.lblStatus->text().startsWith("Saved ") &&
                     s.w.ui.lblStatus->text().endsWith(" into the ID3v2 tag (USLT) of song.mp3."),
                 qPrintable(s.w.ui.lblStatus->text()));
        TagLibComponent tag;
        tag.LoadTag(s.song, true);
        QCOMPARE(tag.GetFrameText(QStringLiteral("USLT")), saved);

        TestWindow again(s.song); // opening from the tag: the same sheet and text
        again->Form_Load();
        QCOMPARE(again.sheet(), s.w.sheet());
        QCOMPARE(again.ui.txtAddLyrics->toPlainText(), s.w.ui.txtAddLyrics->toPlainText());
    }
};

QTEST_MAIN(UnsynchPanelTest)
#include "tst_UnsynchPanel.moc"
