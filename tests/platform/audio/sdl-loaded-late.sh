#!/usr/bin/env bash
# The bar starts without SDL: it is neither linked in nor loaded until a sound is made.
set -euo pipefail
bar="${QUIVLANE_BIN_DIR:?}/Quivlane"
[[ -x "$bar" ]] || { echo "no program at $bar" >&2; exit 1; }

if ldd "$bar" | grep -q 'libSDL2'; then
    echo "Quivlane links SDL2:" >&2
    ldd "$bar" | grep 'libSDL2' >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bar" "$work/Quivlane"
log="$work/loader.log"
# LD_DEBUG names every library the loader maps, those opened later by dlopen included.
QT_QPA_PLATFORM=offscreen QUIVLANE_EXIT_AFTER_SHOW=1 LD_DEBUG=files LD_DEBUG_OUTPUT="$log" \
    timeout 60 "$work/Quivlane" >"$work/out.txt" 2>/dev/null
grep -q 'quivlane: shown' "$work/out.txt" || { echo "the bar never showed" >&2; exit 1; }
cat "$log".* >"$log.all"
grep -q 'libQt6Widgets' "$log.all" || { echo "loader log is empty" >&2; exit 1; }
if grep -q 'libSDL2' "$log.all"; then
    echo "SDL2 was loaded during start-up" >&2
    exit 1
fi
echo "ok: SDL2 not loaded at start-up"
