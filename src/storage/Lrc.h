#pragma once

#include "sheet/SheetRow.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <cstddef>
#include <optional>
#include <vector>

// LRC, the plain-text lyrics format other players read beside a song: "[mm:ss.xx]words" per
// line, with "[ti:...]"-style header tags.
//
// A lyric that other readers, or this one, would take for a stamp or a tag ("[2:30] is when
// she left", "[Intro: Someone]"), or whose blanks or word stamps they would drop, is written
// with kLrcVerbatim before it (after the line's stamp when it has one). The word joiner shows
// as nothing, and a line that starts with it matches no reader's stamp or tag; this reader
// drops it and takes the rest of the line as it stands.
inline constexpr char16_t kLrcVerbatim = 0x2060;

// The most lines an LRC text may give: a sheet's rows (16-bit row numbers).
inline constexpr std::size_t kMaxLrcLines = 32767;

// The time a row is exported at, in milliseconds: the exact mark while Secs still holds the
// second it was marked at, else Secs itself (a fraction after an adjustment); nothing for an
// unmarked row or a Secs that is no number. Negative times are taken as 0.
std::optional<qint64> RowTimeMs(const SheetRow& row);

// "mm:ss.xx" for ms, to the nearest centisecond, or "mm:ss.xxx" in milliseconds; from an hour
// on the minutes grow to three digits ("61:02.50").
QString LrcTime(qint64 ms, bool milliseconds = false);
void AppendLrcTime(QString& text, qint64 ms, bool milliseconds);
// The same as a line stamp: "[mm:ss.xx]".
QString LrcStamp(qint64 ms, bool milliseconds = false);

// The stamp at from: "[12:34]", "[12:34.5]", "[12:34.56]", "[ 12:34.567 ]", also with ':'
// before the fraction; a word stamp (word) is the same between '<' and '>', without blanks.
// Answers where it ends and puts its time in ms, or -1 when there is none. fractionDigits,
// when given, receives how many digits its fraction has.
qsizetype ReadLrcStamp(QStringView text, qsizetype from, bool word, qint64& ms,
                       int* fractionDigits = nullptr);

// The song the file is written for; empty texts and a negative length are left out.
struct LrcHeader {
    QString title;
    QString artist;
    QString album;
    qint64 lengthMs = -1;
};

// The whole LRC file, UTF-8 without a byte-order mark, lines ended by LF: the header tags,
// then one stamped line per marked row in sheet order and unmarked rows as plain lines. A
// line break inside a lyric becomes a blank; every other text reads back as it was. A row
// with word times gets word stamps (see LrcWords.h). marked, when given, receives how many
// rows were stamped; milliseconds writes stamps in milliseconds, else in centiseconds.
QByteArray WriteLrc(const LrcHeader& header, const std::vector<SheetRow>& rows,
                    int* marked = nullptr, bool milliseconds = false);

// One sheet line read from an LRC file. ms is -1 for a plain line without a stamp; words are
// its word times when it has word stamps.
struct LrcLine {
    qint64 ms = -1;
    QString text;
    std::vector<WordTime> words = {};
};

// What an LRC text reads as.
struct LrcContent {
    // One per stamp (a line with three stamps gives three, its word times moved along), in
    // time order (or the file's, when asked), "[offset:]" applied, word stamps ("<00:12.30>")
    // taken apart from the text, blanks around the text and blank lines and header tags
    // skipped. A plain line keeps its place after the stamped line before it, so an exported
    // sheet reads back whole. A line with word stamps and none of its own takes its first
    // word's time.
    std::vector<LrcLine> lines;
    std::size_t stamped = 0;   // lines with a stamp
    bool milliseconds = false; // some stamp has three digits after the point
    // More than kMaxLrcLines lines: the reading stopped there and lines is empty.
    bool tooLong = false;
};

// Reads in one pass; a text of more than kMaxLrcLines lines is given up as soon as that shows.
LrcContent ReadLrc(QStringView text, bool inFileOrder = false);

// Whether lyrics text (a tag's lyrics field) is LRC rather than plain lyrics: its first line
// that is not blank is a time stamp or a header tag ("[ar:Someone]"), and some line has a
// stamp. Plain lyrics that open with "[Chorus]" are not taken for it.
bool IsLrcText(QStringView text);

// Sheet rows as Mark Line would have left them: whole seconds rounded down in Secs, the Time
// text from them, the exact time and the word times kept; numbered 1, 2, ...
std::vector<SheetRow> SheetRowsFromLrc(const std::vector<LrcLine>& lines);

// The LRC file of a song: its path without its extension, then ".lrc", for a song file of
// any format (core/AudioFormats.h); else without the last four characters; "" for paths
// shorter than four.
QString LrcFileName(const QString& songPath);
