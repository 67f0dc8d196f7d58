#!/usr/bin/env bash
# scripts/check-layers on a copy of the source tree: silent on the tree as it is, and refusing each kind of
# arrow planted in it (an upward and a sideways include, a C library's header reached from above its folder,
# an upward link, a second library in one folder), each with a message that names it.
set -euo pipefail

source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fresh_copy() {
    rm -rf "$work/tree"
    mkdir "$work/tree"
    (cd "$source_dir" && tar cf - --exclude='./build*' --exclude=./.git --exclude=./tests .) | tar xf - -C "$work/tree"
}

# expect_refusal DESCRIPTION PATTERN: check-layers fails on the planted tree and names the arrow.
expect_refusal() {
    local status=0
    "$source_dir/scripts/check-layers" "$work/tree" 2>"$work/errors" || status=$?
    if [ "$status" -eq 0 ]; then
        echo "FAIL: $1: check-layers accepted it" >&2
        exit 1
    fi
    if ! grep -q -- "$2" "$work/errors"; then
        echo "FAIL: $1: no message matching '$2':" >&2
        cat "$work/errors" >&2
        exit 1
    fi
    echo "refused: $1"
}

fresh_copy
"$source_dir/scripts/check-layers" "$work/tree"
echo "accepted: the tree as it is"

fresh_copy
echo '#include "app/ApplicationPrinter.h"' >>"$work/tree/layout/Device.h"
expect_refusal "an include up from layout into app" "layout/Device.h:.*app is up from layout"

fresh_copy
echo '#include "render/cairo/CairoDevice.h"' >>"$work/tree/render/pdf/PdfDevice.cpp"
expect_refusal "an include sideways from render/pdf into render/cairo" "render/cairo is sideways from render/pdf"

fresh_copy
echo '#include <cairo.h>' >>"$work/tree/render/fonts/FontCatalogue.h"
expect_refusal "a Cairo header reached from the command-line tool" "cli/.*reaches Cairo (render/fonts/FontCatalogue.h"

fresh_copy
sed -i 's/target_link_libraries(vantolex_layout PUBLIC vantolex_settings/target_link_libraries(vantolex_layout PUBLIC vantolex_spool vantolex_settings/' \
    "$work/tree/layout/CMakeLists.txt"
expect_refusal "a link up from layout to spool" "vantolex_layout links vantolex_spool: spool is up from layout"

fresh_copy
echo 'target_link_libraries(vantolex_gui_kit PUBLIC Cups::Cups)' >>"$work/tree/gui/kit/CMakeLists.txt"
expect_refusal "CUPS linked outside the spooler" "vantolex_gui_kit links Cups::Cups (CUPS)"

fresh_copy
echo 'add_library(vantolex_layout_extra STATIC Term.cpp)' >>"$work/tree/layout/CMakeLists.txt"
expect_refusal "a second library in one folder" "layout/CMakeLists.txt: builds .*vantolex_layout_extra"
