#!/usr/bin/env python3
"""Shift+click opens the composer of the real program; "QSL" opens the QSL
dialog, a call sign typed in lower case with a zero is shown in capitals with
a slashed zero, "Ok" stamps the card, "Save QSL" leaves
Qsl/<CALL> <m-d-yy> <hhmm>Z.jpg of the canvas's size in the application folder
and "Close" sends the card at full size."""

import datetime
import os
import re
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import accessible  # noqa: E402
from e2e_support import Session, poll  # noqa: E402
from test_composer import open_composer, picture_size, pixel  # noqa: E402
from test_viewer import colour_at, near  # noqa: E402

TIMEOUT = 20.0
# A 640 x 480 picture's canvas in composer units.
CANVAS_WIDTH, CANVAS_HEIGHT = 640 * 398 / 480, 398
PALE, PALE_RGB = "#ffff80", (255, 255, 128)


def utc_name_part(moment):
    return "%d-%d-%02d %02d%02dZ" % (moment.month, moment.day, moment.year % 100,
                                     moment.hour, moment.minute)


class QslTest(accessible.BusTestCase):
    def test_card_stamped_and_saved(self):
        with Session("qsl", bus=self.bus) as s:
            program, main, composer, _, (left, top, f) = open_composer(
                s, "pale card.png", PALE)

            def click(name):
                accessible.click(s, program, "push button", name)

            poll("the picture on the canvas", lambda: near(colour_at(
                s, round(left + 285 * f), round(top + 215 * f)), PALE_RGB), TIMEOUT)
            click("QSL")
            dialog = program.wait_for_window("Input QSL info", timeout=TIMEOUT)
            s.key(["d", "l", "0", "a", "b", "c"], dialog)
            s.key(["Return"])
            poll("the dialog to close", lambda: all(
                w.wid != dialog.wid for w in program.windows()), TIMEOUT)
            poll("the card's caption", lambda: s.window_name(composer).startswith("QSL  "),
                 TIMEOUT)

            before = datetime.datetime.now(datetime.timezone.utc)
            click("Save QSL")
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

            # Closing sends the card at the picture's full size: the band tinted
            # with the default green over the bottom-left 320 x 64 pixels.
            click("Close")
            poll("the composer to close", lambda: all(
                w.wid != composer.wid for w in program.windows()), TIMEOUT)
            bitmap = os.path.join(s.path("TX"), "pale card.bmp")
            poll("the card in TX", lambda: os.path.isfile(bitmap), TIMEOUT)
            self.assertEqual(picture_size(bitmap), (640, 480))
            self.assertTrue(near(pixel(bitmap, 2, 470), (0, 255, 0)), pixel(bitmap, 2, 470))
            self.assertTrue(near(pixel(bitmap, 400, 470), PALE_RGB))
            self.assertEqual(program.close(main), 0, program.log())


if __name__ == "__main__":
    unittest.main()
