#!/usr/bin/env bash
# End to end, side by side in one run, on one generated Japanese text (20 MB of UTF-8 prose, thousands of
# distinct characters in a natural frequency distribution): vantolex-print reading, decoding, laying out
# and writing the PDF, horizontally and vertically, against paps, which writes PostScript (horizontally
# only). Reports wall time, CPU time (user + system) and peak memory (maximum resident set size) of each
# from /usr/bin/time, the pages and the file size, and checks vantolex-print against its targets: at most
# 1.0 s horizontally and 1.2 s vertically (wall time), at most 100 MB peak memory. The machine should be
# otherwise idle: on a busy one the wall times grow while the CPU times stay.
#
# Usage: bench/print-vs-paps.sh [BUILD-DIRECTORY]   (default: build-release)
# Build the tool and the corpus generator in Release first:
#   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTOLEX_BUILD_TESTS=OFF \
#         -DVANTOLEX_BUILD_UI=OFF -DVANTOLEX_BUILD_BENCH=ON
#   cmake --build build-release --target vantolex-print vantolex_japanese_corpus
# VANTOLEX_BENCH_MEGABYTES sets the size of the text (default 20).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build-release}
tool=$build/cli/vantolex-print
corpus=$build/bench/cli/vantolex_japanese_corpus
megabytes=${VANTOLEX_BENCH_MEGABYTES:-20}

for program in "$tool" "$corpus" paps pdfinfo /usr/bin/time; do
    if ! command -v "$program" >/dev/null; then
        echo "print-vs-paps: $program is missing" >&2
        exit 1
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
input=$work/japanese.txt
"$corpus" "$megabytes" >"$input" 2>"$work/corpus.txt"

failed=0
# measure NAME TARGET-SECONDS OUTPUT COMMAND...: one row of the table; TARGET-SECONDS "-" for no target.
measure() {
    local name=$1 target=$2 output=$3
    shift 3
    /usr/bin/time -f '%e %U %S %M' -o "$work/time.txt" "$@"
    local wall user system rss pages verdict=""
    read -r wall user system rss <"$work/time.txt"
    case "$output" in
    *.pdf) pages=$(pdfinfo "$output" | sed -n 's/^Pages: *//p') ;;
    *) pages=$(grep -c '^%%Page:' "$output") ;;
    esac
    if [ "$target" != "-" ]; then
        if awk -v w="$wall" -v t="$target" -v m="$rss" 'BEGIN { exit !(w <= t && m <= 100 * 1024) }'; then
            verdict="ok (<= $target s, <= 100 MB)"
        else
            verdict="MISSED (<= $target s, <= 100 MB)"
            failed=1
        fi
    fi
    printf '| %-30s | %7.2f s | %7.2f s | %6d MB | %5d | %6.1f MB | %s\n' "$name" "$wall" \
        "$(awk -v u="$user" -v s="$system" 'BEGIN { print u + s }')" $((rss / 1024)) "$pages" \
        "$(awk -v b="$(stat -c %s "$output")" 'BEGIN { print b / 1048576 }')" "$verdict"
}

printf 'input: %s MB of Japanese UTF-8, %s lines, %s; machine load %s\n' \
    "$(($(stat -c %s "$input") / 1024 / 1024))" "$(wc -l <"$input")" "$(cat "$work/corpus.txt")" \
    "$(cut -d' ' -f1-3 /proc/loadavg)"
printf '| %-30s | %9s | %9s | %9s | %5s | %9s |\n' "run" "wall" "CPU" "peak" "pages" "output"
measure "vantolex-print PDF horizontal" 1.0 "$work/horizontal.pdf" \
    "$tool" --defaults -e utf8 -o "$work/horizontal.pdf" "$input"
measure "vantolex-print PDF vertical" 1.2 "$work/vertical.pdf" \
    "$tool" --defaults -e utf8 --set vertical=1 -o "$work/vertical.pdf" "$input"
measure "paps PostScript horizontal" - "$work/paps.ps" \
    sh -c 'paps --font="Noto Sans Mono CJK JP 6" --columns=2 "$1" >"$2"' paps "$input" "$work/paps.ps"
exit $failed
