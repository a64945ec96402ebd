"""A profile changed from outside while the program waits in the tray is never undone
without a trace.

The user restores the file from a backup, a sync tool replaces it, or it is edited by hand,
while the program holds its own values in memory. The next save keeps the file as it was
found in a dated copy beside it, then writes the program's values; the next start tells it
once, and the runs after it, which find only what they wrote, make no copy."""

import glob
import os
import unittest

from desktop import DesktopTestCase, holds_throughout
from reliability import record

AREA = "Profile changed from outside"
KEPT = "the file as found kept in a dated copy; the typing saved; told once at the next start"
RESTORED = "[Setting]\nname=Пётр\ncity=Тверь\n".encode("utf-8")


class OutsideChanges(DesktopTestCase):

    def dated_copies(self):
        folder = os.path.dirname(self.desktop.ini_path())
        return sorted(glob.glob(os.path.join(folder, "Quillpad-*.ini")))

    def type_then_wait_hidden(self, text):
        self.desktop.launch()
        self.desktop.show_from_tray()
        self.desktop.type_into("zip", text)
        self.hide_into_tray()

    def assert_kept_and_told_once(self, found_bytes):
        """After the polite end: the file as found is kept, and only the next start says so."""
        self.assert_exits_cleanly()
        copies = self.dated_copies()
        self.assertEqual(len(copies), 1, copies)
        with open(copies[0], "rb") as f:
            self.assertEqual(f.read(), found_bytes, "the copy is not the file as it was found")
        self.assertEqual(self.desktop.read_settings()["zip"], "-A")
        self.desktop.launch()
        self.desktop.dismiss_message_box(self.desktop.wait_message_box())
        self.assertTrue(holds_throughout(lambda: not self.desktop.message_boxes(), 1.0),
                        "the kept copy was told more than once")
        self.desktop.request_termination()
        self.assert_exits_cleanly()
        self.desktop.launch()
        self.assertTrue(holds_throughout(lambda: not self.desktop.message_boxes(), 1.5),
                        "the kept copy was told again at a later start")
        self.desktop.request_termination()
        self.assert_exits_cleanly()
        self.assertEqual(len(self.dated_copies()), 1, "an ordinary run made a copy")

    def test_a_file_restored_from_a_backup_while_waiting(self):
        self.desktop.seed_settings({"name": "Анна"})
        self.type_then_wait_hidden("-A")
        staged = self.desktop.ini_path() + ".restored"
        with open(staged, "wb") as f:
            f.write(RESTORED)
        os.replace(staged, self.desktop.ini_path())
        self.desktop.request_termination()
        self.assert_kept_and_told_once(RESTORED)
        record(AREA, "the file replaced (a backup, a sync tool) while the program waits "
               "hidden, then SIGTERM", KEPT)

    def test_a_file_edited_by_hand_in_place_while_waiting(self):
        self.desktop.seed_settings({"name": "Анна"})
        self.type_then_wait_hidden("-A")
        with open(self.desktop.ini_path(), "ab") as f:
            f.write("fax=+7 495 000\n".encode("utf-8"))
        edited = self.desktop.ini_bytes()
        self.desktop.request_termination()
        self.assert_kept_and_told_once(edited)
        record(AREA, "the file edited by hand in place while the program waits hidden, then "
               "SIGTERM", KEPT)


if __name__ == "__main__":
    unittest.main()
