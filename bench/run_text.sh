#!/usr/bin/env bash
# Times fieldizer-cli's text operations side by side with the tool a user
# would reach for (sed, awk, tr, fold) on the same generated report, in one
# run. Prints MB/s of both, the ratio (ours / peer; 1.0 or more means we are
# at least as fast) and our peak memory against the input size.
# usage: bench/run_text.sh [LINES]   (default 1,000,000 lines, ~100 MB)
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
report=$work/report.txt
semicolons=$work/report-semicolon.txt
bash bench/generate_report.sh "$report" "$lines"
bash bench/generate_report.sh "$semicolons" "$lines" --semicolon
cd "$work"

# best-of-3 wall time in seconds of a shell command
best_time() {
    local best=""
    for _ in 1 2 3; do
        local start end took
        start=$(date +%s.%N)
        bash -c "$1" >/dev/null
        end=$(date +%s.%N)
        took=$(echo "$end - $start" | bc -l)
        if [ -z "$best" ] || [ "$(echo "$took < $best" | bc -l)" = 1 ]; then best=$took; fi
    done
    echo "$best"
}

peak_kib() { /usr/bin/time -f '%M' bash -c "$1 >/dev/null" 2>&1 >/dev/null | tail -n 1; }

printf '%-26s %-8s %10s %10s %7s %12s\n' operation peer "ours MB/s" "peer MB/s" ratio "peak/input"
compare() {
    local name=$1 input=$2 ours=$3 peer=$4 peername=$5
    local mb ours_s peer_s peak
    mb=$(echo "$(stat -c %s "$input") / 1000000" | bc -l)
    ours_s=$(best_time "$ours")
    peer_s=$(best_time "$peer")
    peak=$(peak_kib "$ours")
    printf '%-26s %-8s %10.1f %10.1f %7.2f %12.2f\n' "$name" "$peername" \
        "$(echo "$mb / $ours_s" | bc -l)" "$(echo "$mb / $peer_s" | bc -l)" \
        "$(echo "$peer_s / $ours_s" | bc -l)" \
        "$(echo "$peak * 1024 / $(stat -c %s "$input")" | bc -l)"
}

compare "Replace text ABC->XY" "$report" \
    "$cli replace replaceText=ABC replaceWith=XY --in report.txt --out out.txt" \
    "sed 's/ABC/XY/g' report.txt > peer.txt" sed
compare "General Replace col 3" "$report" \
    "$cli replace 'replaceText=General Replace' replaceAtCol=3 replaceNumOfChars=2 replaceWith=XY --in report.txt --out out.txt" \
    "awk '{print substr(\$0,1,2) \"XY\" substr(\$0,5)}' report.txt > peer.txt" awk
compare "General Move 10+5 -> 40" "$report" \
    "$cli move 'textToMove=General Move' moveFromCol=10 moveNumOfChars=5 moveToCol=40 --in report.txt --out out.txt" \
    "awk '{print substr(\$0,1,9) substr(\$0,15,25) substr(\$0,10,5) substr(\$0,40)}' report.txt > peer.txt" awk
compare "General Delete 10+5" "$report" \
    "$cli delete 'deleteText=General Delete' deleteFromCol=10 deleteNumOfChars=5 --in report.txt --out out.txt" \
    "awk '{print substr(\$0,1,9) substr(\$0,15)}' report.txt > peer.txt" awk
compare "Format ; -> new lines" "$semicolons" \
    "$cli format 'formatCreate=New line' 'formatDelimiter=;' --in report-semicolon.txt --out out.txt" \
    "tr ';' '\n' < report-semicolon.txt > peer.txt" tr
compare "Join Lines" "$report" \
    "$cli join-lines --in report.txt --out out.txt" \
    "gawk 'BEGIN{RS=\"\r\n\r\n\"; ORS=\"\r\n\r\n\"} {gsub(/\r\n/, \"\"); print}' report.txt > peer.txt" gawk
compare "Break into lines of 80" "$report" \
    "$cli break-lines startLineAfter=80 --in report.txt --out out.txt" \
    "fold -w 80 report.txt > peer.txt" fold
