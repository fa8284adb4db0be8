// Saves into songs that other programs made, or broke, in every format, judged from outside:
// scripts/tag-corpus.py saves timed lyrics with velmora-lyrics and compares what mutagen and
// FFmpeg read before and after (tags, pictures, stream properties, the decoded audio). The
// songs are made here by ffmpeg and mutagen, the hostile ones changed byte by byte after; other
// projects' test files are tried too where VELMORA_TAG_CORPUS names their folders.

#include "support/Files.h"
#include "support/Rows.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

namespace {

// Makes the songs: argv[1] is the folder, each song's name says what it is.
const char* const kMaker = R"(import os, struct, subprocess, sys
from mutagen.id3 import ID3
from mutagen.mp4 import MP4
import mutagen
out = sys.argv[1]
def path(name): return os.path.join(out, name)
def ffmpeg(*args):
    subprocess.run(['ffmpeg', '-v', 'error', '-y'] + list(args), check=True)
sine = ['-f', 'lavfi', '-i', 'sine=frequency=440:duration=2']
def made(name, *args):
    ffmpeg(*sine, *args, path(name)); return path(name)
def bytes_of(name): return open(path(name), 'rb').read()
def write(name, data): open(path(name), 'wb').write(data)

# FLAC without a comment block, and one whose stream information is cut to 18 bytes.
flac = bytes_of(os.path.basename(made('plain.flac', '-c:a', 'flac')))
blocks, at = [], 4
while True:
    head = flac[at]; size = int.from_bytes(flac[at + 1:at + 4], 'big')
    blocks.append(flac[at:at + 4 + size]); at += 4 + size
    if head & 0x80: break
kept = [b for b in blocks if b[0] & 0x7F not in (4, 1)]
kept[-1] = bytes([kept[-1][0] | 0x80]) + kept[-1][1:]
kept = [bytes([b[0] & 0x7F]) + b[1:] for b in kept[:-1]] + kept[-1:]
write('no comment block.flac', b'fLaC' + b''.join(kept) + flac[at:])
info = blocks[0]
write('broken stream information.flac',
      b'fLaC' + bytes([0]) + (18).to_bytes(3, 'big') + info[4:22] + b''.join(blocks[1:]) + flac[at:])
os.remove(path('plain.flac'))

# A 2.3 year frame of junk (a byte-order mark in a Latin-1 frame), as some tools leave it.
made('junk year frame.mp3', '-c:a', 'libmp3lame', '-id3v2_version', '0')
frames = b'TIT2' + (6).to_bytes(4, 'big') + b'\0\0' + b'\0Title' + \
         b'TYER' + (3).to_bytes(4, 'big') + b'\0\0' + b'\0\xfe\xff'
size = len(frames) + 64
tag = b'ID3\3\0\0' + bytes((size >> s) & 0x7F for s in (21, 14, 7, 0)) + frames + bytes(64)
write('junk year frame.mp3', tag + bytes_of('junk year frame.mp3'))

# Only an ID3v1 tag, which readers stop reading once there is an ID3v2 tag.
made('only an id3v1 tag.mp3', '-c:a', 'libmp3lame', '-id3v2_version', '0')
v1 = b'TAG' + b'Old Title'.ljust(30, b'\0') + b'Old Artist'.ljust(30, b'\0') + \
     b'Old Album'.ljust(30, b'\0') + b'1999' + bytes(28) + b'\0\x07' + b'\x11'
write('only an id3v1 tag.mp3', bytes_of('only an id3v1 tag.mp3') + v1)

# An ID3v2.2 tag with a picture and volume adjustment.
made('version 2.2 picture.mp3', '-c:a', 'libmp3lame', '-id3v2_version', '0')
def f22(name, data): return name + len(data).to_bytes(3, 'big') + data
png = b'\x89PNG\r\n\x1a\n' + bytes(200)
frames = f22(b'TT2', b'\0Title') + f22(b'TP1', b'\0Artist') + \
         f22(b'PIC', b'\0PNG\x03Cover\0' + png) + f22(b'RVA', b'\x03\x10\0\0\0\0')
size = len(frames) + 32
tag = b'ID3\2\0\0' + bytes((size >> s) & 0x7F for s in (21, 14, 7, 0)) + frames + bytes(32)
write('version 2.2 picture.mp3', tag + bytes_of('version 2.2 picture.mp3'))

# An M4A genre as the old numeric item ("gnre"), which readers show by its name.
made('numeric genre.m4a', '-c:a', 'aac')
m = MP4(path('numeric genre.m4a')); m['\xa9nam'] = ['AB']; m.save()
m4a = bytearray(bytes_of('numeric genre.m4a'))
i = m4a.index(b'\xa9nam')
m4a[i:i + 4] = b'gnre'
j = m4a.index(b'data', i)
m4a[j + 4:j + 8] = b'\0\0\0\0'
m4a[j + 12:j + 14] = b'\0\x04'
write('numeric genre.m4a', bytes(m4a))

# RF64, and WAVs a streaming writer leaves: an audio chunk of no size, or of the largest.
# (Without FFmpeg's INFO list, beside which FFmpeg shows no ID3 chunk; mutagen reads no RF64.)
made('rf64.wav', '-c:a', 'pcm_s16le', '-rf64', 'always', '-fflags', '+bitexact')
wav = bytes_of(os.path.basename(made('plain.wav', '-c:a', 'pcm_s16le', '-fflags', '+bitexact')))
data = wav.index(b'data')
write('streaming, no size.wav', wav[:data + 4] + bytes(4) + wav[data + 8:])
write('streaming, largest size.wav', wav[:data + 4] + b'\xff\xff\xff\xff' + wav[data + 8:])
# An odd-sized audio chunk without the byte that pads it, a list after it.
body = wav[data + 8:-1]
info = b'LIST' + (16).to_bytes(4, 'little') + b'INFOINAM' + (4).to_bytes(4, 'little') + b'odd\0'
riff = wav[12:data] + b'data' + len(body).to_bytes(4, 'little') + body + info
write('odd chunk unpadded.wav', b'RIFF' + (4 + len(riff)).to_bytes(4, 'little') + b'WAVE' + riff)
# A format chunk of two bytes.
fmt = wav.index(b'fmt ')
riff = wav[12:fmt] + b'fmt ' + (2).to_bytes(4, 'little') + b'\1\0' + wav[data:]
write('two-byte format.wav', b'RIFF' + (4 + len(riff)).to_bytes(4, 'little') + b'WAVE' + riff)
os.remove(path('plain.wav'))

# Ogg: Vorbis after Theora in one file, and FLAC.
ffmpeg('-f', 'lavfi', '-i', 'testsrc=size=64x48:rate=5:duration=1', *sine, '-t', '1',
       '-c:v', 'libtheora', '-c:a', 'libvorbis', path('theora and vorbis.ogg'))
made('flac in ogg.oga', '-c:a', 'flac', '-f', 'ogg'))";

// Gives the song argv[1] a cover of argv[2] megabytes of noise, as mutagen writes it.
const char* const kPicture = R"(import base64, os, sys, mutagen
from mutagen.id3 import APIC
from mutagen.flac import Picture
from mutagen.mp4 import MP4Cover
path, size = sys.argv[1], int(sys.argv[2]) << 20
data = b'\x89PNG\r\n\x1a\n' + os.urandom(size)
f = mutagen.File(path)
if path.endswith(('.mp3', '.wav')):
    if f.tags is None: f.add_tags()
    f.tags.add(APIC(encoding=0, mime='image/png', type=3, desc='', data=data))
elif path.endswith('.m4a'):
    f['covr'] = [MP4Cover(data, MP4Cover.FORMAT_PNG)]
else:
    p = Picture(); p.type = 3; p.mime = 'image/png'; p.data = data
    if path.endswith('.flac'): f.add_picture(p)
    else: f['METADATA_BLOCK_PICTURE'] = [base64.b64encode(p.write()).decode()]
f.save())";

// What the judge says of each song: "written", or "refused: <why>", "changed: ...".
QMap<QString, QString> judge(const QString& folder) {
    QProcess script;
    script.start("/usr/bin/python3", {QStringLiteral(VELMORA_SOURCE_DIR "/scripts/tag-corpus.py"),
                                      "--tool", VELMORA_LYRICS_TOOL, "--verbose", folder});
    script.waitForFinished(-1);
    QMap<QString, QString> outcomes;
    static const QRegularExpression line("^(\\w+) +(.+?\\.\\w+)  (.*)$");
    for (const QString& text : QString::fromUtf8(script.readAllStandardOutput()).split('\n')) {
        const QRegularExpressionMatch match = line.match(text);
        if (match.hasMatch())
            outcomes[match.captured(2)] =
                match.captured(1) + (match.captured(3).isEmpty() ? "" : ": " + match.captured(3));
    }
    if (outcomes.isEmpty())
        outcomes["(none)"] = QString::fromUtf8(script.readAllStandardError());
    return outcomes;
}

bool toolsThere() {
    return QFile::exists("/usr/bin/python3") &&
           !QStandardPaths::findExecutable("ffmpeg").isEmpty() &&
           QProcess::execute("/usr/bin/python3", {"-c", "import mutagen"}) == 0;
}

} // namespace

class FormatSavesTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_songs;
    QMap<QString, QString> m_outcomes;

private slots:
    void initTestCase() {
        if (!toolsThere())
            QSKIP("mutagen and ffmpeg make and judge the songs");
        QCOMPARE(QProcess::execute("/usr/bin/python3", {"-c", kMaker, m_songs.path()}), 0);
        m_outcomes = judge(m_songs.path());
    }

    // Written where a reader sees nothing else change; refused, byte for byte as it was, with
    // the reason, where not.
    void eachSongIsWrittenOrRefusedForItsReason_data() {
        textColumns({"song", "outcome"});
        textRow("FLAC without comments", "no comment block.flac|written");
        textRow("FLAC, stream information cut",
                "broken stream information.flac|refused: Cannot save the synchronized lyrics into "
                "Song.flac: its stream information is damaged, so it was left as it was.");
        textRow("MP3, junk year frame", "junk year frame.mp3|written");
        textRow("MP3, an ID3v1 tag alone", "only an id3v1 tag.mp3|written");
        textRow("MP3, ID3v2.2 with a picture and volume", "version 2.2 picture.mp3|written");
        textRow("M4A, numeric genre", "numeric genre.m4a|written");
        textRow("WAV, RF64", "rf64.wav|written");
        textRow("WAV, audio of no size", "streaming, no size.wav|written");
        textRow("WAV, audio of the largest size", "streaming, largest size.wav|written");
        textRow("WAV, odd chunk without its pad byte", "odd chunk unpadded.wav|written");
        textRow("WAV, format chunk of two bytes",
                "two-byte format.wav|refused: Cannot save the synchronized lyrics into Song.wav: "
                "its format chunk is damaged, so it was left as it was.");
        textRow("Ogg, Vorbis after Theora", "theora and vorbis.ogg|written");
        textRow("Ogg FLAC", "flac in ogg.oga|written");
    }
    void eachSongIsWrittenOrRefusedForItsReason() {
        QFETCH(QString, song);
        QFETCH(QString, outcome);
        QVERIFY2(m_outcomes.contains(song), qPrintable(m_outcomes.keys().join(", ")));
        // "written" may say which reader alone sees the lyrics (mutagen reads no RF64).
        const QString judged = m_outcomes.value(song);
        if (outcome == "written")
            QVERIFY2(judged.startsWith(outcome), qPrintable(judged));
        else
            QCOMPARE(judged, outcome);
    }

    // check calls what is not a WAV file damaged, whatever its name; export-lrc takes a WAV's
    // names from its RIFF INFO list where it has no ID3 tag.
    void theToolReadsWavsAsTheyAre() {
        QTemporaryDir dir;
        QVERIFY(!writeFile(dir.filePath("Fake.wav"), readFile(VELMORA_TEST_DATA "/tone-3s.mp3"))
                     .isEmpty());
        QProcess check;
        check.start(VELMORA_LYRICS_TOOL, {"check", "--no-timing", dir.filePath("Fake.wav")});
        QVERIFY(check.waitForFinished(60000));
        QCOMPARE(check.exitCode(), 1);
        QVERIFY2(check.readAllStandardOutput().contains("damaged"), "not called damaged");
        QVERIFY(check.readAllStandardError().contains("Fake.wav: it is not a WAV file."));

        const QString song = dir.filePath("Song.wav");
        QCOMPARE(
            QProcess::execute("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=d=1",
                                         "-metadata", "title=Only in INFO", "-metadata",
                                         "artist=Someone", "-metadata", "album=Sometime", song}),
            0);
        writeFile(dir.filePath("Song.xml"),
                  "<S><LYRICS><LINE><LineNumber>1</LineNumber><TimeMarker>0</TimeMarker>"
                  "<LyricLine>la</LyricLine></LINE></LYRICS></S>");
        QCOMPARE(QProcess::execute(VELMORA_LYRICS_TOOL, {"export-lrc", song}), 0);
        const QByteArray lrc = readFile(dir.filePath("Song.lrc"));
        QVERIFY2(lrc.startsWith("[ti:Only in INFO]\n[ar:Someone]\n[al:Sometime]\n"),
                 lrc.constData());
    }

    // A save holds the song's largest field at most three times: a cover of 8 to 16 MB.
    void aLargePictureIsNotHeldOverAndOver_data() {
        QTest::addColumn<QString>("format");
        for (const char* format : {"mp3", "flac", "ogg", "opus", "m4a", "wav"})
            QTest::newRow(format) << QString(format);
    }
    void aLargePictureIsNotHeldOverAndOver() {
#ifdef __SANITIZE_ADDRESS__
        QSKIP("the sanitizer's shadow memory is no measure of a save's");
#endif
        QFETCH(QString, format);
        QTemporaryDir dir;
        const QString song = dir.filePath("Song." + format);
        // FLAC blocks hold 16 MB at most; mutagen takes minutes over a large Ogg comment.
        const int megabytes = format == "flac" ? 15 : format == "ogg" || format == "opus" ? 8 : 16;
        QCOMPARE(
            QProcess::execute("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=d=1", song}), 0);
        QCOMPARE(QProcess::execute("/usr/bin/python3",
                                   {"-c", kPicture, song, QString::number(megabytes)}),
                 0);
        writeFile(dir.filePath("Song.lrc"), "[00:00.50]la\n");
        QCOMPARE(QProcess::execute(VELMORA_LYRICS_TOOL, {"import-lrc", song}), 0);
        const auto peakMbOf = [](const QStringList& arguments, QStringList& said) {
            QProcess tool;
            tool.start("/usr/bin/time", QStringList{"-f", "%M", VELMORA_LYRICS_TOOL} + arguments);
            if (!tool.waitForFinished(120000) || tool.exitCode() != 0)
                return qint64{-1};
            said = QString::fromUtf8(tool.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
            return said.value(said.size() - 1).toLongLong() / 1024;
        };
        QStringList said;
        // What the tool takes without a song (its libraries, the media ones among them)...
        const qint64 bareMb = peakMbOf({"--help"}, said);
        const qint64 peakMb = peakMbOf({"embed-sylt", song}, said);
        QVERIFY(bareMb > 0);
        // ... and three times the picture (base64 in Ogg), with a little room.
        const qint64 picture = format == "ogg" || format == "opus" ? megabytes * 4 / 3 : megabytes;
        QVERIFY2(peakMb > 0 && peakMb <= bareMb + 3 * picture + 10,
                 qPrintable(QString::number(bareMb) + " MB bare\n" + said.join('\n')));
    }

    // Other projects' test files, where they are at hand: nothing a reader sees changes.
    void otherProjectsTestFilesChangeNothing() {
        const QStringList folders =
            qEnvironmentVariable("VELMORA_TAG_CORPUS").split(':', Qt::SkipEmptyParts);
        if (folders.isEmpty())
            QSKIP("VELMORA_TAG_CORPUS names no folders of test files");
        for (const QString& folder : folders)
            for (const auto& [song, outcome] : judge(folder).asKeyValueRange())
                QVERIFY2(outcome.startsWith("written") || outcome.startsWith("refused"),
                         qPrintable(folder + "/" + song + ": " + outcome));
    }
};

QTEST_MAIN(FormatSavesTest)
#include "tst_FormatSaves.moc"
