#include "window/frmSychLyrics.h"

#include "sources/TextCleaning.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QThread>

#include <exception>

namespace {

// The "USLT" text of the song, or "" when anything on the way fails: a missing file, no
// tag, no frame, a component that cannot be made.
QString readLyricsFrame(const Platform& platform, const QString& fileName) noexcept {
    try {
        if (!platform.newTagComponent)
            return {};
        const std::unique_ptr<TagComponent> tag = platform.newTagComponent();
        if (!tag)
            return {};
        try {
            tag->LoadTag(fileName, true);
        } catch (...) {
            // A failed load is skipped like any other step; the frame read below answers "".
        }
        return tag->GetFrameText(QStringLiteral("USLT"));
    } catch (...) {
        return {};
    }
}

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

QString frmSychLyrics::saveIntoTag(const QString& song, const QString& what,
                                   const std::function<QString()>& save) {
    showStatus(QStringLiteral("Saving %1 into %2\u2026").arg(what, QFileInfo(song).fileName()));
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

bool frmSychLyrics::CheckForLyrics(const QString& fileName) const {
    // Not trimmed: a frame of blanks only still counts as lyrics.
    return !readLyricsFrame(m_platform, fileName).isEmpty();
}

QString frmSychLyrics::GetLyrics(const QString& fileName) const {
    return TrimBlanks(readLyricsFrame(m_platform, fileName));
}

void frmSychLyrics::cmdSaveUnsynch_Click() {
    if (!m_platform.newTagComponent)
        throw VersettaError(QStringLiteral("Cannot save the lyrics: no tag component."));
    const std::unique_ptr<TagComponent> tag = m_platform.newTagComponent();
    state.songFile = QualifyPath(ui.songFolderBox->text()) + ui.songFileBox->text();
    if (ui.songFileBox->text().isEmpty())
        throw VersettaError(QStringLiteral("Open a song before saving its lyrics."));
    const QString lyrics = TrimBlanks(UnsynchText());
    const QString song = state.songFile;
    const QString note = saveIntoTag(song, QStringLiteral("the lyrics"), [&tag, &song, &lyrics] {
        tag->LoadTag(song, true);
        tag->SetFrameText(QStringLiteral("USLT"), lyrics);
        tag->SaveTag(song);
        return tag->SaveNote();
    });
    ShowUnsynchLyrics(lyrics, QStringLiteral("Load Lyrics From Text"));
    ui.picSynch->setVisible(true);
    ui.picUnsynch->setVisible(false);
    ui.cmdAddLyrics->setVisible(false);
    if (!note.isEmpty())
        reportFailure(note);
}
