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

const QString kSynchFile = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\r\n"
    "<SynchronizedLyrics Title=\"\" Artist=\"\" Filename=\"song.mp3\"><LYRICS>"
    "<LINE><LineNumber>1</LineNumber><TimeMarker>12</TimeMarker><LyricLine>From the file"
    "</LyricLine></LINE></LYRICS></SynchronizedLyrics>\r\n");

// A song in its own folder, opened at start-up as from the command line.
struct OpenSong {
    explicit OpenSong(const QByteArray& tagBytes, bool withSynchFile = false)
        : song(write(QDir(dir.path()), "song.mp3", tagBytes + toneBytes())),
          w(song.isEmpty() ? QString() : song) {
        if (withSynchFile)
            write(QDir(dir.path()), "song.xml", kSynchFile.toUtf8());
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
    void initTestCase() { QVERIFY(!toneBytes().isEmpty()); }

    // The lyric-source chain for each combination of a synchronized file and tag lyrics.
    // With a synchronized file the sheet is the file reader's; only this side is checked.
    void lyricSourceChain_data() {
        QTest::addColumn<bool>("synchFile");
        QTest::addColumn<QString>("tagLyrics");
        QTest::addColumn<bool>("buttonShown");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("panelText");
        const QString lyrics = QStringLiteral("First line\nSecond  line\n\nLast");
        QTest::newRow("neither") << false << QString() << true << "AddLyrics"
                                 << "";
        QTest::newRow("tag only") << false << lyrics << true << "Show Unsynched Lyrics" << lyrics;
        QTest::newRow("synchronized file only") << true << QString() << false << "AddLyrics"
                                                << "";
        QTest::newRow("both") << true << lyrics << true << "Show Unsynched Lyrics" << lyrics;
    }
    void lyricSourceChain() {
        QFETCH(bool, synchFile);
        QFETCH(QString, tagLyrics);
        const QByteArray tagBytes =
            tagLyrics.isNull() ? tag(3, {textFrame(3, "TIT2", "Title")})
                               : tag(4, {lyricsFrame(4, Utf8, QStringLiteral("  ") + tagLyrics)});
        OpenSong s(tagBytes, synchFile);
        QTEST(!s.w->cmdAddLyrics->isHidden(), "buttonShown");
        QTEST(s.w->cmdAddLyrics->text(), "caption");
        QTEST(s.w->txtAddLyrics->toPlainText(), "panelText");
        if (synchFile)
            return;
        if (tagLyrics.isNull()) {
            QCOMPARE(s.w.sheet(), QStringList{"|No Lyrics Found||"});
            QCOMPARE(s.w->lblStatus->text(), " No Lyrics Found For  -  " + s.song);
            QVERIFY(s.w->picSynch->isHidden() && s.w->picUnsynch->isHidden());
        } else {
            QCOMPARE(s.w.sheet(), unmarkedRows({"First line", "Second  line", "", "Last"}));
            QCOMPARE(s.w->lblStatus->text(), QString());
            QVERIFY(!s.w->picSynch->isHidden() && s.w->picUnsynch->isHidden());
        }
    }

    void showUnsynchLyricsRebuildsTheSheetForMarking() {
        TestWindow w;
        w.setSheet({"old|12", "marked|30"});
        w->lblStatus->setText("old status");
        for (QWidget* control :
             std::initializer_list<QWidget*>{w->cmdAdjustSingle, w->cmdAdjustAll,
                                             w->txtAdjustSingle, w->txtAdjustAll, w->cmdSave})
            control->setEnabled(true);
        w->cmdAddLyrics->show();
        w->picUnsynch->show();

        w->ShowUnsynchLyrics(QStringLiteral("One\r\nTwo  \r\n\tThree\r\n"));

        QCOMPARE(w.sheet(), unmarkedRows({"One", "Two  ", "Three", ""}));
        for (QWidget* control : std::initializer_list<QWidget*>{
                 w->cmdAdjustSingle, w->cmdAdjustAll, w->txtAdjustSingle, w->txtAdjustAll,
                 w->spnAdjustSingle, w->spnAdjustAll, w->cmdSave})
            QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
        QVERIFY(w->cmdAddLyrics->isHidden());
        QVERIFY(!w->picSynch->isHidden() && w->picUnsynch->isHidden());
        QCOMPARE(w->lblStatus->text(), QString());

        w->ShowUnsynchLyrics(QString());
        QCOMPARE(w.sheet(), QStringList{"1|||"});
    }

    void textLongerThanTheSheetKeepsItsFirstRows() {
        TestWindow w;
        QStringList lines;
        for (int i = 1; i <= frmSychLyrics::kMaxRows + 3; ++i)
            lines << QString::number(i);
        w->ShowUnsynchLyrics(lines.join('\n'));
        QCOMPARE(w->rowCount(), frmSychLyrics::kMaxRows);
        QCOMPARE(w->cell(frmSychLyrics::kMaxRows, frmSychLyrics::ColNumber), QString("32767"));
        QCOMPARE(w->cell(frmSychLyrics::kMaxRows, frmSychLyrics::ColLyric), QString("32767"));
        QVERIFY2(w->lblStatus->text().contains("32770") && w->lblStatus->text().contains("32767"),
                 qPrintable(w->lblStatus->text()));
    }

    void addLyricsOpensThePanel() {
        TestWindow w;
        w->cmdAddLyrics->show();
        w->cmdAddLyrics->setText("Show Unsynched Lyrics");
        w->cmdAddLyrics->click();
        QVERIFY(!w->picUnsynch->isHidden() && w->picSynch->isHidden());
        QVERIFY(!w->cmdAddLyrics->isHidden());
        QCOMPARE(w->cmdAddLyrics->text(), QStringLiteral("Show Unsynched Lyrics"));
    }

    void saveIsEnabledByTheTextOnChangeAndClick_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks only") << "    " << false;
        QTest::newRow("a word") << "  word  " << true;
        QTest::newRow("a line break counts") << "\n" << true;
        QTest::newRow("a tab counts") << "\t" << true;
    }
    void saveIsEnabledByTheTextOnChangeAndClick() {
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

    void pasteReplacesTheText() {
        TestWindow w;
        w->txtAddLyrics->setPlainText("typed before");
        w.clipboard = QStringLiteral("From the\r\nclipboard");
        w->cmdPaste->click();
        // The text box keeps line feeds only.
        QCOMPARE(w->txtAddLyrics->toPlainText(), QStringLiteral("From the\nclipboard"));
        QVERIFY(w->cmdSaveUnsynch->isEnabled());

        w.clipboard.clear();
        w->cmdPaste->click();
        QCOMPARE(w->txtAddLyrics->toPlainText(), QString());
        QVERIFY(!w->cmdSaveUnsynch->isEnabled());
    }

    void clearEnablesSaveOnAnEmptyText() {
        TestWindow w;
        w->cmdClearUnsynch->click();
        QCOMPARE(w->txtAddLyrics->toPlainText(), QString());
        QVERIFY(w->cmdSaveUnsynch->isEnabled());
    }

    void loadsATextFileInEachEncoding_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        const QString text = QStringLiteral("Señor “Zoë”\r\n  second line €\r\n");
        QTest::newRow("UTF-8") << text.toUtf8() << text;
        QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF" + text.toUtf8() << text;
        QTest::newRow("UTF-16 with BOM") << encoded(Utf16, text, false) << text;
        QTest::newRow("Windows-1252")
            << QByteArray("Se\xF1or \x93Zo\xEB\x94\r\n  second line \x80\r\n") << text;
    }
    void loadsATextFileInEachEncoding() {
        QFETCH(QByteArray, bytes);
        TestWindow w;
        w->songFolder = "/music/";
        w.setSheet({"kept|5"});
        QTemporaryDir dir;
        w.openAnswers << write(QDir(dir.path()), "lyrics", bytes);
        w->cmdLyricsFromText->click();
        QCOMPARE(w.openRequests, QStringList{"All Files (*.*)|/music/|*.*"});
        QFETCH(QString, text);
        QCOMPARE(w->txtAddLyrics->toPlainText(), text.replace("\r\n", "\n"));
        QCOMPARE(w.sheet(), QStringList{"1|kept|0:05|5"});
        QVERIFY(w->cmdSaveUnsynch->isEnabled());
    }

    void unreadableTextFilesLeaveThePanel_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("status");
        QTest::newRow("cancelled") << "*.*"
                                   << "";
        QTest::newRow("empty answer") << ""
                                      << "";
        QTest::newRow("missing file") << "missing.txt"
                                      << "Cannot read";
        QTest::newRow("a folder") << "."
                                  << "is a folder";
        QTest::newRow("binary file") << "binary.dat"
                                     << "is not a text file";
        QTest::newRow("too large") << "huge.txt"
                                   << "is too large";
    }
    void unreadableTextFilesLeaveThePanel() {
        QFETCH(QString, answer);
        QTemporaryDir dir;
        write(QDir(dir.path()), "binary.dat", QByteArray("MZ\x90\0\x03\0\0\0", 8).repeated(64));
        QFile huge(dir.filePath("huge.txt"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(kMaxLyricsFileBytes + 1));
        huge.close();
        TestWindow w;
        w->txtAddLyrics->setPlainText("kept text");
        w.openAnswers << (answer.isEmpty() || answer == "*.*" ? answer : dir.filePath(answer));
        w->cmdLyricsFromText->click();
        QCOMPARE(w->txtAddLyrics->toPlainText(), QStringLiteral("kept text"));
        QFETCH(QString, status);
        QVERIFY2(status.isEmpty() ? w->lblStatus->text().isEmpty()
                                  : w->lblStatus->text().contains(status),
                 qPrintable(w->lblStatus->text()));
    }

    void savedLyricsAreFoundWhenTheSongIsOpenedAgain() {
        OpenSong s{QByteArray()};
        s.w->cmdAddLyrics->click();
        s.w.clipboard = QStringLiteral("  Верх\tний \r\n\r\nlast  ");
        s.w->cmdPaste->click();
        s.w->cmdSaveUnsynch->click();

        QCOMPARE(s.w->lblStatus->text(), QString());
        QCOMPARE(s.w->songFile, s.song);
        QCOMPARE(s.w.sheet(), unmarkedRows({"Верхний", "", "last"}));
        QVERIFY(!s.w->picSynch->isHidden() && s.w->picUnsynch->isHidden());
        QVERIFY(s.w->cmdAddLyrics->isHidden());
        QVERIFY(read(s.song).endsWith(toneBytes()));

        TestWindow again(s.song);
        again->Form_Load();
        QCOMPARE(again.sheet(), unmarkedRows({"Верхний", "", "last"}));
        QCOMPARE(again->txtAddLyrics->toPlainText(), QStringLiteral("Верх\tний \n\nlast"));
        QCOMPARE(again->cmdAddLyrics->text(), QStringLiteral("Show Unsynched Lyrics"));
    }

    void clearThenSaveRemovesTheLyrics() {
        OpenSong s(tag(3, {lyricsFrame(3, Utf16, "Old words")}));
        s.w->cmdAddLyrics->click();
        s.w->cmdClearUnsynch->click();
        s.w->cmdSaveUnsynch->click();
        QCOMPARE(s.w.sheet(), QStringList{"1|||"});
        QVERIFY(!s.w->CheckForLyrics(s.song));

        TestWindow again(s.song);
        again->Form_Load();
        QCOMPARE(again.sheet(), QStringList{"|No Lyrics Found||"});
    }

    void failedSaveIsReportedAndChangesNothing_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("status");
        QTest::newRow("read-only song") << true << toneBytes() << "the file is read-only.";
        QTest::newRow("not an MP3") << false << QByteArray("plain text, no audio\n").repeated(9)
                                    << "it is not an MP3 file.";
    }
    void failedSaveIsReportedAndChangesNothing() {
        QFETCH(bool, readOnly);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString song = write(QDir(dir.path()), "song.mp3", bytes);
        if (readOnly)
            QFile::setPermissions(song, QFile::ReadOwner | QFile::ReadGroup);
        TestWindow w(song);
        w->Form_Load();
        w->cmdAddLyrics->click();
        w->txtAddLyrics->setPlainText("words");
        w->cmdSaveUnsynch->click();
        QFETCH(QString, status);
        QCOMPARE(w->lblStatus->text(),
                 "Cannot save the lyrics into " + QDir::toNativeSeparators(song) + ": " + status);
        QCOMPARE(read(song), bytes);
        QCOMPARE(w.sheet(), QStringList{"|No Lyrics Found||"});
        QVERIFY(!w->picUnsynch->isHidden());
        QCOMPARE(w->txtAddLyrics->toPlainText(), QStringLiteral("words"));
    }

    void savingWithoutASongIsReported() {
        TestWindow w;
        w->txtAddLyrics->setPlainText("words");
        w->cmdSaveUnsynch->click();
        QCOMPARE(w->lblStatus->text(), QStringLiteral("Open a song before saving its lyrics."));
        QCOMPARE(w->songFile, QStringLiteral("/"));
    }
};

QTEST_MAIN(UnsynchPanelTest)
#include "tst_UnsynchPanel.moc"
