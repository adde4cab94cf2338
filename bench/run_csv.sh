#!/usr/bin/env bash
# A table of 1,000,000 rows written by Save to Database, exported as CSV by
# `fieldizer-cli sql --csv` against the sqlite3 shell's `-csv -header` on the
# same file, best of three each, in one run. Prints both times and the ratio
# ours / shell (target: 1.5 or less), and checks that both wrote the same
# records (ours ends them with CR LF as RFC 4180 has it, the shell with LF).
# usage: bench/run_csv.sh [ROWS]   (default 1,000,000)
set -euo pipefail
cd "$(dirname "$0")/.."
rows=${1:-1000000}
command -v sqlite3 >/dev/null || { echo "bench/run_csv.sh needs the sqlite3 shell" >&2; exit 1; }

build=${BUILD_DIR:-build-bench-csv}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target fieldizer-cli >/dev/null
cli=$PWD/$build/cli/fieldizer-cli

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
db=$work/fieldizer.mdb
# Fixed-width lines: a station, a number, a date and a remark that holds a
# comma on every third row and a double quote on every fifth, so that
# quoting is part of the work.
awk -v n="$rows" 'BEGIN { for (i = 1; i <= n; i++) {
    remark = "remark " i; if (i % 3 == 0) remark = remark ", again"; if (i % 5 == 0) remark = remark " \"5\""
    printf "STN%05d  %10d  2024-%02d-%02d  %-24s\n", i % 7919, i * 37, i % 12 + 1, i % 28 + 1, remark } }' \
    >"$work/report.txt"
"$cli" create-database "$db"
"$cli" save --db "$db" --table readings --lf --in "$work/report.txt" \
    'databaseProcessMethod=Use column specs on the Fieldize Text tab' \
    --column Station:1:8:0:8 --column Amount:11:10:0:10 --column Day:23:10:0:10 \
    --column Remark:35:24:0:24 2>/dev/null

# shellcheck source=bench/timing.sh
source bench/timing.sh
statement='select * from readings'
ours=$(best_time "'$cli' sql --csv --db '$db' '$statement' > '$work/ours.csv'")
shell=$(best_time "sqlite3 -csv -header '$db' '$statement' > '$work/shell.csv'")
printf '%-34s %8.3f s\n' "fieldizer-cli sql --csv" "$ours" "sqlite3 -csv -header" "$shell"
printf 'ratio ours / shell: %.2f (target 1.5 or less)\n' "$(echo "$ours / $shell" | bc -l)"
# The shell quotes every value that holds a blank and we only those that
# must be, so the two are compared as the records a CSV reader gets.
python3 - "$work/ours.csv" "$work/shell.csv" <<'PY'
import csv, sys
def records(path):
    with open(path, newline='', encoding='utf-8') as f:
        return list(csv.reader(f))
ours, shell = records(sys.argv[1]), records(sys.argv[2])
if ours != shell:
    sys.exit("the exports differ")
print(f"same records: {len(ours) - 1} and the header")
PY
