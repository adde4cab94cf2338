#!/usr/bin/env bash
# Runs clang-tidy with the repository's .clang-tidy and fails on any finding:
# by default on the lines changed since the merge-base with a base branch,
# with --all on every source of the build.
#
# Why the changed lines and not the whole tree: the whole tree is some 300
# translation units, 86 of them pulling in Qt's headers at about 14 seconds
# of processor time each, the other 215 at about 5: some 39 minutes of
# processor time, 20 minutes on a 2-core machine at best, more than the
# quarter of an hour CI can spare beside the two builds and test runs. The
# sources changed are checked, and their findings reported on the lines the
# change wrote: a change answers for what it writes, not for what it happens
# to stand beside.
#
# Usage: check-tidy.sh [--all] [BUILD_DIR]
#   BUILD_DIR  a configured build with compile_commands.json (default: build);
#              build it first, so that the generated headers exist.
#   FIELDIZER_TIDY_BASE  the base branch (default: origin/main, else main).
#   On the base branch itself the last commit is checked.
set -euo pipefail
cd "$(dirname "$0")/.."

all=0
if [ "${1:-}" = --all ]; then
    all=1
    shift
fi
build=${1:-build}
if [ ! -f "$build/compile_commands.json" ]; then
    echo "check-tidy: $build/compile_commands.json is missing; configure and build first." >&2
    exit 1
fi
if ! command -v clang-tidy >/dev/null; then
    echo "check-tidy: clang-tidy is not installed (scripts/install-dependencies.sh)." >&2
    exit 1
fi

# The project's own translation units, as the build compiles them.
mapfile -t units < <(python3 - "$build/compile_commands.json" "$PWD" <<'EOF'
import json, os, sys
root = sys.argv[2]
for entry in json.load(open(sys.argv[1])):
    path = os.path.relpath(os.path.join(entry["directory"], entry["file"]), root)
    if not path.startswith(".."):
        print(path)
EOF
)
mapfile -t units < <(printf '%s\n' "${units[@]}" | grep -v -E '^build[^/]*/|_autogen/' | sort -u)

# Sets `since`, the commit the change is measured from.
find_base() {
    local base=${FIELDIZER_TIDY_BASE:-}
    if [ -z "$base" ]; then
        base=origin/main
        git rev-parse -q --verify "$base^{commit}" >/dev/null || base=main
    fi
    if ! since=$(git merge-base "$base" HEAD 2>/dev/null) || [ "$since" = "$(git rev-parse HEAD)" ]
    then
        # On the base branch itself, or with no base in this clone: the last commit.
        since=$(git rev-parse -q --verify HEAD~1) || return 1
        base="the last commit"
    fi
    echo "Tidy: the change since ${since:0:12} ($base)."
}

# The translation units that compile the files named on standard input: a
# source itself, a header through the source of its name or else the first
# source that includes it.
units_for() {
    local file unit
    while read -r file; do
        unit=${file%.*}.cpp
        if printf '%s\n' "${units[@]}" | grep -qxF "$unit"; then
            echo "$unit"
        elif [[ $file == *.h ]]; then
            printf '%s\n' "${units[@]}" | xargs grep -lE \
                "^\s*#\s*include\s*\"([^\"]*/)?$(basename "$file")\"" 2>/dev/null | head -n 1
        fi
    done
}

line_filter=()
if [ $all -eq 0 ] && git rev-parse --git-dir >/dev/null 2>&1 && find_base; then
    changes=$(git diff -U0 --diff-filter=ACMR "$since" -- '*.cpp' '*.h')
    lines=$(python3 scripts/changed_lines.py <<<"$changes")
    if [ "$lines" = "[]" ]; then
        # An empty filter would show every line: a change that only removes
        # lines has nothing to check.
        echo "Tidy: no changed line to check."
        exit 0
    fi
    line_filter=("--line-filter=$lines")
    mapfile -t files < <(git diff --name-only --diff-filter=ACMR "$since" -- '*.cpp' '*.h' |
        units_for | sort -u)
else
    [ $all -eq 1 ] || echo "Tidy: no base commit found; checking every source."
    files=("${units[@]}")
fi
if [ ${#files[@]} -eq 0 ]; then
    echo "Tidy: no changed source to check."
    exit 0
fi

# clang-tidy is clang reading g++'s flags: a g++-only warning option
# (-Wno-restrict) must not become an error of its own.
jobs=$(nproc)
echo "Tidy: checking ${#files[@]} files with $jobs jobs."
if ! printf '%s\0' "${files[@]}" |
    xargs -0 -n 1 -P "$jobs" clang-tidy -p "$build" --quiet --warnings-as-errors='*' \
        --extra-arg=-Wno-unknown-warning-option "${line_filter[@]}" \
        2> >(grep -v -E '^[0-9]+ warnings? generated' >&2); then
    echo "Tidy: findings above (fix them, or see .clang-tidy for the checks left out)." >&2
    exit 1
fi
echo "Tidy: ${#files[@]} files clean."
