"""The keyboard alone, in Quillpad.exe under Wine and openbox (keyboard_cases.py): F10 and
Alt alone select the menu bar as Windows does, and Down opens "Меню". Every case starts the
program afresh on the same profile."""

import unittest

from keyboard_cases import KeyboardCases
from wine_desktop import WINE_TIMEOUT, WineDesktop


class KeyboardOnly(KeyboardCases, unittest.TestCase):

    desktop_class = WineDesktop
    menu_keys = ("F10", "Down")

    def start_program(self, profile):
        self.desktop.forget_profile()
        self.desktop.store_profile(profile)
        self.desktop.launch()
        self.desktop.double_click_tray_icon()
        return self.desktop.wait_main_window_mapped(WINE_TIMEOUT)

    def saved_profile(self):
        return self.desktop.stored_texts()

    def test_alt_alone_opens_the_menu_too(self):
        self.desktop.key("alt", "Down")
        self.desktop.wait_popup_menu()
        self.desktop.key("Escape", "Escape")
        self.desktop.wait_popup_closed()


if __name__ == "__main__":
    unittest.main()
