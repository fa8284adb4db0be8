#pragma once

#include <QObject>

class KeyOverlay;
class QWidget;
class SheetPanel;
class SongSession;
class StatusLine;
class Transport;

// The window's keys beyond a focused button's Space and Enter: seeking, replay, speed, the
// reaction delay, nudges, accepting suggested times, the buttons' own keys, and F1, which
// lists them all. They are window shortcuts, so the focused control does not take them first;
// a text box still keeps every key it types with. Each button's tooltip names its keys.
class WindowKeys final : public QObject {
    Q_OBJECT
public:
    WindowKeys(QWidget& window, SongSession& session, StatusLine& status, Transport& transport,
               SheetPanel& sheet);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowKeys();
    void installButtonTips();

    QWidget& m_window;
    KeyOverlay* m_keyOverlay;
    QWidget* m_list; // the lyric list
};
