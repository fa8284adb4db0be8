#include "window/FileDrops.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

FileDrops::FileDrops(QWidget& window, QWidget& textPanel, std::initializer_list<QWidget*> boxes)
    : QObject(&window), m_window(window), m_textPanel(textPanel) {
    window.setAcceptDrops(true);
    for (QWidget* box : boxes)
        box->installEventFilter(this);
}

QString FileDrops::draggedFile(const QMimeData* mime) {
    if (!mime->hasUrls() || mime->urls().size() != 1 || !mime->urls().first().isLocalFile())
        return {};
    return mime->urls().first().toLocalFile();
}

bool FileDrops::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = draggedFile(drop->mimeData());
    if (path.isEmpty())
        return false;
    drop->acceptProposedAction();
    if (type == QEvent::Drop) // the text panel's box takes text files
        emit dropped(path, m_textPanel.isAncestorOf(static_cast<QWidget*>(watched)));
    return true;
}

void FileDrops::dropOnWindow(QDropEvent* event) {
    const QString path = draggedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    const QWidget* under = m_window.childAt(event->position().toPoint());
    emit dropped(path, under && (under == &m_textPanel || m_textPanel.isAncestorOf(under)));
}
