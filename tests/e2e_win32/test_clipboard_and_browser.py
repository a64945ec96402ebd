"""Quillpad.exe under Wine: "!" copies through Wine's clipboard to X, and "Перейти!" reaches
the desktop's browser through Wine's shell."""

import unittest

from desktop import wait_until
from test_catalogue import CATALOGUE
from wine_desktop import WINE_TIMEOUT, WineTestCase


class ClipboardAndBrowser(WineTestCase):

    def test_copy_button_puts_the_stored_field_on_the_x_clipboard(self):
        self.desktop.store_profile({"name": "Анна-Мария «Ё» O'Neil"})
        self.launch_and_show()
        self.assertEqual(self.desktop.copy_with_button("name"), "Анна-Мария «Ё» O'Neil")

    def test_go_hands_the_chosen_catalogue_to_the_browser(self):
        self.launch_and_show()
        self.desktop.show_page(2)
        popup = self.desktop.geometry(self.desktop.open_catalogue_list())
        self.desktop.click_at(popup.x + popup.width // 2, popup.y + 6)
        self.desktop.wait_popup_closed()
        self.desktop.press_go()
        calls = wait_until(self.desktop.xdg_open_calls, WINE_TIMEOUT, what="the browser")
        self.assertEqual(calls, [[CATALOGUE[0]]])


if __name__ == "__main__":
    unittest.main()
