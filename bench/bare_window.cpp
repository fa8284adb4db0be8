// Baseline for start-up: a bare Qt window. Writes "shown" on stdout once it has been painted,
// then exits.

#include "ShownWidget.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ShownWidget window;
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
