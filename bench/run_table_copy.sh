#!/usr/bin/env bash
# "Save TABLE As" of a table of 1,000,000 rows written by Save to Database
# (fieldizer-cli save), against the sqlite3 shell's INSERT INTO ... SELECT
# into a new table of the same file, best of three each, in one run. Prints
# both times, the ratio ours / shell (target: 3 or less) and the longest time
# the window would go between two yields to its event loop.
# usage: bench/run_table_copy.sh [ROWS]   (default 1,000,000)
set -euo pipefail
cd "$(dirname "$0")/.."
rows=${1:-1000000}
command -v sqlite3 >/dev/null || { echo "bench/run_table_copy.sh needs the sqlite3 shell" >&2; exit 1; }

build=${BUILD_DIR:-build-bench-copy}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFIELDIZER_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target fieldizer-cli table_copy_bench >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
db=$work/fieldizer.mdb
# Fixed-width lines: a station, a number, a date and a remark.
awk -v n="$rows" 'BEGIN { for (i = 1; i <= n; i++)
    printf "STN%05d  %10d  2024-%02d-%02d  remark %d\n", i % 7919, i * 37, i % 12 + 1, i % 28 + 1, i }' \
    >"$work/report.txt"
"$build"/cli/fieldizer-cli create-database "$db"
"$build"/cli/fieldizer-cli save --db "$db" --table readings --lf --in "$work/report.txt" \
    'databaseProcessMethod=Use column specs on the Fieldize Text tab' \
    --column Station:1:8:0:8 --column Amount:11:10:0:10 --column Day:23:10:0:10 \
    --column Remark:35:20:0:20 2>/dev/null

best() { # best-of-3 seconds of a command, the copy dropped before each run
    local best=""
    for _ in 1 2 3; do
        sqlite3 "$db" 'DROP TABLE IF EXISTS "readings copy"'
        local start end took
        start=$(date +%s.%N)
        bash -c "$1" >/dev/null
        end=$(date +%s.%N)
        took=$(echo "$end - $start" | bc -l)
        if [ -z "$best" ] || [ "$(echo "$took < $best" | bc -l)" = 1 ]; then best=$took; fi
    done
    echo "$best"
}

ours=$(best "'$build/bench/table_copy_bench' '$db' readings 'readings copy'")
shell=$(best "sqlite3 '$db' 'CREATE TABLE \"readings copy\" AS SELECT * FROM readings WHERE 0; INSERT INTO \"readings copy\" SELECT * FROM readings'")
sqlite3 "$db" 'DROP TABLE IF EXISTS "readings copy"'
gap=$("$build"/bench/table_copy_bench "$db" readings "readings copy")
printf 'Save TABLE As, %s rows: ours %.2f s, sqlite3 shell %.2f s, ours/shell %.2f (target <= 3)\n' \
    "$rows" "$ours" "$shell" "$(echo "$ours / $shell" | bc -l)"
echo "one more copy: $gap"
