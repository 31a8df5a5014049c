#!/usr/bin/env python3
"""A click on a thumbnail of the real program: the TX folder gets the
bitmap, the clipboard the picture and the file, and the three stand-in SSTV
program windows exactly their own paste keys; with the openbox window
manager and with none. A second click while the first hand-off pastes is
held and sent whole afterwards."""

import os
import shutil
import signal
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import accessible  # noqa: E402
from e2e_support import Session, poll  # noqa: E402
from test_handoff import EXPECTED_KEYS, TITLES, BareDisplay, FakeWindow  # noqa: E402

TIMEOUT = 10.0


class Helpers:
    """What FakeWindow needs of its owner: a folder, a display, a list."""

    def __init__(self, session):
        self.tmp, self.display, self.helpers = session.tmp, session.display, []


def setup_lines(auto_paste):
    lines = ["", "QV1DEV", "N", "No Resize", "English", "0", "770", "", "", "",
             "Y" if auto_paste else "N", "0", "0", "20"]
    return "".join('"%s"\r\n' % v for v in lines).encode()


def focus_count(err_path):
    """How often a stand-in window has had the keyboard focus."""
    with open(err_path) as f:
        return f.read().count("focus in")


class ClickHandOffTest(accessible.BusTestCase):
    def run_click(self, window_manager, second_click=False):
        s = Session("click", bus=self.bus)
        if not window_manager:
            s.display = BareDisplay(s.tmp)
        with s:
            rx = s.path("rx")
            os.makedirs(rx)
            shutil.copy(s.path("Samples", "cq_sstv.jpg"), os.path.join(rx, "sunset.jpg"))
            if second_click:
                # Older, so it stands second in date order.
                shutil.copy(s.path("Samples", "cq_sstv.jpg"), os.path.join(rx, "dawn.jpg"))
                old = time.time() - 3600
                os.utime(os.path.join(rx, "dawn.jpg"), (old, old))
            with open(s.ini("Folders.ini"), "wb") as f:
                f.write(b"Rx\r\n" + rx.encode() + b"/\r\n")
            with open(s.ini("Setup.ini"), "wb") as f:
                f.write(setup_lines(auto_paste=True))

            helpers = Helpers(s)
            windows = {}
            for name in TITLES:
                windows[name] = FakeWindow(helpers, TITLES[name])
                helpers.helpers.append(windows[name])  # each window its own key log
            try:
                program = s.start()
                poll("the main window", lambda: s.x(
                    ["xdotool", "search", "--name", r"^Quiverel \(v"], check=False).split(),
                    TIMEOUT)[0]
                poll("the thumbnail", lambda: os.path.isfile(
                    os.path.join(rx, "ThumbFiles", "sunset.jpg")), TIMEOUT)
                easypal = windows["EasyPal"].err.name
                focused_before = focus_count(easypal)
                # Both cells found before the first click: the second comes in time.
                cells = [accessible.centre(accessible.find(s, program, "image", name))
                         for name in ("sunset.jpg", "dawn.jpg")[:2 if second_click else 1]]
                x, y = cells[0]
                s.x(["xdotool", "mousemove", str(x), str(y), "click", "1"])
                sent, expected = "sunset.bmp", EXPECTED_KEYS
                if second_click:
                    # Clicked as EasyPal comes to the front, half a second
                    # before its key: the window manager gives the focus
                    # back to the main window.
                    poll("EasyPal in front", lambda: focus_count(easypal) > focused_before,
                         TIMEOUT)
                    x, y = cells[1]
                    s.x(["xdotool", "mousemove", str(x), str(y), "click", "1"])
                    sent = "dawn.bmp"
                    expected = {n: keys + keys for n, keys in EXPECTED_KEYS.items()}

                bitmap = os.path.join(s.path("TX"), sent)
                poll("the transmit bitmap", lambda: os.path.isfile(bitmap), TIMEOUT)
                try:
                    poll("the paste keys", lambda: all(
                        w.keys() == expected[n] for n, w in windows.items()), 2 * TIMEOUT)
                except AssertionError:
                    print({n: w.keys() for n, w in windows.items()})
                    raise
                for name, w in windows.items():
                    self.assertEqual(w.keys(), expected[name], name)
                self.assertEqual(sorted(os.listdir(s.path("TX"))), [sent])

                targets = s.x(["xclip", "-selection", "clipboard", "-t", "TARGETS", "-o"])
                self.assertIn("image/png", targets.split())
                self.assertIn("text/uri-list", targets.split())
                uris = s.x(["xclip", "-selection", "clipboard", "-t", "text/uri-list", "-o"])
                self.assertEqual(uris.strip(), "file://" + bitmap)

                program.signal(signal.SIGTERM)
                self.assertEqual(program.wait_exit(), 0, program.log())
            finally:
                for w in windows.values():
                    w.end()

    def test_click_with_window_manager(self):
        self.run_click(window_manager=True)

    def test_click_without_window_manager(self):
        self.run_click(window_manager=False)

    def test_a_second_click_during_the_paste_is_held_and_sent_whole(self):
        self.run_click(window_manager=True, second_click=True)


if __name__ == "__main__":
    unittest.main()
