#!/usr/bin/python3
"""A Read round answered from a MIDI keyboard through JACK, in the real program: a JACK
server of the test's own (jackd with its dummy driver, under a name of its own), a keyboard
of the test's own on it (jack_keyboard, a port registered as physical), `canzet --practice`
on a virtual X server, its result lines read through the accessibility tree and its answers
from the progress file.

Every question asks G4 (the last choices, written first, hold the range at step 5): G4 is
right, G5 the wrong octave, F#4 a black key; a key while a result shows answers nothing.

Usage: midi_in_jack_test.py PROGRAM JACK_KEYBOARD
"""
import os
import subprocess
import sys
import time

PROGRAM, KEYBOARD = sys.argv[1], sys.argv[2]

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "lib"))
from xvfb_session import Session  # noqa: E402

session = Session("canzet-midi-in-", (1024, 768))
fail, wait_for = session.fail, session.wait_for
session.data_folder({"drill": "read", "clef": "treble", "low": 5, "high": 5, "count": 10})
os.environ.update(JACK_NO_START_SERVER="1",
                  JACK_DEFAULT_SERVER=f"canzet-test-{os.getpid()}")

import pyatspi  # noqa: E402  (the buses must exist first)
from atspi_tree import dialog, named, registry_desktop  # noqa: E402

jackd = subprocess.Popen(["jackd", "-n", os.environ["JACK_DEFAULT_SERVER"], "-d", "dummy",
                          "-r", "48000", "-p", "256"],
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
keyboard = None


def finish(status):
    # Asked to end, not killed: a JACK server killed keeps its place among the few a machine
    # may run, until that machine restarts.
    for process in (keyboard, jackd):
        if process is not None and process.poll() is None:
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
    end_session(status)


# Whatever ends the run (a failure, an exception) ends the server and the keyboard too.
end_session, session.finish = session.finish, finish


def start_keyboard():
    process = subprocess.Popen([KEYBOARD], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                               text=True)
    return process if process.stdout.readline().strip() == "ready" else None


for _ in range(50):
    keyboard = start_keyboard()
    if keyboard is not None:
        break
    time.sleep(0.2)
else:
    fail("no JACK server of our own")

desktop = registry_desktop()
if desktop is None:
    fail("no answer from the accessibility registry")
session.start(PROGRAM, "--practice", "--language", "en", "--midi-out", "none")
app = wait_for("the practice dialog", lambda: dialog(desktop, "Practice"), 90)
wait_for("the keyboard's line", lambda: "canzet: MIDI keyboard: test-keyboard:keys" in session.log())


def label(starts):
    return named(app, starts, "label")


def play(key, what, check):
    keyboard.stdin.write(f"on {key}\noff {key}\n")
    keyboard.stdin.flush()
    return wait_for(what, check)


wait_for("the dialog's keyboard line", lambda: label("MIDI keyboard: test-keyboard:keys"))
lines = []
for key, expected in ((67, "\u2713 Right: G4, "), (79, "\u2717 Not quite: this is G4, you played G5"),
                      (66, "\u2717 Not quite: this is G4, you played F\u266f4")):
    wait_for("the question", lambda: label("Which note") and label(("\u2713", "\u2717")) is None)
    time.sleep(0.3)
    lines.append(play(key, expected, lambda: label(expected)))
    if key == 79:
        # A key while the result shows is no answer, and no "next".
        keyboard.stdin.write("on 60\noff 60\n")
        keyboard.stdin.flush()
        time.sleep(1)
        if label(expected) is None or len(session.answers()) != 2:
            fail("a key while the result showed answered")
    subprocess.run(["xdotool", "key", "Return"], check=True)
print("\n".join(lines))

kept = session.kept([("G", True, 67), ("G", False, 79), ("F", False, 66)])
if any(ms < 300 for *_, ms in kept):
    fail("response times shorter than the wait before each key")

keyboard.stdin.close()
keyboard.wait()
wait_for("the keyboard gone", lambda: "canzet: MIDI keyboard gone: test-keyboard:keys" in session.log())
wait_for("the dialog's line without it", lambda: label("No MIDI keyboard"))
# Plugged in again, later than the program started: heard again.
keyboard = start_keyboard()
wait_for("the keyboard back", lambda: session.log().count("canzet: MIDI keyboard: test-keyboard") == 2)
play(67, "a key of the keyboard plugged in later", lambda: len(session.answers()) == 4)
finish(0)
