#!/usr/bin/env python3
"""A Read question answered by singing into Canzet.exe under Wine, whose waveIn reaches a
PulseAudio server of the test's own with a pipe for its only source, fed at real-time pace;
the question asks G4. The source taken away mid-round, and then missing at start, are each
told in a `canzet:` line.
Usage: wine_microphone_test.py path/to/Canzet.exe (exits 0 with a message without Wine)"""

import json
import math
import os
import pwd
import re
import signal
import struct
import subprocess
import sys
import threading
import time

from wine_test import PRACTICE_CAPTION, CheckFailed, Session, check, dismiss_midi_message, \
    give_up, wine_string

LOST = re.escape("canzet: 话筒已断开（the device stopped delivering sound）；请用其他方式回答")
NO_MICROPHONE = r"canzet: 没有话筒（[^）]+）；请用其他方式回答"


def feed(pipe, blocks):
    """Writes 10 ms blocks at 48 kHz into the pipe at the pace of real time, as a microphone
    always delivers sound: silence, or the blocks of the notes sung."""
    start, silence = time.monotonic(), struct.pack("<480f", *([0.0] * 480))
    with open(pipe, "wb", buffering=0) as mic:
        for block in range(1, 1 << 30):
            try:
                mic.write(blocks.pop(0) if blocks else silence)
            except BrokenPipeError:  # the source was taken away
                return
            time.sleep(max(0.0, start + block / 100 - time.monotonic()))


def sung(key, ms):
    hz = 440.0 * 2 ** ((key - 69) / 12)
    return [struct.pack("<480f", *(sum(0.2 * math.sin(h * 2 * math.pi * hz * (b * 480 + i) / 48000)
                                       / h for h in range(1, 5)) for i in range(480)))
            for b in range(ms // 10)]


def answer_by_singing(session, pulse_env, pipe, data):
    blocks = []
    threading.Thread(target=feed, args=(pipe, blocks), daemon=True).start()
    session.start_program(args=("--practice", "--listen"))
    dismiss_midi_message(session)
    check(session.wait_window(PRACTICE_CAPTION, timeout=30), "--practice --listen opens practice")
    check(session.wait_trace(re.escape(wine_string("第 1/10 题")[:-1]), timeout=30),
          "the first question shows")
    time.sleep(0.3)
    blocks.extend(sung(67, 400))
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
    socket, pipe = os.path.join(pulse, "native"), os.path.join(pulse, "mic")
    pulse_env = {"HOME": pulse, "PULSE_RUNTIME_PATH": pulse, "PATH": "/usr/bin:/bin",
                 "PULSE_SERVER": f"unix:{socket}"}
    server = subprocess.Popen(
        ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
         "--disable-shm=yes", f"-Lmodule-native-protocol-unix auth-anonymous=1 socket={socket}",
         f"-Lmodule-pipe-source source_name=canzet_mic file={pipe} format=float32le rate=48000"
         " channels=1"], env=pulse_env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
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
