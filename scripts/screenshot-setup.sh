# What the screenshot scripts share, sourced by each: the repository and
# build folders, the output path, a scratch folder holding a fresh program
# database (removed on exit) and the virtual screen the program runs on.
# Usage: source screenshot-setup.sh "${1:-}" DEFAULT-OUTPUT [folder]
#   DEFAULT-OUTPUT is relative to the repository; "folder" makes the output a
#   folder, created if missing. Sets repo, build, cli, out, docs and work.
# The pictures in docs/ are renewed only when asked, with FIELDIZER_DOCS=1;
# otherwise a default output in docs/ goes to build/screenshots/ instead.
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${FIELDIZER_BUILD:-$repo/build}
cli=$build/cli/fieldizer-cli
source "$repo/scripts/screenshot-output.sh"
out=$(realpath -m "${1:-$repo/$(screenshot_default "$2")}")
docs=$(realpath -m "$repo/$(screenshot_default docs)")
if [ "${3:-}" = folder ]; then mkdir -p "$out"; else mkdir -p "$(dirname "$out")"; fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" create-database "$work/fieldizer.mdb" >/dev/null

# Runs a command on a virtual screen the size of a small desktop.
on_screen() { xvfb-run -a -s "-screen 0 1280x860x24" "$@"; }
