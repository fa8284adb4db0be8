#include "support/Files.h"
#include "support/TestSession.h"
#include "support/TestWindow.h"

#include "controls/UpDown.h"
#include "storage/LyricsXml.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

class LyricsFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir songs;
    QString folder() const { return songs.path() + QLatin1Char('/'); }

private slots:
    void numbersInTheDocument() {
        // "text=whole seconds", -1 when the text is not a number, x when it is beyond 32 bits
        for (const QString& c : QStringLiteral("-2=-2; +3\t=3;12.5=12;13.5=14;.5=0;5.=5;2147483647="
                                               "2147483647;2147483648=x;=-1;1e3=-1;1,5=-1;--1=-1;"
                                               ".=-1;0x10=-1;٣=-1;-2147483648=-2147483648;"
                                               "-2147483649=x;12345678901234567890=x; 007 =7;+=-1")
                                    .split(u';')) {
            const QString text = c.section(u'=', 0, 0);
            const QString expected = c.section(u'=', 1);
            const int seconds = expected == u"x" ? -1 : expected.toInt();
            QCOMPARE(NumericText(text).has_value(), expected != u"-1");
            QCOMPARE(WholeSeconds(text).value_or(-1), seconds);
        }
    }

    void anEmptySheetIsTheFourLineSkeleton() {
        QCOMPARE(LyricsDocumentWriter(QStringLiteral("/m/A&B \"x\".mp3")).finish(),
                 QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\r\n"
                            "<SynchronizedLyrics Title=\"\" Artist=\"\" "
                            "Filename=\"/m/A&amp;B &quot;x&quot;.mp3\">\r\n"
                            "<LYRICS />\r\n</SynchronizedLyrics>\r\n"));
    }

    // Save and a reload set the controls as a loaded sheet has them (the round trip itself is
    // the session's).
    void saveAndReloadShowTheSheet() {
        TestWindow w;
        w.showSong(folder(), "Song.mp3");
        w.setSheet({"Hello|12", "Bye|"});
        const QStringList saved = w.sheet();
        w.ui.cmdAdjustAll->setEnabled(false);
        w.save();
        QCOMPARE(w.ui.lblStatus->text(), "Saved Song.xml: 2 lines, 1 marked");
        QVERIFY(!w.ui.cmdSave->isEnabled() && w.ui.cmdAdjustAll->isEnabled());

        w.setSheet({QStringLiteral("something else|1")});
        w.ui.cmdAdjustAll->setEnabled(false);
        w.ui.cmdAddLyrics->show();
        w.ui.picUnsynch->show();
        w.ui.lvLyrics->setSortingEnabled(true); // rows read while sorting would be sorted
        w.ui.lblStatus->setText(QStringLiteral("old"));
        w.open(folder() + "Song.mp3");
        QCOMPARE(w.sheet(), saved);
        QVERIFY(w.ui.cmdAddLyrics->isHidden() && w.ui.picUnsynch->isHidden());
        QVERIFY(!w.ui.lvLyrics->isSortingEnabled() && w.ui.cmdAdjustAll->isEnabled());
        // The status line is cleared; the sheet changed before is only offered back.
        QVERIFY2(
            w.ui.lblStatus->text().startsWith("Changes to these lyrics were left unsaved on ") &&
                !w.ui.lblStatus->text().contains("old"),
            qPrintable(w.ui.lblStatus->text()));
    }

    void openingASongReadsItsFile_data() {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("one line, LineNumber ignored")
            << QByteArray("\xEF\xBB\xBF<S><LYRICS><LINE><LineNumber>7</LineNumber><TimeMarker>65"
                          "</TimeMarker><LyricLine>a</LyricLine></LINE><LINE><LineNumber>7"
                          "</LineNumber><TimeMarker>0</TimeMarker><LyricLine>b</LyricLine></LINE>"
                          "</LYRICS></S>")
            << QStringList{"1|a|1:05|65", "2|b||0"};
        QTest::newRow("two LYRICS, any names")
            << QByteArray("<S>\r\n<LYRICS><LINE><LyricLine>a</LyricLine></LINE></LYRICS>\n<X><Y>"
                          "<LyricLine>b</LyricLine><TimeMarker>x</TimeMarker></Y></X></S>")
            << QStringList{"1|a||", "2|b||"};
        QTest::newRow("only LyricLine, empty LINE")
            << QByteArray("<S><L><LINE><TimeMarker>9.5</TimeMarker><LyricLine>a</LyricLine></LINE>"
                          "<LINE><LyricLine>only</LyricLine></LINE><LINE/></L></S>")
            << QStringList{"1|a|0:10|9.5", "2|only|0:10|9.5", "3|only|0:10|9.5"};
        QTest::newRow("comments, nested text")
            << QByteArray("<S><!-- c --><L><LINE><?pi x?><LyricLine>a<b>b</b><!--c-->c"
                          "</LyricLine></LINE></L></S>")
            << QStringList{"1|abc||"};
    }
    void openingASongReadsItsFile() {
        QFETCH(QByteArray, xml);
        TestSession s;
        writeFile(s.path("Song.xml"), xml);
        QCOMPARE(s.session.open(s.path("Song.mp3")).note, QString());
        QTEST(sheetRows(s.sheet), "rows");
    }

    // The save's temporary file name outgrows the file system's limit; even root cannot help.
    void noRoomForATemporaryNameKeepsTheOldFile() {
        TestSession s;
        const QString song = QString(250, u'n') + ".mp3";
        const QString old = writeFile(s.path(song.chopped(4) + ".xml"), "the lines saved before");
        s.session.choose(s.path(song));
        loadSheet(s.sheet, {"new|3"});
        const QString failure = failureOf([&] { s.session.saveLyricsFile(); });
        QVERIFY2(failure.contains(u"Cannot save the lyrics"), qPrintable(failure));
        QCOMPARE(readFile(old), QByteArray("the lines saved before"));
        QCOMPARE(QDir(s.dir.path()).entryList({song.left(20) + '*'}, QDir::Files),
                 QStringList{old.section(u'/', -1)}); // no leftovers
    }
};

QTEST_MAIN(LyricsFileTest)
#include "tst_LyricsFile.moc"
