"""A private X display for a test: Xvfb with the openbox window manager, and
the X tools that look at it and act on it as a user would."""

import contextlib
import fcntl
import os
import re
import secrets
import select
import subprocess
import tempfile
import time

SCREEN = "1024x768x24"
START_TIMEOUT = 20.0

# wmctrl -l -p: window id, desktop, pid, client machine, then one blank and the title.
WMCTRL_LINE = re.compile(r"^(0x[0-9a-fA-F]+)\s+-?\d+\s+(\d+)\s+\S+ (.*)$")


# An X server that ends removes its socket file by name. Should another server
# have taken over the same display number in the meantime, it would lose its
# socket and no client could reach it: servers of parallel tests therefore
# start and end one at a time.
XVFB_TURN = os.path.join(tempfile.gettempdir(), "quiverel-e2e-xvfb.lock")


@contextlib.contextmanager
def xvfb_turn():
    with open(XVFB_TURN, "a") as f:
        fcntl.flock(f, fcntl.LOCK_EX)
        try:
            yield
        finally:
            fcntl.flock(f, fcntl.LOCK_UN)


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


class Window:
    def __init__(self, wid, pid, title):
        self.wid, self.pid, self.title = wid, pid, title

    def __repr__(self):
        return "Window(%s, pid %s, %r)" % (self.wid, self.pid, self.title)


class XDisplay:
    """Xvfb and openbox, started by start() and ended by close()."""

    def __init__(self, folder):
        self.folder = folder  # logs and the clients' home live here
        self.home = os.path.join(folder, "home")
        self.name = None
        self.xauthority = os.path.join(folder, "client.xauth")
        self._servers = []  # (Popen, log file), in start order
        self.bus_env = {}  # the accessibility bus of the clients, when the test has one

    def start(self):
        os.makedirs(os.path.join(self.home, "runtime"), mode=0o700)
        self._start_xvfb()
        self._start_window_manager()

    def close(self):
        with xvfb_turn():
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

    def env(self):
        """The environment of a client of this display, with a home of its own."""
        env = dict(os.environ)
        env.update({
            "DISPLAY": self.name,
            "QT_QPA_PLATFORM": "xcb",
            "HOME": self.home,
            "XDG_CONFIG_HOME": os.path.join(self.home, ".config"),
            "XDG_CACHE_HOME": os.path.join(self.home, ".cache"),
            "XDG_DATA_HOME": os.path.join(self.home, ".local", "share"),
            "XDG_RUNTIME_DIR": os.path.join(self.home, "runtime"),
            "XAUTHORITY": self.xauthority,
        })
        for key in ("WAYLAND_DISPLAY", "SESSION_MANAGER"):
            env.pop(key, None)
        env.update(self.bus_env)
        return env

    def logs(self):
        """What the servers said, for a failure message."""
        text = ""
        for name in ("Xvfb", "openbox"):
            path = os.path.join(self.folder, name + ".log")
            if os.path.exists(path):
                with open(path, errors="replace") as f:
                    text += "--- %s ---\n%s" % (name, f.read())
        return text

    def _log(self, name):
        return open(os.path.join(self.folder, name + ".log"), "wb")

    def _start_xvfb(self):
        with xvfb_turn():
            self._start_xvfb_now()

    def _start_xvfb_now(self):
        # A cookie of its own: no client of another test can reach this server
        # (and, by leaving, make it reset) when display numbers are reused.
        cookie = secrets.token_hex(16)
        server_auth = os.path.join(self.folder, "server.xauth")
        subprocess.run(["xauth", "-q", "-f", server_auth, "add", ":0", ".", cookie],
                       check=True, stdin=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        read_end, write_end = os.pipe()
        log = self._log("Xvfb")
        popen = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN, "-nolisten", "tcp",
             "-auth", server_auth, "-noreset"],
            pass_fds=(write_end,), stdout=log, stderr=subprocess.STDOUT,
            stdin=subprocess.DEVNULL)
        self._servers.append((popen, log))
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + START_TIMEOUT
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
        self.name = ":" + number.decode().strip()
        subprocess.run(["xauth", "-q", "-f", self.xauthority, "add", self.name, ".", cookie],
                       check=True, stdin=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def _start_window_manager(self):
        log = self._log("openbox")
        popen = subprocess.Popen(["openbox", "--sm-disable"], env=self.env(), stdout=log,
                                 stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        self._servers.append((popen, log))

        def ready():
            if popen.poll() is not None:
                raise AssertionError("openbox on %s ended with status %s: %s\n%s"
                                     % (self.name, popen.returncode, self.logs(),
                                        sorted(os.listdir("/tmp/.X11-unix"))))
            return "window id" in self.x(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                         check=False)
        poll("the window manager", ready, START_TIMEOUT)

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

    def geometry(self, window):
        """(x, y, width, height) of the window's inside on the screen, from xwininfo."""
        values = {}
        for line in self.x(["xwininfo", "-id", window.wid]).splitlines():
            key, _, value = line.strip().partition(":")
            values[key] = value.strip()
        return tuple(int(values[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y",
                                               "Width", "Height"))

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

    def screenshot(self, path):
        self.x(["import", "-window", "root", path])
