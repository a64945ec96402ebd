"""The keyboard alone, in the Linux build under openbox (keyboard_cases.py); F10 opens the
menu, as on GNOME and most desktops. Every case starts the program afresh on the same
profile."""

import unittest

from desktop import Desktop, DesktopTestCase
from keyboard_cases import KeyboardCases


class KeyboardOnly(KeyboardCases, DesktopTestCase):

    desktop_class = Desktop

    def start_program(self, profile):
        self.desktop.seed_settings(profile)
        return self.launch_and_show()

    def saved_profile(self):
        return self.assert_all_keys_saved()


if __name__ == "__main__":
    unittest.main()
