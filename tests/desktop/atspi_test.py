#!/usr/bin/python3
"""The real program as a screen reader meets it, on a virtual X server with the desktop's
accessibility bus (at-spi2-core under dbus-launch) read through pyatspi, as Orca reads it.

The program holds three notes (--notes 3). The staff is a list, an operable control; Tab
reaches it, Up three times places a note and lifts it to D5, Space twice places two more
beside it, Ctrl+Left twice goes back to D5: after each key the tree has one child per note
and the events name the note that changed (focus on a new current note, a name change on a
moved one), never the whole staff. The screen shows the current note in red among black
ones, and the focus rectangle. Enter on the staff shows its step, 9, on "位置", described "位置：9". Alt+Space
with "退出" focused opens the system menu and the program runs on. The tree is printed
before and after the keyboard edit, and the events of each key.

Usage: atspi_test.py PROGRAM SCREENSHOT_DIR
"""
import os
import subprocess
import sys
import time

PROGRAM, SHOTS = sys.argv[1], sys.argv[2]

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "lib"))
from xvfb_session import Session, origin, x_window  # noqa: E402

session = Session("canzet-atspi-", (1024, 768))
fail, finish, wait_for = session.fail, session.finish, session.wait_for

import pyatspi  # noqa: E402  (the buses must exist first)
from atspi_tree import (application, find, focused, fresh, pixel, pump,  # noqa: E402
                        registry_desktop, walk)
from gi.repository import GLib  # noqa: E402

told = []
# Popup menus are no children of the application: a screen reader meets them when they show.
menus = []


def listen(event):
    source = event.source
    try:
        role = source.getRoleName() if source else ""
    except GLib.GError:
        # Gone by the time the event is read.
        role = "gone"
    told.append((event.type, source.name if source else "", str(event.any_data), role,
                 event.detail1))
    if event.type == "object:state-changed:showing" and event.detail1 == 1 and \
            event.source.getRoleName() == "popup menu":
        menus.append(event.source)


def press(name, what, check):
    """A key and its effect. On a busy machine a key takes its time: the toolkit first asks
    the accessibility bus whether a screen reader wants it."""
    key(name)
    wait_for(f"{what} after {name}", check, 60)


def dump(app, title):
    print(f"--- {title}")
    for node, depth in walk(app):
        states = node.getState()
        marks = [name for name, state in (("focusable", pyatspi.STATE_FOCUSABLE),
                                          ("focused", pyatspi.STATE_FOCUSED),
                                          ("showing", pyatspi.STATE_SHOWING))
                 if states.contains(state)]
        marks += ["selected"] if states.contains(pyatspi.STATE_SELECTED) else []
        description = f" description='{node.description}'" if node.description else ""
        print(f"{'  ' * depth}{node.getRoleName()} '{node.name}'{description} [{' '.join(marks)}]")


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


pyatspi.Registry.registerEventListener(listen, "object:property-change:accessible-name",
                                       "object:property-change:accessible-description",
                                       "object:state-changed:showing",
                                       "object:state-changed:focused")
desktop = registry_desktop()
if desktop is None:
    fail("no answer from the accessibility registry")
program = session.start(PROGRAM, "--notes", "3")


app = wait_for("the program in the accessibility tree",
               lambda: application(desktop, "五线谱Demo"), 90)
staff = wait_for("the staff", lambda: find(app, "五线谱"))
exit_button = find(app, "退出", "push button")
dump(app, "before")

window = x_window("五线谱Demo")
subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True, timeout=30)
wait_for("the focus on 退出", lambda: focused(exit_button))

if fresh(staff).getRoleName() != "list" or staff.childCount != 0 or \
        staff.description != "没有音符":
    fail(f"empty staff is a {staff.getRoleName()} of {staff.childCount} saying "
         f"'{staff.description}'")
press("Tab", "the focus on the staff", lambda: focused(staff))


def notes():
    return [fresh(staff.getChildAtIndex(i)).name for i in range(fresh(staff).childCount)]


def key_told(name, expected_notes, told_note, kind):
    """One key: the staff's children afterwards, and an event of `kind` on the child named
    `told_note`, and no new name or description of the staff as a whole (the focus may
    pass from the staff to the note)."""
    told.clear()
    press(name, f"the notes {expected_notes}", lambda: notes() == expected_notes)
    wait_for(f"{kind} on '{told_note}'", lambda: any(
        k.endswith(kind) and source == told_note and role == "list item"
        for k, source, _, role, _ in told), 10)
    pump()
    print(f"key {name}: children {notes()}")
    for k, source, value, role, detail in told:
        print(f"  {k} {role} '{source}' {detail} {value}")
    whole = [event for event in told if event[1] == "五线谱" and "property-change" in event[0]]
    if whole:
        fail(f"{name} told the whole staff: {whole}")


# One key at a time, each awaited: the toolkit hands every key to the accessibility bus
# (for screen readers' own shortcuts) before the widget sees it.
key_told("Up", ["B4，第7位"], "B4，第7位", "focused")
key_told("Up", ["C5，第8位"], "C5，第8位", "accessible-name")
key_told("Up", ["D5，第9位"], "D5，第9位", "accessible-name")
key_told("space", ["D5，第9位", "B4，第7位"], "B4，第7位", "focused")
key_told("space", ["D5，第9位", "B4，第7位", "B4，第7位"], "B4，第7位", "focused")
key_told("ctrl+Left", ["D5，第9位", "B4，第7位", "B4，第7位"], "B4，第7位", "focused")
chosen = fresh(staff.getChildAtIndex(1))
if chosen.description != "第2个，共3个：B4，第7位" or not focused(chosen):
    fail(f"the chosen note says '{chosen.description}', focused {focused(chosen)}")
key_told("ctrl+Left", ["D5，第9位", "B4，第7位", "B4，第7位"], "D5，第9位", "focused")
dump(app, "after Tab, Up three times, Space twice and Ctrl+Left twice")
if fresh(staff).description != "D5，第9位；B4，第7位；B4，第7位" or not focused(staff):
    fail(f"staff says '{staff.description}', focused {focused(staff)}")

left, top = origin(window)
left, top = left + 10, top + 40
shot = os.path.join(SHOTS, "keyboard-edit.png")
os.makedirs(SHOTS, exist_ok=True)


def shown():
    subprocess.run(["import", "-window", "root", shot], check=True)
    # The rings' thick left sides: the current note's red (a dragged note's picture), the
    # others' black; and the focus rectangle's first dot.
    return pixel(shot, left + 324 - 8, top + 67) == "255 0 0" and \
        pixel(shot, left + 354 - 8, top + 81) == "0 0 0" and pixel(shot, left, top) == "0 0 0"


wait_for("the current note red, the others black and the focus rectangle on the screen",
         shown, 15)

press("Return", "the caption 9 in the tree", lambda: find(app, "9", "push button"))
position = find(app, "9", "push button")
if fresh(position).description != "位置：9" or program.poll() is not None:
    fail(f"the button says '{position.description}', the program ran on: {program.poll()}")
dump(app, "after Enter")

press("Tab", "the focus on 9", lambda: focused(position))
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
