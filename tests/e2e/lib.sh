# Shared by the bar's whole-program tests: a private X server, a copy of the program beside a
# prepared configuration, and pixel checks on screenshots.
set -euo pipefail

bin_dir=${QUIVLANE_BIN_DIR:?QUIVLANE_BIN_DIR is not set}
work=$(mktemp -d)
xvfb_pid=
bar_pid=
screen_w=1024
screen_h=768

cleanup() {
    [ -n "$bar_pid" ] && kill "$bar_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    if [ -n "${KEEP_E2E:-}" ]; then echo "kept $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

start_x() {
    # Xvfb picks a free display itself and reports its number once it accepts clients, so
    # tests running side by side never end up sharing one server.
    # -br: a black root, so that cut-away pixels are easy to tell from the skin.
    # -noreset: by default the server resets whenever its last client leaves and turns new
    # clients away meanwhile; a program started right after another ended would race it.
    Xvfb -displayfd 3 -screen 0 "${screen_w}x${screen_h}x24" -br -noreset -nolisten tcp \
        3>"$work/display-number" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    local i
    for i in $(seq 1 100); do
        if [ -s "$work/display-number" ]; then
            export DISPLAY=":$(tr -dc 0-9 <"$work/display-number")"
            if xdpyinfo >/dev/null 2>&1; then return 0; fi
        fi
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    fail "no X server could be started: $(cat "$work/xvfb.log")"
}

# install_bar <config xml body>: the program and its Quivlane.xml in the work directory.
install_bar() {
    mkdir -p "$work/app"
    cp "$bin_dir/Quivlane" "$work/app/Quivlane"
    printf "<?xml version='1.0'?><XMLConfigSettings>%s</XMLConfigSettings>" "$1" \
        >"$work/app/Quivlane.xml"
}

# start_bar [raw file]: with a file, the bar's sound is written there (SDL's disk driver).
start_bar() {
    unset QT_QPA_PLATFORM
    if [ $# -ge 1 ]; then
        export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$1"
    else
        export SDL_AUDIODRIVER=dummy
    fi
    (cd "$work/app" && exec ./Quivlane) >"$work/bar.log" 2>&1 &
    bar_pid=$!
    local i
    for i in $(seq 1 100); do
        window=$(xdotool search --onlyvisible --class Quivlane 2>/dev/null | head -n1 || true)
        if [ -n "$window" ]; then
            # Let the first paint land before anyone looks at it.
            sleep 0.5
            return 0
        fi
        if ! kill -0 "$bar_pid" 2>/dev/null; then
            local status=0
            wait "$bar_pid" || status=$?
            fail "the bar ended at start (exit status $status): $(cat "$work/bar.log")"
        fi
        sleep 0.1
    done
    fail "the bar never showed"
}

# wait_exit <seconds>: true when the bar's process has ended in time.
wait_exit() {
    local i
    for i in $(seq 1 $(($1 * 10))); do
        if ! kill -0 "$bar_pid" 2>/dev/null; then
            wait "$bar_pid" || true
            bar_pid=
            return 0
        fi
        sleep 0.1
    done
    return 1
}

shot() {
    import -window root "$1"
}

# pixel <file> <x> <y>: "r,g,b" of that pixel.
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# count_colour <file> <w>x<h>+<x>+<y> <#RRGGBB> [fuzz%]: how many pixels of the area have the
# colour (exactly, or within the fuzz: anti-aliased text has few pixels of its pure colour).
count_colour() {
    convert "$1" -crop "$2" +repage -fuzz "${4:-0%}" -fill black +opaque "$3" \
        -fill white -opaque "$3" -format "%[fx:int(mean*w*h+0.5)]" info:
}

# span_of <file> <w>x<h>+<x>+<y> <#RRGGBB>: "first last" column (within the area) holding the
# colour, or nothing when it is absent.
span_of() {
    convert "$1" -crop "$2" +repage -fill black +opaque "$3" -fill white -opaque "$3" txt:- |
        awk -F'[,: ]+' '/#FFFFFF/ { if (min == "" || $1 < min) min = $1; if ($1 > max) max = $1 }
                        END { if (min != "") print min, max }'
}

# wait_colour <w>x<h>+<x>+<y> <#RRGGBB> <seconds>: until a screenshot shows the colour there.
wait_colour() {
    local i
    for i in $(seq 1 $(($3 * 5))); do
        shot "$work/poll.png"
        if [ "$(count_colour "$work/poll.png" "$1" "$2")" -gt 0 ]; then return 0; fi
        sleep 0.2
    done
    return 1
}

# wait_line <file> <line> <seconds>: until the file holds exactly that line.
wait_line() {
    local i
    for i in $(seq 1 $(($3 * 10))); do
        grep -qxF "$2" "$1" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

# find_window <name pattern>: prints the first visible window so named, waited for up to 10 s;
# status 1 when none showed.
find_window() {
    local i found
    for i in $(seq 1 100); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
        if [ -n "$found" ]; then
            echo "$found"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# The display's lit dots, for scripts that set $display to its crop geometry.
# lit <name>: a screenshot's lit dots as $work/<name>-display.png.
lit() {
    shot "$work/$1.png"
    convert "$work/$1.png" -crop "$display" +repage -fill black +opaque "#64FFFF" \
        "$work/$1-display.png"
}
# same <reference> <name> <text>: both displays light exactly the same dots.
same() {
    local diff
    diff=$(compare -metric AE "$work/$1-display.png" "$work/$2-display.png" null: 2>&1 || true)
    [ "$diff" = 0 ] || fail "the display does not show \"$3\" ($diff pixels differ)"
}
# click_at <x> <y>: a click, and the display's "Patientez" in answer.
click_at() {
    xdotool mousemove "$1" "$2" click 1
    wait_colour "$display" "#FF3C00" 10 || fail "no click feedback on the display"
}
