#!/usr/bin/env bash
# End to end, side by side in one run, on generated Japanese texts (UTF-8 prose, thousands of distinct
# characters in a natural frequency distribution, made by the benchmark's own generator) of 20 and 200 MB:
# vantolex-print reading, decoding, laying out and writing the PDF, horizontally and vertically, without and
# with the total page count ("&P") in a template, against paps writing PostScript (horizontally only: it has no
# vertical writing). Reports wall time, CPU time (user + system) and peak memory (maximum resident set size)
# of each from /usr/bin/time, the pages and the file size, and checks vantolex-print against its targets: at
# most 64 MB peak memory for every size, and for 20 MB at most 0.3 s horizontally and 0.35 s vertically (wall
# time) and at least 25 times faster than paps on the same file. The machine should be otherwise idle: on a
# busy one the wall times grow while the CPU times stay. Without paps the comparison is left out and said so.
#
# Usage: bench/print-vs-paps.sh [BUILD-DIRECTORY]   (default: build-release)
# Build the tool and the corpus generator in Release first:
#   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTOLEX_BUILD_TESTS=OFF \
#         -DVANTOLEX_BUILD_UI=OFF -DVANTOLEX_BUILD_BENCH=ON
#   cmake --build build-release --target vantolex-print vantolex_japanese_corpus
# VANTOLEX_BENCH_MEGABYTES sets the sizes of the texts (default "20 200"); VANTOLEX_BENCH_PAPS=0 leaves paps
# out (it needs about 40 bytes of memory per input byte).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build-release}
tool=$build/cli/vantolex-print
corpus=$build/bench/cli/vantolex_japanese_corpus
sizes=${VANTOLEX_BENCH_MEGABYTES:-20 200}
peakTarget=$((64 * 1024)) # KB

for program in "$tool" "$corpus" pdfinfo /usr/bin/time; do
    if ! command -v "$program" >/dev/null; then
        echo "print-vs-paps: $program is missing" >&2
        exit 1
    fi
done
paps=yes
if [ "${VANTOLEX_BENCH_PAPS:-1}" = 0 ]; then
    paps="left out (VANTOLEX_BENCH_PAPS=0)"
elif ! command -v paps >/dev/null; then
    paps="not installed"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
wall=0
cpu=0
# measure NAME TIME-TARGET OUTPUT COMMAND...: one row of the table; TIME-TARGET "-" for none, "paps" for no
# target at all (paps itself). Leaves the wall and CPU times in $wall and $cpu.
measure() {
    local name=$1 target=$2 output=$3
    shift 3
    /usr/bin/time -f '%e %U %S %M' -o "$work/time.txt" "$@"
    local user system rss pages verdict=""
    read -r wall user system rss <"$work/time.txt"
    cpu=$(awk -v u="$user" -v s="$system" 'BEGIN { print u + s }')
    case "$output" in
    *.pdf) pages=$(pdfinfo "$output" | sed -n 's/^Pages: *//p') ;;
    *) pages=$(grep -c '^%%Page:' "$output") ;;
    esac
    if [ "$target" != paps ]; then
        if [ "$rss" -le "$peakTarget" ]; then
            verdict="memory ok (<= 64 MB)"
        else
            verdict="memory MISSED (<= 64 MB)"
            failed=1
        fi
        if [ "$target" != - ]; then
            if awk -v w="$wall" -v t="$target" 'BEGIN { exit !(w <= t) }'; then
                verdict="$verdict, time ok (<= $target s)"
            else
                verdict="$verdict, time MISSED (<= $target s)"
                failed=1
            fi
        fi
    fi
    printf '| %-36s | %7.2f s | %7.2f s | %6d MB | %6d | %7.1f MB | %s\n' "$name" "$wall" \
        "$cpu" $((rss / 1024)) "$pages" \
        "$(awk -v b="$(stat -c %s "$output")" 'BEGIN { print b / 1048576 }')" "$verdict"
    rm -f "$output"
}

printf 'machine: %s cores, load %s; paps: %s\n' "$(nproc)" "$(cut -d' ' -f1-3 /proc/loadavg)" \
    "$([ "$paps" = yes ] && dpkg-query -W -f='${Version}' paps 2>/dev/null || echo "$paps")"
printf '| %-36s | %9s | %9s | %9s | %6s | %10s |\n' "run" "wall" "CPU" "peak" "pages" "output"
for megabytes in $sizes; do
    input=$work/japanese-$megabytes.txt
    "$corpus" "$megabytes" >"$input" 2>"$work/corpus.txt"
    printf '| %s MB of Japanese UTF-8, %s lines, %s |\n' "$megabytes" "$(wc -l <"$input")" "$(cat "$work/corpus.txt")"
    declare -A ours=() oursCpu=()
    for total in "" "&P"; do
        for direction in horizontal vertical; do
            target=-
            if [ "$megabytes" = 20 ]; then
                target=0.3
                [ "$direction" = vertical ] && target=0.35
            fi
            set -- --defaults -e utf8 --set vertical=$([ "$direction" = vertical ] && echo 1 || echo 0)
            [ -n "$total" ] && set -- "$@" --set useHeaderFooter=1 --set "footerCenter=- &p / &P -"
            measure "vantolex-print PDF $direction${total:+ with &P}" "$target" "$work/out.pdf" \
                "$tool" "$@" -o "$work/out.pdf" "$input"
            ours["$direction$total"]=$wall
            oursCpu["$direction$total"]=$cpu
        done
    done
    if [ "$paps" = yes ]; then
        measure "paps PostScript horizontal" paps "$work/paps.ps" \
            sh -c 'paps --font="Noto Sans Mono CJK JP 6" --columns=2 "$1" >"$2"' paps "$input" "$work/paps.ps"
        # The target is on wall time; the factor of CPU time is shown beside it for a busy machine.
        for run in "horizontal" "vertical" "horizontal&P" "vertical&P"; do
            factor=$(awk -v p="$wall" -v o="${ours[$run]}" 'BEGIN { printf "%.0f", (o > 0) ? p / o : 0 }')
            cpuFactor=$(awk -v p="$cpu" -v o="${oursCpu[$run]}" 'BEGIN { printf "%.0f", (o > 0) ? p / o : 0 }')
            verdict="ok (>= 25)"
            if [ "$factor" -lt 25 ]; then
                verdict="MISSED (>= 25)"
                failed=1
            fi
            printf '|   paps / vantolex-print %-14s | %6s x wall | %6s x CPU | %s\n' "$run" "$factor" "$cpuFactor" "$verdict"
        done
    else
        printf '|   paps %s: no comparison |\n' "$paps"
    fi
    rm -f "$input"
done
exit $failed
