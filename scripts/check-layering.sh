#!/usr/bin/env bash
# Fails when an #include points up a layer. Layers from the bottom: text_engine,
# workbench, columns, settings, shell; cli and ui on top. A file may include
# its own layer and the layers below it; a sub-folder (workbench/dialect/...)
# belongs to the layer of its top folder. tests/ and bench/ may include any
# layer. Prints each offending include as FILE:LINE.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files -- '*.cpp' '*.h' | grep -E '^(text_engine|workbench|columns|settings|shell|cli|ui)/')

awk '
BEGIN {
    # The layers each layer may include.
    allowed["text_engine"] = " text_engine "
    allowed["workbench"] = " text_engine workbench "
    allowed["columns"] = " text_engine workbench columns "
    allowed["settings"] = " text_engine workbench columns settings "
    allowed["shell"] = " text_engine workbench columns settings shell "
    allowed["cli"] = " text_engine workbench columns settings shell cli "
    allowed["ui"] = " text_engine workbench columns settings shell ui "
}
# Includes named from the repository root: "layer/..." or <layer/...>.
/^[ \t]*#[ \t]*include[ \t]*["<][^">]+\// {
    target = $0
    sub(/^[^"<]*["<]/, "", target)
    sub(/[">].*$/, "", target)
    targetLayer = target
    sub(/\/.*$/, "", targetLayer)
    if (!(targetLayer in allowed))
        next # a library header such as <sys/wait.h>
    layer = FILENAME
    sub(/\/.*$/, "", layer)
    if (index(allowed[layer], " " targetLayer " ") == 0) {
        printf "%s:%d: includes %s, above the %s layer\n", FILENAME, FNR, target, layer > "/dev/stderr"
        failed = 1
    }
}
END {
    if (failed)
        exit 1
    printf "Layering: %d files include only their own layer and those below.\n", ARGC - 1
}
' "${files[@]}"
