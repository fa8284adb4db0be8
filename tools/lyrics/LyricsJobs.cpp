#include "lyrics/LyricsJobs.h"

#include "lyrics/SuggestJobs.h"

#include "core/AudioFormats.h"
#include "core/Failure.h"
#include "core/PathRules.h"
#include "session/PreciseTimes.h"
#include "sources/SyncedTag.h"
#include "sources/TextFile.h"
#include "storage/AtomicFile.h"
#include "storage/Lrc.h"
#include "storage/LyricsXml.h"
#include "storage/RegularFile.h"
#include "storage/Subtitles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <new>
#include <optional>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>

namespace {

QString nameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

JobResult skipped(const QString& why) {
    return {JobResult::Skipped, why, {}, {}, {}};
}

JobResult done(const QString& what) {
    return {JobResult::Done, what, {}, {}, {}};
}

// The song's lyrics file, read as the window reads it; throws when it cannot be read or is
// damaged: what the window would show of it is not the whole file.
LyricsFileRows readLyricsFile(const QString& xml) {
    LyricsFileRows read = ReadLyricsFileRows(xml);
    if (!read.damage.isEmpty())
        throw VersettaError(read.damage);
    return read;
}

// The lines of an LRC file; throws when it cannot be read or holds more than a lyrics file.
LrcContent readLrcFile(const QString& lrc) {
    LrcContent content = ReadLrc(ReadLyricsFile(lrc));
    if (content.tooLong)
        throw VersettaError(QStringLiteral("%1 holds more lines than a lyrics file's %2")
                                .arg(nameOf(lrc), QString::number(kMaxLrcLines)));
    return content;
}

// The lyrics file's rows with the precise times of the Song.lrc beside it, as the window opens
// them: of a longer file the first 32767, since an export of more would be a file the program
// cannot read back. taken's note says so, and why that Song.lrc was not used, or is "".
std::vector<SheetRow> readPreciseRows(const QString& song, PreciseTimesTaken& taken) {
    const QString xml = SynchLyricsFileName(song);
    LyricsFileRows read = readLyricsFile(xml);
    taken = TakePreciseTimes(read.rows, LrcFileName(song));
    if (read.lines > read.rows.size()) {
        const QString cut =
            QStringLiteral("%1 holds %2 lines; the first %3 taken, as the window shows them")
                .arg(nameOf(xml), QString::number(read.lines), QString::number(read.rows.size()));
        taken.note = taken.note.isEmpty() ? cut : cut + QStringLiteral("; ") + taken.note;
    }
    return std::move(read.rows);
}

QString withNote(const QString& message, const QString& note) {
    return note.isEmpty() ? message : message + QStringLiteral("; ") + note;
}

JobResult exportLrc(const QString& song) {
    const QString xml = SynchLyricsFileName(song);
    if (!QFileInfo(xml).exists())
        return skipped(QStringLiteral("no lyrics file"));
    PreciseTimesTaken precise;
    const std::vector<SheetRow> rows = readPreciseRows(song, precise);
    int marked = 0;
    // Milliseconds stay milliseconds: the file it replaces may be where they are kept.
    const QByteArray bytes = WriteLrc(LrcHeaderOf(song), rows, &marked, precise.milliseconds);
    if (marked == 0)
        return skipped(QStringLiteral("no marked lines in %1").arg(nameOf(xml)));
    const QString lrc = LrcFileName(song);
    const QString note = SaveLyricsFile(lrc, bytes);
    return done(withNote(
        QStringLiteral("wrote %1 (%2 timed lines)").arg(nameOf(lrc), QString::number(marked)) +
            (note.isEmpty() ? QString() : QStringLiteral("; ") + note),
        precise.note));
}

JobResult exportSubtitles(const QString& song, SubtitleFormat format) {
    const QString xml = SynchLyricsFileName(song);
    if (!QFileInfo(xml).exists())
        return skipped(QStringLiteral("no lyrics file"));
    PreciseTimesTaken precise;
    const std::vector<SheetRow> rows = readPreciseRows(song, precise);
    const LrcHeader header = LrcHeaderOf(song);
    const SubtitleCues cues = SubtitleCuesOf(rows, header.lengthMs);
    if (cues.cues.empty())
        return skipped(QStringLiteral("no marked lines in %1").arg(nameOf(xml)));
    const QString path = SubtitleFileName(song, format);
    const QString note = SaveLyricsFile(
        path, WriteSubtitles(format, cues,
                             header.title.trimmed().isEmpty() ? QFileInfo(song).completeBaseName()
                                                              : header.title));
    const QString left = cues.unmarked > 0
                             ? QStringLiteral(", %1 without a time left out").arg(cues.unmarked)
                             : QString();
    return done(withNote(QStringLiteral("wrote %1 (%2 lines%3)")
                                 .arg(nameOf(path), QString::number(cues.cues.size()), left) +
                             (note.isEmpty() ? QString() : QStringLiteral("; ") + note),
                         precise.note));
}

JobResult embedSylt(const QString& song) {
    const QString xml = SynchLyricsFileName(song);
    if (!QFileInfo(xml).exists())
        return skipped(QStringLiteral("no lyrics file"));
    PreciseTimesTaken precise;
    const std::vector<SheetRow> rows = readPreciseRows(song, precise);
    if (SyncedLinesFromRows(rows).empty())
        return skipped(QStringLiteral("no marked lines in %1").arg(nameOf(xml)));
    // The window's status text, in the tool's words: "wrote 2 timed lines into the tag of ...".
    QString wrote = SaveTimedLyrics(song, rows, true, precise.milliseconds);
    wrote[0] = wrote[0].toLower();
    wrote.chop(wrote.endsWith(u'.') ? 1 : 0);
    return done(withNote(wrote, precise.note));
}

JobResult importLrc(const QString& song, bool force) {
    const QString lrc = LrcFileName(song);
    if (!QFileInfo(lrc).exists())
        return skipped(QStringLiteral("no LRC file"));
    const QString xml = SynchLyricsFileName(song);
    if (QFileInfo(xml).exists() && !force)
        return skipped(QStringLiteral("%1 exists (--force replaces it)").arg(nameOf(xml)));
    const LrcContent content = readLrcFile(lrc);
    // What check calls damaged is no source of lines either: text or bytes that only bear the
    // name.
    if (content.stamped == 0)
        throw VersettaError(
            QStringLiteral("%1 holds no time stamps, so it is no LRC file").arg(nameOf(lrc)));
    const std::vector<SheetRow> rows = SheetRowsFromLrc(content.lines);
    const QString note = SaveSheetAsLyricsFile(song, rows);
    // The word times stay in the LRC file, which agrees with the lyrics file just written.
    return done(
        QStringLiteral("wrote %1 (%2 lines)").arg(nameOf(xml), QString::number(rows.size())) +
        (HoldsWordTimes(rows)
             ? QStringLiteral("; its word times stay in %1 beside it").arg(nameOf(lrc))
             : QString()) +
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
        // Lines without a stamp are no timed lyrics: text or bytes that only bear the name.
        if (readLrcFile(lrc).stamped == 0)
            throw VersettaError(
                QStringLiteral("%1 holds no time stamps, so it is no LRC file").arg(nameOf(lrc)));
    });
    if (!result.faults.isEmpty()) {
        result.outcome = JobResult::Failed;
        result.message = result.faults.join(QStringLiteral("; "));
    }
    return result;
}

} // namespace

JobResult RunJob(Command command, const QString& song, const JobOptions& options) {
    try {
        switch (command) {
        case Command::ExportLrc:
            return exportLrc(song);
        case Command::ExportSrt:
            return exportSubtitles(song, SubtitleFormat::Srt);
        case Command::ExportVtt:
            return exportSubtitles(song, SubtitleFormat::Vtt);
        case Command::ExportAss:
            return exportSubtitles(song, SubtitleFormat::Ass);
        case Command::EmbedSylt:
            return embedSylt(song);
        case Command::ImportLrc:
            return importLrc(song, options.force);
        case Command::Check: {
            JobResult result = check(song);
            if (options.timing)
                CheckTimingJob(song, result);
            return result;
        }
        case Command::Suggest:
            return SuggestJob(song, options.write);
        }
    } catch (const VersettaError& error) {
        return {JobResult::Failed, error.message(), {}, {}, {}};
    } catch (const std::bad_alloc&) {
        return {JobResult::Failed,
                QStringLiteral("not enough memory to work on this song"),
                {},
                {},
                {}};
    } catch (const std::exception& error) {
        return {JobResult::Failed, QString::fromLocal8Bit(error.what()), {}, {}, {}};
    }
    return {JobResult::Failed, QStringLiteral("unknown command"), {}, {}, {}};
}

namespace {

// The path as the program's QString paths carry it, or nothing when the bytes do not survive
// the trip (a name in Latin-1 on a UTF-8 system).
std::optional<QString> pathOf(const QByteArray& bytes) {
    QString path = QFile::decodeName(bytes);
    if (QFile::encodeName(path) != bytes)
        return std::nullopt;
    return path;
}

bool isSongName(QByteArrayView name) {
    return IsSongFile(QFile::decodeName(name.toByteArray()));
}

QString unreadableFolder(const QByteArray& folder, int error) {
    return QStringLiteral("%1: the folder could not be read (%2), so its songs were skipped")
        .arg(ShownName(folder), qt_error_string(error));
}

QString notUtf8(const QByteArray& path) {
    return QStringLiteral("%1: the name is not UTF-8, so the song was skipped; rename it to "
                          "work on it")
        .arg(ShownName(path));
}

// Every song file (core/AudioFormats.h) under folder, at any depth, read as bytes so that every
// name is seen. Hidden entries are passed over and links to folders not followed (a link back up
// would never end), as a file manager lists a folder.
void collectFolder(const QByteArray& top, QStringList& songs, QStringList& problems) {
    std::vector<QByteArray> folders{top};
    while (!folders.empty()) {
        const QByteArray folder = std::move(folders.back());
        folders.pop_back();
        DIR* dir = ::opendir(folder.constData());
        if (!dir) {
            problems << unreadableFolder(folder, errno);
            continue;
        }
        const QByteArray prefix = folder.endsWith('/') ? folder : folder + '/';
        for (;;) {
            errno = 0;
            const dirent* entry = ::readdir(dir);
            if (!entry) {
                if (errno != 0)
                    problems << unreadableFolder(folder, errno);
                break;
            }
            const QByteArrayView name(entry->d_name);
            if (name.startsWith('.'))
                continue;
            const QByteArray path = prefix + name.toByteArray();
            struct stat status {};
            if (::lstat(path.constData(), &status) != 0) { // a folder without search permission
                problems << unreadableFolder(folder, errno);
                break;
            }
            if (S_ISDIR(status.st_mode)) {
                folders.push_back(path);
            } else if (isSongName(name) && ::stat(path.constData(), &status) == 0 &&
                       S_ISREG(status.st_mode)) {
                if (const std::optional<QString> song = pathOf(path))
                    songs << *song;
                else
                    problems << notUtf8(path);
            }
        }
        ::closedir(dir);
    }
}

} // namespace

QStringList CollectSongs(const QList<QByteArray>& paths, QStringList& problems) {
    QStringList songs;
    for (const QByteArray& given : paths) {
        const std::optional<QString> path = pathOf(given);
        const QByteArray absolute =
            path ? QFile::encodeName(QFileInfo(*path).absoluteFilePath())
                 : (given.startsWith('/') ? given
                                          : QFile::encodeName(QDir::currentPath()) + '/' + given);
        struct stat status {};
        const bool found = ::stat(absolute.constData(), &status) == 0;
        const int error = errno;
        if (found && S_ISDIR(status.st_mode)) {
            QStringList inFolder;
            const qsizetype problemsBefore = problems.size();
            collectFolder(absolute, inFolder, problems);
            if (inFolder.isEmpty() && problems.size() == problemsBefore)
                problems << QStringLiteral("%1: no songs (%2) in this folder")
                                .arg(ShownName(given), SongFilePatterns().join(QLatin1Char(' ')));
            inFolder.sort();
            songs << inFolder;
        } else if (!found && ::lstat(absolute.constData(), &status) != 0) {
            problems << QStringLiteral("%1: %2").arg(
                ShownName(given), error == ENOENT ? QStringLiteral("no such file or folder")
                                                  : qt_error_string(error));
        } else if (!path) {
            problems << notUtf8(given);
        } else { // a file, or what stands in one's place: the job names what it is
            songs << QFile::decodeName(absolute);
        }
    }
    return songs;
}

QString ShownName(QByteArrayView name) {
    QString shown;
    for (qsizetype i = 0; i < name.size();) {
        // One character at a time: its bytes stand as they are when they decode to it and
        // encode back the same (an overlong form or a lone surrogate does not).
        const auto lead = static_cast<uchar>(name[i]);
        const qsizetype length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const QByteArrayView piece = name.sliced(i, std::min(length, name.size() - i));
        const QString character = QString::fromUtf8(piece);
        if ((lead >= 0x80 && lead < 0xC2) || lead > 0xF4 || character.toUtf8() != piece) {
            shown += QStringLiteral("\\x") +
                     QString::number(lead, 16).toUpper().rightJustified(2, QLatin1Char('0'));
            ++i;
        } else {
            shown += character;
            i += piece.size();
        }
    }
    return shown;
}
