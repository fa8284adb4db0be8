#include "window/TagSaveRun.h"

#include "window/StatusLine.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QThread>
#include <QWidget>

#include <exception>
#include <memory>

namespace {

// Turns away, while a tag save runs, what would open another song or end the window under
// it: drops anywhere and the window's close. Keys and clicks wait in their queue until the
// save is over.
class HoldBackDuringSave final : public QObject {
public:
    explicit HoldBackDuringSave(QWidget* window) : m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop &&
            !(type == QEvent::Close && watched == m_window))
            return false;
        event->ignore();
        return true;
    }

private:
    QWidget* m_window;
};

} // namespace

QString RunTagSave(QWidget& window, StatusLine& status, const QString& songName,
                   const QString& what, const std::function<QString()>& save) {
    status.show(
        QCoreApplication::translate("RunTagSave", "Saving %1 into %2…").arg(what, songName));
    QString note;
    std::exception_ptr failure;
    const std::unique_ptr<QThread> worker(QThread::create([&save, &note, &failure] {
        try {
            note = save();
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    HoldBackDuringSave holdBack(&window);
    QCoreApplication::instance()->installEventFilter(&holdBack);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    status.show(QString());
    if (failure)
        std::rethrow_exception(failure);
    return note;
}
