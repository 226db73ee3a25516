#!/usr/bin/env bash
# Soak test of the real program on a virtual X server (not part of CI; it takes a while).
#
#   tests/soak/soak.sh [MINUTES] [VALGRIND_MINUTES]     (defaults: 10 and 3)
#   tests/soak/soak.sh 0 3                               (the valgrind run alone)
#
# Phase 1 runs the program for MINUTES of scripted use with xdotool: drags across the staff
# in every direction, some leaving the drag area, releases, and presses of the position
# button. Resident memory is sampled every 5 seconds; the run fails when it grows by 1 MB or
# more after the first minute. Phase 2 runs the same script for VALGRIND_MINUTES under
# valgrind's memcheck and fails on any error or leak that valgrind still reports after the
# suppressions in valgrind.supp (library noise, each entry explained there).
#
# The program picks its real MIDI device as always. A private PulseAudio server with a null
# sink stands in for the desktop's sound server, so the synthesizer opens and plays every
# note into silence, in real time; nothing of a real session is touched.
# Results go to build-soak/soak/: rss.csv, summary.txt, valgrind.log.
set -euo pipefail
# xdotool matches the Chinese window titles only in a UTF-8 locale, whatever the caller's.
export LC_ALL=C.UTF-8
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
build=${CANZET_SOAK_DIR:-$top/build-soak}
minutes=${1:-10}
valgrindMinutes=${2:-3}

if [ "${3:-}" != "--on-display" ]; then
    "$top/tools/setup"
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCANZET_TESTS=OFF \
        >/dev/null
    cmake --build "$build" -j 2 --target canzet
    mkdir -p "$build/soak"
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$minutes" "$valgrindMinutes" --on-display
fi

out=$build/soak
program=$build/app/canzet
work=$(mktemp -d)
unset QT_QPA_PLATFORM
pid=
server=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    [ -n "$server" ] && kill "$server" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

HOME=$work PULSE_RUNTIME_PATH=$work pulseaudio -n --daemonize=no --exit-idle-time=-1 \
    --use-pid-file=no --disable-shm=yes --log-level=0 \
    -L"module-native-protocol-unix auth-anonymous=1 socket=$work/native" -Lmodule-null-sink &
server=$!
for _ in $(seq 100); do
    [ -S "$work/native" ] && break
    sleep 0.05
done
export PULSE_SERVER=unix:$work/native XDG_RUNTIME_DIR=$work
# Its own sound server only: no JACK server is started or found.
export JACK_NO_START_SERVER=1 JACK_DEFAULT_SERVER=canzet-private-$$

fail() {
    echo "FAIL: $*" | tee -a "$out/summary.txt"
    exit 1
}

# Waits for the main dialog. A message box that comes first (under valgrind the synthesizer
# takes longer to open than the program waits for it) holds the dialog back until it is
# answered, so it is answered and noted.
find_dialog() {
    local deadline=$((SECONDS + $1)) window= box
    while [ -z "$window" ]; do
        [ $SECONDS -lt "$deadline" ] || fail "the main dialog did not show"
        for box in $(xdotool search --onlyvisible --name '^Canzet$' 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$box")"
            xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) key Return
            echo "answered a message box at start" >>"$out/summary.txt"
            # One answer only: a second Return would reach the dialog's default button.
            while xdotool getwindowname "$box" >/dev/null 2>&1 &&
                xdotool search --onlyvisible --name '^Canzet$' | grep -qx "$box"; do
                [ $SECONDS -lt "$deadline" ] || fail "the message box stayed"
                sleep 1
            done
        done
        window=$(xdotool search --onlyvisible --name '五线谱Demo' 2>/dev/null | head -1) || true
        sleep 1
    done
    sleep 2
    eval "$(xdotool getwindowgeometry --shell "$window")"
    staffX=$((X + 10))
    staffY=$((Y + 40))
    buttonX=$((X + 347 + 27))
    buttonY=$((Y + 222 + 19))
}

# One scripted gesture, chosen by a counter so that every run is the same: a drag through
# several rows and columns, a drag that leaves the drag area, or a press of the position
# button.
gesture() {
    local n=$1
    local x=$((80 + (n * 37) % 489)) y=$((30 + (n * 13) % 100))
    case $((n % 6)) in
        0 | 1 | 2 | 3)
            xdotool mousemove $((staffX + x)) $((staffY + y)) mousedown 1
            for step in 1 2 3 4 5 6; do
                xdotool mousemove $((staffX + (x + step * 11) % 560)) \
                    $((staffY + 20 + (y + step * 9) % 120))
            done
            xdotool mouseup 1
            ;;
        4)
            xdotool mousemove $((staffX + x)) $((staffY + y)) mousedown 1
            xdotool mousemove $((staffX + x)) $((staffY + 150)) mousemove $((staffX + x)) $((staffY + 5))
            xdotool mouseup 1
            ;;
        5)
            xdotool mousemove "$buttonX" "$buttonY" click 1
            ;;
    esac
}

rss_kb() {
    awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null || echo 0
}

# Ends the program with Esc (the keyboard follows the pointer, so the pointer rests on the
# dialog first) and waits for it to leave.
end_program() {
    xdotool mousemove $((staffX + 300)) $((staffY + 150)) key Escape
    for _ in $(seq "$1"); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "the program did not end on Esc"
    wait "$pid" || fail "the program ended with status $?"
    pid=
}

: >"$out/summary.txt"

# Phase 1: memory over a long run (skipped when MINUTES is 0).
if [ "$minutes" -gt 0 ]; then
    "$program" >"$work/program.log" 2>&1 &
    pid=$!
    find_dialog 30
    # The synthesizer plays into the server: one stream from the program.
    streams=$(pactl list short sink-inputs | wc -l)
    echo "sound streams from the program: $streams" | tee -a "$out/summary.txt"
    [ "$streams" -eq 1 ] || fail "the synthesizer did not open on the sound server"
    echo "seconds,rss_kb" >"$out/rss.csv"
    start=$SECONDS
    end=$((start + minutes * 60))
    next=$start
    gestures=0
    while [ $SECONDS -lt $end ]; do
        if [ $SECONDS -ge $next ]; then
            echo "$((SECONDS - start)),$(rss_kb "$pid")" >>"$out/rss.csv"
            next=$((next + 5))
        fi
        kill -0 "$pid" 2>/dev/null || fail "the program died after $gestures gestures"
        gesture $gestures
        gestures=$((gestures + 1))
    done
    echo "$((SECONDS - start)),$(rss_kb "$pid")" >>"$out/rss.csv"
    end_program 50
    baseline=$(awk -F, 'NR > 1 && $1 >= 60 { print $2; exit }' "$out/rss.csv")
    highest=$(awk -F, 'NR > 1 && $1 >= 60 && $2 > max { max = $2 } END { print max }' "$out/rss.csv")
    first=$(awk -F, 'NR == 2 { print $2 }' "$out/rss.csv")
    growth=$((highest - baseline))
    {
        echo "phase 1: $minutes min, $gestures gestures"
        echo "rss at start ${first} kB, at 1 min ${baseline} kB, highest after 1 min ${highest} kB"
        echo "growth after the first minute: ${growth} kB"
    } | tee -a "$out/summary.txt"
    [ "$growth" -lt 1024 ] || fail "resident memory grew by ${growth} kB after the first minute"
fi

# Phase 2: memcheck over a shorter run.
valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite,indirect,possible \
    --errors-for-leak-kinds=definite,indirect,possible --track-origins=yes \
    --suppressions="$here/valgrind.supp" --gen-suppressions=all --num-callers=40 \
    --child-silent-after-fork=yes \
    --log-file="$out/valgrind.log" "$program" >"$work/valgrind-program.log" 2>&1 &
pid=$!
find_dialog 300
start=$SECONDS
gestures=0
while [ $((SECONDS - start)) -lt $((valgrindMinutes * 60)) ]; do
    kill -0 "$pid" 2>/dev/null || fail "the program died under valgrind"
    gesture $gestures
    gestures=$((gestures + 1))
    sleep 0.2
done
end_program 600
{
    echo "phase 2 (valgrind): $valgrindMinutes min, $gestures gestures"
    grep -E 'ERROR SUMMARY|definitely lost|indirectly lost|possibly lost|suppressed:' \
        "$out/valgrind.log" | sed 's/^==[0-9]*== */  /'
} | tee -a "$out/summary.txt"
grep -q 'ERROR SUMMARY: 0 errors' "$out/valgrind.log" || fail "valgrind reports errors"
echo "PASS" | tee -a "$out/summary.txt"
