#!/usr/bin/env bash
# The program started as "canzet --clef bass --notes 3" on a virtual X server, driven with
# xdotool: the bass staff shows pixel for pixel, three clicks place three notes and a
# fourth places none, a drag moves a note, and from the system menu (Alt+Space) "清除"
# empties the staff and "低音谱号" switches to the treble staff and loses its check mark.
# Screenshots are kept in $3.
#
# Usage: clef_and_notes_test.sh PROGRAM SOURCE_DIR SHOTS
set -euo pipefail
# xdotool matches the Chinese window title only in a UTF-8 locale, whatever the caller's.
export LC_ALL=C.UTF-8

program=$1
source=$2
shots=$3
# shellcheck source-path=SCRIPTDIR source=lib/program_on_display.sh
. "$(dirname "$0")/lib/program_on_display.sh"

if [ "${4:-}" != "--on-display" ]; then
    mkdir -p "$shots"
    # No key repeat: on a busy machine a key's release can come late enough for the server
    # to repeat it, and a second Return would reach the dialog's default button.
    run_on_display "-r -ardelay 60000" "$program" "$source" "$shots"
fi

start_program "$program" --clef bass --notes 3
find_main_dialog
# With no window manager the keyboard follows the pointer: it rests on an empty corner of
# the dialog, away from the staff and from where the system menu opens.
rest() { xdotool mousemove $((X + WIDTH - 20)) $((Y + HEIGHT - 20)); }
rest

# How many staff pixels differ from a picture file.
differing() { compare -metric AE "$work/$1-staff.png" "$2" null: 2>&1 || true; }
# r g b of a staff pixel.
staff_pixel() { pixel "$work/$1-staff.png" "$2" "$3"; }
shows() { [ "$(differing "$1" "$2")" = 0 ]; }
# The left side of a whole note's ring centred at (x, y) is black.
notes_at() {
    local name=$1
    shift
    while [ $# -gt 0 ]; do
        [ "$(staff_pixel "$name" $(($1 - 8)) "$2")" = "0 0 0" ] || return 1
        shift 2
    done
}
check() {
    local what=$1
    shift
    shoot_until "$@" || fail "$what"
    echo "ok: $what"
}

bass=$source/res/StaffBass.bmp
treble=$source/res/StaffTreble.bmp
check "the bass staff shows, every pixel as in the bass picture" 1-bass-staff shows "$bass"

click() {
    xdotool mousemove $((staffX + $1)) $((staffY + $2)) click 1
    rest
}
click 150 95
click 300 67
click 450 109
check "three clicks place three notes" 2-three-notes notes_at 150 95 300 67 450 109

# No room for a fourth: the click places nothing. The drag's repaint comes after the
# click is handled, so where its note would be (its ring's left side) is checked there.
click 520 88

xdotool mousemove $((staffX + 300)) $((staffY + 67)) mousedown 1
for y in 70 74 78 81; do
    xdotool mousemove $((staffX + 300)) $((staffY + y))
done
xdotool mouseup 1
rest
moved() {
    notes_at "$1" 300 81 && [ "$(staff_pixel "$1" 292 67)" = "36 36 36" ] &&
        [ "$(staff_pixel "$1" 512 88)" = "255 255 255" ]
}
check "a drag takes a note to the middle line; the fourth click placed none" 4-dragged moved

# The system menu opens at the dialog's top left corner; its screenshot is taken once it
# shows and two in a row agree. Up from no item is its last item, "练习...".
box="300x200+$X+$Y"
corner() { convert "$shots/$1.png" -crop "$box" +repage rgb:- | md5sum; }
menu() {
    import -window root "$shots/$1.png"
    cp "$shots/$1.png" "$work/$1-closed.png"
    local closed last now
    closed=$(corner "$1")
    last=$closed
    xdotool key alt+space
    local deadline=$((SECONDS + 30))
    while [ "$SECONDS" -lt "$deadline" ]; do
        sleep 0.2
        import -window root "$shots/$1.png"
        now=$(corner "$1")
        [ "$now" != "$closed" ] && [ "$now" = "$last" ] && return 0
        last=$now
    done
    fail "the system menu did not show for $1"
}
# The clicks gave the staff the focus, which draws a focus rectangle over the picture; Tab
# moves it on to "位置", so the staff is compared with the picture alone.
xdotool key Tab
menu 5-menu-bass
xdotool key --delay 100 Up Up Return
check '"清除" empties the staff' 6-cleared shows "$bass"

menu 7-menu-bass-again
xdotool key --delay 100 Up Up Up Return
check '"低音谱号" switches to the treble staff' 8-treble-staff shows "$treble"

menu 9-menu-treble
xdotool key Escape
# The menu is where the screen changed when it opened. In it only the check box's tick
# differs between bass and treble: some pixels within 20 x 20.
changed_box() {
    convert "$1" "$2" -compose difference -composite -threshold 0 -trim -format '%wx%h%X%Y' info:
}
area=$(changed_box "$work/9-menu-treble-closed.png" "$shots/9-menu-treble.png")
for shot in 7-menu-bass-again 9-menu-treble; do
    convert "$shots/$shot.png" -crop "$area" +repage "$work/$shot-menu.png"
done
pixels=$(compare -metric AE "$work/7-menu-bass-again-menu.png" "$work/9-menu-treble-menu.png" \
    null: 2>&1 || true)
tick=$(changed_box "$work/7-menu-bass-again-menu.png" "$work/9-menu-treble-menu.png")
read -r w h _ < <(echo "$tick" | tr 'x+' '  ')
[ "$pixels" -gt 0 ] && [ "$w" -le 20 ] && [ "$h" -le 20 ] ||
    fail "in the menu at $area, $pixels pixels in $tick differ between bass and treble"
echo "ok: the check mark goes ($pixels pixels in $tick of the menu at $area)"

expect_end_on_escape
echo "PASS"
