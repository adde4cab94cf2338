#!/usr/bin/env bash
# Screenshots of the windows a user meets first, for looking at them as a
# user would: the Manipulator, Find (Ctrl+F) and the Text Viewer (a double
# click on the text). Needs xvfb-run, ImageMagick's import and xdotool.
# Usage: screenshot-windows.sh [OUTPUT-FOLDER]
set -euo pipefail
source "$(dirname "$0")/screenshot-setup.sh" "${1:-}" build/screenshots folder
cp "$repo/examples/CF6DSM.txt" "$work/"
cd "$work"
on_screen bash -c '
    "$1" CF6DSM.txt &
    program=$!
    sleep 7 # the splash closes itself after 5 seconds
    import -window root "$2/manipulator.png"
    xdotool key ctrl+f
    sleep 1.5
    import -window root "$2/find.png"
    xdotool mousemove 450 450 click --repeat 2 --delay 80 1
    sleep 1.5
    import -window root "$2/text-viewer.png"
    kill "$program"
' screenshots "$build/ui/app/fieldizer" "$out"
echo "Saved in $out"
