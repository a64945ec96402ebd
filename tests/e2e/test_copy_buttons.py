"""The "!" buttons: each puts its box's whole text on the clipboard for other programs."""

import unittest

from desktop import BOX_TOPS, DesktopTestCase

# Typed for real, one distinct value per box of the author page.
AUTHOR_TYPED = {
    "name": "Анна", "lastname": "Quill-Smith", "midname": "Петровна",
    "company": "Ink & Co, Ltd", "title": "Author", "street1": "1 Paper Lane",
    "streer2": "кв. 5", "city": "Springfield", "state": "Anystate", "county": "Россия",
    "zip": "12345", "email": "anna@example.org", "phone": "+1 555 0100",
    "fax": "+1 555 0101", "comments": "first line\nвторая строка",
}

# The program page: two boxes seeded (a stored two-line value keeps its CR LF breaks),
# the rest typed for real.
PROGRAM_SEEDED = {"prgname": "Перо", "prgfullo": "Строка один\r\nLine two"}
PROGRAM_TYPED = {
    "prgvers": "2.0.1", "prgemail": "support@example.org",
    "prgdownl1": "https://example.org/quill.zip", "prgdownl2": "https://example.org/quill.7z",
    "prgwww": "https://example.org/", "prgo": "Перо для заметок",
}

# The six rows whose "!" is on both pages: the author's box and the program's box.
SHARED_ROWS = {
    "company": "prgname", "title": "prgemail", "street1": "prgdownl1",
    "streer2": "prgdownl2", "city": "prgwww", "state": "prgo",
}
SHARED_SEEDED = {
    "company": "Чернильница", "title": "Writer", "street1": "2 Quill Road",
    "streer2": "Suite 7", "city": "Москва", "state": "Region",
    "prgname": "Quillpad", "prgemail": "qp@example.org", "prgdownl1": "https://example.org/1",
    "prgdownl2": "https://example.org/2", "prgwww": "https://example.org/www",
    "prgo": "Короткое описание",
}

AUTHOR_ONLY_ROWS = [box for box in BOX_TOPS if box not in SHARED_ROWS]


def same_lines(text):
    """A typed Return gives the platform's line break: compare the lines themselves."""
    return text.replace("\r\n", "\n")


class CopyButtons(DesktopTestCase):

    def assert_copies(self, box, expected):
        self.assertEqual(same_lines(self.desktop.copy_with_button(box)), same_lines(expected),
                         f'the "!" of the {box} box')

    def assert_copies_exactly(self, box, expected):
        self.assertEqual(self.desktop.copy_with_button(box), expected, f'the "!" of the {box} box')

    def test_author_page_buttons_copy_typed_text(self):
        self.launch_and_show()
        for box, text in AUTHOR_TYPED.items():
            self.desktop.type_into(box, text)
        for box, text in AUTHOR_TYPED.items():
            self.assert_copies(box, text)

    def test_program_page_buttons_copy_their_boxes(self):
        self.desktop.seed_settings(PROGRAM_SEEDED)
        self.launch_and_show()
        self.desktop.show_page(2)
        for box, text in PROGRAM_TYPED.items():
            self.desktop.type_into(box, text)
        for box, text in PROGRAM_SEEDED.items():
            self.assert_copies_exactly(box, text)
        for box, text in PROGRAM_TYPED.items():
            self.assert_copies(box, text)

    def test_typed_line_joins_stored_lines(self):
        self.desktop.seed_settings(PROGRAM_SEEDED)
        self.launch_and_show()
        self.desktop.show_page(2)
        self.desktop.type_into("prgfullo", "\nтретья")
        self.assert_copies("prgfullo", PROGRAM_SEEDED["prgfullo"] + "\nтретья")

    def test_shared_buttons_follow_the_page(self):
        self.desktop.seed_settings(SHARED_SEEDED)
        self.launch_and_show()
        for page in (1, 2, 1):
            self.desktop.show_page(page)
            for author_box, program_box in SHARED_ROWS.items():
                shown_box = author_box if page == 1 else program_box
                self.assert_copies_exactly(author_box, SHARED_SEEDED[shown_box])

    def test_empty_boxes_copy_empty_text(self):
        self.launch_and_show()
        self.assert_copies_exactly("name", "")
        self.assert_copies_exactly("comments", "")
        self.desktop.show_page(2)
        self.assert_copies_exactly("prgvers", "")
        self.assert_copies_exactly("prgfullo", "")

    def test_edits_survive_a_page_switch(self):
        self.launch_and_show()
        self.desktop.type_into("city", "Тверь")
        self.desktop.show_page(2)
        self.desktop.type_into("prgwww", "https://example.org/page")
        self.desktop.type_into("prgfullo", "one\ntwo")
        self.desktop.show_page(1)
        self.assert_copies("city", "Тверь")
        self.desktop.show_page(2)
        self.assert_copies("city", "https://example.org/page")
        self.assert_copies("prgfullo", "one\ntwo")

    def test_hidden_buttons_copy_nothing(self):
        self.desktop.seed_settings({**AUTHOR_TYPED, **PROGRAM_TYPED})
        self.launch_and_show()
        self.assert_copy_nothing(["prgvers", "prgfullo"])
        self.desktop.show_page(2)
        self.assert_copy_nothing(AUTHOR_ONLY_ROWS)


if __name__ == "__main__":
    unittest.main()
