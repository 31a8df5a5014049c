"""Shared pieces of the end-to-end tests.

Each test runs in a `Session`: a fresh Xvfb display with the openbox window
manager, and a private copy of the built application folder in a temporary
folder (the program keeps its settings next to its executable). Everything the
session starts is ended when it closes, also when the test fails; set
QUIVEREL_E2E_KEEP=1 to keep a failed session's folder and logs.
"""

import functools
import os
import shutil
import tempfile
import unittest

from quiverel_program import MAIN_TITLE, Program  # noqa: F401 (for the tests)
from x_display import XDisplay, poll  # noqa: F401 (poll for the tests)

# What a user's run leaves in the application folder; a copy starts without it.
USER_FILES = ("quiverel.lock", "TX")
USER_INI_FILES = ("Setup.ini", "Folders.ini", "i_view32.ini")


def built_app_folder():
    folder = os.environ.get("QUIVEREL_APP_DIR")
    if not folder or not os.path.isfile(os.path.join(folder, "quiverel")):
        raise RuntimeError("QUIVEREL_APP_DIR does not hold a built quiverel: %r" % folder)
    return folder


def text_lines(path):
    """The lines of a CR LF text file, without their terminators."""
    with open(path, "rb") as f:
        data = f.read()
    lines = data.split(b"\r\n")
    if lines and lines[-1] == b"":
        lines.pop()
    return lines


def setup_ini(lines):
    """A Setup.ini as the program writes it: 26 quoted lines. `lines` maps line
    numbers (from 1) to texts; the language is English, the GUI size 670 and
    20 thumbnails per page unless given."""
    values = [""] * 26
    values[4], values[6], values[13] = "English", "670", "20"
    for number, text in lines.items():
        values[number - 1] = text
    return b"".join(b'"%s"\r\n' % v.encode() for v in values)


def check_settings_files(session):
    """Setup.ini: 26 quoted CR LF lines; i_view32.ini: its four lines."""
    setup = session.ini("Setup.ini")
    if not os.path.isfile(setup):
        raise AssertionError("Setup.ini was not written")
    with open(setup, "rb") as f:
        data = f.read()
    lines = text_lines(setup)
    if len(lines) != 26:
        raise AssertionError("Setup.ini has %d lines, not 26: %r" % (len(lines), lines))
    if data.count(b"\n") != data.count(b"\r\n") or not data.endswith(b"\r\n"):
        raise AssertionError("Setup.ini lines do not all end in CR LF: %r" % data)
    for n, line in enumerate(lines, 1):
        if len(line) < 2 or not (line.startswith(b'"') and line.endswith(b'"')):
            raise AssertionError("Setup.ini line %d is not quoted: %r" % (n, line))
    iview = session.ini("i_view32.ini")
    if not os.path.isfile(iview):
        raise AssertionError("i_view32.ini was not written")
    lines = text_lines(iview)
    if len(lines) != 4 or lines[0] != b"[JP2]":
        raise AssertionError("i_view32.ini is not its four lines: %r" % lines)


def known_fault(symptom, fault):
    """Marks a test that shows a fault of the program not fixed yet. The test
    still runs: failing with the known symptom it is reported as skipped with
    the fault; failing otherwise it fails; passing it fails too, so that the
    mark goes when the fault does."""
    def mark(test):
        @functools.wraps(test)
        def run(self):
            try:
                test(self)
            except AssertionError as e:
                if symptom not in str(e):
                    raise
                raise unittest.SkipTest("known fault: " + fault)
            self.fail("the known fault is gone (%s): remove @known_fault" % fault)
        return run
    return mark


class Session:
    """A display, a window manager and a private application folder."""

    def __init__(self, name, bus=None):
        self.tmp = tempfile.mkdtemp(prefix="quiverel-e2e-%s-" % name)
        self.app = os.path.join(self.tmp, "app")
        self.display = XDisplay(self.tmp)
        self.bus = bus  # an accessible.SessionBus: the program's controls found by name
        self.programs = []

    def __enter__(self):
        try:
            if self.bus is not None:
                self.display.bus_env = self.bus.env()
            self.display.start()
            self._copy_app_folder()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, exc_type, exc, tb):
        failed = exc_type is not None
        if failed:
            for p in self.programs:
                print(p.log())
        self.close(keep_files=failed and bool(os.environ.get("QUIVEREL_E2E_KEEP")))
        return False

    def close(self, keep_files=False):
        for p in self.programs:
            p.kill()
        self.display.close()
        if keep_files:
            print("kept %s" % self.tmp)
        else:
            shutil.rmtree(self.tmp, ignore_errors=True)

    def _copy_app_folder(self):
        shutil.copytree(built_app_folder(), self.app, symlinks=True,
                        ignore=shutil.ignore_patterns(*USER_FILES))
        ini = os.path.join(self.app, "ini")
        for name in USER_INI_FILES:
            path = os.path.join(ini, name)
            if os.path.exists(path):
                os.remove(path)
        # A fresh installation's folder list: the shipped samples beside the program.
        with open(os.path.join(ini, "Folders.ini"), "wb") as f:
            f.write(b"Samples\r\n\r\n")

    def start(self, args=(), umask=-1):
        """Starts the copy's quiverel, from outside its folder as a desktop launcher would."""
        log_path = os.path.join(self.tmp, "quiverel-%d.log" % (len(self.programs) + 1))
        program = Program(self.display, os.path.join(self.app, "quiverel"), self.tmp,
                          log_path, umask=umask, args=args, start_folder=self._start_folder())
        self.programs.append(program)
        return program

    def _start_folder(self):
        """The samples, while the folder list is still the one a new installation has."""
        samples = self.path("Samples")
        try:
            with open(self.ini("Folders.ini"), "rb") as f:
                folders = f.read()
        except OSError:
            return None
        fresh = (b"Samples\r\n\r\n", b"Samples\r\n%s/\r\n" % samples.encode())
        return samples if folders in fresh else None

    def ini(self, name):
        return os.path.join(self.app, "ini", name)

    def path(self, *parts):
        return os.path.join(self.app, *parts)

    # The display's tools, for short test code.
    def x(self, argv, check=True):
        return self.display.x(argv, check)

    def windows(self):
        return self.display.windows()

    def window_name(self, window):
        return self.display.window_name(window)

    def close_window(self, window):
        self.display.close_window(window)

    def key(self, keys, window=None):
        self.display.key(keys, window)
