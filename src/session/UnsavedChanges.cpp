#include "session/UnsavedChanges.h"

#include "core/Failure.h"
#include "session/PreciseTimes.h"
#include "storage/AtomicFile.h"
#include "storage/Lrc.h"
#include "storage/LyricsXml.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

// One name per song, from its whole path: songs of the same name in two folders differ.
QString UnsavedChanges::fileOf(const QString& song, const char* suffix) const {
    const QByteArray key = QCryptographicHash::hash(QFileInfo(song).absoluteFilePath().toUtf8(),
                                                    QCryptographicHash::Sha1)
                               .toHex()
                               .left(20);
    return m_folder + u'/' + QString::fromLatin1(key) + QLatin1String(suffix);
}

void UnsavedChanges::keep(const QString& song, const std::vector<SheetRow>& rows) const {
    if (m_folder.isEmpty())
        return;
    LyricsDocumentWriter writer(song);
    for (const SheetRow& row : rows)
        writer.addLine(row.number, row.secs, row.lyric);
    const QByteArray xml = writer.finish();
    int marked = 0;
    const QByteArray lrc = WriteLrc({}, rows, &marked, true);
    if (!QDir().mkpath(m_folder))
        throw VersettaError(
            QCoreApplication::translate("UnsavedChanges", "the folder %1 cannot be made")
                .arg(m_folder));
    QFile::remove(fileOf(song, ".lrc")); // times of an earlier keeping would not fit these
    SaveLyricsFile(fileOf(song, ".xml"), xml);
    if (marked > 0)
        SaveLyricsFile(fileOf(song, ".lrc"), lrc);
}

QDateTime UnsavedChanges::keptAt(const QString& song) const {
    if (m_folder.isEmpty())
        return {};
    const QFileInfo kept(fileOf(song, ".xml"));
    return kept.isFile() ? kept.lastModified() : QDateTime();
}

std::vector<SheetRow> UnsavedChanges::read(const QString& song) const {
    if (!keptAt(song).isValid())
        throw VersettaError(QCoreApplication::translate(
            "UnsavedChanges", "No unsaved changes to these lyrics were kept."));
    LyricsFileRows content = ReadLyricsFileRows(fileOf(song, ".xml"));
    TakePreciseTimes(content.rows, fileOf(song, ".lrc"));
    return std::move(content.rows);
}

void UnsavedChanges::forget(const QString& song) const {
    if (m_folder.isEmpty())
        return;
    QFile::remove(fileOf(song, ".xml"));
    QFile::remove(fileOf(song, ".lrc"));
}
