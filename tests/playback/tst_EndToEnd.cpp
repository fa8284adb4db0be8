#include "playback/MpvPlayer.h"
#include "sources/TagLibComponent.h"
#include "storage/DatabaseSchema.h"
#include "support/Files.h"
#include "support/TestWindow.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// A song synchronized from start to finish on the real player, tag component, lyrics file
// and database: open, play, mark, stop, save, play again and watch the preview.
class EndToEndTest : public QObject {
    Q_OBJECT

    static void waitForSecond(frmSychLyrics& w, int second) {
        QVERIFY(QTest::qWaitFor([&] { return w.Amp3dj1->GetPosition() >= second; }, 8000));
    }

private slots:
    void synchronizesASong() {
        qputenv("VELMORA_AUDIO_OUTPUT", "null");
        QTemporaryDir music;
        QTemporaryDir program;
        const QString song = music.filePath(QStringLiteral("Tone Song.mp3"));
        QVERIFY(QFile::copy(QStringLiteral(VELMORA_TEST_DATA "/tone-3s.mp3"), song));
        QFile::setPermissions(song, QFile::ReadOwner | QFile::WriteOwner);
        {
            TagLibComponent tag;
            tag.LoadTag(song, true);
            tag.SetFrameText(QStringLiteral("USLT"),
                             QStringLiteral("First\r\n\r\nSecond\r\nThird"));
            tag.SaveTag(song);
        }
        CreateJukeboxDatabase(JukeboxDatabaseFileFor(program.path()));

        Platform platform;
        platform.player = std::make_unique<MpvPlayer>();
        platform.newTagComponent = [] { return std::make_unique<TagLibComponent>(); };
        platform.programFolder = program.path();
        platform.commandLine = song;
        frmSychLyrics w(std::move(platform));
        w.Form_Load();
        w.show();
        QCOMPARE(w.rowCount(), 4); // three lines and the blank between the first two

        w.cmdPlay->click();
        w.cmdMark->click(); // at 0:00
        waitForSecond(w, 1);
        w.cmdMark->click(); // the blank row is passed over: this stamps "Second"
        waitForSecond(w, 2);
        w.cmdMark->click();
        w.cmdStop->click();
        QCOMPARE(w.lblTime->text(), QStringLiteral("0:00 / 0:03"));
        QCOMPARE(w.cell(1, frmSychLyrics::ColSecs), QStringLiteral("0"));
        QCOMPARE(w.cell(3, frmSychLyrics::ColSecs) + w.cell(4, frmSychLyrics::ColTime),
                 QStringLiteral("10:02"));

        w.cmdSave->click();
        QCOMPARE(w.lblStatus->text(), QString());
        const QByteArray saved = readFile(music.filePath(QStringLiteral("Tone Song.xml")));
        QVERIFY(saved.contains("Filename=\"" + song.toUtf8() + "\""));
        QVERIFY(saved.contains("<TimeMarker>1</TimeMarker>"));
        QVERIFY(saved.contains("<LyricLine>Second</LyricLine>"));

        // Play again: the tick finds each stamped line at its second, through the database.
        w.cmdPlay->click();
        QCOMPARE(lyricsTable(w.databasePath).size(), 3);
        for (const auto& [row, lyric] : {std::pair{3, "Second"}, {4, "Third"}}) {
            QVERIFY(QTest::qWaitFor([&] { return w.lblCurrentLyric->text() == lyric; }, 8000));
            QCOMPARE(w.selectedRow(), row);
        }
        // The song ends by itself and the window goes back to idle.
        QVERIFY(QTest::qWaitFor([&] { return !w.isPlaying; }, 8000));
        QCOMPARE(w.cmdPlay->text(), QStringLiteral("Play"));
        QCOMPARE(w.selectedRow(), 1);
    }
};

QTEST_MAIN(EndToEndTest)
#include "tst_EndToEnd.moc"
