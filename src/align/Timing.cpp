#include "align/Timing.h"

#include "sheet/Amount.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

Anchors MarksOf(const std::vector<SheetRow>& rows) {
    Anchors marks;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].hasExactMark()) {
            marks[static_cast<int>(i)] = rows[i].markMs;
        } else if (const std::optional<double> secs = ReadSeconds(rows[i].secs);
                   secs && std::isfinite(*secs) && *secs >= 0 && *secs < 1e9) {
            marks[static_cast<int>(i)] = std::llround(*secs * 1000);
        }
    }
    return marks;
}

SheetToAlign SheetToAlignOf(const std::vector<SheetRow>& rows) {
    SheetToAlign sheet;
    sheet.lines.reserve(static_cast<qsizetype>(rows.size()));
    for (const SheetRow& row : rows)
        sheet.lines << row.lyric;
    sheet.marks = MarksOf(rows);
    return sheet;
}

bool SheetToAlign::hasWords() const {
    return std::any_of(lines.begin(), lines.end(),
                       [](const QString& line) { return !line.trimmed().isEmpty(); });
}

QString TimingFlag::text() const {
    QStringList parts;
    if (offMs != 0)
        parts << (offMs > 0 ? QCoreApplication::translate(
                                  "TimingFlag", "marked %1 s later than the voice suggests")
                            : QCoreApplication::translate(
                                  "TimingFlag", "marked %1 s earlier than the voice suggests"))
                     .arg(static_cast<double>(std::abs(offMs)) / 1000.0, 0, 'f', 1);
    if (noVoice)
        parts << QCoreApplication::translate("TimingFlag", "marked where no voice is heard");
    return parts.join(QCoreApplication::translate("TimingFlag", "; "));
}

namespace {

// How far a likely suggestion may lie outside the stretch a mark stands for before the mark
// is doubted: about the error of a likely suggestion and a late press together.
constexpr qint64 kSlackMs = 800;

} // namespace

std::vector<TimingFlag> CheckTiming(const Anchors& marks, const std::vector<Suggestion>& without,
                                    const VoiceMap& voice, double confidence) {
    std::vector<TimingFlag> flags;
    for (const auto& [line, ms] : marks) {
        TimingFlag flag{line, ms, 0, false};
        const auto found =
            std::find_if(without.begin(), without.end(),
                         [&flag](const Suggestion& g) { return g.line == flag.line; });
        if (found != without.end() && found->kind != Suggestion::Spread &&
            found->confidence >= confidence) {
            // A mark in whole seconds stands for the whole second after it.
            const qint64 end = ms % 1000 == 0 ? ms + 999 : ms;
            const qint64 outside =
                found->ms < ms ? ms - found->ms : std::max<qint64>(0, found->ms - end);
            if (outside > kSlackMs)
                flag.offMs = ms - found->ms;
        }
        flag.noVoice = voice.surelySilent(ms, ms + 2000);
        if (flag.offMs != 0 || flag.noVoice)
            flags.push_back(flag);
    }
    return flags;
}

Anchors TrustedAnchors(const Anchors& marks, const std::vector<TimingFlag>& doubted) {
    Anchors trusted = marks;
    for (const TimingFlag& flag : doubted)
        if (const auto at = trusted.find(flag.line);
            at != trusted.end() && at->second == flag.markMs)
            trusted.erase(at);
    return trusted;
}
