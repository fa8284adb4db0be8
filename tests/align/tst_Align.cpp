#include "align/SongAnalysis.h"
#include "media/ModelCheck.h"
#include "media/SphinxRecogniser.h"
#include "session/SongSuggestions.h"
#include "storage/LyricsXml.h"
#include "support/Files.h"
#include "support/Rows.h"
#include "support/TestSession.h"

#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

// The aligner on songs made at test time: espeak-ng lines over a sox music bed with known
// starts (bench/make-align-songs.py) in four formats, silence, noise and files that are no song.
class Align : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_song; // six lines at +6 dB voice to music
    QStringList m_lines;
    std::vector<qint64> m_starts;
    const std::atomic<bool> m_never{false};

    static void run(const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        QVERIFY2(process.waitForFinished(120000) && process.exitCode() == 0,
                 qPrintable(program + ": " + process.readAllStandardError()));
    }
    QString made(const QString& name, const QStringList& soxEffects) {
        const QString wav = m_dir.filePath(name + ".wav");
        run("sox", QStringList{"-n", "-r", "22050", "-c", "1", wav} + soxEffects);
        run("lame", {"--quiet", wav, m_dir.filePath(name + ".mp3")});
        return m_dir.filePath(name + ".mp3");
    }
    // The song re-encoded by ffmpeg with the output options given.
    QString converted(const QString& path, const QStringList& options) {
        run("ffmpeg", QStringList{"-v", "error", "-y", "-i", m_song} + options + QStringList{path});
        return path;
    }
    // The song under a held chord as loud as the song itself, the band of many a ballad.
    QString underAChord(const QString& path) {
        const QString chord = m_dir.filePath("chord.wav");
        run("sox", {"-n", "-r", "22050", "-c", "1", chord, "synth", "40", "sine", "220", "sine",
                    "277.2", "sine", "329.6", "remix", "-", "vol", "0.3"});
        run("ffmpeg", {"-v", "error", "-y", "-i", m_song, "-i", chord, "-filter_complex",
                       "amix=inputs=2:duration=first:normalize=0", path});
        return path;
    }
    // The song sung in a large hall: its tail, nearly as loud as the voice, rings for seconds.
    QString inAHall(const QString& path) {
        const QString dry = m_dir.filePath("dry.wav");
        const QString wet = m_dir.filePath("hall.wav");
        run("ffmpeg", {"-v", "error", "-y", "-i", m_song, dry});
        run("sox", {dry, wet, "reverb", "95", "30", "100", "100", "40"});
        run("lame", {"--quiet", wet, path});
        return path;
    }
    std::pair<AnalysisResult, LyricAligner*> analyse(const QString& song, const QStringList& lines,
                                                     const Anchors& marks = {}) {
        static LyricAligner aligner;
        return {AnalyseSong(aligner, song, lines, marks, m_never), &aligner};
    }

private slots:
    void initTestCase() {
        run("/usr/bin/python3",
            {VELMORA_ALIGN_SONGS, m_dir.path(), "--seeds", "7", "--ratios", "6", "--lines", "6"});
        m_song = m_dir.filePath("seed7_+6dB/Song.mp3");
        for (const SheetRow& row : ReadLyricsFileRows(m_dir.filePath("seed7_+6dB/Song.xml")).rows)
            m_lines << row.lyric;
        QFile starts(m_dir.filePath("seed7_+6dB/Song.starts"));
        QVERIFY(starts.open(QIODevice::ReadOnly));
        for (const QByteArray& line : starts.readAll().split('\n'))
            if (!line.isEmpty())
                m_starts.push_back(std::llround(line.toDouble() * 1000));
        QCOMPARE(m_lines.size(), 6);
    }

    void linesLandNearTheirStarts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("options"); // ffmpeg's; none: the MP3 as made
        QTest::newRow("MP3, mono 22.05 kHz") << "" << QStringList();
        // The voice in the right channel only: the left alone would hold none of it.
        QTest::newRow("FLAC, stereo 44.1 kHz")
            << "song.flac" << QStringList{"-af", "pan=stereo|c1=c0", "-ar", "44100"};
        QTest::newRow("Opus, stereo 48 kHz")
            << "song.opus" << QStringList{"-ac", "2", "-c:a", "libopus", "-b:a", "96k"};
        QTest::newRow("M4A AAC, mono") << "song.m4a" << QStringList{"-c:a", "aac"};
        QTest::newRow("under a held chord") << "chord.mp3" << QStringList{"chord"};
        QTest::newRow("in a hall") << "hall.mp3" << QStringList{"hall"};
    }
    // A loose bound: a broken aligner is seconds off, a working one tens of milliseconds.
    void linesLandNearTheirStarts() {
        QFETCH(QString, name);
        QFETCH(QStringList, options);
        const QString song = name.isEmpty()                    ? m_song
                             : options == QStringList{"chord"} ? underAChord(m_dir.filePath(name))
                             : options == QStringList{"hall"}
                                 ? inAHall(m_dir.filePath(name))
                                 : converted(m_dir.filePath(name), options);
        const auto [result, aligner] = analyse(song, m_lines);
        QVERIFY2(result.status.isEmpty(), qPrintable(result.status));
        QCOMPARE(result.suggestions.size(), std::size_t{6});
        int near = 0;
        for (const Suggestion& g : result.suggestions)
            near += g.kind == Suggestion::Aligned && std::abs(g.ms - m_starts[g.line]) <= 500;
        QVERIFY2(near >= 5, qPrintable(QString::number(near)));
    }

    // Marks are never moved, suggestions stay between them, and a mark 1.5 s late is flagged
    // with how far and which way.
    void marksAreAnchorsAndAreChecked() {
        const Anchors marks{{0, m_starts[0]}, {3, m_starts[3] + 1500}};
        const auto [result, aligner] = analyse(m_song, m_lines, marks);
        QCOMPARE(result.suggestions.size(), std::size_t{4});
        for (const Suggestion& g : result.suggestions) {
            QVERIFY(!marks.contains(g.line));
            if (g.line < 3)
                QVERIFY(g.ms > marks.at(0) && g.ms < marks.at(3));
        }
        QCOMPARE(result.flags.size(), std::size_t{1});
        QCOMPARE(result.flags[0].line, 3);
        QVERIFY(result.flags[0].offMs > 1000 && result.flags[0].offMs < 2000);
        QVERIFY(result.flags[0].text().contains("later"));
        // The stretch after a new mark alone: lines 4 and 5 only.
        const std::vector<Suggestion> again =
            aligner->suggest({{0, m_starts[0]}, {3, m_starts[3]}, {4, m_starts[4]}}, 4, 5, m_never);
        QCOMPARE(again.size(), std::size_t{1});
        QCOMPARE(again[0].line, 5);
        QVERIFY(std::abs(again[0].ms - m_starts[5]) <= 500);
    }

    // Opening a FLAC song with its lyrics file starts the analysis, and its suggestions reach
    // the sheet; a song without lyrics, whose sheet shows only a caption, has none to align.
    void aSessionSuggestsForSongsWithLyrics() {
        TestSession t;
        std::vector<SheetRow> rows;
        for (const QString& line : m_lines)
            rows.push_back({QString::number(rows.size() + 1), line, "", ""});
        const QString song = converted(t.path("Song.flac"), {});
        SaveSheetAsLyricsFile(song, rows);
        SongSuggestions& suggestions = t.session.suggestions();
        t.session.open(song);
        QCOMPARE(t.sheet.count(), 6);
        QVERIFY(suggestions.running());
        QTRY_VERIFY_WITH_TIMEOUT(!suggestions.running(), 120000);
        int near = 0;
        for (int line = 0; line < 6; ++line) // the sheet numbers its rows from 1
            near += std::abs(t.sheet.suggestedMs(line + 1) - m_starts[line]) <= 500;
        QVERIFY2(near >= 5, qPrintable(QString::number(near)));
        QVERIFY(QFile::copy(m_song, t.path("Bare.mp3")));
        t.session.open(t.path("Bare.mp3"));
        QCOMPARE(t.sheet.rows()[0].lyric, "No Lyrics Found");
        QTRY_VERIFY(!suggestions.running()); // the sheet settles, and no analysis starts
        QVERIFY(t.sheet.hints().empty());
    }

    // Two windows open songs at once: each loads its own recogniser and aligns on its own
    // thread, and each gets what it would get alone.
    void songsAnalysedAtOnceAlignAsAlone() {
        const std::vector<Suggestion> alone = analyse(m_song, m_lines).first.suggestions;
        for (int round = 0; round < 3; ++round) {
            std::vector<std::vector<Suggestion>> together(3);
            std::vector<std::thread> threads;
            threads.reserve(together.size());
            for (auto& result : together)
                threads.emplace_back([&] {
                    LyricAligner aligner;
                    result = AnalyseSong(aligner, m_song, m_lines, {}, m_never).suggestions;
                });
            for (std::thread& thread : threads)
                thread.join();
            for (const auto& result : together) {
                QCOMPARE(result.size(), alone.size());
                for (std::size_t i = 0; i < alone.size(); ++i)
                    QCOMPARE(result[i].ms, alone[i].ms);
            }
        }
    }

    void aCancelledAnalysisLeavesNothing() {
        SongAnalysis analysis;
        QSignalSpy finished(&analysis, &SongAnalysis::finished);
        analysis.start(m_song, m_lines, {});
        analysis.start(m_song, m_lines, {}); // a new open cancels the first
        analysis.cancel();
        analysis.start(m_song, m_lines.mid(0, 2), {});
        QVERIFY(finished.wait(60000));
        QTest::qWait(100); // a cancelled job that still ends would report now
        QCOMPARE(finished.size(), 1);
        QCOMPARE(analysis.result().suggestions.size(), std::size_t{2});
        QVERIFY(!analysis.running());
        QSignalSpy realigned(&analysis, &SongAnalysis::realigned);
        analysis.realign(7, {{0, m_starts[0]}}, 0, 1);
        QVERIFY(realigned.wait(60000));
        QCOMPARE(realigned[0][0].toULongLong(), 7U);
        QCOMPARE(realigned[0][1].value<std::vector<Suggestion>>().size(), std::size_t{1});
    }

    void fallbacks_data() {
        QTest::addColumn<QString>("song");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("spread"); // suggestions, all spread; -1: no audio, none at all
        const QStringList two{"Hold my hand tonight", "Under the silver sky"};
        QFile garbage(m_dir.filePath("garbage.mp3"));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        for (int i = 0; i < 4096; ++i)
            garbage.write(QByteArray::number(i * 7919 % 251).repeated(3));
        garbage.close();
        QTest::newRow("model missing") << m_song << m_lines << QByteArray("/no/model")
                                       << "The English speech model is not installed" << 6;
        QTest::newRow("silence") << made("silence", {"trim", "0", "20"}) << two << QByteArray()
                                 << "Could not hear a voice clearly" << 2;
        QTest::newRow("noise") << made("noise", {"synth", "20", "whitenoise", "vol", "0.3"}) << two
                               << QByteArray() << "Could not hear a voice clearly" << 2;
        QTest::newRow("empty lyrics")
            << m_song << QStringList() << QByteArray() << "hold no words" << 0;
        QTest::newRow("blank lines")
            << m_song << QStringList{"", " \t", ""} << QByteArray() << "hold no words" << 1;
        QTest::newRow("punctuation only")
            << m_song << QStringList{"...", "!!! ?", "--"} << QByteArray() << "hold no words" << 3;
        QTest::newRow("not in Latin letters")
            << m_song << QStringList{"Νύχτα ψιθυρίζει χρυσή", "Σήμερα"} << QByteArray()
            << "mostly not in Latin letters" << 2;
        QTest::newRow("mark past the end")
            << made("short", {"synth", "2", "sine", "440"})
            << QString("Hold my hand tonight\n").repeated(5).split('\n', Qt::SkipEmptyParts)
            << QByteArray() << "" << 5;
        QTest::newRow("too many words")
            << m_song << QStringList{"la", QString("la ").repeated(20000)} << QByteArray()
            << "too many to listen for" << 2;
        const QString undecodable = "No suggested times: it holds no audio that could be decoded";
        QTest::newRow("garbage file")
            << m_dir.filePath("garbage.mp3") << two << QByteArray() << undecodable << -1;
        // A FLAC header claiming the largest stream there can be, then noise.
        QTest::newRow("noise behind a FLAC header")
            << writeFile(m_dir.filePath("hostile.flac"),
                         QByteArray("fLaC\x80\0\0\x22", 8) + QByteArray(34, '\xFF') +
                             readFile(m_dir.filePath("garbage.mp3")))
            << two << QByteArray() << undecodable << -1;
        QTest::newRow("lyrics text named .flac")
            << writeFile(m_dir.filePath("text.flac"), m_lines.join('\n').toUtf8().repeated(50))
            << two << QByteArray() << undecodable << -1;
        QTest::newRow("no audio") << m_dir.filePath("missing.mp3") << two << QByteArray()
                                  << "No suggested times: " << -1;
    }
    void fallbacks() {
        QFETCH(QString, song);
        QFETCH(QStringList, lines);
        QFETCH(QByteArray, model);
        QFETCH(QString, status);
        QFETCH(int, spread);
        if (!model.isEmpty())
            qputenv("VELMORA_SPEECH_MODEL", model);
        LyricAligner aligner; // the model is looked for as the aligner is made
        qunsetenv("VELMORA_SPEECH_MODEL");
        const AnalysisResult result = AnalyseSong(aligner, song, lines, {{0, 3000}}, m_never);
        QVERIFY2(result.status.contains(status), qPrintable(result.status));
        QCOMPARE(result.failed, spread < 0);
        QCOMPARE(static_cast<int>(result.suggestions.size()), std::max(0, spread - 1));
        for (const Suggestion& g : result.suggestions)
            QVERIFY(g.kind == Suggestion::Spread && g.ms >= 3000);
    }

    // A steady tone is no voice, yet the voice map may hear one in its last moment: the lines
    // are still shared out over the whole song, each at its own moment, not piled there.
    void aToneSharesTheLinesOverTheSong() {
        const QString tone = made("tone", {"synth", "20", "sine", "440", "vol", "0.5"});
        QStringList lines;
        for (int i = 1; i <= 12; ++i)
            lines << QString("Line number %1 of the song").arg(i);
        LyricAligner aligner;
        const AnalysisResult result = AnalyseSong(aligner, tone, lines, {}, m_never);
        QVERIFY2(result.status.contains("Could not hear a voice clearly"),
                 qPrintable(result.status));
        QCOMPARE(result.suggestions.size(), std::size_t{12});
        for (std::size_t i = 1; i < result.suggestions.size(); ++i)
            QVERIFY(result.suggestions[i].ms > result.suggestions[i - 1].ms);
        QVERIFY2(result.suggestions.front().ms < 5000,
                 qPrintable(QString::number(result.suggestions.front().ms)));
        QVERIFY(result.suggestions.back().ms > 12000);
    }

    // A damaged speech model, which the recogniser meets by crashing or by ending the process:
    // the fallback, and a status that says why, from the aligner and from the tool.
    void aDamagedModelIsAFallback_data() {
        textColumns({"damage", "status"});
        textRow("mdef cut to a third", "cut|loading it crashed the recogniser");
        textRow("garbage in mdef", "garbage|the recogniser could not read it");
        textRow("the package's model, a byte changed",
                "packaged|en-us/mdef is not as its package installed it");
    }
    void aDamagedModelIsAFallback() {
        QFETCH(QString, damage);
        QFETCH(QString, status);
        const QString installed = SpeechModelFolder();
        if (!QFile::exists(installed + "/en-us/mdef"))
            QSKIP("the speech model is not installed");
        const QString model = m_dir.filePath("model-" + damage);
        QVERIFY(QDir().mkpath(model + "/en-us"));
        QByteArray sums;
        for (const QString& name : QDir(installed + "/en-us").entryList(QDir::Files))
            QVERIFY(QFile::copy(installed + "/en-us/" + name, model + "/en-us/" + name));
        QVERIFY(QFile::copy(installed + "/cmudict-en-us.dict", model + "/cmudict-en-us.dict"));
        const QString mdef = model + "/en-us/mdef";
        QByteArray bytes = readFile(mdef);
        // As the package's list would name the copy's files, with the sums of the originals.
        sums += QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex() + "  " +
                mdef.mid(1).toUtf8() + "\n";
        if (damage == "cut")
            bytes.truncate(bytes.size() / 3);
        else if (damage == "garbage")
            bytes = QByteArray("garbage\n").repeated(bytes.size() / 8);
        else
            bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 1);
        QVERIFY(QFile::setPermissions(mdef, QFile::ReadOwner | QFile::WriteOwner));
        writeFile(mdef, bytes);
        if (damage == "packaged")
            SetPackageSumsFile(writeFile(m_dir.filePath("model.md5sums"), sums));

        qputenv("VELMORA_SPEECH_MODEL", model.toUtf8());
        LyricAligner aligner;
        qunsetenv("VELMORA_SPEECH_MODEL");
        SetPackageSumsFile(QString());
        const AnalysisResult result = AnalyseSong(aligner, m_song, m_lines, {{0, 3000}}, m_never);
        QVERIFY2(result.status.startsWith("The English speech model in " + model + " is damaged") &&
                     result.status.contains(status) &&
                     result.status.contains("spread by syllables"),
                 qPrintable(result.status));
        QCOMPARE(static_cast<int>(result.suggestions.size()), 5);
        if (damage == "packaged")
            return; // the tool reads the real package's list
        // The tool, for suggest and for check's timing, which load the model too.
        for (const char* command : {"suggest", "check"}) {
            QProcess tool;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("VELMORA_SPEECH_MODEL", model);
            tool.setProcessEnvironment(environment);
            tool.start(VELMORA_LYRICS_TOOL, {command, m_song});
            QVERIFY(tool.waitForFinished(120000));
            const QString said = QString::fromUtf8(tool.readAllStandardError());
            QVERIFY2(tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0 &&
                         (command == QByteArray("check") || said.contains(status)),
                     qPrintable(QString(command) + ": " + said));
        }
    }

    // velmora-lyrics suggest: a row per line, the mark with confidence 1; --write fills the
    // unmarked lines in whole seconds and leaves the mark; check names the late mark.
    void theToolSuggestsWritesAndChecks() {
        const QString xml = m_dir.filePath("seed7_+6dB/Song.xml");
        std::vector<SheetRow> rows = ReadLyricsFileRows(xml).rows;
        rows[2].secs = QString::number((m_starts[2] + 2500) / 1000);
        SaveSheetAsLyricsFile(m_song, rows);
        QProcess tool;
        tool.start(VELMORA_LYRICS_TOOL, {"suggest", "--write", m_song});
        QVERIFY(tool.waitForFinished(120000));
        QCOMPARE(tool.exitCode(), 0);
        const QStringList out =
            QString::fromUtf8(tool.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(out.size(), 6);
        QCOMPARE(out[2],
                 m_song + "\t3\t" + QString::number((m_starts[2] + 2500) / 1000) + ".000\t1");
        QVERIFY(QRegularExpression("^\\S+\t1\t\\d+\\.\\d{3}\t(0\\.\\d\\d|1\\.00)$")
                    .match(out[0])
                    .hasMatch());
        rows = ReadLyricsFileRows(xml).rows;
        QCOMPARE(rows[2].secs, QString::number((m_starts[2] + 2500) / 1000));
        QVERIFY(std::abs(rows[4].secs.toLongLong() * 1000 - m_starts[4]) < 1500);
        // Rewritten whole seconds are marks too now; the late one on line 3 stands out.
        tool.start(VELMORA_LYRICS_TOOL, {"check", m_song});
        QVERIFY(tool.waitForFinished(120000));
        const QString checked = QString::fromUtf8(tool.readAllStandardOutput());
        QVERIFY2(checked.contains(m_song + ": line 3 at ") &&
                     checked.contains("later than the voice"),
                 qPrintable(checked));
    }
};

QTEST_GUILESS_MAIN(Align)
#include "tst_Align.moc"
