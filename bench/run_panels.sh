#!/usr/bin/env bash
# The operation tabs' passes in the window (click to text shown) against
# fieldizer-cli doing the same on the same report in the same run, and the
# Stop latency. Target: window time at most 2x the command line's. "text box
# alone" is the part of each window time spent putting the new text into the
# box and showing it.
# usage: bash bench/run_panels.sh [LINES]   (from the repository folder)
#        BUILD_DIR=build bash bench/run_panels.sh   to reuse a build folder
set -euo pipefail
lines=${1:-1000000}
build=${BUILD_DIR:-build-bench}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFIELDIZER_BENCH=ON >/dev/null
cmake --build "$build" --target fieldizer-cli panels_bench >/dev/null
mkdir -p bench/out
report=bench/out/report-$lines.txt
semicolon=bench/out/report-$lines-semicolon.txt
[ -f "$report" ] || bash bench/generate_report.sh "$report" "$lines"
[ -f "$semicolon" ] || bash bench/generate_report.sh "$semicolon" "$lines" --semicolon

window=$("$build"/bench/panels_bench "$report" "$semicolon")
echo "$window"

# shellcheck source=bench/timing.sh
source bench/timing.sh
seconds() { # the best wall time of three command line runs, output to a file
    best_time "$(printf '%q ' "$build"/cli/fieldizer-cli "$@" --out bench/out/cli.txt)"
}
compare() { # NAME CLI_SECONDS
    local ours
    ours=$(echo "$window" | sed -n "s/^$1: \([0-9.]*\) s$/\1/p")
    printf '%-8s window %6.3f s  cli %6.3f s  window/cli %5.2f (target <= 2)\n' \
        "$1" "$ours" "$2" "$(echo "$ours / $2" | bc -l)"
}
compare replace "$(seconds replace replaceText=BETHEL replaceWith=BTH --in "$report")"
compare move "$(seconds move 'textToMove=General Move' moveFromCol=21 moveNumOfChars=12 \
    moveToCol=1 --in "$report")"
compare format "$(seconds format 'formatCreate=New column' 'formatDelimiter=;' \
    formatSpacesBetweenCols=2 --in "$semicolon")"
rm -f bench/out/cli.txt
