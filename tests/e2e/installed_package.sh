#!/usr/bin/env bash
# The Debian package as a user gets it: installed with apt, both programs run from /usr/bin by
# an unprivileged user, who cannot write beside them. The editor creates that user's own file
# under ~/.config, a saved button lands there, and the installed bar shows it.
# Argument: the .deb. Needs root (it installs the package and adds a user).
source "$(dirname "$0")/lib.sh"
deb=$(realpath "${1:?path of the .deb}")
[ "$(id -u)" = 0 ] || fail "must run as root"
user=quivlane-e2e

finish() {
    cleanup
    apt-get remove -y quivlane >/dev/null 2>&1 || true
}
trap finish EXIT

apt-get install -y "$deb" >"$work/apt.log" 2>&1 || fail "apt-get install: $(tail -n 20 "$work/apt.log")"
for program in Quivlane Quivset; do
    [ -x "/usr/bin/$program" ] || fail "/usr/bin/$program not installed"
done
[ -f /usr/share/applications/org.quivlane.Quivlane.desktop ] || fail "no desktop entry"
[ -f /usr/share/icons/hicolor/scalable/apps/org.quivlane.Quivlane.svg ] || fail "no icon"
# The portable layout must not apply: nothing beside the installed programs.
[ ! -e /usr/bin/Quivlane.xml ] || fail "/usr/bin/Quivlane.xml exists before the test"

id "$user" >/dev/null 2>&1 || useradd --create-home --shell /bin/bash "$user"
home=$(getent passwd "$user" | cut -d: -f6)
rm -rf "$home/.config/Quivlane"
config="$home/.config/Quivlane/Quivlane.xml"

start_x
# as_user <program>: the installed program with the user's rights and a plain environment.
as_user() {
    (cd / && exec setpriv --reuid="$user" --regid="$user" --init-groups --reset-env \
        env DISPLAY="$DISPLAY" SDL_AUDIODRIVER=dummy LANG=C.UTF-8 "/usr/bin/$1") \
        >"$work/$1.log" 2>&1 &
    bar_pid=$!
}
# wait_window <xdotool search arguments...>: the window id once it is shown.
wait_window() {
    local i id
    for i in $(seq 1 150); do
        id=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$bar_pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}
wait_in_file() {
    local i
    for i in $(seq 1 $(($2 * 10))); do
        grep -qF "$1" "$config" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

as_user Quivset
editor=$(wait_window --name "^Quivset - ") || fail "the editor never showed: $(cat "$work/Quivset.log")"
sleep 0.5
wait_in_file "<BOUTON19>" 10 || fail "no skeleton in $config: $(ls -la "$home/.config" 2>&1)"
[ "$(stat -c %U "$config")" = "$user" ] || fail "the file is not the user's: $(stat -c %U "$config")"

info=$(xwininfo -id "$editor")
ex=$(echo "$info" | awk '/Absolute upper-left X/ { print $4 }')
ey=$(echo "$info" | awk '/Absolute upper-left Y/ { print $4 }')
click() {
    xdotool mousemove "$((ex + $1))" "$((ey + $2))" click 1
    sleep 0.3
}
# BOUTON 1 in the list, the label field, ROUGE, then "Enregistrer Paramètre Bouton".
click 50 224
click 299 229
xdotool windowfocus --sync "$editor" 2>/dev/null || true
xdotool key --clearmodifiers ctrl+a BackSpace
xdotool type --delay 30 "Paquet"
click 613 391
click 699 432
wait_in_file "<TEXTE>Paquet</TEXTE>" 10 || fail "label not saved: $(cat "$config")"
wait_in_file "<COULEURTEXTE>ROUGE</COULEURTEXTE>" 5 || fail "colour not saved: $(cat "$config")"
# "Quitter": all saved, so it ends without a question.
click 731 499
wait_exit 10 || fail "the editor did not end after Quitter"
[ ! -e /usr/bin/Quivlane.xml ] || fail "a file was written beside the programs"

# The installed bar, as the same user, reads that file: button 1 shows the saved red caption.
as_user Quivlane
bar=$(wait_window --class Quivlane) || fail "the bar never showed: $(cat "$work/Quivlane.log")"
info=$(xwininfo -id "$bar")
bx=$(echo "$info" | awk '/Absolute upper-left X/ { print $4 }')
by=$(echo "$info" | awk '/Absolute upper-left Y/ { print $4 }')
seen=0
for i in $(seq 1 25); do
    shot "$work/bar.png"
    seen=$(count_colour "$work/bar.png" "74x23+$((bx + 21))+$((by + 102))" "#FF0000" 15%)
    [ "$seen" -gt 5 ] && break
    sleep 0.2
done
[ "$seen" -gt 5 ] || fail "the installed bar does not show the saved red caption ($seen)"
echo "installed package: ok"
