#pragma once

#include <QObject>
#include <QtGlobal>

class QTimer;
class QWidget;
class SheetPanel;
class SongSession;
class StatusLine;
class Transport;
class WordStrip;
struct WindowControls;

// The word strip under the list, shown while the selected line's words are timed or word
// marking is on, with the word keys: Ctrl+W, Ctrl+Shift+K, the Alt nudges, the loop
// (Ctrl+Shift+R) and the syllable splits (Ctrl+Shift+H at the pointer, Ctrl+H all of them);
// a drag in the strip moves a word's start.
class WordTiming final : public QObject {
    Q_OBJECT
public:
    WordTiming(SongSession& session, StatusLine& status, SheetPanel& sheet, Transport& transport,
               QWidget& window);
    void place(WindowControls& ui) const;

private:
    void installWordKeys();
    void showWordStrip();
    void NudgeSelection(qint64 deltaMs);
    // Plays from ms, the selected rows held as they are (a nudge's or the strip's replay).
    void PlayFrom(qint64 ms);
    void DragWord(int word, qint64 ms);
    // Loops the selected line, or the strip's selected word, until pressed again.
    void ToggleLoop();
    void keepLooping();
    void endLoop(const QString& status);
    void SplitAtPointer();
    void SplitIntoSyllables();
    // The selected line, its words shown in the strip; 0 when none is.
    int stripLine() const;
    void selectWordAt(qint64 ms);

    SongSession& m_session;
    StatusLine& m_status;
    SheetPanel& m_sheet;
    Transport& m_transport;
    QWidget& m_window;
    WordStrip* m_strip; // wordStrip
    QTimer* m_loopTimer;
    struct Loop {
        int position = 0; // 0: no loop
        int word = -1;    // -1: the whole line
    };
    Loop m_loop;
};
