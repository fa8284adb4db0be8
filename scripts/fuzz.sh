#!/usr/bin/env bash
# Usage: scripts/fuzz.sh [SECONDS [TARGET...]]
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each (or each TARGET) for
# SECONDS (default 60). The seeds are copied to a scratch folder first, so a run never adds
# files to fuzz/corpus/. Fails on any crash, leak, timeout or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
build_dir=${VELMORA_FUZZ_BUILD_DIR:-build-fuzz}
jobs=${VELMORA_JOBS:-2}

CC=clang CXX=clang++ cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DVELMORA_FUZZ=ON -DVELMORA_BUILD_TESTS=OFF \
    -DVELMORA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" --target fuzz -j"$jobs"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:symbolize=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
export QT_QPA_PLATFORM=offscreen

failed=()
summary=()
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for dir in fuzz/corpus/*/; do
        targets+=("$(basename "$dir")")
    done
fi
for target in "${targets[@]}"; do
    dir="fuzz/corpus/$target/"
    work="$scratch/$target"
    mkdir -p "$work/corpus" "$work/artifacts"
    cp -r "$dir". "$work/corpus/"
    dict=()
    [ -f "fuzz/$target.dict" ] && dict=(-dict="fuzz/$target.dict")
    log="$work/log.txt"
    echo "== $target: ${seconds}s"
    status=0
    # -timeout: a single input taking this long is reported as a hang.
    "$build_dir/fuzz/$target" "$work/corpus" "${dict[@]}" -max_total_time="$seconds" \
        -timeout=10 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
        -artifact_prefix="$work/artifacts/" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
    if [ "$status" -ne 0 ] || grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$log"; then
        failed+=("$target")
        summary+=("$target: FAILED after ${runs:-?} executions")
        tail -n 60 "$log"
        mkdir -p "$build_dir/artifacts"
        cp -r "$work/artifacts/." "$build_dir/artifacts/" 2>/dev/null || true
    else
        summary+=("$target: ${runs:-?} executions in ${seconds}s, ok")
    fi
done

printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -ne 0 ]; then
    echo "Fuzzing failed: ${failed[*]} (the failing inputs are in $build_dir/artifacts/)" >&2
    exit 1
fi
