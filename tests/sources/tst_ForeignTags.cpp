// Songs tagged by the tools people tag with, written by them at test time, then given lyrics
// and timed lyrics by every save the program has. A reader that is not this program (mutagen)
// must find every other frame as it was, every other SYLT frame byte for byte, and ours.

#include "sources/SyncedTag.h"
#include "sources/TagLibComponent.h"
#include "storage/Lrc.h"
#include "support/Files.h"
#include "support/Rows.h"

#include "SongFiles.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char* const kMutagenWriter = R"(import sys
from mutagen.id3 import ID3, TIT2, TCON, COMM, TXXX, APIC, USLT, SYLT
path, version = sys.argv[1], int(sys.argv[2])
e = 1 if version == 3 else 3
t = ID3()
t.add(TIT2(encoding=e, text=['Título ☃']))
t.add(TCON(encoding=0, text=['(3)Dance']))
t.add(COMM(encoding=e, lang='eng', desc='', text=['A comment ☃']))
t.add(COMM(encoding=e, lang='deu', desc='Notiz', text=['Noch ein']))
t.add(TXXX(encoding=e, desc='Mood', text=['calm']))
t.add(APIC(encoding=e, mime='image/png', type=3, desc='Cover', data=b'\x89PNG' + bytes(300)))
t.add(USLT(encoding=e, lang='eng', desc='', text='old words\nline two'))
t.add(SYLT(encoding=e, lang='eng', format=2, type=4, desc='', text=[('Am', 1000), ('C', 2000)]))
t.add(SYLT(encoding=e, lang='jpn', format=2, type=1, desc='', text=[('歌', 1500)]))
t.save(path, v2_version=version))";

// Per song: every frame but SYLT as mutagen reads it (encoding aside, which no reader shows,
// and an empty last string, which mutagen makes of a terminator in 2.4);
// each SYLT frame's bytes as they stand in the tag; and the SYLT frames mutagen reads.
const char* const kReader = R"(import sys, mutagen.id3
for path in sys.argv[1:]:
    print('--')
    t = mutagen.id3.ID3(path)
    for f in sorted(t.values(), key=lambda f: f.HashKey):
        if f.FrameID != 'SYLT':
            fields = {k: v for k, v in vars(f).items() if k != 'encoding'}
            while fields.get('text', [0])[-1:] == ['']:  # a trailing terminator
                fields['text'].pop()
            print(f.HashKey, sorted(fields.items()))
        else:
            print('read', f.lang, f.type, f.desc, f.text)
    data = open(path, 'rb').read()
    size = lambda b, safe: sum(x << (7 if safe else 8) * (3 - i) for i, x in enumerate(b))
    at, end = 10, 10 + size(data[6:10], True)
    while at + 10 <= end and data[at] != 0:
        n = size(data[at + 4:at + 8], data[3] == 4)
        if data[at:at + 4] == b'SYLT':
            print('raw', data[at + 10:at + 10 + n].hex())
        at += 10 + n)";

// The other formats, tagged by mutagen: every field a reader shows, the lyrics under the
// given Vorbis comment name (LYRICS or UNSYNCEDLYRICS).
const char* const kFormatWriter = R"(import sys, base64
import mutagen
from mutagen.flac import Picture
from mutagen.mp4 import MP4Cover
from mutagen.id3 import TIT2, TPE1, TXXX, APIC, USLT
path, key = sys.argv[1], sys.argv[2]
f = mutagen.File(path)
words = 'old words\nline two'
pic = Picture(); pic.type = 3; pic.mime = 'image/png'; pic.data = b'\x89PNG' + bytes(300)
if path.endswith('.m4a'):
    f['\xa9nam'] = 'Título ☃'; f['\xa9ART'] = ['One', 'Two']; f['trkn'] = [(3, 12)]
    f['tmpo'] = [120]; f['----:com.apple.iTunes:MOOD'] = [b'calm']
    f['covr'] = [MP4Cover(pic.data, MP4Cover.FORMAT_PNG)]; f['\xa9lyr'] = words
elif path.endswith('.wav'):
    f.add_tags(); e = 1
    for frame in (TIT2(encoding=e, text=['Título ☃']), TPE1(encoding=e, text=['One']),
                  TXXX(encoding=e, desc='Mood', text=['calm']),
                  APIC(encoding=e, mime='image/png', type=3, desc='Cover', data=pic.data),
                  USLT(encoding=e, lang='eng', desc='', text=words)):
        f.tags.add(frame)
    f.save(v2_version=3); sys.exit()
else:
    f['TITLE'] = 'Título ☃'; f['ARTIST'] = ['One', 'Two']; f['MOOD'] = 'calm'; f[key] = words
    if path.endswith('.flac'): f.add_picture(pic)
    else: f['METADATA_BLOCK_PICTURE'] = base64.b64encode(pic.write()).decode()
f.save())";

// Per song: every field but the lyrics as mutagen reads it, its pictures, then its lyrics.
const char* const kFormatReader = R"(import sys, mutagen
for path in sys.argv[1:]:
    f = mutagen.File(path)
    print('--')
    lyrics = None
    for k, v in sorted(f.tags.items()) if not hasattr(f.tags, 'getall') else sorted((fr.HashKey, fr) for fr in f.tags.values()):
        if k.upper() in ('LYRICS', '\xa9LYR') or k.startswith('USLT'):
            lyrics = v
            continue
        if hasattr(v, 'FrameID'):
            v = sorted((a, b) for a, b in vars(v).items() if a != 'encoding')
        print(k, repr(v))
    for p in getattr(f, 'pictures', []):
        print('picture', p.type, p.mime, p.data.hex())
    print('lyrics', repr(lyrics if not hasattr(lyrics, 'text') else lyrics.text)))";

using songs::run;

// Tags song as writer does, in version 2.version; answers "" or what went wrong.
QString tagWith(const QString& writer, int version, const QString& song, const QTemporaryDir& dir) {
    const QString picture = writeFile(dir.filePath("cover.png"), "\x89PNG" + QByteArray(300, 0));
    const QString words = writeFile(dir.filePath("words.txt"), "old words\nline two");
    const QString v = QString::number(version);
    QString out;
    if (writer == "mutagen")
        out = run("/usr/bin/python3", {"-c", kMutagenWriter, song, v});
    else if (writer == "mid3v2") // writes 2.4 only
        out = run("/usr/bin/mid3v2", {"-t", "Título ☃", "-g", "Dance", "-c", "plain comment", "-c",
                                      "Desc:described comment:deu", "--TXXX", "Mood:calm", "--USLT",
                                      "old words", "-p", picture + ":Cover:3:image/png", song});
    else if (writer == "eyeD3")
        out = run("/usr/bin/eyeD3",
                  {"-Q", "--to-v2." + v, "-t", "Título ☃", "-G", "Dance", "-c", "plain comment",
                   "--add-comment", "described comment:Desc:deu", "--user-text-frame", "Mood:calm",
                   "--add-image", picture + ":FRONT_COVER:Cover", "--add-lyrics", words, song});
    else if (writer == "kid3-cli")
        out = run("/usr/bin/kid3-cli", {"-c", "set title \"Título ☃\"",
                                        "-c", "set genre Dance",
                                        "-c", "set comment \"plain comment\"",
                                        "-c", "set comment[1] \"described comment\"",
                                        "-c", "set comment[1].Description Desc",
                                        "-c", "set MOODY calm",
                                        "-c", "set lyrics \"old words\"",
                                        "-c", "set picture:\"" + picture + "\" Cover",
                                        "-c", "save",
                                        "-c", version == 3 ? "to23" : "to24",
                                        "-c", "save",
                                        song},
                  dir.path());
    else if (writer == "bytes") // what some writers leave: a lone byte-order mark, a 2.3
                                // genre by number and name, terminated texts
        writeFile(song, songs::tag(version, {songs::frame(version, version == 3 ? "TYER" : "TDRC",
                                                          "\x01\xFF\xFE"),
                                             songs::textFrame(version, "TCON", "(3)Dance"),
                                             songs::frame(version, "COMM", {"\0eng\0hi\0", 9}),
                                             songs::frame(version, "USLT", {"\0eng\0old\0", 10})}) +
                            songs::toneBytes());
    const QByteArray head = readFile(song).left(4);
    return out.startsWith("failed") ? out
           : head != "ID3" + QByteArray(1, char(version))
               ? "the writer made no 2." + v + " tag: " + head.toHex()
               : QString();
}

using Dump = QMap<QString, QStringList>; // song -> what the reader printed, sorted

Dump readBack(const QStringList& songs) {
    const QStringList out = run("/usr/bin/python3", QStringList{"-c", kReader} + songs)
                                .split("--\n", Qt::SkipEmptyParts);
    Dump dump;
    for (qsizetype i = 0; i < songs.size() && i < out.size(); ++i) {
        QStringList lines = out.at(i).split('\n', Qt::SkipEmptyParts);
        lines.sort();
        dump[songs.at(i)] = lines;
    }
    return dump;
}

// The audio packets' digest, as ffmpeg copies them out of the song.
QString audioOf(const QString& song) {
    return run("/usr/bin/ffmpeg",
               {"-v", "error", "-i", song, "-map", "0:a", "-c", "copy", "-f", "md5", "-"});
}

} // namespace

class ForeignTagsTest : public QObject {
    Q_OBJECT
private slots:
    void everySaveKeepsWhatOtherToolsWrote_data() {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<int>("version");
        for (const char* writer : {"mutagen", "mid3v2", "eyeD3", "kid3-cli", "bytes"})
            for (const int version : {3, 4})
                if (QByteArray(writer) != "mid3v2" || version == 4)
                    QTest::addRow("%s, 2.%d", writer, version) << QString(writer) << version;
    }
    void everySaveKeepsWhatOtherToolsWrote() {
        QFETCH(QString, writer);
        QFETCH(int, version);
        if (writer != "bytes" &&
            !QFile::exists("/usr/bin/" + (writer == "mutagen" ? "python3" : writer)))
            QSKIP("the tag writer is not installed");
        QTemporaryDir dir;
        const QString tagged = writeFile(dir.filePath("tagged.mp3"), songs::toneBytes());
        if (const QString why = tagWith(writer, version, tagged, dir); !why.isEmpty())
            QFAIL(qPrintable(why));
        // The text panel's Save; Ctrl+Shift+E; the tool's embed-sylt, which writes both.
        const QString lyrics = QStringLiteral("new words ☃\nzwei");
        const std::vector<SyncedLine> lines = {{1500, u"eins ☃"_qs}, {2500, "zwei"}};
        const QStringList saves = {"lyrics", "timed", "timed with lyrics"};
        QStringList saved;
        for (const QString& save : saves) {
            saved << dir.filePath(save + ".mp3");
            QVERIFY(QFile::copy(tagged, saved.last()));
            const QString failure = failureOf([&] {
                if (save == "lyrics") {
                    TagLibComponent component;
                    component.LoadTag(saved.last(), true);
                    component.SetFrameText("USLT", lyrics);
                    component.SaveTag(saved.last());
                } else {
                    SaveSyncedLyrics(saved.last(), lines,
                                     save == "timed" ? std::nullopt : std::optional(lyrics));
                }
            });
            QVERIFY2(failure == "(no failure)", qPrintable(save + ": " + failure));
        }

        Dump dump = readBack(QStringList{tagged} + saved);
        const QStringList before = dump.take(tagged);
        const QStringList lyricsFrames = before.filter(QRegularExpression("^USLT::"));
        const QString language = lyricsFrames.isEmpty() ? "XXX" : lyricsFrames.first().mid(6, 3);
        const QString ours = "read " + language + " 1  [('eins ☃', 1500), ('zwei', 2500)]";
        const QStringList raw = before.filter(QRegularExpression("^raw "));
        for (qsizetype i = 0; i < saves.size(); ++i) {
            QStringList after = dump.value(saved.at(i));
            QStringList expected = before;
            const auto drop = [](QStringList& from, const QString& start) {
                from.removeIf([&start](const QString& line) { return line.startsWith(start); });
            };
            if (saves.at(i) != "timed") { // the expected lyrics frame is replaced
                drop(expected, "USLT::" + language + " ");
                QVERIFY2(after.removeAll("USLT::" + language + " [('desc', ''), ('lang', '" +
                                         language + "'), ('text', 'new words ☃\\nzwei')]") == 1,
                         qPrintable(saves.at(i) + ":\n" + after.join('\n')));
            }
            if (saves.at(i) != "lyrics") { // ours is added: mutagen shows it over another
                QVERIFY2(after.removeAll(ours) == 1, qPrintable(after.join('\n')));
                drop(expected, "read " + language + " ");
                for (const QString& frame : raw) // the others byte for byte
                    QVERIFY2(after.removeOne(frame), qPrintable("changed: " + frame));
                QVERIFY2(after.filter(QRegularExpression("^raw ")).size() == 1,
                         qPrintable(after.join('\n')));
                drop(after, "raw ");
                drop(expected, "raw ");
            }
            QCOMPARE(after, expected);
        }
    }

    // A lyrics frame another tool wrote in Latin-1 stays Latin-1, for players that read no
    // other, as long as the new text fits; the timed lines take the same encoding.
    void aLatinOneLyricsFrameKeepsItsEncoding_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("encoding"); // as mutagen reads it
        for (const int version : {3, 4}) {
            QTest::addRow("2.%d, fits", version) << version << u"Grüße aus Köln"_qs << 0;
            QTest::addRow("2.%d, does not fit", version)
                << version << u"snow ☃"_qs << (version == 3 ? 1 : 3);
        }
    }
    void aLatinOneLyricsFrameKeepsItsEncoding() {
        QFETCH(int, version);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const QString song = writeFile(dir.filePath("song.mp3"), songs::toneBytes());
        const QString made =
            run("/usr/bin/python3", {"-c",
                                     "import sys; from mutagen.id3 import ID3, USLT; t = ID3(); "
                                     "t.add(USLT(encoding=0, lang='deu', desc='', text='alt')); "
                                     "t.save(sys.argv[1], v2_version=int(sys.argv[2]))",
                                     song, QString::number(version)});
        QVERIFY2(made.isEmpty(), qPrintable(made));
        SaveSyncedLyrics(song, {{1500, text}}, text + "\nzwei");
        const QString read =
            run("/usr/bin/python3",
                {"-c",
                 "import sys, mutagen.id3; t = mutagen.id3.ID3(sys.argv[1]); "
                 "u = t.getall('USLT')[0]; s = t.getall('SYLT')[0]; "
                 "print(u.lang, int(u.encoding), repr(u.text), int(s.encoding), repr(s.text))",
                 song});
        QFETCH(int, encoding);
        const QString e = QString::number(encoding);
        QCOMPARE(read.trimmed(),
                 "deu " + e + " '" + text + "\\nzwei' " + e + " [('" + text + "', 1500)]");
    }

    // FLAC, Ogg and M4A keep their lyrics in their own tags, WAV in an ID3v2 chunk: the text
    // panel's Save and the timed lyrics export (LRC text there) change those and nothing else.
    void otherFormatsKeepWhatMutagenWrote_data() {
        textColumns({"name", "codec", "lyricsKey"}); // the lyrics' Vorbis comment
        textRow("FLAC", "song.flac|flac|LYRICS");
        textRow("FLAC, UNSYNCEDLYRICS", "song.flac|flac|UNSYNCEDLYRICS");
        textRow("Ogg Vorbis", "song.ogg|libvorbis|LYRICS");
        textRow("Opus, UNSYNCEDLYRICS", "song.opus|libopus|UNSYNCEDLYRICS");
        textRow("M4A, AAC", "song.m4a|aac|");
        textRow("M4A, ALAC", "song.m4a|alac|");
        textRow("WAV", "song.wav|pcm_s16le|");
    }
    void otherFormatsKeepWhatMutagenWrote() {
        QFETCH(QString, name);
        QFETCH(QString, codec);
        QFETCH(QString, lyricsKey);
        QTemporaryDir dir;
        const QString tagged = dir.filePath(name);
        QCOMPARE(songs::formatSong(tagged, codec), tagged);
        QCOMPARE(run("/usr/bin/python3", {"-c", kFormatWriter, tagged, lyricsKey}), QString());
        TagLibComponent reader;
        reader.LoadTag(tagged, true);
        QCOMPARE(reader.GetFrameText("USLT"), "old words\nline two");

        const QString suffix = name.mid(name.indexOf('.'));
        const QString lyrics = dir.filePath("lyrics" + suffix);
        const QString timed = dir.filePath("timed" + suffix);
        QVERIFY(QFile::copy(tagged, lyrics) && QFile::copy(tagged, timed));
        const QString failure = failureOf([&] {
            TagLibComponent component;
            component.LoadTag(lyrics, true);
            component.SetFrameText("USLT", "new words ☃\nzwei");
            component.SaveTag(lyrics);
            // The unmarked line between the marked ones stays, as Ctrl+E writes it.
            SaveTimedLyrics(
                timed, SheetRowsFromLrc(ReadLrc(u"[00:01.50]eins ☃\nund\n[01:02.50]zwei"_qs).lines),
                false, false);
        });
        QCOMPARE(failure, "(no failure)");

        const QStringList out =
            run("/usr/bin/python3", {"-c", kFormatReader, tagged, lyrics, timed})
                .split("--\n", Qt::SkipEmptyParts);
        QCOMPARE(out.size(), 3);
        const auto withLyrics = [&out](qsizetype song, const QString& text) {
            QStringList lines = out.at(song).split('\n', Qt::SkipEmptyParts);
            lines.removeLast(); // the lyrics, checked alone
            return lines << text;
        };
        const bool list = !name.endsWith(".wav");
        const auto shown = [list](const QString& text) {
            return "lyrics " + (list ? "['" + text + "']" : "'" + text + "'");
        };
        QCOMPARE(out.at(0).split('\n', Qt::SkipEmptyParts).last(),
                 lyricsKey == "UNSYNCEDLYRICS" ? "lyrics None" : shown("old words\\nline two"));
        QCOMPARE(out.at(1).split('\n', Qt::SkipEmptyParts),
                 withLyrics(0, shown("new words ☃\\nzwei")));
        QCOMPARE(out.at(2).split('\n', Qt::SkipEmptyParts),
                 withLyrics(
                     0, shown("[by:Velmora Versetta]\\n[00:01.50]eins ☃\\nund\\n[01:02.50]zwei")));
        for (const QString& song : {lyrics, timed})
            QCOMPARE(audioOf(song), audioOf(tagged));
    }
};

QTEST_MAIN(ForeignTagsTest)
#include "tst_ForeignTags.moc"
