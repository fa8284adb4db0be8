#pragma once

#include <QString>
#include <QStringList>

// The rules that turn unsynchronized lyrics text into sheet lines. Free of widgets so they
// are checked on their own.

// Removes the space characters (and only those) at both ends.
QString TrimBlanks(const QString& text);

// Deletes every character with code 0 to 31 or 127 from text and answers the result;
// text holds the same value afterwards.
QString NonAsciiReplace(QString& text);

// One cleaned line per line feed-separated segment: a text with k line feeds gives k + 1
// lines, each trimmed of blanks first and then stripped of control characters.
QStringList LyricLines(const QString& lyrics);
