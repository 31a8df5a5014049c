#!/usr/bin/env python3
"""The main window comes back where the user left it, in twips (15 per pixel)
in Setup.ini; a saved place off the screen is not used."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_support import Session, poll, setup_ini, text_lines  # noqa: E402


def setup_lines(left, top):
    return setup_ini({12: left, 13: top})


def place(s, window):
    """Where the window sits on the screen."""
    return s.display.geometry(window)[:2]


class WindowPositionTest(unittest.TestCase):
    def run_once(self, s, move_to=None):
        program = s.start()
        window = program.wait_for_main_window()
        if move_to:
            before = place(s, window)
            s.x(["wmctrl", "-i", "-r", window.wid, "-e", "0,%d,%d,-1,-1" % move_to])
            poll("the window to move", lambda: place(s, window) != before, 20)
        where = place(s, window)
        s.close_window(window)
        self.assertEqual(program.wait_exit(), 0, program.log())
        return where, text_lines(s.ini("Setup.ini"))[11:13]

    def test_moved_window_comes_back_in_the_same_place(self):
        with Session("position") as s:
            moved, saved = self.run_once(s, move_to=(150, 90))
            self.assertEqual(saved, [b'"2250"', b'"1350"'])

            again, saved_again = self.run_once(s)
            self.assertEqual(again, moved)
            self.assertEqual(saved_again, saved)

    def test_saved_place_off_the_screen_becomes_the_corner(self):
        with Session("off-screen") as s:
            with open(s.ini("Setup.ini"), "wb") as f:
                f.write(setup_lines("99999", "-30"))
            _, saved = self.run_once(s)
            self.assertEqual(saved, [b'"0"', b'"0"'])

    def test_saved_place_on_the_screen_is_used(self):
        with Session("saved-place") as s:
            with open(s.ini("Setup.ini"), "wb") as f:
                f.write(setup_lines("3000", "1500"))
            _, saved = self.run_once(s)
            self.assertEqual(saved, [b'"3000"', b'"1500"'])

    def test_minimised_window_keeps_the_place_read_at_start(self):
        with Session("minimised") as s:
            with open(s.ini("Setup.ini"), "wb") as f:
                f.write(setup_lines("3000", "1500"))
            program = s.start()
            window = program.wait_for_main_window()
            before = place(s, window)
            s.x(["wmctrl", "-i", "-r", window.wid, "-e", "0,150,90,-1,-1"])
            poll("the window to move", lambda: place(s, window) != before, 20)
            s.x(["xdotool", "windowminimize", "--sync", str(int(window.wid, 16))])
            poll("the window to be minimised", lambda: "_NET_WM_STATE_HIDDEN" in s.x(
                ["xprop", "-id", window.wid, "_NET_WM_STATE"]), 20)

            s.close_window(window)
            self.assertEqual(program.wait_exit(), 0, program.log())
            self.assertEqual(text_lines(s.ini("Setup.ini"))[11:13], [b'"3000"', b'"1500"'])


if __name__ == "__main__":
    unittest.main()
