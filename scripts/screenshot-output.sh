# Where a screenshot goes by default, sourced by the screenshot scripts: the
# pictures in docs/ are renewed only when asked, with FIELDIZER_DOCS=1, and
# otherwise go to build/screenshots/, so that trying a script changes nothing
# under version control.
# screenshot_default PATH: PATH (relative to the repository), or the same
# name under build/screenshots/ when PATH lies in docs/ and docs were not asked.
screenshot_default() {
    if [ "${FIELDIZER_DOCS:-}" = 1 ]; then
        echo "$1"
    else
        echo "${1/#docs/build/screenshots}"
    fi
}
