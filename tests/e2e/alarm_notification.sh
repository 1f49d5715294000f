#!/usr/bin/env bash
# An alarm set for the current minute: on a private session bus it becomes one urgent
# notification with the button's label and the display's text; with no session bus at all the
# bar rings it on its display as before, and nothing reaches the notification service.
if [ -z "${QUIVLANE_PRIVATE_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null || { echo "FAIL: dbus-run-session missing" >&2; exit 1; }
    QUIVLANE_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"
server="$bin_dir/MiniNotificationServer"
[ -x "$server" ] || fail "MiniNotificationServer is not built"

start_x
x=$((screen_w - 197 - 45))
y=$((screen_h - 419 - 40))
display="170x18+$((x + 21))+$((y + 57))"

"$server" >"$work/notify.log" 2>&1 &
server_pid=$!
trap 'kill "$server_pid" 2>/dev/null || true; cleanup' EXIT
wait_line "$work/notify.log" ready 10 || fail "the notification server did not start: $(cat "$work/notify.log")"

# Both bars ring the same alarm within one minute, so their displays must read alike; a run
# starting late in a minute waits for the next one.
if [ "$(date +%-S)" -ge 30 ]; then sleep $((61 - $(date +%-S))); fi
alarm=$(date +%H:%M)
alarm_bar() {
    [ "$(date +%H:%M)" = "$alarm" ] || fail "the machine is too slow: the alarm's minute is over"
    install_bar "<PARAMETRES><SON>NON</SON><HORLOGE>NON</HORLOGE></PARAMETRES>\
<BOUTON1><TEXTE>Reveil matin</TEXTE><LIEN>DEFINIR_ALARME?$alarm</LIEN></BOUTON1>"
    start_bar
}
# lit <file>: the display's lit text alone.
lit() {
    shot "$work/shot.png"
    convert "$work/shot.png" -crop "$display" +repage -fill black +opaque "#64FFFF" "$1"
}
# showing_alarm <seconds>: until the display reads as it did when the alarm rang on the bus.
showing_alarm() {
    local i
    for i in $(seq 1 $(($1 * 5))); do
        lit "$work/now.png"
        [ "$(compare -metric AE "$work/now.png" "$work/alarm.png" null: 2>&1 || true)" = 0 ] &&
            return 0
        sleep 0.2
    done
    return 1
}

alarm_bar
expected="summary=Reveil matin body=ALARME ; ${alarm/:/;}"
for _ in $(seq 1 150); do
    grep -q '^notify ' "$work/notify.log" && break
    sleep 0.1
done
grep -q '^notify ' "$work/notify.log" || fail "no notification: $(cat "$work/notify.log") $(cat "$work/bar.log")"
# The display's text as the alarm rang: far wider than the bar's name it shows at start.
lit "$work/alarm.png"
read -r first last < <(span_of "$work/shot.png" "$display" "#64FFFF")
echo "alarm text spans $first-$last"
[ $((last - first)) -gt 120 ] || fail "the display does not show the alarm (text $first-$last)"
# A few more ticks within the same minute must not ring it again.
sleep 3
[ "$(grep -c '^notify ' "$work/notify.log")" = 1 ] || fail "more than one notification: $(cat "$work/notify.log")"
line=$(grep '^notify ' "$work/notify.log")
case "$line" in
"notify app=Quivlane replaces=0 id=1 urgency=2/uchar $expected") ;;
*) fail "the notification was: $line" ;;
esac
kill -KILL "$bar_pid" 2>/dev/null || true
wait_exit 10 || fail "the bar did not end"

# No session bus: the alarm shows on the display, the bar keeps running, nothing is sent.
: >"$work/notify.log"
(
    unset DBUS_SESSION_BUS_ADDRESS
    alarm_bar
    showing_alarm 15 || fail "without a bus the display does not show the alarm"
    sleep 2
    kill -0 "$bar_pid" 2>/dev/null || fail "without a bus the bar ended: $(cat "$work/bar.log")"
    kill -KILL "$bar_pid" 2>/dev/null || true
    wait_exit 10 || fail "the bar did not end"
) || exit 1
[ -s "$work/notify.log" ] && fail "a notification without a bus: $(cat "$work/notify.log")"
grep -qi 'sanitizer\|abort\|segmentation' "$work/bar.log" && fail "bar log: $(cat "$work/bar.log")"
echo "alarm notification: ok"
