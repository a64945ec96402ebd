"""Quillpad.exe under Wine: what a screen reader hears for each "!" button, asked through
Active Accessibility by another program, on both pages."""

import os
import unittest

from copy_button_names import NamesOnBothPages
from wine_desktop import WINE_TIMEOUT, WineTestCase

READ_BUTTON_NAMES = os.environ["QUILLPAD_READ_BUTTON_NAMES"]


class ScreenReaders(NamesOnBothPages, WineTestCase):
    names_timeout = WINE_TIMEOUT
    names_source = "Active Accessibility"

    def copy_button_names(self):
        answer = self.desktop.wine(READ_BUTTON_NAMES, check=False)
        return sorted(answer.stdout.decode("utf-8").splitlines())

    def test_each_copy_button_names_its_field_on_the_page_in_force(self):
        self.launch_and_show()
        self.check_names_on_both_pages()


if __name__ == "__main__":
    unittest.main()
