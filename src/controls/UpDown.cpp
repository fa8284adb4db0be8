#include "controls/UpDown.h"

#include <QToolButton>
#include <QVBoxLayout>

UpDown::UpDown(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const auto addArrow = [this, layout](Qt::ArrowType arrow, const char* name, int direction) {
        auto* button = new QToolButton;
        button->setObjectName(QString::fromLatin1(name));
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFixedSize(18, 12);
        button->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(button);
        connect(button, &QToolButton::clicked, this,
                [this, direction] { emit stepped(direction); });
    };
    addArrow(Qt::UpArrow, "up", +1);
    addArrow(Qt::DownArrow, "down", -1);
}
