#!/usr/bin/env python3
"""Start-up benchmark of the native program in the headless layer.

Measures, over many runs of the release build:
  * the time from starting the process to its first idle moment, which the
    message loop reaches only once the main window has been shown and every
    pending paint has been handled (the first complete paint);
  * the peak resident memory of the process over its whole run.

The script driver runs its first command at that first idle moment; the
command prints a line, which is when the clock stops. The program is then
closed with Escape so each run ends on its own.

The peak memory comes from /usr/bin/time (Debian's `time`): a process that
Python starts directly inherits Python's own peak in its accounting.

Usage: bench/startup.py [path/to/lanxiu] [runs]
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_EXE = os.path.join(ROOT, "build", "native-release", "lanxiu")


def one_run(exe):
    env = dict(os.environ, LW_SCRIPT="print-cwd; key ESCAPE")
    env.pop("DISPLAY", None)
    env.pop("WAYLAND_DISPLAY", None)
    with tempfile.NamedTemporaryFile("r") as peak:
        command = ["/usr/bin/time", "-f", "%M", "-o", peak.name, exe]
        start = time.perf_counter()
        child = subprocess.Popen(command, env=env, stdout=subprocess.PIPE,
                                 stderr=subprocess.DEVNULL)
        child.stdout.readline()
        first_paint = time.perf_counter() - start
        child.stdout.read()
        if child.wait() != 0:
            sys.exit(f"the program ended with {child.returncode}, not 0")
        peak_kb = int(peak.read().split()[-1])
    return first_paint * 1000.0, peak_kb / 1024.0


def main():
    exe = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_EXE
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 40
    one_run(exe)  # warm the page cache and the font cache
    times, peaks = zip(*(one_run(exe) for _ in range(runs)))
    print(f"{runs} runs of {exe}")
    print(f"start to first complete paint: median {statistics.median(times):.1f} ms, "
          f"min {min(times):.1f} ms, max {max(times):.1f} ms")
    print(f"peak resident memory: median {statistics.median(peaks):.1f} MB, "
          f"max {max(peaks):.1f} MB")


if __name__ == "__main__":
    main()
