#include "storage/LyricsXml.h"

#include "core/Failure.h"
#include "core/PathRules.h"
#include "sheet/TimeText.h"
#include "storage/AtomicFile.h"
#include "storage/RegularFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>
#include <utility>

// ---- numbers -------------------------------------------------------------------------------

std::optional<double> NumericText(QStringView text) {
    const QStringView t = text.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    bool point = false;
    for (; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c >= u'0' && c <= u'9')
            ++digits;
        else if (c == u'.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

// A sign and up to 18 digits, nothing else: what this program writes. Read without the
// double a fraction needs, whose conversion took a quarter of a load.
static std::optional<std::int64_t> plainInteger(QStringView text) {
    const QStringView t = text.trimmed();
    qsizetype i = t.startsWith(u'+') || t.startsWith(u'-') ? 1 : 0;
    if (t.size() == i || t.size() - i > 18)
        return std::nullopt;
    std::int64_t value = 0;
    for (qsizetype k = i; k < t.size(); ++k) {
        const char16_t c = t[k].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return t[0] == u'-' ? -value : value;
}

template <class Whole> static std::optional<Whole> wholeNumber(QStringView text) {
    if (const std::optional<std::int64_t> whole = plainInteger(text)) {
        if (*whole < std::numeric_limits<Whole>::min() ||
            *whole > std::numeric_limits<Whole>::max())
            return std::nullopt;
        return static_cast<Whole>(*whole);
    }
    const std::optional<double> value = NumericText(text);
    if (!value)
        return std::nullopt;
    const std::int64_t rounded = RoundHalfEven(*value);
    if (rounded < std::numeric_limits<Whole>::min() || rounded > std::numeric_limits<Whole>::max())
        return std::nullopt;
    return static_cast<Whole>(rounded);
}

std::optional<std::int32_t> WholeSeconds(QStringView text) {
    return wholeNumber<std::int32_t>(text);
}

std::optional<std::int16_t> WholeLineNumber(QStringView text) {
    return wholeNumber<std::int16_t>(text);
}

// ---- writing -------------------------------------------------------------------------------

namespace {

bool allowedInXml(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// The entity for a character that cannot stand as itself: reserved characters everywhere,
// CR everywhere and tab and LF in attributes, since a parser would otherwise fold them.
QByteArrayView entityFor(char16_t c, bool attribute) {
    switch (c) {
    case u'&':
        return "&amp;";
    case u'<':
        return "&lt;";
    case u'>':
        return "&gt;";
    case u'"':
        return "&quot;";
    case u'\'':
        return "&apos;";
    case u'\r':
        return "&#13;";
    case u'\n':
        return attribute ? "&#10;" : "";
    case u'\t':
        return attribute ? "&#9;" : "";
    default:
        return "";
    }
}

// Printable ASCII that needs no entity, in texts and attributes alike.
constexpr std::array<bool, 0x80> kStandsAsItself = [] {
    std::array<bool, 0x80> table{};
    for (char32_t c = 0x20; c < 0x80; ++c)
        table[c] = c != u'&' && c != u'<' && c != u'>' && c != u'"' && c != u'\'';
    return table;
}();

// The most one UTF-16 unit becomes: "&quot;"; a surrogate pair gives 4 bytes for 2.
constexpr qsizetype kWorstPerUnit = 6;

// Writes text as escaped UTF-8 from p on (room for kWorstPerUnit bytes a unit must be there)
// and answers where it ended, or nothing, with bad set, at the first character XML cannot
// carry: NUL is such a character, so 0 cannot mean "all written".
char* escapeInto(char* p, QStringView text, bool attribute, char32_t& bad) {
    const auto byte = [&p](char32_t value) { *p++ = static_cast<char>(value); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (c < 0x80 && kStandsAsItself[c]) { // most of a lyric
            byte(c);
            continue;
        }
        if (c < 0x80) {
            if (const QByteArrayView entity = entityFor(static_cast<char16_t>(c), attribute);
                !entity.isEmpty()) {
                p = std::copy(entity.begin(), entity.end(), p);
                continue;
            }
            if (c < 0x20 && c != u'\t' && c != u'\n') {
                bad = c;
                return nullptr;
            }
            byte(c);
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(static_cast<char16_t>(c), text[++i].unicode());
        else if (QChar::isSurrogate(c) || !allowedInXml(c)) {
            bad = c;
            return nullptr;
        }
        if (c < 0x800) {
            byte(0xC0 | (c >> 6));
        } else if (c < 0x10000) {
            byte(0xE0 | (c >> 12));
            byte(0x80 | ((c >> 6) & 0x3F));
        } else {
            byte(0xF0 | (c >> 18));
            byte(0x80 | ((c >> 12) & 0x3F));
            byte(0x80 | ((c >> 6) & 0x3F));
        }
        byte(0x80 | (c & 0x3F));
    }
    return p;
}

// Room for need more bytes at the end of out, which grows by doubling; answers where they
// start. The caller cuts out back to what it wrote.
char* growBy(QByteArray& out, qsizetype need) {
    const qsizetype start = out.size();
    if (start + need > out.capacity())
        out.reserve(std::max(start + need, 2 * out.capacity()));
    out.resize(start + need);
    return out.data() + start;
}

// Appends text as escaped UTF-8, encoding straight into the buffer: one temporary per text
// costs more than the encoding itself. Answers the first character XML cannot carry (and
// appends nothing), or nothing.
std::optional<char32_t> appendEscaped(QByteArray& out, const QString& text, bool attribute) {
    const qsizetype start = out.size();
    char32_t bad = 0;
    const char* end = escapeInto(growBy(out, kWorstPerUnit * text.size()), text, attribute, bad);
    if (!end) {
        out.resize(start);
        return bad;
    }
    out.resize(end - out.constData());
    return std::nullopt;
}

QString unsupported(char32_t code) {
    return QStringLiteral("U+%1").arg(static_cast<uint>(code), 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace

// The document is built as UTF-8 in one growing buffer: a copy of a long document costs more
// than all the escaping.
LyricsDocumentWriter::LyricsDocumentWriter(const QString& filename) {
    m_bytes += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\r\n";
    // Title and Artist have no source yet; they stay empty.
    m_bytes += "<SynchronizedLyrics Title=\"\" Artist=\"\" Filename=\"";
    if (const std::optional<char32_t> bad = appendEscaped(m_bytes, filename, true))
        throw VersettaError(QCoreApplication::translate(
                                "LyricsXml", "The song's path holds a character a lyrics file "
                                             "cannot hold (%1); rename the song and save again")
                                .arg(unsupported(*bad)));
    m_bytes += "\">\r\n";
}

void LyricsDocumentWriter::addLine(const QString& number, const QString& secs,
                                   const QString& lyric) {
    if (m_count++ == 0)
        m_bytes += "<LYRICS>\r\n";
    // The whole line is written into room made once: growing the buffer for every tag and
    // text cost more than the escaping.
    static constexpr std::string_view tags[] = {
        "  <LINE>\r\n    <LineNumber>", "</LineNumber>\r\n    <TimeMarker>",
        "</TimeMarker>\r\n    <LyricLine>", "</LyricLine>\r\n  </LINE>\r\n"};
    const QString* texts[] = {&number, &secs, &lyric};
    qsizetype need = 0;
    for (const std::string_view tag : tags)
        need += static_cast<qsizetype>(tag.size());
    for (const QString* text : texts)
        need += kWorstPerUnit * text->size();
    const qsizetype start = m_bytes.size();
    char* p = growBy(m_bytes, need);
    for (std::size_t i = 0; i < 3; ++i) {
        p = std::copy(tags[i].begin(), tags[i].end(), p);
        char32_t bad = 0;
        p = escapeInto(p, *texts[i], false, bad);
        if (!p) {
            m_bytes.resize(start);
            throw VersettaError(QCoreApplication::translate(
                                    "LyricsXml",
                                    "Line %1 holds a character a lyrics file cannot hold (%2); "
                                    "remove it and save again")
                                    .arg(m_count)
                                    .arg(unsupported(bad)));
        }
    }
    p = std::copy(tags[3].begin(), tags[3].end(), p);
    m_bytes.resize(p - m_bytes.constData());
}

QByteArray LyricsDocumentWriter::finish() {
    m_bytes += m_count == 0 ? "<LYRICS />\r\n" : "</LYRICS>\r\n";
    m_bytes += "</SynchronizedLyrics>\r\n";
    return std::exchange(m_bytes, QByteArray());
}

// ---- reading -------------------------------------------------------------------------------

namespace {

// All the text inside the field whose start tag was just read, that of its child elements
// included, up to its end tag; kept only when keep is set, counted always. A loop, because
// QXmlStreamReader::readElementText recurses once per nested element and a deeply nested
// file would overflow the stack.
QString fieldText(QXmlStreamReader& xml, qsizetype& total, bool keep) {
    QString text;
    qsizetype length = 0;
    for (int open = 1; open > 0 && !xml.atEnd() && !xml.hasError();) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            ++open;
            break;
        case QXmlStreamReader::EndElement:
            --open;
            break;
        case QXmlStreamReader::Characters:
        case QXmlStreamReader::EntityReference:
            // Most fields are one piece of text: taken at its size, not grown.
            if (keep && text.isEmpty())
                text = xml.text().toString();
            else if (keep)
                text += xml.text();
            length += xml.text().size();
            total += xml.text().size();
            if (length > kMaxLyricChars)
                xml.raiseError(
                    QCoreApplication::translate("LyricsXml", "a lyric is longer than %1 characters")
                        .arg(kMaxLyricChars));
            else if (total > kMaxLyricsTextChars)
                xml.raiseError(QCoreApplication::translate(
                                   "LyricsXml", "its text comes to more than %1 characters")
                                   .arg(kMaxLyricsTextChars));
            break;
        default:
            break;
        }
    }
    return text;
}

// A character XML refuses that the reader could not see in Qt's message, which quotes it as it
// is (a NUL not at all): the fault's character, found again in the file, named by its code.
QString invisibleCharacterAt(QIODevice& device, const QXmlStreamReader& xml) {
    if (xml.error() != QXmlStreamReader::NotWellFormedError || device.isSequential() ||
        !device.seek(0))
        return {};
    const QByteArray start = device.peek(4);
    std::optional<QStringConverter::Encoding> encoding = QStringConverter::encodingForData(start);
    if (!encoding && !xml.documentEncoding().isEmpty())
        encoding = QStringConverter::encodingForName(xml.documentEncoding().toLatin1().constData());
    QStringDecoder decode(encoding.value_or(QStringConverter::Utf8));
    const qint64 wantedLine = xml.lineNumber();
    const qint64 column = xml.columnNumber();
    qint64 line = 1;
    QString text; // the fault's line, up to the fault
    while (!device.atEnd() && line <= wantedLine) {
        const QString chunk = decode(device.read(1 << 16));
        for (const QChar c : chunk) {
            if (c == u'\n' && ++line > wantedLine)
                break;
            if (line == wantedLine)
                text += c;
        }
        if (text.size() > column)
            break;
    }
    for (const qint64 at : {column - 1, column}) {
        if (at < 0 || at >= text.size())
            continue;
        const char16_t c = text[at].unicode();
        if (c < 0x20 && c != u'\t' && c != u'\r' && c != u'\n')
            return QCoreApplication::translate("LyricsXml",
                                               "a control character (%1), which XML does not allow")
                .arg(unsupported(c));
    }
    return {};
}

// The one walk every reader makes. The sink names the fields it cares about (key), takes
// each field of a line in turn and each line as it ends; a line cut short by a fault never
// ends, since half a line is not a line.
template <class Sink> void walkLyrics(QIODevice& device, LyricsReading& reading, Sink& sink) {
    QXmlStreamReader xml(&device);
    int depth = 0; // 1: the root, 2: its children, 3: line elements, 4: fields
    bool rootSeen = false;
    qsizetype total = 0; // characters of text read, entities expanded
    const auto note = [&](const QString& what) {
        if (!reading.problem.isEmpty())
            return;
        reading.problem = what;
        reading.problemLine = xml.lineNumber();
        reading.problemColumn = xml.columnNumber();
    };
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (depth == 1) {
                rootSeen = true;
            } else if (depth == 4) {
                auto key = sink.key(xml.name());
                QString text = fieldText(xml, total, Sink::keeps(key));
                --depth; // fieldText stopped on the field's end tag
                if (!xml.hasError())
                    sink.field(std::move(key), std::move(text));
            }
            break;
        case QXmlStreamReader::EndElement:
            if (depth == 3)
                sink.endLine();
            --depth;
            break;
        case QXmlStreamReader::Characters:
            total += xml.text().size();
            if (total > kMaxLyricsTextChars)
                xml.raiseError(QCoreApplication::translate(
                                   "LyricsXml", "its text comes to more than %1 characters")
                                   .arg(kMaxLyricsTextChars));
            else if (!xml.isWhitespace())
                note(QCoreApplication::translate("LyricsXml", "text between elements was skipped"));
            break;
        case QXmlStreamReader::DTD:
            // Every reference to an entity is expanded in full before it is handed over, so a
            // few declared in a small file could fill gigabytes before any bound on the text
            // acts. Lyrics files never declare any.
            if (!xml.entityDeclarations().isEmpty())
                xml.raiseError(QCoreApplication::translate(
                    "LyricsXml", "its document type declares entities, which a "
                                 "lyrics file never does"));
            break;
        default: // comments, processing instructions: nothing to read
            break;
        }
    }
    if (xml.hasError()) {
        reading.problem.clear();
        // "No root" only when the file ended before one; a fault met earlier (bytes that are
        // not text in the declared encoding, text instead of a tag) is named as it is.
        note(!rootSeen && xml.error() == QXmlStreamReader::PrematureEndOfDocumentError
                 ? QCoreApplication::translate("LyricsXml", "no root element")
                 : [&] {
                       const QString invisible = invisibleCharacterAt(device, xml);
                       return invisible.isEmpty() ? xml.errorString() : invisible;
                   }());
        reading.stoppedEarly = true;
    }
}

// Every field by name, as the document holds it.
struct FieldsSink {
    std::vector<LyricsLineFields>& lines;
    LyricsLineFields line;
    static QString key(QStringView name) { return name.toString(); }
    static bool keeps(const QString& /*name*/) { return true; }
    void field(QString name, QString text) { line.push_back({std::move(name), std::move(text)}); }
    void endLine() { lines.push_back(std::exchange(line, {})); }
};

enum class FieldKind { Time, Lyric, Other };

FieldKind kindOf(QStringView name) {
    if (name == QLatin1String("TimeMarker"))
        return FieldKind::Time;
    if (name == QLatin1String("LyricLine"))
        return FieldKind::Lyric;
    return FieldKind::Other;
}

// The sheet's rule, a field at a time: TimeMarker and LyricLine carry over from the line
// before; any other field name empties both.
struct SheetRowsSink {
    std::vector<SheetRow>& rows;
    QString time;                     // T
    QString lyric;                    // L
    std::optional<std::int32_t> secs; // T as a number
    int n = 0;
    static FieldKind key(QStringView name) { return kindOf(name); }
    static bool keeps(FieldKind kind) { return kind != FieldKind::Other; }
    void field(FieldKind kind, QString text) {
        if (kind == FieldKind::Time) {
            secs = WholeSeconds(text);
            time = std::move(text);
        } else if (kind == FieldKind::Lyric) {
            lyric = std::move(text);
        } else {
            time.clear();
            lyric.clear();
            secs.reset();
        }
    }
    void endLine() {
        SheetRow row{QString::number(++n), lyric, QString(), QString()};
        if (secs) {
            row.time = SecondsToTime(*secs);
            row.secs = time;
        }
        rows.push_back(std::move(row));
    }
};

enum class PreviewField { Number, Time, Lyric, Other };

// The preview's rule, a field at a time: only lines with a numeric TimeMarker give a row;
// number, time and lyric carry over; any other field name resets the time and the lyric. A
// LineNumber that is no 16-bit whole number ends the rows.
struct PreviewRowsSink {
    PreviewRows& result;
    std::int16_t number = 0; // N
    std::int32_t time = 0;   // S
    QString lyric;           // L
    qsizetype lines = 0;
    bool unmarked = false; // this line gets no row; its other fields are not read
    bool stopped = false;
    static PreviewField key(QStringView name) {
        if (name == QLatin1String("LineNumber"))
            return PreviewField::Number;
        if (name == QLatin1String("TimeMarker"))
            return PreviewField::Time;
        if (name == QLatin1String("LyricLine"))
            return PreviewField::Lyric;
        return PreviewField::Other;
    }
    static bool keeps(PreviewField kind) { return kind != PreviewField::Other; }
    void field(PreviewField kind, QString text) {
        if (stopped || unmarked)
            return;
        switch (kind) {
        case PreviewField::Number:
            if (const std::optional<std::int16_t> value = WholeLineNumber(text)) {
                number = *value;
            } else {
                result.badLineNumber = std::move(text);
                result.badLine = lines + 1;
                stopped = true;
            }
            break;
        case PreviewField::Time:
            if (const std::optional<std::int32_t> value = WholeSeconds(text))
                time = *value;
            else
                unmarked = true;
            break;
        case PreviewField::Lyric:
            lyric = std::move(text);
            break;
        case PreviewField::Other:
            time = 0;
            lyric.clear();
            break;
        }
    }
    void endLine() {
        if (!stopped && !unmarked)
            result.rows.push_back({number, time, lyric});
        unmarked = false;
        ++lines;
    }
};

} // namespace

LyricsContent ReadLyricsDocument(QIODevice& device) {
    LyricsContent content;
    FieldsSink sink{content.lines, {}};
    walkLyrics(device, content, sink);
    return content;
}

LyricsContent ReadLyricsDocument(const QByteArray& bytes) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return ReadLyricsDocument(buffer);
}

SheetRowsRead ReadSheetRows(QIODevice& device) {
    SheetRowsRead read;
    SheetRowsSink sink{read.rows, {}, {}, {}, 0};
    walkLyrics(device, read, sink);
    return read;
}

PreviewRowsRead ReadPreviewRows(QIODevice& device) {
    PreviewRowsRead read;
    PreviewRowsSink sink{read.preview, 0, 0, {}, 0, false, false};
    walkLyrics(device, read, sink);
    return read;
}

// ---- the readers' rules --------------------------------------------------------------------

std::vector<SheetRow> SheetRowsFromLyrics(const std::vector<LyricsLineFields>& lines) {
    std::vector<SheetRow> rows;
    rows.reserve(lines.size());
    SheetRowsSink sink{rows, {}, {}, {}, 0};
    for (const LyricsLineFields& line : lines) {
        for (const LyricsField& field : line)
            sink.field(kindOf(field.name), field.text);
        sink.endLine();
    }
    return rows;
}

PreviewRows PreviewRowsFromLyrics(const std::vector<LyricsLineFields>& lines) {
    PreviewRows result;
    PreviewRowsSink sink{result, 0, 0, {}, 0, false, false};
    for (const LyricsLineFields& line : lines) {
        for (const LyricsField& field : line)
            sink.field(PreviewRowsSink::key(field.name), field.text);
        sink.endLine();
        if (sink.stopped)
            break;
    }
    return result;
}

LyricsFileRows ReadLyricsFileRows(const QString& path) {
    constexpr std::size_t kSheetRows = 32767; // row numbers are 16-bit
    QFile file;
    if (const QString why = OpenRegularFile(file, path); !why.isEmpty())
        throw VersettaError(
            QCoreApplication::translate("LyricsXml", "Cannot read the lyrics file %1: %2")
                .arg(QDir::toNativeSeparators(path), why));
    SheetRowsRead content = ReadSheetRows(file);
    LyricsFileRows read;
    read.rows = std::move(content.rows);
    // What was readable is kept; the note says what was not.
    const QString name = QFileInfo(path).fileName();
    if (content.stoppedEarly) {
        read.damage =
            QCoreApplication::translate("LyricsXml", "%1 is damaged at line %2, column %3 (%4)")
                .arg(name, QString::number(content.problemLine),
                     QString::number(content.problemColumn), content.problem);
        read.note =
            (read.rows.empty()
                 ? QCoreApplication::translate("LyricsXml", "%1; no lines could be read from it")
                 : QCoreApplication::translate("LyricsXml",
                                               "%1; the sheet shows the lines before that "
                                               "point, and saving would drop the rest"))
                .arg(read.damage);
    } else if (!content.problem.isEmpty()) {
        read.note = QCoreApplication::translate("LyricsXml", "%1, line %2, column %3: %4")
                        .arg(name, QString::number(content.problemLine),
                             QString::number(content.problemColumn), content.problem);
    } else if (read.rows.size() > kSheetRows) {
        read.note =
            QCoreApplication::translate(
                "LyricsXml", "%1 holds %2 lines; the sheet shows the first %3 and saving now "
                             "would drop the rest")
                .arg(name, QString::number(read.rows.size()), QString::number(kSheetRows));
    }
    read.lines = read.rows.size();
    if (read.rows.size() > kSheetRows)
        read.rows.resize(kSheetRows);
    return read;
}

QString SaveSheetAsLyricsFile(const QString& song, const std::vector<SheetRow>& rows) {
    // A refused character stops the save before any file is touched.
    LyricsDocumentWriter writer(song);
    for (const SheetRow& row : rows)
        writer.addLine(row.number, row.secs, row.lyric);
    return SaveLyricsFile(SynchLyricsFileName(song), writer.finish());
}
