#!/usr/bin/env bash
# Idle cost of the media-player service on the session bus: two bars with the clock on idle
# side by side on one private session bus, each on its own Xvfb; in one the MP3 menu has been
# opened and closed (so its player is on the bus, nothing playing), the other never used it.
#   bench_bus [--idle-seconds S]       (other arguments are ignored)
if [ -z "${QUIVLANE_PRIVATE_BUS:-}" ]; then
    QUIVLANE_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
idle=60
while [ $# -gt 0 ]; do
    case "$1" in
        --idle-seconds) idle=$2; shift ;;
    esac
    shift
done

work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# xvfb <file>: a private server; its display number goes into the file.
xvfb() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 3>"$1" >/dev/null 2>&1 &
    pids+=("$!")
    local i
    for i in $(seq 1 100); do [ -s "$1" ] && break; sleep 0.1; done
    echo ":$(tr -dc 0-9 <"$1")"
}
with_display=$(xvfb "$work/d1")
without_display=$(xvfb "$work/d2")
unset QT_QPA_PLATFORM
export SDL_AUDIODRIVER=dummy

mkdir -p "$work/Music"
for dir in with without; do
    mkdir -p "$work/$dir"
    cp "$here/Quivlane" "$work/$dir/Quivlane"
    printf "<?xml version='1.0'?><XMLConfigSettings><PARAMETRES><SON>NON</SON><HORLOGE>OUI</HORLOGE></PARAMETRES><BOUTON1><TEXTE>MP3</TEXTE><LIEN>LECTEUR_MP3?%s</LIEN></BOUTON1></XMLConfigSettings>" \
        "$work/Music" >"$work/$dir/Quivlane.xml"
done
(cd "$work/with" && DISPLAY=$with_display exec ./Quivlane) >/dev/null 2>&1 &
with_pid=$!
(cd "$work/without" && DISPLAY=$without_display exec ./Quivlane) >/dev/null 2>&1 &
without_pid=$!
pids+=("$with_pid" "$without_pid")
for i in $(seq 1 100); do
    DISPLAY=$with_display xdotool search --onlyvisible --class Quivlane >/dev/null 2>&1 && break
    sleep 0.1
done
sleep 1

on_bus() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.ListNames | grep -c 'org.mpris.MediaPlayer2.Quivlane' || true
}
# The MP3 button is the first one; its menu opened and closed puts the player on the bus.
DISPLAY=$with_display xdotool mousemove $((1024 - 197 - 45 + 58)) $((768 - 419 - 40 + 112)) click 1
sleep 1
DISPLAY=$with_display xdotool key Escape
for i in $(seq 1 50); do [ "$(on_bus)" -gt 0 ] && break; sleep 0.1; done
[ "$(on_bus)" = 1 ] || { echo "the player is not on the bus (or twice)" >&2; exit 1; }

cpu_us() {
    cat /proc/"$1"/task/*/schedstat | awk '{ sum += $1 } END { printf "%d\n", sum / 1000 }'
}
ratio_of() {
    if [ "$2" -gt 0 ]; then printf "%.2f" "$(echo "$1 / $2" | bc -l)"; else echo "n/a (divisor 0)"; fi
}
sleep 3
w0=$(cpu_us "$with_pid"); n0=$(cpu_us "$without_pid")
sleep "$idle"
w1=$(cpu_us "$with_pid"); n1=$(cpu_us "$without_pid")
with=$((w1 - w0)); without=$((n1 - n0))
echo "== idle CPU time over $idle s, side by side, clock on, nothing playing"
echo "bar with its player on the bus: $with us, bar without: $without us"
echo "with / without: $(ratio_of "$with" "$without")"
