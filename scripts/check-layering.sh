#!/usr/bin/env bash
# Fails when the code breaks the layering of ARCHITECTURE.md: an #include or a
# CMake link pointing up a layer or up the order of the sub-areas inside
# workbench/, shell/ and ui/; Qt, SQLite, libmdb or GoogleTest headers outside
# their place; an include written relative to its file; a folder that
# includes a library's headers without linking it. The rules and their
# tables are in scripts/layering.py. Prints each breach as FILE:LINE.
# Usage: check-layering.sh [ROOT]   (ROOT: the tree to check, this one by default)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=${1:-"$here/.."}
cd "$root"
exec python3 "$here/layering.py" .
