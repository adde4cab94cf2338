#!/usr/bin/env bash
# Writes tests/data/access/expected/ from mdb-export (Debian's mdbtools), the
# independent reader the Access conversion tests compare against:
#   row-counts.tsv        FILE<TAB>TABLE<TAB>ROWS for every user table
#   allow-zero-length.tsv FILE<TAB>TABLE<TAB>FIELD<TAB>yes or no, from mdb-prop
#   FILE.TABLE.schema.txt Table1's fields, as mdb-schema prints them for Access
#   FILE.TABLE.csv        every value of the tables compared value by value,
#                         dates as YYYY-MM-DD HH:MM:SS, Null as an unquoted
#                         empty field, text always quoted
set -euo pipefail
cd "$(dirname "$0")/../tests/data/access"
mkdir -p expected
: > expected/row-counts.tsv
for file in *.mdb *.accdb; do
    mdb-tables -1 "$file" | while IFS= read -r table; do
        [ -n "$table" ] || continue
        rows=$(mdb-export "$file" "$table" |
            python3 -c 'import csv,sys; print(sum(1 for _ in csv.reader(sys.stdin)) - 1)')
        printf '%s\t%s\t%s\n' "$file" "$table" "$rows" >> expected/row-counts.tsv
    done
done
for file in testV1997.mdb testV2000.mdb testV2007.accdb; do
    mdb-export -D '%Y-%m-%d %H:%M:%S' -T '%Y-%m-%d %H:%M:%S' "$file" Table1 \
        > "expected/$file.Table1.csv"
done
mdb-export testUnicodeCompV2003.mdb Table > expected/testUnicodeCompV2003.mdb.Table.csv
mdb-export fixedNumericTestV2000.mdb test > expected/fixedNumericTestV2000.mdb.test.csv
# Field types and sizes as Access names them (mdb-schema's access backend).
for file in testV1997.mdb testV2000.mdb testV2007.accdb; do
    mdb-schema -T Table1 "$file" access | grep -E '^\s*\[' > "expected/$file.Table1.schema.txt"
done
# The zero-length rule of every text field, as the file's properties say.
for file in *.mdb *.accdb; do
    mdb-tables -1 "$file" | while IFS= read -r table; do
        [ -n "$table" ] || continue
        mdb-prop "$file" "$table" 2>/dev/null | awk -v f="$file" -v t="$table" '
            /^name:/ { sub(/^name: /, ""); field = $0 }
            /AllowZeroLength:/ { printf "%s\t%s\t%s\t%s\n", f, t, field, $2 }'
    done
done > expected/allow-zero-length.tsv
