#!/usr/bin/env python3
"""Shift+click on a thumbnail of the real program opens the composer; "Add
Mug" lays the mug shot from the application folder on the canvas, a real
pointer drag moves it, and "Close" leaves in the TX folder a bitmap of the
picture's own size with the mug shot where it was dragged to."""

import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_support import Session, poll  # noqa: E402
import accessible  # noqa: E402
from test_viewer import colour_at, near, start_on_one_picture, window_info  # noqa: E402

TIMEOUT = 20.0
BLUE, RED = (0, 0, 255), (255, 0, 0)
# A 640 x 480 picture's canvas in composer units (the window is 720 x 480 of them).
CANVAS_LEFT, CANVAS_TOP = 285 - 640 * 398 / 480 / 2, 16


def pixel(path, x, y):
    out = subprocess.run(["convert", path, "-format",
                          "%%[fx:int(255*p{%d,%d}.r)] %%[fx:int(255*p{%d,%d}.g)] "
                          "%%[fx:int(255*p{%d,%d}.b)]" % (x, y, x, y, x, y), "info:"],
                         stdout=subprocess.PIPE, check=True).stdout.decode()
    return tuple(int(v) for v in out.split())


def picture_size(path):
    out = subprocess.run(["identify", "-format", "%w %h", path], stdout=subprocess.PIPE,
                         check=True).stdout.decode()
    return tuple(int(v) for v in out.split())


def open_composer(s, name, colour):
    """Starts the program on a folder holding one 640 x 480 picture of one colour
    and opens the composer on it with Shift+click. Gives the program, its main
    window, the composer, the picture's path, and the composer's left, top and
    pixels per composer unit on the screen."""
    program, main, picture = start_on_one_picture(s, name, lambda path: subprocess.run(
        ["convert", "-size", "640x480", "xc:" + colour, path], check=True))
    accessible.click(s, program, "image", name, modifiers=("shift",))
    composer = program.wait_for_window(" x ", besides=main, timeout=TIMEOUT)
    left, top, width, _ = poll("the composer framed", lambda: (
        lambda g: g if g[0] > 0 else None)(window_info(s, composer.wid)), TIMEOUT)
    return program, main, composer, picture, (left, top, width / 720)


class ComposerTest(accessible.BusTestCase):
    def test_mug_shot_dragged_and_sent(self):
        with Session("composer", bus=self.bus) as s:
            subprocess.run(["convert", "-size", "640x480", "xc:#ff0000", s.path("Mug.jpg")],
                           check=True)
            program, main, composer, picture, (left, top, f) = open_composer(
                s, "blue sky.png", "#0000ff")
            self.assertEqual(s.window_name(composer), "640 x 480    %s bytes"
                             % "{:,}".format(os.path.getsize(picture)))

            def screen(ux, uy):
                return round(left + ux * f), round(top + uy * f)

            def canvas(cx, cy):
                return screen(CANVAS_LEFT + cx, CANVAS_TOP + cy)

            poll("the picture on the canvas", lambda: near(colour_at(s, *canvas(300, 200)), BLUE),
                 TIMEOUT)
            accessible.click(s, program, "push button", "Add Mug")
            poll("the mug shot at the top left", lambda: near(colour_at(s, *canvas(56, 42)), RED),
                 TIMEOUT)

            # Grab it in the middle and drag it, step by step as a hand does.
            x0, y0 = canvas(56, 42)
            x1, y1 = canvas(300, 200)
            s.x(["xdotool", "mousemove", str(x0), str(y0), "mousedown", "1"])
            for i in range(1, 21):
                s.x(["xdotool", "mousemove", str(x0 + (x1 - x0) * i // 20),
                     str(y0 + (y1 - y0) * i // 20)])
            s.x(["xdotool", "mouseup", "1"])
            poll("the mug shot dragged", lambda: near(colour_at(s, *canvas(300, 200)), RED),
                 TIMEOUT)
            self.assertTrue(near(colour_at(s, *canvas(30, 30)), BLUE), "and gone from the corner")

            accessible.click(s, program, "push button", "Close")
            poll("the composer to close", lambda: all(
                w.wid != composer.wid for w in program.windows()), TIMEOUT)
            bitmap = os.path.join(s.path("TX"), "blue sky.bmp")
            # A canvas unit is 640 / 534.67 pixels of the picture.
            scale = 640 / (640 * 398 / 480 + 4)
            poll("the composite in TX", lambda: os.path.isfile(bitmap) and near(
                pixel(bitmap, round(300 * scale), round(200 * 480 / 402)), RED), TIMEOUT)
            self.assertEqual(picture_size(bitmap), (640, 480))
            self.assertTrue(near(pixel(bitmap, 30, 30), BLUE))
            self.assertTrue(near(pixel(picture, 400, 300), BLUE), "the picture itself unchanged")

            self.assertEqual(program.close(main), 0, program.log())


if __name__ == "__main__":
    unittest.main()
