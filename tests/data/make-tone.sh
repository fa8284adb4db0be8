#!/usr/bin/env bash
# Makes tone-3s.mp3: three seconds of a quiet 440 Hz tone, mono, 32 kbit/s, no tag.
set -euo pipefail
cd "$(dirname "$0")"
python3 - <<'PY'
import math, struct, wave
rate = 22050
with wave.open("tone-3s.wav", "wb") as w:
    w.setnchannels(1); w.setsampwidth(2); w.setframerate(rate)
    w.writeframes(b"".join(struct.pack("<h", int(3000 * math.sin(2 * math.pi * 440 * i / rate)))
                           for i in range(rate * 3)))
PY
lame --quiet -m m -b 32 --noreplaygain --nohist tone-3s.wav tone-3s.mp3
rm tone-3s.wav
