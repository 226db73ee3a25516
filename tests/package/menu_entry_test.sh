#!/usr/bin/env bash
# Starts the installed program from its menu entry, as a desktop does (gio launch), on a
# virtual X server, and waits for its window: the entry's command and icon must resolve.
#   tests/package/menu_entry_test.sh [/usr/share/applications/canzet.desktop]
set -euo pipefail
# xdotool matches the Chinese window title only in a UTF-8 locale.
export LC_ALL=C.UTF-8
entry=${1:-/usr/share/applications/canzet.desktop}
if [ "${2:-}" != --on-display ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$entry" --on-display
fi

icon=$(sed -n 's/^Icon=//p' "$entry")
ls /usr/share/icons/hicolor/*/apps/"$icon".png >/dev/null ||
    { echo "FAIL: no icon $icon in the hicolor theme"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Sound goes to ALSA's null output, so the synthesizer opens on a machine without a card.
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$work/asound.conf"
export ALSA_CONFIG_PATH=$work/asound.conf XDG_RUNTIME_DIR=$work
unset QT_QPA_PLATFORM

gio launch "$entry"
window=$(timeout 30 xdotool search --sync --onlyvisible --name '五线谱Demo' | head -1) ||
    { echo "FAIL: the menu entry opened no window"; exit 1; }
pid=$(xdotool getwindowpid "$window")
program=$(readlink "/proc/$pid/exe")
kill "$pid"
[ "$program" = /usr/bin/canzet ] || { echo "FAIL: the window is $program's"; exit 1; }
echo "PASS: the menu entry started $program"
