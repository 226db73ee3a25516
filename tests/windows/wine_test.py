#!/usr/bin/env python3
"""Runs Canzet.exe under Wine on a virtual X display and uses it as a person would.

Checks: the MIDI failure message where Wine has no MIDI output, the main dialog's caption
and the template's controls at their places, the staff at (10, 40) of the client area with
the bitmap's very pixels, a press-drag-release that shows the note red while held and black
on the staff grid after, the position button's caption, picking the note up again, the
About box from the system menu, and a clean exit through "退出", Esc and Alt+F4; all this
with Wine in Chinese (LANG=zh_CN.UTF-8), then the English texts with Wine in English. In runs
of their own: the staff from the keyboard started with --clef bass --notes 3, the system
menu's "低音谱号" (checked in bass) and "清除" items, the staff options with a bad value's
message box, "练习..." with a Read round answered by letter keys and one digit key, and the staff at 192 dpi:
the twice-size picture, and a click mapped back.

Control texts and message-box texts are read from Wine's own traces of the window calls;
pictures from screenshots. Screenshots are kept in the folder given by --shots.

Usage: wine_test.py [--shots DIR] path/to/Canzet.exe
Exits 0 when every check passes, 1 on a failure or when the whole run takes longer than
TIME_LIMIT seconds, and 0 with a message when Wine cannot run on this machine at all.
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

# The whole run, a fresh Wine prefix and the two locales included; it usually takes about
# a minute.
TIME_LIMIT = 420
WINEBOOT_LIMIT = 180

MAIN_CAPTION = "五线谱Demo"
ABOUT_CAPTION = "关于 Canzet"
MESSAGE_BOX_CAPTION = "Canzet"
MIDI_INIT_FAILED = "初始化Midi设备失败!"
MIDI_OPEN_FAILED = "打开Midi设备失败"

IDOK, IDC_STAFF, IDC_POSITION = 1, 1001, 1002
# The main dialog's template: id -> (class, text, style, x, y, width, height in dialog units).
MAIN_CONTROLS = {
    IDOK: ("Button", "退出", 0x50010001, 443, 15, 50, 14),
    IDC_STAFF: ("Static", "", 0x50000107, 14, 24, 223, 75),
    IDC_POSITION: ("Button", "位置", 0x50010000, 231, 148, 36, 26),
}
DIALOG_SIZE_DLU = (513, 200)
SCREEN = (1024, 768)
STAFF_ORIGIN = (10, 40)
STAFF_LINE_ROWS = (53, 67, 81, 95, 109)
STAFF_LINE = (36, 36, 36)
RED, BLACK, WHITE = (255, 0, 0), (0, 0, 0), (255, 255, 255)
MSAA_CLIENT = None  # beside the program's build: tools/msaa/canzet-msaa.exe
TREBLE_STAFF_BMP = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "res",
                                "StaffTreble.bmp")
TREBLE_STAFF_2X_BMP = os.path.join(os.path.dirname(TREBLE_STAFF_BMP), "StaffTreble@2x.bmp")

# The English run: the texts the program shows where the user's language is not Chinese.
ENGLISH_LOCALE = "en_US.UTF-8"
ENGLISH = {
    "midi_messages": ("Failed to initialise the MIDI device!", "Failed to open the MIDI device"),
    "main_caption": "Staff Demo",
    "controls": {IDOK: "Exit", IDC_POSITION: "Position"},
    "about_caption": "About Canzet",
}

# Wine's reg file: a CJK font for the templates' "宋体" and the system font, a Latin sans
# face for Tahoma, which this Wine does not find among its own fonts, and windows drawn by
# Wine itself (caption, system menu), as there is no window manager.
WINE_SETTINGS = """Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"宋体"="AR PL UMing CN"
"SimSun"="AR PL UMing CN"
"Tahoma"="DejaVu Sans"

[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]
"Tahoma"="uming.ttc,AR PL UMing CN"
"MS Shell Dlg"="uming.ttc,AR PL UMing CN"

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="N"
"""


class CheckFailed(Exception):
    pass


def give_up(signum, _frame):
    """Ends a run that hangs or is stopped, through the same clean-up as a failure."""
    if signum == signal.SIGALRM:
        raise CheckFailed(f"the run did not finish within {TIME_LIMIT} s")
    raise CheckFailed(f"stopped by signal {signum}")


def check(condition, what):
    if not condition:
        raise CheckFailed(what)
    print(f"  ok: {what}")


def wine_string(text):
    """A text as Wine's traces print UTF-16 strings: L"..." with \\xxxx above ASCII."""
    out = []
    for ch in text:
        code = ord(ch)
        if ch in '"\\':
            out.append("\\" + ch)
        elif 32 <= code < 127:
            out.append(ch)
        else:
            out.append(f"\\{code:04x}")
    return 'L"' + "".join(out) + '"'


def mul_div(value, numerator, denominator):
    return (value * numerator + denominator // 2) // denominator


def centred(inner, outer):
    """Whether the box (left, top, width, height) inner is centred on outer, to a pixel."""
    return all(abs(2 * inner[i] + inner[i + 2] - 2 * outer[i] - outer[i + 2]) <= 2
               for i in (0, 1))


class Image:
    def __init__(self, ppm):
        # P6 header: magic, width, height, maxval, each followed by white space.
        fields = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", ppm)
        self.width, self.height = int(fields.group(1)), int(fields.group(2))
        self.pixels = ppm[fields.end():]

    def at(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.pixels[i:i + 3])

    def count(self, colour, left, top, right, bottom):
        return sum(1 for y in range(top, bottom) for x in range(left, right)
                   if self.at(x, y) == colour)

    def crop(self, left, top, right, bottom):
        return [self.at(x, y) for y in range(top, bottom) for x in range(left, right)]


class Session:
    """A virtual display, a Wine prefix, and the program running in them."""

    def __init__(self, exe, shots):
        self.exe = exe
        self.shots = shots
        self.workdir = tempfile.mkdtemp(prefix="canzet-wine-")
        # Wine takes the user's language from the locale, which the C library must know:
        # the two that the checks use are built into the work folder. Both are UTF-8, in
        # which alone xdotool matches the Chinese captions and Wine writes the traces' texts.
        self.env = dict(os.environ, WINEPREFIX=os.path.join(self.workdir, "prefix"),
                        WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=",
                        LOCPATH=os.path.join(self.workdir, "locales"))
        for variable in ("WAYLAND_DISPLAY", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_CTYPE"):
            self.env.pop(variable, None)
        self.xvfb = None
        self.program = None
        self.log = None
        self.log_path = os.path.join(self.workdir, "trace.log")

    def set_locale(self, name):
        """Builds the locale where missing and makes it the programs' from now on."""
        language, charset = name.split(".")
        path = os.path.join(self.env["LOCPATH"], name)
        if not os.path.isdir(path):
            os.makedirs(self.env["LOCPATH"], exist_ok=True)
            built = subprocess.run(["localedef", "-i", language, "-f", charset, path],
                                   capture_output=True, text=True)
            if not os.path.isdir(path):
                raise CheckFailed(f"localedef could not build {name}: {built.stderr[-300:]}")
        self.env["LANG"] = name

    def start_display(self):
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24",
             "-nolisten", "tcp",
             # No key repeat: on a busy machine a key's release can come late enough for
             # the server to repeat the key.
             "-r", "-ardelay", "60000"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            self.env["DISPLAY"] = ":" + pipe.readline().strip()

    def prime_wine(self):
        """False when Wine cannot run here at all. A first start that hangs is a failure,
        not a reason to skip."""
        self.set_locale("zh_CN.UTF-8")
        try:
            boot = subprocess.run(["wine", "wineboot", "-i"], env=self.env,
                                  timeout=WINEBOOT_LIMIT, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.PIPE)
        except OSError as error:
            print(f"wine cannot start: {error}")
            return False
        except subprocess.TimeoutExpired:
            raise CheckFailed(f"wineboot did not finish within {WINEBOOT_LIMIT} s")
        if boot.returncode != 0:
            print("wineboot failed:", boot.stderr.decode(errors="replace")[-500:])
            return False
        settings = os.path.join(self.workdir, "settings.reg")
        with open(settings, "wb") as out:
            out.write(b"\xff\xfe" + WINE_SETTINGS.encode("utf-16-le"))
        regedit = subprocess.run(["wine", "regedit", settings], env=self.env, timeout=120,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if regedit.returncode != 0:
            raise CheckFailed(f"regedit could not take the settings ({regedit.returncode})")
        return True

    def start_program(self, channels="+msgbox,+win", args=()):
        # msgbox: the texts of message boxes; win: window creation and SetWindowText.
        env = dict(self.env, WINEDEBUG="-all," + channels)
        if self.log is not None:
            self.log.close()
        self.log = open(self.log_path, "w")
        self.program = subprocess.Popen(["wine", self.exe, *args], env=env, stdout=self.log,
                                        stderr=subprocess.STDOUT)

    def read_accessible(self, control):
        """What the MSAA client, run beside the program, reads of one of its controls."""
        read = subprocess.run(["wine", MSAA_CLIENT, MAIN_CAPTION, str(control)],
                              env=dict(self.env, WINEDEBUG="-all"), capture_output=True,
                              timeout=60)
        return read.stdout.decode("utf-8", "replace").replace("\r", "")

    def trace(self):
        with open(self.log_path, errors="replace") as log:
            return log.read()

    def wait_trace(self, pattern, count=1, timeout=10):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if len(re.findall(pattern, self.trace())) >= count:
                return True
            time.sleep(0.2)
        return False

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *map(str, args)], env=self.env,
                              capture_output=True, text=True).stdout

    def visible_window(self, caption):
        ids = self.xdotool("search", "--onlyvisible", "--name", f"^{re.escape(caption)}$")
        return ids.split()[0] if ids.split() else None

    def wait_window(self, caption, present=True, timeout=60):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if (self.visible_window(caption) is not None) == present:
                return True
            time.sleep(0.25)
        return False

    def geometry(self, window):
        shell = self.xdotool("getwindowgeometry", "--shell", window)
        values = dict(line.split("=") for line in shell.split())
        return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))

    def screenshot(self, name):
        time.sleep(0.4)  # the repaint follows the input asynchronously
        png = os.path.join(self.shots, name + ".png")
        subprocess.run(["import", "-window", "root", png], env=self.env, check=True)
        ppm = subprocess.run(["convert", png, "ppm:-"], check=True, capture_output=True)
        return Image(ppm.stdout)

    def screenshot_when(self, name, ready, timeout=10):
        """The first screenshot for which ready(image) holds, else the last one: on a busy
        machine a repaint can take longer than one screenshot's wait."""
        deadline = time.time() + timeout
        shot = self.screenshot(name)
        while not ready(shot) and time.time() < deadline:
            shot = self.screenshot(name)
        return shot

    def exit_code(self, timeout=30):
        """The program's exit code once it has ended; None while it still runs after
        `timeout` seconds."""
        try:
            return self.program.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def stop(self):
        if self.program is not None and self.program.poll() is None:
            self.program.kill()
        # -k ends every program of the prefix; -w waits until the server has written its
        # files, so that the prefix can go.
        try:
            for option in ("-k", "-w"):
                subprocess.run(["wineserver", option], env=self.env, stderr=subprocess.DEVNULL,
                               timeout=30)
        except subprocess.TimeoutExpired:
            print("wineserver did not stop within 30 s")
        if self.xvfb is not None:
            self.xvfb.terminate()
            try:
                self.xvfb.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.xvfb.kill()
                self.xvfb.wait()
        if self.log is not None:
            self.log.close()
        shutil.rmtree(self.workdir, ignore_errors=True)


def created_controls(trace):
    """The main dialog's controls from Wine's window-creation trace:
    id -> (text, class, style, x, y, w, h)."""
    pattern = re.compile(r'WIN_CreateWindowEx (L"(?:[^"\\]|\\.)*") L"(\w+)" ex=\w+ '
                         r'style=(\w+) (-?\d+),(-?\d+) (\d+)x(\d+) parent=(\w+) menu=(\w+)')
    by_parent = {}
    for text, cls, style, x, y, w, h, parent, menu in pattern.findall(trace):
        by_parent.setdefault(parent, {})[int(menu, 16)] = (
            text, cls, int(style, 16), int(x), int(y), int(w), int(h))
    # Message boxes have an IDOK button too; the main dialog is the one with the staff.
    for controls in by_parent.values():
        if IDC_STAFF in controls:
            return controls
    raise CheckFailed("the main dialog's controls were not created")


def dismiss_midi_message(session):
    print("MIDI output")
    # The main dialog shows only after its initialisation, which a message box holds up.
    deadline = time.time() + 60
    while "trace:msgbox:MSGBOX_OnInit" not in session.trace():
        if session.visible_window(MAIN_CAPTION) is not None or time.time() > deadline:
            print("  (no message box: this Wine has a MIDI output)")
            return
        time.sleep(0.25)
    trace = session.trace()
    check(session.wait_window(MESSAGE_BOX_CAPTION), "a message box shows")
    if wine_string(MIDI_INIT_FAILED) in trace:
        check(True, f'it says "{MIDI_INIT_FAILED}" (no MIDI output under Wine)')
        check(wine_string(MIDI_OPEN_FAILED) not in trace, "and no open was attempted")
    else:
        check(wine_string(MIDI_OPEN_FAILED) in trace, f'it says "{MIDI_OPEN_FAILED}"')
    session.screenshot("1-midi-message")
    session.xdotool("key", "Return")
    check(session.wait_window(MESSAGE_BOX_CAPTION, present=False, timeout=10),
          "OK closes the message box")


def dialog_units(controls):
    """The horizontal and vertical dialog base units that place the "退出" button."""
    _, _, _, x, y, w, h = controls[IDOK]
    _, _, _, tx, ty, tw, th = MAIN_CONTROLS[IDOK]
    for bx in range(1, 40):
        for by in range(1, 60):
            if (mul_div(tx, bx, 4), mul_div(tw, bx, 4)) == (x, w) and \
                    (mul_div(ty, by, 8), mul_div(th, by, 8)) == (y, h):
                return bx, by
    raise CheckFailed(f"the exit button at {x},{y} {w}x{h} fits no dialog units")


def check_layout(session):
    print("Main dialog")
    check(session.wait_window(MAIN_CAPTION), f'the main dialog shows, captioned "{MAIN_CAPTION}"')
    controls = created_controls(session.trace())
    bx, by = dialog_units(controls)
    for control_id, (cls, text, style, x, y, w, h) in MAIN_CONTROLS.items():
        expected = (wine_string(text), cls, style, mul_div(x, bx, 4), mul_div(y, by, 8),
                    mul_div(w, bx, 4), mul_div(h, by, 8))
        check(controls.get(control_id) == expected,
              f"control {control_id} is a {cls} \"{text}\" at its template place")

    shot = session.screenshot_when("2-main-dialog", lambda image: find_staff(image) is not None)
    staff = find_staff(shot)
    check(staff is not None, "the staff picture is on screen")
    sx, sy = staff
    for row in STAFF_LINE_ROWS:
        check(shot.at(sx + 300, sy + row) == STAFF_LINE, f"staff line at y {row}")
    check(shot.at(sx + 300, sy + 80) == WHITE, "white between the lines")
    picture = read_bmp(TREBLE_STAFF_BMP)
    check(shot.crop(sx, sy, sx + 600, sy + 160) == picture,
          "all 600x160 pixels are those of the treble staff bitmap")

    # The staff sits at (10, 40) of the client area: with it the frame's borders and
    # caption account exactly for the window's size around the dialog-unit client area.
    left, top, width, height = session.geometry(session.visible_window(MAIN_CAPTION))
    border = sx - STAFF_ORIGIN[0] - left
    caption = sy - STAFF_ORIGIN[1] - top
    client_width = mul_div(DIALOG_SIZE_DLU[0], bx, 4)
    client_height = mul_div(DIALOG_SIZE_DLU[1], by, 8)
    check(0 <= border < 10 and width == client_width + 2 * border and
          height == client_height + caption + border,
          f"staff at (10, 40) of the {client_width}x{client_height} client area")
    check(centred((left, top, width, height), (0, 0) + SCREEN),
          "the dialog is centred on the screen")
    return (sx - STAFF_ORIGIN[0], sy - STAFF_ORIGIN[1]), controls


def caption_margins(png, box):
    """Left, top, right and bottom margins, in pixels, between the caption drawn in a
    button at box (left, top, width, height) and the inside of its focus rectangle, 5
    pixels in."""
    left, top, width, height = box
    inside = f"{width - 10}x{height - 10}+{left + 5}+{top + 5}"
    found = subprocess.run(["convert", png, "-crop", inside, "+repage", "-fuzz", "10%", "-trim",
                            "-format", "%w %h %X %Y", "info:"],
                           capture_output=True, text=True, check=True).stdout.split()
    w, h, x, y = (int(value) for value in found)
    return x, y, width - 10 - x - w, height - 10 - y - h


def read_bmp(path):
    """The pixels of a 24-bit bottom-up BMP file, rows from the top."""
    with open(path, "rb") as bmp:
        data = bmp.read()
    offset = int.from_bytes(data[10:14], "little")
    width = int.from_bytes(data[18:22], "little", signed=True)
    height = int.from_bytes(data[22:26], "little", signed=True)
    stride = (width * 3 + 3) // 4 * 4
    pixels = []
    for y in range(height):
        row = offset + (height - 1 - y) * stride
        pixels += [(data[row + 3 * x + 2], data[row + 3 * x + 1], data[row + 3 * x])
                   for x in range(width)]
    return pixels


def find_staff(shot):
    """Top left of the staff picture: the top line runs to x 583 and carries on below."""
    for y in range(shot.height - 160):
        run = 0
        for x in range(shot.width):
            run = run + 1 if shot.at(x, y) == STAFF_LINE else 0
            if run >= 500 and (x + 1 >= shot.width or shot.at(x + 1, y) != STAFF_LINE):
                sx, sy = x - 583, y - STAFF_LINE_ROWS[0]
                if sx >= 0 and all(shot.at(x, sy + r) == STAFF_LINE for r in STAFF_LINE_ROWS):
                    return sx, sy
    return None


class Staff:
    """Mouse and pixels in the staff control's own coordinates."""

    def __init__(self, session, client):
        self.session = session
        self.x0, self.y0 = client[0] + STAFF_ORIGIN[0], client[1] + STAFF_ORIGIN[1]

    def move(self, x, y):
        self.session.xdotool("mousemove", self.x0 + x, self.y0 + y)
        time.sleep(0.1)

    def drag(self, start, *path, release=True):
        self.move(*start)
        self.session.xdotool("mousedown", 1)
        for point in path:
            self.move(*point)
        if release:
            self.session.xdotool("mouseup", 1)

    def count(self, shot, colour, box=None):
        left, top, right, bottom = box or (0, 0, 600, 160)
        return shot.count(colour, self.x0 + left, self.y0 + top, self.x0 + right,
                          self.y0 + bottom)


def note_box(x, y):
    return (x - 12, y - 7, x + 13, y + 8)


def check_editing(session, client, controls):
    staff = Staff(session, client)
    print("Editing")
    staff.drag((300, 100), (330, 90), (350, 71), release=False)
    held = session.screenshot_when(
        "3-note-held", lambda image: staff.count(image, RED, note_box(350, 71)) >= 100)
    check(staff.count(held, RED, note_box(350, 71)) >= 100, "the held note is red at (350, 71)")
    check(staff.count(held, RED) == staff.count(held, RED, note_box(350, 71)),
          "and nowhere else")
    session.xdotool("mouseup", 1)
    released = session.screenshot_when("4-note-released",
                                       lambda image: staff.count(image, RED) == 0)
    check(staff.count(released, RED) == 0, "released, no red is left")
    check(staff.count(released, BLACK, note_box(350, 74)) >= 100,
          "the note is black, snapped from y 71 to the line row 74")
    check(staff.count(released, BLACK, (338, 60, 363, 67)) == 0, "nothing above its new place")

    print("Position button")
    _, _, _, x, y, w, h = controls[IDC_POSITION]
    button = (client[0] + x, client[1] + y, client[0] + x + w, client[1] + y + h)
    before = released.crop(*button)
    session.xdotool("mousemove", client[0] + x + w // 2, client[1] + y + h // 2, "click", 1)
    check(session.wait_trace(r'set_window_text L"8"'), 'a press sets its caption to "8"')
    shown = session.screenshot_when("5-position-8", lambda image: image.crop(*button) != before)
    check(shown.crop(*button) != before, "and it shows")
    session.xdotool("click", 1)
    check(session.wait_trace(r'set_window_text L"8"', count=2), 'again "8" without a move')

    staff.drag((350, 74), (250, 110), (200, 123))
    moved = session.screenshot_when(
        "6-note-moved", lambda image: staff.count(image, BLACK, note_box(200, 123)) >= 100)
    check(staff.count(moved, BLACK, note_box(350, 74)) == 0, "the note was picked up")
    check(staff.count(moved, BLACK, note_box(200, 123)) >= 100, "and put on the ledger line")
    session.xdotool("mousemove", client[0] + x + w // 2, client[1] + y + h // 2, "click", 1)
    check(session.wait_trace(r'set_window_text L"1"'), 'the next press shows "1"')


def check_about(session):
    print("About box")
    # The About item comes sixth from the end, before the three clef items, clear and
    # practice.
    session.xdotool("key", "alt+space")
    time.sleep(0.5)
    session.screenshot("7-system-menu")
    session.xdotool("key", "Up", "Up", "Up", "Up", "Up", "Up", "Return")
    check(session.wait_window(ABOUT_CAPTION, timeout=10), f'"{ABOUT_CAPTION}" opens')
    check(centred(session.geometry(session.visible_window(ABOUT_CAPTION)),
                  session.geometry(session.visible_window(MAIN_CAPTION))),
          "centred over the main dialog")
    session.screenshot("8-about")
    session.xdotool("key", "Return")
    check(session.wait_window(ABOUT_CAPTION, present=False, timeout=10), "and closes")
    check(session.visible_window(MAIN_CAPTION) is not None, "the main dialog stays")


def check_exit(session, client, controls):
    print("Exit")
    check(session.trace().count("trace:msgbox:MSGBOX_OnInit") <= 1,
          "editing without MIDI showed no further message")
    _, _, _, x, y, w, h = controls[IDOK]
    session.xdotool("mousemove", client[0] + x + w // 2, client[1] + y + h // 2, "click", 1)
    code = session.exit_code()
    check(code == 0, f'"退出" ends the program (exit code {code})')


def check_other_exits(session):
    """Esc (cancel) and Alt+F4 (the close command) end the program as well."""
    for keys in ("Escape", "alt+F4"):
        print(f"Exit with {keys}")
        session.start_program()
        dismiss_midi_message(session)
        check(session.wait_window(MAIN_CAPTION), "the main dialog shows")
        session.xdotool("key", keys)
        code = session.exit_code()
        check(code == 0, f"{keys} ends the program (exit code {code})")


def check_english(session):
    """The program again with Wine in English: every text it shows is the English one."""
    print(f"English ({ENGLISH_LOCALE})")
    session.set_locale(ENGLISH_LOCALE)
    # The prefix was made in Chinese, where "MS Shell Dlg" is the CJK face; here it is the
    # Latin dialog face it is on English Windows.
    subprocess.run(["wine", "reg", "add",
                    "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes",
                    "/v", "MS Shell Dlg", "/d", "Tahoma", "/f"], env=session.env, timeout=120,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    session.start_program()
    caption = ENGLISH["main_caption"]
    check(session.wait_trace("trace:msgbox:MSGBOX_OnInit", timeout=60),
          "a message box reports the missing MIDI output")
    check(any(wine_string(text) in session.trace() for text in ENGLISH["midi_messages"]),
          "in English")
    session.screenshot("9-english-midi-message")
    session.xdotool("key", "Return")
    check(session.wait_window(caption), f'the main dialog shows, captioned "{caption}"')
    controls = created_controls(session.trace())
    for control_id, text in ENGLISH["controls"].items():
        check(controls[control_id][0] == wine_string(text), f'control {control_id} reads "{text}"')
    shot = session.screenshot_when("10-english-main-dialog",
                                   lambda image: find_staff(image) is not None)
    staff = find_staff(shot)
    check(staff is not None, "the staff is on screen")
    for control_id, text in ENGLISH["controls"].items():
        _, _, _, x, y, w, h = controls[control_id]
        box = (staff[0] - STAFF_ORIGIN[0] + x, staff[1] - STAFF_ORIGIN[1] + y, w, h)
        margins = caption_margins(os.path.join(session.shots, "10-english-main-dialog.png"), box)
        check(min(margins) >= 1, f'"{text}" stands clear of its frame: margins {margins}')
    session.xdotool("key", "alt+space")
    time.sleep(0.5)
    session.screenshot("11-english-system-menu")
    # About is the sixth item from the bottom, above the three clef items, clear and practice.
    session.xdotool("key", "Up", "Up", "Up", "Up", "Up", "Up", "Return")
    about = ENGLISH["about_caption"]
    check(session.wait_window(about, timeout=10), f'"{about}" opens from the system menu')
    session.screenshot("12-english-about")
    session.xdotool("key", "Return")
    check(session.wait_window(about, present=False, timeout=10), "and closes")


def check_keyboard(session):
    """With three notes (--notes 3), through the dialog manager's keyboard: Tab reaches the
    staff, Up three times places a note and lifts it to D5, Space twice places two more
    beside it, Ctrl+Left twice goes back to D5. The MSAA client reads the staff as a list
    named "五线谱" with one child per note and the current one focused, before and after a
    Ctrl+Right. Enter on the staff shows the current note's step, 7, on "位置", described
    "位置：7" to MSAA, and ends nothing; Esc ends the program."""
    print("Keyboard and MSAA")
    session.start_program(args=["--notes", "3"])
    dismiss_midi_message(session)
    check(session.wait_window(MAIN_CAPTION), "the main dialog shows")
    session.xdotool("key", "--delay", "200", "Tab", "Up", "Up", "Up", "space", "space",
                    "ctrl+Left", "ctrl+Left")
    time.sleep(1)
    before = session.read_accessible(IDC_STAFF)
    print("  MSAA before Ctrl+Right:\n    " + before.strip().replace("\n", "\n    "))
    check(before.startswith("name: 五线谱\nrole: 33\n"), "the staff is a list named 五线谱")
    check("children: 3\n" in before and "value: D5，第9位；B4，第7位；B4，第7位\n" in before,
          "with three notes, all of them in its value")
    check("child 1: D5，第9位 | 第1个，共3个：D5，第9位 | focused selected\n" in before,
          "the current note is the focused child")
    session.xdotool("key", "ctrl+Right")
    time.sleep(1)
    after = session.read_accessible(IDC_STAFF)
    print("  MSAA after Ctrl+Right:\n    " + after.strip().replace("\n", "\n    "))
    check("child 2: B4，第7位 | 第2个，共3个：B4，第7位 | focused selected\n" in after and
          "child 1: D5，第9位 | 第1个，共3个：D5，第9位 |\n" in after,
          "Ctrl+Right moves the focus to the second note")
    session.screenshot("13-keyboard-edit")
    session.xdotool("key", "Return")
    check(session.wait_trace(r'set_window_text L"7"'), 'Enter on the staff shows "7" on 位置')
    check(session.program.poll() is None, "and the program runs on")
    button = session.read_accessible(IDC_POSITION)
    check("name: 7\n" in button and "description: 位置：7\n" in button,
          f'the button reads "7", described "位置：7" ({button.strip()!r})')
    session.xdotool("key", "Escape")
    code = session.exit_code()
    check(code == 0, f"Esc ends the program (exit code {code})")


BASS_STAFF_BMP = os.path.join(os.path.dirname(TREBLE_STAFF_BMP), "StaffBass.bmp")
IDM_BASSCLEF, IDM_CLEAR = 0x0020, 0x0030
BAD_VALUE_LINE = "canzet: --notes takes 1-5, not '9'; see 'canzet --help'"


def check_options(session):
    """--clef bass --notes 3 start the bass staff; a bad value is told in a message box in
    the language --language asks for, and the program ends with status 2 once the box is
    closed."""
    print("Started with --clef bass --notes 3")
    session.start_program(args=("--clef", "bass", "--notes", "3"))
    dismiss_midi_message(session)
    check(session.wait_window(MAIN_CAPTION), "the main dialog shows")
    bass = read_bmp(BASS_STAFF_BMP)

    def shows_bass(image):
        origin = find_staff(image)
        return origin is not None and image.crop(*origin, origin[0] + 600, origin[1] + 160) == bass

    check(shows_bass(session.screenshot_when("21-bass-start", shows_bass)),
          "the staff is the bass picture")
    session.xdotool("key", "Escape")
    code = session.exit_code()
    check(code == 0, f"Esc ends the program (exit code {code})")

    print("A bad value on the command line")
    session.start_program(args=("--notes", "9", "--language", "en"))
    check(session.wait_window(MESSAGE_BOX_CAPTION), "a message box shows")
    check(session.wait_trace(re.escape(wine_string(BAD_VALUE_LINE))), f'it says "{BAD_VALUE_LINE}"')
    session.screenshot("22-bad-value")
    check(session.exit_code(timeout=2) is None, "the program waits for the box")
    session.xdotool("key", "Return")
    code = session.exit_code()
    check(code == 2, f"closing it ends the program with status 2 (exit code {code})")


def check_high_dpi(session):
    """At 192 dpi, in a run of its own: the staff control is twice as large in screen pixels,
    shows the twice-size picture, and a click lands on the staff pixel it was over. The
    dialog is then wider than the screen, which cuts the staff's right part off."""
    print("192 dpi")
    desktop = "HKCU\\Control Panel\\Desktop"

    def set_dpi(dpi):
        subprocess.run(["wine", "reg", "add", desktop, "/v", "LogPixels", "/t", "REG_DWORD",
                        "/d", str(dpi), "/f"], env=session.env, timeout=120,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)

    set_dpi(192)
    session.start_program()
    dismiss_midi_message(session)
    check(session.wait_window(MAIN_CAPTION), "the main dialog shows")
    picture, width = read_bmp(TREBLE_STAFF_2X_BMP), 2 * 600
    # The clef and the lines' left ends, where the top line starts at (32, 106); the clef
    # crosses it up to x 130.
    clef = [picture[y * width + x] for y in range(320) for x in range(240)]

    def find_staff_2x(image):
        for y in range(image.height - 320):
            for x in range(32, image.width - 600):
                if image.at(x, y) == STAFF_LINE and image.at(x - 1, y) != STAFF_LINE and \
                        all(image.at(x + i, y) == STAFF_LINE for i in range(150, 600, 10)):
                    return x - 32, y - 106
        return None

    def shows_clef(image):
        origin = find_staff_2x(image)
        return origin is not None and image.crop(*origin, origin[0] + 240, origin[1] + 320) == clef

    shot = session.screenshot_when("23-192-dpi", shows_clef, timeout=30)
    check(shows_clef(shot), "the staff shows the twice-size clef pixel for pixel")
    sx, sy = find_staff_2x(shot)
    head = (sx + 2 * 288, sy + 2 * 88, sx + 2 * 313, sy + 2 * 103)
    session.xdotool("mousemove", sx + 2 * 300, sy + 2 * 95)
    session.xdotool("click", 1)
    placed = session.screenshot_when("24-192-dpi-note",
                                     lambda image: image.count(BLACK, *head) >= 200, timeout=30)
    check(shot.count(BLACK, *head) == 0 and placed.count(BLACK, *head) >= 200,
          "a click at twice the staff point (300, 95) puts the note there")
    session.xdotool("key", "Escape")
    code = session.exit_code()
    check(code == 0, f"Esc ends the program (exit code {code})")
    set_dpi(96)


def check_staff_menu(session):
    """The system menu's "低音谱号" and "清除" items, in a run of their own: they are in the
    real system menu, clear the staff and switch the clef, and "低音谱号" is checked in
    bass only."""
    print("Bass clef and clear in the system menu")
    session.start_program("+msgbox,+win,+menu")
    dismiss_midi_message(session)
    check(session.wait_window(MAIN_CAPTION), "the main dialog shows")
    shot = session.screenshot_when("14-staff-menu-start", lambda image: find_staff(image))
    staff_origin = find_staff(shot)
    check(staff_origin is not None, "the staff picture is on screen")
    trace = session.trace()
    for text, command in (("低音谱号", IDM_BASSCLEF), ("清除", IDM_CLEAR)):
        check(re.search(rf"id 0*{command:x}, str {re.escape(wine_string(text))}", trace),
              f'"{text}" is added to the real system menu as command {command:#06x}')
    client = (staff_origin[0] - STAFF_ORIGIN[0], staff_origin[1] - STAFF_ORIGIN[1])
    staff = Staff(session, client)
    treble, bass = read_bmp(TREBLE_STAFF_BMP), read_bmp(BASS_STAFF_BMP)

    def staff_pixels(image):
        return image.crop(staff.x0, staff.y0, staff.x0 + 600, staff.y0 + 160)

    def menu_open(name):
        """Screenshots with the system menu closed and then opened with Alt+Space."""
        closed = session.screenshot(name)
        session.xdotool("key", "alt+space")
        return closed, session.screenshot_when(
            name, lambda image: image.pixels != closed.pixels, timeout=30)

    def differing(first, second, box):
        left, top, right, bottom = box
        return [(x, y) for y in range(max(top, 0), min(bottom, first.height))
                for x in range(max(left, 0), min(right, first.width))
                if first.at(x, y) != second.at(x, y)]

    staff.drag((300, 95), (300, 95))
    session.screenshot_when("15-note", lambda image: staff.count(image, BLACK) >= 100, timeout=30)
    # The click gave the staff the focus and its focus rectangle; Tab moves the focus on, so
    # that the staff is compared with the pictures alone.
    session.xdotool("key", "Tab")
    closed, unchecked = menu_open("16-menu-treble")
    session.xdotool("key", "Up", "Up", "Return")
    cleared = session.screenshot_when("17-cleared", lambda image: staff_pixels(image) == treble, timeout=30)
    check(staff_pixels(cleared) == treble, '"清除" leaves the bare treble staff')
    menu_open("18-menu-treble-again")
    session.xdotool("key", "Up", "Up", "Up", "Return")
    switched = session.screenshot_when("19-bass", lambda image: staff_pixels(image) == bass, timeout=30)
    check(staff_pixels(switched) == bass, '"低音谱号" switches to the bass staff')
    _, checked = menu_open("20-menu-bass")
    session.xdotool("key", "Escape")
    # The menu is where the screen changed when it opened; in it only the check mark of
    # "低音谱号" differs between treble and bass.
    near = (client[0] - 50, client[1] - 50, client[0] + 400, client[1] + 400)
    menu = differing(closed, unchecked, near)
    check(menu, "the system menu opens")
    box = (min(x for x, _ in menu), min(y for _, y in menu),
           max(x for x, _ in menu) + 1, max(y for _, y in menu) + 1)
    tick = differing(unchecked, checked, box)
    check(tick and max(x for x, _ in tick) - min(x for x, _ in tick) < 20 and
          max(y for _, y in tick) - min(y for _, y in tick) < 20,
          f'"低音谱号" shows a check mark in bass only ({len(tick)} pixels differ in the menu)')
    # The first Esc after the menu leaves the menu mode of the title bar, a later one the
    # dialog.
    for _ in range(3):
        session.xdotool("key", "Escape")
        code = session.exit_code(timeout=10)
        if code is not None:
            break
    check(code == 0, f"Esc ends the program (exit code {code})")


PRACTICE_CAPTION = "练习"
# Read shows its note in the middle of three columns.
READ_NOTE_X = 329


def staff_by_its_right_end(shot):
    """Top left of a staff picture whose lines a note may break: the five lines' right ends."""
    for y in range(shot.height - 160):
        run = 0
        for x in range(shot.width - 1):
            run = run + 1 if shot.at(x, y) == STAFF_LINE else 0
            if run >= 200 and shot.at(x + 1, y) != STAFF_LINE:
                sx, sy = x - 583, y - STAFF_LINE_ROWS[0]
                if sx >= 0 and all(shot.at(x, sy + r) == STAFF_LINE for r in STAFF_LINE_ROWS):
                    return sx, sy
    return None


def read_question(shot):
    """The letter of the note a Read question shows, from the ring's dark left side: its
    longest dark run in the column 10 pixels left of the note's centre (lines cross it in
    one pixel) starts 4 rows above the centre."""
    origin = staff_by_its_right_end(shot)
    if origin is None:
        return None
    x = origin[0] + READ_NOTE_X - 10
    best, run, best_end = 0, 0, 0
    for y in range(origin[1] + 25, origin[1] + 140):
        run = run + 1 if sum(shot.at(x, y)) < 200 else 0
        if run > best:
            best, best_end = run, y
    if best < 5:
        return None
    centre = best_end - best + 1 + 4 - origin[1]
    step = 7 - round((centre - 81) / 7)
    return "CDEFGAB"[(step - 1) % 7]


def check_practice(session):
    """The practice dialog from the system menu, and a Read round of ten questions (the
    shortest round) answered with letter keys alone, the last with its digit key: each
    answer is judged right, and the round ends with its summary."""
    print("Practice")
    session.start_program()
    dismiss_midi_message(session)
    check(session.wait_window(MAIN_CAPTION), "the main dialog shows")
    session.xdotool("key", "alt+space")
    time.sleep(0.5)
    session.xdotool("key", "Up", "Return")
    check(session.wait_window(PRACTICE_CAPTION, timeout=20),
          f'"{PRACTICE_CAPTION}" opens from the system menu')
    # The focus starts on the first name button; the length list is three controls before
    # it, past the staff and the ledger-line list: ten questions; then Tab on past the
    # ledger-line list to the staff, which leaves letters to the dialog's access keys.
    session.xdotool("key", "--delay", "200", "shift+Tab", "shift+Tab", "shift+Tab", "Up", "Tab",
                    "Tab")
    check(session.wait_trace(re.escape(wine_string("第 1/10 题 · 对 0 · 连对 0")), timeout=20),
          "a round of ten questions starts")
    session.screenshot("21-practice-read")
    right = re.escape(wine_string("✓ 对！")[:-1])
    for question in range(1, 11):
        score = re.escape(wine_string(f"第 {question}/10 题 · 对 {question - 1}")[:-1])
        check(session.wait_trace(score, timeout=20), f"question {question} shows")
        letter = read_question(session.screenshot(f"21-practice-read-{question}"))
        check(letter is not None, f"question {question} shows its note")
        # The last by its digit, do = 1 without a key, which no button's caption marks.
        typed = letter.lower() if question < 10 else str("CDEFGAB".index(letter) + 1)
        session.xdotool("key", typed)
        check(session.wait_trace(right, count=question, timeout=20),
              f'the key {typed} answers {letter}: "对！"')
        if question < 10:
            session.xdotool("key", "Return")
    check(session.wait_trace(re.escape(wine_string("本轮：对 10/10")[:-1]), timeout=20),
          "the round ends with its summary")
    session.screenshot("22-practice-summary")
    session.xdotool("key", "Escape")
    check(session.wait_window(PRACTICE_CAPTION, present=False, timeout=10), "Esc closes it")
    session.xdotool("key", "Escape")
    code = session.exit_code()
    check(code == 0, f"and Esc again ends the program (exit code {code})")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("exe")
    parser.add_argument("--shots", default=None, help="folder for the screenshots")
    args = parser.parse_args()

    if shutil.which("wine") is None:
        print("SKIPPED: wine is not installed, the Windows program cannot run here")
        return 0
    exe = os.path.abspath(args.exe)
    global MSAA_CLIENT
    MSAA_CLIENT = os.path.join(os.path.dirname(os.path.dirname(exe)), "tools", "msaa",
                               "canzet-msaa.exe")
    shots = os.path.abspath(args.shots or os.path.join(os.path.dirname(exe), "wine-shots"))
    os.makedirs(shots, exist_ok=True)

    session = Session(exe, shots)
    signal.signal(signal.SIGALRM, give_up)
    signal.signal(signal.SIGTERM, give_up)
    signal.alarm(TIME_LIMIT)
    try:
        session.start_display()
        started = time.time()
        if not session.prime_wine():
            print("SKIPPED: wine cannot run on this machine")
            return 0
        print(f"Wine prefix ready in {time.time() - started:.1f} s")
        session.start_program()
        dismiss_midi_message(session)
        client, controls = check_layout(session)
        check_editing(session, client, controls)
        check_about(session)
        check_exit(session, client, controls)
        check_other_exits(session)
        check_keyboard(session)
        check_staff_menu(session)
        check_options(session)
        check_practice(session)
        check_high_dpi(session)
        # Last: Wine stays in English from here on.
        check_english(session)
    except CheckFailed as failure:
        print(f"FAILED: {failure}\nscreenshots in {shots}")
        return 1
    finally:
        signal.alarm(0)
        signal.signal(signal.SIGTERM, signal.SIG_DFL)
        session.stop()
    print(f"Windows program passed under Wine; screenshots in {shots}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
