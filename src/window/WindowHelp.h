#pragma once

#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QMenu;
class QPoint;
class QWidget;
class SheetPanel;
class SongSession;

// What lets the window explain itself without a manual: each control's accessible name and
// description, the empty list's hint, the tooltips of the slider's ticks, and the context
// menus of the list and the word strip, each entry with its key.
class WindowHelp final : public QObject {
    Q_OBJECT
public:
    WindowHelp(QWidget& window, SongSession& session, SheetPanel& sheet);

private:
    struct Entry {
        QString label; // "" for a separator
        QKeySequence keys;
        std::function<void()> run;
        std::function<bool()> available;
    };
    void nameControls();
    std::vector<Entry> listEntries();
    std::vector<Entry> wordEntries();
    // The entry that does what keys do in the window: the shortcut behind them.
    Entry keyEntry(const QString& label, const QKeySequence& keys);
    Entry buttonEntry(const char* objectName, const QKeySequence& keys);
    void popUp(const std::vector<Entry>& entries, QWidget* over, const QPoint& at);

    QWidget& m_window;
    SongSession& m_session;
    SheetPanel& m_sheet;
    QPointer<QMenu> m_menu;
};
