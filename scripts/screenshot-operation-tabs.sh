#!/usr/bin/env bash
# Screenshots of the Manipulator's operation tabs Move Text to Format Text,
# for looking at them as a user would: the program on a virtual display with
# the sample report open, each tab clicked at its place in the tab strip.
# Needs xvfb-run, ImageMagick's import and xdotool.
# Usage: screenshot-operation-tabs.sh [OUTPUT-FOLDER]
#   (default build/screenshots/; docs/ with FIELDIZER_DOCS=1)
set -euo pipefail
source "$(dirname "$0")/screenshot-setup.sh" "${1:-}" docs folder
cp "$repo/examples/CF6DSM.txt" "$work/"
cd "$work"
# shellcheck disable=SC2016 # the inner script expands its own arguments
on_screen bash -c '
    "$1" CF6DSM.txt &
    program=$!
    sleep 7 # the splash closes itself after 5 seconds
    window=$(xdotool search --onlyvisible --name "^Fieldizer$" | head -1)
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # The tabs stand below the menu bar and the Manipulator caption.
    for tab in move-text:139 add-text:219 replace-text:307 delete-text:403 format-text:497; do
        xdotool mousemove $((X + ${tab#*:})) $((Y + 65)) click 1
        tab=${tab%:*}
        sleep 1
        import -window root "$2/tab-$tab.png"
        convert "$2/tab-$tab.png" -trim +repage "$2/tab-$tab.png"
    done
    kill "$program"
' screenshots "$build/ui/app/fieldizer" "$out"
echo "Saved in $out"
