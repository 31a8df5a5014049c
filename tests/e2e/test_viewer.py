#!/usr/bin/env python3
"""A double click on a thumbnail of the real program opens the picture viewer:
a window just the picture's size, centred on the screen, with the title line
of the picture; Esc closes it and the pointer goes back where it was. A
picture larger than the screen fills it and pans as the real pointer moves."""

import os
import shutil
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import accessible  # noqa: E402
from e2e_support import MAIN_TITLE, Session, poll  # noqa: E402

TIMEOUT = 20.0
SCREEN = (1024, 768)


def setup_lines():
    lines = ["", "QV1DEV", "N", "No Resize", "English", "0", "770", "", "", "",
             "N", "0", "0", "20"]
    return "".join('"%s"\r\n' % v for v in lines).encode()


def window_info(session, wid):
    """xwininfo's absolute place and size of a window's client area."""
    info = {}
    for line in session.x(["xwininfo", "-id", wid]).splitlines():
        key, _, value = line.strip().partition(":")
        info[key] = value.strip()
    return (int(info["Absolute upper-left X"]), int(info["Absolute upper-left Y"]),
            int(info["Width"]), int(info["Height"]))


def pointer(session):
    out = dict(p.split(":") for p in session.x(["xdotool", "getmouselocation"]).split()[:2])
    return int(out["x"]), int(out["y"])


def colour_at(session, x, y):
    """The screen's colour at a point, as (r, g, b) in 0..255."""
    shot = os.path.join(session.tmp, "screen.png")
    session.x(["import", "-window", "root", shot])
    out = subprocess.run(["convert", shot, "-format",
                          "%%[fx:int(255*p{%d,%d}.r)] %%[fx:int(255*p{%d,%d}.g)] "
                          "%%[fx:int(255*p{%d,%d}.b)]" % (x, y, x, y, x, y), "info:"],
                         stdout=subprocess.PIPE, check=True).stdout.decode()
    return tuple(int(v) for v in out.split())


def near(colour, wanted):
    return all(abs(a - b) < 40 for a, b in zip(colour, wanted))


def start_on_one_picture(s, name, make):
    """Starts quiverel on a folder holding one picture, `make(path)` writing
    it, and waits for its thumbnail: the program, its main window and the
    picture's path."""
    rx = s.path("rx")
    os.makedirs(rx)
    picture = os.path.join(rx, name)
    make(picture)
    with open(s.ini("Folders.ini"), "wb") as f:
        f.write(b"Rx\r\n" + rx.encode() + b"/\r\n")
    with open(s.ini("Setup.ini"), "wb") as f:
        f.write(setup_lines())

    program = s.start()
    main = program.wait_for_window(MAIN_TITLE)
    thumb = os.path.splitext(name)[0] + ".jpg"
    poll("the thumbnail", lambda: os.path.isfile(os.path.join(rx, "ThumbFiles", thumb)),
         TIMEOUT)
    return program, main, picture


class ViewerTest(accessible.BusTestCase):
    def open_viewer(self, s, name, source=None, make=None):
        """Starts quiverel on a folder holding one picture and double-clicks it."""
        if source:
            make = lambda path: shutil.copy(source, path)  # noqa: E731
        program, main, picture = start_on_one_picture(s, name, make)
        x, y = accessible.centre(accessible.find(s, program, "image", name))
        s.x(["xdotool", "mousemove", str(x), str(y)])
        before = pointer(s)
        s.x(["xdotool", "click", "--repeat", "2", "--delay", "80", "1"])
        viewer = program.wait_for_window(name, besides=main, timeout=TIMEOUT)
        return program, main, viewer, picture, before

    def test_double_click_shows_the_picture_at_its_size_in_the_middle(self):
        with Session("viewer", bus=self.bus) as s:
            program, main, viewer, picture, before = self.open_viewer(
                s, "card.jpg", source=s.path("Samples", "test_card.jpg"))  # 320 x 256
            size = "{:,}".format(os.path.getsize(picture))
            self.assertEqual(s.window_name(viewer),
                             "Original    card.jpg   320 x 256 pixels   %s bytes" % size)
            # The client area is the picture's size, in the middle of the screen,
            # once the window manager has framed it.
            expected = ((SCREEN[0] - 320) // 2, (SCREEN[1] - 256) // 2, 320, 256)
            poll("the viewer in the middle of the screen",
                 lambda: window_info(s, viewer.wid) == expected, TIMEOUT)
            # The pointer waits in the middle of the window.
            self.assertLess(abs(pointer(s)[0] - SCREEN[0] // 2), 20)

            s.key(["Escape"], viewer)
            poll("the viewer to close", lambda: all(
                w.wid != viewer.wid for w in program.windows()), TIMEOUT)
            self.assertEqual(pointer(s), before, "the pointer goes back")
            self.assertTrue(program.running())

            self.assertEqual(program.close(main), 0, program.log())

    def test_a_large_picture_fills_the_screen_and_pans_with_the_pointer(self):
        def make(path):
            # Grey with a green band down the left edge and a blue one down the right.
            subprocess.run(["convert", "-size", "2000x1500", "xc:gray50",
                            "-fill", "#00ff00", "-draw", "rectangle 0,0 99,1499",
                            "-fill", "#0000ff", "-draw", "rectangle 1900,0 1999,1499", path],
                           check=True)

        with Session("viewer-pan", bus=self.bus) as s:
            program, main, viewer, _, _ = self.open_viewer(s, "large.png", make=make)
            self.assertTrue(s.window_name(viewer).startswith(
                "Original    large.png   2000 x 1500 pixels   "))

            def framed():
                # A frame that fills the screen may leave the client at x 0:
                # framed is when the window manager has said its extents and
                # put the frame at the screen's corner.
                said = s.x(["xprop", "-id", viewer.wid, "_NET_FRAME_EXTENTS"], check=False)
                if "=" not in said:
                    return None
                extents = [int(v) for v in said.partition("=")[2].split(",")]
                g = window_info(s, viewer.wid)
                return (g, extents) if g[2] > 0 and (g[0] - extents[0], g[1] - extents[2]) == (
                    0, 0) else None

            (left, top, width, height), extents = poll("the viewer framed", framed, TIMEOUT)
            # The frame fills the screen.
            self.assertEqual(width + extents[0] + extents[1], SCREEN[0])
            self.assertEqual(height + extents[2] + extents[3], SCREEN[1])
            row = top + height // 2
            grey = (128, 128, 128)
            poll("the middle of the picture", lambda: near(colour_at(s, left + 50, row), grey),
                 TIMEOUT)

            # The pointer to the left edge: the picture's left edge comes into view.
            for x in range(480, -1, -40):
                s.x(["xdotool", "mousemove", str(x), str(row)])
            s.x(["xdotool", "mousemove", "0", str(row)])
            poll("the left edge", lambda: near(colour_at(s, left + 50, row), (0, 255, 0)),
                 TIMEOUT)
            self.assertTrue(near(colour_at(s, left + 150, row), grey), "and no further")
            # And across to the right edge.
            for x in range(40, SCREEN[0], 40):
                s.x(["xdotool", "mousemove", str(x), str(row)])
            s.x(["xdotool", "mousemove", str(SCREEN[0] - 1), str(row)])
            right = left + width - 1
            poll("the right edge", lambda: near(colour_at(s, right - 50, row), (0, 0, 255)),
                 TIMEOUT)
            self.assertTrue(near(colour_at(s, right - 150, row), grey), "and no further")

            s.key(["Escape"], viewer)
            poll("the viewer to close", lambda: all(
                w.wid != viewer.wid for w in program.windows()), TIMEOUT)
            self.assertEqual(program.close(main), 0, program.log())


if __name__ == "__main__":
    unittest.main()
