#pragma once

// The list is reached as the tree view it is, and through its own selection calls.
#include "controls/LyricList.h"

class Mp3Player;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QWidget;
class SongSlider;
class UpDown;
class WordStrip;

// The window's controls. Each control's objectName is its design name; members whose design
// name says nothing are named for what they hold (the objectName in the comment). Code outside
// the window (tests, the bench, the screenshot tool) reaches them by name, as a user's tools do.
struct WindowControls {
    QPushButton* cmdClose = nullptr;
    QFrame* fileBar = nullptr;       // Frame1
    QLabel* fileNameLabel = nullptr; // Label5
    QLineEdit* txtFileName = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdAddLyrics = nullptr;
    QLineEdit* songFolderBox = nullptr; // Text1, hidden: songFolder
    QLineEdit* songFileBox = nullptr;   // Text2, hidden: songFile

    QWidget* picSynch = nullptr;
    LyricList* lvLyrics = nullptr;
    WordStrip* wordStrip = nullptr; // the selected line's words, shown while words are timed
    QLabel* lblCurrentLyric = nullptr;
    SongSlider* sldSong = nullptr;
    QLabel* lblTime = nullptr;
    QPushButton* cmdPlay = nullptr;
    QPushButton* cmdStop = nullptr;
    QPushButton* cmdMark = nullptr;
    QPushButton* cmdReset = nullptr;
    QPushButton* cmdInsert = nullptr;
    QPushButton* cmdAddLine = nullptr;
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdAdjustSingle = nullptr;
    QLineEdit* txtAdjustSingle = nullptr;
    UpDown* spnAdjustSingle = nullptr;
    QPushButton* cmdAdjustAll = nullptr;
    QLineEdit* txtAdjustAll = nullptr;
    UpDown* spnAdjustAll = nullptr;
    QPushButton* cmdEditLyric = nullptr;
    QPushButton* cmdLineUp = nullptr;
    QPushButton* cmdLineDown = nullptr;
    QPushButton* cmdSave = nullptr;

    QWidget* picUnsynch = nullptr;
    QPlainTextEdit* txtAddLyrics = nullptr;
    QPushButton* cmdPaste = nullptr;
    QPushButton* cmdLyricsFromText = nullptr;
    QPushButton* cmdClearUnsynch = nullptr;
    QPushButton* cmdSaveUnsynch = nullptr;

    QLabel* lblStatus = nullptr;
    QTimer* displayTimer = nullptr; // Timer1, the 100 ms tick
    Mp3Player* mp3Player = nullptr; // Amp3dj1
};

// The controls of the window, found by their objectNames; null for any that is missing.
WindowControls FindControls(const QWidget& window);
