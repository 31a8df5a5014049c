#!/usr/bin/env python3
"""The Debian package as Debian and the desktops expect it: made by CPack in a
temporary folder, passed by lintian without an error or warning that the
package does not override, and unpacked to see that the desktop file, its
icon, the AppStream metadata and the manual pages are where their readers
look for them."""

import configparser
import glob
import gzip
import os
import shutil
import struct
import subprocess
import tempfile
import unittest
import xml.etree.ElementTree as ET

BUILD = os.environ["QUIVEREL_BUILD_DIR"]


class PackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp(prefix="quiverel-package-")
        # -B keeps CPack's work and the package out of the build tree; the
        # list of installed files its installation writes there is put back.
        manifest = os.path.join(BUILD, "install_manifest.txt")
        kept = open(manifest, "rb").read() if os.path.exists(manifest) else None
        try:
            subprocess.run(["cpack", "--config", os.path.join(BUILD, "CPackConfig.cmake"),
                            "-G", "DEB", "-B", cls.tmp], check=True, stdout=subprocess.DEVNULL)
        finally:
            if kept is None:
                if os.path.exists(manifest):
                    os.remove(manifest)
            else:
                with open(manifest, "wb") as f:
                    f.write(kept)
        (cls.deb,) = glob.glob(os.path.join(cls.tmp, "quiverel_*.deb"))
        cls.root = os.path.join(cls.tmp, "root")
        subprocess.run(["dpkg-deb", "-x", cls.deb, cls.root], check=True)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp, ignore_errors=True)

    def path(self, *parts):
        return os.path.join(self.root, "usr", *parts)

    def test_lintian_finds_nothing_the_package_does_not_override(self):
        done = subprocess.run(["lintian", "--fail-on", "error,warning", self.deb],
                              capture_output=True, text=True)
        print(done.stdout + done.stderr)
        tags = [line for line in done.stdout.splitlines() if line[:2] in ("E:", "W:")]
        self.assertEqual(tags, [])
        self.assertEqual(done.returncode, 0)

    def test_the_desktop_finds_what_the_desktop_file_names(self):
        (desktop,) = glob.glob(self.path("share", "applications", "*.desktop"))
        entry = configparser.ConfigParser(interpolation=None)
        entry.optionxform = str
        entry.read(desktop, encoding="utf-8")
        entry = entry["Desktop Entry"]
        program = self.path("bin", entry["Exec"].split()[0])
        self.assertTrue(os.access(program, os.X_OK), program)
        icons = self.path("share", "icons", "hicolor")
        self.assertTrue(os.path.isfile(os.path.join(icons, "scalable", "apps",
                                                    entry["Icon"] + ".svg")))
        for size in (16, 32, 48, 64, 128, 256):
            with self.subTest(size=size):
                png = os.path.join(icons, "%dx%d" % (size, size), "apps", entry["Icon"] + ".png")
                with open(png, "rb") as f:
                    head = f.read(24)
                self.assertEqual(head[:8], b"\x89PNG\r\n\x1a\n")
                self.assertEqual(struct.unpack(">II", head[16:24]), (size, size))

        # The metainfo launches that desktop file and names the programs shipped.
        (metainfo,) = glob.glob(self.path("share", "metainfo", "*.metainfo.xml"))
        component = ET.parse(metainfo).getroot()
        self.assertEqual(os.path.basename(metainfo),
                         component.findtext("id") + ".metainfo.xml")
        self.assertEqual(component.findtext("launchable"), os.path.basename(desktop))
        for binary in component.iter("binary"):
            self.assertTrue(os.access(self.path("bin", binary.text), os.X_OK), binary.text)
        done = subprocess.run(["appstreamcli", "validate", "--no-net", metainfo],
                              capture_output=True, text=True)
        self.assertEqual(done.returncode, 0, done.stdout + done.stderr)

    def test_every_program_has_its_manual_page_and_the_documents_are_there(self):
        for program in os.listdir(self.path("bin")):
            with self.subTest(program=program):
                page = self.path("share", "man", "man1", program + ".1.gz")
                with open(page, "rb") as f:
                    # gzip -n: no name and no time stamp, so rebuilds are alike.
                    self.assertEqual(f.read(8)[3:8], b"\x00\x00\x00\x00\x00")
                with gzip.open(page, "rt", encoding="utf-8") as f:
                    text = f.read()
                self.assertTrue(text.startswith(".TH "), text[:40])
                for section in ("FILES", "ENVIRONMENT"):
                    self.assertIn(".SH " + section, text)
        for name in ("copyright", "changelog.gz"):
            self.assertTrue(os.path.isfile(self.path("share", "doc", "quiverel", name)), name)
        self.assertTrue(os.path.isfile(self.path("share", "lintian", "overrides", "quiverel")))
        # The program finds its shipped files at ../share/quiverel.
        self.assertTrue(os.path.isfile(self.path("share", "quiverel", "ini", "Language.ini")))


if __name__ == "__main__":
    unittest.main()
