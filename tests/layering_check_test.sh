#!/usr/bin/env bash
# Proves scripts/check-layering.sh refuses each kind of breach it exists for:
# the tree is copied to a scratch folder, one breach at a time is put into a
# fresh copy, and the check must fail naming the place of the breach. The
# unchanged copy must pass, so that every failure is the breach's.
# Usage: layering_check_test.sh SOURCE_ROOT
set -euo pipefail
source_root=$(cd "${1:?usage: layering_check_test.sh SOURCE_ROOT}" && pwd)
check="$source_root/scripts/check-layering.sh"
scratch=$(mktemp -d "${TMPDIR:-/tmp}/layering-check.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# The sources and CMake files of every folder the check reads.
pristine="$scratch/pristine"
mkdir -p "$pristine"
(cd "$source_root" &&
    find text_engine workbench columns settings shell cli ui tests bench \
        -path tests/data -prune -o -type f \
        \( -name '*.h' -o -name '*.cpp' -o -name '*.c' -o -name CMakeLists.txt \) -print0 |
    xargs -0 cp --parents -t "$pristine")

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

if ! output=$(bash "$check" "$pristine" 2>&1); then
    fail "the unchanged copy does not pass:"
    echo "$output" >&2
    exit 1
fi

# expect_refused NAME EXPECTED_PLACE FILE LINE_TEXT: FILE gets LINE_TEXT as
# its second line (its last, for a CMakeLists.txt) in a fresh copy; the check
# must fail and name EXPECTED_PLACE (FILE:LINE).
expect_refused() {
    local name=$1 expected=$2 file=$3 text=$4
    local copy="$scratch/$name"
    rm -rf "$copy"
    cp -a "$pristine" "$copy"
    if [ ! -f "$copy/$file" ]; then
        fail "$name: $file is not in the tree; choose another file for this case"
        return
    fi
    if [ "$(basename "$file")" = CMakeLists.txt ]; then
        printf '%s\n' "$text" >>"$copy/$file"
    else
        local first
        first=$(head -n 1 "$copy/$file")
        { printf '%s\n%s\n' "$first" "$text"; tail -n +2 "$copy/$file"; } >"$copy/$file.new"
        mv "$copy/$file.new" "$copy/$file"
    fi
    local status=0
    output=$(bash "$check" "$copy" 2>&1) || status=$?
    if [ $status -eq 0 ]; then
        fail "$name: the check passed with $file saying: $text"
    elif ! grep -qF "$expected" <<<"$output"; then
        fail "$name: the check failed without naming $expected:"
        echo "$output" >&2
    else
        echo "refused as it should: $name ($(grep -F "$expected" <<<"$output" | head -n 1))"
    fi
    rm -rf "$copy"
}

last_line() { echo $(($(wc -l <"$pristine/$1") + 1)); }

expect_refused layer-above text_engine/cp1252.cpp:2 \
    text_engine/cp1252.cpp '#include "columns/column_spec.h"'
expect_refused cli-includes-ui cli/main.cpp:2 \
    cli/main.cpp '#include "ui/main_window/main_window.h"'
expect_refused dialect-includes-engine workbench/dialect/sql_dialect.cpp:2 \
    workbench/dialect/sql_dialect.cpp '#include "workbench/database_engine/database.h"'
expect_refused shell-sub-area-order shell/text_files/input_text.cpp:2 \
    shell/text_files/input_text.cpp '#include "shell/program_state/program_state.h"'
expect_refused text-box-includes-main-window ui/text_box/byte_text_box.cpp:2 \
    ui/text_box/byte_text_box.cpp '#include "ui/main_window/main_window.h"'
expect_refused qt-below-ui shell/find/find_matcher.cpp:2 \
    shell/find/find_matcher.cpp '#include <QString>'
expect_refused sqlite-outside-engine columns/fieldize.cpp:2 \
    columns/fieldize.cpp '#include <sqlite3.h>'
expect_refused sqlite-in-engine-header workbench/database_engine/connection.h:2 \
    workbench/database_engine/connection.h '#include <sqlite3.h>'
expect_refused libmdb-outside-reader workbench/access/access_values.cpp:2 \
    workbench/access/access_values.cpp '#include <mdbtools.h>'
expect_refused text-engine-beyond-standard-library text_engine/cp1252.cpp:2 \
    text_engine/cp1252.cpp '#include <unistd.h>'
expect_refused relative-parent-include workbench/database_engine/database.cpp:2 \
    workbench/database_engine/database.cpp '#include "../dialect/sql_dialect.h"'
expect_refused include-by-own-folder workbench/database_engine/database.cpp:2 \
    workbench/database_engine/database.cpp '#include "connection.h"'
mkdir -p "$pristine/shell/unplaced" && touch "$pristine/shell/unplaced/rules.h"
expect_refused sub-area-without-a-place shell/unplaced/rules.h:1 \
    shell/unplaced/rules.h '#include "text_engine/cp1252.h"'
rm -r "$pristine/shell/unplaced"
expect_refused link-up-a-layer "text_engine/CMakeLists.txt:$(last_line text_engine/CMakeLists.txt)" \
    text_engine/CMakeLists.txt 'target_link_libraries(fieldizer_text_engine PUBLIC fieldizer_columns)'
expect_refused sqlite-linked-above-workbench "columns/CMakeLists.txt:$(last_line columns/CMakeLists.txt)" \
    columns/CMakeLists.txt 'target_link_libraries(fieldizer_columns PRIVATE SQLite::SQLite3)'
expect_refused include-without-link shell/queries/query_rules.cpp:2 \
    shell/queries/query_rules.cpp '#include "workbench/database_engine/database.h"'

if [ $failures -gt 0 ]; then
    echo "$failures breaches were not refused as they should be." >&2
    exit 1
fi
echo "Every breach was refused, and the unchanged tree passed."
