// Baselines of QApplication with libmpv, audio output from VELMORA_AUDIO_OUTPUT ("null" on
// machines without sound). With a song as the argument: plays it for two seconds (peak
// memory); with "shown" after it, while a bare window of the program's size with a line of
// text is on the screen, as every program that plays for a person shows one. Without: starts
// libmpv, shows a bare window, writes "shown" once it has been painted and exits (start-up).

#include "PeakMemory.h"
#include "ShownWidget.h"

#include <QApplication>
#include <QByteArray>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <mpv/client.h>

#include <clocale>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // libmpv requires it
    mpv_handle* mpv = mpv_create();
    if (!mpv)
        return 1;
    mpv_set_option_string(mpv, "vo", "null");
    mpv_set_option_string(mpv, "video", "no");
    mpv_set_option_string(mpv, "terminal", "no");
    mpv_set_option_string(mpv, "config", "no");
    // Without the player's scripts, as the program sets it up: the baseline stays like for like.
    for (const char* script :
         {"load-scripts", "ytdl", "load-stats-overlay", "load-osd-console", "load-auto-profiles"})
        mpv_set_option_string(mpv, script, "no");
    const QByteArray ao = qgetenv("VELMORA_AUDIO_OUTPUT");
    mpv_set_option_string(mpv, "ao", ao.isEmpty() ? "null" : ao.constData());
    if (mpv_initialize(mpv) < 0)
        return 1;
    ShownWidget window;
    QWidget playing;
    if (argc > 1) {
        const char* command[] = {"loadfile", argv[1], nullptr};
        mpv_command(mpv, command);
        QTimer::singleShot(2000, &app, &QCoreApplication::quit);
        if (argc > 2) {
            new QLabel(QStringLiteral("Velmora Versetta"), &playing);
            playing.resize(kProgramWindowSize);
            playing.show();
        }
    } else {
        window.resize(640, 480);
        window.show();
    }
    const int result = QApplication::exec();
    mpv_terminate_destroy(mpv);
    if (argc > 1)
        TellPeakMemory();
    return result;
}
