#!/usr/bin/env bash
# Builds and runs the database benchmarks in a Release build: writing records
# through AddNew/Update against the sqlite3 shell's .import --csv, and opening
# a dynaset on a large table.
# usage: bench/run_db.sh [RECORDS]   (default 1,000,000)
set -euo pipefail
cd "$(dirname "$0")/.."
records=${1:-1000000}
command -v sqlite3 >/dev/null || { echo "bench/run_db.sh needs the sqlite3 shell" >&2; exit 1; }

build=${BUILD_DIR:-build-bench-db}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFIELDIZER_TESTS=OFF \
    -DFIELDIZER_BENCH=ON >/dev/null
cmake --build "$build" -j1 --target db_write_bench db_dynaset_bench >/dev/null
"$build"/bench/db_write_bench "$records"
"$build"/bench/db_dynaset_bench "$records"
