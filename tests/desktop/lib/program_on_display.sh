# shellcheck shell=bash
# Sourced by the shell tests that drive the real program on a virtual X server: the server,
# a session whose sound goes nowhere, the program started in it and its main dialog found,
# screenshots taken until they show what is expected, and its end on Esc.

# Runs the calling script again on a virtual X server of its own, 1024 x 768, with
# "--on-display" after ARGS. XVFB_OPTIONS are added to the server's command line.
#   run_on_display XVFB_OPTIONS ARGS...
run_on_display() {
    local options=$1
    shift
    exec xvfb-run -a -s "-screen 0 1024x768x24 $options" "$0" "$@" --on-display
}

# A scratch folder $work, removed on exit, as the session's runtime folder. ALSA's default
# output is its null sink, so the synthesizer opens and plays into silence on a machine
# without sound hardware; no PulseAudio or JACK server of the user's is found or started.
start_silent_session() {
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$work/asound.conf"
    export ALSA_CONFIG_PATH=$work/asound.conf XDG_RUNTIME_DIR=$work
    export PULSE_SERVER=unix:$work/no-server JACK_NO_START_SERVER=1
    export JACK_DEFAULT_SERVER=canzet-private-$$
    unset QT_QPA_PLATFORM
}

# Starts COMMAND in a silent session as $pid, its output in $work/program.log; it is
# killed on exit if it still runs.
#   start_program COMMAND ARGS...
start_program() {
    start_silent_session
    "$@" >"$work/program.log" 2>&1 &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
}

fail() {
    echo "FAIL: $*"
    if ! kill -0 "$pid" 2>/dev/null; then
        local status=0
        wait "$pid" || status=$?
        echo "the program had ended with status $status"
    fi
    cat "$work/program.log"
    exit 1
}

# Waits for the main dialog: $window, its place and size as X Y WIDTH HEIGHT, and the
# staff's top left corner as staffX staffY, all for the calling script.
# shellcheck disable=SC2034
find_main_dialog() {
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '五线谱Demo' | head -1) ||
        fail "the main dialog did not show"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    staffX=$((X + 10))
    staffY=$((Y + 40))
}

# The staff's 600 x 160 pixels of screenshot $shots/NAME.png, as $work/NAME-staff.png.
# $shots is the calling script's folder of screenshots.
#   staff_of NAME
# shellcheck disable=SC2154
staff_of() { convert "$shots/$1.png" -crop "600x160+$staffX+$staffY" +repage "$work/$1-staff.png"; }

# r g b of a pixel of a picture file.
#   pixel FILE X Y
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:
}

# Screenshots $shots/NAME.png, its staff as staff_of leaves it, until `TEST NAME ARGS...`
# holds, for at most 30 s: a repaint follows the input when the busy machine gets to it.
# The last screenshot stays for the failure report.
#   shoot_until NAME TEST ARGS...
shoot_until() {
    local name=$1
    shift
    local deadline=$((SECONDS + 30))
    while :; do
        import -window root "$shots/$name.png"
        staff_of "$name"
        "$1" "$name" "${@:2}" && return 0
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.2
    done
}

# Esc ends the dialog and with it the program, within 10 s and with status 0. With no
# window manager the keyboard follows the pointer, which must rest on the dialog.
expect_end_on_escape() {
    xdotool key Escape
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "the program did not end on Esc"
    wait "$pid" || fail "the program ended with status $?"
}
