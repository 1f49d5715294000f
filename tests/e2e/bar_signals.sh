#!/usr/bin/env bash
# Once a click's beep has loaded the sound library, SIGTERM and then SIGINT still end the bar
# through its own close, with an ordinary exit status rather than death by the signal.
source "$(dirname "$0")/lib.sh"

start_x
install_bar "<PARAMETRES><SON>OUI</SON><HORLOGE>NON</HORLOGE></PARAMETRES>\
<BOUTON1><TEXTE>Rien</TEXTE><LIEN>SANS_EFFET</LIEN></BOUTON1>"

x=$((screen_w - 197 - 45))
y=$((screen_h - 419 - 40))
display="170x18+$((x + 21))+$((y + 57))"

# ends_on <signal>: a beep, the signal, then the bar's end within a bound.
ends_on() {
    rm -f "$work/out.raw"
    start_bar "$work/out.raw"
    xdotool mousemove $((x + 21 + 37)) $((y + 102 + 10)) click 1
    wait_colour "$display" "#FF3C00" 10 || fail "no click feedback on the display"
    local i
    for i in $(seq 1 100); do
        [ -s "$work/out.raw" ] && break
        sleep 0.1
    done
    [ -s "$work/out.raw" ] || fail "the click's beep never reached the sound output"
    kill -"$1" "$bar_pid"
    for i in $(seq 1 100); do
        kill -0 "$bar_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$bar_pid" 2>/dev/null && fail "the bar did not end on SIG$1"
    local status=0
    wait "$bar_pid" || status=$?
    bar_pid=
    [ "$status" = 0 ] || fail "the bar ended with status $status on SIG$1: $(cat "$work/bar.log")"
}
ends_on TERM
ends_on INT
grep -qi 'sanitizer\|abort\|segmentation' "$work/bar.log" && fail "bar log: $(cat "$work/bar.log")"
echo "bar signals: ok"
