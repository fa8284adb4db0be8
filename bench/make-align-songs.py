#!/usr/bin/python3
"""Builds songs with known line starts for the alignment bench and tests.

Each song is a few lyric lines spoken by espeak-ng (voice, pitch and speed varied; some
lines sung-like with a vibrato) over a music bed made with sox (chords, bass, drums), mixed
at a voice-to-music ratio, with reverb on some seeds. Writes, per song, a folder with
Song.mp3, Song.xml (the lyrics, no times) and Song.starts (one line start in seconds a line).

Usage: make-align-songs.py OUTDIR [--seeds 1,2] [--ratios 6,0,-6] [--lines N]
Only espeak-ng, sox and lame are needed; the standard library does the rest.
"""
import argparse
import array
import math
import os
import random
import subprocess
import sys
import tempfile
import wave

RATE = 22050
NOTES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
WORDS = """love night heart light dream fire rain time home road away again never know
feel world every river morning shadow golden silver summer winter city street window
dance sing hold hand close eyes open door wide ocean blue sky falling rising under
over stars burning slowly tonight forever yesterday tomorrow running walking lonely
broken together remember whisper thunder wonder little million moment answer calling
waiting staying leaving coming going smile tears voice heaven wild free young old
gentle honey sugar sweet bitter empty hollow mountain valley desert garden flower""".split()
# Words no dictionary holds, so that the letter-to-sound path is exercised.
INVENTED = ["velmoran", "strandish", "quorvely", "blenting"]
VOICES = ["en-us", "en-us+f3", "en+m3", "en-gb", "en-us+f4", "en+m7", "en-gb-x-rp+f2"]


def run(*args):
    subprocess.run(args, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def sox(*args):
    """sox with the same noise and dither at every run: a seed always makes the same song."""
    run("sox", "-R", *args)


def read_wav(path):
    with wave.open(path, "rb") as w:
        assert w.getframerate() == RATE and w.getnchannels() == 1 and w.getsampwidth() == 2
        data = array.array("h")
        data.frombytes(w.readframes(w.getnframes()))
    return data


def write_wav(path, samples):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(array.array("h", samples).tobytes())


def synth(tmp, name, *effects):
    path = os.path.join(tmp, name + ".wav")
    sox("-n", "-r", str(RATE), "-c", "1", "-b", "16", path, *effects)
    return [s / 32768.0 for s in read_wav(path)]


def add_into(target, sound, at, gain=1.0):
    end = min(len(target), at + len(sound))
    for i in range(at, end):
        target[i] += gain * sound[i - at]


def music_loop(tmp, rnd):
    """Eight seconds: four chords with their bass, kick, snare and hi-hat at 120 bpm."""
    progressions = [["C3", "A2", "F2", "G2"], ["D3", "B2", "G2", "A2"], ["E3", "C3", "A2", "B2"]]
    roots = rnd.choice(progressions)
    bar = int(2 * RATE)
    loop = [0.0] * (4 * bar)
    kick = synth(tmp, "kick", "synth", "0.18", "sine", "90-40", "fade", "0", "0.18", "0.16")
    snare = synth(tmp, "snare", "synth", "0.12", "whitenoise", "bandpass", "1800", "1.5q",
                  "fade", "0", "0.12", "0.11")
    hat = synth(tmp, "hat", "synth", "0.04", "whitenoise", "highpass", "7000", "fade", "0",
                "0.04", "0.035")
    for c, root in enumerate(roots):
        # A major or minor triad and the octave, each note plucked on its own.
        base = 440.0 * 2 ** ((NOTES[root[:-1]] - 9) / 12.0 + int(root[-1]) - 4)
        chord = [0.0] * bar
        for n, step in enumerate([0, 3 if c == 1 else 4, 7, 12]):
            note = synth(tmp, "note%d" % n, "synth", "2", "pluck", "%.2f" % (base * 2 ** (step / 12.0)),
                         "fade", "0", "2", "0.2")
            add_into(chord, note, 0, 0.3)
        bass = synth(tmp, "bass%d" % c, "synth", "0.45", "sine", "%.2f" % (base / 4), "fade",
                     "0.01", "0.45", "0.1")
        start = c * bar
        add_into(loop, chord, start, 0.5)
        for beat in range(4):
            add_into(loop, bass, start + beat * bar // 4, 0.6)
            add_into(loop, kick if beat % 2 == 0 else snare, start + beat * bar // 4, 0.8)
        for eighth in range(8):
            add_into(loop, hat, start + eighth * bar // 8, 0.25)
    return loop


def rms(samples):
    return math.sqrt(sum(s * s for s in samples) / max(1, len(samples)))


def make_voice_lines(tmp, rnd, count):
    voice = rnd.choice(VOICES)
    lines, sounds = [], []
    for n in range(count):
        words = [rnd.choice(WORDS) for _ in range(rnd.randint(3, 7))]
        if rnd.random() < 0.15:
            words[rnd.randrange(len(words))] = rnd.choice(INVENTED)
        text = " ".join(words).capitalize()
        if rnd.random() < 0.3:
            text += rnd.choice([",", "!", "..."])
        raw = os.path.join(tmp, "line%d.wav" % n)
        cooked = os.path.join(tmp, "line%d-22k.wav" % n)
        run("espeak-ng", "-v", voice, "-p", str(rnd.randint(25, 80)), "-s",
            str(rnd.randint(120, 185)), "-w", raw, text)
        effects = ["silence", "1", "0.005", "0.5%"]  # the start is where the voice begins
        if rnd.random() < 0.4:  # sung-like: a slower, wavering line
            effects += ["tempo", "0.85", "tremolo", "5.5", "40"]
        sox(raw, "-r", str(RATE), "-c", "1", "-b", "16", cooked, *effects)
        lines.append(text)
        sounds.append([s / 32768.0 for s in read_wav(cooked)])
    return lines, sounds


def make_song(folder, seed, ratio_db, count, tmp):
    rnd = random.Random(seed)  # the same words, voice and timing at every ratio
    lines, sounds = make_voice_lines(tmp, rnd, count)
    starts, at = [], int(rnd.uniform(3.0, 6.0) * RATE)
    for sound in sounds:
        starts.append(at)
        at += len(sound) + int(rnd.uniform(0.6, 3.0) * RATE)
    total = at + 2 * RATE
    voice = [0.0] * total
    for start, sound in zip(starts, sounds):
        add_into(voice, sound, start)
    if seed % 2 == 1:  # reverb on odd seeds
        write_wav(os.path.join(tmp, "dry.wav"), [int(max(-1, min(1, s)) * 32767) for s in voice])
        sox(os.path.join(tmp, "dry.wav"), os.path.join(tmp, "wet.wav"), "reverb", "40",
            "trim", "0", "%ds" % total)
        voice = [s / 32768.0 for s in read_wav(os.path.join(tmp, "wet.wav"))]
        voice += [0.0] * (total - len(voice))
    loop = music_loop(tmp, rnd)
    music = (loop * (total // len(loop) + 1))[:total]
    voiced = [voice[s + i] for s, snd in zip(starts, sounds) for i in range(len(snd))]
    gain = rms(voiced) / max(1e-9, rms(music)) / (10 ** (ratio_db / 20.0))
    mix = [v + gain * m for v, m in zip(voice, music)]
    peak = max(1e-9, max(abs(s) for s in mix))
    scale = 0.9 / peak
    os.makedirs(folder, exist_ok=True)
    wav = os.path.join(tmp, "mix.wav")
    write_wav(wav, [int(s * scale * 32767) for s in mix])
    run("lame", "--quiet", "-b", "128", wav, os.path.join(folder, "Song.mp3"))
    with open(os.path.join(folder, "Song.starts"), "w") as f:
        for start in starts:
            f.write("%.3f\n" % (start / RATE))
    song = os.path.abspath(os.path.join(folder, "Song.mp3"))
    with open(os.path.join(folder, "Song.xml"), "w", encoding="utf-8", newline="") as f:
        f.write('<?xml version="1.0" encoding="UTF-8" standalone="yes" ?>\r\n')
        f.write('<SynchronizedLyrics Title="" Artist="" Filename="%s">\r\n<LYRICS>\r\n' %
                xml_escape(song))
        for n, text in enumerate(lines, 1):
            f.write("  <LINE>\r\n    <LineNumber>%d</LineNumber>\r\n    <TimeMarker>"
                    "</TimeMarker>\r\n    <LyricLine>%s</LyricLine>\r\n  </LINE>\r\n" %
                    (n, xml_escape(text)))
        f.write("</LYRICS>\r\n</SynchronizedLyrics>\r\n")


def xml_escape(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;").replace(
        '"', "&quot;")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("outdir")
    parser.add_argument("--seeds", default="1,2")
    parser.add_argument("--ratios", default="6,0,-6")
    parser.add_argument("--lines", type=int, default=12)
    args = parser.parse_args()
    for seed in [int(s) for s in args.seeds.split(",")]:
        for ratio in [int(r) for r in args.ratios.split(",")]:
            folder = os.path.join(args.outdir, "seed%d_%+ddB" % (seed, ratio))
            if os.path.exists(os.path.join(folder, "Song.starts")):
                continue
            with tempfile.TemporaryDirectory() as tmp:
                make_song(folder, seed, ratio, args.lines, tmp)
            print(folder, file=sys.stderr)


if __name__ == "__main__":
    main()
