#!/usr/bin/env bash
# The bar under openbox on two monitors, the primary one on the right: placed on the primary
# monitor, no taskbar entry, above a raised terminal, a drag moves it by the pointer's travel,
# the MP3 menu opens under its button, the alarm dialog over the bar and a balloon tip on the
# pointer where the bar now is, the hide button keeps the bar up while no notification area runs,
# and a notification area started later takes the icon.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

screen_w=3200
screen_h=1080
wm_pid=
host_pid=
term_pid=
stop_extras() {
    local p
    for p in "$host_pid" "$term_pid" "$wm_pid"; do
        [ -n "$p" ] && kill "$p" 2>/dev/null || true
    done
}
trap 'stop_extras; cleanup' EXIT

# wait_true <tenths of a second> <command...>: until the command succeeds.
wait_true() {
    local n=$1 i
    shift
    for i in $(seq 1 "$n"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

start_x
xrandr --setmonitor LEFT 1920/508x1080/286+0+0 none >/dev/null
xrandr --setmonitor RIGHT 1280/338x800/211+1920+0 screen >/dev/null
xrandr --output screen --primary
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
wait_true 100 xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 ||
    fail "openbox did not start: $(cat "$work/openbox.log")"
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
wait_true 100 wm_up || fail "openbox did not take the screen: $(cat "$work/openbox.log")"

mkdir -p "$work/Music"
install_bar "<PARAMETRES><SON>NON</SON><HORLOGE>NON</HORLOGE><TOOLTIPS>OUI</TOOLTIPS></PARAMETRES>
<BOUTON1><TEXTE>Cacher</TEXTE><LIEN>CACHER_QUIVLANE</LIEN></BOUTON1>
<BOUTON2><TEXTE>MP3</TEXTE><LIEN>LECTEUR_MP3?$work/Music</LIEN></BOUTON2>
<BOUTON3><TEXTE>Reveil</TEXTE><LIEN>DEFINIR_ALARME</LIEN></BOUTON3>
<BOUTON4><TEXTE>Note</TEXTE><COMMENTAIRE>Bonjour tout le monde</COMMENTAIRE></BOUTON4>"
start_bar
started=$SECONDS
bar=
for w in $(xdotool search --onlyvisible --class Quivlane); do
    if xwininfo -id "$w" | grep -q 'Width: 197'; then bar=$w; fi
done
[ -n "$bar" ] || fail "the bar's window was not found"

position() { xwininfo -id "$bar" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } END { print x, y }'; }
at() { [ "$(position)" = "$1" ]; }
# The primary monitor's bottom-right corner, with the bar's margins.
bx=$((1920 + 1280 - 197 - 45))
by=$((800 - 419 - 40))
wait_true 50 at "$bx $by" || fail "the bar is at $(position), not on the primary monitor"

xprop -id "$bar" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR ||
    fail "the bar asks for a taskbar entry: $(xprop -id "$bar" _NET_WM_STATE)"

# A terminal raised over the bar stays under it.
xterm -geometry 80x40+$((bx - 100))+$((by - 50)) -title e2e-term &
term_pid=$!
term=$(find_window '^e2e-term$') || fail "xterm did not show"
xdotool windowactivate "$term" 2>/dev/null || true
xdotool windowraise "$term"
bar_on_top() {
    xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | awk -v b="$bar" -v t="$term" '
        { for (i = 5; i <= NF; ++i) { if ($i + 0 == b + 0) pb = i; if ($i + 0 == t + 0) pt = i } }
        END { exit !(pb > pt && pt > 0) }'
}
sleep 0.5
bar_on_top || fail "the raised terminal covers the bar: $(xprop -root _NET_CLIENT_LIST_STACKING)"
kill "$term_pid" 2>/dev/null || true
term_pid=

# No notification area yet: the hide button leaves the bar up and says why on the display.
display="140x23+$((bx + 21))+$((by + 57))"
xdotool mousemove 5 5
sleep 0.3
shot "$work/before-hide.png"
convert "$work/before-hide.png" -crop "$display" +repage "$work/display-before.png"
xdotool mousemove $((bx + 58)) $((by + 113)) click 1
sleep 0.5
shot "$work/no-tray.png"
[ -n "${QUIVLANE_E2E_SHOT:-}" ] && cp "$work/no-tray.png" "$QUIVLANE_E2E_SHOT"
convert "$work/no-tray.png" -crop "$display" +repage "$work/display-after.png"
[ "$(xwininfo -id "$bar" | awk '/Map State:/ { print $3 }')" = IsViewable ] ||
    fail "the bar hid with no icon to bring it back"
[ "$(compare -metric AE "$work/display-before.png" "$work/display-after.png" null: 2>&1 || true)" != 0 ] ||
    fail "no message on the display"

# A drag from a free spot of the picture moves the bar by the pointer's travel. The window
# manager takes the pointer once the bar's request reaches it; a person's hand is slower.
drag() {
    xdotool mousemove $((bx + 100)) $((by + 200))
    sleep 0.3
    xdotool mousedown 1
    sleep 0.5
    for i in 1 2 3 4 5; do
        xdotool mousemove_relative -- -10 0
        sleep 0.05
    done
    sleep 0.3
    xdotool mouseup 1
}
drag
if ! wait_true 30 at "$((bx - 50)) $by"; then
    echo "note: the first drag ended at $(position); trying once more from there"
    read -r bx by <<<"$(position)"
    drag
    wait_true 30 at "$((bx - 50)) $by" || fail "a 50-px drag moved the bar to $(position)"
fi
bx=$((bx - 50))

# The MP3 menu's top-left corner is its button's bottom-left corner.
xdotool mousemove $((bx + 105 + 37)) $((by + 102 + 11)) click 1
menu_at=
for i in $(seq 1 50); do
    for w in $(xdotool search --onlyvisible --class Quivlane 2>/dev/null); do
        [ "$w" = "$bar" ] && continue
        menu_at=$(xwininfo -id "$w" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } END { print x, y }')
    done
    [ -n "$menu_at" ] && break
    sleep 0.1
done
[ "$menu_at" = "$((bx + 105)) $((by + 125))" ] ||
    fail "the MP3 menu opened at '$menu_at', not under its button at $((bx + 105)) $((by + 125))"
xdotool key Escape
sleep 0.3

# geometry_of <window>: "x y width height" on the screen.
geometry_of() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
        /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }'
}
# other_window: a shown window of the bar's other than the bar (and the given one).
other_window() {
    local w
    for w in $(xdotool search --onlyvisible --class Quivlane 2>/dev/null); do
        [ "$w" = "$bar" ] || [ "$w" = "${1:-}" ] || { echo "$w"; return 0; }
    done
    return 1
}
# The primary monitor.
on_primary() { [ "$1" -ge 1920 ] && [ "$2" -ge 0 ] && [ $(($1 + $3)) -le 3200 ] && [ $(($2 + $4)) -le 800 ]; }

# The alarm dialog opens centred over the bar where it now stands, on the bar's monitor. Qt
# leaves room for a title bar it assumes (up to 10 x 40 px); the drag above moved the bar by
# 50 px, so a place taken from before the drag, or from the origin, lands outside the margin.
xdotool mousemove $((bx + 21 + 37)) $((by + 128 + 11)) click 1
dialog=$(find_window '^Alarme$') || fail "the alarm dialog did not show: $(cat "$work/bar.log")"
dialog_centred() {
    read -r dx dy dw dh <<<"$(geometry_of "$dialog")"
    off_x=$((dx + dw / 2 - bx - 98))
    off_y=$((dy + dh / 2 - by - 209))
    [ "$dw" = 369 ] && [ "$off_x" -ge -20 ] && [ "$off_x" -le 20 ] &&
        [ "$off_y" -ge -45 ] && [ "$off_y" -le 45 ] && on_primary "$dx" "$dy" "$dw" "$dh"
}
wait_true 30 dialog_centred ||
    fail "the alarm dialog is at $dx,$dy (${dw}x${dh}), its centre off the bar's by $off_x,$off_y"
echo "alarm dialog at $dx,$dy; its centre off the bar's by $off_x,$off_y"
xdotool key --window "$dialog" Escape 2>/dev/null || true
gone() { ! xdotool search --onlyvisible --name '^Alarme$' >/dev/null 2>&1; }
wait_true 50 gone || fail "Escape left the alarm dialog open"

# A balloon tip stands on the pointer resting on a commented button: its bottom edge carries the
# anchor, just above the pointer, and the anchor's point, 16 px in from one end (the far end when
# the near one would run off the screen), is on the pointer's column. A tip placed from where the
# bar stood before the drag is 50 px off.
tx=$((bx + 105 + 30))
ty=$((by + 128 + 12))
xdotool mousemove $((tx - 3)) "$ty"
sleep 0.1
xdotool mousemove "$tx" "$ty"
seen="not shown"
tip_placed() {
    local tip
    tip=$(other_window "$dialog") || return 1
    read -r lx ly lw lh <<<"$(geometry_of "$tip")"
    seen="at $lx,$ly (${lw}x${lh})"
    [ $((ly + lh)) -le "$ty" ] && [ $((ly + lh)) -ge $((ty - 4)) ] &&
        { [ $((lx + 16)) = "$tx" ] || [ $((lx + lw - 16)) = "$tx" ]; } && [ "$lw" -gt 100 ]
}
wait_true 80 tip_placed || fail "the balloon for the pointer at $tx,$ty is $seen"
echo "balloon at $lx,$ly (${lw}x${lh}); pointer at $tx,$ty"
# It is drawn there, not only placed.
painted() {
    shot "$work/tip.png"
    [ "$(count_colour "$work/tip.png" "${lw}x${lh}+$lx+$ly" "#B4FFFF")" -gt 1000 ]
}
wait_true 30 painted || fail "the balloon at $lx,$ly shows none of its colour"
xdotool mousemove "$tx" $((by + 200))
tip_gone() { ! other_window "$dialog" >/dev/null; }
wait_true 50 tip_gone || fail "the balloon stayed after the pointer left its button"

# A notification area started a few seconds after the bar takes its icon.
while [ $((SECONDS - started)) -lt 3 ]; do sleep 0.2; done
"$bin_dir/MiniTrayHost" >"$work/host.log" 2>&1 &
host_pid=$!
wait_line "$work/host.log" ready 10 || fail "the notification area did not start"
docked() { grep -q '^dock ' "$work/host.log"; }
wait_true 100 docked || fail "the icon never docked into the late notification area"
map_is() { [ "$(xwininfo -id "$bar" | awk '/Map State:/ { print $3 }')" = "$1" ]; }
xdotool mousemove $((bx + 58)) $((by + 113)) click 1
wait_true 100 map_is IsUnMapped || fail "the hide button left the bar up though the icon docked"
sleep 0.5
icon_x=$((screen_w - 12))
icon_y=$((screen_h - 12))
xdotool mousemove "$icon_x" "$icon_y" click --repeat 2 --delay 80 1
if ! wait_true 50 map_is IsViewable; then
    echo "note: the first double-click was not taken; trying once more"
    xdotool mousemove "$icon_x" "$icon_y" click --repeat 2 --delay 80 1
    wait_true 100 map_is IsViewable || fail "a double-click on the icon did not bring the bar back"
fi
wait_true 50 at "$bx $by" || fail "the bar came back at $(position)"
echo "ok"
