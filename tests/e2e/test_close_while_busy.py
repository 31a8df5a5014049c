#!/usr/bin/env python3
"""Closed or signalled while start-up still makes the thumbnails of a big folder,
the program saves its settings and ends, and leaves no lock behind."""

import os
import shutil
import signal
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_support import Session, check_settings_files  # noqa: E402

PICTURES = 600


class CloseWhileBusyTest(unittest.TestCase):
    def start_on_a_big_folder(self, s):
        rx = s.path("rx")
        os.makedirs(rx)
        samples = sorted(n for n in os.listdir(s.path("Samples")) if n.endswith(".jpg"))
        for i in range(PICTURES):
            shutil.copy(os.path.join(s.path("Samples"), samples[i % len(samples)]),
                        os.path.join(rx, "picture %03d.jpg" % i))
        with open(s.ini("Folders.ini"), "wb") as f:
            f.write(b"Rx\r\n" + rx.encode() + b"/\r\n")
        program = s.start()
        main = program.wait_for_main_window()
        busy = program.wait_for_window(besides=main)  # the progress of the thumbnails
        self.assertTrue(program.running())
        return program, main, busy, rx

    def check_ended_cleanly(self, s, program, rx):
        self.assertEqual(program.wait_exit(), 0, program.log())
        check_settings_files(s)
        self.assertFalse(os.path.exists(s.path("quiverel.lock")),
                         "the lock file outlives the program")
        # Whatever was made is whole: no thumbnail is an empty file.
        thumbs = os.path.join(rx, "ThumbFiles")
        for name in os.listdir(thumbs) if os.path.isdir(thumbs) else []:
            self.assertGreater(os.path.getsize(os.path.join(thumbs, name)), 0, name)

    def test_close_during_the_first_scan(self):
        with Session("close-busy") as s:
            program, main, _, rx = self.start_on_a_big_folder(s)
            s.close_window(main)
            self.check_ended_cleanly(s, program, rx)

    def test_sigterm_during_the_first_scan(self):
        with Session("sigterm-busy") as s:
            program, _, _, rx = self.start_on_a_big_folder(s)
            program.signal(signal.SIGTERM)
            self.check_ended_cleanly(s, program, rx)


if __name__ == "__main__":
    unittest.main()
