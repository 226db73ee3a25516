#!/usr/bin/python3
"""The real program as a screen reader meets it, on a virtual X server with the desktop's
accessibility bus (at-spi2-core under dbus-launch) read through pyatspi, as Orca reads it.

Tab reaches the staff, Up three times places a note and lifts it to D5: the tree shows the
staff focused and naming the note, each change is announced, the screen shows the black
note with the focus rectangle. After Tab and Space on "位置" the button's new caption is in
the tree and announced. Alt+Space with "退出" focused opens the system menu and the program
runs on. The tree is printed before and after the keyboard edit.

Usage: atspi_test.py PROGRAM SCREENSHOT_DIR
"""
import os
import subprocess
import sys
import tempfile
import time
import traceback

PROGRAM, SHOTS = sys.argv[1], sys.argv[2]
ON_DISPLAY = "--on-display"

if ON_DISPLAY not in sys.argv:
    # A free display of our own; the locale lets xdotool match the Chinese title.
    os.environ["LC_ALL"] = "C.UTF-8"
    # No key repeat: on a busy machine a key can stay down long enough to repeat.
    os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1024x768x24 -ardelay 60000",
                           sys.executable, __file__, PROGRAM, SHOTS, ON_DISPLAY])

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "lib"))
import session_bus  # noqa: E402

work = tempfile.mkdtemp(prefix="canzet-atspi-")
session_bus.silent_session(work)
started = session_bus.start_bus()
if started is None:
    print("FAIL: no accessibility bus")
    sys.exit(1)

import pyatspi  # noqa: E402  (the buses must exist first)
from atspi_tree import application, find, focused, fresh, pixel, poll, walk  # noqa: E402

told = []
# Popup menus are no children of the application: a screen reader meets them when they show.
menus = []


def listen(event):
    told.append((event.type, event.source.name if event.source else "", str(event.any_data)))
    if event.type == "object:state-changed:showing" and event.detail1 == 1 and \
            event.source.getRoleName() == "popup menu":
        menus.append(event.source)


def wait_for(what, check, seconds=30):
    return poll(check, seconds) or fail("timed out waiting for " + what)


def press(name, what, check):
    """A key and its effect. On a busy machine a key takes its time: the toolkit first asks
    the accessibility bus whether a screen reader wants it."""
    key(name)
    wait_for(f"{what} after {name}", check, 60)


def fail(message):
    print("FAIL:", message)
    try:
        print(open(os.path.join(work, "program.log")).read())
    except OSError:
        pass
    finish(1)


def finish(status):
    if program is not None and program.poll() is None:
        program.kill()
    session_bus.stop_bus(started)
    subprocess.run(["rm", "-rf", work])
    sys.exit(status)


def crashed(kind, value, trace):
    """Whatever goes wrong, the daemons and the program go too."""
    traceback.print_exception(kind, value, trace)
    finish(1)


sys.excepthook = crashed


def dump(app, title):
    print(f"--- {title}")
    for node, depth in walk(app):
        states = node.getState()
        marks = [name for name, state in (("focusable", pyatspi.STATE_FOCUSABLE),
                                          ("focused", pyatspi.STATE_FOCUSED),
                                          ("showing", pyatspi.STATE_SHOWING))
                 if states.contains(state)]
        description = f" description='{node.description}'" if node.description else ""
        print(f"{'  ' * depth}{node.getRoleName()} '{node.name}'{description} [{' '.join(marks)}]")


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


program = None
pyatspi.Registry.registerEventListener(listen, "object:property-change:accessible-name",
                                       "object:property-change:accessible-description",
                                       "object:state-changed:showing")
desktop = pyatspi.Registry.getDesktop(0)
# The program joins the tree through the registry as it starts: the registry must answer.
wait_for("the accessibility registry", lambda: desktop.childCount >= 0, 60)
log = open(os.path.join(work, "program.log"), "w")
program = subprocess.Popen([PROGRAM], stdout=log, stderr=log,
                           env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))


app = wait_for("the program in the accessibility tree",
               lambda: application(desktop, "五线谱Demo"), 90)
staff = wait_for("the staff", lambda: find(app, "五线谱"))
exit_button = find(app, "退出", "push button")
dump(app, "before")

window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "五线谱Demo"],
                        check=True, capture_output=True, text=True, timeout=30).stdout.split()[0]
subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True, timeout=30)
wait_for("the focus on 退出", lambda: focused(exit_button))

if fresh(staff).description != "没有音符":
    fail(f"empty staff says '{staff.description}'")
press("Tab", "the focus on the staff", lambda: focused(staff))
told.clear()


def announced():
    return [value for kind, source, value in told
            if kind.endswith("accessible-description") and source == "五线谱"]


# One key at a time, each awaited: the toolkit hands every key to the accessibility bus
# (for screen readers' own shortcuts) before the widget sees it.
for count, pitch in enumerate(("B4", "C5", "D5"), 1):
    press("Up", pitch + " in the staff's text", lambda: pitch in fresh(staff).description)
    wait_for(f"announcement {count}", lambda: len(announced()) >= count)
if poll(lambda: len(announced()) > 3, 1):
    fail(f"each change announced more than once: {announced()}")
dump(app, "after Tab and Up three times")
if fresh(staff).description != "D5，第9位" or not focused(staff):
    fail(f"staff says '{staff.description}', focused {focused(staff)}")

geometry = dict(line.split("=") for line in subprocess.run(
    ["xdotool", "getwindowgeometry", "--shell", window], check=True, capture_output=True,
    text=True).stdout.split())
left, top = int(geometry["X"]) + 10, int(geometry["Y"]) + 40
shot = os.path.join(SHOTS, "keyboard-edit.png")
os.makedirs(SHOTS, exist_ok=True)


def shown():
    subprocess.run(["import", "-window", "root", shot], check=True)
    # The ring's thick left side at y 67, and the focus rectangle's first dot.
    return pixel(shot, left + 324 - 8, top + 67) == "0 0 0" and pixel(shot, left, top) == "0 0 0"


wait_for("a black note at y 67 and the focus rectangle on the screen", shown, 15)

position = find(app, "位置", "push button")
press("Tab", "the focus on 位置", lambda: focused(position))
press("space", "the caption 9 in the tree", lambda: find(app, "9", "push button"))
wait_for("the caption change announced", lambda: any(
    kind.endswith("accessible-name") and "9" in (source, value) for kind, source, value in told),
    10)
dump(app, "after 位置")

press("Tab", "the focus back on 退出", lambda: focused(exit_button))
press("alt+space", "the system menu", lambda: next(
    (menu for menu in menus if find(menu, "关闭", "menu item") is not None), None))
menu = menus[-1]
dump(menu, "the menu Alt+Space opened")
time.sleep(0.5)
if program.poll() is not None:
    fail("Alt+Space ended the program")
key("Escape")
print("PASS")
finish(0)
