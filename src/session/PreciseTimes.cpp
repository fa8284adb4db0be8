#include "session/PreciseTimes.h"

#include "core/Failure.h"
#include "sheet/WordTimes.h"
#include "sources/TextFile.h"
#include "storage/Lrc.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace {

// A centisecond stamp may stand up to 5 ms off the time it was written from.
constexpr qint64 kStampSlackMs = 10;

QString oneLine(QString lyric) {
    return lyric.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
}

// Why lines do not agree with rows, or "" when they do.
QString disagreement(const std::vector<SheetRow>& rows, const std::vector<LrcLine>& lines) {
    if (rows.size() != lines.size())
        return QCoreApplication::translate("PreciseTimes", "it has %1 lines, the lyrics file %2")
            .arg(lines.size())
            .arg(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QString where = QCoreApplication::translate("PreciseTimes", "line %1").arg(i + 1);
        if (oneLine(rows[i].lyric) != lines[i].text)
            return QCoreApplication::translate("PreciseTimes", "%1 has other words").arg(where);
        const std::optional<qint64> secs =
            rows[i].secs.trimmed().isEmpty() ? std::nullopt : SecsMs(rows[i].secs);
        const qint64 ms = lines[i].ms;
        if (secs.has_value() != (ms >= 0))
            return (ms >= 0 ? QCoreApplication::translate("PreciseTimes",
                                                          "%1 is not marked in the lyrics file")
                            : QCoreApplication::translate("PreciseTimes",
                                                          "%1 is marked only in the lyrics file"))
                .arg(where);
        if (secs && !(*secs - kStampSlackMs <= ms && ms < *secs + 1000 + kStampSlackMs) &&
            !(*secs < 0 && ms == 0))
            return QCoreApplication::translate("PreciseTimes",
                                               "%1 is at %2, not in second %3 of the lyrics file")
                .arg(where, PreciseTimeText(ms), rows[i].secs);
    }
    return {};
}

} // namespace

PreciseTimesTaken TakePreciseTimes(std::vector<SheetRow>& rows, const QString& lrcPath) {
    const QString name = QFileInfo(lrcPath).fileName();
    if (lrcPath.isEmpty() || (!QFileInfo::exists(lrcPath) && !QFileInfo(lrcPath).isSymLink()))
        return {};
    PreciseTimesTaken taken;
    const auto refuse = [&](const QString& why) {
        taken.note =
            QCoreApplication::translate("PreciseTimes", "%1 was not used for precise times: %2.")
                .arg(name, why);
        return taken;
    };
    QString text;
    try {
        text = ReadLyricsFile(lrcPath);
    } catch (const VersettaError& error) {
        QString why = error.message();
        // A translated reason may end in its language's own full stop (Japanese "。").
        while (why.endsWith(u'.') || why.endsWith(u'\u3002'))
            why.chop(1);
        return refuse(why);
    }
    LrcContent content = ReadLrc(text, true);
    if (content.tooLong)
        return refuse(
            QCoreApplication::translate("PreciseTimes", "it holds more lines than a lyrics file"));
    // The program writes the sheet's order; another tool's file was read into it in time order.
    QString why = disagreement(rows, content.lines);
    if (!why.isEmpty()) {
        LrcContent sorted = ReadLrc(text);
        if (!disagreement(rows, sorted.lines).isEmpty())
            return refuse(QCoreApplication::translate("PreciseTimes",
                                                      "it does not match the lyrics file (%1)")
                              .arg(why));
        content = std::move(sorted);
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const LrcLine& line = content.lines[i];
        if (line.ms < 0)
            continue;
        const qint64 from = std::max<qint64>(0, SecsMs(rows[i].secs).value_or(0));
        rows[i].markMs = std::clamp(line.ms, from, from + 999);
        if (!rows[i].hasExactMark()) // Secs before the song's start: it is exported as 0
            rows[i].markMs = 0;
        rows[i].words = line.words;
    }
    taken.taken = true;
    taken.milliseconds = content.milliseconds;
    return taken;
}

bool HoldsWordTimes(const std::vector<SheetRow>& rows) {
    return std::any_of(rows.begin(), rows.end(),
                       [](const SheetRow& row) { return row.hasWordTimes(); });
}
