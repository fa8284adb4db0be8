#include "support/TestWindow.h"

#include "session/SongSession.h"
#include "sheet/LyricSheet.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

// The window read over the desktop's accessibility bus by a script, as a screen reader reads
// it: every shown control has a name, and a suggested time is read as one. Run by CTest in a
// private D-Bus session on a virtual X server.
class ScreenReaderTest : public QObject {
    Q_OBJECT

private slots:
    void aScreenReaderReadsTheWindow() {
        if (qgetenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON").isEmpty())
            QSKIP("needs the accessibility bus (run through CTest)");
        TestWindow w;
        w.setSheet({"one", "two|9", "three|12"});
        w.session().sheet().setHints({{17000, true, {}}, {}, {-1, false, "marked 2.7 s later"}});
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        QProcess reader;
        reader.setProcessChannelMode(QProcess::SeparateChannels);
        reader.start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral(VELMORA_SCREEN_READER),
                      QString::number(QCoreApplication::applicationPid()), "suggested 0:17",
                      "0:12, doubtful: marked 2.7 s later"});
        QVERIFY(reader.waitForStarted());
        // The window answers the reader's questions only while its events are processed.
        QTRY_VERIFY_WITH_TIMEOUT(reader.state() == QProcess::NotRunning, 120000);
        const QByteArray read = reader.readAllStandardOutput();
        const QByteArray faults = reader.readAllStandardError();
        QVERIFY2(reader.exitStatus() == QProcess::NormalExit && reader.exitCode() == 0,
                 (faults + "\n--- read:\n" + read).constData());
        QVERIFY2(read.contains("push button\tOpen a song"), read.constData());
    }
};

QTEST_MAIN(ScreenReaderTest)
#include "tst_ScreenReader.moc"
