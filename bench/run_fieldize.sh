#!/usr/bin/env bash
# The Fieldize Text tab against fieldizer-cli on the same large report, in
# the same run: the Fieldize pass with 6 columns (window: click to text
# shown), the outputs compared byte for byte, and the preview's renewal
# with 50 specifications.
# usage: bash bench/run_fieldize.sh [LINES]   (from the repository folder)
# FIELDIZER_BUILD=DIR uses a Release build folder configured with
# -DFIELDIZER_BENCH=ON instead of build-bench.
set -euo pipefail
lines=${1:-1000000}
build=${FIELDIZER_BUILD:-build-bench}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFIELDIZER_BENCH=ON >/dev/null
cmake --build "$build" --target fieldizer-cli fieldize_bench >/dev/null
mkdir -p bench/out
report=bench/out/report-$lines.txt
[ -f "$report" ] || bash bench/generate_report.sh "$report" "$lines"

echo "== fieldizer-cli (best of three)"
# shellcheck source=bench/timing.sh
source bench/timing.sh
cli=$(best_time "$build/cli/fieldizer-cli fieldize --column Station:1:20:1:20 \
    --column Account:21:8:1:8 --column Code:33:10:1:10 --column Amount:43:12:1:12 \
    --column Balance:55:12:1:12 --column Remarks:69:22:0:22 --in $report \
    --out bench/out/cli-fieldize.txt")
printf 'fieldize 6 columns: %.2f s\n' "$cli"
echo "== fieldizer (offscreen window, best of three)"
"$build"/bench/fieldize_bench "$report" bench/out/window-fieldize.txt | tee bench/out/window.log
window=$(sed -n 's/^fieldize 6 columns[^:]*: \([0-9.]*\) s$/\1/p' bench/out/window.log)
printf 'window / command line: %.2f (target at most 2)\n' "$(echo "$window / $cli" | bc -l)"
cmp bench/out/cli-fieldize.txt bench/out/window-fieldize.txt && echo "outputs: identical"
