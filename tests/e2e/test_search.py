#!/usr/bin/env python3
"""The keyword search and the folder removal of the real program, reached
through the Options menu: a keyword typed with a zero and confirmed with Enter
fills the Search folder with the copies and their thumbnails; a folder removed
from the menu leaves Folders.ini and stays on disk."""

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


def open_options_item(session, main, downs, select=True):
    """Clicks Options, the menu bar's fourth entry (about 340 pixels in with the
    shipped captions), and chooses the item `downs` steps down."""
    session.display.activate(main)
    x, y = client_origin(session, main.wid)
    session.x(["xdotool", "mousemove", str(x + 340), str(y + 10), "click", "1"])
    time.sleep(0.5)
    if select:
        session.key(["Down"] * downs + ["Return"])


def two_folders(session):
    one, two = session.path("one"), session.path("two")
    samples = sorted(f for f in os.listdir(session.path("Samples")) if f.endswith(".jpg"))
    for folder in (one, two):
        os.makedirs(folder)
        shutil.copy(os.path.join(session.path("Samples"), samples[0]),
                    os.path.join(folder, "DL0ABC 1.jpg"))
        shutil.copy(os.path.join(session.path("Samples"), samples[1]),
                    os.path.join(folder, "other.jpg"))
        for name in os.listdir(folder):
            os.utime(os.path.join(folder, name), (time.time() - 60, time.time() - 60))
    with open(session.ini("Folders.ini"), "wb") as f:
        f.write(b"One\r\n%s/\r\nTwo\r\n%s/\r\n" % (one.encode(), two.encode()))
    return one, two


class SearchTest(unittest.TestCase):
    def test_search_fills_results_folder(self):
        with Session("search") as s:
            two_folders(s)
            program = s.start()
            main = program.wait_for_main_window()
            open_options_item(s, main, 2)  # "Find file by keyword"
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


    def test_removed_folder_leaves_folders_ini(self):
        with Session("remove-folder") as s:
            one, two = two_folders(s)
            program = s.start()
            main = program.wait_for_main_window()
            # "Remove Folder" by its place in the open menu: the items above it
            # may be enabled or not, which keyboard steps would count.
            open_options_item(s, main, 0, select=False)
            x, y = client_origin(s, main.wid)
            s.x(["xdotool", "mousemove", str(x + 380), str(y + 191), "click", "1"])
            dialog = program.wait_for_window("Remove folder", besides=main)
            # The list has the focus: down and up chooses its first entry, then
            # "Remove from menu".
            s.key(["Down", "Up", "Tab", "space"], dialog)
            folders = b"Two\r\n%s/\r\n" % two.encode()
            try:
                poll("Folders.ini without One",
                     lambda: open(s.ini("Folders.ini"), "rb").read() == folders, 30)
            except AssertionError:
                self.assertEqual(open(s.ini("Folders.ini"), "rb").read(), folders)
            self.assertTrue(os.path.isfile(os.path.join(one, "other.jpg")))
            s.close_window(main)
            self.assertEqual(program.wait_exit(), 0, program.log())


if __name__ == "__main__":
    unittest.main()
