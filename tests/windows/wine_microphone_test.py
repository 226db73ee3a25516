#!/usr/bin/env python3
"""A Read round answered by singing, in Canzet.exe under Wine: a PulseAudio server of the
test's own whose only source is a pipe (module-pipe-source, loaded afresh for this run),
which Wine's waveIn reaches through its PulseAudio driver; `Canzet.exe --practice --listen`
on a virtual X display; a note written into the pipe at the pace of real time for each
question; the result lines read from Wine's traces of the window texts, and the answers
from the progress file. Every question asks G4: a sung G4 is right, a G3 the wrong octave,
and a long note gives one answer. Then the source is taken away mid-round, and the program
started again finds no source: each is told in one `canzet:` line.

Usage: wine_microphone_test.py path/to/Canzet.exe
Exits 0 when every check passes, 1 on a failure or past TIME_LIMIT seconds, and 0 with a
message when Wine cannot run on this machine at all.
"""

import glob
import json
import math
import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import threading
import time

from wine_test import (PRACTICE_CAPTION, CheckFailed, Session, check, dismiss_midi_message,
                       give_up, wine_string)

TIME_LIMIT = 240
RATE, BLOCK = 48000, 480  # 10 ms blocks
# Only PulseAudio: Wine then never reaches the machine's own sound through ALSA or OSS.
DRIVER_SETTINGS = """Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]
"Audio"="pulse"
"""
NO_MICROPHONE_LINE = r"canzet: 没有话筒（[^）]+）；请用其他方式回答"
LOST_LINE = "canzet: 话筒已断开（the device stopped delivering sound）；请用其他方式回答"


class PipeMicrophone(threading.Thread):
    """Writes 10 ms blocks into the pipe at the pace of real time, as a microphone always
    delivers sound: silence, or the blocks of a note sung. Ends when the pipe closes."""

    def __init__(self, pipe):
        super().__init__(daemon=True)
        self.pipe, self.blocks, self.lock = pipe, [], threading.Lock()

    def run(self):
        silence = struct.pack(f"<{BLOCK}f", *([0.0] * BLOCK))
        try:
            with open(self.pipe, "wb", buffering=0) as mic:
                start, block = time.monotonic(), 0
                while True:
                    with self.lock:
                        data = self.blocks.pop(0) if self.blocks else silence
                    mic.write(data)
                    block += 1
                    time.sleep(max(0.0, start + block / 100 - time.monotonic()))
        except BrokenPipeError:
            pass

    def sing(self, key, ms):
        """The note for `ms` with its harmonics."""
        hz = 440.0 * 2 ** ((key - 69) / 12)
        blocks = [struct.pack(f"<{BLOCK}f", *(
            sum(0.2 * math.sin(h * 2 * math.pi * hz * (b * BLOCK + i) / RATE) / h
                for h in range(1, 5)) for i in range(BLOCK))) for b in range(ms // 10)]
        with self.lock:
            self.blocks.extend(blocks)


class SoundServer:
    """A PulseAudio server of the test's own, its one source a pipe."""

    def __init__(self, folder):
        os.makedirs(folder)
        self.socket, self.pipe = os.path.join(folder, "native"), os.path.join(folder, "mic")
        self.env = {"HOME": folder, "PULSE_RUNTIME_PATH": folder, "PATH": "/usr/bin:/bin",
                    "PULSE_SERVER": f"unix:{self.socket}"}
        self.process = subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
             "--disable-shm=yes",
             f"-Lmodule-native-protocol-unix auth-anonymous=1 socket={self.socket}",
             f"-Lmodule-pipe-source source_name=canzet_mic file={self.pipe} format=float32le"
             f" rate={RATE} channels=1"],
            env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.time() + 20
        while not (os.path.exists(self.socket) and os.path.exists(self.pipe)):
            if time.time() > deadline or self.process.poll() is not None:
                raise CheckFailed("our PulseAudio server did not start")
            time.sleep(0.1)

    def unload_source(self):
        subprocess.run(["pactl", "unload-module", "module-pipe-source"], env=self.env,
                       check=True, timeout=10)

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def appdata_folder(session):
    """The program's data folder in the prefix: %APPDATA%\\Canzet of the prefix's user."""
    roaming = [path for path in glob.glob(os.path.join(
        session.env["WINEPREFIX"], "drive_c", "users", "*", "AppData", "Roaming"))
        if os.sep + "Public" + os.sep not in path]
    if len(roaming) != 1:
        raise CheckFailed(f"no single user's AppData in the prefix: {roaming}")
    folder = os.path.join(roaming[0], "Canzet")
    os.makedirs(folder, exist_ok=True)
    return folder


def answers(data):
    path = os.path.join(data, "practice.jsonl")
    if not os.path.exists(path):
        return []
    with open(path) as lines:
        return [json.loads(line) for line in lines]


def check_sung_round(session, server, data):
    microphone = PipeMicrophone(server.pipe)
    microphone.start()
    session.start_program(args=("--practice", "--listen"))
    dismiss_midi_message(session)
    check(session.wait_window(PRACTICE_CAPTION, timeout=30),
          "--practice --listen opens the practice dialog")
    right = re.escape(wine_string("✓ 对！")[:-1])
    wrong = re.escape(wine_string("✗ 不对：这是 G4，你唱的是 G3"))
    sung = ((67, 400, right, 1, "a sung G4 is right"),
            (55, 400, wrong, 1, "a G3 is the wrong octave, named as sung"),
            (67, 1500, right, 2, "a long G4 is right once"))
    for question, (key, ms, result, count, what) in enumerate(sung, 1):
        check(session.wait_trace(re.escape(wine_string(f"第 {question}/10 题")[:-1]),
                                 timeout=30), f"question {question} shows")
        time.sleep(0.3)
        microphone.sing(key, ms)
        check(session.wait_trace(result, count=count, timeout=20), what)
        time.sleep(ms / 1000 + 0.5)
        check(len(answers(data)) == question, "one sung note gives one answer")
        session.xdotool("key", "Return")
    kept = [(a["given"], a["right"], a.get("key"), a["ms"]) for a in answers(data)]
    print("  progress file:", kept)
    check([k[:3] for k in kept] == [("G", True, 67), ("G", False, 55), ("G", True, 67)],
          "the progress file holds the keys sung")
    # The note starts 300 ms after the question shows, however late it is accepted.
    check(all(250 <= ms < 1500 for *_, ms in kept),
          "response times run from the question to the sung note's onset")
    check("canzet: " not in session.trace(), "no microphone problem was told")

    server.unload_source()
    check(session.wait_trace(re.escape(LOST_LINE), timeout=15),
          "a source taken away is told in one canzet: line")
    check(session.program.poll() is None, "and the program runs on")
    session.xdotool("key", "Escape")
    check(session.wait_window(PRACTICE_CAPTION, present=False, timeout=10), "Esc closes it")
    session.xdotool("key", "Escape")
    code = session.exit_code()
    check(code == 0, f"and Esc again ends the program (exit code {code})")


def check_no_microphone(session):
    session.start_program(args=("--practice", "--listen"))
    dismiss_midi_message(session)
    check(session.wait_window(PRACTICE_CAPTION, timeout=30), "without a source the dialog opens")
    check(session.wait_trace(NO_MICROPHONE_LINE, timeout=15),
          "and one canzet: line says there is no microphone: " +
          re.search(NO_MICROPHONE_LINE, session.trace()).group())
    session.xdotool("key", "Escape", "Escape")
    code = session.exit_code()
    check(code == 0, f"Esc twice ends the program (exit code {code})")


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[-3])
        return 2
    if shutil.which("wine") is None:
        print("SKIPPED: wine is not installed, the Windows program cannot run here")
        return 0
    exe = os.path.abspath(sys.argv[1])
    shots = os.path.join(os.path.dirname(exe), "wine-shots")
    os.makedirs(shots, exist_ok=True)
    session = Session(exe, shots)
    server = None
    signal.signal(signal.SIGALRM, give_up)
    signal.signal(signal.SIGTERM, give_up)
    signal.alarm(TIME_LIMIT)
    try:
        server = SoundServer(os.path.join(session.workdir, "pulse"))
        session.env["PULSE_SERVER"] = server.env["PULSE_SERVER"]
        session.start_display()
        if not session.prime_wine():
            print("SKIPPED: wine cannot run on this machine")
            return 0
        settings = os.path.join(session.workdir, "drivers.reg")
        with open(settings, "wb") as out:
            out.write(b"\xff\xfe" + DRIVER_SETTINGS.encode("utf-16-le"))
        subprocess.run(["wine", "regedit", settings], env=session.env, timeout=120,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        data = appdata_folder(session)
        with open(os.path.join(data, "practice-choices.json"), "w") as choices:
            json.dump({"drill": "read", "clef": "treble", "low": 5, "high": 5, "count": 10},
                      choices)
        check_sung_round(session, server, data)
        check_no_microphone(session)
    except CheckFailed as failure:
        print(f"FAILED: {failure}")
        print(session.trace()[-3000:])
        return 1
    finally:
        signal.alarm(0)
        signal.signal(signal.SIGTERM, signal.SIG_DFL)
        if server is not None:
            server.stop()
        session.stop()
    print("A Read round was answered by singing under Wine")
    return 0


if __name__ == "__main__":
    sys.exit(main())
