"""When the profile cannot be written at exit, nothing is lost and exit can be retried.

A lock file in the way holds the exit for moments at most: one left by a run that has
ended on this machine is removed, any other is a failed save like the rest."""

import os
import shutil
import socket
import subprocess
import time
import unittest

from desktop import DesktopTestCase, holds_throughout, wait_until
from reliability import record

AREA = "Profile unwritable at exit"
HELD = "told why; kept running with every field; a later exit saved them"
LOCK_HELD = "told why within seconds; kept running with every field; a later exit saved them"
# Long enough for any save, short of the half minute the toolkit's own wait would take.
EXIT_BOUND = 10.0
NOBODY = 65534


class FailedSave(DesktopTestCase):

    def block_with_file(self, path):
        """Put a regular file where a folder is needed (root ignores permissions)."""
        shutil.rmtree(path, ignore_errors=True)
        with open(path, "w") as f:
            f.write("in the way\n")

    def block_with_folder(self, path):
        """Put a folder where the settings file is needed."""
        os.makedirs(path, exist_ok=True)

    def try_to_exit(self):
        self.desktop.focus_main_window()
        self.desktop.key("ctrl+e")

    def assert_failure_is_survived(self):
        box = self.desktop.wait_message_box()
        self.assertTrue(holds_throughout(lambda: not self.desktop.app_exited(), 0.5),
                        "the program ended although nothing was saved")
        self.assertTrue(self.desktop.main_window_mapped(), "the main window was hidden")
        self.desktop.dismiss_message_box(box)
        self.assertFalse(self.desktop.app_exited())

    def fill_in(self, obey_file_permissions=False):
        self.desktop.launch(obey_file_permissions=obey_file_permissions)
        self.desktop.show_from_tray()
        self.desktop.type_into("name", "Unsaved")
        self.desktop.type_into("comments", "keep\nme")

    def assert_later_exit_saves(self, unblock, exit_way=None):
        unblock()
        (exit_way or self.try_to_exit)()
        self.assert_exits_cleanly()
        saved = self.assert_all_keys_saved()
        self.assertEqual(saved["name"], "Unsaved")
        self.assertEqual(saved["comments"].splitlines(), ["keep", "me"])

    def close_by_title_bar(self):
        self.desktop.send_close_request(self.desktop.main_window())

    def test_settings_folder_taken_by_a_file(self):
        folder = os.path.dirname(self.desktop.ini_path())
        self.fill_in()
        self.block_with_file(folder)
        self.try_to_exit()
        self.assert_failure_is_survived()
        self.assert_later_exit_saves(lambda: os.remove(folder))
        record(AREA, "a file in place of the settings folder", HELD)

    def test_settings_file_taken_by_a_folder(self):
        path = self.desktop.ini_path()
        self.fill_in()
        self.block_with_folder(path)
        self.try_to_exit()
        self.assert_failure_is_survived()
        self.assert_later_exit_saves(lambda: os.rmdir(path))
        record(AREA, "a folder in place of the settings file", HELD)

    def test_repeated_failures_are_survived(self):
        folder = os.path.dirname(self.desktop.ini_path())
        self.fill_in()
        self.block_with_file(folder)
        for _ in range(2):
            self.try_to_exit()
            self.assert_failure_is_survived()
        self.assert_later_exit_saves(lambda: os.remove(folder))
        record(AREA, "two failed exits in a row", HELD)

    def test_failed_title_bar_close(self):
        folder = os.path.dirname(self.desktop.ini_path())
        self.fill_in()
        self.block_with_file(folder)
        self.close_by_title_bar()
        self.assert_failure_is_survived()
        self.assert_later_exit_saves(lambda: os.remove(folder), self.close_by_title_bar)
        record(AREA, "closing the window by its title bar", HELD)

    def test_failed_exit_from_tray_brings_the_window_out(self):
        # The window was hidden in the tray: it must come out so the text is not stranded.
        folder = os.path.dirname(self.desktop.ini_path())
        self.fill_in()
        self.desktop.key("ctrl+d")
        wait_until(lambda: not self.desktop.main_window_mapped(), what="the window to hide")
        self.block_with_file(folder)
        self.desktop.choose_tray_exit()
        self.assert_failure_is_survived()
        self.assertEqual(self.desktop.tray_icons(), [], "the tray icon stayed next to the window")
        self.assert_later_exit_saves(lambda: os.remove(folder))
        record(AREA, "the tray's exit while the window is hidden",
               "the window came out with every field; a later exit saved them")

    def assert_old_profile_kept_while_failing(self, unblock):
        before = self.desktop.ini_bytes()
        self.try_to_exit()
        self.assert_failure_is_survived()
        self.assertEqual(self.desktop.ini_bytes(), before, "the old profile was changed")
        self.assert_later_exit_saves(unblock)

    def test_read_only_file(self):
        self.desktop.seed_settings({"city": "Old"})
        path = self.desktop.ini_path()
        os.chmod(path, 0o444)
        self.fill_in(obey_file_permissions=True)
        self.assert_old_profile_kept_while_failing(lambda: os.chmod(path, 0o644))
        record(AREA, "read-only settings file", HELD)

    def test_read_only_folder(self):
        self.desktop.seed_settings({"city": "Old"})
        folder = os.path.dirname(self.desktop.ini_path())
        os.chmod(folder, 0o555)
        self.fill_in(obey_file_permissions=True)
        self.assert_old_profile_kept_while_failing(lambda: os.chmod(folder, 0o755))
        record(AREA, "read-only settings folder", HELD)

    def test_full_disk(self):
        folder = os.path.dirname(self.desktop.ini_path())
        os.makedirs(folder)
        mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=256k", "tmpfs", folder],
                                 capture_output=True, text=True)
        if mounted.returncode != 0:
            self.skipTest(f"a small file system cannot be mounted here: {mounted.stderr.strip()}")
        self.addCleanup(subprocess.run, ["umount", "-l", folder], check=False)
        self.desktop.seed_settings({"city": "Old"})
        filler = os.path.join(folder, "filler")
        self.fill_disk(filler)
        self.fill_in()
        self.assert_old_profile_kept_while_failing(lambda: os.remove(filler))
        record(AREA, "full disk (a 256 KB file system filled up)", HELD)

    def lock_path(self):
        return self.desktop.ini_path() + ".lock"

    def put_lock(self, pid, host=None, mode=0o644, owner=None):
        """A lock file as the toolkit writes it: process, program, machine."""
        path = self.lock_path()
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as f:
            f.write(f"{pid}\nQuillpad\n{host or socket.gethostname()}\n")
        if owner is not None:
            os.chown(path, owner, owner)
        os.chmod(path, mode)
        return path

    def ended_process(self):
        process = subprocess.Popen(["true"])
        process.wait()
        return process.pid

    def assert_lock_failure_is_bounded(self, unblock):
        self.desktop.seed_settings({"city": "Old"})
        self.fill_in(obey_file_permissions=True)
        started = time.monotonic()
        before = self.desktop.ini_bytes()
        self.try_to_exit()
        self.desktop.wait_message_box()
        self.assertLess(time.monotonic() - started, EXIT_BOUND, "the exit waited on the lock")
        self.assert_failure_is_survived()
        self.assertEqual(self.desktop.ini_bytes(), before, "the old profile was changed")
        self.assert_later_exit_saves(unblock)

    def test_read_only_lock_of_a_running_process(self):
        # Another user's copy, still running: its lock is not this user's to remove.
        sleeper = subprocess.Popen(["sleep", "600"])
        self.addCleanup(sleeper.wait)
        self.addCleanup(sleeper.kill)
        path = self.put_lock(sleeper.pid, owner=NOBODY)
        self.assert_lock_failure_is_bounded(lambda: os.remove(path))
        record(AREA, "a read-only lock file of another user's copy that is still running",
               LOCK_HELD)

    def test_folder_in_place_of_the_lock(self):
        path = self.lock_path()
        os.makedirs(path)
        self.assert_lock_failure_is_bounded(lambda: os.rmdir(path))
        record(AREA, "a folder in place of the lock file", LOCK_HELD)

    def test_fresh_lock_from_another_machine(self):
        path = self.put_lock(4242, host="another-machine.example")
        self.assert_lock_failure_is_bounded(lambda: os.remove(path))
        record(AREA, "a lock just written by another machine sharing the folder", LOCK_HELD)

    def test_stale_lock_of_an_ended_run_is_removed(self):
        cases = {"its own": None, "another user's, read-only": NOBODY}
        for whose, owner in cases.items():
            with self.subTest(whose=whose):
                path = self.put_lock(self.ended_process(), mode=0o444, owner=owner)
                self.fill_in(obey_file_permissions=True)
                started = time.monotonic()
                self.try_to_exit()
                self.assert_exits_cleanly()
                self.assertLess(time.monotonic() - started, EXIT_BOUND)
                self.assertEqual(self.assert_all_keys_saved()["name"], "Unsaved")
                self.assertFalse(os.path.lexists(path), "the stale lock stayed")
                os.remove(self.desktop.ini_path())
        record(AREA, "a lock left by a run killed in its save (its own, and another user's "
               "read-only one)", "proven stale and removed; the exit saved at once", len(cases))

    def test_profile_link_into_a_missing_folder(self):
        path = self.desktop.ini_path()
        target_folder = os.path.join(self.desktop.root_dir, "gone")
        os.makedirs(os.path.dirname(path))
        os.symlink(os.path.join(target_folder, "Quillpad.ini"), path)
        self.fill_in()
        self.try_to_exit()
        self.assert_failure_is_survived()
        os.makedirs(target_folder)
        self.try_to_exit()
        self.assert_exits_cleanly()
        self.assertEqual(self.assert_all_keys_saved()["name"], "Unsaved")
        self.assertTrue(os.path.islink(path), "the link was replaced by a file")
        record(AREA, "the settings file a symbolic link into a folder that is missing", HELD)

    def fill_disk(self, path):
        with open(path, "wb", buffering=0) as f:
            try:
                while True:
                    f.write(b"\0" * 4096)
            except OSError:
                pass


if __name__ == "__main__":
    unittest.main()
