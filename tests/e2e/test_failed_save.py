"""When the profile cannot be written at exit, nothing is lost and exit can be retried."""

import os
import shutil
import unittest

from desktop import DesktopTestCase, holds_throughout, wait_until

MESSAGE_BOX_TITLE = "Quillpad"


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

    def wait_message_box(self):
        return wait_until(lambda: self.desktop.mapped_windows_named(MESSAGE_BOX_TITLE),
                          what="the message box")[0]

    def dismiss(self, box):
        self.desktop.activate(box)
        self.desktop.key("Return")
        wait_until(lambda: not self.desktop.mapped_windows_named(MESSAGE_BOX_TITLE),
                   what="the message box to close")

    def assert_failure_is_survived(self):
        box = self.wait_message_box()
        self.assertTrue(holds_throughout(lambda: not self.desktop.app_exited(), 0.5),
                        "the program ended although nothing was saved")
        self.assertTrue(self.desktop.main_window_mapped(), "the main window was hidden")
        self.dismiss(box)
        self.assertFalse(self.desktop.app_exited())

    def fill_in(self):
        self.launch_and_show()
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

    def test_settings_file_taken_by_a_folder(self):
        path = self.desktop.ini_path()
        self.fill_in()
        self.block_with_folder(path)
        self.try_to_exit()
        self.assert_failure_is_survived()
        self.assert_later_exit_saves(lambda: os.rmdir(path))

    def test_repeated_failures_are_survived(self):
        folder = os.path.dirname(self.desktop.ini_path())
        self.fill_in()
        self.block_with_file(folder)
        for _ in range(2):
            self.try_to_exit()
            self.assert_failure_is_survived()
        self.assert_later_exit_saves(lambda: os.remove(folder))

    def test_failed_title_bar_close(self):
        folder = os.path.dirname(self.desktop.ini_path())
        self.fill_in()
        self.block_with_file(folder)
        self.close_by_title_bar()
        self.assert_failure_is_survived()
        self.assert_later_exit_saves(lambda: os.remove(folder), self.close_by_title_bar)

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


if __name__ == "__main__":
    unittest.main()
