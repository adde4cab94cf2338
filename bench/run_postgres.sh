#!/usr/bin/env bash
# Save to Database into a PostgreSQL server side by side with what a user
# would reach for, on the same generated report (default 1,000,000 lines)
# and the same server in one run: fieldizer-cli save --target into a new
# table against awk converting the columns to CSV piped into psql's
# "\copy ... from stdin csv" (the table created first, conversion included).
# The server is a throwaway cluster in a scratch folder, on a Unix socket
# only, run as the postgres user when run as root. Prints MB/s, the ratio
# (peer time / our time: 1.0 or more means we are at least as fast) and our
# peak memory.
# usage: bench/run_postgres.sh [LINES]   (from the repository folder)
set -euo pipefail
cd "$(dirname "$0")/.."
lines=${1:-1000000}

source bench/lib.sh

work=$(mktemp -d /tmp/fieldizer-pgbench-XXXXXX)
bin=$(pg_config --bindir)
[ -x "$bin/initdb" ] || bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)
as_server() {
    if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}
[ "$(id -u)" = 0 ] && chown postgres "$work"
as_server "$bin/initdb" -D "$work/data" -U bench -A trust -E UTF8 --locale=C --no-sync >/dev/null
printf "listen_addresses = ''\nunix_socket_directories = '%s'\n" "$work" >>"$work/data/postgresql.conf"
as_server "$bin/pg_ctl" -D "$work/data" -l "$work/server.log" -w start >/dev/null
trap 'as_server "$bin/pg_ctl" -D "$work/data" -m immediate stop >/dev/null; rm -rf "$work"' EXIT

bash bench/generate_report.sh "$work/report.txt" "$lines"
chmod a+r "$work/report.txt"
cd "$work"
export PGHOST=$work PGUSER=bench PGDATABASE=postgres

columns=(--column Station:1:20:1:20 --column Account:21:8:1:8 --column Code:33:10:1:10
    --column Amount:43:12:1:12 --column Balance:55:12:1:12 --column Remarks:69:22:0:22)
method='databaseProcessMethod=Use column specs on the Fieldize Text tab'
create="CREATE TABLE peer (\"Station\" varchar(20), \"Account\" varchar(8), \"Code\" varchar(10), \"Amount\" varchar(12), \"Balance\" varchar(12), \"Remarks\" varchar(22))"
awk_csv="mawk 'BEGIN { OFS = \",\" } { sub(/\r\$/, \"\"); print substr(\$0,1,20), substr(\$0,21,8), substr(\$0,33,10), substr(\$0,43,12), substr(\$0,55,12), substr(\$0,69,22) }' report.txt"
peer="psql -q -c '$create' && $awk_csv | psql -q -c '\\copy peer from stdin csv'"
ours="$cli save --target postgresql:// --table ours ${columns[*]} '$method' --in report.txt"

# Every timed run writes a new table on both sides.
export bench_reset="psql -q -c 'DROP TABLE IF EXISTS ours, peer' 2>/dev/null"
print_header
compare "Save to server (new table)" report.txt "$ours" "$peer" "awk + \\copy"

bash -c "$bench_reset"
bash -c "$ours" 2>/dev/null
bash -c "$peer"
echo
echo "records: ours $(psql -tAc 'select count(*) from ours'), peer $(psql -tAc 'select count(*) from peer')"
