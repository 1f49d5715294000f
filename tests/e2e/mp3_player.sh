#!/usr/bin/env bash
# The MP3 button over a folder of two short files: its menu's "Lecture" plays through SDL's
# disk driver, and the display shows the message exactly as a caption of the same text looks.
source "$(dirname "$0")/lib.sh"

start_x
mkdir -p "$work/Music"

# le32 <n>: the number as four little-endian bytes (printf escapes).
le32() {
    printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $((($1 >> 8) & 255)) \
        $((($1 >> 16) & 255)) $((($1 >> 24) & 255))
}
# A 441 Hz square wave at 22.05 kHz, 16-bit mono (50 samples a period), seconds long.
# Written straight to files: command substitution would drop the zero bytes.
make_tone() {
    local periods=$(($2 * 441)) bytes
    bytes=$((periods * 100))
    {
        printf "RIFF$(le32 $((36 + bytes)))WAVEfmt $(le32 16)\\x01\\x00\\x01\\x00"
        printf "$(le32 22050)$(le32 44100)\\x02\\x00\\x10\\x00data$(le32 "$bytes")"
        for _ in $(seq "$2"); do cat "$work/second.raw"; done
    } >"$work/$1.wav"
    lame --quiet -m m -b 32 "$work/$1.wav" "$work/Music/$1.mp3" ||
        fail "lame could not make $1.mp3"
}
{
    for _ in $(seq 25); do printf '\x00\x20'; done
    for _ in $(seq 25); do printf '\x00\xe0'; done
} >"$work/period.raw"
for _ in $(seq 441); do cat "$work/period.raw"; done >"$work/second.raw"
make_tone tone1 4
make_tone tone2 5
# A named pipe dressed as an MP3: opening it would wait for a writer and freeze the bar.
mkfifo "$work/Music/pipe.mp3"

install_bar "<PARAMETRES><SON>NON</SON><HORLOGE>NON</HORLOGE></PARAMETRES>\
<BOUTON1><TEXTE>MP3</TEXTE><LIEN>LECTEUR_MP3?$work/Music</LIEN></BOUTON1>\
<BOUTON2><TEXTE>Lecture MP3</TEXTE><LIEN>SANS_EFFET</LIEN></BOUTON2>\
<BOUTON3><TEXTE>Arret MP3</TEXTE><LIEN>SANS_EFFET</LIEN></BOUTON3>"

start_bar "$work/out.raw"
[ ! -s "$work/out.raw" ] || fail "audio was opened before anything played"

x=$((screen_w - 197 - 45))
y=$((screen_h - 419 - 40))
display="170x18+$((x + 21))+$((y + 57))"
button_y=$((y + 102 + 10))


# The references: buttons whose captions are the messages' texts.
click_at $((x + 21 + 84 + 37)) "$button_y"
wait_colour "$display" "#64FFFF" 10 || fail "no caption after the click"
lit lecture
click_at $((x + 21 + 37)) $((button_y + 24))
wait_colour "$display" "#64FFFF" 10 || fail "no caption after the click"
lit arret

# choose <keys...>: the MP3 button's menu opens under it; the keys pick an entry.
choose() {
    click_at $((x + 21 + 37)) "$button_y"
    sleep 1
    xdotool key "$@" Return
}

choose Down Down
wait_colour "$display" "#64FFFF" 10 || fail "no message after Lecture"
lit playing
[ -n "${QUIVLANE_E2E_SHOT:-}" ] && cp "$work/playing.png" "$QUIVLANE_E2E_SHOT"
same lecture playing "Lecture MP3"

# The sound file grows with the tone.
size() { stat -c %s "$work/out.raw" 2>/dev/null || echo 0; }
# loud <from byte>: 16-bit samples from there on that swing beyond silence (the tone reaches
# about +-8192).
loud() {
    tail -c +$(($1 + 1)) "$work/out.raw" | od -An -v -td2 |
        awk '{ for (i = 1; i <= NF; i++) if ($i > 2000 || $i < -2000) n++ } END { print n + 0 }'
}
for _ in $(seq 1 50); do
    [ "$(size)" -gt 20000 ] && break
    sleep 0.1
done
first=$(size)
[ "$first" -gt 20000 ] || fail "nothing was written to the audio output ($first bytes)"
sleep 1
[ "$(size)" -gt "$first" ] || fail "the audio output stopped growing"
[ "$(loud 0)" -gt 5000 ] || fail "the audio output is silent ($(loud 0) loud samples)"

# "Arrêt", the last entry: carried out by the next tick, then nothing more is heard.
choose Down Down Down Down Down Down
wait_colour "$display" "#64FFFF" 10 || fail "no message after Arret"
lit stopped
same arret stopped "Arret MP3"
sleep 0.5
stopped_at=$(size)
sleep 1.5
[ "$(loud "$stopped_at")" = 0 ] || fail "still playing after Arret"

# A close request stops the engine and the bar ends cleanly.
"$bin_dir/SendCloseRequest" "$window" || fail "could not send the close request"
wait_exit 10 || fail "the bar did not end on a close request"
grep -qi 'sanitizer\|abort\|segmentation' "$work/bar.log" && fail "bar log: $(cat "$work/bar.log")"
echo "mp3 player: ok"
