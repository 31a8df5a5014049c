#!/usr/bin/env python3
"""The real program scans a prepared folder: odd file names, a corrupt picture,
thumbnails made on disk and the first page drawn on the screen."""

import os
import shutil
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_support import Session, poll  # noqa: E402

NAMES = ["plain.jpg", "with blanks.jpg", "quote's \"double\".jpg", "-leading dash.jpg",
         "Grüße 73.jpg", "holiday.2024.jpg"]


class ScanTest(unittest.TestCase):
    def test_first_page_thumbnails_and_quarantine(self):
        with Session("scan") as s:
            rx = s.path("rx")
            os.makedirs(rx)
            samples = sorted(f for f in os.listdir(s.path("Samples")) if f.endswith(".jpg"))
            for i, name in enumerate(NAMES):
                shutil.copy(os.path.join(s.path("Samples"), samples[i % len(samples)]),
                            os.path.join(rx, name))
            with open(os.path.join(rx, "broken.jpg"), "wb") as f:
                f.write(b"\xff\xd8\xff not a picture")
            # Received a minute ago: files written just now may still be
            # arriving, and those are neither renamed nor quarantined.
            for name in os.listdir(rx):
                os.utime(os.path.join(rx, name), (time.time() - 60, time.time() - 60))
            with open(s.ini("Folders.ini"), "wb") as f:
                f.write(b"Rx\r\n" + rx.encode() + b"/\r\n")

            program = s.start()
            main = program.wait_for_main_window()
            # The corrupt picture is reported under the picture warning title.
            warning = program.wait_for_window("Brisendale", besides=main)
            program.answer(warning)

            thumbs = os.path.join(rx, "ThumbFiles")
            expected = [n[:-4] + ".jpg" for n in NAMES if n != "holiday.2024.jpg"]
            expected.append("holiday_2024.jpg")
            poll("the thumbnails", lambda: all(
                os.path.isfile(os.path.join(thumbs, n)) for n in expected), 30)
            poll("the quarantine", lambda: os.path.isfile(s.path("Corrupt", "broken.jpg")), 30)
            self.assertFalse(os.path.exists(os.path.join(rx, "broken.jpg")))
            self.assertTrue(os.path.isfile(os.path.join(rx, "holiday_2024.jpg")))

            # The first page on the screen: the grid's cells hold pictures, not
            # one flat colour.
            shot = os.path.join(s.tmp, "scan.png")
            s.x(["import", "-window", "root", shot])
            colours = subprocess.run(
                ["convert", shot, "-crop", "400x200+20+130", "+repage", "-format", "%k", "info:"],
                stdout=subprocess.PIPE, check=True).stdout.decode()
            self.assertGreater(int(colours), 200, "the first page shows no thumbnails")

            s.close_window(main)
            self.assertEqual(program.wait_exit(), 0, program.log())


if __name__ == "__main__":
    unittest.main()
