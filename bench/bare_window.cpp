// Baseline for start-up: a bare Qt window of the program's size (the first paint fills every
// pixel of a new backing store, so a smaller window would start faster for that alone); with
// any argument, one that shows a line of text, which costs the font set-up every window with
// words pays. Writes "shown" on stdout once it has been painted, then exits.

#include "ShownWidget.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ShownWidget window;
    if (argc > 1)
        new QLabel(QStringLiteral("Velmora Versetta"), &window);
    window.resize(kProgramWindowSize);
    window.show();
    return QApplication::exec();
}
