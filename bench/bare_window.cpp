// Baseline for start-up: a bare Qt window; with any argument, one that shows a line of text,
// which costs the font set-up every window with words pays. Writes "shown" on stdout once it
// has been painted, then exits.

#include "ShownWidget.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ShownWidget window;
    if (argc > 1)
        new QLabel(QStringLiteral("Velmora Versetta"), &window);
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
