"""The profile's text fields: typed, saved, loaded back, and kept per program name."""

import os
import shutil
import unittest

from desktop import BOX_TOPS, DesktopTestCase, binary_path

# Values a user may well have, chosen to exercise QSettings' quoting and escaping.
SEEDED = {
    "name": "Дмитрий",
    "lastname": "  Leading and trailing  ",
    "midname": "",
    "company": 'Acme, Ltd; "Quill" = 1',
    "street1": "@home",
    "email": "author@example.org",
    "comments": "Первая строка\r\nSecond line\r\n\r\nlast",
    "prgname": "Quillpad Deluxe",
    "prgvers": "2.0.1",
    "prgwww": "https://example.org/quill",
}


class ProfileOnDisk(DesktopTestCase):

    def save_and_exit_by_close_request(self):
        # Clicking a box to focus the window would move the focus this test checks.
        self.desktop.send_close_request(self.desktop.main_window())
        self.assert_exits_cleanly()

    def test_typed_text_is_saved_and_loaded_back(self):
        self.launch_and_show()
        self.desktop.type_into("name", "Анна")
        self.desktop.type_into("company", "Quill, Ink & Co")
        self.desktop.type_into("comments", "first line\nsecond line")
        self.save_and_exit()
        saved = self.assert_all_keys_saved()
        self.assertEqual(saved["name"], "Анна")
        self.assertEqual(saved["company"], "Quill, Ink & Co")
        self.assertEqual(saved["comments"].splitlines(), ["first line", "second line"])
        # Saving again without edits only gives back the same file if everything was loaded.
        first_file = self.desktop.ini_bytes()
        self.launch_and_show()
        self.save_and_exit()
        self.assertEqual(self.desktop.ini_bytes(), first_file)

    def test_seeded_values_come_back_unchanged(self):
        self.desktop.seed_settings(SEEDED)
        self.launch_and_show()
        self.save_and_exit()
        saved = self.assert_all_keys_saved()
        self.assertEqual({key: saved[key] for key in SEEDED}, SEEDED)

    def test_focus_starts_on_first_name_and_tab_walks_down(self):
        window = self.launch_and_show()
        self.desktop.activate(window)
        for number, box in enumerate(BOX_TOPS):
            if number:
                self.desktop.key("Tab")
            self.desktop.xdotool("type", f"{box}-{number}")
        self.save_and_exit_by_close_request()
        saved = self.desktop.read_settings()
        self.assertEqual({box: saved[box] for box in BOX_TOPS},
                         {box: f"{box}-{number}" for number, box in enumerate(BOX_TOPS)})

    def test_copy_under_other_name_keeps_its_own_file(self):
        other = os.path.join(self.desktop.root_dir, "copy", "Other")
        os.mkdir(os.path.dirname(other))
        shutil.copy2(binary_path(), other)
        self.desktop.seed_settings({"name": "Quillpad's own"}, "Quillpad")
        quillpad_file = self.desktop.ini_bytes("Quillpad")
        self.launch_and_show(other)
        self.desktop.type_into("lastname", "Other's")
        self.save_and_exit()
        saved = self.assert_all_keys_saved("Other")
        self.assertEqual((saved["name"], saved["lastname"]), ("", "Other's"))
        self.assertEqual(self.desktop.ini_bytes("Quillpad"), quillpad_file)


if __name__ == "__main__":
    unittest.main()
