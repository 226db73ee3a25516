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

work = tempfile.mkdtemp(prefix="canzet-atspi-")
os.environ["XDG_RUNTIME_DIR"] = work
os.environ["HOME"] = work
# The synthesizer plays into ALSA's null device on a machine without sound hardware.
with open(os.path.join(work, "asound.conf"), "w") as conf:
    conf.write("pcm.!default { type null }\nctl.!default { type hw card 0 }\n")
os.environ["ALSA_CONFIG_PATH"] = os.path.join(work, "asound.conf")
os.environ.pop("QT_QPA_PLATFORM", None)

# A private session bus, and the accessibility bus that at-spi2-core launches on it.
for line in subprocess.run(["dbus-launch", "--sh-syntax"], check=True, capture_output=True,
                           text=True).stdout.splitlines():
    if "=" in line and not line.startswith("export"):
        key, value = line.rstrip(";").split("=", 1)
        os.environ[key] = value.strip("'")
# Each in a process group of its own, so that the daemons they start go with them.
started = [subprocess.Popen([command], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            start_new_session=True)
           for command in ("/usr/libexec/at-spi-bus-launcher", "/usr/libexec/at-spi2-registryd")]

# The program looks for the accessibility bus once, as it starts: it must be there by then.
deadline = time.monotonic() + 60
while subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                      "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode != 0:
    if time.monotonic() > deadline:
        print("FAIL: no accessibility bus")
        sys.exit(1)
    time.sleep(0.2)

import pyatspi  # noqa: E402  (the buses must exist first)
from gi.repository import GLib  # noqa: E402

told = []
# Popup menus are no children of the application: a screen reader meets them when they show.
menus = []


def listen(event):
    told.append((event.type, event.source.name if event.source else "", str(event.any_data)))
    if event.type == "object:state-changed:showing" and event.detail1 == 1 and \
            event.source.getRoleName() == "popup menu":
        menus.append(event.source)


def pump():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def poll(check, seconds):
    """Polls `check` until it returns something true, dispatching events meanwhile."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        pump()
        try:
            found = check()
        except GLib.GError as error:
            # A call that found the program too busy to answer in time: ask again.
            print("note:", error.message)
            found = None
        if found:
            return found
        time.sleep(0.1)
    return None


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
    for process in started:
        try:
            os.killpg(process.pid, 9)
        except ProcessLookupError:
            pass
    subprocess.run(["kill", os.environ.get("DBUS_SESSION_BUS_PID", "0")],
                   stderr=subprocess.DEVNULL)
    subprocess.run(["rm", "-rf", work])
    sys.exit(status)


def fresh(node):
    """The node as the program says it is now, not as libatspi's cache last heard it."""
    node.clear_cache()
    return node


def crashed(kind, value, trace):
    """Whatever goes wrong, the daemons and the program go too."""
    traceback.print_exception(kind, value, trace)
    finish(1)


sys.excepthook = crashed


def walk(node, depth=0):
    yield fresh(node), depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


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


def find(app, name, role=None):
    for node, _ in walk(app):
        if node.name == name and (role is None or node.getRoleName() == role):
            return node
    return None


def focused(node):
    return fresh(node).getState().contains(pyatspi.STATE_FOCUSED)


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


def pixel(shot, x, y):
    return subprocess.run(["convert", shot, "-format",
                           f"%[fx:int(255*p{{{x},{y}}}.r)] %[fx:int(255*p{{{x},{y}}}.g)] "
                           f"%[fx:int(255*p{{{x},{y}}}.b)]", "info:"],
                          check=True, capture_output=True, text=True).stdout


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


def the_app():
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and find(app, "五线谱Demo") is not None:
            return app
    return None


app = wait_for("the program in the accessibility tree", the_app, 90)
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
