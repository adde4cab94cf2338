#!/usr/bin/env bash
# Converting an Access file: fieldizer-cli import-access against mdb-export
# piped into the sqlite3 shell's .import --csv, table by table, for every
# user table of the same file, in the same run, best of 5 each.
# usage: bench/run_access.sh [ACCESS-FILE]   (default tests/data/access/testV2000.mdb)
# CLI=path/to/fieldizer-cli uses a build at hand instead of building one.
set -euo pipefail
cd "$(dirname "$0")/.."
source_file=$(realpath "${1:-tests/data/access/testV2000.mdb}")
for tool in mdb-export mdb-tables sqlite3; do
    command -v $tool >/dev/null || { echo "bench/run_access.sh needs $tool (mdbtools, sqlite3)" >&2; exit 1; }
done
if [ -n "${CLI:-}" ]; then
    cli=$(realpath "$CLI")
else
    source bench/lib.sh # builds fieldizer-cli in Release, sets $cli
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mapfile -t tables < <(mdb-tables -1 "$source_file")
rows=0
for table in "${tables[@]}"; do
    rows=$((rows + $(mdb-export "$source_file" "$table" |
        python3 -c 'import csv,sys; print(sum(1 for _ in csv.reader(sys.stdin)) - 1)')))
done

ours() { "$cli" import-access "$source_file" "$work/ours.db" 2>/dev/null; }
theirs() {
    for table in "${tables[@]}"; do
        mdb-export "$source_file" "$table" |
            sqlite3 "$work/theirs.db" ".import --csv /dev/stdin \"$table\""
    done
}

best() { # best wall time of 5 runs of $1, in seconds
    local best="" start end took
    for _ in 1 2 3 4 5; do
        rm -f "$work"/ours.db "$work"/theirs.db
        start=$(date +%s.%N)
        "$1"
        end=$(date +%s.%N)
        took=$(echo "$end - $start" | bc -l)
        if [ -z "$best" ] || [ "$(echo "$took < $best" | bc -l)" = 1 ]; then best=$took; fi
    done
    echo "$best"
}

ours_s=$(best ours)
theirs_s=$(best theirs)
printf 'file %s: %d tables, %d rows\n' "$(basename "$source_file")" "${#tables[@]}" "$rows"
printf '%-40s %10s %12s\n' converter "seconds" "rows/s"
printf '%-40s %10.4f %12.0f\n' "fieldizer-cli import-access" "$ours_s" "$(echo "$rows / $ours_s" | bc -l)"
printf '%-40s %10.4f %12.0f\n' "mdb-export | sqlite3 .import --csv" "$theirs_s" "$(echo "$rows / $theirs_s" | bc -l)"
printf 'ratio (theirs / ours; 1.0 or more: ours at least as fast): %.2f\n' "$(echo "$theirs_s / $ours_s" | bc -l)"
