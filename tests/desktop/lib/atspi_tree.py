"""The program's accessibility tree as pyatspi reads it, with the events dispatched while a
test waits. Import it once session_bus.start_bus() has answered."""
import subprocess
import time

import pyatspi
from gi.repository import GLib


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


def fresh(node):
    """The node as the program says it is now, not as libatspi's cache last heard it."""
    node.clear_cache()
    return node


def walk(node, depth=0):
    yield fresh(node), depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def first(root, test):
    """The first node, in tree order, that passes `test`, or None."""
    return next((node for node, _ in walk(root) if test(node)), None)


def find(app, name, role=None):
    return first(app, lambda node: node.name == name and
                 (role is None or node.getRoleName() == role))


def named(root, starts, role=None):
    """The name of the first node whose name starts with `starts` (a string or a tuple of
    them), of the role given, or None."""
    found = first(root, lambda n: n.name.startswith(starts) and
                  (role is None or n.getRoleName() == role))
    return found.name if found else None


def dialog(desktop, title):
    """The dialog named `title` in whichever application holds it, or None."""
    return next((found for found in (
        first(app, lambda n: n.name == title and n.getRoleName() == "dialog")
        for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount))
        if app is not None) if found is not None), None)


def focused(node):
    return fresh(node).getState().contains(pyatspi.STATE_FOCUSED)


def registry_desktop(seconds=60):
    """The desktop once the registry answers, or None. A program joins the tree through the
    registry as it starts: the registry must answer first."""
    desktop = pyatspi.Registry.getDesktop(0)
    return desktop if poll(lambda: desktop.childCount >= 0, seconds) else None


def application(desktop, title):
    """The application whose tree holds a node named `title`, or None."""
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and find(app, title) is not None:
            return app
    return None


def pixel(shot, x, y):
    """"R G B" of a pixel of a picture file."""
    return subprocess.run(["convert", shot, "-format",
                           f"%[fx:int(255*p{{{x},{y}}}.r)] %[fx:int(255*p{{{x},{y}}}.g)] "
                           f"%[fx:int(255*p{{{x},{y}}}.b)]", "info:"],
                          check=True, capture_output=True, text=True).stdout
