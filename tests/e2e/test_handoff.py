#!/usr/bin/env python3
"""The transmit hand-off's desktop side on a real X display: three stand-in
SSTV program windows (fake_sstv_window) log the keys they get while
desktop_driver runs X11Desktop's paste sequence, with the openbox window
manager, with none, and after the window manager died; the clipboard the
hand-off leaves is read back with xclip."""

import os
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import unittest
import urllib.parse
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from x_display import XDisplay, poll  # noqa: E402

FAKE_SSTV_WINDOW = os.environ.get("FAKE_SSTV_WINDOW", "")
DESKTOP_DRIVER = os.environ.get("DESKTOP_DRIVER", "")
TIMEOUT = 20.0

# Titles as the programs might show them: the hand-off looks for a part of
# the title in any letter case.
TITLES = {"EasyPal": "EasyPal", "KG-STV": "KG-STV  v2", "MMSSTV": "mmsstv Ver 1.13"}
EXPECTED_KEYS = {"EasyPal": ["F7"], "KG-STV": ["1", "t", "1", "p"], "MMSSTV": ["e alt", "p"]}
ALL_ACTIVE = ["EasyPal active", "KG-STV active", "MMSSTV active"]


class BareDisplay(XDisplay):
    """Xvfb alone: no window manager unless the test starts one."""

    def start(self):
        os.makedirs(os.path.join(self.home, "runtime"), mode=0o700)
        self._start_xvfb()


class FakeWindow:
    def __init__(self, desk, title):
        self.title = title
        self.log_path = os.path.join(desk.tmp, "keys-%d.log" % len(desk.helpers))
        self.err = open(os.path.join(desk.tmp, "window-%d.err" % len(desk.helpers)), "wb")
        self.popen = subprocess.Popen([FAKE_SSTV_WINDOW, title, self.log_path],
                                      env=desk.display.env(), stdout=subprocess.PIPE,
                                      stderr=self.err, stdin=subprocess.DEVNULL)
        said = wait_for_line(self.popen, "ready", "the window %r" % title)
        self.wid = int(said[0].split()[1])

    def keys(self):
        if not os.path.exists(self.log_path):
            return []
        with open(self.log_path) as f:
            return f.read().splitlines()

    def end(self):
        if self.popen.poll() is None:
            self.popen.terminate()
            try:
                self.popen.wait(5)
            except subprocess.TimeoutExpired:
                self.popen.kill()
                self.popen.wait()
        self.popen.stdout.close()
        self.err.close()


def wait_for_line(popen, line, what):
    """Reads the helper's stdout until `line` and returns the lines it said;
    fails if it ends or takes too long."""
    fd = popen.stdout.fileno()
    seen = b""

    def probe():
        nonlocal seen
        ready, _, _ = select.select([fd], [], [], 0.1)
        if ready:
            chunk = os.read(fd, 4096)
            if not chunk and popen.poll() is not None:
                raise AssertionError("%s ended (status %s) before saying %r"
                                     % (what, popen.returncode, line))
            seen += chunk
        elif popen.poll() is not None:
            raise AssertionError("%s ended (status %s)" % (what, popen.returncode))
        return line.encode() in seen.splitlines()
    poll("%s to say %r" % (what, line), probe, TIMEOUT)
    return seen.decode(errors="replace").splitlines()


class Desk:
    """A display, the helper programs on it and a temporary folder."""

    def __init__(self, name, window_manager=True):
        self.tmp = tempfile.mkdtemp(prefix="quiverel-e2e-%s-" % name)
        self.window_manager = window_manager
        self.display = XDisplay(self.tmp) if window_manager else BareDisplay(self.tmp)
        self.helpers = []
        self.servers = []

    def __enter__(self):
        try:
            self.display.start()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, exc_type, exc, tb):
        if exc_type is not None:
            for h in self.helpers:
                if isinstance(h, FakeWindow):
                    h.err.flush()
                    with open(h.err.name, "rb") as f:
                        print("%s: %s" % (h.title, f.read().decode(errors="replace")))
        self.close()
        return False

    def close(self):
        for h in self.helpers:
            h.end()
        for p in self.servers:
            if p.poll() is None:
                p.kill()
                p.wait()
            if p.stdout:
                p.stdout.close()
        self.display.close()
        shutil.rmtree(self.tmp, ignore_errors=True)

    def env(self):
        return self.display.env()

    def window(self, title):
        w = FakeWindow(self, title)
        self.helpers.append(w)
        return w

    def sstv_windows(self, names=("EasyPal", "KG-STV", "MMSSTV")):
        return {name: self.window(TITLES[name]) for name in names}

    def driver(self, *args, platform="xcb"):
        """Runs desktop_driver to its end; returns (status, stdout lines)."""
        env = self.env()
        env["QT_QPA_PLATFORM"] = platform
        done = subprocess.run([DESKTOP_DRIVER] + list(args), env=env,
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                              stdin=subprocess.DEVNULL, timeout=120)
        return done.returncode, done.stdout.decode(errors="replace").splitlines()

    def focus(self, window):
        """Gives a window the keyboard, as a user's click would."""
        verb = "windowactivate" if self.window_manager else "windowfocus"
        self.display.x(["xdotool", verb, "--sync", str(window.wid)])


# The main window's layout by page size: its own units, the grid's rectangle
# in them, the grid's own units and its columns. Cell k's centre in grid units
# is column x 132 + 70, row x 102 + 53.
MAIN_LAYOUTS = {
    12: ((535, 405), (0, 60, 535, 345), (535, 310), 4),
    20: ((666, 500), (0, 60, 666, 443), (666, 414), 5),
    30: ((800, 600), (0, 60, 800, 540), (800, 515), 6),
}


def cell_point(window_size, cell, per_page=20):
    """The centre of grid cell `cell` in pixels of the main window, whose
    client area keeps the layout's proportions under the menu bar."""
    (units_w, units_h), (grid_l, grid_t, grid_w, grid_h), (own_w, own_h), columns = \
        MAIN_LAYOUTS[per_page]
    width, height = window_size
    factor = width / units_w
    menu_bar = height - units_h * factor
    row, column = divmod(cell, columns)
    x = grid_l * factor + (column * 132 + 70) * grid_w * factor / own_w
    y = menu_bar + grid_t * factor + (row * 102 + 53) * grid_h * factor / own_h
    return round(x), round(y)


def wait_for_keys(test, windows, expected):
    """Waits until every window logged as many keys as expected, then compares."""
    def probe():
        return all(len(windows[n].keys()) >= len(expected.get(n, [])) for n in windows)
    try:
        poll("the keys to arrive", probe, TIMEOUT)
    finally:
        got = {n: w.keys() for n, w in windows.items()}
        test.assertEqual(got, {n: expected.get(n, []) for n in windows})


class PasteTest(unittest.TestCase):
    """Each SSTV program's window gets exactly its own keys, whichever window
    had the keyboard before; a window that is not there is skipped."""

    def paste_and_check(self, desk):
        windows = desk.sstv_windows()
        # Started last and given the keyboard: a step that types without
        # bringing its window to the front types into this one.
        windows["other"] = desk.window("Notes")
        desk.focus(windows["other"])

        status, lines = desk.driver("paste")
        self.assertEqual((status, lines), (0, ALL_ACTIVE))
        wait_for_keys(self, windows, EXPECTED_KEYS)
        return windows

    def test_paste_with_window_manager(self):
        with Desk("paste-wm") as desk:
            windows = self.paste_and_check(desk)
            active = desk.display.x(["xdotool", "getactivewindow"]).strip()
            self.assertEqual(int(active), windows["MMSSTV"].wid,
                             "the window manager's active window is the last one pasted into")

    def test_paste_without_window_manager(self):
        with Desk("paste-nowm", window_manager=False) as desk:
            self.paste_and_check(desk)

    def test_paste_after_the_window_manager_died(self):
        # A window manager killed outright leaves its properties on the root
        # window (its check window and client list name windows that are gone
        # or no longer framed): the focus path must be taken, not the dead
        # manager's.
        with Desk("paste-deadwm", window_manager=False) as desk:
            wm = subprocess.Popen(["openbox", "--sm-disable"], env=desk.env(),
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                  stdin=subprocess.DEVNULL)
            desk.servers.append(wm)
            poll("openbox", lambda: "window id" in desk.display.x(
                ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False), TIMEOUT)
            windows = desk.sstv_windows()
            poll("openbox to manage the windows",
                 lambda: len(desk.display.windows()) == len(windows), TIMEOUT)
            wm.kill()
            wm.wait()
            self.assertIn("window id", desk.display.x(
                ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]), "openbox left its check")

            status, lines = desk.driver("paste")
            self.assertEqual((status, lines), (0, ALL_ACTIVE))
            wait_for_keys(self, windows, EXPECTED_KEYS)

    def test_missing_window_skipped_and_minimised_window_restored(self):
        with Desk("paste-minimised") as desk:
            windows = desk.sstv_windows(("EasyPal", "MMSSTV"))
            mmsstv = windows["MMSSTV"]
            desk.display.x(["xdotool", "windowminimize", "--sync", str(mmsstv.wid)])

            status, lines = desk.driver("paste")
            self.assertEqual((status, lines),
                             (0, ["EasyPal active", "KG-STV not active", "MMSSTV active"]))
            wait_for_keys(self, windows, EXPECTED_KEYS)
            state = desk.display.x(["xprop", "-id", str(mmsstv.wid), "WM_STATE"])
            self.assertIn("Normal", state, "the minimised window was not restored")


    def test_other_platforms_skip_every_window_step(self):
        # Qt on another platform (here offscreen) while the SSTV windows are on
        # an X display it could reach: no window is found, no key typed.
        with Desk("paste-offscreen") as desk:
            windows = desk.sstv_windows()
            self.assertEqual(desk.driver("find", "EasyPal", platform="offscreen"),
                             (1, ["missing"]))
            status, lines = desk.driver("paste", platform="offscreen")
            self.assertEqual((status, lines), (0, ["EasyPal not active", "KG-STV not active",
                                                   "MMSSTV not active"]))
            desk.driver("keys", "{F7}", platform="offscreen")
            # The same window typed into over X11 shows the log works.
            desk.focus(windows["EasyPal"])
            desk.driver("keys", "x")
            wait_for_keys(self, windows, {"EasyPal": ["x"]})


class FindTest(unittest.TestCase):
    """Titles are matched as a part in any letter case; nothing else matches."""

    def check_find(self, desk):
        desk.sstv_windows()
        desk.window("Ünïcode Wïndow")
        cases = [("EasyPal", True), ("easypal", True), ("KG-STV", True), ("kg-stv  V2", True),
                 ("MMSSTV", True), ("Ver 1.1", True), ("ünïcode", True), ("EasyPal!", False),
                 ("Nothing", False), ("", False)]
        got = [(part, desk.driver("find", part)) for part, _ in cases]
        self.assertEqual(got, [(part, (0, ["found"]) if found else (1, ["missing"]))
                               for part, found in cases])
        status, lines = desk.driver("activate", "Nothing")
        self.assertEqual((status, lines), (1, ["not active"]))

    def test_find_with_window_manager(self):
        with Desk("find-wm") as desk:
            self.check_find(desk)

    def test_find_without_window_manager(self):
        with Desk("find-nowm", window_manager=False) as desk:
            self.check_find(desk)

    def test_malformed_keys_type_nothing(self):
        with Desk("keys-bad") as desk:
            w = desk.window("Notes")
            desk.focus(w)
            for keys in ("{", "{NOSUCHKEY}", "%", "a{F7"):
                self.assertEqual(desk.driver("keys", keys)[0], 0, keys)
            desk.driver("keys", "+a{{}")  # a marker that the window reads keys at all
            wait_for_keys(self, {"Notes": w}, {"Notes": ["a shift", "bracketleft shift"]})

    def test_pointer_moves_for_real(self):
        with Desk("pointer") as desk:
            self.assertEqual(desk.driver("warp", "100", "200"), (0, ["moved 100 200"]))
            location = desk.display.x(["xdotool", "getmouselocation", "--shell"])
            self.assertIn("X=100\nY=200\n", location)


def write_png(path, width, height):
    """A small RGB PNG, without any imaging library."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xffffffff))
    rows = b"".join(b"\x00" + b"".join(bytes([(x * 7) % 256, (y * 5) % 256, 90])
                                       for x in range(width)) for y in range(height))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n"
                + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


class ClipboardTest(unittest.TestCase):
    """The picture, the file and its path, as other programs read them."""

    def test_clipboard_holds_picture_file_and_text(self):
        with Desk("clipboard") as desk:
            folder = os.path.join(desk.tmp, "TX")
            os.makedirs(folder)
            path = os.path.join(folder, "Sun set ä#1.png")
            write_png(path, 64, 48)
            holder = subprocess.Popen([DESKTOP_DRIVER, "clipboard", path], env=desk.env(),
                                      stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                      stdin=subprocess.DEVNULL)
            desk.servers.append(holder)
            wait_for_line(holder, "ready", "desktop_driver clipboard")

            def clip(target):
                done = subprocess.run(["xclip", "-selection", "clipboard", "-t", target, "-o"],
                                      env=desk.env(), stdout=subprocess.PIPE,
                                      stderr=subprocess.PIPE, stdin=subprocess.DEVNULL,
                                      timeout=30)
                self.assertEqual(done.returncode, 0, "%s: %s" % (target, done.stderr))
                return done.stdout

            targets = poll("the clipboard's targets",
                           lambda: clip("TARGETS").decode().split(), TIMEOUT)
            for t in ("image/png", "text/uri-list", "x-special/gnome-copied-files",
                      "UTF8_STRING"):
                self.assertIn(t, targets)

            uris = clip("text/uri-list").decode().split()
            self.assertEqual(len(uris), 1, uris)
            self.assertTrue(uris[0].startswith("file:///"), uris)
            self.assertEqual(urllib.parse.unquote(uris[0][len("file://"):]), path)
            self.assertNotIn(" ", uris[0], "a URI list holds encoded URLs")

            copied = clip("x-special/gnome-copied-files").decode().split("\n")
            self.assertEqual(copied[0], "copy")
            self.assertEqual(urllib.parse.unquote(copied[1][len("file://"):]), path)

            png = clip("image/png")
            self.assertEqual(png[:8], b"\x89PNG\r\n\x1a\n")
            self.assertEqual(struct.unpack(">II", png[16:24]), (64, 48))

            self.assertEqual(clip("UTF8_STRING").decode(), path)


if __name__ == "__main__":
    if not (os.path.isfile(FAKE_SSTV_WINDOW) and os.path.isfile(DESKTOP_DRIVER)):
        sys.exit("FAKE_SSTV_WINDOW and DESKTOP_DRIVER must name the built helper programs")
    unittest.main()
