#!/usr/bin/env bash
# Fails when a tracked .cpp or .h file differs from what clang-format makes of
# it with the repository's .clang-format, and names each such file. Fix with
# `clang-format -i FILE`. Installs clang-format (Debian 12) when it is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang-format >/dev/null; then
    echo "Installing: clang-format"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends clang-format >/dev/null
fi

mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
# One run over every file; each difference is reported as FILE:LINE:COLUMN.
report=$(clang-format --style=file --dry-run --Werror "${files[@]}" 2>&1) && status=0 || status=$?
mapfile -t unformatted < <(grep -oE '^[^:]+\.(cpp|h):[0-9]+:[0-9]+: (error|warning)' <<<"$report" |
    cut -d: -f1 | sort -u)
if [ $status -ne 0 ] && [ ${#unformatted[@]} -eq 0 ]; then
    echo "$report" >&2 # clang-format itself failed
    exit 1
fi

if [ ${#unformatted[@]} -gt 0 ]; then
    echo "Not formatted as .clang-format asks (run clang-format -i on them):" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    exit 1
fi
echo "Format: ${#files[@]} files clean."
