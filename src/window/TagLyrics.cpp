#include "window/frmSychLyrics.h"

#include "session/SongSession.h"
#include "sources/TextCleaning.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QThread>

#include <exception>

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

QString frmSychLyrics::saveIntoTag(const QString& what, const std::function<QString()>& save) {
    showStatus(QStringLiteral("Saving %1 into %2\u2026").arg(what, m_session->songName()));
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
    connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    HoldBackDuringSave holdBack(this);
    QCoreApplication::instance()->installEventFilter(&holdBack);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    showStatus(QString());
    if (failure)
        std::rethrow_exception(failure);
    return note;
}

void frmSychLyrics::cmdSaveUnsynch_Click() {
    const QString lyrics = TrimBlanks(UnsynchText());
    const QString saved =
        saveIntoTag(QStringLiteral("the lyrics"), m_session->tagLyricsSave(lyrics));
    ShowUnsynchLyrics(lyrics, QStringLiteral("Load Lyrics From Text"));
    ui.picSynch->setVisible(true);
    ui.picUnsynch->setVisible(false);
    ui.cmdAddLyrics->setVisible(false);
    // What did not fit on the sheet, if anything, follows what was written.
    const QString loaded = ui.lblStatus->text();
    showStatus(loaded.isEmpty() ? saved : saved + QStringLiteral("  \u00B7  ") + loaded);
}
