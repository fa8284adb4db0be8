#pragma once

#include <QString>

#include <initializer_list>

class QFont;
class QLabel;
class QLineEdit;
class QPushButton;

// How the parts make their controls, so every part looks like the original arrangement (at 15
// twips a pixel: buttons 100 by 33, the editing buttons one width so their columns line up).
inline constexpr int kButtonWidth = 100;
inline constexpr int kButtonHeight = 33;
inline constexpr int kEditingButtonWidth = 164;

// Enter presses the focused button, as Space does.
QPushButton* MakeButton(const char* name, const QString& caption, bool enabled = true);
QLabel* MakeLabel(const char* name, const QString& caption);
QLineEdit* MakeTextBox(const char* name, const QString& text);
QFont ArialBold(int points);
void SizeButtons(std::initializer_list<QPushButton*> buttons);
