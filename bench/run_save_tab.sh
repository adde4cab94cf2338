#!/usr/bin/env bash
# Save to Database through the window against fieldizer-cli save, on the same
# generated report with the same six columns, in the same run: each writes
# every line as a record of a new table in a new program database. Prints
# both times (the window's from the click on "&Save" to the list refilled,
# best of three; the command line's whole run, best of three), the ratio
# window / command line (target at most 1.5) and how soon Stop takes effect.
# usage: bash bench/run_save_tab.sh [LINES]   (from the repository folder)
set -euo pipefail
cd "$(dirname "$0")/.."
lines=${1:-1000000}
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DFIELDIZER_TESTS=OFF \
    -DFIELDIZER_BENCH=ON >/dev/null
cmake --build build-bench --target fieldizer-cli save_tab_bench >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash bench/generate_report.sh "$work/report.txt" "$lines"
cli=$PWD/build-bench/cli/fieldizer-cli
columns=(--column Station:1:20:1:20 --column Account:21:8:1:8 --column Code:33:10:1:10
    --column Amount:43:12:1:12 --column Balance:55:12:1:12 --column Remarks:69:22:0:22)

best_window="" best_cli=""
for _ in 1 2 3; do
    out=$(build-bench/bench/save_tab_bench "$work/report.txt")
    echo "$out" | grep -v '^save (window)' || true
    took=$(echo "$out" | sed -n 's/^save (window): \([0-9.]*\) s.*/\1/p')
    echo "window:        $took s ($(echo "$out" | sed -n 's/.*s, \([0-9]*\) records$/\1/p') records)"
    if [ -z "$best_window" ] || [ "$(echo "$took < $best_window" | bc -l)" = 1 ]; then
        best_window=$took
    fi

    rm -f "$work/ours.mdb"
    "$cli" create-database "$work/ours.mdb"
    start=$(date +%s.%N)
    "$cli" save --db "$work/ours.mdb" --table report "${columns[@]}" \
        'databaseProcessMethod=Use column specs on the Fieldize Text tab' \
        --in "$work/report.txt" 2>/dev/null
    took=$(echo "$(date +%s.%N) - $start" | bc -l)
    echo "command line:  $(printf '%.2f' "$took") s"
    if [ -z "$best_cli" ] || [ "$(echo "$took < $best_cli" | bc -l)" = 1 ]; then
        best_cli=$took
    fi
done
printf 'best: window %.2f s, command line %.2f s, ratio %.2f (target <= 1.5)\n' \
    "$best_window" "$best_cli" "$(echo "$best_window / $best_cli" | bc -l)"
