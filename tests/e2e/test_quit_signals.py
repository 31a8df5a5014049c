#!/usr/bin/env python3
"""Ended by a signal (a logout, Ctrl+C in a terminal), the program saves its settings first."""

import os
import signal
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_support import Session, check_settings_files  # noqa: E402


class QuitSignalTest(unittest.TestCase):
    def end_by(self, sig):
        with Session("signal-%d" % sig) as s:
            program = s.start()
            program.wait_for_main_window()
            # Whatever start-up wrote, the files must come from the shutdown.
            for name in ("Setup.ini", "i_view32.ini"):
                if os.path.exists(s.ini(name)):
                    os.remove(s.ini(name))

            program.signal(sig)
            self.assertEqual(program.wait_exit(), 0, program.log())
            check_settings_files(s)
            self.assertEqual(os.stat(s.ini("Setup.ini")).st_mode & 0o777, 0o600)
            self.assertFalse(os.path.exists(s.path("quiverel.lock")),
                             "the lock file outlives the program")

    def test_sigterm_while_a_message_box_is_open(self):
        with Session("signal-box") as s:
            with open(s.ini("Folders.ini"), "wb") as f:
                f.write(b"Gone\r\n%s\r\n" % os.path.join(s.tmp, "gone/").encode())
            program = s.start()
            main = program.wait_for_main_window()
            program.wait_for_window(besides=main)  # the folder cannot be read

            program.signal(signal.SIGTERM)
            self.assertEqual(program.wait_exit(), 0, program.log())
            check_settings_files(s)
            self.assertFalse(os.path.exists(s.path("quiverel.lock")))

    def test_sigterm(self):
        self.end_by(signal.SIGTERM)

    def test_sigint(self):
        self.end_by(signal.SIGINT)

    def test_sighup(self):
        self.end_by(signal.SIGHUP)


if __name__ == "__main__":
    unittest.main()
