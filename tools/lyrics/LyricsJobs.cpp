#include "lyrics/LyricsJobs.h"

#include "core/Failure.h"
#include "core/PathRules.h"
#include "sources/SyncedTag.h"
#include "sources/TextFile.h"
#include "storage/AtomicFile.h"
#include "storage/Lrc.h"
#include "storage/LyricsXml.h"
#include "storage/RegularFile.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

constexpr int kMaxRows = 32767; // the sheet's limit, which the lyrics file keeps too

QString nameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

JobResult skipped(const QString& why) {
    return {JobResult::Skipped, why, {}, {}};
}

JobResult done(const QString& what) {
    return {JobResult::Done, what, {}, {}};
}

// The rows of the song's lyrics file; throws when it is damaged.
std::vector<SheetRow> readLyricsFile(const QString& xml) {
    QFile file;
    if (const QString why = OpenRegularFile(file, xml); !why.isEmpty())
        throw VersettaError(QStringLiteral("%1: %2").arg(nameOf(xml), why));
    const LyricsContent content = ReadLyricsDocument(file);
    if (content.stoppedEarly)
        throw VersettaError(QStringLiteral("%1: damaged at line %2, column %3 (%4)")
                                .arg(nameOf(xml))
                                .arg(content.problemLine)
                                .arg(content.problemColumn)
                                .arg(content.problem));
    return SheetRowsFromLyrics(content.lines);
}

JobResult exportLrc(const QString& song) {
    const QString xml = SynchLyricsFileName(song);
    if (!QFileInfo(xml).exists())
        return skipped(QStringLiteral("no lyrics file"));
    const std::vector<SheetRow> rows = readLyricsFile(xml);
    int marked = 0;
    const QByteArray bytes = WriteLrc(LrcHeaderOf(song), rows, &marked);
    if (marked == 0)
        return skipped(QStringLiteral("no marked lines in %1").arg(nameOf(xml)));
    const QString lrc = LrcFileName(song);
    const QString note = SaveLyricsFile(lrc, bytes);
    return done(QStringLiteral("wrote %1 (%2 timed lines)").arg(nameOf(lrc)).arg(marked) +
                (note.isEmpty() ? QString() : QStringLiteral("; ") + note));
}

JobResult embedSylt(const QString& song) {
    const QString xml = SynchLyricsFileName(song);
    if (!QFileInfo(xml).exists())
        return skipped(QStringLiteral("no lyrics file"));
    const std::vector<SheetRow> rows = readLyricsFile(xml);
    const std::vector<SyncedLine> lines = SyncedLinesFromRows(rows);
    if (lines.empty())
        return skipped(QStringLiteral("no marked lines in %1").arg(nameOf(xml)));
    QStringList text;
    for (const SheetRow& row : rows)
        text << row.lyric;
    SaveSyncedLyrics(song, lines, text.join(QLatin1Char('\n')));
    return done(QStringLiteral("wrote %1 timed lines into the tag").arg(lines.size()));
}

JobResult importLrc(const QString& song, bool force) {
    const QString lrc = LrcFileName(song);
    if (!QFileInfo(lrc).exists())
        return skipped(QStringLiteral("no LRC file"));
    const QString xml = SynchLyricsFileName(song);
    if (QFileInfo(xml).exists() && !force)
        return skipped(QStringLiteral("%1 exists (--force replaces it)").arg(nameOf(xml)));
    const std::vector<LrcLine> lines = ReadLrc(ReadLyricsFile(lrc));
    if (lines.empty())
        throw VersettaError(QStringLiteral("%1 holds no lyrics lines").arg(nameOf(lrc)));
    std::vector<SheetRow> rows = SheetRowsFromLrc(lines);
    if (rows.size() > static_cast<std::size_t>(kMaxRows))
        throw VersettaError(QStringLiteral("%1 holds %2 lines, more than a lyrics file's %3")
                                .arg(nameOf(lrc))
                                .arg(rows.size())
                                .arg(kMaxRows));
    LyricsDocumentWriter writer(song);
    for (const SheetRow& row : rows)
        writer.addLine(row.number, row.secs, row.lyric);
    const QString note = SaveLyricsFile(xml, writer.finish());
    return done(QStringLiteral("wrote %1 (%2 lines)").arg(nameOf(xml)).arg(rows.size()) +
                (note.isEmpty() ? QString() : QStringLiteral("; ") + note));
}

// One column of the check: "yes", "-" or "damaged", with the fault noted.
template <class Probe> QString probe(const QString& path, JobResult& result, Probe&& read) {
    if (!QFileInfo(path).exists() && NonRegularKind(path).isEmpty())
        return QStringLiteral("-");
    try {
        read();
        return QStringLiteral("yes");
    } catch (const VersettaError& error) {
        result.faults << error.message();
        return QStringLiteral("damaged");
    }
}

JobResult check(const QString& song) {
    JobResult result;
    const QString xml = SynchLyricsFileName(song);
    result.checkRow << probe(xml, result, [&] { readLyricsFile(xml); });
    try {
        const SongTagInfo info = ReadSongTagInfo(song);
        result.checkRow << (info.hasLyrics ? QStringLiteral("yes") : QStringLiteral("-"))
                        << (info.hasSyncedLyrics ? QStringLiteral("yes") : QStringLiteral("-"));
    } catch (const VersettaError& error) {
        result.checkRow << QStringLiteral("damaged") << QStringLiteral("damaged");
        result.faults << error.message();
    }
    const QString lrc = LrcFileName(song);
    result.checkRow << probe(lrc, result, [&] {
        if (ReadLrc(ReadLyricsFile(lrc)).empty())
            throw VersettaError(QStringLiteral("%1 holds no lyrics lines").arg(nameOf(lrc)));
    });
    if (!result.faults.isEmpty()) {
        result.outcome = JobResult::Failed;
        result.message = result.faults.join(QStringLiteral("; "));
    }
    return result;
}

} // namespace

JobResult RunJob(Command command, const QString& song, bool force) {
    try {
        switch (command) {
        case Command::ExportLrc:
            return exportLrc(song);
        case Command::EmbedSylt:
            return embedSylt(song);
        case Command::ImportLrc:
            return importLrc(song, force);
        case Command::Check:
            return check(song);
        }
    } catch (const VersettaError& error) {
        return {JobResult::Failed, error.message(), {}, {}};
    } catch (const std::exception& error) {
        return {JobResult::Failed, QString::fromLocal8Bit(error.what()), {}, {}};
    }
    return {JobResult::Failed, QStringLiteral("unknown command"), {}, {}};
}

QStringList CollectSongs(const QStringList& paths, QStringList& missing) {
    QStringList songs;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (info.isDir()) {
            // Links to folders are not followed: a link back up would never end.
            QDirIterator found(info.absoluteFilePath(), {QStringLiteral("*.mp3")}, QDir::Files,
                               QDirIterator::Subdirectories);
            QStringList inFolder;
            while (found.hasNext())
                inFolder << found.next();
            inFolder.sort();
            songs << inFolder;
        } else if (info.exists() || !NonRegularKind(path).isEmpty()) {
            songs << info.absoluteFilePath();
        } else {
            missing << path;
        }
    }
    return songs;
}
