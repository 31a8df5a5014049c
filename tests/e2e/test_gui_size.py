#!/usr/bin/env python3
"""The GUI size in Setup.ini scales the main window to the real screen: the
window's width in its own units times screen height / GUI size. Out-of-range
values are clamped and written back clamped."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_support import Session, setup_ini, text_lines  # noqa: E402

SCREEN_HEIGHT = 768
# Thumbnails per page -> the window's width in its own units.
UNITS_WIDE = {12: 535, 20: 666, 30: 800}


class GuiSizeTest(unittest.TestCase):
    def width_for(self, s, gui_size, per_page):
        """Runs the program once; returns the main window's width and the saved
        GUI size and thumbnails per page."""
        with open(s.ini("Setup.ini"), "wb") as f:
            f.write(setup_ini({7: gui_size, 14: per_page}))
        program = s.start()
        window = program.wait_for_main_window()
        _, _, width, height = s.display.geometry(window)
        self.assertLessEqual(width, 1024)
        self.assertLessEqual(height, 768)
        s.close_window(window)
        self.assertEqual(program.wait_exit(), 0, program.log())
        lines = text_lines(s.ini("Setup.ini"))
        return width, lines[6], lines[13]

    def check(self, gui_size, per_page, expect_gui, expect_per_page):
        with Session("gui-%s-%s" % (gui_size, per_page)) as s:
            width, saved_gui, saved_per_page = self.width_for(s, gui_size, per_page)
            self.assertEqual(saved_gui, b'"%d"' % expect_gui)
            self.assertEqual(saved_per_page, b'"%d"' % expect_per_page)
            wanted = UNITS_WIDE[expect_per_page] * SCREEN_HEIGHT / expect_gui
            self.assertAlmostEqual(width, wanted, delta=3)

    def test_large(self):
        self.check("670", "20", 670, 20)

    def test_medium(self):
        self.check("770", "20", 770, 20)

    def test_small_with_30_per_page(self):
        self.check("870", "30", 870, 30)

    def test_medium_with_12_per_page(self):
        self.check("770", "12", 770, 12)

    def test_too_big_and_too_many(self):
        self.check("1000", "99", 870, 30)

    def test_too_small_and_too_few(self):
        self.check("500", "3", 670, 20)


if __name__ == "__main__":
    unittest.main()
