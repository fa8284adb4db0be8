#include "storage/Subtitles.h"

#include "storage/Lrc.h"

#include <algorithm>

namespace {

constexpr QChar kJoiner(0x2060);

bool isBreak(QChar c) {
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// "01:02:03,456" (SubRip), "01:02:03.456" (WebVTT), "1:02:03.46" (ASS, centiseconds).
QString clock(qint64 ms, SubtitleFormat format) {
    const bool ass = format == SubtitleFormat::Ass;
    const qint64 units = ass ? (ms + 5) / 10 : ms;
    const qint64 perSecond = ass ? 100 : 1000;
    const qint64 secs = units / perSecond;
    return QStringLiteral("%1:%2:%3%4%5")
        .arg(secs / 3600, ass ? 1 : 2, 10, QLatin1Char('0'))
        .arg(secs / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(secs % 60, 2, 10, QLatin1Char('0'))
        .arg(QChar(format == SubtitleFormat::Srt ? u',' : u'.'))
        .arg(units % perSecond, ass ? 2 : 3, 10, QLatin1Char('0'));
}

// A lyric's text as the format carries it, put together piece by piece so that tags can go
// between the pieces. Runs of line breaks become one (a blank line would end a SubRip or
// WebVTT cue), and blanks that would start a line go with them.
class CueText {
public:
    CueText(QString& out, SubtitleFormat format) : m_out(out), m_format(format) {}

    void put(QStringView text) {
        for (const QChar c : text) {
            if (isBreak(c)) {
                m_pendingBreak = m_any;
                continue;
            }
            if (m_pendingBreak) {
                if (c.isSpace())
                    continue;
                m_out +=
                    m_format == SubtitleFormat::Ass ? QStringLiteral("\\N") : QStringLiteral("\n");
                m_pendingBreak = false;
            }
            m_any = true;
            putChar(c);
        }
    }

private:
    void putChar(QChar c) {
        switch (m_format) {
        case SubtitleFormat::Srt:
            // SubRip readers disagree on entities, take unknown tags away and often pass the
            // text on as ASS: the joiner keeps '<' and '&' from starting a tag or an entity, a
            // backslash from an ASS escape, and "-->" from reading as a timing line.
            if (c == u'>' && m_out.endsWith(QLatin1StringView("--")))
                m_out += kJoiner;
            m_out += c;
            if (c == u'<' || c == u'&' || c == u'\\')
                m_out += kJoiner;
            return;
        case SubtitleFormat::Vtt:
            if (c == u'<')
                m_out += QStringLiteral("&lt;");
            else if (c == u'&')
                m_out += QStringLiteral("&amp;");
            else if (c == u'>')
                m_out += QStringLiteral("&gt;");
            else
                m_out += c;
            // Players that pass the text on as ASS would take "\N" for a line break.
            if (c == u'\\')
                m_out += kJoiner;
            return;
        case SubtitleFormat::Ass:
            // A backslash before "N", "h", a brace or a tag after it would start an escape.
            if (c == u'{' || c == u'}')
                m_out += u'\\';
            m_out += c;
            if (c == u'\\')
                m_out += kJoiner;
            return;
        }
    }

    QString& m_out;
    SubtitleFormat m_format;
    bool m_any = false;
    bool m_pendingBreak = false;
};

struct TimedWord {
    qsizetype start;
    qint64 ms;
    qint64 endMs; // -1: sung until the next word
};

// The cue's timed words in text order, their places and times never going back and the times
// kept inside the cue.
std::vector<TimedWord> timedWords(const SubtitleCue& cue) {
    std::vector<TimedWord> timed;
    qint64 last = cue.startMs;
    qsizetype at = 0;
    for (const WordTime& word : cue.words) {
        if (word.ms < 0)
            continue;
        last = std::clamp(std::max(word.ms, last), cue.startMs, cue.endMs);
        at = std::max(at, word.start);
        timed.push_back({at, last, word.endMs});
    }
    return timed;
}

void appendText(QString& out, SubtitleFormat format, const SubtitleCue& cue) {
    CueText text(out, format);
    const QStringView lyric(cue.text);
    const std::vector<TimedWord> timed = timedWords(cue);
    if (timed.empty() || format == SubtitleFormat::Srt) {
        text.put(lyric);
        return;
    }
    if (format == SubtitleFormat::Vtt) {
        // Timestamp tags must lie inside the cue and grow.
        qint64 shown = cue.startMs;
        qsizetype done = 0;
        for (const TimedWord& word : timed) {
            if (word.ms <= shown || word.ms >= cue.endMs)
                continue;
            text.put(lyric.sliced(done, word.start - done));
            out += u'<' + clock(word.ms, format) + u'>';
            shown = word.ms;
            done = word.start;
        }
        text.put(lyric.sliced(done));
        return;
    }
    // ASS: {\kN} makes the next N centiseconds of the line one syllable. Boundaries are
    // rounded where they lie in the song, so that the durations add up to the line.
    const auto cs = [&cue](qint64 ms) { return (ms + 5) / 10 - (cue.startMs + 5) / 10; };
    const auto syllable = [&](qint64 from, qint64 to, QStringView part) {
        out += QStringLiteral("{\\k%1}").arg(cs(to) - cs(from));
        text.put(part);
    };
    if (timed.front().ms > cue.startMs || timed.front().start > 0)
        syllable(cue.startMs, timed.front().ms, lyric.first(timed.front().start));
    for (std::size_t k = 0; k < timed.size(); ++k) {
        const TimedWord& word = timed[k];
        const bool last = k + 1 == timed.size();
        const qint64 next = last ? cue.endMs : timed[k + 1].ms;
        const qsizetype to = last ? lyric.size() : timed[k + 1].start;
        const QStringView part = lyric.sliced(word.start, to - word.start);
        if (word.endMs > word.ms && word.endMs < next) {
            syllable(word.ms, word.endMs, part);
            syllable(word.endMs, next, {});
        } else {
            syllable(word.ms, next, part);
        }
    }
}

QString oneLine(QString text) {
    for (QChar& c : text)
        if (isBreak(c))
            c = u' ';
    return text.trimmed();
}

const char* const kAssHead = R"([V4+ Styles]
Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, BackColour, Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, Outline, Shadow, Alignment, MarginL, MarginR, MarginV, Encoding
Style: Default,Sans,64,&H00FFFFFF,&H00FFFFFF,&H00000000,&H80000000,0,0,0,0,100,100,0,0,1,3,1,2,60,60,60,1
Style: Karaoke,Sans,64,&H0000A5FF,&H00FFFFFF,&H00000000,&H80000000,0,0,0,0,100,100,0,0,1,3,1,2,60,60,60,1

[Events]
Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text
)";

} // namespace

SubtitleCues SubtitleCuesOf(const std::vector<SheetRow>& rows, qint64 songLengthMs) {
    SubtitleCues result;
    struct Marked {
        qint64 ms;
        const SheetRow* row;
    };
    std::vector<Marked> marked;
    for (const SheetRow& row : rows) {
        if (const std::optional<qint64> ms = RowTimeMs(row))
            marked.push_back({*ms, &row});
        else if (!row.lyric.trimmed().isEmpty())
            ++result.unmarked;
    }
    std::stable_sort(marked.begin(), marked.end(),
                     [](const Marked& a, const Marked& b) { return a.ms < b.ms; });
    for (auto it = marked.begin(); it != marked.end(); ++it) {
        const SheetRow& row = *it->row;
        const qsizetype lead = std::find_if(row.lyric.cbegin(), row.lyric.cend(),
                                            [](QChar c) { return !c.isSpace(); }) -
                               row.lyric.cbegin();
        if (lead == row.lyric.size())
            continue; // a marked blank line only ends the line before it
        SubtitleCue cue{it->ms, it->ms + kMaxSubtitleMs, row.lyric.trimmed()};
        if (row.hasWordTimes()) {
            cue.words = row.words;
            for (WordTime& word : cue.words)
                word.start = std::clamp<qsizetype>(word.start - lead, 0, cue.text.size());
            const auto lastTimed = std::find_if(row.words.rbegin(), row.words.rend(),
                                                [](const WordTime& w) { return w.ms >= 0; });
            cue.endMs =
                std::max(cue.endMs, lastTimed->endMs > lastTimed->ms ? lastTimed->endMs
                                                                     : lastTimed->ms + kLastWordMs);
        }
        const auto later = std::upper_bound(it, marked.end(), it->ms,
                                            [](qint64 ms, const Marked& m) { return ms < m.ms; });
        if (later != marked.end())
            cue.endMs = std::min(cue.endMs, later->ms);
        else if (songLengthMs > cue.startMs)
            cue.endMs = std::min(cue.endMs, songLengthMs);
        result.cues.push_back(std::move(cue));
    }
    return result;
}

QByteArray WriteSubtitles(SubtitleFormat format, const SubtitleCues& cues, const QString& title) {
    QString out;
    qsizetype size = 512;
    for (const SubtitleCue& cue : cues.cues)
        size += cue.text.size() + 64 + 24 * static_cast<qsizetype>(cue.words.size());
    out.reserve(size);
    switch (format) {
    case SubtitleFormat::Srt:
        break;
    case SubtitleFormat::Vtt:
        out += QStringLiteral("WEBVTT\n\n");
        break;
    case SubtitleFormat::Ass:
        out += QStringLiteral("[Script Info]\n; Velmora Versetta\n");
        if (const QString name = oneLine(title); !name.isEmpty())
            out += QStringLiteral("Title: %1\n").arg(name);
        out += QStringLiteral("ScriptType: v4.00+\nWrapStyle: 0\nScaledBorderAndShadow: yes\n"
                              "PlayResX: 1920\nPlayResY: 1080\n\n") +
               QString::fromLatin1(kAssHead);
        break;
    }
    int number = 0;
    for (const SubtitleCue& cue : cues.cues) {
        if (format == SubtitleFormat::Ass) {
            // Centiseconds: a line shorter than one still gets one.
            const qint64 end = std::max((cue.endMs + 5) / 10, (cue.startMs + 5) / 10 + 1) * 10;
            out += QStringLiteral("Dialogue: 0,%1,%2,%3,,0,0,0,,")
                       .arg(clock(cue.startMs, format), clock(end, format),
                            AnyWordTimed(cue.words) ? QStringLiteral("Karaoke")
                                                    : QStringLiteral("Default"));
            appendText(out, format, cue);
            out += u'\n';
            continue;
        }
        if (format == SubtitleFormat::Srt)
            out += QString::number(++number) + u'\n';
        out +=
            clock(cue.startMs, format) + QStringLiteral(" --> ") + clock(cue.endMs, format) + u'\n';
        appendText(out, format, cue);
        out += QStringLiteral("\n\n");
    }
    return out.toUtf8();
}

QString SubtitleSuffix(SubtitleFormat format) {
    switch (format) {
    case SubtitleFormat::Srt:
        return QStringLiteral("srt");
    case SubtitleFormat::Vtt:
        return QStringLiteral("vtt");
    case SubtitleFormat::Ass:
        break;
    }
    return QStringLiteral("ass");
}

QString SubtitleFileName(const QString& songPath, SubtitleFormat format) {
    const QString lrc = LrcFileName(songPath);
    return lrc.isEmpty() ? QString() : lrc.chopped(3) + SubtitleSuffix(format);
}
