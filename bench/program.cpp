// The program's window on the real platform, built as main.cpp builds it, for start-up time
// and peak memory. Usage: bench-program <program folder> [song [play]]
// Without "play": writes "shown <rows>" on stdout once the window's first paint is on the
// screen, <rows> being the rows its lyrics list holds then, and exits. With a song, the song
// is opened as the command line opens it, so that paint shows its lines.
// With "play": opens the song, presses Play, exits after two seconds.

#include "PeakMemory.h"
#include "core/MediaModule.h"
#include "core/StartupGate.h"
#include "playback/MpvPlayer.h"
#include "sources/TagLibComponent.h"
#include "window/Controls.h"
#include "window/frmSychLyrics.h"

#include <QPushButton>

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>

namespace {

// Notices the window's first paint without touching the window's own code. The window is
// painted before its children in one pass that ends with the flush to the screen, so the
// clock stops on the next turn of the event loop, once the lines are on the screen too.
class FirstPaint final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_told) {
            m_told = true;
            auto* window = static_cast<QWidget*>(watched);
            QTimer::singleShot(0, qApp, [window] {
                const auto* list = window->findChild<QAbstractItemView*>();
                const int rows = list && list->model() ? list->model()->rowCount() : 0;
                std::printf("shown %d\n", rows);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
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
    // The module as the program loads it, from the build tree.
    if (qEnvironmentVariableIsEmpty("VELMORA_MEDIA_MODULE_DIR"))
        qputenv("VELMORA_MEDIA_MODULE_DIR", VELMORA_BENCH_MEDIA_MODULE_DIR);
    UseMediaSource(OpenMediaModule);

    Platform platform;
    platform.player = std::make_unique<MpvPlayer>();
    platform.newTagComponent = [] { return std::make_unique<TagLibComponent>(); };
    platform.programFolder = QString::fromLocal8Bit(argv[1]);
    if (argc > 2)
        platform.commandLine = QString::fromLocal8Bit(argv[2]);
    const bool playing = argc > 3 && qstrcmp(argv[3], "play") == 0;

    StartupGate::HoldUntilFirstPaint();
    frmSychLyrics window(std::move(platform));
    FirstPaint firstPaint;
    if (!playing)
        window.installEventFilter(&firstPaint);
    window.Form_Load();
    window.show();
    if (playing) {
        FindControls(window).cmdPlay->click();
        QTimer::singleShot(2000, &app, &QCoreApplication::quit);
    }
    const int result = QApplication::exec();
    if (playing)
        TellPeakMemory();
    return result;
}
