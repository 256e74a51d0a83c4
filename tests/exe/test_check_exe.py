#!/usr/bin/env python3
"""Shows that check_exe.py catches each fault it looks for: builds one small
exe with every fault at once (console program, extra DLL, no ASLR or DEP,
writable code, an icon of two 32-bit images, a manifest, no version
record) and expects every check but the machine to fail on it.

Needs x86_64-w64-mingw32-gcc, -windres and -objcopy.
"""
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_exe  # noqa: E402

TRIPLE = "x86_64-w64-mingw32"
SOURCE = b"""#include <windows.h>
int main(void) { HKEY key; return RegOpenKeyA(HKEY_CURRENT_USER, "x", &key); }
"""


def ico_with_two_images():
    def image(size):
        header = (40).to_bytes(4, "little") + size.to_bytes(4, "little") + \
            (2 * size).to_bytes(4, "little") + (1).to_bytes(2, "little") + \
            (32).to_bytes(2, "little") + bytes(24)
        return header + bytes(size * size * 4 + size * 4)

    images = [image(16), image(48)]
    directory = (0).to_bytes(2, "little") + (1).to_bytes(2, "little") + \
        len(images).to_bytes(2, "little")
    offset = 6 + 16 * len(images)
    for size, data in zip((16, 48), images):
        directory += bytes([size, size, 0, 0]) + (1).to_bytes(2, "little") + \
            (32).to_bytes(2, "little") + len(data).to_bytes(4, "little") + \
            offset.to_bytes(4, "little")
        offset += len(data)
    return directory + b"".join(images)


def build_faulty_exe(work):
    files = {
        "faulty.c": SOURCE,
        "faulty.ico": ico_with_two_images(),
        "manifest.xml": b"<assembly/>\n",
        "faulty.rc": b'DEFAULT_ICON ICON "faulty.ico"\n1 24 "manifest.xml"\n',
    }
    for name, data in files.items():
        with open(os.path.join(work, name), "wb") as f:
            f.write(data)

    def run(*args):
        subprocess.run(args, cwd=work, check=True)

    run(f"{TRIPLE}-windres", "faulty.rc", "-O", "coff", "-o", "faulty.res")
    run(f"{TRIPLE}-gcc", "faulty.c", "faulty.res", "-o", "linked.exe", "-ladvapi32",
        "-Wl,--disable-dynamicbase", "-Wl,--disable-nxcompat",
        "-Wl,--disable-high-entropy-va")
    run(f"{TRIPLE}-objcopy", "--set-section-flags", ".data=alloc,load,data,code",
        "linked.exe", "faulty.exe")
    return os.path.join(work, "faulty.exe")


def main():
    with tempfile.TemporaryDirectory() as work:
        exe = build_faulty_exe(work)
        results = {name: ok for name, ok, _ in check_exe.check(exe, "amd64")}
        wrong_machine = {name: ok for name, ok, _ in check_exe.check(exe, "i386")}
    missed = [name for name, ok in results.items() if ok and not name.startswith("machine")]
    missed += [name for name, ok in wrong_machine.items() if ok and name.startswith("machine")]
    wrongly_failed = [name for name, ok in results.items() if not ok and name.startswith("machine")]
    for name in missed:
        print(f"FAIL the check '{name}' passed a faulty exe")
    for name in wrongly_failed:
        print(f"FAIL the check '{name}' failed on the right machine")
    failed = len(missed) + len(wrongly_failed)
    print(f"{len(results) + 1 - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
