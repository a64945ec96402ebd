"""Huge and unusual field contents are edited, copied, saved and restored byte for byte."""

import unittest

from desktop import DesktopTestCase
from reliability import record

AREA = "Huge and strange contents"
MEGABYTE_LINE = "".join(chr(ord("a") + i % 26) for i in range(1024 * 1024))
TEN_THOUSAND_LINES = "\r\n".join(f"строка {n}" for n in range(10000))
CONTENTS = {
    "company": MEGABYTE_LINE,
    "prgfullo": TEN_THOUSAND_LINES,
    "name": "שלום עליכם",
    "lastname": "مرحبا بالعالم",
    "title": "😀 👍🏽 👨‍👩‍👧 𝄞",
    "city": "a\x01b\x07c\x1bd\te\x1f",
    "comments": "Mixed עברית and English\nשורה שנייה 😀\r\nend",
}
TYPED = {"name": " ok", "company": "+", "prgfullo": "\nadded"}
ROWS = [
    ("1 MB on one line", "company"),
    ("10,000 lines", "prgfullo"),
    ("right-to-left text (Hebrew, Arabic)", "name"),
    ("emoji, joined emoji and characters beyond 16 bits", "title"),
    ("control characters other than NUL", "city"),
    ("LF and CR LF line breaks mixed in one box", "comments"),
]


class StrangeContents(DesktopTestCase):

    def copy_all(self, expected):
        for page, boxes in ((1, ["company", "name", "lastname", "title", "city", "comments"]),
                            (2, ["prgfullo"])):
            self.desktop.show_page(page)
            for box in boxes:
                with self.subTest(box=box):
                    self.assertEqual(self.desktop.copy_with_button(box), expected[box])

    def test_edit_copy_save_and_restore(self):
        self.desktop.seed_settings(CONTENTS)
        self.launch_and_show()
        for box in ("name", "company"):
            self.desktop.type_into(box, TYPED[box])
        self.desktop.show_page(2)
        self.desktop.type_into("prgfullo", TYPED["prgfullo"])
        edited = {box: CONTENTS[box] + TYPED.get(box, "") for box in CONTENTS}
        # A line typed into a box of Windows line breaks ends like the others.
        edited["prgfullo"] = CONTENTS["prgfullo"] + TYPED["prgfullo"].replace("\n", "\r\n")
        self.copy_all(edited)
        self.save_and_exit()
        saved = self.assert_all_keys_saved()
        for box, text in edited.items():
            self.assertEqual(saved[box], text, box)

        self.launch_and_show()
        self.copy_all(edited)
        self.save_and_exit()
        self.assertEqual(self.assert_all_keys_saved(), saved)
        for what, box in ROWS:
            held = "typed into, " if box in TYPED else ""
            record(AREA, what, held + "copied, saved and restored byte for byte")


if __name__ == "__main__":
    unittest.main()
