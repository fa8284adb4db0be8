#include "window/WindowLook.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QPushButton* MakeButton(const char* name, const QString& caption, bool enabled) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setEnabled(enabled);
    button->setAutoDefault(true);
    return button;
}

QLabel* MakeLabel(const char* name, const QString& caption) {
    auto* label = new QLabel(caption);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLineEdit* MakeTextBox(const char* name, const QString& text) {
    auto* box = new QLineEdit(text);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QFont ArialBold(int points) {
    QFont font(QStringLiteral("Arial"), points, QFont::Bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void SizeButtons(std::initializer_list<QPushButton*> buttons) {
    for (QPushButton* button : buttons)
        button->setMinimumSize(kButtonWidth, kButtonHeight);
}
