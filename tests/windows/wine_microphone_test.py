#!/usr/bin/env python3
"""A Read question answered by singing into Canzet.exe under Wine, whose waveIn reaches a
PulseAudio server of the test's own with a pipe for its only source, fed as a microphone
would be (pipe_microphone); the question asks G4. The source taken away mid-round, and then
missing at start, are each told in a `canzet:` line.
Usage: wine_microphone_test.py path/to/Canzet.exe (exits 0 with a message without Wine)"""

import json
import os
import pwd
import re
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "desktop", "lib"))
from pipe_microphone import PipeMicrophone, start_server  # noqa: E402
from wine_test import PRACTICE_CAPTION, CheckFailed, Session, check, dismiss_midi_message, \
    give_up, wine_string

LOST = re.escape("canzet: 话筒已断开（the device stopped delivering sound）；请用其他方式回答")
NO_MICROPHONE = r"canzet: 没有话筒（[^）]+）；请用其他方式回答"


def answer_by_singing(session, pulse_env, pipe, data):
    microphone = PipeMicrophone(pipe)
    microphone.start()
    session.start_program(args=("--practice", "--listen"))
    dismiss_midi_message(session)
    check(session.wait_window(PRACTICE_CAPTION, timeout=30), "--practice --listen opens practice")
    check(session.wait_trace(re.escape(wine_string("第 1/10 题")[:-1]), timeout=30),
          "the first question shows")
    time.sleep(0.3)
    microphone.sing(67, 400)
    check(session.wait_trace(re.escape(wine_string("✓ 对！")[:-1]), timeout=20), "G4 sung: right")
    time.sleep(1)
    with open(os.path.join(data, "practice.jsonl")) as lines:
        kept = [(a["given"], a["right"], a.get("key"), a["ms"]) for a in map(json.loads, lines)]
    # The note starts 300 ms after the question shows, however late it is accepted.
    check(len(kept) == 1 and kept[0][:3] == ("G", True, 67) and 250 <= kept[0][3] < 1500,
          f"one answer, its key kept, timed from the question to the onset ({kept})")
    check("canzet: " not in session.trace(), "no microphone problem is told")
    subprocess.run(["pactl", "unload-module", "module-pipe-source"], env=pulse_env, check=True)
    check(session.wait_trace(LOST, timeout=15), "a source taken away is told")
    session.xdotool("key", "Escape", "Escape")
    check(session.exit_code() == 0, "and Esc twice ends the program")
    session.start_program(args=("--practice", "--listen"))
    dismiss_midi_message(session)
    check(session.wait_trace(NO_MICROPHONE, timeout=30), "no source at start is told")


def main():
    exe = os.path.abspath(sys.argv[1])
    session = Session(exe, os.path.join(os.path.dirname(exe), "wine-shots"))
    os.makedirs(session.shots, exist_ok=True)
    pulse = os.path.join(session.workdir, "pulse")
    os.makedirs(pulse)
    try:
        server, pulse_env, pipe = start_server(pulse)
    except RuntimeError as error:
        print(f"FAILED: {error}")
        session.stop()
        return 1
    session.env["PULSE_SERVER"] = pulse_env["PULSE_SERVER"]
    signal.signal(signal.SIGALRM, give_up)
    signal.signal(signal.SIGTERM, give_up)
    signal.alarm(300)  # a fresh prefix on a busy machine; the run itself takes about 40 s
    try:
        session.start_display()
        if not session.prime_wine():
            print("SKIPPED: wine cannot run on this machine")
            return 0
        data = os.path.join(session.env["WINEPREFIX"], "drive_c", "users",
                            pwd.getpwuid(os.getuid()).pw_name, "AppData", "Roaming", "Canzet")
        os.makedirs(data)
        with open(os.path.join(data, "practice-choices.json"), "w") as last:
            json.dump({"drill": "read", "clef": "treble", "low": 5, "high": 5, "count": 10}, last)
        answer_by_singing(session, pulse_env, pipe, data)
    except CheckFailed as failure:
        print(f"FAILED: {failure}\n{session.trace()[-3000:]}")
        return 1
    finally:
        signal.alarm(0)
        server.kill()
        server.wait()
        session.stop()
    print("A Read question was answered by singing under Wine")
    return 0


if __name__ == "__main__":
    sys.exit(main())
