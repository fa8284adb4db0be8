#!/usr/bin/env bash
# Makes the README's pictures from offscreen grabs of the real window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh >/dev/null
QT_QPA_PLATFORM=offscreen build/tools/velmora-screenshot docs/window.png "$@"
echo "wrote docs/window.png"
