#!/usr/bin/env bash
# A screenshot of the "Fieldize Text" tab as a user fills it: the sample
# report loaded, five column specifications typed into the grid, the
# preview showing the first lines laid out. Needs xvfb-run, ImageMagick's
# import and xdotool. Usage: screenshot-fieldize.sh [OUTPUT-PNG]
set -euo pipefail
source "$(dirname "$0")/screenshot-setup.sh" "${1:-}" docs/fieldize-text-tab.png
cp "$repo/examples/CF6DSM.txt" "$work/"
cd "$work"
on_screen bash -c '
    "$1" CF6DSM.txt &
    program=$!
    sleep 7 # the splash closes itself after 5 seconds
    # Room for the grid and the preview: the main window fills the screen.
    for window in $(xdotool search --onlyvisible --name "Fieldizer"); do
        xdotool windowmove "$window" 0 0 windowsize "$window" 1280 860
    done
    sleep 1
    xdotool mousemove 796 31 click 1 # maximise the Manipulator inside it
    sleep 1
    # The tab strip: "Fieldize Text" is the seventh tab.
    xdotool mousemove "$3" "$4" click 1
    sleep 1
    # The grid has the focus: type each row, cell by cell.
    for row in "DY 1 2 2 2" "MAX 4 3 2 3" "MIN 8 3 2 3" "AVG 12 3 2 3" "DEP 16 3 0 3"; do
        for cell in $row; do
            xdotool type --delay 30 "$cell"
            xdotool key Tab
        done
    done
    sleep 1
    import -window root "$2"
    kill "$program"
' screenshot "$build/ui/app/fieldizer" "$out" 593 65
echo "Saved $out"
