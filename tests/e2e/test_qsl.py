#!/usr/bin/env python3
"""Shift+click opens the composer of the real program; "QSL" opens the QSL
dialog, a call sign typed in lower case with a zero is shown in capitals with
a slashed zero, "Ok" stamps the card and "Save QSL" leaves
Qsl/<CALL> <m-d-yy> <hhmm>Z.jpg of the canvas's size in the application folder."""

import datetime
import os
import re
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_support import MAIN_TITLE, Session, poll  # noqa: E402
from test_composer import picture_size  # noqa: E402
from test_handoff import click_thumbnail  # noqa: E402
from test_viewer import setup_lines, window_info  # noqa: E402

TIMEOUT = 20.0
# A 640 x 480 picture's canvas in composer units.
CANVAS_WIDTH, CANVAS_HEIGHT = 640 * 398 / 480, 398


def utc_name_part(moment):
    return "%d-%d-%02d %02d%02dZ" % (moment.month, moment.day, moment.year % 100,
                                     moment.hour, moment.minute)


class QslTest(unittest.TestCase):
    def test_card_stamped_and_saved(self):
        with Session("qsl") as s:
            rx = s.path("rx")
            os.makedirs(rx)
            subprocess.run(["convert", "-size", "640x480", "xc:#ffffff",
                            os.path.join(rx, "white card.png")], check=True)
            with open(s.ini("Folders.ini"), "wb") as f:
                f.write(b"Rx\r\n" + rx.encode() + b"/\r\n")
            with open(s.ini("Setup.ini"), "wb") as f:
                f.write(setup_lines())

            program = s.start()
            main = program.wait_for_window(MAIN_TITLE)
            poll("the thumbnail", lambda: os.path.isfile(
                os.path.join(rx, "ThumbFiles", "white card.jpg")), TIMEOUT)
            click_thumbnail(s, 0, modifiers=("shift",))
            composer = program.wait_for_window(" x ", besides=main, timeout=TIMEOUT)
            left, top, width, _ = poll("the composer framed", lambda: (
                lambda g: g if g[0] > 0 else None)(window_info(s, composer.wid)), TIMEOUT)
            f = width / 720

            def click(ux, uy):
                s.x(["xdotool", "mousemove", str(round(left + ux * f)), str(round(top + uy * f)),
                     "click", "1"])

            click(565 + 75, 34 + 15)  # QSL
            dialog = program.wait_for_window("Input QSL info", timeout=TIMEOUT)
            s.key(["d", "l", "0", "a", "b", "c"], dialog)
            s.key(["Return"])
            poll("the dialog to close", lambda: all(
                w.wid != dialog.wid for w in program.windows()), TIMEOUT)
            poll("the card's caption", lambda: s.window_name(composer).startswith("QSL  "),
                 TIMEOUT)

            before = datetime.datetime.now(datetime.timezone.utc)
            click(565 + 75, 323 + 15)  # Save QSL
            saved = program.wait_for_window("QSL card saved", timeout=TIMEOUT)
            after = datetime.datetime.now(datetime.timezone.utc)
            s.key(["Return"], saved)

            folder = s.path("Qsl")
            names = os.listdir(folder)
            self.assertEqual(len(names), 1, names)
            expected = {"DL\u00d8ABC %s.jpg" % utc_name_part(m) for m in (before, after)}
            self.assertIn(names[0], expected)
            self.assertTrue(re.match(r"DLØABC \d+-\d+-\d\d \d{4}Z\.jpg$", names[0]))
            w, h = picture_size(os.path.join(folder, names[0]))
            self.assertAlmostEqual(w, CANVAS_WIDTH * f, delta=2)
            self.assertAlmostEqual(h, CANVAS_HEIGHT * f, delta=2)

            click(632 + 40, 440 + 15)  # Close
            poll("the composer to close", lambda: all(
                w.wid != composer.wid for w in program.windows()), TIMEOUT)
            self.assertEqual(program.close(main), 0, program.log())


if __name__ == "__main__":
    unittest.main()
