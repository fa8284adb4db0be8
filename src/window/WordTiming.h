#pragma once

#include <QObject>

class QWidget;
class SheetPanel;
class SongSession;
class StatusLine;
class Transport;
class WordStrip;
struct WindowControls;

// The word strip under the list, shown while the selected line's words are timed or word
// marking is on, with the word keys: Ctrl+W, Ctrl+Shift+K and the Alt nudges.
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

    SongSession& m_session;
    StatusLine& m_status;
    SheetPanel& m_sheet;
    Transport& m_transport;
    QWidget& m_window;
    WordStrip* m_strip; // wordStrip
};
