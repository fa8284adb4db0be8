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
// Two looks at a line closer than this agree.
constexpr qint64 kLooksAgreeMs = 1000;
// An unsure second look doubts a mark only this far outside it, and only where the first agrees.
constexpr qint64 kUnsureFarMs = 2000;
// One somewhat sure, found between the neighbouring marks, doubts a mark from this far out: a
// press off by seconds seldom lands within a second of where the line is found there, and a
// right one seldom misses it by more, even where the line's words were found only in part.
constexpr double kSomewhatSure = 0.2;
constexpr qint64 kSomewhatFarMs = 1200;
// Where the first look was about as sure as a second look must be, and the second found the
// line there too, two looks agree against the mark from this far out.
constexpr qint64 kBothFarMs = 1000;

// How far ms lies outside the stretch a mark stands for: a mark in whole seconds stands for
// the whole second after it.
qint64 outsideMs(qint64 markMs, qint64 ms) {
    return ms < markMs ? markMs - ms : std::max<qint64>(0, ms - MarkLatestMs(markMs));
}

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
            if (outsideMs(ms, found->ms) > kSlackMs)
                flag.offMs = ms - found->ms;
        }
        flag.noVoice = voice.surelySilent(ms, ms + 2000);
        if (flag.offMs != 0 || flag.noVoice)
            flags.push_back(flag);
    }
    return flags;
}

std::vector<TimingFlag> SecondLook(const Anchors& doubted, const std::vector<Suggestion>& first,
                                   const std::vector<Suggestion>& second, const VoiceMap& voice) {
    std::vector<Suggestion> judged = second;
    for (Suggestion& g : judged) {
        const auto mark = doubted.find(g.line);
        if (mark == doubted.end() || g.confidence >= kSecondLookConfidence)
            continue;
        const auto firstLook = std::find_if(first.begin(), first.end(), [&g](const Suggestion& f) {
            return f.line == g.line && f.kind != Suggestion::Spread;
        });
        const bool firstSure =
            firstLook != first.end() && firstLook->confidence >= kSecondLookConfidence;
        // Between the agreeing marks the decoder may lose a line the whole song placed surely
        // and far from its mark: the first look stands.
        if (g.kind == Suggestion::Spread) {
            if (firstSure && outsideMs(mark->second, firstLook->ms) > kUnsureFarMs)
                g = *firstLook;
            continue;
        }
        const qint64 outside = outsideMs(mark->second, g.ms);
        // Aligned again between marks that agree with the voice, the line can hardly be taken
        // for another: where the first look found it too, an unsure second look is believed,
        // from nearer where the first was surer.
        const bool agreed =
            firstLook != first.end() && std::abs(firstLook->ms - g.ms) <= kLooksAgreeMs;
        if ((agreed && outside > (firstSure ? kBothFarMs : kUnsureFarMs)) ||
            (g.confidence >= kSomewhatSure && outside > kSomewhatFarMs))
            g.confidence = kSecondLookConfidence;
    }
    return CheckTiming(doubted, judged, voice, kSecondLookConfidence);
}

Anchors TrustedAnchors(const Anchors& marks, const std::vector<TimingFlag>& doubted) {
    Anchors trusted = marks;
    for (const TimingFlag& flag : doubted)
        if (const auto at = trusted.find(flag.line);
            at != trusted.end() && at->second == flag.markMs)
            trusted.erase(at);
    return trusted;
}
