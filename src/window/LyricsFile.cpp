#include "window/frmSychLyrics.h"

#include "core/PathRules.h"
#include "storage/Database.h"
#include "storage/LyricsXml.h"
#include "storage/RegularFile.h"
#include "window/UpDown.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>

#include <cerrno>

#include <fcntl.h>

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// QSaveFile often says only "Unknown error"; the folder and errno say more.
QString whySaveFailed(const QSaveFile& file, int error) {
    const QFileInfo folder(QFileInfo(file.fileName()).absolutePath());
    if (!folder.isDir())
        return QStringLiteral("the folder %1 does not exist").arg(shown(folder.filePath()));
    if (!folder.isWritable())
        return QStringLiteral("the folder %1 is read-only").arg(shown(folder.filePath()));
    if (file.error() == QFileDevice::UnspecifiedError && error != 0)
        return qt_error_string(error);
    // A short write (a full disk, a file-size limit) leaves only the default "Unknown error".
    if (file.errorString().isEmpty() || file.errorString() == QFile().errorString())
        return QStringLiteral("the file could not be written in full; the disk may be full");
    return file.errorString();
}

// A long document is written in parts of this size, each sent on to the disk at once, so
// the disk works while the rest is built and the final flush has little left to wait for.
constexpr qsizetype kPartBytes = qsizetype{1} << 20;

void startWritingToDisk(QFileDevice& file) {
#if defined(__linux__)
    ::sync_file_range(file.handle(), 0, 0, SYNC_FILE_RANGE_WRITE);
#else
    Q_UNUSED(file);
#endif
}

} // namespace

void frmSychLyrics::cmdSave_Click() {
    state.databasePath = DatabasePathIn(m_platform.programFolder);
    state.songFile = ui.songFolderBox->text() + ui.songFileBox->text();
    const QString name = ui.songFileBox->text();
    if (name.size() < 4)
        throw VersettaError(
            name.isEmpty()
                ? QStringLiteral("Open a song before saving its lyrics")
                : QStringLiteral("Cannot save: the song's name \"%1\" is too short to name a "
                                 "lyrics file beside it")
                      .arg(name));
    state.synchLyricsPath = LyricsFileOfFileBar();

    // The document goes to a new file that replaces the old one only once it is whole and on
    // the disk: a failure, a refused character included, leaves the old file whole.
    LyricsDocumentWriter writer(state.songFile);

    // Through a link, the regular file it names is replaced and the link stays; anything
    // else in the way (a device, a pipe, a link to nothing) is refused, never replaced.
    const auto refuse = [this](const QString& why) {
        return VersettaError(QStringLiteral("Cannot save the lyrics to %1: %2; the file there "
                                            "before is unchanged")
                                 .arg(shown(state.synchLyricsPath), why));
    };
    if (const QString kind = NonRegularKind(state.synchLyricsPath); !kind.isEmpty())
        throw refuse(QStringLiteral("it is %1, not a regular file").arg(kind));
    const QFileInfo existing(state.synchLyricsPath);
    const QString target =
        existing.isSymLink() ? existing.canonicalFilePath() : state.synchLyricsPath;

    QString note;
    QSaveFile file(target);
    if (file.open(QIODevice::WriteOnly)) {
        const auto send = [&](const QByteArray& part) {
            if (file.write(part) != part.size() || !file.flush()) {
                const int error = errno;
                throw refuse(whySaveFailed(file, error));
            }
            startWritingToDisk(file);
        };
        for (const SheetRow& row : m_sheet.rows()) {
            writer.addLine(row.number, row.secs, row.lyric);
            if (writer.pendingBytes() >= kPartBytes)
                send(writer.takeBytes());
        }
        send(writer.finish());
        if (!file.commit()) {
            const int error = errno;
            throw refuse(whySaveFailed(file, error));
        }
    } else if (const QFileInfo old(target);
               old.isFile() && old.isWritable() && !QFileInfo(old.absolutePath()).isWritable()) {
        // The folder takes no temporary file, but the file may be overwritten.
        QFile current;
        if (const QString why = OpenRegularFile(current, target); !why.isEmpty())
            throw refuse(why);
        const QByteArray before = current.readAll();
        current.close();
        for (const SheetRow& row : m_sheet.rows())
            writer.addLine(row.number, row.secs, row.lyric);
        const QByteArray document = writer.finish();
        if (const QString why = OverwriteInPlace(target, before, document); !why.isEmpty())
            throw VersettaError(
                QStringLiteral("Cannot save the lyrics to %1: %2").arg(shown(target), why));
        note = QStringLiteral("Saved %1 in place: its folder takes no temporary file, so the "
                              "save was not atomic")
                   .arg(shown(target));
    } else {
        const int error = errno;
        throw refuse(whySaveFailed(file, error));
    }

    for (QWidget* control :
         std::initializer_list<QWidget*>{ui.cmdAdjustSingle, ui.cmdAdjustAll, ui.txtAdjustSingle,
                                         ui.txtAdjustAll, ui.spnAdjustSingle, ui.spnAdjustAll})
        control->setEnabled(true);
    ui.cmdSave->setEnabled(false);
    if (!note.isEmpty())
        reportFailure(note);
}

void frmSychLyrics::ShowSynchLyrics(const QString& fileName) {
    const QString path = SynchLyricsFileName(fileName);
    const QString step = QStringLiteral("Load Lyrics File");

    QFile file;
    if (const QString why = OpenRegularFile(file, path); !why.isEmpty()) {
        m_sheet.load({}, step); // the old song's lines are not left to be saved as this one's
        throw VersettaError(
            QStringLiteral("Cannot read the lyrics file %1: %2").arg(shown(path), why));
    }
    SheetRowsRead content = ReadSheetRows(file);
    const std::size_t found = content.rows.size();
    m_sheet.load(std::move(content.rows), step); // keeps the first kMaxRows

    showLoadedSheet();
    showStatus(QString());

    // What was readable is shown; the status line says what was not. A note, not a failure:
    // thrown, it would end start-up before the player is set up.
    const QString name = QFileInfo(path).fileName();
    QString note;
    if (content.stoppedEarly)
        note = QStringLiteral("%1 is damaged at line %2, column %3 (%4); %5")
                   .arg(name)
                   .arg(content.problemLine)
                   .arg(content.problemColumn)
                   .arg(content.problem,
                        rowCount() == 0 ? QStringLiteral("no lines could be read from it")
                                        : QStringLiteral("the sheet shows the lines before that "
                                                         "point, and saving would drop the rest"));
    else if (!content.problem.isEmpty())
        note = QStringLiteral("%1, line %2, column %3: %4")
                   .arg(name)
                   .arg(content.problemLine)
                   .arg(content.problemColumn)
                   .arg(content.problem);
    else if (found > static_cast<std::size_t>(kMaxRows))
        note = QStringLiteral("%1 holds %2 lines; the sheet shows the first %3 and saving now "
                              "would drop the rest")
                   .arg(name)
                   .arg(found)
                   .arg(kMaxRows);
    if (!note.isEmpty())
        reportFailure(note);
}

void frmSychLyrics::showLoadedSheet() {
    setSortByHeader(false);
    ui.cmdAddLyrics->setVisible(false);
    for (QWidget* control :
         std::initializer_list<QWidget*>{ui.cmdAdjustSingle, ui.cmdAdjustAll, ui.txtAdjustSingle,
                                         ui.txtAdjustAll, ui.spnAdjustSingle, ui.spnAdjustAll})
        control->setEnabled(true);
    ui.picUnsynch->setVisible(false);
    ui.picSynch->setVisible(true);
}
