#!/usr/bin/env bash
# Times fieldizer-cli's text operations side by side with the tool a user
# would reach for (sed, awk, tr, fold) on the same generated report, in one
# run, once with our result to --out and once to standard output redirected
# to a file; then --lf against the plain run. Prints MB/s of both, the ratio
# (peer time / our time; 1.0 or more means we are at least as fast) and our
# peak memory against the input size.
# usage: bench/run_text.sh [LINES]   (default 1,000,000 lines, ~100 MB)
set -euo pipefail
cd "$(dirname "$0")/.."
lines=${1:-1000000}

source bench/lib.sh

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
report=$work/report.txt
semicolons=$work/report-semicolon.txt
bash bench/generate_report.sh "$report" "$lines"
bash bench/generate_report.sh "$semicolons" "$lines" --semicolon
cd "$work"

# Every timed run writes a new file on both sides. Replacing a file would
# measure the file system instead: ext4 starts writing back a file that is
# renamed over another, as ours is for safety, at the rename.
bench_reset='rm -f out.txt peer.txt'

# run_all OUTPUT: every operation with our result going to OUTPUT ("--out
# out.txt" or "> out.txt", standard output redirected to a file).
run_all() {
    local to=$1
    echo
    echo "== fieldizer-cli ... $to"
    print_header
    compare "Replace text ABC->XY" "$report" \
        "$cli replace replaceText=ABC replaceWith=XY --in report.txt $to" \
        "sed 's/ABC/XY/g' report.txt > peer.txt" sed
    compare "General Replace col 3" "$report" \
        "$cli replace 'replaceText=General Replace' replaceAtCol=3 replaceNumOfChars=2 replaceWith=XY --in report.txt $to" \
        "awk '{print substr(\$0,1,2) \"XY\" substr(\$0,5)}' report.txt > peer.txt" awk
    compare "General Move 10+5 -> 40" "$report" \
        "$cli move 'textToMove=General Move' moveFromCol=10 moveNumOfChars=5 moveToCol=40 --in report.txt $to" \
        "awk '{print substr(\$0,1,9) substr(\$0,15,25) substr(\$0,10,5) substr(\$0,40)}' report.txt > peer.txt" awk
    compare "General Delete 10+5" "$report" \
        "$cli delete 'deleteText=General Delete' deleteFromCol=10 deleteNumOfChars=5 --in report.txt $to" \
        "awk '{print substr(\$0,1,9) substr(\$0,15)}' report.txt > peer.txt" awk
    compare "Format ; -> new lines" "$semicolons" \
        "$cli format 'formatCreate=New line' 'formatDelimiter=;' --in report-semicolon.txt $to" \
        "tr ';' '\n' < report-semicolon.txt > peer.txt" tr
    compare "Join Lines" "$report" \
        "$cli join-lines --in report.txt $to" \
        "gawk 'BEGIN{RS=\"\r\n\r\n\"; ORS=\"\r\n\r\n\"} {gsub(/\r\n/, \"\"); print}' report.txt > peer.txt" gawk
    compare "Break into lines of 80" "$report" \
        "$cli break-lines startLineAfter=80 --in report.txt $to" \
        "fold -w 80 report.txt > peer.txt" fold
}

run_all "--out out.txt"
run_all "> out.txt"

# --lf on the same report with LF line ends, against the plain run on the CR
# LF report: the "peer" column is the plain run.
tr -d '\r' < report.txt > report-lf.txt
tr -d '\r' < report-semicolon.txt > report-semicolon-lf.txt
echo
echo "== fieldizer-cli ... --lf on LF text (peer: the plain run on CR LF text)"
print_header
compare "Replace text --lf" "$work/report-lf.txt" \
    "$cli replace replaceText=ABC replaceWith=XY --lf --in report-lf.txt --out out.txt" \
    "$cli replace replaceText=ABC replaceWith=XY --in report.txt --out peer.txt" plain
compare "Format ; -> new lines --lf" "$work/report-semicolon-lf.txt" \
    "$cli format 'formatCreate=New line' 'formatDelimiter=;' --lf --in report-semicolon-lf.txt --out out.txt" \
    "$cli format 'formatCreate=New line' 'formatDelimiter=;' --in report-semicolon.txt --out peer.txt" plain
compare "Replace text --lf > file" "$work/report-lf.txt" \
    "$cli replace replaceText=ABC replaceWith=XY --lf --in report-lf.txt > out.txt" \
    "$cli replace replaceText=ABC replaceWith=XY --in report.txt > peer.txt" plain
