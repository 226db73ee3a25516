"""A session for the real program that a test drives: its own runtime folder, sound into
ALSA's null device, and a private session bus with the desktop's accessibility bus
(at-spi2-core) on it, as a screen reader finds it. Import pyatspi only after start_bus()."""
import os
import subprocess
import time


def silent_session(work):
    """$work as the runtime and home folder; the synthesizer plays into ALSA's null device
    on a machine without sound hardware, and finds or starts no PulseAudio or JACK server
    of the user's."""
    os.environ["XDG_RUNTIME_DIR"] = work
    os.environ["PULSE_SERVER"] = "unix:" + os.path.join(work, "no-server")
    os.environ["JACK_NO_START_SERVER"] = "1"
    os.environ["JACK_DEFAULT_SERVER"] = f"canzet-private-{os.getpid()}"
    os.environ["HOME"] = work
    with open(os.path.join(work, "asound.conf"), "w") as conf:
        conf.write("pcm.!default { type null }\nctl.!default { type hw card 0 }\n")
    os.environ["ALSA_CONFIG_PATH"] = os.path.join(work, "asound.conf")
    os.environ.pop("QT_QPA_PLATFORM", None)


def start_bus(seconds=60):
    """A private session bus, and the accessibility bus that at-spi2-core launches on it.
    Returns the daemons started, for stop_bus(), or None when the accessibility bus did not
    answer in time. The program looks for that bus once, as it starts: it must be there."""
    for line in subprocess.run(["dbus-launch", "--sh-syntax"], check=True,
                               capture_output=True, text=True).stdout.splitlines():
        if "=" in line and not line.startswith("export"):
            key, value = line.rstrip(";").split("=", 1)
            os.environ[key] = value.strip("'")
    # Each in a process group of its own, so that the daemons they start go with them.
    started = [subprocess.Popen([command], stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, start_new_session=True)
               for command in ("/usr/libexec/at-spi-bus-launcher",
                               "/usr/libexec/at-spi2-registryd")]
    deadline = time.monotonic() + seconds
    while subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                          "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode != 0:
        if time.monotonic() > deadline:
            stop_bus(started)
            return None
        time.sleep(0.2)
    return started


def stop_bus(started):
    for process in started:
        try:
            os.killpg(process.pid, 9)
        except ProcessLookupError:
            pass
    subprocess.run(["kill", os.environ.get("DBUS_SESSION_BUS_PID", "0")],
                   stderr=subprocess.DEVNULL)
