#!/usr/bin/env bash
# `cmake --install` of the build into a scratch root: programs, desktop entries, metainfo,
# manual pages and the themed icons are where the desktop looks for them, and valid.
# Argument: the build directory.
set -euo pipefail
build=${1:?build directory}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DESTDIR="$root" cmake --install "$build" --prefix /usr >"$root.log" 2>&1 ||
    fail "install failed: $(cat "$root.log")"
rm -f "$root.log"
share="$root/usr/share"
for program in Quivlane Quivset; do
    [ -x "$root/usr/bin/$program" ] || fail "$program not installed"
    "$root/usr/bin/$program" --version | grep -q "^$program " || fail "$program --version"
done

for entry in org.quivlane.Quivlane org.quivlane.Quivset; do
    file="$share/applications/$entry.desktop"
    [ -f "$file" ] || fail "no $entry.desktop"
    out=$(desktop-file-validate "$file" 2>&1) || fail "$entry.desktop: $out"
    [ -z "$out" ] || fail "$entry.desktop has hints: $out"
    # Its Exec must name a program of the package.
    exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$file")
    [ -x "$root/usr/bin/$exec_name" ] || fail "$entry.desktop starts $exec_name, not installed"
done
grep -qx "Categories=Utility;" "$share/applications/org.quivlane.Quivlane.desktop" ||
    fail "Quivlane is not a utility"
grep -q "^Categories=Settings;" "$share/applications/org.quivlane.Quivset.desktop" ||
    fail "Quivset is not a settings program"

metainfo="$share/metainfo/org.quivlane.Quivlane.metainfo.xml"
out=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || fail "metainfo: $out"

apps="$share/icons/hicolor"
for size in 16 32 48 64 128 256; do
    icon="$apps/${size}x${size}/apps/org.quivlane.Quivlane.png"
    [ -f "$icon" ] || fail "no ${size}px icon"
    [ "$(identify -format %wx%h "$icon")" = "${size}x${size}" ] || fail "${size}px icon mis-sized"
    # Transparent corners, an opaque body.
    [ "$(convert "$icon" -format '%[fx:int(255*p{0,0}.a)]' info:)" = 0 ] ||
        fail "${size}px icon corner not transparent"
    half=$((size / 2))
    [ "$(convert "$icon" -format "%[fx:int(255*p{$half,$half}.a)]" info:)" = 255 ] ||
        fail "${size}px icon body not opaque"
done
svg="$apps/scalable/apps/org.quivlane.Quivlane.svg"
[ -f "$svg" ] || fail "no scalable icon"
# The drawing and the 64 px picture show the same icon: drawn at 64 px they barely differ.
rsvg-convert -w 64 -h 64 "$svg" -o "$root/svg64.png" || fail "scalable icon does not draw"
rmse=$( (compare -metric RMSE "$root/svg64.png" "$apps/64x64/apps/org.quivlane.Quivlane.png" \
    null: 2>&1 || true) | sed -E 's/.*\(([0-9.e-]+)\).*/\1/')
awk -v e="$rmse" 'BEGIN { exit !(e < 0.08) }' || fail "scalable icon differs from the picture ($rmse)"

for page in Quivlane Quivset; do
    man="$share/man/man1/$page.1"
    [ -f "$man" ] || fail "no $page.1"
    grep -q "@" "$man" && fail "$page.1 keeps an unfilled placeholder"
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 groff -man -Tutf8 -ww -z "$man" 2>&1)
    [ -z "$warnings" ] || fail "$page.1: $warnings"
    text=$(groff -man -Tutf8 "$man" 2>/dev/null | col -b)
    grep -q "XDG_CONFIG_HOME/Quivlane/Quivlane.xml" <<<"$text" || fail "$page.1 without the file's place"
done
# Every keyword the bar knows is in its manual page.
text=$(groff -man -Tutf8 "$share/man/man1/Quivlane.1" 2>/dev/null | col -b)
keywords=$(grep -oE '"[A-Z][A-Z0-9_]{4,}"' "${QUIVLANE_TEST_SOURCE_DIR:?}/config/LinkKeywords.h" |
    tr -d '"' | sort -u)
[ "$(wc -l <<<"$keywords")" -gt 30 ] || fail "keyword list not found"
for keyword in $keywords; do
    grep -qw "$keyword" <<<"$text" || fail "Quivlane.1 does not name $keyword"
done
[ -d "$share/quivlane" ] || fail "no data folder"
echo "installed files: ok"
