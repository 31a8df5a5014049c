#!/usr/bin/env python3
"""The installed program: `cmake --install` into a temporary prefix, run with a
temporary home. Its application folder is laid out in ~/.local/share/Quiverel
at the first start, and a second start keeps what the user has there."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_support import check_settings_files  # noqa: E402
from quiverel_program import Program  # noqa: E402
from x_display import XDisplay  # noqa: E402


class InstalledSession:
    """A display, and the program installed under a prefix of its own."""

    def __init__(self):
        self.tmp = tempfile.mkdtemp(prefix="quiverel-e2e-installed-")
        self.prefix = os.path.join(self.tmp, "prefix with blank")
        self.display = XDisplay(self.tmp)
        self.programs = []

    def __enter__(self):
        subprocess.run(["cmake", "--install", os.environ["QUIVEREL_BUILD_DIR"],
                        "--prefix", self.prefix], check=True, stdout=subprocess.DEVNULL)
        self.display.start()
        return self

    def __exit__(self, exc_type, exc, tb):
        if exc_type is not None:
            for p in self.programs:
                print(p.log())
        for p in self.programs:
            p.kill()
        self.display.close()
        shutil.rmtree(self.tmp, ignore_errors=True)
        return False

    @property
    def app(self):
        return os.path.join(self.display.home, ".local", "share", "Quiverel")

    def path(self, *parts):
        return os.path.join(self.app, *parts)

    def ini(self, name):
        return self.path("ini", name)

    def start(self, start_folder):
        log = os.path.join(self.tmp, "quiverel-%d.log" % (len(self.programs) + 1))
        program = Program(self.display, os.path.join(self.prefix, "bin", "quiverel"),
                          self.tmp, log, start_folder=start_folder)
        self.programs.append(program)
        return program


def read(path):
    with open(path, "rb") as f:
        return f.read()


class InstalledProgramTest(unittest.TestCase):
    def test_first_start_lays_out_the_folder_and_a_second_keeps_the_users_files(self):
        with InstalledSession() as s:
            installed = os.path.join(s.prefix, "share", "quiverel")
            samples = sorted(n for n in os.listdir(os.path.join(installed, "Samples")))
            self.assertTrue(samples, "the installation ships no samples")
            for name in ("quiverel", "i__view32.exe"):
                self.assertTrue(os.access(os.path.join(s.prefix, "bin", name), os.X_OK), name)

            first = s.start(start_folder=s.path("Samples"))
            main = first.wait_for_main_window()  # the samples' thumbnails are made
            self.assertEqual(sorted(n for n in os.listdir(s.path("Samples"))
                                    if n != "ThumbFiles"), samples)
            for name in ("Help.txt", "TextFile.jpg", "About.png", "ini/Language.ini"):
                self.assertTrue(os.path.isfile(s.path(name)), name)
            self.assertEqual(first.close(main), 0, first.log())
            check_settings_files(s)
            self.assertFalse(os.path.exists(os.path.join(s.prefix, "bin", "ini")),
                             "the installed program wrote beside its executable")

            # The user's own settings, language file and a removed sample.
            lines = read(s.ini("Setup.ini")).split(b"\r\n")
            lines[1] = b'"QV1TST"'  # the call sign
            setup = b"\r\n".join(lines)
            with open(s.ini("Setup.ini"), "wb") as f:
                f.write(setup)
            language = read(s.ini("Language.ini")) + b"\r\n[Mine]\r\n"
            with open(s.ini("Language.ini"), "wb") as f:
                f.write(language)
            folders = read(s.ini("Folders.ini"))
            os.remove(s.path("Samples", samples[0]))

            second = s.start(start_folder=None)
            main = second.wait_for_main_window()
            self.assertEqual(second.close(main), 0, second.log())
            self.assertEqual(read(s.ini("Setup.ini")), setup)
            self.assertEqual(read(s.ini("Language.ini")), language)
            self.assertEqual(read(s.ini("Folders.ini")), folders)
            self.assertFalse(os.path.exists(s.path("Samples", samples[0])),
                             "a removed sample came back")


if __name__ == "__main__":
    unittest.main()
