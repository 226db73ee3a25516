#!/usr/bin/env bash
# Starts the installed program from a menu entry, as a desktop does (gio launch), on a
# virtual X server, and waits for its window: the entry's command and icon must resolve.
# The practice entry opens the practice dialog, the program's own entry its main window.
#   tests/package/menu_entry_test.sh [/usr/share/applications/canzet[-practice].desktop]
set -euo pipefail
# xdotool matches the Chinese window title only in a UTF-8 locale.
export LC_ALL=C.UTF-8
entry=${1:-/usr/share/applications/canzet.desktop}
case $(basename "$entry") in
    canzet-practice.desktop) title='^练习$' ;;
    *) title='五线谱Demo' ;;
esac
# shellcheck source-path=SCRIPTDIR source=../desktop/lib/program_on_display.sh
. "$(dirname "$0")/../desktop/lib/program_on_display.sh"
if [ "${2:-}" != --on-display ]; then
    run_on_display "" "$entry"
fi

icon=$(sed -n 's/^Icon=//p' "$entry")
ls /usr/share/icons/hicolor/*/apps/"$icon".png >/dev/null ||
    { echo "FAIL: no icon $icon in the hicolor theme"; exit 1; }

start_silent_session

gio launch "$entry"
window=$(timeout 30 xdotool search --sync --onlyvisible --name "$title" | head -1) ||
    { echo "FAIL: the menu entry opened no window"; exit 1; }
pid=$(xdotool getwindowpid "$window")
program=$(readlink "/proc/$pid/exe")
kill "$pid"
[ "$program" = /usr/bin/canzet ] || { echo "FAIL: the window is $program's"; exit 1; }
echo "PASS: the menu entry started $program, window $title"
