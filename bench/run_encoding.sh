#!/usr/bin/env bash
# Open and Save As of the generated 1,000,000-line report written as UTF-8
# with one accented character on every line, against the same report in
# Windows-1252, and against iconv -f UTF-8 -t WINDOWS-1252 of the UTF-8 file,
# in one run: on the command line (a Replace that finds nothing, --in and
# --out: reading, the pass, writing) and in the window (encoding_bench: the
# File menu's Open and Save As, and the conversion alone in memory). Prints
# the times, the ratio UTF-8 / Windows-1252 (target at most 1.3) and the
# conversion's speed beside iconv's (target: at least as fast).
# usage: bash bench/run_encoding.sh [LINES]   (from the repository folder)
#        FIELDIZER_BENCH_BUILD=DIR reuses a build folder configured with
#        -DFIELDIZER_BENCH=ON instead of making build-bench.
set -euo pipefail
cd "$(dirname "$0")/.."
lines=${1:-1000000}
source bench/window_build.sh
build_window_bench encoding_bench
cli=$build/cli/fieldizer-cli

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash bench/generate_report.sh "$work/plain.txt" "$lines"
# One "é" at the end of every line, before its CR LF; no line break at the
# very end, which a pass would not give back.
LC_ALL=C sed 's/\r$/\xc3\xa9\r/' "$work/plain.txt" >"$work/utf8.txt"
truncate -s -2 "$work/utf8.txt"
iconv -f UTF-8 -t WINDOWS-1252 "$work/utf8.txt" >"$work/windows-1252.txt"
rm "$work/plain.txt"
cd "$work"

# best COMMAND: the best wall time and the best processor time (user +
# system) of 5 runs, in seconds, the output removed before each run. On a
# machine shared with other work the wall time mostly measures the waiting.
best() {
    local wall="" cpu="" times
    for _ in 1 2 3 4 5; do
        rm -f out.txt peer.txt
        times=$(/usr/bin/time -f '%e %U %S' bash -c "$1" 2>&1 >/dev/null | tail -n 1)
        wall=$(echo "$times" | awk -v best="$wall" '{ print (best == "" || $1 < best) ? $1 : best }')
        cpu=$(echo "$times" | awk -v best="$cpu" '{ c = $2 + $3; print (best == "" || c < best) ? c : best }')
    done
    echo "$wall $cpu"
}
ratio() { echo "$1 $2" | awk '{ printf "%.2f", ($2 > 0) ? $1 / $2 : 0 }'; }
unchanged() { echo "$cli replace replaceText=~~~ replaceWith=x --in $1 --out out.txt"; }

echo "== fieldizer-cli: open + save as, a Replace that finds nothing (best of 5, wall and cpu)"
read -r utf8_wall utf8_cpu < <(best "$(unchanged utf8.txt)")
read -r windows_wall windows_cpu < <(best "$(unchanged windows-1252.txt)")
read -r iconv_wall iconv_cpu < <(best "iconv -f UTF-8 -t WINDOWS-1252 utf8.txt > peer.txt")
printf '%-32s %6.2f s wall %6.2f s cpu\n' "UTF-8 ($(stat -c %s utf8.txt) bytes):" \
    "$utf8_wall" "$utf8_cpu" "Windows-1252:" "$windows_wall" "$windows_cpu" \
    "iconv UTF-8 -> WINDOWS-1252:" "$iconv_wall" "$iconv_cpu"
echo "UTF-8 / Windows-1252:            $(ratio "$utf8_wall" "$windows_wall") wall," \
    "$(ratio "$utf8_cpu" "$windows_cpu") cpu (target at most 1.3)"
bash -c "$(unchanged utf8.txt)" && cmp -s out.txt utf8.txt && echo "the UTF-8 file came back byte for byte"
bash -c "$(unchanged windows-1252.txt)" && cmp -s out.txt windows-1252.txt &&
    echo "the Windows-1252 file came back byte for byte"

echo "== fieldizer (offscreen window): File > Open and Save As (best of 3)"
"$build/bench/encoding_bench" utf8.txt windows-1252.txt out.txt 2>&1 |
    grep -v -e '^QStandardPaths' -e 'propagateSizeHints'
echo "iconv alone:                      $(echo "$(stat -c %s utf8.txt) $iconv_wall $iconv_cpu" |
    awk '{ printf "%.0f MB/s wall, %.0f MB/s cpu", $1 / 1e6 / $2, $1 / 1e6 / $3 }')" \
    "(target: the conversion alone at least as fast)"
