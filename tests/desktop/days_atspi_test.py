#!/usr/bin/python3
"""The learner's days as a screen reader has them: `canzet --practice` on a virtual X server
with the accessibility bus, over a history of thirteen right answers given yesterday at noon
(every treble note once, 1.5 s each), read through pyatspi. Each note is due today, so today's
review is chosen; the goal line counts yesterday's short practice for nothing; Progress opens
and its chart's description says the month in words.

Usage: days_atspi_test.py PROGRAM
"""
import datetime
import json
import os
import subprocess
import sys

PROGRAM = sys.argv[1]

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "lib"))
from xvfb_session import Session, x_window  # noqa: E402

session = Session("canzet-days-", (1280, 900))
fail, finish, wait_for = session.fail, session.finish, session.wait_for
os.environ["TZ"] = "Asia/Shanghai"
folder = session.data_folder()
shanghai = datetime.timezone(datetime.timedelta(hours=8))
noon = datetime.datetime.combine(datetime.datetime.now(shanghai).date() - datetime.timedelta(days=1),
                                 datetime.time(12), shanghai)
if datetime.datetime.now(datetime.timezone.utc) < noon + datetime.timedelta(hours=16):
    noon -= datetime.timedelta(days=1)  # before 04:00 in Shanghai: "yesterday" is a day back
with open(os.path.join(folder, "practice.jsonl"), "w") as history:
    for step in range(1, 14):
        when = (noon + datetime.timedelta(seconds=step)).astimezone(datetime.timezone.utc)
        history.write(json.dumps({
            "v": 1, "time": when.strftime("%Y-%m-%dT%H:%M:%S.000Z"), "drill": "read",
            "clef": "treble", "asked": step, "given": "CDEFGABCDEFGA"[step - 1], "right": True,
            "ms": 1500}, separators=(",", ":")) + "\n")

import pyatspi  # noqa: E402  (the buses must exist first)
from atspi_tree import dialog, first, named, registry_desktop  # noqa: E402


desktop = registry_desktop()
if desktop is None:
    fail("no answer from the accessibility registry")
session.start(PROGRAM, "--practice", "--language", "zh", "--midi-out", "none")
app = wait_for("the practice dialog in the tree", lambda: dialog(desktop, "练习"), 90)
for line in ("今天有 13 个音要复习", "今天 0/5 分钟 · 连续 0 天"):
    wait_for(line, lambda: named(app, line, "label") == line)
print("read:", named(app, "今天有"), "/", named(app, "今天 "))
wait_for("today's review chosen", lambda: named(app, "今日复习", "combo box"))

progress = first(app, lambda n: n.name == "进度" and n.getRoleName() == "push button")
subprocess.run(["xdotool", "windowfocus", "--sync", x_window("^练习$")], check=True, timeout=30)
progress.queryAction().doAction(0)
chart = wait_for("the chart", lambda: first(desktop, lambda n: n.name == "最近的进度图"), 30)
words = "最近 30 天：练习 1 天，每分钟 40 个音，正确率 100%"
if chart.description != words:
    fail(f"the chart reads {chart.description!r}, not {words!r}")
print("chart:", chart.description)
finish(0)
