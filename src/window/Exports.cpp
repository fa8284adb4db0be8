#include "window/frmSychLyrics.h"

#include "core/PathRules.h"
#include "sources/SyncedLines.h"
#include "sources/TagComponent.h"
#include "sources/TextFile.h"
#include "storage/AtomicFile.h"
#include "storage/Lrc.h"
#include "storage/RegularFile.h"
#include "window/UpDown.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString nameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

} // namespace

bool frmSychLyrics::exportKeyPressed(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool shift = modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
    if (modifiers != Qt::ControlModifier && !shift)
        return false;
    if (event->key() == Qt::Key_E && !shift)
        guarded("Writing the LRC file", [this] { WriteLrcFile(); });
    else if (event->key() == Qt::Key_E)
        guarded("Writing the timed lyrics into the tag", [this] { WriteSyncedLyricsToTag(); });
    else if (event->key() == Qt::Key_I && !shift)
        guarded("Reading the LRC file", [this] { ImportLrcBesideSong(); });
    else
        return false;
    return true;
}

QString frmSychLyrics::songOfFileBar(const QString& action) const {
    const QString name = ui.songFileBox->text();
    if (name.size() < 4)
        throw VersettaError(QStringLiteral("Open a song before %1.").arg(action));
    return QualifyPath(ui.songFolderBox->text()) + name;
}

void frmSychLyrics::WriteLrcFile() {
    const QString song = songOfFileBar(QStringLiteral("writing an LRC file"));
    const QString path = LrcFileName(song);
    int marked = 0;
    LrcHeader header;
    if (m_platform.newTagComponent)
        if (const std::unique_ptr<TagComponent> tag = m_platform.newTagComponent())
            header = tag->LrcHeaderOf(song);
    const QByteArray bytes = WriteLrc(header, m_sheet.rows(), &marked);
    if (marked == 0)
        throw VersettaError(
            QStringLiteral("No line is marked yet, so %1 was not written.").arg(nameOf(path)));
    const QString note = SaveLyricsFile(path, bytes);
    showStatus(QStringLiteral("Wrote %1: %2 timed lines of %3.")
                   .arg(QDir::toNativeSeparators(path))
                   .arg(marked)
                   .arg(m_sheet.count()) +
               (note.isEmpty() ? QString() : QStringLiteral(" ") + note));
}

void frmSychLyrics::WriteSyncedLyricsToTag() {
    const QString song = songOfFileBar(QStringLiteral("writing timed lyrics into its tag"));
    const std::vector<SyncedLine> lines = SyncedLinesFromRows(m_sheet.rows());
    if (lines.empty())
        throw VersettaError(QStringLiteral("No line is marked yet, so the tag of %1 was not "
                                           "changed.")
                                .arg(nameOf(song)));
    const std::unique_ptr<TagComponent> tag =
        m_platform.newTagComponent ? m_platform.newTagComponent() : nullptr;
    if (!tag)
        throw VersettaError(QStringLiteral("Cannot write timed lyrics: no tag component."));
    const QString note =
        saveIntoTag(song, QStringLiteral("the timed lyrics"),
                    [&tag, &song, &lines] { return tag->SaveSyncedLyrics(song, lines); });
    showStatus(note.isEmpty() ? QStringLiteral("Wrote %1 timed lines into the tag of %2 (SYLT).")
                                    .arg(lines.size())
                                    .arg(nameOf(song))
                              : note);
}

void frmSychLyrics::ImportLrcFile(const QString& path) {
    guarded("Reading the LRC file", [this, &path] { readLrcIntoSheet(path); });
}

void frmSychLyrics::readLrcIntoSheet(const QString& path) {
    if (ui.cmdMark->isEnabled())
        throw VersettaError(QStringLiteral("Pause or stop the song before reading %1 into the "
                                           "sheet.")
                                .arg(nameOf(path)));
    const LrcContent content = ReadLrc(ReadLyricsFile(path));
    if (content.tooLong)
        throw VersettaError(QStringLiteral("%1 holds more lines than the sheet's %2; the sheet "
                                           "was left as it was.")
                                .arg(QDir::toNativeSeparators(path))
                                .arg(kMaxRows));
    if (content.lines.empty())
        throw VersettaError(
            QStringLiteral("%1 holds no lyrics lines; the sheet was left as it was.")
                .arg(QDir::toNativeSeparators(path)));
    m_sheet.load(SheetRowsFromLrc(content.lines), QStringLiteral("Read LRC File"));

    showLoadedSheet();
    showSheetSelection(false);
    ShowSaveButton();
    showStatus(QStringLiteral("Read %1 lines from %2; Save writes them to the lyrics file.")
                   .arg(m_sheet.count())
                   .arg(nameOf(path)));
}

void frmSychLyrics::ImportLrcBesideSong() {
    const QString song = songOfFileBar(QStringLiteral("reading its LRC file"));
    const QString lrc = LrcFileName(song);
    if (CheckForSynchLyricsFile(song))
        throw VersettaError(QStringLiteral("%1 has a lyrics file already (%2); drop %3 on the "
                                           "window to replace the sheet with it.")
                                .arg(nameOf(song), nameOf(SynchLyricsFileName(song)), nameOf(lrc)));
    // A pipe, a folder or a dangling link there is named by the reading.
    if (!QFileInfo::exists(lrc) && NonRegularKind(lrc).isEmpty())
        throw VersettaError(QStringLiteral("There is no %1 beside the song.").arg(nameOf(lrc)));
    readLrcIntoSheet(lrc);
}

void frmSychLyrics::offerLrcBesideSong(const QString& songPath) {
    const QString lrc = LrcFileName(songPath);
    if (lrc.isEmpty() || CheckForSynchLyricsFile(songPath) || !NonRegularKind(lrc).isEmpty() ||
        !QFileInfo(lrc).isFile())
        return;
    const QString offer =
        QStringLiteral("%1 lies beside the song: Ctrl+I reads it into the sheet.").arg(nameOf(lrc));
    const QString shown = ui.lblStatus->text().trimmed();
    showStatus(shown.isEmpty() ? offer : shown + QStringLiteral("  ·  ") + offer);
}
