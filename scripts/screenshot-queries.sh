#!/usr/bin/env bash
# Screenshots of the query window in its two modes, to look at it as a user
# would: "Define and Run..." with a statement typed and saved as "Adults",
# then "Select and Run..." with that query chosen from the list. Needs
# xvfb-run, ImageMagick's import and xdotool.
# Usage: screenshot-queries.sh [OUTPUT-FOLDER]
set -euo pipefail
source "$(dirname "$0")/screenshot-setup.sh" "${1:-}" docs folder
"$cli" sql --db "$work/fieldizer.mdb" "CREATE TABLE people (name TEXT(20), age LONG)" >/dev/null
cd "$work"
on_screen bash -c '
    "$1" &
    program=$!
    sleep 7 # the splash closes itself after 5 seconds
    # The Queries menu opened by a click: the text box would take Alt+Q.
    xdotool mousemove 504 185 click 1
    sleep 0.5
    xdotool key d
    sleep 1
    xdotool type --delay 20 "SELECT name, age FROM people WHERE age >= 18 ORDER BY name;"
    sleep 0.5
    import -window root "$2/queries-define.png"
    xdotool key Tab Tab space # from the statement to "&Save"
    sleep 1
    xdotool type --delay 20 "Adults"
    xdotool key Return
    sleep 1
    xdotool key Return # not a pass-through query
    sleep 1
    xdotool mousemove 504 185 click 1
    sleep 0.5
    xdotool key s
    sleep 1
    xdotool key Down
    sleep 0.5
    import -window root "$2/queries-select.png"
    kill "$program"
' screenshots "$build/ui/app/fieldizer" "$out"
echo "Saved in $out"
