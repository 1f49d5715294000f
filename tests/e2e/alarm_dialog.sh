#!/usr/bin/env bash
# An alarm button opens the alarm dialog; a time set with the keyboard is written into the
# button's link and becomes the button's caption.
source "$(dirname "$0")/lib.sh"

start_x
# Button 2 carries the caption that button 1 must end up with, drawn the same way.
install_bar "<PARAMETRES><SON>NON</SON><HORLOGE>NON</HORLOGE></PARAMETRES>\
<BOUTON1><TEXTE>Reveil</TEXTE><LIEN>DEFINIR_ALARME</LIEN></BOUTON1>\
<BOUTON2><TEXTE>ALRM 07:30</TEXTE><LIEN>C:/nothing</LIEN></BOUTON2>"
start_bar
bar_window=$window

x=$((screen_w - 197 - 45))
y=$((screen_h - 419 - 40))
first="74x23+$((x + 21))+$((y + 102))"
second="74x23+$((x + 105))+$((y + 102))"

# same_buttons <file>: the first two buttons look alike (pointer kept off both).
same_buttons() {
    convert "$1" -crop "$first" +repage "$work/first.png"
    convert "$1" -crop "$second" +repage "$work/second.png"
    [ "$(compare -metric AE "$work/first.png" "$work/second.png" null: 2>&1 || true)" = 0 ]
}

xdotool mousemove 5 5
sleep 0.3
shot "$work/before.png"
same_buttons "$work/before.png" && fail "the two captions look alike before the alarm is set"

xdotool mousemove $((x + 21 + 37)) $((y + 102 + 11)) click 1
dialog=$(find_window '^Alarme$') || fail "the alarm dialog did not show: $(cat "$work/bar.log")"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$dialog")"
dx=$X
dy=$Y
[ "$WIDTH" = 369 ] && [ "$HEIGHT" = 236 ] || fail "dialog is ${WIDTH}x${HEIGHT}"
shot "$work/dialog.png"
[ -n "${QUIVLANE_E2E_SHOT:-}" ] && cp "$work/dialog.png" "$QUIVLANE_E2E_SHOT"
# The time display shows "00;00" in the dialog's lit colour.
time_area="158x19+$((dx + 111))+$((dy + 15))"
[ "$(count_colour "$work/dialog.png" "$time_area" "#64FFFF")" -gt 20 ] ||
    fail "no time on the dialog's display"
# Cut corners and the panel between them.
[ "$(pixel "$work/dialog.png" "$dx" "$dy")" = "0,0,0" ] || fail "dialog corner not cut away"
[ "$(pixel "$work/dialog.png" $((dx + 184)) $((dy + 110)))" != "0,0,0" ] || fail "no dialog panel"

# The hour slider has the focus: seven steps right. Then a click on the minute thumb (at 0)
# and thirty steps right.
xdotool key --window "$dialog" --repeat 7 --delay 20 Right
xdotool mousemove $((dx + 14 + 6)) $((dy + 127 + 14)) click 1
xdotool key --window "$dialog" --repeat 30 --delay 20 Right
sleep 0.3
shot "$work/set.png"
[ -n "${QUIVLANE_E2E_SHOT_SET:-}" ] && cp "$work/set.png" "$QUIVLANE_E2E_SHOT_SET"
# "Valider Alarme".
xdotool mousemove $((dx + 203 + 37)) $((dy + 202 + 11)) click 1
for i in $(seq 1 50); do
    xdotool search --onlyvisible --name '^Alarme$' >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --onlyvisible --name '^Alarme$' >/dev/null 2>&1 && fail "the dialog stayed open"

grep -q "<LIEN>DEFINIR_ALARME?07:30</LIEN>" "$work/app/Quivlane.xml" ||
    fail "link not written: $(cat "$work/app/Quivlane.xml")"
grep -q "<LIEN>C:/nothing</LIEN>" "$work/app/Quivlane.xml" || fail "another link changed"

xdotool mousemove 5 5
ok=
for i in $(seq 1 20); do
    sleep 0.2
    shot "$work/after.png"
    if same_buttons "$work/after.png"; then ok=1; break; fi
done
[ -n "$ok" ] || fail "the alarm button's caption is not \"ALRM 07:30\""

# Opened again, the dialog reads the stored time back; Escape leaves the file as it was.
cp "$work/app/Quivlane.xml" "$work/saved.xml"
xdotool mousemove $((x + 21 + 37)) $((y + 102 + 11)) click 1
dialog=$(find_window '^Alarme$') || fail "the alarm dialog did not show again"
xdotool mousemove 5 5
sleep 0.5
shot "$work/again.png"
convert "$work/set.png" -crop "$time_area" +repage "$work/time-set.png"
convert "$work/again.png" -crop "$time_area" +repage "$work/time-again.png"
[ "$(compare -metric AE "$work/time-set.png" "$work/time-again.png" null: 2>&1 || true)" = 0 ] ||
    fail "the dialog did not open at the stored time"
xdotool key --window "$dialog" Right
# The dialog is gone before the key is released: xdotool's complaint about that is no failure.
xdotool key --window "$dialog" Escape 2>/dev/null || true
for i in $(seq 1 50); do
    xdotool search --onlyvisible --name '^Alarme$' >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --onlyvisible --name '^Alarme$' >/dev/null 2>&1 && fail "Escape left the dialog open"
cmp -s "$work/saved.xml" "$work/app/Quivlane.xml" || fail "cancelling changed the file"
kill -0 "$bar_pid" 2>/dev/null || fail "the bar ended"
echo "alarm dialog: ok"
