#include "storage/Lrc.h"

#include "sheet/TimeText.h"
#include "storage/LyricsXml.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

std::optional<qint64> RowTimeMs(const SheetRow& row) {
    if (row.hasExactMark())
        return row.markMs;
    const std::optional<double> secs = NumericText(row.secs);
    if (!secs || row.secs.trimmed().isEmpty())
        return std::nullopt;
    // Secs is a 32-bit whole number of seconds or a short fraction: no overflow here.
    return std::max<qint64>(0, std::llround(*secs * 1000));
}

QString LrcStamp(qint64 ms) {
    const qint64 cs = std::max<qint64>(ms, 0) / 10;
    return QStringLiteral("[%1:%2.%3]")
        .arg(cs / 6000, 2, 10, QLatin1Char('0'))
        .arg(cs / 100 % 60, 2, 10, QLatin1Char('0'))
        .arg(cs % 100, 2, 10, QLatin1Char('0'));
}

QByteArray WriteLrc(const LrcHeader& header, const std::vector<SheetRow>& rows, int* marked) {
    QString text;
    const auto tag = [&text](const char* name, const QString& value) {
        // A line break would end the tag and start a line of lyrics.
        const QString oneLine = QString(value)
                                    .replace(QLatin1Char('\r'), QLatin1Char(' '))
                                    .replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (!oneLine.trimmed().isEmpty())
            text += QStringLiteral("[%1:%2]\n").arg(QLatin1String(name), oneLine.trimmed());
    };
    tag("ti", header.title);
    tag("ar", header.artist);
    tag("al", header.album);
    if (header.lengthMs >= 0) {
        const qint64 secs = (header.lengthMs + 500) / 1000;
        tag("length", QStringLiteral("%1:%2")
                          .arg(secs / 60, 2, 10, QLatin1Char('0'))
                          .arg(secs % 60, 2, 10, QLatin1Char('0')));
    }
    tag("by", QStringLiteral("Velmora Versetta"));
    int stamped = 0;
    for (const SheetRow& row : rows) {
        // One sheet line is one LRC line.
        const QString lyric = QString(row.lyric).replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (const std::optional<qint64> ms = RowTimeMs(row)) {
            text += LrcStamp(*ms);
            ++stamped;
        }
        text += lyric + QLatin1Char('\n');
    }
    if (marked)
        *marked = stamped;
    return text.toUtf8();
}

namespace {

// "[12:34]", "[12:34.5]", "[12:34.56]", "[12:34.567]", also with ':' before the fraction.
const QRegularExpression& stampPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\[\s*(\d{1,4}):(\d{1,2})(?:[.:](\d{1,3}))?\s*\])"));
    return pattern;
}

qint64 stampMs(const QRegularExpressionMatch& match) {
    const QString fraction = match.captured(3);
    qint64 ms = (match.captured(1).toLongLong() * 60 + match.captured(2).toLongLong()) * 1000;
    if (!fraction.isEmpty())
        ms += fraction.toLongLong() * (fraction.size() == 1 ? 100 : fraction.size() == 2 ? 10 : 1);
    return ms;
}

struct Entry {
    qint64 sortMs;
    LrcLine line;
};

} // namespace

std::vector<LrcLine> ReadLrc(const QString& text) {
    static const QRegularExpression headerTag(QStringLiteral(R"(^\[([A-Za-z#]+):(.*)\]\s*$)"));
    static const QRegularExpression wordStamp(
        QStringLiteral(R"(<\d{1,4}:\d{1,2}(?:[.:]\d{1,3})?>)"));
    std::vector<Entry> entries;
    qint64 offset = 0;
    qint64 lastMs = -1; // where a plain line sorts: after the stamped line before it
    for (QStringView rawLine : QStringView(text).split(QLatin1Char('\n'))) {
        QString line = rawLine.toString();
        line.remove(QLatin1Char('\r'));
        if (line.startsWith(QChar(0xFEFF)))
            line.remove(0, 1);
        std::vector<qint64> stamps;
        // Most lines of a long file are lyrics: the patterns run only where they can match.
        while (line.startsWith(QLatin1Char('['))) {
            const QRegularExpressionMatch m = stampPattern().match(line);
            if (!m.hasMatch())
                break;
            stamps.push_back(stampMs(m));
            line.remove(0, m.capturedLength());
        }
        if (stamps.empty() && line.trimmed().startsWith(QLatin1Char('['))) {
            if (const QRegularExpressionMatch tag = headerTag.match(line.trimmed());
                tag.hasMatch()) {
                if (tag.captured(1).compare(QLatin1String("offset"), Qt::CaseInsensitive) == 0)
                    offset = tag.captured(2).trimmed().toLongLong();
                continue;
            }
        }
        if (line.contains(QLatin1Char('<')))
            line.remove(wordStamp);
        line = line.trimmed();
        if (stamps.empty()) {
            // Blank lines between sections carry nothing; other text is kept unmarked.
            if (!line.isEmpty())
                entries.push_back({lastMs, {-1, line}});
            continue;
        }
        for (const qint64 ms : stamps)
            entries.push_back({ms, {ms, line}});
        lastMs = stamps.back();
    }
    // A positive offset shows the lines earlier.
    for (Entry& entry : entries) {
        if (entry.sortMs >= 0)
            entry.sortMs = std::max<qint64>(0, entry.sortMs - offset);
        if (entry.line.ms >= 0)
            entry.line.ms = std::max<qint64>(0, entry.line.ms - offset);
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.sortMs < b.sortMs; });
    std::vector<LrcLine> lines;
    lines.reserve(entries.size());
    for (Entry& entry : entries)
        lines.push_back(std::move(entry.line));
    return lines;
}

std::vector<SheetRow> SheetRowsFromLrc(const std::vector<LrcLine>& lines) {
    std::vector<SheetRow> rows;
    rows.reserve(lines.size());
    for (const LrcLine& line : lines) {
        SheetRow row{QString::number(rows.size() + 1), line.text, {}, {}};
        if (line.ms >= 0) {
            const qint64 secs = std::min<qint64>(line.ms / 1000, 2147483647);
            row.secs = QString::number(secs);
            row.time = SecondsToTime(static_cast<std::int32_t>(secs));
            row.markMs = line.ms;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

QString LrcFileName(const QString& songPath) {
    return songPath.size() < 4 ? QString() : songPath.chopped(4) + QStringLiteral(".lrc");
}
