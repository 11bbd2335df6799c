#!/bin/sh
# Runs every fuzz target for a while from its committed seed corpus.
# Usage: fuzz/run-fuzz.sh [build-dir] [seconds-per-target]
# The corpus is copied to a scratch folder first, so the committed seeds stay
# small; inputs that crash are left there and named at the end. Fails when
# any target found a crash, a leak, a timeout or ran out of memory.
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build-fuzz}
seconds=${2:-60}

# Scratch in memory where possible: the targets write files for every input.
base=/dev/shm
[ -d "$base" ] && [ -w "$base" ] || base=${TMPDIR:-/tmp}
scratch=$(mktemp -d "$base/quillane-fuzz.XXXXXX")

failed=""
summary=""
for target in settings picture; do
    binary="$build/${target}_fuzzer"
    if [ ! -x "$binary" ]; then
        echo "missing $binary: build the fuzz targets first" >&2
        exit 2
    fi
    work="$scratch/$target"
    mkdir -p "$work/corpus" "$work/artifacts" "$work/tmp"
    cp "$here/corpus/$target"/* "$work/corpus/"
    [ -d "$here/regressions/$target" ] && cp "$here/regressions/$target"/* "$work/corpus/" 2>/dev/null
    echo "== $target: ${seconds}s"
    TMPDIR="$work/tmp" "$binary" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
        -dict="$here/$target.dict" -artifact_prefix="$work/artifacts/" "$work/corpus" >"$work/log" 2>&1
    rc=$?
    grep -E '^#[0-9]+[[:space:]]+(DONE|INITED)|^stat::|^SUMMARY|ERROR|broken property' "$work/log"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log")
    found=$(ls "$work/artifacts" | wc -l)
    if [ "$rc" -ne 0 ] || [ "$found" -ne 0 ]; then
        failed="$failed $target"
        result="FAILED (see $work/log and $work/artifacts)"
    else
        result="clean"
    fi
    summary="$summary$(printf '%-10s %5ss %10s runs %7s exec/s  %s' "$target" "$seconds" "${runs:-?}" "${rate:-?}" "$result")
"
done

echo
echo "target     time            runs     speed  result"
printf '%s' "$summary"
if [ -n "$failed" ]; then
    echo "Crashing inputs are kept in $scratch; once fixed, copy them to fuzz/regressions/<target>/."
    exit 1
fi
rm -rf "$scratch"
