// The program's window on the real platform, built as main.cpp builds it, for start-up time
// and peak memory. Usage: bench-program <program folder> [song]
// Without a song: writes "shown" on stdout once the window has been painted, then exits.
// With a song: opens it as the command line would, presses Play, exits after two seconds.

#include "playback/MpvPlayer.h"
#include "sources/TagLibComponent.h"
#include "window/frmSychLyrics.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>

namespace {

// Notices the window's first paint without touching the window's own code.
class FirstPaint final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_told) {
            m_told = true;
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_told = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QApplication::setApplicationName(QStringLiteral("Velmora Versetta"));
    QApplication::setDesktopFileName(QStringLiteral("org.velmora.Versetta"));

    Platform platform;
    platform.player = std::make_unique<MpvPlayer>();
    platform.newTagComponent = [] { return std::make_unique<TagLibComponent>(); };
    platform.programFolder = QString::fromLocal8Bit(argv[1]);
    const bool playing = argc > 2;
    if (playing)
        platform.commandLine = QString::fromLocal8Bit(argv[2]);

    frmSychLyrics window(std::move(platform));
    FirstPaint firstPaint;
    if (!playing)
        window.installEventFilter(&firstPaint);
    window.guarded("Start-up", [&window] { window.Form_Load(); });
    window.show();
    if (playing) {
        window.guarded("Play", [&window] { window.cmdPlay_Click(); });
        QTimer::singleShot(2000, &app, &QCoreApplication::quit);
    }
    return QApplication::exec();
}
