#!/usr/bin/env bash
# A picture of both table browsers with rows (Form13 on a table, Form12 on a
# query of it) in the main window, drawn on Qt's offscreen platform.
# Usage: screenshot-browsers.sh [OUTPUT.png]
#   (default build/screenshots/table-browsers.png; docs/ with FIELDIZER_DOCS=1)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${FIELDIZER_BUILD:-$repo/build}
source "$repo/scripts/screenshot-output.sh"
out=$(realpath -m "${1:-$repo/$(screenshot_default docs/table-browsers.png)}")
mkdir -p "$(dirname "$out")"
cmake -S "$repo" -B "$build" -DFIELDIZER_BENCH=ON >/dev/null
cmake --build "$build" --target browser_bench >/dev/null
"$build/bench/browser_bench" --picture "$out"
echo "Saved $out"
