#!/usr/bin/python3
"""Builds hard songs with known line starts: songs made more like real ones than the easy set.

Each song (1.5-3 minutes, 25-35 lines) is sung by one synthetic voice (espeak-ng, flite or
festival; male or female), either word by word on the notes of a melody (each word stretched
to its note, pitch-shifted to it, with scoops and vibrato) or line by line like a recitative.
The voice is dry, in a hall, or doubled by a detuned, delayed copy panned aside. Under it a
stereo band on a tempo: pads, bass, drums, keys and a lead synth that plays fills, and a
melody in instrumental breaks of 4-15 s. Choruses come back word for word, with the same
voice audio and the same music under them. Lines start on the beat grid, most on a beat.

Writes, per song, a folder seedN with Song.mp3 or Song.flac (stereo, 44.1 kHz), Song.xml
(the lyrics, unmarked, as make-align-songs.py writes it), Song.starts (where each line's voice
begins, in seconds, one a line) and Song.conditions (JSON: how the song was made, with flags
per line); beside Song.flac also Song..xml, the same lyrics under the name the program looks
for. Prints per song its length and the voice-to-music ratio reached.

Usage: make-hard-songs.py OUTDIR [--seeds 201-210,301] [--jobs 2] [--force] [--ratio DB]
Needs espeak-ng, flite, festival with festvox-us-slt-hts, rubberband-cli, sox, lame, flac and
python3-numpy. A seed always makes the same song.
"""
import argparse
import json
import math
import os
import random
import re
import subprocess
import tempfile
import time
import wave
from concurrent.futures import ProcessPoolExecutor

import numpy as np

RATE = 44100

# (synthesizer, voice, female). flite's kal16 is kal at 16 kHz (plain kal is 8 kHz).
VOICES = [
    ("espeak-ng", "en-us", False),
    ("flite", "kal16", False),
    ("festival", "cmu_us_slt_arctic_hts", True),
    ("espeak-ng", "en-us+f3", True),
    ("flite", "awb", False),
    ("flite", "slt", True),
    ("espeak-ng", "en-gb+m3", False),
    ("flite", "rms", False),
    ("espeak-ng", "en-us+f4", True),
]
PRODUCTIONS = ["dry", "reverb", "doubled"]
RATIOS = [3, 0, -3, -6]

MAJOR = [0, 2, 4, 5, 7, 9, 11]
MINOR = [0, 2, 3, 5, 7, 8, 10]
PROGRESSIONS = {
    "verse": [[1, 6, 4, 5], [1, 5, 6, 4], [6, 4, 1, 5], [1, 4, 6, 5]],
    "pre": [[4, 5, 6, 5], [2, 4, 5, 5]],
    "chorus": [[4, 1, 5, 6], [1, 5, 6, 4], [6, 4, 1, 5], [4, 5, 1, 1]],
    "bridge": [[6, 5, 4, 5], [2, 5, 1, 6], [4, 4, 6, 5]],
}

# The easy set's words, sorted into parts of speech, and a few more.
NOUNS = """love night heart light dream fire rain time home road world river morning shadow
city street window hand door ocean sky voice heaven mountain valley desert garden flower
moment answer summer winter thunder star song name fear sun moon""".split()
PLURALS = "eyes stars tears hands dreams lights roads rivers flowers shadows".split()
ADJS = """golden silver blue wild free young old gentle sweet bitter empty hollow lonely
broken little open wide burning falling""".split()
VERBS = "hold feel know remember whisper wonder dance sing call wait stay leave open close".split()
GERUNDS = """falling rising burning running walking waiting staying leaving coming going
calling""".split()
ADVERBS = "slowly tonight forever again away together yesterday tomorrow".split()
PREPS = "under over into across through beyond".split()
# Words no dictionary holds, so that the letter-to-sound path is exercised.
INVENTED = ["velmoran", "strandish", "quorvely", "blenting", "morrowind", "taluvay"]
TEMPLATES = [
    "I {verb} the {adj} {noun}",
    "{Adj} {noun} {gerund} {adverb}",
    "Hold my {noun} {adverb}",
    "We are {gerund} {prep} the {noun}",
    "Every {noun} I {verb} is {adj}",
    "{Gerund} {prep} a {adj} {noun}",
    "Oh {noun}, {verb} me {adverb}",
    "{Prep} the {adj} {plural} of {noun}",
    "I will {verb} your {noun} {adverb}",
    "Don't you {verb} the {noun} {adverb}",
    "{Adj} {noun} and {adj} {plural}",
    "Take me {prep} the {noun}",
    "All the {plural} are {gerund} {adverb}",
    "You {verb} my {adj} {noun}",
    "{Noun} of {plural}, {noun} of {plural}",
    "Never {verb} the {noun} {adverb}",
    "When the {noun} is {gerund}, I {verb} you",
    "Your {plural} in the {adj} {noun}",
]


def run(*args, **kwargs):
    subprocess.run(args, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   **kwargs)


def sox(*args):
    """sox with the same noise and dither at every run."""
    run("sox", "-R", *args)


def read_wav(path):
    """Samples as floats (frames x channels, or one dimension for mono) and the rate."""
    with wave.open(path, "rb") as w:
        assert w.getsampwidth() == 2
        data = np.frombuffer(w.readframes(w.getnframes()), dtype="<i2").astype(np.float64)
        rate, channels = w.getframerate(), w.getnchannels()
    data /= 32768.0
    return (data.reshape(-1, channels) if channels > 1 else data), rate


def write_wav(path, samples, rate):
    samples = np.asarray(samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1 if samples.ndim == 1 else samples.shape[1])
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes((np.clip(samples, -1, 1) * 32767).round().astype("<i2").tobytes())


def midi_hz(note):
    return 440.0 * 2 ** ((note - 69) / 12.0)


def db(x):
    return 20 * math.log10(max(x, 1e-12))


def rms(x):
    return float(np.sqrt(np.mean(np.square(x)))) if np.size(x) else 0.0


# ---------------------------------------------------------------------------- the lyrics

def lyric_line(rnd):
    template = rnd.choice(TEMPLATES)
    parts = {"noun": NOUNS, "plural": PLURALS, "adj": ADJS, "verb": VERBS,
             "gerund": GERUNDS, "adverb": ADVERBS, "prep": PREPS}

    def fill(match):
        key = match.group(1)
        word = rnd.choice(parts[key.lower()])
        if key == "noun" and rnd.random() < 0.06:
            word = rnd.choice(INVENTED)
        return word.capitalize() if key[0].isupper() else word

    text = re.sub(r"\{(\w+)\}", fill, template)
    if rnd.random() < 0.2:
        text += rnd.choice([",", "!", "..."])
    return text


def words_of(text):
    return re.findall(r"[A-Za-z']+", text.lower())


def syllables(word):
    return max(1, len(re.findall(r"[aeiouy]+", word.rstrip("e") or word)))


# ---------------------------------------------------------------------------- the voice

def f0_median(x, rate):
    """Median pitch of the clearly voiced frames (autocorrelation), or None."""
    hop, win = int(rate * 0.01), int(rate * 0.04)
    n = (len(x) - win) // hop
    if n < 3:
        return None
    frames = x[np.arange(win)[None, :] + hop * np.arange(n)[:, None]] * np.hanning(win)
    energy = np.mean(frames ** 2, axis=1)
    spectrum = np.fft.rfft(frames, 2 * win)
    ac = np.fft.irfft(np.abs(spectrum) ** 2)[:, :win]
    lo, hi = int(rate / 400), int(rate / 70)
    lag = lo + np.argmax(ac[:, lo:hi], axis=1)
    peak = ac[np.arange(n), lag] / (ac[:, 0] + 1e-12)
    voiced = (peak > 0.55) & (energy > energy.max() * 0.02)
    if voiced.sum() < 3:
        return None
    return float(np.median(rate / lag[voiced]))


def trim(x, rate, floor_db=-40.0):
    """Cuts the silence around a sound: the start is where the voice begins (2 ms frames)."""
    hop = max(1, int(rate * 0.002))
    n = len(x) // hop
    if n == 0:
        return x
    level = np.sqrt(np.mean(x[:n * hop].reshape(n, hop) ** 2, axis=1))
    loud = np.nonzero(level > level.max() * 10 ** (floor_db / 20))[0]
    return x[loud[0] * hop:(loud[-1] + 1) * hop]


def warp_pitch(x, rate, cents):
    """Plays x at a varying speed: cents (one value a sample) bends the pitch by that much."""
    speed = 2.0 ** (np.asarray(cents) / 1200.0)
    position = np.concatenate(([0.0], np.cumsum(speed[:-1])))
    position = np.minimum(position, len(x) - 1)
    return np.interp(position, np.arange(len(x)), x)


class Singer:
    """One synthetic voice: words and lines as samples at the synthesizer's own rate."""

    def __init__(self, synth, voice, female, tmp, rnd):
        self.synth, self.voice, self.female, self.tmp = synth, voice, female, tmp
        self.centre = rnd.uniform(195, 225) if female else rnd.uniform(105, 125)
        self.speed = rnd.randint(125, 160)
        self.espeak_pitch = rnd.randint(35, 60)
        self.rate = None
        self.count = 0
        self.cache = {}

    def _path(self):
        self.count += 1
        return os.path.join(self.tmp, "v%d.wav" % self.count)

    def say(self, texts, flat):
        """Each text's samples; flat asks for a steady pitch (for singing on notes). Texts not
        heard before are synthesized together: festival is slow to start."""
        todo = sorted({t for t in texts if (t, flat) not in self.cache})
        if todo:
            for text, sound in zip(todo, self._synthesize(todo, flat)):
                self.cache[(text, flat)] = sound
        return [self.cache[(t, flat)] for t in texts]

    def _synthesize(self, texts, flat):
        paths = [self._path() for _ in texts]
        if self.synth == "espeak-ng":
            for text, path in zip(texts, paths):
                body = '<speak><prosody range="x-low">%s</prosody></speak>' % text if flat \
                    else "<speak>%s</speak>" % text
                run("espeak-ng", "-m", "-v", self.voice, "-s", str(self.speed), "-p",
                    str(self.espeak_pitch), "-w", path, body)
        elif self.synth == "flite":
            for text, path in zip(texts, paths):
                run("flite", "-voice", self.voice, "--setf",
                    "int_f0_target_mean=%d" % self.centre, "--setf",
                    "int_f0_target_stddev=%d" % (3 if flat else 14), "-t", text, "-o", path)
        else:  # festival: one process for every text
            script = os.path.join(self.tmp, "say%d.scm" % self.count)
            with open(script, "w") as f:
                f.write("(voice_%s)\n" % self.voice)
                for text, path in zip(texts, paths):
                    f.write('(utt.save.wave (SynthText "%s") "%s" \'riff)\n'
                            % (text.replace('"', ""), path))
            run("festival", "-b", script)
        sounds = []
        for path in paths:
            x, rate = read_wav(path)
            self.rate = rate
            sounds.append(trim(x, rate))
        return sounds

    def shape(self, x, stretch, semitones):
        """Stretches and shifts a sound with its formants kept."""
        src, dst = self._path(), self._path()
        write_wav(src, x, self.rate)
        run("rubberband", "-q", "-F", "-t", "%.4f" % stretch, "-p", "%.3f" % semitones, src, dst)
        y, _ = read_wav(dst)
        return trim(y, self.rate)


# ---------------------------------------------------------------------------- the plan

class Line:
    def __init__(self, text, section, repeat_of=-1):
        self.text, self.section, self.repeat_of = text, section, repeat_of
        self.start = 0.0          # where the voice begins, seconds
        self.end = 0.0
        self.beat_aligned = True
        self.offset_beats = 0.0
        self.after_break = False
        self.gap_before = 0.0     # seconds without voice before the line
        self.style = "sung"
        self.sound = None         # the line's samples at the singer's rate


def plan_sections(rnd):
    """The form of the song: sections with their line counts; repeats name the first one."""
    verse = [rnd.randint(4, 5) for _ in range(3)]
    pre = 2 if rnd.random() < 0.4 else 0
    chorus = 4
    bridge = rnd.randint(2, 3)
    form = [("verse", "V1", verse[0])]
    if pre:
        form.append(("pre", "P", pre))
    form += [("chorus", "C", chorus), ("verse", "V2", verse[1])]
    if pre:
        form.append(("pre", "P", pre))
    form.append(("chorus", "C", chorus))
    total = sum(n for _, _, n in form) + bridge + chorus
    if total < 25:
        form += [("verse", "V3", verse[2]), ("chorus", "C", chorus)]
    form += [("bridge", "B", bridge), ("chorus", "C", chorus)]
    return form


def sung_rhythm(rnd, words, lengths, beat):
    """Note onsets and lengths in beats, one a word; a word's note fits its spoken length."""
    notes, at = [], 0.0
    for i, (word, length) in enumerate(zip(words, lengths)):
        need = length / beat
        choices = [0.5, 0.5, 1.0] if syllables(word) == 1 else [0.5, 1.0, 1.0, 1.5]
        value = max(rnd.choice(choices), math.ceil(need * 0.8 * 2) / 2)
        if i == len(words) - 1:
            value += rnd.choice([0.5, 1.0, 1.5])  # the last word is held
        notes.append((at, value))
        at += value
    return notes


def melody(rnd, count, centre_midi, scale, tonic, high):
    """A walk on the scale around the voice's own pitch; a chorus sits higher."""
    pitches = sorted({tonic + 12 * o + s for o in range(-4, 5) for s in scale})
    lo, hi = centre_midi - 4 + (3 if high else 0), centre_midi + 5 + (4 if high else 0)
    usable = [p for p in pitches if lo <= p <= hi]
    i = rnd.randrange(len(usable))
    out = []
    for _ in range(count):
        out.append(usable[i])
        i = min(len(usable) - 1, max(0, i + rnd.choice([-2, -1, -1, 0, 1, 1, 2])))
    return out


def make_line_sound(singer, rnd, text, beat, scale, tonic, high, style):
    """The line's samples at the singer's rate; the voice begins at sample 0."""
    words = words_of(text)
    centre_midi = 69 + 12 * math.log2(singer.centre / 440.0)
    if style == "phrase":
        (x,) = singer.say([text], flat=False)
        natural = f0_median(x, singer.rate) or singer.centre
        target = midi_hz(rnd.choice(melody(rnd, 3, centre_midi, scale, tonic, high)))
        y = singer.shape(x, rnd.uniform(1.0, 1.3), np.clip(12 * math.log2(target / natural), -6, 6))
        rate = singer.rate
        t = np.arange(len(y)) / rate
        y = warp_pitch(y, rate, 30 * np.sin(2 * math.pi * 5.2 * t))
        return y / max(1e-9, rms(y)) * 0.1
    sounds = singer.say(words, flat=True)
    rate = singer.rate
    notes = sung_rhythm(rnd, words, [len(s) / rate for s in sounds], beat)
    pitches = melody(rnd, len(words), centre_midi, scale, tonic, high)
    total = notes[-1][0] + notes[-1][1]
    out = np.zeros(int((total * beat + 2.0) * rate))
    legato = rnd.uniform(0.8, 0.95)
    for (at, value), pitch, sound in zip(notes, pitches, sounds):
        natural = f0_median(sound, rate) or singer.centre
        shift = float(np.clip(12 * math.log2(midi_hz(pitch) / natural), -6, 6))
        stretch = float(np.clip(value * beat * legato / (len(sound) / rate), 0.8, 2.0))
        y = singer.shape(sound, stretch, shift)
        t = np.arange(len(y)) / rate
        cents = np.zeros(len(y))
        if rnd.random() < 0.35:  # a scoop up into the note
            cents += -rnd.uniform(60, 150) * np.clip(1 - t / 0.09, 0, 1)
        if len(y) / rate > 0.35:  # vibrato on held notes, growing after the attack
            depth = rnd.uniform(20, 45) * np.clip((t - 0.15) / 0.3, 0, 1)
            cents += depth * np.sin(2 * math.pi * rnd.uniform(4.8, 6.2) * t)
        y = warp_pitch(y, rate, cents) * 10 ** (rnd.uniform(-2, 2) / 20)
        start = int(at * beat * rate)
        end = min(len(out), start + len(y))
        out[start:end] += y[:end - start]
    out = trim(out, rate)
    if rnd.random() < 0.3:  # tremolo
        t = np.arange(len(out)) / rate
        out *= 1 - 0.25 * (0.5 + 0.5 * np.sin(2 * math.pi * 5.5 * t))
    return out / max(1e-9, rms(out)) * 0.1


# ---------------------------------------------------------------------------- the music

def fft_filter(x, rate, low=None, high=None, order=2, pocket_db=0.0):
    """A zero-phase low/high-pass on a whole track (Butterworth-like magnitude); pocket_db
    dips the band around 2 kHz, where a mix leaves room for the voice."""
    size = 1 << (len(x) - 1).bit_length()  # a length the FFT is quick at
    spectrum = np.fft.rfft(x, size)
    f = np.fft.rfftfreq(size, 1.0 / rate)
    gain = np.ones_like(f)
    if low:
        gain /= np.sqrt(1 + (f / low) ** (2 * order))
    if high:
        gain /= np.sqrt(1 + (high / np.maximum(f, 1e-3)) ** (2 * order))
    if pocket_db:
        bell = np.exp(-np.log2(np.maximum(f, 1.0) / 2000.0) ** 2 / (2 * 0.9 ** 2))
        gain *= 1 - (1 - 10 ** (-pocket_db / 20)) * bell
    return np.fft.irfft(spectrum * gain, size)[:len(x)]


def envelope(n, attack, release, rate, decay=None):
    t = np.arange(n) / rate
    env = np.clip(t / max(attack, 1e-4), 0, 1)
    if decay:
        env *= np.exp(-t / decay)
    if release > 0:
        env *= np.clip((n / rate - t) / release, 0, 1)
    return env


def oscillator(kind, freq, n, rate, vibrato=0.0, phase=0.0):
    t = np.arange(n) / rate
    inst = freq * (1 + vibrato * np.sin(2 * math.pi * 5.5 * t))
    ph = phase + np.cumsum(inst) / rate
    if kind == "saw":
        return 2 * (ph % 1.0) - 1
    if kind == "square":
        return np.where(ph % 1.0 < 0.5, 1.0, -1.0)
    return np.sin(2 * math.pi * ph)


def add(track, sound, at):
    start = int(round(at * RATE))
    if start >= len(track) or start + len(sound) <= 0:
        return
    end = min(len(track), start + len(sound))
    track[start:end] += sound[:end - start]


def drum_kit(rng):
    n = int(0.35 * RATE)
    t = np.arange(n) / RATE
    kick = np.sin(2 * math.pi * np.cumsum(45 + 75 * np.exp(-t / 0.03)) / RATE) * np.exp(-t / 0.12)
    noise = rng.standard_normal(int(0.25 * RATE))
    ts = np.arange(len(noise)) / RATE
    snare = fft_filter(noise, RATE, low=6000, high=900) * np.exp(-ts / 0.07) * 0.6 + \
        np.sin(2 * math.pi * 185 * ts) * np.exp(-ts / 0.05) * 0.5
    hat_noise = rng.standard_normal(int(0.08 * RATE))
    hat = fft_filter(hat_noise, RATE, high=7000) * np.exp(-np.arange(len(hat_noise)) / RATE / 0.02)
    crash_noise = rng.standard_normal(int(1.5 * RATE))
    crash = fft_filter(crash_noise, RATE, high=4500) * \
        np.exp(-np.arange(len(crash_noise)) / RATE / 0.5)
    return {"kick": kick, "snare": snare, "hat": hat * 0.25, "crash": crash * 0.25}


class Band:
    """Sections of music as events in beats; a repeated section brings back its events."""

    def __init__(self, rnd, tonic, scale, bpm):
        self.rnd, self.tonic, self.scale = rnd, tonic, scale
        self.beat = 60.0 / bpm
        self.events = []  # (seconds, instrument, midi or None, beats, velocity)
        self.templates = {}
        self.bass_pattern = rnd.choice([[0, 1, 2, 3], [0, 0.5, 1.5, 2, 3, 3.5], [0, 1.5, 2, 3.5]])
        self.kick_pattern = rnd.choice([[0, 2], [0, 1.5, 2], [0, 2, 2.5]])
        self.hat_step = rnd.choice([0.5, 0.5, 0.25])
        self.lead_kind = rnd.choice(["saw", "square"])

    def chord(self, degree):
        """The triad on a scale degree, as pitches above the tonic."""
        i = degree - 1
        return [self.scale[(i + k) % 7] + 12 * ((i + k) // 7) for k in (0, 2, 4)]

    def lead_line(self, rnd, beats, chords, dense):
        """A melody for the lead over beats, on the chords (one a bar)."""
        notes, at = [], 0.0
        pitches = sorted({self.tonic + 12 * o + s for o in range(4, 8) for s in self.scale})
        usable = [p for p in pitches if 67 <= p <= 86]
        i = rnd.randrange(len(usable))
        while at < beats - 0.49:
            value = rnd.choice([0.5, 0.5, 1.0, 1.0, 1.5, 2.0] if dense else [1.0, 1.5, 2.0])
            value = min(value, beats - at)
            if at % 4 == 0:  # a chord tone on the bar's first beat
                tones = [self.tonic + 60 + c for c in chords[int(at // 4) % len(chords)]]
                tones = [t + 12 * k for t in tones for k in (0, 1, 2) if 67 <= t + 12 * k <= 86]
                if tones:
                    i = min(range(len(usable)), key=lambda j: abs(usable[j] - rnd.choice(tones)))
            if rnd.random() > 0.12:  # a rest now and then
                notes.append((at, usable[i], value))
            at += value
            i = min(len(usable) - 1, max(0, i + rnd.choice([-2, -1, -1, 1, 1, 2, 3])))
        return notes

    def section(self, key, kind, bars, gaps, at_beats):
        """Adds the section's music at at_beats; gaps are (start, end) beats without voice."""
        if key not in self.templates:
            self.templates[key] = self._template(kind, bars, gaps)
        for beat, instrument, pitch, length, velocity in self.templates[key]:
            self.events.append(((at_beats + beat) * self.beat, instrument, pitch,
                                length * self.beat, velocity))

    def _template(self, kind, bars, gaps):
        rnd = self.rnd
        progression = rnd.choice(PROGRESSIONS.get(kind, PROGRESSIONS["verse"]))
        chords = [self.chord(progression[b % len(progression)]) for b in range(bars)]
        ev = []
        full = kind not in ("intro", "outro")
        arp = kind in ("chorus", "bridge") or rnd.random() < 0.4
        for b in range(bars):
            base, chord = b * 4, chords[b]
            for k, pitch in enumerate(chord):  # pad: the chord held through the bar
                ev.append((base, "pad", self.tonic + 48 + pitch + (12 if k == 0 else 0), 4.0, 0.8))
            if full or b >= bars // 2:
                for s in self.bass_pattern:
                    ev.append((base + s, "bass", self.tonic + 36 + chord[0], 0.45, 0.9))
                for s in self.kick_pattern:
                    ev.append((base + s, "kick", None, 0, rnd.uniform(0.85, 1.0)))
                for s in (1, 3):
                    ev.append((base + s, "snare", None, 0, rnd.uniform(0.85, 1.0)))
            steps = int(4 / self.hat_step)
            for s in range(steps):
                ev.append((base + s * self.hat_step, "hat", None, 0,
                           rnd.uniform(0.6, 1.0) * (1.0 if s % 2 == 0 else 0.7)))
            if arp:
                for s in range(8):
                    pitch = self.tonic + 60 + chord[[0, 1, 2, 1][s % 4]] + (12 if s >= 4 else 0)
                    ev.append((base + s * 0.5, "keys", pitch, 0.5, rnd.uniform(0.7, 1.0)))
            if b == 0 and kind in ("chorus", "break", "bridge"):
                ev.append((base, "crash", None, 0, 1.0))
            if b == bars - 1 and full:  # a fill into the next section
                for s in (3.0, 3.25, 3.5, 3.75):
                    ev.append((base + s, "snare", None, 0, rnd.uniform(0.5, 0.8)))
        if kind in ("break", "intro"):
            for at, pitch, value in self.lead_line(rnd, bars * 4, [c for c in chords], True):
                ev.append((at, "lead", pitch, value, 1.0))
        else:  # fills where the voice rests, quieter
            for start, end in gaps:
                if end - start >= 1.5 and rnd.random() < 0.35:
                    for at, pitch, value in self.lead_line(rnd, end - start - 0.5, chords, False):
                        ev.append((start + at + 0.25, "lead", pitch, value, 0.4))
        return ev

    def render(self, length, rng, pans):
        """The band as a stereo track and each instrument's pan (-1 left, 1 right)."""
        n = int(length * RATE)
        stems = {name: np.zeros(n) for name in ("pad_l", "pad_r", "bass", "keys", "lead",
                                                "kick", "snare", "hat", "crash")}
        kit = drum_kit(rng)
        for at, instrument, pitch, dur, velocity in self.events:
            if instrument in kit:
                add(stems[instrument], kit[instrument] * velocity, at)
                continue
            freq = midi_hz(pitch)
            if instrument == "pad":
                m = int((dur + 0.4) * RATE)
                env = envelope(m, 0.25, 0.5, RATE) * velocity * 0.09
                add(stems["pad_l"], oscillator("saw", freq * 2 ** (-8 / 1200), m, RATE) * env, at)
                add(stems["pad_r"], oscillator("saw", freq * 2 ** (8 / 1200), m, RATE,
                                               phase=0.3) * env, at)
            elif instrument == "bass":
                m = int(dur * RATE)
                add(stems["bass"], oscillator("saw", freq, m, RATE) *
                    envelope(m, 0.005, 0.04, RATE) * velocity * 0.5, at)
            elif instrument == "keys":
                m = int(0.9 * RATE)
                t = np.arange(m) / RATE
                tone = sum(np.sin(2 * math.pi * freq * h * t) / h ** 1.5 for h in (1, 2, 3, 4))
                add(stems["keys"], tone * np.exp(-t / 0.25) * envelope(m, 0.003, 0.05, RATE) *
                    velocity * 0.18, at)
            elif instrument == "lead":
                m = int(dur * RATE)
                env = envelope(m, 0.01, 0.06, RATE) * \
                    (0.75 + 0.25 * np.exp(-np.arange(m) / RATE / 0.1))
                add(stems["lead"], oscillator(self.lead_kind, freq, m, RATE, vibrato=0.006) *
                    env * velocity * 0.35, at)
        stems["pad_l"] = fft_filter(stems["pad_l"], RATE, low=1800, pocket_db=8)
        stems["pad_r"] = fft_filter(stems["pad_r"], RATE, low=1800, pocket_db=8)
        stems["bass"] = fft_filter(stems["bass"], RATE, low=450, order=3)
        stems["lead"] = fft_filter(stems["lead"], RATE, low=4000, pocket_db=6)
        stems["keys"] = fft_filter(stems["keys"], RATE, pocket_db=6)
        mix = np.zeros((n, 2))
        for name, stem in stems.items():
            angle = (pans.get(name, 0.0) + 1) * math.pi / 4  # equal power
            mix[:, 0] += stem * math.cos(angle) * math.sqrt(2)
            mix[:, 1] += stem * math.sin(angle) * math.sqrt(2)
        # An echo on the lead, to the other side, as mixes have it.
        delay = int(0.75 * self.beat * RATE)
        echo = np.zeros(n)
        echo[delay:] = stems["lead"][:-delay] * 0.35
        mix[:, 0 if pans["lead"] > 0 else 1] += echo
        return mix


# ---------------------------------------------------------------------------- the song

def make_song(folder, seed, tmp, ratio=None):
    rnd = random.Random(seed)
    rng = np.random.default_rng(seed)
    synth, voice, female = VOICES[seed % len(VOICES)]
    production = PRODUCTIONS[(seed // len(VOICES) + 2 * seed) % 3]
    ratio_db = RATIOS[(seed + seed // 4) % len(RATIOS)] if ratio is None else ratio
    song_format = "mp3" if rnd.random() < 0.5 else "flac"
    bpm = rnd.randint(84, 128)
    beat, bar = 60.0 / bpm, 240.0 / bpm
    tonic = rnd.randrange(12)
    scale = MAJOR if rnd.random() < 0.6 else MINOR
    singer = Singer(synth, voice, female, tmp, rnd)
    sung_share = rnd.uniform(0.6, 0.9)

    # The words: each section's lines once; a repeated section repeats them word for word.
    form = plan_sections(rnd)
    texts = {}
    for kind, key, count in form:
        if key not in texts:
            texts[key] = [lyric_line(rnd) for _ in range(count)]
    kinds = {key: kind for kind, key, _ in form}
    styles = {(key, n): "sung" if kinds[key] == "chorus" or rnd.random() < sung_share else "phrase"
              for key, lines in texts.items() for n in range(len(lines))}
    singer.say(sorted({w for (key, n), style in styles.items() if style == "sung"
                       for w in words_of(texts[key][n])}), flat=True)
    singer.say(sorted({texts[key][n] for (key, n), style in styles.items() if style == "phrase"}),
               flat=False)
    sounds = {(key, n): make_line_sound(singer, rnd, texts[key][n], beat, scale, tonic,
                                        kinds[key] == "chorus", styles[(key, n)])
              for key, n in sorted(styles, key=lambda k: (list(texts).index(k[0]), k[1]))}
    vrate = singer.rate

    # The layout on the bar grid. A repeated section keeps its first layout.
    band = Band(rnd, tonic, scale, bpm)
    lines, layouts, first_line = [], {}, {}
    at = 0  # bars
    intro_bars = max(2, math.ceil(rnd.uniform(4.0, 9.0) / bar))
    band.section("intro", "intro", intro_bars, [], at * 4)
    at += intro_bars
    # Instrumental breaks: a solo before the bridge, often before the second and third verse
    # and the last chorus.
    chance = {"V2": 0.7, "V3": 0.5, "B": 1.0}
    breaks_before = {s: rnd.random() < chance.get(key, 0.0) for s, (_, key, _) in enumerate(form)}
    breaks_before[len(form) - 1] = rnd.random() < 0.4
    for s, (kind, key, count) in enumerate(form):
        if breaks_before.get(s):
            seconds = rnd.uniform(4.0, 15.0)
            n = max(math.ceil(4.0 / bar), min(int(15.0 / bar), round(seconds / bar)))
            band.section("break%d" % s, "break", n, [], at * 4)
            at += n
        if key not in layouts:
            slots, cursor = [], 0.0
            for n in range(count):
                length = len(sounds[(key, n)]) / vrate / beat  # beats
                offset = rnd.choices([0.0, 1.0, 0.5, -0.5], [0.6, 0.15, 0.15, 0.1])[0]
                if n == 0 and offset < 0:
                    offset = 0.0
                # A line takes whole half bars, and now and then half a bar more of rest.
                slot = math.ceil((max(0.0, offset) + length + 0.75) / 2)
                if rnd.random() < 0.1:
                    slot += 1
                slots.append((cursor + offset, length))
                cursor += slot * 2
            bars = math.ceil(cursor / 4)
            gaps = [(start + length, (slots[i + 1][0] if i + 1 < len(slots) else bars * 4))
                    for i, (start, length) in enumerate(slots)]
            layouts[key] = (bars, slots)
            band.section(key, kind, bars, gaps, at * 4)
        else:
            band.section(key, kind, layouts[key][0], [], at * 4)
        bars, slots = layouts[key]
        for n, (start, length) in enumerate(slots):
            line = Line(texts[key][n], key, first_line.get((key, n), -1))
            first_line.setdefault((key, n), len(lines))
            line.offset_beats = round(start % 1.0, 3)
            line.beat_aligned = abs(start - round(start)) < 1e-6
            line.start = (at * 4 + start) * beat
            line.sound = sounds[(key, n)]
            line.style = styles[(key, n)]
            line.end = line.start + len(line.sound) / vrate
            lines.append(line)
        at += bars
    outro_bars = 2
    band.section("outro", "outro", outro_bars, [], at * 4)
    at += outro_bars
    length = at * bar + 2.0

    previous_end = 0.0
    for line in lines:
        line.gap_before = line.start - previous_end
        line.after_break = line.gap_before >= 4.0
        previous_end = line.end

    # The voice: the main part in the centre, a double (detuned, late, aside) when asked.
    n_v = int(length * vrate)
    main, double = np.zeros(n_v), np.zeros(n_v)
    double_cents = rnd.choice([-1, 1]) * rnd.uniform(8, 18)
    double_delay = rnd.uniform(0.018, 0.04)
    for line in lines:
        start = int(round(line.start * vrate))
        end = min(n_v, start + len(line.sound))
        main[start:end] += line.sound[:end - start]
        if production == "doubled":
            copy = warp_pitch(line.sound, vrate, np.full(len(line.sound), double_cents))
            d0 = start + int(double_delay * vrate)
            d1 = min(n_v, d0 + len(copy))
            double[d0:d1] += copy[:d1 - d0] * 10 ** (-rnd.uniform(2, 5) / 20)
    raw = os.path.join(tmp, "voice-raw.wav")
    up = os.path.join(tmp, "voice-44k.wav")
    peak = max(np.abs(main).max(), np.abs(double).max(), 1e-9)
    write_wav(raw, np.stack([main, double], axis=1) / peak * 0.5, vrate)
    sox(raw, "-r", str(RATE), up)
    both, _ = read_wav(up)
    both = both * peak / 0.5
    n = int(length * RATE)
    both = np.vstack([both, np.zeros((max(0, n - len(both)), 2))])[:n]
    voice_mix = np.zeros((n, 2))
    voice_mix += both[:, :1] * 1.0  # centre: the same in both channels
    reverb = {}
    if production == "doubled":
        side = rnd.choice([-1, 1]) * rnd.uniform(0.4, 0.7)
        angle = (side + 1) * math.pi / 4
        voice_mix[:, 0] += both[:, 1] * math.cos(angle) * math.sqrt(2)
        voice_mix[:, 1] += both[:, 1] * math.sin(angle) * math.sqrt(2)
    if production == "reverb":  # a hall: long tail, pre-delay, wet close to the dry level
        reverb = {"reverberance": rnd.randint(80, 100), "hf_damping": rnd.randint(20, 50),
                  "pre_delay_ms": rnd.randint(20, 60),
                  "direct_to_reverb_db": round(rnd.uniform(0.5, 4.0), 1)}
        dry_path, wet_path = os.path.join(tmp, "dry.wav"), os.path.join(tmp, "wet.wav")
        write_wav(dry_path, voice_mix * 0.25, RATE)
        sox(dry_path, wet_path, "reverb", "-w", str(reverb["reverberance"]),
            str(reverb["hf_damping"]), "100", "100", str(reverb["pre_delay_ms"]))
        wet, _ = read_wav(wet_path)
        wet = np.vstack([wet, np.zeros((max(0, n - len(wet)), 2))])[:n] / 0.25
        gain = rms(voice_mix) / max(1e-9, rms(wet)) * 10 ** (-reverb["direct_to_reverb_db"] / 20)
        voice_mix = voice_mix + wet * gain

    # The band, panned: bass, kick and snare near the centre, the rest to the sides.
    lead_side = rnd.choice([-1, 1])
    pans = {"pad_l": -0.7, "pad_r": 0.7, "bass": 0.0, "kick": 0.0,
            "snare": rnd.uniform(-0.1, 0.1), "hat": -lead_side * rnd.uniform(0.2, 0.45),
            "crash": lead_side * 0.3, "keys": -lead_side * rnd.uniform(0.3, 0.6),
            "lead": lead_side * rnd.uniform(0.25, 0.5)}
    music = band.render(length, rng, pans)

    # The ratio: voice against music over the spans where the voice sings.
    mask = np.zeros(n, dtype=bool)
    for line in lines:
        mask[int(line.start * RATE):int(line.end * RATE)] = True
    gain = rms(voice_mix[mask]) / max(1e-9, rms(music[mask])) / 10 ** (ratio_db / 20)
    music *= gain
    mix = voice_mix + music
    scale_to = 0.89 / max(1e-9, np.abs(mix).max())
    achieved = db(rms(voice_mix[mask]) / max(1e-9, rms(music[mask])))
    mid_voice, mid_music = voice_mix.mean(axis=1), music.mean(axis=1)
    achieved_mid = db(rms(mid_voice[mask]) / max(1e-9, rms(mid_music[mask])))

    os.makedirs(folder, exist_ok=True)
    wav = os.path.join(tmp, "mix.wav")
    write_wav(wav, mix * scale_to, RATE)
    song = os.path.join(folder, "Song." + song_format)
    if song_format == "mp3":
        run("lame", "--quiet", "-b", "192", wav, song)
    else:
        run("flac", "--silent", "-f", "-5", "-o", song, wav)
    with open(os.path.join(folder, "Song.starts"), "w") as f:
        for line in lines:
            f.write("%.3f\n" % line.start)
    write_lyrics(os.path.join(folder, "Song.xml"), os.path.abspath(song), [l.text for l in lines])
    if song_format == "flac":  # the program looks for Song..xml beside Song.flac
        write_lyrics(song[:-4] + ".xml", os.path.abspath(song), [l.text for l in lines])
    conditions = {
        "seed": seed, "synthesizer": synth, "voice": voice, "female": female,
        "production": production, "dry": production == "dry",
        "reverb": production == "reverb", "doubled": production == "doubled",
        "reverb_settings": reverb, "ratio_db": ratio_db,
        "achieved_ratio_db": round(achieved, 2), "achieved_mid_ratio_db": round(achieved_mid, 2),
        "format": song_format, "tempo_bpm": bpm, "length_s": round(length, 3),
        "sung_share": round(sum(l.style == "sung" for l in lines) / len(lines), 2),
        "double": {"cents": round(double_cents, 1), "delay_ms": round(double_delay * 1000, 1)}
        if production == "doubled" else {},
        "lines": [{"index": i, "text": l.text, "section": l.section,
                   "start": round(l.start, 3), "end": round(l.end, 3), "style": l.style,
                   "after_break": l.after_break, "gap_before_s": round(l.gap_before, 2),
                   "repeat_of": l.repeat_of, "beat_aligned": l.beat_aligned,
                   "offset_beats": l.offset_beats} for i, l in enumerate(lines)],
    }
    with open(os.path.join(folder, "Song.conditions"), "w") as f:
        json.dump(conditions, f, indent=1)
    return conditions


def write_lyrics(path, song, lines):
    """Song.xml exactly as make-align-songs.py writes it."""
    with open(path, "w", encoding="utf-8", newline="") as f:
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


def build(outdir, seed, force, ratio):
    folder = os.path.join(outdir, "seed%d" % seed)
    if not force and os.path.exists(os.path.join(folder, "Song.conditions")):
        with open(os.path.join(folder, "Song.conditions")) as f:
            return folder, json.load(f), 0.0
    began = time.time()
    with tempfile.TemporaryDirectory() as tmp:
        conditions = make_song(folder, seed, tmp, ratio)
    return folder, conditions, time.time() - began


def parse_seeds(text):
    seeds = []
    for part in text.split(","):
        first, _, last = part.partition("-")
        seeds += range(int(first), int(last or first) + 1)
    return seeds


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("outdir")
    parser.add_argument("--seeds", default="201-210")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1)
    parser.add_argument("--force", action="store_true", help="remake songs already there")
    parser.add_argument("--ratio", type=float,
                        help="one voice-to-music ratio (dB) for every song, to listen or compare")
    args = parser.parse_args()
    began = time.time()
    with ProcessPoolExecutor(max_workers=args.jobs) as pool:
        futures = [pool.submit(build, args.outdir, seed, args.force, args.ratio)
                   for seed in parse_seeds(args.seeds)]
        for future in futures:
            folder, c, took = future.result()
            print("%s  %-9s %-22s %-7s %+3g dB (reached %+.1f, mid %+.1f)  %4s  %3d lines  "
                  "%5.1f s long  %s" % (
                      folder, c["synthesizer"], c["voice"], c["production"], c["ratio_db"],
                      c["achieved_ratio_db"], c["achieved_mid_ratio_db"], c["format"],
                      len(c["lines"]), c["length_s"],
                      "made in %.0f s" % took if took else "kept"), flush=True)
    print("%.0f s in all" % (time.time() - began))


if __name__ == "__main__":
    main()
