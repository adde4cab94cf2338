#!/usr/bin/env bash
# Takes the screenshot of the main window shown in README: the program on a
# virtual display, with the sample report open, in a scratch folder holding
# a fresh fieldizer.mdb. Usage: screenshot-main-window.sh [OUTPUT.png [TEXT-FILE]]
set -euo pipefail
source "$(dirname "$0")/screenshot-setup.sh" "${1:-}" docs/main-window.png
report=$(realpath "${2:-$repo/examples/CF6DSM.txt}")
cp "$report" "$work/"
cd "$work"
on_screen bash -c '
    "$1" "$2" &
    program=$!
    sleep 7 # the splash closes itself after 5 seconds
    import -window root "$3"
    convert "$3" -trim +repage "$3" # the window alone, without the empty screen
    kill "$program"
' screenshot "$build/ui/app/fieldizer" "$work/$(basename "$report")" "$out"
echo "Saved $out"
