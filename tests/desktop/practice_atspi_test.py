#!/usr/bin/python3
"""A practice round as a keyboard and screen-reader user has it: `canzet --practice` on a
virtual X server with the desktop's accessibility bus, read through pyatspi.

The focus starts on the answer: the first Read question's name button, and typing "d" answers
it. Then Place in the treble clef, five questions, by keys alone: Shift+Tab goes back to the
drill list, Down chooses Place, Tab reaches the staff and Enter there starts the round, Down
places a note and Up/Down move it, Enter checks and Enter again moves on. The
first question's step is always answered wrong, every other step right. The tree shows each
prompt and result as it changes; then Progress opens and its picture, in greyscale, shows
the always-right step's meter full and the always-wrong one's empty.

With NAMES "numbers" the last choices name notes in numbered notation and ask one note in G
major: the name buttons read 1 to 7, the prompt gives "1=G", the digit key answers it and the
result line names the note that way; the same note again is answered by its letter, S (the
sharp) then F, and the progress view names it in numbered notation; the rest is left out.

Usage: practice_atspi_test.py PROGRAM SCREENSHOT_DIR [NAMES]
"""
import os
import subprocess
import sys
import time

PROGRAM, SHOTS = sys.argv[1], sys.argv[2]
NAMES = sys.argv[3] if len(sys.argv) > 3 and not sys.argv[3].startswith("--") else None

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "lib"))
from xvfb_session import Session, origin, x_window  # noqa: E402

session = Session("canzet-practice-", (1280, 900))
fail, finish, wait_for = session.fail, session.finish, session.wait_for
session.data_folder()

import pyatspi  # noqa: E402  (the buses must exist first)
from atspi_tree import dialog, first, focused, named, poll, registry_desktop, walk  # noqa: E402

told = []


def listen(event):
    if event.source is not None:
        told.append((event.source.getRoleName(), event.source.name))


def label(starts):
    """The text of the label that starts with one of `starts`, as the tree has it now."""
    return named(app, starts, "label")


def key(name, what, check):
    subprocess.run(["xdotool", "key", name], check=True)
    wait_for(f"{what} after {name}", check)


def grey(shot, x, y):
    return int(subprocess.run(["convert", shot, "-colorspace", "Gray", "-format",
                               f"%[fx:int(255*p{{{x},{y}}}.r)]", "info:"],
                              check=True, capture_output=True, text=True).stdout)


pyatspi.Registry.registerEventListener(listen, "object:property-change:accessible-name")
desktop = registry_desktop()
if desktop is None:
    fail("no answer from the accessibility registry")
names_options = []
if NAMES:
    # A Read round of one note in G major, named as the learner chose last time.
    progress = os.path.join(session.work, "names", "practice.jsonl")
    os.makedirs(os.path.dirname(progress))
    with open(os.path.join(session.work, "names", "practice-choices.json"), "w") as choices:
        choices.write('{"drill": "read", "clef": "treble", "low": 11, "high": 11, "count": 10, '
                      f'"ledger": 1, "key": 1, "names": "{NAMES}"}}')
    names_options = ["--progress-file", progress]
session.start(PROGRAM, "--practice", "--language", "zh", "--midi-out", "none", *names_options)
# The practice dialog, whose controls are looked for below: the main dialog has a staff too.
app = wait_for("the practice dialog in the tree", lambda: dialog(desktop, "练习"), 90)
window = x_window("^练习$")
subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True, timeout=30)
drill = wait_for("the drill list", lambda: first(app, lambda n: n.getRoleName() == "combo box"))
RESULTS = ("\u2713 对！", "\u2717 不对：")


def focus_names():
    return [(n.getRoleName(), n.name) for n, _ in walk(app) if focused(n)]


if NAMES == "numbers":
    one = first(app, lambda n: n.getRoleName() == "push button" and n.name == "1")
    if not poll(lambda: focused(one), 30):
        fail("focus at the start on " + str(focus_names()))
    # F5 under G major's signature is F♯5, the key's 7 in its middle octave.
    prompt = wait_for("the prompt with the key's tonic", lambda: label("这是什么音？"))
    print("prompt:", prompt)
    if prompt != "这是什么音？（1=G）":
        fail("the prompt does not give the tonic: " + prompt)
    key("7", "the Read question answered", lambda: label(RESULTS))
    result = label(RESULTS)
    print("after 7:", result)
    if not result.startswith(RESULTS[0] + "7（升F5），"):
        fail("not named in numbered notation: " + result)
    # The letter keys answer too, whatever the buttons show: S chooses the sharp, F is F♯.
    key("Return", "the next question", lambda: label(RESULTS) is None)
    subprocess.run(["xdotool", "key", "s"], check=True)
    key("f", "the Read question answered by its letter", lambda: label(RESULTS))
    result = label(RESULTS)
    print("after s f:", result)
    if not result.startswith(RESULTS[0] + "7（升F5），"):
        fail("the letter keys do not answer in numbered notation: " + result)
    # The progress view names the note as the round does.
    progress = first(app, lambda n: n.name == "进度" and n.getRoleName() == "push button")
    key("Tab", "the focus on 进度", lambda: focused(progress))
    subprocess.run(["xdotool", "key", "space"], check=True)
    view = wait_for("the progress view", lambda: dialog(desktop, "进度"), 30)
    words = wait_for("the progress words", lambda: named(view, "7（", "label"))
    print("progress:", words)
    if not words.startswith("7（升F5）：100% 对，"):
        fail("the progress view does not name the note in numbered notation: " + words)
    finish(0)
name_c = first(app, lambda n: n.getRoleName() == "push button" and n.name == "C")
if not poll(lambda: focused(name_c), 30):
    fail("focus at the start on " + str(focus_names()))
print("focus at the start:", focus_names())
key("d", "the Read question answered", lambda: label(RESULTS))
print("after d:", label(RESULTS))
# The answer moved the focus on to Next; Shift+Tab goes back through the name buttons, the
# staff and the other lists to the drill list.
for _ in range(7 + 1 + 6):
    subprocess.run(["xdotool", "key", "shift+Tab"], check=True)
wait_for("the focus on the drill list", lambda: focused(drill))
subprocess.run(["xdotool", "key", "Down"], check=True)
staff = first(app, lambda n: n.name == "五线谱")
for _ in range(6):
    subprocess.run(["xdotool", "key", "Tab"], check=True)
if not poll(lambda: focused(staff), 30):
    fail("focus on " + str(focus_names()))
told.clear()
key("Return", "the Place prompt", lambda: label("把 "))

pitches = {name: step for step, name in enumerate(
    ("C4", "D4", "E4", "F4", "G4", "A4", "B4", "C5", "D5", "E5", "F5", "G5", "A5"), 1)}
always_wrong = None
right_steps = []
lines = []
for question in range(1, 6):
    prompt = wait_for(f"prompt {question}", lambda: label("把 "))
    asked = pitches[prompt.split()[1]]
    always_wrong = always_wrong or asked
    target = asked + (1 if asked < 13 else -1) if asked == always_wrong else asked
    lines.append("prompt: " + prompt)
    key("Down", "a note on the staff", lambda: "第7位" in (staff.clear_cache() or staff.description))
    for _ in range(abs(target - 7)):
        subprocess.run(["xdotool", "key", "Up" if target > 7 else "Down"], check=True)
        time.sleep(0.2)
    wait_for(f"the note on step {target}", lambda: f"第{target}位" in
             (staff.clear_cache() or staff.description))
    key("Return", f"result {question}", lambda: label(RESULTS))
    lines.append("result: " + label(RESULTS))
    if (asked == always_wrong) != lines[-1].startswith("result: " + RESULTS[1]):
        fail(f"question {question}: {lines[-1]}")
    if asked != always_wrong:
        right_steps.append(asked)
    if question < 5:
        key("Return", f"question {question + 1}", lambda: label(RESULTS) is None)
print("\n".join(lines))
heard = [name for role, name in told if role == "label" and name]
print("announced:", *heard, sep="\n  ")
for line in lines:
    if heard.count(line.split(": ", 1)[1]) != 1:
        fail(f"not announced once: {line}")

progress = first(app, lambda n: n.name == "进度" and n.getRoleName() == "push button")
subprocess.run(["xdotool", "key", "Tab"], check=True)
wait_for("the focus on 进度", lambda: focused(progress))
subprocess.run(["xdotool", "key", "space"], check=True)
left, top = origin(x_window("^进度$"))
shot = os.path.join(SHOTS, "practice-progress.png")
os.makedirs(SHOTS, exist_ok=True)


def meters():
    """The greyscale middle of each meter: 0 full (always right), 255 empty (never)."""
    subprocess.run(["import", "-window", "root", shot], check=True)
    x = left + 10 + 19 * (2 * (always_wrong - 1) + 1) + 80
    wrong = grey(shot, x, top + 10 + 147)
    x = left + 10 + 19 * (2 * (right_steps[0] - 1) + 1) + 80
    return (wrong, grey(shot, x, top + 10 + 147)) if wrong > 200 else None


wrong, right = wait_for("the progress picture", meters, 15)
print(f"progress meters in grey: always wrong {wrong}, always right {right}")
if right > 50:
    fail("the always-right step's meter is not dark")
finish(0)
