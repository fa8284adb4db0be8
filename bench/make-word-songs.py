#!/usr/bin/python3
"""Builds songs with known word starts for the word suggestions' bench.

Each song is a few lyric lines in one language (English, German, Spanish or Mandarin Chinese), sung
word by word: espeak-ng says each word (each character in Chinese) on its own, the word is
stretched by a random amount (a held note, a quick one) and the words are joined with random
gaps, some none at all, so the length of a word's text says little about its time. The lines
lie over the easy set's music bed (make-align-songs.py) at a voice-to-music ratio, with reverb
on some seeds.

Writes, per song, a folder seedN_LANG with Song.flac, Song.xml (the lyrics, unmarked, as
make-align-songs.py writes it), Song.starts (each line's start in seconds, one a line) and
Song.words (each line's word starts in seconds, blank-separated, one line a lyric line; in
Chinese one start a character).

Usage: make-word-songs.py OUTDIR [--seeds 1-3,101] [--langs en,de,cmn,es] [--lines N]
Needs espeak-ng, sox, flac and python3-numpy. A seed always makes the same song.
"""
import argparse
import importlib.util
import os
import random
import subprocess
import sys
import tempfile
import wave

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
_spec = importlib.util.spec_from_file_location("easy", os.path.join(HERE, "make-align-songs.py"))
easy = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(easy)

RATE = easy.RATE
VOICES = {
    "en": ["en-us", "en-us+f3", "en+m3", "en-gb", "en-us+f4"],
    "de": ["de", "de+f3", "de+m3", "de+f4"],
    "cmn": ["cmn", "cmn+f3", "cmn+m3", "cmn+f4"],
    "es": ["es", "es+f3", "es-419", "es-419+f4"],
}
WORDS = {
    "en": easy.WORDS,
    "de": """liebe nacht herz licht traum feuer regen zeit heimat strasse immer wieder niemals
wissen welt fluss morgen schatten golden silber sommer winter stadt fenster tanzen singen
halten hand augen offen himmel meer blau sterne langsam heute ewig gestern allein zusammen
flüstern donner wunder leise warten bleiben gehen kommen lächeln tränen stimme wild frei jung
sanft süß bitter leer berg garten blume wolken sonne mond""".split(),
    "es": """amor noche corazón luz sueño fuego lluvia tiempo camino siempre nunca mundo río
mañana sombra dorado plata verano invierno ciudad ventana bailar cantar mano ojos cielo mar
azul estrellas lento hoy ayer solo juntos susurro trueno milagro suave esperar quedarse volver
sonrisa lágrimas voz salvaje libre joven dulce amargo vacío montaña jardín flor nubes sol luna
calle puerta viento canción""".split(),
    "cmn": list("我你他爱心夜光梦火雨时家路远天海风星月花山河城门手眼歌唱听等走来去想看说"
                "春秋冬夏云雪水红蓝白长美好新老"),
}
RATIOS = [6, 3, 0]


def run(*args):
    subprocess.run(args, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def read_wav(path):
    with wave.open(path, "rb") as w:
        assert w.getframerate() == RATE and w.getnchannels() == 1 and w.getsampwidth() == 2
        return np.frombuffer(w.readframes(w.getnframes()), dtype="<i2") / 32768.0


def write_wav(path, samples):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes((np.clip(samples, -1, 1) * 32767).round().astype("<i2").tobytes())


def trim(x, floor_db=-40.0):
    """Cuts the silence around a sound: the start is where the voice begins (2 ms frames)."""
    hop = int(RATE * 0.002)
    n = len(x) // hop
    level = np.sqrt(np.mean(x[:n * hop].reshape(n, hop) ** 2, axis=1))
    loud = np.nonzero(level > level.max() * 10 ** (floor_db / 20))[0]
    return x[loud[0] * hop:(loud[-1] + 1) * hop]


def say(tmp, voice, pitch, speed, word, stretch, wavering):
    """The word as sung: said, then stretched (tempo below 1 holds it longer)."""
    raw, cooked = os.path.join(tmp, "raw.wav"), os.path.join(tmp, "word.wav")
    run("espeak-ng", "-v", voice, "-p", str(pitch), "-s", str(speed), "-w", raw, word)
    effects = ["tempo", "-s", "%.3f" % (1 / stretch)]
    if wavering:
        effects += ["tremolo", "5.5", "35"]
    easy.sox(raw, "-r", str(RATE), "-c", "1", "-b", "16", cooked, *effects)
    return trim(read_wav(cooked))


def make_line(tmp, rnd, lang, voice, pitch, speed):
    """The line's text, its samples and its words' starts in seconds from the first."""
    if lang == "cmn":
        words = [rnd.choice(WORDS[lang]) for _ in range(rnd.randint(5, 10))]
    else:
        words = [rnd.choice(WORDS[lang]) for _ in range(rnd.randint(3, 7))]
    wavering = rnd.random() < 0.4
    sound, starts = np.zeros(0), []
    for i, word in enumerate(words):
        stretch = rnd.uniform(0.9, 1.2) if rnd.random() < 0.6 else rnd.uniform(1.3, 2.2)
        if i == len(words) - 1:
            stretch += 0.4  # the last word is held
        gap = 0.0 if i == 0 or rnd.random() < 0.3 else rnd.uniform(0.03, 0.3)
        w = say(tmp, voice, pitch, speed, word, stretch, wavering)
        sound = np.concatenate([sound, np.zeros(int(gap * RATE))])
        starts.append(len(sound) / RATE)
        sound = np.concatenate([sound, w])
    if lang == "cmn":
        text = "".join(words) + ("。" if rnd.random() < 0.2 else "")
    else:
        text = " ".join(words)
        text = text[0].upper() + text[1:]
        if rnd.random() < 0.3:
            text += rnd.choice([",", "!", "..."])
    return text, sound, starts


def make_song(folder, seed, lang, count, tmp):
    rnd = random.Random("%d-%s" % (seed, lang))
    voice = rnd.choice(VOICES[lang])
    pitch, speed = rnd.randint(30, 70), rnd.randint(130, 175)
    ratio_db = RATIOS[seed % len(RATIOS)]
    lines = [make_line(tmp, rnd, lang, voice, pitch, speed) for _ in range(count)]
    at, line_starts = rnd.uniform(3.0, 5.0), []
    for _, sound, _ in lines:
        line_starts.append(at)
        at += len(sound) / RATE + rnd.uniform(0.7, 2.5)
    total = int((at + 2.0) * RATE)
    voice_track = np.zeros(total)
    mask = np.zeros(total, dtype=bool)
    for start, (_, sound, _) in zip(line_starts, lines):
        s = int(round(start * RATE))
        voice_track[s:s + len(sound)] += sound
        mask[s:s + len(sound)] = True
    if seed % 2 == 1:  # reverb on odd seeds
        dry, wet = os.path.join(tmp, "dry.wav"), os.path.join(tmp, "wet.wav")
        peak = max(1e-9, np.abs(voice_track).max())
        write_wav(dry, voice_track / peak * 0.5)
        easy.sox(dry, wet, "reverb", "40", "trim", "0", "%ds" % total)
        voice_track = np.concatenate([read_wav(wet), np.zeros(total)])[:total] * peak / 0.5
    loop = np.array(easy.music_loop(tmp, rnd))
    music = np.tile(loop, total // len(loop) + 1)[:total]
    gain = easy.rms(voice_track[mask]) / max(1e-9, easy.rms(music[mask])) / 10 ** (ratio_db / 20)
    mix = voice_track + gain * music
    mix *= 0.9 / max(1e-9, np.abs(mix).max())
    os.makedirs(folder, exist_ok=True)
    wav = os.path.join(tmp, "mix.wav")
    write_wav(wav, mix)
    run("flac", "--silent", "-f", "-5", "-o", os.path.join(folder, "Song.flac"), wav)
    texts = [text for text, _, _ in lines]
    song = os.path.abspath(os.path.join(folder, "Song.flac"))
    easy_write_lyrics(os.path.join(folder, "Song.xml"), song, texts)
    with open(os.path.join(folder, "Song.starts"), "w") as f:
        for start in line_starts:
            f.write("%.3f\n" % start)
    with open(os.path.join(folder, "Song.words"), "w") as f:
        for start, (_, _, starts) in zip(line_starts, lines):
            f.write(" ".join("%.3f" % (start + s) for s in starts) + "\n")


def easy_write_lyrics(path, song, lines):
    """Song.xml exactly as make-align-songs.py writes it."""
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write('<?xml version="1.0" encoding="UTF-8" standalone="yes" ?>\r\n')
        f.write('<SynchronizedLyrics Title="" Artist="" Filename="%s">\r\n<LYRICS>\r\n' %
                easy.xml_escape(song))
        for n, text in enumerate(lines, 1):
            f.write("  <LINE>\r\n    <LineNumber>%d</LineNumber>\r\n    <TimeMarker>"
                    "</TimeMarker>\r\n    <LyricLine>%s</LyricLine>\r\n  </LINE>\r\n" %
                    (n, easy.xml_escape(text)))
        f.write("</LYRICS>\r\n</SynchronizedLyrics>\r\n")


def parse_seeds(text):
    seeds = []
    for part in text.split(","):
        first, _, last = part.partition("-")
        seeds += range(int(first), int(last or first) + 1)
    return seeds


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("outdir")
    parser.add_argument("--seeds", default="1-3")
    parser.add_argument("--langs", default="en,de,cmn,es")
    parser.add_argument("--lines", type=int, default=10)
    args = parser.parse_args()
    for seed in parse_seeds(args.seeds):
        for lang in args.langs.split(","):
            folder = os.path.join(args.outdir, "seed%d_%s" % (seed, lang))
            if os.path.exists(os.path.join(folder, "Song.words")):
                continue
            with tempfile.TemporaryDirectory() as tmp:
                make_song(folder, seed, lang, args.lines, tmp)
            print(folder, file=sys.stderr)


if __name__ == "__main__":
    main()
