#!/usr/bin/env bash
# The CD button where there is no CD drive: "Lecture" finds no disc and says so, "Ouvre/Ferme"
# still answers, and the bar ends cleanly on a close request. Each message is compared with a
# button whose caption is the same text.
source "$(dirname "$0")/lib.sh"

start_x
install_bar "<PARAMETRES><SON>NON</SON><HORLOGE>NON</HORLOGE></PARAMETRES>\
<BOUTON1><TEXTE>CD</TEXTE><LIEN>LECTEUR_CD</LIEN></BOUTON1>\
<BOUTON2><TEXTE>Pas de disque</TEXTE><LIEN>SANS_EFFET</LIEN></BOUTON2>\
<BOUTON3><TEXTE>Ouvre/Ferme</TEXTE><LIEN>SANS_EFFET</LIEN></BOUTON3>"
start_bar

x=$((screen_w - 197 - 45))
y=$((screen_h - 419 - 40))
display="170x18+$((x + 21))+$((y + 57))"

# display_after <name>: the display's lit dots once a message has replaced "Patientez".
display_after() {
    wait_colour "$display" "#64FFFF" 10 || fail "no message for $1"
    shot "$work/$1.png"
    convert "$work/$1.png" -crop "$display" +repage -fill black +opaque "#64FFFF" \
        "$work/$1-display.png"
}
same_display() {
    local diff
    diff=$(compare -metric AE "$work/$1-display.png" "$work/$2-display.png" null: 2>&1 || true)
    [ "$diff" = 0 ] || fail "the display does not show what \"$2\" shows ($diff pixels differ)"
}
# cd_menu <downs>: the CD button's menu, the entry that many steps down.
cd_menu() {
    xdotool mousemove $((x + 21 + 37)) $((y + 102 + 10)) click 1
    wait_colour "$display" "#FF3C00" 10 || fail "no click feedback on the CD button"
    sleep 1
    local keys=()
    for _ in $(seq "$1"); do keys+=(Down); done
    xdotool key "${keys[@]}" Return
}

xdotool mousemove $((x + 21 + 84 + 37)) $((y + 102 + 10)) click 1
wait_colour "$display" "#FF3C00" 10 || fail "no click feedback on the display"
display_after no-disc-reference
xdotool mousemove $((x + 58)) $((y + 136)) click 1
wait_colour "$display" "#FF3C00" 10 || fail "no click feedback on the display"
display_after door-reference

# "Lecture" is the second entry.
cd_menu 2
display_after play
same_display play no-disc-reference
# "Ouvre/Ferme" is the last of eight.
cd_menu 8
display_after door
same_display door door-reference
[ -n "${QUIVLANE_E2E_SHOT:-}" ] && cp "$work/door.png" "$QUIVLANE_E2E_SHOT"

"$bin_dir/SendCloseRequest" "$window" || fail "could not send the close request"
wait_exit 10 || fail "the bar did not end on a close request"
grep -qi 'sanitizer\|abort\|segmentation' "$work/bar.log" && fail "bar log: $(cat "$work/bar.log")"
echo "cd player: ok"
