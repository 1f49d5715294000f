#!/usr/bin/env bash
# The real bar under Xvfb: placement and size, its shaped skin, captions and display text,
# the quit button's farewell, and a window manager's close request.
source "$(dirname "$0")/lib.sh"

start_x
install_bar "<PARAMETRES><SON>NON</SON><HORLOGE>NON</HORLOGE></PARAMETRES>\
<BOUTON1><TEXTE>ROUGE</TEXTE><COULEURTEXTE>ROUGE</COULEURTEXTE></BOUTON1>\
<BOUTON2><TEXTE>BLEU</TEXTE><COULEURTEXTE>BLEU</COULEURTEXTE></BOUTON2>"
start_bar

# Placed W - w - 45, H - h - 40 on the 1024 x 768 screen, 197 x 419.
x=$((screen_w - 197 - 45))
y=$((screen_h - 419 - 40))
info=$(xwininfo -id "$window")
echo "$info" | grep -q "Absolute upper-left X:  $x" || fail "bar not at x=$x: $info"
echo "$info" | grep -q "Absolute upper-left Y:  $y" || fail "bar not at y=$y: $info"
echo "$info" | grep -q "Width: 197" || fail "bar not 197 wide: $info"
echo "$info" | grep -q "Height: 419" || fail "bar not 419 high: $info"

shot "$work/bar.png"
[ -n "${QUIVLANE_E2E_SHOT:-}" ] && cp "$work/bar.png" "$QUIVLANE_E2E_SHOT"
# The skin's rounded corner is cut away: the black root shows, and no key colour is left.
[ "$(pixel "$work/bar.png" "$x" "$y")" = "0,0,0" ] || fail "corner not cut away"
[ "$(count_colour "$work/bar.png" "197x419+$x+$y" "#FFFEFF")" = 0 ] || fail "key colour drawn"
# ...while the panel itself is there.
[ "$(pixel "$work/bar.png" $((x + 98)) $((y + 200)))" != "0,0,0" ] || fail "panel missing"

# Captions in their colours (buttons 1 and 2 at 21,102 and 105,102; 74 x 23).
red=$(count_colour "$work/bar.png" "74x23+$((x + 21))+$((y + 102))" "#FF0000" 15%)
blue=$(count_colour "$work/bar.png" "74x23+$((x + 105))+$((y + 102))" "#0000FF" 15%)
[ "$red" -gt 5 ] || fail "no red caption on button 1 ($red)"
[ "$blue" -gt 5 ] || fail "no blue caption on button 2 ($blue)"
# The display (at 21,57) shows its start text in the message colour.
display="170x18+$((x + 21))+$((y + 57))"
lit=$(count_colour "$work/bar.png" "$display" "#64FFFF")
[ "$lit" -gt 20 ] || fail "display text not shown ($lit)"

# "Quitter" (105,348; 74 x 23): the farewell shows, then the process ends.
xdotool mousemove $((x + 142)) $((y + 359)) click 1
farewell=0
for i in $(seq 1 20); do
    shot "$work/farewell.png" 2>/dev/null || break
    if [ "$(count_colour "$work/farewell.png" "$display" "#EFE050")" -gt 20 ]; then
        farewell=1
        break
    fi
    kill -0 "$bar_pid" 2>/dev/null || break
done
[ "$farewell" = 1 ] || fail "no farewell on the display"
wait_exit 10 || fail "the bar did not end after Quitter"

# A close request as a window manager sends it (WM_DELETE_WINDOW) ends it too.
start_bar
"$bin_dir/SendCloseRequest" "$window" || fail "could not send the close request"
wait_exit 10 || fail "the bar did not end on a close request"
echo "bar window: ok"
