#!/usr/bin/env python3
"""Damaged settings and language files never stop the program: it starts with its
defaults, closes normally and writes a sound Setup.ini again."""

import os
import random
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_support import Session, check_settings_files, text_lines  # noqa: E402

DAMAGED = ("Setup.ini", "Language.ini", "Folders.ini")


def noise(seed, size):
    """Binary noise rich in the bytes a line reader cares about."""
    rng = random.Random(seed)
    special = b'\x00\r\n,"[]=\xff\xfe\xef\xbb\xbf'
    return bytes(rng.choice(special) if rng.random() < 0.2 else rng.randrange(256)
                 for _ in range(size))


class BadSettingsTest(unittest.TestCase):
    def run_with(self, name, contents):
        with Session(name) as s:
            for file_name, data in contents.items():
                with open(s.ini(file_name), "wb") as f:
                    f.write(data)

            program = s.start()
            window = program.wait_for_main_window()
            self.assertEqual(s.window_name(window), "Quiverel (v 3.54)  ")
            # A folder list of noise names folders that cannot be read: the
            # program may say so before it closes.
            self.assertEqual(program.close(window), 0, program.log())

            check_settings_files(s)
            self.assertEqual(os.stat(s.ini("Setup.ini")).st_mode & 0o777, 0o600)
            with open(s.ini("Language.ini"), "rb") as f:
                self.assertEqual(f.read(), contents["Language.ini"],
                                 "the program rewrote the language file")
            return text_lines(s.ini("Setup.ini"))

    def test_binary_noise(self):
        self.run_with("noise", {n: noise(i, 8192) for i, n in enumerate(DAMAGED)})

    def test_noise_after_a_valid_language_header(self):
        # The header is found, so every entry of the table comes from the noise.
        self.run_with("noise-header", {
            "Setup.ini": noise(10, 300),
            "Language.ini": b"[English]\r\n" + noise(11, 8192),
            "Folders.ini": noise(12, 300),
        })

    def test_empty_files(self):
        self.run_with("empty", {n: b"" for n in DAMAGED})

    def test_over_long_files(self):
        self.run_with("over-long", {
            "Setup.ini": b",".join([b"9" * 1000] * 1000) + b"\r\n" * 500,
            "Language.ini": b"[English]\r\n" + b"x" * 100000 + b"\r\n" * 100000,
            "Folders.ini": b"".join(b"Folder %d\r\n/nowhere/%d/\r\n" % (i, i)
                                    for i in range(300)),
        })

    def test_windows_1252_text(self):
        # Not UTF-8: read as Windows-1252, written back as UTF-8.
        s = self.run_with("cp1252", {
            "Setup.ini": '"","DL1\xc4BC","","","Deutsch","1","770","14.230 Gr\xfc\xdfe \u20ac",'
                         '"","","N","0","0","20"\r\n'.encode("cp1252"),
            "Language.ini": ("[Deutsch]\r\n" + "Gr\xfc\xdfe \xe4\xf6\xfc \u20ac\r\n" * 120)
            .encode("cp1252"),
            "Folders.ini": "Empf\xe4nger\r\n\r\n".encode("cp1252"),
        })
        self.assertEqual(s[1], '"DL1\xc4BC"'.encode())
        self.assertEqual(s[4], b'"Deutsch"')
        self.assertEqual(s[7], '"14.230 Gr\xfc\xdfe \u20ac"'.encode())

if __name__ == "__main__":
    unittest.main()
