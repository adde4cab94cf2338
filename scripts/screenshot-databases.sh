#!/usr/bin/env bash
# Screenshots of the database windows, for looking at them as a user would:
# the table list Form3 in open and in delete mode, and Form4 "Password
# Access" after choosing a database file. Writes database-windows.png (the
# three side by side; into docs/ with FIELDIZER_DOCS=1, else beside the
# single shots) and the single shots into OUTPUT-FOLDER. Needs xvfb-run,
# ImageMagick's import and convert, and xdotool.
# Usage: screenshot-databases.sh [OUTPUT-FOLDER]
set -euo pipefail
source "$(dirname "$0")/screenshot-setup.sh" "${1:-}" build/screenshots folder
for table in Readings Stations "Monthly Totals"; do
    printf 'DSM 12\nCID 7\n' | "$cli" save --db "$work/fieldizer.mdb" --table "$table" --lf \
        'databaseProcessMethod=Use column specs on the Fieldize Text tab' \
        --column Station:1:3:0:3 --column Count:5:2:0:2 2>/dev/null
done
mkdir -p "$docs"
cp "$work/fieldizer.mdb" "$work/other.db"
cd "$work"
on_screen bash -c '
    "$1" &
    program=$!
    # The File menu sits at the top left of the main window, centred on
    # this screen.
    sleep 7 # the splash closes itself after 5 seconds
    file_menu() { xdotool mousemove 319 185 click 1; sleep 0.7; }
    file_menu; xdotool key t; sleep 1.5
    import -window root "$2/table-list-open.png"
    file_menu; xdotool key d; sleep 1.5
    import -window root "$2/table-list-delete.png"
    file_menu; xdotool key Down Down Return; sleep 2
    xdotool type --delay 20 "$PWD/other.db"; xdotool key Return; sleep 2
    xdotool type --delay 20 "clerk"; xdotool key Tab; xdotool type --delay 20 "secret"
    sleep 0.5
    import -window root "$2/password-access.png"
    kill "$program"
' screenshots "$build/ui/app/fieldizer" "$out"
# The main window alone, as it stands centred on the screen.
convert "$out/table-list-open.png" "$out/table-list-delete.png" "$out/password-access.png" \
    -crop 690x515+295+172 +repage -resize 75% +append "$docs/database-windows.png"
echo "Saved in $out and $docs/database-windows.png"
