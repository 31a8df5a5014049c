#!/usr/bin/env python3
"""quiverel's command line as a desktop launcher or a user in a terminal meets
it: --help and --version answer without any display, an unknown option is
named in one line, Qt's options reach Qt, and a start without a display ends
with one line and status 1 instead of Qt's abort."""

import os
import subprocess
import tempfile
import unittest

PROGRAM = os.path.join(os.environ["QUIVEREL_APP_DIR"], "quiverel")
VERSION = os.environ["QUIVEREL_VERSION"]
# The program has no window system: none of what could lead Qt to one.
NO_DISPLAY = ("DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE")


def run(args, **env):
    clean = {k: v for k, v in os.environ.items() if k not in NO_DISPLAY}
    clean.update(env)
    with tempfile.TemporaryDirectory(prefix="quiverel-command-line-") as home:
        # Nothing may be laid out anywhere on the way out.
        clean.update(HOME=home, XDG_DATA_HOME=os.path.join(home, "data"),
                     XDG_CACHE_HOME=os.path.join(home, "cache"))
        done = subprocess.run([PROGRAM] + args, env=clean, capture_output=True, text=True)
        left = os.listdir(home)
    return done, left


class CommandLineTest(unittest.TestCase):
    def test_help_and_version_answer_without_a_display(self):
        for args in (["--help"], ["-h"], ["--help-all"], ["-platform", "nosuch", "--help"]):
            with self.subTest(args=args):
                done, left = run(args)
                self.assertEqual((done.returncode, done.stderr), (0, ""))
                self.assertTrue(done.stdout.startswith("Usage: quiverel [options]\n"), done.stdout)
                self.assertIn("--version", done.stdout)
                self.assertNotIn("-platformpluginpath", done.stdout)
                self.assertEqual(left, [])
        for args in (["--version"], ["-v"], ["-style", "fusion", "--version"]):
            with self.subTest(args=args):
                done, left = run(args)
                self.assertEqual((done.returncode, done.stdout, done.stderr, left),
                                 (0, "quiverel %s\n" % VERSION, "", []))

    def test_an_unknown_argument_is_named_in_one_line(self):
        for args, named in ((["--frobnicate"], "frobnicate"), (["-x"], "'x'"),
                            (["picture.jpg"], "picture.jpg"), (["-platform"], "platform"),
                            (["--version", "--what's this"], "what's this")):
            with self.subTest(args=args):
                done, left = run(args)
                self.assertEqual(done.returncode, 2)
                self.assertEqual(done.stdout, "")
                self.assertEqual(done.stderr.count("\n"), 1, done.stderr)
                self.assertIn(named, done.stderr)
                self.assertEqual(left, [])

    def test_without_a_window_system_one_line_and_status_1(self):
        unreachable = ":%d" % (600 + os.getpid() % 300)
        cases = (
            ([], {}, "no display (DISPLAY is not set)"),
            ([], {"QT_QPA_PLATFORM": "xcb"}, "no display"),
            ([], {"DISPLAY": unreachable}, 'display "%s"' % unreachable),
            (["-display", unreachable], {}, 'display "%s"' % unreachable),
            # Qt's options reach Qt: it is Qt that fails to start these.
            (["-platform", "nosuch", "-reverse", "-style=fusion"], {}, '"nosuch"'),
            ([], {"QT_QPA_PLATFORM": "nosuch"}, '"nosuch"'),
        )
        for args, env, said in cases:
            with self.subTest(args=args, env=env):
                done, _ = run(args, **env)
                self.assertEqual(done.returncode, 1, done.stderr)
                self.assertEqual(done.stdout, "")
                self.assertEqual(done.stderr.count("\n"), 1, done.stderr)
                self.assertTrue(done.stderr.startswith("quiverel: cannot open a window: "),
                                done.stderr)
                self.assertIn(said, done.stderr)


if __name__ == "__main__":
    unittest.main()
