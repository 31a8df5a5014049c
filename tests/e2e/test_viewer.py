#!/usr/bin/env python3
"""A double click on a thumbnail of the real program opens the picture viewer:
a window just the picture's size, centred on the screen, with the title line
of the picture; Esc closes it and the pointer goes back where it was."""

import os
import shutil
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_support import MAIN_TITLE, Session, poll  # noqa: E402
from test_handoff import cell_point  # noqa: E402

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


class ViewerTest(unittest.TestCase):
    def test_double_click_shows_the_picture_at_its_size_in_the_middle(self):
        with Session("viewer") as s:
            rx = s.path("rx")
            os.makedirs(rx)
            picture = os.path.join(rx, "card.jpg")
            shutil.copy(s.path("Samples", "test_card.jpg"), picture)  # 320 x 256
            with open(s.ini("Folders.ini"), "wb") as f:
                f.write(b"Rx\r\n" + rx.encode() + b"/\r\n")
            with open(s.ini("Setup.ini"), "wb") as f:
                f.write(setup_lines())

            program = s.start()
            main = program.wait_for_window(MAIN_TITLE)
            poll("the thumbnail", lambda: os.path.isfile(
                os.path.join(rx, "ThumbFiles", "card.jpg")), TIMEOUT)
            wid = str(int(main.wid, 16))
            geometry = dict(line.split("=", 1) for line in s.x(
                ["xdotool", "getwindowgeometry", "--shell", wid]).split())
            x, y = cell_point((int(geometry["WIDTH"]), int(geometry["HEIGHT"])), 0)
            s.x(["xdotool", "mousemove", "--window", wid, str(x), str(y)])
            before = pointer(s)
            s.x(["xdotool", "click", "--repeat", "2", "--delay", "80", "1"])

            viewer = program.wait_for_window("card.jpg", besides=main, timeout=TIMEOUT)
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


if __name__ == "__main__":
    unittest.main()
