"""The catalogue drop-down and "Перейти!", which opens the chosen address on the desktop."""

import os
import re
import unittest

from desktop import DOUBLE_CLICK_SETTLE, DesktopTestCase, holds_throughout

HERE = os.path.dirname(os.path.abspath(__file__))
CATALOGUE_SOURCE = os.path.join(HERE, "..", "..", "catalogue", "catalogue_list.h")


def catalogue_addresses():
    """The drop-down's entries in order, read from the program's own list."""
    with open(CATALOGUE_SOURCE, encoding="utf-8") as f:
        source = f.read()
    body = source[source.index("kCatalogueList"):]
    body = body[:body.index("});")]
    return re.findall(r'u"([^"]*)"', body)


CATALOGUE = catalogue_addresses()


class Catalogue(DesktopTestCase):

    def setUp(self):
        super().setUp()
        self.launch_and_show()
        self.desktop.show_page(2)

    def choose_with_keys(self, *keys):
        self.desktop.open_catalogue_list()
        self.desktop.key(*keys, "Return")
        self.desktop.wait_popup_closed()

    def choose_by_clicking(self, row):
        """Click the row (counted from 1) in the pop-up list, which shows every entry."""
        popup = self.desktop.geometry(self.desktop.open_catalogue_list())
        row_height = popup.height / len(CATALOGUE)
        self.assertTrue(15 <= row_height <= 40, f"the list is not all shown: {popup}")
        self.desktop.click_at(popup.x + popup.width // 2, popup.y + int((row - 0.5) * row_height))
        self.desktop.wait_popup_closed()

    def go_and_expect(self, calls):
        self.desktop.press_go()
        self.assertEqual(self.desktop.wait_opened(len(calls)), calls)

    def assert_no_more_calls(self, count):
        self.assertTrue(holds_throughout(lambda: len(self.desktop.xdg_open_calls()) == count,
                                         DOUBLE_CLICK_SETTLE), self.desktop.xdg_open_calls())

    def mapped_windows(self):
        return {w.id for w in self.desktop.top_level_windows() if self.desktop.is_mapped(w)}

    def test_chosen_rows_are_opened_in_order(self):
        self.choose_with_keys("Home")
        self.go_and_expect(CATALOGUE[:1])
        self.choose_by_clicking(19)
        self.go_and_expect([CATALOGUE[0], CATALOGUE[18]])
        self.choose_with_keys("End", *["Up"] * 9)
        self.go_and_expect([CATALOGUE[0], CATALOGUE[18], CATALOGUE[21]])
        self.assert_no_more_calls(3)

    def test_every_entry_is_handed_on_as_it_reads(self):
        self.assertEqual(len(CATALOGUE), 31, "the list was not read whole from its source")
        self.choose_with_keys("Home")
        self.go_and_expect(CATALOGUE[:1])
        for row in range(2, len(CATALOGUE) + 1):
            # Back to the drop-down, next entry, on to "Перейти!" and press it.
            self.desktop.key("shift+Tab", "Down", "Tab", "space")
            self.assertEqual(self.desktop.wait_opened(row), CATALOGUE[:row])

    def test_nothing_chosen_opens_nothing(self):
        windows = self.mapped_windows()
        self.desktop.press_go()
        self.assertTrue(holds_throughout(
            lambda: not self.desktop.xdg_open_calls() and self.mapped_windows() == windows,
            DOUBLE_CLICK_SETTLE), "something was opened or shown")

    def test_each_press_opens_again(self):
        self.choose_with_keys("Home", *["Down"] * 25)
        self.desktop.press_go()
        self.go_and_expect([CATALOGUE[25]] * 2)
        self.assert_no_more_calls(2)

    def test_typing_cannot_change_the_address(self):
        self.choose_with_keys("Home")
        self.desktop.xdotool("type", "zzz")
        self.go_and_expect(CATALOGUE[:1])


if __name__ == "__main__":
    unittest.main()
