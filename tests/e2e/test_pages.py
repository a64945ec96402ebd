"""The page buttons "1" (the author's details) and "2" (the program's details)."""

import unittest

from desktop import DOUBLE_CLICK_SETTLE, DesktopTestCase, holds_throughout


class Pages(DesktopTestCase):

    def assert_page_stays(self, number):
        self.desktop.wait_page(number)
        self.assertTrue(holds_throughout(lambda: self.desktop.page_shown() == number,
                                         DOUBLE_CLICK_SETTLE), f"page {number} did not stay")

    def test_start_shows_author_page(self):
        self.launch_and_show()
        self.assert_page_stays(1)

    def test_each_button_shows_its_page_however_often_pressed(self):
        self.launch_and_show()
        for number in (1, 1, 2, 2, 1):
            self.desktop.press_page_button(number)
        self.assert_page_stays(1)
        # A program-only control would take the click: its "!" would copy the version.
        self.assert_copy_nothing(["prgvers"])

    def test_program_page_survives_hiding_into_tray(self):
        self.launch_and_show()
        self.desktop.show_page(2)
        self.hide_into_tray()
        self.desktop.show_from_tray()
        self.assert_page_stays(2)

    def test_every_restart_shows_author_page(self):
        for _ in range(3):
            self.launch_and_show()
            self.assert_page_stays(1)
            self.desktop.show_page(2)
            self.save_and_exit()


class PagesWithoutTray(DesktopTestCase):

    tray = False

    def test_window_shown_at_start_has_author_page(self):
        self.desktop.launch()
        self.desktop.wait_main_window_mapped()
        self.desktop.wait_page(1)


if __name__ == "__main__":
    unittest.main()
