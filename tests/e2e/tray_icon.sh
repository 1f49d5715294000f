#!/usr/bin/env bash
# The tray icon under a minimal notification area: the hide button hides the bar into it, the
# icon comes back by itself when the notification area restarts, a double-click on it shows
# the bar again, and its menu quits.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

host_pid=
stop_host() {
    [ -n "$host_pid" ] && kill "$host_pid" 2>/dev/null || true
    [ -n "$host_pid" ] && wait "$host_pid" 2>/dev/null || true
    host_pid=
}
trap 'stop_host; cleanup' EXIT

# start_host <log>: a fresh notification area, once it owns the tray selection.
start_host() {
    "$bin_dir/MiniTrayHost" >"$1" 2>&1 &
    host_pid=$!
    wait_line "$1" ready 10 || fail "the notification area did not start: $(cat "$1")"
}

# wait_dock <log>: until an icon docked there.
wait_dock() {
    local i
    for i in $(seq 1 100); do
        grep -q '^dock ' "$1" && return 0
        sleep 0.1
    done
    return 1
}

# wait_settled <log>: until one icon is docked there and nothing changed for half a second.
wait_settled() {
    local i last= now
    for i in $(seq 1 50); do
        now=$(wc -l <"$1")
        if [ "$now" = "$last" ] &&
            [ $(($(grep -c '^dock ' "$1") - $(grep -c '^gone ' "$1"))) -eq 1 ]; then
            return 0
        fi
        last=$now
        sleep 0.5
    done
    return 1
}

# wait_icon_drawn: until the rightmost place of the strip shows something other than the
# strip's own grey.
wait_icon_drawn() {
    local i
    for i in $(seq 1 50); do
        shot "$work/icon.png"
        if [ $((576 - $(count_colour "$work/icon.png" 24x24+$((screen_w - 24))+$((screen_h - 24)) '#404040'))) -gt 20 ]; then
            return 0
        fi
        sleep 0.2
    done
    return 1
}

map_state() {
    xwininfo -id "$1" | awk '/Map State:/ { print $3 }'
}

# wait_map <window> <state> [tenths of a second]: until the window's map state is the one given.
wait_map() {
    local i
    for i in $(seq 1 "${3:-100}"); do
        [ "$(map_state "$1")" = "$2" ] && return 0
        sleep 0.1
    done
    return 1
}

start_x
start_host "$work/host1.log"
install_bar "<PARAMETRES><SON>NON</SON><BOUTONQUITTER>OUI</BOUTONQUITTER></PARAMETRES>
<BOUTON1><TEXTE>Cacher</TEXTE><LIEN>CACHER_QUIVLANE</LIEN></BOUTON1>
<BOUTON2><TEXTE>Site</TEXTE><LIEN>http://example.org/</LIEN></BOUTON2>"
start_bar
wait_dock "$work/host1.log" || fail "no icon docked: $(cat "$work/bar.log")"

# The icon's window shares the program's class; the bar is the one of its size.
bar=
for w in $(xdotool search --onlyvisible --class Quivlane); do
    if xwininfo -id "$w" | grep -q 'Width: 197'; then bar=$w; fi
done
[ -n "$bar" ] || fail "the bar's window was not found"
bar_x=$((screen_w - 197 - 45))
bar_y=$((screen_h - 419 - 40))

# Button 1 hides the bar; the program goes on.
xdotool mousemove $((bar_x + 58)) $((bar_y + 113)) click 1
wait_map "$bar" IsUnMapped || fail "the hide button left the bar on screen"
sleep 0.5
kill -0 "$bar_pid" 2>/dev/null || fail "hiding ended the program: $(cat "$work/bar.log")"

# The notification area restarts; the icon docks into the new one without any help.
stop_host
start_host "$work/host2.log"
wait_dock "$work/host2.log" || fail "the icon did not come back after a restart"
kill -0 "$bar_pid" 2>/dev/null || fail "the bar ended with the notification area"

# A toolkit that saw the panel change twice may dock a second icon and drop the first; the
# panel lays out the survivor, so wait until the icons there stop coming and going.
wait_settled "$work/host2.log" || fail "the icons did not settle: $(cat "$work/host2.log")"

# A double-click on the icon shows the bar again, where it was. A click that comes before
# the program has even drawn its new icon would test the X server, not the program.
icon_x=$((screen_w - 12))
icon_y=$((screen_h - 12))
wait_icon_drawn || fail "the new icon was never drawn"
xdotool mousemove "$icon_x" "$icon_y" click --repeat 2 --delay 80 1
if ! wait_map "$bar" IsViewable 50; then
    # xdotool's two clicks can drift apart beyond the double-click time on a starved machine;
    # a person would simply double-click again, and so does this test, saying so.
    echo "note: the first double-click was not taken; trying once more"
    xdotool mousemove "$icon_x" "$icon_y" click --repeat 2 --delay 80 1
    wait_map "$bar" IsViewable ||
        fail "a double-click on the icon did not show the bar; the panel saw: $(cat "$work/host2.log")"
fi
xwininfo -id "$bar" | grep -q "Absolute upper-left X:  $bar_x" ||
    fail "the bar came back elsewhere: $(xwininfo -id "$bar" | grep Absolute)"

# The icon's menu takes input while the bar is up; its second item quits.
xdotool mousemove "$icon_x" "$icon_y" click 3
sleep 0.7
xdotool key Down Down Return
wait_exit 15 || fail "\"Quitter Quivlane\" did not end the program"
echo "ok"
