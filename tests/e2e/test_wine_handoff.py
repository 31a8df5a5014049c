#!/usr/bin/env python3
"""Two clicks in a row on thumbnails of the real program, with the SSTV
programs as Linux operators run them: Windows programs under Wine, their
window threads busy as while they decode audio. Three Win32 stand-ins
(win32_sstv_standin.exe) log the keys they get and, once their paste keys are
complete, what they read from the clipboard. Each must get all its keys and
read the clipboard once per click, finding the picture as CF_DIB (its size
and centre colour) and the TX file as CF_HDROP; with the openbox window
manager and with none."""

import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import accessible  # noqa: E402
from e2e_support import Session, poll  # noqa: E402
from test_click_handoff import setup_lines  # noqa: E402
from test_handoff import TITLES, BareDisplay  # noqa: E402

STANDIN = os.environ.get("WIN32_SSTV_STANDIN", "")
WINE = os.environ.get("WINE", "wine")
WINEBOOT = os.environ.get("WINEBOOT", "wineboot")
WINESERVER = os.environ.get("WINESERVER", "wineserver")
TIMEOUT = 20.0
# Wine starts a program in a few seconds, a busy one reads its keys late.
HANDOFF_TIMEOUT = 60.0

# Per stand-in: what it says when its keys are complete, and its keys as its
# window gets them (MMSSTV's "p" is taken by its Edit menu, which then gives
# the Paste command).
EXPECTED = {
    "EasyPal": ("easypal", ["keydown F7"]),
    "KG-STV": ("kgstv", ["keydown 1", "char 1", "keydown T", "char t",
                         "keydown 1", "char 1", "keydown P", "char p"]),
    "MMSSTV": ("mmsstv", ["syskeydown 0x12", "syskeydown E", "command paste"]),
}
KEY_LINES = ("keydown ", "syskeydown ", "char ", "command ")

# The two pictures: name, size, background and the colour of the middle
# third. Odd widths: rows of a bitmap are padded.
PICTURES = [("sunset.bmp", (321, 243), (30, 60, 200), (200, 40, 30)),
            ("dawn.bmp", (250, 190), (20, 150, 20), (240, 200, 60))]


def write_bmp(path, size, background, centre):
    width, height = size
    stride = (width * 3 + 3) // 4 * 4
    rows = []
    for y in range(height - 1, -1, -1):  # bottom-up
        row = bytearray()
        for x in range(width):
            inside = width // 3 <= x < 2 * width // 3 and height // 3 <= y < 2 * height // 3
            r, g, b = centre if inside else background
            row += bytes((b, g, r))
        rows.append(bytes(row) + b"\0" * (stride - len(row)))
    pixels = b"".join(rows)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835,
                         0, 0)
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", 14 + 40 + len(pixels), 0, 0, 54) + header + pixels)


def dos_path(path):
    """The path as Wine's Z: drive shows it."""
    return "Z:" + path.replace("/", "\\")


class WinePrefix:
    """A Wine prefix of the test run's own, made once by wineboot."""

    def __init__(self):
        self.tmp = tempfile.mkdtemp(prefix="quiverel-e2e-wine-")
        self.path = os.path.join(self.tmp, "prefix")
        home = os.path.join(self.tmp, "home")
        os.makedirs(home)
        env = self.env(dict(os.environ, HOME=home))
        env.pop("DISPLAY", None)
        started = time.monotonic()
        with open(os.path.join(self.tmp, "wineboot.log"), "wb") as log:
            done = subprocess.run([WINEBOOT, "-i"], env=env, stdout=log, stderr=subprocess.STDOUT,
                                  stdin=subprocess.DEVNULL, timeout=400)
        self.end_processes()
        self.boot_seconds = time.monotonic() - started
        if done.returncode != 0 or not os.path.isdir(os.path.join(self.path, "drive_c")):
            with open(os.path.join(self.tmp, "wineboot.log"), errors="replace") as f:
                raise AssertionError("wineboot -i failed (%d): %s" % (done.returncode, f.read()))

    def env(self, base):
        env = dict(base)
        env.update({"WINEPREFIX": self.path, "WINEDLLOVERRIDES": "mscoree,mshtml=",
                    "WINEDEBUG": "-all"})
        return env

    def end_processes(self):
        """Waits for the prefix's wineserver to end with its programs (it ends
        Wine's own services once nothing else runs); what is left after that,
        or of a run that failed, is ended by its process id."""
        env = self.env(os.environ)

        def wineserver(flag, timeout):
            subprocess.run([WINESERVER, flag], env=env, stdin=subprocess.DEVNULL,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=timeout)
        try:
            wineserver("-w", 60)
        except subprocess.TimeoutExpired:
            wineserver("-k", 60)
        # Killing the server while a service starts leaves that one behind.
        for pid in self.leftovers():
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass

    def leftovers(self):
        """Processes of this prefix still running."""
        mark = b"WINEPREFIX=" + self.path.encode()
        pids = []
        for entry in os.listdir("/proc"):
            if not entry.isdigit():
                continue
            try:
                with open("/proc/%s/environ" % entry, "rb") as f:
                    if mark in f.read().split(b"\0"):
                        pids.append(int(entry))
            except OSError:
                pass
        return pids

    def close(self):
        self.end_processes()
        shutil.rmtree(self.tmp, ignore_errors=True)


class StandIn:
    """One stand-in SSTV program under Wine, busy, and its log."""

    def __init__(self, session, prefix, name):
        self.name = name
        self.log_path = os.path.join(session.tmp, "standin-%s.log" % name)
        self.out = open(os.path.join(session.tmp, "standin-%s.out" % name), "wb")
        self.popen = subprocess.Popen(
            [WINE, STANDIN, TITLES[name], dos_path(self.log_path), "--busy"],
            env=prefix.env(session.display.env()), stdout=self.out, stderr=subprocess.STDOUT,
            stdin=subprocess.DEVNULL)

    def lines(self):
        if not os.path.exists(self.log_path):
            return []
        with open(self.log_path, encoding="utf-8", errors="replace") as f:
            return f.read().splitlines()

    def ready(self):
        if self.popen.poll() is not None:
            raise AssertionError("the %s stand-in ended (%s)" % (self.name, self.popen.returncode))
        return "ready" in self.lines()

    def rounds(self):
        """The log split after each clipboard read: [(keys, read lines)]."""
        result, keys, read = [], [], []
        for line in self.lines():
            if line.startswith(KEY_LINES):
                keys.append(line)
            elif line.startswith(("read ", "formats", "dib ", "hdrop ", "clipboard ")):
                read.append(line)
                if line == "read end":
                    result.append((keys, read))
                    keys, read = [], []
        if keys or read:
            result.append((keys, read))  # keys that made no paste
        return result

    def reads(self):
        return self.lines().count("read end")

    def end(self):
        if self.popen.poll() is None:
            self.popen.terminate()
        try:
            self.popen.wait(10)
        except subprocess.TimeoutExpired:
            self.popen.kill()
            self.popen.wait()
        self.out.close()


def expected_read(name, tx_file, picture):
    _, (width, height), _, centre = picture
    return ["read " + EXPECTED[name][0], "dib %dx%d centre %d,%d,%d" % ((width, height) + centre),
            "hdrop " + dos_path(tx_file), "read end"]


def summary(standins, clicks):
    """Keys and pictures each stand-in got: the figures the test reports."""
    parts = []
    for name, s in standins.items():
        keys = sum(len(k) for k, _ in s.rounds())
        want = len(EXPECTED[name][1]) * clicks
        pictures = sum(1 for _, r in s.rounds() if any(l.startswith("dib ") and "x" in l
                                                        for l in r))
        parts.append("%s keys %d/%d pictures %d/%d" % (name, keys, want, pictures, clicks))
    return "; ".join(parts)


class WineHandOffTest(accessible.BusTestCase):
    @classmethod
    def setUpClass(cls):
        if not os.path.isfile(STANDIN):
            raise unittest.SkipTest("WIN32_SSTV_STANDIN does not name the built stand-in")
        super().setUpClass()
        cls.prefix = WinePrefix()
        print("wine prefix made in %.1f s" % cls.prefix.boot_seconds, file=sys.stderr)

    @classmethod
    def tearDownClass(cls):
        cls.prefix.close()
        super().tearDownClass()

    def two_clicks(self, window_manager):
        started = time.monotonic()
        s = Session("wine", bus=self.bus)
        if not window_manager:
            s.display = BareDisplay(s.tmp)
        standins = {}
        with s:
            rx = s.path("rx")
            os.makedirs(rx)
            for i, (name, size, background, centre) in enumerate(PICTURES):
                path = os.path.join(rx, name)
                write_bmp(path, size, background, centre)
                # Newest first: the first picture in the first cell.
                when = time.time() - 3600 * (i + 1)
                os.utime(path, (when, when))
            with open(s.ini("Folders.ini"), "wb") as f:
                f.write(b"Rx\r\n" + rx.encode() + b"/\r\n")
            with open(s.ini("Setup.ini"), "wb") as f:
                f.write(setup_lines(auto_paste=True))

            try:
                for name in EXPECTED:
                    standins[name] = StandIn(s, self.prefix, name)
                for st in standins.values():
                    poll("the %s stand-in" % st.name, st.ready, HANDOFF_TIMEOUT)

                program = s.start()
                wid = poll("the main window", lambda: s.x(
                    ["xdotool", "search", "--name", r"^Quiverel \(v"], check=False).split(),
                    TIMEOUT)[0]
                poll("the thumbnails", lambda: all(os.path.isfile(
                    os.path.join(rx, "ThumbFiles", os.path.splitext(p[0])[0] + ".jpg"))
                    for p in PICTURES), TIMEOUT)
                cells = [accessible.centre(accessible.find(s, program, "image", p[0]))
                         for p in PICTURES]

                for click, picture in enumerate(PICTURES, 1):
                    # The SSTV programs' windows came to the front over it.
                    s.x(["xdotool", "windowraise", wid])
                    x, y = cells[click - 1]
                    s.x(["xdotool", "mousemove", str(x), str(y), "click", "1"])
                    try:
                        poll("each stand-in's clipboard read %d" % click,
                             lambda: all(st.reads() >= click for st in standins.values()),
                             HANDOFF_TIMEOUT)
                    except AssertionError as e:
                        raise AssertionError("%s: %s\n%s" % (e, summary(standins, click), {
                            n: st.lines() for n, st in standins.items()}))

                tx = s.path("TX")
                self.assertEqual(sorted(os.listdir(tx)), [PICTURES[-1][0]])
                for name, st in standins.items():
                    want = [(EXPECTED[name][1], expected_read(name, os.path.join(tx, p[0]), p))
                            for p in PICTURES]
                    got = [(keys, [l for l in read if not l.startswith("formats")])
                           for keys, read in st.rounds()]
                    self.assertEqual(got, want, name)
                    for keys, read in st.rounds():
                        formats = next(l for l in read if l.startswith("formats")).split()
                        self.assertIn("CF_DIB", formats, name)
                        self.assertIn("CF_HDROP", formats, name)

                program.signal(signal.SIGTERM)
                self.assertEqual(program.wait_exit(), 0, program.log())
            finally:
                print("%s window manager: %s; %.1f s" % (
                    "with" if window_manager else "without", summary(standins, len(PICTURES)),
                    time.monotonic() - started), file=sys.stderr)
                for st in standins.values():
                    st.end()
                self.prefix.end_processes()

    def test_two_clicks_with_window_manager(self):
        self.two_clicks(window_manager=True)

    def test_two_clicks_without_window_manager(self):
        self.two_clicks(window_manager=False)


if __name__ == "__main__":
    unittest.main()
