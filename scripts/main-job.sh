#!/usr/bin/env bash
# Fieldizer's main job on the sample report: install what is missing, build,
# lay the daily rows of a National Weather Service climate report out in
# columns, store every line as a record of a table in the program's database
# fieldizer.mdb (created in the current folder when missing), and query it.
# With a display, the desktop program then starts with the report open.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
bash "$repo/scripts/install-dependencies.sh"
cmake -S "$repo" -B "$repo/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
targets=(fieldizer-cli)
grep -q '^Qt6_DIR:PATH=.*-NOTFOUND' "$repo/build/CMakeCache.txt" || targets+=(fieldizer)
cmake --build "$repo/build" --target "${targets[@]}"
cli=$repo/build/cli/fieldizer-cli
report=$repo/examples/CF6DSM.txt

# The program looks for its database in the current folder.
if [ ! -f fieldizer.mdb ]; then
    "$cli" create-database fieldizer.mdb
    echo "Created fieldizer.mdb in $(pwd)"
fi

# The columns of the report's day rows, saved as Settings so that next
# month's report needs only the name. Each heading is no wider than its
# column, so that the heading line stands above the values.
"$cli" settings save daily-f6 \
    'databaseProcessMethod=Use column specs on the Fieldize Text tab' \
    --column DY:1:2:1:2 --column MAX:3:4:1:4 --column MIN:7:4:1:4 --column AVG:11:4:1:4 \
    --column HDD:19:4:1:4 --column WTR:27:5:1:5 --column SNW:32:5:1:5 \
    --column AVSPD:42:5:1:5 --column WX:67:6:0:6

echo
echo "== The report laid out in the saved columns (the heading and the first week)"
"$cli" fieldize --settings daily-f6 --in "$report" | tr -d '\r' | sed -n '1p;20,26p'

echo
echo "== Every line stored as a record of table february_2020"
"$cli" save --settings daily-f6 --table february_2020 --if-exists replace --in "$report"

echo
echo "== The day rows, read back from the table (the report is preliminary: it ends at day 22)"
"$cli" sql --db fieldizer.mdb \
    "select DY, MAX, MIN, WTR, SNW from february_2020 where (DY like ' #' or DY like '##') and MIN like '*#'"

echo
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$repo/build/ui/app/fieldizer" ]; then
    echo "== The desktop program, with the report open"
    echo "   (close it with File > Exit or the window's close button; Ctrl-C here ends it too)"
    "$repo/build/ui/app/fieldizer" "$report"
else
    echo "No display: the desktop program fieldizer was not started (the command-line run above is the demonstration)."
fi
