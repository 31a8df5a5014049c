#!/usr/bin/env python3
"""A right click on a thumbnail of the real program opens the options panel
on that picture while the main window waits; renaming the picture there
renames the file and its thumbnail, shows the new name in the grid and gives
the main window back."""

import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import accessible  # noqa: E402
from e2e_support import MAIN_TITLE, Session, poll  # noqa: E402
from test_viewer import setup_lines  # noqa: E402

TIMEOUT = 20.0


class OptionsPanelTest(accessible.BusTestCase):
    def test_rename_from_the_panel(self):
        with Session("options", bus=self.bus) as s:
            rx = s.path("rx")
            os.makedirs(rx)
            subprocess.run(["convert", "-size", "160x120", "xc:#3366cc",
                            os.path.join(rx, "sky.png")], check=True)
            with open(s.ini("Folders.ini"), "wb") as f:
                f.write(b"Rx\r\n" + rx.encode() + b"/\r\n")
            with open(s.ini("Setup.ini"), "wb") as f:
                f.write(setup_lines())
            thumbs = os.path.join(rx, "ThumbFiles")

            program = s.start()
            main = program.wait_for_window(MAIN_TITLE)
            poll("the thumbnail", lambda: os.path.isfile(os.path.join(thumbs, "sky.jpg")),
                 TIMEOUT)
            accessible.click(s, program, "image", "sky.png", button=3)
            panel = program.wait_for_window("sky.png", besides=main, timeout=TIMEOUT)
            accessible.click(s, program, "label", "Rename")
            s.x(["xdotool", "sleep", "0.3", "key", "--clearmodifiers", "ctrl+a"])
            s.x(["xdotool", "type", "--delay", "20", "clear sky.old"])
            s.x(["xdotool", "key", "--clearmodifiers", "Return"])
            poll("the picture renamed",
                 lambda: sorted(os.listdir(rx)) == ["ThumbFiles", "clear sky.png"], TIMEOUT)
            self.assertEqual(sorted(os.listdir(thumbs)), ["clear sky.jpg"])

            # The report of the rename, then the panel is gone.
            report = poll("the report", lambda: next(
                (w for w in program.windows() if w.wid not in (main.wid, panel.wid)), None),
                TIMEOUT)
            program.answer(report)
            poll("only the main window", lambda: [w.wid for w in program.windows()] ==
                 [main.wid], TIMEOUT)

            # The main window takes clicks again: the panel opens on the new name,
            # and "Close" closes it.
            accessible.click(s, program, "image", "clear sky.png", button=3)
            panel = program.wait_for_window("clear sky.png", besides=main, timeout=TIMEOUT)
            accessible.click(s, program, "label", "Close")
            poll("the panel closed", lambda: [w.wid for w in program.windows()] ==
                 [main.wid], TIMEOUT)
            self.assertEqual(program.close(main), 0, program.log())


if __name__ == "__main__":
    unittest.main()
