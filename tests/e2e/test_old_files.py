#!/usr/bin/env python3
"""Files of an older installation are taken over at start-up: Buttons.ini
becomes Folders.ini, iview32.exe becomes i__view32.exe, and a left-over
iview32.exe is removed at shutdown."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_support import Session, check_settings_files  # noqa: E402


class OldFilesTest(unittest.TestCase):
    def run_once(self, s):
        program = s.start()
        main = program.wait_for_main_window()
        self.assertEqual(program.close(main), 0, program.log())
        check_settings_files(s)
        return program

    def test_buttons_ini_becomes_the_folder_list(self):
        with Session("buttons-ini") as s:
            old = os.path.join(s.tmp, "old pictures")
            os.makedirs(old)
            os.remove(s.ini("Folders.ini"))
            with open(s.ini("Buttons.ini"), "wb") as f:
                f.write(b"Old pictures\r\n" + old.encode() + b"/\r\n")
            self.run_once(s)
            self.assertFalse(os.path.exists(s.ini("Buttons.ini")))
            with open(s.ini("Folders.ini"), "rb") as f:
                self.assertEqual(f.read(), b"Old pictures\r\n" + old.encode() + b"/\r\n")

    def test_buttons_ini_replaces_a_folders_ini(self):
        with Session("buttons-over-folders") as s:
            with open(s.ini("Buttons.ini"), "wb") as f:
                f.write(b"Samples\r\n\r\n")
            with open(s.ini("Folders.ini"), "wb") as f:
                f.write(b"Stale\r\n/nowhere/\r\n")
            self.run_once(s)
            self.assertFalse(os.path.exists(s.ini("Buttons.ini")))
            with open(s.ini("Folders.ini"), "rb") as f:
                self.assertNotIn(b"Stale", f.read())

    def test_old_converter_name_is_taken_over(self):
        with Session("iview32") as s:
            os.rename(s.path("i__view32.exe"), s.path("iview32.exe"))
            self.run_once(s)
            self.assertTrue(os.access(s.path("i__view32.exe"), os.X_OK))
            self.assertFalse(os.path.exists(s.path("iview32.exe")))

    def test_left_over_old_converter_is_removed_at_shutdown(self):
        with Session("iview32-left-over") as s:
            with open(s.path("iview32.exe"), "wb") as f:
                f.write(b"an old copy")
            self.run_once(s)
            self.assertFalse(os.path.exists(s.path("iview32.exe")))
            self.assertTrue(os.access(s.path("i__view32.exe"), os.X_OK))


if __name__ == "__main__":
    unittest.main()
