#!/usr/bin/env python3
"""Options > "Set file size" opens the size window over the disabled main
window. It shows a stored 12,500 bytes as 12,000 and makes i_view32.ini say so;
a page step of the size slider rewrites i_view32.ini as its four lines with the
new size, the resize slider sets the resize setting Setup.ini keeps."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import accessible  # noqa: E402
from e2e_support import Session, poll, setup_ini, text_lines  # noqa: E402


def four_lines(size):
    return [b"[JP2]", b"SaveOption = 3", b"SaveQuality = 90",
            b"SaveCompressionFileSize = %d" % size]


class SizeWindowTest(accessible.BusTestCase):
    def click(self, s, x, y):
        s.x(["xdotool", "mousemove", str(x), str(y), "click", "1"])

    def topmost(self, s):
        stacking = s.x(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"])
        return int(stacking.strip().split()[-1].rstrip(","), 16)

    def test_size_and_resize_from_the_size_window(self):
        with Session("size-window", bus=self.bus) as s:
            with open(s.ini("Setup.ini"), "wb") as f:
                f.write(setup_ini({4: "No Resize", 7: "770"}))
            with open(s.ini("i_view32.ini"), "wb") as f:
                f.write(b"\r\n".join(four_lines(12500)) + b"\r\n")
            program = s.start()
            main = program.wait_for_main_window()
            x, y, width, height = s.display.geometry(main)

            accessible.click(s, program, "menu item", "Options")
            accessible.click(s, program, "menu item", "Set file size")
            sizes = program.wait_for_window("JP2 file size", besides=main)
            self.assertEqual(s.window_name(sizes), "JP2 file size")
            sx, sy, swidth, _ = s.display.geometry(sizes)
            self.assertAlmostEqual(sx, x + (width - swidth) / 2, delta=12)
            self.assertGreater(sy, y)

            # A click on the disabled main window leaves the size window in front.
            self.click(s, *accessible.centre(accessible.find(s, program, "image", "cq_sstv.jpg")))
            poll("the size window back in front", lambda: self.topmost(s) == int(sizes.wid, 16), 10)

            ini = s.ini("i_view32.ini")
            poll("i_view32.ini to hold 12000", lambda: text_lines(ini) == four_lines(12000), 10)
            s.key(["Page_Up"], sizes)
            poll("i_view32.ini to hold 17000", lambda: text_lines(ini) == four_lines(17000), 10)
            # From "No Resize" to the first entry of the list.
            s.key(["Tab", "Home"], sizes)

            s.close_window(sizes)
            poll("the size window to close",
                 lambda: [w.wid for w in program.windows()] == [main.wid], 10)
            self.assertEqual(program.close(main), 0, program.log())
            self.assertEqual(text_lines(ini), four_lines(17000))
            self.assertEqual(text_lines(s.ini("Setup.ini"))[3], b'"320x256"')


if __name__ == "__main__":
    unittest.main()
