#!/usr/bin/env bash
# Formatting and a small clang-tidy set (.clang-tidy) over the program and its tools.
# Needs a configured build/ (scripts/build.sh) for the compile commands.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${VELMORA_BUILD_DIR:-build}

mapfile -t cxx < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run -Werror "${cxx[@]}"
echo "clang-format: ${#cxx[@]} files clean"

# The rules library reaches neither the window nor Widgets/Gui by a qualified include.
rules=(src/core src/playback src/session src/sheet src/sources src/storage src/align src/media)
if git grep -nE '#include ["<](window/|controls/|QtWidgets/|QtGui/)' -- "${rules[@]}"; then
  echo "layers: a rule file includes the window or Widgets (above)" >&2
  exit 1
fi
# Only src/media/ reaches the media libraries; the rest asks core/MediaServices.h. The media
# module knows neither the session, the window, the controls nor the aligner above it.
if git grep -nE '#include ["<]media/' -- src ':!src/media'; then
  echo "layers: a file outside src/media includes the media module (above)" >&2
  exit 1
fi
if git grep -nE '#include ["<](window|session|controls|align)/' -- src/media; then
  echo "layers: the media module includes a layer above it (above)" >&2
  exit 1
fi
# The controls know no song: neither the window nor the session.
if git grep -nE '#include ["<](window|session)/' -- src/controls; then
  echo "layers: a control includes the window or the session (above)" >&2
  exit 1
fi

mapfile -t sources < <(git ls-files 'src/*.cpp' 'tools/*.cpp')
run-clang-tidy -quiet -p "$build_dir" -j"$(nproc)" "${sources[@]/#/$PWD/}" >/tmp/velmora-tidy.log 2>&1 || {
  grep -E 'error:|warning:' -A3 /tmp/velmora-tidy.log | head -n 60
  echo "clang-tidy: findings above" >&2
  exit 1
}
echo "clang-tidy: ${#sources[@]} files clean"
