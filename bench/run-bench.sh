#!/bin/sh
# Runs every benchmark of BUILD_DIR and prints one table: the median, minimum
# and maximum of each measurement beside a reference measured in the same run.
#   run-bench.sh [BUILD_DIR]
# Start-up and memory run the real programs on one private Xvfb server; the
# rest runs in-process on Qt's offscreen platform.
set -eu
build=${1:-build-bench}
bench="$build/bench"
for bin in "$build/quillane" "$bench/first_paint" "$bench/trivial_qt" "$bench/list_qt" "$bench/quillane_bench_memory" \
	"$bench/quillane_bench_games" "$bench/quillane_bench_table" "$bench/exit_time" "$bench/quillane_bench_solver"; do
	if [ ! -x "$bin" ]; then
		echo "No $bin; build with -DQUILLANE_BENCH=ON first." >&2
		exit 1
	fi
done
runs=${BENCH_RUNS:-10}

work=$(mktemp -d)
xvfb=
cleanup() {
	[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
	rm -rf "$work"
}
trap cleanup EXIT INT TERM

# --- One X server for every start-up run --------------------------------
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
export SDL_AUDIODRIVER=dummy
export XDG_RUNTIME_DIR="$work/runtime"
# Games played here keep their figures in the scratch folder, not the user's.
export XDG_STATE_HOME="$work/state"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

# start TITLE PROGRAM OUT: one start with a fresh settings folder; appends
# "<ms mapped> <ms painted> <peak KiB>" to OUT.
start() {
	config=$(mktemp -d -p "$work")
	XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=xcb "$bench/first_paint" --settle 200 "$1" "$2" >>"$3"
	rm -rf "$config"
}
echo "Start-up: $runs runs of each program (after one unmeasured run each)..." >&2
start 'Quillane!' "$build/quillane" "$work/discard"
start 'Trivial Qt' "$bench/trivial_qt" "$work/discard"
start 'Qt list' "$bench/list_qt" "$work/discard"
for _ in $(seq "$runs"); do
	start 'Quillane!' "$build/quillane" "$work/start.quillane"
	start 'Trivial Qt' "$bench/trivial_qt" "$work/start.trivial"
	start 'Qt list' "$bench/list_qt" "$work/start.list"
done

# Every game once, Double Klondike (the largest deal) three times; each line of
# memory.N is "<peak KiB> <moves played>".
"$bench/quillane_bench_games" --games 2>/dev/null | cut -d'|' -f2 | awk '!seen[$0]++' >"$work/games"
echo "Memory: each game and up to 50 moves..." >&2
n=0
while IFS= read -r game; do
	n=$((n + 1))
	printf '%s\n' "$game" >"$work/memory.$n.name"
	times=1
	[ "$game" = "Double Klondike" ] && times=3
	for _ in $(seq "$times"); do
		config=$(mktemp -d -p "$work")
		XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=xcb "$bench/quillane_bench_memory" "$game" >>"$work/memory.$n" 2>/dev/null </dev/null || true
		rm -rf "$config"
	done
done <"$work/games"
# quit PLAY OUT: starts the program with a fresh settings folder; with PLAY
# "play" it opens Klondike from the list by its first letter, turns the stock,
# drags a few cards and closes the game. Then it asks the selector to close and
# appends the ms from that request to the process's end to OUT.
quit() {
	config=$(mktemp -d -p "$work")
	XDG_CONFIG_HOME=$config XDG_STATE_HOME=$config/state QT_QPA_PLATFORM=xcb "$build/quillane" >/dev/null 2>&1 &
	pid=$!
	selector=$(xdotool search --sync --onlyvisible --name '^Quillane!$' | head -1)
	sleep 0.5
	if [ "$1" = play ]; then
		xdotool windowfocus --sync "$selector" key k
		game=$(xdotool search --sync --onlyvisible --name '^Klondike$' | head -1)
		sleep 0.3
		for i in 1 2 3; do
			xdotool mousemove --window "$game" 40 60 click 1 sleep 0.1
			xdotool mousemove --window "$game" $((40 + 96 * i)) 200 mousedown 1 sleep 0.05 \
				mousemove --window "$game" $((140 + 96 * i)) 220 sleep 0.05 \
				mousemove --window "$game" $((136 + 96 * i)) 230 mouseup 1 sleep 0.1
		done
		"$bench/exit_time" "$game"
		# A game with moves asks before it closes: Return takes the default, OK.
		sleep 0.3
		xdotool search --onlyvisible --name '^Klondike$' >/dev/null 2>&1 && xdotool key Return
		for _ in $(seq 100); do xdotool search --onlyvisible --name '^Klondike$' >/dev/null 2>&1 || break; sleep 0.05; done
		sleep 0.3
	fi
	"$bench/exit_time" "$selector" "$pid" >>"$2" || kill "$pid" 2>/dev/null
	wait "$pid" 2>/dev/null || true
	rm -rf "$config"
}
echo "Exit: $runs runs with the selector alone and after a game..." >&2
for _ in $(seq "$runs"); do
	quit alone "$work/exit.alone"
	quit play "$work/exit.play"
done

kill "$xvfb" 2>/dev/null || true
xvfb=

# --- In-process benchmarks ----------------------------------------------
export QT_QPA_PLATFORM=offscreen
gbench() { # BINARY SCALE: CSV lines "name,iterations,real,cpu,unit..."
	QT_SCALE_FACTOR=$2 "$1" --benchmark_min_time=0.1 --benchmark_repetitions=9 \
		--benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null | grep '^"' || true
}
echo "Game windows..." >&2
gbench "$bench/quillane_bench_games" 1 >"$work/csv"
echo "Table, at 1x and 2x screen scale..." >&2
gbench "$bench/quillane_bench_table" 1 >>"$work/csv"
gbench "$bench/quillane_bench_table" 2 >>"$work/csv"

echo "Solver: 100 seeded deals of each game, 2 s each, and Winnable Deals Only..." >&2
QT_QPA_PLATFORM=offscreen "$bench/quillane_bench_solver" >"$work/solver" 2>/dev/null || true

# Every measurement as "key median min max" (milliseconds or MiB).
{
	awk '{ print $1, $2, $2, $2 }' "$work/solver"
	awk -F, '{
		name = $1; gsub(/"/, "", name)
		stat = name; sub(/.*_/, "", stat); sub(/_[a-z]+$/, "", name)
		sub(/\/.*/, "", name)
		if (stat == "median" || stat == "min" || stat == "max") v[name, stat] = $3; names[name] = 1
	} END { for (n in names) if ((n, "median") in v) print n, v[n, "median"], v[n, "min"], v[n, "max"] }' "$work/csv"
	stats() { # KEY COLUMN FILE [DIVISOR]
		sort -n -k"$2" "$3" | awk -v key="$1" -v c="$2" -v d="${4:-1}" \
			'{ x[NR] = $c / d } END { if (NR) printf "%s %g %g %g\n", key, (NR % 2 ? x[(NR + 1) / 2] : (x[NR / 2] + x[NR / 2 + 1]) / 2), x[1], x[NR] }'
	}
	stats StartMapped 1 "$work/start.quillane"
	stats StartPainted 2 "$work/start.quillane"
	stats TrivialMapped 1 "$work/start.trivial"
	stats TrivialPainted 2 "$work/start.trivial"
	stats ListPainted 2 "$work/start.list"
	stats ExitAlone 1 "$work/exit.alone"
	stats ExitPlayed 1 "$work/exit.play"
	stats SelectorPeak 3 "$work/start.quillane" 1024
	stats TrivialPeak 3 "$work/start.trivial" 1024
	stats ListPeak 3 "$work/start.list" 1024
	for n in $(seq "$(wc -l <"$work/games")"); do
		[ -s "$work/memory.$n" ] && stats "SessionPeak$n" 1 "$work/memory.$n" 1024
	done
} >"$work/all"

# row LABEL KEY REFLABEL REFKEY UNIT [TARGET]: TARGET "<N" bounds the
# median, "xN" bounds its ratio to the reference.
row() {
	awk -v label="$1" -v key="$2" -v reflabel="$3" -v ref="$4" -v unit="$5" -v target="${6:-}" '
		$1 == key { m = $2; lo = $3; hi = $4; have = 1 }
		$1 == ref { r = $2; haveRef = 1 }
		END {
			if (!have) { printf "%-52s %s\n", label, "(not measured)"; exit }
			verdict = ""
			if (target ~ /^>/) verdict = (m >= substr(target, 2) + 0 ? "met" : "MISSED") " (>=" substr(target, 2) ")"
			if (target ~ /^</) verdict = (m < substr(target, 2) + 0 ? "met" : "MISSED") " (" target ")"
			if (target ~ /^x/ && haveRef && r > 0) verdict = (m / r <= substr(target, 2) + 0 ? "met" : "MISSED") " (<=" target ")"
			if (haveRef && r > 0)
				printf "%-52s %9.3f %9.3f %9.3f  %-26s %9.3f %7.2fx  %s\n", label " (" unit ")", m, lo, hi, reflabel, r, m / r, verdict
			else
				printf "%-52s %9.3f %9.3f %9.3f  %-26s %9s %8s  %s\n", label " (" unit ")", m, lo, hi, "", "", "", verdict
		}' "$work/all"
}

echo
echo "Quillane benchmarks on $(nproc) x $(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //'), $(date -u +%Y-%m-%d)"
printf '%-52s %9s %9s %9s  %-26s %9s %8s  %s\n' "measurement" "median" "min" "max" "reference" "ref med" "ratio" "target"
row "Cold start: window mapped" StartMapped "trivial Qt program" TrivialMapped ms
row "Cold start: first paint" StartPainted "trivial Qt program" TrivialPainted ms x1.3
row "Cold start: bare Qt list, first paint" ListPainted "trivial Qt program" TrivialPainted ms
"$bench/quillane_bench_games" --games 2>/dev/null | while IFS='|' read -r key name lsize plain form; do
	row "Open $name, $lsize, first" "OpenFirst$key" "plain window $plain" "OpenPlain$plain" ms "<40"
	row "Open $name, $lsize, again" "OpenAgain$key" "plain window $plain" "OpenPlain$plain" ms "<40"
	row "Paint $name table, $lsize" "Paint$form" "plain window $plain" "PaintPlain$plain" ms "<2"
	if [ "$lsize" = large ]; then
		row "Legal moves, $name mid-game" "LegalMoves$form" "" "" ms "<1"
		row "Hint's choice, $name mid-game" "HintMoves$form" "" "" ms "<1"
	fi
done
for scale in 1 2; do
	row "Paint Klondike table @${scale}x" "PaintKlondikeTable@${scale}x" "" "" ms "<2"
	row "Drag step, 12 cards @${scale}x" "DragStep12Cards@${scale}x" "plain 2-rect repaint" "PlainDragStep@${scale}x" ms "<1"
	row "Load large card pictures @${scale}x" "LoadLargeImageLists@${scale}x" "PNG decoding only" "DecodeLargePictures@${scale}x" ms
	row "Load small card pictures @${scale}x" "LoadSmallImageLists@${scale}x" "PNG decoding only" "DecodeSmallPictures@${scale}x" ms
	row "Gradient 1280x1024 @${scale}x" "Gradient1280x1024x255@${scale}x" "" "" ms
done
"$bench/quillane_bench_games" --games 2>/dev/null | cut -d'|' -f2 | awk '!seen[$0]++' | while IFS= read -r name; do
	key=$(printf '%s' "$name" | tr -d ' ')
	case "$name" in
	"Free Cell" | "Sea Towers" | "Beleaguered Castle" | Golf | Pyramid | "Forty Thieves") share=95 ;;
	*) share=80 ;;
	esac
	row "Solver: $name, deals decided in 2 s" "SolveDecided$key" "" "" % ">$share"
	row "Solver: $name, deals proved winnable" "SolveWinnable$key" "" "" %
	row "Solver: $name, median time to decide" "SolveMedian$key" "" "" ms
	row "Winnable Deals Only: $name, time to a deal" "WinnableDeal$key" "" "" ms "<1000"
done
row "Exit after the last window closes, selector alone" ExitAlone "" "" ms "<200"
row "Exit after the last window closes, after a game" ExitPlayed "" "" ms "<200"
row "Peak memory: selector shown" SelectorPeak "trivial Qt program" TrivialPeak MiB x1.25
row "Peak memory: bare Qt list shown" ListPeak "trivial Qt program" TrivialPeak MiB
for n in $(seq "$(wc -l <"$work/games")"); do
	f="$work/memory.$n.name"
	moves=$(sort -n -k2 "$work/memory.$n" 2>/dev/null | awk 'NR == 1 { print $2 }')
	row "Peak memory: $(cat "$f"), ${moves:-0} moves" "SessionPeak$n" "trivial Qt program" TrivialPeak MiB x1.4
done
echo
echo "Targets, as ratios to the trivial program: cold start (first paint) <= 1.3x, peak memory with the"
echo "selector shown <= 1.25x, after opening a game and 50 moves <= 1.4x; opening a game < 40 ms;"
echo "full table paint < 2 ms; drag step < 1 ms; exit < 200 ms from the last window's close request."
echo "The bare Qt list is a window with only a list like the selector's: what text and one item view cost."
echo "Start-up and memory: real processes under Xvfb, $runs runs (memory: 3, each other game 1); the rest in-process, offscreen."
