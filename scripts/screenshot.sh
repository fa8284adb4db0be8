#!/usr/bin/env bash
# Makes the README's pictures of the real window from a demo song it generates:
#   docs/window.png   an offscreen grab after opening the song
#   docs/window-de.png, window-ja.png, window-ar.png   the same in German, Japanese, Arabic
#   docs/playing.png  a grab during playback in a real X window under Xvfb
#   docs/word-timing.png  the second line being marked word by word, its words in the strip
#   docs/suggestions.png  a generated sung song's suggested times, its first line marked and
#                         one line marked two seconds late
#   docs/word-suggestions.png  a song sung word by word, three line starts marked, the second
#                         line's words suggested in the strip
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh >/dev/null
# A desktop's screen: Qt's offscreen one is too narrow for the window, which would scroll.
offscreen="offscreen:configfile=$PWD/tests/data/screens/desktop.json"
[ -e build/tools/Velmora81.mdb ] || build/tools/velmora-dbsetup build/tools >/dev/null

demo=/tmp/velmora-demo
rm -rf "$demo" && mkdir -p "$demo"
trap 'rm -rf "$demo"' EXIT
song="$demo/Harbour Song.mp3"
python3 - "$demo" <<'PY'
import math, struct, sys, wave
demo = sys.argv[1]
rate = 22050
with wave.open(f"{demo}/song.wav", "wb") as w:
    w.setnchannels(1); w.setsampwidth(2); w.setframerate(rate)
    # A quiet bed, and a phrase that swells and fades from each line's time, so the
    # slider's waveform shows where the lines start.
    starts = [1, 3, 5, 7, 9, 12, 14]
    def level(t):
        phrase = max([math.exp(-(t - s) * 1.1) for s in starts if 0 <= t - s < 1.8] + [0])
        return 900 + 15000 * phrase * (0.6 + 0.4 * abs(math.sin(math.pi * 3 * t)))
    w.writeframes(b"".join(
        struct.pack("<h", int(level(i / rate) * math.sin(2 * math.pi * (330 + (i // rate) * 20) * i / rate)))
        for i in range(rate * 20)))
lines = [("Morning light on the harbour wall", 1), ("Gulls above the sleeping boats", 3),
         ("", None), ("I count the bells and wait for you", 5),
         ("The tide comes in, the tide goes out", 7), ("And every wave brings back your name", 9),
         ("", None), ("Morning light on the harbour wall", 12), ("I count the bells and wait", 14)]
out = ['<?xml version="1.0" encoding="UTF-8" standalone="yes" ?>',
       f'<SynchronizedLyrics Title="" Artist="" Filename="{demo}/Harbour Song.mp3">', "<LYRICS>"]
for n, (lyric, secs) in enumerate(lines, 1):
    out.append(f"<LINE><LineNumber>{n}</LineNumber><TimeMarker>{'' if secs is None else secs}"
               f"</TimeMarker><LyricLine>{lyric}</LyricLine></LINE>")
out += ["</LYRICS>", "</SynchronizedLyrics>"]
open(f"{demo}/Harbour Song.xml", "w").write("\r\n".join(out) + "\r\n")
PY
lame --quiet -m m -b 32 "$demo/song.wav" "$song"

QT_QPA_PLATFORM="$offscreen" build/tools/velmora-screenshot docs/window.png "$song" 2>/dev/null
# The same window in other languages; Arabic is laid out right to left.
for language in de ja ar; do
  QT_QPA_PLATFORM="$offscreen" build/tools/velmora-screenshot "docs/window-$language.png" "$song" \
    --language "$language" 2>/dev/null
done
timeout 120 xvfb-run -a -s "-screen 0 1280x800x24" \
  build/tools/velmora-screenshot docs/playing.png "$song" --play 9.5 --speed -2 2>/dev/null
timeout 120 xvfb-run -a -s "-screen 0 1280x800x24" \
  build/tools/velmora-screenshot docs/word-timing.png "$song" --words --play 4.3 \
  --mark 1 --mark 1.3 --mark 1.65 --mark 1.9 --mark 2.2 --mark 2.6 \
  --mark 3 --mark 3.35 --mark 3.7 --mark 3.95 2>/dev/null

voiced="$demo/voiced"
python3 bench/make-align-songs.py "$voiced" --seeds 11 --ratios 6 --lines 8 >/dev/null
voiced="$voiced/seed11_+6dB"
python3 - "$voiced" <<'PY'
import re, sys
folder = sys.argv[1]
starts = [float(s) for s in open(f"{folder}/Song.starts").read().split()]
xml = open(f"{folder}/Song.xml", encoding="utf-8").read()
marks = {1: int(starts[0]), 5: int(starts[4]) + 2}  # the fifth line tapped late
def mark(m):
    n = int(m.group(2))
    return m.group(0) if n not in marks else f"{m.group(1)}{marks[n]}</TimeMarker>"
xml = re.sub(r"(<LineNumber>(\d+)</LineNumber>\s*<TimeMarker>)</TimeMarker>", mark, xml)
open(f"{folder}/Song.xml", "w", encoding="utf-8").write(xml)
PY
QT_QPA_PLATFORM="$offscreen" build/tools/velmora-screenshot docs/suggestions.png \
  "$voiced/Song.mp3" --suggestions 2>/dev/null

words="$demo/words"
python3 bench/make-word-songs.py "$words" --seeds 101 --langs en --lines 4 >/dev/null
words="$words/seed101_en"
ffmpeg -v error -i "$words/Song.flac" "$words/Song.mp3"
mapfile -t starts <"$words/Song.starts"
QT_QPA_PLATFORM="$offscreen" QT_SCALE_FACTOR=1.5 build/tools/velmora-screenshot docs/word-suggestions.png \
  "$words/Song.mp3" --play 16 --mark "${starts[0]}" --mark "${starts[1]}" \
  --mark "${starts[2]}" --strip 2 2>/dev/null
echo "wrote docs/window.png, docs/window-{de,ja,ar}.png, docs/playing.png, docs/word-timing.png," \
  "docs/suggestions.png and docs/word-suggestions.png"
