"""A damaged or odd settings file never stops the program or spoils the next save.

Each case puts raw bytes where the profile is kept, starts the program, lets it end the
way a session's log-off ends it, and reads back what it saved: what could be read is
kept, what could not is dropped, and the new file is whole. A file that does not read back
cleanly is told once at start and kept as it was, in a dated copy beside the new one."""

import glob
import os
import random
import unittest

from desktop import SETTINGS_KEYS, DesktopTestCase, big_text_scale, holds_throughout
from reliability import record

AREA = "Damaged settings file"
BIG_VALUE_MB = 10 * big_text_scale()
WHOLE = "starts; the next exit writes all 25 keys"
KEPT = "told once at start; the file as it was kept in a dated copy beside; the exit saved"


class BadStoredData(DesktopTestCase):

    def run_with_file(self, raw):
        """Start on these bytes, end politely, and return the values saved."""
        path = self.desktop.ini_path()
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(raw)
        self.desktop.launch()
        self.desktop.request_termination()
        self.assert_exits_cleanly()
        saved = self.desktop.read_settings()
        self.assertLessEqual(set(SETTINGS_KEYS), set(saved))
        for copy in self.dated_copies():
            with open(copy, "rb") as f:
                self.assertEqual(f.read(), raw, "a dated copy is not the file as it was")
        return saved

    def assert_kept(self):
        """The file did not read back cleanly: it was kept, once, beside the new one."""
        self.assertEqual(len(self.dated_copies()), 1)

    def assert_loaded(self, raw, expected):
        saved = self.run_with_file(raw)
        for key in SETTINGS_KEYS:
            if key not in ("top", "left"):
                self.assertEqual(saved[key], expected.get(key, ""), key)
        return saved

    def dated_copies(self):
        folder = os.path.dirname(self.desktop.ini_path())
        return glob.glob(os.path.join(folder, "Quillpad-*.ini"))

    def assert_kept_before_saving(self, raw, loaded=None):
        """Start on a file that does not read back cleanly: the user is told once, and the
        exit keeps the file as it was beside the new one."""
        path = self.desktop.ini_path()
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(raw)
        self.desktop.launch()
        self.desktop.dismiss_message_box(self.desktop.wait_message_box())
        self.assertTrue(holds_throughout(lambda: not self.desktop.message_boxes(), 1.0),
                        "the problem was told more than once")
        self.assertEqual(self.dated_copies(), [], "a copy was written before any save")
        self.desktop.show_from_tray()
        self.desktop.type_into("zip", "123")
        self.save_and_exit()
        copies = self.dated_copies()
        self.assertEqual(len(copies), 1, copies)
        with open(copies[0], "rb") as f:
            self.assertEqual(f.read(), raw, "the copy is not the file as it was")
        saved = self.desktop.read_settings()
        self.assertEqual(sorted(saved), sorted(SETTINGS_KEYS))
        self.assertEqual(saved["zip"], (loaded or {}).get("zip", "") + "123")
        for key, value in (loaded or {}).items():
            if key != "zip":
                self.assertEqual(saved[key], value, key)

    def test_section_swallowed_by_a_trailing_backslash(self):
        self.assert_kept_before_saving(
            "note=see below\\\n[Setting]\nname=Анна\ncity=Москва\n".encode("utf-8"))
        record(AREA, "a line ending in a backslash before the section (it swallows the header)",
               KEPT)

    def test_section_swallowed_by_an_unclosed_quote(self):
        self.assert_kept_before_saving(
            'note="unclosed\n[Setting]\nname=Анна\ncity=Москва\n'.encode("utf-8"))
        record(AREA, "an unclosed quote before the section", KEPT)

    def test_hand_edited_values_read_otherwise(self):
        self.assert_kept_before_saving(b"[Setting]\ncity=a;b\nname=@Rect(1 2 3 4)\nfax=1\n",
                                       {"city": "a", "name": "", "fax": "1"})
        record(AREA, 'hand-edited values read otherwise ("a;b", "@Rect(1 2 3 4)")', KEPT)

    def test_what_the_program_wrote_is_not_told(self):
        self.desktop.seed_settings({"name": "Анна", "comments": "a;b, c\r\nline 2"})
        self.desktop.launch()
        self.desktop.show_from_tray()
        self.assertFalse(self.desktop.message_boxes())
        self.save_and_exit()
        written = self.desktop.ini_bytes()
        self.desktop.launch()
        self.desktop.show_from_tray()
        self.assertFalse(self.desktop.message_boxes())
        self.save_and_exit()
        self.assertEqual(self.desktop.ini_bytes(), written)
        self.assertEqual(self.dated_copies(), [])
        record(AREA, "a file the program wrote itself, read and saved again",
               "nothing told, no copy; the same bytes written", 1)

    def test_empty_file(self):
        self.assert_loaded(b"", {})
        record(AREA, "empty file", WHOLE)

    def test_file_cut_off_mid_line(self):
        raw = "[Setting]\nname=Анна\ncity=Моск".encode("utf-8")
        self.assert_loaded(raw, {"name": "Анна", "city": "Моск"})
        record(AREA, "file cut off in the middle of a line", "the lines before the cut load")

    def test_file_cut_off_in_a_section_header(self):
        self.assert_loaded(b"[Setting]\nname=Ann\n[Sett", {"name": "Ann"})
        record(AREA, "file cut off inside a section header", "the lines before the cut load")

    def test_binary_garbage(self):
        generator = random.Random(20261207)
        for round_number in range(3):
            with self.subTest(round=round_number):
                garbage = bytes(generator.randrange(256) for _ in range(4096))
                self.assert_loaded(garbage, {})
                self.assert_kept()
                self.fresh_desktop()
                raw = b"[Setting]\nname=Ann\nzip=123456\n" + garbage
                self.assert_loaded(raw, {"name": "Ann", "zip": "123456"})
                self.fresh_desktop()
        record(AREA, "4 KB of random bytes, alone and after the section",
               "the section before them loads; the file as it was kept beside", 6)

    def fresh_desktop(self):
        self.desktop.close()
        self.setUp()

    def test_text_that_is_not_utf8(self):
        raw = b"[Setting]\nname=Ann\xff\xfe\xc0\nfax=123\n"
        saved = self.assert_loaded(raw, {"name": "Ann\ufffd\ufffd\ufffd", "fax": "123"})
        self.assertNotIn(b"\xff", self.desktop.ini_bytes())
        self.assert_kept()
        self.assertEqual(saved["fax"], "123")
        record(AREA, "bytes that are not UTF-8",
               "they load as U+FFFD; the file is UTF-8 again; the file as it was kept beside")

    def test_duplicate_keys_leave_one_value(self):
        self.run_with_file(b"[Setting]\nname=First\nname=Second\n")
        lines = self.desktop.ini_bytes().splitlines()
        self.assertEqual(len([line for line in lines if line.startswith(b"name=")]), 1)
        self.assertIn(self.desktop.read_settings()["name"], ("First", "Second"))
        self.assert_kept()
        record(AREA, "the same key twice",
               "one of the two values loads; it is saved once; the file as it was kept beside")

    def test_keys_in_other_letter_case_are_not_ours(self):
        saved = self.assert_loaded(b"[Setting]\nName=Ann\nSTREER2=Main St\n", {})
        self.assertEqual((saved["Name"], saved["STREER2"]), ("Ann", "Main St"))
        record(AREA, "keys in other letter case (Name, STREER2)",
               "not read as the fields; kept untouched in the file")

    def test_huge_value(self):
        size = int(BIG_VALUE_MB * 1024 * 1024) // 2  # Cyrillic letters take two bytes in UTF-8
        big = "".join(chr(0x410 + i % 32) for i in range(size))
        raw = f"[Setting]\ncompany={big}\nprgfullo={big}\n".encode("utf-8")
        self.assert_loaded(raw, {"company": big, "prgfullo": big})
        record(AREA, f"a {BIG_VALUE_MB:g} MB value in a one-line and in a multi-line field",
               "kept whole, byte for byte", 2)

    def test_position_that_is_not_a_number(self):
        baseline = self.run_with_file(b"")
        bad_values = ["abc", "", "1e40", "12,5", "nan", "inf", "--5", "0x10"]
        for value in bad_values:
            with self.subTest(value=value):
                self.fresh_desktop()
                saved = self.run_with_file(
                    f"[Setting]\ntop={value}\nleft={value}\n".encode("utf-8"))
                self.assertEqual((saved["top"], saved["left"]),
                                 (baseline["top"], baseline["left"]))
        record(AREA, "top/left of " + ", ".join(f'"{v}"' for v in bad_values),
               "ignored; the window keeps its first-run place", len(bad_values))

    def test_negative_zero_position(self):
        saved = self.run_with_file(b"[Setting]\ntop=-0\nleft=-0\n")
        self.assertEqual((saved["top"], saved["left"]), ("0", "0"))
        record(AREA, 'top/left of "-0"', 'read as 0 and saved as "0"')


if __name__ == "__main__":
    unittest.main()
