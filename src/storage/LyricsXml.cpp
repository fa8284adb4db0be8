#include "storage/LyricsXml.h"

#include "sheet/TimeText.h"
#include "window/Failure.h"

#include <QBuffer>
#include <QXmlStreamReader>

#include <limits>

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

template <class Whole> static std::optional<Whole> wholeNumber(QStringView text) {
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

const QString kNewline = QStringLiteral("\r\n");

bool allowedInXml(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// Appends text with every reserved character as an entity; CR always and tab and LF in
// attributes as references, since a parser would otherwise fold them. Answers the first
// character XML cannot carry, or 0 when there is none.
char32_t appendEscaped(QString& out, const QString& text, bool attribute) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case u'&':
            out += QLatin1String("&amp;");
            continue;
        case u'<':
            out += QLatin1String("&lt;");
            continue;
        case u'>':
            out += QLatin1String("&gt;");
            continue;
        case u'"':
            out += QLatin1String("&quot;");
            continue;
        case u'\'':
            out += QLatin1String("&apos;");
            continue;
        case u'\r':
            out += QLatin1String("&#13;");
            continue;
        case u'\n':
        case u'\t':
            if (attribute) {
                out += c == u'\n' ? QLatin1String("&#10;") : QLatin1String("&#9;");
                continue;
            }
            break;
        default:
            break;
        }
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(c, text[i + 1]);
            out += c;
            out += text[++i];
            continue;
        }
        if (c.isSurrogate() || !allowedInXml(code))
            return code;
        out += c;
    }
    return 0;
}

QString unsupported(char32_t code) {
    return QStringLiteral("U+%1").arg(static_cast<uint>(code), 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace

LyricsDocumentWriter::LyricsDocumentWriter(const QString& filename) : m_filename(filename) {}

void LyricsDocumentWriter::addLine(const QString& number, const QString& secs,
                                   const QString& lyric) {
    ++m_count;
    const auto field = [this](QLatin1String name, const QString& text) {
        m_lines += QLatin1String("    <") + name + QLatin1Char('>');
        if (const char32_t bad = appendEscaped(m_lines, text, false))
            throw VersettaError(
                QStringLiteral("Line %1 holds a character a lyrics file cannot hold (%2); "
                               "remove it and save again")
                    .arg(m_count)
                    .arg(unsupported(bad)));
        m_lines += QLatin1String("</") + name + QLatin1Char('>') + kNewline;
    };
    m_lines += QLatin1String("  <LINE>") + kNewline;
    field(QLatin1String("LineNumber"), number);
    field(QLatin1String("TimeMarker"), secs);
    field(QLatin1String("LyricLine"), lyric);
    m_lines += QLatin1String("  </LINE>") + kNewline;
}

QByteArray LyricsDocumentWriter::document() const {
    QString text;
    text.reserve(m_lines.size() + m_filename.size() + 200);
    text +=
        QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>") + kNewline;
    // Title and Artist have no source yet; they stay empty.
    text += QLatin1String("<SynchronizedLyrics Title=\"\" Artist=\"\" Filename=\"");
    if (const char32_t bad = appendEscaped(text, m_filename, true))
        throw VersettaError(QStringLiteral("The song's path holds a character a lyrics file "
                                           "cannot hold (%1); rename the song and save again")
                                .arg(unsupported(bad)));
    text += QLatin1String("\">") + kNewline;
    if (m_count == 0) {
        text += QLatin1String("<LYRICS />") + kNewline;
    } else {
        text +=
            QLatin1String("<LYRICS>") + kNewline + m_lines + QLatin1String("</LYRICS>") + kNewline;
    }
    text += QLatin1String("</SynchronizedLyrics>") + kNewline;
    return text.toUtf8();
}

// ---- reading -------------------------------------------------------------------------------

LyricsContent ReadLyricsDocument(QIODevice& device) {
    LyricsContent content;
    QXmlStreamReader xml(&device);
    int depth = 0; // 1: the root, 2: its children, 3: line elements, 4: fields
    bool rootSeen = false;
    bool lineOpen = false;
    const auto note = [&](const QString& what) {
        if (!content.problem.isEmpty())
            return;
        content.problem = what;
        content.problemLine = xml.lineNumber();
        content.problemColumn = xml.columnNumber();
    };
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (depth == 1) {
                rootSeen = true;
            } else if (depth == 3) {
                content.lines.emplace_back();
                lineOpen = true;
            } else if (depth == 4) {
                QString name = xml.name().toString();
                QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                --depth; // readElementText stopped on the field's end tag
                if (!xml.hasError())
                    content.lines.back().push_back({std::move(name), std::move(text)});
            }
            break;
        case QXmlStreamReader::EndElement:
            if (depth == 3)
                lineOpen = false;
            --depth;
            break;
        case QXmlStreamReader::Characters:
            if (!xml.isWhitespace())
                note(QStringLiteral("text between elements was skipped"));
            break;
        default: // comments, processing instructions, the document type: nothing to read
            break;
        }
    }
    if (xml.hasError()) {
        content.problem.clear();
        note(rootSeen ? xml.errorString() : QStringLiteral("no root element"));
        content.stoppedEarly = true;
        if (lineOpen)
            content.lines.pop_back(); // half a line is not a line
    }
    return content;
}

LyricsContent ReadLyricsDocument(const QByteArray& bytes) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return ReadLyricsDocument(buffer);
}

// ---- the readers' rules --------------------------------------------------------------------

std::vector<LyricsRow> SheetRowsFromLyrics(const std::vector<LyricsLineFields>& lines) {
    std::vector<LyricsRow> rows;
    rows.reserve(lines.size());
    QString time;  // T
    QString lyric; // L
    int n = 0;
    for (const LyricsLineFields& line : lines) {
        for (const LyricsField& field : line) {
            if (field.name == QLatin1String("TimeMarker")) {
                time = field.text;
            } else if (field.name == QLatin1String("LyricLine")) {
                lyric = field.text;
            } else {
                time.clear();
                lyric.clear();
            }
        }
        LyricsRow row{QString::number(++n), lyric, QString(), QString()};
        if (const std::optional<std::int32_t> secs = WholeSeconds(time)) {
            row.time = SecondsToTime(*secs);
            row.secs = time;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

PreviewRows PreviewRowsFromLyrics(const std::vector<LyricsLineFields>& lines) {
    PreviewRows result;
    std::int16_t number = 0; // N
    std::int32_t time = 0;   // S
    QString lyric;           // L
    for (std::size_t i = 0; i < lines.size(); ++i) {
        bool marked = true;
        for (const LyricsField& field : lines[i]) {
            if (field.name == QLatin1String("LineNumber")) {
                const std::optional<std::int16_t> value = WholeLineNumber(field.text);
                if (!value) {
                    result.badLineNumber = field.text;
                    result.badLine = static_cast<qsizetype>(i) + 1;
                    return result;
                }
                number = *value;
            } else if (field.name == QLatin1String("TimeMarker")) {
                const std::optional<std::int32_t> value = WholeSeconds(field.text);
                if (!value) {
                    marked = false; // an unmarked line has no row; its other fields are not read
                    break;
                }
                time = *value;
            } else if (field.name == QLatin1String("LyricLine")) {
                lyric = field.text;
            } else {
                time = 0;
                lyric.clear();
            }
        }
        if (marked)
            result.rows.push_back({number, time, lyric});
    }
    return result;
}
