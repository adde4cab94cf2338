#!/usr/bin/env bash
# Times the Fieldize pass and Save to Database side by side with the tools a
# user would reach for, on the same generated 1,000,000-line report, in one
# run: Fieldize against gawk with FIELDWIDTHS rebuilding the same columns,
# Save against awk converting the columns to CSV plus the sqlite3 shell's
# .import (conversion included), and against the floor: a C program
# inserting the same six columns through one prepared INSERT in one
# transaction (bench/sqlite_insert_floor.c). Prints MB/s, the ratio (peer time / our
# time: 1.0 or more means we are at least as fast) and our peak memory.
# usage: bench/run_columns.sh [LINES]   (default 1,000,000 lines, ~90 MB)
set -euo pipefail
cd "$(dirname "$0")/.."
lines=${1:-1000000}

source bench/lib.sh

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/sqlite_insert_floor" bench/sqlite_insert_floor.c -lsqlite3
bash bench/generate_report.sh "$work/report.txt" "$lines"
cd "$work"

columns=(--column Station:1:20:1:20 --column Account:21:8:1:8 --column Code:33:10:1:10
    --column Amount:43:12:1:12 --column Balance:55:12:1:12 --column Remarks:69:22:0:22)
method='databaseProcessMethod=Use column specs on the Fieldize Text tab'

save_peer="mawk 'BEGIN { OFS = \",\"; print \"Station,Account,Code,Amount,Balance,Remarks\" } { print substr(\$0,1,20), substr(\$0,21,8), substr(\$0,33,10), substr(\$0,43,12), substr(\$0,55,12), substr(\$0,69,22) }' report.txt > report.csv && sqlite3 peer.db '.import --csv report.csv report'"

# Every timed run writes new files on both sides.
bench_reset='rm -f ours.mdb peer.db out.txt peer.txt report.csv'
print_header
compare "Fieldize 6 columns" report.txt \
    "$cli fieldize ${columns[*]} --in report.txt --out out.txt" \
    "gawk 'BEGIN { FIELDWIDTHS = \"20 8 4 10 12 12 2 22\" } { print \$1 \" \" \$2 \" \" \$4 \" \" \$5 \" \" \$6 \" \" \$8 }' report.txt > peer.txt" \
    "gawk FIELDWIDTHS"
compare "Save to Database (new table)" report.txt \
    "$cli create-database ours.mdb && $cli save --db ours.mdb --table report ${columns[*]} '$method' --in report.txt" \
    "$save_peer" "awk + .import"
compare "Save to Database (new table)" report.txt \
    "$cli create-database ours.mdb && $cli save --db ours.mdb --table report ${columns[*]} '$method' --in report.txt" \
    "./sqlite_insert_floor report.txt peer.db" "C loop (floor)"

# Both sides stored every line (the peak run removed the peer's database).
bash -c "$save_peer"
echo
echo "records: ours $("$cli" sql --db ours.mdb 'select count(*) as n from report' | tail -n 1)," \
    "peer $(sqlite3 peer.db 'select count(*) from report')"
