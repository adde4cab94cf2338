#!/usr/bin/env bash
# The desktop program against fieldizer-cli on the same large report, in the
# same run: opening, Join Lines, Break into lines (40), Find All, Stop, the
# key-up hand-over to the Text Viewer, memory. Prints the window's figures,
# the command line's, and the ratios the targets are set in (window / CLI,
# peak memory / file size), since a loaded machine moves the seconds.
# usage: bash bench/run_ui.sh [LINES]   (from the repository folder)
#        FIELDIZER_BENCH_BUILD=DIR reuses a build folder configured with
#        -DFIELDIZER_BENCH=ON instead of making build-bench.
set -euo pipefail
cd "$(dirname "$0")/.."
lines=${1:-1000000}
source bench/window_build.sh
build_window_bench ui_bench
mkdir -p bench/out
report=bench/out/report-$lines.txt
[ -f "$report" ] || bash bench/generate_report.sh "$report" "$lines"

# cli_run NAME ARGS...: one run of fieldizer-cli; prints its wall and
# processor time and keeps them in $wall and $cpu.
cli_run() {
    local name=$1 start times
    shift
    start=$(date +%s.%N)
    times=$(/usr/bin/time -f '%U %S' "$build/cli/fieldizer-cli" "$@" 2>&1 >/dev/null | tail -n 1)
    wall=$(echo "$(date +%s.%N) - $start" | bc -l)
    cpu=$(echo "$times" | awk '{ print $1 + $2 }')
    printf '%-14s %.2f s wall, %.2f s cpu\n' "$name" "$wall" "$cpu"
}

echo "== fieldizer (offscreen window)"
window=$(/usr/bin/time -f "process peak: %M KB" "$build/bench/ui_bench" "$report" BETHEL 2>&1 |
    grep -v -e '^QStandardPaths' -e 'propagateSizeHints')
echo "$window"
echo "== fieldizer-cli"
wall=0 cpu=0
cli_run "join lines:" join-lines --in "$report" --out bench/out/cli.txt
cli_join=$wall cli_join_cpu=$cpu
cli_run "break lines:" break-lines startLineAfter=40 --in "$report" --out bench/out/cli.txt
cli_break=$wall cli_break_cpu=$cpu
rm -f bench/out/cli.txt

echo "== ratios (targets: line tools <= 2, memory <= 6)"
# figure LABEL FIELD: the window's figure, FIELD 1 wall or 2 cpu.
figure() {
    echo "$window" | awk -v key="$1" -v field="$2" -F'[:,]' \
        '$1 == key { split($(field + 1), words, " "); print words[1]; exit }'
}
ratio() { echo "$1 / $2" | bc -l; }
printf 'join lines, window / CLI:   %.2f wall, %.2f cpu\n' \
    "$(ratio "$(figure 'join lines' 1)" "$cli_join")" \
    "$(ratio "$(figure 'join lines' 2)" "$cli_join_cpu")"
printf 'break lines, window / CLI:  %.2f wall, %.2f cpu\n' \
    "$(ratio "$(figure 'break lines' 1)" "$cli_break")" \
    "$(ratio "$(figure 'break lines' 2)" "$cli_break_cpu")"
peak_kb=$(echo "$window" | awk '/^process peak/ { print $3 }')
printf 'peak memory / file size:    %.2f\n' "$(ratio "$peak_kb * 1024" "$(stat -L -c %s "$report")")"
