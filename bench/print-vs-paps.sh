#!/usr/bin/env bash
# End to end, on one generated 20 MB Japanese UTF-8 text in the same run: vantolex-print to PDF (and, for a
# like-for-like format, to PostScript) against paps, which writes PostScript only. Reports wall time and peak
# memory (maximum resident set size) of each from /usr/bin/time -v.
#
# Usage: bench/print-vs-paps.sh [PATH-TO-vantolex-print]   (default: build-release/cli/vantolex-print)
# Needs the Debian packages paps and time (not in scripts/install-deps: the benchmark only). Build the tool in
# Release first, e.g.
#   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTOLEX_BUILD_TESTS=OFF \
#         -DVANTOLEX_BUILD_UI=OFF && cmake --build build-release --target vantolex-print
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
tool=${1:-$root/build-release/cli/vantolex-print}
megabytes=${VANTOLEX_BENCH_MEGABYTES:-20}

for program in "$tool" paps /usr/bin/time; do
    if ! command -v "$program" >/dev/null; then
        echo "print-vs-paps: $program is missing" >&2
        exit 1
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
input=$work/japanese.txt

# Numbered lines of kana, kanji, full-width and half-width forms, ASCII and the NEC extensions, some long
# enough to wrap, repeated until the file reaches the wanted size.
LC_ALL=C awk -v bytes=$((megabytes * 1024 * 1024)) 'BEGIN {
    text[0] = "吾輩の机の上には、古い辞書と新しい原稿用紙が置いてある。"
    text[1] = "「今日は晴れ。」と彼女は言った――ＡＢＣ１２３、abc 123; 価格は￥１，０００です。"
    text[2] = "ひらがな・カタカナ・漢字が混ざった文章を、縦書きでも横書きでも正しく印刷する。長い行は折り返して次の行へ続き、升目は崩れない。"
    text[3] = "ｶﾀｶﾅ ﾃｷｽﾄ ｱｲｳｴｵ、丸数字①②⑳、単位㍉㌔㎝、㈱㈲、記号～∑√"
    text[4] = ""
    written = 0
    for (line = 1; written < bytes; ++line) {
        out = line "\t" text[line % 5]
        print out
        written += length(out) + 1
    }
}' >"$input"

# Runs one command under /usr/bin/time -v and prints wall time and peak memory.
measure() {
    local name=$1
    shift
    /usr/bin/time -v -o "$work/time.txt" "$@"
    local wall rss
    wall=$(sed -n 's/^\s*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time.txt")
    rss=$(sed -n 's/^\s*Maximum resident set size (kbytes): //p' "$work/time.txt")
    printf '%-34s wall %10s   peak memory %8d MB\n' "$name" "$wall" $((rss / 1024))
}

printf 'input: %s MB of Japanese UTF-8, %s lines\n' "$(($(stat -c %s "$input") / 1024 / 1024))" \
    "$(wc -l <"$input")"
measure "vantolex-print -> PDF" "$tool" --defaults -e utf8 -o "$work/vantolex.pdf" "$input"
measure "vantolex-print -> PostScript" "$tool" --defaults -e utf8 -o "$work/vantolex.ps" "$input"
measure "paps -> PostScript" sh -c 'paps --font="Noto Sans Mono CJK JP 6" --columns=2 "$1" >"$2"' paps \
    "$input" "$work/paps.ps"
printf 'pages: vantolex-print PDF %s, paps PostScript %s\n' \
    "$(pdfinfo "$work/vantolex.pdf" | sed -n 's/^Pages: *//p')" "$(grep -c '^%%Page:' "$work/paps.ps")"
ls -l "$work"/*.pdf "$work"/*.ps | awk '{ printf "%s %.1f MB\n", $NF, $5 / 1048576 }' | sed "s|$work/||"
