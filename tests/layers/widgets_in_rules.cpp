// Built only by the Layers test, which expects it to fail: the rules library cannot see Qt
// Widgets, so a rule that reaches for a widget is stopped by the build.
#include "sheet/LyricSheet.h"

#include <QWidget>

QWidget* ruleThatWantsAWidget() {
    return new QWidget;
}
