#!/usr/bin/env bash
# Screenshots of the windows a user meets first, for looking at them as a
# user would: the Manipulator, Find (Ctrl+F) and the Text Viewer (a double
# click on the text). Needs xvfb-run, ImageMagick's import and xdotool.
# Usage: screenshot-windows.sh [OUTPUT-FOLDER]
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${FIELDIZER_BUILD:-$repo/build}
out=$(realpath -m "${1:-$repo/build/screenshots}")
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/cli/fieldizer-cli" create-database "$work/fieldizer.mdb" >/dev/null
cp "$repo/examples/CF6DSM.txt" "$work/"
cd "$work"
xvfb-run -a -s "-screen 0 1280x860x24" bash -c '
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
