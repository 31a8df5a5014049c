#!/usr/bin/env python3
"""Setup.ini holds the FTP password: only its owner may read it."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_support import Session, check_settings_files  # noqa: E402

OLD_SETUP = b"".join(b'"%d"\r\n' % n for n in range(26))


class SetupPermissionsTest(unittest.TestCase):
    def close_normally(self, s, umask=-1):
        program = s.start(umask=umask)
        s.close_window(program.wait_for_main_window())
        self.assertEqual(program.wait_exit(), 0, program.log())
        check_settings_files(s)
        return os.stat(s.ini("Setup.ini")).st_mode & 0o777

    def test_new_setup_file_is_owner_only(self):
        with Session("perm-new") as s:
            self.assertEqual(oct(self.close_normally(s)), oct(0o600))

    def test_new_setup_file_is_owner_only_under_an_open_umask(self):
        with Session("perm-umask") as s:
            self.assertEqual(oct(self.close_normally(s, umask=0)), oct(0o600))

    def test_world_readable_setup_file_is_closed(self):
        # A file from an older installation or copied by hand.
        with Session("perm-old") as s:
            with open(s.ini("Setup.ini"), "wb") as f:
                f.write(OLD_SETUP)
            os.chmod(s.ini("Setup.ini"), 0o644)
            self.assertEqual(oct(self.close_normally(s)), oct(0o600))


if __name__ == "__main__":
    unittest.main()
