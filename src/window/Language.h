#pragma once

#include <QLocale>
#include <QString>

// The window's language: the program's own translation and Qt's, for a locale (the system's
// by default). The texts in the sources are the English ones, so English needs no file.
// A translation written right to left turns the layout direction round.
//
// Installs the translations for locale in place of any installed before and returns the
// language whose translation was found ("de", "ar"), or an empty string when English stays.
QString InstallLanguage(const QLocale& locale);
// Installs one compiled translation file (for the tests' pseudo-language); false when it is
// not there. The layout direction follows it as it follows a language.
bool InstallTranslationFile(const QString& path);
// Back to the sources' English, left to right.
void RemoveLanguage();
