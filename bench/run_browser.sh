#!/usr/bin/env bash
# Builds and runs the table browser benchmark in a Release build: Form13 on a
# table of a million records (open, last row, memory per row), its filter
# and heading-click sort against the sqlite3 shell on the same file.
# usage: bench/run_browser.sh [ROWS]   (default 1,000,000)
set -euo pipefail
cd "$(dirname "$0")/.."
rows=${1:-1000000}
command -v sqlite3 >/dev/null || { echo "bench/run_browser.sh needs the sqlite3 shell" >&2; exit 1; }

build=${BUILD_DIR:-build-bench-browser}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFIELDIZER_TESTS=OFF \
    -DFIELDIZER_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target browser_bench >/dev/null
"$build"/bench/browser_bench "$rows"
