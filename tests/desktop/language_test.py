#!/usr/bin/env python3
"""Runs the real program on a virtual X server once in each language, chosen by LANG alone,
and reads what it shows from its accessibility tree (AT-SPI), as a screen reader would.

Checks, in each language: the message box that reports a MIDI device that cannot be set up,
here for want of the soundfont named (its text and Qt's own button text), the main dialog's
caption and buttons, and the About box opened from the system menu; in English, each
button's caption clear of its frame. Screenshots of the message box, the main dialog, the menu and the
About box are kept in the folder given by --shots.

Usage: language_test.py [--shots DIR] path/to/canzet
Run it inside a private session bus and X server, as its ctest entry does:
    dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" language_test.py ...
"""

import argparse
import collections
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

# What the program shows in each language: the message box's text and button, the main
# dialog's caption and buttons, the About box's caption, texts and button.
Texts = collections.namedtuple(
    "Texts", "message message_button main main_buttons about about_texts about_button")
LANGUAGES = {
    "en_US.UTF-8": Texts("Failed to initialise the MIDI device!", "OK", "Staff Demo", ["Exit", "Position"],
                         "About Canzet", ["Canzet Version 1.0", "Copyright (C) 2026"], "OK"),
    "zh_CN.UTF-8": Texts("初始化Midi设备失败!", "确定", "五线谱Demo", ["退出", "位置"],
                         "关于 Canzet", ["Canzet 1.0 版", "版权所有 (C) 2026"], "确定"),
}
WAIT = 30


class CheckFailed(Exception):
    pass


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def program_node(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def showing_window(pid, name):
    """The program's top-level window of that name if it shows, else None."""
    app = program_node(pid)
    for window in ([] if app is None else [app.getChildAtIndex(i)
                                           for i in range(app.childCount)]):
        if window is not None and window.name == name and \
                window.getState().contains(pyatspi.STATE_SHOWING):
            return window
    return None


def wait_for_window(pid, name, what, present=True):
    """The top-level window of that name, once it shows; with present=False, None once
    no such window shows any more."""
    deadline = time.monotonic() + WAIT
    while time.monotonic() < deadline:
        window = showing_window(pid, name)
        if (window is not None) == present:
            return window
        time.sleep(0.2)
    raise CheckFailed(f"{what} {name!r} did not {'show' if present else 'close'}")


def names(window, role):
    """The names of the window's nodes of that role; an icon's label has none."""
    return [node.name for node in walk(window) if node.getRole() == role and node.name]


def expect(got, wanted, what):
    if got != wanted:
        raise CheckFailed(f"{what}: {got!r}, expected {wanted!r}")


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def press_over(window, *keys):
    """Keys to the window under the pointer: with no window manager, focus follows it."""
    x, y = window.queryComponent().getPosition(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", str(x + 20), str(y + 20))
    time.sleep(0.3)
    xdotool("key", *keys)


def visible_windows(pid):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                           capture_output=True, text=True).stdout
    return set(found.split())


def shoot(shots, name):
    time.sleep(0.5)
    subprocess.run(["import", "-window", "root", os.path.join(shots, name + ".png")],
                   check=True)


def caption_margins(shots, name, node):
    """Left, top, right and bottom margins, in pixels, between a button's drawn caption and
    the inside of its frame (3 pixels in from its edge) in screenshot NAME."""
    x, y, width, height = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    inside = f"{width - 6}x{height - 6}+{x + 3}+{y + 3}"
    box = subprocess.run(["convert", os.path.join(shots, name + ".png"), "-crop", inside,
                          "+repage", "-fuzz", "25%", "-trim", "-format", "%w %h %X %Y", "info:"],
                         capture_output=True, text=True, check=True).stdout.split()
    w, h, left, top = (int(value) for value in box)
    return left, top, width - 6 - left - w, height - 6 - top - h


def expect_captions_fit(shots, name, window):
    """Every button's caption stands clear of its frame on every side."""
    for node in walk(window):
        if node.getRole() == pyatspi.ROLE_PUSH_BUTTON:
            margins = caption_margins(shots, name, node)
            if min(margins) < 2:
                raise CheckFailed(f'"{node.name}" fills its button: margins {margins}')
            print(f'  "{node.name}" fits its button: margins {margins} (left, top, right, bottom)')


def run_language(program, locale, texts, shots, work):
    env = {k: v for k, v in os.environ.items()
           if k not in ("LANGUAGE", "LC_ALL", "LC_MESSAGES", "QT_QPA_PLATFORM")}
    env.update(LANG=locale, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               # No audio output: no sound server answers and ALSA has no device.
               PULSE_SERVER="unix:" + os.path.join(work, "nobody"),
               JACK_NO_START_SERVER="1", JACK_DEFAULT_SERVER=f"canzet-private-{os.getpid()}",
               ALSA_CONFIG_PATH=os.path.join(work, "asound.conf"), XDG_RUNTIME_DIR=work)
    log = open(os.path.join(work, f"program-{locale}.log"), "w")
    process = subprocess.Popen([program, "--soundfont", os.path.join(work, "missing.sf2")],
                               env=env, stdout=log, stderr=log)
    try:
        if os.path.exists("/dev/snd"):
            print(f"{locale}: a sound device exists here; the failure message is not checked")
        else:
            box = wait_for_window(process.pid, "Canzet", "the message box")
            expect(names(box, pyatspi.ROLE_LABEL), [texts.message], "message text")
            expect(names(box, pyatspi.ROLE_PUSH_BUTTON), [texts.message_button],
                   "message box button")
            shoot(shots, f"message-{locale}")
            press_over(box, "Return")

        main = wait_for_window(process.pid, texts.main, "the main dialog")
        expect(names(main, pyatspi.ROLE_PUSH_BUTTON), texts.main_buttons, "main buttons")
        shoot(shots, f"main-{locale}")
        if locale.startswith("en"):
            expect_captions_fit(shots, f"main-{locale}", main)

        # The system menu opens on a right click; the About box is its sixth item from the
        # bottom, above the three clef items, clear and practice.
        x, y = main.queryComponent().getPosition(pyatspi.DESKTOP_COORDS)
        shown = visible_windows(process.pid)
        xdotool("mousemove", str(x + 20), str(y + 20), "click", "3")
        deadline = time.monotonic() + WAIT
        while visible_windows(process.pid) <= shown:
            if time.monotonic() > deadline:
                raise CheckFailed("the system menu did not open")
            time.sleep(0.2)
        shoot(shots, f"menu-{locale}")
        xdotool("key", "Up", "Up", "Up", "Up", "Up", "Up", "Return")
        about = wait_for_window(process.pid, texts.about, "the About box")
        expect(names(about, pyatspi.ROLE_LABEL), texts.about_texts,
               "About box texts")
        expect(names(about, pyatspi.ROLE_PUSH_BUTTON), [texts.about_button],
               "About box button")
        shoot(shots, f"about-{locale}")
        if locale.startswith("en"):
            expect_captions_fit(shots, f"about-{locale}", about)
        press_over(about, "Return")
        wait_for_window(process.pid, texts.about, "the About box", present=False)
        press_over(main, "Escape")
        try:
            status = process.wait(timeout=WAIT)
        except subprocess.TimeoutExpired:
            raise CheckFailed(f"the program did not end on Escape within {WAIT} s") from None
        if status != 0:
            raise CheckFailed(f"the program ended with status {status}")
    except CheckFailed as failure:
        shoot(shots, f"failed-{locale}")
        log.flush()
        with open(log.name) as printed:
            raise CheckFailed(f"{locale}: {failure}\n{printed.read()}") from None
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
        log.close()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--shots", default=None)
    parser.add_argument("program")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as work:
        with open(os.path.join(work, "asound.conf"), "w") as conf:
            conf.write("pcm.!default { type hw card 99 }\nctl.!default { type hw card 99 }\n")
        shots = args.shots or work
        os.makedirs(shots, exist_ok=True)
        try:
            for locale, texts in LANGUAGES.items():
                run_language(os.path.abspath(args.program), locale, texts, shots, work)
        except CheckFailed as failure:
            print(f"FAIL: {failure}")
            return 1
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
