"""Screen, wine prefix, program and state reader for the conformance scenarios.

Input goes through real X events (xdotool); state is read back from Win32 by state_reader.exe running
in the same prefix. Waiting is always polling with a short interval and a bounded number of tries.
"""

import contextlib
import os
import shutil
import signal
import subprocess
import time
from pathlib import Path

POLL_INTERVAL = 0.1
POLL_TRIES = 60
EXIT_WAIT_SECONDS = 20


class Failure(Exception):
    """A scenario saw something other than what it expected."""


def wine_loader():
    return shutil.which("wine64") or "/usr/lib/wine/wine64"


def wineserver():
    return shutil.which("wineserver") or "/usr/lib/wine/wineserver"


class Screen:
    """An Xvfb of a given size, on whatever display number is free."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as announced:
            number = announced.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = f":{number}"

    def stop(self):
        self.process.terminate()
        self.process.wait(timeout=10)


class Prefix:
    """A wine prefix made fresh for one run of the suite."""

    def __init__(self, path):
        self.path = Path(path)

    def environment(self, screen, locale):
        env = dict(os.environ)
        env.update(WINEPREFIX=str(self.path), WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=",
                   DISPLAY=screen.display, LANG=locale, LC_ALL=locale)
        return env

    def create(self, screen):
        """Boots a new prefix and turns off the X11 driver's window-manager integration.

        Without a window manager, a decorated and managed window stalls for about two seconds
        each time it is hidden; with both settings off, wine places its windows itself.
        """
        if self.path.exists():
            self.stop_wine(screen)  # left running by a run that was cut short
            shutil.rmtree(self.path)
        self.path.parent.mkdir(parents=True, exist_ok=True)
        env = self.environment(screen, "en_US.UTF-8")
        started = time.monotonic()
        subprocess.run([wine_loader(), "wineboot", "-i"], env=env, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for name in ("Decorated", "Managed"):
            subprocess.run([wine_loader(), "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v",
                            name, "/t", "REG_SZ", "/d", "N", "/f"], env=env, check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return time.monotonic() - started

    def drive_c(self):
        return self.path / "drive_c"

    def stop_wine(self, screen):
        """Ends the wine processes of this prefix and waits for its wineserver to go."""
        env = self.environment(screen, "C.UTF-8")
        subprocess.run([wineserver(), "-k"], env=env, stderr=subprocess.DEVNULL)
        subprocess.run([wineserver(), "-w"], env=env, timeout=30)


class State(dict):
    """One `state` answer of the state reader: key=value pairs."""

    def numbers(self, key):
        return tuple(int(n) for n in self.get(key, "").split(",") if n)


class Session:
    """One screen and one locale in the suite's prefix; starts programs and drives them."""

    def __init__(self, prefix, screen, locale, reader, workdir):
        self.screen = screen
        self.env = prefix.environment(screen, locale)
        self.reader, self.workdir = reader, workdir

    # The state reader.

    def ask(self, *commands):
        answer = subprocess.run([wine_loader(), str(self.reader)], env=self.env,
                                input="".join(c + "\n" for c in commands).encode(),
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=60)
        replies, current = [], State()
        for line in answer.stdout.decode("utf-8", "replace").splitlines():
            if line == "end":
                replies.append(current)
                current = State()
            elif "=" in line:
                key, value = line.split("=", 1)
                current[key] = value
        if len(replies) != len(commands):
            raise Failure(f"state reader answered {len(replies)} of {len(commands)} commands")
        return replies

    def state(self):
        return self.ask("state")[0]

    def wait_for(self, what, holds, tries=POLL_TRIES):
        """Polls until holds(state) is true; fails with the last state seen."""
        for _ in range(tries):
            state = self.state()
            if holds(state):
                return state
            time.sleep(POLL_INTERVAL)
        raise Failure(f"{what} never happened; last seen: "
                      + ", ".join(f"{k}={v}" for k, v in state.items()))

    # Programs.

    @contextlib.contextmanager
    def running(self, windows_path):
        """The program started from a working folder other than its own, once its window is up;
        ended at the close of the block if still running."""
        program = Program(subprocess.Popen(
            [wine_loader(), windows_path], env=self.env, cwd=self.workdir,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True))
        try:
            self.wait_for("the main window appearing",
                          lambda s: s.get("main") == "found" and s.get("focus") != "none",
                          tries=POLL_TRIES * 2)
            yield program
        finally:
            program.end()

    # Real X input.

    def xdotool(self, *arguments):
        subprocess.run(["xdotool", *arguments], env=self.env, check=True)

    def keys(self, *names):
        self.xdotool("key", *names)

    def click(self, x, y):
        self.xdotool("mousemove", str(x), str(y), "click", "1")


class Program:
    """The program under test, as the wine process the runner started."""

    def __init__(self, process):
        self.process = process

    def exit_code(self):
        try:
            return self.process.wait(timeout=EXIT_WAIT_SECONDS)
        except subprocess.TimeoutExpired:
            raise Failure(f"the process did not end within {EXIT_WAIT_SECONDS} s")

    def running(self):
        return self.process.poll() is None

    def end(self):
        if self.running():
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait()
