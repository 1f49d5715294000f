#!/usr/bin/env bash
# The real bar with tooltips on: resting on a commented button shows the balloon with the
# comment above the cursor; a key, a click, or ten seconds hide it.
source "$(dirname "$0")/lib.sh"

tip="#B4FFFF"

# bbox_of <file> <#RRGGBB>: "left top right bottom" of the pixels of that colour, or nothing.
bbox_of() {
    convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" txt:- |
        awk -F'[,: ]+' '/#FFFFFF/ {
            if (n == 0 || $1 < l) l = $1; if ($1 > r) r = $1
            if (n == 0 || $2 < t) t = $2; if ($2 > b) b = $2; n++ }
            END { if (n) print l, t, r, b }'
}

# wait_gone <seconds>: until no screenshot pixel has the tip's colour.
wait_gone() {
    local i
    for i in $(seq 1 $(($1 * 5))); do
        shot "$work/poll.png"
        if [ "$(count_colour "$work/poll.png" "${screen_w}x${screen_h}+0+0" "$tip")" = 0 ]; then
            return 0
        fi
        sleep 0.2
    done
    return 1
}

# hover <x> <y>: come to rest there (two moves, so the bar sees motion).
hover() {
    xdotool mousemove "$(($1 - 3))" "$2"
    sleep 0.1
    xdotool mousemove "$1" "$2"
}

start_x
install_bar "<PARAMETRES><SON>NON</SON><HORLOGE>NON</HORLOGE><TOOLTIPS>OUI</TOOLTIPS>\
</PARAMETRES><BOUTON1><TEXTE>UN</TEXTE><COMMENTAIRE>Bonjour tout le monde</COMMENTAIRE>\
</BOUTON1><BOUTON2><TEXTE>DEUX</TEXTE></BOUTON2>"
xdotool mousemove 10 10
start_bar

x=$((screen_w - 197 - 45))
y=$((screen_h - 419 - 40))
# Button 1 at 21,102 (74 x 23).
cx=$((x + 50))
cy=$((y + 112))

shot "$work/before.png"
[ "$(count_colour "$work/before.png" "${screen_w}x${screen_h}+0+0" "$tip")" = 0 ] ||
    fail "tip colour on the screen before any hover"

hover "$cx" "$cy"
wait_colour "${screen_w}x${screen_h}+0+0" "$tip" 10 || fail "no balloon after resting on the button"
sleep 0.3
shot "$work/tip.png"
[ -n "${QUIVLANE_E2E_SHOT:-}" ] && cp "$work/tip.png" "$QUIVLANE_E2E_SHOT"

read -r l t r b <<<"$(bbox_of "$work/tip.png" "$tip")"
echo "balloon at $l,$t .. $r,$b; cursor at $cx,$cy"
# Above the cursor, its anchor on it, wider than the button's caption.
[ "$b" -lt "$cy" ] && [ "$b" -ge $((cy - 4)) ] || fail "balloon bottom $b not just above the cursor $cy"
[ "$l" -le "$cx" ] && [ "$r" -gt "$cx" ] || fail "balloon not over the cursor's column"
[ $((r - l)) -gt 100 ] || fail "balloon too narrow for the comment: $l..$r"
[ $((b - t)) -gt 40 ] || fail "balloon too low: $t..$b"
filled=$(count_colour "$work/tip.png" "$((r - l + 1))x$((b - t + 1))+$l+$t" "$tip")
[ "$filled" -gt 2000 ] || fail "balloon barely filled ($filled)"
# The comment: dark text inside the body, whose middle band is well inside the outline.
mid=$(((t + b - 16) / 2))
ink=$(count_colour "$work/tip.png" "$((r - l - 24))x12+$((l + 12))+$((mid - 6))" "#000000" 45%)
[ "$ink" -gt 30 ] || fail "no comment text in the balloon ($ink dark pixels)"
# Rounded top-left corner: cut away, the bar or the black root shows there.
[ "$(pixel "$work/tip.png" "$l" "$t")" != "180,255,255" ] || fail "top-left corner not rounded"

# A key hides it at once.
xdotool key a
wait_gone 5 || fail "the balloon stayed after a key"

# Rest again: it comes back; leaving the button hides it.
hover "$((cx + 6))" "$cy"
wait_colour "${screen_w}x${screen_h}+0+0" "$tip" 10 || fail "no balloon after resting again"
xdotool mousemove "$((cx + 6))" "$((y + 200))"  # off the buttons, onto the panel
wait_gone 5 || fail "the balloon stayed after leaving the button"

# A click on the button (it has no link) hides it too.
hover "$((cx - 6))" "$cy"
wait_colour "${screen_w}x${screen_h}+0+0" "$tip" 10 || fail "no balloon before the click"
xdotool click 1
wait_gone 5 || fail "the balloon stayed after a click"

# The uncommented button shows nothing.
hover "$((x + 140))" "$cy"
sleep 1.5
shot "$work/none.png"
[ "$(count_colour "$work/none.png" "${screen_w}x${screen_h}+0+0" "$tip")" = 0 ] ||
    fail "a balloon over the uncommented button"

# Unattended, the balloon goes by itself.
hover "$cx" "$((cy + 2))"
wait_colour "${screen_w}x${screen_h}+0+0" "$tip" 10 || fail "no balloon for the automatic hiding"
wait_gone 20 || fail "the balloon never hid by itself"

# A comment of 495 characters that measures over a million pixels high: the balloon stays on
# the screen and the bar lives on, its memory near what it was.
kill "$bar_pid"
wait_exit 10 || fail "the bar did not end"
breaks=$(printf '&lt;br=1000&gt;%.0s' $(seq 1 55))
install_bar "<PARAMETRES><SON>NON</SON><HORLOGE>NON</HORLOGE><TOOLTIPS>OUI</TOOLTIPS>\
</PARAMETRES><BOUTON1><TEXTE>UN</TEXTE><COMMENTAIRE>$breaks</COMMENTAIRE></BOUTON1>"
xdotool mousemove 10 10
start_bar
idle_kb=$(awk '/^VmRSS/ {print $2}' "/proc/$bar_pid/status")
hover "$cx" "$cy"
wait_colour "${screen_w}x${screen_h}+0+0" "$tip" 10 || fail "no balloon for the tall comment"
sleep 0.3
kill -0 "$bar_pid" 2>/dev/null || fail "the bar died showing the tall comment: $(cat "$work/bar.log")"
shot "$work/tall.png"
read -r l t r b <<<"$(bbox_of "$work/tall.png" "$tip")"
echo "tall balloon at $l,$t .. $r,$b"
[ "$t" -ge 0 ] && [ "$b" -lt "$screen_h" ] && [ $((b - t)) -gt 100 ] ||
    fail "tall balloon $t..$b not cut at the screen"
peak_kb=$(awk '/^VmHWM/ {print $2}' "/proc/$bar_pid/status")
echo "bar memory: idle ${idle_kb} kB resident, peak ${peak_kb} kB with the tall balloon"
[ "$peak_kb" -lt $((idle_kb + 200000)) ] || fail "the tall balloon took ${peak_kb} kB"
xdotool key a
wait_gone 5 || fail "the tall balloon stayed after a key"
echo "tooltip balloon: ok"
