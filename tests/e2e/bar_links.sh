#!/usr/bin/env bash
# Buttons that open a folder and an address: the desktop opener is a stand-in that records
# what it was asked, and the display then shows the folded, centred caption.
source "$(dirname "$0")/lib.sh"

start_x
mkdir -p "$work/Music" "$work/fakebin"
cat >"$work/fakebin/xdg-open" <<EOS
#!/bin/sh
echo "\$*" >>"$work/opened.log"
EOS
chmod +x "$work/fakebin/xdg-open"
export PATH="$work/fakebin:$PATH"

install_bar "<PARAMETRES><SON>NON</SON><HORLOGE>NON</HORLOGE></PARAMETRES>\
<BOUTON1><TEXTE>Musique</TEXTE><LIEN>$work/Music</LIEN></BOUTON1>\
<BOUTON2><TEXTE>Café</TEXTE><LIEN>http://example.org/page</LIEN></BOUTON2>\
<BOUTON3><TEXTE>Cafe</TEXTE><LIEN>notepad.exe</LIEN></BOUTON3>"
start_bar

x=$((screen_w - 197 - 45))
y=$((screen_h - 419 - 40))
display="170x18+$((x + 21))+$((y + 57))"

# click <button column 0|1>: then wait for "Patientez" (orange) to give way to the caption.
click() {
    local bx=$((x + 21 + $1 * 84 + 37))
    local by=$((y + 102 + 10))
    xdotool mousemove "$bx" "$by" click 1
    wait_colour "$display" "#FF3C00" 10 || fail "no click feedback on the display"
    wait_colour "$display" "#64FFFF" 10 || fail "no caption after the click"
}

click 0
wait_line "$work/opened.log" "$work/Music" 10 || fail "folder not opened: $(cat "$work/opened.log" 2>/dev/null)"
click 1
wait_line "$work/opened.log" "http://example.org/page" 10 || fail "address not opened"
shot "$work/cafe.png"
[ -n "${QUIVLANE_E2E_SHOT:-}" ] && cp "$work/cafe.png" "$QUIVLANE_E2E_SHOT"
# Centred: the lit dots leave as much room on the left of the dot area as on the right.
area="170x18+$((x + 21))+$((y + 57))"
read -r dots_first dots_last <<<"$(span_of "$work/cafe.png" "$area" "#323C50")"
read -r lit_first lit_last <<<"$(span_of "$work/cafe.png" "$area" "#64FFFF")"
[ -n "${lit_first:-}" ] || fail "caption not shown"
left=$((lit_first - dots_first))
right=$((dots_last - lit_last))
[ $((left - right)) -ge -2 ] && [ $((left - right)) -le 2 ] && [ "$left" -gt 30 ] ||
    fail "caption not centred (dots $dots_first..$dots_last, lit $lit_first..$lit_last)"
# Folded: "Café" looks exactly like "Cafe" (a bare name opens nothing but still shows).
convert "$work/cafe.png" -crop "$display" +repage "$work/cafe-display.png"
# The third button sits below the first.
xdotool mousemove $((x + 58)) $((y + 136)) click 1
wait_colour "$display" "#FF3C00" 10 || fail "no click feedback on the display"
wait_colour "$display" "#64FFFF" 10 || fail "no caption after the click"
shot "$work/plain.png"
convert "$work/plain.png" -crop "$display" +repage "$work/plain-display.png"
diff=$(compare -metric AE "$work/cafe-display.png" "$work/plain-display.png" null: 2>&1 || true)
[ "$diff" = 0 ] || fail "accented caption differs from the plain one ($diff pixels)"
[ "$(wc -l <"$work/opened.log")" = 2 ] || fail "a bare name was opened: $(cat "$work/opened.log")"
echo "bar links: ok"
