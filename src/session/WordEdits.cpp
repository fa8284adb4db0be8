#include "session/WordEdits.h"

#include "align/Hyphenation.h"
#include "storage/Lrc.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>

namespace {

// A word or syllable shorter than this cannot be split or looped on its own.
constexpr qint64 kShortestMs = 20;
// How long a line or word plays when nothing after it has a time.
constexpr qint64 kLastWordMs = 1000;
constexpr qint64 kLastLineMs = 4000;
constexpr qint64 kOnsetReachMs = 80;

const SheetRow* rowAt(const std::vector<SheetRow>& rows, int position) {
    return position >= 1 && position <= static_cast<int>(rows.size())
               ? &rows[static_cast<std::size_t>(position - 1)]
               : nullptr;
}

// The next row's time after the row at position, if a later row has one.
std::optional<qint64> nextLineMs(const std::vector<SheetRow>& rows, int position) {
    for (auto p = static_cast<std::size_t>(position); p < rows.size(); ++p)
        if (const std::optional<qint64> ms = RowTimeMs(rows[p]))
            return ms;
    return std::nullopt;
}

// Where the timed word at index w of the row at position stops being sung: the next timed
// word's start, its own end, the next line's start, or a second on.
qint64 wordEndMs(const std::vector<SheetRow>& rows, int position, std::size_t w) {
    const std::vector<WordTime>& words = rows[static_cast<std::size_t>(position - 1)].words;
    for (std::size_t k = w + 1; k < words.size(); ++k)
        if (words[k].ms >= 0)
            return words[k].ms;
    if (words[w].endMs > words[w].ms)
        return words[w].endMs;
    const std::optional<qint64> next = nextLineMs(rows, position);
    return next && *next > words[w].ms ? *next : words[w].ms + kLastWordMs;
}

// The grapheme boundary of text nearest to at, inside it (1 .. size - 1); -1 for none.
qsizetype characterBoundary(const QString& text, qsizetype at) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype best = -1;
    for (qsizetype b = finder.toNextBoundary(); b > 0 && b < text.size();
         b = finder.toNextBoundary())
        if (best < 0 || std::abs(b - at) < std::abs(best - at))
            best = b;
    return best;
}

QString wordText(const SheetRow& row, const WordTime& word) {
    return row.lyric.mid(word.start, word.length);
}

} // namespace

QString MoveWordStart(LyricSheet& sheet, int position, int word, qint64 ms) {
    const SheetRow* row = rowAt(sheet.rows(), position);
    if (!row || word < 0 || word >= static_cast<int>(row->words.size()) ||
        row->words[static_cast<std::size_t>(word)].ms < 0)
        return QCoreApplication::translate(
            "WordEdits", "That word has no time yet: mark it with word marking on (Ctrl+W), or "
                         "take the line's suggested word times (Ctrl+Shift+W).");
    const QString text = wordText(*row, row->words[static_cast<std::size_t>(word)]);
    if (!sheet.moveWord(position, word, ms))
        return QCoreApplication::translate("WordEdits", "\"%1\" stayed at its time.").arg(text);
    return QCoreApplication::translate("WordEdits",
                                       "\"%1\" now starts at %2%3; Ctrl+Z puts it back.")
        .arg(text, PreciseTimeText(std::max<qint64>(0, ms)),
             word == 0
                 ? QCoreApplication::translate("WordEdits", ", and line %1 with it").arg(position)
                 : QString());
}

QString SplitWordAt(LyricSheet& sheet, int position, int word, qint64 ms) {
    const std::vector<SheetRow>& rows = sheet.rows();
    const SheetRow* row = rowAt(rows, position);
    if (!row || !row->hasWordTimes())
        return QCoreApplication::translate(
            "WordEdits", "Time the line's words first, then split one: mark them with word marking "
                         "on (Ctrl+W), or take their suggested times (Ctrl+Shift+W).");
    // The word being sung at ms: the one given if ms falls in it, else the last started.
    int at = -1;
    for (int k = 0; k < static_cast<int>(row->words.size()); ++k) {
        const WordTime& w = row->words[static_cast<std::size_t>(k)];
        if (w.ms >= 0 && w.ms < ms)
            at = k;
    }
    if (word >= 0 && word < static_cast<int>(row->words.size())) {
        const auto w = static_cast<std::size_t>(word);
        if (row->words[w].ms >= 0 && row->words[w].ms < ms && ms < wordEndMs(rows, position, w))
            at = word;
    }
    if (at < 0)
        return QCoreApplication::translate(
            "WordEdits", "Point inside a timed word in the strip to split it there.");
    const auto w = static_cast<std::size_t>(at);
    const WordTime piece = row->words[w];
    const QString text = wordText(*row, piece);
    const qint64 end = wordEndMs(rows, position, w);
    if (ms - piece.ms < kShortestMs || end - ms < kShortestMs)
        return QCoreApplication::translate("WordEdits", "Point further inside \"%1\" to split it.")
            .arg(text);
    const double share = static_cast<double>(ms - piece.ms) / static_cast<double>(end - piece.ms);
    const auto target =
        static_cast<qsizetype>(std::lround(share * static_cast<double>(text.size())));
    const std::vector<qsizetype> breaks = SyllableBreaks(text);
    qsizetype cut = -1;
    for (const qsizetype b : breaks)
        if (cut < 0 || std::abs(b - target) < std::abs(cut - target))
            cut = b;
    const bool hyphenated = cut > 0;
    if (!hyphenated)
        cut = characterBoundary(text, target);
    if (cut <= 0)
        return QCoreApplication::translate("WordEdits", "\"%1\" is too short to split.").arg(text);
    if (!sheet.splitWord(position, at, {{piece.start + cut, ms}}))
        return QCoreApplication::translate("WordEdits", "\"%1\" could not be split there.")
            .arg(text);
    return QCoreApplication::translate(
               "WordEdits", "Split \"%1\" into \"%2-%3\"%4 at %5; Ctrl+Z joins it again.")
        .arg(text, text.left(cut), text.mid(cut),
             hyphenated ? QString()
                        : QCoreApplication::translate("WordEdits",
                                                      " (one syllable: split at the pointer)"),
             PreciseTimeText(ms));
}

QString SyllablesShown(const LyricSheet& sheet, int position, int word) {
    const SheetRow* row = rowAt(sheet.rows(), position);
    if (!row || word < 0 || word >= static_cast<int>(row->words.size()) ||
        row->words[static_cast<std::size_t>(word)].ms < 0)
        return {};
    const QString text = wordText(*row, row->words[static_cast<std::size_t>(word)]);
    const std::vector<qsizetype> breaks = SyllableBreaks(text);
    if (breaks.empty())
        return {};
    QString shown = text;
    for (auto b = breaks.rbegin(); b != breaks.rend(); ++b)
        shown.insert(*b, QChar(0x00b7));
    return shown;
}

QString SplitIntoSyllables(LyricSheet& sheet, int position, int word,
                           const std::vector<qint64>& onsetsMs) {
    const std::vector<SheetRow>& rows = sheet.rows();
    const QString shown = SyllablesShown(sheet, position, word);
    if (shown.isEmpty())
        return QCoreApplication::translate("WordEdits",
                                           "That word has one syllable, or no time yet.");
    const auto w = static_cast<std::size_t>(word);
    const WordTime piece = rows[static_cast<std::size_t>(position - 1)].words[w];
    const QString text = wordText(rows[static_cast<std::size_t>(position - 1)], piece);
    const qint64 end = wordEndMs(rows, position, w);
    std::vector<LyricSheet::Syllable> starts;
    qint64 last = piece.ms;
    for (const qsizetype b : SyllableBreaks(text)) {
        // Shared out by letters: a long syllable is sung longer.
        qint64 ms = piece.ms + (end - piece.ms) * b / text.size();
        const auto onset = std::lower_bound(onsetsMs.begin(), onsetsMs.end(), ms - kOnsetReachMs);
        if (onset != onsetsMs.end() && std::abs(*onset - ms) <= kOnsetReachMs && *onset > last &&
            *onset < end)
            ms = *onset;
        if (ms <= last)
            ms = last + 1;
        starts.push_back({piece.start + b, ms});
        last = ms;
    }
    if (last >= end || !sheet.splitWord(position, word, starts))
        return QCoreApplication::translate("WordEdits",
                                           "\"%1\" is sung too briefly to split into syllables.")
            .arg(text);
    return QCoreApplication::translate("WordEdits",
                                       "Split \"%1\" into %2; drag each syllable to its start.")
        .arg(text, shown);
}

LoopSpan LoopSpanOf(const std::vector<SheetRow>& rows, int position, int word) {
    LoopSpan span;
    const SheetRow* row = rowAt(rows, position);
    if (!row)
        return span;
    if (word >= 0) {
        const auto w = static_cast<std::size_t>(word);
        if (w >= row->words.size() || row->words[w].ms < 0)
            return span;
        span.fromMs = row->words[w].ms;
        span.toMs = std::max(wordEndMs(rows, position, w), span.fromMs + kShortestMs);
        return span;
    }
    const std::optional<qint64> start = RowTimeMs(*row);
    if (!start)
        return span;
    span.fromMs = *start;
    qint64 last = *start;
    for (const WordTime& w : row->words)
        last = std::max(last, std::max(w.ms, w.endMs));
    const std::optional<qint64> next = nextLineMs(rows, position);
    span.toMs = next && *next > last ? *next : std::max(last + kLastWordMs, *start + kLastLineMs);
    return span;
}
