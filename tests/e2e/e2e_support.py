"""Shared pieces of the end-to-end tests.

Each test runs in a `Session`: a fresh Xvfb display with the openbox window
manager, and a private copy of the built application folder in a temporary
folder (the program keeps its settings next to its executable). Everything the
session starts is ended when it closes, also when the test fails.
"""

import os
import re
import select
import shutil
import signal
import subprocess
import tempfile
import time

SCREEN = "1024x768x24"
WINDOW_TIMEOUT = 20.0
EXIT_TIMEOUT = 20.0
MAIN_TITLE = "Quiverel (v 3.54)"

# Files a user's run leaves in the application folder; a copy starts without them.
USER_FILES = ("quiverel.lock",)
USER_INI_FILES = ("Setup.ini", "Folders.ini", "i_view32.ini")

# wmctrl -l -p: window id, desktop, pid, client machine, then one blank and the title.
WMCTRL_LINE = re.compile(r"^(0x[0-9a-fA-F]+)\s+-?\d+\s+(\d+)\s+\S+ (.*)$")


def built_app_folder():
    folder = os.environ.get("QUIVEREL_APP_DIR")
    if not folder or not os.path.isfile(os.path.join(folder, "quiverel")):
        raise RuntimeError("QUIVEREL_APP_DIR does not hold a built quiverel: %r" % folder)
    return folder


def poll(what, probe, timeout):
    """Calls probe() until it returns something true; fails after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError("gave up waiting for %s after %.0f s" % (what, timeout))
        time.sleep(0.1)


def text_lines(path):
    """The lines of a CR LF text file, without their terminators."""
    with open(path, "rb") as f:
        data = f.read()
    lines = data.split(b"\r\n")
    if lines and lines[-1] == b"":
        lines.pop()
    return lines


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


class Window:
    def __init__(self, wid, pid, title):
        self.wid, self.pid, self.title = wid, pid, title

    def __repr__(self):
        return "Window(%s, pid %s, %r)" % (self.wid, self.pid, self.title)


class Program:
    """One running copy of quiverel."""

    def __init__(self, session, popen, log_path):
        self.session, self.popen, self.log_path = session, popen, log_path

    @property
    def pid(self):
        return self.popen.pid

    def running(self):
        return self.popen.poll() is None

    def windows(self):
        return [w for w in self.session.windows() if w.pid == self.pid]

    def wait_for_window(self, title_part=None, timeout=WINDOW_TIMEOUT):
        def probe():
            if not self.running():
                raise AssertionError(
                    "quiverel ended with status %s before its window appeared\n%s"
                    % (self.popen.returncode, self.log()))
            for w in self.windows():
                if title_part is None or title_part in w.title:
                    return w
            return None
        return poll("a window %r of pid %d" % (title_part, self.pid), probe, timeout)

    def wait_for_main_window(self):
        return self.wait_for_window(MAIN_TITLE)

    def wait_exit(self, timeout=EXIT_TIMEOUT):
        try:
            return self.popen.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError("quiverel (pid %d) did not end within %.0f s\n%s"
                                 % (self.pid, timeout, self.log()))

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


class Session:
    """A display, a window manager and a private application folder."""

    def __init__(self, name):
        self.name = name
        self.tmp = tempfile.mkdtemp(prefix="quiverel-e2e-%s-" % name)
        self.app = os.path.join(self.tmp, "app")
        self.home = os.path.join(self.tmp, "home")
        self.display = None
        self._servers = []  # (Popen, log file) of Xvfb and openbox, in start order
        self.programs = []

    # --- life cycle ---------------------------------------------------------

    def __enter__(self):
        try:
            self._make_home()
            self._start_display()
            self._start_window_manager()
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
        for popen, log in reversed(self._servers):
            if popen.poll() is None:
                popen.terminate()
                try:
                    popen.wait(5)
                except subprocess.TimeoutExpired:
                    popen.kill()
                    popen.wait()
            log.close()
        self._servers = []
        if keep_files:
            print("kept %s" % self.tmp)
        else:
            shutil.rmtree(self.tmp, ignore_errors=True)

    def env(self):
        env = dict(os.environ)
        env.update({
            "DISPLAY": self.display,
            "QT_QPA_PLATFORM": "xcb",
            "HOME": self.home,
            "XDG_CONFIG_HOME": os.path.join(self.home, ".config"),
            "XDG_CACHE_HOME": os.path.join(self.home, ".cache"),
            "XDG_DATA_HOME": os.path.join(self.home, ".local", "share"),
            "XDG_RUNTIME_DIR": os.path.join(self.home, "runtime"),
        })
        for key in ("WAYLAND_DISPLAY", "XAUTHORITY", "SESSION_MANAGER"):
            env.pop(key, None)
        return env

    def _make_home(self):
        os.makedirs(os.path.join(self.home, "runtime"), mode=0o700)

    def _start_display(self):
        read_end, write_end = os.pipe()
        log = open(os.path.join(self.tmp, "Xvfb.log"), "wb")
        popen = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN, "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=log, stderr=subprocess.STDOUT,
            stdin=subprocess.DEVNULL)
        self._servers.append((popen, log))
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + WINDOW_TIMEOUT
        try:
            while not number.endswith(b"\n"):
                left = deadline - time.monotonic()
                ready, _, _ = select.select([read_end], [], [], max(left, 0))
                chunk = os.read(read_end, 64) if ready else b""
                if not chunk:
                    raise AssertionError("Xvfb did not report its display number")
                number += chunk
        finally:
            os.close(read_end)
        self.display = ":" + number.decode().strip()

    def _start_window_manager(self):
        log = open(os.path.join(self.tmp, "openbox.log"), "wb")
        popen = subprocess.Popen(["openbox", "--sm-disable"], env=self.env(), stdout=log,
                                 stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        self._servers.append((popen, log))

        def ready():
            if popen.poll() is not None:
                raise AssertionError("openbox ended with status %s" % popen.returncode)
            return "window id" in self.x(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                         check=False)
        poll("the window manager", ready, WINDOW_TIMEOUT)

    def _copy_app_folder(self):
        source = built_app_folder()
        shutil.copytree(source, self.app, symlinks=True,
                        ignore=shutil.ignore_patterns(*USER_FILES, "TX"))
        ini = os.path.join(self.app, "ini")
        for name in USER_INI_FILES:
            path = os.path.join(ini, name)
            if os.path.exists(path):
                os.remove(path)
        # A fresh installation's folder list: the shipped samples beside the program.
        with open(os.path.join(ini, "Folders.ini"), "wb") as f:
            f.write(b"Samples\r\n\r\n")

    # --- X tools ------------------------------------------------------------

    def x(self, argv, check=True):
        """Runs an X client on this display and returns its output."""
        done = subprocess.run(argv, env=self.env(), stdout=subprocess.PIPE,
                              stderr=subprocess.PIPE, stdin=subprocess.DEVNULL, timeout=30)
        if check and done.returncode != 0:
            raise AssertionError("%s failed (%d): %s" % (" ".join(argv), done.returncode,
                                                         done.stderr.decode(errors="replace")))
        return done.stdout.decode(errors="replace")

    def windows(self):
        """The managed top-level windows: `wmctrl -l -p`."""
        # wmctrl fails when a listed window goes away while it reads it: ask again.
        for _ in range(50):
            try:
                listing = self.x(["wmctrl", "-l", "-p"])
                break
            except AssertionError:
                time.sleep(0.1)
        else:
            listing = self.x(["wmctrl", "-l", "-p"])
        result = []
        for line in listing.splitlines():
            m = WMCTRL_LINE.match(line)
            if m:
                result.append(Window(m.group(1), int(m.group(2)), m.group(3)))
        return result

    def window_name(self, window):
        """_NET_WM_NAME exactly as the program set it."""
        out = self.x(["xprop", "-id", window.wid, "-notype", "_NET_WM_NAME"])
        _, _, value = out.partition("=")
        value = value.strip()
        if not (value.startswith('"') and value.endswith('"')):
            raise AssertionError("no _NET_WM_NAME on %r: %s" % (window, out))
        return value[1:-1].replace('\\"', '"').replace("\\\\", "\\")

    def close_window(self, window):
        """Asks the window manager to close the window, as its close button does."""
        self.x(["wmctrl", "-i", "-c", window.wid])

    def activate(self, window):
        self.x(["xdotool", "windowactivate", "--sync", str(int(window.wid, 16))])

    def key(self, keys, window=None):
        """Types keys into the focused window through XTest, as a user's keyboard does."""
        if window is not None:
            self.activate(window)
        self.x(["xdotool", "key", "--clearmodifiers"] + list(keys))

    # --- the program --------------------------------------------------------

    def start(self, args=(), umask=-1):
        log_path = os.path.join(self.tmp, "quiverel-%d.log" % (len(self.programs) + 1))
        with open(log_path, "wb") as log:
            popen = subprocess.Popen([os.path.join(self.app, "quiverel")] + list(args),
                                     cwd=self.tmp, env=self.env(), stdout=log,
                                     stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                                     start_new_session=True, umask=umask)
        program = Program(self, popen, log_path)
        self.programs.append(program)
        return program

    def ini(self, name):
        return os.path.join(self.app, "ini", name)

    def path(self, *parts):
        return os.path.join(self.app, *parts)
