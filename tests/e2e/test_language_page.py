#!/usr/bin/env python3
"""The language page, reached from the Options menu: choosing Deutsch writes
Setup.ini line 5 at once and the menu bar takes the German captions at once:
its About item answers Alt+B ("Ü&ber") from then on."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import accessible  # noqa: E402
from e2e_support import Session, poll, setup_ini, text_lines  # noqa: E402


class LanguagePageTest(accessible.BusTestCase):
    def test_deutsch_changes_the_menus_and_setup_ini(self):
        with Session("language-page", bus=self.bus) as s:
            with open(s.ini("Setup.ini"), "wb") as f:
                f.write(setup_ini({}))
            program = s.start()
            main = program.wait_for_main_window()

            accessible.click(s, program, "menu item", "Options")
            accessible.click(s, program, "menu item", "Languages")
            program.wait_for_window("Languages", besides=main)
            accessible.click(s, program, "radio button", "Deutsch")
            accessible.click(s, program, "push button", "Close")
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
