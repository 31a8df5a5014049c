"""A private X display for a test: Xvfb with the openbox window manager, and
the X tools that look at it and act on it as a user would."""

import os
import re
import select
import subprocess
import time

SCREEN = "1024x768x24"
START_TIMEOUT = 20.0

# wmctrl -l -p: window id, desktop, pid, client machine, then one blank and the title.
WMCTRL_LINE = re.compile(r"^(0x[0-9a-fA-F]+)\s+-?\d+\s+(\d+)\s+\S+ (.*)$")


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
        self._servers = []  # (Popen, log file), in start order

    def start(self):
        os.makedirs(os.path.join(self.home, "runtime"), mode=0o700)
        self._start_xvfb()
        self._start_window_manager()

    def close(self):
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
        })
        for key in ("WAYLAND_DISPLAY", "XAUTHORITY", "SESSION_MANAGER"):
            env.pop(key, None)
        return env

    def _log(self, name):
        return open(os.path.join(self.folder, name + ".log"), "wb")

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        log = self._log("Xvfb")
        popen = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN, "-nolisten", "tcp"],
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

    def _start_window_manager(self):
        log = self._log("openbox")
        popen = subprocess.Popen(["openbox", "--sm-disable"], env=self.env(), stdout=log,
                                 stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        self._servers.append((popen, log))

        def ready():
            if popen.poll() is not None:
                raise AssertionError("openbox ended with status %s" % popen.returncode)
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
