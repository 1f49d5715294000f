#!/usr/bin/env bash
# The MP3 button driven from the desktop bus: playerctl's play, pause, next, stop, status and
# metadata on a private session bus, each checked against the sound written by SDL's disk
# driver and against the display, where the calls show the menu's own messages.
if [ -z "${QUIVLANE_PRIVATE_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null || { echo "FAIL: dbus-run-session missing" >&2; exit 1; }
    QUIVLANE_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"
command -v playerctl >/dev/null || fail "playerctl missing"

start_x
mkdir -p "$work/Music"

le32() {
    printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $((($1 >> 8) & 255)) \
        $((($1 >> 16) & 255)) $((($1 >> 24) & 255))
}
# make_tone <name> <seconds> <title>: a 441 Hz square wave, tagged with the title.
make_tone() {
    local bytes=$(($2 * 44100))
    {
        printf "RIFF$(le32 $((36 + bytes)))WAVEfmt $(le32 16)\\x01\\x00\\x01\\x00"
        printf "$(le32 22050)$(le32 44100)\\x02\\x00\\x10\\x00data$(le32 "$bytes")"
        for _ in $(seq "$2"); do cat "$work/second.raw"; done
    } >"$work/$1.wav"
    lame --quiet -m m -b 32 --tt "$3" --ta "Quivlane" "$work/$1.wav" "$work/Music/$1.mp3" ||
        fail "lame could not make $1.mp3"
}
{
    for _ in $(seq 25); do printf '\x00\x20'; done
    for _ in $(seq 25); do printf '\x00\xe0'; done
} >"$work/period.raw"
for _ in $(seq 441); do cat "$work/period.raw"; done >"$work/second.raw"
make_tone first 30 "Premier morceau"
make_tone second 30 "Second morceau"

install_bar "<PARAMETRES><SON>NON</SON><HORLOGE>NON</HORLOGE></PARAMETRES>\
<BOUTON1><TEXTE>MP3</TEXTE><LIEN>LECTEUR_MP3?$work/Music</LIEN></BOUTON1>\
<BOUTON2><TEXTE>Lecture MP3</TEXTE><LIEN>SANS_EFFET</LIEN></BOUTON2>\
<BOUTON3><TEXTE>MP3 en pause</TEXTE><LIEN>SANS_EFFET</LIEN></BOUTON3>\
<BOUTON4><TEXTE>Changement MP3</TEXTE><LIEN>SANS_EFFET</LIEN></BOUTON4>\
<BOUTON5><TEXTE>Arret MP3</TEXTE><LIEN>SANS_EFFET</LIEN></BOUTON5>"

start_bar "$work/out.raw"

bus_names() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.ListNames
}
bus_names | grep -q 'org.mpris.MediaPlayer2.Quivlane' && fail "the player is on the bus unused"

x=$((screen_w - 197 - 45))
y=$((screen_h - 419 - 40))
display="170x18+$((x + 21))+$((y + 57))"
left=$((x + 21 + 37))
right=$((x + 21 + 84 + 37))
row1=$((y + 112))
row2=$((y + 139))
row3=$((y + 167))

# reference <name> <x> <y>: the display once a button whose caption is the message is clicked.
reference() {
    click_at "$2" "$3"
    wait_colour "$display" "#64FFFF" 10 || fail "no caption after the click"
    lit "$1"
}
reference lecture "$right" "$row1"
reference pause "$left" "$row2"
reference change "$right" "$row2"
reference arret "$left" "$row3"

# First use: the menu opens and closes with nothing chosen; the player is then on the bus.
click_at "$left" "$row1"
sleep 1
xdotool key Escape
pc() { playerctl -p Quivlane "$@" 2>&1; }
# wait_status <status>: until playerctl reports it.
wait_status() {
    local i
    for i in $(seq 1 100); do
        [ "$(pc status)" = "$1" ] && return 0
        sleep 0.1
    done
    fail "status never became $1 (it is \"$(pc status)\")"
}
wait_status Stopped
# playerctl prints an object path only in its full listing.
pc metadata | grep -q "mpris:trackid *'/org/mpris/MediaPlayer2/TrackList/NoTrack'" ||
    fail "a track before anything played: $(pc metadata)"
pc metadata | grep -q 'xesam:' && fail "a track before anything played: $(pc metadata)"
[ "$(dbus-send --session --print-reply --dest=org.mpris.MediaPlayer2.Quivlane \
    /org/mpris/MediaPlayer2 org.freedesktop.DBus.Properties.Get \
    string:org.mpris.MediaPlayer2 string:Identity | grep -c '"Quivlane"')" = 1 ] ||
    fail "the player's identity is not Quivlane"
# Every change is announced: playerctl follows the signals alone.
playerctl -p Quivlane --follow status >"$work/follow.log" 2>&1 &
follow_pid=$!
trap 'kill "$follow_pid" 2>/dev/null || true; cleanup' EXIT

size() { stat -c %s "$work/out.raw" 2>/dev/null || echo 0; }
loud() {
    tail -c +$(($1 + 1)) "$work/out.raw" | od -An -v -td2 |
        awk '{ for (i = 1; i <= NF; i++) if ($i > 2000 || $i < -2000) n++ } END { print n + 0 }'
}
# sounding <seconds>: loud samples are written after the call.
sounding() {
    local from i
    from=$(size)
    for i in $(seq 1 $(($1 * 10))); do
        [ "$(loud "$from")" -gt 2000 ] && return 0
        sleep 0.1
    done
    return 1
}
# silent: nothing loud is written for a second and a half (a paused output may write nothing;
# the next call's sound shows it was not lost).
silent() {
    sleep 0.5
    local from
    from=$(size)
    sleep 1.5
    [ "$(loud "$from")" = 0 ]
}

pc play >/dev/null
wait_status Playing
sounding 5 || fail "play: nothing is heard"
lit played
same lecture played "Lecture MP3"
first=$(pc metadata title)
case "$first" in
"Premier morceau" | "Second morceau") ;;
*) fail "play: the title is \"$first\"" ;;
esac
[ "$(pc metadata artist)" = Quivlane ] || fail "play: the artist is \"$(pc metadata artist)\""
url=$(pc metadata xesam:url)
case "$url" in
"file://$work/Music/"*.mp3) ;;
*) fail "play: the address is \"$url\"" ;;
esac
length=$(pc metadata mpris:length)
[ "$length" -gt 29000000 ] && [ "$length" -lt 31000000 ] || fail "play: the length is $length"

pc pause >/dev/null
wait_status Paused
lit paused
same pause paused "MP3 en pause"
silent || fail "pause: still heard"

pc play >/dev/null
wait_status Playing
sounding 5 || fail "play after pause: nothing is heard"
lit resumed
same lecture resumed "Lecture MP3"

# Two files: "Changer de MP3" always takes the other one.
pc next >/dev/null
for _ in $(seq 1 100); do
    [ "$(pc metadata title)" != "$first" ] && break
    sleep 0.1
done
second=$(pc metadata title)
[ "$second" != "$first" ] || fail "next: still \"$first\""
wait_status Playing
sounding 5 || fail "next: nothing is heard"
lit changed
same change changed "Changement MP3"

pc stop >/dev/null
wait_status Stopped
lit stopped
same arret stopped "Arret MP3"
silent || fail "stop: still heard"

kill "$follow_pid" 2>/dev/null || true
wait "$follow_pid" 2>/dev/null || true
# The first line is the status at the start, when playerctl prints it; "next" may pass through
# a stop between the two files.
tr '\n' ' ' <"$work/follow.log" |
    grep -Eqx '(Stopped )?Playing Paused Playing (Stopped Playing )?Stopped ' ||
    fail "the signalled statuses were: $(tr '\n' ' ' <"$work/follow.log")"

# Quit says goodbye on the display, as "Quitter Quivlane" does, and takes the player away.
dbus-send --session --print-reply --dest=org.mpris.MediaPlayer2.Quivlane /org/mpris/MediaPlayer2 \
    org.mpris.MediaPlayer2.Quit >/dev/null || fail "Quit was refused"
wait_colour "$display" "#EFE050" 10 || fail "no farewell after Quit"
wait_exit 10 || fail "the bar did not end after Quit"
bus_names | grep -q 'org.mpris.MediaPlayer2.Quivlane' && fail "the player stayed on the bus"
grep -qi 'sanitizer\|abort\|segmentation' "$work/bar.log" && fail "bar log: $(cat "$work/bar.log")"
echo "mpris player: ok"
