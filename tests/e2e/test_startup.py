#!/usr/bin/env python3
"""Start-up and a normal close through the window manager."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_support import Session, check_settings_files, text_lines  # noqa: E402


class StartupTest(unittest.TestCase):
    def test_main_window_opens_and_close_saves_settings(self):
        with Session("startup") as s:
            program = s.start()
            window = program.wait_for_main_window()
            self.assertEqual(s.window_name(window), "Quiverel (v 3.54)  ")
            self.assertEqual(len(program.windows()), 1, program.windows())
            self.assertTrue(os.path.isfile(s.path("quiverel.lock")),
                            "a running copy holds its lock file")

            s.close_window(window)
            self.assertEqual(program.wait_exit(), 0, program.log())

            check_settings_files(s)
            self.assertTrue(os.path.isdir(s.path("TX")), "the TX folder was not made")
            self.assertFalse(os.path.exists(s.path("quiverel.lock")),
                             "the lock file outlives the program")

    def test_second_start_reads_what_the_first_saved(self):
        with Session("restart") as s:
            first = s.start()
            s.close_window(first.wait_for_main_window())
            self.assertEqual(first.wait_exit(), 0, first.log())
            with open(s.ini("Setup.ini"), "rb") as f:
                saved = f.read()

            second = s.start()
            s.close_window(second.wait_for_main_window())
            self.assertEqual(second.wait_exit(), 0, second.log())
            with open(s.ini("Setup.ini"), "rb") as f:
                self.assertEqual(f.read(), saved,
                                 "settings changed between two starts without a change")

    def test_jpeg2000_target_size_comes_back(self):
        with Session("jp2-size") as s:
            with open(s.ini("i_view32.ini"), "wb") as f:
                f.write(b"[JP2]\r\nSaveOption = 3\r\nSaveQuality = 90\r\n"
                        b"SaveCompressionFileSize = 15500\r\n")
            program = s.start()
            s.close_window(program.wait_for_main_window())
            self.assertEqual(program.wait_exit(), 0, program.log())
            self.assertEqual(text_lines(s.ini("i_view32.ini")),
                             [b"[JP2]", b"SaveOption = 3", b"SaveQuality = 90",
                              b"SaveCompressionFileSize = 15500"])


if __name__ == "__main__":
    unittest.main()
