#!/usr/bin/env bash
# Installs the program into a temporary prefix and drives the installed binary on a
# virtual X server: a note is pressed, dragged and released on the staff with xdotool,
# and screenshots show it red while held, black at its snapped place after release, and
# the position button's caption changed after a click. Screenshots are kept in $2. $1 is a
# build folder, or an installed program (/usr/bin/canzet).
#
# The program picks its real MIDI device as always; ALSA's default output is pointed at
# its null sink, so the synthesizer opens and plays into silence on a machine without
# sound hardware.
set -euo pipefail
# xdotool matches the Chinese window titles only in a UTF-8 locale, whatever the caller's.
export LC_ALL=C.UTF-8

build=$1
shots=$2
# shellcheck source-path=SCRIPTDIR source=lib/program_on_display.sh
. "$(dirname "$0")/lib/program_on_display.sh"

if [ "${3:-}" != "--on-display" ]; then
    if [ -f "$build" ]; then
        # An installed program, such as /usr/bin/canzet from the package, in its prefix.
        prefix=$(cd "$(dirname "$build")/.." && pwd)
    else
        prefix=$(mktemp -d)
        trap 'rm -rf "$prefix"' EXIT
        cmake --install "$build" --prefix "$prefix" >/dev/null
    fi
    for installed in bin/canzet share/applications/canzet.desktop \
        share/icons/hicolor/32x32/apps/canzet.png share/icons/hicolor/16x16/apps/canzet.png \
        share/metainfo/org.canzet.Canzet.metainfo.xml share/doc/canzet/copyright; do
        [ -e "$prefix/$installed" ] || { echo "not installed: $installed"; exit 1; }
    done

    # Without a display, or with one that does not answer, the program ends with status 1
    # and says so in one line ending in what it was given; Qt's own last line comes first
    # when a platform was named. Rows: case|lines|environment|arguments|the last line ends
    while IFS='|' read -r case lines environment arguments ending; do
        status=0
        # shellcheck disable=SC2086 # environment and arguments are lists of words
        message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $environment \
            "$prefix/bin/canzet" $arguments 2>&1 >/dev/null) || status=$?
        [ "$status" -eq 1 ] || { echo "$case: status $status, expected 1"; exit 1; }
        if [ "$(printf '%s\n' "$message" | wc -l)" -ne "$lines" ] || [[ "$message" != *"$ending" ]]; then
            echo "$case: $message"
            exit 1
        fi
    done <<'EOF'
no display|1|||start it from a graphical session
dead display|1|DISPLAY=:4321||(DISPLAY=:4321); is the graphical session running?
dead -display|1||-display :4321|(-display :4321); is the graphical session running?
no such -platform|2|DISPLAY=:4321|-platform nonexistent|(DISPLAY=:4321, -platform nonexistent); is the graphical session running?
EOF

    mkdir -p "$shots"
    run_on_display "" "$prefix/bin/canzet" "$shots"
fi

start_program "$build"
find_main_dialog

# Screenshots NAME until staff pixel (X, Y) is R G B; fails with what it last was.
#   expect_pixel NAME X Y "R G B"
staff_pixel_is() { [ "$(pixel "$work/$1-staff.png" "$2" "$3")" = "$4" ]; }
expect_pixel() {
    shoot_until "$1" staff_pixel_is "${@:2}" ||
        fail "$1: staff pixel ($2, $3) is $(pixel "$work/$1-staff.png" "$2" "$3"), expected $4"
}

expect_pixel start 300 81 "36 36 36"

# Press on the middle line, drag down across three steps and on to y 98, which is held
# there and on release snaps toward the middle line, to the line at 95.
xdotool mousemove $((staffX + 300)) $((staffY + 81)) mousedown 1
for y in 84 88 91 95 98; do
    xdotool mousemove $((staffX + 300)) $((staffY + y))
done
expect_pixel held 292 98 "255 0 0"

xdotool mouseup 1
expect_pixel released 292 95 "0 0 0"

# The position button, at its template place in pixels with the setup's font.
button="54x39+$((X + 347))+$((Y + 222))"
caption() { convert "$shots/$1.png" -crop "$button" +repage rgb:- | md5sum; }
before=$(caption released)
caption_changed() { [ "$(caption "$1")" != "$before" ]; }
xdotool mousemove $((X + 347 + 27)) $((Y + 222 + 19)) click 1
shoot_until clicked caption_changed || fail "the position button's caption did not change"

# The pointer rests on the dialog, where the keyboard follows it.
expect_end_on_escape
echo "PASS"
