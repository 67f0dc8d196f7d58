#!/usr/bin/env bash
# cmake --install of BUILD_FOLDER: a plain install to a prefix writes the programs, desktop entry, metainfo, icon,
# manual pages and copyright, and refreshes that prefix's desktop database so that GIO offers the program for
# text/plain; a staged install (DESTDIR, as packages make them) writes the same files and no database.
# Usage: check_install.sh BUILD_FOLDER
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

expect_file() {
    [ -f "$1" ] || { echo "missing: $1"; status=1; }
}
expect_installed() {
    local root=$1
    expect_file "$root/bin/vantolex-print"
    expect_file "$root/share/man/man1/vantolex-print.1.gz"
    expect_file "$root/share/man/ja/man1/vantolex-print.1.gz"
    expect_file "$root/share/man/man8/vantolex-texttopdf.8.gz"
    expect_file "$root/share/man/ja/man8/vantolex-texttopdf.8.gz"
    expect_file "$root/share/doc/vantolex/copyright"
    if [ -f "$build/gui/main/vantolex" ]; then
        expect_file "$root/bin/vantolex"
        expect_file "$root/share/applications/vantolex.desktop"
        expect_file "$root/share/metainfo/org.vantolex.Vantolex.metainfo.xml"
        expect_file "$root/share/icons/hicolor/scalable/apps/vantolex.svg"
        expect_file "$root/share/man/man1/vantolex.1.gz"
        expect_file "$root/share/man/ja/man1/vantolex.1.gz"
    fi
}

# The plain install leaves out the CUPS filter's component: its folders are CUPS's own, outside any prefix.
cmake --install "$build" --prefix "$work/plain" --component Unspecified >"$work/plain.log" 2>&1 || { cat "$work/plain.log"; exit 1; }
expect_installed "$work/plain"
if [ -f "$build/gui/main/vantolex" ]; then
    cache=$work/plain/share/applications/mimeinfo.cache
    if ! grep -q '^text/plain=.*vantolex\.desktop' "$cache" 2>/dev/null; then
        echo "a plain install did not refresh the desktop database: $cache"
        cat "$work/plain.log"
        status=1
    fi
fi
# Compressed without a name or a time stamp: the same bytes from every build.
if [ "$(gzip -dc "$work/plain/share/man/man1/vantolex-print.1.gz" | cmp - "$(dirname "$0")/../../man/vantolex-print.1" && echo same)" != same ]; then
    echo "the installed manual page is not the source's"
    status=1
fi

DESTDIR=$work/staged cmake --install "$build" --prefix /usr >"$work/staged.log" 2>&1 || { cat "$work/staged.log"; exit 1; }
expect_installed "$work/staged/usr"
if [ -e "$work/staged/usr/share/applications/mimeinfo.cache" ]; then
    echo "a staged install wrote a desktop database"
    status=1
fi
exit $status
