#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Numbers in seconds as the sheet and the adjust boxes hold them. "." is the decimal point
// whatever the locale, so a sheet saved on one machine reads the same on another.

// The number at the start of a box's text: blanks, tabs and line feeds are ignored wherever
// they stand; then an optional sign, digits with at most one decimal point and an optional
// exponent. Reading stops at the first character that cannot continue the number, and text
// that does not begin with one gives 0 ("2 apples" is 2, "1 5" is 15, "" is 0). Empty when
// the number is too large for a double.
std::optional<double> ReadAmount(QStringView text);

// Whether text begins with a number as ReadAmount reads one ("2 apples", " - .5"), rather than
// giving 0 for text that does not ("abc", "", "--5").
bool StartsWithAmount(QStringView text);

// A Secs field as a number: the whole text, blanks around it aside, must be one finite
// decimal number ("12.5", "-2", "1e3"). Empty for "" (an unmarked row) and for anything else.
std::optional<double> ReadSeconds(QStringView text);

// Plain decimal text with at most 15 significant digits, no trailing zeros and no exponent
// (12.5, -2, 0.00015). Values that round to zero at 15 decimals are "0", never "-0".
QString NumberText(double value);
