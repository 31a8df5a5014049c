#!/usr/bin/env python3
"""The language page, reached from the Options menu: choosing Deutsch writes
Setup.ini line 5 at once and the menu bar takes the German captions at once:
its About item answers Alt+B ("Ü&ber") from then on."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_support import Session, poll, setup_ini, text_lines  # noqa: E402

SCREEN_HEIGHT = 768
GUI_SIZE = 670  # setup_ini's default
SCALE = SCREEN_HEIGHT / GUI_SIZE
# Where "Options" stands in the main window's English menu bar.
OPTIONS_X, OPTIONS_Y = 339, 8


class LanguagePageTest(unittest.TestCase):
    def click_units(self, s, window, x, y):
        """A left click at the help window's own units (470 x 400 of them)."""
        left, top, _, _ = s.display.geometry(window)
        s.x(["xdotool", "mousemove", "--sync", str(int(left + x * SCALE)),
             str(int(top + y * SCALE)), "click", "1"])

    def test_deutsch_changes_the_menus_and_setup_ini(self):
        with Session("language-page") as s:
            with open(s.ini("Setup.ini"), "wb") as f:
                f.write(setup_ini({}))
            program = s.start()
            main = program.wait_for_main_window()

            # "Options" in the English menu bar, then Languages, next to last in it.
            left, top, _, _ = s.display.geometry(main)
            s.x(["xdotool", "mousemove", "--sync", str(left + OPTIONS_X), str(top + OPTIONS_Y),
                 "click", "1"])
            s.key(["Up", "Up", "Return"])
            help_window = program.wait_for_window("Languages", besides=main)
            self.click_units(s, help_window, 40, 52)  # optLang(1), Deutsch
            self.click_units(s, help_window, 235, 365)  # cmdClosed
            poll("the language page to close",
                 lambda: [w.wid for w in program.windows()] == [main.wid], 20)
            self.assertEqual(text_lines(s.ini("Setup.ini"))[4], b'"Deutsch"')

            s.key(["alt+b"], main)
            about = program.wait_for_window("About", besides=main)
            s.close_window(about)
            poll("the about page to close",
                 lambda: [w.wid for w in program.windows()] == [main.wid], 20)

            s.close_window(main)
            self.assertEqual(program.wait_exit(), 0, program.log())
            self.assertEqual(text_lines(s.ini("Setup.ini"))[4], b'"Deutsch"')


if __name__ == "__main__":
    unittest.main()
