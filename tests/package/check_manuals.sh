#!/usr/bin/env bash
# Every manual page under MAN_FOLDER (English, and Japanese in ja/) formats without a warning other than lines
# that cannot be justified, and lexgrog finds its NAME line ("name - what it is").
# Usage: check_manuals.sh MAN_FOLDER
set -euo pipefail
folder=$1
status=0
count=0
for page in "$folder"/*.[0-9] "$folder"/ja/*.[0-9]; do
    count=$((count + 1))
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null \
               | grep -v 'cannot adjust line' || true)
    if [ -n "$warnings" ]; then
        echo "$page: $warnings"
        status=1
    fi
    text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -E UTF-8 -l "$page" 2>/dev/null)
    if [ -z "$text" ]; then
        echo "$page: formats to nothing"
        status=1
    fi
    name=$(basename "$page")
    name=${name%.*}
    if ! lexgrog "$page" | grep -q ": \"$name - .\+\"$"; then
        echo "$page: lexgrog finds no NAME line: $(lexgrog "$page" 2>&1)"
        status=1
    fi
done
[ "$count" -eq 6 ] || { echo "expected 6 manual pages, found $count"; status=1; }
exit $status
