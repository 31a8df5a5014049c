#!/usr/bin/env python3
""""Save pic" of the real program's composer onto a file that exists: the
save dialog takes the typed path, the rename-or-replace dialog opens over a
file left as it was, and "Replace" writes the composite over it with no other
file left behind."""

import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import accessible  # noqa: E402
from e2e_support import Session, poll  # noqa: E402
from test_composer import open_composer, picture_size, pixel  # noqa: E402
from test_viewer import near  # noqa: E402

TIMEOUT = 20.0
BLUE, RED = (0, 0, 255), (255, 0, 0)


class SavePictureTest(accessible.BusTestCase):
    def test_save_onto_a_taken_name_and_replace(self):
        with Session("save_picture", bus=self.bus) as s:
            saved = s.path("saved pictures")
            os.makedirs(saved)
            old = os.path.join(saved, "old sky.jpg")
            subprocess.run(["convert", "-size", "320x240", "xc:#ff0000", old], check=True)
            program, main, composer, _, _ = open_composer(s, "blue sky.png", "#0000ff")
            accessible.click(s, program, "push button", "Save pic")

            dialog = program.wait_for_window("Save as", timeout=TIMEOUT)
            s.key(["ctrl+a"], dialog)
            s.x(["xdotool", "type", "--delay", "20", old])
            s.key(["Return"])

            form6 = program.wait_for_window("old sky.jpg", timeout=TIMEOUT)
            self.assertEqual(sorted(os.listdir(saved)), ["old sky.jpg"])
            self.assertTrue(near(pixel(old, 160, 120), RED), "nothing written yet")

            accessible.click(s, program, "push button", "Replace")
            poll("the composite over the old file", lambda: near(pixel(old, 160, 120), BLUE),
                 TIMEOUT)
            self.assertEqual(picture_size(old), (640, 480))
            self.assertEqual(sorted(os.listdir(saved)), ["old sky.jpg"])
            poll("the dialog to close", lambda: all(
                w.wid != form6.wid for w in program.windows()), TIMEOUT)

            s.close_window(composer)
            poll("the composer to close", lambda: all(
                w.wid != composer.wid for w in program.windows()), TIMEOUT)
            self.assertEqual(program.close(main), 0, program.log())


if __name__ == "__main__":
    unittest.main()
