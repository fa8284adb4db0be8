#include "sheet/UpDown.h"
#include "sources/TextFile.h"
#include "support/TestWindow.h"

#include "SongFiles.h"

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
        : song(write(QDir(dir.path()), "song.mp3", bytes)), w(song) {
        if (withSynchFile)
            write(QDir(dir.path()), "song.xml",
                  "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\r\n"
                  "<SynchronizedLyrics Title=\"\" Artist=\"\" Filename=\"song.mp3\"><LYRICS>"
                  "<LINE><LineNumber>1</LineNumber><TimeMarker>12</TimeMarker>"
                  "<LyricLine>From the file</LyricLine></LINE></LYRICS></SynchronizedLyrics>");
        w->guarded("Start-up", [this] { w->Form_Load(); });
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
        QTEST(!s.w->cmdAddLyrics->isHidden(), "buttonShown");
        QTEST(s.w->cmdAddLyrics->text(), "caption");
        QCOMPARE(s.w->txtAddLyrics->toPlainText(), lyrics);
        if (synchFile)
            return;
        QCOMPARE(s.w.sheet(), lyrics.isNull() ? QStringList{"|No Lyrics Found||"}
                                              : unmarkedRows(lyrics.split('\n')));
        QCOMPARE(s.w->lblStatus->text(),
                 lyrics.isNull() ? " No Lyrics Found For  -  " + s.song : QString());
        QCOMPARE(s.w->picSynch->isHidden(), lyrics.isNull());
        QVERIFY(s.w->picUnsynch->isHidden());
    }

    void showUnsynchLyricsReadiesTheSheetForMarking() {
        TestWindow w;
        w.setSheet({"old|12", "marked|30"});
        const std::initializer_list<QWidget*> disabled = {
            w->cmdAdjustSingle, w->cmdAdjustAll, w->txtAdjustSingle, w->txtAdjustAll,
            w->spnAdjustSingle, w->spnAdjustAll, w->cmdSave};
        for (QWidget* control : disabled)
            control->setEnabled(true);
        w->cmdAddLyrics->show();
        w->picUnsynch->show();
        w->lblStatus->setText("old status");
        w->ShowUnsynchLyrics(QStringLiteral("One\r\n\tTwo  \r\n"));
        QCOMPARE(w.sheet(), unmarkedRows({"One", "Two  ", ""}));
        for (QWidget* control : disabled)
            QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
        QVERIFY(w->cmdAddLyrics->isHidden() && w->picUnsynch->isHidden());
        QVERIFY(!w->picSynch->isHidden());
        QCOMPARE(w->lblStatus->text(), QString());

        QStringList lines;
        for (int i = 1; i <= frmSychLyrics::kMaxRows + 3; ++i)
            lines << QString::number(i);
        w->ShowUnsynchLyrics(lines.join('\n'));
        QCOMPARE(w->rowCount(), frmSychLyrics::kMaxRows);
        QCOMPARE(w->cell(frmSychLyrics::kMaxRows, frmSychLyrics::ColLyric), QString("32767"));
        QCOMPARE(w->lblStatus->text(),
                 "The lyrics have 32770 lines; only the first 32767 are on the sheet.");
    }

    void saveFollowsTheTextOnChangeAndClick_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("blanks only") << "    " << false;
        QTest::newRow("a word") << "  word  " << true;
        QTest::newRow("a line break counts") << "\n" << true;
    }
    void saveFollowsTheTextOnChangeAndClick() {
        QFETCH(QString, text);
        QFETCH(bool, enabled);
        TestWindow w;
        w->cmdSaveUnsynch->setEnabled(!enabled);
        w->txtAddLyrics->setPlainText(text);
        QCOMPARE(w->cmdSaveUnsynch->isEnabled(), enabled);
        w->cmdSaveUnsynch->setEnabled(!enabled);
        w->show();
        QTest::mouseClick(w->txtAddLyrics->viewport(), Qt::LeftButton);
        QCOMPARE(w->cmdSaveUnsynch->isEnabled(), enabled);
    }

    void pasteAndClearReplaceTheText() {
        TestWindow w;
        w->txtAddLyrics->setPlainText("typed before");
        w.clipboard = QStringLiteral("From the\r\nclipboard");
        w->cmdPaste->click();
        // The text box keeps line feeds only.
        QCOMPARE(w->txtAddLyrics->toPlainText(), QStringLiteral("From the\nclipboard"));
        w.clipboard.clear();
        w->cmdPaste->click();
        QCOMPARE(w->txtAddLyrics->toPlainText(), QString());
        QVERIFY(!w->cmdSaveUnsynch->isEnabled());
        w->cmdClearUnsynch->click();
        QVERIFY(w->cmdSaveUnsynch->isEnabled());
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
        QTest::newRow("cancelled") << QByteArray("x") << "*.*"
                                   << "kept"
                                   << "";
        QTest::newRow("no file") << QByteArray("x") << "gone.txt"
                                 << "kept"
                                 << "Cannot read";
        QTest::newRow("binary") << QByteArray("MZ\x90\0\x03\0", 6) << ""
                                << "kept"
                                << "is not a text file.";
        QTest::newRow("too large") << QByteArray(kMaxLyricsFileBytes + 1, 'a') << ""
                                   << "kept"
                                   << "is too large for lyrics (8.0 MB; the limit is 8 MB).";
    }
    void loadsATextFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, answer);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const QString file = write(QDir(dir.path()), "lyrics", bytes);
        TestWindow w;
        w->songFolder = "/music/";
        w.setSheet({"kept|5"});
        w->txtAddLyrics->setPlainText("kept");
        w.openAnswers << (answer.isEmpty()  ? file
                          : answer == "*.*" ? answer
                                            : dir.filePath(answer));
        w->cmdLyricsFromText->click();
        QCOMPARE(w.openRequests, QStringList{"All Files (*.*)|/music/|*.*"});
        QCOMPARE(w->txtAddLyrics->toPlainText(), text.replace("\r\n", "\n"));
        QFETCH(QString, status);
        QVERIFY2(w->lblStatus->text().contains(status) &&
                     status.isEmpty() == w->lblStatus->text().isEmpty(),
                 qPrintable(w->lblStatus->text()));
        QCOMPARE(w.sheet(), QStringList{"1|kept|0:05|5"});
    }

    void savedLyricsAreFoundWhenTheSongIsOpenedAgain() {
        OpenSong s(toneBytes());
        s.w->cmdAddLyrics->click();
        QVERIFY(!s.w->picUnsynch->isHidden() && s.w->picSynch->isHidden());
        s.w.clipboard = QStringLiteral("  Верх\tний \r\n\r\nlast  ");
        s.w->cmdPaste->click();
        s.w->cmdSaveUnsynch->click();
        QCOMPARE(s.w->lblStatus->text(), QString());
        QCOMPARE(s.w->songFile, s.song);
        QCOMPARE(s.w.sheet(), unmarkedRows({"Верхний", "", "last"}));
        QVERIFY(!s.w->picSynch->isHidden() && s.w->picUnsynch->isHidden());
        QVERIFY(s.w->cmdAddLyrics->isHidden());

        TestWindow again(s.song);
        again->Form_Load();
        QCOMPARE(again.sheet(), unmarkedRows({"Верхний", "", "last"}));
        QCOMPARE(again->txtAddLyrics->toPlainText(), QStringLiteral("Верх\tний \n\nlast"));

        again->cmdAddLyrics->click();
        again->cmdClearUnsynch->click();
        again->cmdSaveUnsynch->click();
        QCOMPARE(again.sheet(), QStringList{"1|||"});
        QVERIFY(!again->CheckForLyrics(s.song));
    }

    void failedSaveIsReportedAndChangesNothing() {
        OpenSong s(toneBytes());
        QFile::setPermissions(s.song, QFile::ReadOwner);
        s.w->cmdAddLyrics->click();
        s.w->txtAddLyrics->setPlainText("words");
        s.w->cmdSaveUnsynch->click();
        QCOMPARE(s.w->lblStatus->text(),
                 "Cannot save the lyrics into " + s.song + ": the file is read-only.");
        QCOMPARE(read(s.song), toneBytes());
        QCOMPARE(s.w.sheet(), QStringList{"|No Lyrics Found||"});
        QVERIFY(!s.w->picUnsynch->isHidden());

        TestWindow noSong;
        noSong->txtAddLyrics->setPlainText("words");
        noSong->cmdSaveUnsynch->click();
        QCOMPARE(noSong->lblStatus->text(),
                 QStringLiteral("Open a song before saving its lyrics."));
    }
};

QTEST_MAIN(UnsynchPanelTest)
#include "tst_UnsynchPanel.moc"
