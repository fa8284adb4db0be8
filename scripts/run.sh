#!/usr/bin/env bash
# Set-up and start: installs what is needed, builds, and starts the program.
# An optional argument is the song to open.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec build/src/velmora-versetta "$@"
