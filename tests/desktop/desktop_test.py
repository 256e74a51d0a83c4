#!/usr/bin/env python3
"""The program in real windows on an X server (Xvfb), driven by real X input.

Usage: desktop_test.py PATH/TO/lanxiu [unittest arguments]

Each test starts its own program on a shared Xvfb screen, finds its windows by
their titles, types and clicks with xdotool and reads check marks and caption
colours from screenshots taken with ImageMagick's `import`.
"""
import os
import subprocess
import sys
import time
import unittest

PROGRAM = None
HERE = os.path.dirname(os.path.abspath(__file__))
SCREEN = (1280, 1024)
MAIN_TITLE = "澜岫内存优化器"
BOX_TITLE = "信息："
MAIN_SIZE = (506, 479)
# The classic fixed frame is 3 pixels wide and the caption 19 high, so the
# client area starts here inside the window.
CLIENT = (3, 22)
# Client positions of the check boxes (top to bottom) and the push button.
CHECK_BOXES = [(24, 224), (24, 256), (24, 288), (24, 320)]
CHECK_BOX_HEIGHT = 24
BOX_SIDE = 13
BUTTON_CENTRE = (16 + 80, 368 + 24)
WAIT = 5.0


def wait_for(what, condition, timeout=WAIT):
    end = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.05)


class Xvfb:
    def __init__(self):
        read, write = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-nolisten", "tcp", "-screen", "0",
             "%dx%dx24" % SCREEN], pass_fds=(write,), stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as f:
            self.display = ":" + f.readline().strip()

    def close(self):
        self.process.terminate()
        self.process.wait()


class Screen:
    """A screenshot: pixels as (r, g, b) by screen coordinates."""

    def __init__(self, display):
        ppm = subprocess.run(["import", "-display", display, "-window", "root", "-depth", "8", "ppm:-"],
                             check=True, capture_output=True).stdout
        fields = ppm.split(maxsplit=4)
        self.width, self.height = int(fields[1]), int(fields[2])
        self.data = fields[4]

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.data[i:i + 3])


class DesktopTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.xvfb = Xvfb()
        cls.env = dict(os.environ, DISPLAY=cls.xvfb.display,
                       LSAN_OPTIONS="print_suppressions=0:suppressions=" + os.path.join(HERE, "lsan.supp"))
        cls.env.pop("WAYLAND_DISPLAY", None)
        cls.env.pop("LW_SCRIPT", None)

    @classmethod
    def tearDownClass(cls):
        cls.xvfb.close()

    def setUp(self):
        self.helpers = []
        self.program = subprocess.Popen([PROGRAM], env=self.env, cwd=os.path.dirname(PROGRAM))
        self.addCleanup(self.end_processes)
        self.main = wait_for("the main window", lambda: self.find(MAIN_TITLE))
        self.origin = self.geometry(self.main)[0]

    def end_processes(self):
        for p in self.helpers + [self.program]:
            if p.poll() is None:
                p.kill()
                p.wait()

    # The X side.
    def xdotool(self, *args):
        return subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env,
                              capture_output=True, text=True, timeout=WAIT).stdout.split()

    def find(self, title):
        found = self.xdotool("search", "--onlyvisible", "--name", "^%s$" % title)
        return found[0] if found else None

    def geometry(self, window):
        out = subprocess.run(["xwininfo", "-id", window], env=self.env, check=True,
                             capture_output=True, text=True).stdout
        values = dict(line.strip().split(":", 1) for line in out.splitlines() if ":" in line)
        number = lambda key: int(values[key])
        return ((number("Absolute upper-left X"), number("Absolute upper-left Y")),
                (number("Width"), number("Height")))

    def screen(self):
        # Let the program present what the last input changed.
        time.sleep(0.3)
        return Screen(self.xvfb.display)

    def client_to_screen(self, x, y):
        return (self.origin[0] + CLIENT[0] + x, self.origin[1] + CLIENT[1] + y)

    def click(self, x, y):
        self.xdotool("mousemove", x, y, "click", 1)

    def keys(self, *names):
        for name in names:
            self.xdotool("key", name)

    # What the program shows.
    def checks(self):
        """Whether each check box shows a check mark: dark pixels inside its box."""
        shot = self.screen()
        marks = []
        for x, y in CHECK_BOXES:
            left, top = self.client_to_screen(x, y + (CHECK_BOX_HEIGHT - BOX_SIDE) // 2)
            dark = sum(1 for dy in range(2, BOX_SIDE - 2) for dx in range(2, BOX_SIDE - 2)
                       if sum(shot.pixel(left + dx, top + dy)) < 200)
            marks.append(dark >= 5)
        return marks

    def caption_active(self):
        """The active caption is blue, an inactive one grey."""
        r, g, b = self.screen().pixel(self.origin[0] + MAIN_SIZE[0] // 2, self.origin[1] + 10)
        return b > r + 40

    # The tests.
    def test_main_window_has_its_size_centred_on_the_screen(self):
        origin, size = self.geometry(self.main)
        self.assertEqual(size, MAIN_SIZE)
        self.assertEqual(origin, ((SCREEN[0] - MAIN_SIZE[0]) // 2, (SCREEN[1] - MAIN_SIZE[1]) // 2))
        self.assertTrue(self.caption_active())

    def test_tab_space_and_clicks_check_the_boxes(self):
        steps = [
            ([], [False, False, False, False]),
            (["space"], [True, False, False, False]),
            (["Tab", "space"], [True, True, False, False]),
            (["shift+Tab", "space"], [False, True, False, False]),
            ("click 3", [False, True, True, False]),
            (["space"], [False, True, False, False]),  # the click moved the focus there
            ("click 4", [False, True, False, True]),
        ]
        for action, expected in steps:
            if isinstance(action, str):
                x, y = CHECK_BOXES[int(action.split()[1]) - 1]
                self.click(*self.client_to_screen(x + 6, y + CHECK_BOX_HEIGHT // 2))
            else:
                self.keys(*action)
            self.assertEqual(self.checks(), expected, "after %s" % action)

    def test_button_opens_the_box_and_escape_closes_box_then_program(self):
        self.click(*self.client_to_screen(*BUTTON_CENTRE))
        box = wait_for("the box", lambda: self.find(BOX_TITLE))
        (x, y), (w, h) = self.geometry(box)
        main = self.geometry(self.main)
        self.assertTrue(main[0][0] < x and x + w < main[0][0] + main[1][0], "box over the main window")
        # A click on the main window leaves the box above it and active.
        self.click(*self.client_to_screen(300, 20))
        self.assertFalse(self.caption_active())
        self.keys("Escape")
        wait_for("the box to close", lambda: not self.find(BOX_TITLE))
        self.assertIsNone(self.program.poll())
        self.assertTrue(self.caption_active())
        self.keys("Escape")
        self.assertEqual(self.program.wait(timeout=WAIT), 0)

    def test_focus_returns_to_the_same_check_box_after_another_program(self):
        self.keys("Tab")
        other = subprocess.Popen(["xmessage", "-geometry", "+0+0", "another program"],
                                 env=self.env, stderr=subprocess.DEVNULL)
        self.helpers.append(other)
        xmessage = wait_for("the other program", lambda: self.find("xmessage"))
        self.xdotool("windowfocus", xmessage)
        wait_for("the caption to turn inactive", lambda: not self.caption_active())
        self.xdotool("windowfocus", self.main)
        wait_for("the caption to turn active", self.caption_active)
        self.keys("space")
        self.assertEqual(self.checks(), [False, True, False, False])

    def test_caption_drag_moves_the_window(self):
        start = (self.origin[0] + 200, self.origin[1] + 10)
        self.xdotool("mousemove", *start, "mousedown", 1)
        for step in range(1, 6):
            self.xdotool("mousemove", start[0] + 20 * step, start[1] + 10 * step)
        self.xdotool("mouseup", 1)
        moved = (self.origin[0] + 100, self.origin[1] + 50)
        try:
            wait_for("the window to move", lambda: self.geometry(self.main)[0] == moved)
        except AssertionError:
            self.assertEqual(self.geometry(self.main)[0], moved)

    def test_idle_program_uses_no_processor_time(self):
        time.sleep(1)

        def cpu_ticks():
            with open("/proc/%d/stat" % self.program.pid) as f:
                fields = f.read().rsplit(")", 1)[1].split()
            return int(fields[11]) + int(fields[12])  # utime + stime

        before = cpu_ticks()
        time.sleep(5)
        used = cpu_ticks() - before
        self.assertLessEqual(used, 3, "clock ticks used in 5 idle seconds")


if __name__ == "__main__":
    PROGRAM = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
