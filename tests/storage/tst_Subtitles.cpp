// Subtitles for a video, read back by ffmpeg's own SubRip, WebVTT and ASS demuxers and decoders:
// the times each line shows, its text, the karaoke tags; the tool's commands and their counts.

#include "session/SongSession.h"
#include "storage/LyricsXml.h"
#include "storage/Subtitles.h"
#include "support/Files.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <tuple>

namespace {

struct Cue {
    qint64 startMs;
    qint64 endMs;
    QString text;
    bool operator==(const Cue&) const = default;
    bool operator<(const Cue& other) const {
        return std::tie(startMs, text) < std::tie(other.startMs, other.text);
    }
};

QString ffmpeg(const QStringList& arguments, QString* error = nullptr) {
    QProcess process;
    process.start(QStringLiteral("ffmpeg"), QStringList{"-v", "error", "-nostdin"} + arguments);
    process.waitForFinished(-1);
    if (error)
        *error = QString::fromUtf8(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

qint64 srtTime(const QRegularExpressionMatch& m, int first) {
    return ((m.captured(first).toLongLong() * 60 + m.captured(first + 1).toLongLong()) * 60 +
            m.captured(first + 2).toLongLong()) *
               1000 +
           m.captured(first + 3).toLongLong();
}

// What ffmpeg reads from path, written out again as SubRip: times in milliseconds and the
// text as a player shows it. ffmpeg's decoders hand braces on as the ASS escapes "\{" and "\}",
// which libass shows as braces, and the invisible word joiner is nothing on screen.
std::vector<Cue> readBack(const QString& path) {
    QString error;
    const QString out =
        ffmpeg({"-i", path, "-f", "srt", "-"}, &error).replace(QStringLiteral("\r\n"), "\n");
    if (!error.isEmpty())
        qWarning("ffmpeg: %s", qPrintable(error));
    static const QRegularExpression timing(
        R"(^(\d+):(\d\d):(\d\d),(\d\d\d) --> (\d+):(\d\d):(\d\d),(\d\d\d)$)");
    static const QRegularExpression font(R"(</?font[^>]*>)");
    std::vector<Cue> cues;
    for (const QString& block : out.split(QStringLiteral("\n\n"), Qt::SkipEmptyParts)) {
        QStringList lines = block.split(u'\n');
        const QRegularExpressionMatch m = timing.match(lines.value(1));
        if (!m.hasMatch()) {
            cues.push_back({-1, -1, block});
            continue;
        }
        const QString text = lines.mid(2)
                                 .join(u'\n')
                                 .remove(font)
                                 .replace(QStringLiteral("\\{"), "{")
                                 .replace(QStringLiteral("\\}"), "}")
                                 .remove(QChar(0x2060));
        cues.push_back({srtTime(m, 1), srtTime(m, 5), text});
    }
    std::sort(cues.begin(), cues.end());
    return cues;
}

// The file as ffmpeg passes it through unchanged: the ASS dialogue texts or the WebVTT cues.
QString passedThrough(const QString& path) {
    return ffmpeg({"-i", path, "-c", "copy", "-f", path.endsWith(u".ass") ? "ass" : "webvtt", "-"})
        .remove(u'\r');
}

SheetRow marked(qint64 ms, const QString& lyric, std::vector<WordTime> words = {}) {
    return {QString(), lyric, QString(), QString::number(ms / 1000), ms, std::move(words)};
}

SheetRow unmarked(const QString& lyric) {
    return {QString(), lyric, QString(), QString()};
}

// The words of lyric timed at times (-1: untimed); ends, when given, where each is over.
std::vector<WordTime> timedWords(const QString& lyric, const std::vector<qint64>& times,
                                 const std::vector<qint64>& ends = {}) {
    std::vector<WordTime> words = WordsOf(lyric);
    for (std::size_t i = 0; i < words.size() && i < times.size(); ++i) {
        words[i].ms = times[i];
        words[i].endMs = i < ends.size() ? ends[i] : -1;
    }
    return words;
}

// ASS shows centiseconds.
qint64 toCs(qint64 ms) {
    return (ms + 5) / 10 * 10;
}

// Writes rows in every format and compares what ffmpeg reads with expected.
void readsBackAs(const std::vector<SheetRow>& rows, qint64 lengthMs, std::vector<Cue> expected) {
    QTemporaryDir folder;
    const SubtitleCues cues = SubtitleCuesOf(rows, lengthMs);
    std::sort(expected.begin(), expected.end());
    for (const SubtitleFormat format : kSubtitleFormats) {
        const QString path = writeFile(folder.filePath("Song." + SubtitleSuffix(format)),
                                       WriteSubtitles(format, cues, QStringLiteral("A title")));
        std::vector<Cue> want = expected;
        if (format == SubtitleFormat::Ass)
            for (Cue& cue : want)
                cue = {toCs(cue.startMs), toCs(cue.endMs), cue.text};
        const std::vector<Cue> got = readBack(path);
        QString shown;
        for (const Cue& cue : got)
            shown += QStringLiteral("%1-%2 [%3]\n").arg(cue.startMs).arg(cue.endMs).arg(cue.text);
        QVERIFY2(got == want, qPrintable(path + "\n" + shown));
    }
}

using Syllables = std::vector<std::pair<int, QString>>;

// The {\kN} syllables of each dialogue line: N and the text after the tag.
std::vector<Syllables> syllables(const QString& assText) {
    static const QRegularExpression dialogue(R"(^Dialogue: [^,]*,(?:[^,]*,){8}(.*)$)",
                                             QRegularExpression::MultilineOption);
    static const QRegularExpression tag(R"(\{\\k(\d+)\}([^{]*))");
    std::vector<Syllables> lines;
    for (const QRegularExpressionMatch& line : dialogue.globalMatch(assText)) {
        lines.emplace_back();
        for (const QRegularExpressionMatch& m : tag.globalMatch(line.captured(1)))
            lines.back().emplace_back(m.captured(1).toInt(), m.captured(2));
    }
    return lines;
}

QString writtenAss(const std::vector<SheetRow>& rows, QTemporaryDir& folder) {
    return passedThrough(writeFile(
        folder.filePath("Song.ass"),
        WriteSubtitles(SubtitleFormat::Ass, SubtitleCuesOf(rows), QStringLiteral("Song"))));
}

// Song.xml beside song, one line per "secs|lyric".
void writeXml(const QString& song, const QStringList& lines) {
    writeFile(QFileInfo(song).path() + "/Song.xml", lyricsFileOf(song, lines));
}

struct Run {
    int exitCode = -1;
    QString out;
};

Run lyricsTool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(VELMORA_LYRICS_TOOL), arguments);
    process.waitForFinished(-1);
    return {process.exitCode(),
            QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError())};
}

} // namespace

class SubtitlesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (ffmpeg({"-version"}).isEmpty())
            QSKIP("ffmpeg is not installed");
    }

    // A line ends where the next later one starts, after the limit, or where the song ends.
    void linesEnd() {
        readsBackAs(
            {marked(1500, "one"), marked(4250, "two"), unmarked("left out"), marked(9000, "three")},
            10000, {{1500, 4250, "one"}, {4250, 9000, "two"}, {9000, 10000, "three"}});
        // An instrumental break: the line goes after the limit; no length known, nor one that
        // is past: the last line shows as long as the limit lets it.
        for (const qint64 length : {qint64(-1), qint64(15000)})
            readsBackAs({marked(0, "before the break"), marked(20000, "after it")}, length,
                        {{0, kMaxSubtitleMs, "before the break"},
                         {20000, 20000 + kMaxSubtitleMs, "after it"}});
        // A marked blank line clears the screen; marks out of sheet order are shown in time
        // order; lines that start together show together until the next.
        readsBackAs({marked(1000, "a"), marked(3000, "  "), marked(10000, "late"),
                     marked(6000, "early"), marked(12000, "x"), marked(12000, "y"),
                     marked(12500, "z")},
                    13000,
                    {{1000, 3000, "a"},
                     {6000, 10000, "early"},
                     {10000, 12000, "late"},
                     {12000, 12500, "x"},
                     {12000, 12500, "y"},
                     {12500, 13000, "z"}});
    }

    void overAnHour() {
        // The last second a mark can hold, 9:06:07.
        readsBackAs({marked(3599990, "just under"), marked(3725500, "past an hour"),
                     marked(32767000, "nine hours on")},
                    -1,
                    {{3599990, 3599990 + kMaxSubtitleMs, "just under"},
                     {3725500, 3725500 + kMaxSubtitleMs, "past an hour"},
                     {32767000, 32767000 + kMaxSubtitleMs, "nine hours on"}});
    }

    // Every character reads back as it was, whatever markup it looks like in each format.
    void textReadsBack() {
        const QStringList lyrics{u"naïve ☃ 日本語の歌 مرحبا 🎵"_qs,
                                 "a <b>bold</b> & <i>c</i> <3",
                                 "x --> y",
                                 "&amp; &lt;not an entity&gt;",
                                 "{braces} and \\N and \\{ and back\\",
                                 "ends in a backslash\\"};
        std::vector<SheetRow> rows;
        std::vector<Cue> expected;
        for (qsizetype i = 0; i < lyrics.size(); ++i) {
            rows.push_back(marked(i * 2000, "  " + lyrics[i] + " "));
            expected.push_back({i * 2000, i * 2000 + 2000, lyrics[i]});
        }
        expected.back().endMs = 12000;
        readsBackAs(rows, 12000, expected);
        // A blank line inside a lyric would end the cue: the lines close up.
        readsBackAs({marked(0, "first line\n\n  \r\nsecond line")}, 1000,
                    {{0, 1000, "first line\nsecond line"}});
    }

    void nothingMarked() {
        const SubtitleCues cues =
            SubtitleCuesOf({unmarked("one"), unmarked(""), unmarked("two"), marked(5000, " ")});
        QVERIFY(cues.cues.empty());
        QCOMPARE(cues.unmarked, 2);
    }

    // Timed words: ASS karaoke syllables that add up to the line, WebVTT timestamp tags.
    void wordTimes() {
        QTemporaryDir folder;
        const QString lyric = "Hello big world";
        // The last word ends before the next line: a silent syllable fills the rest.
        QCOMPARE(
            syllables(writtenAss(
                {marked(2000, lyric, timedWords(lyric, {2000, 2600, 3100}, {-1, -1, 3900})),
                 marked(6000, "next")},
                folder)),
            (std::vector<Syllables>{{{60, "Hello "}, {50, "big "}, {80, "world"}, {210, ""}}, {}}));

        // An untimed first word waits with the line's start; an untimed word goes with the
        // timed one before it; a word timed before its line waits for the line.
        const QString ass =
            writtenAss({marked(12000, "Oh my love", timedWords("Oh my love", {-1, 12300, -1})),
                        marked(15000, "so late", timedWords("so late", {14000, 15500}))},
                       folder);
        QCOMPARE(syllables(ass), (std::vector<Syllables>{{{30, "Oh "}, {270, "my love"}},
                                                         {{50, "so "}, {650, "late"}}}));
        QVERIFY2(ass.count(",Karaoke,") == 2, qPrintable(ass));

        // Sung past the limit: the line lasts until its last word is over.
        const std::vector<SheetRow> long_{
            marked(0, "a long held note", timedWords("a long held note", {0, 1000, 2000, 8000}))};
        const QString path =
            writeFile(folder.filePath("Long.srt"),
                      WriteSubtitles(SubtitleFormat::Srt, SubtitleCuesOf(long_, 60000)));
        QCOMPARE(readBack(path), (std::vector<Cue>{{0, 8000 + kLastWordMs, "a long held note"}}));

        // No word timed: no tag at all.
        const QString plain = writtenAss({marked(1000, "no words timed")}, folder);
        QVERIFY2(!plain.contains("\\k") && plain.contains(",Default,,"), qPrintable(plain));

        // WebVTT: a timestamp tag before each word after the first; the text reads back whole.
        const QString vtt = writeFile(
            folder.filePath("Song.vtt"),
            WriteSubtitles(
                SubtitleFormat::Vtt,
                SubtitleCuesOf({marked(62000, lyric, timedWords(lyric, {62000, 62600, 63100}))})));
        const QString cue = passedThrough(vtt);
        QVERIFY2(cue.contains("Hello <00:01:02.600>big <00:01:03.100>world"), qPrintable(cue));
        QCOMPARE(readBack(vtt), (std::vector<Cue>{{62000, 62000 + kMaxSubtitleMs, lyric}}));
    }

    void fileNames() {
        QCOMPARE(SubtitleFileName("/m/Song.mp3", SubtitleFormat::Srt), "/m/Song.srt");
        QCOMPARE(SubtitleFileName("/m/Song.flac", SubtitleFormat::Vtt), "/m/Song.vtt");
        QCOMPARE(SubtitleFileName("/m/a.b.opus", SubtitleFormat::Ass), "/m/a.b.ass");
        QCOMPARE(SubtitleFileName("abc", SubtitleFormat::Ass), QString());
    }

    // The session writes all three; one that cannot be written names what was.
    void sessionWritesAllThree() {
        QTemporaryDir folder;
        SongSession session(nullptr, nullptr, folder.path(), QString());
        session.choose(folder.filePath("Song.flac"));
        session.sheet().load({marked(1000, "one"), unmarked("two"), unmarked("three")}, "Load");
        QCOMPARE(session.writeSubtitles(),
                 "Wrote Song.srt, Song.vtt and Song.ass beside the song: 1 line; 2 lines without "
                 "a time left out (mark them to include them).");
        for (const SubtitleFormat format : kSubtitleFormats)
            QCOMPARE(readBack(folder.filePath("Song." + SubtitleSuffix(format))),
                     (std::vector<Cue>{{1000, 1000 + kMaxSubtitleMs, "one"}}));

        const QString vtt = folder.filePath("Song.vtt");
        QVERIFY(QFile::setPermissions(vtt, QFile::ReadOwner));
        session.sheet().load({marked(2000, "changed")}, "Load");
        const QString failure = failureOf([&] { session.writeSubtitles(); });
        QVERIFY2(failure.startsWith("Wrote Song.srt, but not the rest: Cannot save the lyrics to " +
                                    vtt + ": the file is read-only"),
                 qPrintable(failure));
        QCOMPARE(readBack(folder.filePath("Song.srt")),
                 (std::vector<Cue>{{2000, 2000 + kMaxSubtitleMs, "changed"}}));
        QCOMPARE(readBack(vtt), (std::vector<Cue>{{1000, 1000 + kMaxSubtitleMs, "one"}}));
    }

    // The tool: one file per command, with the precise and word times of Song.lrc, counts of
    // what was left out, and nothing written for a sheet without marks.
    void tool() {
        QTemporaryDir folder;
        const QString song = writeFile(folder.filePath("Song.wav"), QByteArray(64, '\0'));
        writeXml(song, {"1|Hello big world", "|not yet", "4|end"});
        writeFile(folder.filePath("Song.lrc"),
                  "[00:01.250]<00:01.250>Hello <00:01.800>big <00:02.400>world\n"
                  "not yet\n[00:04.500]end\n");
        for (const SubtitleFormat format : kSubtitleFormats) {
            const QString suffix = SubtitleSuffix(format);
            const Run run = lyricsTool({"export-" + suffix, song});
            QCOMPARE(run.exitCode, 0);
            QVERIFY2(run.out.contains(
                         QStringLiteral("wrote Song.%1 (2 lines, 1 without a time left out)")
                             .arg(suffix)),
                     qPrintable(run.out));
            const std::vector<Cue> want{{1250, 4500, "Hello big world"},
                                        {4500, 4500 + kMaxSubtitleMs, "end"}};
            QCOMPARE(readBack(folder.filePath("Song." + suffix)), want);
        }
        const QString ass = passedThrough(folder.filePath("Song.ass"));
        QVERIFY2(ass.contains("{\\k55}Hello {\\k60}big {\\k210}world"), qPrintable(ass));

        writeXml(song, {"|nothing marked"});
        QFile::remove(folder.filePath("Song.lrc"));
        QFile::remove(folder.filePath("Song.srt"));
        const Run run = lyricsTool({"export-srt", song});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains("no marked lines in Song.xml") && run.out.contains("1 skipped"),
                 qPrintable(run.out));
        QVERIFY(!QFile::exists(folder.filePath("Song.srt")));
    }
};

QTEST_MAIN(SubtitlesTest)
#include "tst_Subtitles.moc"
