#include "storage/Lrc.h"

#include "core/AudioFormats.h"
#include "sheet/LyricSheet.h"
#include "sheet/TimeText.h"
#include "storage/LrcWords.h"
#include "storage/LyricsXml.h"

#include <algorithm>
#include <cmath>

static_assert(kMaxLrcLines == LyricSheet::kMaxRows);

std::optional<qint64> RowTimeMs(const SheetRow& row) {
    if (row.hasExactMark())
        return row.markMs;
    const std::optional<double> secs = NumericText(row.secs);
    if (!secs || row.secs.trimmed().isEmpty())
        return std::nullopt;
    // Secs is a 32-bit whole number of seconds or a short fraction: no overflow here.
    return std::max<qint64>(0, std::llround(*secs * 1000));
}

void AppendLrcTime(QString& text, qint64 ms, bool milliseconds) {
    ms = std::max<qint64>(ms, 0);
    // Cut off, a stamp would show its line up to 10 ms early. 59.995 s carries into the next
    // minute through cs.
    const qint64 units = milliseconds ? ms : ms / 10 + (ms % 10 >= 5 ? 1 : 0);
    const qint64 perSecond = milliseconds ? 1000 : 100;
    // Written by hand: a file of word stamps has hundreds of thousands of them.
    char digits[32];
    int n = 0;
    const auto put = [&](qint64 value, int width) {
        char reversed[20];
        int count = 0;
        do {
            reversed[count++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value > 0 || count < width);
        while (count > 0)
            digits[n++] = reversed[--count];
    };
    put(units / (60 * perSecond), 2);
    digits[n++] = ':';
    put(units / perSecond % 60, 2);
    digits[n++] = '.';
    put(units % perSecond, milliseconds ? 3 : 2);
    text.append(QLatin1StringView(digits, n));
}

QString LrcTime(qint64 ms, bool milliseconds) {
    QString text;
    AppendLrcTime(text, ms, milliseconds);
    return text;
}

QString LrcStamp(qint64 ms, bool milliseconds) {
    return u'[' + LrcTime(ms, milliseconds) + u']';
}

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// A run of 1 to most ASCII digits at i, taken whole; nothing for none or more.
std::optional<qint64> number(QStringView text, qsizetype& i, int most, int* count = nullptr) {
    const qsizetype start = i;
    qint64 value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        if (i - start == most)
            return std::nullopt;
        value = value * 10 + (text[i].unicode() - u'0');
    }
    if (count)
        *count = static_cast<int>(i - start);
    return i == start ? std::nullopt : std::optional(value);
}

} // namespace

qsizetype ReadLrcStamp(QStringView text, qsizetype from, bool word, qint64& ms,
                       int* fractionDigits) {
    qsizetype i = from;
    const auto at = [&](char16_t c) { return i < text.size() && text[i] == c; };
    const auto skipBlanks = [&] {
        while (!word && i < text.size() && text[i].isSpace())
            ++i;
    };
    if (!at(word ? u'<' : u'['))
        return -1;
    ++i;
    skipBlanks();
    const std::optional<qint64> minutes = number(text, i, 4);
    if (!minutes || !at(u':'))
        return -1;
    ++i;
    const std::optional<qint64> seconds = number(text, i, 2);
    if (!seconds)
        return -1;
    qint64 fraction = 0;
    int digits = 0;
    if (at(u'.') || at(u':')) {
        ++i;
        const std::optional<qint64> value = number(text, i, 3, &digits);
        if (!value)
            return -1;
        fraction = *value * (digits == 1 ? 100 : digits == 2 ? 10 : 1);
    }
    skipBlanks();
    if (!at(word ? u'>' : u']'))
        return -1;
    ms = (*minutes * 60 + *seconds) * 1000 + fraction;
    if (fractionDigits)
        *fractionDigits = digits;
    return i + 1;
}

namespace {

// Where the first word stamp in text from "from" on begins, or -1.
qsizetype findWordStamp(QStringView text, qsizetype from, qsizetype& end) {
    for (qsizetype i = text.indexOf(u'<', from); i >= 0; i = text.indexOf(u'<', i + 1)) {
        qint64 ms = 0;
        if ((end = ReadLrcStamp(text, i, true, ms)) >= 0)
            return i;
    }
    return -1;
}

// Whether the reader would not give text back as it is written: it would take it for
// stamps or a tag, trim it, skip it as a blank line, or drop a word stamp or a byte-order
// mark from it.
bool needsVerbatim(QStringView text, bool stamped) {
    if (text.isEmpty())
        return !stamped;
    qsizetype end = 0;
    const QChar first = text.front();
    return first == u'[' || first == kLrcVerbatim || first == QChar(0xFEFF) || first.isSpace() ||
           text.back().isSpace() || findWordStamp(text, 0, end) >= 0;
}

} // namespace

QByteArray WriteLrc(const LrcHeader& header, const std::vector<SheetRow>& rows, int* marked,
                    bool milliseconds) {
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
    // Grown once: a file of word stamps runs to megabytes, and regrowing it would copy them over
    // and over.
    qsizetype size = text.size();
    for (const SheetRow& row : rows)
        size += row.lyric.size() + 16 * (1 + static_cast<qsizetype>(row.words.size()));
    text.reserve(size);
    int stamped = 0;
    for (const SheetRow& row : rows) {
        // One sheet line is one LRC line.
        QString lyric = row.lyric;
        if (lyric.contains(u'\r') || lyric.contains(u'\n'))
            lyric.replace(QLatin1Char('\r'), QLatin1Char(' '))
                .replace(QLatin1Char('\n'), QLatin1Char(' '));
        const std::optional<qint64> ms = RowTimeMs(row);
        if (ms) {
            text += u'[';
            AppendLrcTime(text, *ms, milliseconds);
            text += u']';
            ++stamped;
        }
        if (ms && !row.words.empty() && row.words.front().ms >= 0) {
            AppendWordStampedText(text, lyric, row.words, milliseconds);
            text += u'\n';
            continue;
        }
        if (needsVerbatim(lyric, ms.has_value()))
            text += QChar(kLrcVerbatim);
        text += lyric + QLatin1Char('\n');
    }
    if (marked)
        *marked = stamped;
    return text.toUtf8();
}

namespace {

// The longest time a row holds (2^31 - 1 whole seconds): an offset past it moves every line
// as far, and no sum of a stamp and an offset can overflow.
constexpr qint64 kMaxOffsetMs = qint64{2147483647} * 1000;

// "[offset:+500]" in milliseconds; no number is no offset.
qint64 offsetMs(QStringView value) {
    value = value.trimmed();
    const bool negative = value.startsWith(u'-');
    if (negative || value.startsWith(u'+'))
        value = value.sliced(1);
    if (value.isEmpty())
        return 0;
    qint64 ms = 0;
    for (const QChar c : value) {
        if (!isDigit(c))
            return 0;
        ms = std::min(ms * 10 + (c.unicode() - u'0'), kMaxOffsetMs);
    }
    return negative ? -ms : ms;
}

// "[ar:Someone]": a name of letters (or '#'), a colon, anything up to the closing bracket.
bool isHeaderTag(QStringView line, QStringView& name, QStringView& value) {
    if (line.size() < 4 || line.front() != u'[' || line.back() != u']')
        return false;
    qsizetype colon = 1;
    while (colon < line.size() &&
           (line[colon] == u'#' || (line[colon].unicode() < 0x80 && line[colon].isLetter())))
        ++colon;
    if (colon == 1 || colon >= line.size() - 1 || line[colon] != u':')
        return false;
    name = line.sliced(1, colon - 1);
    value = line.sliced(colon + 1, line.size() - colon - 2);
    return true;
}

struct Entry {
    qint64 sortMs;
    LrcLine line;
};

} // namespace

LrcContent ReadLrc(QStringView text, bool inFileOrder) {
    LrcContent content;
    std::vector<Entry> entries;
    std::vector<qint64> stamps;
    qint64 offset = 0;
    qint64 lastMs = -1; // where a plain line sorts: after the stamped line before it
    // One pass over the text; a line is taken apart by index, never cut down from its front.
    for (qsizetype start = 0; start <= text.size();) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        QStringView line = text.sliced(start, end - start);
        start = end + 1;
        QString withoutReturns;
        if (line.contains(u'\r')) {
            withoutReturns = line.toString().remove(QLatin1Char('\r'));
            line = withoutReturns;
        }
        if (line.startsWith(QChar(0xFEFF)))
            line = line.sliced(1);
        stamps.clear();
        qsizetype at = 0;
        for (qint64 ms = 0; at < line.size() && line[at] == u'[';) {
            int digits = 0;
            const qsizetype next = ReadLrcStamp(line, at, false, ms, &digits);
            if (next < 0)
                break;
            content.milliseconds = content.milliseconds || digits == 3;
            stamps.push_back(ms);
            at = next;
            if (entries.size() + stamps.size() > kMaxLrcLines) {
                content.tooLong = true;
                return content;
            }
        }
        const QStringView rest = line.sliced(at);
        QString lyric;
        std::vector<WordTime> words;
        if (rest.startsWith(kLrcVerbatim)) {
            lyric = rest.sliced(1).toString();
        } else if (std::optional<WordStampedLine> timed;
                   rest.contains(u'<') &&
                   (timed = ReadWordStamps(rest, stamps.empty() ? -1 : stamps.front()))) {
            lyric = std::move(timed->lyric);
            words = std::move(timed->words);
            if (stamps.empty() && !words.empty()) { // the line's time is its first word's
                const auto first = std::find_if(words.begin(), words.end(),
                                                [](const WordTime& w) { return w.ms >= 0; });
                if (first != words.end())
                    stamps.push_back(words.front().ms = first->ms);
            }
            content.milliseconds = content.milliseconds || timed->milliseconds;
        } else {
            QStringView name;
            QStringView value;
            if (stamps.empty() && isHeaderTag(rest.trimmed(), name, value)) {
                if (name.compare(u"offset", Qt::CaseInsensitive) == 0)
                    offset = offsetMs(value);
                continue;
            }
            lyric = rest.trimmed().toString();
            // Blank lines between sections carry nothing; other text is kept unmarked.
            if (stamps.empty() && lyric.isEmpty())
                continue;
        }
        if (stamps.empty()) {
            if (entries.size() == kMaxLrcLines) {
                content.tooLong = true;
                return content;
            }
            entries.push_back({lastMs, {-1, lyric}});
            continue;
        }
        if (entries.size() + stamps.size() > kMaxLrcLines) {
            content.tooLong = true;
            return content;
        }
        // Word stamps time the line where it is first sung; each repeat takes them along.
        const qint64 first = *std::min_element(stamps.begin(), stamps.end());
        for (const qint64 ms : stamps) {
            entries.push_back({ms, {ms, lyric, words}});
            ShiftWords(entries.back().line.words, ms - first);
        }
        content.stamped += stamps.size();
        lastMs = stamps.back();
    }
    // A positive offset shows the lines earlier.
    for (Entry& entry : entries) {
        if (entry.sortMs >= 0)
            entry.sortMs = std::max<qint64>(0, entry.sortMs - offset);
        if (entry.line.ms >= 0)
            entry.line.ms = std::max<qint64>(0, entry.line.ms - offset);
        ShiftWords(entry.line.words, -offset);
    }
    if (!inFileOrder)
        std::stable_sort(entries.begin(), entries.end(),
                         [](const Entry& a, const Entry& b) { return a.sortMs < b.sortMs; });
    content.lines.reserve(entries.size());
    for (Entry& entry : entries)
        content.lines.push_back(std::move(entry.line));
    return content;
}

bool IsLrcText(QStringView text) {
    QStringView first;
    for (qsizetype start = 0; start < text.size() && first.isEmpty();) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        first = text.sliced(start, end - start).trimmed();
        start = end + 1;
    }
    if (first.startsWith(QChar(0xFEFF)))
        first = first.sliced(1);
    qint64 ms = 0;
    QStringView name;
    QStringView value;
    const bool opensLikeLrc =
        ReadLrcStamp(first, 0, false, ms) >= 0 || isHeaderTag(first, name, value);
    return opensLikeLrc && ReadLrc(text).stamped > 0;
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
            row.words = line.words;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

QString LrcFileName(const QString& songPath) {
    // Players look for Song.lrc beside Song.flac as beside Song.mp3: a song's extension goes
    // whole, whatever its length.
    if (IsSongFile(songPath))
        return songPath.left(songPath.lastIndexOf(u'.')) + QStringLiteral(".lrc");
    return songPath.size() < 4 ? QString() : songPath.chopped(4) + QStringLiteral(".lrc");
}
