#!/usr/bin/env python3
"""The FTP entry of the options panel in the real program: a right click on a
thumbnail, "FTP upload to web-site", the four fields typed in, "FTP upload";
a loopback FTP server receives the picture byte for byte and the status
picture checknew.jpg, and the settings typed are kept in Setup.ini."""

import os
import re
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_support import MAIN_TITLE, Session, poll, text_lines  # noqa: E402
from test_handoff import click_thumbnail  # noqa: E402
from test_options import entry_point, PANEL_UNITS  # noqa: E402
from test_viewer import colour_at, setup_lines, window_info  # noqa: E402

TIMEOUT = 20.0
FTP_SERVER = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                          "ftp", "ftp_server.py")
FTP_ENTRY = 8
# pyftpdlib comes as a Debian package, for the system's interpreter.
SERVER_PYTHON = "/usr/bin/python3" if os.access("/usr/bin/python3", os.X_OK) else sys.executable


def panel_point(geometry, x, y):
    """A point given in the panel's units, on the screen."""
    left, top, width, height = geometry
    return (round(left + x * width / PANEL_UNITS[0]), round(top + y * height / PANEL_UNITS[1]))


def read(path):
    with open(path, "rb") as f:
        return f.read()


class OptionsFtpTest(unittest.TestCase):
    def test_upload_from_the_panel(self):
        with Session("options-ftp") as s:
            rx, home = s.path("rx"), s.path("ftp home")
            os.makedirs(rx)
            os.makedirs(os.path.join(home, "www", "pics"))
            picture = os.path.join(rx, "sky.png")
            subprocess.run(["convert", "-size", "160x120", "plasma:", picture], check=True)
            with open(s.ini("Folders.ini"), "wb") as f:
                f.write(b"Rx\r\n" + rx.encode() + b"/\r\n")
            with open(s.ini("Setup.ini"), "wb") as f:
                f.write(setup_lines())

            server = subprocess.Popen(
                [SERVER_PYTHON, FTP_SERVER, "--home", home, "--user", "op",
                 "--password", "pa ss\"word"], stdout=subprocess.PIPE,
                stderr=subprocess.DEVNULL, text=True)
            try:
                port = int(re.match(r"PORT (\d+)", server.stdout.readline()).group(1))
                program = s.start()
                main = program.wait_for_window(MAIN_TITLE)
                poll("the thumbnail", lambda: os.path.isfile(
                    os.path.join(rx, "ThumbFiles", "sky.jpg")), TIMEOUT)
                click_thumbnail(s, 0, button=3)
                panel = program.wait_for_window("sky.png", besides=main, timeout=TIMEOUT)
                geometry = poll("the panel placed", lambda: (lambda g: g if g[2] > 0 else None)(
                    window_info(s, panel.wid)), TIMEOUT)
                x, y = entry_point(geometry, FTP_ENTRY)
                s.x(["xdotool", "mousemove", str(x), str(y), "click", "1"])

                # The frame sits at 160 units down; its fields at 18, 40, 62, 84.
                # It is there when the first field's white shows where the
                # grey entry list was.
                poll("the FTP frame", lambda: colour_at(
                    s, *panel_point(geometry, 195, 160 + 28)) == (255, 255, 255), TIMEOUT)
                fields = {18: "127.0.0.1:%d" % port, 40: "op", 62: "pa ss\"word",
                          84: "www/pics"}
                for top, text in fields.items():
                    x, y = panel_point(geometry, 195, 160 + top + 10)
                    s.x(["xdotool", "mousemove", str(x), str(y), "click", "1",
                         "sleep", "0.2", "key", "--clearmodifiers", "ctrl+a", "BackSpace"])
                    s.x(["xdotool", "type", "--delay", "20", text])
                x, y = panel_point(geometry, 55, 160 + 185)
                s.x(["xdotool", "mousemove", str(x), str(y), "click", "1"])

                pics = os.path.join(home, "www", "pics")
                poll("both files on the server", lambda: len(os.listdir(pics)) == 2, TIMEOUT)
                names = sorted(os.listdir(pics))
                self.assertIn("checknew.jpg", names)
                uploaded = os.path.join(pics, [n for n in names if n != "checknew.jpg"][0])
                expected = read(picture)
                poll("the picture whole", lambda: read(uploaded) == expected, TIMEOUT)
                # checknew.jpg: 1 unit wide (on air), a plain picture.
                size = subprocess.run(["identify", "-format", "%w",
                                       os.path.join(pics, "checknew.jpg")],
                                      capture_output=True, text=True, check=True).stdout
                self.assertEqual(size, "1")

                s.close_window(panel)
                poll("the panel closed", lambda: [w.wid for w in program.windows()] ==
                     [main.wid], TIMEOUT)
                self.assertEqual(program.close(main), 0, program.log())
                lines = text_lines(s.ini("Setup.ini"))
                # Written quoted, a quote inside doubled.
                for number, text in fields.items():
                    self.assertIn(text.replace('"', '""').encode(),
                                  lines[22 + (number - 18) // 22])
            finally:
                server.kill()
                server.wait()
                server.stdout.close()


if __name__ == "__main__":
    unittest.main()
