#pragma once

#include "session/SongPlayback.h"
#include "session/SongSession.h"
#include "support/FakePlayer.h"
#include "window/Controls.h"
#include "window/frmSychLyrics.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class SongSlider;
class WordStrip;

// The real window built on fakes: a player with a test clock, scripted dialogs, a clipboard
// and a temporary program folder. Answers queued in openAnswers/inputAnswers are used in
// order; an empty queue answers as a cancelled dialog would.
struct TestWindow {
    explicit TestWindow(const QString& commandLine = QString());

    frmSychLyrics* operator->() const { return window.get(); }
    frmSychLyrics& operator*() const { return *window; }

    // Makes the jukebox database in the program folder, as the setup does; answers its path.
    QString createDatabase() const;
    // Save, as after a change of the user's (the rows setSheet puts in stand for one).
    void save();
    // Chooses path in the Open dialog.
    void open(const QString& path);
    // One display tick with the player's clock at ms.
    void tickAt(int ms);
    // Points the file bar at folder + name (folder ends in '/'), as opening the song would.
    void showSong(const QString& folder, const QString& name) const;
    // Shows the window and waits until it is on the screen, or also has the keyboard.
    bool shown() const;
    bool shownActive() const;
    // Makes the row at position (1-based) the list's current row, as a click on it does.
    void select(int position) const;
    // Clicks the row at position with the mouse, the window shown.
    void clickRow(int position) const;

    // The song session under the window.
    SongSession& session() const;
    // Playing or paused, as the session has it.
    bool playing() const;

    // The player's last "SeekPositionMs ms" call, or "".
    QString lastSeek() const;

    // The sheet as "number|lyric|time|secs" lines, for compact comparisons.
    QStringList sheet() const;
    // Replaces the sheet by rows "lyric|secs" (numbered, Time made from Secs).
    void setSheet(const QStringList& lyricAndSecs);

    QTemporaryDir programFolder;
    FakePlayer* player = nullptr;
    QStringList openAnswers;
    QStringList inputAnswers;
    QStringList openRequests;  // "filter|folder|fileName" per dialog shown
    QStringList inputRequests; // "prompt|title|default" per input box shown
    QString clipboard;
    std::unique_ptr<frmSychLyrics> window;
    WindowControls ui; // found by objectName, as a user's tools find them
};

// A key pressed where the keyboard is, as a person presses it.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The slider's mark ticks as "row@seconds", and the x at which a word strip draws ms.
QString ticksOf(const SongSlider& slider);
int xAt(const WordStrip& strip, qint64 ms);

// A sheet as "number|lyric|time|secs" lines, and loaded from rows "lyric|secs" (numbered, Time
// made from Secs) as one undoable step.
QStringList sheetRows(const LyricSheet& sheet);
void loadSheet(LyricSheet& sheet, const QStringList& lyricAndSecs);

// Copies the test tone to path, writable, with lyrics in its USLT frame unless they are "";
// answers path, or "" when that failed.
QString toneSong(const QString& path, const QString& lyrics = QString());

// Drops the file at path on widget, as a file manager's drag does; answers whether the drag and
// the drop were taken.
bool dropFile(QWidget& widget, const QString& path);

// The tag's lyrics as a song session reads them when it opens song: trimmed, "" for none;
// hasTagLyrics also counts a frame of blanks.
QString tagLyrics(const QString& song);
bool hasTagLyrics(const QString& song);

// The window on the real player and tag component, with its program folder (the jukebox
// database made there), opened on song and shown.
std::unique_ptr<frmSychLyrics> realWindow(const QString& programFolder, const QString& song);

// The platform of a TestWindow: the real tag component, fakes for everything else.
Platform makeTestPlatform(TestWindow& test, const QString& commandLine);

// The Lyrics table of the database as "LineNumber|FileName|TimeMarker|LyricLine", in the
// order written.
QStringList lyricsTable(const QString& databasePath);
