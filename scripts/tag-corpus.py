#!/usr/bin/python3
"""Saves timed lyrics into every song of other projects' test files and judges each save as
mutagen and FFmpeg read the song before and after it.

Usage: scripts/tag-corpus.py [--tool PATH] [--verbose] FOLDER...

Each song file (.mp3 .flac .ogg .oga .opus .m4a .wav .wave) under the folders is copied to a
scratch folder as Song.<ext>, given a Song.xml of four lines (two marked), and saved into with
`velmora-lyrics embed-sylt`. Outcomes:

  written   the tool said it saved, both readers see the new lyrics, and nothing else they
            read changed (tags, pictures, stream properties, the decoded audio)
  refused   the tool said why not, and the song is byte for byte as it was
  changed   something a reader sees changed besides the lyrics, or a refused song's bytes
  unseen    the tool said it saved, but no reader finds the lyrics

Prints one line per song and a summary per folder; exits 1 when any song is changed or unseen.
The test files are not part of this project: fetch them from the projects that publish them
(mutagen's and TagLib's tests/data, for instance).
"""

import argparse
import hashlib
import json
import os
import shutil
import subprocess
import sys
import tempfile

import mutagen
import mutagen.id3

EXTENSIONS = (".mp3", ".flac", ".ogg", ".oga", ".opus", ".m4a", ".wav", ".wave")
LYRICS_LRC = "[00:01.28]Over the water\nunder the hill\n[00:03.00]far away\nhome again\n"
MARKER = "Over the water"


def digest(data):
    return hashlib.sha1(data).hexdigest()


def is_lyrics_key(key):
    """The fields a save of the lyrics owns, as each reader names them."""
    name = str(key)
    lowered = name.lower()
    if lowered in ("lyrics", "\xa9lyr", "unsyncedlyrics") or lowered.startswith("lyrics-"):
        return lowered != "unsyncedlyrics"
    # ID3 frames through mutagen: "USLT:<desc>:<lang>" and "SYLT:<desc>:<lang>", without a
    # description the program's own.
    if name.startswith(("USLT:", "SYLT:")):
        return name.split(":")[1] == ""
    return False


def value_text(value):
    if isinstance(value, (bytes, bytearray)):
        return "bytes:" + digest(bytes(value))
    if isinstance(value, list):
        return [value_text(v) for v in value]
    data = getattr(value, "data", None)
    if isinstance(data, (bytes, bytearray)):
        kind = getattr(value, "imageformat", getattr(value, "mime", ""))
        return "%s:%s:%s:%s" % (type(value).__name__, kind, getattr(value, "desc", ""),
                                digest(bytes(data)))
    # An ID3 frame as a reader shows it (a genre by its name), whatever encoding it was
    # written in.
    if hasattr(value, "pprint") and hasattr(value, "HashKey"):
        return value.pprint()
    return repr(value)


def mutagen_view(path):
    """Tags (lyrics left out), pictures and stream properties as mutagen reads them."""
    try:
        song = mutagen.File(path)
    except Exception as error:  # a damaged song: what mutagen says is its view
        if not path.lower().endswith(".mp3"):
            return {"error": type(error).__name__}, False
        # An MP3 whose audio mutagen cannot read still has a tag it reads.
        try:
            song = mutagen.id3.ID3FileType(path)
            song.info = None
        except Exception:
            return {"error": type(error).__name__}, False
    if song is None:
        return {"error": "unknown"}, False
    view = {}
    lyrics = False
    if song.tags is not None:
        for key in song.tags.keys():
            values = song.tags[key]
            if is_lyrics_key(key):
                lyrics = lyrics or MARKER in str(values if not hasattr(values, "text")
                                                 else values.text)
                if hasattr(values, "text") and not isinstance(values.text, str):
                    lyrics = lyrics or any(MARKER in str(t) for t in values.text)
                continue
            view["tag " + str(key)] = value_text(values)
    for picture in getattr(song, "pictures", []) or []:
        view.setdefault("pictures", []).append(value_text(picture))
    for block in ("cuesheet", "seektable"):
        if getattr(song, block, None) is not None:
            view[block] = repr(getattr(song, block))
    info = song.info if song.info is not None else object()
    for attribute in ("length", "sample_rate", "channels", "bits_per_sample"):
        if hasattr(info, attribute):
            value = getattr(info, attribute)
            view["info " + attribute] = round(value, 2) if isinstance(value, float) else value
    return view, lyrics


def run(arguments, timeout=120):
    try:
        done = subprocess.run(arguments, capture_output=True, timeout=timeout)
        return done.returncode, done.stdout, done.stderr
    except subprocess.TimeoutExpired:
        return -1, b"", b"timed out"


def ffmpeg_view(path):
    """Tags (lyrics left out), streams and the decoded audio as FFmpeg reads them."""
    code, out, _ = run(["ffprobe", "-v", "quiet", "-of", "json", "-show_entries",
                        "format_tags:stream_tags:stream=codec_name,sample_rate,channels", path])
    view = {}
    lyrics = False
    if code == 0:
        probe = json.loads(out or b"{}")
        for where, tags in [("format", probe.get("format", {}).get("tags", {}))] + [
                ("stream %d" % i, s.get("tags", {})) for i, s in enumerate(probe.get("streams", []))]:
            # The values only: FFmpeg names the frames of an ID3v2.2 tag by their bare ids, and
            # the same frames in 2.3 by their meaning.
            values = []
            for key, value in tags.items():
                if is_lyrics_key(key):
                    lyrics = lyrics or MARKER in value
                elif key.lower() not in ("encoder", "vendor_id"):
                    values.append(value)
            if values:
                view["%s tags" % where] = sorted(values)
        for i, stream in enumerate(probe.get("streams", [])):
            view["stream %d" % i] = [stream.get(k) for k in ("codec_name", "sample_rate", "channels")]
    else:
        view["probe"] = "failed"
    code, out, _ = run(["ffmpeg", "-v", "quiet", "-i", path, "-map", "0:a", "-f", "md5", "-"])
    view["audio"] = out.decode(errors="replace").strip() if code == 0 else "undecodable"
    return view, lyrics


def differences(before, after):
    keys = sorted(set(before) | set(after))
    return [k for k in keys if before.get(k) != after.get(k)]


def judge(source, tool, scratch):
    extension = os.path.splitext(source)[1].lower()
    folder = tempfile.mkdtemp(dir=scratch)
    song = os.path.join(folder, "Song" + extension)
    shutil.copyfile(source, song)
    with open(os.path.join(folder, "Song.lrc"), "w", encoding="utf-8") as lrc:
        lrc.write(LYRICS_LRC)
    code, _, err = run([tool, "import-lrc", song])
    if code != 0:
        return "error", "import-lrc: " + err.decode(errors="replace").strip()
    os.remove(os.path.join(folder, "Song.lrc"))
    with open(song, "rb") as f:
        bytes_before = f.read()
    mutagen_before, _ = mutagen_view(song)
    ffmpeg_before, _ = ffmpeg_view(song)
    code, out, err = run([tool, "embed-sylt", song])
    said = (err + out).decode(errors="replace").strip().splitlines()
    said = said[0].replace(song, "Song" + extension) if said else ""
    with open(song, "rb") as f:
        bytes_after = f.read()
    shutil.rmtree(folder)
    if code != 0:
        if bytes_after != bytes_before:
            return "changed", "refused but the file differs: " + said
        return "refused", said
    mutagen_after, seen_by_mutagen = mutagen_view_from(bytes_after, extension, scratch)
    ffmpeg_after, seen_by_ffmpeg = ffmpeg_view_from(bytes_after, extension, scratch)
    # FFmpeg's tags count where it read the song's tag before: a tag it could not parse and now
    # can is the same tag mutagen read all along.
    if any(k.startswith("tag ") for k in mutagen_before) and \
            not any(k.endswith(" tags") for k in ffmpeg_before):
        for view in (ffmpeg_before, ffmpeg_after):
            for key in [k for k in view if k.endswith(" tags")]:
                del view[key]
    changed = differences(mutagen_before, mutagen_after) + differences(ffmpeg_before, ffmpeg_after)
    if changed:
        return "changed", "; ".join(changed[:6])
    if not (seen_by_mutagen or seen_by_ffmpeg):
        return "unseen", said
    return "written", "" if seen_by_mutagen and seen_by_ffmpeg else (
        "only %s sees the lyrics" % ("mutagen" if seen_by_mutagen else "FFmpeg"))


def with_copy(data, extension, scratch, reader):
    handle, path = tempfile.mkstemp(suffix=extension, dir=scratch)
    with os.fdopen(handle, "wb") as f:
        f.write(data)
    try:
        return reader(path)
    finally:
        os.remove(path)


def mutagen_view_from(data, extension, scratch):
    return with_copy(data, extension, scratch, mutagen_view)


def ffmpeg_view_from(data, extension, scratch):
    return with_copy(data, extension, scratch, ffmpeg_view)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--tool", default=os.path.join(here, "..", "build", "tools",
                                                       "velmora-lyrics"))
    parser.add_argument("--verbose", action="store_true", help="the reason for every song")
    parser.add_argument("folders", nargs="+")
    options = parser.parse_args()
    bad = 0
    with tempfile.TemporaryDirectory() as scratch:
        for top in options.folders:
            counts = {}
            songs = sorted(os.path.join(d, n) for d, _, names in os.walk(top) for n in names
                           if n.lower().endswith(EXTENSIONS))
            for source in songs:
                outcome, why = judge(source, os.path.abspath(options.tool), scratch)
                counts[outcome] = counts.get(outcome, 0) + 1
                if outcome in ("changed", "unseen", "error"):
                    bad += 1
                if options.verbose or outcome != "written":
                    print("%-8s %s  %s" % (outcome, os.path.relpath(source, top), why))
            summary = ", ".join("%d %s" % (counts[k], k) for k in
                                ("written", "refused", "changed", "unseen", "error") if k in counts)
            print("== %s: %d songs: %s" % (top, len(songs), summary))
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
