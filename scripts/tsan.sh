#!/usr/bin/env bash
# Builds the program, the end-to-end test and the decoder's test with ThreadSanitizer into
# build-tsan/ and runs the tests: the player starts libmpv on a thread of its own beside the
# window, and the decoder reads on one beside the thread that converts; this is where a race
# between them would show. Any report fails the
# run; tests/sanitizer/tsan.supp lists the reports tolerated, all inside third-party libraries.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${VELMORA_TSAN_BUILD_DIR:-build-tsan}
jobs=${VELMORA_JOBS:-2}
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=g++ \
    -DVELMORA_TSAN=ON -DVELMORA_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$build_dir" --target velmora-versetta tst_EndToEnd tst_AudioDecoder -j"$jobs"

# The decoder's test makes its songs with ffmpeg, forking after the decoder's threads have run.
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:die_after_fork=0:suppressions=$PWD/tests/sanitizer/tsan.supp"
export QT_QPA_PLATFORM=offscreen VELMORA_AUDIO_OUTPUT=null
cd "$build_dir"
ctest --output-on-failure -R '^(EndToEnd|AudioDecoder)$'
