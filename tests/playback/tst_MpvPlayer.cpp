#include "playback/MpvPlayer.h"

#include <QSignalSpy>
#include <QTest>

// The real libmpv player on a three-second tone, with the null audio output.
class MpvPlayerTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("VELMORA_AUDIO_OUTPUT", "null"); }

    void playsPausesSeeksAndEnds() {
        MpvPlayer player;
        player.InitPlayer(1, 0);
        player.StartupSetting(1);
        QSignalSpy ended(&player, &Mp3Player::SongEnded);

        player.LoadSong(QStringLiteral(VELMORA_TEST_DATA "/tone-3s.mp3"));
        QVERIFY(QTest::qWaitFor([&] { return player.GetSongLength() > 0; }, 5000));
        QVERIFY(qAbs(player.GetSongLength() - 3000) < 150);
        QCOMPARE(player.GetPosition(), 0); // loaded paused

        player.PlaySong();
        QVERIFY(QTest::qWaitFor([&] { return player.GetPosition() >= 1; }, 5000));
        QCOMPARE(player.GetPositionMinutes(), 0);
        QCOMPARE(player.GetPositionSeconds(), player.GetPosition());

        player.PauseSong();
        const std::int32_t paused = player.GetPosition();
        QTest::qWait(400);
        QCOMPARE(player.GetPosition(), paused);

        player.SeekPosition(2);
        QCOMPARE(player.GetPosition(), 2);
        QVERIFY(ended.isEmpty());

        player.PlaySong();
        QTest::qWait(300);
        QCOMPARE(player.GetPosition(), 2); // resumed from the seek target
        QVERIFY(ended.wait(5000));
        QCOMPARE(ended.size(), 1);
    }

    void earlyCallsStopAndBadPathsRaiseNoEnd() {
        MpvPlayer player;
        QSignalSpy ended(&player, &Mp3Player::SongEnded);
        const QString tone = QStringLiteral(VELMORA_TEST_DATA "/tone-3s.mp3");
        for (const QString& song : {tone, QStringLiteral("/no/such/song.mp3")}) {
            player.LoadSong(song); // before InitPlayer, then a missing file: nothing plays
            player.PlaySong();
            player.SeekPosition(1);
            QTest::qWait(300);
            QCOMPARE(player.GetSongLength() + player.GetPosition(), 0);
            player.InitPlayer(1, 0);
        }
        player.LoadSong(tone);
        player.PlaySong();
        QVERIFY(QTest::qWaitFor([&] { return player.GetSongLength() > 0; }, 5000));
        player.StopSong();
        QTest::qWait(300);
        QCOMPARE(player.GetSongLength(), 0);
        QVERIFY(ended.isEmpty());
        player.SeekPosition(1); // nothing loaded: ignored, no failure
    }
};

QTEST_MAIN(MpvPlayerTest)
#include "tst_MpvPlayer.moc"
