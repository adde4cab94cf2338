#!/usr/bin/env bash
# The desktop program against fieldizer-cli on the same large report, in the
# same run: opening, Join Lines, Break into lines (40), Find All, Stop, memory.
# usage: bash bench/run_ui.sh [LINES]   (from the repository folder)
set -euo pipefail
lines=${1:-1000000}
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DFIELDIZER_TESTS=OFF \
    -DFIELDIZER_BENCH=ON >/dev/null
cmake --build build-bench --target fieldizer-cli ui_bench >/dev/null
mkdir -p bench/out
report=bench/out/report-$lines.txt
[ -f "$report" ] || bash bench/generate_report.sh "$report" "$lines"

echo "== fieldizer (offscreen window)"
/usr/bin/time -f "process peak: %M KB" build-bench/bench/ui_bench "$report" BETHEL
echo "== fieldizer-cli"
for tool in "join-lines" "break-lines startLineAfter=40"; do
    start=$(date +%s.%N)
    # shellcheck disable=SC2086
    build-bench/cli/fieldizer-cli $tool --in "$report" --out bench/out/cli.txt
    echo "$tool: $(echo "$(date +%s.%N) - $start" | bc -l | cut -c1-5) s"
done
start=$(date +%s.%N)
grep -o BETHEL "$report" | wc -l >/dev/null
echo "grep -o (count, for Find All): $(echo "$(date +%s.%N) - $start" | bc -l | cut -c1-5) s"
