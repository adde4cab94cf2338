#!/usr/bin/env bash
# Screenshots of the Manipulator's "Settings" and "Save to Database" tabs (the
# latter with the user's database to be chosen, a file or a server), for
# looking at them as a user would: a program database holding one saved set
# and one table of the user's, the sample report open. Needs xvfb-run,
# ImageMagick's import and xdotool.
# Usage: screenshot-saving-tabs.sh [OUTPUT-FOLDER]
#   (default build/screenshots/; docs/ with FIELDIZER_DOCS=1)
set -euo pipefail
source "$(dirname "$0")/screenshot-setup.sh" "${1:-}" docs folder
"$cli" settings save Monthly --column DY:1:3:1:3 --db "$work/fieldizer.mdb" >/dev/null
"$cli" sql --db "$work/fieldizer.mdb" "create table climate (DY text(3))" >/dev/null
cp "$repo/examples/CF6DSM.txt" "$work/"
cd "$work"
# The tabs are clicked where the tab bar shows them in a 1280x860 screen:
# the Manipulator opens at its own size, every tab in view.
on_screen bash -c '
    "$1" CF6DSM.txt &
    program=$!
    sleep 7 # the splash closes itself after 5 seconds
    xdotool mousemove 774 129 click 1
    sleep 1
    import -window root "$2/settings-tab.png"
    xdotool mousemove 877 129 click 1
    sleep 1
    import -window root "$2/save-to-database-tab.png"
    # The second option: a database of the user'"'"'s, a file or a server.
    xdotool mousemove 139 215 click 1
    sleep 1
    import -window root "$2/save-to-chosen-database.png"
    kill "$program"
' screenshots "$build/ui/app/fieldizer" "$out"
echo "Saved in $out"
