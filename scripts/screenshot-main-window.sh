#!/usr/bin/env bash
# Takes the screenshot of the main window shown in README: the program on a
# virtual display, with the sample report open, in a scratch folder holding
# a fresh fieldizer.mdb. Usage: screenshot-main-window.sh [OUTPUT.png [TEXT-FILE]]
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${FIELDIZER_BUILD:-$repo/build}
output=$(realpath -m "${1:-$repo/docs/main-window.png}")
report=$(realpath "${2:-$repo/examples/CF6DSM.txt}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/cli/fieldizer-cli" create-database "$work/fieldizer.mdb" >/dev/null
cp "$report" "$work/"
cd "$work"
xvfb-run -a -s "-screen 0 1280x860x24" bash -c '
    "$1" "$2" &
    program=$!
    sleep 7 # the splash closes itself after 5 seconds
    import -window root "$3"
    convert "$3" -trim +repage "$3" # the window alone, without the empty screen
    kill "$program"
' screenshot "$build/ui/app/fieldizer" "$work/$(basename "$report")" "$output"
echo "Saved $output"
