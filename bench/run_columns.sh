#!/usr/bin/env bash
# Times the Fieldize pass and Save to Database side by side with the tools a
# user would reach for, on the same generated 1,000,000-line report, in one
# run: Fieldize against gawk with FIELDWIDTHS rebuilding the same columns,
# Save against awk converting the columns to CSV plus the sqlite3 shell's
# .import (conversion included). Prints MB/s, the ratio (peer time / our
# time: 1.0 or more means we are at least as fast) and our peak memory.
# usage: bench/run_columns.sh [LINES]   (default 1,000,000 lines, ~90 MB)
set -euo pipefail
cd "$(dirname "$0")/.."
lines=${1:-1000000}

bash scripts/install-dependencies.sh
for tool in time bc; do
    [ -x /usr/bin/$tool ] || apt-get install -y -qq $tool >/dev/null
done

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DFIELDIZER_TESTS=OFF >/dev/null
cmake --build build-bench --target fieldizer-cli >/dev/null
cli=$PWD/build-bench/cli/fieldizer-cli

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash bench/generate_report.sh "$work/report.txt" "$lines"
cd "$work"

columns=(--column Station:1:20:1:20 --column Account:21:8:1:8 --column Code:33:10:1:10
    --column Amount:43:12:1:12 --column Balance:55:12:1:12 --column Remarks:69:22:0:22)
method='databaseProcessMethod=Use column specs on the Fieldize Text tab'

best_time() {
    local best=""
    for _ in 1 2 3; do
        rm -f ours.mdb peer.db
        local start end took
        start=$(date +%s.%N)
        bash -c "$1" >/dev/null 2>&1
        end=$(date +%s.%N)
        took=$(echo "$end - $start" | bc -l)
        if [ -z "$best" ] || [ "$(echo "$took < $best" | bc -l)" = 1 ]; then best=$took; fi
    done
    echo "$best"
}

peak_kib() {
    rm -f ours.mdb
    /usr/bin/time -f '%M' bash -c "$1 >/dev/null 2>&1" 2>&1 >/dev/null | tail -n 1
}

printf '%-28s %-14s %10s %10s %7s %12s\n' operation peer "ours MB/s" "peer MB/s" ratio "peak/input"
compare() {
    local name=$1 ours=$2 peer=$3 peername=$4
    local mb ours_s peer_s peak
    mb=$(echo "$(stat -c %s report.txt) / 1000000" | bc -l)
    ours_s=$(best_time "$ours")
    peer_s=$(best_time "$peer")
    peak=$(peak_kib "$ours")
    printf '%-28s %-14s %10.1f %10.1f %7.2f %12.2f\n' "$name" "$peername" \
        "$(echo "$mb / $ours_s" | bc -l)" "$(echo "$mb / $peer_s" | bc -l)" \
        "$(echo "$peer_s / $ours_s" | bc -l)" \
        "$(echo "$peak * 1024 / $(stat -c %s report.txt)" | bc -l)"
}

compare "Fieldize 6 columns" \
    "$cli fieldize ${columns[*]} --in report.txt --out out.txt" \
    "gawk 'BEGIN { FIELDWIDTHS = \"20 8 4 10 12 12 2 22\" } { print \$1 \" \" \$2 \" \" \$4 \" \" \$5 \" \" \$6 \" \" \$8 }' report.txt > peer.txt" \
    "gawk FIELDWIDTHS"
compare "Save to Database (new table)" \
    "$cli create-database ours.mdb && $cli save --db ours.mdb --table report ${columns[*]} '$method' --in report.txt" \
    "mawk 'BEGIN { OFS = \",\"; print \"Station,Account,Code,Amount,Balance,Remarks\" } { print substr(\$0,1,20), substr(\$0,21,8), substr(\$0,33,10), substr(\$0,43,12), substr(\$0,55,12), substr(\$0,69,22) }' report.txt > report.csv && sqlite3 peer.db '.import --csv report.csv report'" \
    "awk + .import"

echo
echo "records: ours $("$cli" sql --db ours.mdb 'select count(*) as n from report' | tail -n 1)," \
    "peer $(sqlite3 peer.db 'select count(*) from report')"
