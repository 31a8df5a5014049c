"""Controls of the running program found by role and accessible name on the
accessibility bus (AT-SPI), as a screen reader finds them, and clicked where
they stand on the screen.

The program publishes its widgets there when QT_LINUX_ACCESSIBILITY_ALWAYS_ON
is set and a session bus runs: `SessionBus` starts a private one with
dbus-launch (it activates the AT-SPI bus on the first request). pyatspi comes
as a Debian package for the system's interpreter, so the look-up runs there:
this file is also the script that does it.
"""

import json
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

SYSTEM_PYTHON = "/usr/bin/python3" if os.access("/usr/bin/python3", os.X_OK) else sys.executable
TIMEOUT = 20.0


class SessionBus:
    """A private D-Bus session bus, for a whole test class: started by start(),
    ended with the AT-SPI bus it activated by close()."""

    def __init__(self):
        self.address, self.pid, self.runtime = None, None, None

    def start(self):
        # The AT-SPI bus puts its socket in the runtime folder: one of its own.
        self.runtime = tempfile.mkdtemp(prefix="quiverel-e2e-bus-")
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS")}
        env["XDG_RUNTIME_DIR"] = self.runtime
        out = subprocess.run(["dbus-launch", "--sh-syntax"], stdout=subprocess.PIPE,
                             stdin=subprocess.DEVNULL, check=True, env=env,
                             timeout=30).stdout.decode()
        for line in out.splitlines():
            key, _, value = line.partition("=")
            value = value.rstrip(";").strip("'")
            if key == "DBUS_SESSION_BUS_ADDRESS":
                self.address = value
            elif key == "DBUS_SESSION_BUS_PID":
                self.pid = int(value)
        if not self.address or not self.pid:
            raise AssertionError("dbus-launch gave no bus: %r" % out)
        # Qt joins the AT-SPI bus only once it runs: start it now.
        env["DBUS_SESSION_BUS_ADDRESS"] = self.address
        subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                        "/org/a11y/bus", "org.a11y.Bus.GetAddress"], env=env, check=True,
                       stdout=subprocess.DEVNULL, stdin=subprocess.DEVNULL, timeout=30)
        return self

    def close(self):
        # The AT-SPI bus launcher ends with the session bus it serves.
        if self.pid:
            try:
                os.kill(self.pid, 15)
            except ProcessLookupError:
                pass
            self.pid = None
        if self.runtime:
            shutil.rmtree(self.runtime, ignore_errors=True)
            self.runtime = None

    def env(self):
        return {"DBUS_SESSION_BUS_ADDRESS": self.address,
                "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}


class BusTestCase(unittest.TestCase):
    """A test class whose sessions share one accessibility bus: `self.bus`."""

    @classmethod
    def setUpClass(cls):
        cls.bus = SessionBus().start()

    @classmethod
    def tearDownClass(cls):
        cls.bus.close()


def controls(session, pid, role=None, name=None):
    """The program's showing controls: dicts of role, name and screen extents
    (x, y, width, height), filtered by role and name when given."""
    argv = [SYSTEM_PYTHON, os.path.abspath(__file__), str(pid)]
    done = subprocess.run(argv, env=session.display.env(), stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE, stdin=subprocess.DEVNULL, timeout=60)
    if done.returncode != 0:
        raise AssertionError("the accessibility look-up failed: %s"
                             % done.stderr.decode(errors="replace"))
    found = json.loads(done.stdout.decode())
    return [c for c in found if (role is None or c["role"] == role)
            and (name is None or c["name"] == name)]


def find(session, program, role, name, timeout=TIMEOUT):
    """The one showing control of `program` with this role and name; waits for it."""
    from x_display import poll
    seen = []

    def probe():
        seen[:] = controls(session, program.pid)
        hits = [c for c in seen if c["role"] == role and c["name"] == name
                and c["extents"][2] > 0 and c["extents"][3] > 0]
        if len(hits) > 1:
            raise AssertionError("%d controls %s %r: %r" % (len(hits), role, name, hits))
        return hits[0] if hits else None
    try:
        return poll("the %s %r" % (role, name), probe, timeout)
    except AssertionError as e:
        raise AssertionError("%s; the program shows %r"
                             % (e, [(c["role"], c["name"]) for c in seen]))


def centre(control):
    x, y, w, h = control["extents"]
    return x + w // 2, y + h // 2


def click(session, program, role, name, button=1, modifiers=(), repeat=1):
    """Clicks the middle of the control through XTest, as a user's mouse does;
    `modifiers` (xdotool names such as "shift") are held during the click."""
    x, y = centre(find(session, program, role, name))
    argv = ["xdotool", "mousemove", "--sync", str(x), str(y)]
    for m in modifiers:
        argv += ["keydown", m]
    argv += ["click", "--repeat", str(repeat), "--delay", "80", str(button)]
    for m in reversed(modifiers):
        argv += ["keyup", m]
    session.x(argv)
    return x, y


def _walk(pid):
    import pyatspi
    desktop = pyatspi.Registry.getDesktop(0)
    found = []

    def visit(node, depth):
        if node is None or depth > 40:
            return
        try:
            states = node.getState()
            showing = states.contains(pyatspi.STATE_SHOWING)
        except Exception:
            return
        if not showing and depth > 1:
            return
        try:
            ext = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            extents = [ext.x, ext.y, ext.width, ext.height]
        except Exception:
            extents = [0, 0, 0, 0]
        found.append({"role": node.getRoleName(), "name": node.name or "",
                      "extents": extents,
                      "enabled": states.contains(pyatspi.STATE_ENABLED)})
        for i in range(node.childCount):
            try:
                child = node.getChildAtIndex(i)
            except Exception:
                continue
            visit(child, depth + 1)

    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is None or app.get_process_id() != pid:
                continue
        except Exception:
            continue
        for j in range(app.childCount):
            visit(app.getChildAtIndex(j), 1)
    return found


if __name__ == "__main__":
    json.dump(_walk(int(sys.argv[1])), sys.stdout)
