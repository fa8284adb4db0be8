#include "lyrics/SuggestJobs.h"

#include "align/Pronounce.h"
#include "align/SongAnalysis.h"
#include "core/Failure.h"
#include "core/PathRules.h"
#include "storage/LyricsXml.h"

#include <QFileInfo>

#include <memory>

namespace {

LyricAligner& threadAligner() {
    thread_local const std::unique_ptr<LyricAligner> aligner = std::make_unique<LyricAligner>();
    return *aligner;
}

struct SongLines {
    std::vector<SheetRow> rows;
    SheetToAlign aligned; // as the window's session gives its song to the analysis
};

// The rows of the song's lyrics file with their marks; throws when it is damaged.
SongLines readSong(const QString& song) {
    const QString xml = SynchLyricsFileName(song);
    LyricsFileRows read = ReadLyricsFileRows(xml);
    if (!read.damage.isEmpty())
        throw VersettaError(read.damage);
    SongLines song_;
    song_.rows = std::move(read.rows);
    song_.aligned = SheetToAlignOf(song_.rows);
    return song_;
}

QString seconds(qint64 ms) {
    return QString::number(static_cast<double>(ms) / 1000.0, 'f', 3);
}

} // namespace

JobResult SuggestJob(const QString& song, bool write) {
    const QString xml = SynchLyricsFileName(song);
    if (!QFileInfo(xml).exists())
        return {JobResult::Skipped, QStringLiteral("no lyrics file"), {}, {}, {}};
    SongLines read = readSong(song);
    const std::atomic<bool> never{false};
    const AnalysisResult analysis =
        AnalyseSong(threadAligner(), song, read.aligned.lines, read.aligned.marks, never);
    if (analysis.failed)
        throw VersettaError(analysis.status);
    JobResult result;
    const auto suggestionOf = [&](int line) -> const Suggestion* {
        for (const Suggestion& g : analysis.suggestions)
            if (g.line == line)
                return &g;
        return nullptr;
    };
    int written = 0;
    for (std::size_t i = 0; i < read.rows.size(); ++i) {
        SheetRow& row = read.rows[i];
        if (row.lyric.trimmed().isEmpty())
            continue; // a blank line is a pause, not a line to sing
        const QString prefix = song + u'\t' + QString::number(i + 1) + u'\t';
        if (const auto mark = read.aligned.marks.find(static_cast<int>(i));
            mark != read.aligned.marks.end()) {
            result.rows << prefix + seconds(mark->second) + QStringLiteral("\t1");
        } else if (const Suggestion* g = suggestionOf(static_cast<int>(i))) {
            result.rows << prefix + seconds(g->ms) + u'\t' +
                               (g->kind == Suggestion::Spread
                                    ? QStringLiteral("spread")
                                    : QString::number(g->confidence, 'f', 2));
            if (write) { // whole seconds, as Mark Line writes them
                row.secs = QString::number(g->ms / 1000);
                ++written;
            }
        }
    }
    result.message = analysis.status;
    if (write && written > 0) {
        const QString note = SaveSheetAsLyricsFile(song, read.rows);
        result.message =
            QStringLiteral("wrote %1 suggested times into %2")
                .arg(written)
                .arg(QFileInfo(xml).fileName()) +
            (note.isEmpty() ? QString() : QStringLiteral("; ") + note) +
            (analysis.status.isEmpty() ? QString() : QStringLiteral("; ") + analysis.status);
    }
    return result;
}

void CheckTimingJob(const QString& song, JobResult& result) {
    const QString xml = SynchLyricsFileName(song);
    if (!QFileInfo(xml).exists())
        return;
    SongLines read;
    try {
        read = readSong(song);
    } catch (const VersettaError&) {
        return; // the check's table names the damage already
    }
    if (read.aligned.marks.empty())
        return;
    const std::atomic<bool> never{false};
    const AnalysisResult analysis =
        AnalyseSong(threadAligner(), song, read.aligned.lines, read.aligned.marks, never);
    for (const TimingFlag& flag : analysis.flags)
        result.rows << QStringLiteral("%1: line %2 at %3 %4")
                           .arg(song, QString::number(flag.line + 1), seconds(flag.markMs),
                                flag.text());
}
