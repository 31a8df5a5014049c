#!/usr/bin/env python3
"""A second start of the same program tells the user and ends; the first keeps running."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_support import Session, check_settings_files  # noqa: E402


class SecondCopyTest(unittest.TestCase):
    def test_second_copy_shows_a_message_and_ends(self):
        with Session("second-copy") as s:
            first = s.start()
            main = first.wait_for_main_window()
            with open(s.path("quiverel.lock"), "rb") as f:
                lock = f.read()

            second = s.start()
            box = second.wait_for_window()
            self.assertEqual(s.window_name(box), "Quiverel")
            self.assertIn("_NET_WM_WINDOW_TYPE_DIALOG",
                          s.x(["xprop", "-id", box.wid, "_NET_WM_WINDOW_TYPE"]))
            self.assertEqual(len(second.windows()), 1,
                             "the second copy must show only its message")

            second.answer(box)
            self.assertEqual(second.wait_exit(), 0, second.log())

            self.assertTrue(first.running(), "the first copy ended too")
            self.assertIn(main.wid, [w.wid for w in first.windows()])
            with open(s.path("quiverel.lock"), "rb") as f:
                self.assertEqual(f.read(), lock, "the second copy touched the first's lock")
            self.assertFalse(os.path.exists(s.ini("Setup.ini")),
                             "the second copy wrote the settings of the first")

            s.close_window(main)
            self.assertEqual(first.wait_exit(), 0, first.log())
            check_settings_files(s)


if __name__ == "__main__":
    unittest.main()
