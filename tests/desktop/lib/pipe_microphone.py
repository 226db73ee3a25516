"""A microphone for tests: a PulseAudio server of the test's own whose only source is a pipe,
fed 10 ms blocks of 48 kHz mono at the pace of real time.

A microphone nobody records from loses its sound; it never hands a stream that opens later
the seconds it was not heard. The server stops reading the pipe while no stream records,
so silence that does not fit is dropped rather than written late in a burst, and a note
sung meanwhile waits in the queue until the pipe is read again."""
import math
import os
import struct
import subprocess
import threading
import time

SILENCE = struct.pack("<480f", *([0.0] * 480))


def start_server(folder):
    """Returns the server's process, the environment that reaches it and the pipe."""
    socket, pipe = os.path.join(folder, "native"), os.path.join(folder, "mic")
    env = {"HOME": folder, "PULSE_RUNTIME_PATH": folder, "PATH": "/usr/bin:/bin",
           "PULSE_SERVER": f"unix:{socket}"}
    server = subprocess.Popen(
        ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
         "--disable-shm=yes", f"-Lmodule-native-protocol-unix auth-anonymous=1 socket={socket}",
         f"-Lmodule-pipe-source source_name=canzet_mic file={pipe} format=float32le rate=48000"
         " channels=1"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + 30
    while not (os.path.exists(socket) and os.path.exists(pipe)):
        if server.poll() is not None or time.monotonic() > deadline:
            server.kill()  # one that hangs must not outlive the test
            server.wait()
            raise RuntimeError("the test's sound server did not start")
        time.sleep(0.05)
    return server, env, pipe


def sung(key, ms):
    """The blocks of `key` held for `ms`, with its first harmonics as a voice has."""
    hz = 440.0 * 2 ** ((key - 69) / 12)
    return [struct.pack("<480f", *(sum(0.2 * math.sin(h * 2 * math.pi * hz * (b * 480 + i) / 48000)
                                       / h for h in range(1, 5)) for i in range(480)))
            for b in range(ms // 10)]


class PipeMicrophone(threading.Thread):
    def __init__(self, pipe):
        super().__init__(daemon=True)
        self.pipe, self.blocks, self.lock = pipe, [], threading.Lock()

    def sing(self, key, ms):
        with self.lock:
            self.blocks.extend(sung(key, ms))

    def run(self):
        mic = os.open(self.pipe, os.O_WRONLY | os.O_NONBLOCK)
        start = time.monotonic()
        for block in range(1, 1 << 30):
            with self.lock:
                data = self.blocks[0] if self.blocks else SILENCE
            try:
                os.write(mic, data)  # under PIPE_BUF: all of the block or nothing
                if data is not SILENCE:
                    with self.lock:
                        self.blocks.pop(0)
            except BlockingIOError:
                pass
            except BrokenPipeError:  # the source was taken away
                return
            time.sleep(max(0.0, start + block / 100 - time.monotonic()))
