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
import accessible  # noqa: E402
from e2e_support import MAIN_TITLE, Session, poll, text_lines  # noqa: E402
from test_viewer import setup_lines  # noqa: E402

TIMEOUT = 20.0
FTP_SERVER = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                          "ftp", "ftp_server.py")
# pyftpdlib comes as a Debian package, for the system's interpreter.
SERVER_PYTHON = "/usr/bin/python3" if os.access("/usr/bin/python3", os.X_OK) else sys.executable


def read(path):
    with open(path, "rb") as f:
        return f.read()


class OptionsFtpTest(accessible.BusTestCase):
    def test_upload_from_the_panel(self):
        with Session("options-ftp", bus=self.bus) as s:
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
                accessible.click(s, program, "image", "sky.png", button=3)
                panel = program.wait_for_window("sky.png", besides=main, timeout=TIMEOUT)
                accessible.click(s, program, "label", "FTP upload to web-site")

                # Each field and the Setup.ini line that keeps it.
                fields = [("FTP address", "127.0.0.1:%d" % port, 22), ("Username", "op", 23),
                          ("Password", "pa ss\"word", 24), ("Web directory", "www/pics", 25)]
                for name, text, _ in fields:
                    accessible.click(s, program, "text", name)
                    s.x(["xdotool", "sleep", "0.2", "key", "--clearmodifiers", "ctrl+a",
                         "BackSpace"])
                    s.x(["xdotool", "type", "--delay", "20", text])
                accessible.click(s, program, "push button", "FTP upload")

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
                for _, text, number in fields:
                    self.assertIn(text.replace('"', '""').encode(), lines[number])
            finally:
                server.kill()
                server.wait()
                server.stdout.close()


if __name__ == "__main__":
    unittest.main()
