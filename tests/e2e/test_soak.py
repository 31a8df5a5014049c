#!/usr/bin/env python3
"""Soak: an evening's use of the real program in a few minutes.

500 thumbnail clicks in a row, each handing a 12 kB JPEG 2000 picture over
(TX gets the bitmap and the picture compressed again to the target size) and
pasting into the three stand-in SSTV windows: resident memory after the
500th click within 5 MB of after the 100th, the open file descriptors
unchanged, every hand-off's TX files complete. Then a folder of 20,000
pictures paged from the first page to the last with the keyboard: resident
memory stays under 150 MB. The figures are printed.

Not part of the default test run (ctest label "soak"): run it with
`ctest -L soak` from the build folder."""

import os
import shutil
import struct
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_support import MAIN_TITLE, Session, poll  # noqa: E402
from test_handoff import EXPECTED_KEYS, TITLES, cell_point  # noqa: E402
from test_click_handoff import Helpers, setup_lines  # noqa: E402

CLICKS = int(os.environ.get("QUIVEREL_SOAK_CLICKS", "500"))
WARM_UP = min(100, CLICKS)
PICTURES = 19990  # 1000 pages of 20, the last one half full
KEYS_PER_HANDOFF = sum(len(k) for k in EXPECTED_KEYS.values())
MB = 1024 * 1024


def resident_bytes(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) * 1024
    raise AssertionError("no VmRSS for pid %d" % pid)


def open_fds(pid):
    return sorted(os.readlink("/proc/%d/fd/%s" % (pid, fd))
                  for fd in os.listdir("/proc/%d/fd" % pid))


def bmp_bytes(width, height, rgb):
    """A 24-bit Windows bitmap of one colour."""
    row = (bytes((rgb[2], rgb[1], rgb[0])) * width).ljust((width * 3 + 3) // 4 * 4, b"\0")
    pixels = row * height
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def bitmap_complete(path):
    with open(path, "rb") as f:
        data = f.read()
    return len(data) > 54 and data[:2] == b"BM" and struct.unpack("<I", data[2:6])[0] == len(data)


def jp2_complete(path):
    with open(path, "rb") as f:
        data = f.read()
    signature = data.startswith(b"\0\0\0\x0cjP  ") or data.startswith(b"\xff\x4f\xff\x51")
    return signature and data.endswith(b"\xff\xd9")


def jp2_settings(target_bytes):
    return (b"[JP2]\r\nSaveOption = 3\r\nSaveQuality = 90\r\n"
            b"SaveCompressionFileSize = %d\r\n" % target_bytes)


def main_window(session):
    return poll("the main window", lambda: next(
        (w for w in session.windows() if w.title.startswith(MAIN_TITLE)), None), 20.0)


def window_size(session, wid):
    geometry = dict(line.split("=", 1) for line in session.x(
        ["xdotool", "getwindowgeometry", "--shell", wid]).split())
    return int(geometry["WIDTH"]), int(geometry["HEIGHT"])


def grab(session, wid):
    """The window's pixels: (width, height, rgb bytes)."""
    data = subprocess.run(["import", "-window", wid, "-depth", "8", "ppm:-"],
                          env=session.display.env(), stdout=subprocess.PIPE,
                          stderr=subprocess.DEVNULL, check=True).stdout
    tokens, i = [], 0
    while len(tokens) < 4:  # P6, width, height, maximum
        while data[i:i + 1].isspace():
            i += 1
        if data[i:i + 1] == b"#":
            i = data.index(b"\n", i)
            continue
        j = i
        while not data[j:j + 1].isspace():
            j += 1
        tokens.append(data[i:j])
        i = j
    width, height = int(tokens[1]), int(tokens[2])
    return width, height, data[i + 1:i + 1 + width * height * 3]


def red_cells(session, wid, size, cells=20):
    """Which grid cells show a red thumbnail."""
    width, height, pixels = grab(session, wid)
    shown = []
    for cell in range(cells):
        x, y = cell_point(size, cell)
        r, g, b = pixels[(y * width + x) * 3:(y * width + x) * 3 + 3]
        shown.append(r > 180 and g < 80 and b < 80)
    return shown


class SoakTest(unittest.TestCase):
    def test_five_hundred_hand_offs(self):
        with Session("soak-clicks") as s:
            rx = s.path("rx")
            os.makedirs(rx)
            # A 12 kB JPEG 2000 picture, made by the shipped converter; the
            # transmit target is smaller, so every hand-off compresses it again.
            work = os.path.join(s.tmp, "work")
            os.makedirs(work)
            with open(os.path.join(work, "i_view32.ini"), "wb") as f:
                f.write(jp2_settings(12000))
            picture = os.path.join(rx, "cq 0.jp2")
            subprocess.run([s.path("i__view32.exe"), s.path("Samples", "cq_sstv.jpg"),
                            "/ini=" + work + "/", "/convert=" + picture],
                           env=s.display.env(), check=True, timeout=60)
            size = os.path.getsize(picture)
            self.assertTrue(9000 < size <= 12500, size)
            names = ["cq %d.jp2" % i for i in range(20)]
            for name in names[1:]:
                shutil.copy(picture, os.path.join(rx, name))
            with open(s.ini("Folders.ini"), "wb") as f:
                f.write(b"Rx\r\n" + rx.encode() + b"/\r\n")
            with open(s.ini("Setup.ini"), "wb") as f:
                f.write(setup_lines(auto_paste=True))
            with open(s.ini("i_view32.ini"), "wb") as f:
                f.write(jp2_settings(10000))

            helpers = Helpers(s)
            from test_handoff import FakeWindow
            windows = []
            for name in TITLES:
                windows.append(FakeWindow(helpers, TITLES[name]))
                helpers.helpers.append(windows[-1])
            try:
                program = s.start()
                poll("the thumbnails", lambda: len(os.listdir(os.path.join(rx, "ThumbFiles")))
                     == len(names) if os.path.isdir(os.path.join(rx, "ThumbFiles")) else False,
                     60.0)
                wid = str(int(main_window(s).wid, 16))
                size = window_size(s, wid)
                figures = {}
                started = time.monotonic()
                tx = s.path("TX")
                for click in range(1, CLICKS + 1):
                    cell = (click - 1) % len(names)
                    x, y = cell_point(size, cell)
                    # The last SSTV window pasted into is in front, as for a user.
                    s.x(["xdotool", "windowactivate", "--sync", wid, "mousemove", "--window", wid,
                         str(x), str(y), "click", "1"])
                    poll("hand-off %d's paste keys" % click, lambda: sum(
                        len(w.keys()) for w in windows) >= click * KEYS_PER_HANDOFF, 60.0)
                    self.assertEqual(sum(len(w.keys()) for w in windows),
                                     click * KEYS_PER_HANDOFF, "click %d" % click)
                    # Files are written before the keys are typed: this hand-off's are there.
                    shown = sorted(os.listdir(tx))
                    self.assertEqual(len(shown), 2, "click %d: %r" % (click, shown))
                    bmp, jp2 = (os.path.join(tx, n) for n in shown)
                    self.assertTrue(bitmap_complete(bmp), "click %d: %s" % (click, bmp))
                    self.assertTrue(jp2_complete(jp2), "click %d: %s" % (click, jp2))
                    self.assertLessEqual(os.path.getsize(jp2), 10000, "click %d" % click)
                    if click in (1, WARM_UP, CLICKS):
                        figures[click] = (resident_bytes(program.pid), open_fds(program.pid))
                seconds = time.monotonic() - started
                for w, name in zip(windows, TITLES):
                    keys = w.keys()
                    self.assertEqual(keys, EXPECTED_KEYS[name] * CLICKS, name)

                rss_warm, fds_warm = figures[WARM_UP]
                rss_end, fds_end = figures[CLICKS]
                print("soak: %d hand-offs in %.0f s (%.2f s each)"
                      % (CLICKS, seconds, seconds / CLICKS))
                print("soak: resident memory after click 1: %.1f MB, %d: %.1f MB, %d: %.1f MB "
                      "(%+.2f MB)" % (figures[1][0] / MB, WARM_UP, rss_warm / MB, CLICKS,
                                      rss_end / MB, (rss_end - rss_warm) / MB))
                print("soak: open file descriptors after click 1: %d, %d: %d, %d: %d"
                      % (len(figures[1][1]), WARM_UP, len(fds_warm), CLICKS, len(fds_end)))
                self.assertLessEqual(abs(rss_end - rss_warm), 5 * MB)
                self.assertEqual(fds_end, fds_warm)
                self.assertTrue(program.running(), program.log())
            finally:
                for w in windows:
                    w.end()

    def test_twenty_thousand_pictures_paged_to_the_last(self):
        with Session("soak-pages") as s:
            big = s.path("big")
            os.makedirs(big)
            red = bmp_bytes(8, 6, (230, 20, 20))
            for i in range(PICTURES):
                with open(os.path.join(big, "p%05d.bmp" % i), "wb") as f:
                    f.write(red)
            with open(s.ini("Folders.ini"), "wb") as f:
                f.write(b"Big\r\n" + big.encode() + b"/\r\n")
            with open(s.ini("Setup.ini"), "wb") as f:
                f.write(setup_lines(auto_paste=False))
            started = time.monotonic()
            program = s.start()
            thumbs = os.path.join(big, "ThumbFiles")

            def scanned():
                return os.path.isdir(thumbs) and len(os.listdir(thumbs)) >= PICTURES
            poll("20,000 thumbnails", scanned, 900.0)
            main = main_window(s)
            poll("the scan to end", lambda: [w.wid for w in program.windows()] == [main.wid],
                 120.0)
            scan_seconds = time.monotonic() - started
            wid = str(int(main.wid, 16))
            size = window_size(s, wid)
            s.x(["xdotool", "mousemove", "0", "0"])  # no information window over the grid
            poll("page 1 in full", lambda: all(red_cells(s, wid, size)), 60.0)
            after_scan = resident_bytes(program.pid)

            s.x(["xdotool", "windowactivate", "--sync", wid, "mousemove", "0", "0"])
            most = after_scan
            started = time.monotonic()
            pages = PICTURES // 20 + 1
            for chunk in range(0, pages - 1, 100):
                count = min(100, pages - 1 - chunk)
                # Page Up pages forward (the keys of the program's first version).
                s.x(["xdotool", "key", "--delay", "15", "--repeat", str(count), "Prior"])
                most = max(most, resident_bytes(program.pid))
            poll("the last page, half full", lambda: red_cells(s, wid, size) ==
                 [True] * 10 + [False] * 10, 120.0)
            paging_seconds = time.monotonic() - started
            last = resident_bytes(program.pid)
            most = max(most, last)
            print("soak: %d pictures scanned in %.0f s; resident memory %.1f MB"
                  % (PICTURES, scan_seconds, after_scan / MB))
            print("soak: paged to page %d in %.0f s; resident memory at most %.1f MB, "
                  "at the last page %.1f MB" % (pages, paging_seconds, most / MB, last / MB))
            self.assertLess(most, 150 * MB)
            self.assertTrue(program.running(), program.log())


if __name__ == "__main__":
    unittest.main()
