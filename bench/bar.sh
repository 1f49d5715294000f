#!/usr/bin/env bash
# Start-up and idle figures of the launcher bar against a bare Qt dialog of the same size
# (the floor), measured side by side in one run under a private Xvfb.
#   bench_bar [--runs N] [--idle-seconds S]       (other arguments are ignored)
# Start-up: both programs run with QUIVLANE_EXIT_AFTER_SHOW=1, which makes them print the time
# of their first paint and end; wall time to that paint (and to the exit) and peak resident
# memory per run, medians compared.
# Idle: the bar with its clock on, the bar with its clock off and the floor idle together for
# S seconds; their CPU time (user + system) is compared.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
runs=15
idle=60
while [ $# -gt 0 ]; do
    case "$1" in
        --runs) runs=$2; shift ;;
        --idle-seconds) idle=$2; shift ;;
    esac
    shift
done

work=$(mktemp -d)
pids=()
xvfb_pid=
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

for n in $(seq 161 220); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        Xvfb ":$n" -screen 0 1024x768x24 -noreset -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        export DISPLAY=":$n"
        break
    fi
done
for i in $(seq 1 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
unset QT_QPA_PLATFORM
export SDL_AUDIODRIVER=dummy

# bar_copy <dir> <HORLOGE value>: the launcher with a full configuration beside it.
bar_copy() {
    mkdir -p "$1"
    cp "$here/Quivlane" "$1/Quivlane"
    local buttons=""
    for b in $(seq 1 19); do
        buttons+="<BOUTON$b><TEXTE>Bouton $b</TEXTE><LIEN>http://example.org/$b</LIEN>"
        buttons+="<COMMENTAIRE>Bouton $b</COMMENTAIRE><COULEURTEXTE>BLEU</COULEURTEXTE></BOUTON$b>"
    done
    printf "<?xml version='1.0'?><XMLConfigSettings><PARAMETRES><SON>NON</SON><HORLOGE>%s</HORLOGE></PARAMETRES>%s</XMLConfigSettings>" \
        "$2" "$buttons" >"$1/Quivlane.xml"
}
bar_copy "$work/on" OUI
bar_copy "$work/off" NON

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
minimum() { sort -n | head -n1; }

# one_start <program>: "microseconds-to-first-paint microseconds-to-exit kilobytes" of one
# run. The first paint is what a user waits for; the exit adds the tear-down, shown apart.
one_start() {
    local t0 t1 shown
    t0=$(date +%s%N)
    QUIVLANE_EXIT_AFTER_SHOW=1 /usr/bin/time -f "%M" -o "$work/rss" "$1" >"$work/out" 2>/dev/null
    t1=$(date +%s%N)
    shown=$(sed -n 's/.*shown at \([0-9]*\)$/\1/p' "$work/out")
    [ -n "$shown" ] || { echo "no first paint from $1" >&2; exit 1; }
    echo "$((shown - t0 / 1000)) $(((t1 - t0) / 1000)) $(tail -n1 "$work/rss")"
}

# Warm the file cache for both before counting.
one_start "$work/on/Quivlane" >/dev/null
one_start "$here/bar_floor_dialog" >/dev/null
: >"$work/bar.txt"
: >"$work/floor.txt"
for i in $(seq 1 "$runs"); do
    one_start "$work/on/Quivlane" >>"$work/bar.txt"
    one_start "$here/bar_floor_dialog" >>"$work/floor.txt"
done
# column <n> <file> <median|minimum>
column() { cut -d' ' -f"$1" "$2" | "$3"; }
ms() { printf "%.1f" "$(echo "$1 / 1000" | bc -l)"; }
ratio_of() {
    if [ "$2" -gt 0 ]; then printf "%.2f" "$(echo "$1 / $2" | bc -l)"; else echo "n/a (divisor 0)"; fi
}
bar_us=$(column 1 "$work/bar.txt" median)
floor_us=$(column 1 "$work/floor.txt" median)
bar_min=$(column 1 "$work/bar.txt" minimum)
floor_min=$(column 1 "$work/floor.txt" minimum)
bar_exit=$(column 2 "$work/bar.txt" median)
floor_exit=$(column 2 "$work/floor.txt" median)
bar_kb=$(column 3 "$work/bar.txt" median)
floor_kb=$(column 3 "$work/floor.txt" median)
echo "== start to first paint, median of $runs runs each, alternating"
echo "bar $(ms "$bar_us") ms, floor $(ms "$floor_us") ms: ratio $(ratio_of "$bar_us" "$floor_us") (goal <= 1.30)"
echo "fastest run: bar $(ms "$bar_min") ms, floor $(ms "$floor_min") ms: ratio $(ratio_of "$bar_min" "$floor_min")"
echo "start to process exit: bar $(ms "$bar_exit") ms, floor $(ms "$floor_exit") ms: ratio $(ratio_of "$bar_exit" "$floor_exit")"
echo "peak resident memory: bar $bar_kb kB, floor $floor_kb kB: ratio $(ratio_of "$bar_kb" "$floor_kb")"

# cpu_us <pid>: CPU time so far of all the process's threads, in microseconds (the
# scheduler's nanosecond counters: clock ticks are too coarse for an idle program).
cpu_us() {
    cat /proc/"$1"/task/*/schedstat | awk '{ sum += $1 } END { printf "%d\n", sum / 1000 }'
}

(cd "$work/on" && exec ./Quivlane) >/dev/null 2>&1 &
on_pid=$!
(cd "$work/off" && exec ./Quivlane) >/dev/null 2>&1 &
off_pid=$!
"$here/bar_floor_dialog" >/dev/null 2>&1 &
floor_pid=$!
pids=("$on_pid" "$off_pid" "$floor_pid")
# Start-up work is not idle cost: count from a settled point.
sleep 3
on0=$(cpu_us "$on_pid"); off0=$(cpu_us "$off_pid"); floor0=$(cpu_us "$floor_pid")
sleep "$idle"
on1=$(cpu_us "$on_pid"); off1=$(cpu_us "$off_pid"); floor1=$(cpu_us "$floor_pid")
on=$((on1 - on0)); off=$((off1 - off0)); floor=$((floor1 - floor0))
echo "== idle CPU time over $idle s, side by side"
echo "bar with clock: $on us, bar without clock: $off us, bare dialog: $floor us"
echo "clock on / clock off: $(ratio_of "$on" "$off"); clock on / floor: $(ratio_of "$on" "$floor"); clock off / floor: $(ratio_of "$off" "$floor")"
echo "clock cost per tick: $(( (on - off) / idle )) us"
