#!/usr/bin/env bash
# Set-up and start: installs what is needed, builds, and starts the program.
# An optional argument is the song to open.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
# The jukebox database lives beside the program. Create it once; an existing one (perhaps the
# jukebox's own) is never touched.
[ -e build/src/Velmora81.mdb ] || build/tools/velmora-dbsetup build/src
exec build/src/velmora-versetta "$@"
