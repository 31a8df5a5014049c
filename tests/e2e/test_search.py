#!/usr/bin/env python3
"""The keyword search of the real program, reached by the keyboard through the
Options menu: a keyword typed with a zero and confirmed with Enter fills the
Search folder with the copies and their thumbnails, and the grid shows them."""

import os
import shutil
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_support import Session, poll  # noqa: E402

NBSP = "\u00a0"


def client_origin(session, wid):
    info = {}
    for line in session.x(["xwininfo", "-id", wid]).splitlines():
        key, _, value = line.strip().partition(":")
        info[key] = value.strip()
    return int(info["Absolute upper-left X"]), int(info["Absolute upper-left Y"])


class SearchTest(unittest.TestCase):
    def test_search_fills_results_folder(self):
        with Session("search") as s:
            samples = sorted(f for f in os.listdir(s.path("Samples")) if f.endswith(".jpg"))
            one, two = s.path("one"), s.path("two")
            for folder in (one, two):
                os.makedirs(folder)
                shutil.copy(os.path.join(s.path("Samples"), samples[0]),
                            os.path.join(folder, "DL0ABC 1.jpg"))
                shutil.copy(os.path.join(s.path("Samples"), samples[1]),
                            os.path.join(folder, "other.jpg"))
                for name in os.listdir(folder):
                    os.utime(os.path.join(folder, name), (time.time() - 60, time.time() - 60))
            with open(s.ini("Folders.ini"), "wb") as f:
                f.write(b"One\r\n%s/\r\nTwo\r\n%s/\r\n" % (one.encode(), two.encode()))

            program = s.start()
            main = program.wait_for_main_window()
            # Options is the menu bar's fourth entry, about 340 pixels in with
            # the shipped captions; "Find file by keyword" the second of its items.
            s.display.activate(main)
            x, y = client_origin(s, main.wid)
            s.x(["xdotool", "mousemove", str(x + 340), str(y + 10), "click", "1"])
            time.sleep(0.5)
            s.key(["Down", "Down", "Return"])
            search = program.wait_for_window("Quiverel", besides=main)
            s.key(["d", "l", "0", "a", "b", "c", "Return"], search)

            results = s.path("Search")
            names = ["DL0ABC 1.jpg", "DL0ABC 1%s1.jpg" % NBSP]
            poll("the copies and their thumbnails", lambda: all(
                os.path.isfile(os.path.join(results, n)) and
                os.path.isfile(os.path.join(results, "ThumbFiles", n)) for n in names), 30)
            self.assertFalse(os.path.exists(os.path.join(results, "other.jpg")))
            poll("the search window to close",
                 lambda: [w.wid for w in program.windows()] == [main.wid], 30)

            s.close_window(main)
            self.assertEqual(program.wait_exit(), 0, program.log())


if __name__ == "__main__":
    unittest.main()
