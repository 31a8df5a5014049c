#!/usr/bin/env python3
"""The real program scans folders as the real world leaves them: one it
cannot write (a read-only mount) and one with a picture still being written
by the program receiving it. Nothing is moved to Corrupt, nothing lost, and
the read-only folder is reported once, not in a loop."""

import ctypes
import os
import shutil
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_support import Session, poll  # noqa: E402

MS_RDONLY, MS_REMOUNT, MNT_DETACH = 1, 32, 2
libc = ctypes.CDLL(None, use_errno=True)


def mount_tmpfs(path):
    return libc.mount(b"tmpfs", path.encode(), b"tmpfs", 0, b"size=32m,mode=0755") == 0


def remount_read_only(path):
    return libc.mount(None, path.encode(), None, MS_REMOUNT | MS_RDONLY, None) == 0


def samples(s, count):
    names = sorted(n for n in os.listdir(s.path("Samples")) if n.endswith(".jpg"))
    return [os.path.join(s.path("Samples"), n) for n in names[:count]]


def show_folder(s, rx):
    with open(s.ini("Folders.ini"), "wb") as f:
        f.write(b"Rx\r\n" + rx.encode() + b"/\r\n")


class ScanHazardsTest(unittest.TestCase):
    def test_a_read_only_folder_is_shown_and_reported_once(self):
        with Session("scan-read-only") as s:
            rx = os.path.join(s.tmp, "rx")
            os.makedirs(rx)
            if os.geteuid() != 0 or not mount_tmpfs(rx):
                self.skipTest("mounting a tmpfs needs root")
            try:
                for i, src in enumerate(samples(s, 3)):
                    shutil.copy(src, os.path.join(rx, "pic.%d.jpg" % i))
                with open(os.path.join(rx, "broken.jpg"), "wb") as f:
                    f.write(b"\xff\xd8\xff not a picture")
                self.assertTrue(remount_read_only(rx))
                before = sorted(os.listdir(rx))
                show_folder(s, rx)

                program = s.start()
                main = program.wait_for_main_window()
                warning = program.wait_for_window("Brisendale", besides=main)
                program.answer(warning)

                cache = os.path.join(s.display.home, ".cache", "Quiverel", "thumbnails")
                poll("the thumbnails in the cache", lambda: os.path.isdir(cache) and any(
                    len([n for n in os.listdir(os.path.join(cache, d)) if n.endswith(".jpg")]) == 3
                    for d in os.listdir(cache)), 30)
                # Closing answers whatever message comes next: there must be none.
                self.assertEqual(program.close(main), 0, program.log())
                self.assertEqual(program.answered, [])
                self.assertEqual(sorted(os.listdir(rx)), before)
                self.assertFalse(os.path.exists(s.path("Corrupt")))
            finally:
                libc.umount2(rx.encode(), MNT_DETACH)

    def test_a_picture_still_being_received_is_left_alone(self):
        with Session("scan-arriving") as s:
            rx = os.path.join(s.tmp, "rx")
            os.makedirs(rx)
            good, arriving = samples(s, 2)
            shutil.copy(good, os.path.join(rx, "good.jpg"))
            with open(arriving, "rb") as f:
                picture = f.read()
            show_folder(s, rx)
            path = os.path.join(rx, "rx 1.jpg")
            with open(path, "wb") as writer:
                writer.write(picture[:200])
                writer.flush()
                program = s.start()
                main = program.wait_for_main_window()
                poll("the thumbnail of good.jpg",
                     lambda: os.path.isfile(os.path.join(rx, "ThumbFiles", "good.jpg")), 30)
                poll("quiverel to show only its main window",
                     lambda: [w.wid for w in program.windows()] == [main.wid], 30)
                self.assertTrue(os.path.isfile(path))
                self.assertFalse(os.path.exists(s.path("Corrupt")))
                writer.write(picture[200:])
            self.assertEqual(program.close(main), 0, program.log())
            self.assertEqual(program.answered, [])

            # A minute later (its time set back rather than waited for) the
            # next start takes it in.
            st = os.stat(path)
            os.utime(path, (st.st_atime - 60, st.st_mtime - 60))
            program = s.start()
            main = program.wait_for_main_window()
            poll("the thumbnail of rx 1.jpg",
                 lambda: os.path.isfile(os.path.join(rx, "ThumbFiles", "rx 1.jpg")), 30)
            self.assertEqual(program.close(main), 0, program.log())
            self.assertEqual(program.answered, [])
            with open(path, "rb") as f:
                self.assertEqual(f.read(), picture)
            self.assertFalse(os.path.exists(s.path("Corrupt")))


if __name__ == "__main__":
    unittest.main()
