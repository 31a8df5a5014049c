#!/usr/bin/env python3
"""A lock file left by a copy that no longer runs does not block the next start."""

import os
import signal
import socket
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_support import Session, check_settings_files  # noqa: E402


def dead_pid():
    """The id of a process that has just ended."""
    child = subprocess.Popen(["true"])
    child.wait()
    return child.pid


class StaleLockTest(unittest.TestCase):
    def start_and_close(self, s):
        program = s.start()
        window = program.wait_for_main_window()
        s.close_window(window)
        self.assertEqual(program.wait_exit(), 0, program.log())
        check_settings_files(s)
        self.assertFalse(os.path.exists(s.path("quiverel.lock")))

    def test_lock_of_a_killed_copy(self):
        with Session("killed-copy") as s:
            crashed = s.start()
            crashed.wait_for_main_window()
            crashed.signal(signal.SIGKILL)
            self.assertEqual(crashed.wait_exit(), -signal.SIGKILL)
            self.assertTrue(os.path.exists(s.path("quiverel.lock")),
                            "a killed copy leaves its lock behind")
            self.start_and_close(s)

    def test_hand_written_lock_with_a_dead_pid(self):
        with Session("dead-pid-lock") as s:
            with open(s.path("quiverel.lock"), "w") as f:
                f.write("%d\nquiverel\n%s\n" % (dead_pid(), socket.gethostname()))
            self.start_and_close(s)

    def test_full_lock_of_a_copy_that_ended(self):
        # The lock as a running copy writes it, every line kept, but with a gone pid.
        with Session("copied-lock") as s:
            program = s.start()
            window = program.wait_for_main_window()
            with open(s.path("quiverel.lock"), "rb") as f:
                real = f.read().split(b"\n")
            self.assertEqual(real[0], str(program.pid).encode())
            self.assertEqual(real[2], socket.gethostname().encode())
            s.close_window(window)
            self.assertEqual(program.wait_exit(), 0, program.log())

            real[0] = str(dead_pid()).encode()
            with open(s.path("quiverel.lock"), "wb") as f:
                f.write(b"\n".join(real))
            os.remove(s.ini("Setup.ini"))
            self.start_and_close(s)


if __name__ == "__main__":
    unittest.main()
