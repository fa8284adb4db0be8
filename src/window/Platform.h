#pragma once

#include "playback/Mp3Player.h"
#include "sources/TagComponent.h"

#include <QString>

#include <functional>
#include <memory>

// Everything the window takes from the platform. main.cpp builds the real services;
// tests build the window with fakes.
struct Platform {
    std::unique_ptr<Mp3Player> player;
    std::function<std::unique_ptr<TagComponent>()> newTagComponent;

    // The Open dialog: a filter such as "MP3s (*.mp3)", the initial folder and the initial
    // file name. Answers the dialog's file name when it closes: the chosen file, or the
    // initial file name unchanged when the user cancelled.
    std::function<QString(const QString& filter, const QString& folder, const QString& fileName)>
        openDialog;

    // The input box: OK answers the text in the box, Cancel answers "".
    std::function<QString(const QString& prompt, const QString& title, const QString& answer)>
        inputBox;

    std::function<QString()> clipboardText;
    QString programFolder; // the folder the program runs from, without a trailing separator
    QString commandLine;   // the arguments after the program's name, joined by single blanks
    QString settingsFile;  // an INI file for the user's settings; "" for the platform's usual place
};
