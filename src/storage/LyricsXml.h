#pragma once

#include "sheet/SheetRow.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

class QIODevice;

// The synchronized lyrics document and the rules that turn it into rows, free of any window
// so they can be checked on their own.

// ---- numbers in the document -------------------------------------------------------------

// A decimal number with an optional sign and fraction, blanks allowed around it ("12",
// "-2", "+7", "12.5", ".5", " 3 "). No exponent, no group separators, no hex: a time marker
// is written by this program or by a person, never by a spreadsheet.
std::optional<double> NumericText(QStringView text);

// A numeric text taken to whole seconds, a half going to the even neighbour; nothing when it
// is not numeric or falls outside the signed 32-bit range.
std::optional<std::int32_t> WholeSeconds(QStringView text);

// A numeric text taken to a line number the same way; nothing outside the signed 16-bit range.
std::optional<std::int16_t> WholeLineNumber(QStringView text);

// ---- writing -----------------------------------------------------------------------------

// Builds the whole file in memory so it can be written in one go. With no lines the result
// is the four-line skeleton; with lines, the same declaration and root, one element a line,
// indented, every line ended by CR LF.
class LyricsDocumentWriter {
public:
    // filename: the song's full path, written into the root's Filename attribute. Throws
    // VersettaError when a text holds a character that XML 1.0 cannot carry.
    explicit LyricsDocumentWriter(const QString& filename);
    void addLine(const QString& number, const QString& secs, const QString& lyric);
    // The finished document, UTF-8; the writer is spent afterwards.
    QByteArray finish();

private:
    QByteArray m_bytes;
    int m_count = 0;
};

// ---- reading -----------------------------------------------------------------------------

// One child element of a line element: its local name and all the text inside it.
struct LyricsField {
    QString name;
    QString text;
};
using LyricsLineFields = std::vector<LyricsField>;

// What the document holds: every grandchild element of the root is a line, whatever its
// name. Comments and processing instructions are skipped. Stray text among the elements is
// skipped and noted; a document that is not well-formed stops the reading at the fault, with
// the lines read before it kept.
// A document whose type declares entities stops at the declaration, before anything is
// expanded. Bounds on the text: reading stops past them, as at a fault.
inline constexpr qsizetype kMaxLyricChars = qsizetype{16} * 1024 * 1024;      // one field
inline constexpr qsizetype kMaxLyricsTextChars = qsizetype{32} * 1024 * 1024; // the whole document

struct LyricsReading {
    QString problem; // empty when the document was read cleanly
    qint64 problemLine = 0;
    qint64 problemColumn = 0;
    bool stoppedEarly = false; // the document was not well-formed
};

struct LyricsContent : LyricsReading {
    std::vector<LyricsLineFields> lines;
};

LyricsContent ReadLyricsDocument(QIODevice& device);
LyricsContent ReadLyricsDocument(const QByteArray& bytes);

// The document read straight into sheet rows, by the rule of SheetRowsFromLyrics: a long
// file is read once, without its fields held in between.
struct SheetRowsRead : LyricsReading {
    std::vector<SheetRow> rows;
};

SheetRowsRead ReadSheetRows(QIODevice& device);

// ---- the two readers' rules --------------------------------------------------------------

// Rows for the sheet: numbered 1, 2, ... in document order; TimeMarker and LyricLine carry
// over from the line before; any other field name empties both.
std::vector<SheetRow> SheetRowsFromLyrics(const std::vector<LyricsLineFields>& lines);

struct PreviewRow {
    std::int16_t lineNumber = 0;
    std::int32_t timeMarker = 0;
    QString lyric;
    friend bool operator==(const PreviewRow&, const PreviewRow&) = default;
};

// Rows for the preview table: only lines with a numeric TimeMarker; number, time and lyric
// carry over; any other field name resets the time to 0 and the lyric to "". Reading stops at
// a LineNumber that is no 16-bit whole number, with the rows before it kept.
struct PreviewRows {
    std::vector<PreviewRow> rows;
    std::optional<QString> badLineNumber; // the offending text
    qsizetype badLine = 0;                // 1-based position of its line element
};

PreviewRows PreviewRowsFromLyrics(const std::vector<LyricsLineFields>& lines);

// The document read straight into preview rows, by the same rule. A LineNumber that ends the
// rows does not end the reading: a fault later in the document is still found.
struct PreviewRowsRead : LyricsReading {
    PreviewRows preview;
};

PreviewRowsRead ReadPreviewRows(QIODevice& device);

// ---- the song's lyrics file, for the window and the tool alike ---------------------------

struct LyricsFileRows {
    // The first 32767 lines read, as many as the sheet holds: what the window shows is what
    // every export and check works on.
    std::vector<SheetRow> rows;
    std::size_t lines = 0; // lines read, those past the 32767th too
    // "Song.xml is damaged at line 3, column 5 (...)" when the reading stopped early, or "".
    QString damage;
    // What the user must know about the rows read, for the status line: the damage and what
    // it leaves, a line that was passed over, lines beyond the sheet's reach; "" for none.
    QString note;
};

// Reads the lyrics file at path; throws VersettaError when it cannot be opened.
LyricsFileRows ReadLyricsFileRows(const QString& path);

// Writes rows as the lyrics file beside song, by the one save of every lyrics file; answers
// its note (how it was saved), or "". Throws before touching the file when a text cannot be
// written.
QString SaveSheetAsLyricsFile(const QString& song, const std::vector<SheetRow>& rows);
