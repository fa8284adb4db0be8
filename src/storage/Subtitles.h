#pragma once

#include "sheet/SheetRow.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Subtitles for a video of the song: SubRip (Song.srt), WebVTT (Song.vtt) and Advanced
// SubStation Alpha (Song.ass, with karaoke tags where words are timed), written beside the
// song like Song.lrc.

enum class SubtitleFormat { Srt, Vtt, Ass };
inline constexpr SubtitleFormat kSubtitleFormats[] = {SubtitleFormat::Srt, SubtitleFormat::Vtt,
                                                      SubtitleFormat::Ass};

// The longest a line stays on screen when nothing later ends it sooner: subtitling's usual
// limit, which keeps a line from hanging over an instrumental break.
inline constexpr qint64 kMaxSubtitleMs = 7000;
// A line whose last timed word has no end of its own shows this long after that word starts.
inline constexpr qint64 kLastWordMs = 1000;

// One line on screen from startMs until endMs (endMs > startMs).
struct SubtitleCue {
    qint64 startMs = 0;
    qint64 endMs = 0;
    QString text;                  // the lyric, blanks around it trimmed; may hold line breaks
    std::vector<WordTime> words{}; // in text; empty when no word is timed
};

struct SubtitleCues {
    std::vector<SubtitleCue> cues; // by start; lines that start together keep sheet order
    int unmarked = 0;              // lyric lines without a time, left out
};

// The cues of the marked lines. A line ends at the first of: the start of the next later line
// (a marked blank line ends the one before it and shows nothing), the song's end (songLengthMs,
// -1 when unknown), and kMaxSubtitleMs after its start, or later while its timed words last.
SubtitleCues SubtitleCuesOf(const std::vector<SheetRow>& rows, qint64 songLengthMs = -1);

// The whole file, UTF-8 without a byte-order mark, lines ended by LF. A lyric reads back as
// it was. SubRip has no escapes its readers agree on: '<', '&' and '\' are followed by an
// invisible word joiner (U+2060), and "-->" has one before its '>'. WebVTT gets "&lt;",
// "&amp;", "&gt;", the joiner after a backslash, and timestamp tags for timed words. ASS gets
// "\{", "\}", "\N" for a line break, the joiner after a backslash, and {\k} syllables for
// timed words. title names the script in ASS.
QByteArray WriteSubtitles(SubtitleFormat format, const SubtitleCues& cues,
                          const QString& title = {});

// "srt", "vtt", "ass".
QString SubtitleSuffix(SubtitleFormat format);
// Named like the LRC file (storage/Lrc.h): the song's path with that suffix instead of its
// extension; "" for paths shorter than four.
QString SubtitleFileName(const QString& songPath, SubtitleFormat format);
