"""The real program as the AT-SPI scripts drive it: a virtual X server of the script's own, a
silent session with the accessibility bus (session_bus), the program started in it with its
accessibility on, and, whatever ends the run, the program and the daemons gone with it."""
import json
import os
import subprocess
import sys
import tempfile
import traceback

import session_bus

ON_DISPLAY = "--on-display"


def run_on_display(width, height):
    """Runs the calling script again on a virtual X server of WIDTH x HEIGHT, with
    ON_DISPLAY after its arguments; returns at once when already there."""
    if ON_DISPLAY in sys.argv:
        return
    # The locale lets xdotool match a Chinese title.
    os.environ["LC_ALL"] = "C.UTF-8"
    # No key repeat: on a busy machine a key can stay down long enough to repeat.
    os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", f"-screen 0 {width}x{height}x24 -ardelay 60000",
                           sys.executable, *sys.argv, ON_DISPLAY])


class Session:
    """On a virtual X server of `screen` (width, height), a scratch folder as the runtime and
    home folder, and the buses. Import pyatspi only once it exists."""

    def __init__(self, prefix, screen):
        run_on_display(*screen)
        self.work = tempfile.mkdtemp(prefix=prefix)
        self.program = None
        self.started = []
        sys.excepthook = self._crashed
        session_bus.silent_session(self.work)
        self.started = session_bus.start_bus() or []
        if not self.started:
            self.fail("no accessibility bus")

    def start(self, *command):
        """The program, its output in the session's program.log."""
        log = open(os.path.join(self.work, "program.log"), "w")
        self.program = subprocess.Popen(command, stdout=log, stderr=log,
                                        env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        return self.program

    def data_folder(self, choices=None):
        """Canzet's own data folder under the session's XDG_DATA_HOME, made, with `choices`
        written there as the last choices when given."""
        os.environ["XDG_DATA_HOME"] = os.path.join(self.work, "data")
        folder = os.path.join(self.work, "data", "canzet")
        os.makedirs(folder)
        if choices is not None:
            with open(os.path.join(folder, "practice-choices.json"), "w") as out:
                json.dump(choices, out)
        return folder

    def answers(self):
        """The answers in the progress file, oldest first."""
        path = os.path.join(self.work, "data", "canzet", "practice.jsonl")
        if not os.path.exists(path):
            return []
        with open(path) as lines:
            return [json.loads(line) for line in lines]

    def kept(self, expected):
        """(given, right, key, ms) of each answer in the progress file, printed; a failure
        unless (given, right, key) are those `expected`."""
        kept = [(a["given"], a["right"], a.get("key"), a["ms"]) for a in self.answers()]
        print("progress file:", kept)
        if [k[:3] for k in kept] != expected:
            self.fail("answers in the progress file")
        return kept

    def log(self):
        with open(os.path.join(self.work, "program.log")) as text:
            return text.read()

    def wait_for(self, what, check, seconds=60):
        from atspi_tree import poll
        return poll(check, seconds) or self.fail("timed out waiting for " + what)

    def fail(self, message):
        print("FAIL:", message)
        try:
            print(self.log())
        except OSError:
            pass
        self.finish(1)

    def finish(self, status):
        if self.program is not None and self.program.poll() is None:
            self.program.kill()
        session_bus.stop_bus(self.started)
        subprocess.run(["rm", "-rf", self.work])
        sys.exit(status)

    def _crashed(self, kind, value, trace):
        """Whatever goes wrong, the daemons and the program go too."""
        traceback.print_exception(kind, value, trace)
        self.finish(1)


def x_window(title):
    """The id of the visible window whose title matches the regular expression `title`."""
    return subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", title],
                          check=True, capture_output=True, text=True,
                          timeout=30).stdout.split()[0]


def origin(window):
    """The window's left and top on the screen."""
    found = dict(line.split("=") for line in subprocess.run(
        ["xdotool", "getwindowgeometry", "--shell", window], check=True, capture_output=True,
        text=True).stdout.split())
    return int(found["X"]), int(found["Y"])
