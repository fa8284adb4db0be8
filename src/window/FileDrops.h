#pragma once

#include <QObject>
#include <QString>

#include <initializer_list>

class QDropEvent;
class QMimeData;
class QWidget;

// Files dropped on the window: one local file at a time, wherever it lands. The text boxes
// take dropped text themselves; a file dropped on them goes to the window instead, so a song
// dropped on the file name opens rather than pasting its address.
class FileDrops final : public QObject {
    Q_OBJECT
public:
    // textPanel: where a dropped text file is read as lyrics.
    FileDrops(QWidget& window, QWidget& textPanel, std::initializer_list<QWidget*> boxes);

    // The one local file a drag carries, or "" for anything else (text, several files, a link
    // to a web page), which the controls handle as they always have.
    static QString draggedFile(const QMimeData* mime);
    // The window's own drop, at the event's position.
    void dropOnWindow(QDropEvent* event);

signals:
    void dropped(const QString& path, bool onTextPanel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    QWidget& m_textPanel;
};
