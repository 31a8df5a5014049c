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
import accessible  # noqa: E402
from e2e_support import Session, poll  # noqa: E402

NBSP = "\u00a0"


def open_options_item(session, program, main, item):
    """Clicks Options in the menu bar, then its item `item`."""
    session.display.activate(main)
    accessible.click(session, program, "menu item", "Options")
    accessible.click(session, program, "menu item", item)


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


class SearchTest(accessible.BusTestCase):
    def test_search_fills_results_folder(self):
        with Session("search", bus=self.bus) as s:
            two_folders(s)
            program = s.start()
            main = program.wait_for_main_window()
            open_options_item(s, program, main, "Find file by keyword")
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
        with Session("remove-folder", bus=self.bus) as s:
            one, two = two_folders(s)
            program = s.start()
            main = program.wait_for_main_window()
            open_options_item(s, program, main, "Remove Folder")
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
