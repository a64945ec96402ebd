"""A saved profile that cannot be read is reported once and never overwritten.

The run starts empty, says why the profile could not be read, and saves what the user
types into a new file beside the configuration folder, leaving the old file as it was."""

import glob
import os
import stat
import unittest

from desktop import SETTINGS_KEYS, DesktopTestCase, holds_throughout
from quillpad_ini import read_ini
from reliability import record

AREA = "Profile unreadable at start"
HELD = "told once; started empty; the old file untouched; the run saved beside it"


class UnreadableProfile(DesktopTestCase):

    def snapshot(self, path):
        """Enough of what is at path to tell whether anything changed it."""
        info = os.lstat(path)
        content = None
        if stat.S_ISREG(info.st_mode) and info.st_mode & 0o444 == 0o444:
            with open(path, "rb") as f:
                content = f.read()
        if stat.S_ISDIR(info.st_mode) and info.st_mode & 0o555 == 0o555:
            content = sorted(os.listdir(path))
        return stat.S_IFMT(info.st_mode), stat.S_IMODE(info.st_mode), info.st_mtime_ns, content

    def side_files(self, folder=None):
        return glob.glob(os.path.join(folder or self.desktop.config_home, "Quillpad-*.ini"))

    def start_on(self, path, obey_file_permissions=False, beside=None):
        """Start with path unreadable; the user reads the message and types a name."""
        before = self.snapshot(path)
        self.desktop.launch(obey_file_permissions=obey_file_permissions)
        box = self.desktop.wait_message_box()
        self.assertTrue(self.desktop.tray_icons(), "the icon did not dock")
        self.desktop.dismiss_message_box(box)
        self.assertTrue(holds_throughout(lambda: not self.desktop.message_boxes(), 1.0),
                        "the problem was told more than once")
        self.desktop.show_from_tray()
        self.desktop.type_into("name", "Kept")
        self.save_and_exit()
        self.assertEqual(self.snapshot(path), before, "the unreadable profile was changed")
        side = self.side_files(beside)
        self.assertEqual(len(side), 1, side)
        saved = read_ini(side[0])["Setting"]
        self.assertEqual(sorted(saved), sorted(SETTINGS_KEYS))
        self.assertEqual(saved["name"], "Kept")
        self.assertEqual(saved["city"], "")

    def make_profile_folder(self):
        folder = os.path.dirname(self.desktop.ini_path())
        os.makedirs(folder, exist_ok=True)
        return folder

    def write_profile(self):
        self.make_profile_folder()
        self.desktop.seed_settings({"name": "Saved", "city": "Moscow"})
        return self.desktop.ini_path()

    def test_file_without_read_permission(self):
        path = self.write_profile()
        os.chmod(path, 0)
        self.start_on(path, obey_file_permissions=True)
        record(AREA, "file with no read permission", HELD)

    def test_folder_without_permission(self):
        self.write_profile()
        folder = os.path.dirname(self.desktop.ini_path())
        os.chmod(folder, 0)
        self.start_on(folder, obey_file_permissions=True)
        record(AREA, "folder with no permission", HELD)

    def test_folder_in_place_of_the_file(self):
        path = self.desktop.ini_path()
        os.makedirs(os.path.join(path, "inside"))
        self.start_on(path)
        record(AREA, "a folder in place of the file", HELD)

    def test_file_in_place_of_the_folder(self):
        folder = os.path.dirname(self.desktop.ini_path())
        with open(folder, "w") as f:
            f.write("not a folder\n")
        self.start_on(folder)
        record(AREA, "a file in place of the folder", HELD)

    def test_configuration_folder_is_a_file(self):
        # Nothing can be made inside it, so the run is saved beside it.
        config = self.desktop.config_home
        os.rmdir(config)
        with open(config, "w") as f:
            f.write("not a folder\n")
        self.start_on(config, beside=os.path.dirname(config))
        record(AREA, "a file in place of the whole configuration folder", HELD)

    def test_pipe_in_place_of_the_file(self):
        path = self.desktop.ini_path()
        self.make_profile_folder()
        os.mkfifo(path)
        self.start_on(path)
        record(AREA, "a named pipe in place of the file (would block a reader)", HELD)

    def test_symbolic_link_loop(self):
        path = self.desktop.ini_path()
        self.make_profile_folder()
        os.symlink(os.path.basename(path), path)
        self.start_on(path)
        record(AREA, "a symbolic link that points at itself", HELD)


if __name__ == "__main__":
    unittest.main()
