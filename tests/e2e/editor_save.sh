#!/usr/bin/env bash
# The real editor under Xvfb: with no file it writes the skeleton; a label typed, a colour
# chosen and saved land in the file, the switches' save writes the autostart entry, and the
# real bar started beside it shows the saved caption in its colour.
source "$(dirname "$0")/lib.sh"

start_x
mkdir -p "$work/app"
cp "$bin_dir/Quivset" "$bin_dir/Quivlane" "$work/app/"
export XDG_CONFIG_HOME="$work/xdg"
config="$work/app/Quivlane.xml"

unset QT_QPA_PLATFORM
export SDL_AUDIODRIVER=dummy
start_editor() {
    (cd "$work/app" && exec ./Quivset) >"$work/editor.log" 2>&1 &
    bar_pid=$! # so that the shared clean-up ends it too
    editor=
    local i
    for i in $(seq 1 100); do
        editor=$(xdotool search --onlyvisible --name "^Quivset - " 2>/dev/null | head -n1 || true)
        [ -n "$editor" ] && break
        kill -0 "$bar_pid" 2>/dev/null || fail "the editor ended at start: $(cat "$work/editor.log")"
        sleep 0.1
    done
    [ -n "$editor" ] || fail "the editor never showed"
    sleep 0.5
    # Each start may place the window elsewhere.
    info=$(xwininfo -id "$editor")
    ex=$(echo "$info" | awk '/Absolute upper-left X/ { print $4 }')
    ey=$(echo "$info" | awk '/Absolute upper-left Y/ { print $4 }')
}
start_editor

skeleton="<?xml version='1.0'?><XMLConfigSettings><PARAMETRES><SON></SON><AUTOSTART></AUTOSTART>"
[ "$(head -c ${#skeleton} "$config")" = "$skeleton" ] || fail "no skeleton: $(cat "$config")"
grep -q "<BOUTON19><TEXTE></TEXTE><LIEN></LIEN><COMMENTAIRE></COMMENTAIRE></BOUTON19>" "$config" ||
    fail "skeleton without button 19"

echo "$info" | grep -q "Width: 803" || fail "editor not 803 wide: $info"
echo "$info" | grep -q "Height: 517" || fail "editor not 517 high: $info"

shot "$work/editor.png"
[ -n "${QUIVLANE_E2E_SHOT:-}" ] && cp "$work/editor.png" "$QUIVLANE_E2E_SHOT"
# The skin's rounded corner is cut away and the colour words are printed on it.
[ "$(pixel "$work/editor.png" "$ex" "$ey")" = "0,0,0" ] || fail "corner not cut away"
[ "$(count_colour "$work/editor.png" "803x517+$ex+$ey" "#FFFEFF")" = 0 ] || fail "key colour drawn"
red=$(count_colour "$work/editor.png" "80x24+$((ex + 622))+$((ey + 380))" "#FF0000" 10%)
[ "$red" -gt 5 ] || fail "no ROUGE printed beside its circle ($red)"

click() {
    xdotool mousemove "$((ex + $1))" "$((ey + $2))" click 1
    sleep 0.3
}

# BOUTON 1 (the list at 18,215), the label field (239,219, 120 x 20), then ROUGE (605,382).
click 50 224
click 299 229
xdotool windowfocus --sync "$editor" 2>/dev/null || true
xdotool key --clearmodifiers ctrl+a BackSpace
xdotool type --delay 30 "Bonjour"
click 613 391
# "Enregistrer Paramètre Bouton" (626,421, 147 x 23).
click 699 432
wait_line_in() {
    local i
    for i in $(seq 1 $(($2 * 10))); do
        grep -qF "$1" "$config" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}
wait_line_in "<TEXTE>Bonjour</TEXTE>" 10 || fail "label not saved: $(cat "$config")"
wait_line_in "<COULEURTEXTE>ROUGE</COULEURTEXTE>" 5 || fail "colour not saved: $(cat "$config")"
shot "$work/edited.png"
[ -n "${QUIVLANE_E2E_SHOT:-}" ] && cp "$work/edited.png" "${QUIVLANE_E2E_SHOT%.png}-edited.png"

# DÉMARRER AVEC WINDOWS (536,52, 17 x 20), then the switches' save (602,169, 171 x 23).
click 544 62
click 687 180
wait_line_in "<AUTOSTART>OUI</AUTOSTART>" 10 || fail "switches not saved: $(cat "$config")"
entry="$XDG_CONFIG_HOME/autostart/Quivlane.desktop"
grep -qxF "Exec=$work/app/Quivlane" "$entry" 2>/dev/null ||
    fail "autostart entry wrong: $(cat "$entry" 2>/dev/null)"

# "Quitter" (683,488, 98 x 23): nothing left unsaved, so it ends without a question.
click 731 499
wait_exit 10 || fail "the editor did not end after Quitter"

# Text beyond the basic plane, accents and XML's own signs: choosing the button and saving
# it, twice, never changes a byte. The colour is set to VERT behind the editor's back and
# chosen as ROUGE again each time, so that each save can be seen to have landed.
label='Été &lt;&amp;&gt;😀'
link='https://example.org/😀?q=é&amp;x=&lt;y&gt;'
comment='&lt;b&gt;Café&lt;/b&gt; 🎵🎵 ici'
perl -0pi -e 's{<BOUTON1>.*?</BOUTON1>}{<BOUTON1><TEXTE>'"$label"'</TEXTE><LIEN>'"$link"'</LIEN><COMMENTAIRE>'"$comment"'</COMMENTAIRE><COULEURTEXTE>ROUGE</COULEURTEXTE></BOUTON1>}s' "$config"
grep -qF "<TEXTE>$label</TEXTE>" "$config" || fail "fixture not written: $(cat "$config")"
save_button_one() {
    perl -0pi -e 's{(<BOUTON1>.*?<COULEURTEXTE>)ROUGE}{${1}VERT}s' "$config"
    grep -qF "<COULEURTEXTE>VERT</COULEURTEXTE>" "$config" || fail "no VERT: $(cat "$config")"
    start_editor
    click 50 224
    click 613 391
    click 699 432
    wait_line_in "<COULEURTEXTE>ROUGE</COULEURTEXTE>" 10 ||
        { shot "$work/unsaved.png"; fail "button 1 not saved: $(cat "$config")"; }
    click 731 499
    wait_exit 10 || fail "the editor did not end after Quitter"
}
save_button_one
for part in "<TEXTE>$label</TEXTE>" "<LIEN>$link</LIEN>" "<COMMENTAIRE>$comment</COMMENTAIRE>"; do
    grep -qF "$part" "$config" || fail "$part changed by a save: $(cat "$config")"
done
cp "$config" "$work/first-save.xml"
save_button_one
cmp "$work/first-save.xml" "$config" || fail "a second save changed the file: $(cat "$config")"

# The bar beside it reads the same file.
start_bar
x=$((screen_w - 197 - 45))
y=$((screen_h - 419 - 40))
shot "$work/bar.png"
caption=$(count_colour "$work/bar.png" "74x23+$((x + 21))+$((y + 102))" "#FF0000" 15%)
[ "$caption" -gt 5 ] || fail "the bar does not show the saved red caption ($caption)"
echo "editor save: ok"
