#!/usr/bin/env bash
# Installs what building and testing Fieldizer needs on Debian 12, as root.
# mdbtools-dev is libmdb, linked to read Access files; mdbtools (mdb-export)
# only regenerates the Access tests' expectations. xvfb, xauth, imagemagick
# and xdotool are what the screenshot scripts drive the windows with.
# clang-tidy runs in scripts/check-tidy.sh. libpq-dev is the PostgreSQL client
# library Save to Database writes to a server with; postgresql gives the
# tests their throwaway server (initdb, pg_ctl) and the benchmark psql.
# Only packages that are missing are installed, so a prepared machine is not
# touched and needs no network.
set -euo pipefail

packages=(g++ cmake ninja-build libgtest-dev libgmock-dev libsqlite3-dev sqlite3 gawk
    qt6-base-dev libqscintilla2-qt6-dev libgl-dev xvfb xauth imagemagick xdotool
    pkg-config mdbtools-dev mdbtools clang-tidy libpq-dev postgresql)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
