#!/usr/bin/env bash
# Start-up beside a peer on the same machine: from starting the program with a song on its
# command line to its first visible window, against kid3-qt opening the same song. Both run on
# one Xvfb server, taking turns, and both are timed the same way (xdotool polled for a visible
# window of the started process); prints the best of each and the ratio, met at 0.5x or less.
# The program maps its window once the song's lines are in it; kid3-qt may map its own before
# it has read the song, which can only favour kid3-qt.
#
# Usage: bench/peer-startup.sh PROGRAM [SONG [RUNS]]
#   PROGRAM  the built program, e.g. build/src/velmora-versetta
#   SONG     an MP3 with lyrics; without it, tests/data/tone-3s.mp3 with 40 lines in a USLT tag
#   RUNS     runs of each, 7 if not given
# PEER_STARTUP_LOG=FILE keeps what the programs write on stderr. A run that ends before it
# shows a window reads "failed" and does not count.
# What is missing of kid3-qt, Xvfb, xdotool (and mutagen, to write the song) is installed with
# apt-get: they serve only this comparison, so they are not among the build's dependencies.
set -euo pipefail
export LC_ALL=C
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "${1:?usage: $0 PROGRAM [SONG [RUNS]]}")
song=${2:-}
runs=${3:-7}
limit=0.5

if [ -z "${PEER_STARTUP_ON_XVFB:-}" ]; then
  missing=()
  command -v kid3-qt >/dev/null || missing+=(kid3-qt)
  command -v xvfb-run >/dev/null || missing+=(xvfb xauth)
  command -v xdotool >/dev/null || missing+=(xdotool)
  [ -n "$song" ] || /usr/bin/python3 -c 'import mutagen' 2>/dev/null || missing+=(python3-mutagen)
  if [ ${#missing[@]} -gt 0 ]; then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "installing ${missing[*]}" >&2
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
  fi
  # A server of its own, so no desktop or other window changes the figures.
  PEER_STARTUP_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$0" "$program" "$song" "$runs"
fi
unset QT_QPA_PLATFORM

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The song alone in its folder (kid3-qt lists the folder), and settings of their own for both.
mkdir -p "$work/song" "$work/config"
export XDG_CONFIG_HOME=$work/config
if [ -n "$song" ]; then
  cp "$song" "$work/song/Song.mp3"
else
  cp "$here/../tests/data/tone-3s.mp3" "$work/song/Song.mp3"
  /usr/bin/python3 - "$work/song/Song.mp3" <<'PY'
import sys
from mutagen.id3 import ID3, USLT
tag = ID3()
text = "\n".join(f"Line {i} of a song's <lyrics> & more" for i in range(1, 41))
tag.add(USLT(encoding=3, lang="eng", desc="", text=text))
tag.save(sys.argv[1])
PY
fi
song=$work/song/Song.mp3

# Milliseconds from starting "$@" to a visible window of that process; "failed" if it ends
# first, "timeout" after 30 s.
time_to_window() {
  local start=$EPOCHREALTIME now pid elapsed
  "$@" >/dev/null 2>>"${PEER_STARTUP_LOG:-/dev/null}" &
  pid=$!
  while :; do
    if xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; then
      now=$EPOCHREALTIME
      elapsed=$(( ${now/./} - ${start/./} ))
      printf '%d.%d\n' $(( elapsed / 1000 )) $(( elapsed % 1000 / 100 ))
      break
    fi
    if ! kill -0 "$pid" 2>/dev/null; then echo failed; break; fi
    now=$EPOCHREALTIME
    if (( ${now/./} - ${start/./} > 30000000 )); then echo timeout; break; fi
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

ours=()
theirs=()
for (( i = 0; i < runs; i++ )); do
  ours+=("$(time_to_window "$program" "$song")")
  theirs+=("$(time_to_window kid3-qt "$song")")
done

name=$(basename "$program")
best() { printf '%s\n' "$@" | grep -E '^[0-9.]+$' | sort -n | head -n1; }
ours_best=$(best "${ours[@]}")
theirs_best=$(best "${theirs[@]}")
printf '%-17s runs (ms): %s\n' "$name" "${ours[*]}"
printf '%-17s runs (ms): %s\n' kid3-qt "${theirs[*]}"
if [ -z "$ours_best" ] || [ -z "$theirs_best" ]; then
  echo "no figure: a program never showed a window"
  exit 1
fi
awk -v name="$name" -v a="$ours_best" -v b="$theirs_best" -v limit="$limit" -v runs="$runs" 'BEGIN {
  ratio = a / b
  printf "best: %s %.1f ms, kid3-qt %.1f ms (of %d each): %.2fx, target <= %gx: %s\n",
         name, a, b, runs, ratio, limit, ratio <= limit ? "met" : "NOT met"
  exit ratio <= limit ? 0 : 3
}'
