#!/usr/bin/env python3
"""Runs the x86_64 build of the program under wine64 in Xvfb and checks it from outside.

Prints `PASS name [session]` or `FAIL name [session]: why` per scenario and a closing
`N passed, M failed` line; exits non-zero when a scenario failed.
"""

import argparse
import shutil
import subprocess
import sys
import time
import traceback
from pathlib import Path
from types import SimpleNamespace

from harness import Failure, Prefix, Screen, Session
from scenarios import SCENARIOS, TRAIL_5C_FOLDER

HERE = Path(__file__).resolve().parent
ROOT = HERE.parents[1]
WORK = ROOT / "build" / "conformance"

# Sessions: a locale (and with it the ANSI code page) and a screen size.
SESSIONS = {
    "zh-1024": ("zh_CN.UTF-8", (1024, 768)),
    "en-1024": ("en_US.UTF-8", (1024, 768)),
    "zh-1280": ("zh_CN.UTF-8", (1280, 1024)),
    "zh-400": ("zh_CN.UTF-8", (400, 300)),  # smaller than the window: negative coordinates
}


def build_state_reader():
    target = WORK / "state_reader.exe"
    source = HERE / "state_reader.cpp"
    if not target.exists() or target.stat().st_mtime < source.stat().st_mtime:
        WORK.mkdir(parents=True, exist_ok=True)
        subprocess.run(["x86_64-w64-mingw32-g++", "-std=c++17", "-O2", "-static", "-o",
                        str(target), str(source)], check=True)
    return target


def build_program():
    build_dir = ROOT / "build" / "conformance-win64"
    subprocess.run([str(ROOT / "scripts" / "build-libjpeg-mingw.sh"), "x86_64-w64-mingw32"],
                   check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--preset", "win64", "-B", str(build_dir)], cwd=ROOT, check=True,
                   stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", str(build_dir), "-j2"], cwd=ROOT, check=True,
                   stdout=subprocess.DEVNULL)
    return build_dir / "lanxiu.exe"


def install(prefix, exe):
    """Puts the program in a plain folder and in one whose name has a 0x5C trail byte."""
    paths = {}
    for key, folder in (("plain", "lanxiu"), ("trail_5c", TRAIL_5C_FOLDER)):
        target = prefix.drive_c() / folder
        target.mkdir(parents=True, exist_ok=True)
        shutil.copy2(exe, target / "lanxiu.exe")
        paths[key] = f"C:\\{folder}\\lanxiu.exe"
    return SimpleNamespace(**paths)


def run_scenario(name, function, session, paths, label):
    try:
        function(session, paths)
        print(f"PASS {name} [{label}]", flush=True)
        return True
    except Failure as failure:
        print(f"FAIL {name} [{label}]: {failure}", flush=True)
    except Exception:  # a broken harness must still give a line per scenario
        reason = traceback.format_exc().strip().splitlines()[-1]
        print(f"FAIL {name} [{label}]: {reason}", flush=True)
    return False


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--exe", type=Path, help="program to check (default: build it)")
    parser.add_argument("-k", dest="only", default="", help="run scenarios whose name has this")
    args = parser.parse_args()

    started = time.monotonic()
    reader = build_state_reader()
    exe = args.exe.resolve() if args.exe else build_program()
    prefix = Prefix(WORK / "wineprefix")
    results = []
    sizes = list(dict.fromkeys(size for _, size in SESSIONS.values()))
    for number, size in enumerate(sizes):
        screen = Screen(*size)
        try:
            if number == 0:
                print(f"wine prefix made in {prefix.create(screen):.1f} s", flush=True)
                paths = install(prefix, exe)
            for label, (locale, session_size) in SESSIONS.items():
                if session_size != size:
                    continue
                session = Session(prefix, screen, locale, reader, WORK)
                for name, sessions, function in SCENARIOS:
                    if label in sessions and args.only in name:
                        results.append(run_scenario(name, function, session, paths,
                                                    f"{locale} {size[0]}x{size[1]}"))
        finally:
            prefix.stop_wine(screen)
            screen.stop()
    passed = sum(results)
    print(f"suite ran in {time.monotonic() - started:.0f} s")
    print(f"{passed} passed, {len(results) - passed} failed")
    return 0 if results and passed == len(results) else 1


if __name__ == "__main__":
    sys.exit(main())
