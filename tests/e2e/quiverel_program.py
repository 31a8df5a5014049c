"""One running copy of quiverel on a test's display."""

import os
import signal
import subprocess
import time

from x_display import poll

MAIN_TITLE = "Quiverel (v 3.54)"
WINDOW_TIMEOUT = 20.0
EXIT_TIMEOUT = 20.0


def thumbnails_made(folder):
    """Every file of the folder has its thumbnail in ThumbFiles."""
    thumbs = os.path.join(folder, "ThumbFiles")
    names = [n for n in os.listdir(folder) if os.path.isfile(os.path.join(folder, n))]
    return os.path.isdir(thumbs) and all(
        os.path.isfile(os.path.join(thumbs, os.path.splitext(n)[0] + ".jpg")) for n in names)


class Program:
    def __init__(self, display, executable, cwd, log_path, umask=-1, args=(),
                 start_folder=None):
        self.display, self.log_path = display, log_path
        self.start_folder = start_folder  # shown at start-up, when the test knows it
        with open(log_path, "wb") as log:
            self.popen = subprocess.Popen([executable] + list(args), cwd=cwd,
                                          env=display.env(), stdout=log,
                                          stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                                          start_new_session=True, umask=umask)
        self.answered = []

    @property
    def pid(self):
        return self.popen.pid

    def running(self):
        return self.popen.poll() is None

    def windows(self):
        return [w for w in self.display.windows() if w.pid == self.pid]

    def wait_for_window(self, title_part=None, timeout=WINDOW_TIMEOUT, besides=None):
        """A window of this program whose title contains title_part, other than `besides`."""
        def probe():
            if not self.running():
                raise AssertionError(
                    "quiverel ended with status %s before its window appeared\n%s"
                    % (self.popen.returncode, self.log()))
            for w in self.windows():
                if besides is not None and w.wid == besides.wid:
                    continue
                if title_part is None or title_part in w.title:
                    return w
            return None
        try:
            return poll("a window %r of pid %d" % (title_part, self.pid), probe, timeout)
        except AssertionError as e:
            raise AssertionError("%s; the screen shows %r" % (e, self.display.windows()))

    def wait_for_main_window(self, settled=True):
        """The main window; with `settled`, once start-up has made the thumbnails of
        the start-up folder and shows nothing but the main window."""
        main = self.wait_for_window(MAIN_TITLE)
        if settled and self.start_folder:
            poll("the thumbnails of %s" % self.start_folder,
                 lambda: thumbnails_made(self.start_folder), WINDOW_TIMEOUT)
            poll("quiverel to show only its main window",
                 lambda: [w.wid for w in self.windows()] == [main.wid], WINDOW_TIMEOUT)
        return main

    def wait_exit(self, timeout=EXIT_TIMEOUT):
        try:
            return self.popen.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError("quiverel (pid %d) did not end within %.0f s; windows %r\n%s"
                                 % (self.pid, timeout, self.windows(), self.log()))

    def close(self, main, timeout=EXIT_TIMEOUT):
        """Closes the main window as a user would and returns the exit status.
        Message boxes the program shows first (a folder that cannot be read)
        are answered with Return; their titles are kept in `answered`."""
        deadline = time.monotonic() + timeout
        while self.running():
            if time.monotonic() > deadline:
                self.wait_exit(0)
            windows = self.windows()
            # Progress and information windows are tool windows, not messages:
            # they go by themselves.
            others = [w for w in windows if w.wid != main.wid and not self._tool_window(w)]
            try:
                if others:
                    self.answered.append(others[-1].title)
                    self.display.key(["Return"], others[-1])
                elif any(w.wid == main.wid for w in windows):
                    self.display.close_window(main)
            except AssertionError:
                pass  # the window went away meanwhile
            try:
                self.popen.wait(0.5)
            except subprocess.TimeoutExpired:
                pass
        return self.popen.returncode

    def answer(self, box, timeout=WINDOW_TIMEOUT):
        """Presses Return in a message box until it is gone: a key typed before
        the program has taken the focus the window manager gave the box is lost."""
        deadline = time.monotonic() + timeout
        showing = lambda: any(w.wid == box.wid for w in self.windows())
        while showing():
            if time.monotonic() > deadline:
                raise AssertionError("the message box %r did not take Return" % box)
            try:
                self.display.key(["Return"], box)
            except AssertionError:
                pass  # it went away meanwhile
            settle = time.monotonic() + 1.0
            while time.monotonic() < settle and showing():
                time.sleep(0.1)

    def _tool_window(self, window):
        kind = self.display.x(["xprop", "-id", window.wid, "_NET_WM_WINDOW_TYPE"], check=False)
        return "_NET_WM_WINDOW_TYPE_UTILITY" in kind

    def signal(self, sig):
        os.kill(self.pid, sig)

    def log(self):
        try:
            with open(self.log_path, errors="replace") as f:
                return "--- quiverel output ---\n" + f.read()
        except OSError:
            return ""

    def kill(self):
        if self.running():
            try:
                os.killpg(self.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            self.popen.wait()
