#!/usr/bin/env python3
"""Writes the seed corpora under fuzz/corpus/. Run again after changing a seed here.

Files named regress-* are not made here: each is an input that once made a target fail."""
import pathlib
import struct

here = pathlib.Path(__file__).resolve().parent
corpus = here / "corpus"
tone = (here.parent / "tests" / "data" / "tone-3s.mp3").read_bytes()


def put(target, name, data):
    folder = corpus / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data.encode("utf-8") if isinstance(data, str) else data)


# ---- lyrics XML --------------------------------------------------------------------------
DECL = '<?xml version="1.0" encoding="UTF-8" standalone="yes" ?>\r\n'
ROOT = '<SynchronizedLyrics Title="" Artist="" Filename="/music/a.mp3">\r\n'


def lines(rows):
    out = "<LYRICS>\r\n"
    for number, secs, lyric in rows:
        out += ("  <LINE>\r\n    <LineNumber>%s</LineNumber>\r\n    <TimeMarker>%s</TimeMarker>"
                "\r\n    <LyricLine>%s</LyricLine>\r\n  </LINE>\r\n" % (number, secs, lyric))
    return out + "</LYRICS>\r\n"


END = "</SynchronizedLyrics>\r\n"
put("fuzz_lyrics_xml", "empty-skeleton.xml", DECL + ROOT + "<LYRICS />\r\n" + END)
put("fuzz_lyrics_xml", "three-lines.xml", DECL + ROOT + lines(
    [("1", "0", "Hello"), ("2", "12.5", "Caf\u00e9 &amp; cr\u00e8me"), ("3", "", "Unmarked")]) + END)
put("fuzz_lyrics_xml", "odd-fields.xml", DECL + ROOT + "<LYRICS>\r\n  <LINE><LineNumber>x</LineNumber>"
    "<Other>o</Other><TimeMarker>7</TimeMarker></LINE>\r\n  <LINE><LineNumber>40000"
    "</LineNumber><TimeMarker>-2</TimeMarker><LyricLine>big</LyricLine></LINE>\r\n"
    "</LYRICS>\r\n" + END)
put("fuzz_lyrics_xml", "comments-pi-stray.xml", DECL + "<!-- note -->" + ROOT +
    "<?pi data?>stray<LYRICS><LINE><!-- c --><LyricLine>a<![CDATA[<b>]]>&#x266B;</LyricLine>"
    "</LINE>text</LYRICS>" + END)
put("fuzz_lyrics_xml", "broken.xml", DECL + ROOT + "<LYRICS><LINE><LyricLine>cut")
put("fuzz_lyrics_xml", "utf16.xml", ('<?xml version="1.0" encoding="UTF-16"?>' + ROOT +
    lines([("1", "3", "\u05e9\u05dc\u05d5\u05dd \U0001F3B5")]) + END).encode("utf-16"))

# ---- the lyrics file writer: texts split by 0xFF; 0x80 + two bytes is one UTF-16 unit -----
put("fuzz_lyrics_writer", "plain-rows.bin",
    b"/music/a.mp3\xff1\xff12\xffHello world\xff2\xff\xffGoodbye")
put("fuzz_lyrics_writer", "markup-and-breaks.bin",
    b"/m/A&B \"x\".mp3\xff1\xff-2.5\xff& < > \" ' ]]> &amp;\xff2\xff \xffone\r\ntwo\rthree\tfour  ")
put("fuzz_lyrics_writer", "beyond-ascii.bin",
    b"/m/Caf\x80\x00\xe9.mp3\xff1\xff3\xff\x80\xd8\x3d\x80\xde\x00 \x80\x05\xd0")
put("fuzz_lyrics_writer", "refused.bin", b"/m/a.mp3\xff1\xff\x00\xff\x80\xd8\x00 lone")

# ---- lyrics text files -------------------------------------------------------------------
text = "First line\r\n  Second \u00e9 line  \n\tTabbed\x07bell\n\nLast \u266b"
put("fuzz_text_rows", "utf8.txt", text)
put("fuzz_text_rows", "utf8-bom.txt", b"\xef\xbb\xbf" + text.encode("utf-8"))
put("fuzz_text_rows", "utf16le-bom.txt", b"\xff\xfe" + text.encode("utf-16-le"))
put("fuzz_text_rows", "utf16be-bom.txt", b"\xfe\xff" + text.encode("utf-16-be"))
put("fuzz_text_rows", "cp1252.txt", "Caf\u00e9 \u201cquoted\u201d \u20ac 5\n".encode("cp1252"))
put("fuzz_text_rows", "bad-utf8.txt", b"ok \xc3\x28 \xed\xa0\x80 \xf4\x90\x80\x80 end\n")

# ---- amounts -----------------------------------------------------------------------------
for i, amount in enumerate(["12", "-2", "+7", "12.5", ".5", " 3 ", "1e3", "2 apples", "1 5",
                            "0.00015", "1e-400", "1e400", "-0", "5.", "\t-1.25E+2\n",
                            "123456789012345678901234567890"]):
    put("fuzz_amount", "text-%02d.txt" % i, amount)
for i, value in enumerate([0.1, -1e300, 5e-324, 1.7976931348623157e308, 123456789012345.6]):
    put("fuzz_amount", "double-%02d.bin" % i, struct.pack("<d", value))


# ---- tagged songs ------------------------------------------------------------------------
def syncsafe(n):
    return bytes([(n >> 21) & 0x7F, (n >> 14) & 0x7F, (n >> 7) & 0x7F, n & 0x7F])


def frame(version, ident, body):
    size = syncsafe(len(body)) if version == 4 else struct.pack(">I", len(body))
    return ident.encode("ascii") + size + b"\x00\x00" + body


def tag(version, frames):
    body = b"".join(frames)
    return b"ID3" + bytes([version, 0, 0]) + syncsafe(len(body)) + body


audio = tone[:3000]  # a few frames of the tone are enough for a valid MPEG stream
uslt3 = frame(3, "USLT", b"\x01eng\xff\xfe\x00\x00" + "Hello\nworld \u266b".encode("utf-16-le"))
tit2 = frame(3, "TIT2", b"\x00Tone")
put("fuzz_tag", "v23-uslt.mp3", tag(3, [tit2, uslt3]) + audio)
uslt4 = frame(4, "USLT", b"\x03XXX\x00" + "Zeile \u00fc".encode("utf-8"))
put("fuzz_tag", "v24-uslt.mp3", tag(4, [uslt4, frame(4, "TPE1", b"\x03Artist")]) + audio)
put("fuzz_tag", "no-tag.mp3", audio[:1500])
put("fuzz_tag", "tag-claims-too-much.mp3", b"ID3\x03\x00\x00\x00\x00\x7f\x7f" + uslt3)

# ---- the waveform decoder ------------------------------------------------------------------
put("fuzz_waveform", "tone.mp3", audio)
put("fuzz_waveform", "tagged.mp3", tag(3, [tit2]) + audio)
put("fuzz_waveform", "cut-mid-frame.mp3", audio[:700])
