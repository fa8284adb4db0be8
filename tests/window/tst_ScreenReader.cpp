#include "support/TestWindow.h"

#include "session/SongSession.h"
#include "sheet/LyricSheet.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Runs the script over this process's window, expecting the cells named; read is what it read.
void readWindow(const QStringList& cells, QByteArray& read) {
    QProcess reader;
    reader.setProcessChannelMode(QProcess::SeparateChannels);
    reader.start(QStringLiteral("/usr/bin/python3"),
                 QStringList{QStringLiteral(VELMORA_SCREEN_READER),
                             QString::number(QCoreApplication::applicationPid())} +
                     cells);
    QVERIFY(reader.waitForStarted());
    // The window answers the reader's questions only while its events are processed.
    QTRY_VERIFY_WITH_TIMEOUT(reader.state() == QProcess::NotRunning, 120000);
    read = reader.readAllStandardOutput();
    const QByteArray faults = reader.readAllStandardError();
    QVERIFY2(reader.exitStatus() == QProcess::NormalExit && reader.exitCode() == 0,
             (faults + "\n--- read:\n" + read).constData());
}

} // namespace

// The window read over the desktop's accessibility bus by a script, as a screen reader reads
// it: every shown control has a name, every one a person operates a description, and a
// suggested time is read as one. Run by CTest in a private D-Bus session on a virtual X server.
class ScreenReaderTest : public QObject {
    Q_OBJECT

private slots:
    // The sheet, then the text panel, which shows controls of its own.
    void aScreenReaderReadsTheWindow() {
        if (qgetenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON").isEmpty())
            QSKIP("needs the accessibility bus (run through CTest)");
        TestWindow w;
        w.setSheet({"one", "two|9", "three|12"});
        w.session().sheet().setHints({{17000, true, {}}, {}, {-1, false, "marked 2.7 s later"}});
        QVERIFY(w.shown());
        QByteArray read;
        readWindow({"suggested 0:17", "0:12, doubtful: marked 2.7 s later"}, read);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(read.contains("push button\tOpen a song"), read.constData());
        const QTemporaryDir music;
        w.open(music.filePath("Song.mp3"));
        w.ui.cmdAddLyrics->click();
        QVERIFY(w.ui.txtAddLyrics->isVisible());
        readWindow({}, read);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(read.contains("text\tLyrics\t"), read.constData());
    }

    // What changes while the person listens elsewhere is announced: the status line's news
    // and the line being sung reach the reader as events, not only when it reads the window.
    void aScreenReaderHearsTheStatusAndTheCurrentLine() {
        if (qgetenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON").isEmpty())
            QSKIP("needs the accessibility bus (run through CTest)");
        TestWindow w;
        const QTemporaryDir music;
        w.createDatabase();
        w.open(music.filePath("Song.mp3"));
        w.setSheet({"first line|1", "second line|4"});
        QVERIFY(w.shown());
        QProcess reader;
        reader.setProcessChannelMode(QProcess::SeparateChannels);
        reader.start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral(VELMORA_SCREEN_READER), "--listen",
                      QString::number(QCoreApplication::applicationPid()),
                      "Saved Song.xml: 2 lines, 2 marked", "second line"});
        QVERIFY(reader.waitForStarted());
        QByteArray read;
        QTRY_VERIFY_WITH_TIMEOUT((read += reader.readAllStandardOutput()).contains("listening") ||
                                     reader.state() == QProcess::NotRunning,
                                 60000);
        QVERIFY2(read.contains("listening"), reader.readAllStandardError().constData());
        // The listener's registration travels through the bus's registry to this window; news
        // sent before it arrives is heard by no one.
        QTest::qWait(1000);
        w.ui.cmdSave->setEnabled(true);
        w.ui.cmdSave->click();
        w.player->lengthMs = 60000;
        w.ui.cmdPlay->click();
        w.tickAt(4200);
        QTRY_VERIFY_WITH_TIMEOUT(reader.state() == QProcess::NotRunning, 90000);
        read += reader.readAllStandardOutput();
        QVERIFY2(reader.exitStatus() == QProcess::NormalExit && reader.exitCode() == 0,
                 (reader.readAllStandardError() + "\n--- heard:\n" + read).constData());
    }
};

QTEST_MAIN(ScreenReaderTest)
#include "tst_ScreenReader.moc"
