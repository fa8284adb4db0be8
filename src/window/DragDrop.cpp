#include "window/frmSychLyrics.h"

#include "core/AudioFormats.h"
#include "sources/TextFile.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>

#include <functional>

namespace {

// The one local file a drag carries, or "" for anything else (text, several files, a link
// to a web page), which the controls handle as they always have.
QString draggedFile(const QMimeData* mime) {
    if (!mime->hasUrls() || mime->urls().size() != 1 || !mime->urls().first().isLocalFile())
        return {};
    return mime->urls().first().toLocalFile();
}

// The text boxes take dropped text themselves; a dropped file goes to the window instead, so
// a song dropped on the file name opens rather than pasting its address.
class FileDropFilter final : public QObject {
public:
    using Drop = std::function<void(const QString& path, QObject* on)>;
    FileDropFilter(QObject* parent, Drop drop) : QObject(parent), m_drop(std::move(drop)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return false;
        auto* drop = static_cast<QDropEvent*>(event);
        if (draggedFile(drop->mimeData()).isEmpty())
            return false;
        if (type != QEvent::Drop) {
            drop->acceptProposedAction();
            return true;
        }
        // A file dropped here is the window's: the text panel's box takes text files.
        drop->acceptProposedAction();
        m_drop(draggedFile(drop->mimeData()), watched);
        return true;
    }

private:
    Drop m_drop;
};

} // namespace

void frmSychLyrics::installDropTargets() {
    setAcceptDrops(true);
    auto* filter = new FileDropFilter(this, [this](const QString& path, QObject* on) {
        const bool onTextPanel = ui.picUnsynch->isAncestorOf(static_cast<QWidget*>(on));
        guarded("Drop", [this, &path, onTextPanel] { DropFile(path, onTextPanel); });
    });
    for (QWidget* box : std::initializer_list<QWidget*>{
             ui.txtFileName, ui.txtAdjustSingle, ui.txtAdjustAll, ui.txtAddLyrics->viewport()})
        box->installEventFilter(filter);
}

void frmSychLyrics::dragEnterEvent(QDragEnterEvent* event) {
    if (!draggedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmSychLyrics::dragMoveEvent(QDragMoveEvent* event) {
    if (!draggedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmSychLyrics::dropEvent(QDropEvent* event) {
    const QString path = draggedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    const QWidget* under = childAt(event->position().toPoint());
    const bool onTextPanel =
        under && (under == ui.picUnsynch || ui.picUnsynch->isAncestorOf(under));
    guarded("Drop", [this, &path, onTextPanel] { DropFile(path, onTextPanel); });
}

void frmSychLyrics::DropFile(const QString& path, bool onTextPanel) {
    if (IsSongFile(path)) {
        OpenSongFromDialog(QDir::toNativeSeparators(path));
        return;
    }
    if (IsLrcFile(path)) { // anywhere on the window: its lines replace the sheet
        readLrcIntoSheet(path);
        return;
    }
    if (!onTextPanel) {
        showStatus(QStringLiteral("%1 is not a song. Drop a song on the window, or a text "
                                  "file of lyrics on the lyrics text panel.")
                       .arg(QDir::toNativeSeparators(path)));
        return;
    }
    // As "Get Lyrics From Text File" does: a file that cannot be read changes nothing and the
    // guard says why.
    setUnsynchText(ReadLyricsFile(path));
}
