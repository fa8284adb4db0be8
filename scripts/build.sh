#!/usr/bin/env bash
# Configures and builds into build/ (or $VELMORA_BUILD_DIR). Extra arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${VELMORA_BUILD_DIR:-build}
launcher=()
if command -v ccache >/dev/null; then
  # Rebuilds of another checkout of the same tree hit the cache: paths are taken relative.
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
