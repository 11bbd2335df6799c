#!/bin/sh
# Runs the benchmarks of BUILD_DIR at 1x and at 2x screen scale and prints
# the median of each.
set -eu
build=${1:-build-bench}
bin="$build/bench/quillane_bench_table"
if [ ! -x "$bin" ]; then
	echo "No benchmark binary at $bin; build with -DQUILLANE_BENCH=ON first." >&2
	exit 1
fi
export QT_QPA_PLATFORM=offscreen
out=$(mktemp)
trap 'rm -f "$out"' EXIT
for scale in 1 2; do
	QT_SCALE_FACTOR=$scale "$bin" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true \
		--benchmark_format=console 2>/dev/null | grep '_median' >>"$out" || true
done
echo
echo "Median of 9 runs, in milliseconds (wall clock and processor time)"
printf '%-34s %10s %10s\n' "benchmark" "wall" "cpu"
awk '{ name = $1; sub(/_median$/, "", name); printf "%-34s %10.3f %10.3f\n", name, $2, $4 }' "$out"
echo
echo "Targets: full table paint < 2 ms, drag step < 1 ms, gradient paint < 3 ms."
