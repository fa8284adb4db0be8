#!/usr/bin/python3
"""Measures the suggested line times of velmora-lyrics on songs from make-hard-songs.py.

For every song folder (Song.mp3 or Song.flac, Song.xml, Song.starts, Song.conditions) it runs
`velmora-lyrics suggest --jobs 1` on copies of the lyrics file under three conditions: no line
marked, only the first line marked, every third line marked (lines 1, 4, 7, ...). Marks are
written as whole seconds, the floor of the true start, as Mark Line stores them. Then it runs
`velmora-lyrics check --jobs 1` on a copy with every line marked where about a third of the
marks sit 2-4 s from the voice, earlier or later.

It reports, per condition and per kind of song or line, the share of unmarked lines within
0.3 s and 1 s of the truth, the mean error, the share of spread (fallback) answers, the share
of confident answers (>= 0.6) more than 1 s off, and the same for a text-length spread between
the same anchors computed here; for the check, the share of moved and of correct marks flagged;
and the CPU seconds per minute of audio. Everything also goes to WORK/report.json and one row a
line to WORK/lines.csv.

Usage: eval-align.py SONGS [--tool build/tools/velmora-lyrics] [--work DIR] [--jobs 2]
"""
import argparse
import csv
import json
import math
import os
import random
import re
import subprocess
import sys
import time
from concurrent.futures import ThreadPoolExecutor

CONDITIONS = ["none", "first", "third"]
TITLES = {"none": "no marks", "first": "first line marked", "third": "every third line marked",
          "marked": "first or every third line marked, together"}
CONFIDENT = 0.6  # what Ctrl+Shift+G accepts in one go


def marked_lines(condition, count):
    if condition == "first":
        return {0}
    if condition == "third":
        return set(range(0, count, 3))
    return set()


def write_lyrics(source, target, song, marks):
    """A copy of Song.xml with marks (line index -> whole seconds) in its TimeMarkers."""
    with open(source, encoding="utf-8", newline="") as f:
        text = f.read()
    text = re.sub(r'Filename="[^"]*"', 'Filename="%s"' % song.replace("&", "&amp;"), text, 1)
    index = iter(range(10 ** 6))

    def mark(match):
        n = next(index)
        return "<TimeMarker>%s</TimeMarker>" % (marks[n] if n in marks else "")

    text = re.sub(r"<TimeMarker>[^<]*</TimeMarker>", mark, text)
    with open(target, "w", encoding="utf-8", newline="") as f:
        f.write(text)


def place(folder, work, name, marks):
    """A folder under work with a link to the song and the marked lyrics file; the song's path."""
    target = os.path.join(work, name)
    os.makedirs(target, exist_ok=True)
    song = next(f for f in os.listdir(folder) if f.startswith("Song.") and
                f.split(".")[-1] in ("mp3", "flac"))
    link = os.path.join(target, song)
    if os.path.lexists(link):
        os.remove(link)
    os.symlink(os.path.abspath(os.path.join(folder, song)), link)
    # The program's lyrics file is the song's path less its last four characters, plus ".xml":
    # Song..xml beside Song.flac.
    write_lyrics(os.path.join(folder, "Song.xml"), link[:-4] + ".xml", link, marks)
    return link


def run_tool(tool, command, song):
    """Runs the tool on one song; its output, its notes and the CPU seconds it used."""
    out_path, err_path = song + ".%s.out" % command, song + ".%s.err" % command
    with open(out_path, "wb") as out, open(err_path, "wb") as err:
        process = subprocess.Popen([tool, command, "--jobs", "1", "--", song], stdout=out,
                                   stderr=err, stdin=subprocess.DEVNULL)
        # wait4 gives this child's own rusage, so that runs side by side are told apart.
        _, status, usage = os.wait4(process.pid, 0)
        process.returncode = os.waitstatus_to_exitcode(status)
    with open(out_path, encoding="utf-8", errors="replace") as f:
        output = f.read()
    with open(err_path, encoding="utf-8", errors="replace") as f:
        notes = f.read()
    return output, notes, usage.ru_utime + usage.ru_stime, process.returncode


def spread(texts, anchors, length):
    """Line starts spread by text length between the anchors (index -> seconds)."""
    points = sorted(anchors.items())
    if not points or points[0][0] != 0:
        points = [(0, 0.0)] + points
    points.append((len(texts), length))
    starts = [0.0] * len(texts)
    for (a, ta), (b, tb) in zip(points, points[1:]):
        sizes = [max(1, len(texts[i])) for i in range(a, b)]
        total, before = sum(sizes), 0
        for i in range(a, b):
            starts[i] = ta + (tb - ta) * before / total
            before += sizes[i - a]
    return starts


class Song:
    def __init__(self, folder):
        self.folder = folder
        self.name = os.path.basename(os.path.normpath(folder))
        with open(os.path.join(folder, "Song.conditions")) as f:
            self.c = json.load(f)
        with open(os.path.join(folder, "Song.starts")) as f:
            self.starts = [float(s) for s in f.read().split()]
        self.texts = [line["text"] for line in self.c["lines"]]
        self.results = {}  # condition -> {"answers": {line: (secs, kind)}, "cpu": s, ...}
        self.check = None


def evaluate_suggest(song, tool, work, condition):
    marks = {i: int(math.floor(song.starts[i])) for i in
             marked_lines(condition, len(song.starts))}
    path = place(song.folder, os.path.join(work, song.name), condition, marks)
    output, notes, cpu, code = run_tool(tool, "suggest", path)
    answers = {}
    for row in output.splitlines():
        parts = row.split("\t")
        if len(parts) == 4 and parts[1].isdigit():
            answers[int(parts[1]) - 1] = (float(parts[2]), parts[3])
    notes = [n for n in notes.splitlines() if n.strip() and not n.startswith("suggest:")]
    song.results[condition] = {"answers": answers, "marks": marks, "cpu": cpu, "code": code,
                               "notes": notes}


def evaluate_check(song, tool, work):
    rnd = random.Random(song.c["seed"])
    marks = {i: int(math.floor(s)) for i, s in enumerate(song.starts)}
    moved = set(rnd.sample(range(len(song.starts)), round(len(song.starts) / 3)))
    for i in moved:  # a whole second 2-4 s from where the voice begins, earlier or later
        start = song.starts[i]
        later = [m for m in range(math.ceil(start + 2), math.floor(start + 4) + 1)]
        earlier = [m for m in range(math.ceil(start - 4), math.floor(start - 2) + 1) if m >= 0]
        marks[i] = rnd.choice(earlier if earlier and rnd.random() < 0.5 else later)
    path = place(song.folder, os.path.join(work, song.name), "check", marks)
    output, _, cpu, code = run_tool(tool, "check", path)
    flags = {}
    for row in output.splitlines():
        found = re.match(r"^(.*): line (\d+) at ([\d.]+) (.*)$", row)
        if found and found.group(1) == path:
            flags[int(found.group(2)) - 1] = found.group(4)
    song.check = {"marks": marks, "moved": sorted(moved), "flags": flags, "cpu": cpu,
                  "code": code}


class Tally:
    """The figures for one group of unmarked lines."""

    def __init__(self):
        self.errors, self.spread_errors = [], []
        self.early = 0  # answers more than 1 s before the voice
        self.fallback = self.confident = self.confident_wrong = 0
        self.early_in_break = self.at_first_occurrence = 0

    def add(self, error, kind, base_error, early_in_break=False, at_first=False, early=False):
        self.errors.append(error)
        self.early += early
        self.spread_errors.append(base_error)
        self.fallback += kind == "spread"
        if kind not in ("spread", "missing") and float(kind) >= CONFIDENT:
            self.confident += 1
            self.confident_wrong += error > 1.0
        self.early_in_break += early_in_break
        self.at_first_occurrence += at_first

    def figures(self):
        n = len(self.errors)
        share = lambda k, total=n: round(100.0 * k / total, 1) if total else None
        return {
            "lines": n,
            "within_0.3s": share(sum(e <= 0.3 for e in self.errors)),
            "within_1s": share(sum(e <= 1.0 for e in self.errors)),
            "mean_error_s": round(sum(self.errors) / n, 2) if n else None,
            "fallback": share(self.fallback),
            "confident": self.confident,
            "confident_over_1s": share(self.confident_wrong, self.confident),
            "early_over_1s": share(self.early),
            "early_in_break": share(self.early_in_break),
            "at_first_occurrence": share(self.at_first_occurrence),
            "spread_within_0.3s": share(sum(e <= 0.3 for e in self.spread_errors)),
            "spread_within_1s": share(sum(e <= 1.0 for e in self.spread_errors)),
            "spread_mean_error_s": round(sum(self.spread_errors) / n, 2) if n else None,
        }


def ratio_group(db):
    return "%+d dB" % db


def groups_of(song, line):
    c, flags = song.c, song.c["lines"][line]
    out = ["all", "synth " + c["synthesizer"], "female" if c["female"] else "male",
           c["production"], "ratio " + ratio_group(c["ratio_db"]), c["format"],
           "line " + flags["style"]]
    if flags["after_break"]:
        out.append("line after a break")
    if flags["repeat_of"] >= 0:
        out.append("line repeated")
    if not flags["beat_aligned"]:
        out.append("line off the beat")
    return out


def group_order(group):
    """All lines first, then the song's synthesizer, voice, production, ratio and format, then
    the kinds of line."""
    kinds = ["all", "synth ", "female", "male", "dry", "reverb", "doubled", "ratio ", "mp3",
             "flac", "line "]
    rank = next(i for i, k in enumerate(kinds) if group.startswith(k))
    if group.startswith("ratio "):
        return rank, -int(group.split()[1]), group
    return rank, 0, group


def tally(songs):
    """Per condition: group -> Tally; and the rows of lines.csv."""
    table, rows = {}, []
    for song in songs:
        for condition in CONDITIONS:
            result = song.results[condition]
            anchors = {i: float(s) for i, s in result["marks"].items()}
            base = spread(song.texts, anchors, song.c["length_s"])
            for line, truth in enumerate(song.starts):
                if line in result["marks"]:
                    continue
                secs, kind = result["answers"].get(line, (base[line], "missing"))
                error = abs(secs - truth)
                flags = song.c["lines"][line]
                early = flags["after_break"] and truth - flags["gap_before_s"] <= secs < truth - 0.3
                first = flags["repeat_of"] >= 0 and \
                    abs(secs - song.starts[flags["repeat_of"]]) <= 1.0
                for group in groups_of(song, line):
                    for name in [condition] + (["marked"] if condition != "none" else []):
                        table.setdefault(name, {}).setdefault(group, Tally()).add(
                            error, kind, abs(base[line] - truth), early, first,
                            secs < truth - 1.0)
                rows.append([song.name, condition, line + 1, "%.3f" % truth, "%.3f" % secs, kind,
                             "%.3f" % error, "%.3f" % base[line], flags["after_break"],
                             flags["repeat_of"], flags["beat_aligned"], flags["style"],
                             song.c["synthesizer"], song.c["voice"], song.c["production"],
                             song.c["ratio_db"]])
    return table, rows


def check_figures(songs):
    moved = correct = moved_flagged = correct_flagged = no_voice = 0
    per_song = {}
    for song in songs:
        flags, moved_lines = song.check["flags"], set(song.check["moved"])
        m = len(moved_lines)
        mf = sum(i in flags for i in moved_lines)
        cf = sum(i in flags for i in range(len(song.starts)) if i not in moved_lines)
        moved += m
        moved_flagged += mf
        correct += len(song.starts) - m
        correct_flagged += cf
        no_voice += sum("no voice" in text for text in flags.values())
        per_song[song.name] = {"moved_flagged": "%d/%d" % (mf, m),
                               "correct_flagged": "%d/%d" % (cf, len(song.starts) - m)}
    return {"moved_marks": moved, "moved_flagged": round(100.0 * moved_flagged / max(1, moved), 1),
            "correct_marks": correct,
            "correct_flagged": round(100.0 * correct_flagged / max(1, correct), 1),
            "no_voice_flags": no_voice, "per_song": per_song}


def fell_back(song, condition):
    """Whether most of the song's unmarked lines were spread."""
    result = song.results[condition]
    kinds = [result["answers"].get(i, (0, "missing"))[1] for i in range(len(song.starts))
             if i not in result["marks"]]
    return kinds.count("spread") > len(kinds) / 2


def cpu_figures(songs):
    """CPU seconds per minute of audio: mean, worst, and the means over the songs that mostly
    aligned and over those that mostly fell back."""
    out = {}
    mean = lambda values: round(sum(values) / len(values), 2) if values else None
    for condition in CONDITIONS + ["check"]:
        per_minute, aligned, spread_ = [], [], []
        for song in songs:
            cpu = song.check["cpu"] if condition == "check" else song.results[condition]["cpu"]
            value = cpu / (song.c["length_s"] / 60.0)
            per_minute.append(value)
            if condition != "check":
                (spread_ if fell_back(song, condition) else aligned).append(value)
        out[condition] = {"mean": mean(per_minute), "worst": round(max(per_minute), 2),
                          "aligned_songs": mean(aligned), "fallback_songs": mean(spread_)}
    return out


def song_rows(songs):
    rows = []
    for song in songs:
        row = {"song": song.name, "synth": song.c["synthesizer"], "voice": song.c["voice"],
               "production": song.c["production"], "ratio_db": song.c["ratio_db"],
               "format": song.c["format"], "length_s": song.c["length_s"],
               "lines": len(song.starts)}
        for condition in CONDITIONS:
            result = song.results[condition]
            unmarked = [i for i in range(len(song.starts)) if i not in result["marks"]]
            errors = [abs(result["answers"][i][0] - song.starts[i]) if i in result["answers"]
                      else 1e9 for i in unmarked]
            kinds = [result["answers"].get(i, (0, "missing"))[1] for i in unmarked]
            row[condition] = {
                "within_0.3s": round(100.0 * sum(e <= 0.3 for e in errors) / len(errors), 1),
                "fallback": round(100.0 * kinds.count("spread") / len(kinds), 1),
                "cpu_per_min": round(result["cpu"] / (song.c["length_s"] / 60.0), 2),
                "notes": result["notes"][:2]}
        rows.append(row)
    return rows


def percent(value):
    return "   -  " if value is None else "%5.1f%%" % value


def print_report(report, out):
    print("Songs: %d, lines: %d, audio: %.1f min" % (
        report["songs"], report["lines"], report["minutes"]), file=out)
    for condition in CONDITIONS + ["marked"]:
        print("\n== %s ==" % TITLES[condition], file=out)
        print("%-22s %5s %7s %7s %6s %7s %9s %8s | spread: %7s %7s %6s" % (
            "group", "lines", "<=0.3s", "<=1s", "mean", "fallbk", "conf>1s", "(n conf)",
            "<=0.3s", "<=1s", "mean"), file=out)
        for group, f in report["suggest"][condition].items():
            print("%-22s %5d %7s %7s %6.2f %7s %9s %8d | %15s %7s %6.2f" % (
                group, f["lines"], percent(f["within_0.3s"]), percent(f["within_1s"]),
                f["mean_error_s"], percent(f["fallback"]), percent(f["confident_over_1s"]),
                f["confident"], percent(f["spread_within_0.3s"]), percent(f["spread_within_1s"]),
                f["spread_mean_error_s"]), file=out)
            if group == "line after a break":
                print("%-22s %s of these placed inside the break, > 0.3 s early" % (
                    "", percent(f["early_in_break"])), file=out)
            if group == "line repeated":
                print("%-22s %s of these placed within 1 s of the first occurrence, %s more "
                      "than 1 s early" % ("", percent(f["at_first_occurrence"]),
                                          percent(f["early_over_1s"])), file=out)
    whole = report["songs_all_fallback"]
    print("\nSongs whose every unmarked line fell back: " + ", ".join(
        "%s %d/%d" % (TITLES[c], whole[c], report["songs"]) for c in CONDITIONS), file=out)
    check = report["check"]
    print("\nTiming check: %s of %d moved marks flagged, %s of %d correct marks flagged "
          "(%d flags say no voice)" % (percent(check["moved_flagged"]), check["moved_marks"],
                                       percent(check["correct_flagged"]), check["correct_marks"],
                                       check["no_voice_flags"]), file=out)
    print("\nCPU seconds per minute of audio (one core, --jobs 1):", file=out)
    for condition, v in report["cpu"].items():
        print("  %-24s mean %5.2f  worst %5.2f%s" % (
            TITLES.get(condition, "check"), v["mean"], v["worst"],
            "" if condition == "check" else "  (songs that aligned %s, that fell back %s)" % (
                v["aligned_songs"], v["fallback_songs"])), file=out)
    print("\n%-8s %-9s %-22s %-7s %5s %4s %6s  %s" % (
        "song", "synth", "voice", "prod", "ratio", "fmt", "length",
        "  ".join("%-22s" % TITLES[c][:22] for c in CONDITIONS)), file=out)
    for row in report["per_song"]:
        print("%-8s %-9s %-22s %-7s %+5d %4s %5.0fs  %s  check moved %s correct %s" % (
            row["song"], row["synth"], row["voice"], row["production"], row["ratio_db"],
            row["format"], row["length_s"],
            "  ".join("%5.1f%% fb %5.1f%% %4.1fs" % (
                row[c]["within_0.3s"], row[c]["fallback"], row[c]["cpu_per_min"])
                for c in CONDITIONS),
            check["per_song"][row["song"]]["moved_flagged"],
            check["per_song"][row["song"]]["correct_flagged"]), file=out)
    print("(per condition: share within 0.3 s, share of spread answers, CPU s per minute)",
          file=out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("songs", help="a folder of song folders from make-hard-songs.py")
    parser.add_argument("--tool", default=os.path.join(here, "..", "build", "tools",
                                                       "velmora-lyrics"))
    parser.add_argument("--work", help="where the marked copies go (default SONGS/../eval-NAME)")
    parser.add_argument("--jobs", type=int, default=2, help="songs worked on at once")
    args = parser.parse_args()
    tool = os.path.abspath(args.tool)
    base = os.path.abspath(args.songs)
    work = os.path.abspath(args.work or os.path.join(
        os.path.dirname(base), "eval-" + os.path.basename(base)))
    songs = [Song(os.path.join(base, d)) for d in sorted(os.listdir(base))
             if os.path.exists(os.path.join(base, d, "Song.conditions"))]
    if not songs:
        sys.exit("no songs in %s" % base)
    began = time.time()
    tasks = [(evaluate_suggest, (s, tool, work, c)) for s in songs for c in CONDITIONS]
    tasks += [(evaluate_check, (s, tool, work)) for s in songs]
    with ThreadPoolExecutor(max_workers=args.jobs) as pool:
        for done, future in enumerate([pool.submit(f, *a) for f, a in tasks], 1):
            future.result()
            print("\r%d/%d runs" % (done, len(tasks)), end="", file=sys.stderr, flush=True)
    print(" in %.0f s" % (time.time() - began), file=sys.stderr)

    table, rows = tally(songs)
    report = {
        "songs": len(songs), "lines": sum(len(s.starts) for s in songs),
        "minutes": round(sum(s.c["length_s"] for s in songs) / 60.0, 1),
        "suggest": {c: {g: t.figures() for g, t in sorted(
            table[c].items(), key=lambda kv: group_order(kv[0]))}
            for c in CONDITIONS + ["marked"]},
        "songs_all_fallback": {c: sum(all(s.results[c]["answers"].get(i, (0, "spread"))[1] ==
                                          "spread" for i in range(len(s.starts))
                                          if i not in s.results[c]["marks"]) for s in songs)
                               for c in CONDITIONS},
        "check": check_figures(songs),
        "cpu": cpu_figures(songs),
        "per_song": song_rows(songs),
    }
    os.makedirs(work, exist_ok=True)
    with open(os.path.join(work, "report.json"), "w") as f:
        json.dump(report, f, indent=1)
    with open(os.path.join(work, "lines.csv"), "w", newline="") as f:
        writer = csv.writer(f)
        writer.writerow(["song", "condition", "line", "true_s", "answer_s", "kind", "error_s",
                         "spread_s", "after_break", "repeat_of", "beat_aligned", "style",
                         "synth", "voice", "production", "ratio_db"])
        writer.writerows(rows)
    print_report(report, sys.stdout)
    with open(os.path.join(work, "report.txt"), "w") as f:
        print_report(report, f)


if __name__ == "__main__":
    main()
