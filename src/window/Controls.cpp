#include "window/Controls.h"

#include "controls/LyricList.h"
#include "controls/SongSlider.h"
#include "controls/UpDown.h"
#include "controls/WordStrip.h"
#include "playback/Mp3Player.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

WindowControls FindControls(const QWidget& window) {
    WindowControls found;
    found.cmdClose = window.findChild<QPushButton*>(QStringLiteral("cmdClose"));
    found.fileBar = window.findChild<QFrame*>(QStringLiteral("Frame1"));
    found.fileNameLabel = window.findChild<QLabel*>(QStringLiteral("Label5"));
    found.txtFileName = window.findChild<QLineEdit*>(QStringLiteral("txtFileName"));
    found.cmdOpen = window.findChild<QPushButton*>(QStringLiteral("cmdOpen"));
    found.cmdAddLyrics = window.findChild<QPushButton*>(QStringLiteral("cmdAddLyrics"));
    found.songFolderBox = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    found.songFileBox = window.findChild<QLineEdit*>(QStringLiteral("Text2"));
    found.picSynch = window.findChild<QWidget*>(QStringLiteral("picSynch"));
    found.lvLyrics = window.findChild<LyricList*>(QStringLiteral("lvLyrics"));
    found.wordStrip = window.findChild<WordStrip*>(QStringLiteral("wordStrip"));
    found.lblCurrentLyric = window.findChild<QLabel*>(QStringLiteral("lblCurrentLyric"));
    found.sldSong = window.findChild<SongSlider*>(QStringLiteral("sldSong"));
    found.lblTime = window.findChild<QLabel*>(QStringLiteral("lblTime"));
    found.cmdPlay = window.findChild<QPushButton*>(QStringLiteral("cmdPlay"));
    found.cmdStop = window.findChild<QPushButton*>(QStringLiteral("cmdStop"));
    found.cmdMark = window.findChild<QPushButton*>(QStringLiteral("cmdMark"));
    found.cmdReset = window.findChild<QPushButton*>(QStringLiteral("cmdReset"));
    found.cmdInsert = window.findChild<QPushButton*>(QStringLiteral("cmdInsert"));
    found.cmdAddLine = window.findChild<QPushButton*>(QStringLiteral("cmdAddLine"));
    found.cmdRemove = window.findChild<QPushButton*>(QStringLiteral("cmdRemove"));
    found.cmdAdjustSingle = window.findChild<QPushButton*>(QStringLiteral("cmdAdjustSingle"));
    found.txtAdjustSingle = window.findChild<QLineEdit*>(QStringLiteral("txtAdjustSingle"));
    found.spnAdjustSingle = window.findChild<UpDown*>(QStringLiteral("spnAdjustSingle"));
    found.cmdAdjustAll = window.findChild<QPushButton*>(QStringLiteral("cmdAdjustAll"));
    found.txtAdjustAll = window.findChild<QLineEdit*>(QStringLiteral("txtAdjustAll"));
    found.spnAdjustAll = window.findChild<UpDown*>(QStringLiteral("spnAdjustAll"));
    found.cmdEditLyric = window.findChild<QPushButton*>(QStringLiteral("cmdEditLyric"));
    found.cmdLineUp = window.findChild<QPushButton*>(QStringLiteral("cmdLineUp"));
    found.cmdLineDown = window.findChild<QPushButton*>(QStringLiteral("cmdLineDown"));
    found.cmdSave = window.findChild<QPushButton*>(QStringLiteral("cmdSave"));
    found.picUnsynch = window.findChild<QWidget*>(QStringLiteral("picUnsynch"));
    found.txtAddLyrics = window.findChild<QPlainTextEdit*>(QStringLiteral("txtAddLyrics"));
    found.cmdPaste = window.findChild<QPushButton*>(QStringLiteral("cmdPaste"));
    found.cmdLyricsFromText = window.findChild<QPushButton*>(QStringLiteral("cmdLyricsFromText"));
    found.cmdClearUnsynch = window.findChild<QPushButton*>(QStringLiteral("cmdClearUnsynch"));
    found.cmdSaveUnsynch = window.findChild<QPushButton*>(QStringLiteral("cmdSaveUnsynch"));
    found.lblStatus = window.findChild<QLabel*>(QStringLiteral("lblStatus"));
    found.displayTimer = window.findChild<QTimer*>(QStringLiteral("Timer1"));
    found.mp3Player = window.findChild<Mp3Player*>(QStringLiteral("Amp3dj1"));
    return found;
}
