"""Quillpad.exe under Wine: what a screen reader hears for each "!" button, asked through
Active Accessibility by another program, on both pages."""

import os
import unittest

from copy_button_names import AUTHORS_PAGE, PROGRAM_PAGE
from desktop import wait_until
from wine_desktop import WINE_TIMEOUT, WineTestCase

READ_BUTTON_NAMES = os.environ["QUILLPAD_READ_BUTTON_NAMES"]


class ScreenReaders(WineTestCase):

    def copy_button_names(self):
        answer = self.desktop.wine(READ_BUTTON_NAMES, check=False)
        return sorted(answer.stdout.decode("utf-8").splitlines())

    def assert_names(self, expected):
        wait_until(lambda: self.copy_button_names() == sorted(expected), WINE_TIMEOUT,
                   interval=0.5, what="the buttons' names through Active Accessibility")

    def test_each_copy_button_names_its_field_on_the_page_in_force(self):
        self.launch_and_show()
        self.desktop.wait_page(1)
        self.assert_names(AUTHORS_PAGE)
        self.desktop.show_page(2)
        self.assert_names(PROGRAM_PAGE)
        self.desktop.show_page(1)
        self.assert_names(AUTHORS_PAGE)


if __name__ == "__main__":
    unittest.main()
